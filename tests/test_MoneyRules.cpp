#include "support/Machine.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TfcImageBtn.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

TEST(MoneyRules, StartsWith1000Credits50BetAndNothingPlayed)
{
    MediaRecorder media;
    TForm1 form;
    EXPECT_EQ(form.BankAccount->Text(), QStringLiteral("1000"));
    EXPECT_EQ(form.Bet->Value(), 50);
    EXPECT_EQ(form.Bet->Text(), QStringLiteral("50"));
    EXPECT_EQ(form.WinnerPaid->Text(), QStringLiteral("0"));
    EXPECT_EQ(form.Tag(), 0);
    EXPECT_EQ(form.Pull->Tag(), 0);
    EXPECT_EQ(form.coinslot->Tag(), 0);
    // The coin sound is opened while the window is built, and nothing is played.
    EXPECT_EQ(media.log, QStringList { QStringLiteral("open C:\\zorvix\\insertcoin.au") });
}

TEST(MoneyRules, EachCoinAdds100WithoutCapAndClinks)
{
    Machine m;
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 1100);
    EXPECT_EQ(m.media.log, (QStringList { "open " + CoinCue, "play " + CoinCue }));
    for (int i = 0; i < 9; ++i)
        m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 2000);
    // Any mouse button inserts a coin.
    m.click(m.form.coinslot, Qt::RightButton);
    m.click(m.form.coinslot, Qt::MiddleButton);
    EXPECT_EQ(m.bank(), 2200);
    EXPECT_EQ(m.media.playCount(CoinCue), 12);
}

TEST(MoneyRules, TypingOverTheBetBleepsPerKeystrokeAndTwiceForACorrection)
{
    Machine m;
    m.form.Bet->setFocus();
    m.form.Bet->selectAll();
    QTest::keyClick(m.form.Bet, Qt::Key_2);
    QTest::keyClick(m.form.Bet, Qt::Key_0);
    QTest::keyClick(m.form.Bet, Qt::Key_0);
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("200"));
    EXPECT_EQ(m.bleeps(), 3);
    QTest::keyClick(m.form.Bet, Qt::Key_0);
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("1000"));
    EXPECT_EQ(m.bleeps(), 5);
}

TEST(MoneyRules, ANegativeBetIsReplacedWithZeroAndBleepsTwice)
{
    Machine m;
    m.form.Bet->setFocus();
    m.form.Bet->selectAll();
    QTest::keyClick(m.form.Bet, Qt::Key_Minus);
    // A lone minus stays: the bet reads 0 and needs no correction.
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("-"));
    EXPECT_EQ(m.form.Bet->Value(), 0);
    EXPECT_EQ(m.bleeps(), 1);
    m.media.clear();
    QTest::keyClick(m.form.Bet, Qt::Key_5);
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("0"));
    EXPECT_EQ(m.bleeps(), 2);
}

TEST(MoneyRules, ArrowsPastTheLimitsAreCorrectedAtOnceWithTwoBleeps)
{
    Machine m;
    m.setBet(0);
    m.click(m.form.Bet->downButton());
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("0"));
    EXPECT_EQ(m.bleeps(), 2);

    m.setBet(1000);
    m.click(m.form.Bet->upButton());
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("1000"));
    EXPECT_EQ(m.bleeps(), 2);

    m.setBet(40);
    m.click(m.form.Bet->upButton());
    EXPECT_EQ(m.form.Bet->Value(), 41);
    EXPECT_EQ(m.bleeps(), 1);
}

TEST(MoneyRules, BetMaxBetsTheWholeBankOnlyWhenThereIsOne)
{
    Machine m;
    m.setBank(750);
    m.press(m.form.BetMax);
    EXPECT_EQ(m.form.Bet->Value(), 750);
    EXPECT_EQ(m.bleeps(), 1);
    m.release(m.form.BetMax);

    m.media.clear();
    m.click(m.form.BetMax); // already 750: no change, no sound
    EXPECT_EQ(m.media.log, QStringList());

    m.setBet(30);
    m.setBank(0);
    m.click(m.form.BetMax, Qt::RightButton);
    EXPECT_EQ(m.form.Bet->Value(), 30);
    EXPECT_EQ(m.media.log, QStringList());
}

TEST(MoneyRules, TheAmountFieldsPassTheFocusToSpin)
{
    Machine m;
    EXPECT_TRUE(m.form.Bet->hasFocus());
    m.click(m.form.BankAccount);
    EXPECT_TRUE(m.form.Pull->hasFocus());
    m.form.Bet->setFocus();
    m.click(m.form.WinnerPaid);
    EXPECT_TRUE(m.form.Pull->hasFocus());
    // Typing never changes an amount field.
    QTest::keyClicks(m.form.BankAccount, "99");
    EXPECT_EQ(m.bank(), 1000);
}

TEST(MoneyRules, AnyBetTextIsSafeToReadAndNeverTakesTheBankBelowZero)
{
    Machine m;
    const QString texts[] = { "", "-", "+", "abc", "1.5", "$", "$10", "0x7FFFFFFF", "-2147483648",
                              "99999999999", "1234567", "  12", "12 " };
    for (const QString &text : texts) {
        m.setBank(1000);
        m.form.Bet->setText(text);
        const int bet = m.form.Bet->Value();
        EXPECT_GE(bet, 0) << text.toStdString();
        EXPECT_LE(bet, 1000) << text.toStdString();
        m.press(m.form.Pull);
        m.release(m.form.Pull);
        EXPECT_GE(m.bank(), 0) << text.toStdString();
        EXPECT_TRUE(m.boxes.boxes.isEmpty());
        m.form.Timer2->setEnabled(false);
        for (TRzAnimator *cell : m.form.cells())
            cell->setAnimate(false);
    }
}

TEST(MoneyRules, PastingADollarHexBetReadsItsValue)
{
    Machine m;
    m.form.Bet->setFocus();
    m.form.Bet->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("$10"));
    QTest::keyClick(m.form.Bet, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m.form.Bet->Text(), QStringLiteral("$10"));
    EXPECT_EQ(m.form.Bet->Value(), 16);
    EXPECT_EQ(m.bleeps(), 1);
}

TEST(MoneyRules, AmountsStopAtThe32BitLimitInsteadOfWrapping)
{
    Machine m;
    m.setBank(2147483600);
    m.click(m.form.coinslot);
    EXPECT_EQ(m.form.BankAccount->Text(), QStringLiteral("2147483647"));
    m.click(m.form.coinslot);
    EXPECT_EQ(m.form.BankAccount->Text(), QStringLiteral("2147483647"));

    // A payout beyond the limit, onto a full bank.
    m.setBet(2000000000);
    m.noForcedWin();
    m.setSymbols({ 8, 0, 1, 8, 2, 3, 8, 4, 5 });
    m.stop();
    EXPECT_EQ(m.form.WinnerPaid->Text(), QStringLiteral("2147483647"));
    EXPECT_EQ(m.form.BankAccount->Text(), QStringLiteral("2147483647"));
}

TEST(MoneyRules, ABankTextThatIsNoIntegerIsReportedAndTheGameGoesOn)
{
    Machine m;
    m.form.BankAccount->setText(QStringLiteral("abc"));
    m.click(m.form.coinslot);
    ASSERT_EQ(m.boxes.boxes.size(), 1);
    EXPECT_EQ(m.boxes.boxes[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(m.boxes.boxes[0].caption, QStringLiteral("Zorvixia"));
    // The handler ended at the reading: nothing changed, nothing sounded.
    EXPECT_EQ(m.form.BankAccount->Text(), QStringLiteral("abc"));
    EXPECT_EQ(m.media.log, QStringList());

    m.setBank(500);
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 600);
}
