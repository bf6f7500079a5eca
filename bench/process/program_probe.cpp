// Orvane started as main.cpp starts it, over an empty program folder, for orvane_process_bench:
// writes "painted WxH" (the main window's size) on stdout once the main window has been painted,
// then quits. With --road it first walks the largest system's road (program_road.h), printing to
// a PDF file, and writes "walked" before quitting.
#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/program.h"
#include "bench/process/program_road.h"
#include "bench/support/first_paint.h"
#include "bench/support/largest_systems.h"
#include "output/deferred_print_canvas.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    const bool road = argc > 1 && std::strcmp(argv[1], "--road") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    orvane::InstallFontSubstitutes();

    const QTemporaryDir folder;
    std::unique_ptr<orvane::DeferredPrintCanvas> pdf;
    if (road)
        pdf = std::make_unique<orvane::DeferredPrintCanvas>(
            folder.filePath(QStringLiteral("road.pdf")));
    orvane::Program program(folder.path().toStdString() + "/", pdf.get());
    program.show();

    orvane::MainWindow* main = program.windows().main;
    orvane::bench::WhenPainted(main, [&] {
        std::printf("painted %dx%d\n", main->width(), main->height());
        std::fflush(stdout);
        if (road) {
            orvane::bench::WalkTheRoad(*main, program.windows(),
                                       orvane::bench::LargestSystems(1).front());
            std::printf("walked\n");
            std::fflush(stdout);
        }
        QApplication::quit();
    });
    return QApplication::exec();
}
