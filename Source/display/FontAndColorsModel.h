#pragma once
// The font and colours dialog's rules, and the preset chooser it opens.
//
// The dialog works on a copy of the font sub-record. OK copies only the
// colours, the size and the font name into the options: the column width
// and the style never change here, whatever a preset holds.

#include "display/OptionsRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class CurrentOptions;
class NotificationBus;

class FontAndColorsModel {
public:
    enum ColorRole { kFontColor = 0, kBackgroundColor, kHighlightFontColor, kHighlightBackgroundColor };
    static constexpr int kColorRoleCount = 4;

    FontAndColorsModel(CurrentOptions& options, NotificationBus& bus);

    // Takes the working copy from the current options.
    void initialize();
    const FontTrait& working() const { return m_font; }

    // The font chooser's answer: a stored (PostScript, Mac OS Roman) name,
    // cut to 127 bytes, and a point size, truncated and kept within the
    // sizes the record accepts. An empty name keeps the current one.
    void setFont(std::string_view storedName, double pointSize);

    // The colour chooser of a role: its title ("Font Color", ...), the
    // colour it starts from, and its answer (components 0..65535; alpha
    // is always full).
    static std::string_view colorTitle(ColorRole role);
    const QorColor& color(ColorRole role) const;
    void setColor(ColorRole role, int red, int green, int blue);

    // The preset chooser's answer replaces the working copy. False for an
    // index outside the presets.
    bool applyPreset(int index);

    // OK: colours, size and name go into the options (copyFontTrait), which
    // are saved, and "OptionsUpdateNotification" is posted.
    void ok();

private:
    QorColor& colorRef(ColorRole role);

    CurrentOptions& m_options;
    NotificationBus& m_bus;
    FontTrait m_font;
};

// The preset chooser: the ten preset names in a list; OK or a double click
// on a row applies it.
class PresetFontColorModel {
public:
    // Starts on the preset the colours match, else on the first.
    explicit PresetFontColorModel(const FontTrait& current);

    static std::vector<std::string_view> names();
    int selectedRow() const { return m_row; }
    // -1 clears the selection; other rows outside the list are ignored.
    void select(int row);
    bool canApply() const { return m_row >= 0; }
    // The preset to apply, or -1 when nothing is selected.
    int chosenIndex() const { return m_row; }

private:
    int m_row = 0;
};

}  // namespace qor
