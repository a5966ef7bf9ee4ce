#pragma once
// The entry points of the readers' panels: each runs one panel modally.

#include "users/CurrentPrefs.h"
#include "users/GlobalOptions.h"
#include "users/PreferenceWinController.h"
#include "users/QorAdmin.h"

#include <functional>

class QWidget;

namespace qor {

// Logs a reader on, at start-up or for "log on as" (the caller first calls
// QorAdmin::logoff() for a change of reader). The single-user edition logs
// "QorUser" on without a panel. False when the reader chose Quit (the
// application then ends) or the implicit reader could not be set.
bool runLogon(QWidget* parent, QorAdmin& admin = QorAdmin::instance(),
              GlobalOptions& site = GlobalOptions::instance());

// The logon panel itself: 1 when a reader was logged on, 0 for Quit.
int runLoginPanel(QWidget* parent, QorAdmin& admin = QorAdmin::instance(),
                  GlobalOptions& site = GlobalOptions::instance());

// The readers logged on, for the administrator to clear a logon.
void runViewLogonsPanel(QWidget* parent, QorAdmin& admin = QorAdmin::instance());

// What the preferences window needs from other parts of the application.
struct PreferencesHooks {
    KeyMapTable* keyMap = nullptr;                    // the reader's key map
    std::function<void(QWidget*, int)> editKey;       // runs the key change panel for a row
    std::function<void(bool)> tooltipsChanged;        // posts "TurnOnToolTipsNotification"
};
void runPreferencesWindow(QWidget* parent, const PreferencesHooks& hooks,
                          CurrentPrefs& prefs = CurrentPrefs::instance());

// The site panels, for the administrator only ("AdminOnly" otherwise):
// 1 when stored, 0 for Cancel, -1 when refused. The miscellaneous panel is
// the reduced one in the single-user edition.
int runBaseReadingSpeedPanel(QWidget* parent, QorAdmin& admin = QorAdmin::instance(),
                             GlobalOptions& site = GlobalOptions::instance());
int runMiscellaneousOptionsPanel(QWidget* parent, QorAdmin& admin = QorAdmin::instance(),
                                 GlobalOptions& site = GlobalOptions::instance());

}  // namespace qor
