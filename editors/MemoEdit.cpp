#include "editors/MemoEdit.h"

#include <QTextBoundaryFinder>
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
    if (m_maxLength <= 0)
        return;
    // The limit counts characters (code points) as the database does, not UTF-16 units.
    const QString text = toPlainText();
    const qsizetype excess = codePoints(text) - m_maxLength;
    if (excess <= 0)
        return;
    // What came in last goes: the tail of the inserted text, or the text's end otherwise.
    const qsizetype insertedEnd = qMin<qsizetype>(position + added, text.size());
    const qsizetype insertedStart = qMin<qsizetype>(position, insertedEnd);
    const qsizetype end =
        codePoints(QStringView(text).sliced(insertedStart, insertedEnd - insertedStart)) >= excess
            ? insertedEnd
            : text.size();
    qsizetype start = end;
    for (qsizetype removed = 0; removed < excess && start > 0; ++removed)
        start -= start >= 2 && text[start - 1].isLowSurrogate() && text[start - 2].isHighSurrogate() ? 2 : 1;
    // A cut never splits what the reader sees as one character.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(start);
    if (!graphemes.isAtBoundary())
        start = qMax<qsizetype>(graphemes.toPreviousBoundary(), 0);
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

qsizetype TMemoEdit::codePoints(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        count += !(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate());
    return count;
}
