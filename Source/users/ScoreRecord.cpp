#include "users/ScoreRecord.h"

#include "base/Encoding.h"

namespace qor {

std::string scoreName(std::string_view macRoman)
{
    std::string_view s = macRoman.substr(0, macRoman.find('\0'));
    return std::string(s.substr(0, ScoreRecord::kMaxNameBytes));
}

PlistValue scoreToPlist(const ScoreRecord& score)
{
    PlistValue d = PlistValue::dict();
    d.set(scorekey::kSpeed, PlistValue::integer(score.speed));
    d.set(scorekey::kPercent, PlistValue::integer(score.percent));
    d.set(scorekey::kSeconds, PlistValue::real(score.seconds));
    d.set(scorekey::kName, PlistValue::string(macRomanToUtf8(scoreName(score.name))));
    d.set(scorekey::kSetName, PlistValue::string(macRomanToUtf8(scoreName(score.setName))));
    d.set(scorekey::kOptionSet, PlistValue::string(macRomanToUtf8(scoreName(score.optionSet))));
    d.set(scorekey::kOption, PlistValue::string(macRomanToUtf8(scoreName(score.option))));
    d.set(scorekey::kNormalMode, PlistValue::boolean(score.normalMode));
    return d;
}

namespace {

std::string nameOf(const PlistValue& d, const char* key)
{
    const PlistValue* v = d.find(key);
    if (!v)
        return {};
    auto roman = utf8ToMacRoman(v->toString());
    return roman ? scoreName(*roman) : std::string();
}

int32_t int32Of(const PlistValue& d, const char* key, int32_t def)
{
    const PlistValue* v = d.find(key);
    return v ? static_cast<int32_t>(v->toInt(def)) : def;
}

}  // namespace

bool scoreFromPlist(const PlistValue& value, ScoreRecord& score)
{
    score = ScoreRecord{};
    if (!value.isDict())
        return false;
    score.speed = int32Of(value, scorekey::kSpeed, 0);
    score.percent = int32Of(value, scorekey::kPercent, -1);
    const PlistValue* secs = value.find(scorekey::kSeconds);
    score.seconds = secs ? static_cast<float>(secs->toReal(0.0)) : 0.0f;
    score.name = nameOf(value, scorekey::kName);
    score.setName = nameOf(value, scorekey::kSetName);
    score.optionSet = nameOf(value, scorekey::kOptionSet);
    score.option = nameOf(value, scorekey::kOption);
    const PlistValue* mode = value.find(scorekey::kNormalMode);
    score.normalMode = mode && mode->toBool(false);
    return true;
}

bool isValidScore(const ScoreRecord& score, const BrsRequirements& brs)
{
    auto on = [](uint32_t flag) { return (flag & 0xFF) != 0; };
    uint32_t speed = static_cast<uint32_t>(score.speed);
    uint32_t percent = static_cast<uint32_t>(score.percent);
    if (on(brs.bExcludeLowSpeed) && speed < brs.lowSpeed)
        return false;
    if (on(brs.bExcludeHighSpeed) && speed > brs.highSpeed)
        return false;
    if (on(brs.bRequirePercent) && percent < brs.requiredPercent)
        return false;
    return score.percent != -1 && score.normalMode;
}

}  // namespace qor
