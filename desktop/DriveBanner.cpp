#include "desktop/DriveBanner.h"

#include "common/SystemRoutines.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"

#include <QImage>
#include <QPainter>

void DrawDriveBanner(QImage& canvas)
{
    const QString drive = platform::sys::driveRoot();
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
    GetDriveSpace(drive, freeBytes, totalBytes);
    const QString size = platform::locale::formatFixed(totalBytes / 1073741824.0, 3) + "G";
    const QString free = platform::locale::formatFixed(GetDiskFreeGB(drive), 3) + "G";

    struct Text
    {
        QString text;
        int x;
        int y;
        bool bold;
    };
    const Text texts[] = {
        {" Name ", 0, 80, true},
        {":", 40, 80, true},
        {" Size ", 0, 100, true},
        {":", 40, 100, true},
        {" Free  ", 0, 120, true},
        {":", 40, 120, true},
        {" Name ", 610, 80, true},
        {":", 650, 80, true},
        {" User ", 610, 100, true},
        {":", 650, 100, true},
        {"USB Flash Disk ", 50, 80, false},
        {size, 50, 100, false},
        {free, 50, 120, true},
        {GetComputerNameStr(), 660, 80, false},
        {GetUserNameStr(), 660, 100, false},
    };

    QPainter painter(&canvas);
    QFont font = painter.font();
    font.setPointSize(8);
    for (const Text& t : texts) {
        font.setBold(t.bold);
        painter.setFont(font);
        // Positions name the text's top left corner, not its baseline.
        painter.drawText(QPoint(t.x, t.y + painter.fontMetrics().ascent()), t.text);
    }
}
