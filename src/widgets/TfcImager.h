#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QImage>
#include <QWidget>

// A picture drawn at its natural size at the top-left corner, opaque; with AutoSize the
// control takes the picture's size.
class TfcImager : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TfcImager(QWidget *parent = nullptr);

    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_autoSize = true;
};
