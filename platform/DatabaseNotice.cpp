#include "platform/DatabaseNotice.h"

#include "platform/Application.h"

#include <optional>

namespace platform::db {
namespace {
int g_quiet = 0;
std::optional<quint64> g_toldIn;
} // namespace

bool openOrSay(TADOConnection& connection)
{
    if (connection.Connected())
        return true;
    if (g_quiet == 0 && g_toldIn != CommandScope::current()) {
        g_toldIn = CommandScope::current();
        // The connection's own error, so the user reads the same words whichever way a
        // command meets the closed database.
        try {
            connection.handle();
        } catch (const DatabaseError& error) {
            TApplication::showException(error);
        }
    }
    return false;
}

QuietAboutClosedDatabase::QuietAboutClosedDatabase()
{
    ++g_quiet;
}

QuietAboutClosedDatabase::~QuietAboutClosedDatabase()
{
    --g_quiet;
}

} // namespace platform::db
