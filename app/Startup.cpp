#include "app/Startup.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/SelectDirectForm.h"
#include "editors/AddressForm.h"
#include "editors/GoToForm.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "editors/NewGroupForm.h"

void CreateApplicationForms()
{
    Application::CreateForm(MainDesktopForm);
    Application::CreateForm(GoToForm);
    Application::CreateForm(NewEventForm);
    Application::CreateForm(MemoForm);
    Application::CreateForm(NewGroupForm);
    Application::CreateForm(NewExpenseForm);
    Application::CreateForm(AddressForm);
    Application::CreateForm(SelectDirectForm);
}
