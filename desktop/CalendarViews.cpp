#include "desktop/CalendarViews.h"

#include "common/NameTables.h"
#include "desktop/EventMemo.h"
#include "desktop/ViewColours.h"
#include "platform/Locale.h"

#include <QPainter>
#include <cmath>

namespace calendarview {

namespace {

int minuteOfDay(const QDateTime& stamp)
{
    return stamp.time().hour() * 60 + stamp.time().minute();
}

// A stored event without an end is shown as an event of no length, not as one that ended
// before the organiser's epoch.
QDateTime endOf(const TEventRec& record)
{
    return record.end.isValid() ? record.end : record.start;
}

} // namespace

QDate weekStartOf(const QDate& date)
{
    return date.addDays(-(date.dayOfWeek() % 7));
}

QString eventHours(const TEventRec& record)
{
    const double hours = (minuteOfDay(endOf(record)) - minuteOfDay(record.start)) / 60.0;
    return platform::locale::floatToStr(std::round(hours * 10000.0) / 10000.0);
}

TEventMemo* createEventMemo(QWidget* parent, const TEventRec& record, int tag)
{
    auto* memo = new TEventMemo(parent);
    memo->hide();
    memo->Tag = tag;
    memo->setColor(QColor(viewcolours::EventMemo));
    memo->setFontColor(QColor(viewcolours::EventMemoFont));
    const QString hours = eventHours(record);
    const QDateTime end = endOf(record);
    // An end that cannot be read shows as it is stored, in place of the hours it would give.
    const QString length = record.endAsStored.isEmpty() ? hours + "hours" : record.endAsStored;
    memo->setText(record.memo + "\r\n(" + length + ")");
    const QString hint =
        platform::locale::timeToStr(record.start.time()) + "-" +
        (record.endAsStored.isEmpty() ? platform::locale::timeToStr(end.time()) : record.endAsStored) +
        "\r\n" + record.memo + "(" + length + ")";
    memo->setToolTip(hint);
    memo->setAccessibleDescription(hint);
    // Children of a scroll area stand in the content's coordinates, whatever is scrolled.
    const int top = static_cast<int>(std::lround(minuteOfDay(record.start) / 60.0 * HourHeight));
    const double minutes = record.start.msecsTo(end) / 60000.0;
    const int height =
        minutes >= 30 ? static_cast<int>(std::lround(minutes / 60.0 * HourHeight)) : HalfHourHeight;
    memo->setGeometry(0, top, 0, height);
    return memo;
}

void placeHorizontally(TEventMemo* memo, const TEventRec& record, int depth, int left, int width)
{
    if (record.columnCount < 2) {
        memo->setGeometry(left, memo->y(), width, memo->height());
        return;
    }
    const int column = width / record.columnCount;
    memo->setGeometry(left + depth * column, memo->y(), record.span * column, memo->height());
}

void drawHourCell(QPainter& painter, int col, int row, const QRect& rect, int textTop)
{
    painter.fillRect(rect, QColor(viewcolours::HourColumn));
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    painter.setPen(QPen(QColor(viewcolours::HourColumn), 1));
    painter.drawLine(rect.x(), rect.y(), rect.x(), bottom);
    painter.setPen(QPen(QColor(viewcolours::HourColumnLine), 1));
    painter.drawLine(rect.x(), rect.y(), right, rect.y());
    painter.drawLine(right - 2, rect.y(), right - 2, bottom);
    if (col != 0)
        return;
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString& label = HourLabels[row];
    const QFontMetrics metrics(font);
    painter.drawText(right - metrics.horizontalAdvance(label) - 5, rect.y() + textTop + metrics.ascent(),
                     label);
}

} // namespace calendarview
