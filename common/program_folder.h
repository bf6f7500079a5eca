#pragma once
// Where the parameters file, the help file and the companion files live.

#include <string>

namespace orvane {

// The folder of the executable at `executablePath`, ending with its separator: the text up to and
// including the last "/" (or ":") found scanning back from the next-to-last character.
std::string ProgramFolderOf(const std::string& executablePath);

} // namespace orvane
