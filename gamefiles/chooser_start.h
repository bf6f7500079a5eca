#pragma once
// Where the file chooser starts: the folder and the drives as they were when the program started.

#include <QString>
#include <vector>

namespace orvane {

// A drive of the drive list: what the list shows, and the folder at its top.
struct ChooserDrive {
    QString text;
    QString root;
};

// What the chooser starts from: the folder the program was started from, and the drives mounted
// then, the root file system first.
struct ChooserStart {
    QString folder;
    std::vector<ChooserDrive> drives;
};

// The working folder and the mounted drives, read now.
ChooserStart ChooserStartNow();

} // namespace orvane
