#include "common/prompts.h"

namespace orvane {

Prompt IncorrectSelectionPrompt() {
    return {"Incorrect Selection", "Problem !!", PromptIcon::Exclamation, PromptButtons::Ok, false};
}

Prompt SaveFailedPrompt() {
    return {"Il y a eu un problème", "Fichier non sauvegardé !!", PromptIcon::None,
            PromptButtons::Ok, true};
}

} // namespace orvane
