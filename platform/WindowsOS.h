#pragma once

// Folder creation and the naming of the running system's version, for the backup pages.

#include "platform/WindowsVersion.h"

#include <QString>

// Creates the folder Dir and every missing folder above it, handling the window's pending
// events between its steps. Reports nothing: a folder that cannot be made is skipped and
// the later copy into it fails.
void ForceDirectoryPath(QString Dir);

// Fills Info from the system, the extended record if it can, else the basic one (then
// Info.osVersionInfoSize stays 148); False, with the size 0, when both are refused.
bool GetOSVersionInfo(platform::version::OsVersionInfo& Info);

// The running system's name in lines (family and version, edition, service pack, build);
// empty when the version cannot be read or is of no known family.
QString GetWindowsVersionName();
