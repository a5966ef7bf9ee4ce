#include "base/PropertyList.h"

#include "base/Files.h"
#include "base/Log.h"

#include <plist/plist.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace qor {

PlistValue PlistValue::boolean(bool v)
{
    PlistValue p;
    p.m_type = Type::Bool;
    p.m_v = v;
    return p;
}

PlistValue PlistValue::integer(int64_t v)
{
    PlistValue p;
    p.m_type = Type::Integer;
    p.m_v = v;
    return p;
}

PlistValue PlistValue::real(double v)
{
    PlistValue p;
    p.m_type = Type::Real;
    p.m_v = v;
    return p;
}

PlistValue PlistValue::string(std::string v)
{
    PlistValue p;
    p.m_type = Type::String;
    p.m_v = std::move(v);
    return p;
}

PlistValue PlistValue::data(std::string bytes)
{
    PlistValue p;
    p.m_type = Type::Data;
    p.m_v = std::move(bytes);
    return p;
}

PlistValue PlistValue::date(double seconds)
{
    PlistValue p;
    p.m_type = Type::Date;
    p.m_v = seconds;
    return p;
}

PlistValue PlistValue::array(Array items)
{
    PlistValue p;
    p.m_type = Type::Array;
    p.m_v = std::move(items);
    return p;
}

PlistValue PlistValue::dict(Dict items)
{
    PlistValue p;
    p.m_type = Type::Dict;
    p.m_v = std::move(items);
    return p;
}

bool PlistValue::toBool(bool def) const
{
    switch (m_type) {
    case Type::Bool: return std::get<bool>(m_v);
    case Type::Integer: return std::get<int64_t>(m_v) != 0;
    case Type::Real: return std::get<double>(m_v) != 0.0;
    default: return def;
    }
}

int64_t PlistValue::toInt(int64_t def) const
{
    switch (m_type) {
    case Type::Bool: return std::get<bool>(m_v) ? 1 : 0;
    case Type::Integer: return std::get<int64_t>(m_v);
    case Type::Real: {
        double d = std::get<double>(m_v);
        if (!std::isfinite(d) || d >= 9.2e18 || d <= -9.2e18)
            return def;
        return static_cast<int64_t>(d);
    }
    default: return def;
    }
}

double PlistValue::toReal(double def) const
{
    switch (m_type) {
    case Type::Bool: return std::get<bool>(m_v) ? 1.0 : 0.0;
    case Type::Integer: return static_cast<double>(std::get<int64_t>(m_v));
    case Type::Real:
    case Type::Date: return std::get<double>(m_v);
    default: return def;
    }
}

std::string PlistValue::toString(std::string_view def) const
{
    if (m_type == Type::String)
        return std::get<std::string>(m_v);
    return std::string(def);
}

std::string PlistValue::toData() const
{
    if (m_type == Type::Data || m_type == Type::String)
        return std::get<std::string>(m_v);
    return {};
}

double PlistValue::toDate(double def) const
{
    return m_type == Type::Date ? std::get<double>(m_v) : def;
}

const PlistValue::Array& PlistValue::items() const
{
    static const Array empty;
    return m_type == Type::Array ? std::get<Array>(m_v) : empty;
}

PlistValue::Array& PlistValue::items()
{
    if (m_type != Type::Array)
        *this = array();
    return std::get<Array>(m_v);
}

const PlistValue::Dict& PlistValue::entries() const
{
    static const Dict empty;
    return m_type == Type::Dict ? std::get<Dict>(m_v) : empty;
}

PlistValue::Dict& PlistValue::entries()
{
    if (m_type != Type::Dict)
        *this = dict();
    return std::get<Dict>(m_v);
}

const PlistValue* PlistValue::find(const std::string& key) const
{
    if (m_type != Type::Dict)
        return nullptr;
    const Dict& d = std::get<Dict>(m_v);
    auto it = d.find(key);
    return it == d.end() ? nullptr : &it->second;
}

void PlistValue::set(const std::string& key, PlistValue v)
{
    entries()[key] = std::move(v);
}

void PlistValue::append(PlistValue v)
{
    items().push_back(std::move(v));
}

bool PlistValue::operator==(const PlistValue& other) const
{
    return m_type == other.m_type && m_v == other.m_v;
}

// --- libplist bridge -----------------------------------------------------------

namespace {

struct PlistDeleter {
    void operator()(plist_t p) const
    {
        if (p)
            plist_free(p);
    }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

constexpr int kMaxDepth = 256;

bool fromNode(plist_t node, PlistValue& out, int depth)
{
    if (!node || depth > kMaxDepth)
        return false;
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        out = PlistValue::boolean(b != 0);
        return true;
    }
    case PLIST_UINT: {
        uint64_t v = 0;
        plist_get_uint_val(node, &v);
        // Integers are signed in our files; the library keeps the bits.
        out = PlistValue::integer(static_cast<int64_t>(v));
        return true;
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        out = PlistValue::real(d);
        return true;
    }
    case PLIST_STRING: {
        uint64_t len = 0;
        const char* s = plist_get_string_ptr(node, &len);
        if (!s || std::strlen(s) != len)
            return false;  // an embedded NUL: no text of ours holds one
        out = PlistValue::string(std::string(s, static_cast<size_t>(len)));
        return true;
    }
    case PLIST_DATA: {
        uint64_t len = 0;
        const char* d = plist_get_data_ptr(node, &len);
        out = PlistValue::data(d ? std::string(d, static_cast<size_t>(len)) : std::string());
        return true;
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        out = PlistValue::date(static_cast<double>(sec) + usec / 1e6);
        return true;
    }
    case PLIST_UID: {
        uint64_t v = 0;
        plist_get_uid_val(node, &v);
        out = PlistValue::integer(static_cast<int64_t>(v));
        return true;
    }
    case PLIST_ARRAY: {
        PlistValue arr = PlistValue::array();
        uint32_t n = plist_array_get_size(node);
        arr.items().reserve(n);
        for (uint32_t i = 0; i < n; ++i) {
            PlistValue item;
            if (!fromNode(plist_array_get_item(node, i), item, depth + 1))
                return false;
            arr.items().push_back(std::move(item));
        }
        out = std::move(arr);
        return true;
    }
    case PLIST_DICT: {
        PlistValue dict = PlistValue::dict();
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        if (!it)
            return false;
        bool ok = true;
        while (true) {
            char* key = nullptr;
            plist_t val = nullptr;
            plist_dict_next_item(node, it, &key, &val);
            if (!val) {
                free(key);
                break;
            }
            PlistValue item;
            if (!key || !fromNode(val, item, depth + 1)) {
                free(key);
                ok = false;
                break;
            }
            dict.entries()[key] = std::move(item);
            free(key);
        }
        free(it);
        if (!ok)
            return false;
        out = std::move(dict);
        return true;
    }
    default:
        return false;
    }
}

plist_t toNode(const PlistValue& v)
{
    switch (v.type()) {
    case PlistValue::Type::Bool: return plist_new_bool(v.toBool() ? 1 : 0);
    case PlistValue::Type::Integer: return plist_new_uint(static_cast<uint64_t>(v.toInt()));
    case PlistValue::Type::Real: return plist_new_real(v.toReal());
    case PlistValue::Type::String: return plist_new_string(v.toString().c_str());
    case PlistValue::Type::Data: {
        std::string d = v.toData();
        return plist_new_data(d.data(), d.size());
    }
    case PlistValue::Type::Date: {
        double s = v.toDate();
        double whole = std::floor(s);
        return plist_new_date(static_cast<int32_t>(whole),
                              static_cast<int32_t>(std::lround((s - whole) * 1e6)));
    }
    case PlistValue::Type::Array: {
        plist_t a = plist_new_array();
        for (const auto& item : v.items())
            plist_array_append_item(a, toNode(item));
        return a;
    }
    case PlistValue::Type::Dict: {
        plist_t d = plist_new_dict();
        for (const auto& [key, item] : v.entries())
            plist_dict_set_item(d, key.c_str(), toNode(item));
        return d;
    }
    case PlistValue::Type::Null: break;
    }
    // An empty value has no property-list form; it is written as an empty
    // string so the file stays readable.
    return plist_new_string("");
}

// The library stops the process on a string or key with an embedded NUL,
// so such input is refused before it gets there. In XML a NUL can come as
// a raw byte or as a numeric character reference.
bool xmlHasNul(std::string_view xml)
{
    if (xml.find('\0') != std::string_view::npos)
        return true;
    for (size_t i = xml.find("&#"); i != std::string_view::npos; i = xml.find("&#", i + 2)) {
        size_t j = i + 2;
        bool hex = j < xml.size() && (xml[j] == 'x' || xml[j] == 'X');
        if (hex)
            ++j;
        size_t digits = j;
        while (j < xml.size() && xml[j] == '0')
            ++j;
        if (j > digits && j < xml.size() && xml[j] == ';')
            return true;
    }
    return false;
}

uint64_t readBigEndian(const unsigned char* p, size_t n)
{
    uint64_t v = 0;
    for (size_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

// Walks the object table of a binary property list and checks every
// string object for a NUL character. False for a malformed table.
bool binaryStringsAreClean(std::string_view bin)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bin.data());
    const size_t n = bin.size();
    if (n < 8 + 32)
        return false;
    const unsigned char* trailer = b + n - 32;
    size_t offsetSize = trailer[6];
    uint64_t count = readBigEndian(trailer + 8, 8);
    uint64_t tableAt = readBigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || count > n || tableAt >= n ||
        count * offsetSize > n - 32 - tableAt)
        return false;
    for (uint64_t k = 0; k < count; ++k) {
        uint64_t at = readBigEndian(b + tableAt + k * offsetSize, offsetSize);
        if (at < 8 || at >= n - 32)
            return false;
        unsigned char marker = b[at];
        unsigned kind = marker >> 4;
        if (kind != 0x5 && kind != 0x6)
            continue;
        uint64_t length = marker & 0x0F;
        uint64_t start = at + 1;
        if (length == 0x0F) {
            if (start >= n)
                return false;
            unsigned char intMarker = b[start];
            if ((intMarker >> 4) != 0x1 || (intMarker & 0x0F) > 3)
                return false;
            size_t intSize = size_t(1) << (intMarker & 0x0F);
            if (start + 1 + intSize > n)
                return false;
            length = readBigEndian(b + start + 1, intSize);
            start += 1 + intSize;
        }
        uint64_t unit = kind == 0x6 ? 2 : 1;
        if (length > n || start + length * unit > n)
            return false;
        for (uint64_t c = 0; c < length; ++c) {
            bool nul = unit == 1 ? b[start + c] == 0 : (b[start + 2 * c] == 0 && b[start + 2 * c + 1] == 0);
            if (nul)
                return false;
        }
    }
    return true;
}

}  // namespace

bool parsePlist(std::string_view bytes, PlistValue& out)
{
    if (bytes.size() < 8 || bytes.size() > kMaxPlistBytes)
        return false;
    plist_t root = nullptr;
    // The XML reader expects a terminated buffer.
    std::string copy(bytes);
    if (plist_is_binary(copy.data(), static_cast<uint32_t>(copy.size()))) {
        if (!binaryStringsAreClean(copy))
            return false;
        plist_from_bin(copy.data(), static_cast<uint32_t>(copy.size()), &root);
    } else {
        if (xmlHasNul(copy))
            return false;
        plist_from_xml(copy.c_str(), static_cast<uint32_t>(copy.size()), &root);
    }
    PlistPtr guard(root);
    if (!root)
        return false;
    PlistValue v;
    if (!fromNode(root, v, 0))
        return false;
    out = std::move(v);
    return true;
}

std::string plistToXml(const PlistValue& v)
{
    PlistPtr node(toNode(v));
    char* xml = nullptr;
    uint32_t len = 0;
    plist_to_xml(node.get(), &xml, &len);
    std::string out = xml ? std::string(xml, len) : std::string();
    if (xml)
        plist_to_xml_free(xml);
    return out;
}

int readPlistFile(const std::string& path, PlistValue& out)
{
    std::string bytes;
    int rc = fs::readFile(path, bytes, kMaxPlistBytes);
    if (rc == fs::kFileNotFound)
        return rc;
    if (rc == fs::kNoErr && parsePlist(bytes, out))
        return fs::kNoErr;
    if (rc != fs::kNoErr && rc != fs::kMemFull)
        return rc;  // could not be read at all: leave it where it is
    std::string aside = path + ".bad";
    int mv = fs::renamePath(path, aside);
    logLine("Property list " + path + " could not be read" +
            (mv == fs::kNoErr ? "; moved aside to " + aside : "; could not move it aside"));
    return kPlistUnreadable;
}

int writePlistFile(const std::string& path, const PlistValue& v)
{
    std::string xml = plistToXml(v);
    if (xml.empty())
        return fs::kMemFull;
    return fs::writeFileAtomic(path, xml, fs::kFileMode);
}

}  // namespace qor
