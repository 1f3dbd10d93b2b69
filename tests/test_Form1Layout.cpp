#include "support/Machine.h"
#include "widgets/TImageList.h"
#include "widgets/TLabel.h"
#include "widgets/TMediaPlayer.h"
#include "widgets/TRzLabel.h"
#include "widgets/TRzLauncher.h"
#include "widgets/TShape.h"
#include "widgets/TfcImageForm.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char *name;
    const char *className;
    QRect bounds; // empty for components that are not shown
    bool visible;
    bool windowed;
};

// The main window's layout, in creation order.
const Row Layout[] = {
    { "fcImageForm1", "TfcImageForm", { 0, 0, 485, 500 }, true, false },
    { "Label2", "TLabel", { 472, 2, 9, 15 }, true, false },
    { "win1", "TShape", { 25, 114, 434, 6 }, false, false },
    { "win2", "TShape", { 25, 203, 434, 6 }, false, false },
    { "win3", "TShape", { 25, 292, 434, 6 }, false, false },
    { "WinnerLabel", "TRzLabel", { 34, 1, 187, 61 }, false, false },
    { "RzLabel2", "TRzLabel", { 72, 376, 35, 20 }, true, false },
    { "RzLabel3", "TRzLabel", { 338, 376, 119, 20 }, true, false },
    { "RzLabel4", "TRzLabel", { 174, 376, 137, 20 }, true, false },
    { "win4", "TShape", { 86, 65, 6, 278 }, false, false },
    { "win5", "TShape", { 239, 65, 6, 278 }, false, false },
    { "win6", "TShape", { 391, 65, 6, 278 }, false, false },
    { "Label1", "TLabel", { 461, 483, 19, 15 }, true, false },
    { "Pull2", "TfcImageBtn", { -24, -256, 150, 300 }, false, true },
    { "RzAnimator1", "TRzAnimator", { 38, 82, 105, 65 }, true, true },
    { "RzAnimator2", "TRzAnimator", { 38, 172, 105, 65 }, true, true },
    { "RzAnimator3", "TRzAnimator", { 38, 262, 105, 65 }, true, true },
    { "RzAnimator4", "TRzAnimator", { 190, 82, 105, 65 }, true, true },
    { "RzAnimator5", "TRzAnimator", { 190, 172, 105, 65 }, true, true },
    { "RzAnimator6", "TRzAnimator", { 190, 262, 105, 65 }, true, true },
    { "RzAnimator7", "TRzAnimator", { 342, 82, 105, 65 }, true, true },
    { "RzAnimator8", "TRzAnimator", { 342, 172, 105, 65 }, true, true },
    { "RzAnimator9", "TRzAnimator", { 342, 262, 105, 65 }, true, true },
    { "MediaPlayer1", "TMediaPlayer", { 352, 0, 29, 30 }, false, true },
    { "Coin", "TfcImageBtn", { 86, 11, 43, 43 }, false, true },
    { "Bet", "TrmSpinEdit", { 40, 400, 100, 30 }, true, true },
    { "BankAccount", "TRzEdit", { 176, 400, 129, 33 }, true, true },
    { "WinnerPaid", "TRzEdit", { 344, 400, 105, 30 }, true, true },
    { "Pull", "TRzBmpButton", { 195, 458, 96, 32 }, true, true },
    { "BetMax", "TRzBmpButton", { 40, 458, 98, 34 }, true, true },
    { "coinslot", "TfcImageBtn", { 324, 8, 133, 57 }, true, true },
    { "Help", "TRzBmpButton", { 349, 455, 97, 36 }, true, true },
    { "fcImageBtn1", "TfcImageBtn", { 220, 347, 44, 11 }, true, true },
    { "ImageList0", "TImageList", {}, false, false },
    { "Timer2", "TTimer", {}, false, false },
    { "ImageList1", "TImageList", {}, false, false },
    { "ImageList2", "TImageList", {}, false, false },
    { "ImageList3", "TImageList", {}, false, false },
    { "ImageList4", "TImageList", {}, false, false },
    { "ImageList5", "TImageList", {}, false, false },
    { "ImageList6", "TImageList", {}, false, false },
    { "RzLauncher1", "TRzLauncher", {}, false, false },
};

void expectFont(const QWidget *w, const char *family, int pixels, bool bold)
{
    EXPECT_EQ(w->font().family(), QLatin1String(family)) << w->objectName().toStdString();
    EXPECT_EQ(w->font().pixelSize(), pixels) << w->objectName().toStdString();
    EXPECT_EQ(w->font().bold(), bold) << w->objectName().toStdString();
}

} // namespace

TEST(Form1Layout, EveryComponentInOrderWithItsClassPlaceAndVisibility)
{
    Machine m;
    const QList<QObject *> components = m.form.Components();
    ASSERT_EQ(components.size(), int(std::size(Layout)));
    for (int i = 0; i < components.size(); ++i) {
        const Row &row = Layout[i];
        QObject *c = components[i];
        EXPECT_EQ(c->objectName(), QLatin1String(row.name));
        EXPECT_STREQ(c->metaObject()->className(), row.className) << row.name;
        EXPECT_EQ(c->parent(), &m.form) << row.name;
        if (auto *w = qobject_cast<QWidget *>(c)) {
            EXPECT_EQ(w->geometry(), row.bounds) << row.name;
            EXPECT_EQ(w->isVisible(), row.visible) << row.name;
        } else {
            EXPECT_TRUE(row.bounds.isEmpty()) << row.name;
        }
    }
}

TEST(Form1Layout, WindowedControlsLieAboveThePaintedOnesInLayoutOrder)
{
    Machine m;
    QStringList expected;
    for (bool windowed : { false, true })
        for (const Row &row : Layout)
            if (row.windowed == windowed && !row.bounds.isEmpty())
                expected << QLatin1String(row.name);
    QStringList stacking; // back to front
    for (QObject *child : m.form.children())
        if (child->isWidgetType())
            stacking << child->objectName();
    EXPECT_EQ(stacking, expected);
    // So a shown win bar is covered by the cells where they cross.
    m.form.win1->setVisible(true);
    EXPECT_EQ(m.form.childAt(QPoint(60, 116)), m.form.RzAnimator1);
    EXPECT_EQ(m.form.childAt(QPoint(160, 116)), m.form.win1);
}

TEST(Form1Layout, TheWindowIsAFramelessMachineOf485By500)
{
    Machine m;
    EXPECT_TRUE(m.form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(m.form.size(), QSize(485, 500));
    EXPECT_EQ(m.form.windowTitle(), QStringLiteral("Form1"));
    expectFont(&m.form, "MS Sans Serif", 11, false);
    EXPECT_EQ(m.form.fcImageForm1->DragTolerance(), 1);
}

TEST(Form1Layout, FontsColoursCursorsAndHints)
{
    Machine m;
    TForm1 &f = m.form;
    expectFont(f.Label2, "Tubular", 13, true);
    EXPECT_EQ(f.Label2->Caption(), QStringLiteral("X"));
    EXPECT_EQ(f.Label2->FontColor(), QColor(Qt::white));
    EXPECT_EQ(f.Label2->cursor().shape(), Qt::PointingHandCursor);

    expectFont(f.WinnerLabel, "Tubular", 53, false);
    EXPECT_EQ(f.WinnerLabel->Caption(), QStringLiteral("Winner!"));
    EXPECT_EQ(f.WinnerLabel->FontColor(), QColor(Qt::red));
    EXPECT_EQ(f.WinnerLabel->BlinkColor(), QColor(Qt::white));
    EXPECT_EQ(f.WinnerLabel->HighlightColor(), QColor(Qt::yellow));
    EXPECT_EQ(f.WinnerLabel->ShadowColor(), QColor(Qt::black));
    EXPECT_EQ(f.WinnerLabel->ShadowDepth(), 4);
    EXPECT_EQ(f.WinnerLabel->TextStyle(), TTextStyle::tsRecessed);
    EXPECT_EQ(TRzLabel::BlinkIntervalOn(), 100);
    EXPECT_EQ(TRzLabel::BlinkIntervalOff(), 100);

    for (auto [label, caption] : { std::pair { f.RzLabel2, "BET" }, { f.RzLabel3, "WINNER PAID" }, { f.RzLabel4, "BANK ACCOUNT" } }) {
        expectFont(label, "MS Sans Serif", 16, true);
        EXPECT_EQ(label->Caption(), QLatin1String(caption));
        EXPECT_EQ(label->FontColor(), QColor(Qt::black));
        EXPECT_EQ(label->TextStyle(), TTextStyle::tsNormal);
    }
    EXPECT_TRUE(f.RzLabel3->Alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(f.RzLabel4->Alignment() & Qt::AlignHCenter);

    for (const auto &line : f.winLines()) {
        EXPECT_EQ(line.highlight->BrushColor(), QColor(0, 255, 0));
        EXPECT_EQ(line.highlight->PenColor(), QColor(Qt::black));
        EXPECT_EQ(line.highlight->PenWidth(), 1);
    }

    expectFont(f.Label1, "Tubular", 13, false);
    EXPECT_EQ(f.Label1->Caption(), QStringLiteral("QV"));
    EXPECT_EQ(f.Label1->toolTip(), QStringLiteral("Visit our website!"));
    EXPECT_EQ(f.Label1->cursor().shape(), Qt::PointingHandCursor);

    for (QWidget *field : std::initializer_list<QWidget *> { f.Bet, f.BankAccount, f.WinnerPaid }) {
        expectFont(field, "Arial", 19, false);
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(128, 128, 128));
        EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::white));
    }
    EXPECT_TRUE(f.BankAccount->isReadOnly());
    EXPECT_TRUE(f.WinnerPaid->isReadOnly());
    EXPECT_TRUE(f.BankAccount->alignment() & Qt::AlignRight);
    EXPECT_EQ(f.BankAccount->FrameStyle(), TFrameStyle::fsBump);
    EXPECT_EQ(f.Bet->MaxLength(), 6);
    EXPECT_EQ(f.Bet->MinValue(), 0);
    EXPECT_EQ(f.Bet->MaxValue(), 0);
    EXPECT_FALSE(f.Bet->UseRanges());

    for (QWidget *hand : std::initializer_list<QWidget *> { f.Bet, f.Pull, f.BetMax, f.Help, f.coinslot })
        EXPECT_EQ(hand->cursor().shape(), Qt::PointingHandCursor) << hand->objectName().toStdString();
    for (TRzAnimator *cell : f.cells())
        EXPECT_EQ(cell->cursor().shape(), Qt::ArrowCursor);

    EXPECT_TRUE(f.MediaPlayer1->AutoOpen());
    EXPECT_EQ(f.MediaPlayer1->FileName(), QStringLiteral("C:\\zorvix\\insertcoin.au"));
    EXPECT_EQ(f.RzLauncher1->Action(), QStringLiteral("Open"));
    EXPECT_EQ(f.RzLauncher1->Timeout(), -1);
    EXPECT_TRUE(f.RzLauncher1->FileName().startsWith(QLatin1String("https://")));
    EXPECT_EQ(f.Coin->TransparentColor(), TfcImageBtn::NoShape);
    EXPECT_EQ(f.Pull2->TransparentColor(), 0u);
}

TEST(Form1Layout, TabOrderIsBetSpinBetMaxHelpAndFocusStartsInBet)
{
    Machine m;
    EXPECT_EQ(QApplication::focusWidget(), m.form.Bet);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList { "Bet", "Pull", "BetMax", "Help", "Bet" }));
}
