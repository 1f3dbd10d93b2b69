#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>

class QPainter;

// A list of equally sized pictures that can draw picture n at a point.
class TImageList : public QObject {
    Q_OBJECT
public:
    TImageList(int width, int height, QObject *owner = nullptr);
    ~TImageList() override = default;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    QColor BkColor() const { return m_bkColor; }
    void setBkColor(const QColor &color) { m_bkColor = color; }
    int Count() const { return int(m_images.size()); }

    // Appends a picture; it is scaled to the list's size if it differs.
    void add(const QImage &image);
    const QImage &image(int index) const { return m_images.at(index); }

    // Draws picture `index` with its top-left at (x, y), on the list's background colour.
    // An index outside 0 .. Count() - 1 draws nothing.
    virtual void Draw(QPainter &painter, int x, int y, int index) const;

private:
    int m_width;
    int m_height;
    QColor m_bkColor = Qt::white;
    QList<QImage> m_images;
};
