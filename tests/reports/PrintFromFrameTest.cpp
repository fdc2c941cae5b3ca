#include "common/widgets/TPageControl.h"
#include "desktop/Categories.h"
#include "desktop/MemoListFixture.h"
#include "reports/PrintFixture.h"

#include <QAction>
#include <QComboBox>

// The frame's print command hands the dialog what the reports read from the frame.
class PrintFromFrameTest : public MemoListTest
{
protected:
    // Runs File > Print on `page`, pressing OK with the PDF file entry; the first page's text.
    QString printPage(int page, const QString& file)
    {
        frame->ToolPageControl->setActivePageIndex(page);
        const QString path = QDir(homeFolder()).filePath(file);
        dialogs.queueSaveFile(path);
        WhenModal ok([](QDialog* dialog) { dialog->findChild<QPushButton*>("OKButton")->click(); });
        frame->miPrint->trigger();
        EXPECT_TRUE(ok.ran());
        return pdftext::pages(path).value(0);
    }
};

TEST_F(PrintFromFrameTest, PrintsTheSelectedEntriesAndTheWholeBookWhenTheFilterShowsNothing)
{
    for (const char* text : {"m1", "m2", "m3", "m4", "m5", "m6", "m7"})
        addMemo(text, bank);
    const int friends = addCategory("Friends");
    addAddress("Young", "Zed", friends);
    addAddress("Loose", "Nina", -1);
    frame->LoadMemoCategories(0);
    frame->LoadMemoList(-1);
    frame->LoadAddressCategories(1);
    selectRows({"m7", "m3", "m5"});

    const QString memos = printPage(3, "memos.pdf");
    EXPECT_TRUE(memos.contains(QRegularExpression("m3.*\\n[^m]*m5.*\\n[^m]*m7"))) << qPrintable(memos);
    EXPECT_FALSE(memos.contains("m1")) << qPrintable(memos);

    ASSERT_EQ(frame->ComboAddress->currentIndex(), 1);
    EXPECT_FALSE(printPage(2, "friends.pdf").contains("Nina"));
    categories::setPosition(frame->ComboAddress, -1);
    const QString all = printPage(2, "all.pdf");
    EXPECT_TRUE(all.contains("Zed") && all.contains("Nina")) << qPrintable(all);
}
