#include "desktop/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

namespace {

constexpr int Size = 32;

void drawArrow(QPainter& p, bool up)
{
    const int tip = up ? 4 : 28;
    const int base = up ? 14 : 18;
    p.drawLine(16, 6, 16, 26);
    p.drawLine(16, tip, 9, base);
    p.drawLine(16, tip, 23, base);
}

void draw(QPainter& p, ToolGlyph glyph)
{
    switch (glyph) {
    case ToolGlyph::Schedule:
        p.drawRoundedRect(4, 6, 24, 22, 2, 2);
        p.drawLine(4, 12, 28, 12);
        for (int x : {10, 16, 22})
            p.drawLine(x, 12, x, 28);
        p.drawLine(4, 20, 28, 20);
        p.drawLine(10, 3, 10, 8);
        p.drawLine(22, 3, 22, 8);
        break;
    case ToolGlyph::Address:
        p.drawEllipse(QPoint(16, 11), 6, 6);
        p.drawArc(5, 19, 22, 18, 0, 180 * 16);
        break;
    case ToolGlyph::Backup:
        p.drawLine(4, 28, 28, 28);
        drawArrow(p, true);
        break;
    case ToolGlyph::Restore:
        p.drawLine(4, 4, 28, 4);
        drawArrow(p, false);
        break;
    case ToolGlyph::Password:
        p.drawRoundedRect(7, 14, 18, 14, 2, 2);
        p.drawArc(10, 4, 12, 20, 0, 180 * 16);
        p.drawPoint(16, 21);
        break;
    case ToolGlyph::Expense: // a banknote
        p.drawRoundedRect(3, 9, 26, 15, 2, 2);
        p.drawEllipse(QPoint(16, 16), 4, 4);
        p.drawPoint(8, 16);
        p.drawPoint(24, 16);
        break;
    case ToolGlyph::Favorites: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 ? 5.5 : 13.0;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
            i ? star.lineTo(point) : star.moveTo(point);
        }
        star.closeSubpath();
        p.drawPath(star);
        break;
    }
    case ToolGlyph::Reader:
        p.drawRoundedRect(9, 4, 14, 24, 2, 2);
        p.drawArc(2, 8, 10, 16, 90 * 16, 180 * 16);
        p.drawArc(20, 8, 10, 16, -90 * 16, 180 * 16);
        break;
    case ToolGlyph::Email:
        p.drawRect(4, 8, 24, 16);
        p.drawLine(4, 8, 16, 18);
        p.drawLine(28, 8, 16, 18);
        break;
    }
}

} // namespace

QIcon toolGlyph(ToolGlyph glyph)
{
    // Both copies of the tool panel show the same glyphs; each is drawn once.
    const QString key = QStringLiteral("tessary-tool-glyph-%1").arg(static_cast<int>(glyph));
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return QIcon(picture);
    picture = QPixmap(Size, Size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter, glyph);
    painter.end();
    QPixmapCache::insert(key, picture);
    return QIcon(picture);
}
