#pragma once

// The sync profiles of "Pelloran.ini": section [Syncs] lists the names in display order, and one
// section per profile holds its folder pair, direction and sub-folder flag. Paths are stored with
// "/"; a "\" read from a file written elsewhere is taken as "/".

#include <QList>
#include <QString>

class TIniFile;

struct TSyncProfile
{
    QString Name;
    QString PC;      // the PC folder, ending in "/"
    QString UsbDisk; // the Mobile Disk folder relative to the disk's root, "/" alone for the root
    QString Direct;  // "0" PC to Mobile Disk, "1" both ways, "2" Mobile Disk to PC, "-1" none
    QString SubDir;  // "1" with sub-folders
};

namespace syncprofiles {

// The PC folder a profile without one starts from: the user's home folder.
QString defaultPcFolder();

// The profiles listed in [Syncs], in file order, each read from its own section with defaults.
QList<TSyncProfile> read(const TIniFile& ini);
// Writes the four keys of the profile's section; with `list` also its [Syncs] entry first.
void write(TIniFile& ini, const TSyncProfile& profile, bool list);
// Removes the profile's [Syncs] entry and its whole section.
void remove(TIniFile& ini, const QString& name);

// Empty when `name` can be stored as a profile; otherwise the reason, for the user. Names
// that the file cannot hold faithfully and the names of the file's own sections are refused:
// deleting a profile erases its section, and section names ignore letter case.
QString nameProblem(const QString& name);

// A folder text from the file or a picker with its separators as "/".
QString withSlashes(QString path);

} // namespace syncprofiles
