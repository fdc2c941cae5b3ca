#include "mobile/SyncDlg.h"

#include "common/SharedTexts.h"
#include "mobile/PelloranFrame.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TSyncDlg::TSyncDlg(QWidget* owner, QString mobileRoot) : QDialog(owner), m_mobileRoot(std::move(mobileRoot))
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TSyncDlg::connectEvents()
{
    connect(btnBrowse1, &QPushButton::clicked, this, guarded(this, &TSyncDlg::btnBrowse1Click));
    connect(btnBrowse2, &QPushButton::clicked, this, guarded(this, &TSyncDlg::btnBrowse2Click));
    connect(btnOK, &QPushButton::clicked, this, guarded(this, &TSyncDlg::btnOKClick));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSyncDlg::FormCreate()
{
    LoadCaptions();
}

void TSyncDlg::LoadCaptions()
{
    lbProfileName->setText(SharedTexts::load(64991));
    lbPC->setText(SharedTexts::load(64960));
    lbMobile->setText(SharedTexts::load(64961));
    ckbSubDir->setText(SharedTexts::load(64962));
    btnBrowse1->setText(SharedTexts::load(64979));
    btnBrowse2->setText(SharedTexts::load(64979));
    btnOK->setText(SharedTexts::load(64980));
    btnCancel->setText(SharedTexts::load(64981));
    rgDirect->setTitle(SharedTexts::load(64963));

    for (QAbstractButton* item : m_directions->buttons()) {
        m_directions->removeButton(item);
        delete item;
    }
    const QStringList items = syncDirectionItems();
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], rgDirect);
        item->setGeometry(8, 18 + i * 28, 215, 20);
        item->show();
        m_directions->addButton(item, i);
    }
}

int TSyncDlg::directionIndex() const
{
    return m_directions->checkedId();
}

void TSyncDlg::setDirectionIndex(int index)
{
    if (QAbstractButton* item = m_directions->button(index)) {
        item->setChecked(true);
        return;
    }
    // An exclusive group never lets its last checked item go on its own.
    m_directions->setExclusive(false);
    for (QAbstractButton* item : m_directions->buttons())
        item->setChecked(false);
    m_directions->setExclusive(true);
}

void TSyncDlg::btnBrowse1Click()
{
    if (const QString folder = choosePcFolder(this, QString()); !folder.isEmpty())
        edtPC->setText(folder);
}

void TSyncDlg::btnBrowse2Click()
{
    if (const QString folder = chooseMobileFolder(this, m_mobileRoot, m_mobileRoot); !folder.isEmpty())
        edtUsb->setText(folder);
}

void TSyncDlg::btnOKClick()
{
    // Refused here, not after closing, so that what was typed stays to be mended.
    if (!profileNameRefused(this, edtProfilename->text()))
        accept();
}
