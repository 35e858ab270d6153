#pragma once

#include <string_view>

#include "tuning/connection_catalogue.h"

namespace quorvex {

// The short name of a connection kind on the command line ("dsl-16m", "restore-defaults").
// Aliases are part of the command line's contract: once published, never renamed.
std::string_view connectionAlias(ConnectionKind kind);

// The kind named by its alias or its full name (the text of Combo3), either compared without
// regard to ASCII letter case; nullptr when neither matches.
const ConnectionType* findConnectionByName(std::string_view text);

}  // namespace quorvex
