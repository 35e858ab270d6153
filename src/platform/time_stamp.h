#pragma once

#include <chrono>
#include <string>

namespace quorvex {

// "20261209-051500": the time in UTC, as the names of backups and set-aside files carry it.
std::string fileNameStamp(std::chrono::system_clock::time_point when);

}  // namespace quorvex
