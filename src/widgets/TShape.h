#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QColor>
#include <QWidget>

// A plain rectangle shape: filled with the brush colour, outlined with the pen.
class TShape : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TShape(QWidget *parent = nullptr);

    QColor BrushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &color);
    QColor PenColor() const { return m_penColor; }
    void setPenColor(const QColor &color);
    int PenWidth() const { return m_penWidth; }
    void setPenWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_brushColor = Qt::white;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
};
