#include "support/Machine.h"
#include "widgets/RegionData.h"

#include <gtest/gtest.h>

namespace {

// The colour a bitmap button paints now, at its centre.
QRgb paintedCentre(TRzBmpButton *button)
{
    return button->grab().toImage().pixel(button->width() / 2, button->height() / 4);
}

struct Log {
    QStringList events;
    TMouseEvent down(const char *name)
    {
        return [this, name](QObject *, TMouseButton, TShiftState, int, int) { events << QString("%1 down").arg(name); };
    }
    TMouseEvent up(const char *name)
    {
        return [this, name](QObject *, TMouseButton, TShiftState, int, int) { events << QString("%1 up").arg(name); };
    }
    TNotifyEvent click(const char *name)
    {
        return [this, name](QObject *) { events << QString("%1 click").arg(name); };
    }
};

} // namespace

TEST(TRzBmpButton, ThePressRaisesMouseDownBeforeThePressedLook)
{
    Machine m;
    bool pressedLookDuringHandler = true;
    m.form.Pull->OnMouseDown = [&](QObject *, TMouseButton, TShiftState, int, int) {
        pressedLookDuringHandler = m.form.Pull->isPressed();
    };
    m.press(m.form.Pull);
    EXPECT_FALSE(pressedLookDuringHandler);
    EXPECT_TRUE(m.form.Pull->isPressed());
    EXPECT_EQ(&m.form.Pull->currentPicture(), &m.form.Pull->Bitmaps().Down);
    m.release(m.form.Pull);
    EXPECT_FALSE(m.form.Pull->isPressed());
}

TEST(TRzBmpButton, TheLitPlateFollowsTheCursorWhileHeldAndTheReleaseAlwaysReachesMouseUp)
{
    QWidget window;
    auto *button = new TRzBmpButton(&window);
    QPixmap up(40, 20), down(40, 20);
    up.fill(Qt::gray);
    down.fill(Qt::white);
    button->setBitmaps({ up, down, up, up });
    window.show();
    Log log;
    button->OnMouseDown = log.down("b");
    button->OnMouseUp = log.up("b");
    button->OnClick = log.click("b");

    QTest::mousePress(button, Qt::LeftButton, {}, { 5, 5 });
    EXPECT_EQ(paintedCentre(button), QColor(Qt::white).rgb());
    QTest::mouseMove(button, { 60, 5 });
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(paintedCentre(button), QColor(Qt::gray).rgb());
    // The pixel row just below the button counts as inside, the column just right does not.
    QTest::mouseMove(button, { 5, 20 });
    EXPECT_TRUE(button->isPressed());
    QTest::mouseMove(button, { 40, 5 });
    EXPECT_FALSE(button->isPressed());
    QTest::mouseRelease(button, Qt::LeftButton, {}, { 40, 5 });
    EXPECT_EQ(log.events, (QStringList { "b down", "b up" }));

    log.events.clear();
    QTest::mouseClick(button, Qt::LeftButton, {}, { 5, 20 });
    EXPECT_EQ(log.events, (QStringList { "b down", "b up", "b click" }));
}

TEST(TRzBmpButton, OtherButtonsRaiseMouseEventsWithoutThePressedLookOrAClick)
{
    Machine m;
    Log log;
    m.form.Help->OnMouseDown = log.down("help");
    m.form.Help->OnClick = log.click("help");
    QTest::mousePress(m.form.Help, Qt::RightButton);
    EXPECT_FALSE(m.form.Help->isPressed());
    QTest::mouseRelease(m.form.Help, Qt::RightButton);
    EXPECT_EQ(log.events, QStringList { "help down" });

    m.click(m.form.Pull, Qt::MiddleButton);
    EXPECT_EQ(m.bank(), 950);
    m.form.Timer2->setEnabled(false);
    for (TRzAnimator *cell : m.form.cells())
        cell->setAnimate(false);
}

TEST(TRzBmpButton, ADisabledButtonLooksTheSameIgnoresTheMouseAndKeepsTheFocus)
{
    Machine m;
    m.form.Pull->setFocus();
    const QImage enabledLook = m.form.Pull->grab().toImage();
    m.form.Pull->setEnabled(false);
    m.form.BetMax->setEnabled(false);
    EXPECT_EQ(m.form.Pull->grab().toImage(), enabledLook);
    EXPECT_TRUE(m.form.Pull->hasFocus());
    m.click(m.form.Pull);
    m.click(m.form.BetMax);
    EXPECT_EQ(m.bank(), 1000);
    EXPECT_EQ(m.form.Bet->Value(), 50);
    EXPECT_TRUE(m.media.log.isEmpty());
    m.form.Pull->setEnabled(true);
    m.form.BetMax->setEnabled(true);
}

TEST(TRzBmpButton, EnterClicksAndSpaceClicksOnRelease)
{
    QWidget window;
    auto *button = new TRzBmpButton(&window);
    window.show();
    button->setFocus();
    Log log;
    button->OnClick = log.click("b");
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(log.events.size(), 1);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->isPressed());
    EXPECT_EQ(log.events.size(), 1);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(button->isPressed());
    EXPECT_EQ(log.events.size(), 2);
}

TEST(TfcImageBtn, ACoinSlotPressInsideTheShapeInsertsACoinAndItsCornerFallsThrough)
{
    Machine m;
    ASSERT_FALSE(m.form.coinslot->shape().isEmpty());
    EXPECT_EQ(m.form.coinslot->shape().boundingRect(), QRect(7, 4, 125, 53));
    // Top-left corner of the button's rectangle lies outside the plate: the press reaches
    // the machine's face, which drags instead.
    OutlineRecorder outline;
    EXPECT_NE(m.form.childAt(m.form.coinslot->pos() + QPoint(1, 1)), m.form.coinslot);
    EXPECT_EQ(m.form.childAt(m.form.coinslot->pos() + QPoint(60, 30)), m.form.coinslot);
    m.click(m.form.coinslot);
    EXPECT_EQ(m.bank(), 1100);
    // The coin slot's picture does not change while held.
    const QImage up = m.form.coinslot->grab().toImage();
    m.press(m.form.coinslot);
    EXPECT_EQ(m.form.coinslot->grab().toImage(), up);
    m.release(m.form.coinslot);
}

TEST(TfcImageBtn, TheToggleShiftsTwoPixelsWhileHeldAndClicksOnlyWhenReleasedOnIt)
{
    QWidget window;
    auto *toggle = new TfcImageBtn(&window);
    toggle->setGeometry(10, 10, 44, 11);
    QImage picture(44, 11, QImage::Format_RGB32);
    picture.fill(qRgb(200, 200, 200));
    picture.setPixel(0, 0, qRgb(1, 2, 3));
    toggle->setImage(picture);
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowExposed(&window);
    EXPECT_EQ(toggle->shape(), QRegion(0, 0, 44, 11).subtracted(QRegion(0, 0, 1, 1)));
    // Computed once, then kept as the stored shape.
    EXPECT_EQ(RegionData::read(toggle->RegionData()), toggle->shape());

    Log log;
    toggle->OnClick = log.click("t");
    QTest::mousePress(toggle, Qt::LeftButton, {}, { 20, 5 });
    const QImage held = toggle->grab().toImage();
    EXPECT_EQ(held.pixel(1, 5), qRgb(0, 0, 0)); // the black strip on the left
    EXPECT_EQ(held.pixel(20, 1), qRgb(0, 0, 0)); // and on the top
    EXPECT_EQ(held.pixel(20, 5), qRgb(200, 200, 200));
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, { 20, 5 });
    EXPECT_EQ(log.events, QStringList { "t click" });

    QTest::mousePress(toggle, Qt::LeftButton, {}, { 20, 5 });
    QTest::mouseMove(toggle, { 60, 5 });
    EXPECT_FALSE(toggle->isPressed());
    QTest::mouseRelease(toggle, Qt::LeftButton, {}, { 60, 5 });
    EXPECT_EQ(log.events.size(), 1);
    // A right click is no click.
    QTest::mouseClick(toggle, Qt::RightButton, {}, { 20, 5 });
    EXPECT_EQ(log.events.size(), 1);
}

TEST(TfcImageBtn, WithoutAPictureItDrawsAPlainFramedRectangleAndHasNoShape)
{
    QWidget window;
    auto *button = new TfcImageBtn(&window);
    button->resize(30, 20);
    EXPECT_TRUE(button->shape().isEmpty());
    const QImage look = button->grab().toImage();
    EXPECT_EQ(look.pixel(15, 10), window.palette().color(QPalette::Button).rgb());
    int blackOnTopEdge = 0;
    for (int x = 0; x < look.width(); ++x)
        blackOnTopEdge += look.pixel(x, 0) == qRgb(0, 0, 0);
    EXPECT_GT(blackOnTopEdge, 5); // dashed: some black, some gaps
    EXPECT_LT(blackOnTopEdge, look.width());
}
