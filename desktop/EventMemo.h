#pragma once

// One event of the day or week view: a read-only text on a coloured field with a sunken
// border. It is painted by itself rather than built on a text editor, because a view makes
// dozens of them at every rebuild and needs neither caret nor selection.

#include <QColor>
#include <QString>
#include <QWidget>

class QMenu;

class TEventMemo : public QWidget
{
    Q_OBJECT
public:
    explicit TEventMemo(QWidget* parent);

    // The event's place in its view's record list.
    int Tag = 0;
    // Shown on a right click, after mouseUp has been raised for it.
    QMenu* PopupMenu = nullptr;

    QColor Color() const { return m_color; }
    void setColor(const QColor& colour);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& colour);
    // The text as given, line breaks included ("\r\n" or "\n").
    QString Text() const { return m_text; }
    void setText(const QString& text);

signals:
    void mouseUp(TEventMemo* sender, Qt::MouseButton button);
    void doubleClicked(TEventMemo* sender);
    // A handler that sets *key to 0 consumes the key.
    void keyUp(TEventMemo* sender, int* key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QColor m_color;
    QColor m_fontColor;
    QString m_text;
    QString m_shownText;
};
