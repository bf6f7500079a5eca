#include "app/message_box_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer MessageBoxPrompts::ask(const Prompt& prompt) {
    if (prompt.beepFirst)
        QApplication::beep();
    QMessageBox box(iconOf(prompt.icon), QString::fromStdString(prompt.caption),
                    QString::fromStdString(prompt.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        break;
    }
    // A box closed by its close button counts as its negative answer.
    if (prompt.buttons == PromptButtons::OkCancel && box.clickedButton() == nullptr)
        return PromptAnswer::Cancel;
    return PromptAnswer::Ok;
}

} // namespace orvane
