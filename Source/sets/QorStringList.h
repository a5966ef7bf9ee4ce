#pragma once
// An ordered list of names with look-up that ignores letter case: the
// plain lists of names the system keeps (readers, bookmarks, conflicts).

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class QorStringList {
public:
    QorStringList() = default;
    virtual ~QorStringList() = default;

    int count() const { return static_cast<int>(m_pArray.size()); }
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    void addString(std::string s) { m_pArray.push_back(std::move(s)); }
    // Appends Mac OS Roman bytes (up to a NUL) as UTF-8 text.
    void addCString(std::string_view macRoman);
    // Index outside the list: nothing happens.
    void replaceCString(std::string_view macRoman, int index);
    void deleteStringAtIndex(int index);

    // "" outside the list.
    const std::string& getStringAtIndex(int index) const;
    // The string as Mac OS Roman bytes, at most size - 1 of them, so a
    // field of `size` bytes keeps its terminator.
    std::string getCString(int index, size_t size) const;

    const std::vector<std::string>& stringList() const { return m_pArray; }
    int indexOfEqualString(std::string_view s) const;
    bool isDuplicate(std::string_view s) const { return indexOfEqualString(s) != -1; }

private:
    std::vector<std::string> m_pArray;
};

} // namespace qor
