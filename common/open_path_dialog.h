#pragma once
// Asking the player which file to read, behind one seam so tests can answer.

#include <optional>
#include <string>

namespace orvane {

class OpenPathDialog {
  public:
    virtual ~OpenPathDialog() = default;
    // Asks for an existing file, showing the files `nameFilter` names ("Draw files (*.csv *.txt)")
    // and, as a second choice, every file; nothing when the player cancels.
    virtual std::optional<std::string> askFileToRead(const std::string& caption,
                                                     const std::string& nameFilter) = 0;
};

} // namespace orvane
