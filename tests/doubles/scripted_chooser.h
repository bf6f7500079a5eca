#pragma once
// A GameFileChooser double: keeps what it was prepared with and gives the player's answer from a
// script.

#include "gamefiles/game_file_chooser.h"

#include <string>

namespace orvane::test {

class ScriptedChooser final : public GameFileChooser {
  public:
    void setCaption(const std::string& c) override { caption = c; }
    void setNameReadOnly(bool r) override { readOnly = r; }
    void setNameText(const std::string& text) override { preparedName = text; }
    void showModal() override { ++showings; }
    bool chosen() const override { return answerChosen; }
    std::string folder() const override { return answerFolder; }
    std::string nameText() const override { return answerName; }
    bool nameIsUntouchedMask() const override { return answerUntouched && answerName == "*"; }

    std::string caption, preparedName;
    bool readOnly = false;
    int showings = 0;

    bool answerChosen = true;
    std::string answerFolder, answerName;
    bool answerUntouched = false; // the name field kept the text it was prepared with
};

} // namespace orvane::test
