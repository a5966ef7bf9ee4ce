#pragma once
// The one modal alert of the system.
//
// Button sets (the type): 0 "OK"; 1 "Yes", "No"; 2 "Yes", "No", "Cancel";
// 3 "Replace", "DoNotReplace", "ReplaceAll". The titles are keys of the
// "Error" table. Severity: 0 warning, 1 informational, 2 critical. The
// return code is 0 for type 0 and otherwise the 1-based position of the
// button pressed.

#include <string>
#include <vector>

namespace qor {

enum AlertType : int { kAlertOK = 0, kAlertYesNo = 1, kAlertYesNoCancel = 2, kAlertReplace = 3 };
enum AlertSeverity : int { kSeverityWarning = 0, kSeverityInformational = 1, kSeverityCritical = 2 };

struct AlertRequest {
    std::string message;               // the informative text; the title line is empty
    std::vector<std::string> buttons;  // titles, left to right as added
    int severity = kSeverityWarning;
    // The button that Escape or closing the alert presses (0-based).
    int escapeButton = 0;
};

// Shows an alert modally and returns the 0-based index of the button pressed.
class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    virtual int run(const AlertRequest& request) = 0;
};

// An error as the platform describes it: a code of the platform's error
// domain and its localised description.
struct ErrorInfo {
    int code = 0;
    std::string description;
};

class QorAlert {
public:
    static int message(const std::string& text, int type, int severity);
    static int question(const std::string& text, int type);
    static void displayNSError(const ErrorInfo& error);
    static void displayNSErrorCode(int code);
    static void displayOSErr(int fileSystemError, int alternateError);

    // The button titles of a type (already looked up), the escape button,
    // and the description of a platform error code.
    static std::vector<std::string> buttonTitles(int type);
    static int escapeButton(int type);
    static ErrorInfo errorForCode(int code);
    // The message displayOSErr shows for a code, or "" when the code has
    // no entry of its own.
    static std::string fileSystemMessage(int fileSystemError);

    // Diagnostic hooks that show nothing.
    static void debugAlertCode(int code, int error) {}
    static void debugMessage(const std::string& text) {}
};

// Records every alert and answers from a script: for tests.
class RecordingAlerts final : public AlertPresenter {
public:
    int run(const AlertRequest& request) override;

    // Button indexes to press, in order; when the script is empty the
    // escape button is pressed.
    std::vector<int> answers;
    std::vector<AlertRequest> shown;
};

}  // namespace qor
