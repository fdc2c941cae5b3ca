#include "platform/Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace platform::dialogs {
namespace {

Driver* g_driver = nullptr;

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The program names that stand for "the web browser" when a caller asks to open one.
bool isBrowser(const QString& file)
{
    return QFileInfo(file).fileName().compare("IEXPLORE.EXE", Qt::CaseInsensitive) == 0;
}

} // namespace

void setDriver(Driver* driver)
{
    g_driver = driver;
}

int messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon, int buttons)
{
    if (g_driver)
        return g_driver->answerMessage({text, title, icon, buttons});

    QMessageBox box(toQtIcon(icon), title, text, QMessageBox::NoButton, parent);
    const std::pair<Button, QMessageBox::StandardButton> map[] = {
        {Yes, QMessageBox::Yes}, {No, QMessageBox::No}, {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel}};
    for (const auto& [ours, qt] : map)
        if (buttons & ours)
            box.addButton(qt);
    const int pressed = box.exec();
    for (const auto& [ours, qt] : map)
        if (pressed == qt)
            return ours;
    // Closed without a button: the box's escape answer.
    return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
}

QString selectFolder(QWidget* parent, const QString& title, const QString& root,
                     const std::function<void(QWidget* picker)>& place)
{
    if (g_driver)
        return g_driver->answerFolder({title, root});
    // Qt's own picker, not the desktop's, so that it is a window this program can place.
    QFileDialog picker(parent, title, root.isEmpty() ? QDir::homePath() : root);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (place)
        QTimer::singleShot(0, &picker, [&picker, &place] { place(&picker); });
    if (picker.exec() != QDialog::Accepted || picker.selectedFiles().isEmpty())
        return QString();
    QString folder = picker.selectedFiles().constFirst();
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

QString saveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    if (g_driver)
        return g_driver->answerSaveFile({title, suggested, filter});
    return QFileDialog::getSaveFileName(parent, title, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool shellExecute(const QString& verb, const QString& file, const QString& params)
{
    if (g_driver)
        return g_driver->shellOpen({verb, file, params});
    if (isBrowser(file)) {
        // Without an address the browser opens its start page; a blank page stands in for it.
        return QDesktopServices::openUrl(QUrl(params.isEmpty() ? QStringLiteral("about:blank") : params));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace platform::dialogs
