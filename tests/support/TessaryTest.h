#pragma once

#include "platform/Printers.h"
#include "support/RecordingDriver.h"

#include <QLocale>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TADOConnection;

// Base of every test: a temporary program folder, HOME and XDG folders of its own, the
// dialogs answered by a RecordingDriver, no system printers, and a pinned locale (US English unless a test
// pins another), so no test touches the real home folder or depends on the machine.
// A test that depends on today's date fixes the clock (platform::clock::setFixedNow);
// it is restored afterwards.
class TessaryTest : public ::testing::Test
{
protected:
    TessaryTest();
    ~TessaryTest() override;

    // The program folder, ending in "/".
    QString programFolder() const { return m_programFolder; }
    QString homeFolder() const { return m_home; }
    QString databasePath() const { return m_programFolder + "desktop.mdb"; }
    // Makes desktop.mdb in the program folder from the project's schema.
    void createDatabase() const;
    // Opens `connection` on the program folder's desktop.mdb, as start-up does.
    void openDatabase(TADOConnection& connection) const;

    RecordingDriver dialogs;

private:
    // Lists no printer, so the print dialog offers only its PDF file entry.
    class NoPrinters : public platform::printing::PrinterSystem
    {
    public:
        platform::printing::PrinterList printers() override { return {}; }
        std::unique_ptr<platform::printing::Destination> openPrinter(const QString&) override
        {
            throw platform::printing::PrintError("no printer");
        }
    } m_noPrinters;
    QTemporaryDir m_root;
    QString m_programFolder;
    QString m_home;
};
