#pragma once

// The operating system's version record, in the shape the backup's folder choice reads.
// This system reports the NT family, version 6.0, workstation, through the extended record;
// tests may set any record and how the query answers.

#include <QString>

namespace platform::version {

inline constexpr int VER_PLATFORM_WIN32s = 0;
inline constexpr int VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr int VER_PLATFORM_WIN32_NT = 2;
inline constexpr int VER_NT_WORKSTATION = 1;
inline constexpr int VER_NT_DOMAIN_CONTROLLER = 2;
inline constexpr int VER_NT_SERVER = 3;
inline constexpr int VER_SUITE_ENTERPRISE = 0x0002;
inline constexpr int VER_SUITE_DATACENTER = 0x0080;
inline constexpr int VER_SUITE_PERSONAL = 0x0200;
inline constexpr int VER_SUITE_BLADE = 0x0400;
// The record sizes a caller puts in osVersionInfoSize: the extended record and the basic one.
inline constexpr unsigned OSVERSIONINFOEX_SIZE = 156;
inline constexpr unsigned OSVERSIONINFO_SIZE = 148;

struct OsVersionInfo
{
    unsigned osVersionInfoSize = 0;
    unsigned majorVersion = 6;
    unsigned minorVersion = 0;
    unsigned buildNumber = 6000;
    unsigned platformId = VER_PLATFORM_WIN32_NT;
    QString csdVersion; // the service-pack text
    unsigned short servicePackMajor = 0;
    unsigned short servicePackMinor = 0;
    unsigned short suiteMask = 0;
    unsigned char productType = VER_NT_WORKSTATION;
};

// Which records the system fills.
enum class Answer { Extended, BasicOnly, Refused };

// The shape of GetVersionExA: info.osVersionInfoSize names the record the caller asks for.
// False when the system does not fill that record; the basic record leaves the extended
// fields (service-pack numbers, suite mask, product type) as they were.
bool getVersionEx(OsVersionInfo& info);

void setVersionInfo(const OsVersionInfo& info, Answer answer = Answer::Extended); // tests only
void resetVersionInfo();

} // namespace platform::version
