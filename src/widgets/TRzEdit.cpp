#include "widgets/TRzEdit.h"

#include <QApplication>
#include <QPainter>

TRzEdit::TRzEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_frameColor(QApplication::palette().color(QPalette::Dark))
{
    QLineEdit::setFrame(false);
    setTextMargins(2, 2, 2, 2);
}

void TRzEdit::setText(const QString &text)
{
    if (text != QLineEdit::text())
        QLineEdit::setText(text);
}

void TRzEdit::setFrameVisible(bool visible)
{
    m_frameVisible = visible;
    update();
}

void TRzEdit::setFrameStyle(TFrameStyle style)
{
    m_frameStyle = style;
    update();
}

void TRzEdit::setFrameColor(const QColor &color)
{
    m_frameColor = color;
    update();
}

void TRzEdit::setColor(const QColor &color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void TRzEdit::setFontColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

void TRzEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (OnEnter)
        OnEnter(this);
}

void TRzEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!m_frameVisible || m_frameStyle == TFrameStyle::fsNone)
        return;
    QPainter painter(this);
    const QRect r = rect();
    // The band under the frame is the field's own colour.
    painter.setPen(m_color);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.drawRect(r.adjusted(1, 1, -2, -2));
    if (m_frameStyle == TFrameStyle::fsFlat) {
        painter.setPen(m_frameColor);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const bool bump = m_frameStyle == TFrameStyle::fsBump;
    // A two-line ridge (bump) or furrow (groove): the rectangle inset by one pixel at the
    // top-left in the second colour, then the one moved back up and left in the first.
    // (A 1-pixel outline of QRect(x, y, w, h) covers x .. x + w.)
    const QRect outline(0, 0, r.width() - 2, r.height() - 2);
    painter.setPen(bump ? shadow : highlight);
    painter.drawRect(outline.translated(1, 1));
    painter.setPen(bump ? highlight : shadow);
    painter.drawRect(outline);
}
