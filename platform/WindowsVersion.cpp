#include "platform/WindowsVersion.h"

#include <optional>

namespace platform::version {

namespace {
struct Pinned
{
    OsVersionInfo info;
    Answer answer = Answer::Extended;
};

std::optional<Pinned>& pinned()
{
    static std::optional<Pinned> value;
    return value;
}
} // namespace

bool getVersionEx(OsVersionInfo& info)
{
    const Pinned system = pinned().value_or(Pinned{});
    const bool extended = info.osVersionInfoSize == OSVERSIONINFOEX_SIZE && system.answer == Answer::Extended;
    const bool basic = info.osVersionInfoSize == OSVERSIONINFO_SIZE && system.answer != Answer::Refused;
    if (!extended && !basic)
        return false;
    const unsigned size = info.osVersionInfoSize;
    const OsVersionInfo caller = info;
    info = system.info;
    info.osVersionInfoSize = size;
    if (basic) {
        info.servicePackMajor = caller.servicePackMajor;
        info.servicePackMinor = caller.servicePackMinor;
        info.suiteMask = caller.suiteMask;
        info.productType = caller.productType;
    }
    return true;
}

void setVersionInfo(const OsVersionInfo& info, Answer answer)
{
    pinned() = Pinned{info, answer};
}

void resetVersionInfo()
{
    pinned().reset();
}

} // namespace platform::version
