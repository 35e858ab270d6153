#include "app/program.h"

#include "app/qt_number_locale.h"

namespace quorvex {

Program::Program(ShellParts parts, ControlFactory factory, ShellTimings timings)
    : frontEnd_(std::move(factory)), shell_(parts, frontEnd_, timings) {
    shell_.setNumberLocale(NumberLocaleFrom());
}

void Program::setMainWindowCreated(std::function<void(Form1&)> hook) {
    shell_.setMainWindowCreated([this, hook = std::move(hook)](MainWindow&) {
        if (hook && frontEnd_.mainWindow()) hook(*frontEnd_.mainWindow());
    });
}

}  // namespace quorvex
