#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/control_model.h"
#include "tuning/connection_catalogue.h"
#include "tuning/tuning_state.h"

namespace quorvex {

// Names of the main window's lists and option groups.
namespace names {
inline constexpr const char* kConnectionList = "Combo3";
inline constexpr const char* kQosList = "QOS";
inline constexpr const char* kHttp10List = "Combo1";
inline constexpr const char* kHttp11List = "Combo2";
inline constexpr const char* kConnectionGroup = "Connection";
// The receive window the chosen connection sets, as the window shows it.
inline constexpr const char* kRwinValue = "RwinValue";
}  // namespace names

// The main window's controls and TuningState, with the choice handlers that keep the
// connection list and the connection option controls showing the same entry.
class WindowModel {
  public:
    WindowModel();
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    ControlModel& controls() { return controls_; }
    const ControlModel& controls() const { return controls_; }
    TuningState& state() { return state_; }
    const TuningState& state() const { return state_; }

    // Called with a handler's name each time one runs ("Combo3", "Option13", "TTL64"...).
    void setHandlerTrace(std::function<void(std::string_view)> trace) { trace_ = std::move(trace); }

    // Brings the kRwinValue text in line with TuningState (after a change nobody announced).
    void showRwin();

    // The entry whose full name the connection list shows, or nullptr.
    const ConnectionType* selectedConnection() const;

  private:
    void build();
    void declareFrame();
    void onConnectionOption(const ConnectionType& entry);
    void onConnectionList();
    void traced(std::string_view handler);

    ControlModel controls_;
    TuningState state_;
    std::function<void(std::string_view)> trace_;
};

}  // namespace quorvex
