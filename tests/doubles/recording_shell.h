#pragma once
// A ShellActions double: opens nothing, only records what it was asked to open or start.

#include "app/shell_actions.h"

#include <string>
#include <vector>

namespace orvane::test {

class RecordingShell final : public ShellActions {
  public:
    bool OpenInBrowser(const std::string& target) override {
        browsed.push_back(target);
        return true;
    }
    void OpenDocument(const std::string& path) override { documents.push_back(path); }
    void StartProgram(const std::string& path) override { programs.push_back(path); }

    std::vector<std::string> browsed, documents, programs;
};

} // namespace orvane::test
