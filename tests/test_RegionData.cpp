// The stored-shape block: exact bytes, round trips, rejection of malformed blocks, and the
// row scan that turns a picture into a shape.
#include "widgets/RegionData.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cstdint>
#include <vector>

namespace {

QByteArray le32(std::initializer_list<qint64> values)
{
    QByteArray out;
    for (qint64 v : values) {
        char bytes[4];
        qToLittleEndian(static_cast<quint32>(v), bytes);
        out.append(bytes, 4);
    }
    return out;
}

// A well-formed one-rectangle block, as the main window stores it.
QByteArray windowBlock()
{
    return le32({ 48, 32, 1, 1, 16, 0, 0, 485, 500, 0, 0, 485, 500 });
}

void setWord(QByteArray &block, int offset, qint64 value)
{
    qToLittleEndian(static_cast<quint32>(value), block.data() + offset);
}

} // namespace

TEST(RegionData, OneRectangleBlockHasTheExactBytes)
{
    const QByteArray block = RegionData::write(QRegion(0, 0, 485, 500));
    EXPECT_EQ(block, windowBlock());
    EXPECT_EQ(block.size(), 52);
}

TEST(RegionData, EmptyRegionWritesZeroLengthAndReadsAsNoShape)
{
    const QByteArray block = RegionData::write(QRegion());
    EXPECT_EQ(block, QByteArray(4, '\0'));
    EXPECT_FALSE(RegionData::read(block).has_value());
}

TEST(RegionData, RoundTripKeepsShapeWithHoleAndSortsRectangles)
{
    // A frame with a hole and a detached square to its upper left.
    QRegion shape = QRegion(10, 10, 30, 20).subtracted(QRegion(15, 15, 10, 5));
    shape += QRegion(-3, 2, 4, 4);
    const QByteArray block = RegionData::write(shape);

    const auto back = RegionData::read(block);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, shape);

    const quint32 count = qFromLittleEndian<quint32>(block.constData() + 12);
    EXPECT_EQ(qFromLittleEndian<quint32>(block.constData()), 32 + 16 * count);
    EXPECT_EQ(qFromLittleEndian<quint32>(block.constData() + 16), 16 * count);
    // Bounding rectangle, right and bottom exclusive.
    EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + 20), -3);
    EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + 24), 2);
    EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + 28), 40);
    EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + 32), 30);
    // Rectangles sorted by top, then left, none inverted.
    int lastTop = INT32_MIN, lastLeft = INT32_MIN;
    for (quint32 i = 0; i < count; ++i) {
        const char *r = block.constData() + 36 + 16 * i;
        const qint32 left = qFromLittleEndian<qint32>(r), top = qFromLittleEndian<qint32>(r + 4);
        EXPECT_LT(left, qFromLittleEndian<qint32>(r + 8));
        EXPECT_LT(top, qFromLittleEndian<qint32>(r + 12));
        EXPECT_TRUE(top > lastTop || (top == lastTop && left > lastLeft));
        lastTop = top;
        lastLeft = left;
    }
}

TEST(RegionData, ReadAcceptsUnsortedOverlappingRectanglesAndTrailingBytes)
{
    QByteArray block = le32({ 64, 32, 1, 2, 32, 0, 0, 0, 0, 5, 5, 9, 9, 0, 0, 6, 6 });
    block.append("tail");
    const auto shape = RegionData::read(block);
    ASSERT_TRUE(shape.has_value());
    EXPECT_EQ(*shape, QRegion(0, 0, 6, 6).united(QRegion(5, 5, 4, 4)));
}

TEST(RegionData, MalformedBlocksGiveNoShape)
{
    const QByteArray good = windowBlock();
    ASSERT_TRUE(RegionData::read(good).has_value());

    std::vector<std::pair<const char *, QByteArray>> cases;
    cases.emplace_back("empty", QByteArray());
    cases.emplace_back("short length", QByteArray(3, '\0'));
    auto patched = [&](const char *what, int offset, qint64 value) {
        QByteArray b = good;
        setWord(b, offset, value);
        cases.emplace_back(what, b);
    };
    patched("length past the data", 0, 64);
    patched("length shorter than a header", 0, 16);
    patched("length as a negative number", 0, -1);
    patched("header size", 4, 40);
    patched("type", 8, 2);
    patched("count not matching length", 12, 2);
    patched("zero count", 12, 0);
    patched("huge count", 12, 0x10000001);
    patched("rectangle byte size", 16, 32);
    patched("inverted left and right", 36, 600);
    patched("inverted top and bottom", 36 + 4, 600);
    patched("empty rectangle", 36 + 8, 0);
    patched("huge coordinate", 36 + 8, 0x7FFFFFFF);
    patched("huge negative coordinate", 36, -0x7FFFFFFF);

    for (const auto &[what, block] : cases)
        EXPECT_FALSE(RegionData::read(block).has_value()) << what;

    // Every truncation of a valid block is rejected without reading past its end.
    for (int size = 0; size < good.size(); ++size)
        EXPECT_FALSE(RegionData::read(good.left(size)).has_value()) << "truncated to " << size;
}

TEST(RegionData, ScanRowsUnitesRunsThatDifferFromKeyIgnoringAlpha)
{
    const QRgb key = qRgb(0, 0, 0);
    QImage picture(6, 3, QImage::Format_ARGB32);
    picture.fill(key);
    // Row 0: two runs; row 1: a run to the right edge; row 2: only key pixels, one of
    // them with a different alpha (still the key colour).
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 1));
    picture.setPixel(3, 0, qRgb(9, 9, 9));
    for (int x = 2; x < 6; ++x)
        picture.setPixel(x, 1, qRgba(200, 200, 200, 0));
    picture.setPixel(4, 2, qRgba(0, 0, 0, 128));

    const QRegion shape = RegionData::scanRows(picture, qRgba(0, 0, 0, 7));
    QRegion expected = QRegion(0, 0, 2, 1) + QRegion(3, 0, 1, 1) + QRegion(2, 1, 4, 1);
    EXPECT_EQ(shape, expected);

    // A picture with no key pixel is a full rectangle; one of only key pixels is empty.
    QImage plain(5, 4, QImage::Format_RGB32);
    plain.fill(qRgb(1, 2, 3));
    EXPECT_EQ(RegionData::scanRows(plain, qRgb(3, 2, 1)), QRegion(0, 0, 5, 4));
    EXPECT_TRUE(RegionData::scanRows(plain, qRgb(1, 2, 3)).isEmpty());
}

TEST(RegionData, ATwiceSizePictureGivesItsShapeInLogicalPixels)
{
    // The same drawing at 1x and at 2x (device pixel ratio 2): one shape.
    const QRgb key = qRgb(0, 0, 0);
    QImage plain(6, 4, QImage::Format_RGB32);
    plain.fill(key);
    plain.setPixel(1, 1, qRgb(255, 255, 255));
    plain.setPixel(4, 2, qRgb(255, 255, 255));
    QImage twice = plain.scaled(12, 8);
    twice.setDevicePixelRatio(2.0);
    EXPECT_EQ(RegionData::scanRows(twice, key), RegionData::scanRows(plain, key));
    EXPECT_EQ(RegionData::scanRows(twice, key), QRegion(1, 1, 1, 1) + QRegion(4, 2, 1, 1));
}

TEST(RegionData, ScannedShapeSurvivesTheStoredBlock)
{
    // A ring: rows with two runs, like an outline around a hole.
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const int dx = x - 10, dy = y - 10;
            if (dx * dx + dy * dy <= 81 && dx * dx + dy * dy >= 16)
                picture.setPixel(x, y, qRgb(200, 180, 40));
        }
    const QRegion shape = RegionData::scanRows(picture, qRgb(0, 0, 0));
    EXPECT_FALSE(shape.contains(QPoint(10, 10)));
    EXPECT_TRUE(shape.contains(QPoint(10, 3)));
    const auto back = RegionData::read(RegionData::write(shape));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, shape);
}
