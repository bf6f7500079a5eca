#pragma once
// What `orvane` is asked on its command line: a game file to load at start, or its help or its
// version printed instead of starting.

#include <QString>
#include <QStringList>

#include <string>

namespace orvane {

struct CommandLine {
    enum class Action { Start, PrintHelp, PrintVersion, Refuse };
    Action action = Action::Start;
    // For Start: the game file to load once the main window shows, as an absolute path; empty for
    // none. For the others: what to print (on the standard error for Refuse).
    std::string gameFile;
    QString text;
};

// Reads `arguments`, the program's name first, as QCoreApplication::arguments() gives them.
// Relative file names are taken from `workingFolder`.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& workingFolder);

} // namespace orvane
