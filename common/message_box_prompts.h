#pragma once
// The program's messages shown as Qt message boxes.

#include "common/prompts.h"

class QWidget;

namespace orvane {

class MessageBoxPrompts final : public Prompts {
  public:
    PromptAnswer ask(const Prompt& prompt) override;
};

} // namespace orvane
