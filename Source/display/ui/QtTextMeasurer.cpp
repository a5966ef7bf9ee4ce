#include "display/ui/QtTextMeasurer.h"

#include "base/Encoding.h"
#include "display/FontNames.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace qor {

QtTextMeasurer::QtTextMeasurer()
{
    for (const QString& f : QFontDatabase::families())
        m_families.push_back(f.toStdString());
    FontTrait t;
    t.fontName = std::string(kDefaultFontName);
    t.size = 48;
    setFont(t);
}

void QtTextMeasurer::setFont(const FontTrait& font)
{
    std::string_view name(font.fontName);
    name = name.substr(0, std::min<size_t>(name.find('\0'), 255));
    const FontFace face = faceForStoredName(name, m_families);
    QFont f(QString::fromStdString(face.family));
    // A size of 0 (or less) from a file would make every line 0 high.
    f.setPixelSize(std::clamp(font.size, 1, kMaxFontSize));
    f.setBold(face.bold);
    f.setItalic(face.italic);
    m_font = f;
    m_metrics = std::make_unique<QFontMetricsF>(m_font);
    m_space = static_cast<float>(m_metrics->horizontalAdvance(QStringLiteral(" ")));
    m_height = std::max(1.0f, static_cast<float>(m_metrics->height()));
}

QString QtTextMeasurer::toQString(std::string_view bytes)
{
    bool ascii = true;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::string utf8 = displayText(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

float QtTextMeasurer::stringWidth(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    return static_cast<float>(m_metrics->horizontalAdvance(toQString(bytes)));
}

}  // namespace qor
