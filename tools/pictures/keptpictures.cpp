// Draws the pictures the program keeps inside itself, each with the function the program would
// call to draw it, into files named for them, as the program keeps them:
//   build/tools/pictures/keptpictures OUTPUT_FOLDER
// It needs no screen.
#include "common/kept_picture.h"
#include "common/pictures.h"
#include "wheels/grid_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

// A build step speaks only of trouble: a build machine often has no runtime folder, which the
// offscreen platform mentions and which the pictures do not need.
void quietAboutRuntimeFolder(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The names match those the program asks for (KeptPicture) and tools/pictures/CMakeLists.txt.
std::vector<std::pair<QString, std::function<QPixmap()>>> KeptPictures() {
    std::vector<std::pair<QString, std::function<QPixmap()>>> pictures = {
        {QStringLiteral("title"), orvane::DrawTitlePicture},
        {QStringLiteral("information-glyph"), orvane::DrawInformationGlyph},
        {QStringLiteral("help-glyph"), orvane::DrawHelpGlyph},
        {QStringLiteral("ticket-board"), orvane::DrawTicketBoardPicture},
    };
    for (const int size : orvane::kProgramIconSizes)
        pictures.emplace_back(QStringLiteral("icon-%1").arg(size),
                              [size] { return orvane::ProgramIconPicture(size); });
    return pictures;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietAboutRuntimeFolder);
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    for (const auto& [name, draw] : KeptPictures()) {
        const QString path = output.filePath(name + QStringLiteral(".argb"));
        QFile file(path);
        const QByteArray bytes = orvane::KeptPictureBytes(draw());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
