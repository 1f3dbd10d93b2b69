#pragma once

#include "widgets/Events.h"

#include <QClipboard>
#include <QLineEdit>

#include <cstdint>

// A single-line edit that holds an integer as text, with a pair of arrow buttons inside
// its right edge that step the value up and down (auto-repeating while held). Typed
// characters are filtered to what a number needs. OnChange runs after every change of
// the text: directly inside the setter for a change the program makes, from the edit's
// own input handling for a change the player makes.
class TrmSpinEdit : public QLineEdit, public TTagged {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(int MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(bool UseRanges READ UseRanges WRITE setUseRanges)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE setEditorEnabled)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    explicit TrmSpinEdit(QWidget *parent = nullptr);
    ~TrmSpinEdit() override;

    // The text read as an integer; MinValue when it does not convert.
    int32_t Value() const;
    // Clamps (with UseRanges), sets the arrows' enabling and writes the decimal text.
    void setValue(int32_t value);
    int32_t MinValue() const { return m_minValue; }
    // Refused when above MaxValue.
    void setMinValue(int32_t value);
    int32_t MaxValue() const { return m_maxValue; }
    // Refused when below MinValue.
    void setMaxValue(int32_t value);
    bool UseRanges() const { return m_useRanges; }
    void setUseRanges(bool useRanges);
    int32_t Increment() const { return m_increment; }
    void setIncrement(int32_t increment) { m_increment = increment; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled);
    // The most characters the player can type or paste; 0 is no limit. Text the
    // program sets is never cut.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length; }
    // Read-only refuses edits and steps alike (a step beeps). QLineEdit::isReadOnly() is
    // also true while the editor is disabled.
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }

    QString Text() const { return text(); }
    // Replaces the text only when it differs, then runs OnChange.
    void setText(const QString &text);

    TNotifyEvent OnChange;

    // The two arrow buttons.
    QWidget *upButton() const;
    QWidget *downButton() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    class Arrow;

    void changeText(const QString &text);
    void playerEditedText();
    void fireChange();
    int32_t clampedValue() const;
    void updateArrows();
    void layoutArrows();
    void step(int direction);
    void arrowPressed(Arrow *arrow);
    void arrowMoved(Arrow *arrow, bool over);
    void arrowReleased(Arrow *arrow, bool over);
    void endHold();
    bool acceptsCharacter(QChar c) const;
    qsizetype roomForInput() const;
    void pasteLimited(QClipboard::Mode mode);
    void applyEditability();

    int32_t m_minValue = 0;
    int32_t m_maxValue = 0;
    bool m_useRanges = false;
    int32_t m_increment = 1;
    bool m_editorEnabled = true;
    int m_maxLength = 0;
    bool m_readOnly = false;
    bool m_autoSelect = true;

    // The text OnChange last ran for, so an edit that ends where it began raises nothing.
    QString m_lastText;
    Arrow *m_up = nullptr;
    Arrow *m_down = nullptr;
    // The arrow held down, whether the pointer is over it, and its repeat timer.
    Arrow *m_held = nullptr;
    bool m_pointerOnHeld = false;
    int m_repeatTimer = 0;
    bool m_repeating = false;
};
