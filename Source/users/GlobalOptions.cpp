#include "users/GlobalOptions.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/Log.h"
#include "base/Record.h"
#include "shell/ObjUtils.h"
#include "shell/QorVersion.h"

namespace qor {

// --- the requirements record as bytes ------------------------------------------------

std::string BrsRequirements::encode() const
{
    RecordWriter w(kSize);
    w.u32(0, bExcludeRepeatCancelled);
    w.u32(4, bExcludeLowSpeed);
    w.u32(8, bExcludeHighSpeed);
    w.u32(12, bRequirePercent);
    w.u32(16, lowSpeed);
    w.u32(20, highSpeed);
    w.u32(24, requiredPercent);
    // reserved: 40 bytes, always zero
    return w.toString();
}

bool BrsRequirements::decode(std::string_view bytes, BrsRequirements& out)
{
    RecordReader r(bytes);
    out.bExcludeRepeatCancelled = r.u32(0);
    out.bExcludeLowSpeed = r.u32(4);
    out.bExcludeHighSpeed = r.u32(8);
    out.bRequirePercent = r.u32(12);
    out.lowSpeed = r.u32(16);
    out.highSpeed = r.u32(20);
    out.requiredPercent = r.u32(24);
    out.reserved = {};
    return r.ok() && bytes.size() >= kSize;
}

// --- GlobalOptions ---------------------------------------------------------------------

GlobalOptions& GlobalOptions::instance()
{
    static GlobalOptions options;
    return options;
}

GlobalOptions::GlobalOptions() : m_edition(QorVersion::qorVersion()) {}

GlobalOptions::GlobalOptions(std::string externalFolder, int edition)
    : m_external(std::move(externalFolder)), m_edition(edition)
{
}

std::string GlobalOptions::externalFolder() const
{
    return m_external.empty() ? ObjUtils::externalPath() : m_external;
}

std::string GlobalOptions::configPath() const
{
    return fs::joinPath(externalFolder(), kFileName);
}

namespace {

uint32_t u32Of(const PlistValue& root, const char* key)
{
    const PlistValue* v = root.find(key);
    return v ? static_cast<uint32_t>(v->toInt(0)) : 0u;
}

}  // namespace

std::string GlobalOptions::fitFontName(std::string_view utf8)
{
    constexpr size_t limit = MiscOptions::kFontNameField - 1;
    if (auto roman = utf8ToMacRoman(utf8)) {
        // One Mac OS Roman byte is one character.
        if (roman->size() > limit)
            roman->resize(limit);
        return macRomanToUtf8(*roman);
    }
    // A name Mac OS Roman cannot hold keeps its own bytes, cut on a
    // character boundary.
    std::string out;
    size_t pos = 0;
    size_t valid = validUtf8Prefix(utf8);
    while (pos < valid) {
        size_t start = pos;
        decodeUtf8(utf8, pos);
        if (pos > limit)
            break;
        out.append(utf8.substr(start, pos - start));
    }
    return out;
}

PlistValue GlobalOptions::toPlist(const BrsRequirements& brs, const MiscOptions& misc)
{
    PlistValue root = PlistValue::dict();
    auto put = [&](const char* key, uint32_t v) { root.set(key, PlistValue::integer(v)); };
    put(sitekey::kExcludeRepeatCancelled, brs.bExcludeRepeatCancelled);
    put(sitekey::kExcludeLowSpeed, brs.bExcludeLowSpeed);
    put(sitekey::kExcludeHighSpeed, brs.bExcludeHighSpeed);
    put(sitekey::kRequirePercent, brs.bRequirePercent);
    put(sitekey::kLowSpeed, brs.lowSpeed);
    put(sitekey::kHighSpeed, brs.highSpeed);
    put(sitekey::kRequiredPercent, brs.requiredPercent);
    put(sitekey::kLockoutCompStories, misc.lockoutCompStories);
    put(sitekey::kLockoutWizardScreen, misc.lockoutWizardScreen);
    put(sitekey::kAllowManualOverride, misc.allowManualOverride);
    put(sitekey::kForceUsersToLogon, misc.forceUsersToLogon);
    put(sitekey::kAddUserFromLogonScreen, misc.addUserFromLogonScreen);
    put(sitekey::kLockoutMenuMode, misc.lockoutMenuMode);
    put(sitekey::kLockoutExpertMode, misc.lockoutExpertMode);
    put(sitekey::kForceCourseInOrder, misc.forceCourseInOrder);
    put(sitekey::kForceCourseCompletion, misc.forceCourseCompletion);
    put(sitekey::kFontSize, static_cast<uint32_t>(misc.fontSize));
    put(sitekey::kHideBackToQuizButton, misc.hideBackToQuizButton);
    root.set(sitekey::kFontName, PlistValue::string(fitFontName(misc.fontName)));
    return root;
}

void GlobalOptions::fromPlist(const PlistValue& root, BrsRequirements& brs, MiscOptions& misc)
{
    brs = BrsRequirements{};
    brs.bExcludeRepeatCancelled = u32Of(root, sitekey::kExcludeRepeatCancelled);
    brs.bExcludeLowSpeed = u32Of(root, sitekey::kExcludeLowSpeed);
    brs.bExcludeHighSpeed = u32Of(root, sitekey::kExcludeHighSpeed);
    brs.bRequirePercent = u32Of(root, sitekey::kRequirePercent);
    brs.lowSpeed = u32Of(root, sitekey::kLowSpeed);
    brs.highSpeed = u32Of(root, sitekey::kHighSpeed);
    brs.requiredPercent = u32Of(root, sitekey::kRequiredPercent);

    misc = MiscOptions{};
    misc.lockoutCompStories = u32Of(root, sitekey::kLockoutCompStories);
    misc.lockoutWizardScreen = u32Of(root, sitekey::kLockoutWizardScreen);
    misc.allowManualOverride = u32Of(root, sitekey::kAllowManualOverride);
    misc.forceUsersToLogon = u32Of(root, sitekey::kForceUsersToLogon);
    misc.addUserFromLogonScreen = u32Of(root, sitekey::kAddUserFromLogonScreen);
    misc.lockoutMenuMode = u32Of(root, sitekey::kLockoutMenuMode);
    misc.lockoutExpertMode = u32Of(root, sitekey::kLockoutExpertMode);
    misc.forceCourseInOrder = u32Of(root, sitekey::kForceCourseInOrder);
    misc.forceCourseCompletion = u32Of(root, sitekey::kForceCourseCompletion);
    misc.fontSize = static_cast<int32_t>(u32Of(root, sitekey::kFontSize));
    misc.hideBackToQuizButton = u32Of(root, sitekey::kHideBackToQuizButton);
    const PlistValue* font = root.find(sitekey::kFontName);
    misc.fontName = font ? fitFontName(font->toString()) : std::string();
}

int GlobalOptions::readFile(BrsRequirements& brs, MiscOptions& misc) const
{
    std::string path = configPath();
    PlistValue root;
    int rc = readPlistFile(path, root);
    if (rc != fs::kNoErr)
        return rc;
    if (!root.isDict()) {
        // A property list, but not ours: keep it aside like any unreadable one.
        int mv = fs::renamePath(path, path + ".bad");
        logLine("Site settings " + path + " hold no dictionary" +
                (mv == fs::kNoErr ? "; moved aside to " + path + ".bad" : "; could not move it aside"));
        return kPlistUnreadable;
    }
    fromPlist(root, brs, misc);
    return fs::kNoErr;
}

GlobalOptions::LoadResult GlobalOptions::loadOptionsPlist()
{
    m_bFileLoaded = true;
    BrsRequirements brs;
    MiscOptions misc;
    int rc = readFile(brs, misc);
    if (rc == fs::kNoErr) {
        m_brs = brs;
        m_misc = misc;
        return LoadResult::Read;
    }
    m_brs = getBRSDefaults();
    m_misc = getMiscDefaults();
    if (rc == fs::kFileNotFound)
        return saveOptionsPlist() ? LoadResult::Created : LoadResult::NotCreated;
    if (rc == kPlistUnreadable)
        return LoadResult::Unparsable;
    logLine("Site settings " + configPath() + " could not be read (" + std::to_string(rc) +
            "); the defaults are used and the file is left as it is");
    return LoadResult::Unreadable;
}

bool GlobalOptions::saveOptionsPlist()
{
    return writePlistFile(configPath(), toPlist(m_brs, m_misc)) == fs::kNoErr;
}

void GlobalOptions::ensureLoaded()
{
    if (!m_bFileLoaded)
        loadOptionsPlist();
}

void GlobalOptions::getBRSValues(BrsRequirements& out)
{
    ensureLoaded();
    out = m_brs;
}

void GlobalOptions::getMiscValues(MiscOptions& out)
{
    ensureLoaded();
    if (m_edition == 1) {
        m_misc.lockoutWizardScreen = 0;
        m_misc.lockoutMenuMode = 0;
        m_misc.lockoutExpertMode = 0;
        m_misc.allowManualOverride = 1;
    }
    out = m_misc;
}

BrsRequirements GlobalOptions::brsValues()
{
    BrsRequirements v;
    getBRSValues(v);
    return v;
}

MiscOptions GlobalOptions::miscValues()
{
    MiscOptions v;
    getMiscValues(v);
    return v;
}

void GlobalOptions::takeStoredHalf(bool brsHalf)
{
    // The other half may have been changed by another copy since it was
    // read: take it from the file as it stands before writing it back.
    BrsRequirements brs;
    MiscOptions misc;
    if (readFile(brs, misc) == fs::kNoErr) {
        if (brsHalf)
            m_brs = brs;
        else
            m_misc = misc;
    }
    m_bFileLoaded = true;
}

bool GlobalOptions::saveBRSValues(const BrsRequirements& values)
{
    takeStoredHalf(false);
    m_brs = values;
    m_brs.reserved = {};
    return saveOptionsPlist();
}

bool GlobalOptions::saveMiscValues(const MiscOptions& values)
{
    takeStoredHalf(true);
    m_misc = values;
    m_misc.reserved = {};
    m_misc.fontName = fitFontName(values.fontName);
    return saveOptionsPlist();
}

int GlobalOptions::effectiveFontSize(const MiscOptions& misc)
{
    return misc.fontSize > 0 ? misc.fontSize : MiscOptions::kDefaultFontSize;
}

}  // namespace qor
