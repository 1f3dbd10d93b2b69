#include "widgets/TfcImager.h"

#include <QPainter>

TfcImager::TfcImager(QWidget *parent)
    : QWidget(parent)
{
}

const QImage &TfcImager::Picture() const
{
    if (m_load) {
        m_picture = m_load();
        m_load = nullptr;
    }
    return m_picture;
}

void TfcImager::setPicture(const QImage &picture)
{
    m_load = nullptr;
    m_picture = picture;
    if (m_autoSize && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    update();
}

void TfcImager::setDeferredPicture(QSize size, std::function<QImage()> load)
{
    m_picture = QImage();
    m_load = std::move(load);
    if (m_autoSize)
        resize(size);
    update();
}

void TfcImager::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (autoSize && !Picture().isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void TfcImager::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}
