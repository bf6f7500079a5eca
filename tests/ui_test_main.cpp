// Runs the window tests inside one QApplication on the offscreen platform.
#include "app/program_windows.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
