#pragma once

// The four small system-information routines the drive banner uses.

#include <QString>
#include <cstdint>

// The computer's name; empty when it cannot be read.
QString GetComputerNameStr();
// The user's login name; "Unknown" when it cannot be read.
QString GetUserNameStr();
// Free space on the disk holding `root`, in units of 2^30 bytes; -1 when it cannot be read.
double GetDiskFreeGB(const QString& root);
// Free and total bytes of the disk whose root is `root`, read with that root as the current
// folder (restored afterwards); both -1 and false when the root cannot be made current.
bool GetDriveSpace(const QString& root, std::int64_t& freeBytes, std::int64_t& totalBytes);
