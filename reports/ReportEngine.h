#pragma once

// A small banded report layer: a report is a page set-up and bands of elements, positioned in
// millimetres; print() runs it over the rows of a query as one print job.
//
// Flow: the title band prints once, at the top of the first page; the column header at the top
// of every page (below the title on the first); one detail band per row, in the query's order,
// starting a new page when the next band would reach the page footer; the page footer at the
// bottom of every page, the last included. A report without rows still prints its title,
// column header and footer. A detail band taller than a whole page prints on a page of its own.
//
// Elements and the choices this layer makes where a report does not say:
// - A label shows its caption, a data text the value of its column in the current row: a
//   date-time column through its mask where it has one (DisplayMask.h), otherwise as the
//   database layer writes the value (short date, time only when not midnight; numbers with the
//   locale's decimal separator, so an amount shows as the expense list shows it).
// - The page number shows its caption followed by the page's number ("Page 3"); the date-time
//   shows the moment the job started, from the platform's clock, as the locale's short date and
//   long time with a blank between.
// - Width 0 is an auto-width element: one line as wide as its text. With word wrap it wraps at
//   the band's right edge instead. Height 0 means one line, or with word wrap down to the
//   band's bottom.
// - A fixed box (or a wrapping element) shows the lines that fit whole in it; the rest is cut,
//   and a line too wide for the box is clipped at its edge. Line breaks in a value are kept.
// - A rule's width is given in the layouts' units of screen pixels, each 1/96 inch.
// - Fonts are named as the layouts name them; the application maps "Arial" to a face with the
//   same metrics where one is installed (docs/platform.md).

#include "platform/Printers.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

class TADOQuery;

namespace report {

enum class BandKind { Title, ColumnHeader, Detail, PageFooter };
enum class ElementKind { Label, DataText, PageNumber, DateTime };

struct Element
{
    QString name;
    ElementKind kind = ElementKind::Label;
    double left = 0; // mm within the band
    double top = 0;
    double width = 0; // 0: auto width
    double height = 0;
    QFont font;
    bool wordWrap = false;
    QString text;  // a label's caption; the prefix of a page number or date-time
    QString field; // a data text's column
    QString mask;  // a data text's date-time mask; empty: the column's own text
};

struct Band
{
    BandKind kind = BandKind::Detail;
    double height = 0; // mm
    QColor fill = Qt::white;
    int bottomRule = 0; // width in screen pixels of a rule along the bottom edge; 0: none
    std::vector<Element> elements;
};

// A4 portrait; margins and band width in millimetres.
struct PageSetup
{
    double top = 0;
    double bottom = 0;
    double left = 0;
    double right = 0;
    double bandWidth = 0;
    platform::printing::PaperSource paperSource = platform::printing::PaperSource::Automatic;
};

constexpr double PaperHeight = 297.0;

// A font in points, as the layouts give them.
QFont font(const QString& family, double points, bool bold = false);

class Report
{
public:
    PageSetup page;
    QString jobTitle;
    std::vector<Band> bands;

    Band& addBand(BandKind kind, double height);
    // Adds an element to the band added last.
    Element& add(Element element);
    // The element of that name; raises std::logic_error when the layout has none.
    Element& element(const QString& name);
    const Band* band(BandKind kind) const;
};

// Prints one copy of the report on the job's pages. `rows` may be null or closed: no rows.
void print(const Report& report, TADOQuery* rows, platform::printing::Job& job);

} // namespace report
