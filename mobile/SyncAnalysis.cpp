#include "mobile/SyncAnalysis.h"

#include "platform/FileNames.h"
#include "platform/FolderEntries.h"

#include <array>
#include <ctime>
#include <future>

using platform::files::FolderEntry;

namespace {

constexpr std::uint32_t pack(int year, int month, int day, int hour, int minute, int second)
{
    return std::uint32_t(year - 1980) << 25 | std::uint32_t(month) << 21 | std::uint32_t(day) << 16 |
           std::uint32_t(hour) << 11 | std::uint32_t(minute) << 5 | std::uint32_t(second / 2);
}

constexpr std::uint32_t Earliest = pack(1980, 1, 1, 0, 0, 0);
constexpr std::uint32_t Latest = pack(2107, 12, 31, 23, 59, 58);

// Local time is the one costly step of an analysis; the files of a tree mostly share a few
// quarter hours, and every zone's offset changes only on a quarter hour, so the broken-down
// start of each quarter hour is kept and the minutes and seconds added to it.
struct QuarterHour
{
    std::int64_t start = -1;
    struct tm local = {};
};

bool localTime(std::int64_t seconds, struct tm& out)
{
    constexpr std::int64_t Quarter = 15 * 60;
    thread_local std::array<QuarterHour, 64> cache;
    const std::int64_t start = seconds - ((seconds % Quarter) + Quarter) % Quarter;
    QuarterHour& slot = cache[std::size_t((start / Quarter) & 63)];
    if (slot.start != start) {
        const time_t at = time_t(start);
        if (!localtime_r(&at, &slot.local))
            return false;
        slot.start = start;
    }
    const int offset = int(seconds - start);
    if (slot.local.tm_sec != 0 || slot.local.tm_min % 15 != 0) {
        // An offset that is no whole quarter hour (old local mean times): no shortcut.
        const time_t at = time_t(seconds);
        return localtime_r(&at, &out) != nullptr;
    }
    out = slot.local;
    out.tm_min += offset / 60;
    out.tm_sec = offset % 60;
    return true;
}

// The name with every ASCII letter in the other case; other characters as they are.
QString withAsciiCaseSwapped(const QString& name)
{
    QString swapped = name;
    for (QChar& c : swapped) {
        const char16_t lower = c.unicode() | 0x20;
        if (lower >= u'a' && lower <= u'z')
            c = QChar(char16_t(c.unicode() ^ 0x20));
    }
    return swapped;
}

} // namespace

std::uint32_t packDosDateTime(std::int64_t secondsSinceEpoch)
{
    struct tm local;
    if (!localTime(secondsSinceEpoch, local))
        return secondsSinceEpoch < 0 ? Earliest : Latest;
    const int year = local.tm_year + 1900;
    if (year < 1980)
        return Earliest;
    if (year > 2107)
        return Latest;
    return pack(year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

QString dosDateTimeText(std::uint32_t packed)
{
    const auto field = [packed](int shift, int bits) { return int((packed >> shift) & ((1u << bits) - 1)); };
    char text[48];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", 1980 + field(25, 7), field(21, 4),
                  field(16, 5), field(11, 5), field(5, 6), field(0, 5) * 2);
    return QString::fromLatin1(text, 19);
}

void TSyncAnalysis::AnalyseFolders(const QString& pcFolder, const QString& mobileFolder)
{
    analyseLevel(pcFolder, mobileFolder, QString(), QString());
}

void TSyncAnalysis::load(Side& pc, Side& mobile) const
{
    // Reading a folder is mostly waiting for the file system; the two sides are read at once.
    auto mobileEntries =
        std::async(std::launch::async, platform::files::listFolder, mobile.folder, m_swept.mobile);
    pc.entries = platform::files::listFolder(pc.folder, m_swept.pc);
    mobile.entries = mobileEntries.get();
    for (Side* side : {&pc, &mobile}) {
        side->byName.reserve(qsizetype(side->entries.size()));
        for (std::size_t i = 0; i < side->entries.size(); ++i)
            side->byName.insert(side->entries[i].name, int(i));
    }
}

void TSyncAnalysis::analyseLevel(const QString& pcFolder, const QString& mobileFolder,
                                 const QString& pcRelative, const QString& mobileRelative)
{
    Side pc{pcFolder, pcRelative, {}, {}, {}};
    Side mobile{mobileFolder, mobileRelative, {}, {}, {}};
    load(pc, mobile);
    AnalysePcSide(pc, mobile);
    AnalyseMobileSide(pc, mobile);
}

bool TSyncAnalysis::listed(const FolderEntry& entry) const
{
    return entry.kind == FolderEntry::File || (entry.kind == FolderEntry::Folder && m_subFolders);
}

TSyncAnalysis::Counterpart TSyncAnalysis::find(Side& side, const QString& name) const
{
    // Links and devices count as counterparts, folders only with sub-folders.
    const auto usable = [this](const FolderEntry& entry) {
        return entry.kind != FolderEntry::Folder || m_subFolders;
    };
    if (const auto it = side.byName.constFind(name); it != side.byName.cend()) {
        const FolderEntry& entry = side.entries[std::size_t(*it)];
        return usable(entry) ? Counterpart{&entry, false} : Counterpart{};
    }
    if (!mayIgnoreCase(side))
        return Counterpart{};
    if (side.byFoldedName.isEmpty()) {
        for (std::size_t i = 0; i < side.entries.size(); ++i)
            side.byFoldedName.insert(platform::files::foldCase(side.entries[i].name), int(i));
    }
    const auto it = side.byFoldedName.constFind(platform::files::foldCase(name));
    // A name that differs only in case is the same entry only where the file system says so.
    if (it == side.byFoldedName.cend() || !platform::files::entryAt(side.folder, name))
        return Counterpart{};
    const FolderEntry& entry = side.entries[std::size_t(*it)];
    return usable(entry) ? Counterpart{&entry, true} : Counterpart{};
}

bool TSyncAnalysis::mayIgnoreCase(Side& side)
{
    // Folding every name of a folder is a good part of an analysis, and where the file system
    // keeps letter case apart no name spelt otherwise can reach an entry: one entry's name in
    // the other case tells which kind of file system holds the folder. Every file system that
    // ignores case does so for ASCII letters.
    if (side.letterCase == Side::Case::Unasked) {
        side.letterCase = side.entries.empty() ? Side::Case::Kept : Side::Case::MayBeIgnored;
        for (const FolderEntry& entry : side.entries) {
            const QString swapped = withAsciiCaseSwapped(entry.name);
            if (swapped == entry.name)
                continue;
            const bool kept =
                side.byName.contains(swapped) || !platform::files::entryAt(side.folder, swapped);
            side.letterCase = kept ? Side::Case::Kept : Side::Case::MayBeIgnored;
            break;
        }
    }
    return side.letterCase == Side::Case::MayBeIgnored;
}

void TSyncAnalysis::AnalysePcSide(const Side& pc, Side& mobile)
{
    const bool sameRelative = pc.relative == mobile.relative;
    for (const FolderEntry& entry : pc.entries) {
        if (!listed(entry))
            continue;
        const bool folder = entry.kind == FolderEntry::Folder;
        TSyncRow row;
        row.Name = pc.relative + entry.name;
        row.PcSize = folder ? 0 : entry.size;
        row.PcTime = packDosDateTime(entry.modifiedSeconds);
        const Counterpart other = find(mobile, entry.name);
        if (other.entry) {
            // Spelt alike on both sides, the row's two names share one text.
            row.MobileName =
                sameRelative && !other.otherSpelling ? row.Name : mobile.relative + other.entry->name;
            row.MobileSize = other.entry->kind == FolderEntry::Folder ? 0 : other.entry->size;
            row.MobileTime = packDosDateTime(other.entry->modifiedSeconds);
            row.OtherSpelling = other.otherSpelling;
            row.Mark = row.PcTime < row.MobileTime ? '<' : row.PcTime == row.MobileTime ? '=' : '>';
        }
        if (folder) {
            row.Mark = 'D';
            row.Folder = true;
        }
        m_rows.push_back(std::move(row));
        if (folder) {
            const QString mobileName = other.entry ? other.entry->name : entry.name;
            analyseLevel(pc.folder + entry.name + '/', mobile.folder + mobileName + '/',
                         pc.relative + entry.name + '/', mobile.relative + mobileName + '/');
        }
    }
}

void TSyncAnalysis::AnalyseMobileSide(Side& pc, const Side& mobile)
{
    for (const FolderEntry& entry : mobile.entries) {
        if (!listed(entry))
            continue;
        const bool folder = entry.kind == FolderEntry::Folder;
        const Counterpart other = find(pc, entry.name);
        if (!other.entry) {
            TSyncRow row;
            row.Name = pc.relative + entry.name;
            row.MobileName = mobile.relative + entry.name;
            row.MobileSize = folder ? 0 : entry.size;
            row.MobileTime = packDosDateTime(entry.modifiedSeconds);
            row.Mark = folder ? 'D' : '<';
            row.Folder = folder;
            m_rows.push_back(std::move(row));
        }
        // A pair of folders has been analysed by the PC-side pass already.
        if (folder && !(other.entry && other.entry->kind == FolderEntry::Folder)) {
            Side pcBelow{pc.folder + entry.name + '/', pc.relative + entry.name + '/', {}, {}, {}};
            Side mobileBelow{
                mobile.folder + entry.name + '/', mobile.relative + entry.name + '/', {}, {}, {}};
            load(pcBelow, mobileBelow);
            AnalyseMobileSide(pcBelow, mobileBelow);
        }
    }
}

SyncTargets syncTargets(int direction)
{
    return SyncTargets{direction == 1 || direction == 2, direction == 0 || direction == 1};
}

void preselectRows(std::vector<TSyncRow>& rows, int direction)
{
    const SyncTargets to = syncTargets(direction);
    for (TSyncRow& row : rows) {
        row.Selected = !row.OtherSpelling && ((row.Mark == '>' && to.mobile) || (row.Mark == '<' && to.pc));
    }
}
