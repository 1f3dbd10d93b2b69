#pragma once

#include <QRect>

class QPainter;
class QPalette;

// A windowed control's border: none, or a sunken 2-pixel edge around its client area.
enum class TBorderStyle { bsNone, bsSingle };

// The width of the border on each side.
int clientEdgeWidth(TBorderStyle style);

// Draws the sunken edge along the inside of `outer`: the outer line in button shadow (top,
// left) and button highlight (bottom, right), the inner line in the dark 3D shadow and the
// 3D light.
void drawClientEdge(QPainter &painter, const QRect &outer, const QPalette &palette);
