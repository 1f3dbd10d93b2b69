#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <optional>

// The stored-shape format of shaped windows and image buttons: a 4-byte little-endian
// length N, then N bytes of a rectangle-list region block (a 32-byte header followed by
// the rectangles, each left, top, right, bottom as signed 32-bit little-endian values,
// right and bottom exclusive). N = 0 stores no shape.
namespace RegionData {

// The stored block of a region; an empty region gives N = 0 (four zero bytes).
QByteArray write(const QRegion &region);

// The region of a stored block, or nullopt when the block holds no usable shape
// (N = 0, truncated or inconsistent data, inverted or absurd rectangles). The caller
// then uses a full rectangle. Safe on any input: reads only inside the block.
std::optional<QRegion> read(const QByteArray &block);

// The union of the height-1 runs of pixels whose colour (alpha ignored) differs from key,
// scanned row by row from x = 0.
QRegion scanRows(const QImage &image, QRgb key);

} // namespace RegionData
