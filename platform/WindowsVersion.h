#pragma once

// The operating system's version record, in the shape the backup's folder choice reads.
// This system reports the NT family, version 6.0, workstation; tests may set any record.

#include <QString>

namespace platform::version {

inline constexpr int VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr int VER_PLATFORM_WIN32_NT = 2;
inline constexpr int VER_NT_WORKSTATION = 1;

struct OsVersionInfo
{
    int majorVersion = 6;
    int minorVersion = 0;
    int buildNumber = 6000;
    int platformId = VER_PLATFORM_WIN32_NT;
    QString csdVersion;
    int productType = VER_NT_WORKSTATION;
};

OsVersionInfo versionInfo();
void setVersionInfo(const OsVersionInfo& info); // tests only
void resetVersionInfo();

} // namespace platform::version
