#pragma once

#include "widgets/Events.h"

#include <QWidget>

class TrmCCPageControl;

// One page of a page control; its caption is the page's tab text.
class TrmCCTabSheet : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TrmCCTabSheet(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // The page control that shows this page (null until one does).
    TrmCCPageControl *PageControl() const { return m_pageControl; }
    // Adds the page to `control` as its last page.
    void setPageControl(TrmCCPageControl *control);

private:
    QString m_caption;
    TrmCCPageControl *m_pageControl = nullptr;
};
