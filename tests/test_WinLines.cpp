#include "runtime/Random.h"
#include "support/Machine.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzLabel.h"
#include "widgets/TShape.h"
#include "widgets/TTimer.h"
#include "widgets/TfcImageBtn.h"

#include <gtest/gtest.h>

namespace {

// A grid on which no line wins.
constexpr std::array<int, 9> Losing = { 1, 2, 3, 4, 5, 6, 7, 8, 0 };

QStringList captionsAtEachPayoff(Machine &m)
{
    QStringList captions;
    m.media.onPlay = [&](const QString &path) {
        if (path == PayoffCue)
            captions << m.form.WinnerLabel->Caption();
    };
    m.stop();
    m.media.onPlay = nullptr;
    return captions;
}

std::vector<int> shownBars(const TForm1 &form)
{
    std::vector<int> shown;
    for (int i = 0; i < 6; ++i)
        if (!form.winLines()[i].highlight->isHidden())
            shown.push_back(i + 1);
    return shown;
}

} // namespace

TEST(WinLines, ATopRowOfThreesPaysThreeTimesTheBet)
{
    Machine m;
    m.noForcedWin();
    m.setSymbols({ 3, 0, 1, 3, 2, 4, 3, 5, 6 });
    m.stop();
    EXPECT_EQ(m.form.WinnerLabel->Caption(), QStringLiteral("Winner! (3x)"));
    EXPECT_TRUE(m.form.WinnerLabel->isVisible());
    EXPECT_EQ(shownBars(m.form), std::vector<int> { 1 });
    EXPECT_EQ(m.winnerPaid(), 150);
    EXPECT_EQ(m.bank(), 1150);
    EXPECT_EQ(m.media.played(), QStringList { PayoffCue });
    EXPECT_EQ(m.form.Tag(), 3);
    EXPECT_EQ(m.form.Pull->Tag(), 0);
    EXPECT_EQ(m.form.coinslot->Tag(), 0);
}

TEST(WinLines, SymbolZeroPaysTenAndTheCellShowsZeroAgain)
{
    Machine m;
    m.setBet(20);
    m.noForcedWin();
    m.setSymbols({ 1, 0, 2, 3, 0, 4, 5, 0, 6 });
    m.stop();
    EXPECT_EQ(m.form.WinnerLabel->Caption(), QStringLiteral("Winner! (10x)"));
    EXPECT_EQ(m.winnerPaid(), 200);
    EXPECT_EQ(m.form.RzAnimator2->ImageIndex(), 0);
    EXPECT_EQ(shownBars(m.form), std::vector<int> { 2 });
}

TEST(WinLines, ARowAndAColumnOfZerosCountTenEach)
{
    Machine m;
    m.noForcedWin();
    m.setSymbols({ 0, 0, 0, 0, 1, 2, 0, 3, 4 });
    EXPECT_EQ(captionsAtEachPayoff(m), (QStringList { "Winner! (10x)", "Winner! (20x)" }));
    EXPECT_EQ(shownBars(m.form), (std::vector<int> { 1, 4 }));
    EXPECT_EQ(m.winnerPaid(), 1000);
    EXPECT_EQ(m.symbols(), (std::array<int, 9> { 0, 0, 0, 0, 1, 2, 0, 3, 4 }));
}

TEST(WinLines, AFullGridWinsAllSixLines)
{
    Machine m;
    m.noForcedWin();
    m.setSymbols({ 0, 0, 0, 0, 0, 0, 0, 0, 0 });
    const QStringList captions = captionsAtEachPayoff(m);
    EXPECT_EQ(captions.size(), 6);
    EXPECT_EQ(captions.last(), QStringLiteral("Winner! (60x)"));
    EXPECT_EQ(shownBars(m.form), (std::vector<int> { 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(m.winnerPaid(), 3000);
    EXPECT_EQ(m.bank(), 4000);
    EXPECT_EQ(m.media.playCount(PayoffCue), 6);

    m.noForcedWin();
    m.setSymbols({ 8, 8, 8, 8, 8, 8, 8, 8, 8 });
    m.stop();
    EXPECT_EQ(m.form.WinnerLabel->Caption(), QStringLiteral("Winner! (48x)"));
}

TEST(WinLines, ALosingStopShowsNothingAndPaysNothing)
{
    Machine m;
    m.press(m.form.Pull);
    m.release(m.form.Pull);
    m.media.clear();
    m.noForcedWin();
    m.setSymbols(Losing);
    m.stop();
    EXPECT_TRUE(m.form.WinnerLabel->isHidden());
    EXPECT_EQ(shownBars(m.form), std::vector<int> {});
    EXPECT_EQ(m.media.log, QStringList());
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("0"));
    EXPECT_EQ(m.bank(), 950);
    // The stop ends the spin: cells still, timer disarmed, buttons usable.
    EXPECT_FALSE(m.anyCellAnimating());
    EXPECT_FALSE(m.form.Timer2->Enabled());
    EXPECT_TRUE(m.form.Pull->Enabled());
    EXPECT_TRUE(m.form.BetMax->Enabled());
    EXPECT_EQ(m.form.Pull->Tag(), 1);
}

TEST(WinLines, TheStopPaysWithTheBetTheFieldHoldsThen)
{
    Machine m;
    m.click(m.form.Pull);
    m.click(m.form.BetMax); // raised during the spin
    EXPECT_EQ(m.form.Bet->Value(), 950);
    m.noForcedWin();
    m.setSymbols({ 2, 0, 1, 2, 3, 4, 2, 5, 6 });
    m.stop();
    EXPECT_EQ(m.winnerPaid(), 1900);
    EXPECT_EQ(m.bank(), 950 + 1900);

    m.click(m.form.Pull);
    m.setBet(0); // typed 0 during the spin: shown and sounded, paid nothing
    const int bank = m.bank();
    m.noForcedWin();
    m.setSymbols({ 2, 0, 1, 2, 3, 4, 2, 5, 6 });
    m.stop();
    EXPECT_TRUE(m.form.WinnerLabel->isVisible());
    EXPECT_EQ(m.media.playCount(PayoffCue), 1);
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("0"));
    EXPECT_EQ(m.bank(), bank);
}

TEST(WinLines, TheFirstStopDrawsTheThresholdAndIsNeverForced)
{
    Machine m;
    m.clock.advanceOnRead = true;
    for (uint32_t start : { 0u, 1000u, 43200000u, 86399990u }) {
        m.form.Pull->setTag(0);
        m.form.coinslot->setTag(0);
        m.clock.set(start);
        m.setSymbols(Losing);
        m.stop();
        EXPECT_GE(m.form.coinslot->Tag(), 5);
        EXPECT_LE(m.form.coinslot->Tag(), 14);
        EXPECT_EQ(m.form.Pull->Tag(), 1);
        EXPECT_EQ(m.symbols(), Losing);
        EXPECT_EQ(m.form.Tag(), 0);
    }
}

TEST(WinLines, TheThresholdLoopRereadsTheClockUntilADrawOfFiveOrMore)
{
    // At 23:59:59.999 the first draw is 10; a millisecond whose first draw is below 5 makes
    // the loop wait for the clock to move on, then take the first good draw.
    Machine m;
    m.clock.advanceOnRead = true;
    uint32_t lowMs = 0;
    for (uint32_t ms = 0;; ++ms) {
        GeneratorSeed = ms;
        if (RandomBelow(15) < 5) {
            lowMs = ms;
            break;
        }
    }
    m.clock.set(lowMs);
    m.setSymbols(Losing);
    m.stop();
    uint32_t expectedMs = lowMs;
    int expected;
    do {
        GeneratorSeed = expectedMs++;
        expected = RandomBelow(15);
    } while (expected < 5);
    EXPECT_EQ(m.form.coinslot->Tag(), expected);
}

TEST(WinLines, WithThresholdSevenTheEighthLosingStopIsForcedToWin)
{
    Machine m;
    m.form.Pull->setTag(0);
    m.form.coinslot->setTag(7);
    for (int stop = 1; stop <= 7; ++stop) {
        m.setSymbols(Losing);
        m.stop();
        EXPECT_EQ(m.form.Tag(), 0) << "stop " << stop;
        EXPECT_EQ(m.form.Pull->Tag(), stop);
    }
    m.setSymbols(Losing);
    m.stop();
    // Seeded at noon: the line draw and the symbol draw are fixed.
    GeneratorSeed = 43200000;
    int line;
    do
        line = RandomBelow(7);
    while (line < 1);
    const int symbol = RandomBelow(9);
    const auto lines = m.form.winLines();
    const auto &forced = lines[size_t(line - 1)];
    for (TRzAnimator *cell : forced.cells)
        EXPECT_EQ(cell->ImageIndex(), symbol);
    EXPECT_FALSE(forced.highlight->isHidden());
    EXPECT_GE(m.form.Tag(), symbol == 0 ? 10 : symbol);
    EXPECT_EQ(m.form.Pull->Tag(), 0);
    EXPECT_EQ(m.form.coinslot->Tag(), 0);
    EXPECT_GT(m.winnerPaid(), 0);
}

TEST(WinLines, NoMoreThanFourteenLosingStopsInARow)
{
    Machine m;
    m.clock.advanceOnRead = true;
    int losingRun = 0;
    int longest = 0;
    for (int stop = 0; stop < 300; ++stop) {
        m.clock.set(uint32_t(stop) * 7919u % 86400000u);
        m.setSymbols(Losing);
        m.stop();
        losingRun = m.form.Tag() > 0 ? 0 : losingRun + 1;
        longest = std::max(longest, losingRun);
    }
    EXPECT_LE(longest, 14);
    EXPECT_GE(longest, 5);
}
