#include "common/message_box_prompts.h"

#include <QApplication>
#include <QGridLayout>
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

// A message box is as wide as its text, and window managers cut a longer caption short
// ("Fichie…ardé !!"): a spacer as wide as the caption plus the title bar's buttons keeps it whole.
void keepCaptionVisible(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    constexpr int kTitleBarButtons = 120;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
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
    keepCaptionVisible(box);
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
