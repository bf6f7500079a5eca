#pragma once
// What the player is told when a PDF file cannot be written.

#include "common/atomic_file.h"
#include "common/prompts.h"

#include <string>

namespace orvane {

// The file at `path` was not written, for `failure` (None for a document that could not be
// made at all).
Prompt PdfNotSavedPrompt(const std::string& path, WriteFailure failure);

} // namespace orvane
