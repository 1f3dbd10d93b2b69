#include "widgets/TfcOutlookList.h"

#include <QPainter>

TfcOutlookList::TfcOutlookList(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TfcOutlookList::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TfcOutlookList::setFontColor(const QColor &color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TfcOutlookList::setItemSpacing(int spacing)
{
    if (spacing == m_itemSpacing)
        return;
    m_itemSpacing = spacing;
    update();
}

void TfcOutlookList::setItems(const QStringList &items)
{
    if (items == m_items)
        return;
    m_items = items;
    update();
}

void TfcOutlookList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Color());
    painter.setPen(m_fontColor);
    int top = 0;
    for (const QString &item : m_items) {
        painter.drawText(QRect(0, top, width(), m_itemSpacing), Qt::AlignHCenter | Qt::AlignVCenter, item);
        top += m_itemSpacing;
    }
}
