#pragma once
// A save-path double for tests: answers with a path set by the test, or cancels, and records
// what it was asked.

#include "common/save_path_dialog.h"

#include <vector>

namespace orvane::test {

class ScriptedSavePath final : public SavePathDialog {
  public:
    std::optional<std::string> askPdfPath(const std::string& caption,
                                          const std::string& suggestedName) override {
        asked.push_back(caption + " | " + suggestedName);
        return answer;
    }
    std::optional<std::string> askTextPath(const std::string& caption,
                                           const std::string& suggestedName) override {
        return askPdfPath(caption, suggestedName);
    }
    std::optional<std::string> askPngPath(const std::string& caption,
                                          const std::string& suggestedName) override {
        return askPdfPath(caption, suggestedName);
    }

    std::optional<std::string> answer; // nothing: the player cancels
    std::vector<std::string> asked;
};

} // namespace orvane::test
