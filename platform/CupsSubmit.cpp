#include "platform/CupsSubmit.h"

#include "platform/CupsConnection.h"

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

// The source of `names` that the queue offers, or nullptr; a queue that does not list its sources
// (a raw queue) offers none.
const char* offeredSource(http_t* http, const cups_dest_t& dest, const std::vector<const char*>& names)
{
    // libcups takes the destination as non-const but does not change it.
    auto* queue = const_cast<cups_dest_t*>(&dest);
    const char* offered = nullptr;
    if (cups_dinfo_t* info = cupsCopyDestInfo(http, queue)) {
        for (const char* name : names) {
            if (cupsCheckDestSupported(http, queue, info, CUPS_MEDIA_SOURCE, name)) {
                offered = name;
                break;
            }
        }
        cupsFreeDestInfo(info);
    }
    return offered;
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
    void remove(const char* name) { m_count = cupsRemoveOption(name, m_count, &m_options); }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

} // namespace

void submitToCups(const QString& printerName, const QString& pdfPath, const JobSetup& setup)
{
    CupsConnection connection;
    const CupsDestinations destinations(connection);
    if (!destinations.noAnswer().isEmpty())
        throw serviceNotAnswering(printerName, destinations.noAnswer());
    const cups_dest_t* dest = destinations.find(printerName);
    if (!dest)
        throw printerGone(printerName);

    // As lp does: the destination's options, which for an instance are its own, then ours over them.
    // The dialog makes one job per copy, so an instance's copies are overridden too.
    JobOptions options;
    for (int i = 0; i < dest->num_options; ++i)
        options.set(dest->options[i].name, dest->options[i].value);
    options.set(CUPS_COPIES, "1");
    // A driver's own page size would win over media.
    options.remove("PageSize");
    options.set(CUPS_MEDIA, CUPS_MEDIA_A4);
    if (const char* source = offeredSource(connection.http(), *dest, sourceNames(setup.paperSource)))
        options.set(CUPS_MEDIA_SOURCE, source);
    const int job = cupsPrintFile2(connection.http(), dest->name, QFile::encodeName(pdfPath).constData(),
                                   setup.title.toUtf8().constData(), options.count(), options.options());
    if (job != 0)
        return;
    const QString silence = connection.noAnswer();
    if (!silence.isEmpty())
        throw serviceNotAnswering(printerName, silence);
    throw PrintError(QStringLiteral("The printer \"%1\" refused the job: %2")
                         .arg(printerName, QString::fromUtf8(cupsLastErrorString()))
                         .toStdString());
}

} // namespace platform::printing
