#pragma once

// A multi-line text field as the editors use it: it holds at most a given number of
// characters (code points, cut only between whole characters), however the text comes in (typed, pasted or
// dropped), and tells when a mouse button was released over it, after it has finished its own handling of the
// release (so a click inside a selection has already cleared it).

#include <QPlainTextEdit>

class TMemoEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TMemoEdit(QWidget* parent = nullptr);

    // In characters (code points), as the database counts them; 0: no limit.
    void setMaxLength(int maxLength);
    int maxLength() const { return m_maxLength; }

    // The selected text with the line breaks as the memo's text has them.
    QString selectedText() const;

signals:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void cutExcess(int position, int added);
    static qsizetype codePoints(QStringView text);

    int m_maxLength = 0;
};
