#pragma once

#include "main/Themes.h"
#include "widgets/Events.h"

#include <QWidget>

#include <array>

class TfcImageForm;
class TLabel;
class TShape;
class TRzLabel;
class TfcImageBtn;
class TRzAnimator;
class TMediaPlayer;
class TrmSpinEdit;
class TRzEdit;
class TRzBmpButton;
class TImageList;
class TTimer;
class TRzLauncher;
class TStyleForm;

// The machine: the main window with its controls, and the game's rules in its handlers.
// The machine state lives in the controls: the amounts are the texts of BankAccount and
// WinnerPaid and the value of Bet; the spin total, the dry-spell count and the forced-win
// threshold are the Tag of Form1, Pull and coinslot.
class TForm1 : public QWidget, public TTagged {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Components, in layout order.
    TfcImageForm *fcImageForm1;
    TLabel *Label2;
    TShape *win1;
    TShape *win2;
    TShape *win3;
    TRzLabel *WinnerLabel;
    TRzLabel *RzLabel2;
    TRzLabel *RzLabel3;
    TRzLabel *RzLabel4;
    TShape *win4;
    TShape *win5;
    TShape *win6;
    TLabel *Label1;
    TfcImageBtn *Pull2;
    TRzAnimator *RzAnimator1;
    TRzAnimator *RzAnimator2;
    TRzAnimator *RzAnimator3;
    TRzAnimator *RzAnimator4;
    TRzAnimator *RzAnimator5;
    TRzAnimator *RzAnimator6;
    TRzAnimator *RzAnimator7;
    TRzAnimator *RzAnimator8;
    TRzAnimator *RzAnimator9;
    TMediaPlayer *MediaPlayer1;
    TfcImageBtn *Coin;
    TrmSpinEdit *Bet;
    TRzEdit *BankAccount;
    TRzEdit *WinnerPaid;
    TRzBmpButton *Pull;
    TRzBmpButton *BetMax;
    TfcImageBtn *coinslot;
    TRzBmpButton *Help;
    TfcImageBtn *fcImageBtn1;
    TImageList *ImageList0;
    TTimer *Timer2;
    TImageList *ImageList1;
    TImageList *ImageList2;
    TImageList *ImageList3;
    TImageList *ImageList4;
    TImageList *ImageList5;
    TImageList *ImageList6;
    TRzLauncher *RzLauncher1;

    // Every component in layout (creation) order.
    QList<QObject *> Components() const;

    // The nine reel cells, cell n at index n - 1 (numbered by column).
    std::array<TRzAnimator *, 9> cells() const;
    // The six win lines in evaluation order, with their highlight bars.
    struct WinLine {
        std::array<TRzAnimator *, 3> cells; // first, second, third
        TRzAnimator *restoreFrom;
        TShape *highlight;
    };
    std::array<WinLine, 6> winLines() const;
    // The seven themes' image lists, ImageList0 .. ImageList6.
    std::array<TImageList *, 7> themeLists() const;

    // How the pull learns which theme button is selected; until a selector is attached,
    // "Fruit" is.
    void setThemeQuery(ThemeQuery query) { m_themeQuery = std::move(query); }
    // The theme selector window: the toggle docks and hides it, the pull asks it for the theme.
    void setStyleForm(TStyleForm *styleForm);
    // The help window, shown by HELP.
    void setHelpForm(QWidget *helpForm) { m_helpForm = helpForm; }

    // Handlers.
    void CoinMouseDown(QObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BetChange(QObject *Sender);
    void BetMaxMouseDown(QObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BankAccountEnter(QObject *Sender);
    void WinnerPaidEnter(QObject *Sender);
    void Pull2MouseDown(QObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Pull2MouseUp(QObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Timer2Timer(QObject *Sender);
    void Label2Click(QObject *Sender);
    void Label1Click(QObject *Sender);
    void RzAnimator1Click(QObject *Sender);
    void HelpClick(QObject *Sender);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createComponents();
    void wireHandlers();
    int32_t readBankAccount() const;

    ThemeQuery m_themeQuery;
    QWidget *m_styleForm = nullptr;
    QWidget *m_helpForm = nullptr;
};
