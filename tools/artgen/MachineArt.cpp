#include "MachineArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace MachineArt {

namespace {

constexpr int kFaceWidth = 485;
constexpr int kFaceHeight = 500;

QColor grey(int level)
{
    return QColor(level, level, level);
}

// The silver of the reel windows: dark at the top and bottom, near white across the band
// near y 205.
QLinearGradient reelGradient(double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    const double span = bottom - top;
    const double band = (205.0 - 65.0) / (342.0 - 65.0);
    g.setColorAt(0.0, grey(96));
    g.setColorAt(band * 0.45, grey(176));
    g.setColorAt(band, grey(250));
    g.setColorAt(band + (1 - band) * 0.55, grey(178));
    g.setColorAt(1.0, grey(92));
    (void)span;
    return g;
}

void paintPlate(QPainter &p, const QRect &plate, const QString &label, bool lit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    if (lit) {
        g.setColorAt(0.0, grey(255));
        g.setColorAt(0.45, grey(246));
        g.setColorAt(1.0, grey(206));
    } else {
        g.setColorAt(0.0, grey(232));
        g.setColorAt(0.45, grey(196));
        g.setColorAt(1.0, grey(140));
    }
    p.setBrush(g);
    p.setPen(QPen(grey(lit ? 70 : 40), 1.4));
    p.drawRoundedRect(r, 8, 8);
    // A thin highlight just inside the top edge gives the plate a rounded look.
    p.setPen(QPen(grey(lit ? 255 : 245), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 6.5, 6.5);

    p.setFont(ArtKit::displayFont(17));
    const QRectF text = r.adjusted(0, 1, 0, 0);
    if (!lit) {
        p.setPen(grey(238));
        p.drawText(text.translated(0, 1), Qt::AlignCenter, label);
    }
    p.setPen(grey(lit ? 176 : 118));
    p.drawText(text, Qt::AlignCenter, label);
    p.restore();
}

const std::array<ButtonPlace, kButtonCount> &places()
{
    static const std::array<ButtonPlace, kButtonCount> all = {
        ButtonPlace{ QStringLiteral("betmax"), QStringLiteral("BET MAX"), QRect(40, 458, 98, 34),
                     QRect(QPoint(46, 460), QPoint(135, 486)) },
        ButtonPlace{ QStringLiteral("spin"), QStringLiteral("SPIN"), QRect(195, 458, 96, 32),
                     QRect(QPoint(199, 460), QPoint(288, 486)) },
        ButtonPlace{ QStringLiteral("help"), QStringLiteral("HELP"), QRect(349, 455, 97, 36),
                     QRect(QPoint(351, 460), QPoint(440, 486)) },
    };
    return all;
}

QImage onBlackShape(const QImage &layer)
{
    // Pixels mostly covered by the shape become part of it (never pure black, which is the
    // key colour); the rest become pure black, so the stored outline is clean.
    const QImage straight = layer.convertToFormat(QImage::Format_ARGB32);
    QImage out(layer.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = straight.pixel(x, y);
            if (qAlpha(px) < 128) {
                out.setPixel(x, y, qRgb(0, 0, 0));
            } else {
                const double a = qAlpha(px) / 255.0;
                const int r = std::max(1, int(std::lround(qRed(px) * a)));
                const int g = std::max(1, int(std::lround(qGreen(px) * a)));
                const int b = std::max(1, int(std::lround(qBlue(px) * a)));
                out.setPixel(x, y, qRgb(r, g, b));
            }
        }
    return out;
}

} // namespace

const ButtonPlace &buttonPlace(int index)
{
    return places().at(static_cast<std::size_t>(index));
}

QImage face(int litPlate, int scale)
{
    QImage image(kFaceWidth * scale, kFaceHeight * scale, QImage::Format_RGB32);
    // The body: one vertical gradient, near black below the top to near white at the bottom;
    // the 3-pixel side edges run the other way, so the machine looks bevelled.
    // At a larger scale each device pixel takes the level of the pixel it lies in at
    // scale 1, so the edges fall exactly where they do in the 1x picture.
    for (int py = 0; py < image.height(); ++py) {
        const int y = py / scale;
        const double t = (y - 3) / double(kFaceHeight - 7);
        const int body = int(std::lround(14 + t * (236 - 14)));
        const int edge = int(std::lround(250 - t * (250 - 24)));
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            const int x = px / scale;
            int level = (x < 3 || x >= kFaceWidth - 3) ? edge : body;
            if (y < 3)
                level = 255;
            else if (y >= kFaceHeight - 3)
                level = 0;
            line[px] = qRgb(level, level, level);
        }
    }

    QPainter p(&image);
    p.scale(scale, scale);
    // Reel windows: black outline, silver gradient.
    for (int left : { 25, 177, 329 }) {
        const QRect window(QPoint(left, 65), QPoint(left + 130, 342));
        p.fillRect(window, reelGradient(65, 343));
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        p.drawRect(window);
        // A dark inner line under the outline makes the window look recessed.
        p.setPen(grey(60));
        p.drawLine(window.left() + 1, window.top() + 1, window.right() - 1, window.top() + 1);
        p.drawLine(window.left() + 1, window.top() + 1, window.left() + 1, window.bottom() - 1);
    }
    for (int i = 0; i < kButtonCount; ++i)
        paintPlate(p, buttonPlace(i).plate, buttonPlace(i).label, i == litPlate);
    p.end();
    return image;
}

QImage button(int index, bool down, int scale)
{
    const ButtonPlace &place = buttonPlace(index);
    return face(down ? index : -1, scale).copy(QRect(place.button.topLeft() * scale, place.button.size() * scale));
}

QImage coinSlot(int scale)
{
    QImage layer = ArtKit::canvas(133 * scale, 57 * scale);
    QPainter p(&layer);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // The plate: a rounded rectangle with notched corners, inside (7, 4)-(132, 57).
    const QRectF plate(7.2, 4.2, 124.6, 52.6);
    QPainterPath outline;
    outline.addRoundedRect(plate, 9, 9);
    for (QPointF corner : { plate.topLeft(), plate.topRight(), plate.bottomLeft(), plate.bottomRight() }) {
        QPainterPath notch;
        notch.addEllipse(corner, 6.5, 6.5);
        outline = outline.subtracted(notch);
    }
    QLinearGradient silver(0, plate.top(), 0, plate.bottom());
    silver.setColorAt(0.0, QColor(248, 248, 250));
    silver.setColorAt(0.35, QColor(196, 198, 204));
    silver.setColorAt(0.6, QColor(150, 152, 160));
    silver.setColorAt(1.0, QColor(214, 216, 222));
    p.setPen(QPen(QColor(60, 60, 66), 1.2));
    p.setBrush(silver);
    p.drawPath(outline);

    // Dark-red ground inside a bevelled silver border.
    const QRectF ground = plate.adjusted(7, 6, -7, -6);
    p.setPen(QPen(QColor(90, 90, 96), 1));
    p.setBrush(QColor(118, 20, 26));
    p.drawRoundedRect(ground, 5, 5);
    QRadialGradient glow(ground.center(), ground.width() / 1.6);
    glow.setColorAt(0, QColor(168, 34, 40, 200));
    glow.setColorAt(1, QColor(100, 12, 18, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(ground, 5, 5);

    // Rivets in the border, the ornament of the plate.
    for (QPointF rivet : { QPointF(16, 9.5), QPointF(123, 9.5), QPointF(16, 51.5), QPointF(123, 51.5),
                           QPointF(69.5, 7.6), QPointF(69.5, 53.4) }) {
        QRadialGradient r(rivet - QPointF(0.6, 0.6), 2.4);
        r.setColorAt(0, Qt::white);
        r.setColorAt(1, QColor(110, 110, 118));
        p.setBrush(r);
        p.drawEllipse(rivet, 2.0, 2.0);
    }

    // The five-cent medallion.
    const QPointF medal(36, 30.5);
    QRadialGradient coinGold(medal - QPointF(4, 4), 16);
    coinGold.setColorAt(0, QColor(255, 246, 200));
    coinGold.setColorAt(0.6, QColor(222, 186, 92));
    coinGold.setColorAt(1, QColor(150, 112, 40));
    p.setBrush(coinGold);
    p.setPen(QPen(QColor(80, 56, 16), 1));
    p.drawEllipse(medal, 13.5, 13.5);
    p.setPen(QColor(96, 20, 20));
    p.setFont(ArtKit::displayFont(17));
    p.drawText(QRectF(medal.x() - 13, medal.y() - 12, 26, 24), Qt::AlignCenter, QStringLiteral("5\u00A2"));

    // The slot bar: a black slit in a raised silver bezel.
    const QRectF bezel(58, 15, 62, 12);
    QLinearGradient bezelGrad(0, bezel.top(), 0, bezel.bottom());
    bezelGrad.setColorAt(0, QColor(250, 250, 252));
    bezelGrad.setColorAt(1, QColor(130, 132, 140));
    p.setBrush(bezelGrad);
    p.setPen(QPen(QColor(50, 50, 56), 1));
    p.drawRoundedRect(bezel, 4, 4);
    p.setBrush(QColor(8, 8, 10));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(bezel.adjusted(5, 4, -5, -4), 1.5, 1.5);

    // INSERT COIN in silver lettering.
    p.setFont(ArtKit::displayFont(12));
    const QRectF words(56, 30, 66, 16);
    p.setPen(QColor(60, 8, 10));
    p.drawText(words.translated(0.8, 0.8), Qt::AlignCenter, QStringLiteral("INSERT COIN"));
    p.setPen(QColor(236, 236, 240));
    p.drawText(words, Qt::AlignCenter, QStringLiteral("INSERT COIN"));
    p.end();
    return onBlackShape(layer);
}

QImage toggle()
{
    QImage image(44, 11, QImage::Format_RGB32);
    image.fill(grey(36));
    QPainter p(&image);
    const int lefts[3] = { 2, 16, 30 };
    for (int left : lefts) {
        QLinearGradient g(0, 1, 0, 10);
        g.setColorAt(0.0, grey(110));
        g.setColorAt(0.5, grey(250));
        g.setColorAt(1.0, grey(104));
        p.fillRect(QRect(left, 1, 12, 9), g);
    }
    p.end();
    // The top-left pixel is the key colour: one used nowhere else, so the stored shape is
    // the whole picture but that pixel.
    image.setPixel(0, 0, qRgb(36, 36, 37));
    return image;
}

QImage coin(int scale)
{
    QImage layer = ArtKit::canvas(43 * scale, 43 * scale);
    QPainter p(&layer);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(21.5, 21.5);
    QRadialGradient gold(centre - QPointF(6, 6), 26);
    gold.setColorAt(0.0, QColor(255, 248, 196));
    gold.setColorAt(0.45, QColor(236, 190, 70));
    gold.setColorAt(1.0, QColor(140, 96, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(96, 64, 10), 1.2));
    p.drawEllipse(centre, 20.6, 20.6);
    // The raised rim and the milled ring inside it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 232, 150), 1.2));
    p.drawEllipse(centre, 16.5, 16.5);
    p.setPen(QPen(QColor(150, 104, 24), 1));
    p.drawEllipse(centre, 15.2, 15.2);
    p.setFont(ArtKit::displayFont(20));
    p.setPen(QColor(255, 240, 180));
    p.drawText(QRectF(0.8, 0.8, 43, 43), Qt::AlignCenter, QStringLiteral("5"));
    p.setPen(QColor(130, 88, 16));
    p.drawText(QRectF(0, 0, 43, 43), Qt::AlignCenter, QStringLiteral("5"));
    p.end();
    return ArtKit::onBackground(layer, Qt::black);
}

QImage lever(int scale)
{
    QImage layer = ArtKit::canvas(150 * scale, 300 * scale);
    QPainter p(&layer);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    // The foot: a chrome mounting block at the bottom.
    QLinearGradient footGrad(40, 0, 110, 0);
    footGrad.setColorAt(0, QColor(90, 90, 96));
    footGrad.setColorAt(0.35, QColor(240, 240, 244));
    footGrad.setColorAt(1, QColor(80, 80, 86));
    p.setPen(QPen(QColor(40, 40, 44), 1));
    p.setBrush(footGrad);
    p.drawRoundedRect(QRectF(44, 262, 62, 32), 8, 8);
    p.drawRoundedRect(QRectF(58, 246, 34, 20), 4, 4);
    // The shaft: a long chrome rod.
    QLinearGradient shaftGrad(68, 0, 82, 0);
    shaftGrad.setColorAt(0, QColor(96, 96, 102));
    shaftGrad.setColorAt(0.4, QColor(250, 250, 252));
    shaftGrad.setColorAt(1, QColor(90, 90, 96));
    p.setBrush(shaftGrad);
    p.drawRoundedRect(QRectF(68.5, 52, 13, 198), 5, 5);
    // The knob: a gold ball.
    QRadialGradient gold(QPointF(64, 30), 38);
    gold.setColorAt(0.0, QColor(255, 250, 210));
    gold.setColorAt(0.35, QColor(240, 196, 70));
    gold.setColorAt(1.0, QColor(120, 80, 14));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 60, 10), 1.2));
    p.drawEllipse(QPointF(75, 40), 30, 30);
    p.end();
    return ArtKit::onBackground(layer, Qt::black);
}

QImage selector()
{
    QImage image(119, 495, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const int level = int(std::lround(255.0 * y / (image.height() - 1)));
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(level, level, level);
    }
    QPainter p(&image);
    // The bevelled frame around the button bar at (8, 29), 105 x 460.
    const QRect bar(8, 29, 105, 460);
    const QRect outer = bar.adjusted(-4, -4, 3, 3);
    auto bevel = [&](const QRect &r, int light, int dark) {
        p.setPen(grey(light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(grey(dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(outer, 236, 168);
    bevel(outer.adjusted(1, 1, -1, -1), 214, 184);
    bevel(outer.adjusted(2, 2, -2, -2), 170, 232);
    // The title in the dark band.
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(ArtKit::displayFont(17));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 2, 111, 22), Qt::AlignCenter, QStringLiteral("Zorvix Theme"));
    p.end();
    return image;
}

QImage spinArrow(bool up)
{
    QImage image(7, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int y = up ? row : 3 - row;
        for (int x = 3 - row; x <= 3 + row; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 255));
    }
    return image;
}

} // namespace MachineArt

namespace MachineArt {

QImage icon(int size)
{
    QImage image = ArtKit::canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Everything is laid out on a 128-unit square and scaled to the size asked for.
    p.scale(size / 128.0, size / 128.0);

    // The plate: a rounded square in the machine's red, lit from the top left.
    const QRectF plate(4, 4, 120, 120);
    QLinearGradient red(plate.topLeft(), plate.bottomRight());
    red.setColorAt(0.0, QColor(214, 48, 40));
    red.setColorAt(1.0, QColor(110, 12, 14));
    p.setBrush(red);
    p.setPen(QPen(QColor(70, 6, 8), 3));
    p.drawRoundedRect(plate, 22, 22);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 150, 130, 150), 2));
    p.drawRoundedRect(plate.adjusted(4, 4, -4, -4), 18, 18);

    // The coin, lower right.
    const QPointF centre(80, 80);
    QRadialGradient gold(centre - QPointF(10, 10), 44);
    gold.setColorAt(0.0, QColor(255, 248, 196));
    gold.setColorAt(0.45, QColor(236, 190, 70));
    gold.setColorAt(1.0, QColor(140, 96, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(96, 64, 10), 2.5));
    p.drawEllipse(centre, 36, 36);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 232, 150), 2.5));
    p.drawEllipse(centre, 29, 29);
    p.setPen(QPen(QColor(150, 104, 24), 1.5));
    p.drawEllipse(centre, 27, 27);

    // The cherries, upper left, in front of the coin's edge.
    const QImage cherries = ArtKit::emoji(QStringLiteral("\U0001F352"), 128);
    ArtKit::place(p, cherries, QPointF(44, 46), 72);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace MachineArt
