#pragma once

#include <Qt>

#include <cstdint>
#include <functional>

class QObject;

// A control's events are callables stored on the control and called by it directly, so
// that a failure in a handler travels up through the control to the event loop.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = Qt::KeyboardModifiers;

using TNotifyEvent = std::function<void(QObject *Sender)>;
using TMouseEvent = std::function<void(QObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// Maps Qt's button to the three buttons the handlers know (others count as left).
TMouseButton toMouseButton(Qt::MouseButton button);

// The free integer every component carries for its owner's use.
class TTagged {
public:
    int32_t Tag() const { return m_tag; }
    void setTag(int32_t tag) { m_tag = tag; }

private:
    int32_t m_tag = 0;
};
