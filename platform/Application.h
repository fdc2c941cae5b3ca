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

// Shows the busy cursor over the whole program while it lives: around work in the main thread that
// may wait on a slow service.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// One user command: the outermost guarded handler or event in progress. Code that should speak
// once per command compares command numbers.
class CommandScope
{
public:
    CommandScope()
    {
        if (s_depth++ == 0)
            ++s_number;
    }
    ~CommandScope() { --s_depth; }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

    static quint64 current() { return s_number; }

private:
    static inline int s_depth = 0;
    static inline quint64 s_number = 0;
};

// Runs `work` as (part of) a user command, showing any exception it raises as the standard
// error message.
template <class Work> void runGuarded(Work&& work)
{
    const CommandScope command;
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
