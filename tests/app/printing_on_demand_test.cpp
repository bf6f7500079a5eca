// The program starts without Qt's printing support and the CUPS client, and loads them from next
// to itself once printing is asked for. Built into the program's own folder and linking nothing
// of printing, so that it finds the module as the installed program does.
#include "app/main_window.h"
#include "app/program.h"
#include "output/deferred_print_canvas.h"
#include "output/printing_module.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace orvane::test {
namespace {

// Whether a library whose file name contains `name` is mapped into this process.
bool Loaded(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find(name) != std::string::npos)
            return true;
    return false;
}

TEST(PrintingOnDemand, StartsWithoutThePrintingLibrariesAndLoadsThemToPrint) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    {
        Program program(folder.path().toStdString() + "/");
        program.show();
        QApplication::processEvents();
        ASSERT_TRUE(program.windows().main->isVisible());
        EXPECT_FALSE(Loaded("libQt6PrintSupport")) << "loaded at start";
        EXPECT_FALSE(Loaded("libcups")) << "loaded at start";
        EXPECT_FALSE(Loaded(kPrintingModuleFile)) << "loaded at start";
    }

    // A PDF copy goes through the module like paper does.
    const QString pdf = folder.filePath(QStringLiteral("copy.pdf"));
    {
        DeferredPrintCanvas canvas(pdf);
        ASSERT_GT(canvas.dotsPerInch(Axis::Horizontal), 0);
        ASSERT_TRUE(canvas.beginDocument().ok);
        canvas.setPenWidth(10);
        canvas.line(100, 100, 400, 100);
        ASSERT_TRUE(canvas.endDocument().ok);
    }
    std::string whyNot;
    EXPECT_NE(LoadedPrintingModule(&whyNot), nullptr) << whyNot;
    EXPECT_TRUE(Loaded(kPrintingModuleFile));
    EXPECT_TRUE(Loaded("libQt6PrintSupport"));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
}

} // namespace
} // namespace orvane::test
