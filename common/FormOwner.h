#pragma once

// The application owns its forms: one created anew replaces its global, and the earlier
// instance lives on until the program ends.

#include <QPointer>
#include <QWidget>
#include <utility>

namespace Application {

// Keeps the form until releaseForms().
void adopt(QWidget* form);

// Creates a form into its global, owned by the application; `args` go to its constructor.
template <class T, class... Args> T* CreateForm(QPointer<T>& global, Args&&... args)
{
    T* form = new T(std::forward<Args>(args)...);
    adopt(form);
    global = form;
    return form;
}

// Deletes every form the application owns, the last created first.
void releaseForms();

} // namespace Application
