// Runs the small-screen tests inside one QApplication on the offscreen platform, with one screen of
// 1366 x 768 pixels shown at 150 %, as a laptop set to 144 dpi shows it.
#include "app/program_windows.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const std::string screens = dir.path().toStdString() + "/screens.json";
    std::ofstream(screens) << R"({"screens": [{"name": "laptop", "x": 0, "y": 0,)"
                              R"( "width": 1366, "height": 768, "logicalDpi": 96,)"
                              R"( "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screens.c_str());
    qputenv("QT_SCALE_FACTOR", QByteArrayLiteral("1.5"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
