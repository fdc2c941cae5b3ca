// Form description of the address editor.
#include "editors/AddressForm.h"
#include "editors/EditorLayout.h"
#include "editors/LabeledEdit.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using editorlayout::make;

namespace {

// A framed group headed by a blue strip with its white title.
QFrame* group(QWidget* parent, const char* name, const char* titleName, const QRect& place, QLabel*& title)
{
    QFrame* box = editorlayout::bevelBox(parent, name, place);
    QFrame* strip = editorlayout::filledRect(box, (QByteArray(name) + "Strip").constData(),
                                             QRect(1, 1, place.width() - 2, 20), QColor(22, 87, 155));
    title = make<QLabel>(strip, titleName);
    title->setTextFormat(Qt::PlainText);
    title->setGeometry(6, 0, place.width() - 14, 20);
    editorlayout::setTextColour(title, Qt::white);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return box;
}

} // namespace

void TAddressForm::createComponents()
{
    setObjectName("AddressForm");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    QFont formFont("MS Sans Serif");
    formFont.setPixelSize(11);
    setFont(formFont);
    // An outer size of 763 x 447 less the sizeable frame and the caption, and 4 pixels more so
    // that the page control below stands whole in it.
    resize(747, 413);

    QFont controlFont("MS Sans Serif");
    controlFont.setPixelSize(13);

    PageControl1 = make<QTabWidget>(this, "PageControl1");
    PageControl1->setGeometry(8, 5, 599, 408);
    PageControl1->setFont(controlFont);
    TabGeneral = make<QWidget>(PageControl1, "TabGeneral");
    PageControl1->addTab(TabGeneral, "General");

    NameGroup = group(TabGeneral, "NameGroup", "leTName", QRect(11, 8, 280, 151), leTName);
    leFirstName = new TLabeledEdit(NameGroup, "leFirstName", QRect(90, 28, 180, 24), 4);
    leLastName = new TLabeledEdit(NameGroup, "leLastName", QRect(90, 58, 180, 24), 4);
    leTitle = new TLabeledEdit(NameGroup, "leTitle", QRect(90, 88, 180, 24), 4);
    leCompanyName = new TLabeledEdit(NameGroup, "leCompanyName", QRect(90, 118, 180, 24), 4);

    AddressGroup = group(TabGeneral, "AddressGroup", "leTAddress", QRect(13, 164, 276, 169), leTAddress);
    meAddress = make<QPlainTextEdit>(AddressGroup, "meAddress");
    meAddress->setGeometry(80, 26, 189, 53);
    leAddress = make<QLabel>(AddressGroup, "leAddress");
    leAddress->setTextFormat(Qt::PlainText);
    leAddress->setAlignment(Qt::AlignRight | Qt::AlignTop);
    leAddress->setGeometry(4, 30, 73, 20);
    leAddress->setBuddy(meAddress);
    leCity = new TLabeledEdit(AddressGroup, "leCity", QRect(85, 85, 180, 24), 4);
    leZip = new TLabeledEdit(AddressGroup, "leZip", QRect(85, 112, 180, 24), 4);
    leNation = new TLabeledEdit(AddressGroup, "leNation", QRect(85, 139, 180, 24), 4);

    ContactGroup = group(TabGeneral, "ContactGroup", "leTContact", QRect(295, 8, 292, 329), leTContact);
    leOfficephone = new TLabeledEdit(ContactGroup, "leOfficephone", QRect(102, 32, 180, 24), 4);
    leHomePhone = new TLabeledEdit(ContactGroup, "leHomePhone", QRect(102, 66, 180, 24), 4);
    leFax = new TLabeledEdit(ContactGroup, "leFax", QRect(102, 100, 180, 24), 4);
    leMobile = new TLabeledEdit(ContactGroup, "leMobile", QRect(102, 134, 180, 24), 4);
    leEmail = new TLabeledEdit(ContactGroup, "leEmail", QRect(102, 168, 180, 24), 4);

    OKButton = editorlayout::button(this, "OKButton", QRect(642, 22, 75, 25));
    OKButton->setFont(controlFont);
    ExitButton = editorlayout::button(this, "ExitButton", QRect(642, 56, 75, 25));
    ExitButton->setFont(controlFont);
    leGroup = make<QLabel>(this, "leGroup");
    leGroup->setTextFormat(Qt::PlainText);
    leGroup->setFont(controlFont);
    leGroup->setGeometry(620, 100, 111, 16);
    GroupComboBox = make<QComboBox>(this, "GroupComboBox");
    GroupComboBox->setFont(controlFont);
    GroupComboBox->setGeometry(618, 118, 111, 21);

    QWidget* tabOrder[] = {leFirstName, leLastName, leTitle,       leCompanyName, meAddress, leCity,
                           leZip,       leNation,   leOfficephone, leHomePhone,   leFax,     leMobile,
                           leEmail,     OKButton,   ExitButton,    GroupComboBox};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    meAddress->setTabChangesFocus(true);
}
