// Starts either the organiser on a given program folder or a minimal Qt program with one
// maximised window, prints the wall-clock time (microseconds since the epoch) at which that
// window was first shown, and ends. Against the time it was launched, scripts/bench gets
// the organiser's start-up against the start-up of any Qt program at all.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstring>
#include <iostream>

namespace {

// Reports and quits once the window is on screen and its first frame has been painted.
void quitWhenShown(QWidget* window)
{
    auto* poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [window] {
        if (window->windowHandle() && window->windowHandle()->isExposed()) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << "shown " << std::chrono::duration_cast<std::chrono::microseconds>(now).count()
                      << std::endl;
            QCoreApplication::quit();
        }
    });
    poll->start(0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || (std::strcmp(argv[1], "--minimal") != 0 && argc < 3)) {
        std::cerr << "usage: startup-probe --minimal | --organiser PROGRAM_FOLDER\n";
        return 2;
    }
    if (std::strcmp(argv[1], "--minimal") == 0) {
        // Qt's own application object: the organiser's sets up its fonts, which is part of
        // what is measured on the other side.
        QApplication app(argc, argv);
        QMainWindow window;
        // Without a window manager (as under the benchmarks' virtual display) nothing acts on
        // the request to maximise; the window gets the size a maximised one has, so that both
        // sides show, and paint, a window of the screen's size.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
        quitWhenShown(&window);
        return QApplication::exec();
    }
    TApplication app(argc, argv);
    platform::sys::setProgramFolder(QString::fromLocal8Bit(argv[2]));
    TApplication::setApplicationName("Tessary 2.0");
    CreateApplicationForms();
    MainDesktopForm->showMaximized();
    quitWhenShown(MainDesktopForm);
    const int result = TApplication::exec();
    Application::releaseForms();
    return result;
}
