#include "shell/Messages.h"

#include "base/Files.h"
#include "base/Log.h"

#include <cinttypes>
#include <cstdio>
#include <mutex>

namespace qor {

namespace {

using Table = std::map<std::string, std::string, std::less<>>;

struct TableCache {
    std::mutex lock;
    std::string folder;
    std::map<std::string, Table, std::less<>> tables;
};

TableCache& cache()
{
    static TableCache c;
    return c;
}

constexpr size_t kMaxTableBytes = 4u << 20;

const Table& loadTable(TableCache& c, std::string_view name)
{
    auto it = c.tables.find(name);
    if (it != c.tables.end())
        return it->second;
    Table t;
    if (!c.folder.empty()) {
        std::string text;
        std::string path = fs::joinPath(c.folder, std::string(name) + ".txt");
        int rc = fs::readFile(path, text, kMaxTableBytes);
        if (rc == fs::kNoErr) {
            std::vector<std::string> problems;
            t = MessageTables::parse(text, &problems);
            for (const auto& p : problems)
                logLine("Message table " + path + ", " + p);
        } else {
            logLine("Message table " + path + " could not be read (" + std::to_string(rc) + ")");
        }
    }
    return c.tables.emplace(std::string(name), std::move(t)).first->second;
}

std::string unescape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char n = s[i + 1];
            if (n == 'n' || n == 't' || n == '\\') {
                out.push_back(n == 'n' ? '\n' : n == 't' ? '\t' : '\\');
                ++i;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

}  // namespace

void MessageTables::setFolder(const std::string& folder)
{
    TableCache& c = cache();
    std::lock_guard<std::mutex> g(c.lock);
    c.folder = folder;
    c.tables.clear();
}

std::string MessageTables::localizedString(std::string_view key, std::string_view tableName)
{
    TableCache& c = cache();
    std::lock_guard<std::mutex> g(c.lock);
    const Table& t = loadTable(c, tableName);
    auto it = t.find(key);
    return it == t.end() ? std::string(key) : it->second;
}

bool MessageTables::has(std::string_view key, std::string_view tableName)
{
    TableCache& c = cache();
    std::lock_guard<std::mutex> g(c.lock);
    const Table& t = loadTable(c, tableName);
    return t.find(key) != t.end();
}

std::map<std::string, std::string, std::less<>> MessageTables::parse(std::string_view text,
                                                                     std::vector<std::string>* problems)
{
    Table t;
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    size_t lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        size_t tab = line.find('\t');
        auto report = [&](const char* why) {
            if (problems)
                problems->push_back("line " + std::to_string(lineNo) + ": " + why);
        };
        if (tab == std::string_view::npos || tab == 0) {
            report("no key and tab");
            continue;
        }
        std::string key(line.substr(0, tab));
        if (t.count(key)) {
            report("duplicate key");
            continue;
        }
        t.emplace(std::move(key), unescape(line.substr(tab + 1)));
    }
    return t;
}

// --- formatter -------------------------------------------------------------------

namespace {

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    char conv = 0;
};

std::string asText(const FormatArg& a)
{
    const auto& v = a.value();
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    if (auto* i = std::get_if<int64_t>(&v))
        return std::to_string(*i);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", std::get<double>(v));
    return buf;
}

int64_t asInt(const FormatArg& a)
{
    const auto& v = a.value();
    if (auto* i = std::get_if<int64_t>(&v))
        return *i;
    if (auto* d = std::get_if<double>(&v))
        return *d >= 9.2e18 ? INT64_MAX : *d <= -9.2e18 ? INT64_MIN : static_cast<int64_t>(*d);
    const std::string& s = std::get<std::string>(v);
    return std::strtoll(s.c_str(), nullptr, 10);
}

double asDouble(const FormatArg& a)
{
    const auto& v = a.value();
    if (auto* d = std::get_if<double>(&v))
        return *d;
    if (auto* i = std::get_if<int64_t>(&v))
        return static_cast<double>(*i);
    return std::strtod(std::get<std::string>(v).c_str(), nullptr);
}

// Pads text to the width, on the left unless the '-' flag is given.
std::string pad(std::string s, const Directive& dir)
{
    if (dir.width > 0 && s.size() < static_cast<size_t>(dir.width)) {
        size_t n = static_cast<size_t>(dir.width) - s.size();
        if (dir.flags.find('-') != std::string::npos)
            s.append(n, ' ');
        else
            s.insert(0, n, ' ');
    }
    return s;
}

std::string render(const Directive& dir, const FormatArg& a)
{
    // The printf directive is built from the format alone: only flags from
    // "-+ 0#", a bounded width and precision and a known conversion.
    std::string directive = "%" + dir.flags;
    if (dir.width >= 0)
        directive += std::to_string(dir.width);
    if (dir.precision >= 0)
        directive += "." + std::to_string(dir.precision);
    char buf[512];
    switch (dir.conv) {
    case '@':
    case 's': {
        std::string s = asText(a);
        if (dir.precision >= 0 && s.size() > static_cast<size_t>(dir.precision))
            s.resize(static_cast<size_t>(dir.precision));
        return pad(std::move(s), dir);
    }
    case 'c': {
        std::string s(1, static_cast<char>(asInt(a)));
        return pad(std::move(s), dir);
    }
    case 'd':
    case 'i':
        directive += PRId64;
        std::snprintf(buf, sizeof buf, directive.c_str(), asInt(a));
        return buf;
    case 'u':
    case 'x':
    case 'X':
    case 'o':
        directive += dir.conv == 'u' ? PRIu64 : dir.conv == 'x' ? PRIx64 : dir.conv == 'X' ? PRIX64 : PRIo64;
        std::snprintf(buf, sizeof buf, directive.c_str(), static_cast<uint64_t>(asInt(a)));
        return buf;
    default:  // f e g E G
        directive += dir.conv;
        std::snprintf(buf, sizeof buf, directive.c_str(), asDouble(a));
        return buf;
    }
}

}  // namespace

std::string formatMessage(std::string_view format, const std::vector<FormatArg>& args)
{
    std::string out;
    out.reserve(format.size() + 16);
    size_t next = 0;  // the next argument for directives without a position
    size_t i = 0;
    while (i < format.size()) {
        char c = format[i];
        if (c != '%') {
            out.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out.push_back('%');
            i += 2;
            continue;
        }
        size_t start = i++;
        Directive dir;
        // Position: digits followed by '$'.
        size_t position = 0;
        {
            size_t j = i;
            size_t n = 0;
            while (j < format.size() && format[j] >= '0' && format[j] <= '9' && n < 1000)
                n = n * 10 + static_cast<size_t>(format[j++] - '0');
            if (j > i && j < format.size() && format[j] == '$' && n > 0) {
                position = n;
                i = j + 1;
            }
        }
        while (i < format.size() && std::string_view("-+ 0#").find(format[i]) != std::string_view::npos)
            dir.flags.push_back(format[i++]);
        auto number = [&](int& into) {
            int n = 0;
            bool any = false;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                if (n < 100)
                    n = n * 10 + (format[i] - '0');
                ++i;
                any = true;
            }
            if (any)
                into = n > 100 ? 100 : n;
            return any;
        };
        number(dir.width);
        if (i < format.size() && format[i] == '.') {
            ++i;
            dir.precision = 0;
            number(dir.precision);
        }
        while (i < format.size() && std::string_view("hlqLzjt").find(format[i]) != std::string_view::npos)
            ++i;
        if (i >= format.size() || std::string_view("@sdiuxXocfeEgG").find(format[i]) == std::string_view::npos) {
            // Not a directive we know: keep the text as it stands.
            out.append(format.substr(start, i - start));
            continue;
        }
        dir.conv = format[i++];
        size_t index = position ? position - 1 : next++;
        if (index >= args.size()) {
            out.append(format.substr(start, i - start));
            continue;
        }
        out += render(dir, args[index]);
    }
    return out;
}

}  // namespace qor
