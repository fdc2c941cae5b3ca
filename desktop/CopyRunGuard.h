#pragma once

// Keeps a backup or restore run from being changed under itself: while it copies, the
// Analyse, Backup and Restore buttons of both pages stay disabled, a Cancel only changes
// what they become at the end, and the frame says when the run is over.

class TDesktopFrame;

struct CopyRunState
{
    bool analyseEnabled;
    bool backupEnabled;
    bool restoreAnalyseEnabled;
    bool restoreEnabled;
};

class CopyRunGuard
{
public:
    explicit CopyRunGuard(TDesktopFrame* frame);
    ~CopyRunGuard();
    CopyRunGuard(const CopyRunGuard&) = delete;
    CopyRunGuard& operator=(const CopyRunGuard&) = delete;

private:
    TDesktopFrame* m_frame;
    CopyRunState m_state;
};
