// Renders the program icon, as the window shows it, into the icon theme's layout:
//   build/tools/icons/icons OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/orvane.png for every SIZE. It needs no screen.
#include "common/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

// A build step speaks only of trouble: a build machine often has no runtime folder, which the
// offscreen platform mentions and which the icon does not need.
void quietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
    // The icon is painted, text included, without any window: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietAboutRuntimeFolder);
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QByteArray(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 16 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = output.filePath(folder + QStringLiteral("/orvane.png"));
        if (!output.mkpath(folder) || !orvane::ProgramIconPicture(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
