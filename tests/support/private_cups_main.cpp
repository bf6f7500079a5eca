// Runs a test program against a CUPS scheduler of its own, set up before Qt starts.
#include "app/program_windows.h"
#include "support/private_cups_scheduler.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvane::test {
QString g_schedulerFolder;
}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir folder(QStringLiteral("/tmp/orvane-cups-XXXXXX")); // short: a socket lives here
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a folder for the scheduler\n");
        return 1;
    }
    orvane::test::g_schedulerFolder = folder.path();
    orvane::test::PrivateCupsScheduler::DirectClientsTo(folder.path());
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
