// An undo record as a damaged disk or a hostile user may leave it. Whatever parses must write
// back to text that parses again and writes to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "undo/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto parsed = quorvex::undo::parseRecordFile(text);
    if (!parsed) return 0;
    const std::string written = quorvex::undo::formatRecordFile(*parsed);
    const auto reparsed = quorvex::undo::parseRecordFile(written);
    if (!reparsed || reparsed->recorded != parsed->recorded) std::abort();
    if (quorvex::undo::formatRecordFile(*reparsed) != written) std::abort();
    return 0;
}
