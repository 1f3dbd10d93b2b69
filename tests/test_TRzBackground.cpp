#include "widgets/TRzBackground.h"

#include <gtest/gtest.h>

namespace {

int grey(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << "row " << y;
    return qRed(p);
}

} // namespace

// The pages' gradient: 672 rows from black to white, stepping -24868 per row in 16.16 fixed
// point from the white bottom row up.
TEST(TRzBackground, PageGradientRowsFollowTheFixedPointSteps)
{
    const QImage image = TRzBackground::gradient(QSize(8, 672), Qt::black, Qt::white);
    ASSERT_EQ(image.size(), QSize(8, 672));

    EXPECT_EQ(grey(image, 0, 671), 255);
    EXPECT_EQ(grey(image, 0, 670), 254);
    EXPECT_EQ(grey(image, 0, 669), 254);
    EXPECT_EQ(grey(image, 0, 336), 127);
    EXPECT_EQ(grey(image, 0, 100), 38);
    EXPECT_EQ(grey(image, 0, 2), 1);
    EXPECT_EQ(grey(image, 0, 1), 0);
    EXPECT_EQ(grey(image, 0, 0), 0);

    for (int k = 0; k <= 670; ++k) {
        const int expected = (255 * 65536 - 24868 * k) >> 16;
        ASSERT_EQ(grey(image, 3, 671 - k), expected) << "k = " << k;
    }
}

TEST(TRzBackground, TopRowRepeatsTheRowBelowIt)
{
    // With a coloured start the top row would otherwise take one more step.
    const QImage image = TRzBackground::gradient(QSize(8, 10), QColor(200, 100, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 0), image.pixel(0, 1));
    EXPECT_EQ(image.pixel(0, 9), qRgb(0, 0, 255));
    // Step per channel: red 200*65536/10 = 1310720, green 655360, blue -1671168.
    EXPECT_EQ(image.pixel(0, 8), qRgb(20, 10, 229));
    EXPECT_EQ(image.pixel(0, 1), qRgb(160, 80, 51));
}

TEST(TRzBackground, StripIsCopiedAcrossTheWholeWidth)
{
    const QImage image = TRzBackground::gradient(QSize(904, 672), Qt::black, Qt::white);
    for (int y : { 0, 1, 200, 500, 671 })
        for (int x = 0; x < 904; ++x)
            ASSERT_EQ(image.pixel(x, y), image.pixel(0, y)) << x << "," << y;
}

TEST(TRzBackground, FillsItsParentAndPaintsTheGradient)
{
    QWidget page;
    page.resize(904, 672);
    auto *background = new TRzBackground(&page);
    page.show();
    EXPECT_EQ(background->geometry(), QRect(0, 0, 904, 672));
    page.resize(300, 200);
    EXPECT_EQ(background->geometry(), QRect(0, 0, 300, 200));
    page.resize(904, 672);

    const QImage painted = background->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = TRzBackground::gradient(QSize(904, 672), Qt::black, Qt::white);
    ASSERT_EQ(painted.size(), expected.size());
    EXPECT_EQ(painted, expected);
}
