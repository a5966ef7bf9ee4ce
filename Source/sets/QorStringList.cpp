#include "sets/QorStringList.h"

#include "base/Encoding.h"

namespace qor {

namespace {
const std::string kNone;

std::string fromCString(std::string_view macRoman)
{
    size_t nul = macRoman.find('\0');
    if (nul != std::string_view::npos)
        macRoman = macRoman.substr(0, nul);
    return macRomanToUtf8(macRoman);
}
} // namespace

void QorStringList::addCString(std::string_view macRoman)
{
    m_pArray.push_back(fromCString(macRoman));
}

void QorStringList::replaceCString(std::string_view macRoman, int index)
{
    if (validIndex(index))
        m_pArray[size_t(index)] = fromCString(macRoman);
}

void QorStringList::deleteStringAtIndex(int index)
{
    if (validIndex(index))
        m_pArray.erase(m_pArray.begin() + index);
}

const std::string& QorStringList::getStringAtIndex(int index) const
{
    return validIndex(index) ? m_pArray[size_t(index)] : kNone;
}

std::string QorStringList::getCString(int index, size_t size) const
{
    if (size == 0 || !validIndex(index))
        return {};
    std::string bytes = utf8ToMacRomanLossy(m_pArray[size_t(index)]);
    if (bytes.size() > size - 1)
        bytes.resize(size - 1);
    return bytes;
}

int QorStringList::indexOfEqualString(std::string_view s) const
{
    for (size_t i = 0; i < m_pArray.size(); ++i)
        if (equalIgnoringCase(m_pArray[i], s))
            return static_cast<int>(i);
    return -1;
}

} // namespace qor
