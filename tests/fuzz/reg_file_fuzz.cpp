// A registry store file as a damaged disk or a hostile user may leave it. Whatever parses must
// write back to text that parses to the same data and writes to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tuning/reg_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = quorvex::parseRegFile(text);
    if (!parsed) return 0;
    const std::string written = quorvex::formatRegFile(*parsed);
    const auto reparsed = quorvex::parseRegFile(written);
    if (!reparsed || !(*reparsed == *parsed)) std::abort();
    if (quorvex::formatRegFile(*reparsed) != written) std::abort();
    return 0;
}
