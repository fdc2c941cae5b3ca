#include "platform/CupsSubmit.h"

#include <QByteArray>
#include <QFile>
#include <vector>

namespace platform::printing {
namespace {

// IPP's names for the sources a job may ask for, the first one the queue offers being taken.
std::vector<const char*> sourceNames(PaperSource source)
{
    if (source == PaperSource::FirstBin)
        return {"tray-1", "top"};
    return {CUPS_MEDIA_SOURCE_AUTO};
}

// Options that choose the paper's size, in the names of IPP and of PPD drivers, matched as libcups
// matches option names, without regard to case. A job is always on A4, and a driver's page size or
// a media collection would win over the media it asks for.
bool setsPaperSize(const char* name)
{
    for (const char* sizeOption : {"PageSize", "PageRegion", "media", "media-col"})
        if (QLatin1String(name).compare(QLatin1String(sizeOption), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Options owned until the job is submitted.
class JobOptions
{
public:
    JobOptions() = default;
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }
    // Replaces an option of the same name.
    void set(const char* name, const char* value)
    {
        m_count = cupsAddOption(name, value, m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

} // namespace

CupsQueue::CupsQueue(const QString& printerName) : m_printerName(printerName), m_destinations(m_connection)
{
    if (!m_destinations.noAnswer().isEmpty())
        throw serviceNotAnswering(printerName, m_destinations.noAnswer());
    // libcups takes the destination as non-const but does not change it.
    m_dest = const_cast<cups_dest_t*>(m_destinations.find(printerName));
    if (!m_dest)
        throw printerGone(printerName);
    m_info = cupsCopyDestInfo(m_connection.http(), m_dest);
    if (!m_info)
        throw failure();
}

CupsQueue::~CupsQueue()
{
    cupsFreeDestInfo(m_info);
}

PrintError CupsQueue::failure() const
{
    const QString silence = m_connection.noAnswer();
    if (!silence.isEmpty())
        return serviceNotAnswering(m_printerName, silence);
    return PrintError(QStringLiteral("The printer \"%1\" refused the job: %2")
                          .arg(m_printerName, QString::fromUtf8(cupsLastErrorString()))
                          .toStdString());
}

void CupsQueue::submit(const QString& pdfPath, const JobSetup& setup)
{
    QFile pdf(pdfPath);
    const QByteArray document = pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
    if (pdf.error() != QFileDevice::NoError)
        throw PrintError(
            QStringLiteral("Cannot read the file \"%1\": %2").arg(pdfPath, pdf.errorString()).toStdString());

    // As lp does: the destination's options, which for an instance are its own, then ours over them.
    // The dialog makes one job per copy, so an instance's copies are overridden too.
    JobOptions options;
    for (int i = 0; i < m_dest->num_options; ++i)
        if (!setsPaperSize(m_dest->options[i].name))
            options.set(m_dest->options[i].name, m_dest->options[i].value);
    options.set(CUPS_COPIES, "1");
    options.set(CUPS_MEDIA, CUPS_MEDIA_A4);
    for (const char* source : sourceNames(setup.paperSource)) {
        if (cupsCheckDestSupported(m_connection.http(), m_dest, m_info, CUPS_MEDIA_SOURCE, source)) {
            options.set(CUPS_MEDIA_SOURCE, source);
            break;
        }
    }

    http_t* http = m_connection.http();
    const QByteArray title = setup.title.toUtf8();
    int job = 0;
    if (cupsCreateDestJob(http, m_dest, m_info, &job, title.constData(), options.count(), options.options()) >
            IPP_STATUS_OK_EVENTS_COMPLETE ||
        job == 0)
        throw failure();
    const bool sent =
        cupsStartDestDocument(http, m_dest, m_info, job, title.constData(), CUPS_FORMAT_PDF, 0, nullptr, 1) ==
            HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(http, document.constData(), size_t(document.size())) == HTTP_STATUS_CONTINUE &&
        cupsFinishDestDocument(http, m_dest, m_info) <= IPP_STATUS_OK_EVENTS_COMPLETE;
    if (!sent) {
        const PrintError error = failure();
        // A job without its document would wait in the queue until the server gave up on it.
        cupsCancelDestJob(http, m_dest, job);
        throw error;
    }
}

} // namespace platform::printing
