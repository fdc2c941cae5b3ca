#include "platform/CupsConnection.h"
#include "reports/PrintFixture.h"
#include "support/DelayingProxy.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <arpa/inet.h>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

// A print server that has hung: a socket on 127.0.0.1 that takes connections (the kernel completes
// them for a listening socket) and never reads or answers.
class SilentServer
{
public:
    SilentServer()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_fd < 0 || bind(m_fd, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(m_fd, 16) != 0 || getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        m_address = "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port));
    }
    ~SilentServer() { close(m_fd); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    QByteArray address() const { return m_address; }

private:
    int m_fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QByteArray m_address;
};

// libcups takes HOME once, at its first call in a thread, and keeps it, while each test has a HOME of
// its own: so the tests of one process give libcups this folder at its first call, and write the
// user's lpoptions there.
class LibcupsHome
{
public:
    static QString lpoptions()
    {
        static const LibcupsHome home;
        return home.m_folder.filePath(".cups/lpoptions");
    }

private:
    LibcupsHome()
    {
        QDir(m_folder.path()).mkdir(".cups");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_folder.path()));
        cupsUser();
        qputenv("HOME", home);
    }

    QTemporaryDir m_folder;
};

} // namespace

// A cupsd of the test's own, never the system's: its files and its socket in a temporary folder, and
// one queue "Held", the default, that accepts jobs but is stopped, so they wait in its spool folder.
// The program lists and prints through it; the jobs' temporary files go to a folder of the test's.
class CupsPrintTest : public PrintTest
{
protected:
    CupsPrintTest()
    {
        QFile::remove(LibcupsHome::lpoptions());
        m_failure = startCupsd();
    }
    ~CupsPrintTest() override
    {
        QFile::remove(LibcupsHome::lpoptions());
        platform::printing::setPrinterSystem(nullptr);
        cupsSetServer(nullptr);
        qputenv("TMPDIR", m_oldTmpDir);
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(5000)) {
                m_cupsd.kill();
                m_cupsd.waitForFinished();
            }
        }
    }
    void SetUp() override
    {
        if (!m_failure.isEmpty())
            GTEST_SKIP() << "cupsd cannot start: " << m_failure.toStdString();
        platform::printing::setPrinterSystem(nullptr);
    }

    QString socket() const { return m_dir.filePath("cups.sock"); }
    // The one job in the queue "Held".
    static int heldJob()
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Held", 0, CUPS_WHICHJOBS_ALL);
        const int job = count == 1 ? jobs[0].id : 0;
        cupsFreeJobs(count, jobs);
        return job;
    }
    QString jobTempFolder() const { return m_dir.filePath("jobtmp"); }
    QString spoolFile(int job) const
    {
        return m_dir.filePath(QStringLiteral("spool/d%1-001").arg(job, 5, 10, QChar('0')));
    }

    // The job's value of a template attribute as text, empty when the job has none.
    static std::string jobAttribute(int job, const char* name)
    {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                     QStringLiteral("ipp://localhost/jobs/%1").arg(job).toUtf8().constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        std::string value;
        if (ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO)) {
            char text[256];
            ippAttributeString(attribute, text, sizeof text);
            value = text;
        }
        ippDelete(response);
        return value;
    }

private:
    // Empty when cupsd listens; else why not.
    QString startCupsd()
    {
        const QString program = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        if (program.isEmpty())
            return "no cupsd program";
        const QString root = m_dir.path();
        for (const char* folder : {"root", "spool", "cache", "state", "tmp", "jobtmp"})
            QDir(root).mkdir(folder);
        writeFile(root + "/cups-files.conf",
                  QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\n"
                                 "CacheDir %1/cache\nStateDir %1/state\nTempDir %1/tmp\n"
                                 "ErrorLog %1/error_log\nAccessLog %1/access_log\n"
                                 "PageLog %1/page_log\nPrintcap %1/printcap\n"
                                 "FileDevice Yes\nCreateSelfSignedCerts no\n")
                      .arg(root));
        writeFile(root + "/cupsd.conf",
                  QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\n"
                                 "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                      .arg(socket()));
        writeFile(root + "/root/printers.conf",
                  QStringLiteral("<DefaultPrinter Held>\nDeviceURI file://%1/held.prn\nState Stopped\n"
                                 "Accepting Yes\n</DefaultPrinter>\n")
                      .arg(root));
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(program, {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
        // libcups keeps the server per thread; Qt lists the printers through the same libcups.
        cupsSetServer(socket().toUtf8().constData());
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000) {
            if (m_cupsd.state() == QProcess::NotRunning || m_cupsd.waitForFinished(100))
                return "it stopped: " + QString::fromUtf8(m_cupsd.readAll());
            if (QFileInfo::exists(socket())) {
                if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, "Held", nullptr)) {
                    cupsFreeDests(1, dest);
                    m_oldTmpDir = qgetenv("TMPDIR");
                    qputenv("TMPDIR", jobTempFolder().toUtf8());
                    return QString();
                }
            }
        }
        return "it did not answer within 10 s";
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_failure;
    QByteArray m_oldTmpDir;
};

TEST_F(CupsPrintTest, CupsTakesTheJobAsSetUpOrItsRefusalIsShown)
{
    auto form = dialog("Expense");
    ASSERT_EQ(form->PrintComboBox->currentText(), "Held");
    form->OKButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.messages.empty())
        << qPrintable(dialogs.messages.empty() ? "" : dialogs.messages[0].text);

    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Held", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_EQ(count, 1);
    const int job = jobs[0].id;
    EXPECT_STREQ(jobs[0].title, "Tessary Printing Expense ");
    cupsFreeJobs(count, jobs);
    EXPECT_EQ(jobAttribute(job, "copies"), "1");
    EXPECT_EQ(jobAttribute(job, "media"), "iso_a4_210x297mm");
    // A queue without paper sources of its own is asked for none.
    EXPECT_EQ(jobAttribute(job, "media-source"), "");
    const QStringList pages = pdftext::pages(spoolFile(job));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Expense List")) << qPrintable(pages[0]);
    EXPECT_TRUE(QDir(jobTempFolder()).isEmpty());

    ASSERT_EQ(QProcess::execute("cupsreject", {"-h", socket(), "Held"}), 0);
    auto refused = dialog("Expense");
    refused->OKButton->click();
    EXPECT_TRUE(refused->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, platform::dialogs::Icon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("not accepting jobs"))
        << qPrintable(dialogs.messages[0].text);
    EXPECT_EQ(cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "Held", 0, CUPS_WHICHJOBS_ALL), 1);
    cupsFreeJobs(1, jobs);
    EXPECT_TRUE(QDir(jobTempFolder()).isEmpty());
}

TEST_F(CupsPrintTest, AServiceThatDoesNotAnswerHoldsTheDialogSecondsAndLeavesThePdfFileEntry)
{
    const qint64 bound = std::chrono::milliseconds(platform::printing::AnswerWait).count();
    SilentServer silent;
    QElapsedTimer clock;

    // Listed while the service answered; by OK it has stopped answering.
    auto form = dialog("Expense");
    ASSERT_EQ(form->PrintComboBox->currentText(), "Held");
    cupsSetServer(silent.address().constData());
    clock.start();
    form->OKButton->click();
    EXPECT_LT(clock.elapsed(), 2 * bound);
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString said = dialogs.messages[0].text;
    EXPECT_TRUE(said.contains("\"Held\"") && said.contains("did not answer")) << qPrintable(said);
    EXPECT_FALSE(said.contains("no longer installed")) << qPrintable(said);

    // Opened while it does not answer, and with no server at all.
    const QByteArray noServer = QFile::encodeName(homeFolder() + "/no-cupsd.sock");
    for (const QByteArray& server : {silent.address(), noServer}) {
        SCOPED_TRACE(server.constData());
        cupsSetServer(server.constData());
        clock.restart();
        auto offline = dialog("Expense");
        EXPECT_LT(clock.elapsed(), 2 * bound);
        EXPECT_EQ(offline->PrintComboBox->count(), 1);
        EXPECT_EQ(offline->PrintComboBox->currentText(), platform::printing::pdfFileEntryName());
        EXPECT_EQ(offline->StatusLabel->text(), "print service unreachable");
        const QString file = printToFile(*offline, QString::fromLatin1(server.toHex()) + ".pdf");
        EXPECT_FALSE(offline->isVisible());
        const QStringList pages = pdftext::pages(file);
        ASSERT_EQ(pages.size(), 1);
        EXPECT_TRUE(pages[0].contains("Expense List")) << qPrintable(pages[0]);
    }
}

TEST_F(CupsPrintTest, AnInstancePrintsOnItsQueueWithItsOwnOptionsButOneCopyOnA4)
{
    // Every option that sets the paper, in any case, for the queue as for its instance.
    writeFile(LibcupsHome::lpoptions(), "Dest Held pageregion=Letter\n"
                                        "Dest Held/draft copies=3 sides=two-sided-long-edge job-priority=20 "
                                        "media=na_letter_8.5x11in PageSize=Letter PageRegion=Letter "
                                        "media-col={media-size={x-dimension=21590 y-dimension=27940}}\n");
    for (const QString& printer : {QStringLiteral("Held/draft"), QStringLiteral("Held")}) {
        SCOPED_TRACE(printer.toStdString());
        auto form = dialog("Expense");
        ASSERT_EQ(form->PrintComboBox->count(), 2);
        EXPECT_EQ(form->PrintComboBox->itemText(0), "Held");
        ASSERT_EQ(form->PrintComboBox->itemText(1), "Held/draft");
        form->PrintComboBox->setCurrentText(printer);
        form->OKButton->click();
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(dialogs.messages.empty())
            << qPrintable(dialogs.messages.empty() ? "" : dialogs.messages[0].text);

        const int job = heldJob();
        ASSERT_NE(job, 0);
        EXPECT_EQ(jobAttribute(job, "copies"), "1");
        EXPECT_EQ(jobAttribute(job, "media"), "iso_a4_210x297mm");
        for (const char* size : {"PageSize", "PageRegion", "pageregion"})
            EXPECT_EQ(jobAttribute(job, size), "") << size;
        EXPECT_EQ(jobAttribute(job, "media-col").find("21590"), std::string::npos);
        if (printer == "Held/draft") {
            EXPECT_EQ(jobAttribute(job, "sides"), "two-sided-long-edge");
            EXPECT_EQ(jobAttribute(job, "job-priority"), "20");
        }
        const QStringList pages = pdftext::pages(spoolFile(job));
        ASSERT_EQ(pages.size(), 1);
        EXPECT_TRUE(pages[0].contains("Expense List")) << qPrintable(pages[0]);
        cupsCancelJob2(CUPS_HTTP_DEFAULT, "Held", job, 1);
    }
}

TEST_F(CupsPrintTest, AJobsTemporaryFileNeverGoesBesideTheProgram)
{
    // TMPDIR names a folder that is gone, and the current folder is the program's.
    qputenv("TMPDIR", QFile::encodeName(homeFolder() + "/gone"));
    const QString current = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(programFolder()));
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, QFile::encodeName(programFolder()).constData(), IN_CREATE), 0);

    auto form = dialog("Expense");
    form->OKButton->click();
    alignas(inotify_event) char events[4096];
    const ssize_t created = read(watch, events, sizeof events);
    close(watch);
    QDir::setCurrent(current);

    EXPECT_EQ(created, -1) << "created in the program folder: "
                           << (created > 0 ? reinterpret_cast<inotify_event*>(events)->name : "");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.messages.empty())
        << qPrintable(dialogs.messages.empty() ? "" : dialogs.messages[0].text);
    EXPECT_NE(heldJob(), 0);
}

TEST_F(CupsPrintTest, AnOkListsAndAsksOnceOnOneConnectionThenSendsEachCopy)
{
    auto form = dialog("Expense", 2);
    ASSERT_EQ(form->PrintComboBox->currentText(), "Held");
    const DelayingProxy server(socket(), std::chrono::milliseconds(0));
    cupsSetServer(server.address().constData());
    form->OKButton->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs.messages.empty())
        << qPrintable(dialogs.messages.empty() ? "" : dialogs.messages[0].text);

    EXPECT_EQ(server.connections(), 1);
    EXPECT_EQ(server.requests().join(", ").toStdString(),
              "CUPS-Get-Default, CUPS-Get-Printers, Get-Printer-Attributes, Create-Job, Send-Document, "
              "Create-Job, Send-Document");
}

TEST_F(CupsPrintTest, AServerThatAnswersWithinThreeSecondsIsNeverTakenAsUnreachable)
{
    const DelayingProxy slow(socket(), std::chrono::milliseconds(2500));
    cupsSetServer(slow.address().constData());
    // Started late in a second of the system's clock, where a silence counted in whole seconds looks
    // a second longer than it is.
    while (QDateTime::currentMSecsSinceEpoch() % 1000 < 850)
        QThread::msleep(5);
    auto form = dialog("Expense");
    EXPECT_EQ(form->StatusLabel->text().toStdString(), "not ready");
    EXPECT_EQ(form->PrintComboBox->currentText().toStdString(), "Held");
}
