#include "sets/CustomOptionsFiles.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/Record.h"
#include "sets/SetKinds.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"

#include <algorithm>
#include <numeric>

namespace qor {

namespace {

constexpr int kMaxTimerMinutes = 32767;

void putColor(RecordWriter& w, size_t off, const QorColor& c)
{
    w.i32(off, c.red);
    w.i32(off + 4, c.green);
    w.i32(off + 8, c.blue);
}

QorColor getColor(const RecordReader& r, size_t off)
{
    return QorColor{r.i32(off), r.i32(off + 4), r.i32(off + 8), kMaxColorComponent};
}

uint8_t flag(const RecordReader& r, size_t off)
{
    return static_cast<uint8_t>(r.u32(off) & 0xFF);
}

// The delays that can be switched on and off: a 32-bit switch and the
// 32-bit amount after it.
struct SwitchedDelay {
    size_t offset;
    uint8_t DelayOptions::*on;
    int32_t DelayOptions::*amount;
};
constexpr SwitchedDelay kSwitchedDelays[] = {
    {144, &DelayOptions::bLongWordDelay, &DelayOptions::longWordDelay},
    {156, &DelayOptions::bSentenceDelay, &DelayOptions::sentenceDelay},
    {164, &DelayOptions::bPuctuationDelay, &DelayOptions::punctuationDelay},
    {464, &DelayOptions::bBeginningOfLineDelay, &DelayOptions::beginningOfLineDelay},
    {472, &DelayOptions::bBeginningOfPageDelay, &DelayOptions::beginningOfPageDelay},
    {480, &DelayOptions::bMinimumDelay, &DelayOptions::minimumDelay},
};

void putDelays(RecordWriter& w, const DelayOptions& d)
{
    for (const SwitchedDelay& s : kSwitchedDelays) {
        w.u32(s.offset, d.*s.on);
        w.i32(s.offset + 4, d.*s.amount);
    }
    w.i32(152, d.wordLength);
    w.u32(172, d.bFixed);
}

void getDelays(const RecordReader& r, DelayOptions& d)
{
    for (const SwitchedDelay& s : kSwitchedDelays) {
        d.*s.on = flag(r, s.offset);
        d.*s.amount = r.i32(s.offset + 4);
    }
    d.wordLength = r.i32(152);
    d.bFixed = flag(r, 172);
}

// The window's frame: x, y, width and height, 32 bits each.
void putFrame(RecordWriter& w, size_t off, const OptionsRecord& o)
{
    w.i32(off, o.windowX);
    w.i32(off + 4, o.windowY);
    w.i32(off + 8, o.windowWidth);
    w.i32(off + 12, o.windowHeight);
}

void getFrame(const RecordReader& r, size_t off, OptionsRecord& o)
{
    o.windowX = r.i32(off);
    o.windowY = r.i32(off + 4);
    o.windowWidth = r.i32(off + 8);
    o.windowHeight = r.i32(off + 12);
}

// Unsigned byte order of two names; a prefix sorts first.
bool nameLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return uint8_t(x) < uint8_t(y); });
}

std::string wholeRecords(const std::string& data)
{
    return data.substr(0, data.size() / kStoredOptionSize * kStoredOptionSize);
}

int readSetFile(const std::string& path, std::string& data)
{
    if (path.empty())
        return fs::kBadName;
    if (!fs::isPlainFile(path))
        return fs::kFileNotFound;
    return fs::readFile(path, data, kMaxOptionSetBytes + kStoredOptionSize);
}

// Rewrites a set file with the given stored records, sorted by name.
int rewriteSorted(const std::string& path, std::vector<std::string> raw)
{
    std::stable_sort(raw.begin(), raw.end(), [](const std::string& a, const std::string& b) {
        return nameLess(CustomOptionsFiles::storedName(a), CustomOptionsFiles::storedName(b));
    });
    std::string data;
    for (const std::string& r : raw)
        data += r;
    return fs::writeFileAtomic(path, data);
}

} // namespace

std::string missingOptionSetMessage(std::string_view setName)
{
    return formatMessage("The Custom Option file \"%s\" could not be found", {setName});
}

// --- the stored record ------------------------------------------------------------------

std::string CustomOptionsFiles::convertToPCRec(const OptionFileRec& rec)
{
    const OptionsRecord& o = rec.options;
    const FontTrait& f = o.font;
    RecordWriter w(kStoredOptionSize);
    w.str(0, kOptionNameField, rec.name);
    w.i32(84, o.speed);
    putColor(w, 92, f.backgroundColor);
    w.i32(108, o.displayMode.mode);
    w.i32(112, o.displayMode.modeOptNum);
    w.i32(116, o.displayMode.modeOptNum);
    w.i32(120, o.burst.burstType);
    w.i32(132, o.lowSpeed);
    w.i32(136, o.highSpeed);
    w.u32(140, o.unit);
    putDelays(w, o.delay);
    w.str(176, kStoredFontNameField, f.fontName);
    putColor(w, 260, f.fontColor);
    w.i32(288, (f.style & 1) ? 3 : 0);
    w.i32(292, (f.style & 4) ? 1 : 0);
    w.i32(296, (f.style & 8) ? 1 : 0);
    w.i32(300, f.size);
    putFrame(w, 308, o);
    w.i32(324, f.margin);
    w.u8(328, o.hideProgress == 0 ? 1 : 0);
    w.u8(329, o.hideControls == 0 ? 1 : 0);
    // Minutes beyond a signed 16-bit field are held at its largest value.
    uint32_t minutes = o.timer / 60;
    if (minutes > kMaxTimerMinutes)
        w.i16(330, kMaxTimerMinutes), w.i16(332, 59);
    else
        w.i16(330, static_cast<int16_t>(minutes)), w.i16(332, static_cast<int16_t>(o.timer % 60));
    w.u8(414, (f.style & 2) ? 1 : 0);
    w.i32(416, o.displayMode.mode);
    w.i32(420, o.displayMode.modeOpt);
    w.i32(424, o.displayMode.modeOptNum);
    w.u8(428, o.displayMode.modeOptCombineRes & 1);
    putColor(w, 436, f.highlightBackgroundColor);
    putColor(w, 452, f.highlightFontColor);
    w.i32(488, o.burst.burstNum);
    w.i32(552, o.speechSpeed);
    return w.toString();
}

bool CustomOptionsFiles::convertFromPCRec(std::string_view stored, OptionFileRec& out)
{
    out = OptionFileRec{};
    if (stored.size() < kStoredOptionSize)
        return false;
    RecordReader r(stored.substr(0, kStoredOptionSize));
    OptionsRecord& o = out.options;
    FontTrait& f = o.font;
    out.name = r.str(0, kOptionNameField);
    o.speed = r.i32(84);
    f.backgroundColor = getColor(r, 92);
    o.burst.burstType = r.i32(120);
    o.lowSpeed = r.i32(132);
    o.highSpeed = r.i32(136);
    o.unit = static_cast<uint16_t>(r.u32(140) & 0xFFFF);
    getDelays(r, o.delay);
    f.fontColor = getColor(r, 260);
    f.size = r.i32(300);
    getFrame(r, 308, o);
    f.margin = r.i32(324);
    o.hideProgress = r.u8(328) == 0 ? 1 : 0;
    o.hideControls = r.u8(329) == 0 ? 1 : 0;
    int32_t timer = int32_t(r.i16(330)) * 60 + int32_t(r.i16(332));
    o.timer = timer < 0 ? 0u : static_cast<uint32_t>(timer);
    o.displayMode.mode = r.i32(416);
    o.displayMode.modeOpt = r.i32(420);
    o.displayMode.modeOptNum = r.i32(424);
    o.displayMode.modeOptCombineRes = r.u8(428) != 0 ? 1 : 0;
    f.highlightBackgroundColor = getColor(r, 436);
    f.highlightFontColor = getColor(r, 452);
    o.burst.burstNum = r.i32(488);
    o.speechSpeed = r.i32(552);
    const bool bold = r.i32(288) == 3;
    f.style = 0;
    if (r.i32(292) != 0)
        f.style += 4;
    if (bold)
        f.style += 1;
    if (r.i32(296) != 0)
        f.style += 8;
    if (r.u8(414) != 0)
        f.style += 2;
    f.fontName = r.str(176, kStoredFontNameField);
    mapFontName(f.fontName, bold);
    return true;
}

std::string& CustomOptionsFiles::mapFontName(std::string& fontName, bool bold)
{
    struct Map {
        const char* from;
        const char* plain;
        const char* boldName;
    };
    static const Map kMaps[] = {
        {"Times New Roman", "TimesNewRomanPSMT", "TimesNewRomanPS-BoldMT"},
        {"Arial", "ArialMT", "Arial-BoldMT"},
        {"Courier New", "CourierNewPSMT", "CourierNewPS-BoldMT"},
    };
    for (const Map& m : kMaps)
        if (fontName == m.from) {
            fontName = bold ? m.boldName : m.plain;
            break;
        }
    return fontName;
}

std::string CustomOptionsFiles::storedName(std::string_view stored)
{
    return RecordReader(stored).str(0, kOptionNameField);
}

std::vector<std::string> CustomOptionsFiles::splitRecords(std::string_view file)
{
    std::vector<std::string> out;
    for (size_t off = 0; off + kStoredOptionSize <= file.size(); off += kStoredOptionSize)
        out.emplace_back(file.substr(off, kStoredOptionSize));
    return out;
}

// --- sets ------------------------------------------------------------------------------------

CustomOptionsFiles::CustomOptionsFiles(std::string externalFolder) : m_external(std::move(externalFolder)) {}

namespace {
SetStorage storageFor(const std::string& external)
{
    return SetStorage(setKind(SetKindId::CustomOptions), external);
}
} // namespace

std::string CustomOptionsFiles::getParentFolder() const
{
    return storageFor(m_external).parentFolder();
}
std::string CustomOptionsFiles::getFilePath(std::string_view setName) const
{
    return storageFor(m_external).setPath(setName);
}
int CustomOptionsFiles::createOptionsSet(std::string_view setName) const
{
    return storageFor(m_external).create(setName);
}
int CustomOptionsFiles::duplicateOptionsSet(std::string_view from, std::string_view to) const
{
    return storageFor(m_external).duplicate(from, to);
}
int CustomOptionsFiles::removeOptionsSet(std::string_view setName) const
{
    return storageFor(m_external).remove(setName);
}

// --- options ------------------------------------------------------------------------------------

int CustomOptionsFiles::addOption(std::string_view optionName, std::string_view setName,
                                  const OptionsRecord& options) const
{
    if (ObjUtils::readOnlyName(setName))
        return fs::kAccessDenied;
    auto bytes = utf8ToMacRoman(optionName);
    if (!bytes || bytes->empty())
        return fs::kBadName;
    OptionFileRec rec{bytes->substr(0, kOptionNameField - 1), options};
    // A name the field cannot terminate (NUL inside) would read back shorter.
    rec.name = rec.name.substr(0, rec.name.find('\0'));
    if (rec.name.empty())
        return fs::kBadName;
    std::string path = getFilePath(setName);
    std::string data;
    if (int rc = readSetFile(path, data); rc != fs::kNoErr)
        return rc;
    data = wholeRecords(data);
    for (const std::string& raw : splitRecords(data))
        if (storedName(raw) == rec.name)
            return fs::kDuplicateName;
    data += convertToPCRec(rec);
    return fs::writeFileAtomic(path, data);
}

int CustomOptionsFiles::removeOption(std::string_view optionName, std::string_view setName) const
{
    if (ObjUtils::readOnlyName(setName))
        return fs::kAccessDenied;
    std::string path = getFilePath(setName);
    std::string data;
    if (int rc = readSetFile(path, data); rc != fs::kNoErr)
        return rc;
    std::vector<std::string> raw = splitRecords(data);
    auto it = std::find_if(raw.begin(), raw.end(),
                           [&](const std::string& r) { return storedName(r) == optionName; });
    if (it == raw.end())
        return fs::kNoErr;
    raw.erase(it);
    return rewriteSorted(path, std::move(raw));
}

bool CustomOptionsFiles::getOptions(OptionFileRec& out, std::string_view setName,
                                    std::string_view optionName) const
{
    CustomOptionsFilesList list(setName, m_external, false);
    if (list.count() == 0)
        return false;
    int i = list.indexOfStoredName(optionName);
    out = *list.optionFileRecFromIndex(i < 0 ? 0 : i);
    if (ObjUtils::readOnlyName(setName)) {
        out.options.windowWidth = 0x7FFFFFFF;
        out.options.windowHeight = 0x7FFFFFFF;
    }
    return true;
}

// --- the list ----------------------------------------------------------------------------------------

CustomOptionsFilesList::CustomOptionsFilesList(std::string_view setName, std::string externalFolder,
                                               bool report)
    : m_setName(setName), m_external(std::move(externalFolder))
{
    std::string path = CustomOptionsFiles(m_external).getFilePath(setName);
    std::string data;
    m_loadStatus = readSetFile(path, data);
    if (m_loadStatus != fs::kNoErr) {
        if (!report)
            return;
        if (m_loadStatus == fs::kFileNotFound || m_loadStatus == fs::kBadName)
            QorAlert::message(missingOptionSetMessage(setName), kAlertOK, kSeverityWarning);
        else
            QorAlert::displayOSErr(m_loadStatus, 256);
        return;
    }
    std::vector<std::string> raw = CustomOptionsFiles::splitRecords(data);
    std::vector<OptionFileRec> recs(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
        CustomOptionsFiles::convertFromPCRec(raw[i], recs[i]);
    std::vector<size_t> order(raw.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return nameLess(recs[a].name, recs[b].name); });
    for (size_t i : order) {
        m_pOptionsArray.push_back(std::move(recs[i]));
        m_raw.push_back(std::move(raw[i]));
    }
}

int CustomOptionsFilesList::indexOfStoredName(std::string_view macRomanName) const
{
    for (size_t i = 0; i < m_pOptionsArray.size(); ++i)
        if (m_pOptionsArray[i].name == macRomanName)
            return static_cast<int>(i);
    return -1;
}

int CustomOptionsFilesList::indexOfEqualString(std::string_view utf8Name) const
{
    auto bytes = utf8ToMacRoman(utf8Name);
    if (!bytes)
        return -1;
    return indexOfStoredName(bytes->substr(0, 255));
}

std::string CustomOptionsFilesList::stringAtIndex(int index) const
{
    return validIndex(index) ? macRomanToUtf8(m_pOptionsArray[size_t(index)].name) : std::string();
}

std::string CustomOptionsFilesList::getCString(int index, size_t size) const
{
    if (size == 0 || !validIndex(index))
        return {};
    return m_pOptionsArray[size_t(index)].name.substr(0, size - 1);
}

const OptionFileRec* CustomOptionsFilesList::optionFileRecFromIndex(int index) const
{
    return validIndex(index) ? &m_pOptionsArray[size_t(index)] : nullptr;
}

int CustomOptionsFilesList::removeOptionAtIndex(int index)
{
    if (!validIndex(index))
        return fs::kNoErr;
    if (ObjUtils::readOnlyName(m_setName))
        return fs::kAccessDenied;
    m_pOptionsArray.erase(m_pOptionsArray.begin() + index);
    m_raw.erase(m_raw.begin() + index);
    std::string path = CustomOptionsFiles(m_external).getFilePath(m_setName);
    if (path.empty() || !fs::isPlainFile(path)) {
        QorAlert::message(missingOptionSetMessage(m_setName), kAlertOK, kSeverityWarning);
        return fs::kFileNotFound;
    }
    int rc = rewriteSorted(path, m_raw);
    if (rc != fs::kNoErr)
        QorAlert::displayOSErr(rc, 256);
    return rc;
}

} // namespace qor
