#include "platform/Application.h"

#include "platform/Dialogs.h"

#include <QFont>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The forms name the fonts of the system they were designed on; here the desktop's own
    // sans-serif stands in for them, found once instead of by a search at every use.
    const QString desktopSans = font().family();
    for (const char* designed : {"MS Sans Serif", "Arial", "Tahoma"})
        QFont::insertSubstitution(designed, desktopSans);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    runGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void TApplication::showException(const std::exception& error)
{
    platform::dialogs::messageBox(activeWindow(), QString::fromUtf8(error.what()), applicationName(),
                                  platform::dialogs::Icon::Error);
}
