#include "undo/record_put_back.h"

#include <string>
#include <utility>

#include "commands/command_context.h"
#include "tuning/registry_batch.h"
#include "undo/registry_values.h"

namespace quorvex::undo {

std::vector<RefusedValue> putValuesBack(RegistryBackend& registry, const ChangeRecord& record,
                                        ValueWriteObserver* observer) {
    // One transaction where the backend keeps one: a crash leaves the record's state or none of it.
    RegistryBatch batch(registry);
    std::vector<RefusedValue> refused;
    std::vector<std::string> names;
    for (const auto& value : record.values) {
        const ValueAddress& address = value.address;
        RegistryFailure why{{}, "the value could not be prepared", 0};
        bool done = false;
        if (observer)
            runStep(
                [&] { observer->beforeWrite(address.hive, address.keyPath, address.valueName); });
        runStep([&] { done = putValueBack(registry, address, value.value, &why); });
        if (observer)
            runStep([&] {
                observer->afterWrite({address.hive, address.keyPath, address.valueName, value.value,
                                      done ? nullptr : &why});
            });
        if (!done) refused.push_back({address.valueName, std::move(why)});
        names.push_back(address.valueName);
    }
    commitWrites(batch, names, refused, observer);
    return refused;
}

void putSettingsBack(SettingsStorage& settings, const ChangeRecord& record) {
    for (const auto& setting : record.settings) {
        const auto& section = setting.address.section;
        const auto& key = setting.address.key;
        runStep([&] {
            if (setting.text)
                settings.write(section, key, *setting.text);
            else if (setting.other)
                settings.writeOther(section, key, {setting.other->type, setting.other->data});
            else
                settings.remove(section, key);
        });
    }
    runStep([&] { settings.flush(); });
}

}  // namespace quorvex::undo
