#pragma once

// What the day and week views share beyond the frame: the week's bounds, the event memos'
// content and place, and the hour column's drawing.

#include "desktop/EventRec.h"

#include <QDate>
#include <QString>
#include <QWidget>

class QPainter;
class QRect;
class QWidget;
class TEventMemo;

namespace calendarview {

constexpr int HourHeight = 44;
constexpr int HalfHourHeight = 22;
// 24 rows of 44 pixels and one more, as the scroll range of the day view gives it.
constexpr int ContentHeight = 24 * HourHeight + 1;

// The Sunday that starts the Sunday-to-Saturday week holding `date`.
QDate weekStartOf(const QDate& date);

// The event's length in hours of the day, rounded to four decimals, in the locale's form.
QString eventHours(const TEventRec& record);

// A memo for `record` on `parent`, still hidden, with its text, hint, colours and its top and
// height; left and width are the caller's.
TEventMemo* createEventMemo(QWidget* parent, const TEventRec& record, int tag);

// Gives the memo its horizontal place within a column of `width` starting at `left`: the whole
// column, or `span` of the group's columns from the one at `depth`.
void placeHorizontally(TEventMemo* memo, const TEventRec& record, int depth, int left, int width);

// Keeps a visible container hidden for its lifetime. Qt looks for the widget under the mouse
// at every show or hide inside a visible window; showing or hiding a whole view's memos while
// their container is hidden does that once instead of once per memo.
class ContainerHidden
{
public:
    explicit ContainerHidden(QWidget* container)
        : m_container(container), m_wasVisible(container->isVisible())
    {
        if (m_wasVisible)
            m_container->hide();
    }
    ~ContainerHidden()
    {
        if (m_wasVisible)
            m_container->show();
    }
    ContainerHidden(const ContainerHidden&) = delete;
    ContainerHidden& operator=(const ContainerHidden&) = delete;

private:
    QWidget* m_container;
    bool m_wasVisible;
};

// The lines every hour-column cell carries, and the hour label of column 0 at `textTop`
// below the cell's top.
void drawHourCell(QPainter& painter, int col, int row, const QRect& rect, int textTop);

} // namespace calendarview
