#pragma once

#include <optional>
#include <string>

#include "undo/change_record.h"

namespace quorvex::undo {

// A record as a file the registry editor imports ("REGEDIT4"), so that a person can read it
// and merge it by hand: each tracked value with its type and data, "Name"=- for a value that
// did not exist, and the settings under HKEY_CURRENT_USER\Software\Quorvex\<section>, where
// Quorvex keeps them on Windows. The moment of the record is a comment line
// "; Recorded: <UTC date and time>". Lines end in CR LF.
std::string formatRecordFile(const ChangeRecord& record);

// Reads what formatRecordFile writes. Nothing for text that is not such a file or that does
// not hold every tracked value and setting exactly once and nothing else: a record put back
// writes only what Quorvex itself writes.
std::optional<ChangeRecord> parseRecordFile(const std::string& text);

}  // namespace quorvex::undo
