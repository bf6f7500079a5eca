#pragma once
// Why the player's database could not be read or written, and what the player is told of it, in
// French as every message about reading and writing files.

#include <string>

namespace orvane {

enum class DatabaseProblem {
    None,
    CannotOpen, // the folder cannot be made, or the file cannot be opened or created
    Unreadable, // the system refused a read: nothing is written over it
    Locked,     // another copy of the program held it longer than the busy timeout
    ReadOnly,   // the file or its folder may not be written
    DiskFull,   // no room left for the change
    TooNew,     // written by a later version of the program, whose data this one does not know
    Failed,     // anything else SQLite refused
};

// Maps a SQLite result code onto the problem the player is told of; `systemError`, the errno of
// the system call that failed under it, tells a disk without room from other I/O errors.
DatabaseProblem ProblemOfSqliteResult(int result, int systemError = 0);

// "Le disque est plein : rien n'a été enregistré, ce qui était gardé est intact.", naming the
// database file `fileName`.
std::string DatabaseProblemText(DatabaseProblem problem, const std::string& fileName);

// "La base orvane.db était endommagée : elle a été mise de côté sous le nom … et une base neuve a
// été créée."
std::string SetAsideText(const std::string& fileName, const std::string& setAsideName);

// Said while the text file of an earlier version, which the database takes in once, is there but
// cannot be read: it is tried again at the next use, and never taken for an empty one.
std::string EarlierFileUnreadText(const std::string& fileName);

} // namespace orvane
