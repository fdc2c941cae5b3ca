// Form description of the main window.
#include "app/DesktopWiring.h"
#include "app/MainDesktopForm.h"
#include "common/widgets/AlignLayout.h"
#include "desktop/DesktopFrame.h"
#include "desktop/QuorvaneFrame.h"
#include "mobile/PelloranFrame.h"
#include "platform/Application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

void TMainDesktopForm::createComponents(HiddenParts hiddenParts)
{
    setObjectName("MainDesktopForm");
    QFont formFont("MS Sans Serif");
    formFont.setPixelSize(11);
    setFont(formFont);
    resize(1680, 987);

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);
    DesktopFrame = new TDesktopFrame(ADOConnection, client,
                                     hiddenParts == HiddenParts::Now ? TDesktopFrame::HiddenPages::Now
                                                                     : TDesktopFrame::HiddenPages::Later);
    alignChildren(client, {{DesktopFrame, Align::Client}});
    m_wiring = std::make_unique<DesktopWiring>(*this);
    DesktopFrame->setStarts(m_wiring.get());
    // The desktop frame's menu serves as the window's menu bar while that frame is shown.
    setMenuBar(DesktopFrame->MainMenu1);
    DesktopFrame->MainMenu1->show();
}

void TMainDesktopForm::connectEvents()
{
    // Idle time is no user command; the handler does nothing that could raise.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TMainDesktopForm::ApplicationEventsIdle);
    qApp->installEventFilter(this);
}

void TMainDesktopForm::connectDiskPageButtons()
{
    connect(DesktopFrame->Backup_Btn, &QPushButton::clicked, this,
            guarded(this, &TMainDesktopForm::DesktopFrameBackup_BtnClick));
    connect(DesktopFrame->Analyse_Bn, &QPushButton::clicked, this,
            guarded(this, &TMainDesktopForm::DesktopFrameAnalyse_BnClick));
    connect(DesktopFrame->Restore_Button, &QPushButton::clicked, this,
            guarded(this, &TMainDesktopForm::DesktopFrameRestore_ButtonClick));
}

void TMainDesktopForm::createSyncView()
{
    QWidget* client = centralWidget();
    PelloranFrame1 = new TPelloranFrame(client);
    PelloranFrame1->hide();
    static_cast<AlignLayout*>(client->layout())->add(PelloranFrame1, Align::Client);
    PelloranFrame1->QuorvaneFrame1->setDesktopFrame(DesktopFrame);
    PelloranFrame1->setDesktopFrame(DesktopFrame);
    if (FFavoritesGhosted)
        PelloranFrame1->QuorvaneFrame1->SetGhosted(true);
}
