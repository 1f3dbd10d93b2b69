#include "widgets/TImageList.h"

#include <QPainter>

TImageList::TImageList(int width, int height, QObject *owner)
    : QObject(owner)
    , m_width(width)
    , m_height(height)
{
}

// A picture keeps its pixels when it has the list's size (so lists can share them); a
// picture drawn for a finer screen (device pixel ratio above 1) keeps the list's logical size.
QImage TImageList::fitted(const QImage &image) const
{
    if (image.isNull() || image.deviceIndependentSize() == QSizeF(m_width, m_height))
        return image;
    return image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TImageList::add(const QImage &image)
{
    m_pictures.push_back({ fitted(image), {} });
}

void TImageList::addDeferred(std::function<QImage()> load)
{
    m_pictures.push_back({ QImage(), std::move(load) });
}

const QImage &TImageList::image(int index) const
{
    const Picture &picture = m_pictures.at(size_t(index));
    if (picture.load) {
        picture.image = fitted(picture.load());
        picture.load = nullptr;
    }
    return picture.image;
}

void TImageList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count())
        return;
    const QImage &picture = image(index);
    if (picture.hasAlphaChannel())
        painter.fillRect(x, y, m_width, m_height, m_bkColor);
    painter.drawImage(x, y, picture);
}
