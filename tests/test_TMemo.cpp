#include "widgets/TMemo.h"

#include <gtest/gtest.h>

namespace {

// The rows and columns where the memo's text left ink on its black background.
QRect inkOf(TMemo &memo)
{
    const QImage image = memo.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect ink;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (qGray(image.pixel(x, y)) > 60)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

struct Note {
    QWidget page;
    TMemo *memo;
    explicit Note(QSize size, QStringList lines)
    {
        page.resize(400, 200);
        memo = new TMemo(&page);
        memo->setGeometry(QRect(QPoint(0, 0), size));
        memo->setColor(Qt::black);
        memo->setLines(lines);
        memo->setEnabled(false);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        memo->setFont(font);
    }
    int lineHeight() const { return QFontMetrics(memo->font()).height(); }
};

} // namespace

TEST(TMemo, LinesAreHardBreaksOfItsText)
{
    Note n({ 200, 60 }, { QStringLiteral("one "), QStringLiteral("two"), QString() });
    EXPECT_EQ(n.memo->Text(), QStringLiteral("one \r\ntwo\r\n\r\n"));
    const QRect ink = inkOf(*n.memo);
    EXPECT_GT(ink.height(), n.lineHeight());
    EXPECT_LT(ink.height(), 2 * n.lineHeight() + 2);
}

TEST(TMemo, DisabledTextIsGreyOnTheMemoColourInsideASunkenEdge)
{
    Note n({ 200, 40 }, { QStringLiteral("Click the X to Quit.") });
    EXPECT_EQ(n.memo->textColor(), n.memo->palette().color(QPalette::Disabled, QPalette::Text));
    n.memo->setEnabled(true);
    n.memo->setFontColor(Qt::red);
    EXPECT_EQ(n.memo->textColor(), QColor(Qt::red));

    const QImage image = n.memo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPalette &p = n.memo->palette();
    EXPECT_EQ(image.pixel(50, 0), p.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(50, 1), p.color(QPalette::Shadow).rgb());
    EXPECT_EQ(image.pixel(50, 39), p.color(QPalette::Light).rgb());
    EXPECT_EQ(image.pixel(50, 38), p.color(QPalette::Midlight).rgb());
    EXPECT_EQ(image.pixel(190, 30), qRgb(0, 0, 0));
}

TEST(TMemo, LongLinesWrapAtWordsUnlessFittedToTheWidth)
{
    const QString line = QStringLiteral("Click the Spin button to Gamble.");
    Note n({ 10, 40 }, { line });
    const int natural = QFontMetrics(n.memo->font()).horizontalAdvance(line);
    n.memo->resize(natural * 9 / 10 + 6, 40); // a tenth too narrow for the line

    EXPECT_GT(inkOf(*n.memo).height(), n.lineHeight()); // wrapped onto a second line

    n.memo->setFitLines(true);
    EXPECT_LT(n.memo->textFont().stretch(), 100);
    EXPECT_LE(inkOf(*n.memo).height(), n.lineHeight());
    EXPECT_EQ(n.memo->Lines(), QStringList { line });
}

TEST(TMemo, CentredLinesHaveEqualMargins)
{
    Note n({ 200, 40 }, { QStringLiteral("NOT count.") });
    n.memo->setAlignment(Qt::AlignHCenter);
    const QRect ink = inkOf(*n.memo);
    const int left = ink.left();
    const int right = 199 - ink.right();
    EXPECT_NEAR(left, right, 3);
    n.memo->setAlignment(Qt::AlignLeft);
    EXPECT_LE(inkOf(*n.memo).left(), 5);
}
