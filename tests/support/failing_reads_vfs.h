#pragma once
// Read errors from the disk, made on purpose for SQLite: while a FailingReads lives, every read
// SQLite makes from a file whose name ends with the given suffix fails with an I/O error, as a
// failing disk makes it fail. SQLite's own file layer does all the rest, so what the program does
// with the error is what it does with a real one.

#include <sqlite3.h>

#include <cstring>
#include <string>

namespace orvane::test {

class FailingReads {
  public:
    explicit FailingReads(std::string suffix) {
        state().suffix = std::move(suffix);
        sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
        if (real == &state().vfs)
            return;
        state().real = real;
        state().vfs = *real;
        state().vfs.zName = "orvane-failing-reads";
        state().vfs.szOsFile = real->szOsFile + static_cast<int>(sizeof(Wrapped));
        state().vfs.xOpen = &open;
        sqlite3_vfs_register(&state().vfs, 1);
    }
    ~FailingReads() {
        sqlite3_vfs_unregister(&state().vfs);
        sqlite3_vfs_register(state().real, 1);
    }
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;

  private:
    // The real file's handle lies right after this one's.
    struct Wrapped {
        sqlite3_file base;
        bool failing;
        sqlite3_io_methods methods;
        sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    };

    struct State {
        sqlite3_vfs vfs{};
        sqlite3_vfs* real = nullptr;
        std::string suffix;
    };
    static State& state() {
        static State s;
        return s;
    }

    static int open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags,
                    int* outFlags) {
        auto* wrapped = reinterpret_cast<Wrapped*>(file);
        std::memset(wrapped, 0, sizeof(Wrapped));
        const int result =
            state().real->xOpen(state().real, name, wrapped->real(), flags, outFlags);
        if (result != SQLITE_OK || !wrapped->real()->pMethods) {
            file->pMethods = nullptr;
            return result;
        }
        const std::string path = name ? name : "";
        const std::string& suffix = state().suffix;
        wrapped->failing = path.size() >= suffix.size() &&
                           path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0;
        wrapped->methods = *wrapped->real()->pMethods;
        wrapped->methods.xClose = [](sqlite3_file* f) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            return w->real()->pMethods->xClose(w->real());
        };
        wrapped->methods.xRead = [](sqlite3_file* f, void* into, int amount, sqlite3_int64 at) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            if (w->failing)
                return SQLITE_IOERR_READ;
            return w->real()->pMethods->xRead(w->real(), into, amount, at);
        };
        // Every other call goes to the real file as it is.
#define ORVANE_FORWARD(member, ...)                                                                \
    wrapped->methods.member = [](sqlite3_file* f, auto... args) {                                  \
        auto* w = reinterpret_cast<Wrapped*>(f);                                                   \
        return w->real()->pMethods->member(w->real(), args...);                                    \
    };
        ORVANE_FORWARD(xWrite)
        ORVANE_FORWARD(xTruncate)
        ORVANE_FORWARD(xSync)
        ORVANE_FORWARD(xFileSize)
        ORVANE_FORWARD(xLock)
        ORVANE_FORWARD(xUnlock)
        ORVANE_FORWARD(xCheckReservedLock)
        ORVANE_FORWARD(xFileControl)
        ORVANE_FORWARD(xShmMap)
        ORVANE_FORWARD(xShmLock)
#undef ORVANE_FORWARD
        wrapped->methods.xSectorSize = [](sqlite3_file* f) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            return w->real()->pMethods->xSectorSize(w->real());
        };
        wrapped->methods.xDeviceCharacteristics = [](sqlite3_file* f) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            return w->real()->pMethods->xDeviceCharacteristics(w->real());
        };
        wrapped->methods.xShmBarrier = [](sqlite3_file* f) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            w->real()->pMethods->xShmBarrier(w->real());
        };
        wrapped->methods.xShmUnmap = [](sqlite3_file* f, int deleteFlag) {
            auto* w = reinterpret_cast<Wrapped*>(f);
            return w->real()->pMethods->xShmUnmap(w->real(), deleteFlag);
        };
        // Shared memory for WAL, but no memory-mapped reads, which would go round xRead.
        wrapped->methods.iVersion = 2;
        file->pMethods = &wrapped->methods;
        return SQLITE_OK;
    }
};

} // namespace orvane::test
