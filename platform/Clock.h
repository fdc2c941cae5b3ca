#pragma once

// The time of day as the organiser sees it; tests fix it so that "today" is known.

#include <QDate>
#include <QDateTime>

namespace platform::clock {

// Date-times are wall-clock values: a stored "02:30" is 02:30 on whatever PC the disk is in, also
// on a day when that hour does not exist in the PC's time zone. They are kept in a zone without
// gaps or overlaps so that no arithmetic or check moves them.
QDateTime wallClock(const QDate& date, const QTime& time);

QDateTime now();
QDate today();
// Tests only: every later now() gives this moment; an invalid value restores the real clock.
void setFixedNow(const QDateTime& moment);

} // namespace platform::clock
