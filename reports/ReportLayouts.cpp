// The report layouts: bands and elements in millimetres within their band.
#include "reports/ReportLayouts.h"

using report::BandKind;
using report::Element;
using report::ElementKind;

namespace {

const QString Arial = QStringLiteral("Arial");
// The classic desktop's active-border colour.
const QColor ActiveBorder(180, 180, 180);

Element label(const char* name, const QString& caption, double left, double top, const QFont& font)
{
    Element element;
    element.name = name;
    element.text = caption;
    element.left = left;
    element.top = top;
    element.font = font;
    return element;
}

// A data text; the builders bind its column.
Element dataText(const char* name, double left, double top, const QFont& font)
{
    Element element = label(name, QString(), left, top, font);
    element.kind = ElementKind::DataText;
    return element;
}

report::PageSetup pageSetup(double margin, double bandWidth, platform::printing::PaperSource source)
{
    return {margin, margin, margin, margin, bandWidth, source};
}

// "Page " and the page number at the left, the date and time further right.
void addPageFooter(report::Report& report, double left, double top)
{
    report.addBand(BandKind::PageFooter, 6.3);
    Element page = label("QRPageNumber", "Page ", left, top, report::font(Arial, 10));
    page.kind = ElementKind::PageNumber;
    report.add(page);
    Element stamp = label("QRDateTime", QString(), 143.9, top, report::font(Arial, 10));
    stamp.kind = ElementKind::DateTime;
    report.add(stamp);
}

// The list reports' set-up and title: a caption over a heavy rule.
void listReportStart(report::Report& report, double bandWidth, const QString& jobTitle, double titleHeight,
                     const QString& caption, double left, double top)
{
    report.page = pageSetup(10.0, bandWidth, platform::printing::PaperSource::Automatic);
    report.jobTitle = jobTitle;
    report::Band& title = report.addBand(BandKind::Title, titleHeight);
    title.bottomRule = 5;
    report.add(label("QRLabel2", caption, left, top, report::font(Arial, 18, true)));
}

} // namespace

TReportDateForm::TReportDateForm()
{
    Report.page = pageSetup(12.7, 184.7, platform::printing::PaperSource::FirstBin);
    Report.jobTitle = "Tessary Printing Schedule";

    Report.addBand(BandKind::Title, 13.8);
    Report.add(label("QRLabel2", "Date Book ", 3.7, 1.6, report::font(Arial, 18, true)));
    Report.add(label("QRTitleSelectDateLabel", QString(), 154.0, 2.6, report::font(Arial, 14, true)));

    report::Band& header = Report.addBand(BandKind::ColumnHeader, 10.1);
    header.fill = ActiveBorder;
    header.bottomRule = 1;
    Report.add(label("SelectDateQRLabel", QString(), 65.6, 2.1, report::font(Arial, 10, true)));

    Report.addBand(BandKind::Detail, 22.2);
    Element start = dataText("QRDBStartText", 2.1, 0.5, report::font(Arial, 8));
    start.mask = "hh:mm AM/PM";
    Report.add(start);
    Element dash = label("QRLabel1", "-", 24.3, -0.5, report::font(Arial, 12));
    dash.width = 4.0;
    Report.add(dash);
    Element end = dataText("QRDBEndText", 30.7, 0.5, report::font(Arial, 8));
    end.mask = "hh:mm AM/PM";
    Report.add(end);
    Element memo = dataText("MemoQRDBText", 87.8, 0.5, report::font(Arial, 10));
    memo.width = 96.0;
    memo.height = 15.6;
    memo.wordWrap = true;
    Report.add(memo);

    addPageFooter(Report, 2.1, 1.1);
}

TReportAddressForm::TReportAddressForm()
{
    Report.page = pageSetup(12.7, 184.7, platform::printing::PaperSource::FirstBin);
    Report.jobTitle = "Tessary Printing Address ";

    Report.addBand(BandKind::Title, 10.6);
    Report.add(label("QRLabel3", "Address Book ", 3.7, 2.1, report::font(Arial, 16, true)));
    Report.addBand(BandKind::ColumnHeader, 6.1);

    Report.addBand(BandKind::Detail, 40.7);
    const QFont caption = report::font(Arial, 10, true);
    const QFont value = report::font(Arial, 10);
    const struct
    {
        const char* caption;
        double captionLeft;
        const char* name;
        double valueLeft;
        double top;
    } places[] = {
        {"FirstName:", 4.2, "QRFirstName", 28.6, 2.6},
        {"LastName:", 4.2, "QRLastName", 28.6, 7.9},
        {"Company:", 4.2, "QRCompanyName", 28.6, 13.2},
        {"Title:", 4.2, "QRTitle", 28.6, 19.1},
        {"Phone(O):", 4.2, "QROfficePhone", 28.6, 25.4},
        {"Phone(H):", 4.2, "QRHomePhone", 28.6, 32.3},
        {"Fax:", 76.2, "QRFax", 102.1, 2.6},
        {"Mobile:", 76.2, "QRMobile", 102.1, 7.9},
        {"Email:", 76.2, "QREmail", 102.1, 13.2},
        {"City:", 152.9, "QRCity", 163.0, 7.9},
        {"Zip:", 152.9, "QRZip", 163.0, 13.2},
        {"Nation:", 152.9, "QRNation", 163.0, 19.1},
    };
    for (const auto& place : places) {
        Report.add(label("", place.caption, place.captionLeft, place.top, caption));
        Report.add(dataText(place.name, place.valueLeft, place.top, value));
    }
    // The address goes below its caption and may take several lines.
    Report.add(label("", "Address:", 76.2, 19.1, caption));
    Element address = dataText("QRAddress", 76.2, 23.3, value);
    address.wordWrap = true;
    address.height = 16.7;
    Report.add(address);

    addPageFooter(Report, 2.1, 1.1);
}

TReportMemoQr::TReportMemoQr()
{
    listReportStart(Report, 190.2, "Tessary Printing Memo ", 15.5, "Memo ", 4.3, 3.0);

    Report.addBand(BandKind::Detail, 44.3);
    Element memo = dataText("QRMMemoName", 4.6, 4.0, report::font(Arial, 10));
    memo.wordWrap = true;
    Report.add(memo);

    addPageFooter(Report, 2.0, 1.0);
}

TReportExpenseQR::TReportExpenseQR()
{
    listReportStart(Report, 190.0, "Tessary Printing Expense ", 15.6, "Expense List ", 4.2, 2.9);

    Report.addBand(BandKind::ColumnHeader, 10.6);
    const QFont head = report::font(Arial, 12, true);
    Report.add(label("QRLabel1", "PayDate", 5.8, 2.9, head));
    Report.add(label("QRLabel3", "Item", 38.6, 2.9, head));
    Report.add(label("QRLabel4", "Amount", 159.3, 2.9, head));

    Report.addBand(BandKind::Detail, 10.6);
    const QFont value = report::font(Arial, 10);
    Report.add(dataText("QRPayDateName", 5.8, 2.1, value));
    Report.add(dataText("QRItemName", 39.2, 2.1, value));
    Report.add(dataText("QRAmountName", 159.3, 3.2, value));

    addPageFooter(Report, 2.1, 1.1);
}
