#include "display/BorderView.h"

#include "display/CurrentOptions.h"
#include "shell/Notifications.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {
constexpr float kTrackBand = 22;
constexpr float kEdgeDead = 16;
constexpr float kCentreDead = 20;
constexpr float kDragLimit = 24;
}  // namespace

BorderView::BorderView(CurrentOptions& options, NotificationBus& bus, bool observeMaximize)
    : m_options(options), m_bus(bus), m_observer(bus)
{
    if (observeMaximize)
        m_observer.observe(note::kMaximizeMargins, [this](const Notification&) { receiveMaximizeMargins(); });
}

int32_t BorderView::widestColumn() const
{
    float w = std::isfinite(m_width) ? m_width : 0;
    int64_t widest = static_cast<int64_t>(w) - kMinMarginColumn;
    return static_cast<int32_t>(std::clamp<int64_t>(widest, kMinMarginColumn, kMaxColumnWidth));
}

int32_t BorderView::clampColumn(int64_t width) const
{
    return static_cast<int32_t>(std::clamp<int64_t>(width, kMinMarginColumn, widestColumn()));
}

int32_t BorderView::getMargin() const
{
    if (m_bManualOverride)
        return m_margin;
    return m_options.options().font.margin;
}

void BorderView::setMargin(int32_t width)
{
    if (m_bManualOverride)
        return;
    OptionsRecord rec = m_options.options();
    const int32_t w = clampColumn(width);
    if (rec.font.margin == w)
        return;
    rec.font.margin = w;
    m_options.setOptions(rec);
}

void BorderView::setManualMargin(int32_t width)
{
    m_margin = width;
    m_bManualOverride = true;
}

void BorderView::setStripWidth(float width)
{
    m_width = std::isfinite(width) && width > 0 ? width : 0;
    if (!m_bManualOverride && getMargin() > widestColumn())
        setMargin(widestColumn());
}

void BorderView::updateMargin(float distance)
{
    setMargin(static_cast<int32_t>(std::trunc(m_width - 2 * distance)));
    m_bus.post(note::kUpdateMarginsFromUser);
}

float BorderView::drawnMargin() const
{
    return static_cast<float>(std::clamp<int32_t>(getMargin(), kMinMarginColumn, widestColumn()));
}

float BorderView::leftMarkerCentre() const
{
    return (m_width - drawnMargin()) / 2 - 3;
}

float BorderView::rightMarkerCentre() const
{
    return (m_width + drawnMargin()) / 2 + 3;
}

bool BorderView::mouseDown(float x, float y)
{
    if (y < 0 || y > kTrackBand)
        return false;
    if (x < kEdgeDead || x > m_width - kEdgeDead)
        return false;
    const float centre = m_width / 2;
    float distance;
    if (std::fabs(x - centre) <= kCentreDead)
        distance = centre - kCentreDead;
    else
        distance = x < centre ? x : m_width - x;
    m_bTrackingMargin = true;
    updateMargin(distance);
    return true;
}

void BorderView::mouseDragged(float x)
{
    if (!m_bTrackingMargin)
        return;
    x = std::clamp(x, kDragLimit, std::max(kDragLimit, m_width - kDragLimit));
    const float centre = m_width / 2;
    if (std::fabs(x - centre) <= kCentreDead)
        return;
    updateMargin(x < centre ? x : m_width - x);
}

}  // namespace qor
