#include "display/ui/QtFontNames.h"

#include "base/Encoding.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace qor {

std::vector<std::string> installedFontFamilies()
{
    std::vector<std::string> out;
    for (const QString& family : QFontDatabase::families())
        out.push_back(family.toStdString());
    return out;
}

QFont fontForStoredName(const std::string& storedName, double pointSize)
{
    FontFace face = faceForStoredName(storedName, installedFontFamilies());
    QFont font(QString::fromStdString(face.family));
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(face.bold);
    font.setItalic(face.italic);
    return font;
}

std::string storedNameForFont(const QFont& font)
{
    // What the font database actually resolved, not what was asked for.
    QFontInfo info(font);
    FontFace face{info.family().toStdString(), info.bold(), info.italic()};
    return storedNameForFace(face);
}

QString storedNameText(const std::string& storedName)
{
    return QString::fromStdString(macRomanToUtf8(storedName));
}

}  // namespace qor
