#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QImage>
#include <QWidget>

#include <functional>

// A picture drawn at its natural size at the top-left corner, opaque; with AutoSize the
// control takes the picture's size.
class TfcImager : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TfcImager(QWidget *parent = nullptr);

    const QImage &Picture() const;
    void setPicture(const QImage &picture);
    // A picture of the given (logical) size that `load` reads the first time it is painted
    // or asked for, so a window that is seldom opened decodes nothing at start-up.
    void setDeferredPicture(QSize size, std::function<QImage()> load);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable QImage m_picture;
    mutable std::function<QImage()> m_load;
    bool m_autoSize = true;
};
