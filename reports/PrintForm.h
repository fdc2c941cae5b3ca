#pragma once

// The print dialog: the user chooses a printer and a number of copies, and OK prints the report
// that the caller named, each copy as a job of its own, then closes the dialog. The print
// commands create it anew for every use, set what the reports read from the desktop frame and
// show it modally.

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TADOConnection;
class TADOQuery;

namespace platform::printing {
class Printer;
}
namespace report {
class Report;
}

// What the reports read from the desktop frame, handed over by the print command.
struct TPrintSelection
{
    TADOConnection* connection = nullptr;
    // The address filter's position (0 "All", k the k-th category, -1 no entry shown) and the ids
    // of the address category cache, in cache order.
    int addressPosition = -1;
    QList<int> addressCategoryIds;
    // The hidden id texts of the selected rows, in list order.
    QStringList memoIds;
    QStringList expenseIds;
};

class TPrintForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPrintForm(QWidget* parent = nullptr);

    // "Date", "Address", "Memo" or "Expense"; any other text prints nothing.
    QString FReportKind;
    // The day whose schedule the "Date" report prints.
    QDate FPrintDate;
    TPrintSelection FSelection;

    QGroupBox* lePrinter;
    QLabel* lePrinterName;
    QComboBox* PrintComboBox;
    QLabel* lePrinterState;
    QLabel* StatusLabel;
    QGroupBox* leCopyOptions;
    QLabel* leNumberofCopy;
    QSpinBox* CopyEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    void FormCreate();
    void OKButtonClick();
    void CancelButtonClick();

    // Each prints its report once per copy; false when the user cancelled the choice of a file.
    bool PrintSchedule(platform::printing::Printer& printer);
    bool PrintAddressBook(platform::printing::Printer& printer);
    bool PrintMemos(platform::printing::Printer& printer);
    bool PrintExpenses(platform::printing::Printer& printer);

private:
    void createComponents();
    void connectEvents();
    // The copies to print: the copy field's text, 1 where it holds no number.
    int copyCount() const;
    // Asks for the PDF file of the "PDF File" entry, then whether to replace the files of `copies`
    // copies that exist already; empty when the user said no to either.
    QString askPdfFile(const report::Report& report, int copies);
    // Makes the dialog's printer the current one and prints the copies.
    bool printCopies(platform::printing::Printer& printer, const report::Report& report, TADOQuery* rows);
};
