#include "app/model_binder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

#include "model/control_model.h"

namespace quorvex {

ModelBinder::ModelBinder(ControlModel& model, QObject* parent) : QObject(parent), model_(model) {
    token_ = model_.subscribe([this](const std::string& element) { changed(element); });
}

ModelBinder::~ModelBinder() {
    model_.unsubscribe(token_);
}

void ModelBinder::add(const std::string& element, std::function<void()> refresh,
                      bool onRefreshAll) {
    refresh();
    bindings_.emplace(element, Binding{std::move(refresh), onRefreshAll});
}

QRadioButton* ModelBinder::option(const std::string& name, const QString& caption,
                                  QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromStdString(name));
    // The model keeps the group exclusive; the button only mirrors it.
    button->setAutoExclusive(false);
    QPointer<QRadioButton> guard(button);
    auto sync = [this, guard, name] {
        if (guard) guard->setChecked(model_.option(name));
    };
    connect(button, &QRadioButton::clicked, this, [this, name, sync] {
        model_.setOption(name, true);
        sync();  // a click on the selected button announces nothing, but must stay checked
    });
    add(name, sync);
    return button;
}

QComboBox* ModelBinder::list(const std::string& name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromStdString(name));
    combo->setEditable(false);
    for (const auto& entry : model_.listEntries(name))
        combo->addItem(QString::fromStdString(entry));
    QPointer<QComboBox> guard(combo);
    auto sync = [this, guard, name] {
        if (guard) guard->setCurrentIndex(model_.listIndex(name));
    };
    connect(combo, &QComboBox::activated, this, [this, guard, name, sync](int index) {
        if (!guard || index < 0) return;
        model_.setListText(name, guard->itemText(index).toStdString());
        sync();
    });
    add(name, sync);
    return combo;
}

void ModelBinder::bindText(const std::string& element, QLabel* label) {
    QPointer<QLabel> guard(label);
    // Only announced texts are shown: until then the label keeps the text it was made with.
    bindings_.emplace(element,
                      Binding{[this, guard, element] {
                                  if (guard)
                                      guard->setText(QString::fromStdString(model_.text(element)));
                              },
                              false});
}

void ModelBinder::bindText(const std::string& element, QPlainTextEdit* text) {
    QPointer<QPlainTextEdit> guard(text);
    add(element, [this, guard, element] {
        if (!guard) return;
        const QString value = QString::fromStdString(model_.text(element));
        if (guard->toPlainText() != value) guard->setPlainText(value);
    });
}

void ModelBinder::bindVisible(const std::string& element, QWidget* widget) {
    QPointer<QWidget> guard(widget);
    add(element, [this, guard, element] {
        if (guard) guard->setVisible(model_.visible(element, !guard->isHidden()));
    });
}

void ModelBinder::bindEnabled(const std::string& element, QWidget* widget) {
    QPointer<QWidget> guard(widget);
    add(element, [this, guard, element] {
        if (guard) guard->setEnabled(model_.enabled(element, guard->isEnabled()));
    });
}

void ModelBinder::onAnyChange(std::function<void()> callback) {
    callback();
    anyChange_.push_back(std::move(callback));
}

void ModelBinder::changed(const std::string& element) {
    auto [first, last] = bindings_.equal_range(element);
    for (auto it = first; it != last; ++it) it->second.refresh();
    for (const auto& callback : anyChange_) callback();
}

void ModelBinder::refreshAll() {
    for (const auto& [element, binding] : bindings_)
        if (binding.onRefreshAll) binding.refresh();
    for (const auto& callback : anyChange_) callback();
}

}  // namespace quorvex
