#include "Helpit/THelpForm.h"
#include "ThemeStyle/TStyleForm.h"
#include "support/Machine.h"
#include "widgets/TLabel.h"
#include "widgets/TfcShapeBtn.h"
#include "widgets/TrmCCPageControl.h"

#include <gtest/gtest.h>

namespace {

struct ThreeWindows : Machine {
    TStyleForm styleForm;
    THelpForm helpForm;
    ThreeWindows()
    {
        form.setStyleForm(&styleForm);
        form.setHelpForm(&helpForm);
    }
};

} // namespace

TEST(WindowToggles, OnlyTheMachineIsShownAtStartUp)
{
    ThreeWindows w;
    EXPECT_TRUE(w.form.isVisible());
    EXPECT_FALSE(w.styleForm.isVisible());
    EXPECT_FALSE(w.helpForm.isVisible());
}

TEST(WindowToggles, TheToggleDocksTheSelectorAtTheRightEdgeAndHidesIt)
{
    ThreeWindows w;
    w.form.RzAnimator1Click(w.form.fcImageBtn1);
    ASSERT_TRUE(w.styleForm.isVisible());
    EXPECT_EQ(w.styleForm.pos(), w.form.pos() + QPoint(485, 1));
    w.form.RzAnimator1Click(w.form.fcImageBtn1);
    EXPECT_FALSE(w.styleForm.isVisible());

    // It does not follow the machine; the next toggle docks it again.
    w.form.RzAnimator1Click(w.form.fcImageBtn1);
    const QPoint docked = w.styleForm.pos();
    w.form.move(w.form.pos() + QPoint(-40, 20));
    EXPECT_EQ(w.styleForm.pos(), docked);
    w.styleForm.Label2Click(w.styleForm.Label2);
    EXPECT_FALSE(w.styleForm.isVisible());
    w.form.RzAnimator1Click(w.form.fcImageBtn1);
    EXPECT_EQ(w.styleForm.pos(), w.form.pos() + QPoint(485, 1));
}

TEST(WindowToggles, TheChosenThemeIsUsedAtTheNextPullNotBefore)
{
    ThreeWindows w;
    w.form.RzAnimator1Click(w.form.fcImageBtn1);
    QTest::mouseClick(w.styleForm.Skulls, Qt::LeftButton);
    ASSERT_TRUE(w.styleForm.isThemeSelected(QStringLiteral("Skulls")));
    for (TRzAnimator *cell : w.form.cells())
        EXPECT_EQ(cell->ImageList(), w.form.ImageList1);
    w.press(w.form.Pull);
    for (TRzAnimator *cell : w.form.cells())
        EXPECT_EQ(cell->ImageList(), w.form.ImageList5);
    w.release(w.form.Pull);
    w.form.Timer2->setEnabled(false);
    for (TRzAnimator *cell : w.form.cells())
        cell->setAnimate(false);
}

TEST(WindowToggles, HelpComesBackToTenTenOnItsLastPage)
{
    ThreeWindows w;
    w.click(w.form.Help);
    ASSERT_TRUE(w.helpForm.isVisible());
    EXPECT_EQ(w.helpForm.pos(), QPoint(10, 10));
    w.helpForm.rmCCPageControl1->setCurrentIndex(1);
    w.helpForm.close();
    EXPECT_FALSE(w.helpForm.isVisible());
    w.helpForm.move(300, 200);
    // HELP opens only when released over the button.
    w.press(w.form.Help);
    QTest::mouseRelease(w.form.Help, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_FALSE(w.helpForm.isVisible());
    w.click(w.form.Help);
    EXPECT_TRUE(w.helpForm.isVisible());
    EXPECT_EQ(w.helpForm.pos(), QPoint(10, 10));
    EXPECT_EQ(w.helpForm.rmCCPageControl1->currentIndex(), 1);
}
