#include "gamefiles/game_file_flows.h"

#include "common/prompts.h"
#include "gamefiles/game_file.h"
#include "gamefiles/game_file_chooser.h"
#include "gamefiles/game_file_wheel.h"
#include "playerdata/player_database.h"
#include "wheels/system_list.h"

#include <filesystem>

namespace orvane {

namespace {

Prompt problem(const char* text) {
    return {text, "Problème !!", PromptIcon::None, PromptButtons::Ok, false};
}

Prompt OverwriteQuestion() {
    return {"Continuer quand même ?", "Fichier existant !!", PromptIcon::None, PromptButtons::YesNo,
            false};
}

} // namespace

bool IsUsableGameFileName(const std::string& name) {
    // Wildcards are letters like any other in a file's name; only a path is not one name.
    return !name.empty() && name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

std::string GameFilePath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::optional<std::string> SaveGame(GameRecordBuffer& record, const SelectionGrid& grid,
                                    const SystemList& list, GameFileChooser& chooser,
                                    Prompts& prompts) {
    chooser.setCaption("Save file");
    chooser.setNameReadOnly(false);
    chooser.setNameText("*");
    chooser.showModal();
    if (!chooser.chosen())
        return std::nullopt;

    // The mask the name field starts with is no name the player gave.
    const std::string name = chooser.nameText();
    if (chooser.nameIsUntouchedMask() || !IsUsableGameFileName(name)) {
        prompts.ask(SaveFailedPrompt());
        return std::nullopt;
    }
    const std::string path = GameFilePath(chooser.folder(), name);
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status) &&
        prompts.ask(OverwriteQuestion()) != PromptAnswer::Yes)
        return std::nullopt;

    record.fill(list.chosenPosition(), grid);
    std::vector<std::uint8_t> wheel;
    if (const PlayerWheel* chosen = ShelvedPlayerWheel(CurrentSystemIndex(list)))
        wheel = EncodeCarriedWheel(*chosen);
    if (!WriteGameFile(path, record.bytes(), wheel)) {
        prompts.ask(SaveFailedPrompt());
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> LoadGame(GameRecordBuffer& record, SelectionGrid& grid, SystemList& list,
                                    GameFileChooser& chooser, Prompts& prompts,
                                    PlayerWheelStore* wheels) {
    chooser.setCaption("Select the file to load");
    chooser.setNameReadOnly(true);
    chooser.setNameText("*");
    chooser.showModal();
    if (!chooser.chosen())
        return std::nullopt;

    const std::string name = chooser.nameText();
    if (!IsUsableGameFileName(name)) {
        prompts.ask(problem("Fichier inexistant"));
        return std::nullopt;
    }
    const std::string path = GameFilePath(chooser.folder(), name);
    if (!LoadGameFile(record, grid, list, path, prompts, wheels))
        return std::nullopt;
    return path;
}

bool LoadGameFile(GameRecordBuffer& record, SelectionGrid& grid, SystemList& list,
                  const std::string& path, Prompts& prompts, PlayerWheelStore* wheels) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (path.empty() || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) {
        prompts.ask(problem("Fichier inexistant"));
        return false;
    }
    // A FIFO or a device is there but is no file that can be read.
    const std::optional<GameFileBytes> read = ReadGameFile(path);
    if (!read) {
        prompts.ask(problem("Erreur à la lecture du fichier"));
        return false;
    }
    GameRecordBuffer readRecord;
    readRecord.replace(read->record);
    if (!readRecord.hasMagic()) {
        record.replace(read->record);
        prompts.ask(problem("Ce n'est pas un fichier grille"));
        return false;
    }
    const CarriedWheel carried = DecodeCarriedWheel(read->afterRecord);
    if (carried.kind == CarriedWheel::Kind::Damaged) {
        prompts.ask(problem("La roue jointe à ce fichier est endommagée : rien n'a été chargé"));
        return false;
    }
    int wheelIndex = 0;
    if (carried.kind == CarriedWheel::Kind::Wheel && wheels) {
        const PlayerWheelStore::Kept kept = wheels->keep(carried.name, carried.design);
        if (kept.problem != DatabaseProblem::None) {
            prompts.ask(
                problem(DatabaseProblemText(kept.problem, kPlayerDatabaseFileName).c_str()));
            return false;
        }
        wheelIndex = kept.index;
        list.refreshPlayerWheels();
    }
    record.replace(read->record);

    // A position outside the list would leave no system chosen; the current choice stays then.
    const int position = wheelIndex ? list.positionOfSystem(wheelIndex) : record.systemPosition();
    if (position >= 0 && position < list.size())
        list.choose(position);
    record.copyCellsInto(grid);
    return true;
}

} // namespace orvane
