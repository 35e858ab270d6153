#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "model/model_bindings.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace quorvex {

class ControlModel;

// The Qt adapter of ModelBindings: makes the option buttons and lists, and passes each widget's
// setters in, guarded against a widget that is gone.
class ModelBinder : public QObject {
    Q_OBJECT
  public:
    ModelBinder(ControlModel& model, QObject* parent = nullptr);

    // An option button of the model's option `name`; clicking it selects the option, which runs
    // the handler also when the option was selected already.
    QRadioButton* option(const std::string& name, const QString& caption, QWidget* parent);
    // A pick-only list with the model list's entries.
    QComboBox* list(const std::string& name, QWidget* parent);

    // The widget shows the element's text whenever the model changes it.
    void bindText(const std::string& element, QLabel* label);
    void bindText(const std::string& element, QPlainTextEdit* text);
    // The widget follows the element's visible / enabled flag.
    void bindVisible(const std::string& element, QWidget* widget);
    void bindEnabled(const std::string& element, QWidget* widget);
    // Runs on every change the model announces, and on refreshAll().
    void onAnyChange(std::function<void()> callback) { bindings_.onAnyChange(std::move(callback)); }

    // Brings every bound widget in line with the model (after changes the model did not announce).
    void refreshAll() { bindings_.refreshAll(); }

  private:
    ModelBindings bindings_;
};

}  // namespace quorvex
