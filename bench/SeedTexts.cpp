#include "bench/SeedTexts.h"

#include <QStringList>
#include <array>
#include <span>

namespace seed {
namespace {

// What the address editor stores for a field left empty.
const QString kEmptyField = QStringLiteral(" ");

constexpr int kMemoLimit = 255;

template <typename T, std::size_t N> const T& pick(Random& random, const std::array<T, N>& items)
{
    return items[static_cast<std::size_t>(random.below(static_cast<int>(N)))];
}

QString text(Random& random, std::span<const char* const> items)
{
    return QString::fromUtf8(items[static_cast<std::size_t>(random.below(static_cast<int>(items.size())))]);
}

// A few names with accents, so sorting and drawing meet non-ASCII text.
constexpr std::array<const char*, 40> kFirstNames = {
    "James",   "Mary",     "John",    "Patricia", "Robert",  "Jennifer", "Michael", "Linda",
    "William", "Barbara",  "David",   "Susan",    "Richard", "Jessica",  "Joseph",  "Sarah",
    "Thomas",  "Karen",    "Charles", "Nancy",    "Daniel",  "Lisa",     "Matthew", "Margaret",
    "Anthony", "Sandra",   "Mark",    "Ashley",   "Paul",    "Emily",    "Steven",  "Donna",
    "Andrew",  "Michelle", "José",    "Zoë",      "Björn",   "Chloé",    "Ahmed",   "Mei"};

constexpr std::array<const char*, 40> kLastNames = {
    "Smith",     "Johnson",  "Williams",  "Brown",   "Jones",    "Garcia",   "Miller",       "Davis",
    "Rodriguez", "Martinez", "Hernandez", "Lopez",   "Gonzalez", "Wilson",   "Anderson",     "Thomas",
    "Taylor",    "Moore",    "Jackson",   "Martin",  "Lee",      "Perez",    "Thompson",     "White",
    "Harris",    "Sanchez",  "Clark",     "Ramirez", "Lewis",    "Robinson", "Walker",       "Young",
    "Allen",     "King",     "Wright",    "Müller",  "O'Brien",  "Nguyen",   "Van der Berg", "Kowalski"};

constexpr std::array<const char*, 16> kTitles = {"Mr.",           "Ms.",
                                                 "Dr.",           "Prof.",
                                                 "Sales Manager", "Accountant",
                                                 "Engineer",      "Director",
                                                 "Consultant",    "Nurse",
                                                 "Architect",     "Attorney",
                                                 "Team Lead",     "Office Manager",
                                                 "CEO",           "Purchasing Agent"};

constexpr std::array<const char*, 12> kCompanyStems = {"Northwind",  "Bluewater",  "Summit",     "Redwood",
                                                       "Harbor",     "Pinnacle",   "Silverline", "Oakridge",
                                                       "Brightpath", "Ironbridge", "Maplewood",  "Crescent"};

constexpr std::array<const char*, 10> kCompanyTrades = {"Traders",   "Logistics", "Consulting", "Systems",
                                                        "Foods",     "Health",    "Partners",   "Engineering",
                                                        "Insurance", "Media"};

constexpr std::array<const char*, 6> kCompanyForms = {" Inc.", " Ltd.", " GmbH", " LLC", " & Co.", ""};

constexpr std::array<const char*, 16> kStreets = {
    "Main", "Oak",    "Maple",   "Cedar", "Elm",      "Washington", "Lake",  "Hill",
    "Park", "Church", "Station", "Mill",  "Victoria", "King",       "Queen", "River"};

constexpr std::array<const char*, 8> kStreetKinds = {"Street", "Avenue", "Road",  "Lane",
                                                     "Drive",  "Way",    "Court", "Boulevard"};

struct Place
{
    const char* city;
    const char* zip;
    const char* nation;
    const char* phone;
    const char* mobile;
};

constexpr std::array<Place, 20> kPlaces = {{
    {"Springfield", "627##", "USA", "(217) ###-####", "(217) ###-####"},
    {"Portland", "972##", "USA", "(503) ###-####", "(503) ###-####"},
    {"Austin", "787##", "USA", "(512) ###-####", "(512) ###-####"},
    {"Boston", "021##", "USA", "(617) ###-####", "(617) ###-####"},
    {"Chicago", "606##", "USA", "(312) ###-####", "(312) ###-####"},
    {"Seattle", "981##", "USA", "(206) ###-####", "(206) ###-####"},
    {"Denver", "802##", "USA", "(303) ###-####", "(303) ###-####"},
    {"Toronto", "M5V #@#", "Canada", "(416) ###-####", "(647) ###-####"},
    {"London", "SW1A #@@", "United Kingdom", "+44 20 #### ####", "+44 7### ######"},
    {"Manchester", "M1 #@@", "United Kingdom", "+44 161 ### ####", "+44 7### ######"},
    {"Berlin", "10###", "Germany", "+49 30 ########", "+49 15# ########"},
    {"München", "80###", "Germany", "+49 89 #######", "+49 17# ########"},
    {"Paris", "750##", "France", "+33 1 ## ## ## ##", "+33 6 ## ## ## ##"},
    {"Lyon", "6900#", "France", "+33 4 ## ## ## ##", "+33 7 ## ## ## ##"},
    {"Sydney", "2000", "Australia", "+61 2 #### ####", "+61 4## ### ###"},
    {"Auckland", "10##", "New Zealand", "+64 9 ### ####", "+64 21 ### ####"},
    {"Dublin", "D0# @###", "Ireland", "+353 1 ### ####", "+353 8# ### ####"},
    {"Amsterdam", "10## @@", "Netherlands", "+31 20 ### ####", "+31 6 ########"},
    {"Zürich", "80##", "Switzerland", "+41 44 ### ## ##", "+41 7# ### ## ##"},
    {"Singapore", "######", "Singapore", "+65 6### ####", "+65 9### ####"},
}};

constexpr std::array<const char*, 14> kTopics = {"the budget",
                                                 "Q3 planning",
                                                 "the website redesign",
                                                 "the contract renewal",
                                                 "hiring",
                                                 "the product launch",
                                                 "the quarterly report",
                                                 "the office move",
                                                 "training",
                                                 "the new supplier",
                                                 "the audit",
                                                 "customer feedback",
                                                 "the holiday rota",
                                                 "the insurance claim"};

constexpr std::array<const char*, 12> kFixedEvents = {"Dentist appointment",
                                                      "Doctor appointment",
                                                      "Team standup",
                                                      "Gym",
                                                      "Parent-teacher conference",
                                                      "Haircut",
                                                      "Yoga class",
                                                      "Car service",
                                                      "Pick up dry cleaning",
                                                      "Book club",
                                                      "Piano lesson",
                                                      "Weekly review"};

constexpr std::array<const char*, 8> kNoteSentences = {
    "Bring the printed agenda and last month's figures.",
    "Room 4B on the second floor; ask at reception.",
    "Remember to confirm the parking permit the day before.",
    "Follow up on the open questions from the last call.",
    "Send the minutes to everyone on the list afterwards.",
    "Prepare three options with costs and a recommendation.",
    "Check whether the projector cable fits the new laptop.",
    "Dial-in number is in the invitation email."};

constexpr std::array<const char*, 8> kHints = {"mother's birthday",
                                               "first car plus year",
                                               "street I grew up on",
                                               "dog's name twice",
                                               "favourite band backwards",
                                               "same as the old laptop",
                                               "written in the blue notebook",
                                               "grandma's maiden name"};

constexpr std::array<const char*, 8> kShops = {"bookshop",     "electronics store", "grocery delivery",
                                               "airline",      "train tickets",     "pharmacy",
                                               "pet supplies", "hardware store"};

struct ExpenseKind
{
    const char* item;
    int minCents;
    int maxCents;
};

constexpr std::array<ExpenseKind, 18> kExpenseKinds = {{
    {"Groceries", 1500, 18000},
    {"Fuel", 3000, 9000},
    {"Coffee", 250, 650},
    {"Restaurant", 1800, 12000},
    {"Electricity bill", 4000, 16000},
    {"Phone bill", 2500, 8000},
    {"Rent", 90000, 180000},
    {"Train ticket", 350, 9500},
    {"Books", 800, 4500},
    {"Pharmacy", 500, 6000},
    {"Cinema", 900, 3200},
    {"Office supplies", 300, 5000},
    {"Taxi", 800, 6000},
    {"Birthday gift", 1500, 15000},
    {"Car repair", 8000, 90000},
    {"Internet", 3000, 7000},
    {"Haircut", 1500, 6000},
    {"Parking", 200, 2500},
}};

QString personName(Random& random)
{
    if (random.percent(15))
        return "Dr. " + text(random, kLastNames);
    const QString first = text(random, kFirstNames);
    return first + ' ' + text(random, kLastNames);
}

// Mail addresses are ASCII: accents are dropped and other characters removed.
QString mailPart(const QString& name)
{
    QString part;
    for (const QChar c : name.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            part += c;
    }
    return part;
}

QString companyName(Random& random)
{
    const QString stem = text(random, kCompanyStems);
    const QString trade = text(random, kCompanyTrades);
    return stem + ' ' + trade + text(random, kCompanyForms);
}

QString eventMemo(Random& random)
{
    QString memo;
    switch (random.below(8)) {
    case 0:
    case 1:
        memo = "Meeting with " + personName(random);
        memo += " about " + text(random, kTopics);
        break;
    case 2:
        memo = "Lunch with " + personName(random);
        break;
    case 3:
        memo = "Call " + personName(random);
        memo += " re: " + text(random, kTopics);
        break;
    case 4:
        memo = "Project review: " + text(random, kTopics);
        break;
    default:
        memo = text(random, kFixedEvents);
        break;
    }
    // Some events carry long notes, up to what the editor accepts.
    if (random.percent(5)) {
        memo += '.';
        while (memo.size() < kMemoLimit)
            memo += ' ' + text(random, kNoteSentences);
        memo.truncate(kMemoLimit);
    }
    return memo;
}

} // namespace

int Random::below(int n)
{
    // Not a standard distribution: their output differs between library implementations. The
    // modulo bias is below one in 2^32 for the small ranges used here.
    return static_cast<int>(m_engine() % static_cast<std::uint64_t>(n));
}

QString Random::pattern(const char* format)
{
    QString result = QString::fromUtf8(format);
    for (QChar& c : result) {
        if (c == '#')
            c = QChar('0' + below(10));
        else if (c == '@')
            c = QChar('A' + below(26));
    }
    return result;
}

QStringList addressGroupNames()
{
    return {"Family", "Friends", "Work", "Clients", "Suppliers", "Neighbours"};
}

QStringList passwordCategoryNames()
{
    return {"Banking", "Email", "Shopping", "Work", "Home"};
}

Event makeEvent(Random& random, const QDate& today, int span)
{
    constexpr int kEarliestStart = 7 * 60;
    constexpr int kLatestStart = 20 * 60;
    constexpr int kShortest = 15;
    constexpr int kLongest = 3 * 60;
    static_assert(kLatestStart + kLongest < 24 * 60, "an event must end on the day it starts");

    QDate day = today.addDays(random.between(-span, span));
    // Fewer events at weekends, as in a working diary.
    if (day.dayOfWeek() >= Qt::Saturday && random.percent(60))
        day = today.addDays(random.between(-span, span));
    const int quarters = (kLatestStart - kEarliestStart) / 15;
    int startMinute = kEarliestStart + 15 * random.between(0, quarters);
    // Most appointments start on the hour or half-hour.
    if (random.percent(70))
        startMinute -= startMinute % 30;
    const int length = kShortest * random.between(1, kLongest / kShortest);

    const QDateTime start(day, QTime(0, 0).addSecs(startMinute * 60));
    return {start, start.addSecs(length * 60), eventMemo(random)};
}

Address makeAddress(Random& random)
{
    const Place& place = pick(random, kPlaces);
    Address a;
    a.firstName = text(random, kFirstNames);
    a.lastName = text(random, kLastNames);
    const bool business = random.percent(55);
    a.title = business || random.percent(20) ? text(random, kTitles) : kEmptyField;
    a.companyName = business ? companyName(random) : kEmptyField;
    a.address = QString::number(random.between(1, 9999));
    a.address += ' ' + text(random, kStreets);
    a.address += ' ' + text(random, kStreetKinds);
    if (random.percent(20))
        a.address +=
            random.percent(50) ? ", Apt " + random.pattern("##@") : ", Suite " + random.pattern("#00");
    a.city = QString::fromUtf8(place.city);
    a.zip = random.pattern(place.zip);
    a.nation = QString::fromUtf8(place.nation);
    a.officePhone = business ? random.pattern(place.phone) : kEmptyField;
    a.homePhone = random.percent(60) ? random.pattern(place.phone) : kEmptyField;
    a.fax = business && random.percent(30) ? random.pattern(place.phone) : kEmptyField;
    a.mobile = random.percent(80) ? random.pattern(place.mobile) : kEmptyField;
    const QString domain = business ? mailPart(a.companyName.section(' ', 0, 0)) + ".example.com"
                                    : QStringLiteral("mail.example.net");
    a.email = mailPart(a.firstName) + '.' + mailPart(a.lastName) + '@' + domain;
    return a;
}

QString makePasswordMemo(Random& random)
{
    QString user = mailPart(text(random, kFirstNames)).left(1);
    user += mailPart(text(random, kLastNames));
    switch (random.below(9)) {
    case 0:
        return "Bank login: user " + user + ", pin hint " + text(random, kHints);
    case 1:
        return "Email " + user + "@mail.example.net: password hint " + text(random, kHints);
    case 2: {
        const QString network = random.pattern("HOME-@@##");
        return "Wi-Fi at home: network " + network + ", key " + random.pattern("####-####-####");
    }
    case 3: {
        const QString shop = text(random, kShops);
        return "Online " + shop + ": user " + user + ", password hint " + text(random, kHints);
    }
    case 4:
        return "Alarm code hint: " + text(random, kHints);
    case 5:
        return "Locker combination: " + random.pattern("##-##-##");
    case 6:
        return "Insurance policy no. " + random.pattern("####-######") + ", portal user " + user;
    case 7:
        return "Library card " + random.pattern("#### #### ####") + ", PIN hint " + text(random, kHints);
    default:
        return "VPN at work: user " + user + ", token serial " + random.pattern("########");
    }
}

Expense makeExpense(Random& random, const QDate& today)
{
    const ExpenseKind& kind = pick(random, kExpenseKinds);
    const int cents = random.between(kind.minCents, kind.maxCents);
    return {QString::fromUtf8(kind.item), cents / 100.0, today.addDays(-random.between(0, 730))};
}

} // namespace seed
