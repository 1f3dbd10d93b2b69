#include "widgets/TfcOutlookBar.h"
#include "widgets/TfcOutlookPanel.h"
#include "widgets/TfcShapeBtn.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A bar whose panel is 101 pixels high (296 - 3 x 65), so a page change moves the buttons in
// between by 101 pixels and every animation step shows.
struct Bar {
    QWidget window;
    TfcOutlookBar *bar;
    TfcShapeBtn *buttons[3];
    TfcOutlookPanel *panels[3];

    Bar()
    {
        window.resize(200, 320);
        bar = new TfcOutlookBar(&window);
        bar->setGeometry(0, 0, 105, 300);
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new TfcShapeBtn(bar->client());
            buttons[i]->setGroupIndex(1);
            bar->addPage(buttons[i]);
        }
        for (int i = 0; i < 3; ++i) {
            panels[i] = new TfcOutlookPanel(bar->client());
            bar->setPagePanel(buttons[i], panels[i]);
        }
        bar->setActivePage(buttons[0]);
    }
    void show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

// Records every top a widget is moved to.
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(QWidget *w)
        : m_widget(w)
    {
        w->installEventFilter(this);
    }
    QList<int> tops;
    std::function<void()> onFirstMove;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Move) {
            tops.append(m_widget->y());
            if (tops.size() == 1 && onFirstMove)
                onFirstMove();
        }
        return false;
    }

private:
    QWidget *m_widget;
};

} // namespace

TEST(TfcOutlookBar, ActivePanelLiesBelowItsButtonAndTakesTheFreeHeight)
{
    Bar b;
    EXPECT_EQ(b.bar->client()->geometry(), QRect(2, 2, 101, 296));
    EXPECT_EQ(b.buttons[0]->geometry(), QRect(0, 0, 101, 65));
    EXPECT_EQ(b.panels[0]->geometry(), QRect(0, 65, 101, 101));
    EXPECT_EQ(b.buttons[1]->geometry(), QRect(0, 166, 101, 65));
    EXPECT_EQ(b.buttons[2]->geometry(), QRect(0, 231, 101, 65));
    EXPECT_FALSE(b.panels[1]->isVisibleTo(&b.window));
    EXPECT_LE(b.panels[1]->geometry().bottom(), -1); // hidden above the bar
    EXPECT_EQ(b.bar->ActivePage(), b.buttons[0]);
}

TEST(TfcOutlookBar, PageChangeMovesInSevenTruncatedSteps)
{
    Bar b;
    b.show();
    MoveRecorder middle(b.buttons[1]);
    MoveRecorder last(b.buttons[2]);
    int changes = 0;
    b.bar->OnChange = [&](QObject *) { ++changes; };

    QTest::mouseClick(b.buttons[2], Qt::LeftButton);

    // From 166 to 65: 166 + (-101 * s / 7), the product truncated toward zero.
    EXPECT_EQ(middle.tops, (QList<int> { 152, 138, 123, 109, 94, 80, 65 }));
    EXPECT_EQ(last.tops, (QList<int> { 217, 203, 188, 174, 159, 145, 130 }));
    EXPECT_EQ(b.panels[2]->geometry(), QRect(0, 195, 101, 101));
    EXPECT_TRUE(b.panels[2]->isVisible());
    EXPECT_FALSE(b.panels[0]->isVisible());
    EXPECT_EQ(b.bar->ActivePage(), b.buttons[2]);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(b.bar->isAnimating());
}

TEST(TfcOutlookBar, ButtonsIgnoreTheMouseDuringTheAnimation)
{
    Bar b;
    b.show();
    MoveRecorder middle(b.buttons[1]);
    bool sawAnimation = false;
    middle.onFirstMove = [&] {
        sawAnimation = b.bar->isAnimating();
        QTest::mouseClick(b.buttons[0], Qt::LeftButton);
        QTest::mouseClick(b.buttons[1], Qt::LeftButton);
    };
    QTest::mouseClick(b.buttons[2], Qt::LeftButton);

    EXPECT_TRUE(sawAnimation);
    EXPECT_TRUE(b.buttons[2]->Selected());
    EXPECT_FALSE(b.buttons[0]->Down());
    EXPECT_FALSE(b.buttons[1]->Down());
    EXPECT_EQ(b.buttons[1]->y(), 65);
    // Afterwards the buttons answer again.
    QTest::mouseClick(b.buttons[0], Qt::LeftButton);
    EXPECT_TRUE(b.buttons[0]->Selected());
    EXPECT_EQ(b.buttons[1]->y(), 166);
}

TEST(TfcOutlookBar, WithoutAnimationButtonsJumpInOneStep)
{
    Bar b;
    b.bar->setAnimation({ false, 1, 7 });
    b.show();
    MoveRecorder middle(b.buttons[1]);
    QTest::mouseClick(b.buttons[2], Qt::LeftButton);
    EXPECT_EQ(middle.tops, QList<int> { 65 });
    EXPECT_EQ(b.bar->ActivePage(), b.buttons[2]);
}

TEST(TfcOutlookBar, HiddenBarLaysOutAtOnce)
{
    Bar b;
    b.buttons[2]->setDown(true);
    EXPECT_EQ(b.buttons[1]->geometry(), QRect(0, 65, 101, 65));
    EXPECT_EQ(b.buttons[2]->geometry(), QRect(0, 130, 101, 65));
    EXPECT_EQ(b.panels[2]->geometry(), QRect(0, 195, 101, 101));
    EXPECT_EQ(b.bar->ActivePage(), b.buttons[2]);
}

TEST(TfcOutlookBar, KeysChooseNeighboursAndWrapAround)
{
    Bar b;
    b.bar->setAnimation({ false, 1, 7 });
    auto chosen = [&] {
        for (int i = 0; i < 3; ++i)
            if (b.buttons[i]->Selected())
                return i;
        return -1;
    };
    QTest::keyClick(b.bar, Qt::Key_Down);
    EXPECT_EQ(chosen(), 1);
    QTest::keyClick(b.bar, Qt::Key_Right);
    EXPECT_EQ(chosen(), 2);
    QTest::keyClick(b.bar, Qt::Key_Down);
    EXPECT_EQ(chosen(), 0);
    QTest::keyClick(b.bar, Qt::Key_Left);
    EXPECT_EQ(chosen(), 2);
    QTest::keyClick(b.bar, Qt::Key_Home);
    EXPECT_EQ(chosen(), 0);
    QTest::keyClick(b.bar, Qt::Key_End);
    EXPECT_EQ(chosen(), 2);
    QTest::keyClick(b.bar, Qt::Key_A);
    EXPECT_EQ(chosen(), 2);
    EXPECT_EQ(b.bar->ActivePage(), b.buttons[2]);
    EXPECT_TRUE(b.buttons[2]->Down());
    EXPECT_FALSE(b.buttons[0]->Down());
}
