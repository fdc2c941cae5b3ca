// Form description of the tool panel.
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TImage.h"
#include "desktop/QuorvaneFrame.h"
#include "desktop/ToolGlyphs.h"

#include <QPlainTextEdit>
#include <QToolButton>

namespace {

struct ButtonSpec
{
    QToolButton* TQuorvaneFrame::*member;
    const char* name;
    const char* caption;
    const char* hint;
    QRect geometry;
    int fontPixels;
    bool visible;
    ToolGlyph glyph;
};

const ButtonSpec Buttons[] = {
    {&TQuorvaneFrame::sbSchedule,
     "sbSchedule",
     "Schedule",
     "Schedule",
     {0, 2, 90, 80},
     13,
     true,
     ToolGlyph::Schedule},
    {&TQuorvaneFrame::sbAddress,
     "sbAddress",
     "Address Book",
     "Address Book",
     {0, 78, 90, 90},
     13,
     true,
     ToolGlyph::Address},
    {&TQuorvaneFrame::sbBackup,
     "sbBackup",
     "Backup",
     "Backup",
     {0, 168, 90, 70},
     11,
     true,
     ToolGlyph::Backup},
    {&TQuorvaneFrame::sbRestore,
     "sbRestore",
     "Restore",
     "Synchronize",
     {0, 240, 90, 70},
     11,
     true,
     ToolGlyph::Restore},
    {&TQuorvaneFrame::sbMemo, "sbMemo", "Password", "Email", {0, 310, 90, 90}, 13, true, ToolGlyph::Password},
    {&TQuorvaneFrame::sbExpense,
     "sbExpense",
     "Expense",
     "Email",
     {0, 400, 90, 90},
     13,
     true,
     ToolGlyph::Expense},
    {&TQuorvaneFrame::sbPassword,
     "sbPassword",
     "Password",
     "Email",
     {2, 584, 89, 90},
     13,
     false,
     ToolGlyph::Password},
    {&TQuorvaneFrame::sbGhosted,
     "sbGhosted",
     "Favorites To Go",
     "Favorites",
     {2, 588, 89, 70},
     11,
     false,
     ToolGlyph::Favorites},
    {&TQuorvaneFrame::MP3SpeedButton,
     "MP3SpeedButton",
     "MP3 Player",
     "MP3 Player",
     {0, 588, 90, 70},
     11,
     false,
     ToolGlyph::Reader},
    {&TQuorvaneFrame::sbEmail, "sbEmail", "Email", "Email", {0, 660, 90, 70}, 11, false, ToolGlyph::Email},
    {&TQuorvaneFrame::sbUnGhost,
     "sbUnGhost",
     "Favorites To Go",
     "Favorites",
     {6, 724, 90, 70},
     11,
     false,
     ToolGlyph::Favorites},
};

} // namespace

void TQuorvaneFrame::createComponents(Copy copy)
{
    const bool desktop = copy == Copy::Desktop;
    setObjectName("QuorvaneFrame1");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, desktop ? QColor(26, 111, 173) : QColor(0, 0, 125));
    setPalette(pal);
    resize(443, 277);

    Image1 = new TImage(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, desktop ? 100 : 90, desktop ? 898 : 868);
    alignChildren(this, {{Image1, Align::Client}});

    for (const ButtonSpec& spec : Buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(spec.name);
        button->setText(spec.caption);
        button->setToolTip(spec.hint);
        button->setGeometry(spec.geometry);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(toolGlyph(spec.glyph));
        button->setIconSize(QSize(32, 32));
        QFont font("MS Sans Serif");
        font.setPixelSize(spec.fontPixels);
        button->setFont(font);
        QPalette buttonPalette = button->palette();
        buttonPalette.setColor(QPalette::ButtonText, Qt::white);
        // The panel a hovered or pressed button gets is drawn in the button colour: a blue of
        // the panel's own keeps the white glyph and caption readable on it.
        buttonPalette.setColor(QPalette::Button, QColor(26, 111, 173));
        button->setPalette(buttonPalette);
        button->setVisible(spec.visible);
        this->*spec.member = button;
    }
    sbGhosted->setCheckable(true);
    sbGhosted->setChecked(true);

    Debug_Memo = new QPlainTextEdit(this);
    Debug_Memo->setObjectName("Debug_Memo");
    Debug_Memo->setTabChangesFocus(true);
    Debug_Memo->setGeometry(desktop ? QRect(2, 724, 104, 240) : QRect(0, 756, 104, 240));
    Debug_Memo->setPlainText(QString());
    Debug_Memo->hide();

    if (desktop) {
        sbUnGhost->move(-8, sbUnGhost->y());
        MP3SpeedButton->setText("RFID");
    }
}
