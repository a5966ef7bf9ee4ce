#pragma once
// The reader's session in the application: logon, the reader's settings,
// and the menus that open the option, reader and site panels.

class QMainWindow;
class QWidget;

namespace qor {

// Logs a reader on and loads their settings; false when the reader chose
// Quit.
bool logOnAndLoadSettings(QWidget* parent);
class ReadingWindow;
class ReadingSession;

// Adds the Options, Readers and Site menus in front of the Help menu.
void installAppMenus(ReadingWindow& window, ReadingSession& session);
// Puts the reading view and the window's run control into the window's
// reading area; the session lives as long as the window.
ReadingSession& installReadingView(ReadingWindow& window);
// The reader now logged on: the window's figures, read timer and title.
void startReaderSession(ReadingSession& session);
// Removes this process's logon lock.
void logOffAtQuit();

}  // namespace qor
