#pragma once

// What the reports read from the desktop frame, gathered when a print command opens the dialog.

#include "reports/PrintForm.h"

class TDesktopFrame;

TPrintSelection printSelectionOf(const TDesktopFrame& frame);
