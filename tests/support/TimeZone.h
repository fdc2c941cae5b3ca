#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <ctime>

// Runs the test in the named time zone and gives the process its own zone back afterwards.
class TimeZoneScope
{
public:
    explicit TimeZoneScope(const char* zone)
        : m_hadZone(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_hadZone)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    bool m_hadZone;
    QByteArray m_old;
};
