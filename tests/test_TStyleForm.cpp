#include "ThemeStyle/TStyleForm.h"
#include "main/Themes.h"
#include "widgets/RegionData.h"
#include "widgets/TLabel.h"
#include "widgets/TfcImageForm.h"
#include "widgets/TfcOutlookBar.h"
#include "widgets/TfcOutlookList.h"
#include "widgets/TfcOutlookPanel.h"
#include "widgets/TfcShapeBtn.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

const char *const PageOrder[7] = { "Fruit", "Numbers", "Computers", "Animals", "Politicians", "Skulls", "Rocks" };

struct ShownSelector {
    TStyleForm form;
    ShownSelector()
    {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    TfcShapeBtn *button(int page) const { return form.ThemeStyleFace->pageButton(page); }
    QList<int> tops() const
    {
        QList<int> t;
        for (int i = 0; i < 7; ++i)
            t.append(button(i)->y());
        return t;
    }
    QStringList selected() const
    {
        QStringList names;
        for (const char *name : ThemeButtonNames)
            if (form.isThemeSelected(QLatin1String(name)))
                names.append(QLatin1String(name));
        return names;
    }
};

} // namespace

TEST(TStyleForm, WindowIsABorderlessHiddenStrip)
{
    TStyleForm form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isWindow());
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(119, 495));
    EXPECT_EQ(form.font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST(TStyleForm, LayoutMatchesTheTable)
{
    TStyleForm form;
    EXPECT_EQ(form.fcImageForm1->objectName(), QStringLiteral("fcImageForm1"));
    EXPECT_EQ(form.fcImageForm1->geometry(), QRect(0, 0, 119, 495));
    EXPECT_EQ(form.fcImageForm1->DragTolerance(), 5);
    EXPECT_EQ(form.fcImageForm1->TransparentColor(), std::optional<uint32_t>(0x000080));
    EXPECT_EQ(form.fcImageForm1->shape(), QRegion(0, 0, 119, 495));

    EXPECT_EQ(form.Label2->geometry(), QRect(111, -1, 8, 13));
    EXPECT_EQ(form.Label2->Caption(), QStringLiteral("X"));
    EXPECT_EQ(form.Label2->FontColor(), QColor(Qt::white));
    EXPECT_TRUE(form.Label2->font().bold());
    EXPECT_EQ(form.Label2->font().family(), QStringLiteral("Tubular"));
    EXPECT_EQ(form.Label2->font().pixelSize(), 11);
    EXPECT_TRUE(form.Label2->Transparent());
    EXPECT_EQ(form.Label2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(form.Label2->handlesClicks());

    TfcOutlookBar *bar = form.ThemeStyleFace;
    EXPECT_EQ(bar->geometry(), QRect(8, 29, 105, 460));
    EXPECT_EQ(bar->client()->geometry(), QRect(2, 2, 101, 456));
    EXPECT_EQ(bar->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(bar->ButtonSize(), 65);
    EXPECT_EQ(bar->Animation().Steps, 7);
    EXPECT_EQ(bar->Animation().Interval, 1);
    EXPECT_TRUE(bar->Animation().Enabled);
    EXPECT_EQ(bar->ActivePage(), form.Fruit);

    // The page buttons in page order, with their tops at start.
    const int tops[7] = { 0, 66, 131, 196, 261, 326, 391 };
    ASSERT_EQ(bar->pageCount(), 7);
    for (int i = 0; i < 7; ++i) {
        TfcShapeBtn *button = bar->pageButton(i);
        SCOPED_TRACE(PageOrder[i]);
        EXPECT_EQ(button->objectName(), QLatin1String(PageOrder[i]));
        EXPECT_EQ(button, form.FindComponent(QLatin1String(PageOrder[i])));
        EXPECT_EQ(button->geometry(), QRect(0, tops[i], 101, 65));
        EXPECT_EQ(button->Down(), i == 0);
        EXPECT_EQ(button->GroupIndex(), 1);
        EXPECT_FALSE(button->AllowAllUp());
        EXPECT_EQ(button->DitherColor(), QColor(Qt::white));
        EXPECT_EQ(button->ShadeStyle(), TfcShadeStyle::fbsHighlight);
        EXPECT_EQ(button->Shape(), TfcButtonShape::bsRect);
        EXPECT_EQ(button->Caption(), QString());
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    }

    TfcOutlookPanel *panels[7] = { form.OutlookPanel1, form.OutlookPanel2, form.OutlookPanel3, form.OutlookPanel4,
                                   form.OutlookPanel5, form.OutlookPanel6, form.OutlookPanel7 };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(panels[i]->objectName(), QStringLiteral("OutlookPanel%1").arg(i + 1));
        EXPECT_EQ(bar->pagePanel(i), panels[i]);
        EXPECT_TRUE(panels[i]->Transparent());
        ASSERT_NE(panels[i]->list(), nullptr);
        EXPECT_TRUE(panels[i]->list()->Items().isEmpty());
        EXPECT_EQ(panels[i]->list()->geometry(), panels[i]->rect());
        EXPECT_EQ(panels[i]->isVisibleTo(&form), i == 0);
        if (i > 0) {
            EXPECT_EQ(panels[i]->height(), 0);
        }
    }
    EXPECT_EQ(form.OutlookPanel1->geometry(), QRect(0, 65, 101, 1));
}

TEST(TStyleForm, BarLiesAboveThePictureAndTheLabel)
{
    TStyleForm form;
    QList<QWidget *> order;
    for (QObject *child : form.children())
        if (auto *w = qobject_cast<QWidget *>(child))
            order.append(w);
    EXPECT_EQ(order, (QList<QWidget *> { form.fcImageForm1, form.Label2, form.ThemeStyleFace }));
}

TEST(TStyleForm, ThemeQueryAnswersFruitAtStart)
{
    TStyleForm form;
    EXPECT_TRUE(form.isThemeSelected(QStringLiteral("Fruit")));
    for (const char *name : { "Numbers", "Computers", "Animals", "Politicians", "Skulls", "Rocks" })
        EXPECT_FALSE(form.isThemeSelected(QLatin1String(name))) << name;
}

TEST(TStyleForm, SecondClickOnTheChosenButtonChangesNothing)
{
    ShownSelector s;
    QTest::mouseClick(s.form.Fruit, Qt::LeftButton);
    EXPECT_TRUE(s.form.Fruit->Down());
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Fruit") });
    EXPECT_EQ(s.tops(), (QList<int> { 0, 66, 131, 196, 261, 326, 391 }));
    for (int i = 1; i < 7; ++i)
        EXPECT_FALSE(s.button(i)->Down());
}

TEST(TStyleForm, PressOnSkullsAndReleaseOutsideChoosesSkulls)
{
    ShownSelector s;
    QTest::mousePress(s.form.Skulls, Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_TRUE(s.form.Skulls->Down());
    EXPECT_TRUE(s.form.isThemeSelected(QStringLiteral("Fruit")));
    QTest::mouseRelease(s.form.Skulls, Qt::LeftButton, {}, QPoint(50, -200));

    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Skulls") });
    EXPECT_FALSE(s.form.Fruit->Down());
    EXPECT_EQ(s.form.ThemeStyleFace->ActivePage(), s.form.Skulls);
    // The buttons from Numbers to Skulls close up over the old panel; Skulls' panel opens below it.
    EXPECT_EQ(s.tops(), (QList<int> { 0, 65, 130, 195, 260, 325, 391 }));
    EXPECT_EQ(s.form.OutlookPanel6->geometry(), QRect(0, 390, 101, 1));
    EXPECT_TRUE(s.form.OutlookPanel6->isVisible());
    EXPECT_FALSE(s.form.OutlookPanel1->isVisible());
}

TEST(TStyleForm, KeysWrapAroundTheThemes)
{
    ShownSelector s;
    // The bar is the window's only tab stop and takes the focus when the window is active.
    EXPECT_EQ(s.form.focusWidget(), s.form.ThemeStyleFace);
    QTest::keyClick(s.form.ThemeStyleFace, Qt::Key_Up);
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Rocks") });
    EXPECT_EQ(s.tops(), (QList<int> { 0, 65, 130, 195, 260, 325, 390 }));
    QTest::keyClick(s.form.ThemeStyleFace, Qt::Key_Down);
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Fruit") });
    QTest::keyClick(s.form.ThemeStyleFace, Qt::Key_End);
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Rocks") });
    QTest::keyClick(s.form.ThemeStyleFace, Qt::Key_Home);
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Fruit") });
    EXPECT_EQ(s.tops(), (QList<int> { 0, 66, 131, 196, 261, 326, 391 }));
}

TEST(TStyleForm, XHidesTheWindowAndTheChoiceStays)
{
    ShownSelector s;
    QTest::mouseClick(s.form.Computers, Qt::LeftButton);
    QTest::mouseClick(s.form.Label2, Qt::LeftButton, {}, QPoint(4, 7));
    EXPECT_FALSE(s.form.isVisible());
    s.form.show();
    EXPECT_EQ(s.selected(), QStringList { QStringLiteral("Computers") });
    EXPECT_TRUE(s.form.Computers->Down());
}

TEST(TStyleForm, GlyphsAreTheThemePictures)
{
    TStyleForm form;
    for (const char *name : ThemeButtonNames) {
        const QImage expected(QStringLiteral(":/art/glyphs/%1.png").arg(QLatin1String(name)));
        auto *button = qobject_cast<TfcShapeBtn *>(form.FindComponent(QLatin1String(name)));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->Glyph(), expected) << name;
    }
}
