#pragma once
// The reader's session in the application: logon, the reader's settings,
// and the menus that open the option, reader and site panels.

class QMainWindow;
class QWidget;

namespace qor {

// Logs a reader on and loads their settings; false when the reader chose
// Quit.
bool logOnAndLoadSettings(QWidget* parent);
// Adds the Options, Readers and Site menus in front of the Help menu.
void installAppMenus(QMainWindow& window);
// Puts the reading view into the window's reading area.
void installReadingView(class ReadingWindow& window);
// Removes this process's logon lock.
void logOffAtQuit();

}  // namespace qor
