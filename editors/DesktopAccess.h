#pragma once

// The main window and its desktop frame as the editors reach them: through the main form's
// global, which start-up fills before any editor exists.

class TDesktopFrame;
class TMainDesktopForm;

namespace desktopaccess {

// Raise a readable error when the main window is gone.
TMainDesktopForm& mainForm();
TDesktopFrame& frame();

} // namespace desktopaccess
