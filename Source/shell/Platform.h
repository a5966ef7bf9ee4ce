#pragma once
// The platform services the core reaches through small interfaces. The Qt
// layer installs real ones at start-up; tests install fakes. Every service
// may be absent (nullptr): callers then behave as on a machine without it
// (no clipboard text, no screen, nothing opened).

#include <optional>
#include <string>

namespace qor {

struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const Rect&) const = default;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    // The plain text on the clipboard as UTF-8, or nothing.
    virtual std::optional<std::string> text() const = 0;
};

class Workspace {
public:
    virtual ~Workspace() = default;
    // Opens a file with its default application; false when it could not.
    virtual bool openFile(const std::string& path) = 0;
    // Opens a web address in the default browser.
    virtual bool openUrl(const std::string& url) = 0;
};

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    // The first screen's frame without menu bars and panels; empty when
    // there is no screen.
    virtual Rect visibleFrame() const = 0;
};

class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    // True when a font of that name (family or PostScript name) is installed.
    virtual bool hasFont(const std::string& name) const = 0;
};

class AlertPresenter;

struct PlatformServices {
    Clipboard* clipboard = nullptr;
    Workspace* workspace = nullptr;
    ScreenInfo* screen = nullptr;
    FontCatalog* fonts = nullptr;
    AlertPresenter* alerts = nullptr;
};

// The services in force. Not owned: the installer keeps them alive.
PlatformServices& platform();
void installPlatform(const PlatformServices& services);

}  // namespace qor
