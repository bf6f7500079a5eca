#pragma once
// Pictures drawn when the program is built and kept inside it, so that starting the program does
// not draw them again: the title alone loads a font and shapes the outline of its letters.

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <functional>

namespace orvane {

// The picture kept under `name` (tools/pictures draws each one with the very function the
// program would call); drawn with `draw` now where the program holds no such picture.
QPixmap KeptPicture(const QString& name, const std::function<QPixmap()>& draw);

// Whether the program holds a picture kept under `name`.
bool IsKeptPicture(const QString& name);

// `picture` as the program keeps it.
QByteArray KeptPictureBytes(const QPixmap& picture);

} // namespace orvane
