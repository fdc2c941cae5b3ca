// Form description of the Password editor.
#include "editors/EditorLayout.h"
#include "editors/MemoForm.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using editorlayout::make;

void TMemoForm::createComponents()
{
    setObjectName("MemoForm");
    editorlayout::makeFixedDialog(this, QSize(362, 343), 11);
    setWindowTitle("Memo");

    QFont controlFont("MS Sans Serif");
    controlFont.setPixelSize(13);

    Panel1 = editorlayout::bevelBox(this, "Panel1", QRect(10, 10, 244, 325));
    // The strip fills the top of the box inside its sunken edge.
    const int edge = Panel1->frameWidth();
    Panel2 = editorlayout::filledRect(Panel1, "Panel2", QRect(edge, edge, 244 - 2 * edge, 20),
                                      QColor(22, 87, 155));
    MemoTitleLabel = editorlayout::label(Panel2, "MemoTitleLabel", 100, 4);
    editorlayout::setTextColour(MemoTitleLabel, Qt::white);
    QFont bold = MemoTitleLabel->font();
    bold.setBold(true);
    MemoTitleLabel->setFont(bold);

    EditMemo = make<QPlainTextEdit>(Panel1, "EditMemo");
    EditMemo->setGeometry(6, 26, 230, 290);
    EditMemo->setFont(controlFont);
    EditMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditMemo->setTabChangesFocus(true);

    OKButton = editorlayout::button(this, "OKButton", QRect(280, 12, 75, 25));
    OKButton->setFont(controlFont);
    CancelButton = editorlayout::button(this, "CancelButton", QRect(280, 42, 75, 25));
    CancelButton->setFont(controlFont);
    CategoryLB = editorlayout::label(this, "CategoryLB", 262, 136);
    CategoryLB->setFont(controlFont);
    CategoryComboBox = make<QComboBox>(this, "CategoryComboBox");
    CategoryComboBox->setFont(controlFont);
    CategoryComboBox->setGeometry(260, 154, 101, 21);

    setTabOrder(EditMemo, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, CategoryComboBox);
}
