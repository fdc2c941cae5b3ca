#include "platform/CupsSubmit.h"

#include <QByteArray>
#include <QFile>
#include <cups/cups.h>
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
const char* offeredSource(const char* queue, const std::vector<const char*>& names)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue, nullptr);
    if (!dest)
        return nullptr;
    const char* offered = nullptr;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        for (const char* name : names) {
            if (cupsCheckDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE, name)) {
                offered = name;
                break;
            }
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return offered;
}

} // namespace

void submitToCups(const QString& queue, const QString& pdfPath, const JobSetup& setup)
{
    const QByteArray name = queue.toUtf8();
    cups_option_t* options = nullptr;
    int count = cupsAddOption(CUPS_COPIES, "1", 0, &options);
    count = cupsAddOption(CUPS_MEDIA, CUPS_MEDIA_A4, count, &options);
    if (const char* source = offeredSource(name.constData(), sourceNames(setup.paperSource)))
        count = cupsAddOption(CUPS_MEDIA_SOURCE, source, count, &options);
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), QFile::encodeName(pdfPath).constData(),
                       setup.title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
        throw PrintError(QStringLiteral("The printer \"%1\" refused the job: %2")
                             .arg(queue, QString::fromUtf8(cupsLastErrorString()))
                             .toStdString());
}

} // namespace platform::printing
