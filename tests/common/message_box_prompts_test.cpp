// The program's messages as the player meets them: real Qt message boxes, answered by clicking.
#include "common/message_box_prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace orvane::test {
namespace {

struct ShownBox {
    QString text, caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    int width;
};

// Shows `prompt`, notes what the box shows, then presses `answer` (or the close box when none)
// and returns what the program got back.
PromptAnswer ShowAndAnswer(const Prompt& prompt, std::optional<QMessageBox::StandardButton> answer,
                           ShownBox& shown) {
    QTimer::singleShot(0, [&shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                 box->width()};
        if (answer)
            QTest::mouseClick(box->button(*answer), Qt::LeftButton);
        else
            box->close();
    });
    MessageBoxPrompts prompts;
    return prompts.ask(prompt);
}

TEST(MessageBoxPrompts, ShowTheTextCaptionIconAndButtonsAndReturnTheButtonPressed) {
    using B = QMessageBox;
    const struct {
        Prompt prompt;
        std::optional<QMessageBox::StandardButton> pressed;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        PromptAnswer answer;
    } cases[] = {
        {{"Incorrect Selection", "Problem !!", PromptIcon::Exclamation, PromptButtons::Ok, false},
         B::Ok,
         B::Warning,
         B::Ok,
         PromptAnswer::Ok},
        {{"Please insert next ticket and press OK", "Tickets printing", PromptIcon::Question,
          PromptButtons::OkCancel, false},
         B::Ok,
         B::Question,
         B::Ok | B::Cancel,
         PromptAnswer::Ok},
        {{"Please insert next ticket and press OK", "Tickets printing", PromptIcon::Question,
          PromptButtons::OkCancel, false},
         B::Cancel,
         B::Question,
         B::Ok | B::Cancel,
         PromptAnswer::Cancel},
        {{"Please insert next ticket and press OK", "Tickets printing", PromptIcon::Question,
          PromptButtons::OkCancel, false},
         std::nullopt,
         B::Question,
         B::Ok | B::Cancel,
         PromptAnswer::Cancel},
        {{"Continuer quand même ?", "Fichier existant !!", PromptIcon::None, PromptButtons::YesNo,
          false},
         B::Yes,
         B::NoIcon,
         B::Yes | B::No,
         PromptAnswer::Yes},
        {{"Continuer quand même ?", "Fichier existant !!", PromptIcon::None, PromptButtons::YesNo,
          false},
         B::No,
         B::NoIcon,
         B::Yes | B::No,
         PromptAnswer::No},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prompt.caption + " answered " +
                     (c.pressed ? std::to_string(*c.pressed) : std::string("by the close box")));
        ShownBox shown{};
        EXPECT_EQ(ShowAndAnswer(c.prompt, c.pressed, shown), c.answer);
        EXPECT_EQ(shown.text.toStdString(), c.prompt.text);
        EXPECT_EQ(shown.caption.toStdString(), c.prompt.caption);
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(shown.buttons, c.buttons);
    }
}

TEST(MessageBoxPrompts, AShortTextStillLeavesRoomForTheWholeCaption) {
    ShownBox shown{};
    ShowAndAnswer({"Il y a eu un problème", "Fichier non sauvegardé !!", PromptIcon::None,
                   PromptButtons::Ok, true},
                  QMessageBox::Ok, shown);
    const int captionWidth =
        QFontMetrics(QApplication::font("QMessageBox")).horizontalAdvance(shown.caption);
    EXPECT_GE(shown.width, captionWidth + 100);
}

} // namespace
} // namespace orvane::test
