#include "runtime/Exceptions.h"
#include "runtime/FailureReport.h"
#include "support/Recorders.h"
#include "widgets/TTimer.h"

#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A widget whose press handler runs a given action, as a game handler would.
class PressWidget : public QWidget {
public:
    std::function<void()> onPress;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override
    {
        ++presses;
        if (onPress)
            onPress();
    }
};

} // namespace

TEST(FailureReport, AddsAPeriodOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(failureReportText(QStringLiteral("No such file")), QStringLiteral("No such file."));
    EXPECT_EQ(failureReportText(QStringLiteral("code 42")), QStringLiteral("code 42."));
    EXPECT_EQ(failureReportText(QStringLiteral("folder/")), QStringLiteral("folder/."));
    EXPECT_EQ(failureReportText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(failureReportText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(failureReportText(QStringLiteral("(x)")), QStringLiteral("(x)"));
    EXPECT_EQ(failureReportText(QStringLiteral("'abc'")), QStringLiteral("'abc'"));
    EXPECT_EQ(failureReportText(QStringLiteral("trailing ")), QStringLiteral("trailing "));
    EXPECT_EQ(failureReportText(QString()), QString());
}

TEST(FailureReport, AFailingPressHandlerIsReportedAndTheGameGoesOn)
{
    MessageBoxRecorder boxes;
    PressWidget widget;
    widget.resize(50, 50);
    widget.show();
    widget.onPress = [] { throw EConvertError(QStringLiteral("'abc' is not a valid integer value")); };

    QTest::mouseClick(&widget, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Zorvixia"));

    widget.onPress = nullptr;
    QTest::mouseClick(&widget, Qt::LeftButton);
    EXPECT_EQ(widget.presses, 2);
    EXPECT_EQ(boxes.boxes.size(), 1);
}

TEST(FailureReport, MessagesEndingInALetterGetAPeriodInTheBox)
{
    MessageBoxRecorder boxes;
    PressWidget widget;
    widget.show();
    widget.onPress = [] { throw EMCIDeviceError(QStringLiteral("Unknown error code")); };
    QTest::mouseClick(&widget, Qt::LeftButton);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Unknown error code."));
}

TEST(FailureReport, SilentAbortsAreNotShown)
{
    MessageBoxRecorder boxes;
    PressWidget widget;
    widget.show();
    widget.onPress = [] { throw EAbort(QStringLiteral("quiet")); };
    QTest::mouseClick(&widget, Qt::LeftButton);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(FailureReport, TimersKeepTickingWhileAReportIsShownAndReportsNest)
{
    MessageBoxRecorder boxes;
    TTimer failing;
    failing.setInterval(10);
    failing.setOnTimer([&](QObject *) {
        failing.setEnabled(false);
        throw EOutOfResources(QStringLiteral("Not enough timers available"));
    });

    // While the first report is up, another timer ticks, and its own failure opens a
    // second report on top of the first.
    int ticksDuringReport = 0;
    TTimer other;
    other.setEnabled(false);
    other.setInterval(5);
    other.setOnTimer([&](QObject *) {
        if (++ticksDuringReport == 3) {
            other.setEnabled(false);
            throw EConvertError(QStringLiteral("nested"));
        }
    });
    boxes.onShow = [&] {
        if (boxes.boxes.size() == 1) {
            other.setEnabled(true);
            (void)QTest::qWaitFor([&] { return boxes.boxes.size() == 2; }, 2000);
        }
    };

    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.boxes.size() == 2; }, 2000));
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("Not enough timers available."));
    EXPECT_EQ(boxes.boxes[1].text, QStringLiteral("nested."));
    EXPECT_EQ(ticksDuringReport, 3);
}

TEST(FailureReport, LastResortTextNamesClassModuleAndAddress)
{
    std::exception_ptr failure;
    try {
        throw EMCIDeviceError(QStringLiteral("System error : No such file or directory"));
    } catch (...) {
        failure = std::current_exception();
    }
    const QString text = lastResortText(failure);
    const QRegularExpression pattern(QStringLiteral(
        "^Exception EMCIDeviceError in module zorvix_tests at [0-9A-F]{8}\\.\\n"
        "System error : No such file or directory\\.$"));
    EXPECT_TRUE(pattern.match(text).hasMatch()) << text.toStdString();

    try {
        throw EConvertError(QString(5000, u'x'));
    } catch (...) {
        failure = std::current_exception();
    }
    EXPECT_EQ(lastResortText(failure).size(), 1024);

    MessageBoxRecorder boxes;
    LastResortReport(failure);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Application Error"));
}
