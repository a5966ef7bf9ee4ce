#include "base/Log.h"

#include <cstdio>

namespace qor {

namespace {
LogSink g_sink = nullptr;
}

void setLogSink(LogSink sink)
{
    g_sink = sink;
}

void logLine(std::string_view line)
{
    if (g_sink) {
        g_sink(line);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
}

}  // namespace qor
