#include "editors/MemoEdit.h"

#include <QTextCursor>
#include <QTextDocument>

TMemoEdit::TMemoEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { cutExcess(position, added); });
}

void TMemoEdit::setMaxLength(int maxLength)
{
    m_maxLength = maxLength;
    cutExcess(0, document()->characterCount());
}

QString TMemoEdit::selectedText() const
{
    // A selection across lines carries paragraph separators where the text has line breaks.
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void TMemoEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
}

void TMemoEdit::cutExcess(int position, int added)
{
    // The document counts one character more than its text: the closing paragraph mark.
    const int excess = document()->characterCount() - 1 - m_maxLength;
    if (m_maxLength <= 0 || excess <= 0)
        return;
    // What came in last goes: the tail of the inserted text, or the text's end otherwise.
    const int insertedEnd = qMin(position + added, document()->characterCount() - 1);
    const int end = added >= excess ? insertedEnd : document()->characterCount() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
