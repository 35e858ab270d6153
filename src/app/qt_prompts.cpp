#include "app/qt_prompts.h"

#include <QMessageBox>

namespace quorvex {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtPrompts::QtPrompts(QWidget* parent, RestartAction restart)
    : parent_(parent),
      restart_(std::move(restart)),
      runner_([](QMessageBox& box) { return box.exec(); }) {}

std::unique_ptr<QMessageBox> QtPrompts::buildMessageBox(const MessageRequest& request) const {
    auto box = std::make_unique<QMessageBox>(parent_);
    box->setWindowTitle(QString::fromStdString(request.title));
    box->setText(QString::fromStdString(request.text));
    box->setIcon(toQt(request.icon));
    if (request.buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(request.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    return box;
}

MessageAnswer QtPrompts::showMessage(const MessageRequest& request) {
    auto box = buildMessageBox(request);
    switch (runner_(*box)) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Closed;
    }
}

MessageRequest QtPrompts::restartRequest() {
    MessageRequest request;
    request.text = kRestartQuestion;
    request.buttons = MessageButtons::YesNo;
    request.icon = MessageIcon::Question;
    request.defaultNo = true;
    return request;
}

MessageRequest QtPrompts::restartFailedRequest(const QString& reason) {
    MessageRequest request;
    request.text = "The computer could not be restarted";
    if (!reason.isEmpty()) request.text += ": " + reason.toStdString();
    request.text += ". Please restart it yourself for the new settings to take effect.";
    request.icon = MessageIcon::Error;
    return request;
}

void QtPrompts::offerRestart() {
    if (showMessage(restartRequest()) != MessageAnswer::Yes) return;
    RefusalHandler onRefused = [this, alive = std::weak_ptr<int>(alive_)](const QString& reason) {
        if (alive.lock()) showMessage(restartFailedRequest(reason));
    };
    if (!restart_) {
        onRefused(QStringLiteral("no restart is possible here"));
        return;
    }
    restart_(std::move(onRefused));
}

}  // namespace quorvex
