#include "sets/QorCat.h"

#include "base/Encoding.h"
#include "base/NameRule.h"

#include <algorithm>

namespace qor {

namespace {

const std::string kNone;

bool endsWithIgnoringAsciiCase(std::string_view s, std::string_view tail)
{
    if (s.size() < tail.size())
        return false;
    s.remove_prefix(s.size() - tail.size());
    for (size_t i = 0; i < tail.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(s[i]) != lower(tail[i]))
            return false;
    }
    return true;
}

} // namespace

std::string QorCat::kindFolder(const std::string& externalFolder, std::string_view kind)
{
    return fs::joinPath(externalFolder, kind) + "/";
}

void QorCat::clear()
{
    m_pStringArray.clear();
    m_pFSRefArray.clear();
}

void QorCat::add(std::string name, FileRef ref)
{
    m_pStringArray.push_back(std::move(name));
    m_pFSRefArray.push_back(std::move(ref));
}

bool QorCat::generateFileList(const std::string& folder, std::string_view suffix, bool removeSuffix)
{
    clear();
    m_folder = folder;
    std::vector<fs::Entry> entries;
    if (fs::listFolder(folder, entries) != fs::kNoErr)
        return false;
    const std::string dotSuffix = suffix.empty() ? std::string() : "." + std::string(suffix);
    // listFolder delivers the listing order; cutting a common suffix keeps it.
    for (const fs::Entry& e : entries) {
        if (e.type != fs::EntryType::File || e.name.empty() || e.name.front() == '.')
            continue;
        std::string stored = e.name;
        if (!dotSuffix.empty()) {
            if (e.name.size() <= dotSuffix.size() || !endsWithIgnoringAsciiCase(e.name, dotSuffix))
                continue;
            if (removeSuffix)
                stored.resize(e.name.size() - dotSuffix.size());
        }
        if (!isValidName(stored) || !isValidName(e.name) || !acceptEntry(e, stored))
            continue;
        add(std::move(stored), fs::joinPath(folder, e.name));
    }
    // Cut names can order differently from whole ones ("a b.db" / "a.db").
    std::vector<size_t> order(m_pStringArray.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return listingLess(m_pStringArray[a], m_pStringArray[b]);
    });
    std::vector<std::string> names;
    std::vector<FileRef> refs;
    for (size_t i : order) {
        names.push_back(std::move(m_pStringArray[i]));
        refs.push_back(std::move(m_pFSRefArray[i]));
    }
    m_pStringArray = std::move(names);
    m_pFSRefArray = std::move(refs);
    return true;
}

bool QorCat::generateDirectoryList(const std::string& folder)
{
    clear();
    m_folder = folder;
    std::vector<fs::Entry> entries;
    if (fs::listFolder(folder, entries) != fs::kNoErr)
        return false;
    for (const fs::Entry& e : entries) {
        if (e.type != fs::EntryType::Folder || !isValidName(e.name) || !acceptEntry(e, e.name))
            continue;
        add(e.name, fs::joinPath(folder, e.name));
    }
    return true;
}

const std::string& QorCat::getStringAtIndex(int index) const
{
    return validIndex(index) ? m_pStringArray[size_t(index)] : kNone;
}

const FileRef& QorCat::getFSRefAtIndex(int index) const
{
    return validIndex(index) ? m_pFSRefArray[size_t(index)] : kNone;
}

std::string QorCat::getCString(size_t capacity, int index) const
{
    if (capacity == 0 || !validIndex(index))
        return {};
    std::string bytes = utf8ToMacRomanLossy(m_pStringArray[size_t(index)]);
    if (bytes.size() > capacity - 1)
        bytes.resize(capacity - 1);
    return bytes;
}

int QorCat::indexOfEqualString(std::string_view name) const
{
    for (size_t i = 0; i < m_pStringArray.size(); ++i)
        if (equalIgnoringCase(m_pStringArray[i], name))
            return static_cast<int>(i);
    return -1;
}

std::optional<std::string> QorCat::realName(std::string_view name) const
{
    int i = indexOfEqualString(name);
    if (i < 0)
        return std::nullopt;
    return m_pStringArray[size_t(i)];
}

std::optional<FileRef> QorCat::refForName(std::string_view name) const
{
    int i = indexOfEqualString(name);
    if (i < 0)
        return std::nullopt;
    return m_pFSRefArray[size_t(i)];
}

bool QorCat::deleteItemAtIndex(int index)
{
    if (!validIndex(index))
        return false;
    m_pStringArray.erase(m_pStringArray.begin() + index);
    m_pFSRefArray.erase(m_pFSRefArray.begin() + index);
    return true;
}

void QorCat::deleteItemWithName(std::string_view name)
{
    deleteItemAtIndex(indexOfEqualString(name));
}

} // namespace qor
