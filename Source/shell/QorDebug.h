#pragma once
// The diagnostic log: lines appended to "QorDebug.txt" on the reader's
// desktop. The file is opened for appending and closed again for each
// line; nothing happens when it cannot be opened.

#include <string>

namespace qor {

class QorDebug {
public:
    // The log file (the platform layer resolves the desktop folder). Also
    // routes the foundation's log lines here.
    static void setLogFile(const std::string& path);
    static const std::string& logFile();

    static void LogMessage(const char* message);
    // "%s (%d)", cut to 511 characters.
    static void LogMessage(const char* message, int error);
    // UTF-8 text, written in Mac OS Roman.
    static void LogString(const std::string& text);
};

}  // namespace qor
