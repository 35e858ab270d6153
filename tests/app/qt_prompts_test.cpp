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
    QtPrompts prompts(nullptr, [] { return QString(); });
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

TEST(QtPromptsTest, RestartRunsOnlyOnYesAndAFailedRequestIsShown) {
    int requests = 0;
    QString failure;
    QtPrompts prompts(nullptr, [&] {
        ++requests;
        return failure;
    });
    Scripted script;
    prompts.setRunner([&](QMessageBox& box) { return script(box); });

    script.answer = QMessageBox::No;
    prompts.offerRestart();
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(script.texts.size(), 1u);

    script.answer = QMessageBox::Yes;
    prompts.offerRestart();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(script.texts.size(), 2u);  // accepted: nothing more to say

    failure = QStringLiteral("Access denied");
    prompts.offerRestart();
    EXPECT_EQ(requests, 2);
    ASSERT_EQ(script.texts.size(), 4u);
    EXPECT_TRUE(script.texts[3].contains(QStringLiteral("could not be restarted")));
    EXPECT_TRUE(script.texts[3].contains(QStringLiteral("Access denied")));
    EXPECT_EQ(script.icons[3], QMessageBox::Critical);
}

}  // namespace
}  // namespace quorvex
