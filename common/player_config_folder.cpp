#include "common/player_config_folder.h"

#include <QStandardPaths>

namespace orvane {

std::string PlayerConfigFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return std::string();
    return base.toStdString() + "/orvane/";
}

} // namespace orvane
