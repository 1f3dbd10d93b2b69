#include "widgets/RegionData.h"

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr quint32 kHeaderSize = 32;
constexpr quint32 kTypeRectangles = 1;
constexpr quint32 kRectBytes = 16;
// Coordinates beyond this are not a picture's shape; rejecting them also keeps every
// width and height computation far from integer overflow.
constexpr qint32 kCoordinateLimit = 1 << 24;

void appendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendI32(QByteArray &out, qint32 value)
{
    appendU32(out, static_cast<quint32>(value));
}

quint32 u32At(const char *data)
{
    return qFromLittleEndian<quint32>(data);
}

qint32 i32At(const char *data)
{
    return qFromLittleEndian<qint32>(data);
}

// Unites many rectangles pairwise, level by level, so that large shapes stay cheap to
// build (uniting one rectangle at a time into a growing region is quadratic).
QRegion uniteAll(const std::vector<QRect> &rects)
{
    if (rects.empty())
        return {};
    std::vector<QRegion> level;
    level.reserve(rects.size());
    for (const QRect &r : rects)
        level.emplace_back(r);
    while (level.size() > 1) {
        std::vector<QRegion> next;
        next.reserve(level.size() / 2 + 1);
        for (std::size_t i = 0; i + 1 < level.size(); i += 2)
            next.push_back(level[i].united(level[i + 1]));
        if (level.size() % 2 == 1)
            next.push_back(level.back());
        level.swap(next);
    }
    return level.front();
}

} // namespace

namespace RegionData {

QByteArray write(const QRegion &region)
{
    QByteArray out;
    if (region.isEmpty()) {
        appendU32(out, 0);
        return out;
    }
    std::vector<QRect> rects(region.begin(), region.end());
    std::stable_sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    const auto count = static_cast<quint32>(rects.size());
    const QRect bounds = region.boundingRect();

    appendU32(out, kHeaderSize + kRectBytes * count);
    appendU32(out, kHeaderSize);
    appendU32(out, kTypeRectangles);
    appendU32(out, count);
    appendU32(out, kRectBytes * count);
    appendI32(out, bounds.left());
    appendI32(out, bounds.top());
    appendI32(out, bounds.left() + bounds.width());
    appendI32(out, bounds.top() + bounds.height());
    for (const QRect &r : rects) {
        appendI32(out, r.left());
        appendI32(out, r.top());
        appendI32(out, r.left() + r.width());
        appendI32(out, r.top() + r.height());
    }
    return out;
}

std::optional<QRegion> read(const QByteArray &block)
{
    const qint64 available = block.size();
    if (available < 4)
        return std::nullopt;
    const char *data = block.constData();
    const quint64 n = u32At(data);
    // N = 0 (no shape), a block shorter than its header, or one that runs past the data.
    if (n < kHeaderSize || n > static_cast<quint64>(available - 4))
        return std::nullopt;
    const char *header = data + 4;
    const quint64 headerSize = u32At(header);
    const quint32 type = u32At(header + 4);
    const quint64 count = u32At(header + 8);
    const quint64 rectBytes = u32At(header + 12);
    if (headerSize != kHeaderSize || type != kTypeRectangles || count == 0
        || rectBytes != kRectBytes * count || n != kHeaderSize + rectBytes)
        return std::nullopt;

    // The stored bounding rectangle is advisory: the shape is the rectangles themselves.
    std::vector<QRect> rects;
    rects.reserve(static_cast<std::size_t>(count));
    const char *p = header + kHeaderSize;
    for (quint64 i = 0; i < count; ++i, p += kRectBytes) {
        const qint32 left = i32At(p);
        const qint32 top = i32At(p + 4);
        const qint32 right = i32At(p + 8);
        const qint32 bottom = i32At(p + 12);
        for (qint32 v : { left, top, right, bottom })
            if (v < -kCoordinateLimit || v > kCoordinateLimit)
                return std::nullopt;
        if (left >= right || top >= bottom)
            return std::nullopt;
        rects.emplace_back(left, top, right - left, bottom - top);
    }
    return uniteAll(rects);
}

QRegion scanRows(const QImage &image, QRgb key)
{
    if (image.isNull())
        return {};
    // A shape is in logical pixels: a picture drawn for a finer screen is read at its
    // logical size. Straight (not premultiplied) ARGB keeps each pixel's colour whatever its alpha.
    const QImage logical = image.devicePixelRatio() == 1.0
        ? image
        : image.scaled(image.deviceIndependentSize().toSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage rgb = logical.convertToFormat(QImage::Format_ARGB32);
    const QRgb wanted = key & 0x00FFFFFFu;
    std::vector<QRect> runs;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        int x = 0;
        while (x < rgb.width()) {
            while (x < rgb.width() && (line[x] & 0x00FFFFFFu) == wanted)
                ++x;
            const int start = x;
            while (x < rgb.width() && (line[x] & 0x00FFFFFFu) != wanted)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    return uniteAll(runs);
}

} // namespace RegionData
