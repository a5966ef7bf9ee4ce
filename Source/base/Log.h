#pragma once
// The diagnostic log sink of the foundation. The shell points it at the
// desktop log at start-up; until then lines go to standard error.

#include <string_view>

namespace qor {

using LogSink = void (*)(std::string_view line);

void setLogSink(LogSink sink);
void logLine(std::string_view line);

}  // namespace qor
