#pragma once

// The program's one printer object: the installed printers in the system's order, the current
// printer (kept for later print dialogs), the flag that a job is in progress, and print jobs.
// The printers are listed by the system's print service (CUPS) through Qt; a job is drawn into a
// temporary PDF that CUPS is handed through libcups, so that a queue refusing it is an error. Where
// the system has no printer, the list holds one entry that writes each job to a PDF file instead.
//
// Tests install a PrinterSystem of their own, so that no test lists or prints to a real printer.

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

class QPainter;
class QPagedPaintDevice;

namespace platform::printing {

// Raised when a job cannot start or be completed; the job is then aborted.
class PrintError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

enum class PaperSource { FirstBin, Automatic };

// Every job is one copy on A4 portrait paper, drawn on the whole sheet (no device margins), so
// that positions in millimetres are measured from the paper's corner.
struct JobSetup
{
    QString title; // the job's name in the print queue, or the PDF's title
    PaperSource paperSource = PaperSource::Automatic;
};

// One job in progress. Destroying a job that was not finished aborts it: nothing of it is
// printed, and a PDF file is not written.
class Job
{
public:
    virtual ~Job() = default;
    virtual QPainter& painter() = 0;
    // Device pixels per millimetre.
    virtual double dotsPerMm() const = 0;
    virtual void newPage() = 0;
    // Completes the job; raises PrintError when the printer or the file refused it.
    virtual void finish() = 0;
};

// A job that writes a PDF file; the file appears, whole, only when the job finishes.
std::unique_ptr<Job> openPdfJob(const QString& path, const JobSetup& setup);

struct SystemPrinter
{
    QString name;
    bool isDefault = false;
};

// Where printers and their jobs come from.
class PrinterSystem
{
public:
    virtual ~PrinterSystem() = default;
    // The installed printers in the system's order.
    virtual QList<SystemPrinter> printers() = 0;
    virtual std::unique_ptr<Job> openJob(const QString& printerName, const JobSetup& setup) = 0;
};

// nullptr restores the system's print service. Either way the printer object starts afresh.
void setPrinterSystem(PrinterSystem* system);

// The name of the entry that prints to a PDF file where the system has no printer.
QString pdfFileEntryName();

class Printer
{
public:
    // The printers' names, read from the system on each call.
    QStringList printers() const;
    // At first the system's default printer, else the first one.
    int printerIndex() const;
    // An index outside the list (-1 among them) chooses the system's default printer again.
    void setPrinterIndex(int index);
    bool printing() const { return m_printing; }

    // Starts a job on the printer named `printerName`, an entry of printers(): the PDF file entry
    // writes to `pdfPath`, a system printer is given the job by its name. A system printer that is
    // no longer installed raises PrintError, whatever took its place in the list.
    std::unique_ptr<Job> beginJob(const QString& printerName, const JobSetup& setup, const QString& pdfPath);

private:
    friend class PrintingFlag;
    // The current index within `list`: the choice, else the default printer, else 0.
    int indexIn(const QList<SystemPrinter>& list) const;

    int m_index = -1; // -1: not chosen yet
    bool m_printing = false;
};

// The program's printer object.
Printer& printer();

} // namespace platform::printing
