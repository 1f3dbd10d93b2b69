#include "main/Themes.h"
#include "widgets/RegionData.h"
#include "widgets/TImageList.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

TEST(Pictures, EveryThemeHasNineOpaqueDistinctPicturesOfTheCellSize)
{
    for (int theme = 0; theme < 7; ++theme) {
        std::unique_ptr<TImageList> list(createThemeImageList(theme, nullptr));
        ASSERT_EQ(list->Count(), 9);
        for (int i = 0; i < 9; ++i) {
            const QImage &picture = list->image(i);
            ASSERT_FALSE(picture.isNull()) << theme << "/" << i;
            EXPECT_EQ(picture.size(), QSize(105, 65));
            EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 255);
            for (int j = 0; j < i; ++j)
                EXPECT_NE(picture, list->image(j)) << "theme " << theme << ": pictures " << j << " and " << i;
        }
    }
}

TEST(Pictures, TheWindowAndButtonPicturesHaveTheirSizes)
{
    const struct {
        const char *name;
        QSize size;
    } pictures[] = {
        { "face.png", { 485, 500 } },          { "buttons/spin_up.png", { 96, 32 } },
        { "buttons/spin_down.png", { 96, 32 } }, { "buttons/betmax_up.png", { 98, 34 } },
        { "buttons/betmax_down.png", { 98, 34 } }, { "buttons/help_up.png", { 97, 36 } },
        { "buttons/help_down.png", { 97, 36 } }, { "coinslot.png", { 133, 57 } },
        { "toggle.png", { 44, 11 } },          { "coin.png", { 43, 43 } },
        { "lever.png", { 150, 300 } },         { "selector.png", { 119, 495 } },
    };
    for (const auto &p : pictures) {
        const QImage image(QStringLiteral(":/art/") + QLatin1String(p.name));
        EXPECT_EQ(image.size(), p.size) << p.name;
    }
    // The lit plate differs from the plain one.
    EXPECT_NE(QImage(":/art/buttons/spin_up.png"), QImage(":/art/buttons/spin_down.png"));
    // The face holds no maroon, so the machine is a full rectangle.
    const QImage face(":/art/face.png");
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            ASSERT_NE(face.pixel(x, y) & 0xFFFFFF, 0x800000u) << x << "," << y;
}

TEST(Pictures, TheStoredButtonShapesMatchTheirPictures)
{
    auto shape = [](const char *name) {
        QFile file(QStringLiteral(":/art/regions/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return RegionData::read(file.readAll());
    };
    const QImage coinslot(":/art/coinslot.png");
    EXPECT_EQ(shape("coinslot.rgn"), RegionData::scanRows(coinslot, coinslot.pixel(0, 0)));
    EXPECT_EQ(shape("toggle.rgn"), QRegion(0, 0, 44, 11).subtracted(QRegion(0, 0, 1, 1)));
    EXPECT_EQ(shape("lever.rgn"), RegionData::scanRows(QImage(":/art/lever.png"), qRgb(0, 0, 0)));
}
