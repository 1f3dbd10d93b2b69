#pragma once

#include "widgets/Events.h"

#include <QLineEdit>

enum class TFrameStyle { fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup };

// A single-line edit with a custom frame drawn in a 2-pixel band around its edges.
class TRzEdit : public QLineEdit, public TTagged {
    Q_OBJECT
public:
    explicit TRzEdit(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    // Replaces the text only when it differs.
    void setText(const QString &text);

    bool FrameVisible() const { return m_frameVisible; }
    void setFrameVisible(bool visible);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void setFrameStyle(TFrameStyle style);
    QColor FrameColor() const { return m_frameColor; }
    void setFrameColor(const QColor &color);
    // The field's own colour, also the colour of the band under the frame.
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    void setFontColor(const QColor &color);

    TNotifyEvent OnEnter;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_frameVisible = false;
    TFrameStyle m_frameStyle = TFrameStyle::fsFlat;
    QColor m_frameColor;
    QColor m_color = Qt::white;
};
