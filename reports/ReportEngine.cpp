#include "reports/ReportEngine.h"

#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Locale.h"
#include "reports/DisplayMask.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <stdexcept>

namespace report {

QFont font(const QString& family, double points, bool bold)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

Band& Report::addBand(BandKind kind, double height)
{
    Band band;
    band.kind = kind;
    band.height = height;
    bands.push_back(std::move(band));
    return bands.back();
}

Element& Report::add(Element element)
{
    if (bands.empty())
        throw std::logic_error("an element needs a band");
    bands.back().elements.push_back(std::move(element));
    return bands.back().elements.back();
}

Element& Report::element(const QString& name)
{
    for (Band& band : bands)
        for (Element& element : band.elements)
            if (element.name == name)
                return element;
    throw std::logic_error("the report has no element " + name.toStdString());
}

const Band* Report::band(BandKind kind) const
{
    for (const Band& band : bands)
        if (band.kind == kind)
            return &band;
    return nullptr;
}

namespace {

constexpr double MmPerScreenPixel = 25.4 / 96.0;
constexpr double UnboundedWidth = 1e6;

class Renderer
{
public:
    Renderer(const Report& report, TADOQuery* rows, platform::printing::Job& job)
        : m_report(report), m_page(report.page), m_rows(rows && rows->Active() ? rows : nullptr), m_job(job),
          m_painter(job.painter()), m_dpm(job.dotsPerMm())
    {
        const QDateTime now = platform::clock::now();
        m_stamp = platform::locale::dateToStr(now.date()) + ' ' + platform::locale::timeToStr(now.time());
        for (const Band& band : report.bands)
            m_orders.push_back(drawingOrder(band));
    }

    void run()
    {
        const Band* detail = m_report.band(BandKind::Detail);
        const Band* footer = m_report.band(BandKind::PageFooter);
        const double footerTop = PaperHeight - m_page.bottom - (footer ? footer->height : 0);
        double y = startPage();
        double pageStart = y;
        if (detail && m_rows) {
            for (m_rows->First(); !m_rows->Eof(); m_rows->Next()) {
                if (y + detail->height > footerTop && y > pageStart) {
                    endPage(footer, footerTop);
                    m_job.newPage();
                    ++m_pageNumber;
                    y = pageStart = startPage();
                }
                draw(*detail, y);
                y += detail->height;
            }
        }
        endPage(footer, footerTop);
    }

private:
    // An element with the index of its font.
    struct Step
    {
        const Element* element;
        int font;
    };

    // Each font switch costs the painter a font look-up, so a band draws its elements one font at
    // a time. An element still follows every earlier one whose lines share some of its height: a
    // text may run into its neighbour, and where texts overlap the band's later one lies on top.
    std::vector<Step> drawingOrder(const Band& band)
    {
        const std::vector<Element>& elements = band.elements;
        std::vector<int> fonts;
        std::vector<double> tops, bottoms;
        for (const Element& element : elements) {
            fonts.push_back(fontIndex(element.font));
            tops.push_back(px(element.top));
            // The first line shows even where the box is lower.
            bottoms.push_back(tops.back() +
                              std::max(boxHeight(element, band), metricsOf(element).lineHeight));
        }
        std::vector<bool> drawn(elements.size(), false);
        const auto unblocked = [&](size_t i) {
            for (size_t j = 0; j < i; ++j)
                if (!drawn[j] && tops[j] < bottoms[i] && tops[i] < bottoms[j])
                    return false;
            return true;
        };
        std::vector<Step> order;
        for (size_t first = 0; first < elements.size();) {
            const int font = fonts[first];
            for (size_t i = first; i < elements.size(); ++i) {
                if (!drawn[i] && fonts[i] == font && unblocked(i)) {
                    drawn[i] = true;
                    order.push_back({&elements[i], font});
                }
            }
            while (first < elements.size() && drawn[first])
                ++first;
        }
        return order;
    }

    int fontIndex(const QFont& font)
    {
        const auto found = std::find(m_fonts.begin(), m_fonts.end(), font);
        if (found != m_fonts.end())
            return int(found - m_fonts.begin());
        m_fonts.push_back(font);
        return int(m_fonts.size()) - 1;
    }

    // Title (first page only) and column header; the top of the details.
    double startPage()
    {
        double y = m_page.top;
        for (BandKind kind : {BandKind::Title, BandKind::ColumnHeader}) {
            const Band* band = m_report.band(kind);
            if (!band || (kind == BandKind::Title && m_pageNumber > 1))
                continue;
            draw(*band, y);
            y += band->height;
        }
        return y;
    }

    void endPage(const Band* footer, double footerTop)
    {
        if (footer)
            draw(*footer, footerTop);
    }

    double px(double mm) const { return mm * m_dpm; }

    void draw(const Band& band, double topMm)
    {
        const QRectF area(px(m_page.left), px(topMm), px(m_page.bandWidth), px(band.height));
        if (band.fill != Qt::white)
            m_painter.fillRect(area, band.fill);
        if (band.bottomRule > 0) {
            const double rule = px(band.bottomRule * MmPerScreenPixel);
            m_painter.fillRect(QRectF(area.left(), area.bottom() - rule, area.width(), rule), Qt::black);
        }
        for (const Step& step : m_orders[&band - m_report.bands.data()])
            drawElement(*step.element, step.font, band, area.topLeft());
    }

    QString textOf(const Element& element) const
    {
        switch (element.kind) {
        case ElementKind::Label:
            return element.text;
        case ElementKind::PageNumber:
            return element.text + QString::number(m_pageNumber);
        case ElementKind::DateTime:
            return element.text + m_stamp;
        case ElementKind::DataText:
            break;
        }
        if (!m_rows || m_rows->Eof())
            return QString();
        const TField field = m_rows->FieldByName(element.field);
        if (element.mask.isEmpty() || field.IsNull())
            return field.AsString();
        return formatDateTime(element.mask, field.AsDateTime());
    }

    struct Metrics
    {
        double ascent = 0;
        double lineHeight = 0;
    };

    const Metrics& metricsOf(const Element& element)
    {
        auto found = m_metrics.constFind(&element);
        if (found == m_metrics.constEnd()) {
            const QFontMetricsF metrics(element.font, m_painter.device());
            found = m_metrics.insert(&element, {metrics.ascent(), metrics.height()});
        }
        return *found;
    }

    void useFont(int font)
    {
        if (m_font != font) {
            m_painter.setFont(m_fonts[font]);
            m_font = font;
        }
    }

    void drawElement(const Element& element, int font, const Band& band, const QPointF& bandOrigin)
    {
        const QString text = textOf(element);
        if (text.isEmpty())
            return;
        useFont(font);
        const QPointF at = bandOrigin + QPointF(px(element.left), px(element.top));
        const Metrics& metrics = metricsOf(element);
        // The common case, one line as wide as its text, needs no layout of its own.
        if (element.width == 0 && !element.wordWrap && !text.contains('\n')) {
            m_painter.drawText(at + QPointF(0, metrics.ascent), text);
            return;
        }
        const double width = element.width > 0  ? px(element.width)
                             : element.wordWrap ? px(m_page.bandWidth - element.left)
                                                : 0;
        drawBox(element, text, QRectF(at, QSizeF(width, boxHeight(element, band))));
    }

    double boxHeight(const Element& element, const Band& band)
    {
        return element.height > 0 ? px(element.height)
               : element.wordWrap ? px(band.height - element.top)
                                  : metricsOf(element).lineHeight;
    }

    // The lines of `text` that fit whole in the box (at least the first), clipped at its edges.
    // A box of width 0 grows with its text.
    void drawBox(const Element& element, QString text, const QRectF& box)
    {
        text.remove('\r');
        text.replace('\n', QChar::LineSeparator);
        QTextLayout layout(text, element.font, m_painter.device());
        QTextOption option;
        option.setWrapMode(element.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                            : QTextOption::NoWrap);
        layout.setTextOption(option);
        int kept = 0;
        double lineTop = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(element.wordWrap ? box.width() : UnboundedWidth);
            if (kept > 0 && lineTop + line.height() > box.height())
                break;
            line.setPosition(QPointF(0, lineTop));
            lineTop += line.height();
            ++kept;
        }
        layout.endLayout();
        const bool clip = box.width() > 0;
        if (clip) {
            m_painter.save();
            m_painter.setClipRect(box);
        }
        for (int i = 0; i < kept; ++i)
            layout.lineAt(i).draw(&m_painter, box.topLeft());
        if (clip)
            m_painter.restore();
    }

    const Report& m_report;
    const PageSetup& m_page;
    TADOQuery* m_rows;
    platform::printing::Job& m_job;
    QPainter& m_painter;
    double m_dpm;
    QString m_stamp;
    int m_pageNumber = 1;
    QHash<const Element*, Metrics> m_metrics;
    std::vector<QFont> m_fonts;              // the report's distinct fonts
    std::vector<std::vector<Step>> m_orders; // by band, in the report's order
    int m_font = -1;                         // the painter's font, an index into m_fonts
};

} // namespace

void print(const Report& report, TADOQuery* rows, platform::printing::Job& job)
{
    Renderer(report, rows, job).run();
}

} // namespace report
