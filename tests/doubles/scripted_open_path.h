#pragma once
// An open-path double for tests: answers with a path set by the test, or cancels, and records
// what it was asked.

#include "common/open_path_dialog.h"

#include <vector>

namespace orvane::test {

class ScriptedOpenPath final : public OpenPathDialog {
  public:
    std::optional<std::string> askFileToRead(const std::string& caption,
                                             const std::string& nameFilter) override {
        asked.push_back(caption + " | " + nameFilter);
        return answer;
    }

    std::optional<std::string> answer; // nothing: the player cancels
    std::vector<std::string> asked;
};

} // namespace orvane::test
