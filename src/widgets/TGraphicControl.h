#pragma once

// Marks the controls that, on the machine's original platform, have no window of their own
// and are painted on their window's surface: labels, shapes and the window picture. They
// lie beneath every windowed control, and a press on one that handles no clicks counts as
// a press on the window itself (so it can drag a shaped window).
class TGraphicControl {
public:
    virtual ~TGraphicControl() = default;
    // Whether the control has a click or mouse-down handler of its own.
    virtual bool handlesClicks() const { return false; }
};
