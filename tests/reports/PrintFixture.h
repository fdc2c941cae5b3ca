#pragma once

#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Printers.h"
#include "reports/PrintForm.h"
#include "support/TessaryTest.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

// What poppler's tools read from a PDF file.
namespace pdftext {

inline QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, laid out as printed.
inline QStringList pages(const QString& pdf)
{
    QStringList result = run("pdftotext", {"-layout", pdf, "-"}).split('\f');
    if (!result.isEmpty() && result.last().trimmed().isEmpty())
        result.removeLast();
    return result;
}

inline QString info(const QString& pdf)
{
    return run("pdfinfo", {pdf});
}

// Each text of the pages and whether its font is bold.
inline QList<std::pair<QString, bool>> styledTexts(const QString& pdf)
{
    static const QRegularExpression text("<text [^>]*>(<b>)?([^<]*)");
    QList<std::pair<QString, bool>> result;
    auto matches = text.globalMatch(run("pdftohtml", {"-xml", "-i", "-stdout", pdf}));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result.append({match.captured(2), match.hasCaptured(1)});
    }
    return result;
}

} // namespace pdftext

// Printers of the test's own, looked up by name: each job goes to a PDF file
// "<printer>-<job number>.pdf" in a folder.
class TestPrinters : public platform::printing::PrinterSystem
{
public:
    struct Job
    {
        QString printer;
        QString title;
        QString file;
        bool busyCursor = false; // the busy cursor was up when the job started
    };

    QList<platform::printing::SystemPrinter> list;
    QString folder;
    std::vector<Job> jobs;

    platform::printing::PrinterList printers() override { return {list, {}}; }
    std::unique_ptr<platform::printing::Destination> openPrinter(const QString& printerName) override
    {
        if (std::none_of(list.begin(), list.end(),
                         [&](const auto& entry) { return entry.name == printerName; }))
            throw platform::printing::printerGone(printerName);
        return std::make_unique<Printer>(*this, printerName);
    }

private:
    class Printer : public platform::printing::Destination
    {
    public:
        Printer(TestPrinters& owner, const QString& name) : m_owner(owner), m_name(name) {}
        std::unique_ptr<platform::printing::Job> openJob(const platform::printing::JobSetup& setup) override
        {
            const QString file =
                QStringLiteral("%1/%2-%3.pdf").arg(m_owner.folder, m_name).arg(m_owner.jobs.size() + 1);
            const QCursor* cursor = QApplication::overrideCursor();
            m_owner.jobs.push_back({m_name, setup.title, file, cursor && cursor->shape() == Qt::WaitCursor});
            return platform::printing::openPdfJob(file, setup);
        }

    private:
        TestPrinters& m_owner;
        QString m_name;
    };
};

// A fresh database of the test's own, the printers above (none at first, so the list offers the
// PDF file entry), today fixed to Wednesday 6 March 2024 at 14:05:09, and helpers that print a
// report and read the PDF back through poppler's tools.
class PrintTest : public TessaryTest
{
protected:
    static inline const QDateTime Now{QDate(2024, 3, 6), QTime(14, 5, 9)};

    PrintTest()
    {
        createDatabase();
        connection.ConnectionString = "dbq=" + databasePath();
        connection.Open();
        platform::clock::setFixedNow(Now);
        printers.folder = homeFolder();
        platform::printing::setPrinterSystem(&printers);
    }
    ~PrintTest() override { platform::printing::setPrinterSystem(nullptr); }

    void execute(const QString& sql, const QList<std::pair<QString, QVariant>>& params = {})
    {
        TADOQuery query;
        query.Connection = &connection;
        query.SQL.Add(sql);
        for (const auto& [name, value] : params)
            query.ParamByName(name).Value = value;
        query.ExecSQL();
    }

    // A dialog as the print commands make it.
    std::unique_ptr<TPrintForm> dialog(const QString& kind, int copies = 1)
    {
        auto form = std::make_unique<TPrintForm>();
        form->FReportKind = kind;
        form->FPrintDate = Now.date();
        form->FSelection.connection = &connection;
        form->CopyEdit->setValue(copies);
        form->show();
        return form;
    }

    // Prints with the PDF file entry to `file` in the home folder; the file's path.
    QString printToFile(TPrintForm& form, const QString& file = "report.pdf")
    {
        const QString path = QDir(homeFolder()).filePath(file);
        dialogs.queueSaveFile(path);
        form.OKButton->click();
        return path;
    }

    TADOConnection connection;
    TestPrinters printers;
};
