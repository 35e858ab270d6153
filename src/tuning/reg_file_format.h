#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tuning/registry_data.h"

namespace quorvex {

// The text format the Windows registry editor imports ("REGEDIT4"), so a store written on
// another system can be carried to Windows and merged there. Lines end in CR LF. A key without
// values is named only where naming a key below it would not create it (the registry editor
// creates every missing key on a path), so the text grows linearly with the store.
std::string formatRegFile(const RegistryData& data);
// Text in double quotes with backslashes and quotes escaped, as .reg files write names and
// strings.
std::string regQuoted(std::string_view text);
// The same, or nothing when the text would be longer than `maxBytes`.
std::optional<std::string> formatRegFile(const RegistryData& data, std::size_t maxBytes);

// Reads what formatRegFile writes (LF or CR LF, comments and blank lines allowed, a hex list
// continued over several lines); nothing for text that is not such a file or that names a key
// the registry could not hold (see validKeyPath). Time and memory grow linearly with the text.
std::optional<RegistryData> parseRegFile(std::string_view text);

}  // namespace quorvex
