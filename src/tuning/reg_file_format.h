#pragma once

#include <optional>
#include <string>

#include "tuning/registry_data.h"

namespace quorvex {

// The text format the Windows registry editor imports ("REGEDIT4"), so a store written on
// another system can be carried to Windows and merged there. Lines end in CR LF.
std::string formatRegFile(const RegistryData& data);

// Reads what formatRegFile writes (LF or CR LF, comments and blank lines allowed); nothing for
// text that is not such a file.
std::optional<RegistryData> parseRegFile(const std::string& text);

}  // namespace quorvex
