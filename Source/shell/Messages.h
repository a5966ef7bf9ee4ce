#pragma once
// Message tables and the one safe formatter.
//
// Every text the system shows is a key in one of five tables: "Error",
// "Display", "Tooltips", "Wizard" and "Tips". The tables are UTF-8 files
// "<Table>.txt" in the internal folder's "Messages" folder, one entry a
// line:
//
//     # a comment
//     Key<TAB>The text, which may hold \n, \t and \\ escapes.
//
// A key that is missing shows the key itself. A text may be a format; it is
// filled by formatMessage, which reads directives only from the format and
// never from the values filled in.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qor {

namespace table {
inline constexpr const char* kError = "Error";
inline constexpr const char* kDisplay = "Display";
inline constexpr const char* kTooltips = "Tooltips";
inline constexpr const char* kWizard = "Wizard";
inline constexpr const char* kTips = "Tips";
}  // namespace table

class MessageTables {
public:
    // The folder that holds "<Table>.txt"; tables load lazily from it.
    static void setFolder(const std::string& folder);
    // The text of a key, or the key itself when the table or key is missing.
    static std::string localizedString(std::string_view key, std::string_view tableName);
    // True when the table has the key.
    static bool has(std::string_view key, std::string_view tableName);

    // Parses one table's text. Malformed lines are reported in `problems`
    // (as "line N: reason") and skipped.
    static std::map<std::string, std::string, std::less<>> parse(std::string_view text,
                                                                 std::vector<std::string>* problems);
};

// One value to fill into a format.
class FormatArg {
public:
    FormatArg(int v) : m_v(static_cast<int64_t>(v)) {}
    FormatArg(long v) : m_v(static_cast<int64_t>(v)) {}
    FormatArg(long long v) : m_v(static_cast<int64_t>(v)) {}
    FormatArg(unsigned v) : m_v(static_cast<int64_t>(v)) {}
    FormatArg(unsigned long v) : m_v(static_cast<int64_t>(v)) {}
    FormatArg(double v) : m_v(v) {}
    FormatArg(const char* v) : m_v(std::string(v ? v : "")) {}
    FormatArg(std::string v) : m_v(std::move(v)) {}
    FormatArg(std::string_view v) : m_v(std::string(v)) {}

    const std::variant<int64_t, double, std::string>& value() const { return m_v; }

private:
    std::variant<int64_t, double, std::string> m_v;
};

// Fills a printf-style format: %@ and %s take any value as text; %d %i %u
// %ld %c %x %X %o take integers; %f %e %g take numbers; flags, width,
// precision and positions ("%2$@") are honoured; "%%" is a percent sign.
// A directive without a value is kept as it stands.
std::string formatMessage(std::string_view format, const std::vector<FormatArg>& args);

inline std::string formatMessage(std::string_view format, std::initializer_list<FormatArg> args)
{
    return formatMessage(format, std::vector<FormatArg>(args));
}

// Looks the key up and fills it.
inline std::string localizedFormat(std::string_view key, std::string_view tableName,
                                   std::initializer_list<FormatArg> args)
{
    return formatMessage(MessageTables::localizedString(key, tableName), args);
}

}  // namespace qor
