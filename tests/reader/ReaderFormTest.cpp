#include "reader/ReaderForm.h"

#include "reader/ComPort.h"
#include "reader/Lamp.h"
#include "support/PseudoTerminal.h"
#include "support/TessaryTest.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

namespace {

const QColor Grey(128, 128, 128);
const QColor Lime(0, 255, 0);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);

bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}

} // namespace

class ReaderFormTest : public TessaryTest
{
protected:
    ReaderFormTest() { PseudoTerminal::listPorts({far.path()}); }

    // A form with the far end's port chosen and opened.
    std::unique_ptr<TForm1> openForm()
    {
        auto form = std::make_unique<TForm1>();
        form->cbPorts->setCurrentIndex(form->cbPorts->findText(far.path()));
        form->SpeedButton1->click();
        EXPECT_TRUE(form->ComPort1->Active());
        return form;
    }

    QToolButton* button(TForm1& form, const char* name) { return form.findChild<QToolButton*>(name); }

    PseudoTerminal far;
};

TEST_F(ReaderFormTest, TheCommandFramesGoOutExactlyAsTheReaderReadsThem)
{
    const struct
    {
        const char* button;
        QByteArray frames;
        int bytes;
    } cases[] = {
        {"SpeedButton3", "0108000304FF0000", 16},
        {"SpeedButton4",
         "010C00030410002101000000"
         "0109000304F0000000"
         "0109000304F1FF0000",
         24 + 18 + 18},
        {"SpeedButton5", "010B000304140401000000", 22},
    };
    auto form = openForm();
    for (const auto& c : cases) {
        button(*form, c.button)->click();
        EXPECT_EQ(far.readFor(300), c.frames) << c.button;
        EXPECT_EQ(c.frames.size(), c.bytes);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReaderFormTest, EveryChunkOfAReplyIsOneLogLineAndAfterInventoryATagLineToo)
{
    auto form = openForm();
    for (const QByteArray& chunk : {QByteArray("0001"), QByteArray("0203"), QByteArray("0405")}) {
        const int lines = form->Memo1->document()->blockCount();
        far.write(chunk);
        ASSERT_TRUE(waitFor([&] { return form->Memo1->toPlainText().endsWith(chunk); }));
        EXPECT_EQ(form->Memo1->document()->blockCount(), chunk == "0001" ? 1 : lines + 1);
    }
    EXPECT_EQ(form->Memo1->toPlainText(), "0001\n0203\n0405");
    EXPECT_FALSE(form->Image1->isHidden()) << "three chunks blink it three times";
    EXPECT_TRUE(form->RFID_Memo->toPlainText().isEmpty());

    form->RFID_Memo->setPlainText("old tag");
    form->SpeedButton5->click();
    EXPECT_TRUE(form->RFID_Memo->toPlainText().isEmpty());
    far.readFor(100);
    far.write("E0040100");
    ASSERT_TRUE(waitFor([&] { return !form->RFID_Memo->toPlainText().isEmpty(); }));
    EXPECT_EQ(form->RFID_Memo->toPlainText(), "E0040100");
    EXPECT_TRUE(form->Memo1->toPlainText().endsWith("\nE0040100"));

    // Control bytes show as stand-ins in both texts, so a NUL no longer ends what a screen
    // reader gets and the reply after it is read too.
    far.write(QByteArray("\0E0\x1b\x1f\x7f\x80\x9b\x9f\xff\xe9\t1\r\n2", 16));
    ASSERT_TRUE(waitFor([&] { return form->RFID_Memo->toPlainText().endsWith("2"); }));
    far.write("later");
    ASSERT_TRUE(waitFor([&] { return form->RFID_Memo->toPlainText().endsWith("later"); }));
    const QString shown =
        QString::fromUtf8("\u2400E0\u241B\u241F\u2421<80><9B><9F>\u00FF\u00E9\t1\n2\nlater");
    EXPECT_EQ(form->RFID_Memo->toPlainText(), "E0040100\n" + shown);
    QAccessibleTextInterface* accessible =
        QAccessible::queryAccessibleInterface(form->Memo1)->textInterface();
    ASSERT_TRUE(accessible);
    EXPECT_TRUE(accessible->text(0, accessible->characterCount()).endsWith("\nE0040100\n" + shown));
}

TEST_F(ReaderFormTest, TheLampsFollowThePortAndItsLines)
{
    ScriptedStatus status;
    auto form = openForm();
    EXPECT_EQ(form->shPortOpen->color(), Yellow);
    status.lines = platform::serial::Cts | platform::serial::Carrier;
    ASSERT_TRUE(waitFor([&] { return form->shCarrier->color() == Lime; }));
    EXPECT_EQ(form->shCTS->color(), Lime);
    EXPECT_EQ(form->shDSR->color(), Grey);
    status.lines = platform::serial::Carrier;
    ASSERT_TRUE(waitFor([&] { return form->shCTS->color() == Grey; }));
    status.errors = 1;
    ASSERT_TRUE(waitFor([&] { return form->shError->color() == Red; }));

    form->SpeedButton2->click();
    for (TLamp* lamp : {form->shPortOpen, form->shCarrier, form->shCTS, form->shDSR, form->shRing})
        EXPECT_EQ(lamp->color(), Grey) << lamp->objectName().toStdString();
    EXPECT_EQ(form->shError->color(), Red);
    EXPECT_TRUE(form->cbPorts->isEnabled());
}

TEST_F(ReaderFormTest, ClosingTheFormClosesItsPortSoTheNextFormListsIt)
{
    auto form = openForm();
    EXPECT_FALSE(form->cbPorts->isEnabled());
    form->reject();
    EXPECT_FALSE(form->ComPort1->Active());

    TForm1 next;
    EXPECT_NE(next.cbPorts->findText(far.path()), -1);
    EXPECT_EQ(next.cbPorts->currentIndex(), 0);
}
