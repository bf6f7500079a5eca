#include "output/pdf_file_messages.h"

namespace orvane {

namespace {

// File messages are in French, as the game file and parameters file messages are.
const char* Reason(WriteFailure failure) {
    switch (failure) {
    case WriteFailure::NotRegularFile:
        return "Ce nom est celui d'un dossier ou d'un fichier spécial.";
    case WriteFailure::NotWritable:
        return "Vous n'avez pas le droit d'écrire à cet endroit.";
    case WriteFailure::FolderMissing:
        return "Le dossier n'existe pas.";
    case WriteFailure::BrokenLink:
        return "Un lien symbolique du chemin ne mène nulle part.";
    case WriteFailure::WriteFailed:
        return "Le disque est plein ou a refusé l'écriture.";
    case WriteFailure::None:
        break;
    }
    return "Le document PDF n'a pas pu être préparé.";
}

} // namespace

Prompt PdfNotSavedPrompt(const std::string& path, WriteFailure failure) {
    return {"Le fichier PDF n'a pas été enregistré :\n" + path + "\n" + Reason(failure) +
                "\nUn fichier qui portait déjà ce nom est resté tel qu'il était.",
            "Fichier non sauvegardé !!", PromptIcon::Exclamation, PromptButtons::Ok, true};
}

} // namespace orvane
