// What the benchmarks share: a bare SQLite connection for the reference side, timing that
// alternates ours and the reference, the organiser's main window, and the command line.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <sqlite3.h>
#include <string>
#include <vector>

class QDate;
class QWidget;
class TADOConnection;
class TDesktopFrame;

namespace bench {

class Database
{
public:
    enum class Access { ReadOnly, ReadWrite };

    Database(const QString& path, Access access);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const QString& sql);

    // Runs a select with `texts` bound to its parameters 1, 2, ... to its end, touching every
    // value as a reader would, and hands each row to perRow; the number of rows. A template so
    // that the timed loop carries no indirect call.
    template <typename PerRow>
    int drain(const QByteArray& sql, const std::vector<QByteArray>& texts, PerRow perRow)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr) !=
            SQLITE_OK)
            fail(sql.toStdString());
        for (size_t i = 0; i < texts.size(); ++i)
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), texts[i].constData(),
                              static_cast<int>(texts[i].size()), SQLITE_STATIC);
        int rows = 0;
        int rc = SQLITE_OK;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                sqlite3_column_text(stmt, c);
            perRow(stmt);
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            fail(sql.toStdString());
        return rows;
    }

    template <typename PerRow> int drain(const QByteArray& sql, PerRow perRow)
    {
        return drain(sql, {}, perRow);
    }

    int drain(const QByteArray& sql)
    {
        return drain(sql, {}, [](sqlite3_stmt*) {});
    }

private:
    [[noreturn]] void fail(const std::string& sql) const;

    sqlite3* m_db = nullptr;
};

// Replaces whatever `day` and the week from `sunday` held by `perView` events each, many of them
// overlapping.
void addViewEvents(Database& db, const QDate& day, const QDate& sunday, int perView);

// A desktop frame in a window of its own on `connection`, shown at the main window's size, so
// that one process can time the same view on two databases in turn.
TDesktopFrame* showFrame(TADOConnection& connection);

double median(std::vector<double> values);
double millisecondsOf(const std::function<void()>& work);

// A target that compare and its kin take to report a figure without holding it to one: the line
// ends in "(reported)".
constexpr double NoTarget = 0;

// Times ours and the reference in turn, runs times each after one warm-up of both, so that a
// drift in the machine's speed hits both alike. verify runs after the timing and before the line
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= <t>)
// with the medians of the two times and of the pairwise ratios.
void compare(const char* name, double target, int runs, const std::function<void()>& ours,
             const std::function<void()>& reference, const std::function<void()>& verify = {});

// As compare, for sides that time themselves (leaving untimed steps out) and return milliseconds.
void compareTimed(const char* name, double target, int runs, const std::function<double()>& ours,
                  const std::function<double()>& reference, const std::function<void()>& verify = {});

// As compare, for two sides whose order matters (the second may profit from what the first left
// in the caches): half the pairs run ours first, half the reference first, and the line gives
// the larger of the two orders' median ratios, with the medians of that order's times.
void compareBothOrders(const char* name, double target, int runs, const std::function<void()>& ours,
                       const std::function<void()>& reference);

// As compare, for work that changes what it works on: prepare runs, untimed, before every timed
// run of either side and puts the data back as it was.
void compareChanges(const char* name, double target, int runs, const std::function<void()>& prepare,
                    const std::function<void()>& ours, const std::function<void()>& reference);

// Waits until the top-level `window` is on screen.
void waitUntilExposed(QWidget* window);

// Moves the pointer to a point of the screen outside every visible window and waits until no
// window takes itself to be under it: a widget shown or hidden under the pointer makes Qt ask
// the display where the pointer is, which a side that happens to lie under it would pay alone.
void parkPointerOutsideWindows();

// Creates the main window, shows it maximised and waits until it is on screen.
TDesktopFrame* showMainWindow();

// The shared command line "NAME PROGRAM_FOLDER [--runs N]": runs run(folder ending in '/', runs)
// inside the application and turns an exception into a message and exit status 1.
int runProgram(int argc, char** argv, const char* name, const char* dataNote,
               const std::function<void(const QString& folder, int runs)>& run);

} // namespace bench
