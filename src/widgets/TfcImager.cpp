#include "widgets/TfcImager.h"

#include <QPainter>

TfcImager::TfcImager(QWidget *parent)
    : QWidget(parent)
{
}

void TfcImager::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (m_autoSize && !picture.isNull())
        resize(picture.size());
    update();
}

void TfcImager::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    if (autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

void TfcImager::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
