#pragma once
// The application put together: the start-up host over the real parts,
// the reading window's session, and the File, Options, Readers, Content
// and Help menus.

#include "shell/QorControl.h"

#include <memory>
#include <string>

class QMenu;
class QWidget;

namespace qor {

class ReadingWindow;
class ReadingSession;

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the start-up sequence; false when the application must end.
    bool start(const std::string& documentToOpen);
    // A reader to log on without the logon panel when they have no
    // password (kiosks, classroom machines); others see the panel.
    void setReaderWithoutPassword(const std::string& name);
    // Prints "painted" on standard output and quits once the reading view
    // has first been painted with a text (start-up timing).
    void quitAfterFirstPaint();
    void terminate();

    ReadingWindow& window();
    ReadingSession& session();
    QorControl& control();

    // Hands a document to the reading window as the File menu does (a
    // story by its suffix, a PDF by the PDF rule); on success it joins the
    // recent documents. False, after telling the reader, when it failed.
    bool openDocument(const std::string& path);

private:
    struct Parts;
    std::unique_ptr<Parts> m;
    void buildMenus();
};

}  // namespace qor
