#pragma once
// Measures with the reader's font through QFontMetricsF; the reading
// widget draws with font() so that measuring and drawing agree.

#include "display/TextMeasurer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace qor {

class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer();
    void setFont(const FontTrait& font) override;
    float stringWidth(std::string_view bytes) override;
    float spaceWidth() override { return m_space; }
    float lineHeight() override { return m_height; }

    const QFont& font() const { return m_font; }
    const QFontMetricsF& metrics() const { return *m_metrics; }
    // Bytes to characters: UTF-8 when valid, Mac OS Roman otherwise.
    static QString toQString(std::string_view bytes);

private:
    QFont m_font;
    std::unique_ptr<QFontMetricsF> m_metrics;
    std::vector<std::string> m_families;
    float m_space = 1;
    float m_height = 1;
};

}  // namespace qor
