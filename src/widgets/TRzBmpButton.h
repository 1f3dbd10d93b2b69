#pragma once

#include "widgets/Events.h"

#include <QPixmap>
#include <QWidget>

// The state pictures of a bitmap button.
struct TRzButtonBitmaps {
    QPixmap Up;
    QPixmap Down;
    QPixmap Disabled;
    QPixmap UpAndFocused;
};

// A push-button drawn from pictures: one per state (up, pressed, disabled, focused).
// OnMouseDown fires at the press before the pressed look, OnMouseUp at the release
// wherever it happens, OnClick only for a release inside the button.
class TRzBmpButton : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TRzBmpButton(QWidget *parent = nullptr);

    const TRzButtonBitmaps &Bitmaps() const { return m_bitmaps; }
    // The button takes the size of the Up picture.
    void setBitmaps(const TRzButtonBitmaps &bitmaps);

    // A disabled button ignores the mouse and the keys. Unlike QWidget::setEnabled, this
    // leaves the keyboard focus where it is, so disabling the focused button for a moment
    // does not move the focus to another control.
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool show);

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;

    bool isPressed() const { return m_pressed; }
    // The picture a paint shows now.
    const QPixmap &currentPicture() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The row just below the button counts as inside, the column just right of it does not.
    bool isInside(const QPoint &p) const { return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height(); }
    void setPressed(bool pressed);

    TRzButtonBitmaps m_bitmaps;
    bool m_enabled = true;
    bool m_showFocus = true;
    bool m_pressed = false;
    bool m_tracking = false;
    bool m_spaceHeld = false;
};
