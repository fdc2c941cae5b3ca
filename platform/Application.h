#pragma once

// The application object: the desktop's fonts stand in for the forms' fonts, and one error
// handler serves the whole program. An exception that leaves an event
// handler is shown in a message box with its text, and the program goes on.
//
// Handlers are connected through guarded(), so their exceptions are caught before they
// reach Qt's own code (which does not expect them); notify() catches whatever still
// escapes an event override.

#include <QApplication>
#include <exception>
#include <stdexcept>
#include <utility>

class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static void showException(const std::exception& error);
};

// Runs `work`, showing any exception it raises as the standard error message.
template <class Work> void runGuarded(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        TApplication::showException(error);
    } catch (...) {
        TApplication::showException(std::runtime_error("Unknown error"));
    }
}

// A slot for connect() that calls `object->*handler` under runGuarded.
template <class Object, class... Args> auto guarded(Object* object, void (Object::*handler)(Args...))
{
    return [object, handler](Args... args) { runGuarded([&] { (object->*handler)(args...); }); };
}
