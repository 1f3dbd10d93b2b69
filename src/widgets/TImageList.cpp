#include "widgets/TImageList.h"

#include <QPainter>

TImageList::TImageList(int width, int height, QObject *owner)
    : QObject(owner)
    , m_width(width)
    , m_height(height)
{
}

void TImageList::add(const QImage &image)
{
    if (image.size() == QSize(m_width, m_height))
        m_images.append(image);
    else
        m_images.append(image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TImageList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count())
        return;
    const QImage &picture = m_images.at(index);
    if (picture.hasAlphaChannel())
        painter.fillRect(x, y, m_width, m_height, m_bkColor);
    painter.drawImage(x, y, picture);
}
