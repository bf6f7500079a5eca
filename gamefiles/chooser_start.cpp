#include "gamefiles/chooser_start.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace orvane {

ChooserStart ChooserStartNow() {
    // The root file system stands in for the drive every machine has.
    ChooserStart start{QDir::currentPath(), {{QStringLiteral("/"), QStringLiteral("/")}}};
    const auto listed = [&start](const QString& root) {
        return std::any_of(start.drives.begin(), start.drives.end(),
                           [&root](const ChooserDrive& drive) { return drive.root == root; });
    };
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || listed(root))
            continue;
        const QString name = volume.name();
        start.drives.push_back(
            {name.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, name), root});
    }
    return start;
}

} // namespace orvane
