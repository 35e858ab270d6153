#pragma once

namespace quorvex {

class Clock;
class EventPump;
class Locations;
class Prompts;
class RegistryBackend;
class SettingsStorage;

// Every part of the outside world the commands and the window reach, listed once: main() hands
// in the real ones, tests fakes and temporary stores, so nothing of theirs reaches the real
// system.
struct OutsideWorld {
    RegistryBackend& registry;
    SettingsStorage& settings;
    Prompts& prompts;
    EventPump& events;
    const Locations& locations;
    const Clock& clock;
};

}  // namespace quorvex
