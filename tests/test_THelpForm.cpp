#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "main/TForm1.h"
#include "support/Recorders.h"
#include "main/Themes.h"
#include "widgets/TImageList.h"
#include "widgets/TLabel.h"
#include "widgets/TMemo.h"
#include "widgets/TRzBackground.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TfcImager.h"
#include "widgets/TfcLabel.h"
#include "widgets/TfcShapeBtn.h"
#include "widgets/TrmCCPageControl.h"
#include "widgets/TrmCCTabSheet.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const int GridNames[9][7] = {
    { 3, 1, 14, 36, 37, 46, 55 },   { 4, 2, 16, 35, 38, 47, 56 },   { 5, 12, 21, 34, 39, 48, 57 },
    { 6, 13, 22, 33, 40, 49, 58 },  { 9, 18, 23, 32, 41, 50, 59 },  { 8, 19, 24, 31, 42, 51, 60 },
    { 10, 17, 25, 30, 43, 52, 61 }, { 7, 20, 26, 28, 44, 53, 62 },  { 11, 15, 27, 29, 45, 54, 63 },
};

QList<QWidget *> childWidgets(QWidget *parent)
{
    QList<QWidget *> list;
    for (QObject *child : parent->children())
        if (auto *w = qobject_cast<QWidget *>(child))
            list.append(w);
    return list;
}

} // namespace

TEST(THelpForm, WindowHasOnlyCloseAndSystemMenuAndAFixedSize)
{
    THelpForm form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Help"));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_EQ(form.minimumSize(), QSize(912, 700));
    EXPECT_EQ(form.maximumSize(), QSize(912, 700));
    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(THelpForm, PagesFillTheWindowWithTheirBackgrounds)
{
    THelpForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.rmCCPageControl1->geometry(), QRect(0, 0, 912, 700));
    ASSERT_EQ(form.rmCCPageControl1->PageCount(), 2);
    EXPECT_EQ(form.rmCCPageControl1->Pages(0), form.rmCCTabSheet1);
    EXPECT_EQ(form.rmCCPageControl1->Pages(1), form.rmCCTabSheet2);
    EXPECT_EQ(form.rmCCPageControl1->tabText(0), QStringLiteral("Payout Table"));
    EXPECT_EQ(form.rmCCPageControl1->tabText(1), QStringLiteral("Help"));
    EXPECT_EQ(form.rmCCPageControl1->tabPosition(), QTabWidget::North);
    EXPECT_EQ(form.rmCCPageControl1->ActivePage(), form.rmCCTabSheet1);
    EXPECT_EQ(form.rmCCTabSheet1->size(), QSize(904, 672));

    for (TRzBackground *background : { form.RzBackground1, form.RzBackground2 }) {
        EXPECT_EQ(background->StartColor(), QColor(Qt::black));
        EXPECT_EQ(background->StopColor(), QColor(Qt::white));
        EXPECT_TRUE(background->ShowGradient());
    }
    EXPECT_EQ(form.RzBackground1->geometry(), QRect(0, 0, 904, 672));
    form.rmCCPageControl1->setActivePage(form.rmCCTabSheet2);
    EXPECT_EQ(form.RzBackground2->geometry(), QRect(0, 0, 904, 672));
    EXPECT_EQ(childWidgets(form.rmCCTabSheet1).first(), form.RzBackground1);
    EXPECT_EQ(childWidgets(form.rmCCTabSheet2).first(), form.RzBackground2);
}

TEST(THelpForm, PayoutGridShowsEveryThemeInMultiplierOrder)
{
    THelpForm form;
    for (int c = 0; c < 7; ++c) {
        std::unique_ptr<TImageList> theme(createThemeImageList(c, nullptr));
        for (int r = 0; r < 9; ++r) {
            SCOPED_TRACE(testing::Message() << "row " << r << " column " << c);
            TfcImager *picture = form.gridPicture(r, c);
            ASSERT_NE(picture, nullptr);
            EXPECT_EQ(picture->objectName(), QStringLiteral("fcImager%1").arg(GridNames[r][c]));
            EXPECT_EQ(picture, form.findChild<TfcImager *>(picture->objectName()));
            EXPECT_EQ(picture->parentWidget(), form.rmCCTabSheet1);
            EXPECT_EQ(picture->geometry(), QRect(16 + 112 * c, r < 8 ? 16 + 72 * r : 591, 105, 65));

            // The very picture the cells show for that theme and symbol, on the list's white,
            // at the screen's pixel density.
            const int symbol = r < 8 ? r + 1 : 0;
            const qreal density = qGuiApp->devicePixelRatio();
            QImage expected(QSize(105, 65) * density, QImage::Format_RGB32);
            expected.setDevicePixelRatio(density);
            expected.fill(Qt::white);
            QPainter painter(&expected);
            theme->Draw(painter, 0, 0, symbol);
            painter.end();
            if (theme->image(symbol).isNull())
                EXPECT_TRUE(picture->Picture().isNull());
            else
                EXPECT_EQ(picture->Picture().convertToFormat(QImage::Format_RGB32), expected);
        }
    }
    EXPECT_EQ(form.fcImager3, form.gridPicture(0, 0));
    EXPECT_EQ(form.fcImager63, form.gridPicture(8, 6));
    EXPECT_EQ(form.fcImager28, form.gridPicture(7, 3));
}

TEST(THelpForm, MultiplierLabelsTurnBlackHalfWayDown)
{
    THelpForm form;
    TfcLabel *labels[9] = { form.fcLabel1, form.fcLabel2, form.fcLabel3, form.fcLabel4, form.fcLabel5,
                            form.fcLabel6, form.fcLabel7, form.fcLabel8, form.fcLabel9 };
    const char *captions[9] = { " = X  1", " = X  2", " = X  3", " = X  4", " = X  5",
                                " = X  6", " = X  7", " = X  8", " = X  10" };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(labels[i]->objectName(), QStringLiteral("fcLabel%1").arg(i + 1));
        EXPECT_EQ(labels[i]->Caption(), QLatin1String(captions[i]));
        EXPECT_EQ(labels[i]->geometry(), i < 8 ? QRect(800, 32 + 72 * i, 90, 36) : QRect(798, 608, 106, 36));
        EXPECT_EQ(labels[i]->FontColor(), i < 5 ? QColor(Qt::white) : QColor(Qt::black));
        EXPECT_EQ(labels[i]->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(labels[i]->font().pixelSize(), 32);
        EXPECT_FALSE(labels[i]->font().bold());
        EXPECT_TRUE(labels[i]->Transparent());
        EXPECT_EQ(labels[i]->Alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
    // The labels lie above the pictures.
    const QList<QWidget *> order = childWidgets(form.rmCCTabSheet1);
    ASSERT_EQ(order.size(), 1 + 63 + 9);
    EXPECT_EQ(order.mid(64), (QList<QWidget *>(labels, labels + 9)));
}

TEST(THelpForm, HelpPageHoldsThePicturesArrowsAndNotesInStackingOrder)
{
    THelpForm form;
    QWidget *page = form.rmCCTabSheet2;
    const QList<QWidget *> expected = {
        form.RzBackground2, form.fcImager64, form.fcImager65, form.Label1,
        form.Memo1, form.Memo2, form.Memo3, form.Memo4, form.Memo5, form.Memo6,
        form.Memo7, form.Memo8, form.Memo9, form.Memo10, form.Memo11,
        form.fcShapeBtn1, form.fcShapeBtn2, form.fcImageBtn1, form.Memo12,
    };
    EXPECT_EQ(childWidgets(page), expected);

    EXPECT_EQ(form.fcImager64->geometry(), QRect(192, 88, 485, 500));
    EXPECT_EQ(form.fcImager65->geometry(), QRect(768, 88, 119, 495));
    EXPECT_EQ(form.fcImageBtn1->geometry(), QRect(412, 435, 44, 11));
    EXPECT_FALSE(form.fcImageBtn1->isEnabled());
    EXPECT_EQ(form.fcImageBtn1->Image(), QImage(QStringLiteral(":/art/toggle.png")));

    EXPECT_EQ(form.Label1->geometry(), QRect(653, 571, 19, 15));
    EXPECT_EQ(form.Label1->Caption(), QStringLiteral("QV"));
    EXPECT_EQ(form.Label1->font().family(), QStringLiteral("Tubular"));
    EXPECT_EQ(form.Label1->font().pixelSize(), 13);
    EXPECT_EQ(form.Label1->toolTip(), QStringLiteral("Visit our website!"));
    EXPECT_FALSE(form.Label1->isEnabled());
    EXPECT_FALSE(form.Label1->handlesClicks());

    EXPECT_EQ(form.fcShapeBtn1->geometry(), QRect(680, 420, 89, 41));
    EXPECT_EQ(form.fcShapeBtn1->Shape(), TfcButtonShape::bsArrow);
    EXPECT_EQ(form.fcShapeBtn1->Orientation(), TfcShapeOrientation::soRight);
    EXPECT_EQ(form.fcShapeBtn1->Caption(), QString());
    EXPECT_EQ(form.fcShapeBtn2->geometry(), QRect(48, 8, 41, 65));
    EXPECT_EQ(form.fcShapeBtn2->Orientation(), TfcShapeOrientation::soUp);
    EXPECT_EQ(form.fcShapeBtn2->Caption(), QStringLiteral("More Help"));
    EXPECT_EQ(form.fcShapeBtn2->CaptionAngle(), 90);
    EXPECT_EQ(form.fcShapeBtn2->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(form.fcShapeBtn2->font().pixelSize(), 11);
    for (TfcShapeBtn *arrow : { form.fcShapeBtn1, form.fcShapeBtn2 }) {
        EXPECT_EQ(arrow->Color(), QColor(Qt::black));
        EXPECT_EQ(arrow->ShadeStyle(), TfcShadeStyle::fbsHighlight);
        EXPECT_FALSE(arrow->isEnabled());
    }
}

TEST(THelpForm, NotesCarryTheirExactLines)
{
    THelpForm form;
    struct Expected {
        TMemo *memo;
        QRect geometry;
        Qt::Alignment alignment;
        QStringList lines;
    };
    const QList<Expected> notes = {
        { form.Memo1, { 360, 112, 177, 33 }, Qt::AlignLeft,
          { "Click on Insert Coin to increase your ", "Bank Account by 100." } },
        { form.Memo2, { 0, 512, 361, 33 }, Qt::AlignLeft,
          { "Click the up and down arrows to increase your bet by 1. You can manually ",
            "enter the amount by highlighting it, then enter your bet using the keyboard." } },
        { form.Memo3, { 0, 587, 329, 22 }, Qt::AlignLeft,
          { "Click the Bet Max button to bet your entire Bank Account balance." } },
        { form.Memo4, { 368, 512, 137, 33 }, Qt::AlignLeft, { "Bank Account shows how ", "much money you have left." } },
        { form.Memo5, { 512, 512, 153, 33 }, Qt::AlignLeft,
          { "Winner Paid shows how much ", "you won on the current spin." } },
        { form.Memo6, { 616, 112, 97, 17 }, Qt::AlignLeft, { "Click the X to Quit." } },
        { form.Memo7, { 460, 424, 213, 33 }, Qt::AlignLeft,
          { "Click this button (left) to show or hide the ", "Theme changer (right)." } },
        { form.Memo8, { 356, 587, 165, 22 }, Qt::AlignLeft, { "Click the Spin button to Gamble." } },
        { form.Memo9, { 540, 587, 213, 22 }, Qt::AlignLeft, { "Click the Help button to show this window." } },
        { form.Memo10, { 16, 91, 161, 110 }, Qt::AlignHCenter,
          { "Three in a row Wins.", "Horizontally (up and ", "down) counts.", "Vertically (left to right) counts.",
            "Diagonally (top left to ", "bottom right or top right ", "to bottom left) does ", "NOT count.", "" } },
        { form.Memo11, { 756, 581, 141, 33 }, Qt::AlignLeft,
          { "Click on a picture button to ", "change the Zorvix Theme." } },
        { form.Memo12, { 664, 536, 97, 33 }, Qt::AlignHCenter, { "Click QV to visit ", "our website." } },
    };
    for (int i = 0; i < notes.size(); ++i) {
        const Expected &n = notes[i];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(n.memo->objectName(), QStringLiteral("Memo%1").arg(i + 1));
        EXPECT_EQ(n.memo->geometry(), n.geometry);
        EXPECT_EQ(n.memo->Alignment(), n.alignment);
        EXPECT_EQ(n.memo->Lines(), n.lines);
        EXPECT_EQ(n.memo->Color(), QColor(Qt::black));
        EXPECT_TRUE(n.memo->WordWrap());
        EXPECT_TRUE(n.memo->FitLines());
        EXPECT_FALSE(n.memo->isEnabled());
        // Disabled, the text takes the grey disabled-text colour that reads on black.
        EXPECT_EQ(n.memo->textColor(), n.memo->palette().color(QPalette::Disabled, QPalette::Text));
        EXPECT_EQ(n.memo->font(), form.font());
    }
    EXPECT_EQ(form.Memo10->Lines().size(), 9);
}

TEST(THelpForm, ClosingHidesAndKeepsTheChosenPage)
{
    THelpForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.rmCCPageControl1->setActivePage(form.rmCCTabSheet2);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_EQ(form.rmCCPageControl1->ActivePage(), form.rmCCTabSheet2);
    EXPECT_TRUE(form.rmCCTabSheet2->isVisible());
}

TEST(THelpForm, TheHelpPageShowsTheWindowsAsFirstShown)
{
    // The pictures carried with the program are the windows themselves, pixel for pixel.
    MediaRecorder media;
    TForm1 machine;
    TStyleForm selector;
    const QImage machineShot = machine.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage selectorShot = selector.grab().toImage().convertToFormat(QImage::Format_RGB32);

    THelpForm form;
    EXPECT_EQ(form.fcImager64->Picture().convertToFormat(QImage::Format_RGB32), machineShot);
    EXPECT_EQ(form.fcImager65->Picture().convertToFormat(QImage::Format_RGB32), selectorShot);
    EXPECT_EQ(form.fcImager64->geometry(), QRect(192, 88, 485, 500));
    EXPECT_EQ(form.fcImager65->geometry(), QRect(768, 88, 119, 495));

    form.rmCCPageControl1->setActivePage(form.rmCCTabSheet2);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage page = form.rmCCTabSheet2->grab().toImage();
    // Where no note lies over them: the machine's right reel and the selector's first
    // button (in device pixels on a scaled screen).
    const qreal r = page.devicePixelRatio();
    EXPECT_EQ(page.pixel(QPoint(192 + 450, 88 + 200) * r), machineShot.pixel(QPoint(450, 200) * r));
    EXPECT_EQ(page.pixel(QPoint(768 + 60, 88 + 60) * r), selectorShot.pixel(QPoint(60, 60) * r));
}
