#include "common/ListRows.h"

#include "platform/Database.h"
#include "support/TessaryTest.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <stdexcept>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// A two-column list whose rows hold a text, a second text and a hidden number.
class ListRowsTest : public ::testing::Test
{
protected:
    ListRowsTest()
    {
        list.setColumnCount(2);
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        list.setUniformRowHeights(true);
    }

    void load(const std::vector<std::pair<QString, QString>>& texts)
    {
        TListRowBuilder rows(&sortColumn);
        int number = 0;
        for (const auto& [first, second] : texts) {
            const QString hidden = QString::number(number++);
            const QAnyStringView places[] = {first, second, hidden};
            rows.add(places);
        }
        listrows::fill(&list, rows, sortColumn);
    }

    QStringList texts(int place) const
    {
        QStringList out;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            out << list.topLevelItem(i)->text(place);
        return out;
    }

    void select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            list.topLevelItem(row)->setSelected(true);
    }

    int sortColumn = 0;
    QTreeWidget list;
};

} // namespace

TEST(ListTextOrder, FoldsOnlyAsciiLettersAndPutsPrefixesFirst)
{
    struct Case
    {
        QString a;
        QString b;
        int expected;
    };
    const Case cases[] = {
        {"smith", "SMITH", 0},
        {"Adams", "adamson", -1}, // a prefix comes first
        {"", "a", -1},
        {"a_", "aZ", 1}, // '_' follows 'Z' once letters are upper case
        {"[", "a", 1},   // and so does '['
        {"Zeta", "alpha", 1},
        {QString::fromUtf8("é"), "z", 1},
        {QString::fromUtf8("É"), QString::fromUtf8("é"), -1}, // no folding beyond ASCII
        {QString(QChar(0xFFFD)), QString::fromUtf8("😀"), -1}, // by code point, not UTF-16 unit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(compareListText(c.a, c.b)), c.expected)
            << c.a.toStdString() << " / " << c.b.toStdString();
        EXPECT_EQ(sign(compareListText(c.b, c.a)), -c.expected)
            << c.b.toStdString() << " / " << c.a.toStdString();
    }
}

TEST_F(ListRowsTest, RowsHoldTheirPlacesFromAnySourceAndRewriteInPlace)
{
    const QByteArray utf8 = QString::fromUtf8("Zürich").toUtf8();
    const QString number("42");
    const QAnyStringView places[] = {QUtf8StringView(utf8), QLatin1String("plain"), number};
    auto* row = new TListRow(places, &sortColumn);
    list.addTopLevelItem(row);
    EXPECT_EQ(row->text(0), QString::fromUtf8("Zürich"));
    EXPECT_EQ(row->text(1), "plain");
    EXPECT_EQ(row->text(2), "42"); // hidden: beyond the list's two columns
    EXPECT_EQ(row->text(3), "");

    row->setText(1, "changed");
    EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2)}),
              QStringList({QString::fromUtf8("Zürich"), "changed", "42"}));
    EXPECT_EQ(list.model()->index(0, 1).data().toString(), "changed");
}

TEST_F(ListRowsTest, LoadAndEverySortFollowTheTextOrderKeepingEqualRowsInTheirOrder)
{
    // Long shared beginnings, letter case, prefixes and non-ASCII texts in both columns.
    const std::vector<std::pair<QString, QString>> rows = {
        {"Montgomery-Smith", "b"},
        {"montgomery-smith", "A"},
        {"Montgomery", "c"},
        {"Abcdefgh", "a"},
        {"abcdefgh1", "B"},
        {"ABCDEFGH", "b"},
        {QString::fromUtf8("Ölberg"), "a"},
        {"Zed", ""},
        {"", "z"},
        {"zed", "a"},
        {"Abcdefghij", "a"},
        {"abcdefghiJ", "C"},
    };
    std::vector<int> shown(rows.size());
    std::iota(shown.begin(), shown.end(), 0);
    for (int column : {0, 1, 0}) {
        // What a stable sort by the text order gives from the order the list had before.
        std::vector<int> expected = shown;
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const auto& x = rows[static_cast<size_t>(a)];
            const auto& y = rows[static_cast<size_t>(b)];
            return compareListText(column ? x.second : x.first, column ? y.second : y.first) < 0;
        });
        sortColumn = column;
        if (list.topLevelItemCount() == 0)
            load(rows);
        else
            listrows::sortBy(&list, column);
        shown.clear();
        for (const QString& number : texts(2))
            shown.push_back(number.toInt());
        EXPECT_EQ(shown, expected) << "column " << column;
    }
}

TEST_F(ListRowsTest, TheSelectionAndTheCurrentRowFollowTheirRecordsThroughASort)
{
    load({{"b", "2"}, {"a", "3"}, {"c", "1"}, {"d", "0"}});
    select({0, 1});
    list.setCurrentItem(list.topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
    sortColumn = 1;
    listrows::sortBy(&list, 1);
    EXPECT_EQ(texts(0), QStringList({"d", "c", "b", "a"}));
    EXPECT_EQ(listrows::selectedRowNumbers(&list), std::vector<int>({2, 3}));
    EXPECT_EQ(list.currentItem()->text(0), "b");
}

TEST_F(ListRowsTest, ANewRowGoesAfterTheRowsEqualToIt)
{
    load({{"a", ""}, {"B", "first b"}, {"c", ""}});
    const QAnyStringView places[] = {QLatin1String("b"), QLatin1String("new b"), QLatin1String("9")};
    listrows::insertSorted(&list, std::make_unique<TListRow>(places, &sortColumn), 0);
    EXPECT_EQ(texts(1), QStringList({"", "first b", "new b", ""}));
}

TEST_F(ListRowsTest, SelectAllNeedsARowSelectedAlready)
{
    load({{"a", ""}, {"b", ""}, {"c", ""}});
    listrows::selectAllIfAnySelected(&list);
    EXPECT_TRUE(listrows::selectedRowNumbers(&list).empty());
    select({1});
    listrows::selectAllIfAnySelected(&list);
    EXPECT_EQ(listrows::selectedRowNumbers(&list), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(listrows::firstSelected(&list), list.topLevelItem(0));
}

class ListRowsDeleteTest : public TessaryTest
{
protected:
    ListRowsDeleteTest()
    {
        createDatabase();
        openDatabase(connection);
        list.setColumnCount(1);
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        for (const char* text : {"a", "b", "c", "d", "e", "f"})
            list.addTopLevelItem(new QTreeWidgetItem(QStringList(text)));
    }
    QStringList texts() const
    {
        QStringList found;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            found << list.topLevelItem(i)->text(0);
        return found;
    }

    TADOConnection connection;
    QTreeWidget list;
};

TEST_F(ListRowsDeleteTest, DeletingRemovesExactlyTheRowsWhoseRecordWent)
{
    for (int row : {0, 1, 3, 4, 5})
        list.topLevelItem(row)->setSelected(true);
    std::vector<QString> asked;
    const auto deleteRecord = [&asked](QTreeWidgetItem* row) {
        asked.push_back(row->text(0));
        if (row->text(0) == "e")
            throw std::runtime_error("locked");
    };
    int reloads = 0;
    const auto reload = [&reloads] { ++reloads; };
    EXPECT_THROW(listrows::deleteSelected(&list, connection, deleteRecord, reload), std::runtime_error);
    EXPECT_EQ(asked, std::vector<QString>({"a", "b", "d", "e"}));
    EXPECT_EQ(texts(), QStringList({"c", "e", "f"}));

    listrows::deleteSelected(
        &list, connection, [](QTreeWidgetItem*) {}, reload);
    EXPECT_EQ(texts(), QStringList({"c"}));
    EXPECT_EQ(reloads, 0);
}

TEST_F(ListRowsDeleteTest, ADeleteRepaintsTheListOnceAndTellsItsHandlerOnceOfWhatIsLeft)
{
    for (int i = 0; i < 200; ++i)
        list.addTopLevelItem(new QTreeWidgetItem(QStringList(QString::number(i))));
    list.resize(200, 300);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    for (int row = 0; row < list.topLevelItemCount(); row += 3)
        list.topLevelItem(row)->setSelected(true);
    // Everything the show and the selection left to paint is painted first.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    list.viewport()->installEventFilter(&counter);

    std::vector<int> rowsTold;
    QObject::connect(&list, &QTreeWidget::itemSelectionChanged,
                     [this, &rowsTold] { rowsTold.push_back(list.topLevelItemCount()); });

    listrows::deleteSelected(
        &list, connection, [](QTreeWidgetItem*) {}, [] {});
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(list.topLevelItemCount(), 137);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(rowsTold, std::vector<int>({137}));
}

TEST_F(ListRowsTest, AKeyReleasedInTheListReachesItsHandlerOnly)
{
    std::vector<int> keys;
    listrows::onKeyUp(&list, [&keys](int key) { keys.push_back(key); });
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(&list, &release);
    EXPECT_EQ(keys, std::vector<int>({Qt::Key_Delete}));
    EXPECT_TRUE(release.isAccepted());
}

TEST_F(ListRowsTest, RowsAreOneLineHighWhateverTheFirstEntryHolds)
{
    listrows::prepareList(&list);
    load({{"a\nsecond line\nthird line", "x"}, {"b", "y"}});
    list.show();
    const int oneLine = list.fontMetrics().lineSpacing();
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_LT(list.visualItemRect(list.topLevelItem(row)).height(), 2 * oneLine);
    }
    EXPECT_EQ(list.topLevelItem(0)->text(0), "a\nsecond line\nthird line") << "the record keeps its text";
}
