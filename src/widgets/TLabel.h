#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QWidget>

// A plain text label drawn on its window's surface.
class TLabel : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    QColor Color() const { return m_color; }
    // The background; ignored while Transparent.
    void setColor(const QColor &color);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);

    TNotifyEvent OnClick;
    bool handlesClicks() const override { return bool(OnClick); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    QColor m_color;
    QColor m_fontColor = Qt::black;
    bool m_transparent = false;
};
