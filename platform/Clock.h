#pragma once

// The time of day as the organiser sees it; tests fix it so that "today" is known.

#include <QDate>
#include <QDateTime>

namespace platform::clock {

QDateTime now();
QDate today();
// Tests only: every later now() gives this moment; an invalid value restores the real clock.
void setFixedNow(const QDateTime& moment);

} // namespace platform::clock
