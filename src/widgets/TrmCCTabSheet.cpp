#include "widgets/TrmCCTabSheet.h"

#include "widgets/TrmCCPageControl.h"

TrmCCTabSheet::TrmCCTabSheet(QWidget *parent)
    : QWidget(parent)
{
}

void TrmCCTabSheet::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->setTabText(m_pageControl->indexOf(this), caption);
}

void TrmCCTabSheet::setPageControl(TrmCCPageControl *control)
{
    if (control == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->removeTab(m_pageControl->indexOf(this));
    m_pageControl = control;
    if (control)
        control->addTab(this, m_caption);
}
