// The pictures a window draws come from the art made for its screen: the plain drawings at
// 100 %, the twice-size ones on a screen scaled to 200 % (this file runs once more with
// QT_SCALE_FACTOR=2), and the windows keep their logical size either way. Also the start-up
// preload of the pictures.
#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "main/Themes.h"
#include "runtime/Pictures.h"
#include "support/Recorders.h"
#include "widgets/TImageList.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TfcImageForm.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <future>

namespace {

bool scaled() { return qGuiApp->devicePixelRatio() > 1.0; }

// The picture carried for this screen, as the screen's pixels.
QImage artForScreen(const QString &name)
{
    QImage art(QStringLiteral(":/art/") + name + (scaled() ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    return art.convertToFormat(QImage::Format_RGB32);
}

QImage pixelsOf(QWidget *widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

TEST(Scaling, TheMachineDrawsTheArtMadeForItsScreenAtItsLogicalSize)
{
    MediaRecorder media;
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.size(), QSize(485, 500));
    EXPECT_EQ(form.fcImageForm1->size(), QSize(485, 500));
    EXPECT_EQ(form.Pull->size(), QSize(96, 32));
    EXPECT_EQ(form.coinslot->size(), QSize(133, 57));
    // The face alone, and the buttons, pixel for pixel as drawn for this screen.
    EXPECT_EQ(pixelsOf(form.fcImageForm1), artForScreen(QStringLiteral("face")));
    EXPECT_EQ(pixelsOf(form.Pull), artForScreen(QStringLiteral("buttons/spin_up")));
    EXPECT_EQ(pixelsOf(form.BetMax), artForScreen(QStringLiteral("buttons/betmax_up")));
    // The cells: the fruit theme's pictures 0 and 8, as drawn for this screen.
    EXPECT_EQ(form.RzAnimator1->size(), QSize(105, 65));
    EXPECT_EQ(pixelsOf(form.RzAnimator1), artForScreen(QStringLiteral("themes/1/0")));
    EXPECT_EQ(pixelsOf(form.RzAnimator9), artForScreen(QStringLiteral("themes/1/8")));
}

TEST(PicturePreload, EachPictureIsTakenOnceWhoeverDecodesIt)
{
    const QString face = QStringLiteral(":/art/face.png");
    const QString coin = QStringLiteral(":/art/coin.png");
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    PicturePreload preload({ face, coin }, [released] { released.wait(); });
    EXPECT_EQ(preload.untaken(), 2);

    // The worker is still on its first job: the caller decodes the face itself, not waiting.
    const QImage first = loadPicture(face);
    EXPECT_EQ(preload.untaken(), 1);
    if (!scaled()) {
        EXPECT_EQ(first, QImage(face));
    }
    release.set_value();
    // The coin, from the worker or decoded here, whichever comes first: the same picture.
    const QImage coinPicture = loadPicture(coin);
    EXPECT_EQ(preload.untaken(), 0);
    if (!scaled()) {
        EXPECT_EQ(coinPicture, QImage(coin));
    }
    // Taken once: asked again, it is decoded again, the same.
    EXPECT_EQ(loadPicture(face), first);
    // A picture the preload does not hold is read directly.
    EXPECT_FALSE(loadPicture(QStringLiteral(":/art/toggle.png")).isNull());
}

TEST(PicturePreload, TheWindowsTakeEveryPictureDecodedForStartUp)
{
    const QStringList pictures = startUpPictures();
    ASSERT_FALSE(pictures.isEmpty());
    EXPECT_EQ(pictures.first(), QStringLiteral(":/art/face.png"));
    EXPECT_TRUE(pictures.contains(QStringLiteral(":/art/themes/1/0.png")));
    EXPECT_FALSE(pictures.contains(QStringLiteral(":/art/themes/0/0.png")));

    // Built and shown as the program does it: nothing is decoded for nothing. The theme
    // pictures are decoded once per process and shared, and earlier tests have decoded them
    // already; here it is enough that they are the nine of the list the cells start with.
    QStringList themePictures, windowPictures;
    for (const QString &path : pictures)
        (path.startsWith(QLatin1String(":/art/themes/")) ? themePictures : windowPictures).append(path);
    PicturePreload preload(windowPictures);
    MediaRecorder media;
    TForm1 Form1;
    TStyleForm StyleForm;
    THelpForm HelpForm;
    Form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form1));
    EXPECT_EQ(preload.untaken(), 0);

    EXPECT_EQ(Form1.RzAnimator1->ImageList(), Form1.ImageList1);
    ASSERT_EQ(themePictures.size(), Form1.ImageList1->Count());
    for (int i = 0; i < themePictures.size(); ++i)
        EXPECT_EQ(loadPicture(themePictures[i]), Form1.ImageList1->image(i)) << i;
}
