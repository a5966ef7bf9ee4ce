// The options record reader: any bytes give a record that validation
// makes safe, and a validated record survives the stored form unchanged.
#include "display/OptionsRecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qor::OptionsRecord rec;
    if (!qor::decodeOptionsRecord(bytes, rec)) {
        if (size >= qor::kOptionsRecordSize)
            std::abort();
        return 0;
    }
    if (rec.font.fontName.size() >= qor::kFontNameFieldSize ||
        rec.font.fontName.find('\0') != std::string::npos)
        std::abort();
    // Whatever was read can be written back whole.
    std::string again = qor::encodeOptionsRecord(rec);
    if (again.size() != qor::kOptionsRecordSize)
        std::abort();

    qor::validateOptions(rec);
    const qor::OptionsRecord& r = rec;
    if (r.lowSpeed < 1 || r.highSpeed > 999999 || r.highSpeed < r.lowSpeed + 19 || r.speed < r.lowSpeed ||
        r.speed > r.highSpeed || r.unit > 2 || r.burst.burstType < 0 || r.burst.burstType > 4 ||
        r.burst.burstNum < 1 || r.burst.burstNum > 999 || r.delay.wordLength < 5 || r.font.size < 1 ||
        r.font.margin < 6 || r.font.fontName.empty() || r.windowWidth < 1 || r.windowHeight < 1)
        std::abort();
    const qor::ModeOptionInfo* opt = qor::modeOptionInfo(r.displayMode.modeOpt);
    if (!qor::modeInfo(r.displayMode.mode) || !opt ||
        !qor::modeOffersOption(r.displayMode.mode, r.displayMode.modeOpt) ||
        r.displayMode.modeOptNum < opt->minCount || r.displayMode.modeOptNum > opt->maxCount)
        std::abort();

    qor::OptionsRecord back;
    if (!qor::decodeOptionsRecord(qor::encodeOptionsRecord(r), back) || !(back == r))
        std::abort();
    qor::OptionsRecord twice = back;
    if (!qor::validateOptions(twice) || !(twice == r))
        std::abort();
    return 0;
}
