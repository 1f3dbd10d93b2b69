#pragma once

#include "widgets/Events.h"

#include <QTabWidget>

class TrmCCTabSheet;

// Pages with one row of tabs along the top, on the platform's tab control. The page area is
// inset 4 pixels from the sides and the bottom and 24 from the top, whatever the style's
// own frame and tab sizes, so the pages' layouts keep their sizes.
class TrmCCPageControl : public QTabWidget, public TTagged {
    Q_OBJECT
public:
    explicit TrmCCPageControl(QWidget *parent = nullptr);

    static constexpr QMargins PageMargins { 4, 24, 4, 4 };

    int PageCount() const { return count(); }
    TrmCCTabSheet *Pages(int index) const;
    TrmCCTabSheet *ActivePage() const;
    void setActivePage(TrmCCTabSheet *page);
    int ActivePageIndex() const { return currentIndex(); }
    void setActivePageIndex(int index) { setCurrentIndex(index); }
};
