#pragma once

#include "widgets/Events.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

// The item list of an outlook bar's page: items laid out vertically, ItemSpacing pixels
// apart, on the list's colour. The theme selector's lists hold no items, so they show
// nothing but their colour.
class TfcOutlookList : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TfcOutlookList(QWidget *parent = nullptr);

    // The background; invalid means the button shadow of the palette.
    QColor Color() const { return m_color.isValid() ? m_color : palette().color(QPalette::Dark); }
    void setColor(const QColor &color);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    int ItemSpacing() const { return m_itemSpacing; }
    void setItemSpacing(int spacing);

    QStringList Items() const { return m_items; }
    void setItems(const QStringList &items);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QColor m_fontColor = Qt::white;
    int m_itemSpacing = 20;
    QStringList m_items;
};
