#include "app/Forms.h"

#include "app/MainDesktopForm.h"
#include "app/SelectDirectForm.h"
#include "editors/AddressForm.h"
#include "editors/DeleteGroupForm.h"
#include "editors/GoToForm.h"
#include "editors/GroupForm.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "editors/NewGroupForm.h"
#include "reader/ReaderForm.h"
#include "reports/PrintForm.h"

#include <memory>
#include <vector>

QPointer<TMainDesktopForm> MainDesktopForm;
QPointer<TGoToForm> GoToForm;
QPointer<TNewEventForm> NewEventForm;
QPointer<TMemoForm> MemoForm;
QPointer<TNewGroupForm> NewGroupForm;
QPointer<TNewExpenseForm> NewExpenseForm;
QPointer<TAddressForm> AddressForm;
QPointer<TSelectDirectForm> SelectDirectForm;
QPointer<TForm1> Form1;
QPointer<TPrintForm> PrintForm;
QPointer<TGroupForm> GroupForm;
QPointer<TDeleteGroupForm> DeleteGroupForm;

namespace Application {
namespace {
std::vector<QPointer<QWidget>>& ownedForms()
{
    static std::vector<QPointer<QWidget>> forms;
    return forms;
}
} // namespace

void adopt(QWidget* form)
{
    ownedForms().emplace_back(form);
}

void releaseForms()
{
    auto& forms = ownedForms();
    while (!forms.empty()) {
        delete forms.back().data();
        forms.pop_back();
    }
}

} // namespace Application
