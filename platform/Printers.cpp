#include "platform/Printers.h"

#include "platform/CupsConnection.h"
#include "platform/CupsSubmit.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>

namespace platform::printing {
namespace {

constexpr double MmPerInch = 25.4;

QPageLayout sheetLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// Where a job's PDF is written, and what becomes of it once complete.
class PdfTarget
{
public:
    virtual ~PdfTarget() = default;
    // Open for writing.
    virtual QFileDevice& file() = 0;
    // The PDF is complete in file(); raises PrintError when it cannot be delivered.
    virtual void deliver(const JobSetup& setup) = 0;

protected:
    static void openFile(QFileDevice& file, const QString& shownName)
    {
        if (!file.open(QIODevice::WriteOnly))
            throw PrintError(cannotWrite(shownName, file.errorString()));
    }
    static std::string cannotWrite(const QString& name, const QString& reason)
    {
        return QStringLiteral("Cannot write the file \"%1\": %2").arg(name, reason).toStdString();
    }
};

// The user's PDF file: it appears, whole, only when the job is delivered.
class SavedPdf : public PdfTarget
{
public:
    explicit SavedPdf(const QString& path) : m_file(path) { openFile(m_file, path); }
    QFileDevice& file() override { return m_file; }
    void deliver(const JobSetup&) override
    {
        if (!m_file.commit())
            throw PrintError(cannotWrite(m_file.fileName(), m_file.errorString()));
    }

private:
    QSaveFile m_file; // discards what was written unless committed
};

// The folder for a job's temporary PDF: the one TMPDIR names, else the system's own. Where TMPDIR
// names no folder Qt gives an empty path, and a bare file name would land in the current folder,
// which may be the program's own on the stick.
QString jobTempFolder()
{
    const QString named = QDir::tempPath();
    return QFileInfo(named).isDir() ? named : QString::fromLatin1(P_tmpdir);
}

// A temporary PDF handed to a CUPS queue or instance; the file goes with the job object, whatever
// happened.
class CupsPdf : public PdfTarget
{
public:
    explicit CupsPdf(CupsQueue& queue)
        : m_queue(queue), m_file(QDir(jobTempFolder()).filePath(QStringLiteral("tessary-XXXXXX.pdf")))
    {
        openFile(m_file, m_file.fileTemplate());
    }
    QFileDevice& file() override { return m_file; }
    void deliver(const JobSetup& setup) override
    {
        if (!m_file.flush())
            throw PrintError(cannotWrite(m_file.fileName(), m_file.errorString()));
        m_queue.submit(m_file.fileName(), setup);
    }

private:
    CupsQueue& m_queue;
    QTemporaryFile m_file;
};

// Draws a job's pages into a PDF; destroyed unfinished, it delivers nothing.
class PdfJob : public Job
{
public:
    PdfJob(std::unique_ptr<PdfTarget> target, const JobSetup& setup)
        : m_target(std::move(target)), m_setup(setup), m_writer(&m_target->file())
    {
        m_writer.setTitle(setup.title);
        m_writer.setCreator(QStringLiteral("Tessary 2.0"));
        m_writer.setPageLayout(sheetLayout());
        if (!m_painter.begin(&m_writer))
            throw PrintError(failure("Cannot write the file \"%1\"."));
    }
    ~PdfJob() override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

    QPainter& painter() override { return m_painter; }
    double dotsPerMm() const override { return m_writer.resolution() / MmPerInch; }
    void newPage() override
    {
        if (!m_writer.newPage())
            throw PrintError(failure("Cannot start a new page in the file \"%1\"."));
    }
    void finish() override
    {
        m_painter.end();
        m_target->deliver(m_setup);
    }

private:
    std::string failure(const char* text) const
    {
        return QString::fromUtf8(text).arg(m_target->file().fileName()).toStdString();
    }

    // Declared first, so the file outlives the writer and the painter that draw into it.
    std::unique_ptr<PdfTarget> m_target;
    JobSetup m_setup;
    QPdfWriter m_writer;
    QPainter m_painter;
};

// A CUPS queue or instance, looked up once for the copies of a print.
class CupsPrinter : public Destination
{
public:
    explicit CupsPrinter(const QString& printerName) : m_queue(printerName) {}
    std::unique_ptr<Job> openJob(const JobSetup& setup) override
    {
        return std::make_unique<PdfJob>(std::make_unique<CupsPdf>(m_queue), setup);
    }

private:
    CupsQueue m_queue;
};

// The system's print service, CUPS.
class CupsPrinterSystem : public PrinterSystem
{
public:
    PrinterList printers() override
    {
        CupsConnection connection;
        const CupsDestinations destinations(connection);
        PrinterList list{{}, destinations.noAnswer()};
        for (int i = 0; i < destinations.count(); ++i)
            list.printers.append({shownName(destinations.at(i)), destinations.at(i).is_default != 0});
        return list;
    }
    std::unique_ptr<Destination> openPrinter(const QString& printerName) override
    {
        return std::make_unique<CupsPrinter>(printerName);
    }
};

PrinterSystem* g_system = nullptr;

PrinterSystem& printerSystem()
{
    static CupsPrinterSystem cupsSystem;
    return g_system ? *g_system : cupsSystem;
}

} // namespace

// Keeps the printer object's job flag up while a job is open.
class PrintingFlag : public Job
{
public:
    PrintingFlag(std::unique_ptr<Job> job, Printer& owner) : m_job(std::move(job)), m_owner(owner)
    {
        m_owner.m_printing = true;
    }
    ~PrintingFlag() override { m_owner.m_printing = false; }
    QPainter& painter() override { return m_job->painter(); }
    double dotsPerMm() const override { return m_job->dotsPerMm(); }
    void newPage() override { m_job->newPage(); }
    void finish() override { m_job->finish(); }

private:
    std::unique_ptr<Job> m_job;
    Printer& m_owner;
};

std::unique_ptr<Job> openPdfJob(const QString& path, const JobSetup& setup)
{
    return std::make_unique<PdfJob>(std::make_unique<SavedPdf>(path), setup);
}

void setPrinterSystem(PrinterSystem* system)
{
    g_system = system;
    printer() = Printer();
}

QString pdfFileEntryName()
{
    return QStringLiteral("PDF File");
}

PrintError printerGone(const QString& printerName)
{
    return PrintError(
        QStringLiteral("The printer \"%1\" is no longer installed.").arg(printerName).toStdString());
}

PrintError serviceNotAnswering(const QString& printerName, const QString& reason)
{
    return PrintError(
        QStringLiteral("The printer \"%1\" cannot be reached: the print service did not answer (%2).")
            .arg(printerName, reason)
            .toStdString());
}

PrinterEntries Printer::entries() const
{
    const PrinterList list = printerSystem().printers();
    PrinterEntries entries{{}, indexIn(list.printers), list.noAnswer};
    for (const SystemPrinter& entry : list.printers)
        entries.names.append(entry.name);
    if (entries.names.isEmpty())
        entries.names.append(pdfFileEntryName());
    return entries;
}

int Printer::indexIn(const QList<SystemPrinter>& list) const
{
    // The list may have shrunk since the choice was made.
    if (m_index >= 0 && m_index < std::max<qsizetype>(list.size(), 1))
        return m_index;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].isDefault)
            return i;
    return 0;
}

void Printer::setPrinterIndex(int index)
{
    m_index = index;
}

PrintRun Printer::beginPrint(const QString& printerName)
{
    if (printerName == pdfFileEntryName())
        return PrintRun(*this, nullptr);
    // Looked up before anything is drawn: neither a queue that is gone nor the one that took its
    // place in the list may get the job.
    return PrintRun(*this, printerSystem().openPrinter(printerName));
}

std::unique_ptr<Job> PrintRun::beginJob(const JobSetup& setup, const QString& pdfPath)
{
    return std::make_unique<PrintingFlag>(
        m_destination ? m_destination->openJob(setup) : openPdfJob(pdfPath, setup), m_printer);
}

Printer& printer()
{
    static Printer object;
    return object;
}

} // namespace platform::printing
