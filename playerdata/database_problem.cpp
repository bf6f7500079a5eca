#include "playerdata/database_problem.h"

#include <sqlite3.h>

#include <cerrno>

namespace orvane {

DatabaseProblem ProblemOfSqliteResult(int result, int systemError) {
    if ((result & 0xff) != SQLITE_OK && (systemError == ENOSPC || systemError == EDQUOT))
        return DatabaseProblem::DiskFull;
    switch (result & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return DatabaseProblem::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DatabaseProblem::Locked;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DatabaseProblem::ReadOnly;
    case SQLITE_FULL:
        return DatabaseProblem::DiskFull;
    case SQLITE_CANTOPEN:
        return DatabaseProblem::CannotOpen;
    case SQLITE_IOERR:
        if (result == SQLITE_IOERR_READ || result == SQLITE_IOERR_SHORT_READ)
            return DatabaseProblem::Unreadable;
        return DatabaseProblem::Failed;
    default:
        return DatabaseProblem::Failed;
    }
}

std::string DatabaseProblemText(DatabaseProblem problem, const std::string& fileName) {
    switch (problem) {
    case DatabaseProblem::None:
        return {};
    case DatabaseProblem::CannotOpen:
        return "La base " + fileName + " ne peut pas être ouverte : rien n'a été enregistré.";
    case DatabaseProblem::Unreadable:
        return "La base " + fileName +
               " ne peut pas être lue : elle est laissée telle quelle, rien n'a été enregistré.";
    case DatabaseProblem::Locked:
        return "La base " + fileName +
               " est occupée par un autre Orvane : rien n'a été enregistré, réessayez.";
    case DatabaseProblem::ReadOnly:
        return "La base " + fileName + " est en lecture seule : rien n'a été enregistré.";
    case DatabaseProblem::DiskFull:
        return "Le disque est plein : rien n'a été enregistré, ce qui était gardé est intact.";
    case DatabaseProblem::TooNew:
        return "La base " + fileName +
               " vient d'une version plus récente d'Orvane : elle est laissée telle quelle.";
    case DatabaseProblem::Failed:
        return "La base " + fileName +
               " a refusé l'enregistrement : rien n'a été enregistré, ce qui était gardé est "
               "intact.";
    }
    return {};
}

std::string SetAsideText(const std::string& fileName, const std::string& setAsideName) {
    return "La base " + fileName + " était endommagée : elle a été mise de côté sous le nom " +
           setAsideName + " et une base neuve a été créée.";
}

std::string EarlierFileUnreadText(const std::string& fileName) {
    return "Le fichier " + fileName +
           " ne peut pas \u00EAtre lu : il est laiss\u00E9 tel quel et sera repris d\u00E8s "
           "qu'il pourra l'\u00EAtre.";
}

} // namespace orvane
