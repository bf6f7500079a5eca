#pragma once
// Saving the selection and the chosen system to a game file, and loading them back, through the
// file chooser and the message boxes.

#include <optional>
#include <string>

namespace orvane {

class GameFileChooser;
class GameRecordBuffer;
class PlayerWheelStore;
class Prompts;
class SelectionGrid;
class SystemList;

// Writes the grid and the chosen list position to the file the player names, through `record`,
// followed by the chosen system when it is one of the player's wheels (game_file_wheel.h).
// Failures are reported with the save-failure message, and so is the name field's untouched mask;
// an existing file is replaced only on Yes and survives a failed write. Gives the path written,
// nothing when no file was.
std::optional<std::string> SaveGame(GameRecordBuffer& record, const SelectionGrid& grid,
                                    const SystemList& list, GameFileChooser& chooser,
                                    Prompts& prompts);

// Replaces the grid, and the chosen entry when the file names one in the list, by the file the
// player picks, read into `record`. A file that carries a wheel adds it to the player's wheels in
// `wheels` (once: a wheel kept already is found again), lists it and chooses it; a carried wheel
// that is damaged loads nothing and says so. Gives the path loaded when the selection changed; on
// nothing, nothing did.
std::optional<std::string> LoadGame(GameRecordBuffer& record, SelectionGrid& grid, SystemList& list,
                                    GameFileChooser& chooser, Prompts& prompts,
                                    PlayerWheelStore* wheels = nullptr);

// The same as LoadGame from the file at `path`, named without the chooser (on the command line,
// dropped on the window, picked among the recent games), with the same messages.
bool LoadGameFile(GameRecordBuffer& record, SelectionGrid& grid, SystemList& list,
                  const std::string& path, Prompts& prompts, PlayerWheelStore* wheels = nullptr);

// A name the player may save to or load from: not empty and no folder in it. Wildcard characters
// are part of the name.
bool IsUsableGameFileName(const std::string& name);

// The chooser's folder joined with the name.
std::string GameFilePath(const std::string& folder, const std::string& name);

} // namespace orvane
