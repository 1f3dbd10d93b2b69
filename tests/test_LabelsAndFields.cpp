#include "support/Machine.h"
#include "widgets/TRzLabel.h"
#include "widgets/TShape.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

// Watches a label's drawing colour for a while and returns the times (ms) it changed.
QList<qint64> colourChanges(const TRzLabel &label, int forMs)
{
    QList<qint64> changes;
    QElapsedTimer clock;
    clock.start();
    QColor last = label.drawingColor();
    while (clock.elapsed() < forMs) {
        QTest::qWait(5);
        if (label.drawingColor() != last) {
            changes << clock.elapsed();
            last = label.drawingColor();
        }
    }
    return changes;
}

// Whether some pixel is close to the colour (text edges are smoothed).
bool hasColour(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) < 50 && std::abs(qGreen(p) - qGreen(colour)) < 50
                && std::abs(qBlue(p) - qBlue(colour)) < 50)
                return true;
        }
    return false;
}

} // namespace

TEST(TRzLabel, AShownWinnerCaptionBlinksRedAndWhiteEvery100MsUntilBlinkingStops)
{
    Machine m;
    m.form.WinnerLabel->setBlinking(true);
    m.form.WinnerLabel->setVisible(true);
    const QList<qint64> changes = colourChanges(*m.form.WinnerLabel, 1200);
    ASSERT_GE(changes.size(), 6);
    // After the first flip, the phases alternate every 100 ms (generous bounds: the
    // check runs on a loaded machine).
    for (int i = 2; i < changes.size(); ++i) {
        EXPECT_GE(changes[i] - changes[i - 1], 60);
        EXPECT_LE(changes[i] - changes[i - 1], 250);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return m.form.WinnerLabel->drawingColor() == QColor(Qt::white); }, 1000));
    m.form.WinnerLabel->setBlinking(false);
    EXPECT_EQ(m.form.WinnerLabel->drawingColor(), QColor(Qt::red));
    EXPECT_TRUE(colourChanges(*m.form.WinnerLabel, 300).isEmpty());
}

TEST(TRzLabel, TheBlinkIntervalsAreSharedByEveryLabelAndHiddenLabelsFollowThePhases)
{
    QWidget window;
    TRzLabel first(&window);
    TRzLabel hidden(&window);
    first.setFontColor(Qt::black);
    first.setBlinkColor(Qt::white);
    hidden.setFontColor(Qt::black);
    hidden.setBlinkColor(Qt::white);
    hidden.hide();
    first.setBlinking(true);
    hidden.setBlinking(true);
    window.show();

    first.setBlinkIntervalOn(100);
    first.setBlinkIntervalOff(100);
    (void)colourChanges(first, 600); // past the first flip
    const int fast = int(colourChanges(hidden, 1000).size());
    hidden.setBlinkIntervalOn(300); // set on one label, used for all
    hidden.setBlinkIntervalOff(300);
    (void)colourChanges(first, 400);
    const int slow = int(colourChanges(first, 1200).size());
    EXPECT_GE(fast, 7);
    EXPECT_LE(slow, 6);
    EXPECT_GE(slow, 2);
    TRzLabel::setBlinkIntervalOn(100);
    TRzLabel::setBlinkIntervalOff(100);
}

TEST(TRzLabel, RecessedTextHasAYellowCopyBelowRightAndABlackOneAboveLeft)
{
    QWidget window;
    window.setPalette(QPalette(Qt::blue)); // a background none of the copies share
    window.setAutoFillBackground(true);
    TRzLabel label(&window);
    label.setGeometry(0, 0, 200, 70);
    label.setFont([] { QFont f("Tubular"); f.setPixelSize(53); return f; }());
    label.setCaption(QStringLiteral("W"));
    label.setFontColor(Qt::red);
    label.setHighlightColor(Qt::yellow);
    label.setShadowColor(Qt::black);
    QImage look = window.grab(label.geometry()).toImage();
    EXPECT_TRUE(hasColour(look, qRgb(255, 0, 0)));
    EXPECT_TRUE(hasColour(look, qRgb(255, 255, 0)));
    EXPECT_TRUE(hasColour(look, qRgb(0, 0, 0)));

    label.setTextStyle(TTextStyle::tsNormal);
    look = window.grab(label.geometry()).toImage();
    EXPECT_TRUE(hasColour(look, qRgb(255, 0, 0)));
    EXPECT_FALSE(hasColour(look, qRgb(255, 255, 0)));
}

TEST(TRzLabel, TheWinnerCaptionGrowsToShowALongTotal)
{
    Machine m;
    m.form.WinnerLabel->setCaption(QStringLiteral("Winner! (60x)"));
    EXPECT_GE(m.form.WinnerLabel->width(), m.form.WinnerLabel->fontMetrics().horizontalAdvance("Winner! (60x)"));
    EXPECT_EQ(m.form.WinnerLabel->pos(), QPoint(34, 1));
}

TEST(TRzEdit, TheBumpFrameIsARaisedTwoPixelRidge)
{
    Machine m;
    const QImage look = m.form.BankAccount->grab().toImage();
    const QRgb light = m.form.BankAccount->palette().color(QPalette::Light).rgb();
    const QRgb dark = m.form.BankAccount->palette().color(QPalette::Dark).rgb();
    const int w = look.width(), h = look.height();
    EXPECT_EQ(look.pixel(0, 0), light);
    EXPECT_EQ(look.pixel(w / 2, 0), light);
    EXPECT_EQ(look.pixel(1, h / 2), dark);
    EXPECT_EQ(look.pixel(w - 1, h / 2), dark);
    EXPECT_EQ(look.pixel(w / 2, h - 1), dark);
    EXPECT_EQ(look.pixel(w - 2, h / 2), light);
    EXPECT_EQ(look.pixel(w / 2, h / 2 - 12), qRgb(128, 128, 128)); // grey inside
}

TEST(TShape, AWinBarIsLimeWithABlackOutline)
{
    Machine m;
    m.form.win4->setVisible(true);
    const QImage look = m.form.win4->grab().toImage();
    EXPECT_EQ(look.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(look.pixel(5, 100), qRgb(0, 0, 0));
    EXPECT_EQ(look.pixel(2, 100), qRgb(0, 255, 0));
}
