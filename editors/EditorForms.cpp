#include "editors/EditorForms.h"

#include "editors/AddressForm.h"
#include "editors/DeleteGroupForm.h"
#include "editors/GoToForm.h"
#include "editors/GroupForm.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "editors/NewGroupForm.h"

QPointer<TGoToForm> GoToForm;
QPointer<TNewEventForm> NewEventForm;
QPointer<TMemoForm> MemoForm;
QPointer<TNewGroupForm> NewGroupForm;
QPointer<TNewExpenseForm> NewExpenseForm;
QPointer<TAddressForm> AddressForm;
QPointer<TGroupForm> GroupForm;
QPointer<TDeleteGroupForm> DeleteGroupForm;
