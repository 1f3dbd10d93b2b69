#include "widgets/TfcOutlookPanel.h"

#include "widgets/TfcOutlookList.h"

#include <QPainter>

TfcOutlookPanel::TfcOutlookPanel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TfcOutlookPanel::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    update();
}

void TfcOutlookPanel::setList(TfcOutlookList *list)
{
    m_list = list;
    if (m_list) {
        m_list->setParent(this);
        m_list->setGeometry(rect());
        m_list->show();
    }
}

void TfcOutlookPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_list)
        m_list->setGeometry(rect());
}

void TfcOutlookPanel::paintEvent(QPaintEvent *)
{
    if (m_transparent)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
}
