#pragma once

#include <functional>
#include <memory>

#include "platform/prompts.h"

class QMessageBox;
class QWidget;

namespace quorvex {

// The program's message boxes as modal QMessageBoxes titled "Quorvex". This program keeps the
// values in a file for a Windows computer, so no restart of this one applies them: the commands
// end with a box naming the file instead, and a restart is never offered here.
class QtPrompts : public Prompts {
  public:
    explicit QtPrompts(QWidget* parent);

    // The window the boxes belong to (made after the prompts, so it comes later).
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer showMessage(const MessageRequest& request) override;
    // Does nothing: see above.
    void offerRestart() override {}

    // The box showMessage would run, built but not shown.
    std::unique_ptr<QMessageBox> buildMessageBox(const MessageRequest& request) const;

    // Runs each box instead of exec() (tests answer without showing a window).
    void setRunner(std::function<int(QMessageBox&)> runner) { runner_ = std::move(runner); }

  private:
    QWidget* parent_;
    std::function<int(QMessageBox&)> runner_;
};

}  // namespace quorvex
