#include "display/ui/QtColors.h"

#include <QRgba64>

#include <algorithm>

namespace qor {

namespace {

quint16 component(int v)
{
    return static_cast<quint16>(std::clamp(v, 0, 65535));
}

}  // namespace

QColor toQColor(const QorColor& c)
{
    return QColor::fromRgba64(component(c.red), component(c.green), component(c.blue), 65535);
}

QorColor fromQColor(const QColor& c)
{
    QRgba64 v = c.toRgb().rgba64();
    return {v.red(), v.green(), v.blue(), 65535};
}

}  // namespace qor
