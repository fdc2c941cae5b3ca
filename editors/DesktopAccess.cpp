#include "editors/DesktopAccess.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"

#include <stdexcept>

namespace desktopaccess {

TMainDesktopForm& mainForm()
{
    if (!MainDesktopForm)
        throw std::runtime_error("The main window is not open.");
    return *MainDesktopForm;
}

TDesktopFrame& frame()
{
    return *mainForm().DesktopFrame;
}

} // namespace desktopaccess
