#include "platform/Locale.h"
#include "reports/PrintFixture.h"

#include <QRegularExpression>

namespace {

// The texts in the order they appear in `text`; fails the test for a missing one.
void expectInOrder(const QString& text, const QStringList& texts)
{
    qsizetype from = 0;
    for (const QString& wanted : texts) {
        const qsizetype at = text.indexOf(wanted, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << qPrintable(wanted);
        if (at >= 0)
            from = at + wanted.size();
    }
}

// Words "w001 w002 ..." up to `count`.
QString words(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0'));
    return list.join(' ');
}

int linesWith(const QString& text, const QRegularExpression& pattern)
{
    int count = 0;
    for (const QString& line : text.split('\n'))
        count += line.contains(pattern);
    return count;
}

} // namespace

class ReportsTest : public PrintTest
{
protected:
    void addEvent(const QString& start, const QString& end, const QString& memo)
    {
        execute("insert into journal (jstarttime, jendtime, memo) values (:s, :e, :m)",
                {{"s", start}, {"e", end}, {"m", memo}});
    }
    void addAddress(const QString& firstName, const QString& lastName, int categoryId)
    {
        execute("insert into address (FirstName, LastName, Title, CompanyName, Address, City, Zip, Nation,"
                " OfficePhone, HomePhone, Fax, Mobile, Email, Categoryid) values (:f, :l, 'Dr', 'Acme',"
                " '1 Long Road', 'Leeds', 'LS1', 'UK', '0113', '0114', '0115', '0777', :e, :c)",
                {{"f", firstName}, {"l", lastName}, {"e", firstName + "@example.org"}, {"c", categoryId}});
    }
    // The footer's date and time as every page shows it.
    static QString stamp()
    {
        return platform::locale::dateToStr(Now.date()) + ' ' + platform::locale::timeToStr(Now.time());
    }
    // Every page carries its number and the date-time; the file is A4 and titled.
    void expectPages(const QString& pdf, const QStringList& texts, const QString& title)
    {
        for (int i = 0; i < texts.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_TRUE(texts[i].contains(QRegularExpression(
                QStringLiteral("Page %1\\s+%2").arg(i + 1).arg(QRegularExpression::escape(stamp())))))
                << qPrintable(texts[i]);
        }
        const QString pdfInfo = pdftext::info(pdf);
        EXPECT_TRUE(pdfInfo.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(texts.size()))))
            << qPrintable(pdfInfo);
        EXPECT_TRUE(pdfInfo.contains("(A4)")) << qPrintable(pdfInfo);
        EXPECT_TRUE(
            pdfInfo.contains(QRegularExpression("Title:\\s+" + QRegularExpression::escape(title) + "\n")))
            << qPrintable(pdfInfo);
    }
};

TEST_F(ReportsTest, ScheduleListsTheDaysEventsWithTimesInTheLocalesForm)
{
    const struct
    {
        QLocale locale;
        QStringList rows; // start, end and memo of each event, in print order
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates),
         {"09:00 AM", "11:30 AM", "Long planning", "09:00 AM", "10:00 AM", "Standup", "01:05 PM", "02:00 PM",
          "Lunch with Ann", "11:45 PM", "11:59 PM", "Late call"}},
        {QLocale(QLocale::Finnish, QLocale::Finland),
         {"09.00 AM", "11.30 AM", "Long planning", "09.00 AM", "10.00 AM", "Standup", "01.05 PM", "02.00 PM",
          "Lunch with Ann", "11.45 PM", "11.59 PM", "Late call"}},
    };
    addEvent("2024-03-06 13:05:00", "2024-03-06 14:00:00", "Lunch with Ann");
    addEvent("2024-03-06 09:00:00", "2024-03-06 10:00:00", "Standup");
    addEvent("2024-03-06 23:45:00", "2024-03-06 23:59:00", "Late call");
    addEvent("2024-03-06 09:00:00", "2024-03-06 11:30:00", "Long planning");
    addEvent("2024-03-07 09:00:00", "2024-03-07 10:00:00", "Not that day");
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.locale.name()));
        platform::locale::pinLocale(c.locale);
        const QString dateText = platform::locale::dateToStr(Now.date());
        const QString pdf = printToFile(*dialog("Date"), c.locale.name() + ".pdf");
        const QStringList text = pdftext::pages(pdf);
        ASSERT_EQ(text.size(), 1);
        expectInOrder(text[0], QStringList({"Date Book", dateText, dateText + "(Wednesday)"}) + c.rows);
        EXPECT_FALSE(text[0].contains("Not that day"));
        expectPages(pdf, text, "Tessary Printing Schedule");
    }

    // A day without events still prints its title, its date header and the footer.
    auto empty = dialog("Date");
    empty->FPrintDate = QDate(2024, 3, 10);
    const QStringList text = pdftext::pages(printToFile(*empty, "sunday.pdf"));
    ASSERT_EQ(text.size(), 1);
    expectInOrder(text[0], {"Date Book", "(Sunday)", "Page 1"});
}

TEST_F(ReportsTest, AddressBookPrintsAGroupByFirstNameAndEveryoneOtherwise)
{
    execute("insert into category (category) values ('Friends')");
    execute("insert into category (category) values ('Work')");
    addAddress("Zed", "Young", 1);
    addAddress("Amy", "Brown", 1);
    addAddress("Carl", "Stone", 2);
    addAddress("Nina", "Loose", -1);
    const struct
    {
        int position;
        QStringList firstNames; // in print order
    } cases[] = {
        {1, {"Amy", "Zed"}},
        {2, {"Carl"}},
        {0, {"Zed", "Amy", "Carl", "Nina"}},
        // No entry shown, or one past the cache: the whole book, as for "All".
        {-1, {"Zed", "Amy", "Carl", "Nina"}},
        {3, {"Zed", "Amy", "Carl", "Nina"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        auto form = dialog("Address");
        form->FSelection.addressPosition = c.position;
        form->FSelection.addressCategoryIds = {1, 2};
        const QString pdf = printToFile(*form, QStringLiteral("address%1.pdf").arg(c.position));
        const QString text = pdftext::pages(pdf).join('\f');
        QStringList expected = {"Address Book"};
        for (const QString& name : c.firstNames)
            expected << "FirstName:" << name << "Fax:"
                     << "0115"
                     << "LastName:"
                     << "Mobile:"
                     << "0777"
                     << "City:"
                     << "Leeds"
                     << "Company:"
                     << "Acme" << name + "@example.org"
                     << "Zip:"
                     << "LS1"
                     << "Title:"
                     << "Dr"
                     << "Address:"
                     << "Nation:"
                     << "UK"
                     << "1 Long Road"
                     << "Phone(O):"
                     << "0113"
                     << "Phone(H):"
                     << "0114";
        expectInOrder(text, expected);
        EXPECT_EQ(text.count("FirstName:"), c.firstNames.size());
        // The title and the captions in bold, the values and the footer not.
        for (const auto& [shown, bold] : pdftext::styledTexts(pdf))
            EXPECT_EQ(bold, shown.endsWith(':') || shown == "Address Book ") << qPrintable(shown);
        expectPages(pdf, pdftext::pages(pdf), "Tessary Printing Address ");
    }
}

TEST_F(ReportsTest, MemosAndExpensesPrintTheSelectedRowsByIdInEachCopy)
{
    for (int i = 1; i <= 9; ++i) {
        execute("insert into mmemo (MMemo) values (:m)", {{"m", QStringLiteral("memo%1").arg(i)}});
        execute("insert into expense (item, amount, paydate) values (:i, :a, :d)",
                {{"i", QStringLiteral("item%1").arg(i)}, {"a", i + 0.25}, {"d", QDate(2024, 1, i)}});
    }
    auto memos = dialog("Memo", 3);
    memos->FSelection.memoIds = {"7", "3", "5"};
    printToFile(*memos, "memos.pdf");
    auto expenses = dialog("Expense");
    expenses->FSelection.expenseIds = {"7", "3", "5"};
    const QString expensePdf = printToFile(*expenses, "expenses.pdf");

    for (int copy = 1; copy <= 3; ++copy) {
        SCOPED_TRACE(copy);
        const QString pdf = QDir(homeFolder()).filePath(QStringLiteral("memos-%1.pdf").arg(copy));
        const QStringList text = pdftext::pages(pdf);
        ASSERT_EQ(text.size(), 1);
        expectInOrder(text[0], {"Memo", "memo3", "memo5", "memo7", "Page 1"});
        EXPECT_EQ(text[0].count("memo"), 3);
        expectPages(pdf, text, "Tessary Printing Memo ");
    }
    const QStringList text = pdftext::pages(expensePdf);
    ASSERT_EQ(text.size(), 1);
    expectInOrder(text[0], {"Expense List", "PayDate", "Item", "Amount", "1/3/2024", "item3", "3.25",
                            "1/5/2024", "item5", "5.25", "1/7/2024", "item7", "7.25"});
    expectPages(expensePdf, text, "Tessary Printing Expense ");

    // Nothing selected: the statement does not run, and the copy prints without rows.
    auto none = dialog("Expense");
    const QStringList empty = pdftext::pages(printToFile(*none, "none.pdf"));
    ASSERT_EQ(empty.size(), 1);
    expectInOrder(empty[0], {"Expense List", "PayDate", "Page 1"});
    EXPECT_FALSE(empty[0].contains("item"));
}

TEST_F(ReportsTest, TwoHundredRowsSpanPagesWithTheColumnHeaderOnEach)
{
    QStringList ids;
    QStringList items;
    for (int i = 1; i <= 200; ++i) {
        const QString item = QStringLiteral("item%1").arg(i, 3, 10, QLatin1Char('0'));
        execute("insert into expense (item, amount, paydate) values (:i, :a, :d)",
                {{"i", item}, {"a", i}, {"d", QDate(2024, 1, 1).addDays(i)}});
        ids << QString::number(i);
        items << item;
    }
    auto form = dialog("Expense");
    form->FSelection.expenseIds = ids;
    const QString pdf = printToFile(*form, "long.pdf");
    const QStringList text = pdftext::pages(pdf);
    ASSERT_GT(text.size(), 5);
    for (int i = 0; i < text.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(text[i].contains("Expense List"), i == 0);
        expectInOrder(text[i], {"PayDate", "Item", "Amount", "item", "Page " + QString::number(i + 1)});
    }
    expectInOrder(text.join('\f'), items);
    expectPages(pdf, text, "Tessary Printing Expense ");
}

TEST_F(ReportsTest, LongTextsWrapAndAreCutAtTheirBox)
{
    // 255 characters of words, more than the schedule's memo box shows.
    const QString memo = words(51);
    ASSERT_EQ(memo.size(), 254);
    addEvent("2024-03-06 09:00:00", "2024-03-06 10:00:00", memo);
    addEvent("2024-03-06 10:00:00", "2024-03-06 11:00:00", "Next event");
    const QString schedule = pdftext::pages(printToFile(*dialog("Date"), "schedule.pdf")).join('\f');
    const QRegularExpression word("w\\d\\d\\d");
    EXPECT_GE(linesWith(schedule, word), 2) << qPrintable(schedule);
    EXPECT_LE(linesWith(schedule, word), 3) << qPrintable(schedule);
    expectInOrder(schedule, {"w001", "w002", "Next event"});
    EXPECT_FALSE(schedule.contains("w051")) << qPrintable(schedule);

    // A Password entry wraps at the band's right edge and is cut at its bottom.
    execute("insert into mmemo (MMemo) values (:m)", {{"m", words(400)}});
    execute("insert into mmemo (MMemo) values ('short one')");
    auto form = dialog("Memo");
    form->FSelection.memoIds = {"1", "2"};
    const QString memos = pdftext::pages(printToFile(*form, "memo.pdf")).join('\f');
    EXPECT_GE(linesWith(memos, word), 5) << qPrintable(memos);
    EXPECT_LE(linesWith(memos, word), 10) << qPrintable(memos);
    expectInOrder(memos, {"w001", "w002", "short one"});
    EXPECT_FALSE(memos.contains("w400")) << qPrintable(memos);
}
