// Starts either the organiser on a given program folder or a minimal Qt program with one
// maximised window holding one text label, prints "shown" and the wall-clock time (microseconds
// since the epoch) at which that window's first frame was painted and flushed to the screen.
// The minimal program ends there; the organiser goes on until the work it queues behind its
// first frame is done, prints "ready" and the time, and ends. Against the time it was launched,
// scripts/bench gets the organiser's start-up against the start-up of a Qt program that shows
// any text at all. Both first frames are measured the same way: at the end of the first repaint
// of the top-level window in which it painted.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/Startup.h"
#include "platform/Application.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <chrono>
#include <cstring>
#include <iostream>

namespace {

void printTime(const char* what)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::cout << what << ' ' << std::chrono::duration_cast<std::chrono::microseconds>(now).count()
              << std::endl;
}

// Watches the application's events for the first one in which `window` was painted: the widget
// repaint manager paints and flushes the backing store inside that one event (an expose of the
// native window, or an update request of the widget), so its end is the first frame on screen.
template <class Base> class FirstFrameProbe : public Base
{
public:
    using Base::Base;
    QWidget* window = nullptr;
    bool quitAtFirstFrame = true;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (window && receiver == window && event->type() == QEvent::Paint)
            m_painted = true;
        ++m_depth;
        const bool result = Base::notify(receiver, event);
        if (--m_depth == 0 && window && m_painted) {
            printTime("shown");
            window = nullptr;
            if (quitAtFirstFrame)
                QCoreApplication::quit();
        }
        return result;
    }

private:
    bool m_painted = false;
    int m_depth = 0;
};

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
        FirstFrameProbe<QApplication> app(argc, argv);
        QMainWindow window;
        window.setCentralWidget(new QLabel("Tessary 2.0"));
        // Without a window manager (as under the benchmarks' virtual display) nothing acts on
        // the request to maximise; the window gets the size a maximised one has, so that both
        // sides show, and paint, a window of the screen's size.
        window.setGeometry(window.screen()->availableGeometry());
        app.window = &window;
        window.showMaximized();
        return QApplication::exec();
    }
    FirstFrameProbe<TApplication> app(argc, argv);
    platform::sys::setProgramFolder(QString::fromLocal8Bit(argv[2]));
    TApplication::setApplicationName("Tessary 2.0");
    CreateApplicationForms([] {
        printTime("ready");
        QCoreApplication::quit();
    });
    app.window = MainDesktopForm;
    app.quitAtFirstFrame = false;
    MainDesktopForm->showMaximized();
    const int result = TApplication::exec();
    Application::releaseForms();
    return result;
}
