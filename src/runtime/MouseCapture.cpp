#include "runtime/MouseCapture.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> holder;
}

void captureMouse(QWidget *control)
{
    holder = control;
}

void releaseMouseCapture(QWidget *control)
{
    if (holder == control)
        holder = nullptr;
}

QWidget *mouseCaptureHolder()
{
    return holder;
}

void cancelMouseCapture()
{
    QPointer<QWidget> control = holder;
    holder = nullptr;
    if (control) {
        QEvent cancel(cancelModeEventType());
        QCoreApplication::sendEvent(control, &cancel);
    }
}

QEvent::Type cancelModeEventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}
