// artgen: draws every picture the game carries, at build time.
//
//   artgen <outdir> [--sheet <file.png>]
//
// writes the symbol themes, the selector's glyphs, the machine face and its buttons, the
// image-button pictures with their stored shapes, the selector background and the
// spin-edit arrows into <outdir>. Drawing uses no clock and only seeded noise, so two runs
// write the same bytes. With --sheet it also writes a contact sheet of everything, scaled
// up 2x, for looking the pictures over.

#include "ArtKit.h"
#include "MachineArt.h"
#include "ThemeArt.h"

#include "widgets/RegionData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

class Writer {
public:
    explicit Writer(const QString &root) : m_root(root) {}

    void image(const QString &name, const QImage &image)
    {
        const QString path = prepare(name);
        if (!image.save(path, "PNG"))
            throw std::runtime_error(("cannot write " + path).toStdString());
        m_written.push_back({ name, image });
    }

    void data(const QString &name, const QByteArray &bytes)
    {
        const QString path = prepare(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error(("cannot write " + path).toStdString());
    }

    struct Entry {
        QString name;
        QImage image;
    };
    const std::vector<Entry> &written() const { return m_written; }

private:
    QString prepare(const QString &name)
    {
        const QString path = m_root + QLatin1Char('/') + name;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw std::runtime_error(("cannot create the folder of " + path).toStdString());
        return path;
    }

    QString m_root;
    std::vector<Entry> m_written;
};

void require(bool condition, const QString &what)
{
    if (!condition)
        throw std::runtime_error(what.toStdString());
}

bool hasColour(const QImage &image, QRgb colour, QPoint except = QPoint(-1, -1))
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (QPoint(x, y) != except && (rgb.pixel(x, y) & 0xFFFFFFu) == (colour & 0xFFFFFFu))
                return true;
    return false;
}

void writeThemes(Writer &out)
{
    // Each picture at its size and, for screens at 200 %, drawn again at twice the size.
    for (const int scale : { 1, 2 }) {
        ArtKit::setScale(scale);
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        for (int theme = 0; theme < ThemeArt::kThemeCount; ++theme) {
            const auto subjects = ThemeArt::subjects(theme);
            for (int i = 0; i < ThemeArt::kSymbolCount; ++i) {
                QImage picture = ArtKit::onBackground(subjects[i], ThemeArt::background(theme));
                picture.setDevicePixelRatio(1.0);
                require(picture.size() == QSize(ThemeArt::kWidth, ThemeArt::kHeight) * scale,
                        QStringLiteral("theme %1 picture %2 has the wrong size").arg(theme).arg(i));
                out.image(QStringLiteral("themes/%1/%2%3.png").arg(theme).arg(i).arg(suffix), picture);
            }
        }
    }
    ArtKit::setScale(1);
    for (const ThemeArt::Glyph &glyph : ThemeArt::glyphs()) {
        const QImage subject = ThemeArt::subjects(glyph.theme)[glyph.symbol].convertToFormat(QImage::Format_ARGB32);
        // The subject's smoothed edges are blended against the button face the glyph is drawn
        // on, not against the key colour, so no fringe of the key shows around it; only the
        // pixels the subject leaves empty take the key colour.
        QImage image = ArtKit::onBackground(subject, QColor(0xEF, 0xEF, 0xEF));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(subject.pixel(x, y)) == 0)
                    image.setPixel(x, y, glyph.key.rgb());
        require(image.pixel(0, image.height() - 1) == glyph.key.rgb(),
                QStringLiteral("glyph %1: bottom-left pixel is not the key colour").arg(glyph.name));
        out.image(QStringLiteral("glyphs/%1.png").arg(glyph.name), image);
    }
}

void writeMachine(Writer &out)
{
    const QRgb maroon = qRgb(0x80, 0, 0);
    const QImage face = MachineArt::face();
    require(!hasColour(face, maroon), QStringLiteral("the face holds a maroon pixel"));
    out.image(QStringLiteral("face.png"), face);
    out.image(QStringLiteral("face@2x.png"), MachineArt::face(-1, 2));
    for (int i = 0; i < MachineArt::kButtonCount; ++i) {
        const auto &place = MachineArt::buttonPlace(i);
        for (bool down : { false, true }) {
            const QString name = QStringLiteral("buttons/%1_%2").arg(place.file, down ? "down" : "up");
            out.image(name + QStringLiteral(".png"), MachineArt::button(i, down));
            out.image(name + QStringLiteral("@2x.png"), MachineArt::button(i, down, 2));
        }
    }

    const QImage slot = MachineArt::coinSlot();
    out.image(QStringLiteral("coinslot.png"), slot);
    out.image(QStringLiteral("coinslot@2x.png"), MachineArt::coinSlot(2));
    out.data(QStringLiteral("regions/coinslot.rgn"),
             RegionData::write(RegionData::scanRows(slot, slot.pixel(0, 0))));

    const QImage toggle = MachineArt::toggle();
    require(!hasColour(toggle, toggle.pixel(0, 0), QPoint(0, 0)),
            QStringLiteral("the toggle's key colour appears inside the picture"));
    out.image(QStringLiteral("toggle.png"), toggle);
    out.data(QStringLiteral("regions/toggle.rgn"),
             RegionData::write(RegionData::scanRows(toggle, toggle.pixel(0, 0))));

    out.image(QStringLiteral("coin.png"), MachineArt::coin());
    out.image(QStringLiteral("coin@2x.png"), MachineArt::coin(2));
    const QImage lever = MachineArt::lever();
    out.image(QStringLiteral("lever.png"), lever);
    out.image(QStringLiteral("lever@2x.png"), MachineArt::lever(2));
    out.data(QStringLiteral("regions/lever.rgn"), RegionData::write(RegionData::scanRows(lever, qRgb(0, 0, 0))));

    const QImage selector = MachineArt::selector();
    require(!hasColour(selector, maroon), QStringLiteral("the selector background holds a maroon pixel"));
    out.image(QStringLiteral("selector.png"), selector);
    out.image(QStringLiteral("spin/RM_SPINUP.png"), MachineArt::spinArrow(true));
    out.image(QStringLiteral("spin/RM_SPINDOWN.png"), MachineArt::spinArrow(false));

    // The desktop icon, installed beside the program (not embedded).
    for (int size : { 48, 128 })
        out.image(QStringLiteral("icon/%1.png").arg(size), MachineArt::icon(size));
}

// Every picture written, 2x, themes as a grid and the rest in a row below, on mid grey.
QImage contactSheet(const std::vector<Writer::Entry> &written)
{
    constexpr int scale = 2, gap = 6;
    std::vector<const Writer::Entry *> cells, others;
    for (const auto &entry : written) {
        if (entry.name.contains(QLatin1String("@2x")))
            continue; // the sheet shows each picture once, at its own size
        (entry.image.size() == QSize(ThemeArt::kWidth, ThemeArt::kHeight) ? cells : others).push_back(&entry);
    }
    const int cellW = ThemeArt::kWidth * scale + gap, cellH = ThemeArt::kHeight * scale + gap;
    const int columns = ThemeArt::kSymbolCount;
    const int rows = (int(cells.size()) + columns - 1) / columns;
    int othersWidth = gap, othersHeight = 0;
    for (const auto *entry : others) {
        othersWidth += entry->image.width() * scale + gap;
        othersHeight = std::max(othersHeight, entry->image.height() * scale);
    }
    QImage sheet(std::max(columns * cellW + gap, othersWidth), rows * cellH + gap * 2 + othersHeight + gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 120, 136));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QImage &img = cells[i]->image;
        p.drawImage(QRect(gap + int(i % columns) * cellW, gap + int(i / columns) * cellH, img.width() * scale,
                          img.height() * scale),
                    img);
    }
    int x = gap;
    const int y = gap + rows * cellH + gap;
    for (const auto *entry : others) {
        const QImage &img = entry->image;
        p.drawImage(QRect(x, y, img.width() * scale, img.height() * scale), img);
        x += img.width() * scale + gap;
    }
    return sheet;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    QString outDir, sheetPath;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sheet") && i + 1 < args.size())
            sheetPath = args[++i];
        else if (outDir.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            outDir = args[i];
        else
            outDir.clear(), i = args.size();
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: artgen <outdir> [--sheet <file.png>]\n");
        return 2;
    }
    const QString fontProblem = ArtKit::checkFonts();
    if (!fontProblem.isEmpty()) {
        std::fprintf(stderr, "artgen: %s\n", qPrintable(fontProblem));
        return 1;
    }
    try {
        Writer out(outDir);
        writeThemes(out);
        writeMachine(out);
        if (!sheetPath.isEmpty() && !contactSheet(out.written()).save(sheetPath, "PNG"))
            throw std::runtime_error(("cannot write " + sheetPath).toStdString());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
