#include "runtime/Exceptions.h"
#include "support/Recorders.h"
#include "widgets/TImageList.h"
#include "widgets/TRzAnimator.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Picture i of the test lists is a solid colour whose red part is 10 * (i + 1).
QColor pictureColor(int i)
{
    return QColor(10 * (i + 1), 100, 200);
}

std::unique_ptr<TImageList> solidList(int count = 9, int width = 105, int height = 65)
{
    auto list = std::make_unique<TImageList>(width, height);
    for (int i = 0; i < count; ++i) {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(pictureColor(i));
        list->add(picture);
    }
    return list;
}

// Which picture the last composed frame shows (-1: none, the plain cell colour).
int shownPicture(const TRzAnimator &cell)
{
    const QImage &frame = cell.frameBitmap();
    if (frame.isNull())
        return -1;
    const QColor c = frame.pixelColor(frame.width() / 2, frame.height() / 2);
    if (c.green() != 100 || c.blue() != 200)
        return -1;
    return c.red() / 10 - 1;
}

// A cell shown on its own window, stopped, with the test list.
struct CellFixture {
    QWidget window;
    TRzAnimator *cell = new TRzAnimator(&window);
    std::unique_ptr<TImageList> list = solidList();

    CellFixture()
    {
        cell->setAnimate(false);
        cell->setImageList(list.get());
        window.resize(200, 100);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }
};

} // namespace

TEST(TRzAnimator, StartsAt40By40AnimatingAndTakesTheListsSize)
{
    QWidget window;
    TRzAnimator cell(&window);
    EXPECT_EQ(cell.size(), QSize(40, 40));
    EXPECT_TRUE(cell.Animate());
    EXPECT_EQ(cell.Delay(), 100);
    EXPECT_EQ(cell.ImageIndex(), 0);

    auto list = solidList();
    cell.setImageList(list.get());
    EXPECT_EQ(cell.size(), QSize(105, 65));
    cell.resize(30, 30);
    EXPECT_EQ(cell.size(), QSize(105, 65));
}

TEST(TRzAnimator, FramesRunUpwardsAndTheIndexNamesTheNextFrame)
{
    CellFixture f;
    f.cell->setImageIndex(7);
    f.cell->setDelay(30);
    f.cell->setAnimate(true);

    // After each tick, ImageIndex names the frame after the one on screen.
    std::vector<int> shown;
    int expectedNext = 8;
    while (shown.size() < 4) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() == expectedNext; }, 2000));
        shown.push_back(shownPicture(*f.cell));
        expectedNext = (expectedNext + 1) % 9;
    }
    EXPECT_EQ(shown, (std::vector<int>{ 7, 8, 0, 1 }));
}

TEST(TRzAnimator, AnIndexOfTenIsStoredShownPlainAndCorrectedByTheNextTick)
{
    CellFixture f;
    f.cell->setImageIndex(10);
    EXPECT_EQ(f.cell->ImageIndex(), 10);
    f.cell->repaint();
    EXPECT_EQ(shownPicture(*f.cell), -1);
    EXPECT_EQ(f.cell->frameBitmap().pixelColor(5, 5), f.cell->palette().color(f.cell->backgroundRole()));

    f.cell->setDelay(20);
    f.cell->setAnimate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() != 10; }, 2000));
    f.cell->setAnimate(false);
    EXPECT_EQ(f.cell->ImageIndex(), 1);
    EXPECT_EQ(shownPicture(*f.cell), 0);
}

TEST(TRzAnimator, WritingTheIndexOnlyRequestsARepaint)
{
    CellFixture f;
    f.cell->setImageIndex(3);
    f.cell->repaint();
    EXPECT_EQ(shownPicture(*f.cell), 3);
    f.cell->setImageIndex(5);
    EXPECT_EQ(shownPicture(*f.cell), 3); // not painted during the call
    EXPECT_TRUE(QTest::qWaitFor([&] { return shownPicture(*f.cell) == 5; }, 1000));
}

TEST(TRzAnimator, StoppingAndRestartingResumesWithoutReset)
{
    CellFixture f;
    f.cell->setImageIndex(2);
    f.cell->setDelay(20);
    f.cell->setAnimate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() == 4; }, 2000));
    f.cell->setAnimate(false);
    const int stoppedAt = f.cell->ImageIndex();
    const int onScreen = shownPicture(*f.cell);
    EXPECT_EQ(onScreen, (stoppedAt + 8) % 9); // the frame before the stored index stays shown
    QTest::qWait(100);
    EXPECT_EQ(f.cell->ImageIndex(), stoppedAt);
    EXPECT_EQ(shownPicture(*f.cell), onScreen);

    f.cell->setAnimate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() != stoppedAt; }, 2000));
    EXPECT_EQ(shownPicture(*f.cell), stoppedAt);
}

TEST(TRzAnimator, ChangingTheListRepaintsNothingAndKeepsTheIndex)
{
    CellFixture f;
    f.cell->setImageIndex(4);
    f.cell->repaint();
    auto other = solidList();
    QImage marked(105, 65, QImage::Format_RGB32);
    marked.fill(pictureColor(8));
    auto third = std::make_unique<TImageList>(105, 65);
    for (int i = 0; i < 9; ++i)
        third->add(marked);

    f.cell->setImageList(third.get());
    EXPECT_EQ(f.cell->ImageIndex(), 4);
    QTest::qWait(50);
    EXPECT_EQ(shownPicture(*f.cell), 4); // still the old picture
    f.cell->repaint();
    EXPECT_EQ(shownPicture(*f.cell), 8);
}

TEST(TRzAnimator, WritingDelayReArmsTheTimer)
{
    CellFixture f;
    f.cell->setDelay(200);
    f.cell->setAnimate(true);
    // Just before the first tick would come, change the delay: the next tick comes one
    // full new interval after the change, not at the old due time.
    QTest::qWait(150);
    EXPECT_EQ(f.cell->ImageIndex(), 0);
    QElapsedTimer sinceChange;
    f.cell->setDelay(300);
    sinceChange.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() == 1; }, 2000));
    EXPECT_GE(sinceChange.elapsed(), 290);

    f.cell->setDelay(0); // no ticks while Animate stays true
    const int index = f.cell->ImageIndex();
    QTest::qWait(400);
    EXPECT_TRUE(f.cell->Animate());
    EXPECT_EQ(f.cell->ImageIndex(), index);
}

TEST(TRzAnimator, AFailingTickStopsOnlyThatCellAndIsReported)
{
    // A list whose drawing fails.
    class FailingList : public TImageList {
    public:
        FailingList()
            : TImageList(105, 65)
        {
            add(QImage(105, 65, QImage::Format_RGB32));
        }
        void Draw(QPainter &, int, int, int) const override { throw EOutOfResources(QStringLiteral("drawing failed")); }
    };
    MessageBoxRecorder boxes;
    QWidget window;
    FailingList failing;
    auto good = solidList();
    TRzAnimator broken(&window);
    TRzAnimator healthy(&window);
    healthy.move(0, 70);
    broken.setImageList(&failing);
    healthy.setImageList(good.get());
    broken.setDelay(20);
    healthy.setDelay(20);
    // Not shown: only the ticks draw, so the only failures are the ticks'.

    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.boxes.isEmpty(); }, 2000));
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("drawing failed."));
    EXPECT_FALSE(broken.Animate());
    const int healthyIndex = healthy.ImageIndex();
    EXPECT_TRUE(QTest::qWaitFor([&] { return healthy.ImageIndex() != healthyIndex; }, 2000));
    EXPECT_TRUE(healthy.Animate());
    QTest::qWait(60);
    EXPECT_EQ(boxes.boxes.size(), 1);
    healthy.setAnimate(false);
}

TEST(TRzAnimator, LosingTheListLeavesACellWithoutPictures)
{
    CellFixture f;
    f.cell->setDelay(20);
    f.cell->setAnimate(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.cell->ImageIndex() == 2; }, 2000));
    f.list.reset();
    EXPECT_EQ(f.cell->ImageList(), nullptr);
    const int index = f.cell->ImageIndex();
    QTest::qWait(100);
    EXPECT_EQ(f.cell->ImageIndex(), index); // ticks do nothing without a list
    f.cell->setAnimate(false);
}
