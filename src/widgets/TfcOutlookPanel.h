#pragma once

#include "widgets/Events.h"

#include <QWidget>

class TfcOutlookList;

// The panel of one outlook bar page, shown directly below its button while the page is
// the active one. It holds the page's item list, which fills it.
class TfcOutlookPanel : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TfcOutlookPanel(QWidget *parent = nullptr);

    // A transparent panel paints nothing of its own.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    TfcOutlookList *list() const { return m_list; }
    // Makes `list` the panel's item list, aligned to the whole panel.
    void setList(TfcOutlookList *list);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_transparent = false;
    TfcOutlookList *m_list = nullptr;
};
