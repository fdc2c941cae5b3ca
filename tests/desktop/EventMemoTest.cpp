#include "desktop/EventMemo.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <qdrawutil.h>

TEST(EventMemoTest, TheSunkenFieldHasThePixelsOfAWindowsPanelAtEverySize)
{
    TEventMemo memo(nullptr);
    memo.setColor(QColor(0xFF, 0xFF, 0xD5));
    for (const QSize size : {QSize(200, 44), QSize(5, 22), QSize(4, 22), QSize(3, 22), QSize(2, 22),
                             QSize(1, 22), QSize(40, 3), QSize(40, 2)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        memo.resize(size);
        // A grab starts from the widget's background, as its parent would show beneath it.
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(memo.palette().window().color());
        {
            QPainter painter(&expected);
            const QBrush fill(memo.Color());
            qDrawWinPanel(&painter, memo.rect(), memo.palette(), true, &fill);
        }
        EXPECT_EQ(memo.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
    }
}
