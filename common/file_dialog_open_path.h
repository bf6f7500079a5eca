#pragma once
// The open-path seam over the platform's own file dialog.

#include "common/open_path_dialog.h"

#include <QString>

namespace orvane {

class FileDialogOpenPath final : public OpenPathDialog {
  public:
    std::optional<std::string> askFileToRead(const std::string& caption,
                                             const std::string& nameFilter) override;

  private:
    // The home folder at first; then the folder of the file last chosen.
    QString m_lastFolder;
};

} // namespace orvane
