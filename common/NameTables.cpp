#include "common/NameTables.h"

namespace NameTables {

const std::array<QString, 13> MonthNames = {QString(),
                                            QStringLiteral("January"),
                                            QStringLiteral("February"),
                                            QStringLiteral("March"),
                                            QStringLiteral("April"),
                                            QStringLiteral("May"),
                                            QStringLiteral("June"),
                                            QStringLiteral("July"),
                                            QStringLiteral("August"),
                                            QStringLiteral("September"),
                                            QStringLiteral("October"),
                                            QStringLiteral("November"),
                                            QStringLiteral("December")};

const std::array<QString, 8> DayNames = {QString(),
                                         QStringLiteral("Sunday"),
                                         QStringLiteral("Monday"),
                                         QStringLiteral("Tuesday"),
                                         QStringLiteral("Wednesday"),
                                         QStringLiteral("Thursday"),
                                         QStringLiteral("Friday"),
                                         QStringLiteral("Saturday")};

const std::array<QString, 7> WeekdayInitials = {
    QStringLiteral("S"),  QStringLiteral("M"), QStringLiteral("T"), QStringLiteral("W"),
    QStringLiteral("Th"), QStringLiteral("F"), QStringLiteral("S")};

const std::array<QString, 24> HourLabels = {
    QStringLiteral("AM 12:00"), QStringLiteral("1:00"), QStringLiteral("2:00"),  QStringLiteral("3:00"),
    QStringLiteral("4:00"),     QStringLiteral("5:00"), QStringLiteral("6:00"),  QStringLiteral("7:00"),
    QStringLiteral("8:00"),     QStringLiteral("9:00"), QStringLiteral("10:00"), QStringLiteral("11:00"),
    QStringLiteral("PM 12:00"), QStringLiteral("1:00"), QStringLiteral("2:00"),  QStringLiteral("3:00"),
    QStringLiteral("4:00"),     QStringLiteral("5:00"), QStringLiteral("6:00"),  QStringLiteral("7:00"),
    QStringLiteral("8:00"),     QStringLiteral("9:00"), QStringLiteral("10:00"), QStringLiteral("11:00")};

} // namespace NameTables
