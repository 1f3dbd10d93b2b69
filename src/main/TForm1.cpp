#include "main/TForm1.h"

#include "runtime/FailureReport.h"
#include "runtime/IntConvert.h"
#include "runtime/Pictures.h"
#include "runtime/Random.h"
#include "ThemeStyle/TStyleForm.h"
#include "widgets/TImageList.h"
#include "widgets/TLabel.h"
#include "widgets/TMediaPlayer.h"
#include "widgets/TRzAnimator.h"
#include "widgets/TRzBmpButton.h"
#include "widgets/TRzEdit.h"
#include "widgets/TRzLabel.h"
#include "widgets/TRzLauncher.h"
#include "widgets/TShape.h"
#include "widgets/TTimer.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TfcImageForm.h"
#include "widgets/TrmSpinEdit.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

const QString CoinCue = QStringLiteral("c:\\zorvix\\insertcoin.au");
const QString BetCue = QStringLiteral("c:\\zorvix\\bleep1.mp3");
const QString PullCue = QStringLiteral("c:\\zorvix\\pull1.wav");
const QString PayoffCue = QStringLiteral("c:\\zorvix\\payoff.wav");

// The maker's website, opened by the "QV" link.
const QString WebsiteAddress = QStringLiteral("https://zorvixia.example.com/");

const QColor clGray(128, 128, 128);
const QColor clLime(0, 255, 0);

// Amounts never wrap: a sum or product beyond 32 bits stops at the limit.
int32_t saturate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

QFont pixelFont(const QString &family, int pixelHeight, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QImage art(const QString &name)
{
    return loadPicture(QStringLiteral(":/art/") + name);
}

QByteArray storedShape(const QString &name)
{
    QFile file(QStringLiteral(":/art/regions/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T>
T *place(QWidget *parent, const char *name, int left, int top, int width, int height, bool visible = true)
{
    auto *control = new T(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    control->setVisible(visible);
    return control;
}

TShape *winBar(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *bar = place<TShape>(parent, name, left, top, width, height, false);
    bar->setBrushColor(clLime);
    return bar;
}

TRzLabel *caption(QWidget *parent, const char *name, int left, int width, const QString &text, Qt::Alignment align)
{
    auto *label = place<TRzLabel>(parent, name, left, 376, width, 20);
    label->setCaption(text);
    label->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    label->setFontColor(Qt::black);
    label->setTextStyle(TTextStyle::tsNormal);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

TRzBmpButton *bitmapButton(QWidget *parent, const char *name, int left, int top, int width, int height, const QString &picture)
{
    auto *button = place<TRzBmpButton>(parent, name, left, top, width, height);
    const QPixmap up = QPixmap::fromImage(art(QStringLiteral("buttons/%1_up.png").arg(picture)));
    button->setBitmaps({ up, QPixmap::fromImage(art(QStringLiteral("buttons/%1_down.png").arg(picture))), up, up });
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TRzEdit *amountField(QWidget *parent, const char *name, int left, int width, int height, const QString &text)
{
    auto *field = place<TRzEdit>(parent, name, left, 400, width, height);
    field->setText(text);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setColor(clGray);
    field->setFont(pixelFont(QStringLiteral("Arial"), 19));
    field->setFontColor(Qt::white);
    field->setFrameVisible(true);
    field->setFrameStyle(TFrameStyle::fsBump);
    field->setFrameColor(Qt::white);
    return field;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_themeQuery([](const QString &name) { return name == QLatin1String("Fruit"); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(485, 500);
    createComponents();
    wireHandlers();
    // The media player opens its layout file once the window is built, without playing it.
    if (MediaPlayer1->AutoOpen())
        MediaPlayer1->Open();
}

TForm1::~TForm1() = default;

void TForm1::createComponents()
{
    fcImageForm1 = place<TfcImageForm>(this, "fcImageForm1", 0, 0, 485, 500);
    fcImageForm1->setPicture(art(QStringLiteral("face.png")));
    fcImageForm1->setDragTolerance(1);

    Label2 = place<TLabel>(this, "Label2", 472, 2, 9, 15);
    Label2->setCaption(QStringLiteral("X"));
    Label2->setFont(pixelFont(QStringLiteral("Tubular"), 13, true));
    Label2->setFontColor(Qt::white);
    Label2->setTransparent(true);
    Label2->setCursor(Qt::PointingHandCursor);

    win1 = winBar(this, "win1", 25, 114, 434, 6);
    win2 = winBar(this, "win2", 25, 203, 434, 6);
    win3 = winBar(this, "win3", 25, 292, 434, 6);

    WinnerLabel = place<TRzLabel>(this, "WinnerLabel", 34, 1, 187, 61, false);
    WinnerLabel->setCaption(QStringLiteral("Winner!"));
    WinnerLabel->setFont(pixelFont(QStringLiteral("Tubular"), 53));
    WinnerLabel->setFontColor(Qt::red);
    WinnerLabel->setBlinkColor(Qt::white);
    TRzLabel::setBlinkIntervalOn(100);
    TRzLabel::setBlinkIntervalOff(100);
    WinnerLabel->setHighlightColor(Qt::yellow);
    WinnerLabel->setShadowColor(Qt::black);
    WinnerLabel->setShadowDepth(4);

    RzLabel2 = caption(this, "RzLabel2", 72, 35, QStringLiteral("BET"), Qt::AlignLeft);
    RzLabel3 = caption(this, "RzLabel3", 338, 119, QStringLiteral("WINNER PAID"), Qt::AlignHCenter);
    RzLabel4 = caption(this, "RzLabel4", 174, 137, QStringLiteral("BANK ACCOUNT"), Qt::AlignHCenter);

    win4 = winBar(this, "win4", 86, 65, 6, 278);
    win5 = winBar(this, "win5", 239, 65, 6, 278);
    win6 = winBar(this, "win6", 391, 65, 6, 278);

    Label1 = place<TLabel>(this, "Label1", 461, 483, 19, 15);
    Label1->setCaption(QStringLiteral("QV"));
    Label1->setFont(pixelFont(QStringLiteral("Tubular"), 13));
    Label1->setFontColor(Qt::black);
    Label1->setTransparent(true);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("Visit our website!"));

    // The image buttons take their stored shape (or their no-shape setting) before their
    // picture, so that no picture is scanned for a shape that the layout already carries.
    Pull2 = place<TfcImageBtn>(this, "Pull2", -24, -256, 150, 300, false);
    Pull2->setRegionData(storedShape(QStringLiteral("lever.rgn")));
    Pull2->setTransparentColor(0x000000);
    Pull2->setImage(art(QStringLiteral("lever.png")));

    RzAnimator1 = place<TRzAnimator>(this, "RzAnimator1", 38, 82, 105, 65);
    RzAnimator2 = place<TRzAnimator>(this, "RzAnimator2", 38, 172, 105, 65);
    RzAnimator3 = place<TRzAnimator>(this, "RzAnimator3", 38, 262, 105, 65);
    RzAnimator4 = place<TRzAnimator>(this, "RzAnimator4", 190, 82, 105, 65);
    RzAnimator5 = place<TRzAnimator>(this, "RzAnimator5", 190, 172, 105, 65);
    RzAnimator6 = place<TRzAnimator>(this, "RzAnimator6", 190, 262, 105, 65);
    RzAnimator7 = place<TRzAnimator>(this, "RzAnimator7", 342, 82, 105, 65);
    RzAnimator8 = place<TRzAnimator>(this, "RzAnimator8", 342, 172, 105, 65);
    RzAnimator9 = place<TRzAnimator>(this, "RzAnimator9", 342, 262, 105, 65);
    for (int i = 0; i < 9; ++i) {
        TRzAnimator *cell = cells()[i];
        cell->setCursor(Qt::ArrowCursor);
        cell->setAnimate(false);
        cell->setDelay(50);
        cell->setImageIndex(i);
    }

    MediaPlayer1 = place<TMediaPlayer>(this, "MediaPlayer1", 352, 0, 29, 30, false);
    MediaPlayer1->setAutoOpen(true);
    MediaPlayer1->setFileName(QStringLiteral("C:\\zorvix\\insertcoin.au"));

    Coin = place<TfcImageBtn>(this, "Coin", 86, 11, 43, 43, false);
    Coin->setTransparentColor(TfcImageBtn::NoShape);
    Coin->setImage(art(QStringLiteral("coin.png")));

    Bet = place<TrmSpinEdit>(this, "Bet", 40, 400, 100, 30);
    Bet->setValue(50);
    Bet->setMinValue(0);
    Bet->setMaxValue(0);
    Bet->setMaxLength(6);
    Bet->setAutoSelect(false);
    Bet->setFont(pixelFont(QStringLiteral("Arial"), 19));
    QPalette betColors = Bet->palette();
    betColors.setColor(QPalette::Base, clGray);
    betColors.setColor(QPalette::Text, Qt::white);
    Bet->setPalette(betColors);
    Bet->setCursor(Qt::PointingHandCursor);

    BankAccount = amountField(this, "BankAccount", 176, 129, 33, QStringLiteral("1000"));
    WinnerPaid = amountField(this, "WinnerPaid", 344, 105, 30, QStringLiteral("0"));

    Pull = bitmapButton(this, "Pull", 195, 458, 96, 32, QStringLiteral("spin"));
    BetMax = bitmapButton(this, "BetMax", 40, 458, 98, 34, QStringLiteral("betmax"));

    coinslot = place<TfcImageBtn>(this, "coinslot", 324, 8, 133, 57);
    coinslot->setRegionData(storedShape(QStringLiteral("coinslot.rgn")));
    coinslot->setImage(art(QStringLiteral("coinslot.png")));
    coinslot->setImageDown(coinslot->Image());
    coinslot->setCursor(Qt::PointingHandCursor);

    Help = bitmapButton(this, "Help", 349, 455, 97, 36, QStringLiteral("help"));

    fcImageBtn1 = place<TfcImageBtn>(this, "fcImageBtn1", 220, 347, 44, 11);
    fcImageBtn1->setRegionData(storedShape(QStringLiteral("toggle.rgn")));
    fcImageBtn1->setImage(art(QStringLiteral("toggle.png")));

    ImageList0 = createThemeImageList(0, this);
    Timer2 = new TTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setEnabled(false);
    Timer2->setInterval(1000);
    ImageList1 = createThemeImageList(1, this);
    ImageList2 = createThemeImageList(2, this);
    ImageList3 = createThemeImageList(3, this);
    ImageList4 = createThemeImageList(4, this);
    ImageList5 = createThemeImageList(5, this);
    ImageList6 = createThemeImageList(6, this);
    RzLauncher1 = new TRzLauncher(this);
    RzLauncher1->setObjectName(QStringLiteral("RzLauncher1"));
    RzLauncher1->setAction(QStringLiteral("Open"));
    RzLauncher1->setFileName(WebsiteAddress);
    RzLauncher1->setTimeout(-1);

    // References resolve once the whole layout is read.
    for (TRzAnimator *cell : cells())
        cell->setImageList(ImageList1);

    // Windowed controls lie above the ones painted on the window's surface (labels,
    // shapes, the face), keeping their layout order among themselves.
    for (QWidget *windowed : std::initializer_list<QWidget *>{
             Pull2, RzAnimator1, RzAnimator2, RzAnimator3, RzAnimator4, RzAnimator5, RzAnimator6,
             RzAnimator7, RzAnimator8, RzAnimator9, MediaPlayer1, Coin, Bet, BankAccount, WinnerPaid,
             Pull, BetMax, coinslot, Help, fcImageBtn1 })
        windowed->raise();

    for (QWidget *noTabStop : std::initializer_list<QWidget *>{ Pull2, Coin, coinslot, fcImageBtn1, MediaPlayer1 })
        noTabStop->setFocusPolicy(Qt::NoFocus);
    setTabOrder(Bet, Pull);
    setTabOrder(Pull, BetMax);
    setTabOrder(BetMax, Help);
    // The keyboard focus starts in the bet field.
    Bet->setFocus();
}

void TForm1::wireHandlers()
{
    Label2->OnClick = [this](QObject *s) { Label2Click(s); };
    Label1->OnClick = [this](QObject *s) { Label1Click(s); };
    Pull2->OnMouseDown = [this](QObject *s, TMouseButton b, TShiftState m, int x, int y) { Pull2MouseDown(s, b, m, x, y); };
    Pull2->OnMouseUp = [this](QObject *s, TMouseButton b, TShiftState m, int x, int y) { Pull2MouseUp(s, b, m, x, y); };
    Coin->OnMouseDown = [this](QObject *s, TMouseButton b, TShiftState m, int x, int y) { CoinMouseDown(s, b, m, x, y); };
    Bet->OnChange = [this](QObject *s) { BetChange(s); };
    BankAccount->OnEnter = [this](QObject *s) { BankAccountEnter(s); };
    WinnerPaid->OnEnter = [this](QObject *s) { WinnerPaidEnter(s); };
    Pull->OnMouseDown = Pull2->OnMouseDown;
    Pull->OnMouseUp = Pull2->OnMouseUp;
    BetMax->OnMouseDown = [this](QObject *s, TMouseButton b, TShiftState m, int x, int y) { BetMaxMouseDown(s, b, m, x, y); };
    coinslot->OnMouseDown = Coin->OnMouseDown;
    Help->OnClick = [this](QObject *s) { HelpClick(s); };
    fcImageBtn1->OnClick = [this](QObject *s) { RzAnimator1Click(s); };
    Timer2->setOnTimer([this](QObject *s) { Timer2Timer(s); });
}

QList<QObject *> TForm1::Components() const
{
    return { fcImageForm1, Label2, win1, win2, win3, WinnerLabel, RzLabel2, RzLabel3, RzLabel4, win4, win5, win6,
             Label1, Pull2, RzAnimator1, RzAnimator2, RzAnimator3, RzAnimator4, RzAnimator5, RzAnimator6,
             RzAnimator7, RzAnimator8, RzAnimator9, MediaPlayer1, Coin, Bet, BankAccount, WinnerPaid, Pull,
             BetMax, coinslot, Help, fcImageBtn1, ImageList0, Timer2, ImageList1, ImageList2, ImageList3,
             ImageList4, ImageList5, ImageList6, RzLauncher1 };
}

std::array<TRzAnimator *, 9> TForm1::cells() const
{
    return { RzAnimator1, RzAnimator2, RzAnimator3, RzAnimator4, RzAnimator5,
             RzAnimator6, RzAnimator7, RzAnimator8, RzAnimator9 };
}

std::array<TForm1::WinLine, 6> TForm1::winLines() const
{
    return { {
        { { RzAnimator1, RzAnimator4, RzAnimator7 }, RzAnimator4, win1 },
        { { RzAnimator2, RzAnimator5, RzAnimator8 }, RzAnimator5, win2 },
        { { RzAnimator3, RzAnimator6, RzAnimator9 }, RzAnimator6, win3 },
        { { RzAnimator1, RzAnimator2, RzAnimator3 }, RzAnimator3, win4 },
        { { RzAnimator4, RzAnimator5, RzAnimator6 }, RzAnimator6, win5 },
        { { RzAnimator7, RzAnimator8, RzAnimator9 }, RzAnimator9, win6 },
    } };
}

std::array<TImageList *, 7> TForm1::themeLists() const
{
    return { ImageList0, ImageList1, ImageList2, ImageList3, ImageList4, ImageList5, ImageList6 };
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Centred on the screen each time it is shown, whatever position it had.
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

int32_t TForm1::readBankAccount() const
{
    return StrToInt(BankAccount->Text());
}

// A coin adds 100 credits, at any time, also during a spin.
void TForm1::CoinMouseDown(QObject *, TMouseButton, TShiftState, int, int)
{
    const int32_t bank = readBankAccount();
    BankAccount->setText(QString::number(saturate(int64_t(bank) + 100)));
    MediaPlayer1->PlayCue(CoinCue);
}

// Keeps the bet between 0 and the bank account. A correction changes the text and so runs
// this handler again, nested, before this run plays its own bleep.
void TForm1::BetChange(QObject *)
{
    if (readBankAccount() < Bet->Value())
        Bet->setValue(readBankAccount());
    if (Bet->Value() < 0)
        Bet->setValue(0);
    MediaPlayer1->PlayCue(BetCue);
}

void TForm1::BetMaxMouseDown(QObject *, TMouseButton, TShiftState, int, int)
{
    const int32_t bank = readBankAccount();
    if (bank > 0)
        Bet->setValue(bank);
}

// The amount fields never keep the focus.
void TForm1::BankAccountEnter(QObject *)
{
    Pull->setFocus();
}

void TForm1::WinnerPaidEnter(QObject *)
{
    Pull->setFocus();
}

// The press of the handle: takes the bet, clears the win display, applies the chosen
// theme, sounds the pull and starts the nine cells at random speeds.
void TForm1::Pull2MouseDown(QObject *, TMouseButton, TShiftState, int, int)
{
    const int32_t bank = readBankAccount();
    if (bank < Bet->Value())
        Bet->setValue(bank);
    if (bank == 0)
        Bet->setValue(0);
    if (Bet->Value() == 0)
        return;

    BankAccount->setText(QString::number(saturate(int64_t(bank) - Bet->Value())));
    WinnerPaid->setText(QStringLiteral("0"));
    WinnerLabel->setVisible(false);
    WinnerLabel->setBlinking(true);
    for (TShape *bar : { win1, win2, win3, win4, win5, win6 })
        bar->setVisible(false);

    for (size_t theme = 0; theme < ThemeButtonNames.size(); ++theme) {
        if (m_themeQuery(QLatin1String(ThemeButtonNames[theme])))
            for (TRzAnimator *cell : cells())
                cell->setImageList(themeLists()[theme]);
    }

    MediaPlayer1->PlayCue(PullCue);

    ReseedFromClock();
    for (TRzAnimator *cell : cells()) {
        int32_t delay;
        do
            delay = RandomBelow(75);
        while (delay < 10);
        cell->setDelay(uint16_t(delay));
    }
    for (TRzAnimator *cell : cells())
        cell->setAnimate(true);
}

// The release arms the one-second stop timer (an armed timer is not restarted).
void TForm1::Pull2MouseUp(QObject *, TMouseButton, TShiftState, int, int)
{
    if (Bet->Value() > 0)
        Timer2->setEnabled(true);
}

namespace {

// A failure in the rest of the stop (a payoff cue that cannot be played) is reported once:
// while the stop unwinds, its timer is disarmed so that the stop does not run again under
// the report, and once the player has dismissed the report the machine is usable again:
// the handle and max-bet buttons enabled, no cell left holding 10.
class StopRecovery {
public:
    StopRecovery(TForm1 *form, TRzAnimator *const &holdingTen, TRzAnimator *const &restoreTenFrom)
        : m_form(form)
        , m_holdingTen(holdingTen)
        , m_restoreTenFrom(restoreTenFrom)
    {
    }
    ~StopRecovery()
    {
        if (std::uncaught_exceptions() <= m_failuresBefore)
            return;
        m_form->Timer2->setEnabled(false);
        runAfterReport([form = QPointer<TForm1>(m_form), cell = m_holdingTen, from = m_restoreTenFrom] {
            if (!form)
                return;
            if (cell && cell->ImageIndex() == 10)
                cell->setImageIndex(from->ImageIndex());
            form->Pull->setEnabled(true);
            form->BetMax->setEnabled(true);
        });
    }

private:
    TForm1 *m_form;
    TRzAnimator *const &m_holdingTen;
    TRzAnimator *const &m_restoreTenFrom;
    const int m_failuresBefore = std::uncaught_exceptions();
};

} // namespace

// The stop: halts the cells, forces a win after a drawn number of losing stops, evaluates
// the six lines in order and pays the bet times the sum of the winning lines' multipliers.
void TForm1::Timer2Timer(QObject *)
{
    Pull->setEnabled(false);
    BetMax->setEnabled(false);
    int32_t runningTotal = 0;

    // The first cell of the line being counted while it holds 10, and where its picture
    // comes back from.
    TRzAnimator *holdingTen = nullptr;
    TRzAnimator *restoreTenFrom = nullptr;
    const StopRecovery recovery(this, holdingTen, restoreTenFrom);

    for (TRzAnimator *cell : { RzAnimator1, RzAnimator4, RzAnimator7, RzAnimator2, RzAnimator5,
                               RzAnimator8, RzAnimator3, RzAnimator6, RzAnimator9 })
        cell->setAnimate(false);
    for (TRzAnimator *cell : cells())
        cell->repaint();

    if (coinslot->Tag() == 0) {
        do {
            ReseedFromClock();
            coinslot->setTag(RandomBelow(15));
        } while (coinslot->Tag() < 5);
    }

    setTag(0);
    Pull->setTag(Pull->Tag() + 1);

    const auto lines = winLines();
    if (Pull->Tag() > coinslot->Tag()) {
        ReseedFromClock();
        int32_t forced;
        do
            forced = RandomBelow(7);
        while (forced < 1);
        const WinLine &line = lines[size_t(forced - 1)];
        line.cells[0]->setImageIndex(RandomBelow(9));
        line.cells[1]->setImageIndex(line.cells[0]->ImageIndex());
        line.cells[2]->setImageIndex(line.cells[0]->ImageIndex());
        for (TRzAnimator *cell : cells())
            cell->repaint();
        Pull->setTag(0);
        coinslot->setTag(0);
    }

    for (const WinLine &line : lines) {
        TRzAnimator *first = line.cells[0];
        if (first->ImageIndex() != line.cells[1]->ImageIndex() || first->ImageIndex() != line.cells[2]->ImageIndex())
            continue;
        // Symbol 0 pays 10: the first cell holds 10 while its line is counted.
        if (first->ImageIndex() == 0) {
            first->setImageIndex(10);
            holdingTen = first;
            restoreTenFrom = line.restoreFrom;
        }
        runningTotal += first->ImageIndex();
        WinnerLabel->setCaption(QStringLiteral("Winner! (%1x)").arg(runningTotal));
        WinnerLabel->setVisible(true);
        line.highlight->setVisible(true);
        MediaPlayer1->PlayCue(PayoffCue);
        setTag(Tag() + first->ImageIndex());
        first->setImageIndex(line.restoreFrom->ImageIndex());
        holdingTen = nullptr;
        Pull->setTag(0);
        coinslot->setTag(0);
    }

    if (Tag() > 0) {
        const int32_t payout = saturate(int64_t(Bet->Value()) * Tag());
        const int32_t bank = readBankAccount();
        WinnerPaid->setText(QString::number(payout));
        BankAccount->setText(QString::number(saturate(int64_t(bank) + payout)));
    }

    Timer2->setEnabled(false);
    Pull->setEnabled(true);
    BetMax->setEnabled(true);
}

// "X" ends the program at once; nothing is saved.
void TForm1::Label2Click(QObject *)
{
    QApplication::quit();
}

// "QV" opens the maker's website; the launch never holds up the game.
void TForm1::Label1Click(QObject *)
{
    RzLauncher1->Launch();
}

void TForm1::setStyleForm(TStyleForm *styleForm)
{
    m_styleForm = styleForm;
    m_themeQuery = [styleForm](const QString &name) { return styleForm->isThemeSelected(name); };
}

// The theme toggle hides the selector, or docks it at the machine's right edge, one pixel
// below its top, and shows it. The selector does not follow the machine afterwards.
void TForm1::RzAnimator1Click(QObject *)
{
    if (!m_styleForm)
        return;
    if (m_styleForm->isVisible()) {
        m_styleForm->hide();
        return;
    }
    m_styleForm->move(x() + width(), y() + 1);
    m_styleForm->show();
    m_styleForm->raise();
    m_styleForm->activateWindow();
}

// HELP brings the help window back to (10, 10) and to the front, on the page last chosen.
void TForm1::HelpClick(QObject *)
{
    if (!m_helpForm)
        return;
    m_helpForm->move(10, 10);
    m_helpForm->show();
    m_helpForm->raise();
    m_helpForm->activateWindow();
}
