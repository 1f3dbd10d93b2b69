#pragma once

#include "widgets/ClientEdge.h"
#include "widgets/Events.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

// A multi-line note: its lines are hard line breaks, long lines wrap at word boundaries,
// text beyond the bottom is cut off (there are no scroll bars). The text is read-only. A
// disabled memo draws its text in the palette's disabled-text colour.
class TMemo : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TMemo(QWidget *parent = nullptr);

    QStringList Lines() const { return m_lines; }
    void setLines(const QStringList &lines);
    // The lines, each ended by a carriage return and line feed.
    QString Text() const;

    // Left, centred or right; applies to every line.
    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    // Narrows the letters, when needed, so that each line fits the memo's width without
    // wrapping: for notes laid out in a narrower font than the one available here.
    bool FitLines() const { return m_fitLines; }
    void setFitLines(bool fit);

    // The colour the text is drawn in now.
    QColor textColor() const;
    // The font the text is drawn in now: the memo's font, narrowed when FitLines needs it.
    QFont textFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QStringList m_lines;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QColor m_color = Qt::white;
    QColor m_fontColor = Qt::black;
    bool m_wordWrap = true;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    bool m_fitLines = false;
};
