#include "platform/Clock.h"

namespace platform::clock {
namespace {
QDateTime g_fixed;
}

QDateTime wallClock(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime now()
{
    if (g_fixed.isValid())
        return g_fixed;
    const QDateTime local = QDateTime::currentDateTime();
    return wallClock(local.date(), local.time());
}

QDate today()
{
    return now().date();
}

void setFixedNow(const QDateTime& moment)
{
    g_fixed = moment.isValid() ? wallClock(moment.date(), moment.time()) : QDateTime();
}

} // namespace platform::clock
