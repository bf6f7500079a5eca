#pragma once
// The message boxes the program shows, behind one seam so tests can read and answer them.

#include <string>

namespace orvane {

enum class PromptIcon { None, Exclamation, Question };
enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt {
    std::string text;
    std::string caption;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    bool beepFirst = false; // sound the system beep before showing the box

    bool operator==(const Prompt&) const = default;
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    // Shows the message modally and returns the button the player pressed.
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

// The messages shown in more than one place.
Prompt IncorrectSelectionPrompt();
Prompt SaveFailedPrompt();

} // namespace orvane
