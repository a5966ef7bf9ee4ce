#include "shell/QorDebug.h"

#include "base/Encoding.h"
#include "base/Log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace qor {

namespace {

std::string& path()
{
    static std::string p;
    return p;
}

void appendLine(std::string_view text)
{
    if (path().empty())
        return;
    int fd = ::open(path().c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    std::string line(text);
    line.push_back('\n');
    ssize_t ignored = ::write(fd, line.data(), line.size());
    (void)ignored;
    ::close(fd);
}

}  // namespace

void QorDebug::setLogFile(const std::string& p)
{
    path() = p;
    setLogSink([](std::string_view line) { LogString(std::string(line)); });
}

const std::string& QorDebug::logFile()
{
    return path();
}

void QorDebug::LogMessage(const char* message)
{
    appendLine(message ? message : "");
}

void QorDebug::LogMessage(const char* message, int error)
{
    char buf[512];
    std::snprintf(buf, sizeof buf, "%s (%d)", message ? message : "", error);
    appendLine(buf);
}

void QorDebug::LogString(const std::string& text)
{
    appendLine(utf8ToMacRomanLossy(text));
}

}  // namespace qor
