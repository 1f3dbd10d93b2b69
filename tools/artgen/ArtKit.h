#pragma once

// Drawing helpers shared by the picture generator: colour-emoji subjects, recolouring that
// keeps an emoji's shading, and seeded noise for procedural textures.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdint>
#include <functional>

namespace ArtKit {

// The font families the pictures use; checkFonts() fails loudly when one is missing.
inline const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
inline const QString kDisplayFamily = QStringLiteral("Eurofurence");
inline const QString kLabelFamily = QStringLiteral("Liberation Sans");

// Empty when every family resolves to itself, else a message naming the missing ones.
QString checkFonts();

QFont displayFont(int pixelSize);          // bold display lettering
QFont labelFont(int pixelSize, bool bold); // plain labels

// The device pixels per picture pixel that canvases and emoji subjects are drawn at: 1, or
// 2 for the twice-size drawings of screens scaled to 200 %. Both carry it as their device
// pixel ratio, so drawing code works in picture pixels at either scale; code that walks
// pixels sees device pixels.
void setScale(int scale);
int scale();

// A transparent ARGB canvas of the given size (in picture pixels, at the current scale).
QImage canvas(int width, int height);

// An emoji drawn at the given pixel size (times the current scale), cropped to its visible
// pixels (straight ARGB).
QImage emoji(const QString &text, int pixelSize = 64);

// Draws a subject scaled to the given height with its centre at centre, optionally
// mirrored left to right.
void place(QPainter &painter, const QImage &subject, QPointF centre, double height,
           bool mirror = false);

// Applies fn to every pixel whose alpha is not zero (straight ARGB in and out).
void mapPixels(QImage &image, const std::function<QRgb(QRgb, int x, int y)> &fn);

// Recolours the pixels inside region (in picture pixels; all pixels when region is empty) to target's hue
// and saturation; their lightness is shifted so that their mean lands on target's,
// keeping the shading. Pixels darker than keepBelow (0..1) are left alone (eyes, outlines).
void tint(QImage &image, const QColor &target, const QPainterPath &region = {},
          double keepBelow = 0.0, double contrast = 1.0);

// Recolours pixels whose hue lies within [hueFrom, hueTo] (degrees, may wrap) and whose
// saturation is at least minSat, to target's hue and saturation, keeping their lightness
// shifted by the given amount.
void swapHue(QImage &image, int hueFrom, int hueTo, double minSat, const QColor &target,
             double lightnessShift = 0.0);

// Paints over the visible pixels of a layer only (the layer's alpha is kept).
void paintAtop(QImage &layer, const std::function<void(QPainter &)> &paint);

// Seeded, deterministic noise in [0, 1).
double hash01(int x, int y, std::uint32_t seed);
double valueNoise(double x, double y, std::uint32_t seed);
double fbm(double x, double y, std::uint32_t seed, int octaves = 4);

// The picture composed on a flat background, opaque RGB.
QImage onBackground(const QImage &subject, const QColor &background);

// A small seeded generator for layouts of speckles and streaks.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next();
    double uniform(double lo, double hi);

private:
    std::uint32_t m_state;
};

} // namespace ArtKit
