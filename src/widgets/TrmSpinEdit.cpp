#include "widgets/TrmSpinEdit.h"

#include "platform/SystemBeep.h"
#include "platform/Timers.h"
#include "runtime/FailureReport.h"
#include "runtime/IntConvert.h"
#include "runtime/Pictures.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <qdrawutil.h>

#include <algorithm>
#include <limits>

namespace {

constexpr int StripWidth = 20;
constexpr int MinStripWidth = 15;
constexpr int FirstRepeatMs = 400;
constexpr int RepeatMs = 100;

} // namespace

// One of the two arrow buttons: paints itself as a button face with its picture and hands
// its left-button input to the spin edit, which keeps the press and repeat state.
class TrmSpinEdit::Arrow : public QWidget {
public:
    Arrow(TrmSpinEdit *owner, int direction, const QString &picture)
        : QWidget(owner)
        , m_owner(owner)
        , m_direction(direction)
        , m_picture(QPixmap::fromImage(loadPicture(picture)))
    {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
        // A press on a disabled arrow must not reach the edit beneath.
        setAttribute(Qt::WA_NoMousePropagation);
    }

    int direction() const { return m_direction; }

    void setDown(bool down)
    {
        if (down != m_down) {
            m_down = down;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QBrush face = palette().brush(QPalette::Button);
        qDrawWinButton(&painter, rect(), palette(), m_down, &face);
        if (m_picture.isNull())
            return;
        QPixmap picture = m_picture;
        if (!isEnabled()) {
            QStyleOption option;
            option.initFrom(this);
            picture = style()->generatedIconPixmap(QIcon::Disabled, m_picture, &option);
        }
        const QSize size = picture.deviceIndependentSize().toSize();
        QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
        if (m_down)
            at += QPoint(1, 1);
        painter.drawPixmap(at, picture);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_owner->arrowPressed(this);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_owner->arrowMoved(this, rect().contains(event->position().toPoint()));
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_owner->arrowReleased(this, rect().contains(event->position().toPoint()));
    }

private:
    TrmSpinEdit *m_owner;
    int m_direction;
    QPixmap m_picture;
    bool m_down = false;
};

TrmSpinEdit::TrmSpinEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_lastText(QStringLiteral("0"))
{
    QLineEdit::setText(m_lastText);
    m_up = new Arrow(this, +1, QStringLiteral(":/art/spin/RM_SPINUP.png"));
    m_down = new Arrow(this, -1, QStringLiteral(":/art/spin/RM_SPINDOWN.png"));
    // Dropped text would bypass the length limit; the clipboard is the way to paste.
    setAcceptDrops(false);

    // The player's edits (typing, cut, paste, undo, the context menu) arrive only as this
    // signal. An exception must not cross Qt's signal machinery, so a failure of OnChange
    // is reported here and ends only that handler.
    connect(this, &QLineEdit::textEdited, this, [this] {
        std::exception_ptr failure;
        try {
            playerEditedText();
        } catch (...) {
            failure = std::current_exception();
        }
        if (failure)
            ReportFailure(this, failure);
    });
    // The arrows follow the value however the text changed.
    connect(this, &QLineEdit::textChanged, this, [this] { updateArrows(); });
    layoutArrows();
}

TrmSpinEdit::~TrmSpinEdit() = default;

int32_t TrmSpinEdit::Value() const
{
    return tryStrToInt(text()).value_or(m_minValue);
}

void TrmSpinEdit::setValue(int32_t value)
{
    if (m_useRanges)
        value = std::clamp(value, m_minValue, m_maxValue);
    changeText(QString::number(value));
    updateArrows();
}

void TrmSpinEdit::setMinValue(int32_t value)
{
    if (value == m_minValue || value > m_maxValue)
        return;
    m_minValue = value;
    updateArrows();
}

void TrmSpinEdit::setMaxValue(int32_t value)
{
    if (value == m_maxValue || value < m_minValue)
        return;
    m_maxValue = value;
    updateArrows();
}

void TrmSpinEdit::setUseRanges(bool useRanges)
{
    if (useRanges == m_useRanges)
        return;
    m_useRanges = useRanges;
    setValue(clampedValue());
}

void TrmSpinEdit::setEditorEnabled(bool enabled)
{
    m_editorEnabled = enabled;
    applyEditability();
}

void TrmSpinEdit::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    applyEditability();
}

// The line edit itself refuses every edit (typing, Backspace, Delete, cut, paste, undo)
// when the control is read-only or its editor is disabled; the arrows still step unless
// the control is read-only.
void TrmSpinEdit::applyEditability()
{
    QLineEdit::setReadOnly(m_readOnly || !m_editorEnabled);
}

void TrmSpinEdit::setText(const QString &text)
{
    changeText(text);
}

QWidget *TrmSpinEdit::upButton() const
{
    return m_up;
}

QWidget *TrmSpinEdit::downButton() const
{
    return m_down;
}

// A change the program makes: OnChange runs at once, inside the caller, so its failure
// travels on to whoever made the change.
void TrmSpinEdit::changeText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    m_lastText = text;
    fireChange();
}

void TrmSpinEdit::playerEditedText()
{
    // An edit can end where it began (a digit typed over the same selected digit).
    const QString now = text();
    if (now == m_lastText)
        return;
    m_lastText = now;
    fireChange();
}

void TrmSpinEdit::fireChange()
{
    // A copy, so a handler may replace OnChange while it runs.
    if (const TNotifyEvent handler = OnChange)
        handler(this);
}

int32_t TrmSpinEdit::clampedValue() const
{
    const int32_t value = Value();
    return m_useRanges ? std::clamp(value, m_minValue, m_maxValue) : value;
}

void TrmSpinEdit::updateArrows()
{
    const int32_t value = Value();
    const bool upEnabled = !m_useRanges || value < m_maxValue;
    const bool downEnabled = !m_useRanges || value > m_minValue;
    // A held arrow that becomes disabled lets go: its release will not arrive.
    if (m_held && !(m_held == m_up ? upEnabled : downEnabled))
        endHold();
    m_up->setEnabled(upEnabled);
    m_down->setEnabled(downEnabled);
}

// The arrow strip lies inside the frame at the right; the text margin keeps the text
// clear of it.
void TrmSpinEdit::layoutArrows()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect inner = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int strip = std::max(MinStripWidth, std::min(StripWidth, inner.width() / 2));
    const int left = inner.right() + 1 - strip;
    const int upHeight = inner.height() / 2;
    m_up->setGeometry(left, inner.top(), strip, upHeight);
    m_down->setGeometry(left, inner.top() + upHeight, strip, inner.height() - upHeight);
    setTextMargins(0, 0, strip, 0);
}

void TrmSpinEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    layoutArrows();
}

void TrmSpinEdit::step(int direction)
{
    Arrow *arrow = direction > 0 ? m_up : m_down;
    if (!arrow->isEnabled())
        return;
    if (m_readOnly) {
        MessageBeep();
        return;
    }
    // The step stops at the ends of the 32-bit range instead of wrapping round.
    const int64_t next = int64_t(Value()) + int64_t(direction) * m_increment;
    setValue(int32_t(std::clamp<int64_t>(next, std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max())));
    selectAll();
}

void TrmSpinEdit::arrowPressed(Arrow *arrow)
{
    endHold();
    setFocus(Qt::MouseFocusReason);
    m_held = arrow;
    m_pointerOnHeld = true;
    arrow->setDown(true);
    m_repeating = false;
    m_repeatTimer = startPlatformTimer(this, FirstRepeatMs);
}

void TrmSpinEdit::arrowMoved(Arrow *arrow, bool over)
{
    if (arrow != m_held)
        return;
    m_pointerOnHeld = over;
    arrow->setDown(over);
}

void TrmSpinEdit::arrowReleased(Arrow *arrow, bool over)
{
    if (arrow != m_held)
        return;
    endHold();
    if (over)
        step(arrow->direction());
}

void TrmSpinEdit::endHold()
{
    stopPlatformTimer(this, m_repeatTimer);
    if (m_held)
        m_held->setDown(false);
    m_held = nullptr;
    m_pointerOnHeld = false;
}

void TrmSpinEdit::timerEvent(QTimerEvent *event)
{
    if (m_repeatTimer == 0 || event->timerId() != m_repeatTimer) {
        QLineEdit::timerEvent(event);
        return;
    }
    // The release can be lost (a failure report took the mouse): then the hold ends here.
    if (!m_held || !m_held->isEnabled() || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        endHold();
        return;
    }
    if (!m_repeating) {
        stopPlatformTimer(this, m_repeatTimer);
        m_repeatTimer = startPlatformTimer(this, RepeatMs);
        m_repeating = true;
    }
    // Off the arrow the repeat pauses; it goes on when the pointer comes back.
    if (m_pointerOnHeld)
        step(m_held->direction());
}

bool TrmSpinEdit::acceptsCharacter(QChar c) const
{
    if (c == u'+' || c == u'-' || (c >= u'0' && c <= u'9'))
        return true;
    return locale().decimalPoint().contains(c);
}

// How many more characters the player may enter, counting a selection as replaced.
qsizetype TrmSpinEdit::roomForInput() const
{
    if (m_maxLength <= 0)
        return std::numeric_limits<qsizetype>::max();
    return std::max<qsizetype>(0, m_maxLength - (text().size() - selectedText().size()));
}

// Pastes the clipboard over the selection, cut to the length limit. The insertion is a
// player's edit, so OnChange follows through textEdited.
void TrmSpinEdit::pasteLimited(QClipboard::Mode mode)
{
    if (QLineEdit::isReadOnly())
        return;
    const QString pasted = QGuiApplication::clipboard()->text(mode).left(roomForInput());
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    insert(pasted);
}

void TrmSpinEdit::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    switch (event->key()) {
    case Qt::Key_Up:
        step(+1);
        return;
    case Qt::Key_Down:
        step(-1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        MessageBeep();
        return;
    case Qt::Key_Backspace:
        if (!m_editorEnabled) {
            MessageBeep();
            return;
        }
        break;
    default:
        break;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteLimited(QClipboard::Clipboard);
        return;
    }
    // With Control held a key is a shortcut (select all, copy, undo, ...), not a character.
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && !typed.isEmpty() && typed.front().isPrint()) {
        const bool accepted = m_editorEnabled
            && std::all_of(typed.begin(), typed.end(), [this](QChar c) { return acceptsCharacter(c); });
        if (!accepted) {
            MessageBeep();
            return;
        }
        if (!QLineEdit::isReadOnly() && typed.size() > roomForInput())
            return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text committed by an input method is filtered like typed text.
void TrmSpinEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty() || QLineEdit::isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString kept = committed;
    const bool accepted = std::all_of(committed.begin(), committed.end(),
                                      [this](QChar c) { return acceptsCharacter(c); });
    if (!accepted) {
        MessageBeep();
        kept.clear();
    }
    kept.truncate(roomForInput());
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    if (!kept.isEmpty())
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

// The middle button pastes the selection clipboard where the platform has one.
void TrmSpinEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (rect().contains(event->position().toPoint()))
            pasteLimited(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The standard menu, with its Paste held to the length limit.
void TrmSpinEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The line edit names its actions only by their (translated) texts.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(pasteText)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { pasteLimited(QClipboard::Clipboard); });
        }
    }
    menu->popup(event->globalPos());
}

void TrmSpinEdit::focusInEvent(QFocusEvent *event)
{
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    if (m_autoSelect)
        selectAll();
    else if (!hadSelection && hasSelectedText())
        deselect(); // the line edit selects on Tab; without AutoSelect the caret stays
}

void TrmSpinEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu takes the focus only for a moment.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    const int32_t clamped = clampedValue();
    if (clamped != Value())
        setValue(clamped);
}
