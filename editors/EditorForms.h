#pragma once

// The globals of the editors and category dialogs, each reachable as the other forms expect:
// the name prompt and the delete dialog answer the category list dialog through its global.

#include "common/FormOwner.h"

#include <QPointer>

class TGoToForm;
class TNewEventForm;
class TMemoForm;
class TNewGroupForm;
class TNewExpenseForm;
class TAddressForm;
class TGroupForm;
class TDeleteGroupForm;

extern QPointer<TGoToForm> GoToForm;
extern QPointer<TNewEventForm> NewEventForm;
extern QPointer<TMemoForm> MemoForm;
extern QPointer<TNewGroupForm> NewGroupForm;
extern QPointer<TNewExpenseForm> NewExpenseForm;
extern QPointer<TAddressForm> AddressForm;
// The category list dialog and its delete dialog, made anew for every use.
extern QPointer<TGroupForm> GroupForm;
extern QPointer<TDeleteGroupForm> DeleteGroupForm;
