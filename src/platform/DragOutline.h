#pragma once

#include <QRect>

// The outline that follows the cursor while a shaped window is dragged: three nested
// one-pixel dotted rectangles of the window's size, drawn over everything on the screen
// and transparent to input. Tests install a recorder with setDragOutline.
class DragOutline {
public:
    virtual ~DragOutline() = default;
    // Shows the outline at `rect` (screen coordinates), moving it from where it was.
    virtual void show(const QRect &rect) = 0;
    virtual void hide() = 0;
};

DragOutline &dragOutline();
// Replaces the outline (nullptr restores the real one). Not owned.
void setDragOutline(DragOutline *outline);
