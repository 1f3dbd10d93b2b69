#include "ThemeArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace ArtKit;

namespace ThemeArt {

namespace {

constexpr double kPi = std::numbers::pi;

// A region of a subject given in fractions of its width and height.
QPainterPath ellipseIn(const QImage &img, double cx, double cy, double rx, double ry)
{
    const QSizeF size = img.deviceIndependentSize();
    QPainterPath path;
    path.addEllipse(QPointF(cx * size.width(), cy * size.height()), rx * size.width(), ry * size.height());
    return path;
}

// A picture's size in picture pixels (its device pixels over the scale it was drawn at).
double widthOf(const QImage &img) { return img.deviceIndependentSize().width(); }
double heightOf(const QImage &img) { return img.deviceIndependentSize().height(); }

struct Cell {
    QImage image = canvas(kWidth, kHeight);
    QPainter painter{ &image };
    Cell() { painter.setRenderHint(QPainter::Antialiasing); }
    QImage done()
    {
        painter.end();
        return image;
    }
};

void heart(QPainter &p, QPointF centre, double size, const QColor &colour)
{
    QPainterPath path;
    const double s = size / 2;
    path.moveTo(centre + QPointF(0, s * 0.9));
    path.cubicTo(centre + QPointF(-s * 1.3, -s * 0.1), centre + QPointF(-s * 0.7, -s * 1.3),
                 centre + QPointF(0, -s * 0.45));
    path.cubicTo(centre + QPointF(s * 0.7, -s * 1.3), centre + QPointF(s * 1.3, -s * 0.1),
                 centre + QPointF(0, s * 0.9));
    p.setPen(QPen(colour.darker(150), 0.6));
    p.setBrush(colour);
    p.drawPath(path);
}

void twig(QPainter &p, QPointF from, QPointF to, double width)
{
    p.setPen(QPen(QColor(104, 70, 40), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(QColor(150, 108, 66), width * 0.35, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from + QPointF(0, -width * 0.2), to + QPointF(0, -width * 0.2));
}

void leaf(QPainter &p, QPointF base, double length, double angleDeg, const QColor &colour)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(length * 0.5, -length * 0.35, length, 0);
    path.quadTo(length * 0.5, length * 0.35, 0, 0);
    p.setPen(QPen(colour.darker(140), 0.8));
    p.setBrush(colour);
    p.drawPath(path);
    p.setPen(QPen(colour.darker(160), 0.7));
    p.drawLine(QPointF(1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

// ---------------------------------------------------------------- birds

QImage blueBird() { return emoji(QStringLiteral("\U0001F426")); }

// Recolours the blue of the emoji bird, leaving its orange beak and legs and its eye.
void recolourBird(QImage &bird, const QColor &target, double shift)
{
    swapHue(bird, 170, 260, 0.18, target, shift);
}

std::array<QImage, kSymbolCount> birds()
{
    std::array<QImage, kSymbolCount> out;
    {   // 0: red-orange finch with a heavy pale beak, perched.
        QImage bird = blueBird();
        recolourBird(bird, QColor::fromHsl(12, 220, 128), -0.04);
        paintAtop(bird, [&](QPainter &p) {
            QPainterPath belly = ellipseIn(bird, 0.45, 0.62, 0.22, 0.14);
            p.fillPath(belly, QColor(255, 170, 90, 110));
        });
        QPainter b(&bird);
        b.setRenderHint(QPainter::Antialiasing);
        QPainterPath beak;
        const double w = widthOf(bird), h = heightOf(bird);
        beak.moveTo(0.17 * w, 0.20 * h);
        beak.quadTo(-0.02 * w, 0.28 * h, 0.0 * w, 0.38 * h);
        beak.quadTo(0.08 * w, 0.47 * h, 0.19 * w, 0.44 * h);
        beak.closeSubpath();
        b.setPen(QPen(QColor(120, 110, 90), 0.8));
        b.setBrush(QColor(238, 226, 196));
        b.drawPath(beak);
        b.end();
        Cell c;
        twig(c.painter, QPointF(14, 59), QPointF(94, 56), 4);
        place(c.painter, bird, QPointF(54, 30), 54);
        out[0] = c.done();
    }
    {   // 1: two owls side by side on a branch.
        const QImage owl = emoji(QStringLiteral("\U0001F989"));
        Cell c;
        twig(c.painter, QPointF(6, 58), QPointF(99, 58), 5);
        place(c.painter, owl, QPointF(33, 31), 50);
        place(c.painter, owl, QPointF(72, 31), 50, true);
        leaf(c.painter, QPointF(94, 57), 10, -40, QColor(90, 150, 70));
        leaf(c.painter, QPointF(10, 58), 9, -150, QColor(90, 150, 70));
        out[1] = c.done();
    }
    {   // 2: yellow bird with black-streaked wings.
        QImage bird = blueBird();
        recolourBird(bird, QColor::fromHsl(50, 245, 128), 0.06);
        paintAtop(bird, [&](QPainter &p) {
            const double w = widthOf(bird), h = heightOf(bird);
            p.setPen(QPen(QColor(20, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 4; ++i) {
                const double y = 0.50 + i * 0.075;
                p.drawLine(QPointF(0.40 * w + i * 2, y * h), QPointF(0.78 * w, (y - 0.13) * h));
            }
            p.setPen(QPen(QColor(20, 20, 20), 3.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0.70 * w, 0.30 * h), QPointF(0.98 * w, 0.22 * h));
            p.drawLine(QPointF(0.72 * w, 0.38 * h), QPointF(0.96 * w, 0.34 * h));
        });
        Cell c;
        place(c.painter, bird, QPointF(52, 32), 58, true);
        out[2] = c.done();
    }
    {   // 3: blue-grey bird with a black face and a red beak.
        QImage bird = blueBird();
        recolourBird(bird, QColor::fromHsl(210, 60, 150), -0.02);
        paintAtop(bird, [&](QPainter &p) {
            QPainterPath mask = ellipseIn(bird, 0.19, 0.31, 0.15, 0.13);
            p.fillPath(mask, QColor(18, 18, 22));
            p.fillPath(ellipseIn(bird, 0.06, 0.33, 0.09, 0.07), QColor(214, 30, 36));
            p.setBrush(Qt::white);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(0.27 * widthOf(bird), 0.25 * heightOf(bird)), 1.6, 1.6);
        });
        Cell c;
        twig(c.painter, QPointF(18, 60), QPointF(88, 60), 3.5);
        place(c.painter, bird, QPointF(52, 31), 56);
        out[3] = c.done();
    }
    {   // 4: brown and chestnut ground bird, standing.
        QImage bird = emoji(QStringLiteral("\U0001F983"));
        Cell c;
        c.painter.setPen(Qt::NoPen);
        c.painter.setBrush(QColor(200, 190, 170));
        c.painter.drawEllipse(QPointF(52, 61), 26, 3);
        place(c.painter, bird, QPointF(52, 31), 58);
        out[4] = c.done();
    }
    {   // 5: bird with a dark head, a yellow belly and a red breast.
        QImage bird = emoji(QStringLiteral("\U0001F424"));
        paintAtop(bird, [&](QPainter &p) {
            p.fillPath(ellipseIn(bird, 0.28, 0.24, 0.25, 0.22), QColor(34, 30, 40));
            p.fillPath(ellipseIn(bird, 0.30, 0.55, 0.20, 0.14), QColor(222, 40, 30));
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(0.24 * widthOf(bird), 0.22 * heightOf(bird)), 1.7, 1.7);
        });
        // The chick's beak, repainted over the dark head.
        QPainter b(&bird);
        b.setRenderHint(QPainter::Antialiasing);
        QPainterPath beak;
        beak.moveTo(0.10 * widthOf(bird), 0.25 * heightOf(bird));
        beak.lineTo(-0.0 * widthOf(bird), 0.32 * heightOf(bird));
        beak.lineTo(0.11 * widthOf(bird), 0.36 * heightOf(bird));
        beak.closeSubpath();
        b.fillPath(beak, QColor(250, 160, 30));
        b.end();
        Cell c;
        twig(c.painter, QPointF(16, 60), QPointF(90, 59), 3.5);
        place(c.painter, bird, QPointF(52, 30), 56, true);
        out[5] = c.done();
    }
    {   // 6: bird with a yellow face, a red cap and a dark blue back.
        QImage bird = emoji(QStringLiteral("\U0001F99C"));
        swapHue(bird, 60, 170, 0.2, QColor::fromHsl(224, 160, 70), -0.12);
        // The red head becomes a red cap over a yellow face.
        const int capBottom = int(bird.height() * 0.12);
        mapPixels(bird, [capBottom](QRgb px, int, int y) {
            const QColor c = QColor::fromRgba(px);
            const int hue = c.hslHue();
            if (y < capBottom || c.hslSaturationF() < 0.4 || hue < 0 || (hue > 25 && hue < 330))
                return px;
            QColor out = QColor::fromHslF(50 / 360.0, 0.95, std::clamp(c.lightnessF() + 0.08, 0.0, 0.9));
            out.setAlpha(qAlpha(px));
            return out.rgba();
        });
        Cell c;
        place(c.painter, bird, QPointF(52, 32), 60);
        // The yellow face round the eye, under the cap.
        c.painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        c.painter.setPen(Qt::NoPen);
        c.painter.setBrush(QColor(252, 212, 40));
        c.painter.drawEllipse(QPointF(41, 15), 8.5, 6);
        c.painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        c.painter.setBrush(QColor(250, 240, 220));
        c.painter.drawEllipse(QPointF(40.5, 12.5), 2.8, 2.8);
        c.painter.setBrush(QColor(20, 20, 20));
        c.painter.drawEllipse(QPointF(40.5, 12.5), 1.6, 1.6);
        out[6] = c.done();
    }
    {   // 7: dark red bird with a grey head, standing.
        QImage bird = emoji(QStringLiteral("\U0001F426\u200D\u2B1B"));
        mapPixels(bird, [](QRgb px, int, int) {
            const QColor c = QColor::fromRgba(px);
            if (c.hslSaturationF() > 0.3)
                return px;
            QColor out = QColor::fromHslF(0.98f, 0.72f, std::min(1.0, c.lightnessF() * 1.25 + 0.12));
            out.setAlpha(qAlpha(px));
            return out.rgba();
        });
        paintAtop(bird, [&](QPainter &p) {
            p.fillPath(ellipseIn(bird, 0.25, 0.24, 0.19, 0.19), QColor(150, 150, 156));
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(0.24 * widthOf(bird), 0.22 * heightOf(bird)), 2.2, 2.2);
        });
        Cell c;
        c.painter.setPen(Qt::NoPen);
        c.painter.setBrush(QColor(205, 200, 190));
        c.painter.drawEllipse(QPointF(50, 61), 24, 3);
        place(c.painter, bird, QPointF(52, 31), 58, true);
        out[7] = c.done();
    }
    {   // 8: a pair of orange streaked birds on a twig.
        QImage bird = blueBird();
        recolourBird(bird, QColor::fromHsl(28, 230, 120), 0.0);
        paintAtop(bird, [&](QPainter &p) {
            const double w = widthOf(bird), h = heightOf(bird);
            p.setPen(QPen(QColor(110, 50, 10), 2.0, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 7; ++i) {
                const double x = 0.32 + (i % 4) * 0.12, y = 0.48 + (i / 4) * 0.16 + (i % 2) * 0.05;
                p.drawLine(QPointF(x * w, y * h), QPointF((x + 0.07) * w, (y + 0.05) * h));
            }
        });
        Cell c;
        twig(c.painter, QPointF(8, 54), QPointF(98, 48), 3.5);
        leaf(c.painter, QPointF(90, 49), 10, -60, QColor(100, 150, 60));
        place(c.painter, bird, QPointF(31, 32), 40);
        place(c.painter, bird, QPointF(74, 28), 40, true);
        out[8] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- fruit

void orangeFace(QPainter &p, QPointF centre, double rx, double ry)
{
    p.setPen(QPen(QColor(196, 96, 10), 1));
    p.setBrush(QColor(246, 140, 24));
    p.drawEllipse(centre, rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 238, 200));
    p.drawEllipse(centre, rx * 0.9, ry * 0.9);
    // Segments: wedges of juicy flesh with pale skins between them.
    const int segments = 10;
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2 * kPi * i / segments + 0.06, a1 = 2 * kPi * (i + 1) / segments - 0.06;
        QPainterPath wedge;
        wedge.moveTo(centre + QPointF(std::cos((a0 + a1) / 2) * rx * 0.1, std::sin((a0 + a1) / 2) * ry * 0.1));
        for (int k = 0; k <= 6; ++k) {
            const double a = a0 + (a1 - a0) * k / 6;
            wedge.lineTo(centre + QPointF(std::cos(a) * rx * 0.82, std::sin(a) * ry * 0.82));
        }
        wedge.closeSubpath();
        QRadialGradient g(centre, std::max(rx, ry));
        g.setColorAt(0, QColor(255, 196, 90));
        g.setColorAt(1, QColor(250, 140, 20));
        p.setBrush(g);
        p.drawPath(wedge);
    }
    p.setBrush(QColor(255, 240, 214));
    p.drawEllipse(centre, rx * 0.1, ry * 0.1);
}

std::array<QImage, kSymbolCount> fruit()
{
    std::array<QImage, kSymbolCount> out;
    {   // 0: half an orange with a red-and-white striped straw.
        Cell c;
        QPainter &p = c.painter;
        const QPointF top(52, 32);
        const double rx = 28, ry = 8;
        // The straw, behind the cut face first, leaning to the right.
        auto straw = [&](double from, double to) {
            p.save();
            p.translate(top + QPointF(4, 0));
            p.rotate(28);
            QPainterPath tube;
            tube.addRect(QRectF(-3, -to, 6, to - from));
            p.setClipPath(tube);
            for (int i = 0; i < 12; ++i)
                p.fillRect(QRectF(-3, -to + i * 5, 6, 5), i % 2 ? QColor(250, 250, 250) : QColor(220, 30, 36));
            p.setClipping(false);
            p.setPen(QPen(QColor(120, 20, 20), 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(tube);
            p.restore();
        };
        // The dome of peel.
        QPainterPath dome;
        dome.moveTo(top.x() - rx, top.y());
        dome.cubicTo(top.x() - rx, top.y() + 30, top.x() + rx, top.y() + 30, top.x() + rx, top.y());
        dome.closeSubpath();
        QRadialGradient peel(QPointF(top.x() - 8, top.y() + 6), 36);
        peel.setColorAt(0, QColor(255, 176, 60));
        peel.setColorAt(1, QColor(214, 100, 6));
        p.setPen(QPen(QColor(150, 70, 0), 1));
        p.setBrush(peel);
        p.drawPath(dome);
        orangeFace(p, top, rx, ry);
        straw(0, 34);
        out[0] = c.done();
    }
    const char32_t simple[] = { 0, 0x1F352, 0x1F34C, 0x1F349, 0x1F351, 0, 0, 0x1F34F, 0x1F95D };
    for (int i : { 1, 2, 3, 4, 7, 8 }) {
        Cell c;
        const QImage subject = emoji(QString::fromUcs4(&simple[i], 1));
        place(c.painter, subject, QPointF(52.5, 32.5), 58);
        out[i] = c.done();
    }
    {   // 5: a halved orange, its cut face showing.
        Cell c;
        orangeFace(c.painter, QPointF(52.5, 32.5), 29, 28);
        out[5] = c.done();
    }
    {   // 6: a bunch of green grapes with a leaf.
        QImage grapes = emoji(QStringLiteral("\U0001F347"));
        swapHue(grapes, 240, 340, 0.15, QColor::fromHsl(80, 170, 120), 0.10);
        Cell c;
        leaf(c.painter, QPointF(56, 9), 24, -20, QColor(70, 150, 50));
        place(c.painter, grapes, QPointF(50, 33), 58);
        out[6] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- computers

const QColor kDeviceBody = QColor::fromHsl(212, 60, 150);
const QColor kScreen = QColor(255, 150, 30);

// Blue-grey bodies and orange screens: pixels darker than screenBelow (the emoji's dark
// screens) glow orange, warm details (lamps, labels) stay, everything else turns blue-grey.
void computerize(QImage &img, double screenBelow)
{
    mapPixels(img, [screenBelow](QRgb px, int, int) {
        const QColor c = QColor::fromRgba(px);
        const double l = c.lightnessF();
        const int hue = c.hslHue();
        QColor out;
        if (l < screenBelow)
            out = QColor::fromHslF(28 / 360.0, 0.95, std::clamp(0.40 + l * 0.7, 0.0, 0.8));
        else if (c.hslSaturationF() > 0.45 && hue >= 0 && (hue <= 60 || hue >= 330))
            return px;
        else
            out = QColor::fromHslF(212 / 360.0, 0.30, std::clamp(l * 0.88 + 0.02, 0.0, 1.0));
        out.setAlpha(qAlpha(px));
        return out.rgba();
    });
}

QLinearGradient bodyGradient(QRectF r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kDeviceBody.lighter(130));
    g.setColorAt(1, kDeviceBody.darker(125));
    return g;
}

QLinearGradient screenGradient(QRectF r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(255, 200, 100));
    g.setColorAt(1, QColor(236, 110, 10));
    return g;
}

void cable(QPainter &p, const QPainterPath &path, double width = 2.2)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 80, 96), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

std::array<QImage, kSymbolCount> computers()
{
    std::array<QImage, kSymbolCount> out;
    const QColor outline(50, 60, 76);
    {   // 0: portable music player with earphones.
        Cell c;
        QPainter &p = c.painter;
        QPainterPath wire;
        wire.moveTo(60, 10);
        wire.cubicTo(60, 0, 72, 2, 76, 12);
        wire.moveTo(76, 12);
        wire.cubicTo(80, 24, 88, 30, 84, 44);
        wire.moveTo(76, 12);
        wire.cubicTo(84, 22, 98, 22, 96, 36);
        cable(p, wire, 1.6);
        for (QPointF bud : { QPointF(84, 46), QPointF(96, 38) }) {
            p.setPen(QPen(outline, 1));
            p.setBrush(QColor(236, 240, 246));
            p.drawEllipse(bud, 4.5, 4.5);
            p.setBrush(QColor(120, 130, 146));
            p.drawEllipse(bud, 2, 2);
        }
        const QRectF body(36, 8, 30, 52);
        p.setPen(QPen(outline, 1.2));
        p.setBrush(bodyGradient(body));
        p.drawRoundedRect(body, 6, 6);
        const QRectF screen(40, 12, 22, 18);
        p.setBrush(screenGradient(screen));
        p.drawRoundedRect(screen, 2, 2);
        p.setBrush(QColor(230, 236, 244));
        p.drawEllipse(QPointF(51, 45), 10, 10);
        p.setBrush(kDeviceBody);
        p.drawEllipse(QPointF(51, 45), 3.6, 3.6);
        out[0] = c.done();
    }
    {   // 1: flat-screen monitor.
        QImage monitor = emoji(QStringLiteral("\U0001F5A5\uFE0F"));
        computerize(monitor, 0.36);
        Cell c;
        place(c.painter, monitor, QPointF(52.5, 32.5), 58);
        out[1] = c.done();
    }
    {   // 2: web camera on a stand.
        Cell c;
        QPainter &p = c.painter;
        p.setPen(QPen(outline, 1.2));
        p.setBrush(bodyGradient(QRectF(30, 52, 44, 10)));
        p.drawEllipse(QPointF(52, 57), 22, 5);
        p.setBrush(kDeviceBody.darker(110));
        p.drawRoundedRect(QRectF(48, 38, 8, 18), 3, 3);
        QRadialGradient ball(QPointF(44, 16), 28);
        ball.setColorAt(0, kDeviceBody.lighter(150));
        ball.setColorAt(1, kDeviceBody.darker(130));
        p.setBrush(ball);
        p.drawEllipse(QPointF(52, 24), 21, 20);
        p.setBrush(QColor(40, 44, 56));
        p.drawEllipse(QPointF(52, 25), 10, 10);
        QRadialGradient glass(QPointF(49, 22), 8);
        glass.setColorAt(0, QColor(255, 210, 140));
        glass.setColorAt(1, QColor(200, 90, 10));
        p.setBrush(glass);
        p.drawEllipse(QPointF(52, 25), 6, 6);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(50, 23), 1.6, 1.6);
        p.setBrush(QColor(255, 130, 20));
        p.drawEllipse(QPointF(66, 12), 1.8, 1.8);
        out[2] = c.done();
    }
    {   // 3: mouse with a cable.
        QImage mouse = emoji(QStringLiteral("\U0001F5B1\uFE0F"));
        computerize(mouse, 0.0);
        Cell c;
        QPainterPath wire;
        wire.moveTo(52, 12);
        wire.cubicTo(52, 0, 80, 2, 82, 14);
        wire.cubicTo(84, 26, 96, 30, 100, 22);
        cable(c.painter, wire);
        place(c.painter, mouse, QPointF(52, 36), 50);
        out[3] = c.done();
    }
    {   // 4: printer with paper.
        QImage printer = emoji(QStringLiteral("\U0001F5A8\uFE0F"));
        computerize(printer, 0.0);
        Cell c;
        place(c.painter, printer, QPointF(52.5, 32.5), 58);
        out[4] = c.done();
    }
    {   // 5: handheld organiser with a stylus.
        Cell c;
        QPainter &p = c.painter;
        const QRectF body(34, 5, 34, 55);
        p.setPen(QPen(outline, 1.2));
        p.setBrush(bodyGradient(body));
        p.drawRoundedRect(body, 5, 5);
        const QRectF screen(38, 10, 26, 30);
        p.setBrush(screenGradient(screen));
        p.drawRect(screen);
        p.setPen(QPen(QColor(150, 70, 0, 160), 1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(41, 15 + i * 6), QPointF(58 - (i % 2) * 6, 15 + i * 6));
        p.setPen(QPen(outline, 1));
        p.setBrush(QColor(224, 230, 240));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(40.5 + i * 7, 50), 2.6, 2.6);
        // The stylus, leaning against the right side.
        p.save();
        p.translate(80, 32);
        p.rotate(18);
        p.setBrush(QColor(180, 188, 200));
        p.drawRoundedRect(QRectF(-2, -26, 4, 46), 1.5, 1.5);
        QPainterPath tip;
        tip.moveTo(-2, 20);
        tip.lineTo(0, 26);
        tip.lineTo(2, 20);
        tip.closeSubpath();
        p.setBrush(QColor(60, 66, 80));
        p.drawPath(tip);
        p.restore();
        out[5] = c.done();
    }
    {   // 6: camcorder with a flip-out screen.
        QImage camera = emoji(QStringLiteral("\U0001F4F9"));
        computerize(camera, 0.0);
        Cell c;
        QPainter &p = c.painter;
        place(p, camera, QPointF(58, 32.5), 54, true);
        // The flip-out screen, hinged on the left side.
        QPolygonF panel;
        panel << QPointF(12, 16) << QPointF(34, 21) << QPointF(34, 43) << QPointF(12, 46);
        p.setPen(QPen(outline, 1.2));
        p.setBrush(kDeviceBody);
        p.drawPolygon(panel);
        QPolygonF glass;
        glass << QPointF(15, 20) << QPointF(31, 24) << QPointF(31, 40) << QPointF(15, 42);
        p.setBrush(screenGradient(QRectF(15, 20, 16, 22)));
        p.drawPolygon(glass);
        out[6] = c.done();
    }
    {   // 7: keyboard with a cable.
        QImage keyboard = emoji(QStringLiteral("\u2328\uFE0F"));
        computerize(keyboard, 0.0);
        Cell c;
        QPainterPath wire;
        wire.moveTo(52, 24);
        wire.cubicTo(52, 6, 70, 14, 76, 6);
        wire.cubicTo(80, 0, 92, 2, 96, 8);
        cable(c.painter, wire);
        place(c.painter, keyboard, QPointF(52, 38), 34);
        out[7] = c.done();
    }
    {   // 8: open laptop.
        QImage laptop = emoji(QStringLiteral("\U0001F4BB"));
        computerize(laptop, 0.36);
        Cell c;
        place(c.painter, laptop, QPointF(52.5, 32.5), 58);
        out[8] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- animals

QImage ostrich()
{
    Cell c;
    QPainter &p = c.painter;
    const QColor skin(214, 160, 150);
    p.setPen(QPen(skin.darker(140), 2.6, Qt::SolidLine, Qt::RoundCap));
    // Legs with their backward knees.
    p.drawPolyline(QPolygonF() << QPointF(56, 36) << QPointF(60, 48) << QPointF(54, 62) << QPointF(48, 62));
    p.drawPolyline(QPolygonF() << QPointF(64, 36) << QPointF(70, 47) << QPointF(68, 62) << QPointF(62, 62));
    // The neck, long and bare.
    QPainterPath neck;
    neck.moveTo(46, 26);
    neck.cubicTo(40, 18, 34, 14, 34, 6);
    p.setPen(QPen(skin, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(neck);
    // The body: black plumes with white wing and tail tips.
    QPainterPath body;
    body.addEllipse(QPointF(61, 28), 21, 12);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    QRadialGradient g(QPointF(56, 22), 22);
    g.setColorAt(0, QColor(80, 74, 70));
    g.setColorAt(1, QColor(16, 14, 14));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 244, 238));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(80 + i * 1.5, 22 + i * 3.2), 5, 2.6);
    p.drawEllipse(QPointF(66, 32), 8, 3);
    // The head, beak and eye.
    p.setBrush(skin.lighter(105));
    p.setPen(QPen(skin.darker(150), 0.8));
    p.drawEllipse(QPointF(34, 6), 4.6, 3.8);
    QPainterPath beak;
    beak.moveTo(30, 5);
    beak.lineTo(23, 7);
    beak.lineTo(30, 8.5);
    p.setBrush(QColor(232, 200, 170));
    p.drawPath(beak);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(34, 5), 1.4, 1.4);
    return c.done();
}

std::array<QImage, kSymbolCount> animals()
{
    std::array<QImage, kSymbolCount> out;
    auto simple = [](const QString &text, double height, bool mirror = false) {
        Cell c;
        place(c.painter, emoji(text), QPointF(52.5, 32.5), height, mirror);
        return c.done();
    };
    {   // 0: grey elephant, a shade darker than the emoji so it stands out on off-white.
        QImage elephant = emoji(QStringLiteral("\U0001F418"));
        tint(elephant, QColor(150, 152, 158), {}, 0.15, 1.2);
        Cell c;
        place(c.painter, elephant, QPointF(52.5, 32.5), 58);
        out[0] = c.done();
    }
    {   // 1: brown hare.
        QImage hare = emoji(QStringLiteral("\U0001F407"));
        tint(hare, QColor(150, 104, 62), {}, 0.2, 1.2);
        Cell c;
        place(c.painter, hare, QPointF(52.5, 32.5), 60);
        out[1] = c.done();
    }
    out[2] = simple(QStringLiteral("\U0001F993"), 58);
    out[3] = simple(QStringLiteral("\U0001F405"), 58);
    out[4] = simple(QStringLiteral("\U0001F43B"), 58);
    out[5] = simple(QStringLiteral("\U0001F9AB"), 58);
    out[6] = simple(QStringLiteral("\U0001F998"), 58);
    out[7] = ostrich();
    {   // 8: pale grey raccoon with a ringed tail.
        QImage raccoon = emoji(QStringLiteral("\U0001F99D"));
        Cell c;
        QPainter &p = c.painter;
        p.save();
        p.translate(70, 40);
        p.rotate(-30);
        for (int i = 0; i < 7; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i % 2 ? QColor(60, 60, 64) : QColor(196, 196, 200));
            p.drawEllipse(QRectF(i * 4.2, -6 + i * 0.2, 7, 12 - i * 0.5));
        }
        p.restore();
        place(p, raccoon, QPointF(46, 32.5), 54);
        out[8] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- teddy bears

QImage teddy() { return emoji(QStringLiteral("\U0001F9F8")); }

// Recolours the teddy's yellow bow.
QImage teddyWithBow(const QColor &bow)
{
    QImage bear = teddy();
    swapHue(bear, 38, 70, 0.5, bow, 0.0);
    return bear;
}

void book(QPainter &p, QRectF r, const QColor &cover, bool titled)
{
    p.setPen(QPen(cover.darker(180), 1));
    p.setBrush(cover);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(245, 240, 225));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(r.right() - 2.5, r.top() + 1.5, 1.5, r.height() - 3));
    if (titled) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 200, 90), 1.2));
        p.drawLine(QPointF(r.left() + 3, r.top() + 5), QPointF(r.right() - 5, r.top() + 5));
        p.drawLine(QPointF(r.left() + 3, r.top() + 8), QPointF(r.right() - 7, r.top() + 8));
        p.setPen(QPen(QColor(230, 200, 90), 0.8));
        p.drawRect(QRectF(r.left() + 2, r.top() + 2, r.width() - 6, r.height() - 4));
    }
}

std::array<QImage, kSymbolCount> teddies()
{
    std::array<QImage, kSymbolCount> out;
    const QPointF centre(52.5, 32.5);
    {   // 0: two teddy bears hugging, with red and blue bows.
        Cell c;
        place(c.painter, teddyWithBow(QColor(40, 90, 230)), QPointF(66, 33), 56, true);
        place(c.painter, teddyWithBow(QColor(226, 30, 40)), QPointF(40, 33), 56);
        out[0] = c.done();
    }
    {   // 1: teddy bear holding a red heart.
        Cell c;
        place(c.painter, teddy(), centre, 60);
        heart(c.painter, QPointF(52.5, 42), 20, QColor(226, 24, 40));
        out[1] = c.done();
    }
    {   // 2: panda in a red beret holding a purple book.
        Cell c;
        QPainter &p = c.painter;
        place(p, emoji(QStringLiteral("\U0001F43C")), QPointF(52.5, 34), 46);
        p.setPen(QPen(QColor(130, 10, 20), 1));
        p.setBrush(QColor(210, 26, 36));
        p.drawEllipse(QPointF(58, 13), 18, 6);
        p.drawEllipse(QPointF(58, 7.5), 2.2, 2.2);
        book(p, QRectF(41, 45, 24, 19), QColor(128, 50, 170), false);
        out[2] = c.done();
    }
    {   // 3: teddy bear holding a string of small hearts.
        Cell c;
        QPainter &p = c.painter;
        place(p, teddy(), centre, 60);
        QPainterPath string;
        string.moveTo(16, 30);
        string.quadTo(52, 56, 90, 30);
        p.setPen(QPen(QColor(170, 60, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        for (int i = 0; i <= 6; ++i)
            heart(p, string.pointAtPercent(i / 6.0) + QPointF(0, 2), 9, QColor(240, 60, 120));
        out[3] = c.done();
    }
    {   // 4: teddy bear with a bow and a lollipop.
        Cell c;
        place(c.painter, teddy(), QPointF(46, 32.5), 60);
        place(c.painter, emoji(QStringLiteral("\U0001F36D")), QPointF(78, 34), 34);
        out[4] = c.done();
    }
    {   // 5: teddy bear reading an open blue book.
        QImage open = emoji(QStringLiteral("\U0001F4D6"));
        swapHue(open, 0, 40, 0.3, QColor(40, 90, 210), 0.0);
        swapHue(open, 330, 359, 0.3, QColor(40, 90, 210), 0.0);
        Cell c;
        place(c.painter, teddy(), QPointF(52.5, 30), 56);
        place(c.painter, open, QPointF(52.5, 50), 24);
        out[5] = c.done();
    }
    {   // 6: teddy bear holding a black book with a title on its cover.
        Cell c;
        place(c.painter, teddy(), QPointF(48, 32.5), 60);
        book(c.painter, QRectF(58, 30, 22, 28), QColor(24, 24, 28), true);
        out[6] = c.done();
    }
    {   // 7: teddy bear holding a bunch of flowers.
        Cell c;
        place(c.painter, teddy(), QPointF(46, 32.5), 60);
        place(c.painter, emoji(QStringLiteral("\U0001F490")), QPointF(72, 38), 38);
        out[7] = c.done();
    }
    {   // 8: teddy bear with a pink bow on a yellow gift box.
        QImage gift = emoji(QStringLiteral("\U0001F381"));
        swapHue(gift, 340, 20, 0.3, QColor(250, 210, 30), 0.12);
        Cell c;
        place(c.painter, teddyWithBow(QColor(255, 120, 190)), QPointF(42, 30), 54);
        place(c.painter, gift, QPointF(76, 46), 34);
        out[8] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- skulls

QImage skullEmoji() { return emoji(QStringLiteral("\U0001F480")); }

// A skull tinted to a colour, keeping the emoji's dark eye sockets.
QImage tintedSkull(const QColor &colour)
{
    QImage skull = skullEmoji().convertToFormat(QImage::Format_ARGB32);
    // The sockets and the nose: the emoji's dark pixels, which stay dark on any tint.
    std::vector<bool> hollow(std::size_t(skull.width()) * skull.height());
    for (int y = 0; y < skull.height(); ++y)
        for (int x = 0; x < skull.width(); ++x)
            hollow[std::size_t(y) * skull.width() + x] = QColor::fromRgba(skull.pixel(x, y)).lightnessF() < 0.45;
    tint(skull, colour, {}, 0.45, 1.3);
    mapPixels(skull, [&](QRgb px, int x, int y) {
        if (!hollow[std::size_t(y) * skull.width() + x])
            return px;
        return qRgba(qRed(px) / 5, qGreen(px) / 5, qBlue(px) / 5, qAlpha(px));
    });
    return skull;
}

void patches(QImage &skull, const QColor &colour, std::uint32_t seed)
{
    paintAtop(skull, [&](QPainter &p) {
        Rng rng(seed);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            QColor c = colour;
            c.setAlpha(150);
            p.setBrush(c);
            p.drawEllipse(QPointF(rng.uniform(0.15, 0.85) * widthOf(skull), rng.uniform(0.1, 0.5) * heightOf(skull)),
                          rng.uniform(3, 7), rng.uniform(2.5, 5));
        }
    });
}

// Draws an ape-like skull: a low, wide cranium, a heavy brow ridge over deep sockets and a
// broad jutting muzzle with long canines.
QImage apeSkull(const QColor &colour)
{
    QImage skull = tintedSkull(colour);
    Cell c;
    QPainter &p = c.painter;
    const QColor dark = colour.darker(260);
    // The emoji skull, squashed into a low, wide head.
    p.save();
    p.translate(52.5, 25);
    p.scale(1.22, 0.72);
    p.drawImage(QRectF(-widthOf(skull) / 2.0, -heightOf(skull) / 2.0, widthOf(skull), heightOf(skull)), skull);
    p.restore();
    // The muzzle, over the lower face: wide, rounded, reaching down to the jaw.
    QPainterPath muzzle;
    muzzle.moveTo(33, 33);
    muzzle.cubicTo(33, 28, 72, 28, 72, 33);
    muzzle.cubicTo(76, 46, 70, 62, 52.5, 62);
    muzzle.cubicTo(35, 62, 29, 46, 33, 33);
    QLinearGradient g(0, 30, 0, 62);
    g.setColorAt(0, colour);
    g.setColorAt(1, colour.darker(135));
    p.setPen(QPen(colour.darker(190), 1));
    p.setBrush(g);
    p.drawPath(muzzle);
    // Nasal opening.
    QPainterPath nose;
    nose.moveTo(52.5, 34);
    nose.cubicTo(47, 36, 47, 43, 52.5, 44);
    nose.cubicTo(58, 43, 58, 36, 52.5, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(nose);
    // Teeth: a closed row with two long canines.
    p.setBrush(colour.lighter(112));
    p.setPen(QPen(dark, 0.9));
    p.drawRoundedRect(QRectF(39, 48, 27, 8), 2, 2);
    for (int i = 1; i < 6; ++i)
        p.drawLine(QPointF(39 + i * 4.5, 48), QPointF(39 + i * 4.5, 56));
    for (double x : { 41.0, 64.0 }) {
        QPainterPath fang;
        fang.moveTo(x - 2.5, 47);
        fang.lineTo(x, 59);
        fang.lineTo(x + 2.5, 47);
        fang.closeSubpath();
        p.drawPath(fang);
    }
    // The heavy brow ridge: a double arch over both sockets.
    QPainterPath brow;
    brow.moveTo(22, 24);
    brow.cubicTo(26, 11, 48, 13, 52.5, 18);
    brow.cubicTo(57, 13, 79, 11, 83, 24);
    brow.cubicTo(72, 19, 60, 20, 52.5, 24);
    brow.cubicTo(45, 20, 33, 19, 22, 24);
    QLinearGradient ridge(0, 12, 0, 24);
    ridge.setColorAt(0, colour.lighter(115));
    ridge.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(170), 0.8));
    p.setBrush(ridge);
    p.drawPath(brow);
    return c.done();
}

std::array<QImage, kSymbolCount> skulls()
{
    std::array<QImage, kSymbolCount> out;
    const QPointF centre(52.5, 32.5);
    {   // 0: purple-grey ape-like skull with blue patches.
        QImage ape = apeSkull(QColor(150, 128, 168));
        paintAtop(ape, [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(50, 100, 235, 170));
            p.drawEllipse(QPointF(38, 10), 7, 4);
            p.drawEllipse(QPointF(66, 8), 5, 3.5);
            p.drawEllipse(QPointF(69, 44), 4, 5);
            p.drawEllipse(QPointF(37, 40), 3.5, 4);
        });
        out[0] = ape;
    }
    out[1] = apeSkull(QColor(240, 196, 188));  // 1: pale pinkish ape-like skull
    {   // 2: a fragment of a beige skull.
        QImage skull = tintedSkull(QColor(214, 192, 150));
        Cell c;
        place(c.painter, skull, centre, 60);
        c.painter.end();
        QPainter p(&c.image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        QPolygonF broken;
        broken << QPointF(105, 0) << QPointF(62, 0) << QPointF(66, 10) << QPointF(57, 18) << QPointF(64, 27)
               << QPointF(55, 36) << QPointF(61, 45) << QPointF(50, 52) << QPointF(46, 65) << QPointF(105, 65);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPolygon(broken);
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.setPen(QPen(QColor(90, 70, 40), 1.4));
        p.drawPolyline(QPolygonF(broken.mid(1, broken.size() - 2)).translated(-1, 0));
        p.setPen(QPen(QColor(110, 86, 50), 1));
        p.drawPolyline(QPolygonF() << QPointF(36, 4) << QPointF(42, 12) << QPointF(38, 18));
        p.end();
        out[2] = c.image;
    }
    {   // 3: yellowed skull with heavy brows.
        QImage skull = tintedSkull(QColor(222, 200, 120));
        Cell c;
        place(c.painter, skull, centre, 60);
        QPainter &p = c.painter;
        QLinearGradient ridge(0, 19, 0, 27);
        ridge.setColorAt(0, QColor(240, 222, 150));
        ridge.setColorAt(1, QColor(160, 136, 60));
        p.setPen(QPen(QColor(120, 100, 40), 1));
        p.setBrush(ridge);
        QPainterPath brow;
        brow.moveTo(30, 26);
        brow.cubicTo(34, 15, 50, 17, 52.5, 22);
        brow.cubicTo(55, 17, 71, 15, 75, 26);
        brow.cubicTo(66, 22, 58, 24, 52.5, 27);
        brow.cubicTo(47, 24, 39, 22, 30, 26);
        p.drawPath(brow);
        out[3] = c.done();
    }
    {   // 4: dark, weathered grey skull.
        QImage skull = tintedSkull(QColor(96, 96, 100));
        mapPixels(skull, [](QRgb px, int x, int y) {
            const double n = 0.75 + 0.5 * fbm(x / (3.0 * scale()), y / (3.0 * scale()), 404);
            return qRgba(std::min(255, int(qRed(px) * n)), std::min(255, int(qGreen(px) * n)),
                         std::min(255, int(qBlue(px) * n)), qAlpha(px));
        });
        paintAtop(skull, [&](QPainter &p) {
            p.setPen(QPen(QColor(30, 30, 32), 1));
            p.drawPolyline(QPolygonF() << QPointF(20, 2) << QPointF(24, 10) << QPointF(20, 16) << QPointF(26, 22));
            p.drawPolyline(QPolygonF() << QPointF(44, 4) << QPointF(40, 12) << QPointF(46, 17));
        });
        Cell c;
        place(c.painter, skull, centre, 60);
        out[4] = c.done();
    }
    {   // 5: white human skull.
        QImage skull = tintedSkull(QColor(244, 244, 240));
        Cell c;
        place(c.painter, skull, centre, 60);
        out[5] = c.done();
    }
    {   // 6: white skull with blue patches.
        QImage skull = tintedSkull(QColor(240, 242, 246));
        patches(skull, QColor(40, 100, 240), 66);
        Cell c;
        place(c.painter, skull, centre, 60);
        out[6] = c.done();
    }
    {   // 7: cream skull with large eye sockets.
        QImage skull = tintedSkull(QColor(238, 226, 190));
        Cell c;
        place(c.painter, skull, centre, 60);
        QPainter &p = c.painter;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 16, 12));
        p.drawEllipse(QPointF(41, 30), 10, 11);
        p.drawEllipse(QPointF(64, 30), 10, 11);
        out[7] = c.done();
    }
    {   // 8: brown fossil skull.
        QImage skull = tintedSkull(QColor(130, 88, 50));
        mapPixels(skull, [](QRgb px, int x, int y) {
            const double n = 0.7 + 0.6 * fbm(x / (2.5 * scale()), y / (2.5 * scale()), 808);
            const double speck = hash01(x, y, 809) < 0.08 ? 0.6 : 1.0;
            const double k = n * speck;
            return qRgba(std::min(255, int(qRed(px) * k)), std::min(255, int(qGreen(px) * k)),
                         std::min(255, int(qBlue(px) * k)), qAlpha(px));
        });
        paintAtop(skull, [&](QPainter &p) {
            p.setPen(QPen(QColor(50, 30, 14), 1.1));
            p.drawPolyline(QPolygonF() << QPointF(10, 8) << QPointF(18, 14) << QPointF(16, 22) << QPointF(24, 30));
            p.drawPolyline(QPolygonF() << QPointF(46, 2) << QPointF(40, 10) << QPointF(44, 16) << QPointF(38, 24));
            p.drawPolyline(QPolygonF() << QPointF(6, 30) << QPointF(14, 34));
        });
        Cell c;
        QPainter &p = c.painter;
        // A slab of matrix stone under the fossil.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(84, 66, 48));
        p.drawRoundedRect(QRectF(18, 52, 70, 11), 4, 4);
        place(p, skull, QPointF(52.5, 30), 54);
        out[8] = c.done();
    }
    return out;
}

// ---------------------------------------------------------------- rocks

struct RockSpec {
    std::uint32_t seed = 0;
    QColor base;
    QColor base2;       // mixed in by large-scale noise
    double rx = 40;     // half extents of the outline
    double ry = 25;
    double jag = 0.2;   // roughness of the outline
    bool slab = false;  // a flat slab with a visible thickness, else a rounded lump
    double grain = 0.1; // fine per-pixel variation
    struct Speckle {
        QColor colour;
        double density = 0; // fraction of cells
        double size = 1;    // cell size in pixels
    };
    std::vector<Speckle> speckles = {};
    QColor streak = {}; // invalid: none
    double streakAngle = 0;
    double streakFreq = 0;
    double streakWidth = 0;
    QColor vein = {};   // invalid: none
    double veinWidth = 0;
    double veinSlope = 0;
};

QImage rock(const RockSpec &s)
{
    const QPointF centre(52.5, s.slab ? 30.5 : 32.5);
    // The outline: an ellipse whose radius wanders with seeded noise.
    QPainterPath outline;
    const int points = 72;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * kPi * i / points;
        double r = 1 + s.jag * (fbm(std::cos(a) * 1.6 + 10, std::sin(a) * 1.6 + 10, s.seed, 3) - 0.5) * 2;
        r += s.jag * 0.35 * (hash01(i, 0, s.seed) - 0.5);
        double x = std::cos(a), y = std::sin(a);
        if (s.slab) {
            // A squarer outline with softened corners, for a slab.
            x = std::copysign(std::pow(std::abs(x), 0.55), x);
            y = std::copysign(std::pow(std::abs(y), 0.55), y);
        }
        const QPointF p = centre + QPointF(x * s.rx * r, y * s.ry * r);
        if (i == 0)
            outline.moveTo(p);
        else
            outline.lineTo(p);
    }
    outline.closeSubpath();

    Cell c;
    QPainter &p = c.painter;
    const double thickness = s.slab ? 5 : 0;
    if (s.slab) {
        // The slab's edge, seen below its top face.
        p.setPen(QPen(s.base.darker(260), 1));
        p.setBrush(s.base.darker(175));
        p.drawPath(outline.translated(0, thickness));
        p.setPen(Qt::NoPen);
        for (int i = 1; i < thickness; ++i)
            p.drawPath(outline.translated(0, i));
    }
    // The coverage of the top face, antialiased.
    QImage mask = canvas(kWidth, kHeight);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.fillPath(outline, Qt::white);
    }
    // The texture is computed for every device pixel at its place in picture pixels.
    const int deviceScale = scale();
    QImage face(kWidth * deviceScale, kHeight * deviceScale, QImage::Format_ARGB32);
    face.setDevicePixelRatio(deviceScale);
    face.fill(Qt::transparent);
    const double ca = std::cos(s.streakAngle), sa = std::sin(s.streakAngle);
    for (int py = 0; py < face.height(); ++py)
        for (int px = 0; px < face.width(); ++px) {
            const double x = double(px) / deviceScale, y = double(py) / deviceScale;
            const int alpha = qAlpha(mask.pixel(px, py));
            if (alpha == 0)
                continue;
            const double mix = std::clamp((fbm(x / 14.0, y / 14.0, s.seed + 7) - 0.3) * 2.2, 0.0, 1.0);
            double r = s.base.redF() * (1 - mix) + s.base2.redF() * mix;
            double g = s.base.greenF() * (1 - mix) + s.base2.greenF() * mix;
            double b = s.base.blueF() * (1 - mix) + s.base2.blueF() * mix;
            auto blend = [&](const QColor &col, double k) {
                r = r * (1 - k) + col.redF() * k;
                g = g * (1 - k) + col.greenF() * k;
                b = b * (1 - k) + col.blueF() * k;
            };
            if (s.streak.isValid()) {
                const double u = (x * ca + y * sa) * s.streakFreq + fbm(x / 9.0, y / 9.0, s.seed + 3) * 5.0;
                const double band = std::abs(std::sin(u));
                if (band < s.streakWidth)
                    blend(s.streak, std::clamp((s.streakWidth - band) / s.streakWidth * 2.0, 0.0, 1.0) * 0.9);
            }
            if (s.vein.isValid()) {
                const double line = centre.y() + (x - centre.x()) * s.veinSlope
                                  + (fbm(x / 12.0, 3.3, s.seed + 5) - 0.5) * 20.0;
                const double d = std::abs(y - line);
                if (d < s.veinWidth)
                    blend(s.vein, std::clamp((s.veinWidth - d) / s.veinWidth * 1.6, 0.0, 1.0));
            }
            for (std::size_t k = 0; k < s.speckles.size(); ++k) {
                const auto &sp = s.speckles[k];
                const double n = valueNoise(x / sp.size, y / sp.size, s.seed + 31 * (k + 1));
                if (n < sp.density)
                    blend(sp.colour, std::clamp((sp.density - n) / sp.density * 3.0, 0.0, 1.0));
            }
            // Fine grain and lighting from the upper left.
            const double grain = 1 + s.grain * (hash01(px, py, s.seed + 99) - 0.5);
            const double nx = (x - centre.x()) / s.rx, ny = (y - centre.y()) / s.ry;
            double light = 1.05 - 0.22 * (nx * 0.6 + ny * 0.8);
            if (!s.slab)
                light *= 1 - 0.35 * std::pow(std::min(1.0, nx * nx + ny * ny), 2);
            const double k = grain * light;
            face.setPixel(px, py, qRgba(std::clamp(int(r * k * 255), 0, 255), std::clamp(int(g * k * 255), 0, 255),
                                      std::clamp(int(b * k * 255), 0, 255), alpha));
        }
    p.drawImage(0, 0, face);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawPath(outline);
    return c.done();
}

std::array<QImage, kSymbolCount> rocks()
{
    using S = RockSpec::Speckle;
    std::array<RockSpec, kSymbolCount> specs;
    // 0: cream rock with black streaks.
    specs[0] = { .seed = 100, .base = QColor(238, 226, 196), .base2 = QColor(220, 204, 170), .rx = 40, .ry = 25,
                 .jag = 0.18, .grain = 0.12, .streak = QColor(20, 18, 16), .streakAngle = 0.5,
                 .streakFreq = 0.35, .streakWidth = 0.16 };
    // 1: flat grey-green slab.
    specs[1] = { .seed = 101, .base = QColor(136, 150, 128), .base2 = QColor(118, 134, 112), .rx = 44, .ry = 19,
                 .jag = 0.08, .slab = true, .grain = 0.10 };
    // 2: dark speckled granite.
    specs[2] = { .seed = 102, .base = QColor(70, 66, 66), .base2 = QColor(56, 52, 54), .rx = 38, .ry = 25,
                 .jag = 0.22, .grain = 0.20,
                 .speckles = { S{ QColor(210, 200, 196), 0.16, 1.3 }, S{ QColor(150, 60, 50), 0.08, 1.6 },
                               S{ QColor(10, 10, 10), 0.10, 1.5 } } };
    // 3: grey-white speckled granite.
    specs[3] = { .seed = 103, .base = QColor(214, 214, 210), .base2 = QColor(190, 190, 188), .rx = 40, .ry = 24,
                 .jag = 0.2, .grain = 0.15,
                 .speckles = { S{ QColor(30, 30, 34), 0.14, 1.4 }, S{ QColor(120, 120, 124), 0.12, 1.8 } } };
    // 4: flat grey-brown slate, with its layers showing.
    specs[4] = { .seed = 104, .base = QColor(104, 94, 84), .base2 = QColor(88, 80, 72), .rx = 45, .ry = 17,
                 .jag = 0.06, .slab = true, .grain = 0.10, .streak = QColor(70, 62, 56), .streakAngle = 0.0,
                 .streakFreq = 0.9, .streakWidth = 0.25 };
    // 5: pale rock with a rust-red vein.
    specs[5] = { .seed = 105, .base = QColor(222, 214, 200), .base2 = QColor(204, 196, 182), .rx = 40, .ry = 25,
                 .jag = 0.16, .grain = 0.10, .vein = QColor(176, 64, 26), .veinWidth = 3.2, .veinSlope = -0.3 };
    // 6: grey-green speckled rock.
    specs[6] = { .seed = 106, .base = QColor(120, 140, 118), .base2 = QColor(100, 120, 100), .rx = 38, .ry = 26,
                 .jag = 0.24, .grain = 0.16,
                 .speckles = { S{ QColor(40, 50, 40), 0.14, 1.5 }, S{ QColor(200, 210, 196), 0.10, 1.3 } } };
    // 7: grey rock with dark spots.
    specs[7] = { .seed = 107, .base = QColor(160, 160, 158), .base2 = QColor(140, 140, 140), .rx = 39, .ry = 25,
                 .jag = 0.2, .grain = 0.10, .speckles = { S{ QColor(30, 30, 34), 0.16, 5.5 } } };
    // 8: pale grey speckled slab.
    specs[8] = { .seed = 108, .base = QColor(206, 206, 204), .base2 = QColor(190, 190, 190), .rx = 44, .ry = 18,
                 .jag = 0.08, .slab = true, .grain = 0.10, .speckles = { S{ QColor(90, 90, 96), 0.10, 1.3 } } };
    std::array<QImage, kSymbolCount> out;
    for (int i = 0; i < kSymbolCount; ++i)
        out[i] = rock(specs[i]);
    return out;
}

} // namespace

std::array<QImage, kSymbolCount> subjects(int theme)
{
    switch (theme) {
    case 0: return birds();
    case 1: return fruit();
    case 2: return computers();
    case 3: return animals();
    case 4: return teddies();
    case 5: return skulls();
    default: return rocks();
    }
}

QColor background(int theme)
{
    static const QColor colours[kThemeCount] = {
        Qt::white,             // birds
        QColor(76, 68, 62),    // fruit: dark brownish grey
        Qt::white,             // computers
        QColor(248, 245, 234), // animals: off-white
        Qt::white,             // teddy bears
        Qt::black,             // skulls
        QColor(66, 58, 50),    // rocks: dark grey-brown
    };
    return colours[std::clamp(theme, 0, kThemeCount - 1)];
}

const std::array<Glyph, kThemeCount> &glyphs()
{
    static const std::array<Glyph, kThemeCount> all = {
        Glyph{ QStringLiteral("Fruit"), 1, 1, background(1) },
        Glyph{ QStringLiteral("Numbers"), 0, 0, Qt::white },
        Glyph{ QStringLiteral("Computers"), 2, 8, Qt::white },
        Glyph{ QStringLiteral("Animals"), 3, 1, Qt::white },
        Glyph{ QStringLiteral("Politicians"), 4, 0, Qt::white },
        Glyph{ QStringLiteral("Skulls"), 5, 1, QColor(255, 0, 0) },
        Glyph{ QStringLiteral("Rocks"), 6, 8, QColor(255, 0, 0) },
    };
    return all;
}

} // namespace ThemeArt
