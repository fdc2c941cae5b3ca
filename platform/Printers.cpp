#include "platform/Printers.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

namespace platform::printing {
namespace {

constexpr double MmPerInch = 25.4;

QPageLayout sheetLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

class PdfJob : public Job
{
public:
    PdfJob(const QString& path, const JobSetup& setup) : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly))
            throw PrintError(QStringLiteral("Cannot write the file \"%1\": %2")
                                 .arg(path, m_file.errorString())
                                 .toStdString());
        m_writer = std::make_unique<QPdfWriter>(&m_file);
        m_writer->setTitle(setup.title);
        m_writer->setCreator(QStringLiteral("Tessary 2.0"));
        m_writer->setPageLayout(sheetLayout());
        if (!m_painter.begin(m_writer.get()))
            throw PrintError(QStringLiteral("Cannot write the file \"%1\".").arg(path).toStdString());
    }
    ~PdfJob() override
    {
        if (m_painter.isActive())
            m_painter.end();
        if (!m_finished)
            m_file.cancelWriting();
    }

    QPainter& painter() override { return m_painter; }
    double dotsPerMm() const override { return m_writer->resolution() / MmPerInch; }
    void newPage() override
    {
        if (!m_writer->newPage())
            throw PrintError("Cannot start a new page in the file \"" + m_file.fileName().toStdString() +
                             "\".");
    }
    void finish() override
    {
        m_painter.end();
        m_finished = true;
        if (!m_file.commit())
            throw PrintError(QStringLiteral("Cannot write the file \"%1\": %2")
                                 .arg(m_file.fileName(), m_file.errorString())
                                 .toStdString());
    }

private:
    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    bool m_finished = false;
};

class PrinterJob : public Job
{
public:
    PrinterJob(const QString& printerName, const JobSetup& setup) : m_printer(QPrinter::HighResolution)
    {
        m_printer.setPrinterName(printerName);
        m_printer.setDocName(setup.title);
        m_printer.setFullPage(true);
        m_printer.setPageLayout(sheetLayout());
        // Each copy is a job of its own; the printer's copy count would multiply them.
        m_printer.setCopyCount(1);
        m_printer.setPaperSource(setup.paperSource == PaperSource::FirstBin ? QPrinter::Upper
                                                                            : QPrinter::Auto);
        if (!m_painter.begin(&m_printer))
            throw PrintError(refusal());
    }
    ~PrinterJob() override
    {
        if (!m_finished)
            m_printer.abort();
        if (m_painter.isActive())
            m_painter.end();
    }

    QPainter& painter() override { return m_painter; }
    double dotsPerMm() const override { return m_printer.resolution() / MmPerInch; }
    void newPage() override
    {
        if (!m_printer.newPage())
            throw PrintError(refusal());
    }
    void finish() override
    {
        m_finished = true;
        m_painter.end();
        if (m_printer.printerState() == QPrinter::Error || m_printer.printerState() == QPrinter::Aborted)
            throw PrintError(refusal());
    }

private:
    std::string refusal() const
    {
        return QStringLiteral("The printer \"%1\" refused the job.")
            .arg(m_printer.printerName())
            .toStdString();
    }

    QPrinter m_printer;
    QPainter m_painter;
    bool m_finished = false;
};

// The system's print service as Qt sees it (CUPS on Linux).
class QtPrinterSystem : public PrinterSystem
{
public:
    QList<SystemPrinter> printers() override
    {
        const QString defaultName = QPrinterInfo::defaultPrinterName();
        QList<SystemPrinter> list;
        for (const QString& name : QPrinterInfo::availablePrinterNames())
            list.append({name, name == defaultName});
        return list;
    }
    std::unique_ptr<Job> openJob(const QString& printerName, const JobSetup& setup) override
    {
        return std::make_unique<PrinterJob>(printerName, setup);
    }
};

PrinterSystem* g_system = nullptr;

PrinterSystem& printerSystem()
{
    static QtPrinterSystem qtSystem;
    return g_system ? *g_system : qtSystem;
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
    return std::make_unique<PdfJob>(path, setup);
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

QStringList Printer::printers() const
{
    QStringList names;
    for (const SystemPrinter& entry : printerSystem().printers())
        names.append(entry.name);
    if (names.isEmpty())
        names.append(pdfFileEntryName());
    return names;
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

int Printer::printerIndex() const
{
    return indexIn(printerSystem().printers());
}

void Printer::setPrinterIndex(int index)
{
    m_index = index;
}

bool Printer::printsToFile() const
{
    return printerSystem().printers().isEmpty();
}

std::unique_ptr<Job> Printer::beginJob(const JobSetup& setup, const QString& pdfPath)
{
    const QList<SystemPrinter> list = printerSystem().printers();
    if (list.isEmpty())
        return std::make_unique<PrintingFlag>(openPdfJob(pdfPath, setup), *this);
    return std::make_unique<PrintingFlag>(printerSystem().openJob(list[indexIn(list)].name, setup), *this);
}

Printer& printer()
{
    static Printer object;
    return object;
}

} // namespace platform::printing
