#include "support/Machine.h"
#include "widgets/RegionData.h"
#include "widgets/TLabel.h"
#include "widgets/TRzLabel.h"
#include "widgets/TShape.h"
#include "widgets/TfcImageForm.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Drags with real mouse events: a press at `from` (window client coordinates) on whatever
// control lies there, moves through `path`, a release at the last point. A drag loop runs
// inside the press, so the moves and the release are queued to run from within it; when no
// drag starts, they run after the press.
void dragThrough(QWidget &window, QPoint from, const QList<QPoint> &path, std::function<void()> during = {})
{
    QWidget *target = window.childAt(from);
    if (!target)
        target = &window;
    auto local = [&](QPoint p) { return target->mapFrom(&window, p); };
    auto movesAndRelease = [&] {
        for (const QPoint &p : path)
            QTest::mouseMove(target, local(p));
        if (during)
            during();
        QTest::mouseRelease(target, Qt::LeftButton, {}, local(path.isEmpty() ? from : path.last()));
    };
    QTimer insideThePress;
    insideThePress.setSingleShot(true);
    QObject::connect(&insideThePress, &QTimer::timeout, movesAndRelease);
    insideThePress.start(0);
    QTest::mousePress(target, Qt::LeftButton, {}, local(from));
    if (insideThePress.isActive()) {
        insideThePress.stop();
        movesAndRelease();
    }
}

// Counts the presses that reach a widget.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget *w) { w->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

} // namespace

TEST(TfcImageForm, AStillPressOnThePictureMovesNothingAndIsConsumed)
{
    Machine m;
    OutlineRecorder outline;
    PressCounter face(m.form.fcImageForm1);
    const QPoint start = m.form.pos();
    dragThrough(m.form, { 10, 200 }, { { 11, 201 }, { 10, 199 } });
    EXPECT_EQ(m.form.pos(), start);
    EXPECT_TRUE(outline.shown.isEmpty());
    EXPECT_EQ(face.presses, 0);
}

TEST(TfcImageForm, TheOutlineFollowsTheCursorAndTheWindowJumpsAtTheRelease)
{
    Machine m;
    OutlineRecorder outline;
    const QPoint start = m.form.pos();
    bool stayedDuringDrag = false;
    dragThrough(m.form, { 10, 200 }, { { 12, 200 }, { 40, 230 } }, [&] {
        stayedDuringDrag = m.form.pos() == start && outline.visible;
    });
    EXPECT_TRUE(stayedDuringDrag);
    ASSERT_EQ(outline.shown.size(), 2);
    EXPECT_EQ(outline.shown[0], QRect(start + QPoint(2, 0), QSize(485, 500)));
    EXPECT_EQ(outline.shown[1], QRect(start + QPoint(30, 30), QSize(485, 500)));
    EXPECT_EQ(m.form.pos(), start + QPoint(30, 30));
    EXPECT_FALSE(outline.visible);
}

TEST(TfcImageForm, ComingBackNearThePressPointFreezesTheOutline)
{
    Machine m;
    OutlineRecorder outline;
    const QPoint start = m.form.pos();
    dragThrough(m.form, { 10, 200 }, { { 30, 210 }, { 11, 201 } });
    ASSERT_EQ(outline.shown.size(), 1);
    EXPECT_EQ(m.form.pos(), start + QPoint(20, 10));
}

TEST(TfcImageForm, CaptionsAndShownWinBarsDragButClickableLabelsAndControlsDoNot)
{
    Machine m;
    OutlineRecorder outline;
    m.form.win2->setVisible(true);
    for (QPoint onDragHandle : { QPoint(200, 380) /* BANK ACCOUNT */, QPoint(20, 205) /* win2 */ }) {
        const QPoint start = m.form.pos();
        dragThrough(m.form, onDragHandle, { onDragHandle + QPoint(5, 5) });
        EXPECT_EQ(m.form.pos(), start + QPoint(5, 5));
    }

    int clicks = 0;
    m.form.Label2->OnClick = [&](QObject *) { ++clicks; };
    outline.shown.clear();
    m.click(m.form.Label2);
    EXPECT_EQ(clicks, 1);

    // A press on a windowed control reaches the control and drags nothing.
    const int bank = m.bank();
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), bank + 100);
    for (QWidget *control : std::initializer_list<QWidget *> { m.form.RzAnimator5, m.form.BankAccount, m.form.Pull }) {
        const QPoint start = m.form.pos();
        const QPoint at = control->geometry().center();
        dragThrough(m.form, at, { at + QPoint(20, 20) });
        EXPECT_EQ(m.form.pos(), start) << control->objectName().toStdString();
    }
    EXPECT_TRUE(outline.shown.isEmpty());
    m.form.Timer2->setEnabled(false);
    for (TRzAnimator *cell : m.form.cells())
        cell->setAnimate(false);
}

TEST(TfcImageForm, TheCellsKeepSpinningDuringADrag)
{
    Machine m;
    OutlineRecorder outline;
    m.press(m.form.Pull);
    const int before = m.form.RzAnimator1->ImageIndex();
    bool moved = false;
    dragThrough(m.form, { 10, 200 }, { { 20, 210 } }, [&] {
        moved = QTest::qWaitFor([&] { return m.form.RzAnimator1->ImageIndex() != before; }, 1000);
    });
    EXPECT_TRUE(moved);
    for (TRzAnimator *cell : m.form.cells())
        cell->setAnimate(false);
}

TEST(TfcImageForm, ToleranceFiveNeedsSixPixels)
{
    QWidget window(nullptr);
    auto *face = new TfcImageForm(&window);
    QImage picture(119, 495, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    face->setPicture(picture);
    face->setDragTolerance(5);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    OutlineRecorder outline;
    dragThrough(window, { 50, 50 }, { { 55, 45 } });
    EXPECT_TRUE(outline.shown.isEmpty());
    dragThrough(window, { 50, 50 }, { { 56, 50 } });
    EXPECT_EQ(outline.shown.size(), 1);
}

TEST(TfcImageForm, AStoredShapeWinsOverThePicturesColours)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        picture.setPixel(0, y, qRgb(128, 0, 0)); // maroon column on the left

    QWidget stored;
    auto *storedFace = new TfcImageForm(&stored);
    storedFace->setPicture(picture);
    storedFace->setTransparentColor(0x000080); // maroon, as blue*65536 + green*256 + red
    storedFace->setRegionData(RegionData::write(QRegion(0, 0, 20, 10)));
    EXPECT_EQ(storedFace->shape(), QRegion(0, 0, 20, 10));

    QWidget scanned;
    auto *scannedFace = new TfcImageForm(&scanned);
    scannedFace->setPicture(picture);
    scannedFace->setTransparentColor(0x000080);
    scannedFace->setRegionData(QByteArray(4, '\0'));
    EXPECT_EQ(scannedFace->shape(), QRegion(1, 0, 19, 10));

    // A block that cannot be read leaves the window rectangular.
    QWidget broken;
    auto *brokenFace = new TfcImageForm(&broken);
    brokenFace->setPicture(picture);
    brokenFace->setRegionData(QByteArray::fromHex("30000000ffffffff"));
    EXPECT_TRUE(brokenFace->shape().isEmpty());
}
