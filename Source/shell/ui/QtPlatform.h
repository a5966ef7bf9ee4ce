#pragma once
// The Qt implementations of the platform services.

#include "shell/Platform.h"
#include "shell/QorAlert.h"

class QWidget;

namespace qor {

class QtAlertPresenter final : public AlertPresenter {
public:
    int run(const AlertRequest& request) override;
};

class QtClipboard final : public Clipboard {
public:
    bool hasText() const override;
    std::optional<std::string> text() const override;
};

class QtWorkspace final : public Workspace {
public:
    bool openFile(const std::string& path) override;
    bool openUrl(const std::string& url) override;
};

class QtScreenInfo final : public ScreenInfo {
public:
    Rect visibleFrame() const override;
};

class QtFontCatalog final : public FontCatalog {
public:
    bool hasFont(const std::string& name) const override;
};

// Installs the Qt services for the life of the process.
void installQtPlatform();

}  // namespace qor
