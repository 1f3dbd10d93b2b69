#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QColor>
#include <QImage>
#include <QWidget>

enum class TGradientDirection { gdHorizontalEnd, gdHorizontalBox, gdVerticalEnd, gdVerticalBox };

// A background that fills its parent (it follows the parent's size) with a gradient in
// horizontal bands, from StartColor at the top to StopColor at the bottom. The gradient is
// composed off screen and then copied to the screen.
class TRzBackground : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TRzBackground(QWidget *parent = nullptr);

    QColor StartColor() const { return m_startColor; }
    void setStartColor(const QColor &color);
    QColor StopColor() const { return m_stopColor; }
    void setStopColor(const QColor &color);
    bool ShowGradient() const { return m_showGradient; }
    void setShowGradient(bool show);

    // The picture of a gradient of the given size (fixed-point steps of 16 fraction bits
    // from the bottom row up; the top row repeats the one below it).
    static QImage gradient(const QSize &size, const QColor &start, const QColor &stop);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor m_startColor = Qt::black;
    QColor m_stopColor = Qt::white;
    bool m_showGradient = true;
};
