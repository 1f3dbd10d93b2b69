// What stands and what is left undone when a sound cue's file is missing.
#include "runtime/Exceptions.h"
#include "support/Machine.h"
#include "widgets/TRzLabel.h"
#include "widgets/TShape.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

const QString NoSuchFile = QStringLiteral("System error : No such file or directory.");

// A release the player made before the report appeared: already queued for the control.
void queueRelease(QWidget *control)
{
    const QPointF at = control->rect().center();
    QCoreApplication::postEvent(control, new QMouseEvent(QEvent::MouseButtonRelease, at, control->mapToGlobal(at),
                                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

std::vector<int> delays(const TForm1 &form)
{
    std::vector<int> d;
    for (TRzAnimator *cell : form.cells())
        d.push_back(cell->Delay());
    return d;
}

} // namespace

TEST(FailureTable, AMissingCoinCueKeepsTheCreditAndTheGameGoesOn)
{
    Machine m;
    m.media.missing << CoinCue;
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 1100);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    EXPECT_EQ(m.boxes.boxes[0].text, NoSuchFile);
    EXPECT_EQ(m.boxes.boxes[0].caption, QStringLiteral("Zorvixia"));
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 1200);
    EXPECT_EQ(m.boxes.boxes.size(), 2);
}

TEST(FailureTable, AMissingBetCueKeepsTheTypedBetAndItsCorrection)
{
    Machine m;
    m.media.missing << BetCue;
    m.form.Bet->setFocus();
    m.form.Bet->selectAll();
    QTest::keyClick(m.form.Bet, Qt::Key_Minus);
    EXPECT_EQ(m.boxes.boxes.size(), 1);
    QTest::keyClick(m.form.Bet, Qt::Key_5);
    // The correction to 0 stands; its own bleep failed, which ended both runs of the handler.
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("0"));
    EXPECT_EQ(m.boxes.boxes.size(), 2);
    // The field keeps working.
    QTest::keyClick(m.form.Bet, Qt::Key_7);
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("07"));
    EXPECT_EQ(m.form.Bet->Value(), 7);
    m.click(m.form.Bet->upButton());
    EXPECT_EQ(m.form.Bet->Value(), 8);
    EXPECT_EQ(m.boxes.boxes.size(), 4);
}

TEST(FailureTable, AMissingBetCueOnBetMaxLeavesTheBankAsTheBet)
{
    Machine m;
    m.media.missing << BetCue;
    m.setBank(750);
    m.click(m.form.BetMax);
    EXPECT_EQ(m.form.Bet->Value(), 750);
    EXPECT_EQ(m.bank(), 750);
    EXPECT_EQ(m.boxes.boxes.size(), 1);
}

TEST(FailureTable, AMissingBetCueDuringAPullThatLowersTheBetStopsTheWholePull)
{
    Machine m;
    m.media.missing << BetCue;
    m.setBank(30);
    m.form.WinnerPaid->setText(QStringLiteral("60"));
    m.press(m.form.Pull);
    EXPECT_EQ(m.form.Bet->Value(), 30);
    EXPECT_EQ(m.bank(), 30);
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("60"));
    EXPECT_EQ(m.media.playCount(PullCue), 0);
    EXPECT_FALSE(m.anyCellAnimating());
    EXPECT_EQ(m.boxes.boxes.size(), 1);
}

TEST(FailureTable, AMissingBetCueDuringAPullReleasedEarlyStillStopsASecondLater)
{
    Machine m;
    m.media.missing << BetCue;
    m.setBank(30);
    m.noForcedWin();
    m.setSymbols({ 4, 0, 1, 4, 2, 3, 4, 5, 6 });
    m.boxes.onShow = [&] { EXPECT_TRUE(m.form.Timer2->Enabled()); };
    queueRelease(m.form.Pull);
    m.press(m.form.Pull);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.form.Timer2->Enabled(); }, 3000));
    // The stop ran on the pictures that stand and paid the winning row with the lowered bet.
    EXPECT_EQ(m.winnerPaid(), 4 * 30);
    EXPECT_EQ(m.bank(), 30 + 120);
}

TEST(FailureTable, AMissingPullCueTakesTheBetButLeavesTheCellsStanding)
{
    Machine m;
    m.media.missing << PullCue;
    m.form.win3->setVisible(true);
    m.form.WinnerLabel->setVisible(true);
    m.form.setThemeQuery([](const QString &name) { return name == QLatin1String("Rocks"); });
    m.press(m.form.Pull);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    EXPECT_EQ(m.bank(), 950);
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("0"));
    EXPECT_TRUE(m.form.WinnerLabel->isHidden());
    EXPECT_TRUE(m.form.WinnerLabel->Blinking());
    EXPECT_TRUE(m.form.win3->isHidden());
    for (TRzAnimator *cell : m.form.cells())
        EXPECT_EQ(cell->ImageList(), m.form.ImageList6);
    EXPECT_EQ(delays(m.form), std::vector<int>(9, 50));
    EXPECT_FALSE(m.anyCellAnimating());
    EXPECT_FALSE(m.form.Timer2->Enabled()); // not released before the report: no stop follows

    // The handle and max-bet buttons stay usable.
    m.press(m.form.Pull);
    EXPECT_EQ(m.bank(), 900);
    EXPECT_EQ(m.boxes.boxes.size(), 2);
    m.click(m.form.BetMax);
    EXPECT_EQ(m.form.Bet->Value(), 900);
}

TEST(FailureTable, AMissingPullCueReleasedEarlyStopsOnThePicturesThatStand)
{
    Machine m;
    m.media.missing << PullCue;
    m.noForcedWin();
    m.setSymbols({ 2, 0, 1, 2, 3, 4, 2, 5, 6 });
    queueRelease(m.form.Pull);
    m.press(m.form.Pull);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.form.Timer2->Enabled(); }, 3000));
    EXPECT_EQ(m.form.WinnerLabel->Caption(), QStringLiteral("Winner! (2x)"));
    EXPECT_EQ(m.winnerPaid(), 100);
    EXPECT_EQ(m.bank(), 950 + 100);
}

TEST(FailureTable, AMissingPayoffCueIsReportedOnceAndTheMachineRecoversAfterTheReport)
{
    Machine m;
    m.media.missing << PayoffCue;
    m.form.Pull->setTag(3);
    m.form.coinslot->setTag(14);
    m.click(m.form.Pull);
    // Hold the cells on row 2 of symbol 0 (its first cell counts as 10 while the line is
    // handled) and let the armed stop timer run the stop.
    for (TRzAnimator *cell : m.form.cells())
        cell->setAnimate(false);
    m.setSymbols({ 1, 0, 2, 3, 0, 4, 5, 0, 6 });
    m.boxes.onShow = [&] {
        // What stands while the report is up.
        EXPECT_FALSE(m.anyCellAnimating());
        EXPECT_FALSE(m.form.Pull->Enabled());
        EXPECT_FALSE(m.form.BetMax->Enabled());
        EXPECT_EQ(m.form.Pull->Tag(), 4); // this stop counted, no reset
        EXPECT_EQ(m.form.coinslot->Tag(), 14);
        EXPECT_EQ(m.form.WinnerLabel->Caption(), QStringLiteral("Winner! (10x)"));
        EXPECT_TRUE(m.form.WinnerLabel->isVisible());
        EXPECT_TRUE(m.form.win2->isVisible());
        EXPECT_EQ(m.form.RzAnimator2->ImageIndex(), 10);
        EXPECT_EQ(m.form.Tag(), 0);
        EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("0"));
        // The stop does not run again under the report.
        QTest::qWait(1300);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.boxes.boxes.isEmpty(); }, 3000));
    EXPECT_EQ(m.boxes.boxes.size(), 1);
    EXPECT_EQ(m.boxes.boxes[0].text, NoSuchFile);
    // Once dismissed, the machine is usable again.
    EXPECT_FALSE(m.form.Timer2->Enabled());
    EXPECT_TRUE(m.form.Pull->Enabled());
    EXPECT_TRUE(m.form.BetMax->Enabled());
    EXPECT_EQ(m.form.RzAnimator2->ImageIndex(), 0);
    EXPECT_EQ(m.bank(), 950);
    QTest::qWait(1200);
    EXPECT_EQ(m.boxes.boxes.size(), 1);
}

TEST(FailureTable, TheCoinSoundMissingAtStartUpStopsTheWindowBeingBuilt)
{
    MediaRecorder media;
    media.missing << QStringLiteral("C:\\zorvix\\insertcoin.au");
    try {
        TForm1 form;
        FAIL() << "the main window was built";
    } catch (const EMCIDeviceError &e) {
        EXPECT_EQ(e.message(), NoSuchFile);
    }
}
