#pragma once

#include "widgets/ClientEdge.h"
#include "widgets/Events.h"

#include <QList>
#include <QRect>
#include <QWidget>

class TfcShapeBtn;
class TfcOutlookPanel;

// How a page change moves the bar's buttons and panels.
struct TfcOutlookAnimation {
    bool Enabled = true;
    int Interval = 1; // milliseconds of pause after each step
    int Steps = 7;
};

// A bar of page buttons stacked top to bottom in page order, the active page's panel
// directly below its button; the panel takes the height the buttons leave free. The
// buttons form one group: choosing one, by a click or by the Home, End and arrow keys,
// makes its page the active one and moves the buttons in between, animated while the bar
// is showing. Buttons and panels are children of client(), the area inside the border.
class TfcOutlookBar : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TfcOutlookBar(QWidget *parent = nullptr);

    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    int ButtonSize() const { return m_buttonSize; }
    void setButtonSize(int size);
    const TfcOutlookAnimation &Animation() const { return m_animation; }
    void setAnimation(const TfcOutlookAnimation &animation) { m_animation = animation; }

    // The area inside the border that holds the buttons and panels.
    QWidget *client() const { return m_client; }

    // Appends a page for `button` (a child of client()); the button joins the bar's group.
    void addPage(TfcShapeBtn *button);
    void setPagePanel(TfcShapeBtn *button, TfcOutlookPanel *panel);
    int pageCount() const { return int(m_pages.size()); }
    TfcShapeBtn *pageButton(int index) const { return m_pages.at(index).button; }
    TfcOutlookPanel *pagePanel(int index) const { return m_pages.at(index).panel; }

    // The page whose button is chosen (null: none).
    TfcShapeBtn *ActivePage() const { return m_activePage; }
    // Chooses the page's button, which makes it the active page.
    void setActivePage(TfcShapeBtn *button);

    // Whether a page change is being animated (the buttons ignore the mouse meanwhile).
    bool isAnimating() const { return m_animating; }

    // Raised when the active page changes.
    TNotifyEvent OnChange;

    // The rectangle of a moving control at `step` of `steps`: each edge moves from start to
    // end by (end - start) * step / steps, truncated toward zero.
    static QRect animationStep(const QRect &start, const QRect &end, int step, int steps);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Page {
        TfcShapeBtn *button = nullptr;
        TfcOutlookPanel *panel = nullptr;
    };

    void selectionChanged(TfcShapeBtn *button);
    // Places buttons and panels for the chosen page, animated when the bar shows.
    void layoutPages();
    int indexOf(const TfcShapeBtn *button) const;
    int selectedIndex() const;

    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    int m_buttonSize = 65;
    TfcOutlookAnimation m_animation;

    QWidget *m_client;
    QList<Page> m_pages;
    TfcShapeBtn *m_activePage = nullptr;
    bool m_animating = false;
};
