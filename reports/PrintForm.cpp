#include "reports/PrintForm.h"

#include "common/SharedTexts.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "reports/ReportEngine.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace {

const QString PdfSuffix = QStringLiteral(".pdf");
const QString ServiceUnreachable = QStringLiteral("print service unreachable");
const QString ReplaceQuestion =
    QStringLiteral("These files exist already and will be replaced:\n%1\n\nReplace them?");

// Where copy `copy` of `copies` goes: the chosen file for a single copy, else the chosen name with
// "-k" before its suffix.
QString copyFileName(const QString& chosen, int copy, int copies)
{
    if (copies == 1)
        return chosen;
    return chosen.left(chosen.size() - PdfSuffix.size()) + '-' + QString::number(copy) + PdfSuffix;
}

} // namespace

TPrintForm::TPrintForm(QWidget* parent) : QDialog(parent)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TPrintForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TPrintForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TPrintForm::CancelButtonClick));
}

void TPrintForm::FormCreate()
{
    setWindowTitle(SharedTexts::load(65109));
    lePrinter->setTitle(SharedTexts::load(65110));
    lePrinterName->setText(SharedTexts::load(65111));
    lePrinterState->setText(SharedTexts::load(65112));
    leCopyOptions->setTitle(SharedTexts::load(65113));
    leNumberofCopy->setText(SharedTexts::load(65114));
    OKButton->setText(SharedTexts::load(65099));
    CancelButton->setText(SharedTexts::load(65100));
    for (QLabel* caption : {lePrinterName, lePrinterState, leNumberofCopy})
        caption->adjustSize();

    // Read once: each reading may wait on a print service that does not answer.
    platform::printing::Printer& printer = platform::printing::printer();
    const platform::printing::PrinterEntries entries = printer.entries();
    PrintComboBox->addItems(entries.names);
    PrintComboBox->setCurrentIndex(entries.index);
    StatusLabel->setText(entries.noAnswer.isEmpty() ? SharedTexts::load(printer.printing() ? 65115 : 65116)
                                                    : ServiceUnreachable);
    StatusLabel->adjustSize();
}

void TPrintForm::OKButtonClick()
{
    platform::printing::Printer& printer = platform::printing::printer();
    bool done = true;
    if (FReportKind == QLatin1String("Date"))
        done = PrintSchedule(printer);
    if (FReportKind == QLatin1String("Address"))
        done = PrintAddressBook(printer);
    if (FReportKind == QLatin1String("Memo"))
        done = PrintMemos(printer);
    if (FReportKind == QLatin1String("Expense"))
        done = PrintExpenses(printer);
    // Without a file to print to nothing was printed, and the user may choose again.
    if (!done)
        return;
    accept();
}

void TPrintForm::CancelButtonClick()
{
    reject();
}

int TPrintForm::copyCount() const
{
    // The field's text as shown: the spin box fixes its value up only when the field loses the
    // focus, which a click on OK need not take from it.
    bool isNumber = false;
    const int typed = CopyEdit->cleanText().toInt(&isNumber);
    return isNumber ? std::clamp(typed, CopyEdit->minimum(), CopyEdit->maximum()) : 1;
}

QString TPrintForm::askPdfFile(const report::Report& report, int copies)
{
    QString file = platform::dialogs::saveFileName(
        this, SharedTexts::load(65109), QDir::home().filePath(report.jobTitle.trimmed() + PdfSuffix),
        "PDF files (*.pdf)");
    if (file.isEmpty())
        return QString();
    if (!file.endsWith(PdfSuffix, Qt::CaseInsensitive))
        file += PdfSuffix;
    // The file dialog knows neither the suffix added nor the copies' names, so the question is ours.
    QStringList existing;
    for (int copy = 1; copy <= copies; ++copy)
        if (QFileInfo::exists(copyFileName(file, copy, copies)))
            existing.append(QDir::toNativeSeparators(copyFileName(file, copy, copies)));
    if (!existing.isEmpty() && platform::dialogs::messageBox(
                                   this, ReplaceQuestion.arg(existing.join('\n')), SharedTexts::load(65109),
                                   platform::dialogs::Icon::Question,
                                   platform::dialogs::Yes | platform::dialogs::No) != platform::dialogs::Yes)
        return QString();
    return file;
}

bool TPrintForm::printCopies(platform::printing::Printer& printer, const report::Report& report,
                             TADOQuery* rows)
{
    printer.setPrinterIndex(PrintComboBox->currentIndex());
    // The job goes to the entry shown, whatever the system's list has become since.
    const QString printerName = PrintComboBox->currentText();
    const int copies = copyCount();
    QString file;
    if (printerName == platform::printing::pdfFileEntryName()) {
        file = askPdfFile(report, copies);
        if (file.isEmpty())
            return false;
    }
    // Each request to the print service may wait on a slow one: the printer is looked up once for
    // all the copies, and the cursor is busy until the last one has gone out.
    const BusyCursor busy;
    platform::printing::PrintRun run = printer.beginPrint(printerName);
    for (int copy = 1; copy <= copies; ++copy) {
        const auto job =
            run.beginJob({report.jobTitle, report.page.paperSource}, copyFileName(file, copy, copies));
        report::print(report, rows, *job);
        job->finish();
    }
    return true;
}
