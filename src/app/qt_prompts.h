#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/prompts.h"

class QMessageBox;
class QWidget;

namespace quorvex {

inline constexpr const char* kRestartQuestion =
    "The new settings take effect after a restart. Restart the computer now?";

// The program's message boxes as modal QMessageBoxes titled "Quorvex", and the restart prompt
// as a Yes/No question (No is the default). The restart itself is the injected action: it
// starts the request and returns at once, and calls back with the reason only if the request
// fails; main() hands in the real one, tests a fake.
class QtPrompts : public Prompts {
  public:
    using RefusalHandler = std::function<void(const QString& reason)>;
    using RestartAction = std::function<void(RefusalHandler onRefused)>;

    QtPrompts(QWidget* parent, RestartAction restart);

    // The window the boxes belong to (made after the prompts, so it comes later).
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer showMessage(const MessageRequest& request) override;
    void offerRestart() override;

    // The box showMessage would run, built but not shown.
    std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest& request) const;
    static MessageRequest restartRequest();
    static MessageRequest restartFailedRequest(const QString& reason);

    // Runs each box instead of exec() (tests answer without showing a window).
    void setRunner(std::function<int(QMessageBox&)> runner) { runner_ = std::move(runner); }

  private:
    QWidget* parent_;
    RestartAction restart_;
    std::function<int(QMessageBox&)> runner_;
    // A refusal that arrives after these prompts are gone is dropped.
    std::shared_ptr<int> alive_ = std::make_shared<int>();
};

}  // namespace quorvex
