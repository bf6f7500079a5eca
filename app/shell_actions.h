#pragma once
// Handing files and web pages to the desktop. Every failure is silent.

#include <string>

namespace orvane {

class ShellActions {
  public:
    virtual ~ShellActions() = default;
    // Opens a web address or a local file in the user's browser; false when nothing was opened.
    virtual bool OpenInBrowser(const std::string& target) = 0;
    // Opens a file with the desktop's viewer for its kind.
    virtual void OpenDocument(const std::string& path) = 0;
    // Starts a program detached from this one.
    virtual void StartProgram(const std::string& path) = 0;
};

class DesktopShellActions final : public ShellActions {
  public:
    bool OpenInBrowser(const std::string& target) override;
    void OpenDocument(const std::string& path) override;
    void StartProgram(const std::string& path) override;
};

// Opens the help file of the program folder, or else the installed manual in the browser; nothing
// when there is neither.
void OpenHelpFile(ShellActions& shell, const std::string& programFolder);
void LaunchCompanion(ShellActions& shell, const std::string& programFolder);

} // namespace orvane
