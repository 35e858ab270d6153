#include "app/qt_prompts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace quorvex {
namespace {

// Answers every box with `answer` instead of showing it, and keeps what was asked.
struct Scripted {
    std::vector<QString> texts;
    std::vector<QMessageBox::Icon> icons;
    std::vector<QMessageBox::StandardButton> defaults;
    QMessageBox::StandardButton answer = QMessageBox::No;
    int operator()(QMessageBox& box) {
        texts.push_back(box.text());
        icons.push_back(box.icon());
        defaults.push_back(box.standardButton(box.defaultButton()));
        return answer;
    }
};

TEST(QtPromptsTest, BoxesCarryTitleTextButtonsDefaultAndIcon) {
    QtPrompts prompts(nullptr);
    MessageRequest error{"Please choose", MessageButtons::Ok, MessageIcon::Error};
    auto box = prompts.buildMessageBox(error);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorvex"));
    EXPECT_EQ(box->text(), QStringLiteral("Please choose"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);

    MessageRequest confirm{"Are you sure?", MessageButtons::YesNo, MessageIcon::None};
    box = prompts.buildMessageBox(confirm);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::Yes);

    MessageRequest defaultNo{"Really?", MessageButtons::YesNo, MessageIcon::Question, true};
    box = prompts.buildMessageBox(defaultNo);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
}

TEST(QtPromptsTest, AnswersMapToTheProgramsAnswers) {
    QtPrompts prompts(nullptr);
    Scripted script;
    prompts.setRunner([&](QMessageBox& box) { return script(box); });
    MessageRequest confirm{"?", MessageButtons::YesNo, MessageIcon::None};
    script.answer = QMessageBox::Yes;
    EXPECT_EQ(prompts.showMessage(confirm), MessageAnswer::Yes);
    script.answer = QMessageBox::No;
    EXPECT_EQ(prompts.showMessage(confirm), MessageAnswer::No);
    script.answer = QMessageBox::Ok;
    EXPECT_EQ(prompts.showMessage({"!", MessageButtons::Ok, MessageIcon::Error}),
              MessageAnswer::Ok);
}

// Outside Windows the values go to a file for Windows: no restart of this computer applies
// them, so even a command that asked for one would show nothing.
TEST(QtPromptsTest, ARestartIsNeverOffered) {
    QtPrompts prompts(nullptr);
    Scripted script;
    script.answer = QMessageBox::Yes;
    prompts.setRunner([&](QMessageBox& box) { return script(box); });
    prompts.offerRestart();
    EXPECT_TRUE(script.texts.empty());
}

}  // namespace
}  // namespace quorvex
