#include "widgets/TfcShapeBtn.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

const QRgb GlyphKey = qRgb(0, 128, 0);
const QRgb Subject = qRgb(200, 0, 200);

// A 105 x 65 glyph on a flat key colour with a 10 x 10 subject whose top-left is at (50, 30).
QImage testGlyph()
{
    QImage glyph(105, 65, QImage::Format_RGB32);
    glyph.fill(GlyphKey);
    for (int y = 30; y < 40; ++y)
        for (int x = 50; x < 60; ++x)
            glyph.setPixel(x, y, Subject);
    return glyph;
}

struct ThemeButton {
    QWidget parent;
    TfcShapeBtn *button;

    ThemeButton()
    {
        parent.resize(101, 65);
        button = new TfcShapeBtn(&parent);
        button->setGeometry(0, 0, 101, 65);
        button->setDitherColor(Qt::white);
        button->setGroupIndex(1);
        button->setShadeStyle(TfcShadeStyle::fbsHighlight);
        button->setGlyph(testGlyph());
    }
    QImage painted() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb role(QPalette::ColorRole r) const { return button->palette().color(r).rgb(); }
};

} // namespace

TEST(TfcShapeBtn, UpButtonHasRaisedShadingFaceAndCentredGlyph)
{
    ThemeButton t;
    const QImage image = t.painted();
    ASSERT_EQ(image.size(), QSize(101, 65));
    const QRgb face = t.role(QPalette::Button);

    // Top and left: highlight outside, 3D light inside; bottom and right: black, shadow.
    EXPECT_EQ(image.pixel(50, 0), t.role(QPalette::Light));
    EXPECT_EQ(image.pixel(0, 30), t.role(QPalette::Light));
    EXPECT_EQ(image.pixel(50, 1), t.role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(1, 30), t.role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(50, 64), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 63), t.role(QPalette::Dark));
    EXPECT_EQ(image.pixel(99, 30), t.role(QPalette::Dark));

    // The glyph's key colour is left out: the face shows there.
    EXPECT_EQ(image.pixel(10, 10), face);
    EXPECT_EQ(image.pixel(30, 50), face);
    // The glyph is centred: its 105 columns on the 101-pixel face start at x = -2.
    EXPECT_EQ(image.pixel(48, 30), Subject);
    EXPECT_EQ(image.pixel(57, 39), Subject);
    EXPECT_EQ(image.pixel(47, 30), face);
    EXPECT_EQ(image.pixel(58, 39), face);
}

TEST(TfcShapeBtn, DownButtonHasCheckerboardSunkenShadingAndShiftedGlyph)
{
    ThemeButton t;
    t.button->setDown(true);
    const QImage image = t.painted();
    const QRgb face = t.role(QPalette::Button);
    const QRgb white = qRgb(255, 255, 255);

    EXPECT_EQ(image.pixel(50, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 1), t.role(QPalette::Dark));
    EXPECT_EQ(image.pixel(1, 30), t.role(QPalette::Dark));
    EXPECT_EQ(image.pixel(50, 64), t.role(QPalette::Light));
    EXPECT_EQ(image.pixel(100, 30), t.role(QPalette::Light));
    EXPECT_EQ(image.pixel(50, 63), t.role(QPalette::Midlight));
    EXPECT_EQ(image.pixel(99, 30), t.role(QPalette::Midlight));

    // A one-pixel checkerboard of white and the face colour where the glyph leaves out.
    for (int y = 2; y < 20; ++y)
        for (int x = 2; x < 20; ++x)
            ASSERT_EQ(image.pixel(x, y), (x + y) % 2 ? white : face) << x << "," << y;

    // The glyph moves one pixel right and down.
    EXPECT_EQ(image.pixel(49, 31), Subject);
    EXPECT_EQ(image.pixel(58, 40), Subject);
    EXPECT_NE(image.pixel(48, 30), Subject);
}

TEST(TfcShapeBtn, GroupButtonsReleaseEachOtherOnAClick)
{
    QWidget parent;
    parent.resize(300, 65);
    TfcShapeBtn *buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TfcShapeBtn(&parent);
        buttons[i]->setGeometry(100 * i, 0, 100, 65);
        buttons[i]->setGroupIndex(1);
    }
    auto *loner = new TfcShapeBtn(&parent); // another group is left alone
    loner->setGroupIndex(2);
    loner->setDown(true);
    buttons[0]->setDown(true);
    EXPECT_TRUE(buttons[0]->Selected());
    EXPECT_TRUE(loner->Selected());

    int clicks = 0;
    buttons[2]->OnClick = [&](QObject *sender) {
        EXPECT_EQ(sender, buttons[2]);
        ++clicks;
    };
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_TRUE(buttons[2]->Selected());
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_FALSE(buttons[0]->Selected());
    EXPECT_TRUE(loner->Down());
    EXPECT_TRUE(loner->Selected());

    // Without AllowAllUp a second click keeps the button down; with it, the click releases.
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_TRUE(buttons[2]->Selected());
    buttons[2]->setDown(false);
    EXPECT_TRUE(buttons[2]->Down());
    buttons[2]->setAllowAllUp(true);
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_FALSE(buttons[2]->Down());
    EXPECT_FALSE(buttons[2]->Selected());
}

TEST(TfcShapeBtn, OutsideAChooserAReleaseOffTheButtonChoosesNothing)
{
    QWidget parent;
    parent.resize(300, 65);
    auto *a = new TfcShapeBtn(&parent);
    auto *b = new TfcShapeBtn(&parent);
    a->setGeometry(0, 0, 100, 65);
    b->setGeometry(100, 0, 100, 65);
    a->setGroupIndex(1);
    b->setGroupIndex(1);
    a->setDown(true);

    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_TRUE(b->Down()); // drawn pressed at once
    EXPECT_FALSE(b->Selected());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(250, 30));
    EXPECT_FALSE(b->Down());
    EXPECT_TRUE(a->Down());
    EXPECT_TRUE(a->Selected());
}

TEST(TfcShapeBtn, ArrowIsCutOutOfItsRectangle)
{
    QWidget parent;
    parent.resize(200, 200);
    auto *up = new TfcShapeBtn(&parent);
    up->setGeometry(0, 0, 41, 65);
    up->setShape(TfcButtonShape::bsArrow);
    up->setColor(Qt::black);
    const QImage face = up->composeFace();

    // The tip is at the top middle; the corners beside the head and the shaft are cut away.
    EXPECT_EQ(qAlpha(face.pixel(20, 1)), 255);
    EXPECT_EQ(qAlpha(face.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(face.pixel(39, 1)), 0);
    EXPECT_EQ(qAlpha(face.pixel(2, 60)), 0);
    EXPECT_EQ(qAlpha(face.pixel(20, 60)), 255);
    EXPECT_TRUE(up->mask().contains(QPoint(20, 40)));
    EXPECT_FALSE(up->mask().contains(QPoint(2, 60)));

    auto *right = new TfcShapeBtn(&parent);
    right->setGeometry(0, 100, 89, 41);
    right->setShape(TfcButtonShape::bsArrow);
    right->setOrientation(TfcShapeOrientation::soRight);
    const QPolygon outline = right->shapePolygon();
    EXPECT_EQ(outline.first(), QPoint(88, 20)); // the tip
    EXPECT_EQ(outline.boundingRect(), QRect(0, 0, 89, 41));
}

TEST(TfcShapeBtn, TurnedCaptionRunsUpTheButton)
{
    QWidget parent;
    parent.resize(41, 65);
    auto *button = new TfcShapeBtn(&parent);
    button->setGeometry(0, 0, 41, 65);
    button->setShape(TfcButtonShape::bsArrow);
    button->setColor(Qt::black);
    button->setShadeStyle(TfcShadeStyle::fbsFlat);
    button->setDitherColor(Qt::black); // a black outline, so only the caption shows
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    button->setFont(font);
    button->setCaption(QStringLiteral("More Help"));
    button->setCaptionAngle(90);
    button->setCaptionOutlined(true);
    button->setEnabled(false);

    const QImage face = button->composeFace();
    QRect ink;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (qAlpha(face.pixel(x, y)) == 255 && (face.pixel(x, y) & 0xFFFFFF) != 0)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 2 * ink.width()) << "the caption should run vertically";
}
