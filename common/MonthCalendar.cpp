#include "common/MonthCalendar.h"

#include "common/MonthCalendarGrid.h"
#include "common/NameTables.h"
#include "common/widgets/DropDownCaptionButton.h"
#include "platform/Clock.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

const QColor HeaderBrush(0xCC, 0xCC, 0xCC);
const QColor HeaderText(0x80, 0x80, 0x80);
const QColor OtherMonthBrush(0xF0, 0xF0, 0xF0);
const QColor OtherMonthText(0xC4, 0xC4, 0xC4);
const QColor MonthBrush(0xE6, 0xE6, 0xE6);
const QColor SelectedBrush(75, 144, 128);
const QColor TodayText(Qt::red);

QFont pixelFont(const char* family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

MonthCalendarStyle MonthCalendarStyle::desktopFrame()
{
    MonthCalendarStyle style;
    style.strip = QRect(0, 0, 238, 15);
    style.leftButton = QRect(0, 0, 33, 15);
    style.monthButton = QRect(32, 0, 85, 15);
    style.yearButton = QRect(118, 0, 81, 15);
    style.rightButton = QRect(198, 0, 35, 15);
    style.grid = QRect(1, 15, 236, 115);
    style.cell = QSize(32, 15);
    style.stripColour = QColor(169, 206, 92);
    style.rightButtonName = "CalRightSpeedButton";
    style.buttonFont = pixelFont("MS UI Gothic", 13);
    style.gridFont = pixelFont("MS UI Gothic", 13);
    style.dayPointSize = 10;
    style.arrowsOnPress = true;
    style.rightClickOpensPopups = false;
    style.dropDownMarks = false;
    style.gridTabStop = true;
    return style;
}

MonthCalendarStyle MonthCalendarStyle::eventEditor()
{
    MonthCalendarStyle style;
    style.strip = QRect(1, 1, 155, 15);
    style.leftButton = QRect(0, 0, 23, 15);
    style.monthButton = QRect(22, 0, 63, 15);
    style.yearButton = QRect(86, 0, 47, 15);
    style.rightButton = QRect(132, 0, 23, 15);
    style.grid = QRect(1, 15, 154, 115);
    style.cell = QSize(21, 15);
    style.stripColour = QColor(169, 206, 92);
    style.rightButtonName = "RightSpeedButton";
    style.buttonFont = pixelFont("MS Sans Serif", 13);
    style.gridFont = pixelFont("MS UI Gothic", 13);
    style.dayPointSize = 10;
    style.arrowsOnPress = false;
    style.rightClickOpensPopups = true;
    style.dropDownMarks = true;
    style.gridTabStop = true;
    return style;
}

MonthCalendarStyle MonthCalendarStyle::goToDialog()
{
    MonthCalendarStyle style = eventEditor();
    style.leftButton = QRect(0, 0, 21, 15);
    style.monthButton = QRect(20, 0, 67, 15);
    style.rightButton = QRect(134, 0, 23, 15);
    style.grid = QRect(1, 15, 156, 115);
    style.buttonFont = pixelFont("MS Sans Serif", 11);
    style.gridFont = pixelFont("MS UI Gothic", 11);
    style.dayPointSize = 7;
    style.rightClickOpensPopups = false;
    return style;
}

MonthCalendarStyle MonthCalendarStyle::expenseEditor()
{
    MonthCalendarStyle style = eventEditor();
    style.gridTabStop = false;
    return style;
}

TMonthCalendar::TMonthCalendar(QFrame* panel, const MonthCalendarStyle& style)
    : QWidget(panel), m_style(style), m_dayFont("Arial", style.dayPointSize, QFont::Bold)
{
    setObjectName("MonthCalendar");
    setGeometry(panel->contentsRect());

    CalShape = new QFrame(this);
    CalShape->setObjectName("CalShape");
    CalShape->setGeometry(style.strip);
    CalShape->setAutoFillBackground(true);
    QPalette stripPalette = CalShape->palette();
    stripPalette.setColor(QPalette::Window, style.stripColour);
    CalShape->setPalette(stripPalette);

    CalLeftSpeedButton = makeButton("CalLeftSpeedButton", style.leftButton);
    CalLeftSpeedButton->setArrowType(Qt::LeftArrow);
    CalMonthSpeedButton = makeButton("CalMonthSpeedButton", style.monthButton, style.dropDownMarks);
    CalYearSpeedButton = makeButton("CalYearSpeedButton", style.yearButton, style.dropDownMarks);
    CalRightSpeedButton = makeButton(style.rightButtonName, style.rightButton);
    CalRightSpeedButton->setArrowType(Qt::RightArrow);

    CalStringGrid = new TMonthCalendarGrid(this, style.cell.width(), style.cell.height());
    CalStringGrid->setObjectName("CalStringGrid");
    CalStringGrid->setGeometry(style.grid);
    CalStringGrid->setFont(style.gridFont);
    if (!style.gridTabStop)
        CalStringGrid->setFocusPolicy(Qt::ClickFocus);

    CalMonthPopup = makePopup("CalMonthPopup", "Month", MonthItems);
    CalYearPopup = makePopup("CalYearPopup", "Year", YearItems);
}

QToolButton* TMonthCalendar::makeButton(const char* name, const QRect& place, bool dropDownMark)
{
    QToolButton* button = dropDownMark ? new TDropDownCaptionButton(this) : new QToolButton(this);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setAutoRaise(true);
    // Speed buttons never take the focus, so they act only on the mouse.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(m_style.buttonFont);
    QPalette buttonPalette = button->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::white);
    button->setPalette(buttonPalette);
    button->installEventFilter(this);
    return button;
}

QMenu* TMonthCalendar::makePopup(const char* name, const char* itemPrefix,
                                 std::array<QAction*, PopupItems>& items)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    for (int k = 0; k < PopupItems; ++k) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(itemPrefix + QString::number(k + 1));
        item->setData(k - PopupItems / 2);
        items[k] = item;
    }
    // Only the middle item, the shown month or year, carries a check mark.
    items[PopupItems / 2]->setCheckable(true);
    return menu;
}

void TMonthCalendar::setCaptions(const QDate& current)
{
    // Every cell the grids draw sets the captions again; an unchanged caption is left alone,
    // as setting a button's text lays the button out anew.
    const QString month = current.isValid() ? MonthNames[current.month()] : QString();
    const QString year = current.isValid() ? QString::number(current.year()) : QString();
    if (CalMonthSpeedButton->text() != month)
        CalMonthSpeedButton->setText(month);
    if (CalYearSpeedButton->text() != year)
        CalYearSpeedButton->setText(year);
}

void TMonthCalendar::fillMonthPopup(const QDate& current)
{
    // A month past the calendars' days is not offered.
    for (int k = 0; k < PopupItems; ++k) {
        const std::optional<QDate> month = MonthGrid::shifted(current, k - PopupItems / 2);
        MonthItems[k]->setVisible(month.has_value());
        if (month)
            MonthItems[k]->setText(MonthNames[month->month()] + "  " + QString::number(month->year()));
    }
    MonthItems[PopupItems / 2]->setChecked(true);
}

void TMonthCalendar::fillYearPopup(const QDate& current)
{
    for (int k = 0; k < PopupItems; ++k) {
        const std::optional<QDate> year = MonthGrid::shifted(current, 12 * (k - PopupItems / 2));
        YearItems[k]->setVisible(year.has_value());
        if (year)
            YearItems[k]->setText(QString::number(year->year()));
    }
    YearItems[PopupItems / 2]->setChecked(true);
}

void TMonthCalendar::openMonthPopup(const QDate& current)
{
    fillMonthPopup(current);
    popupAtButton(CalMonthPopup, CalMonthSpeedButton);
}

void TMonthCalendar::openYearPopup(const QDate& current)
{
    fillYearPopup(current);
    popupAtButton(CalYearPopup, CalYearSpeedButton);
}

std::optional<int> TMonthCalendar::popupTag(QObject* sender)
{
    if (auto* item = qobject_cast<QAction*>(sender))
        return item->data().toInt();
    return std::nullopt;
}

void TMonthCalendar::popupAtButton(QMenu* menu, QToolButton* button)
{
    // The button's position in its parent, read as a point inside the button itself: the
    // popup opens that far right of (and below) the button's corner, where users know it.
    menu->popup(button->mapToGlobal(button->pos()));
}

void TMonthCalendar::drawCell(QPainter& painter, int col, int row, const QRect& rect,
                              const MonthGrid::CellDates& cells, const QDate& currentDate, int selRow,
                              int selCol) const
{
    QColor brush = HeaderBrush;
    QColor text = HeaderText;
    QFont font = m_style.gridFont;
    QString caption = WeekdayInitials[col];
    if (row > 0) {
        const QDate date = cells[MonthGrid::cellIndex(col, row)];
        font = m_dayFont;
        if (date.month() != currentDate.month()) {
            brush = OtherMonthBrush;
            text = OtherMonthText;
        } else if (col == selCol && row == selRow) {
            brush = SelectedBrush;
            text = Qt::white;
        } else {
            brush = MonthBrush;
            text = Qt::black;
        }
        if (date == platform::clock::today())
            text = TodayText;
        caption = date.isValid() ? QString::number(date.day()) : QString();
    }
    painter.fillRect(rect, brush);
    painter.setFont(font);
    painter.setPen(text);
    const QFontMetrics metrics(font);
    // Centred on the column's width by whole pixels, the text's top two pixels below the cell's.
    const int x = rect.left() + (m_style.cell.width() - metrics.horizontalAdvance(caption)) / 2;
    painter.drawText(x, rect.top() + 2 + metrics.ascent(), caption);
}

bool TMonthCalendar::eventFilter(QObject* watched, QEvent* event)
{
    const bool arrow = watched == CalLeftSpeedButton || watched == CalRightSpeedButton;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (arrow && press == m_style.arrowsOnPress) {
            if (watched == CalLeftSpeedButton)
                emit leftArrow();
            else
                emit rightArrow();
        } else if (!press && watched == CalMonthSpeedButton)
            emit monthButtonUp();
        else if (!press && watched == CalYearSpeedButton)
            emit yearButtonUp();
        break;
    }
    case QEvent::ContextMenu:
        if (m_style.rightClickOpensPopups &&
            (watched == CalMonthSpeedButton || watched == CalYearSpeedButton)) {
            QMenu* menu = watched == CalMonthSpeedButton ? CalMonthPopup : CalYearPopup;
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
