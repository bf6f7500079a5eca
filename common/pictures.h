#pragma once
// The program icon and the pictures shared by its windows, drawn by the program.

#include <QIcon>
#include <QPixmap>

namespace orvane {

// A transparent picture to draw a glyph on.
QPixmap BlankPicture(int width, int height);

QPixmap TitlePicture();     // 352 x 47
QPixmap InformationGlyph(); // for the about-box button
QPixmap HelpGlyph();        // for the help button
QPixmap ReturnGlyph();      // 32 x 32, a bent arrow pointing back
QPixmap CrossGlyph();       // 24 x 24, a red cross: cancel
QPixmap TickGlyph();        // 24 x 24, a green tick: go ahead

// The program icon drawn at size x size: the window shows it, the desktop's icon theme gets it.
QPixmap ProgramIconPicture(int size);
QIcon ProgramIcon();

} // namespace orvane
