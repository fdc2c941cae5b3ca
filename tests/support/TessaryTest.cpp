#include "support/TessaryTest.h"

#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include "platform/WindowsVersion.h"

#include <QDir>
#include <QFile>
#include <filesystem>

TessaryTest::TessaryTest()
{
    const QString root = m_root.path();
    m_programFolder = root + "/Tessary/";
    m_home = root + "/home";
    QDir().mkpath(m_programFolder);
    QDir().mkpath(m_home);
    qputenv("HOME", m_home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (m_home + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (m_home + "/.local/share").toUtf8());
    qputenv("XDG_CACHE_HOME", (m_home + "/.cache").toUtf8());
    platform::sys::setProgramFolder(m_programFolder);
    platform::locale::pinLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::version::resetVersionInfo();
    platform::printing::setPrinterSystem(&m_noPrinters);
}

TessaryTest::~TessaryTest()
{
    platform::sys::setProgramFolder(QString());
    platform::clock::setFixedNow(QDateTime());
    platform::printing::setPrinterSystem(nullptr);
    // Qt's own removal would leave behind the files whose names are not UTF-8.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(m_root.path()).constData(), ignored);
}

void TessaryTest::createDatabase() const
{
    QFile schema(TESSARY_SCHEMA_FILE);
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the schema file");
    platform::db::createDatabase(databasePath(), QString::fromUtf8(schema.readAll()));
}

void TessaryTest::openDatabase(TADOConnection& connection) const
{
    connection.ConnectionString = "DRIVER={Microsoft Access Driver (*.mdb)};dbq=" + databasePath();
    connection.Open();
}
