#include "widgets/ClientEdge.h"

#include <QPainter>
#include <QPalette>

int clientEdgeWidth(TBorderStyle style)
{
    return style == TBorderStyle::bsSingle ? 2 : 0;
}

void drawClientEdge(QPainter &painter, const QRect &outer, const QPalette &palette)
{
    const QColor topLeft[2] = { palette.color(QPalette::Dark), palette.color(QPalette::Shadow) };
    const QColor bottomRight[2] = { palette.color(QPalette::Light), palette.color(QPalette::Midlight) };
    for (int line = 0; line < 2; ++line) {
        const QRect r = outer.adjusted(line, line, -line, -line);
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft[line]);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft[line]);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight[line]);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight[line]);
    }
}
