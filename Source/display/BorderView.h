#pragma once
// The strip around the reading view with its two margin markers: the rules
// of dragging them and of the column width they set. The column stays
// centred; its width is the strip width minus twice the marker distance,
// never below 40 points and never wider than the strip minus 40.

#include "shell/NotificationBus.h"

#include <cstdint>

namespace qor {

class CurrentOptions;

inline constexpr int32_t kMinMarginColumn = 40;

class BorderView {
public:
    // Only the reading window's strip follows "MaximizeMarginsNotification".
    BorderView(CurrentOptions& options, NotificationBus& bus, bool observeMaximize);

    // The fixed width when overridden, else the options' `margin`.
    int32_t getMargin() const;
    // Unless overridden: the options' `margin` := width (held within the
    // strip), saved.
    void setMargin(int32_t width);
    void setManualMargin(int32_t width);
    void resetMarginOverride() { m_bManualOverride = false; }
    bool manualOverride() const { return m_bManualOverride; }

    // The strip's width changed: a column wider than it allows is narrowed
    // and stored here, never while painting.
    void setStripWidth(float width);
    float stripWidth() const { return m_width; }
    // The widest column the strip allows.
    int32_t widestColumn() const;

    void updateMargin(float distance);
    void receiveMaximizeMargins() { updateMargin(22); }

    // Where the markers' centres go (for painting; changes nothing).
    float leftMarkerCentre() const;
    float rightMarkerCentre() const;

    // Mouse, in strip coordinates (y down). A press counts only in the top
    // 22 points; true when it started a drag.
    bool mouseDown(float x, float y);
    void mouseDragged(float x);
    void mouseUp() { m_bTrackingMargin = false; }
    bool tracking() const { return m_bTrackingMargin; }

private:
    int32_t clampColumn(int64_t width) const;
    float drawnMargin() const;

    CurrentOptions& m_options;
    NotificationBus& m_bus;
    NotificationObserver m_observer;
    float m_width = 640;
    bool m_bTrackingMargin = false;
    bool m_bManualOverride = false;
    int32_t m_margin = 0;
};

}  // namespace qor
