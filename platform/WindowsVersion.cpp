#include "platform/WindowsVersion.h"

#include <optional>

namespace platform::version {

namespace {
std::optional<OsVersionInfo>& pinnedInfo()
{
    static std::optional<OsVersionInfo> info;
    return info;
}
} // namespace

OsVersionInfo versionInfo()
{
    return pinnedInfo().value_or(OsVersionInfo{});
}

void setVersionInfo(const OsVersionInfo& info)
{
    pinnedInfo() = info;
}

void resetVersionInfo()
{
    pinnedInfo().reset();
}

} // namespace platform::version
