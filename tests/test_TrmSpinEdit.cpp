#include "runtime/Exceptions.h"
#include "support/Recorders.h"
#include "widgets/TrmSpinEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A spin edit with a second field to take the focus, on a shown, active window. Every
// OnChange is logged with the text it saw.
struct SpinFixture {
    QWidget window;
    TrmSpinEdit *edit = new TrmSpinEdit(&window);
    QLineEdit *other = new QLineEdit(&window);
    QStringList changes;

    SpinFixture()
    {
        edit->setGeometry(10, 10, 100, 30);
        other->setGeometry(10, 50, 100, 30);
        window.resize(200, 100);
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
        edit->setFocus();
        logChanges();
    }

    void logChanges()
    {
        edit->OnChange = [this](QObject *sender) {
            EXPECT_EQ(sender, edit);
            changes << edit->Text();
        };
    }

    void click(QWidget *arrow)
    {
        QTest::mousePress(arrow, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, QPoint(5, 5));
    }
};

void copyToClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

TEST(TrmSpinEdit, UnparsableTextsReadAsMinValueAndOthersConvert)
{
    TrmSpinEdit edit;
    edit.setMaxValue(100);
    edit.setMinValue(7);
    for (const char *text : { "-", "", "1.5", "abc", "12 ", "99999999999" }) {
        edit.setText(QString::fromLatin1(text));
        EXPECT_EQ(edit.Value(), 7) << text;
        EXPECT_EQ(edit.Text(), QString::fromLatin1(text));
    }
    edit.setText(QStringLiteral("$10"));
    EXPECT_EQ(edit.Value(), 16);
    edit.setText(QStringLiteral(" -250"));
    EXPECT_EQ(edit.Value(), -250);
    // Without ranges, no clamp: the value is written as given.
    edit.setValue(-5);
    EXPECT_EQ(edit.Text(), "-5");
}

TEST(TrmSpinEdit, ProgramChangesRunOnChangeInsideTheSetterAndOnlyWhenTheTextDiffers)
{
    SpinFixture f;
    f.edit->setValue(50);
    EXPECT_EQ(f.changes, QStringList{ "50" });
    f.edit->setValue(50);
    f.edit->setText(QStringLiteral("50"));
    EXPECT_EQ(f.changes.size(), 1);
    f.edit->setText(QStringLiteral("abc"));
    EXPECT_EQ(f.changes, (QStringList{ "50", "abc" }));
}

TEST(TrmSpinEdit, AChangeInsideOnChangeRunsItNestedBeforeTheOuterRunContinues)
{
    TrmSpinEdit edit;
    QStringList log;
    edit.OnChange = [&](QObject *) {
        log << "enter " + edit.Text();
        if (edit.Value() > 1000)
            edit.setValue(1000);
        log << "leave " + edit.Text();
    };
    edit.setValue(2000);
    EXPECT_EQ(log, (QStringList{ "enter 2000", "enter 1000", "leave 1000", "leave 1000" }));
}

TEST(TrmSpinEdit, EachKeystrokeThatChangesTheTextRunsOnChange)
{
    SpinFixture f;
    f.edit->OnChange = {};
    f.edit->setValue(50);
    f.logChanges();
    f.edit->selectAll();
    QTest::keyClicks(f.edit, QStringLiteral("2000"));
    EXPECT_EQ(f.changes, (QStringList{ "2", "20", "200", "2000" }));

    // A digit typed over the same selected digit leaves the text as it was: no event.
    f.edit->setSelection(0, 1);
    QTest::keyClick(f.edit, Qt::Key_2);
    EXPECT_EQ(f.changes.size(), 4);

    QTest::keyClick(f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.changes.last(), "000");
}

TEST(TrmSpinEdit, AFailureOfOnChangeReachesTheProgramsCallerButOnlyIsReportedForThePlayersEdit)
{
    SpinFixture f;
    MessageBoxRecorder boxes;
    f.edit->OnChange = [&](QObject *) {
        f.changes << f.edit->Text();
        if (f.edit->Text().endsWith(u'5'))
            throw EConvertError(QStringLiteral("bet refused"));
    };

    EXPECT_THROW(f.edit->setValue(15), EConvertError);
    EXPECT_EQ(f.edit->Text(), "15"); // the change stands
    EXPECT_TRUE(boxes.boxes.isEmpty());

    f.edit->selectAll();
    QTest::keyClicks(f.edit, QStringLiteral("256"));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, "bet refused.");
    EXPECT_EQ(boxes.boxes[0].caption, "Zorvixia");
    // The field went on working after the report.
    EXPECT_EQ(f.edit->Text(), "256");
    EXPECT_EQ(f.changes, (QStringList{ "15", "2", "25", "256" }));

    // The failure of a player's edit never leaves the edit's own input handling, even
    // where no event loop would catch it.
    f.edit->end(false);
    EXPECT_NO_THROW(f.edit->insert(QStringLiteral("5")));
    EXPECT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(f.edit->Text(), "2565");

    // An arrow's step fails inside the arrow's own release handling; nothing repeats.
    f.edit->setValue(4);
    f.click(f.edit->upButton());
    EXPECT_EQ(boxes.boxes.size(), 3);
    EXPECT_EQ(f.edit->Text(), "5");
    QTest::qWait(500);
    EXPECT_EQ(boxes.boxes.size(), 3);
}

TEST(TrmSpinEdit, RefusedCharactersAndEnterBeepAndLeaveTheText)
{
    SpinFixture f;
    BeepRecorder beeps;
    f.edit->setText(QStringLiteral("12"));
    f.changes.clear();
    f.edit->end(false);
    QTest::keyClick(f.edit, Qt::Key_A);
    QTest::keyClick(f.edit, Qt::Key_Space);
    QTest::keyClick(f.edit, Qt::Key_Return);
    QTest::keyClick(f.edit, Qt::Key_Enter);
    EXPECT_EQ(beeps.count, 4);
    EXPECT_EQ(f.edit->Text(), "12");
    EXPECT_TRUE(f.changes.isEmpty());

    // Signs, digits and the decimal separator pass without a beep.
    QTest::keyClicks(f.edit, QStringLiteral("+-9."));
    EXPECT_EQ(f.edit->Text(), "12+-9.");
    EXPECT_EQ(beeps.count, 4);

    // The separator is the field's locale's.
    f.edit->setLocale(QLocale(QLocale::German, QLocale::Germany));
    QTest::keyClick(f.edit, Qt::Key_Period);
    QTest::keyClick(f.edit, Qt::Key_Comma);
    EXPECT_EQ(f.edit->Text(), "12+-9.,");
    EXPECT_EQ(beeps.count, 5);
}

TEST(TrmSpinEdit, MaxLengthLimitsTypingAndPastingButNotTheProgram)
{
    SpinFixture f;
    f.edit->setMaxLength(6);
    f.edit->selectAll();
    QTest::keyClicks(f.edit, QStringLiteral("12345678"));
    EXPECT_EQ(f.edit->Text(), "123456");

    f.edit->setSelection(4, 2);
    copyToClipboard(QStringLiteral("7890"));
    QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.edit->Text(), "123478");

    f.edit->setValue(1234567);
    EXPECT_EQ(f.edit->Text(), "1234567");
    EXPECT_EQ(f.edit->Value(), 1234567);
}

TEST(TrmSpinEdit, PastingDollarTenGivesSixteenAndKeepsThePastedText)
{
    SpinFixture f;
    copyToClipboard(QStringLiteral("$10"));
    f.edit->selectAll();
    QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.edit->Text(), "$10");
    EXPECT_EQ(f.edit->Value(), 16);
    EXPECT_EQ(f.changes, QStringList{ "$10" });
}

TEST(TrmSpinEdit, PasteFromTheContextMenuIsAPlayersEditHeldToMaxLength)
{
    SpinFixture f;
    f.edit->setMaxLength(4);
    f.edit->setText(QStringLiteral("12"));
    f.changes.clear();
    f.edit->end(false);
    copyToClipboard(QStringLiteral("34567"));

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), f.edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.edit, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();

    EXPECT_EQ(f.edit->Text(), "1234");
    EXPECT_EQ(f.changes, QStringList{ "1234" });
}

TEST(TrmSpinEdit, InputMethodTextIsFilteredLikeTypedText)
{
    SpinFixture f;
    BeepRecorder beeps;
    f.edit->setMaxLength(3);
    f.edit->selectAll();
    auto commit = [&](const QString &text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(f.edit, &event);
    };
    commit(QStringLiteral("ab"));
    EXPECT_EQ(f.edit->Text(), "0");
    EXPECT_EQ(beeps.count, 1);
    commit(QStringLiteral("4567"));
    EXPECT_EQ(f.edit->Text(), "456");
}

TEST(TrmSpinEdit, WithTheEditorDisabledOnlyTheArrowsAndKeysChangeTheValue)
{
    SpinFixture f;
    BeepRecorder beeps;
    f.edit->setEditorEnabled(false);
    f.edit->setValue(42);
    f.changes.clear();
    f.edit->end(false);
    QTest::keyClick(f.edit, Qt::Key_5);
    QTest::keyClick(f.edit, Qt::Key_Backspace);
    EXPECT_EQ(beeps.count, 2);
    copyToClipboard(QStringLiteral("9"));
    f.edit->selectAll();
    QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(f.edit, Qt::Key_Delete);
    EXPECT_EQ(f.edit->Text(), "42");
    EXPECT_TRUE(f.changes.isEmpty());

    f.click(f.edit->upButton());
    QTest::keyClick(f.edit, Qt::Key_Up);
    EXPECT_EQ(f.changes, (QStringList{ "43", "44" }));
}

TEST(TrmSpinEdit, WithRangesTheValueIsClampedAndTheArrowAtTheLimitDisabled)
{
    SpinFixture f;
    f.edit->setMaxValue(10);
    f.edit->setUseRanges(true);
    EXPECT_FALSE(f.edit->downButton()->isEnabled()); // at 0 = MinValue

    f.edit->setValue(12);
    EXPECT_EQ(f.edit->Text(), "10");
    EXPECT_FALSE(f.edit->upButton()->isEnabled());
    EXPECT_TRUE(f.edit->downButton()->isEnabled());
    f.click(f.edit->upButton()); // a disabled arrow does nothing
    QTest::keyClick(f.edit, Qt::Key_Up);
    EXPECT_EQ(f.edit->Text(), "10");

    f.edit->setValue(-3);
    EXPECT_EQ(f.edit->Text(), "0");
    EXPECT_TRUE(f.edit->upButton()->isEnabled());

    // The limits refuse to cross; a limit moved re-evaluates the arrows only.
    f.edit->setMinValue(11);
    EXPECT_EQ(f.edit->MinValue(), 0);
    f.edit->setValue(5);
    f.edit->setMaxValue(5);
    EXPECT_FALSE(f.edit->upButton()->isEnabled());
    EXPECT_EQ(f.edit->Text(), "5");
    EXPECT_EQ(f.changes, (QStringList{ "10", "0", "5" }));
}

TEST(TrmSpinEdit, FocusLossClampsOnlyWhenRangesAreUsed)
{
    SpinFixture f;
    f.edit->setMaxValue(10);
    f.edit->selectAll();
    QTest::keyClick(f.edit, Qt::Key_Minus);
    f.other->setFocus();
    ASSERT_TRUE(f.other->hasFocus());
    EXPECT_EQ(f.edit->Text(), "-"); // a lone minus stays and reads MinValue
    EXPECT_EQ(f.edit->Value(), 0);

    f.edit->setFocus();
    QTest::keyClicks(f.edit, QStringLiteral("15"));
    f.other->setFocus();
    EXPECT_EQ(f.edit->Text(), "15");

    f.edit->setFocus();
    f.edit->OnChange = {};
    f.edit->setUseRanges(true); // clamps the current value at once
    EXPECT_EQ(f.edit->Text(), "10");
    f.logChanges();
    f.changes.clear();
    f.edit->selectAll();
    QTest::keyClicks(f.edit, QStringLiteral("15"));
    f.other->setFocus();
    EXPECT_EQ(f.edit->Text(), "10");
    EXPECT_EQ(f.changes, (QStringList{ "1", "15", "10" }));
}

TEST(TrmSpinEdit, AutoSelectSelectsTheWholeTextOnFocus)
{
    SpinFixture f;
    f.edit->setValue(123);
    f.other->setFocus();
    f.edit->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(f.edit->selectedText(), "123");

    f.edit->setAutoSelect(false);
    f.other->setFocus();
    f.edit->deselect();
    f.edit->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(f.edit->hasSelectedText());
}

TEST(TrmSpinEdit, ArrowsLieInAStripInsideTheRightEdgeThatTextNeverRunsUnder)
{
    SpinFixture f;
    const QRect up = f.edit->upButton()->geometry();
    const QRect down = f.edit->downButton()->geometry();
    EXPECT_EQ(up.width(), 20);
    EXPECT_EQ(down.width(), 20);
    EXPECT_EQ(up.left(), down.left());
    EXPECT_LE(up.right(), f.edit->width() - 1);
    EXPECT_GE(up.right(), f.edit->width() - 4); // only the frame beyond it
    EXPECT_EQ(down.top(), up.bottom() + 1);
    EXPECT_EQ(up.height(), (up.height() + down.height()) / 2);

    f.edit->setText(QStringLiteral("888888888888888888888888"));
    f.edit->end(false);
    f.edit->repaint(); // the line edit scrolls its text while painting
    // The reported rectangle is centred on the caret.
    EXPECT_LT(f.edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(), up.left());

    f.edit->resize(30, 30);
    EXPECT_EQ(f.edit->upButton()->width(), 15);
}

TEST(TrmSpinEdit, AShortClickStepsOnceAtTheReleaseAndSelectsTheText)
{
    SpinFixture f;
    f.edit->setIncrement(5);
    f.edit->setValue(50);
    f.changes.clear();
    f.other->setFocus();
    QWidget *up = f.edit->upButton();
    const QImage raised = up->grab().toImage();

    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.changes.isEmpty());
    EXPECT_NE(up->grab().toImage(), raised); // looks pressed
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.changes, QStringList{ "55" });
    EXPECT_EQ(f.edit->selectedText(), "55");
    EXPECT_TRUE(f.edit->hasFocus());
    EXPECT_EQ(up->grab().toImage(), raised);

    f.click(f.edit->downButton());
    EXPECT_EQ(f.edit->Text(), "50");

    // A right click does not step.
    QTest::mouseClick(up, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.edit->Text(), "50");
}

TEST(TrmSpinEdit, AReleaseOffTheArrowOrOneThatNeverArrivesAddsNoStep)
{
    SpinFixture f;
    QWidget *up = f.edit->upButton();
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(up, QPoint(-30, 5));
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(-30, 5));
    QTest::qWait(600);
    EXPECT_TRUE(f.changes.isEmpty());

    // The button let go elsewhere (as when a failure report took the mouse): the hold
    // ends at its next tick instead of repeating for ever.
    const QImage raised = up->grab().toImage();
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(f.other, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(700);
    EXPECT_TRUE(f.changes.isEmpty());
    EXPECT_EQ(up->grab().toImage(), raised);
}

TEST(TrmSpinEdit, HoldingUpArrowRepeatsAfter400ThenEvery100Ms)
{
    SpinFixture f;
    QWidget *up = f.edit->upButton();
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(300);
    EXPECT_EQ(f.edit->Value(), 0);
    QTest::qWait(200); // about 500 ms after the press
    EXPECT_GE(f.edit->Value(), 1);
    EXPECT_LE(f.edit->Value(), 2);
    QTest::qWait(500); // about 1000 ms: steps at 400, 500, ..., 1000
    EXPECT_GE(f.edit->Value(), 5);
    EXPECT_LE(f.edit->Value(), 8);

    const int held = f.edit->Value();
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.edit->Value(), held + 1); // the final step at the release
    QTest::qWait(300);
    EXPECT_EQ(f.edit->Value(), held + 1);
    EXPECT_EQ(f.changes.size(), held + 1);
}

TEST(TrmSpinEdit, MovingOffAHeldArrowPausesTheRepeatUntilThePointerComesBack)
{
    SpinFixture f;
    QWidget *down = f.edit->downButton();
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(550);
    QTest::mouseMove(down, QPoint(5, 60));
    const int paused = f.edit->Value();
    EXPECT_LT(paused, 0);
    QTest::qWait(400);
    EXPECT_EQ(f.edit->Value(), paused);

    QTest::mouseMove(down, QPoint(5, 5));
    QTest::qWait(350);
    EXPECT_LE(f.edit->Value(), paused - 2);
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(TrmSpinEdit, AReadOnlyFieldRefusesStepsWithABeep)
{
    SpinFixture f;
    BeepRecorder beeps;
    f.edit->setReadOnly(true);
    f.click(f.edit->upButton());
    QTest::keyClick(f.edit, Qt::Key_Down);
    EXPECT_EQ(beeps.count, 2);
    EXPECT_EQ(f.edit->Text(), "0");
    EXPECT_TRUE(f.changes.isEmpty());
}

TEST(TrmSpinEdit, UpAndDownKeysStepAndAreConsumed)
{
    SpinFixture f;
    f.edit->setIncrement(10);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(f.edit, &up);
    EXPECT_TRUE(up.isAccepted());
    EXPECT_EQ(f.edit->Text(), "10");
    EXPECT_EQ(f.edit->selectedText(), "10");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(f.edit, &down);
    QApplication::sendEvent(f.edit, &down);
    EXPECT_TRUE(down.isAccepted());
    EXPECT_EQ(f.changes, (QStringList{ "10", "0", "-10" }));

    // Steps stop at the ends of the 32-bit range.
    f.edit->setValue(2147483640);
    QApplication::sendEvent(f.edit, &up);
    EXPECT_EQ(f.edit->Value(), 2147483647);
}
