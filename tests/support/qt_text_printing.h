#pragma once
// Lets GoogleTest print Qt texts as texts when an expectation on them fails.

#include <QString>
#include <QStringList>
#include <ostream>

// Found by argument-dependent lookup, so they live in Qt's (the global) namespace.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* out) {
    *out << "{";
    for (const QString& line : lines) {
        *out << "\n  ";
        PrintTo(line, out);
    }
    *out << "\n}";
}
