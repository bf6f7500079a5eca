#include "common/trusted_file.h"
#include "output/printing_module.h"

#include <QCoreApplication>
#include <dlfcn.h>
#include <unistd.h>

namespace orvane {

namespace {

using Entry = const PrintingModule* (*)();

struct Loaded {
    const PrintingModule* module = nullptr;
    std::string whyNot;
};

// Called here rather than through QLibrary, which would search other folders for a name it
// cannot open. Only the file at the full path is ever opened.
Loaded LoadFrom(const std::string& folder, uid_t player) {
    const std::string file = folder + "/" + kPrintingModuleFile;
    switch (TrustOfFileIn(folder, kPrintingModuleFile, player)) {
    case FileTrust::Absent:
        return {nullptr, file + " is missing"};
    case FileTrust::Folder:
        return {nullptr, file + " is a folder"};
    case FileTrust::Refused:
        // Code loaded into the program runs as the player: whoever else could change it could
        // make it do anything.
        return {nullptr, file + " was refused: it must be a file, not a link, and both it and its "
                                "folder must belong to root or to you and be writable by neither "
                                "their group nor others"};
    case FileTrust::Trusted:
        break;
    }
    // Kept open for the rest of the run once it hands over the module.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle) {
        if (const auto entry = reinterpret_cast<Entry>(dlsym(handle, kPrintingModuleEntry)))
            return {entry(), {}};
    }
    const char* error = dlerror();
    Loaded failed{nullptr, error ? error : file};
    if (handle)
        dlclose(handle);
    return failed;
}

Loaded Load() {
    // The tests and tools that print link the module: it is part of them already.
    if (const auto linked = reinterpret_cast<Entry>(dlsym(RTLD_DEFAULT, kPrintingModuleEntry)))
        return {linked(), {}};
    if (!QCoreApplication::instance())
        return {nullptr, "the program's folder is not known yet"};
    return LoadFrom(QCoreApplication::applicationDirPath().toStdString(), ::geteuid());
}

} // namespace

const PrintingModule* LoadPrintingModuleFrom(const std::string& folder, uid_t player,
                                             std::string* whyNot) {
    const Loaded loaded = LoadFrom(folder, player);
    if (whyNot)
        *whyNot = loaded.whyNot;
    return loaded.module;
}

const PrintingModule* LoadedPrintingModule(std::string* whyNot) {
    static const Loaded loaded = Load();
    if (whyNot)
        *whyNot = loaded.whyNot;
    return loaded.module;
}

} // namespace orvane
