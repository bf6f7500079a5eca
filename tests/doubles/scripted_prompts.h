#pragma once
// A Prompts double for tests: records every message and answers from a script.

#include "common/prompts.h"

#include <deque>
#include <functional>
#include <vector>

namespace orvane::test {

class ScriptedPrompts final : public Prompts {
  public:
    PromptAnswer ask(const Prompt& prompt) override {
        shown.push_back(prompt);
        if (whenAsked)
            whenAsked(prompt);
        if (answers.empty())
            return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Prompt> shown;
    std::deque<PromptAnswer> answers; // answered in order; then OK (or Yes)
    // Runs while a message is shown, before it is answered: a look at the world the player sees.
    std::function<void(const Prompt&)> whenAsked;
};

} // namespace orvane::test
