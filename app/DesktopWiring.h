#pragma once

// The main window's answer to what the desktop frame starts: the editors as editors/ opens
// them, and the print dialog, the reader form, the sync view and the window's own close here.

#include "editors/FrameEditors.h"

class TMainDesktopForm;

class DesktopWiring final : public FrameEditors
{
public:
    explicit DesktopWiring(TMainDesktopForm& main);

    void print(const QDate& day, const QString& reportKind) override;
    void readerForm() override;
    void syncView() override;
    void closeMainWindow() override;

private:
    TMainDesktopForm& m_main;
};
