// Form description of the profile dialog.
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "mobile/SyncDlg.h"
#include "mobile/SyncProfiles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace layout;

namespace {

template <class W> W* placed(QWidget* parent, const char* name, QRect geometry, const QString& caption)
{
    W* widget = make<W>(parent, name);
    widget->setGeometry(geometry);
    widget->setText(caption);
    return widget;
}

} // namespace

void TSyncDlg::createComponents()
{
    setObjectName("SyncDlg");
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(373, 311);

    lbProfileName = placed<QLabel>(this, "lbProfileName", {16, 14, 181, 13}, "Profile Name");
    edtProfilename = placed<QLineEdit>(this, "edtProfilename", {16, 30, 181, 21}, "NewProfile");
    lbPC = placed<QLabel>(this, "lbPC", {16, 66, 181, 13}, "PC");
    edtPC = placed<QLineEdit>(this, "edtPC", {16, 82, 181, 21}, syncprofiles::defaultPcFolder());
    edtPC->setReadOnly(true);
    btnBrowse1 = placed<QPushButton>(this, "btnBrowse1", {198, 82, 55, 21}, "Browse");
    lbMobile = placed<QLabel>(this, "lbMobile", {16, 118, 181, 13}, "Mobile Disk");
    edtUsb = placed<QLineEdit>(this, "edtUsb", {16, 134, 181, 21}, "/");
    edtUsb->setReadOnly(true);
    btnBrowse2 = placed<QPushButton>(this, "btnBrowse2", {198, 134, 53, 21}, "Browse");

    rgDirect = make<QGroupBox>(this, "rgDirect");
    rgDirect->setGeometry(16, 168, 231, 105);
    rgDirect->setTitle("Direction");
    m_directions = new QButtonGroup(this);

    ckbSubDir = placed<QCheckBox>(this, "ckbSubDir", {18, 282, 121, 17}, "Include SubDirectory");
    btnOK = placed<QPushButton>(this, "btnOK", {284, 22, 75, 25}, "&OK");
    btnOK->setDefault(true);
    btnCancel = placed<QPushButton>(this, "btnCancel", {284, 54, 75, 25}, "&Cancel");
}
