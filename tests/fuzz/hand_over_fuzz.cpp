// A hand-over of elevated writes as a hostile process of the same user may leave it for the
// elevated side to read. Whatever is accepted names only values that need administrator rights,
// and writes back to text that is read as the same hand-over.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "undo/elevated_hand_over.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The same bytes as results of as many writes as they have lines.
    quorvex::undo::parseResults(text, static_cast<std::size_t>(size % 8));
    std::string error;
    const auto parsed = quorvex::undo::parseHandOver(text, error);
    if (!parsed) return 0;
    if (!quorvex::undo::validUserSid(parsed->userSid)) std::abort();
    for (const auto& write : parsed->writes)
        if (!quorvex::undo::mayHandOver(write.hive, write.keyPath, write.valueName)) std::abort();
    const auto reparsed = quorvex::undo::parseHandOver(quorvex::undo::handOverText(*parsed), error);
    if (!reparsed || !(*reparsed == *parsed)) std::abort();
    return 0;
}
