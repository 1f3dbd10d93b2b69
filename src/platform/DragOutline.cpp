#include "platform/DragOutline.h"

#include <QBitmap>
#include <QPainter>
#include <QWidget>

#include <QCoreApplication>
#include <QPointer>

namespace {

// A frameless top-level window that holds only the outline's pixels (its mask), so the
// screen shows through everywhere else and presses pass through to what lies beneath.
class OutlineWindow final : public QWidget {
public:
    OutlineWindow()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint
                      | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void place(const QRect &rect)
    {
        if (rect.size() != size()) {
            resize(rect.size());
            QBitmap mask(rect.size());
            mask.fill(Qt::color0);
            QPainter painter(&mask);
            painter.setPen(Qt::color1);
            for (int inset = 0; inset < 3; ++inset)
                painter.drawRect(QRect(QPoint(inset, inset), rect.size() - QSize(2 * inset + 1, 2 * inset + 1)));
            painter.end();
            setMask(mask);
        }
        move(rect.topLeft());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // A fine checkerboard reads as an inverted dotted line on any background.
        QPainter painter(this);
        QImage dots(2, 2, QImage::Format_RGB32);
        dots.setPixel(0, 0, qRgb(0, 0, 0));
        dots.setPixel(1, 1, qRgb(0, 0, 0));
        dots.setPixel(1, 0, qRgb(255, 255, 255));
        dots.setPixel(0, 1, qRgb(255, 255, 255));
        painter.fillRect(rect(), QBrush(dots));
    }
};

// The one outline window, deleted with the application's widgets.
QPointer<OutlineWindow> outlineWindow;

void deleteOutlineWindow()
{
    delete outlineWindow.data();
}

class ScreenOutline final : public DragOutline {
public:
    void show(const QRect &rect) override
    {
        if (!outlineWindow) {
            outlineWindow = new OutlineWindow;
            qAddPostRoutine(deleteOutlineWindow);
        }
        outlineWindow->place(rect);
        outlineWindow->show();
        outlineWindow->raise();
    }
    void hide() override
    {
        if (outlineWindow)
            outlineWindow->hide();
    }
};

DragOutline *current = nullptr;

ScreenOutline screenOutline;

} // namespace

DragOutline &dragOutline()
{
    return current ? *current : screenOutline;
}

void setDragOutline(DragOutline *outline)
{
    current = outline;
}
