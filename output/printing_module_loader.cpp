#include "output/printing_module.h"

#include <QCoreApplication>
#include <QDir>
#include <dlfcn.h>
#include <vector>

namespace orvane {

namespace {

using Entry = const PrintingModule* (*)();

struct Loaded {
    const PrintingModule* module = nullptr;
    std::string whyNot;
};

// Called here rather than through QLibrary: the program's own run path is searched only for
// what the program itself opens.
Loaded Load() {
    // Next to the program wherever it is installed; else by its name alone, where it is already
    // loaded or the program's run path leads to it.
    std::vector<std::string> tried;
    if (QCoreApplication::instance())
        tried.push_back(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QString::fromLatin1(kPrintingModuleFile))
                            .toStdString());
    tried.emplace_back(kPrintingModuleFile);
    std::string errors;
    for (const std::string& file : tried) {
        // Kept open for the rest of the run once it hands over the module.
        void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle) {
            if (const auto entry = reinterpret_cast<Entry>(dlsym(handle, kPrintingModuleEntry)))
                return {entry(), {}};
        }
        const char* error = dlerror();
        errors += (errors.empty() ? "" : "; ") + std::string(error ? error : file);
        if (handle)
            dlclose(handle);
    }
    return {nullptr, errors};
}

} // namespace

const PrintingModule* LoadedPrintingModule(std::string* whyNot) {
    static const Loaded loaded = Load();
    if (whyNot)
        *whyNot = loaded.whyNot;
    return loaded.module;
}

} // namespace orvane
