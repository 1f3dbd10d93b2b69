#pragma once

#include "widgets/Events.h"

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QWidget>

#include <functional>

enum class TfcButtonShape { bsRect, bsRoundRect, bsArrow };
enum class TfcShapeOrientation { soUp, soDown, soLeft, soRight };
enum class TfcShadeStyle { fbsNormal, fbsHighlight, fbsFlat };

// A button drawn as a shape (a rectangle, a rounded rectangle or an arrow) with a glyph
// and an optional caption. Buttons with the same non-zero GroupIndex under one parent act
// as a group of latched toggles: choosing one releases the others. A down group button is
// filled with a checkerboard of DitherColor and its Color.
//
// The face is composed off screen on a key colour (pure red, or pure blue for a red button)
// that is left out around the shape, so only the shape is drawn and hit.
class TfcShapeBtn : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TfcShapeBtn(QWidget *parent = nullptr);

    TfcButtonShape Shape() const { return m_shape; }
    void setShape(TfcButtonShape shape);
    TfcShapeOrientation Orientation() const { return m_orientation; }
    void setOrientation(TfcShapeOrientation orientation);
    // Corner rounding in percent; used by the rounded rectangle only.
    int RoundRectBias() const { return m_roundRectBias; }
    void setRoundRectBias(int bias);

    // The face colour; invalid means the button face of the palette.
    QColor Color() const { return m_color.isValid() ? m_color : palette().color(QPalette::Button); }
    void setColor(const QColor &color);
    QColor DitherColor() const { return m_ditherColor; }
    void setDitherColor(const QColor &color);
    TfcShadeStyle ShadeStyle() const { return m_shadeStyle; }
    void setShadeStyle(TfcShadeStyle style);

    // The glyph, drawn centred; its bottom-left pixel's colour is left out.
    const QImage &Glyph() const { return m_glyph; }
    void setGlyph(const QImage &glyph);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    // The caption's direction in degrees, counter-clockwise (90: read from bottom to top).
    int CaptionAngle() const { return m_captionAngle; }
    void setCaptionAngle(int degrees);
    // Draws the caption as an outline of its letters instead of filled letters.
    bool CaptionOutlined() const { return m_captionOutlined; }
    void setCaptionOutlined(bool outlined);
    bool CaptionSmoothed() const { return m_captionSmoothed; }
    void setCaptionSmoothed(bool smoothed);

    int GroupIndex() const { return m_groupIndex; }
    void setGroupIndex(int index);
    bool AllowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool allow) { m_allowAllUp = allow; }
    bool Down() const { return m_down; }
    // Setting a group button down releases the rest of its group and confirms it as the
    // group's choice; a group button goes up only when AllowAllUp is set.
    void setDown(bool down);
    // Whether the group last confirmed this button as its choice.
    bool Selected() const { return m_selected; }

    TNotifyEvent OnClick;

    // For a container that lays out its pages by the chosen button (the outlook bar): every
    // left release then chooses the button wherever it happens, and each confirmed choice is
    // reported to `selectionChanged`.
    void setChooserHost(std::function<void(TfcShapeBtn *)> selectionChanged);
    // While set, the button ignores the mouse (its container is animating).
    void setMouseIgnored(bool ignored) { m_mouseIgnored = ignored; }
    bool mouseIgnored() const { return m_mouseIgnored; }

    // The shape's outline in button coordinates.
    QPolygon shapePolygon() const;
    // The face exactly as painted (transparent outside the shape).
    QImage composeFace() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Releases the other buttons of the group and makes this one the selected one.
    void notifyGroup();
    // The group notice from another button: go up and lose the selection.
    void groupReleased();
    void confirmSelection();
    void drawShading(QPainter &painter, bool down) const;
    void drawCaption(QPainter &painter) const;
    void updateMask();

    TfcButtonShape m_shape = TfcButtonShape::bsRect;
    TfcShapeOrientation m_orientation = TfcShapeOrientation::soUp;
    int m_roundRectBias = 25;
    QColor m_color;
    QColor m_ditherColor = Qt::white;
    TfcShadeStyle m_shadeStyle = TfcShadeStyle::fbsNormal;
    QImage m_glyph;
    QString m_caption;
    int m_captionAngle = 0;
    bool m_captionOutlined = false;
    bool m_captionSmoothed = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_down = false;
    bool m_selected = false;
    bool m_wasDown = false;
    bool m_pressed = false;
    bool m_mouseIgnored = false;
    std::function<void(TfcShapeBtn *)> m_chooserHost;
};
