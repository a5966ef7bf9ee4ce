#include "sets/OptionSetSource.h"

#include "base/Encoding.h"
#include "display/StandardOptions.h"
#include "sets/SetDialogs.h"

#include <charconv>
#include <functional>
#include <map>
#include <sstream>

namespace qor {

namespace {

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool toInts(std::string_view s, std::vector<int64_t>& out)
{
    out.clear();
    std::istringstream in{std::string(s)};
    std::string word;
    while (in >> word) {
        int64_t v = 0;
        auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
        if (ec != std::errc() || p != word.data() + word.size())
            return false;
        out.push_back(v);
    }
    return !out.empty();
}

using Setter = std::function<bool(OptionsRecord&, const std::vector<int64_t>&)>;

template <typename T> Setter one(T OptionsRecord::*field)
{
    return [field](OptionsRecord& o, const std::vector<int64_t>& v) {
        if (v.size() != 1)
            return false;
        o.*field = static_cast<T>(v[0]);
        return true;
    };
}

template <typename Sub, typename T> Setter sub(Sub OptionsRecord::*part, T Sub::*field)
{
    return [part, field](OptionsRecord& o, const std::vector<int64_t>& v) {
        if (v.size() != 1)
            return false;
        (o.*part).*field = static_cast<T>(v[0]);
        return true;
    };
}

Setter color(QorColor FontTrait::*field)
{
    return [field](OptionsRecord& o, const std::vector<int64_t>& v) {
        if (v.size() != 3)
            return false;
        o.font.*field = QorColor{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), kMaxColorComponent};
        return true;
    };
}

const std::map<std::string, Setter, std::less<>>& setters()
{
    static const std::map<std::string, Setter, std::less<>> table = {
        {"lowSpeed", one(&OptionsRecord::lowSpeed)},
        {"highSpeed", one(&OptionsRecord::highSpeed)},
        {"speed", one(&OptionsRecord::speed)},
        {"speechSpeed", one(&OptionsRecord::speechSpeed)},
        {"timer", one(&OptionsRecord::timer)},
        {"unit", one(&OptionsRecord::unit)},
        {"windowX", one(&OptionsRecord::windowX)},
        {"windowY", one(&OptionsRecord::windowY)},
        {"windowWidth", one(&OptionsRecord::windowWidth)},
        {"windowHeight", one(&OptionsRecord::windowHeight)},
        {"hideProgress", one(&OptionsRecord::hideProgress)},
        {"hideControls", one(&OptionsRecord::hideControls)},
        {"burstType", sub(&OptionsRecord::burst, &BurstOptions::burstType)},
        {"burstNum", sub(&OptionsRecord::burst, &BurstOptions::burstNum)},
        {"longWordDelay", sub(&OptionsRecord::delay, &DelayOptions::longWordDelay)},
        {"wordLength", sub(&OptionsRecord::delay, &DelayOptions::wordLength)},
        {"sentenceDelay", sub(&OptionsRecord::delay, &DelayOptions::sentenceDelay)},
        {"punctuationDelay", sub(&OptionsRecord::delay, &DelayOptions::punctuationDelay)},
        {"beginningOfLineDelay", sub(&OptionsRecord::delay, &DelayOptions::beginningOfLineDelay)},
        {"beginningOfPageDelay", sub(&OptionsRecord::delay, &DelayOptions::beginningOfPageDelay)},
        {"minimumDelay", sub(&OptionsRecord::delay, &DelayOptions::minimumDelay)},
        {"bFixed", sub(&OptionsRecord::delay, &DelayOptions::bFixed)},
        {"bLongWordDelay", sub(&OptionsRecord::delay, &DelayOptions::bLongWordDelay)},
        {"bSentenceDelay", sub(&OptionsRecord::delay, &DelayOptions::bSentenceDelay)},
        {"bPuctuationDelay", sub(&OptionsRecord::delay, &DelayOptions::bPuctuationDelay)},
        {"bBeginningOfLineDelay", sub(&OptionsRecord::delay, &DelayOptions::bBeginningOfLineDelay)},
        {"bBeginningOfPageDelay", sub(&OptionsRecord::delay, &DelayOptions::bBeginningOfPageDelay)},
        {"bMinimumDelay", sub(&OptionsRecord::delay, &DelayOptions::bMinimumDelay)},
        {"margin", sub(&OptionsRecord::font, &FontTrait::margin)},
        {"style", sub(&OptionsRecord::font, &FontTrait::style)},
        {"size", sub(&OptionsRecord::font, &FontTrait::size)},
        {"fontColor", color(&FontTrait::fontColor)},
        {"backgroundColor", color(&FontTrait::backgroundColor)},
        {"highlightBackgroundColor", color(&FontTrait::highlightBackgroundColor)},
        {"highlightFontColor", color(&FontTrait::highlightFontColor)},
        {"mode", sub(&OptionsRecord::displayMode, &DisplayModeOptions::mode)},
        {"modeOpt", sub(&OptionsRecord::displayMode, &DisplayModeOptions::modeOpt)},
        {"modeOptNum", sub(&OptionsRecord::displayMode, &DisplayModeOptions::modeOptNum)},
        {"modeOptCombineRes", sub(&OptionsRecord::displayMode, &DisplayModeOptions::modeOptCombineRes)},
    };
    return table;
}

} // namespace

bool parseOptionSetSource(std::string_view text, OptionSetSource& out, std::string& error)
{
    out = OptionSetSource{};
    int lineNo = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    // A stored option must be as it reads: what it would become when
    // applied is what was written.
    auto finish = [&]() {
        if (out.options.empty())
            return true;
        OptionsRecord check = out.options.back().options;
        if (!validateOptions(check))
            return fail("option \"" + macRomanToUtf8(out.options.back().name) + "\" is not valid as written");
        return true;
    };
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        std::string_view line = trim(text.substr(pos, end == std::string_view::npos ? text.npos : end - pos));
        pos = end == std::string_view::npos ? text.size() + 1 : end + 1;
        ++lineNo;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return fail("an option name ends with \"]\"");
            if (out.setName.empty())
                return fail("the set name comes first");
            if (!finish())
                return false;
            std::string name(trim(line.substr(1, line.size() - 2)));
            auto bytes = utf8ToMacRoman(name);
            if (!bytes || bytes->empty() || bytes->size() >= kOptionNameField)
                return fail("option names are 1 to 63 Mac OS Roman bytes");
            for (const OptionFileRec& o : out.options)
                if (o.name == *bytes)
                    return fail("option \"" + name + "\" comes twice");
            OptionFileRec rec;
            rec.name = *bytes;
            StandardOptions::defaultWindowOptions(rec.options);
            out.options.push_back(std::move(rec));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return fail("expected key = value");
        std::string_view key = trim(line.substr(0, eq));
        std::string_view value = trim(line.substr(eq + 1));
        if (key == "set") {
            if (!out.setName.empty() || !out.options.empty())
                return fail("the set name comes once, first");
            if (setNameRuleKey(value, NamingContext::Duplicate, true) != "SetCreate" &&
                setNameRuleKey(value, NamingContext::Duplicate, true) != "")
                return fail("the set name cannot be used");
            out.setName = std::string(value);
            continue;
        }
        if (out.options.empty())
            return fail("a value before the first [option]");
        OptionsRecord& o = out.options.back().options;
        if (key == "fontName") {
            auto bytes = utf8ToMacRoman(value);
            if (!bytes || bytes->empty() || bytes->size() >= kStoredFontNameField)
                return fail("font names are 1 to 79 Mac OS Roman bytes");
            o.font.fontName = *bytes;
            continue;
        }
        auto it = setters().find(key);
        if (it == setters().end())
            return fail("unknown key \"" + std::string(key) + "\"");
        std::vector<int64_t> numbers;
        if (!toInts(value, numbers) || !it->second(o, numbers))
            return fail("bad value for \"" + std::string(key) + "\"");
    }
    if (!finish())
        return false;
    if (out.setName.empty())
        return fail("no set name");
    return true;
}

std::string encodeOptionSet(const OptionSetSource& set)
{
    std::string data;
    for (const OptionFileRec& o : set.options)
        data += CustomOptionsFiles::convertToPCRec(o);
    return data;
}

} // namespace qor
