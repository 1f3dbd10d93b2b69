#include "ThemeStyle/TStyleForm.h"

#include "runtime/Pictures.h"
#include "widgets/RegionData.h"
#include "widgets/TLabel.h"
#include "widgets/TfcImageForm.h"
#include "widgets/TfcOutlookBar.h"
#include "widgets/TfcOutlookList.h"
#include "widgets/TfcOutlookPanel.h"
#include "widgets/TfcShapeBtn.h"

namespace {

constexpr uint32_t clMaroon = 0x000080;

QFont pixelFont(const QString &family, int pixelHeight, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

template <typename T>
T *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *control = new T(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

TfcShapeBtn *themeButton(TfcOutlookBar *bar, const char *name, int top)
{
    auto *button = place<TfcShapeBtn>(bar->client(), name, 0, top, 101, 65);
    button->setCursor(Qt::PointingHandCursor);
    button->setDitherColor(Qt::white);
    button->setGroupIndex(1);
    button->setAllowAllUp(false);
    button->setRoundRectBias(25);
    button->setShadeStyle(TfcShadeStyle::fbsHighlight);
    button->setShape(TfcButtonShape::bsRect);
    button->setGlyph(loadPicture(QStringLiteral(":/art/glyphs/%1.png").arg(QLatin1String(name))));
    bar->addPage(button);
    return button;
}

TfcOutlookPanel *pagePanel(TfcOutlookBar *bar, TfcShapeBtn *button, const char *name, int top, int height, bool visible)
{
    auto *panel = place<TfcOutlookPanel>(bar->client(), name, 0, top, 101, height);
    panel->setTransparent(true);
    auto *list = new TfcOutlookList(panel);
    list->setColor(panel->palette().color(QPalette::Dark));
    list->setFontColor(Qt::white);
    list->setItemSpacing(20);
    panel->setList(list);
    panel->setVisible(visible);
    bar->setPagePanel(button, panel);
    return panel;
}

} // namespace

TStyleForm::TStyleForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("StyleForm"));
    setWindowTitle(QStringLiteral("StyleForm"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    resize(119, 495);
    createComponents();
    wireHandlers();
}

TStyleForm::~TStyleForm() = default;

void TStyleForm::createComponents()
{
    fcImageForm1 = place<TfcImageForm>(this, "fcImageForm1", 0, 0, 119, 495);
    fcImageForm1->setAutoSize(true);
    fcImageForm1->setPicture(loadPicture(QStringLiteral(":/art/selector.png")));
    fcImageForm1->setDragTolerance(5);
    fcImageForm1->setTransparentColor(clMaroon);
    fcImageForm1->setRegionData(RegionData::write(QRegion(0, 0, 119, 495)));

    Label2 = place<TLabel>(this, "Label2", 111, -1, 8, 13);
    Label2->setCaption(QStringLiteral("X"));
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setFont(pixelFont(QStringLiteral("Tubular"), 11, true));
    Label2->setFontColor(Qt::white);
    Label2->setTransparent(true);

    ThemeStyleFace = place<TfcOutlookBar>(this, "ThemeStyleFace", 8, 29, 105, 460);
    ThemeStyleFace->setCursor(Qt::PointingHandCursor);
    ThemeStyleFace->setBorderStyle(TBorderStyle::bsSingle);
    ThemeStyleFace->setButtonSize(65);
    ThemeStyleFace->setAnimation({ true, 1, 7 });

    // The pages in page order; Fruit's stored Down confirms it as the choice.
    Fruit = themeButton(ThemeStyleFace, "Fruit", 0);
    Fruit->setDown(true);
    Numbers = themeButton(ThemeStyleFace, "Numbers", 66);
    Computers = themeButton(ThemeStyleFace, "Computers", 131);
    Animals = themeButton(ThemeStyleFace, "Animals", 196);
    Politicians = themeButton(ThemeStyleFace, "Politicians", 261);
    Skulls = themeButton(ThemeStyleFace, "Skulls", 326);
    Rocks = themeButton(ThemeStyleFace, "Rocks", 391);

    OutlookPanel1 = pagePanel(ThemeStyleFace, Fruit, "OutlookPanel1", 65, 1, true);
    OutlookPanel2 = pagePanel(ThemeStyleFace, Numbers, "OutlookPanel2", 0, 0, false);
    OutlookPanel3 = pagePanel(ThemeStyleFace, Computers, "OutlookPanel3", 0, 0, false);
    OutlookPanel4 = pagePanel(ThemeStyleFace, Animals, "OutlookPanel4", 0, 0, false);
    OutlookPanel5 = pagePanel(ThemeStyleFace, Politicians, "OutlookPanel5", 0, 0, false);
    OutlookPanel6 = pagePanel(ThemeStyleFace, Skulls, "OutlookPanel6", 0, 0, false);
    OutlookPanel7 = pagePanel(ThemeStyleFace, Rocks, "OutlookPanel7", 0, 0, false);
    ThemeStyleFace->setActivePage(Fruit);

    // The bar, a windowed control, lies above the picture and the label.
    ThemeStyleFace->raise();
}

void TStyleForm::wireHandlers()
{
    Label2->OnClick = [this](QObject *sender) { Label2Click(sender); };
}

QObject *TStyleForm::FindComponent(const QString &name) const
{
    return findChild<QObject *>(name);
}

bool TStyleForm::isThemeSelected(const QString &buttonName) const
{
    const auto *button = qobject_cast<const TfcShapeBtn *>(FindComponent(buttonName));
    return button && button->Selected();
}

void TStyleForm::Label2Click(QObject *)
{
    hide();
}
