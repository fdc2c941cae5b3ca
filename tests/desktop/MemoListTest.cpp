#include "desktop/MemoListFixture.h"
#include "desktop/QuorvaneFrame.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

TEST_F(MemoListTest, ThePasswordButtonListsEveryEntryAndTheFilterOneCategoryInTheRowLayout)
{
    const int pin = addMemo("pin 1234", bank);
    const int note = addMemo("note", -1);
    const int lost = addMemo("lost", 99); // a category the table no longer holds
    addMemo("webmail", mail);
    frame->QuorvaneFrame1->sbMemo->click();

    EXPECT_EQ(rowsOf(list(), memorow::PlaceCount + 1),
              std::vector<QStringList>({
                  {"lost", "", QString::number(lost), "99", ""},
                  {"note", "All", QString::number(note), "-1", ""},
                  {"pin 1234", "Bank", QString::number(pin), QString::number(bank), ""},
                  {"webmail", "Mail", QString::number(lastId("mmemo")), QString::number(mail), ""},
              }));
    EXPECT_EQ(listed(), stored());
    EXPECT_EQ(list()->columnCount(), 2);

    frame->ComboMemo->setCurrentIndex(0);
    QTest::keyClick(frame->ComboMemo, Qt::Key_Down); // the user picks "Bank"
    EXPECT_EQ(column(list(), memorow::Text), QStringList({"pin 1234"}));
}

TEST_F(MemoListTest, ThePositionLineFollowsTheSelectionNotTheSort)
{
    addMemo("a", mail);
    addMemo("b", bank);
    addMemo("c\nsecond line", mail);
    addMemo("d", bank);
    addMemo("e", -1);
    frame->QuorvaneFrame1->sbMemo->click();

    selectRows({"c\nsecond line", "e"});
    EXPECT_TRUE(frame->EditMemoButton->isEnabled());
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 3 of 5");
    EXPECT_EQ(frame->ToDoMemo->toPlainText(), "c\nsecond line");
    EXPECT_EQ(frame->ToDoMemoComboBox->currentText(), "Mail");
    EXPECT_EQ(frame->ComboMemo->currentIndex(), 0);

    // By category: All, Bank, Bank, Mail, Mail.
    QHeaderView* header = list()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    EXPECT_EQ(column(list(), memorow::Text), QStringList({"e", "b", "d", "a", "c\nsecond line"}));
    EXPECT_EQ(frame->FMemoSortColumn, 1);
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 3 of 5");

    list()->clearSelection();
    selectRows({"c\nsecond line"});
    EXPECT_EQ(frame->ToDoLabel->text(), "Password 5 of 5");
}

TEST_F(MemoListTest, ChangeCategoryMovesTheSelectedEntriesAndListsEveryEntry)
{
    addMemo("a", bank);
    addMemo("b", bank);
    addMemo("c", mail);
    frame->LoadMemoCategories(0);
    frame->ComboMemo->setCurrentIndex(1);
    frame->LoadMemoList(bank);
    selectRows({"a", "b"});

    for (QAction* item : frame->miMemoChangeCategory->actions())
        if (item->text() == "Mail")
            item->trigger();
    const QString toMail = "=" + QString::number(mail);
    EXPECT_EQ(stored(), QStringList({"a" + toMail, "b" + toMail, "c" + toMail}));
    EXPECT_EQ(listed(), stored());
    EXPECT_EQ(column(list(), memorow::Category), QStringList({"Mail", "Mail", "Mail"}));
}

TEST_F(MemoListTest, ADeleteFailingPartWayLeavesTheListAsTheTableIsAndShowsTheError)
{
    for (const char* text : {"a", "b", "c", "d"})
        addMemo(text, -1);
    const int c = select("select id from mmemo where MMemo = 'c'").at(0).at(0).toInt();
    execute(QString("create trigger keepC before delete on mmemo when old.id = %1 begin select raise(abort, "
                    "'locked'); end")
                .arg(c));
    frame->LoadMemoList(-1);
    selectRows({"a", "c", "d"});

    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(stored(), QStringList({"b=-1", "c=-1", "d=-1"}));
    EXPECT_EQ(listed(), stored());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("locked"));
}
