#pragma once
// Every notification name of the system, and the task codes that travel
// with "PerformMenuTaskNotification" and "PerformAdminTaskNotification".
//
// The names are the contract between the parts: a poster and its observers
// agree on nothing else. Payloads (see NotificationBus.h) are noted beside
// each name; "none" means the object is always nil.

#include <array>
#include <string_view>

namespace qor {

namespace note {

// --- play control -------------------------------------------------------------
inline constexpr std::string_view kStartPlaying = "StartPlayingNotification";            // none
inline constexpr std::string_view kStopPlaying = "StopPlayingNotification";              // none
inline constexpr std::string_view kToggleStopPlay = "ToggleStopPlayNotification";        // none
inline constexpr std::string_view kForcedStopPlay = "ForcedStopPlayNotification";        // BOOL
inline constexpr std::string_view kTurnOnLightingBolt = "TurnOnLightingBoltNotification";  // BOOL
inline constexpr std::string_view kBurstRepeat = "BurstRepeatNotification";              // none
inline constexpr std::string_view kBurstForward = "BurstForwardNotification";            // none
inline constexpr std::string_view kManualBack = "ManualBackNotification";                // none
inline constexpr std::string_view kManualForward = "ManualForwardNotification";          // none
inline constexpr std::string_view kManualStartTimer = "ManualStartTimerNotification";    // none
inline constexpr std::string_view kManualStopTimer = "ManualStopTimerNotification";      // none

// --- reading position -----------------------------------------------------------
inline constexpr std::string_view kWordBack = "WordBackNotification";                    // none
inline constexpr std::string_view kWordForward = "WordForwardNotification";              // none
inline constexpr std::string_view kPageBack = "PageBackNotification";                    // none
inline constexpr std::string_view kPageForward = "PageForwardNotification";              // none
inline constexpr std::string_view kPercentUpdateViaSlider = "PercentUpdateViaSliderNotification";  // int %
inline constexpr std::string_view kPercentUpdateViaPlay = "PercentUpdateViaPlayNotification";      // int %
inline constexpr std::string_view kFinishedSliding = "FinishedSlidingNotification";      // none
inline constexpr std::string_view kSetBookMark = "SetBookMarkNotification";              // none
inline constexpr std::string_view kGotoBookMark = "GotoBookMarkNotification";            // none
inline constexpr std::string_view kSentenceSearch = "SentenceSearchNotification";        // none

// --- reading statistics ---------------------------------------------------------
inline constexpr std::string_view kSetReadTimer = "SetReadTimerNotification";            // int seconds
inline constexpr std::string_view kSetWordsPerMinute = "SetWordsPerMinuteNotification";  // int, -1 none
inline constexpr std::string_view kSetLastTraditional = "SetLastTraditionalNotification";  // int, -1 none
inline constexpr std::string_view kSetAverageActual = "SetAverageActualNotification";    // none
inline constexpr std::string_view kSetCompletionETA = "SetCompletionETANotification";    // int seconds

// --- target speed ---------------------------------------------------------------
inline constexpr std::string_view kUpdateTargetSpeed = "UpdateTargetSpeedNotification";  // none
// int unit: 0 WPM, 1 CPS, 2 CPM, 3 speech
inline constexpr std::string_view kTargetSpeedUnit = "TargetSpeedUnitNotification";
inline constexpr std::string_view kTargetSpeedLimits = "TargetSpeedLimitsNotification";  // none
inline constexpr std::string_view kFasterSpeedBarUnit = "FasterSpeedBarUnitNotification";  // none
inline constexpr std::string_view kSlowerSpeedBarUnit = "SlowerSpeedBarUnitNotification";  // none
inline constexpr std::string_view kFasterSpeedOneUnit = "FasterSpeedOneUnitNotification";  // none
inline constexpr std::string_view kSlowerSpeedOneUnit = "SlowerSpeedOneUnitNotification";  // none
inline constexpr std::string_view kFineTuneOn = "FineTuneOnNotification";                // BOOL

// --- display, options and window -----------------------------------------------
inline constexpr std::string_view kOptionsUpdate = "OptionsUpdateNotification";          // none
inline constexpr std::string_view kScreenSizeUpdate = "ScreenSizeUpdateNotification";    // none
inline constexpr std::string_view kDisplayRecommendation = "DisplayRecommendationNotification";  // none
inline constexpr std::string_view kMaximizeMargins = "MaximizeMarginsNotification";      // none
inline constexpr std::string_view kUpdateMarginsFromUser = "UpdateMarginsNotificationFromUser";  // none
inline constexpr std::string_view kToggleSliderView = "ToggleSliderViewNotification";    // none
inline constexpr std::string_view kToggleControlView = "ToggleControlViewNotification";  // none
inline constexpr std::string_view kTurnOnToolTips = "TurnOnToolTipsNotification";        // BOOL
inline constexpr std::string_view kUserChanged = "UserChangedNotification";              // none

// --- application shell ----------------------------------------------------------
// BOOL: YES opens the launcher on its course page; nil is read as NO.
inline constexpr std::string_view kLaunchWizardPanel = "LaunchWizardPanelNotification";
inline constexpr std::string_view kPerformMenuTask = "PerformMenuTaskNotification";      // int task code
inline constexpr std::string_view kPerformAdminTask = "PerformAdminTaskNotification";    // int admin code

// --- training games -------------------------------------------------------------
inline constexpr std::string_view kChangeGameButton = "ChangeGameButtonNotification";    // none
inline constexpr std::string_view kReturnAnswer = "ReturnAnswerNotification";            // string

// Every name above, once.
inline constexpr std::array<std::string_view, 48> kAll = {
    kStartPlaying, kStopPlaying, kToggleStopPlay, kForcedStopPlay, kTurnOnLightingBolt,
    kBurstRepeat, kBurstForward, kManualBack, kManualForward, kManualStartTimer,
    kManualStopTimer, kWordBack, kWordForward, kPageBack, kPageForward,
    kPercentUpdateViaSlider, kPercentUpdateViaPlay, kFinishedSliding, kSetBookMark,
    kGotoBookMark, kSentenceSearch, kSetReadTimer, kSetWordsPerMinute, kSetLastTraditional,
    kSetAverageActual, kSetCompletionETA, kUpdateTargetSpeed, kTargetSpeedUnit,
    kTargetSpeedLimits, kFasterSpeedBarUnit, kSlowerSpeedBarUnit, kFasterSpeedOneUnit,
    kSlowerSpeedOneUnit, kFineTuneOn, kOptionsUpdate, kScreenSizeUpdate,
    kDisplayRecommendation, kMaximizeMargins, kUpdateMarginsFromUser, kToggleSliderView,
    kToggleControlView, kTurnOnToolTips, kUserChanged, kLaunchWizardPanel, kPerformMenuTask,
    kPerformAdminTask, kChangeGameButton, kReturnAnswer,
};

// The notifications a key of the key map can be bound to. Their handlers
// never read the object: a key-map post carries none.
inline constexpr std::array<std::string_view, 18> kKeyMapBindable = {
    kToggleStopPlay, kBurstRepeat, kBurstForward, kManualBack, kManualForward,
    kWordBack, kWordForward, kPageBack, kPageForward, kSetBookMark, kGotoBookMark,
    kSentenceSearch, kFasterSpeedBarUnit, kSlowerSpeedBarUnit, kFasterSpeedOneUnit,
    kSlowerSpeedOneUnit, kToggleSliderView, kToggleControlView,
};

}  // namespace note

// The speed unit on the bus: the options record's units, and speech pacing.
inline constexpr int kBusUnitSpeech = 3;

// Task codes of "PerformMenuTaskNotification": the launcher's ten buttons.
namespace task {
inline constexpr int kSelfPacedTest = 100;
inline constexpr int kForcedSpeedTest = 101;
inline constexpr int kViewTestResults = 102;
inline constexpr int kWarmupDrill = 103;
inline constexpr int kDrill = 104;
inline constexpr int kEyeSpanGame = 105;
inline constexpr int kEyeSpanCompGame = 106;
inline constexpr int kTachistoscopeGame = 107;
inline constexpr int kSearchScanGame = 108;
inline constexpr int kFlashCardGame = 109;

inline constexpr int kFirst = kSelfPacedTest;
inline constexpr int kLast = kFlashCardGame;
}  // namespace task

// Administrator task codes of "PerformAdminTaskNotification", as the
// administrator's task list of the launcher carries them (0 is a heading).
namespace admintask {
inline constexpr int kSetBaseReadingSpeedOptions = 1033;
inline constexpr int kMiscellaneousOptions = 1034;
inline constexpr int kAddUsers = 1032;
inline constexpr int kAssignUsersToClasses = 1019;
inline constexpr int kRemoveUsers = 1020;
inline constexpr int kRemovePassword = 1021;
inline constexpr int kUserLogons = 1028;
inline constexpr int kViewUserTestResults = 1023;
inline constexpr int kClearUserTestResults = 1025;
inline constexpr int kExportUserTestResults = 1027;
inline constexpr int kCompTestEditor = 1022;
inline constexpr int kRemoveCompTest = 1479;
inline constexpr int kCreateNewCompTestSet = 1480;
inline constexpr int kDuplicateCompTestSet = 1481;
inline constexpr int kDeleteCompTestSet = 1482;
inline constexpr int kImportCompTestSet = 1483;
inline constexpr int kExportCompTestSet = 1484;
inline constexpr int kEyeSpanTextEditor = 1420;
inline constexpr int kEyeSpanRemoveText = 1421;
inline constexpr int kEyeSpanImportText = 1422;
inline constexpr int kEyeSpanExportText = 1423;
inline constexpr int kEyeSpanComprehensionTextEditor = 1424;
inline constexpr int kEyeSpanComprehensionRemoveText = 1425;
inline constexpr int kEyeSpanComprehensionImportText = 1426;
inline constexpr int kEyeSpanComprehensionExportText = 1427;
inline constexpr int kTachistoscopeTextEditor = 1428;
inline constexpr int kTachistoscopeRemoveText = 1429;
inline constexpr int kTachistoscopeImportText = 1430;
inline constexpr int kTachistoscopeExportText = 1431;
inline constexpr int kFlashCardTextEditor = 1432;
inline constexpr int kFlashCardRemoveText = 1433;
inline constexpr int kFlashCardImportText = 1434;
inline constexpr int kFlashCardExportText = 1435;
inline constexpr int kSearchScanTextEditor = 1436;
inline constexpr int kSearchScanRemoveText = 1437;
inline constexpr int kSearchScanImportText = 1438;
inline constexpr int kSearchScanExportText = 1439;
inline constexpr int kAddCustomOption = 1031;
inline constexpr int kRemoveCustomOption = 1450;
inline constexpr int kCreateCustomOptionsSet = 1451;
inline constexpr int kDuplicateCustomOptionsSet = 1452;
inline constexpr int kDeleteCustomOptionsSet = 1453;
inline constexpr int kImportCustomOptionsSet = 1454;
inline constexpr int kExportCustomOptionsSet = 1455;
inline constexpr int kDrillTextEditor = 1351;
inline constexpr int kRemoveDrillText = 1352;
inline constexpr int kCreateDrillTextSet = 1460;
inline constexpr int kDuplicateDrillTextSet = 1461;
inline constexpr int kDeleteDrillTextSet = 1462;
inline constexpr int kImportDrillTextSet = 1463;
inline constexpr int kExportDrillTextSet = 1464;
inline constexpr int kDrillEditor = 1353;
inline constexpr int kCreateDrillSet = 1470;
inline constexpr int kDuplicateDrillSet = 1471;
inline constexpr int kDeleteDrillSet = 1472;
inline constexpr int kImportDrillSet = 1473;
inline constexpr int kExportDrillSet = 1474;

// Every administrator task code, in the order of the full task list.
inline constexpr std::array<int, 57> kAll = {
    kSetBaseReadingSpeedOptions, kMiscellaneousOptions, kAddUsers, kAssignUsersToClasses,
    kRemoveUsers, kRemovePassword, kUserLogons, kViewUserTestResults, kClearUserTestResults,
    kExportUserTestResults, kCompTestEditor, kRemoveCompTest, kCreateNewCompTestSet,
    kDuplicateCompTestSet, kDeleteCompTestSet, kImportCompTestSet, kExportCompTestSet,
    kEyeSpanTextEditor, kEyeSpanRemoveText, kEyeSpanImportText, kEyeSpanExportText,
    kEyeSpanComprehensionTextEditor, kEyeSpanComprehensionRemoveText,
    kEyeSpanComprehensionImportText, kEyeSpanComprehensionExportText,
    kTachistoscopeTextEditor, kTachistoscopeRemoveText, kTachistoscopeImportText,
    kTachistoscopeExportText, kSearchScanTextEditor, kSearchScanRemoveText,
    kSearchScanImportText, kSearchScanExportText, kFlashCardTextEditor, kFlashCardRemoveText,
    kFlashCardImportText, kFlashCardExportText, kAddCustomOption, kRemoveCustomOption,
    kCreateCustomOptionsSet, kDuplicateCustomOptionsSet, kDeleteCustomOptionsSet,
    kImportCustomOptionsSet, kExportCustomOptionsSet, kDrillTextEditor, kRemoveDrillText,
    kCreateDrillTextSet, kDuplicateDrillTextSet, kDeleteDrillTextSet, kImportDrillTextSet,
    kExportDrillTextSet, kDrillEditor, kCreateDrillSet, kDuplicateDrillSet, kDeleteDrillSet,
    kImportDrillSet, kExportDrillSet,
};
}  // namespace admintask

// True for the ten menu task codes.
constexpr bool isMenuTaskCode(int code)
{
    return code >= task::kFirst && code <= task::kLast;
}

// True for a code of the administrator's task list (headings excluded).
constexpr bool isAdminTaskCode(int code)
{
    for (int c : admintask::kAll)
        if (c == code)
            return true;
    return false;
}

}  // namespace qor
