#pragma once
// The program icon and the pictures shared by its windows, drawn by the program.

#include <QIcon>
#include <QPixmap>

namespace orvane {

// A transparent picture to draw a glyph on.
QPixmap BlankPicture(int width, int height);

// Drawn when the program is built and kept in it (common/kept_picture.h); the Draw functions
// draw them afresh.
QPixmap TitlePicture(); // 352 x 47
QPixmap DrawTitlePicture();
QPixmap InformationGlyph(); // for the about-box button
QPixmap DrawInformationGlyph();
QPixmap HelpGlyph(); // for the help button
QPixmap DrawHelpGlyph();

QPixmap ReturnGlyph(); // 32 x 32, a bent arrow pointing back
QPixmap CrossGlyph();  // 24 x 24, a red cross: cancel
QPixmap TickGlyph();   // 24 x 24, a green tick: go ahead

// The program icon drawn at size x size: the window shows it, the desktop's icon theme gets it.
QPixmap ProgramIconPicture(int size);
// The sizes the window's icon holds, each kept as the title is.
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128};
QIcon ProgramIcon();

} // namespace orvane
