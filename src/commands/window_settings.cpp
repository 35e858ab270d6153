#include "commands/window_settings.h"

#include <string>

#include "commands/firefox_page.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "tuning/advanced_choices.h"

namespace quorvex {

void saveOptionStates(SettingsStorage& storage, const ControlModel& controls) {
    for (const auto& k : optionKeys())
        WriteSetting(storage, std::string(k.section), std::string(k.key),
                     encodeBool(controls.option(std::string(k.control))));
}

void saveNumberLists(SettingsStorage& storage, const ControlModel& controls) {
    for (const auto& k : numberListKeys())
        WriteSetting(storage, std::string(k.section), std::string(k.key),
                     controls.listText(std::string(k.list)));
}

void saveConnectionText(SettingsStorage& storage, const ControlModel& controls) {
    WriteSetting(storage, std::string(kConnectionListKey.section),
                 std::string(kConnectionListKey.key),
                 controls.listText(std::string(kConnectionListKey.list)));
}

void saveTuningValues(SettingsStorage& storage, const TuningState& state) {
    for (const auto& k : valueKeys())
        WriteSetting(storage, sections::kValues, std::string(k.key),
                     encodeInt(tuningFieldValue(state, k.field)));
}

namespace {

void restoreOption(ControlModel& controls, const SettingsStorage& storage, const OptionKey& k) {
    const std::string control(k.control);
    const auto value = decodeBool(
        ReadSetting(storage, std::string(k.section), std::string(k.key), controls.option(control)));
    if (value) controls.setOption(control, *value);
}

void restoreList(ControlModel& controls, const SettingsStorage& storage, const ListKey& k) {
    const std::string list(k.list);
    // A text that is not an entry of the list is refused by the list and changes nothing.
    controls.setListText(list, ReadSetting(storage, std::string(k.section), std::string(k.key),
                                           controls.listText(list)));
}

}  // namespace

void restoreWindowState(WindowModel& window, const SettingsStorage& storage) {
    ControlModel& controls = window.controls();

    // The number lists start on their "(Default)" entries.
    controls.setListText(names::kQosList, std::string(kQosMarks.byDefault));
    controls.setListText(names::kHttp10List, std::string(kHttp10Marks.byDefault));
    controls.setListText(names::kHttp11List, std::string(kHttp11Marks.byDefault));

    for (const auto& k : optionKeys()) restoreOption(controls, storage, k);

    const auto lists = numberListKeys();
    restoreList(controls, storage, lists[0]);  // Combo1
    restoreList(controls, storage, lists[1]);  // Combo2
    restoreList(controls, storage, kConnectionListKey);
    restoreList(controls, storage, lists[2]);  // QOS

    for (const auto& k : valueKeys()) {
        const auto value = decodeInt(ReadSetting(storage, sections::kValues, std::string(k.key),
                                                 tuningFieldValue(window.state(), k.field)),
                                     tuningFieldWidth(k.field));
        if (value) setTuningField(window.state(), k.field, *value);
    }

    restoreFirefoxPageState(controls, storage);
}

}  // namespace quorvex
