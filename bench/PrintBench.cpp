// print-bench: times printing the whole address book to a PDF file through the print dialog and
// the report layer, against writing the same rows, each value after its caption as one plain text
// line, with QPainter on a QPdfWriter, in one process, alternating the two:
//   print-address  (target <= 1.5 times the plain lines)
// Each line reads
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= <t>)
// with the medians of the two times and of the pairwise ratios.
#include "bench/BenchSupport.h"
#include "platform/Database.h"
#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "reports/PrintForm.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

namespace {

const QByteArray AddressSelect =
    " select FirstName , LastName , Title , CompanyName , Address , City , Zip , Nation , "
    "OfficePhone , HomePhone ,  Fax , Mobile , Email \n from  address ";
const char* const Captions[] = {
    "FirstName:", "LastName:", "Title:",    "Company:", "Address:", "City:", "Zip:",
    "Nation:",    "Phone(O):", "Phone(H):", "Fax:",     "Mobile:",  "Email:"};

// No system printer, so the dialog offers its PDF file entry; the save dialog answers `file`.
class PdfOnly : public platform::printing::PrinterSystem, public platform::dialogs::Driver
{
public:
    explicit PdfOnly(QString file) : m_file(std::move(file)) {}
    platform::printing::PrinterList printers() override { return {}; }
    std::unique_ptr<platform::printing::Destination> openPrinter(const QString&) override
    {
        throw std::logic_error("no printer");
    }
    int answerMessage(const platform::dialogs::MessageRequest&) override { return platform::dialogs::Ok; }
    QString answerFolder(const platform::dialogs::FolderRequest&) override { return QString(); }
    bool shellOpen(const platform::dialogs::ShellRequest&) override { return false; }
    QString answerSaveFile(const platform::dialogs::SaveFileRequest&) override { return m_file; }

private:
    QString m_file;
};

// The rows as plain lines on A4 pages, 12.7 mm margins, in the reports' font.
void writeLines(bench::Database& database, const QString& file)
{
    QPdfWriter writer(file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    QFont font("Arial");
    font.setPointSize(10);
    painter.setFont(font);
    const double dpm = writer.resolution() / 25.4;
    const double lineHeight = painter.fontMetrics().height();
    const double top = 12.7 * dpm, bottom = (297 - 12.7) * dpm, left = 12.7 * dpm;
    double y = top;
    database.drain(AddressSelect, [&](sqlite3_stmt* row) {
        for (int c = 0; c < 13; ++c) {
            if (y + lineHeight > bottom) {
                writer.newPage();
                y = top;
            }
            const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(row, c));
            painter.drawText(QPointF(left, y + painter.fontMetrics().ascent()),
                             QLatin1String(Captions[c]) + ' ' + QString::fromUtf8(value ? value : ""));
            y += lineHeight;
        }
    });
}

void run(const QString& folder, int runs)
{
    const QString ours = folder + "address-report.pdf";
    const QString lines = folder + "address-lines.pdf";
    PdfOnly pdfOnly(ours);
    platform::printing::setPrinterSystem(&pdfOnly);
    platform::dialogs::setDriver(&pdfOnly);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadOnly);
    TADOConnection connection;
    connection.ConnectionString = "dbq=" + folder + "desktop.mdb";
    connection.Open();

    TPrintForm form;
    form.FReportKind = "Address";
    form.FSelection.connection = &connection;
    form.FSelection.addressPosition = 0;
    // Each run prints thousands of pages; a few runs give a steady median. Each side's file is removed
    // before it is timed, so the dialog asks nothing and a side that wrote nothing fails the check.
    const auto writing = [](const QString& file, const std::function<void()>& work) {
        return [&file, &work] {
            QFile::remove(file);
            return bench::millisecondsOf(work);
        };
    };
    const std::function<void()> print = [&] { form.OKButtonClick(); };
    const std::function<void()> plain = [&] { writeLines(reference, lines); };
    bench::compareTimed("print-address", 1.5, std::min(runs, 5), writing(ours, print), writing(lines, plain),
                        [&] {
                            if (QFileInfo(ours).size() == 0 || QFileInfo(lines).size() == 0)
                                throw std::runtime_error("a PDF file was not written");
                        });
    platform::dialogs::setDriver(nullptr);
    platform::printing::setPrinterSystem(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "print-bench",
                             "The folder's desktop.mdb should hold the seeded addresses.", run);
}
