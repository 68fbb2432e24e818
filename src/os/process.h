// Where the running program lies, and the clock it seeds from.
#pragma once

#include <cstdint>
#include <string>

namespace os {

// The full path of the running executable, whatever the current directory.
std::string ExecutablePath();

// The directory of the running executable, ending with a path separator.
std::string ExecutableDirectory();

// Milliseconds since midnight UTC: 0 to 86,399,999.
std::uint32_t UtcMillisecondsOfDay();

}  // namespace os
