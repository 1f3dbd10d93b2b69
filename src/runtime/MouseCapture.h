#pragma once

#include <QEvent>

class QWidget;

// The control that holds the mouse: the one a press began on, until its release. A failure
// report takes the capture away (cancelMouseCapture), and the control then leaves its
// pressed state without any event of its own, as if the press had never been released.
void captureMouse(QWidget *control);
void releaseMouseCapture(QWidget *control);
QWidget *mouseCaptureHolder();
// Sends the holder a CancelMode event and forgets it.
void cancelMouseCapture();

// The event a control receives when its capture is taken away.
QEvent::Type cancelModeEventType();
