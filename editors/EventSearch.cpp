#include "editors/EventSearch.h"

#include <QPainter>
#include <QPixmap>
#include <QUrl>

namespace eventsearch {

const std::array<Service, ServiceCount>& services()
{
    static const std::array<Service, ServiceCount> list = {{
        {"Wiki", "https://en.wikipedia.org/w/index.php?title="},
        {"Bing", "https://www.bing.com/search?q="},
        {"Yahoo", "https://search.yahoo.com/search?p="},
    }};
    return list;
}

QString address(int index, const QString& term)
{
    if (index < 0 || index >= ServiceCount)
        return QString();
    // Encoded, "&", "#", "+", "%" and line breaks in the text stay part of the value instead of
    // ending it or starting another parameter.
    return QString::fromLatin1(services()[index].address) +
           QString::fromLatin1(QUrl::toPercentEncoding(term));
}

QIcon icon(int index)
{
    static const QColor colours[ServiceCount] = {QColor(90, 90, 90), QColor(0, 120, 215), QColor(96, 1, 210)};
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    if (index < 0 || index >= ServiceCount)
        return QIcon(picture);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours[index]);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter,
                     QString(QChar::fromLatin1(services()[index].caption[0])));
    painter.end();
    return QIcon(picture);
}

} // namespace eventsearch
