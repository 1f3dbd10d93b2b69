#pragma once

#include "widgets/Events.h"
#include "widgets/TGraphicControl.h"

#include <QColor>
#include <QWidget>

enum class TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };

// A label with raised, recessed or shadowed text that can blink: while Blinking, its text
// colour follows the process-wide blink phases (BlinkColor in the blink phase, its own
// colour in the normal phase).
class TRzLabel : public QWidget, public TGraphicControl, public TTagged {
    Q_OBJECT
public:
    explicit TRzLabel(QWidget *parent = nullptr);
    ~TRzLabel() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Qt::Alignment Alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // The label keeps at least its laid-out size and grows to show a longer caption whole.
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // The text colour. Kept as the saved colour unless the label is blinking.
    QColor FontColor() const { return m_savedColor; }
    void setFontColor(const QColor &color);

    TTextStyle TextStyle() const { return m_textStyle; }
    void setTextStyle(TTextStyle style);
    bool LightTextStyle() const { return m_lightTextStyle; }
    void setLightTextStyle(bool light);
    QColor HighlightColor() const { return m_highlightColor; }
    void setHighlightColor(const QColor &color);
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor &color);
    int ShadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(int depth);

    bool Blinking() const { return m_blinking; }
    // True takes effect at the next blink phase; false restores the colour at once.
    void setBlinking(bool blinking);
    QColor BlinkColor() const { return m_blinkColor; }
    void setBlinkColor(const QColor &color);
    // The blink intervals are shared by every label of the process.
    static uint16_t BlinkIntervalOn();
    static void setBlinkIntervalOn(uint16_t ms);
    static uint16_t BlinkIntervalOff();
    static void setBlinkIntervalOff(uint16_t ms);

    // The colour the main text is drawn in now.
    QColor drawingColor() const { return m_drawingColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TRzBlinkingControlsList;
    void blinkPhase(bool blinkPhase);
    void fitCaption();

    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_autoSize = true;
    QColor m_savedColor = Qt::black;
    QColor m_drawingColor = Qt::black;
    TTextStyle m_textStyle = TTextStyle::tsRecessed;
    bool m_lightTextStyle = false;
    QColor m_highlightColor;
    QColor m_shadowColor;
    int m_shadowDepth = 2;
    bool m_blinking = false;
    QColor m_blinkColor;
};
