#include "display/FontAndColorsModel.h"

#include "display/CurrentOptions.h"
#include "display/PresetFontInfo.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <algorithm>
#include <cmath>

namespace qor {

FontAndColorsModel::FontAndColorsModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void FontAndColorsModel::initialize()
{
    m_font = m_options.options().font;
}

void FontAndColorsModel::setFont(std::string_view storedName, double pointSize)
{
    if (!storedName.empty()) {
        std::string name(storedName.substr(0, std::min(storedName.size(), kChosenFontNameMax)));
        if (size_t nul = name.find('\0'); nul != std::string::npos)
            name.resize(nul);
        if (!name.empty())
            m_font.fontName = std::move(name);
    }
    if (std::isfinite(pointSize))
        m_font.size = static_cast<int32_t>(
            std::clamp(std::trunc(pointSize), double(kMinFontSize), double(kMaxFontSize)));
}

std::string_view FontAndColorsModel::colorTitle(ColorRole role)
{
    switch (role) {
    case kFontColor: return "Font Color";
    case kBackgroundColor: return "Background Color";
    case kHighlightFontColor: return "Highlight Font Color";
    case kHighlightBackgroundColor: return "Highlight Background Color";
    }
    return {};
}

QorColor& FontAndColorsModel::colorRef(ColorRole role)
{
    switch (role) {
    case kBackgroundColor: return m_font.backgroundColor;
    case kHighlightFontColor: return m_font.highlightFontColor;
    case kHighlightBackgroundColor: return m_font.highlightBackgroundColor;
    case kFontColor: break;
    }
    return m_font.fontColor;
}

const QorColor& FontAndColorsModel::color(ColorRole role) const
{
    return const_cast<FontAndColorsModel*>(this)->colorRef(role);
}

void FontAndColorsModel::setColor(ColorRole role, int red, int green, int blue)
{
    auto c = [](int v) { return std::clamp(v, 0, kMaxColorComponent); };
    colorRef(role) = {c(red), c(green), c(blue), kMaxColorComponent};
}

bool FontAndColorsModel::applyPreset(int index)
{
    FontTrait preset;
    if (!PresetFontInfo::traits(preset, index))
        return false;
    m_font = preset;
    return true;
}

void FontAndColorsModel::ok()
{
    OptionsRecord rec = m_options.options();
    copyFontTrait(rec.font, m_font);
    int status = m_options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kOptionsUpdate);
}

PresetFontColorModel::PresetFontColorModel(const FontTrait& current)
{
    int match = PresetFontInfo::matchingPreset(current);
    m_row = match > 0 ? match - 1 : 0;
}

std::vector<std::string_view> PresetFontColorModel::names()
{
    std::vector<std::string_view> out;
    for (int i = 0; i < PresetFontInfo::count(); ++i)
        out.push_back(PresetFontInfo::nameAtIndex(i));
    return out;
}

void PresetFontColorModel::select(int row)
{
    if (row == -1 || (row >= 0 && row < PresetFontInfo::count()))
        m_row = row;
}

}  // namespace qor
