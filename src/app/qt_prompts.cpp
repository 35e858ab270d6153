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

QtPrompts::QtPrompts(QWidget* parent)
    : parent_(parent), runner_([](QMessageBox& box) { return box.exec(); }) {}

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

}  // namespace quorvex
