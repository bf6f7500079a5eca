#pragma once
// A Prompts double for tests: records every message and answers from a script.

#include "app/prompts.h"

#include <deque>
#include <vector>

namespace orvane::test {

class ScriptedPrompts final : public Prompts {
  public:
    PromptAnswer ask(const Prompt& prompt) override {
        shown.push_back(prompt);
        if (answers.empty())
            return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Prompt> shown;
    std::deque<PromptAnswer> answers; // answered in order; then OK (or Yes)
};

} // namespace orvane::test
