#pragma once
// Colours of the records and Qt colours, through Qt's 16-bit components
// (QColor::rgba64), so that every component 0..65535 passes unchanged.
// Qt's floating-point components would lose a unit in about half of all
// values, and the preset match compares colours exactly.

#include "shell/ObjUtils.h"

#include <QColor>

namespace qor {

QColor toQColor(const QorColor& c);
// Alpha is always full in the records.
QorColor fromQColor(const QColor& c);

}  // namespace qor
