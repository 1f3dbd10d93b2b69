#pragma once

// A machine (the main window) built and shown offscreen, with recorders in place of the
// sound device, the message boxes and the clock.

#include "main/TForm1.h"
#include "support/Recorders.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzEdit.h"
#include "widgets/TTimer.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TrmSpinEdit.h"

#include <QTest>

#include <array>

inline const QString CoinCue = QStringLiteral("c:\\zorvix\\insertcoin.au");
inline const QString BetCue = QStringLiteral("c:\\zorvix\\bleep1.mp3");
inline const QString PullCue = QStringLiteral("c:\\zorvix\\pull1.wav");
inline const QString PayoffCue = QStringLiteral("c:\\zorvix\\payoff.wav");

struct Machine {
    MediaRecorder media;
    MessageBoxRecorder boxes;
    BeepRecorder beeps;
    FixedClock clock { 43200000 }; // 12:00:00.000 UTC
    TForm1 form;

    Machine()
    {
        form.show();
        form.activateWindow();
        (void)QTest::qWaitForWindowExposed(&form);
        media.clear();
    }

    int bank() const { return form.BankAccount->Text().toInt(); }
    void setBank(int amount) { form.BankAccount->setText(QString::number(amount)); }
    int winnerPaid() const { return form.WinnerPaid->Text().toInt(); }
    int bleeps() const { return media.playCount(BetCue); }

    // Sets the bet without counting its bleep.
    void setBet(int bet)
    {
        form.Bet->setValue(bet);
        media.clear();
    }

    // The symbols of cells 1 to 9 (numbered by column).
    void setSymbols(const std::array<int, 9> &symbols)
    {
        const auto cells = form.cells();
        for (int i = 0; i < 9; ++i)
            cells[i]->setImageIndex(symbols[i]);
    }
    std::array<int, 9> symbols() const
    {
        std::array<int, 9> s {};
        const auto cells = form.cells();
        for (int i = 0; i < 9; ++i)
            s[i] = cells[i]->ImageIndex();
        return s;
    }

    // Keeps the forced-win schedule out of the way of a single stop.
    void noForcedWin()
    {
        form.coinslot->setTag(14);
        form.Pull->setTag(0);
    }

    // The stop timer's tick.
    void stop() { form.Timer2Timer(form.Timer2); }

    static QPoint centre(QWidget *w) { return w->rect().center(); }
    void press(QWidget *w, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(w, button, {}, centre(w)); }
    void release(QWidget *w, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(w, button, {}, centre(w)); }
    void click(QWidget *w, Qt::MouseButton button = Qt::LeftButton)
    {
        press(w, button);
        release(w, button);
    }

    bool anyCellAnimating() const
    {
        for (TRzAnimator *cell : form.cells())
            if (cell->Animate())
                return true;
        return false;
    }
    bool allCellsAnimating() const
    {
        for (TRzAnimator *cell : form.cells())
            if (!cell->Animate())
                return false;
        return true;
    }
};
