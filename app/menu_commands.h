#pragma once
// The commands of the main window's menus, each with its object name, text and key together: an
// item is built from its command, so it cannot lose its key to a misspelt name, nor take another
// item's.

#include <QKeyCombination>
#include <QKeySequence>

namespace orvane {

struct MenuCommand {
    const char* name; // the object name the window was designed with
    const char* text;
    // The platform's own key for what the command does, where the platform names one.
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    // The program's key, where the platform has none.
    QKeyCombination ownKey = Qt::Key_unknown;

    QKeySequence keys() const {
        const bool platformHasOne = standardKey != QKeySequence::UnknownKey &&
                                    !QKeySequence::keyBindings(standardKey).isEmpty();
        if (platformHasOne || ownKey.key() == Qt::Key_unknown)
            return QKeySequence(standardKey);
        return QKeySequence(ownKey);
    }
};

namespace commands {

// Files
inline constexpr MenuCommand kLoadGame{
    .name = "Chargerbulletin1", .text = "Load game", .standardKey = QKeySequence::Open};
inline constexpr MenuCommand kSaveGame{
    .name = "EnregistrerBulletin1", .text = "Save game", .standardKey = QKeySequence::Save};
// Where the platform names no key to quit (Windows), Ctrl+Q as on the others.
inline constexpr MenuCommand kQuit{.name = "mQuitter1",
                                   .text = "Quit",
                                   .standardKey = QKeySequence::Quit,
                                   .ownKey = Qt::CTRL | Qt::Key_Q};
// Utilize
inline constexpr MenuCommand kViewBoards{
    .name = "mVoirlesbulletins1", .text = "View the boards", .ownKey = Qt::CTRL | Qt::Key_B};
inline constexpr MenuCommand kListBoards{
    .name = "mVoirlalistedesbulletins1", .text = "List of boards", .ownKey = Qt::CTRL | Qt::Key_L};
inline constexpr MenuCommand kCompare{.name = "mCompareraveclesrsultats1",
                                      .text = "Compare with the results",
                                      .ownKey = Qt::CTRL | Qt::Key_R};
inline constexpr MenuCommand kPrintTickets{.name = "Imprimerlesbulletins1",
                                           .text = "Print the tickets",
                                           .standardKey = QKeySequence::Print};
inline constexpr MenuCommand kWheelProfile{
    .name = "mProfil1", .text = "Wheel profile", .ownKey = Qt::CTRL | Qt::SHIFT | Qt::Key_W};
inline constexpr MenuCommand kDrawHistory{
    .name = "mHistorique1", .text = "Draw history", .ownKey = Qt::CTRL | Qt::Key_H};
inline constexpr MenuCommand kMakeWheel{
    .name = "mRoue1", .text = "Make a wheel", .ownKey = Qt::CTRL | Qt::Key_M};
// Options
inline constexpr MenuCommand kParameters{.name = "Paramtres1",
                                         .text = "Parameters",
                                         .standardKey = QKeySequence::Preferences,
                                         .ownKey = Qt::CTRL | Qt::Key_Comma};
inline constexpr MenuCommand kPrinterTestSheet{.name = "Testimprimante1",
                                               .text = "Printer test sheet",
                                               .ownKey = Qt::CTRL | Qt::SHIFT | Qt::Key_T};
// Help
inline constexpr MenuCommand kHelp{
    .name = "Aideenligne1", .text = "Help", .standardKey = QKeySequence::HelpContents};
inline constexpr MenuCommand kInfos{
    .name = "Infos1", .text = "Infos", .ownKey = Qt::CTRL | Qt::Key_I};

} // namespace commands

} // namespace orvane
