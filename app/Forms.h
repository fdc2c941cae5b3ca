#pragma once

// The application's forms, each reachable through its global as the other forms expect.
// The editors' globals are declared with the editors (editors/EditorForms.h); creating and
// releasing forms is common/FormOwner.h.

#include "common/FormOwner.h"
#include "editors/EditorForms.h"

#include <QPointer>

class TMainDesktopForm;
class TSelectDirectForm;
class TForm1;
class TPrintForm;

extern QPointer<TMainDesktopForm> MainDesktopForm;
extern QPointer<TSelectDirectForm> SelectDirectForm;
// The reader form, made anew by the tool panel each time it is opened.
extern QPointer<TForm1> Form1;
// The print dialog, made anew by each print command.
extern QPointer<TPrintForm> PrintForm;
