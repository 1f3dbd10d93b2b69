#include "widgets/TfcOutlookBar.h"

#include "widgets/TfcOutlookPanel.h"
#include "widgets/TfcShapeBtn.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QThread>

TfcOutlookBar::TfcOutlookBar(QWidget *parent)
    : QWidget(parent)
    , m_client(new QWidget(this))
{
    setFocusPolicy(Qt::StrongFocus);
    m_client->setFocusPolicy(Qt::NoFocus);
    const int edge = clientEdgeWidth(m_borderStyle);
    setContentsMargins(edge, edge, edge, edge);
}

void TfcOutlookBar::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    const int edge = clientEdgeWidth(style);
    setContentsMargins(edge, edge, edge, edge);
    layoutPages();
    update();
}

void TfcOutlookBar::setButtonSize(int size)
{
    if (size == m_buttonSize)
        return;
    m_buttonSize = size;
    layoutPages();
}

void TfcOutlookBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPages();
}

void TfcOutlookBar::addPage(TfcShapeBtn *button)
{
    m_pages.append({ button, nullptr });
    button->setChooserHost([this](TfcShapeBtn *b) { selectionChanged(b); });
    if (button->Selected() && !m_activePage)
        m_activePage = button;
    layoutPages();
}

void TfcOutlookBar::setPagePanel(TfcShapeBtn *button, TfcOutlookPanel *panel)
{
    const int index = indexOf(button);
    if (index < 0)
        return;
    m_pages[index].panel = panel;
    layoutPages();
}

void TfcOutlookBar::setActivePage(TfcShapeBtn *button)
{
    if (indexOf(button) >= 0)
        button->setDown(true);
}

int TfcOutlookBar::indexOf(const TfcShapeBtn *button) const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i].button == button)
            return i;
    return -1;
}

int TfcOutlookBar::selectedIndex() const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i].button->Selected())
            return i;
    return -1;
}

void TfcOutlookBar::selectionChanged(TfcShapeBtn *button)
{
    TfcShapeBtn *previous = m_activePage;
    if (button->Selected())
        m_activePage = button;
    else if (button == m_activePage)
        m_activePage = nullptr;
    layoutPages();
    if (m_activePage != previous && OnChange)
        OnChange(this);
}

QRect TfcOutlookBar::animationStep(const QRect &start, const QRect &end, int step, int steps)
{
    // Edges as left, top, right, bottom with right and bottom exclusive; C++ division
    // truncates toward zero.
    auto edge = [&](int from, int to) { return from + (to - from) * step / steps; };
    const int left = edge(start.left(), end.left());
    const int top = edge(start.top(), end.top());
    const int right = edge(start.left() + start.width(), end.left() + end.width());
    const int bottom = edge(start.top() + start.height(), end.top() + end.height());
    return QRect(left, top, right - left, bottom - top);
}

void TfcOutlookBar::layoutPages()
{
    if (m_animating)
        return;
    // The client area follows the bar's size here too: a hidden bar gets no resize events.
    m_client->setGeometry(contentsRect());
    const int width = m_client->width();
    const int panelHeight = std::max(0, m_client->height() - m_buttonSize * int(m_pages.size()));

    // The end rectangles: buttons stacked from the top, the active panel below its button.
    QList<QRect> buttonEnds;
    TfcOutlookPanel *activePanel = nullptr;
    QRect activePanelEnd;
    int y = 0;
    for (const Page &page : m_pages) {
        buttonEnds.append(QRect(0, y, width, m_buttonSize));
        y += m_buttonSize;
        if (page.button == m_activePage) {
            activePanel = page.panel;
            activePanelEnd = QRect(0, y, width, panelHeight);
            y += panelHeight;
        }
    }

    // Inactive panels are hidden above the bar.
    for (const Page &page : m_pages) {
        if (page.panel && page.panel != activePanel) {
            page.panel->hide();
            page.panel->setGeometry(0, -page.panel->height(), width, page.panel->height());
        }
    }

    QList<int> moving;
    QList<QRect> starts;
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i].button->geometry() != buttonEnds[i]) {
            moving.append(i);
            starts.append(m_pages[i].button->geometry());
        }
    }

    const int steps = m_animation.Steps;
    if (isVisible() && m_animation.Enabled && steps > 0 && !moving.isEmpty()) {
        // Other events run between the steps; the buttons ignore the mouse meanwhile so that
        // no second choice begins inside this one.
        QPointer<TfcOutlookBar> alive(this);
        m_animating = true;
        for (const Page &page : m_pages)
            page.button->setMouseIgnored(true);
        for (int step = 1; step <= steps && alive; ++step) {
            for (int k = 0; k < moving.size(); ++k)
                m_pages[moving[k]].button->setGeometry(animationStep(starts[k], buttonEnds[moving[k]], step, steps));
            QCoreApplication::processEvents();
            QThread::msleep(std::max(0, m_animation.Interval));
            QCoreApplication::processEvents();
        }
        if (!alive)
            return;
        m_animating = false;
        for (const Page &page : m_pages)
            page.button->setMouseIgnored(false);
    } else {
        for (int k = 0; k < moving.size(); ++k)
            m_pages[moving[k]].button->setGeometry(buttonEnds[moving[k]]);
    }

    if (activePanel) {
        activePanel->setGeometry(activePanelEnd);
        activePanel->show();
    }
}

void TfcOutlookBar::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Home && key != Qt::Key_End && key != Qt::Key_Left && key != Qt::Key_Up
        && key != Qt::Key_Right && key != Qt::Key_Down) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int count = int(m_pages.size());
    if (count == 0 || m_animating)
        return;
    const int selected = selectedIndex();
    int target;
    if (key == Qt::Key_End)
        target = count - 1;
    else if (key == Qt::Key_Home || selected < 0)
        target = 0;
    else if (key == Qt::Key_Left || key == Qt::Key_Up)
        target = selected - 1;
    else
        target = selected + 1;
    if (target < 0)
        target = count - 1;
    else if (target >= count)
        target = 0;
    m_pages[target].button->setDown(true);
}

void TfcOutlookBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (m_borderStyle == TBorderStyle::bsSingle)
        drawClientEdge(painter, rect(), palette());
}
