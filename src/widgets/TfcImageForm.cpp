#include "widgets/TfcImageForm.h"

#include "platform/DragOutline.h"
#include "widgets/RegionData.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

QRgb rgbOf(uint32_t color)
{
    // Colours are stored as blue * 65536 + green * 256 + red.
    return qRgb(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

// The program-wide watcher of left presses, installed while any shaped window exists.
class PressWatcher final : public QObject {
public:
    static void attach()
    {
        if (s_users++ == 0) {
            s_instance = new PressWatcher;
            qApp->installEventFilter(s_instance);
        }
    }
    static void detach()
    {
        if (--s_users == 0) {
            delete s_instance;
            s_instance = nullptr;
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_drag.window)
            return dragEvent(event);
        if (event->type() != QEvent::MouseButtonPress || m_busy)
            return false;
        auto *press = static_cast<QMouseEvent *>(event);
        auto *receiver = qobject_cast<QWidget *>(watched);
        if (press->button() != Qt::LeftButton || !receiver)
            return false;

        // The control under the press; a press that propagates to a parent is judged once,
        // when it reaches that control.
        QWidget *window = receiver->window();
        const QPoint global = press->globalPosition().toPoint();
        QWidget *target = window->childAt(window->mapFromGlobal(global));
        if (!target)
            target = window;
        if (target != receiver)
            return false;
        TfcImageForm *face = window->findChild<TfcImageForm *>(QString(), Qt::FindDirectChildrenOnly);
        if (!face)
            return false;
        if (target != window) {
            const auto *graphic = dynamic_cast<const TGraphicControl *>(target);
            if (!graphic || graphic->handlesClicks())
                return false;
        }

        m_busy = true;
        drag(window, face->DragTolerance(), global);
        m_busy = false;
        return true;
    }

private:
    PressWatcher() = default;

    struct Drag {
        QPointer<QWidget> window;
        QPoint pressGlobal;
        QPoint pressClient;
        int tolerance = 0;
        bool dragged = false;
        QRect outline;
        QEventLoop *loop = nullptr;
    };

    void drag(QWidget *window, int tolerance, const QPoint &global)
    {
        QEventLoop loop;
        m_drag = { window, global, window->mapFromGlobal(global), tolerance, false, QRect(), &loop };
        window->grabMouse();
        loop.exec();
        if (m_drag.window && QWidget::mouseGrabber() == m_drag.window)
            m_drag.window->releaseMouse();
        if (m_drag.dragged)
            dragOutline().hide();
        m_drag = {};
    }

    // Inside the drag loop: moves draw the outline and are not dispatched; the left
    // release moves the window and ends the loop. Everything else runs as usual.
    bool dragEvent(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint cursor = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            const QPoint delta = cursor - m_drag.pressGlobal;
            if (std::abs(delta.x()) > m_drag.tolerance || std::abs(delta.y()) > m_drag.tolerance) {
                m_drag.dragged = true;
                m_drag.outline = QRect(cursor - m_drag.pressClient, m_drag.window->size());
                dragOutline().show(m_drag.outline);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
                return false;
            if (m_drag.dragged) {
                dragOutline().hide();
                m_drag.dragged = false;
                m_drag.window->move(m_drag.outline.topLeft());
            }
            m_drag.loop->quit();
            return false;
        default:
            return false;
        }
    }

    Drag m_drag;
    bool m_busy = false;

    static inline PressWatcher *s_instance = nullptr;
    static inline int s_users = 0;
};

} // namespace

TfcImageForm::TfcImageForm(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent)
        parent->window()->setWindowFlag(Qt::FramelessWindowHint, true);
    PressWatcher::attach();
}

TfcImageForm::~TfcImageForm()
{
    PressWatcher::detach();
}

void TfcImageForm::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (!picture.isNull()) {
        const QSize size = picture.deviceIndependentSize().toSize();
        resize(size);
        if (parentWidget())
            parentWidget()->resize(size);
    }
    update();
}

void TfcImageForm::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && parentWidget())
        parentWidget()->resize(size());
}

void TfcImageForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_autoSize && parentWidget())
        parentWidget()->resize(size());
}

QRegion TfcImageForm::shapeFromPicture() const
{
    if (m_picture.isNull())
        return QRegion();
    // Without a transparent colour, the bottom-left pixel's colour is the one cut away.
    const QRgb key = m_transparentColor ? rgbOf(*m_transparentColor) : m_picture.pixel(0, m_picture.height() - 1);
    return ::RegionData::scanRows(m_picture, key);
}

void TfcImageForm::setRegionData(const QByteArray &block)
{
    const bool stored = block.size() >= 4 && (block[0] | block[1] | block[2] | block[3]) != 0;
    if (stored)
        applyShape(::RegionData::read(block).value_or(QRegion()));
    else
        applyShape(shapeFromPicture());
}

QByteArray TfcImageForm::RegionData() const
{
    return ::RegionData::write(shapeFromPicture());
}

void TfcImageForm::applyShape(const QRegion &shape)
{
    m_shape = shape;
    QWidget *window = this->window();
    if (shape.isEmpty())
        window->clearMask();
    else
        window->setMask(shape);
}

void TfcImageForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawImage(0, 0, m_picture);
}
