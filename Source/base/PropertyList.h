#pragma once
// Property lists: a small value type, read from XML or binary files and
// written as XML, atomically.
//
// A file that exists but does not parse is never overwritten silently: it
// is moved aside to "<name>.bad" and the move is logged, so the caller can
// start from defaults without losing what was there.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qor {

class PlistValue {
public:
    enum class Type : uint8_t { Null, Bool, Integer, Real, String, Data, Date, Array, Dict };
    using Array = std::vector<PlistValue>;
    using Dict = std::map<std::string, PlistValue>;

    PlistValue() = default;
    static PlistValue boolean(bool v);
    static PlistValue integer(int64_t v);
    static PlistValue real(double v);
    static PlistValue string(std::string v);
    static PlistValue data(std::string bytes);
    // Seconds since 1 January 2001, 00:00 GMT.
    static PlistValue date(double seconds);
    static PlistValue array(Array items = {});
    static PlistValue dict(Dict items = {});

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isDict() const { return m_type == Type::Dict; }
    bool isArray() const { return m_type == Type::Array; }

    // Loose readers: a number or boolean of any kind converts; anything else
    // gives the default.
    bool toBool(bool def = false) const;
    int64_t toInt(int64_t def = 0) const;
    double toReal(double def = 0.0) const;
    // The string of a String value, or def.
    std::string toString(std::string_view def = {}) const;
    // The bytes of a Data value (or a String's bytes), or empty.
    std::string toData() const;
    double toDate(double def = 0.0) const;

    // Arrays and dictionaries. The const readers of a value of another type
    // see an empty container; the mutable ones turn the value into one.
    const Array& items() const;
    Array& items();
    const Dict& entries() const;
    Dict& entries();

    // Dictionary look-up: nullptr when missing or not a dictionary.
    const PlistValue* find(const std::string& key) const;
    // Sets a dictionary entry (turning the value into a dictionary).
    void set(const std::string& key, PlistValue v);
    // Appends to an array (turning the value into an array).
    void append(PlistValue v);

    bool operator==(const PlistValue& other) const;

private:
    Type m_type = Type::Null;
    std::variant<std::monostate, bool, int64_t, double, std::string, Array, Dict> m_v;
};

// Parses XML or binary bytes; false when they are no property list.
bool parsePlist(std::string_view bytes, PlistValue& out);
// The XML form of a value.
std::string plistToXml(const PlistValue& v);

// Reads a property-list file. Returns 0 and the value; kFileNotFound when
// there is none; kPlistUnreadable when it did not
// parse (the file has then been moved aside to "<path>.bad").
constexpr int kPlistUnreadable = -2;
constexpr size_t kMaxPlistBytes = 64u << 20;
int readPlistFile(const std::string& path, PlistValue& out);

// Writes the value as XML, atomically, mode 0666.
int writePlistFile(const std::string& path, const PlistValue& v);

}  // namespace qor
