#include "support/Machine.h"
#include "widgets/TImageList.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzLabel.h"
#include "widgets/TShape.h"
#include "widgets/TTimer.h"
#include "widgets/TfcImageBtn.h"

#include "platform/Timers.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

std::vector<int> delays(const TForm1 &form)
{
    std::vector<int> d;
    for (TRzAnimator *cell : form.cells())
        d.push_back(cell->Delay());
    return d;
}

void stopCells(TForm1 &form)
{
    for (TRzAnimator *cell : form.cells())
        cell->setAnimate(false);
}

} // namespace

TEST(SpinCycle, TheEngineComponentsStandWhereTheLayoutPutsThem)
{
    MediaRecorder media;
    TForm1 form;
    const std::array<QPoint, 9> cellAt = { { { 38, 82 }, { 38, 172 }, { 38, 262 }, { 190, 82 }, { 190, 172 },
                                             { 190, 262 }, { 342, 82 }, { 342, 172 }, { 342, 262 } } };
    for (int i = 0; i < 9; ++i) {
        TRzAnimator *cell = form.cells()[i];
        EXPECT_EQ(cell->objectName(), QStringLiteral("RzAnimator%1").arg(i + 1));
        EXPECT_EQ(cell->geometry(), QRect(cellAt[i], QSize(105, 65)));
        EXPECT_EQ(cell->ImageIndex(), i);
        EXPECT_EQ(cell->ImageList(), form.ImageList1);
        EXPECT_EQ(cell->Delay(), 50);
        EXPECT_FALSE(cell->Animate());
    }
    const std::array<QRect, 6> bars = { { { 25, 114, 434, 6 }, { 25, 203, 434, 6 }, { 25, 292, 434, 6 },
                                          { 86, 65, 6, 278 }, { 239, 65, 6, 278 }, { 391, 65, 6, 278 } } };
    for (int i = 0; i < 6; ++i) {
        TShape *bar = form.winLines()[i].highlight;
        EXPECT_EQ(bar->objectName(), QStringLiteral("win%1").arg(i + 1));
        EXPECT_EQ(bar->geometry(), bars[i]);
        EXPECT_TRUE(bar->isHidden());
    }
    EXPECT_EQ(form.Bet->geometry(), QRect(40, 400, 100, 30));
    EXPECT_EQ(form.BankAccount->geometry(), QRect(176, 400, 129, 33));
    EXPECT_EQ(form.WinnerPaid->geometry(), QRect(344, 400, 105, 30));
    EXPECT_EQ(form.Pull->geometry(), QRect(195, 458, 96, 32));
    EXPECT_EQ(form.BetMax->geometry(), QRect(40, 458, 98, 34));
    EXPECT_EQ(form.coinslot->geometry(), QRect(324, 8, 133, 57));
    EXPECT_EQ(form.Coin->geometry(), QRect(86, 11, 43, 43));
    EXPECT_EQ(form.Pull2->geometry(), QRect(-24, -256, 150, 300));
    EXPECT_EQ(form.WinnerLabel->geometry(), QRect(34, 1, 187, 61));
    EXPECT_TRUE(form.WinnerLabel->isHidden());
    EXPECT_TRUE(form.Coin->isHidden());
    EXPECT_TRUE(form.Pull2->isHidden());
    EXPECT_FALSE(form.Timer2->Enabled());
    EXPECT_EQ(form.Timer2->Interval(), 1000u);
    for (int i = 0; i < 7; ++i) {
        TImageList *list = form.themeLists()[i];
        EXPECT_EQ(list->objectName(), QStringLiteral("ImageList%1").arg(i));
        EXPECT_EQ(list->Count(), 9);
        EXPECT_EQ(QSize(list->Width(), list->Height()), QSize(105, 65));
    }
}

TEST(SpinCycle, APressTakesTheBetClearsTheDisplayAndStartsTheCells)
{
    Machine m;
    m.form.WinnerPaid->setText(QStringLiteral("150"));
    m.form.WinnerLabel->setVisible(true);
    m.form.win2->setVisible(true);
    m.form.win5->setVisible(true);

    m.press(m.form.Pull);
    EXPECT_EQ(m.bank(), 950);
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("0"));
    EXPECT_TRUE(m.form.WinnerLabel->isHidden());
    EXPECT_TRUE(m.form.WinnerLabel->Blinking());
    for (const auto &line : m.form.winLines())
        EXPECT_TRUE(line.highlight->isHidden());
    EXPECT_EQ(m.media.log, (QStringList { "open " + PullCue, "play " + PullCue }));
    EXPECT_TRUE(m.allCellsAnimating());
    // Seeded at 12:00:00.000 UTC.
    EXPECT_EQ(delays(m.form), (std::vector<int> { 28, 32, 57, 18, 30, 52, 37, 11, 72 }));
    EXPECT_FALSE(m.form.Timer2->Enabled()); // armed only by the release
    m.release(m.form.Pull);
    EXPECT_TRUE(m.form.Timer2->Enabled());
    stopCells(m.form);
}

TEST(SpinCycle, EveryDelayLiesBetween10And74)
{
    Machine m;
    for (uint32_t ms = 0; ms < 86400000u; ms += 86400000u / 200) {
        m.clock.set(ms);
        m.setBank(1000);
        m.press(m.form.Pull);
        for (int d : delays(m.form)) {
            EXPECT_GE(d, 10);
            EXPECT_LE(d, 74);
        }
        m.release(m.form.Pull);
    }
    m.form.Timer2->setEnabled(false);
    stopCells(m.form);
}

TEST(SpinCycle, ASmallBankLowersTheBetAndTheSpinGoesOn)
{
    Machine m;
    m.setBank(30);
    m.press(m.form.Pull);
    EXPECT_EQ(m.form.Bet->Value(), 30);
    EXPECT_EQ(m.bank(), 0);
    // The bleep of the lowered bet is cut off by the pull.
    EXPECT_EQ(m.media.played(), (QStringList { BetCue, PullCue }));
    EXPECT_TRUE(m.allCellsAnimating());
    m.release(m.form.Pull);
    stopCells(m.form);
    m.form.Timer2->setEnabled(false);
}

TEST(SpinCycle, AnEmptyBankZeroesTheBetAndNothingSpins)
{
    Machine m;
    m.setBank(0);
    m.press(m.form.Pull);
    EXPECT_EQ(m.form.Bet->Value(), 0);
    EXPECT_EQ(m.media.played(), QStringList { BetCue });
    EXPECT_FALSE(m.anyCellAnimating());
    m.release(m.form.Pull);
    EXPECT_FALSE(m.form.Timer2->Enabled());
    // With the bet already 0 the press sounds nothing at all.
    m.media.clear();
    m.click(m.form.Pull);
    EXPECT_EQ(m.media.log, QStringList());
}

TEST(SpinCycle, ASkullsChoiceGivesEveryCellTheSkullsAtThePress)
{
    Machine m;
    m.form.RzAnimator4->setImageList(m.form.ImageList2);
    m.form.setThemeQuery([](const QString &name) { return name == QLatin1String("Skulls"); });
    m.press(m.form.Pull);
    for (TRzAnimator *cell : m.form.cells())
        EXPECT_EQ(cell->ImageList(), m.form.ImageList5);
    // The cells keep their symbols.
    EXPECT_EQ(m.form.RzAnimator5->ImageIndex(), 4);
    m.release(m.form.Pull);
    stopCells(m.form);
    m.form.Timer2->setEnabled(false);
}

TEST(SpinCycle, AChoiceMadeWithoutPullingChangesNoCell)
{
    Machine m;
    m.form.setThemeQuery([](const QString &name) { return name == QLatin1String("Rocks"); });
    for (TRzAnimator *cell : m.form.cells())
        EXPECT_EQ(cell->ImageList(), m.form.ImageList1);
}

TEST(SpinCycle, HoldingTheHandleKeepsSpinningAndTheStopComesASecondAfterTheRelease)
{
    Machine m;
    m.press(m.form.Pull);
    QTest::qWait(1300);
    EXPECT_TRUE(m.allCellsAnimating());
    QElapsedTimer sinceRelease;
    m.release(m.form.Pull);
    sinceRelease.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m.anyCellAnimating(); }, 3000));
    EXPECT_GE(sinceRelease.elapsed(), 990);
    EXPECT_FALSE(m.form.Timer2->Enabled());
    EXPECT_TRUE(m.form.Pull->Enabled());
    EXPECT_TRUE(m.form.BetMax->Enabled());
}

TEST(SpinCycle, TwoPressesBeforeOneStopPayTwoBetsForOneStop)
{
    Machine m;
    int stops = 0;
    m.form.Timer2->OnTimer = [&](QObject *sender) {
        ++stops;
        m.form.Timer2Timer(sender);
    };
    QElapsedTimer sinceFirstRelease;
    m.click(m.form.Pull);
    sinceFirstRelease.start();
    QTest::qWait(500);
    m.click(m.form.Pull); // the armed timer is not restarted
    EXPECT_EQ(m.bank(), 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stops == 1; }, 3000));
    EXPECT_LT(sinceFirstRelease.elapsed(), 1400);
    QTest::qWait(1200);
    EXPECT_EQ(stops, 1);
}

TEST(SpinCycle, AKeyOnTheFocusedSpinButtonStartsNoSpin)
{
    Machine m;
    m.form.Pull->setFocus();
    QTest::keyClick(m.form.Pull, Qt::Key_Space);
    QTest::keyClick(m.form.Pull, Qt::Key_Return);
    EXPECT_EQ(m.bank(), 1000);
    EXPECT_FALSE(m.anyCellAnimating());
    EXPECT_EQ(m.media.log, QStringList());
}

TEST(SpinCycle, AnyMouseButtonPullsTheHandle)
{
    Machine m;
    m.click(m.form.Pull, Qt::RightButton);
    EXPECT_EQ(m.bank(), 950);
    EXPECT_TRUE(m.form.Timer2->Enabled());
    m.form.Timer2->setEnabled(false);
    stopCells(m.form);
}

TEST(SpinCycle, ARefusedStopTimerIsReportedAndNeverTicks)
{
    Machine m;
    m.press(m.form.Pull);
    setTimersRefused(true, m.form.Timer2); // other timers (blinking, cells) keep theirs
    m.release(m.form.Pull);
    setTimersRefused(false);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    EXPECT_EQ(m.boxes.boxes[0].text, QStringLiteral("Not enough timers available."));
    // Marked as enabled but not counting: later releases arm nothing and no stop comes.
    EXPECT_TRUE(m.form.Timer2->Enabled());
    EXPECT_FALSE(m.form.Timer2->isArmed());
    m.click(m.form.Pull);
    QTest::qWait(1200);
    EXPECT_TRUE(m.allCellsAnimating());
    stopCells(m.form);
}
