// The floor no Qt Widgets program beats, for orvane_process_bench: a bare QApplication showing an
// empty window of the size given as WxH; writes "painted WxH" on stdout once the window has been
// painted, then quits. With --text the window shows one line of text in the default font, which
// adds what any window with text pays: reading the font configuration and loading one font.
#include "bench/support/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    int width = 0;
    int height = 0;
    if (argc < 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT [--text]\n", argv[0]);
        return 2;
    }
    const bool withText = argc > 2 && std::strcmp(argv[2], "--text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(width, height);
    if (withText)
        (new QLabel(QStringLiteral("Choose the system"), &window))->move(15, 47);
    window.show();
    orvane::bench::WhenPainted(&window, [&] {
        std::printf("painted %dx%d\n", window.width(), window.height());
        std::fflush(stdout);
        QApplication::quit();
    });
    return QApplication::exec();
}
