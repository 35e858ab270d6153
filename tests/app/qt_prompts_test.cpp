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
    QtPrompts prompts(nullptr, [](QtPrompts::RefusalHandler) {});
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

    box = prompts.buildMessageBox(QtPrompts::restartRequest());
    EXPECT_EQ(box->text(), QStringLiteral("The new settings take effect after a restart. Restart "
                                          "the computer now?"));
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
}

TEST(QtPromptsTest, AnswersMapToTheProgramsAnswers) {
    QtPrompts prompts(nullptr, {});
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

TEST(QtPromptsTest, RestartRunsOnlyOnYesAndReturnsBeforeItsAnswer) {
    std::vector<QtPrompts::RefusalHandler> requests;
    QtPrompts prompts(nullptr, [&](QtPrompts::RefusalHandler onRefused) {
        requests.push_back(std::move(onRefused));
    });
    Scripted script;
    prompts.setRunner([&](QMessageBox& box) { return script(box); });

    script.answer = QMessageBox::No;
    prompts.offerRestart();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(script.texts.size(), 1u);

    // The request is on its way; the window goes on and nothing more is said.
    script.answer = QMessageBox::Yes;
    prompts.offerRestart();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(script.texts.size(), 2u);

    // A refusal that arrives later is shown then.
    script.answer = QMessageBox::Ok;
    requests[0](QStringLiteral("Access denied"));
    ASSERT_EQ(script.texts.size(), 3u);
    EXPECT_TRUE(script.texts[2].contains(QStringLiteral("could not be restarted")));
    EXPECT_TRUE(script.texts[2].contains(QStringLiteral("Access denied")));
    EXPECT_EQ(script.icons[2], QMessageBox::Critical);
}

TEST(QtPromptsTest, ARefusalAfterThePromptsAreGoneIsDropped) {
    QtPrompts::RefusalHandler late;
    Scripted script;
    {
        QtPrompts prompts(
            nullptr, [&](QtPrompts::RefusalHandler onRefused) { late = std::move(onRefused); });
        script.answer = QMessageBox::Yes;
        prompts.setRunner([&](QMessageBox& box) { return script(box); });
        prompts.offerRestart();
    }
    ASSERT_TRUE(late);
    late(QStringLiteral("Access denied"));
    EXPECT_EQ(script.texts.size(), 1u);
}

TEST(QtPromptsTest, WithoutARestartActionTheBoxSaysSo) {
    QtPrompts prompts(nullptr, {});
    Scripted script;
    script.answer = QMessageBox::Yes;
    prompts.setRunner([&](QMessageBox& box) { return script(box); });
    prompts.offerRestart();
    ASSERT_EQ(script.texts.size(), 2u);
    EXPECT_TRUE(script.texts[1].contains(QStringLiteral("could not be restarted")));
}

}  // namespace
}  // namespace quorvex
