#pragma once
// How the reading view measures text. The view lays every chunk out with
// these widths, and the widget that draws the chunk uses the same font, so
// what is measured is what is drawn.
//
// Strings are bytes as stored in the text: UTF-8 when valid, Mac OS Roman
// otherwise (the measurer decides per string).

#include "display/OptionsRecord.h"

#include <string_view>

namespace qor {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The font and size to measure with (the colours play no part).
    virtual void setFont(const FontTrait& font) = 0;
    virtual float stringWidth(std::string_view bytes) = 0;
    virtual float spaceWidth() = 0;
    // The height of the text "Test"; always at least 1.
    virtual float lineHeight() = 0;
};

// Every byte is `advance` points wide and every line `height` points high:
// layouts become exact numbers. The font is ignored.
class FixedWidthMeasurer final : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(float advance = 10.0f, float height = 20.0f) : m_advance(advance), m_height(height) {}
    void setFont(const FontTrait&) override {}
    float stringWidth(std::string_view bytes) override { return m_advance * static_cast<float>(bytes.size()); }
    float spaceWidth() override { return m_advance; }
    float lineHeight() override { return m_height < 1.0f ? 1.0f : m_height; }

private:
    float m_advance;
    float m_height;
};

}  // namespace qor
