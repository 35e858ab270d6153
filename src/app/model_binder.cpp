#include "app/model_binder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

#include "model/control_model.h"

namespace quorvex {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ModelBinder::ModelBinder(ControlModel& model, QObject* parent)
    : QObject(parent), bindings_(model) {}

QRadioButton* ModelBinder::option(const std::string& name, const QString& caption,
                                  QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(qs(name));
    // The model keeps the group exclusive; the button only mirrors it.
    button->setAutoExclusive(false);
    QPointer<QRadioButton> guard(button);
    auto click = bindings_.bindOption(name, [guard](bool checked) {
        if (guard) guard->setChecked(checked);
    });
    connect(button, &QRadioButton::clicked, this, std::move(click));
    return button;
}

QComboBox* ModelBinder::list(const std::string& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(qs(name));
    combo->setEditable(false);
    for (const auto& entry : bindings_.model().listEntries(name)) combo->addItem(qs(entry));
    QPointer<QComboBox> guard(combo);
    auto pick = bindings_.bindList(name, [guard](int index) {
        if (guard) guard->setCurrentIndex(index);
    });
    connect(combo, &QComboBox::activated, this, [guard, pick = std::move(pick)](int index) {
        if (guard) pick(index, guard->itemText(index).toStdString());
    });
    return combo;
}

void ModelBinder::bindText(const std::string& element, QLabel* label) {
    QPointer<QLabel> guard(label);
    bindings_.bindAnnouncedText(element, [guard](const std::string& text) {
        if (guard) guard->setText(qs(text));
    });
}

void ModelBinder::bindText(const std::string& element, QPlainTextEdit* text) {
    QPointer<QPlainTextEdit> guard(text);
    bindings_.bindText(element, [guard](const std::string& value) {
        if (guard && guard->toPlainText() != qs(value)) guard->setPlainText(qs(value));
    });
}

void ModelBinder::bindVisible(const std::string& element, QWidget* widget) {
    QPointer<QWidget> guard(widget);
    bindings_.bindVisible(
        element, [guard] { return guard && !guard->isHidden(); },
        [guard](bool visible) {
            if (guard) guard->setVisible(visible);
        });
}

void ModelBinder::bindEnabled(const std::string& element, QWidget* widget) {
    QPointer<QWidget> guard(widget);
    bindings_.bindEnabled(
        element, [guard] { return guard && guard->isEnabled(); },
        [guard](bool enabled) {
            if (guard) guard->setEnabled(enabled);
        });
}

}  // namespace quorvex
