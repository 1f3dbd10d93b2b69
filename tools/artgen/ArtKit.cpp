#include "ArtKit.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace ArtKit {

QString checkFonts()
{
    QStringList missing;
    const QStringList known = QFontDatabase::families();
    for (const QString &family : { kEmojiFamily, kDisplayFamily, kLabelFamily }) {
        const bool found = std::any_of(known.begin(), known.end(), [&](const QString &k) {
            // Families may carry a foundry suffix, "eurofurence [unci]".
            return k.compare(family, Qt::CaseInsensitive) == 0
                || k.startsWith(family + QStringLiteral(" ["), Qt::CaseInsensitive);
        });
        QFont font(family);
        font.setPixelSize(20);
        const QString resolved = QFontInfo(font).family();
        if (!found || !resolved.startsWith(family, Qt::CaseInsensitive))
            missing << QStringLiteral("%1 (resolves to %2)").arg(family, resolved);
    }
    return missing.isEmpty() ? QString()
                             : QStringLiteral("missing font families: ") + missing.join(", ");
}

QFont displayFont(int pixelSize)
{
    QFont font(kDisplayFamily);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont labelFont(int pixelSize, bool bold)
{
    QFont font(kLabelFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

namespace {
int currentScale = 1;
} // namespace

void setScale(int scale)
{
    currentScale = scale;
}

int scale()
{
    return currentScale;
}

QImage canvas(int width, int height)
{
    QImage image(width * currentScale, height * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(Qt::transparent);
    return image;
}

QImage emoji(const QString &text, int pixelSize)
{
    const int side = pixelSize * 2 * currentScale;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QFont font(kEmojiFamily);
        font.setPixelSize(pixelSize * currentScale);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, text);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right >= 0)
        image = image.copy(left, top, right - left + 1, bottom - top + 1);
    image.setDevicePixelRatio(currentScale);
    return image;
}

void place(QPainter &painter, const QImage &subject, QPointF centre, double height, bool mirror)
{
    const double scale = height / subject.height();
    const double width = subject.width() * scale;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(centre);
    if (mirror)
        painter.scale(-1, 1);
    painter.drawImage(QRectF(-width / 2, -height / 2, width, height), subject);
    painter.restore();
}

void mapPixels(QImage &image, const std::function<QRgb(QRgb, int, int)> &fn)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0)
                line[x] = fn(line[x], x, y);
    }
}

namespace {

double lightnessOf(QRgb px)
{
    return QColor::fromRgb(px).lightnessF();
}

} // namespace

void tint(QImage &image, const QColor &target, const QPainterPath &region, double keepBelow,
          double contrast)
{
    const double ratio = image.devicePixelRatio();
    auto inside = [&](int x, int y) {
        return region.isEmpty() || region.contains(QPointF((x + 0.5) / ratio, (y + 0.5) / ratio));
    };
    double sum = 0, weight = 0;
    mapPixels(image, [&](QRgb px, int x, int y) {
        const double l = lightnessOf(px);
        if (inside(x, y) && l >= keepBelow) {
            const double w = qAlpha(px) / 255.0;
            sum += l * w;
            weight += w;
        }
        return px;
    });
    if (weight <= 0)
        return;
    const double mean = sum / weight;
    const double targetL = target.lightnessF();
    mapPixels(image, [&](QRgb px, int x, int y) {
        const double l = lightnessOf(px);
        if (!inside(x, y) || l < keepBelow)
            return px;
        const double nl = std::clamp(targetL + (l - mean) * contrast, 0.0, 1.0);
        QColor c = QColor::fromHslF(std::max(0.0f, target.hslHueF()), target.hslSaturationF(), nl);
        c.setAlpha(qAlpha(px));
        return c.rgba();
    });
}

void swapHue(QImage &image, int hueFrom, int hueTo, double minSat, const QColor &target,
             double lightnessShift)
{
    mapPixels(image, [&](QRgb px, int, int) {
        const QColor c = QColor::fromRgba(px);
        const int hue = c.hslHue();
        if (hue < 0 || c.hslSaturationF() < minSat)
            return px;
        const bool inRange = hueFrom <= hueTo ? (hue >= hueFrom && hue <= hueTo)
                                              : (hue >= hueFrom || hue <= hueTo);
        if (!inRange)
            return px;
        QColor out = QColor::fromHslF(std::max(0.0f, target.hslHueF()), target.hslSaturationF(),
                                      std::clamp(c.lightnessF() + lightnessShift, 0.0, 1.0));
        out.setAlpha(qAlpha(px));
        return out.rgba();
    });
}

void paintAtop(QImage &layer, const std::function<void(QPainter &)> &paint)
{
    if (layer.format() != QImage::Format_ARGB32_Premultiplied)
        layer = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&layer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    paint(painter);
}

double hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) / 16777216.0;
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hash01(x0, y0, seed), b = hash01(x0 + 1, y0, seed);
    const double c = hash01(x0, y0 + 1, seed), d = hash01(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

double fbm(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += valueNoise(x, y, seed + 101u * i) * amplitude;
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

QImage onBackground(const QImage &subject, const QColor &background)
{
    QImage out(subject.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(subject.devicePixelRatio());
    out.fill(background);
    QPainter painter(&out);
    painter.drawImage(0, 0, subject);
    painter.end();
    return out;
}

std::uint32_t Rng::next()
{
    // xorshift32: small, fast and the same everywhere.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double Rng::uniform(double lo, double hi)
{
    return lo + (hi - lo) * (next() / 4294967296.0);
}

} // namespace ArtKit
