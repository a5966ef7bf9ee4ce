#include "shell/QorAlert.h"

#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/QorVersion.h"

#include <cstdint>

namespace qor {

std::vector<std::string> QorAlert::buttonTitles(int type)
{
    auto t = [](const char* key) { return MessageTables::localizedString(key, table::kError); };
    switch (type) {
    case kAlertYesNo: return {t("Yes"), t("No")};
    case kAlertYesNoCancel: return {t("Yes"), t("No"), t("Cancel")};
    case kAlertReplace: return {t("Replace"), t("DoNotReplace"), t("ReplaceAll")};
    default: return {t("OK")};
    }
}

int QorAlert::escapeButton(int type)
{
    switch (type) {
    case kAlertYesNo: return 1;         // No
    case kAlertYesNoCancel: return 2;   // Cancel
    case kAlertReplace: return 1;       // Do Not Replace
    default: return 0;
    }
}

int QorAlert::message(const std::string& text, int type, int severity)
{
    if (type < kAlertOK || type > kAlertReplace)
        type = kAlertOK;
    if (severity < kSeverityWarning || severity > kSeverityCritical)
        severity = kSeverityWarning;
    AlertRequest req{text, buttonTitles(type), severity, escapeButton(type)};
    AlertPresenter* presenter = platform().alerts;
    int pressed = presenter ? presenter->run(req) : req.escapeButton;
    if (type == kAlertOK)
        return 0;
    int count = static_cast<int>(req.buttons.size());
    if (pressed < 0 || pressed >= count)
        pressed = req.escapeButton;
    return pressed + 1;
}

int QorAlert::question(const std::string& text, int type)
{
    return message(text, type, kSeverityInformational);
}

void QorAlert::displayNSError(const ErrorInfo& error)
{
    message(error.description, kAlertOK, kSeverityInformational);
}

ErrorInfo QorAlert::errorForCode(int code)
{
    // Descriptions of the platform error domain's file codes, in our words.
    const char* text = nullptr;
    switch (code) {
    case 4: text = "The file does not exist."; break;
    case 256: text = "The file could not be opened."; break;
    case 257: text = "The file could not be opened because you do not have permission to view it."; break;
    case 258: text = "The file name is not valid."; break;
    case 260: text = "The file could not be opened because there is no such file."; break;
    case 261: text = "The file could not be opened because its text encoding is not supported."; break;
    case 512: text = "The file could not be saved."; break;
    case 513: text = "The file could not be saved because you do not have permission."; break;
    case 516: text = "The file could not be saved because a file with the same name already exists."; break;
    case 640: text = "The file could not be saved because there is not enough space."; break;
    case 642: text = "The file could not be saved because the volume is read only."; break;
    default: break;
    }
    if (text)
        return {code, text};
    return {code, "The operation could not be completed (error " + std::to_string(code) + ")."};
}

void QorAlert::displayNSErrorCode(int code)
{
    displayNSError(errorForCode(code));
}

std::string QorAlert::fileSystemMessage(int fileSystemError)
{
    switch (static_cast<int16_t>(fileSystemError & 0xFFFF)) {
    case -5031: return "The server volume is Read-Only. Please contact your System Administrator.";
    case -5029: return "Unknown directory specified. Please contact your System Administrator.";
    case -5016: return "Server not responding. Please contact your System Administrator.";
    case -5000:
        return formatMessage(MessageTables::localizedString("AccessDenied", table::kError),
                             {QorVersion::qorVersionString()});
    case -61: return "Write permission error.";
    case -49: return "File already open with write permission.";
    case -46: return "The volume is locked.";
    default: return {};
    }
}

void QorAlert::displayOSErr(int fileSystemError, int alternateError)
{
    std::string text = fileSystemMessage(fileSystemError);
    if (text.empty())
        displayNSErrorCode(alternateError);
    else
        message(text, kAlertOK, kSeverityWarning);
}

int RecordingAlerts::run(const AlertRequest& request)
{
    shown.push_back(request);
    if (answers.empty())
        return request.escapeButton;
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
}

}  // namespace qor
