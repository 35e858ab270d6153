#include "app/start_up.h"

namespace quorvex {

StartUp::StartUp(WindowModel& model, EventPump& pump, Form1Actions actions, ControlFactory factory,
                 SplashTimings timings)
    : model_(model), pump_(pump), actions_(std::move(actions)), factory_(std::move(factory)) {
    splash_ = std::make_unique<frmSplash>([this]() -> Form1& { return createdMainWindow(); }, pump_,
                                          timings);
}

// The splash goes first: the main window's unload closes it if it is still open.
StartUp::~StartUp() {
    splash_.reset();
    form_.reset();
}

Form1& StartUp::createdMainWindow() {
    if (!form_) {
        form_ = std::make_unique<Form1>(model_, pump_, actions_, factory_);
        form_->setSplash(splash_.get());
        form_->load();
    }
    return *form_;
}

}  // namespace quorvex
