#pragma once

// The application's forms, each reachable through its global as the other forms expect.
// Forms are owned by the application: one created anew replaces its global, and the
// earlier instance lives on until the program ends.

#include <QPointer>
#include <QWidget>

class TMainDesktopForm;
class TGoToForm;
class TNewEventForm;
class TMemoForm;
class TNewGroupForm;
class TNewExpenseForm;
class TAddressForm;
class TSelectDirectForm;
class TForm1;
class TPrintForm;
class TGroupForm;
class TDeleteGroupForm;

extern QPointer<TMainDesktopForm> MainDesktopForm;
extern QPointer<TGoToForm> GoToForm;
extern QPointer<TNewEventForm> NewEventForm;
extern QPointer<TMemoForm> MemoForm;
extern QPointer<TNewGroupForm> NewGroupForm;
extern QPointer<TNewExpenseForm> NewExpenseForm;
extern QPointer<TAddressForm> AddressForm;
extern QPointer<TSelectDirectForm> SelectDirectForm;
// The reader form, made anew by the tool panel each time it is opened.
extern QPointer<TForm1> Form1;
// The print dialog, made anew by each print command.
extern QPointer<TPrintForm> PrintForm;
// The category list dialog and its delete dialog, made anew for every use.
extern QPointer<TGroupForm> GroupForm;
extern QPointer<TDeleteGroupForm> DeleteGroupForm;

namespace Application {

// Keeps the form until releaseForms().
void adopt(QWidget* form);

// Creates a form into its global, owned by the application.
template <class T> T* CreateForm(QPointer<T>& global)
{
    T* form = new T();
    adopt(form);
    global = form;
    return form;
}

// Deletes every form the application owns, the last created first.
void releaseForms();

} // namespace Application
