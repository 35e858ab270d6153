#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace quorvex {

class ControlModel;

// Keeps widgets and the display-free control model in step, both ways: a click or a list pick
// is forwarded to the model (which runs the handler), and every change the model announces is
// shown by the widgets bound to that element.
class ModelBinder : public QObject {
    Q_OBJECT
  public:
    ModelBinder(ControlModel& model, QObject* parent = nullptr);
    ~ModelBinder() override;

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
    void onAnyChange(std::function<void()> callback);

    // Brings every bound widget in line with the model (after changes the model did not announce).
    void refreshAll();

  private:
    void changed(const std::string& element);
    void add(const std::string& element, std::function<void()> refresh, bool onRefreshAll = true);

    struct Binding {
        std::function<void()> refresh;
        bool onRefreshAll;
    };
    ControlModel& model_;
    int token_ = 0;
    std::multimap<std::string, Binding> bindings_;
    std::vector<std::function<void()>> anyChange_;
};

}  // namespace quorvex
