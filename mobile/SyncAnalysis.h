#pragma once

// Comparing a PC folder with a Mobile Disk folder entry by entry: one row per PC entry and
// per Mobile Disk entry that the PC folder lacks, marked by which side is newer.

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace platform::files {
struct FolderEntry;
}

// Names as platform/FileNames.h reads them, so one that is not UTF-8 keeps its bytes.
struct TSyncRow
{
    QString Name;             // relative to the PC folder, "/" between folder names
    QString MobileName;       // relative to the Mobile Disk folder, as that side spells it; empty when none
    std::int64_t PcSize = -1; // -1: no PC entry
    std::int64_t MobileSize = -1;
    std::uint32_t PcTime = 0; // packed date-times, see packDosDateTime
    std::uint32_t MobileTime = 0;
    char Mark = '>'; // '>' PC newer or PC only, '<' Mobile Disk newer or only there, '=', 'D' folder
    bool Folder = false;
    bool Selected = false;
    // The counterpart answers to this name only because its file system ignores letter case.
    bool OtherSpelling = false;
};

// Local time in the 2-second date-time form the Mobile Disk's file system stores (date in the
// upper 16 bits, time in the lower), clamped to the years 1980 to 2107 that the form holds, so
// that a copy read back from such a disk compares equal. Compare the values without sign.
std::uint32_t packDosDateTime(std::int64_t secondsSinceEpoch);
// "yyyy/mm/dd hh:nn:ss"
QString dosDateTimeText(std::uint32_t packed);

// The sides a direction copies to: 0 the Mobile Disk, 1 both, 2 the PC, any other neither.
struct SyncTargets
{
    bool pc = false;
    bool mobile = false;
};
SyncTargets syncTargets(int direction);

class TSyncAnalysis
{
public:
    // The sides in `swept`, those the run copies to, are cleared of what copies cut short left
    // there as they are read (platform/FolderEntries.h); a side the run only reads is left as it is.
    explicit TSyncAnalysis(bool subFolders, SyncTargets swept = {}) : m_subFolders(subFolders), m_swept(swept)
    {
    }

    // Analyses the pair: its PC-side pass, then its Mobile-side pass. Both folders end in "/".
    void AnalyseFolders(const QString& pcFolder, const QString& mobileFolder);
    std::vector<TSyncRow> takeRows() { return std::move(m_rows); }

private:
    struct Side
    {
        QString folder;   // absolute, ending in "/"
        QString relative; // the rows' prefix: empty at the top, else ending in "/"
        std::vector<platform::files::FolderEntry> entries;
        QHash<QString, int> byName;
        QHash<QString, int> byFoldedName; // filled on the first lookup that needs it
        // Asked of the file system on the first name that misses byName.
        enum class Case : std::uint8_t { Unasked, Kept, MayBeIgnored } letterCase = Case::Unasked;
    };
    struct Counterpart
    {
        const platform::files::FolderEntry* entry = nullptr;
        bool otherSpelling = false;
    };

    void analyseLevel(const QString& pcFolder, const QString& mobileFolder, const QString& pcRelative,
                      const QString& mobileRelative);
    void AnalysePcSide(const Side& pc, Side& mobile);
    void AnalyseMobileSide(Side& pc, const Side& mobile);
    bool listed(const platform::files::FolderEntry& entry) const;
    Counterpart find(Side& side, const QString& name) const;
    static bool mayIgnoreCase(Side& side);
    void load(Side& pc, Side& mobile) const;

    bool m_subFolders;
    SyncTargets m_swept;
    std::vector<TSyncRow> m_rows;
};

// Direction 0 selects the rows marked ">", 1 those marked ">" or "<", 2 those marked "<", any
// other none. A counterpart spelt otherwise is never selected: a copy over it would rename it.
void preselectRows(std::vector<TSyncRow>& rows, int direction);
