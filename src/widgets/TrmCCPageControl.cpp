#include "widgets/TrmCCPageControl.h"

#include "widgets/TrmCCTabSheet.h"

#include <QProxyStyle>
#include <QStyleOption>

namespace {

// The application's style, except that the page area, the pane around it and the tab row
// sit at fixed places: the tab row above the pane, the pages 2 pixels inside the pane.
class FixedPageAreaStyle final : public QProxyStyle {
public:
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        const QRect whole = option->rect;
        const QRect contents = whole.marginsRemoved(TrmCCPageControl::PageMargins);
        switch (element) {
        case SE_TabWidgetTabContents:
            return contents;
        case SE_TabWidgetTabPane:
            return contents.adjusted(-2, -2, 2, 2);
        case SE_TabWidgetTabBar: {
            QRect bar = QProxyStyle::subElementRect(element, option, widget);
            const int height = std::min(bar.height(), contents.top() - 2 - whole.top());
            bar.setTop(contents.top() - 2 - height);
            bar.setHeight(height);
            bar.moveLeft(whole.left() + 2);
            return bar;
        }
        default:
            return QProxyStyle::subElementRect(element, option, widget);
        }
    }
};

} // namespace

TrmCCPageControl::TrmCCPageControl(QWidget *parent)
    : QTabWidget(parent)
{
    auto *style = new FixedPageAreaStyle;
    style->setParent(this);
    setStyle(style);
    setTabPosition(QTabWidget::North);
    setUsesScrollButtons(false);
}

TrmCCTabSheet *TrmCCPageControl::Pages(int index) const
{
    return qobject_cast<TrmCCTabSheet *>(widget(index));
}

TrmCCTabSheet *TrmCCPageControl::ActivePage() const
{
    return qobject_cast<TrmCCTabSheet *>(currentWidget());
}

void TrmCCPageControl::setActivePage(TrmCCTabSheet *page)
{
    setCurrentWidget(page);
}
