#pragma once
// The main window's pictures and the program icon, drawn by the program.

#include <QIcon>
#include <QPixmap>

namespace orvane {

QPixmap TitlePicture();     // 352 x 47
QPixmap InformationGlyph(); // for the about-box button
QPixmap HelpGlyph();        // for the help button
QIcon ProgramIcon();

} // namespace orvane
