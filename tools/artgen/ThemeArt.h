#pragma once

// The seven symbol themes (nine 105 x 65 pictures each) and the selector's seven glyphs.

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

namespace ThemeArt {

inline constexpr int kThemeCount = 7;
inline constexpr int kSymbolCount = 9;
inline constexpr int kWidth = 105;
inline constexpr int kHeight = 65;

// The subjects of theme `theme` (0 birds, 1 fruit, 2 computers, 3 animals, 4 teddy bears,
// 5 skulls, 6 rocks) on transparent 105 x 65 layers, and the theme's background.
std::array<QImage, kSymbolCount> subjects(int theme);
QColor background(int theme);

// The selector's glyphs, in the order of the selector's buttons.
struct Glyph {
    QString name;   // the theme button's name
    int theme;      // whose picture
    int symbol;     // which picture
    QColor key;     // the flat background (drawn transparent on the button)
};
const std::array<Glyph, kThemeCount> &glyphs();

} // namespace ThemeArt
