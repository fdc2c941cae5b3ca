#pragma once

// The program's one printer object: the installed printers in the system's order, the current
// printer (kept for later print dialogs), the flag that a job is in progress, and print jobs.
// The printers are listed by the system's print service (CUPS) through libcups, on a connection
// whose waits for an answer are bounded (platform/CupsConnection.h); a job is drawn into a temporary
// PDF that CUPS is handed the same way, so that a queue refusing it is an error. Where the system
// has no printer, or its print service does not answer, the list holds one entry that writes each
// job to a PDF file instead.
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
    QString name; // a CUPS queue, or "queue/instance"
    bool isDefault = false;
};

// The installed printers in the system's order; none when the print service did not answer.
struct PrinterList
{
    QList<SystemPrinter> printers;
    QString noAnswer; // empty when the print service answered; else why it did not
};

// A printer looked up once for the copies of one print, each copy a job of its own; its jobs end
// before it does.
class Destination
{
public:
    virtual ~Destination() = default;
    virtual std::unique_ptr<Job> openJob(const JobSetup& setup) = 0;
};

// Where printers and their jobs come from.
class PrinterSystem
{
public:
    virtual ~PrinterSystem() = default;
    virtual PrinterList printers() = 0;
    // The printer named `printerName` as the system lists it now. Raises PrintError when the list
    // lacks it (printerGone) or the service did not answer (serviceNotAnswering).
    virtual std::unique_ptr<Destination> openPrinter(const QString& printerName) = 0;
};

// nullptr restores the system's print service. Either way the printer object starts afresh.
void setPrinterSystem(PrinterSystem* system);

// The name of the entry that prints to a PDF file where the system has no printer.
QString pdfFileEntryName();

// The errors of a job for a printer that the print service answered without, or did not answer for
// (`reason` says how).
PrintError printerGone(const QString& printerName);
PrintError serviceNotAnswering(const QString& printerName, const QString& reason);

// The printers as a print dialog shows them, read from the system once.
struct PrinterEntries
{
    // The printers' names; the PDF file entry alone where the system lists none.
    QStringList names;
    // The current printer: at first the system's default printer, else the first one.
    int index = 0;
    // Empty when the print service answered; else why it did not.
    QString noAnswer;
};

class Printer;

// The copies of one print on one printer.
class PrintRun
{
public:
    PrintRun(Printer& printer, std::unique_ptr<Destination> destination)
        : m_printer(printer), m_destination(std::move(destination))
    {
    }
    // Starts the next copy's job: the PDF file entry writes it to `pdfPath`, a system printer is
    // given it. The printer object's job flag is up until the job ends.
    std::unique_ptr<Job> beginJob(const JobSetup& setup, const QString& pdfPath);

private:
    Printer& m_printer;
    std::unique_ptr<Destination> m_destination; // null for the PDF file entry
};

class Printer
{
public:
    PrinterEntries entries() const;
    // An index outside the list (-1 among them) chooses the system's default printer again.
    void setPrinterIndex(int index);
    bool printing() const { return m_printing; }

    // Starts a print on the printer named `printerName`, one of entries().names. A system printer
    // is looked up once, by its name, before anything is drawn: one that is no longer installed
    // raises PrintError, whatever took its place in the list, as does a print service that does
    // not answer.
    PrintRun beginPrint(const QString& printerName);

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
