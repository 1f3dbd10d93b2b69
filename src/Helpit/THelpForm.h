#pragma once

#include <QImage>
#include <QWidget>

#include <array>

class TrmCCPageControl;
class TrmCCTabSheet;
class TRzBackground;
class TfcImager;
class TfcLabel;
class TfcImageBtn;
class TLabel;
class TfcShapeBtn;
class TMemo;

// The help window: a fixed-size window with two pages, the payout table of all seven
// themes and an annotated picture of the machine. Nothing on the pages reacts to the
// player; closing the window hides it and keeps the chosen page.
class THelpForm : public QWidget {
    Q_OBJECT
public:
    explicit THelpForm(QWidget *parent = nullptr);
    ~THelpForm() override;

    // Components, in layout order.
    TrmCCPageControl *rmCCPageControl1;
    TrmCCTabSheet *rmCCTabSheet1;
    TRzBackground *RzBackground1;
    TfcImager *fcImager1, *fcImager2, *fcImager3, *fcImager4, *fcImager5, *fcImager6, *fcImager7,
        *fcImager8, *fcImager9, *fcImager10, *fcImager11, *fcImager12, *fcImager13, *fcImager14,
        *fcImager15, *fcImager16, *fcImager17, *fcImager18, *fcImager19, *fcImager20, *fcImager21,
        *fcImager22, *fcImager23, *fcImager24, *fcImager25, *fcImager26, *fcImager27, *fcImager28,
        *fcImager29, *fcImager30, *fcImager31, *fcImager32, *fcImager33, *fcImager34, *fcImager35,
        *fcImager36, *fcImager37, *fcImager38, *fcImager39, *fcImager40, *fcImager41, *fcImager42,
        *fcImager43, *fcImager44, *fcImager45, *fcImager46, *fcImager47, *fcImager48, *fcImager49,
        *fcImager50, *fcImager51, *fcImager52, *fcImager53, *fcImager54, *fcImager55, *fcImager56,
        *fcImager57, *fcImager58, *fcImager59, *fcImager60, *fcImager61, *fcImager62, *fcImager63;
    TfcLabel *fcLabel1, *fcLabel2, *fcLabel3, *fcLabel4, *fcLabel5, *fcLabel6, *fcLabel7, *fcLabel8,
        *fcLabel9;
    TrmCCTabSheet *rmCCTabSheet2;
    TRzBackground *RzBackground2;
    TfcImager *fcImager64;
    TfcImager *fcImager65;
    TLabel *Label1;
    TMemo *Memo1, *Memo2, *Memo3, *Memo4, *Memo5, *Memo6, *Memo7, *Memo8, *Memo9, *Memo10, *Memo11;
    TfcShapeBtn *fcShapeBtn1;
    TfcShapeBtn *fcShapeBtn2;
    TfcImageBtn *fcImageBtn1;
    TMemo *Memo12;

    // The payout table's picture of theme `column` (0..6) in `row` (0..8): picture row + 1
    // of that theme, picture 0 in the last row.
    TfcImager *gridPicture(int row, int column) const { return m_grid[row][column]; }

private:
    void createPayoutPage();
    void createHelpPage();

    std::array<std::array<TfcImager *, 7>, 9> m_grid {};
};
