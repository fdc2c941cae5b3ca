#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <random>

// Realistic organiser records for benchmarks. Every value comes from one seeded generator
// whose output sequence is fixed by the C++ standard, so a seed gives the same rows on every
// platform (dates are placed relative to the anchor date the caller passes).
namespace seed {

class Random
{
public:
    explicit Random(std::uint64_t seed) : m_engine(seed) {}
    // Uniform in [0, n); n > 0.
    int below(int n);
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    // '#' becomes a digit and '@' an upper-case letter; other characters stay.
    QString pattern(const char* format);

private:
    std::mt19937_64 m_engine;
};

struct Event
{
    QDateTime start;
    QDateTime end;
    QString memo;
};

struct Address
{
    QString firstName, lastName, title, companyName, address, city, zip, nation;
    QString officePhone, homePhone, fax, mobile, email;
};

struct Expense
{
    QString item;
    double amount;
    QDate paydate;
};

// The names of the categories the generated rows are spread over.
QStringList addressGroupNames();
QStringList passwordCategoryNames();

// An event within `span` days either side of today, in the day's working hours.
Event makeEvent(Random& random, const QDate& today, int span);
Address makeAddress(Random& random);
QString makePasswordMemo(Random& random);
// An expense paid within the two years up to today.
Expense makeExpense(Random& random, const QDate& today);

} // namespace seed
