#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>

namespace orvane {

CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingFolder) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orvane: wheeling systems for the Thunderball game.\n"
                       "Marks numbers, expands them into the boards of a wheeling system, shows, "
                       "lists and prints them, and compares them with a draw."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A game file to load at start, as Files > Load game "
                       "does."),
        QStringLiteral("[FILE]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refuse;
        line.text = parser.errorText() + QStringLiteral("\n") + parser.helpText();
        return line;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::PrintHelp;
        line.text = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::PrintVersion;
        line.text = QStringLiteral("orvane %1\n").arg(QStringLiteral(ORVANE_VERSION));
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("One game file at most: %1 were given.\n").arg(files.size()) +
                    parser.helpText();
        return line;
    }
    if (!files.isEmpty())
        line.gameFile =
            QDir::cleanPath(QDir(workingFolder).absoluteFilePath(files.first())).toStdString();
    return line;
}

} // namespace orvane
