#include "reports/PrintFixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <vector>

using PrintFormTest = PrintTest;

TEST_F(PrintFormTest, ShowsItsTextsAndTheSystemsPrintersWithTheDefaultChosen)
{
    printers.list = {{"Alpha", false}, {"Beta", true}, {"Gamma", false}};
    auto form = dialog("Expense");
    EXPECT_EQ(form->windowTitle(), "Print");
    EXPECT_EQ(form->lePrinter->title(), "Printer");
    EXPECT_EQ(form->lePrinterName->text(), "Name");
    EXPECT_EQ(form->lePrinterState->text(), "Status");
    EXPECT_EQ(form->leCopyOptions->title(), "Copy Options");
    EXPECT_EQ(form->leNumberofCopy->text(), "Number of Copy");
    EXPECT_EQ(form->OKButton->text(), "OK");
    EXPECT_EQ(form->CancelButton->text(), "Cancel");
    EXPECT_EQ(form->StatusLabel->text(), "not ready");
    ASSERT_EQ(form->PrintComboBox->count(), 3);
    EXPECT_EQ(form->PrintComboBox->itemText(2), "Gamma");
    EXPECT_EQ(form->PrintComboBox->currentText(), "Beta");
    EXPECT_EQ(form->CopyEdit->minimum(), 1);
    EXPECT_EQ(form->CopyEdit->maximum(), 99);

    printers.list.clear();
    auto noPrinter = dialog("Expense");
    ASSERT_EQ(noPrinter->PrintComboBox->count(), 1);
    EXPECT_EQ(noPrinter->PrintComboBox->currentText(), platform::printing::pdfFileEntryName());
}

TEST_F(PrintFormTest, ThePrinterChosenForAReportStaysCurrentAndCancelKeepsIt)
{
    printers.list = {{"Alpha", false}, {"Beta", true}, {"Gamma", false}};
    {
        auto form = dialog("Expense");
        form->PrintComboBox->setCurrentIndex(0);
        form->CancelButton->click();
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_EQ(dialog("Expense")->PrintComboBox->currentText(), "Beta");
    EXPECT_TRUE(printers.jobs.empty());

    {
        auto form = dialog("Expense");
        form->PrintComboBox->setCurrentIndex(2);
        form->OKButton->click();
        EXPECT_FALSE(form->isVisible());
    }
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.jobs[0].printer, "Gamma");
    EXPECT_EQ(printers.jobs[0].title, "Tessary Printing Expense ");
    EXPECT_TRUE(QFile::exists(printers.jobs[0].file));
    EXPECT_EQ(dialog("Date")->PrintComboBox->currentText(), "Gamma");
    // A real printer needs no file name.
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

TEST_F(PrintFormTest, AKindThatNamesNoReportPrintsNothingAndCloses)
{
    printers.list = {{"Alpha", true}};
    for (const char* kind : {"", "date", "Expenses", " Memo"}) {
        SCOPED_TRACE(kind);
        auto form = dialog(kind);
        form->OKButton->click();
        EXPECT_FALSE(form->isVisible());
    }
    EXPECT_TRUE(printers.jobs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintFormTest, TheFileEntryAsksOnceAndPrintsNothingWhenCancelledOrUnwritable)
{
    auto form = dialog("Expense", 3);
    form->OKButton->click(); // the save dialog is cancelled
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].filter, "PDF files (*.pdf)");
    EXPECT_TRUE(QDir(homeFolder()).entryList({"*.pdf"}).isEmpty());

    // A file in a folder that does not exist: the error is shown and nothing is printed.
    printToFile(*form, "missing/report.pdf");
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, platform::dialogs::Icon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("missing/report-1.pdf"))
        << qPrintable(dialogs.messages[0].text);
    EXPECT_FALSE(platform::printing::printer().printing());

    // One question for all three copies, each a file of its own; a name without the suffix gets it.
    printToFile(*form, "expenses");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.saveRequests.size(), 3u);
    EXPECT_EQ(QDir(homeFolder()).entryList({"*.pdf"}),
              QStringList({"expenses-1.pdf", "expenses-2.pdf", "expenses-3.pdf"}));
}

TEST_F(PrintFormTest, TheJobGoesByNameToTheEntryTheDialogShowedOrNowhere)
{
    using platform::printing::SystemPrinter;
    const QString fileEntry = platform::printing::pdfFileEntryName();
    struct Case
    {
        const char* what;
        QList<SystemPrinter> shown;
        int chosen;
        QList<SystemPrinter> atOk;
        QString printedOn; // empty: the printer is gone
    };
    const std::vector<Case> cases = {
        {"a printer added ahead",
         {{"Alpha", false}, {"Beta", true}},
         1,
         {{"New", true}, {"Alpha", false}, {"Beta", false}},
         "Beta"},
        {"the chosen printer removed", {{"Alpha", false}, {"Beta", true}}, 1, {{"Alpha", true}}, ""},
        {"every printer removed", {{"Alpha", true}}, 0, {}, ""},
        {"a printer installed after the file entry was shown", {}, 0, {{"Alpha", true}}, fileEntry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        printers.list = c.shown;
        printers.jobs.clear();
        dialogs.messages.clear();
        dialogs.saveRequests.clear();
        auto form = dialog("Expense");
        form->PrintComboBox->setCurrentIndex(c.chosen);
        printers.list = c.atOk;
        const QString file = printToFile(*form);
        // Up while the job went out, whatever became of it.
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        if (c.printedOn.isEmpty()) {
            EXPECT_TRUE(form->isVisible());
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].icon, platform::dialogs::Icon::Error);
            EXPECT_TRUE(dialogs.messages[0].text.contains('"' + c.shown[c.chosen].name + '"'))
                << qPrintable(dialogs.messages[0].text);
            EXPECT_TRUE(printers.jobs.empty());
            EXPECT_TRUE(dialogs.saveRequests.empty());
            EXPECT_FALSE(platform::printing::printer().printing());
            continue;
        }
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(dialogs.messages.empty());
        if (c.printedOn == fileEntry) {
            EXPECT_TRUE(printers.jobs.empty());
            EXPECT_EQ(dialogs.saveRequests.size(), 1u);
            EXPECT_TRUE(QFile::exists(file));
        } else {
            ASSERT_EQ(printers.jobs.size(), 1u);
            EXPECT_EQ(printers.jobs[0].printer, c.printedOn);
            EXPECT_TRUE(printers.jobs[0].busyCursor);
            // The index stays the current choice, whatever it selects now.
            EXPECT_EQ(dialog("Expense")->PrintComboBox->currentText(), c.atOk[c.chosen].name);
        }
    }
}

TEST_F(PrintFormTest, TheFileEntryAsksOnceBeforeReplacingAnyFileItWillWrite)
{
    struct Case
    {
        int copies;
        QString typed;
        QStringList existing;
        QStringList asked;
        int answer;
        QStringList written; // besides the files that existed
    };
    const std::vector<Case> cases = {
        {1, "report", {"report.pdf"}, {"report.pdf"}, platform::dialogs::No, {}},
        {3, "keep.pdf", {"keep.pdf", "keep-2.pdf"}, {"keep-2.pdf"}, platform::dialogs::No, {}},
        {3,
         "keep.pdf",
         {"keep.pdf", "keep-2.pdf"},
         {"keep-2.pdf"},
         platform::dialogs::Yes,
         {"keep-1.pdf", "keep-3.pdf"}},
    };
    QDir home(homeFolder());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " answered " + std::to_string(c.answer));
        for (const QString& name : home.entryList({"*.pdf"}))
            home.remove(name);
        for (const QString& name : c.existing) {
            QFile old(home.filePath(name));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        dialogs.messages.clear();
        dialogs.queueMessageAnswer(c.answer);
        auto form = dialog("Expense", c.copies);
        printToFile(*form, c.typed);

        ASSERT_EQ(dialogs.messages.size(), 1u);
        const platform::dialogs::MessageRequest& question = dialogs.messages[0];
        EXPECT_EQ(question.icon, platform::dialogs::Icon::Question);
        EXPECT_EQ(question.buttons, platform::dialogs::Yes | platform::dialogs::No);
        // One line per file it names.
        const QStringList lines = question.text.split('\n');
        for (const QString& name : c.existing)
            EXPECT_EQ(lines.contains(home.filePath(name)), c.asked.contains(name))
                << qPrintable(question.text);
        EXPECT_EQ(form->isVisible(), c.answer == platform::dialogs::No);
        for (const QString& name : home.entryList({"*.pdf"})) {
            QFile file(home.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const bool replaced = c.answer == platform::dialogs::Yes && c.asked.contains(name);
            EXPECT_EQ(file.readAll().startsWith("%PDF"), replaced || c.written.contains(name))
                << qPrintable(name);
        }
        EXPECT_EQ(home.entryList({"*.pdf"}).size(), c.existing.size() + c.written.size());
    }
}

TEST_F(PrintFormTest, TheCopyFieldsTextAsShownIsTheCopyCount)
{
    printers.list = {{"Alpha", true}};
    for (const auto& [text, copies] : std::vector<std::pair<QString, size_t>>{
             {"", 1}, {"x", 1}, {"3", 3}, {"0", 1}, {"-2", 1}, {"150", 99}}) {
        SCOPED_TRACE(text.toStdString());
        printers.jobs.clear();
        auto form = dialog("Expense", 5);
        // Typed while the field keeps the focus, so the spin box has not fixed its value up.
        form->CopyEdit->findChild<QLineEdit*>()->setText(text);
        form->OKButton->click();
        EXPECT_EQ(printers.jobs.size(), copies);
    }
}
