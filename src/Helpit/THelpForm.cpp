#include "Helpit/THelpForm.h"

#include "main/Themes.h"
#include "runtime/Pictures.h"
#include "widgets/TLabel.h"
#include "widgets/TMemo.h"
#include "widgets/TRzBackground.h"
#include "widgets/TfcImageBtn.h"
#include "widgets/TfcImager.h"
#include "widgets/TfcLabel.h"
#include "widgets/TfcShapeBtn.h"
#include "widgets/TrmCCPageControl.h"
#include "widgets/TrmCCTabSheet.h"

#include <QFile>

namespace {

QFont pixelFont(const QString &family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    return font;
}

template <typename T>
T *place(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(left, top, width, height);
    return control;
}

// The number n of the picture fcImager<n> in each row (top to bottom) and column (theme).
constexpr int GridNames[9][7] = {
    { 3, 1, 14, 36, 37, 46, 55 },
    { 4, 2, 16, 35, 38, 47, 56 },
    { 5, 12, 21, 34, 39, 48, 57 },
    { 6, 13, 22, 33, 40, 49, 58 },
    { 9, 18, 23, 32, 41, 50, 59 },
    { 8, 19, 24, 31, 42, 51, 60 },
    { 10, 17, 25, 30, 43, 52, 61 },
    { 7, 20, 26, 28, 44, 53, 62 },
    { 11, 15, 27, 29, 45, 54, 63 },
};

constexpr int gridLeft(int column) { return 16 + 112 * column; }
constexpr int gridTop(int row) { return row < 8 ? 16 + 72 * row : 591; }
// Rows show pictures 1 to 8, then picture 0.
constexpr int gridSymbol(int row) { return row < 8 ? row + 1 : 0; }

struct Note {
    int left, top, width, height;
    Qt::Alignment alignment;
    QStringList lines;
};

const Note Notes[12] = {
    { 360, 112, 177, 33, Qt::AlignLeft,
      { QStringLiteral("Click on Insert Coin to increase your "), QStringLiteral("Bank Account by 100.") } },
    { 0, 512, 361, 33, Qt::AlignLeft,
      { QStringLiteral("Click the up and down arrows to increase your bet by 1. You can manually "),
        QStringLiteral("enter the amount by highlighting it, then enter your bet using the keyboard.") } },
    { 0, 587, 329, 22, Qt::AlignLeft,
      { QStringLiteral("Click the Bet Max button to bet your entire Bank Account balance.") } },
    { 368, 512, 137, 33, Qt::AlignLeft,
      { QStringLiteral("Bank Account shows how "), QStringLiteral("much money you have left.") } },
    { 512, 512, 153, 33, Qt::AlignLeft,
      { QStringLiteral("Winner Paid shows how much "), QStringLiteral("you won on the current spin.") } },
    { 616, 112, 97, 17, Qt::AlignLeft, { QStringLiteral("Click the X to Quit.") } },
    { 460, 424, 213, 33, Qt::AlignLeft,
      { QStringLiteral("Click this button (left) to show or hide the "), QStringLiteral("Theme changer (right).") } },
    { 356, 587, 165, 22, Qt::AlignLeft, { QStringLiteral("Click the Spin button to Gamble.") } },
    { 540, 587, 213, 22, Qt::AlignLeft, { QStringLiteral("Click the Help button to show this window.") } },
    { 16, 91, 161, 110, Qt::AlignHCenter,
      { QStringLiteral("Three in a row Wins."), QStringLiteral("Horizontally (up and "), QStringLiteral("down) counts."),
        QStringLiteral("Vertically (left to right) counts."), QStringLiteral("Diagonally (top left to "),
        QStringLiteral("bottom right or top right "), QStringLiteral("to bottom left) does "),
        QStringLiteral("NOT count."), QString() } },
    { 756, 581, 141, 33, Qt::AlignLeft,
      { QStringLiteral("Click on a picture button to "), QStringLiteral("change the Zorvix Theme.") } },
    { 664, 536, 97, 33, Qt::AlignHCenter, { QStringLiteral("Click QV to visit "), QStringLiteral("our website.") } },
};

TMemo *note(QWidget *page, int number)
{
    const Note &n = Notes[number - 1];
    auto *memo = place<TMemo>(page, QStringLiteral("Memo%1").arg(number), n.left, n.top, n.width, n.height);
    memo->setColor(Qt::black);
    memo->setAlignment(n.alignment);
    memo->setWordWrap(true);
    memo->setFitLines(true);
    memo->setLines(n.lines);
    memo->setEnabled(false);
    return memo;
}

TfcShapeBtn *arrow(QWidget *page, const char *name, int left, int top, int width, int height, TfcShapeOrientation orientation)
{
    auto *button = place<TfcShapeBtn>(page, QLatin1String(name), left, top, width, height);
    button->setShape(TfcButtonShape::bsArrow);
    button->setOrientation(orientation);
    button->setRoundRectBias(25);
    button->setColor(Qt::black);
    button->setShadeStyle(TfcShadeStyle::fbsHighlight);
    button->setEnabled(false);
    return button;
}

} // namespace

THelpForm::THelpForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(912, 700);
    move(112, 15);

    rmCCPageControl1 = place<TrmCCPageControl>(this, QStringLiteral("rmCCPageControl1"), 0, 0, 912, 700);
    createPayoutPage();
    createHelpPage();
    rmCCPageControl1->setActivePage(rmCCTabSheet1);
}

THelpForm::~THelpForm() = default;

void THelpForm::createPayoutPage()
{
    rmCCTabSheet1 = new TrmCCTabSheet;
    rmCCTabSheet1->setObjectName(QStringLiteral("rmCCTabSheet1"));
    rmCCTabSheet1->setCaption(QStringLiteral("Payout Table"));
    rmCCTabSheet1->setPageControl(rmCCPageControl1);

    RzBackground1 = new TRzBackground(rmCCTabSheet1);
    RzBackground1->setObjectName(QStringLiteral("RzBackground1"));

    TfcImager *THelpForm::*const pictures[63] = {
        &THelpForm::fcImager1, &THelpForm::fcImager2, &THelpForm::fcImager3, &THelpForm::fcImager4,
        &THelpForm::fcImager5, &THelpForm::fcImager6, &THelpForm::fcImager7, &THelpForm::fcImager8,
        &THelpForm::fcImager9, &THelpForm::fcImager10, &THelpForm::fcImager11, &THelpForm::fcImager12,
        &THelpForm::fcImager13, &THelpForm::fcImager14, &THelpForm::fcImager15, &THelpForm::fcImager16,
        &THelpForm::fcImager17, &THelpForm::fcImager18, &THelpForm::fcImager19, &THelpForm::fcImager20,
        &THelpForm::fcImager21, &THelpForm::fcImager22, &THelpForm::fcImager23, &THelpForm::fcImager24,
        &THelpForm::fcImager25, &THelpForm::fcImager26, &THelpForm::fcImager27, &THelpForm::fcImager28,
        &THelpForm::fcImager29, &THelpForm::fcImager30, &THelpForm::fcImager31, &THelpForm::fcImager32,
        &THelpForm::fcImager33, &THelpForm::fcImager34, &THelpForm::fcImager35, &THelpForm::fcImager36,
        &THelpForm::fcImager37, &THelpForm::fcImager38, &THelpForm::fcImager39, &THelpForm::fcImager40,
        &THelpForm::fcImager41, &THelpForm::fcImager42, &THelpForm::fcImager43, &THelpForm::fcImager44,
        &THelpForm::fcImager45, &THelpForm::fcImager46, &THelpForm::fcImager47, &THelpForm::fcImager48,
        &THelpForm::fcImager49, &THelpForm::fcImager50, &THelpForm::fcImager51, &THelpForm::fcImager52,
        &THelpForm::fcImager53, &THelpForm::fcImager54, &THelpForm::fcImager55, &THelpForm::fcImager56,
        &THelpForm::fcImager57, &THelpForm::fcImager58, &THelpForm::fcImager59, &THelpForm::fcImager60,
        &THelpForm::fcImager61, &THelpForm::fcImager62, &THelpForm::fcImager63,
    };

    // The pictures are created in name order, each at its grid place; each shows the very
    // picture the machine's cells show (opaque, so the lists' white background never shows),
    // decoded when the page is first painted.
    for (int n = 1; n <= 63; ++n) {
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 7; ++c) {
                if (GridNames[r][c] != n)
                    continue;
                auto *picture = place<TfcImager>(rmCCTabSheet1, QStringLiteral("fcImager%1").arg(n), gridLeft(c),
                                                 gridTop(r), 105, 65);
                picture->setDeferredPicture(QSize(105, 65), [c, r] { return themePicture(c, gridSymbol(r)); });
                this->*pictures[n - 1] = picture;
                m_grid[r][c] = picture;
            }
        }
    }

    TfcLabel *THelpForm::*const labels[9] = {
        &THelpForm::fcLabel1, &THelpForm::fcLabel2, &THelpForm::fcLabel3, &THelpForm::fcLabel4, &THelpForm::fcLabel5,
        &THelpForm::fcLabel6, &THelpForm::fcLabel7, &THelpForm::fcLabel8, &THelpForm::fcLabel9,
    };
    // The text turns from white to black half-way down, where the background turns light.
    for (int i = 0; i < 9; ++i) {
        const bool last = i == 8;
        auto *label = place<TfcLabel>(rmCCTabSheet1, QStringLiteral("fcLabel%1").arg(i + 1), last ? 798 : 800,
                                      32 + 72 * i, last ? 106 : 90, 36);
        label->setCaption(QStringLiteral(" = X  %1").arg(last ? 10 : i + 1));
        label->setFont(pixelFont(QStringLiteral("Times New Roman"), 32));
        label->setFontColor(i < 5 ? Qt::white : Qt::black);
        label->setTransparent(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        this->*labels[i] = label;
    }
}

void THelpForm::createHelpPage()
{
    rmCCTabSheet2 = new TrmCCTabSheet;
    rmCCTabSheet2->setObjectName(QStringLiteral("rmCCTabSheet2"));
    rmCCTabSheet2->setCaption(QStringLiteral("Help"));
    rmCCTabSheet2->setPageControl(rmCCPageControl1);
    QWidget *page = rmCCTabSheet2;

    RzBackground2 = new TRzBackground(page);
    RzBackground2->setObjectName(QStringLiteral("RzBackground2"));

    // Pictures of the two windows as the player first sees them, taken from the windows
    // when the program was built and read when the page is first shown.
    fcImager64 = place<TfcImager>(page, QStringLiteral("fcImager64"), 192, 88, 485, 500);
    fcImager64->setDeferredPicture(QSize(485, 500), [] { return loadPicture(QStringLiteral(":/windows/machine.png")); });
    fcImager65 = place<TfcImager>(page, QStringLiteral("fcImager65"), 768, 88, 119, 495);
    fcImager65->setDeferredPicture(QSize(119, 495), [] { return loadPicture(QStringLiteral(":/windows/selector.png")); });

    // A disabled copy of the main window's website label, where it sits on the picture.
    Label1 = place<TLabel>(page, QStringLiteral("Label1"), 653, 571, 19, 15);
    Label1->setCaption(QStringLiteral("QV"));
    Label1->setFont(pixelFont(QStringLiteral("Tubular"), 13));
    Label1->setFontColor(Qt::black);
    Label1->setTransparent(true);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("Visit our website!"));
    Label1->setEnabled(false);

    Memo1 = note(page, 1);
    Memo2 = note(page, 2);
    Memo3 = note(page, 3);
    Memo4 = note(page, 4);
    Memo5 = note(page, 5);
    Memo6 = note(page, 6);
    Memo7 = note(page, 7);
    Memo8 = note(page, 8);
    Memo9 = note(page, 9);
    Memo10 = note(page, 10);
    Memo11 = note(page, 11);

    fcShapeBtn1 = arrow(page, "fcShapeBtn1", 680, 420, 89, 41, TfcShapeOrientation::soRight);
    fcShapeBtn2 = arrow(page, "fcShapeBtn2", 48, 8, 41, 65, TfcShapeOrientation::soUp);
    fcShapeBtn2->setCaption(QStringLiteral("More Help"));
    fcShapeBtn2->setFont(pixelFont(QStringLiteral("Arial"), 11));
    fcShapeBtn2->setCaptionAngle(90);
    fcShapeBtn2->setCaptionOutlined(true);
    fcShapeBtn2->setCaptionSmoothed(true);

    // A disabled copy of the main window's theme toggle, where it sits on the picture.
    fcImageBtn1 = place<TfcImageBtn>(page, QStringLiteral("fcImageBtn1"), 412, 435, 44, 11);
    // The stored shape before the picture, so that the picture is not scanned for one.
    QFile shape(QStringLiteral(":/art/regions/toggle.rgn"));
    if (shape.open(QIODevice::ReadOnly))
        fcImageBtn1->setRegionData(shape.readAll());
    fcImageBtn1->setImage(loadPicture(QStringLiteral(":/art/toggle.png")));
    fcImageBtn1->setEnabled(false);

    Memo12 = note(page, 12);
}
