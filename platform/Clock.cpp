#include "platform/Clock.h"

namespace platform::clock {
namespace {
QDateTime g_fixed;
}

QDateTime now()
{
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setFixedNow(const QDateTime& moment)
{
    g_fixed = moment;
}

} // namespace platform::clock
