#include "platform/Application.h"

#include "platform/Dialogs.h"

#include <QFont>
#include <QFontDatabase>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The forms name the fonts of the system they were designed on; here the desktop's own
    // sans-serif stands in for them, found once instead of by a search at every use. The
    // narrow dialog font gets a condensed face where there is one, so that texts sized for it
    // (the hour labels, the calendar's buttons) still fit.
    const QString desktopSans = font().family();
    const QString narrowSans =
        QFontDatabase::hasFamily("DejaVu Sans Condensed") ? "DejaVu Sans Condensed" : desktopSans;
    for (const char* designed : {"MS Sans Serif", "MS UI Gothic"})
        QFont::insertSubstitution(designed, narrowSans);
    // Arial has a metric-compatible face, so that reports keep their line breaks and widths.
    QFont::insertSubstitution("Arial",
                              QFontDatabase::hasFamily("Liberation Sans") ? "Liberation Sans" : desktopSans);
    QFont::insertSubstitution("Tahoma", desktopSans);
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
