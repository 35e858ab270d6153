// The settings file: whatever parses must write back to text that parses to the same sections.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parsed =
        quorvex::parseIniText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed) return 0;
    const std::string written = quorvex::formatIniText(*parsed);
    const auto reparsed = quorvex::parseIniText(written);
    if (!reparsed || *reparsed != *parsed) std::abort();
    return 0;
}
