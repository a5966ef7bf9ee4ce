#pragma once
// Stored font names and Qt fonts: the installed families come from the
// font database (fontconfig underneath).

#include "display/FontNames.h"

#include <QFont>
#include <QString>

#include <string>
#include <vector>

namespace qor {

// The families the font database knows, as UTF-8.
std::vector<std::string> installedFontFamilies();

// The font to draw a stored name with, at a point size.
QFont fontForStoredName(const std::string& storedName, double pointSize);

// The stored name for a font the reader picked (Mac OS Roman, at most
// 127 bytes).
std::string storedNameForFont(const QFont& font);

// A stored name as text for labels (Mac OS Roman bytes decoded).
QString storedNameText(const std::string& storedName);

}  // namespace qor
