#pragma once
// The platform side of the reading window: the window itself, its strips,
// the timer that wakes the pacing, the key map and the bookmark panels.
// The Qt layer implements them; tests record what they are asked.

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// A rectangle in screen points, origin at the top left.
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // The part of the screen windows may use.
    virtual WindowRect visibleArea() const = 0;
    // The window's frame (outer edges).
    virtual WindowRect frame() const = 0;
    virtual void setFrame(const WindowRect& frame) = 0;
    virtual void setTitle(const std::string& title) = 0;
    // Hides or shows a strip; the reading area takes or gives back its
    // height. The button that toggles it shows the image named.
    virtual void setSliderStripHidden(bool hidden, const std::string& buttonImage) = 0;
    virtual void setControlStripHidden(bool hidden, const std::string& buttonImage) = 0;
    virtual void setTooltips(const std::string& topButton, const std::string& bottomButton,
                             const std::string& searchField) = 0;
    // The search field's string (UTF-8).
    virtual std::string searchFieldText() const = 0;
    // Closing the reading window ends the application.
    virtual void quit() = 0;
};

// The timer that drives the polls. The window turns it on and off and
// says when what it would do next has changed; the timer then asks
// nextPollMicros() when to call myTimer() again.
class PacingTimer {
public:
    virtual ~PacingTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void rescheduled() = 0;
};

// The key map: whether it took the key (Mac virtual key code).
class KeyHandler {
public:
    virtual ~KeyHandler() = default;
    virtual bool keyPressed(int keyCode, bool shift, bool control) = 0;
};

// The bookmarks of a file and their panels.
class BookmarkService {
public:
    virtual ~BookmarkService() = default;
    // Runs the naming panel for a new bookmark at the position; the panel
    // stores it.
    virtual void addBookmark(const std::string& path, int32_t position) = 0;
    // The positions of the file's bookmarks, in their listing order.
    virtual std::vector<int32_t> bookmarkPositions(const std::string& path) = 0;
    // Runs the go-to panel; the position chosen, or -1 when cancelled.
    virtual int32_t chooseBookmark(const std::string& path) = 0;
};

}  // namespace qor
