#pragma once

#include <QColor>
#include <QImage>
#include <QObject>

#include <functional>
#include <vector>

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
    int Count() const { return int(m_pictures.size()); }

    // Appends a picture; it is scaled to the list's size if it differs.
    void add(const QImage &image);
    // Appends a picture that `load` reads the first time it is drawn or asked for: a list
    // whose pictures are never shown costs no decoding.
    void addDeferred(std::function<QImage()> load);
    const QImage &image(int index) const;

    // Draws picture `index` with its top-left at (x, y), on the list's background colour.
    // An index outside 0 .. Count() - 1 draws nothing.
    virtual void Draw(QPainter &painter, int x, int y, int index) const;

private:
    QImage fitted(const QImage &image) const;

    struct Picture {
        mutable QImage image;
        mutable std::function<QImage()> load;
    };

    int m_width;
    int m_height;
    QColor m_bkColor = Qt::white;
    std::vector<Picture> m_pictures;
};
