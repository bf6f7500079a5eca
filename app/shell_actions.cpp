#include "app/shell_actions.h"

#include "app/companion.h"
#include "app/help_file.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace orvane {

namespace {

QUrl urlOf(const std::string& target) {
    const QString text = QString::fromStdString(target);
    if (text.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(text);
    return QUrl(text);
}

} // namespace

bool DesktopShellActions::OpenInBrowser(const std::string& target) {
    return QDesktopServices::openUrl(urlOf(target));
}

void DesktopShellActions::OpenDocument(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void DesktopShellActions::StartProgram(const std::string& path) {
    QProcess::startDetached(QString::fromStdString(path), {});
}

void OpenHelpFile(ShellActions& shell, const std::string& programFolder) {
    const HelpToOpen help = HelpFor(programFolder);
    switch (help.kind) {
    case HelpToOpen::Kind::HelpFile:
        shell.OpenDocument(help.path);
        break;
    case HelpToOpen::Kind::Manual:
        shell.OpenInBrowser(help.path);
        break;
    case HelpToOpen::Kind::None:
        break;
    }
}

void LaunchCompanion(ShellActions& shell, const std::string& programFolder) {
    const CompanionLaunch launch = CompanionToLaunch(programFolder);
    switch (launch.kind) {
    case CompanionLaunch::Kind::Program:
        shell.StartProgram(launch.path);
        break;
    case CompanionLaunch::Kind::Page:
        shell.OpenInBrowser(launch.path);
        break;
    case CompanionLaunch::Kind::None:
        break;
    }
}

} // namespace orvane
