#include "app/MainDesktopForm.h"

#include "app/DesktopWiring.h"
#include "common/SystemRoutines.h"
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DriveBanner.h"
#include "desktop/QuorvaneFrame.h"
#include "mobile/Favorites.h"
#include "mobile/PelloranFrame.h"
#include "platform/Application.h"
#include "platform/DatabaseNotice.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/ShellFolders.h"
#include "platform/SystemInfo.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>

namespace {

// An event by which the user starts something: the hidden parts must exist before it is handled.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

} // namespace

TMainDesktopForm::TMainDesktopForm(QWidget* parent, HiddenParts hiddenParts) : QMainWindow(parent)
{
    createComponents(hiddenParts);
    if (hiddenParts == HiddenParts::Now)
        buildHiddenParts();
    connectEvents();
    // Start-up reports a missing database once, in its own words.
    const platform::db::QuietAboutClosedDatabase quiet;
    // A failing step ends start-up's own work but not the program; the form still opens.
    try {
        FormCreate();
    } catch (const std::exception& error) {
        // Whatever step failed, the desktop frame is the one frame shown.
        DesktopFrame->show();
        TApplication::showException(error);
    }
}

TMainDesktopForm::~TMainDesktopForm()
{
    qApp->removeEventFilter(this);
}

void TMainDesktopForm::FormCreate()
{
    layoutNow(this);
    drawToolPanelGradient();
    DesktopFrame->DateStringGrid->resize(70, DesktopFrame->DateStringGrid->height());
    DesktopFrame->EventScrollContent->resize(DesktopFrame->EventScrollContent->width(), 1057);
    DesktopFrame->EventScrollBox->verticalScrollBar()->setValue(0);

    const QString computerName = GetComputerNameStr();

    QTreeView* contacts = DesktopFrame->ContactListView;
    contacts->resize(contacts->width(), DesktopFrame->EventPanel->y() - DesktopFrame->NewEventButton->y());
    contacts->update();

    setWindowTitle("Ambrel Tessary 2.0 ");
    openDatabase();
    settleFavoritesPath(computerName);
    DesktopFrame->InitFrame();
}

void TMainDesktopForm::drawToolPanelGradient()
{
    TImage* image = DesktopFrame->QuorvaneFrame1->Image1;
    const int w = DesktopFrame->QuorvaneFrame1->width();
    image->setPictureSize(QSize(image->width(), 2000));
    QImage& canvas = image->canvas();
    // Bands of width w/100, one colour step each; every line of the picture is the same,
    // so one line is drawn and copied down.
    const double k = w / 100.0;
    auto* first = reinterpret_cast<QRgb*>(canvas.scanLine(0));
    for (int i = 0; i <= w; ++i) {
        const int left = std::clamp(static_cast<int>(std::lround(i * k)), 0, canvas.width());
        const int right = std::clamp(static_cast<int>(std::lround((i + 1) * k)), 0, canvas.width());
        std::fill(first + left, first + right,
                  qRgb(std::min(11 + i, 255), std::min(70 + i, 255), std::min(115 + i, 255)));
    }
    for (int y = 1; y < canvas.height(); ++y)
        std::copy(first, first + canvas.width(), reinterpret_cast<QRgb*>(canvas.scanLine(y)));
}

void TMainDesktopForm::openDatabase()
{
    try {
        ADOConnection.setConnected(false);
        ADOConnection.ConnectionString =
            "DRIVER={Microsoft Access Driver (*.mdb)};dbq=" + platform::sys::programFolder() + "desktop.mdb";
        ADOConnection.OnFileReplaced = [this](const QString& notice) {
            platform::dialogs::messageBox(this, notice, QCoreApplication::applicationName());
        };
        ADOConnection.setConnected(true);
    } catch (const std::exception& error) {
        platform::dialogs::messageBox(this, "Can't Find desktop.mdb File!!  ", "ERROR");
        // Then why, with anything done to the files beside it first.
        platform::dialogs::messageBox(this, (ADOConnection.notices() << error.what()).join("\n\n"), "ERROR");
        return;
    }
    if (!ADOConnection.notices().isEmpty())
        platform::dialogs::messageBox(this, ADOConnection.notices().join("\n\n"),
                                      QCoreApplication::applicationName());
}

void TMainDesktopForm::settleFavoritesPath(const QString& computerName)
{
    const QString current = platform::shell::specialFolderPath(platform::shell::CSIDL_FAVORITES, true);
    TIniFile ini(PelloranIniPath());
    if (IsFavoritesGhosted(current)) {
        FFavoritesGhosted = true;
        if (PelloranFrame1)
            PelloranFrame1->QuorvaneFrame1->SetGhosted(true);
        FFavoritesPath = ini.ReadString("Favorites", computerName, QString());
    } else {
        FFavoritesPath = current;
        ini.WriteString("Favorites", computerName, current);
    }
}

void TMainDesktopForm::FormShow()
{
    const platform::db::QuietAboutClosedDatabase quiet;
    DesktopFrame->InitFrame();
}

void TMainDesktopForm::FormClose()
{
    // A PC found on the disk with no path of its own on record gets the empty value, which
    // is the default folder, so that no redirection outlives the program. A start cut short
    // before the path was settled leaves the shell as it is.
    if (FFavoritesGhosted || !FFavoritesPath.isEmpty())
        SetFavoritesFolder(FFavoritesPath, 0);
    ADOConnection.Close();
}

void TMainDesktopForm::FormMouseWheel(int wheelDelta)
{
    if (DesktopFrame->isHidden() || DesktopFrame->ToolPageControl->ActivePageIndex() != 0)
        return;
    if (++Tag < 3)
        return;
    QScrollBar* bar = DesktopFrame->EventScrollBox->verticalScrollBar();
    bar->setValue(bar->value() - (wheelDelta / 120) * 22);
    Tag = 0;
}

void TMainDesktopForm::ApplicationEventsIdle() {}

void TMainDesktopForm::buildHiddenParts()
{
    if (FHiddenPartsBuilt)
        return;
    FHiddenPartsBuilt = true;
    DesktopFrame->buildHiddenPages();
    connectDiskPageButtons();
    DesktopFrame->BackupImage->drawWhenFirstShown(DrawDriveBanner);
    createSyncView();
}

void TMainDesktopForm::DesktopFrameBackup_BtnClick()
{
    DesktopFrame->Backup_BtnClick();
}

void TMainDesktopForm::DesktopFrameAnalyse_BnClick()
{
    DesktopFrame->Analyse_BnClick();
}

void TMainDesktopForm::DesktopFrameRestore_ButtonClick()
{
    DesktopFrame->Restore_ButtonClick();
}

void TMainDesktopForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainDesktopForm::closeEvent(QCloseEvent* event)
{
    // A backup or restore in progress finishes first; the window closes when it ends.
    if (DesktopFrame->copyRunning()) {
        event->ignore();
        connect(DesktopFrame, &TDesktopFrame::copyRunFinished, this, &QWidget::close,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection | Qt::SingleShotConnection));
        return;
    }
    FormClose();
    event->accept();
    // Closing the main window ends the program, whatever other form is open.
    QCoreApplication::quit();
}

bool TMainDesktopForm::eventFilter(QObject* watched, QEvent* event)
{
    if (!FHiddenPartsBuilt && isUserInput(event->type()))
        runGuarded([this] { buildHiddenParts(); });
    if (watched == DesktopFrame &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        DesktopFrame->MainMenu1->setVisible(event->type() == QEvent::ShowToParent);
        return false;
    }
    // Every wheel turn reaches the window once before it is handed to a widget.
    if (event->type() != QEvent::Wheel || watched != static_cast<QObject*>(windowHandle()))
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    FormMouseWheel(wheel->angleDelta().y());
    // The day view scrolls only as the form decides, never by itself.
    QWidget* under = childAt(mapFromGlobal(wheel->globalPosition().toPoint()));
    return under && DesktopFrame->EventScrollBox->isAncestorOf(under);
}
