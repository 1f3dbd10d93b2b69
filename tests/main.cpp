// The test binary's entry: one application object for all tests, offscreen by default.
#include "runtime/Application.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    app.setTitle(QStringLiteral("Zorvixia"));
    return RUN_ALL_TESTS();
}
