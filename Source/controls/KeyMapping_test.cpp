#include "controls/ChangeKeyMapModel.h"
#include "controls/KeyMapping.h"

#include "base/Files.h"
#include "base/PropertyList.h"
#include "base/TempFolder.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace qor {
namespace {

// A reader "Ann" with a folder of her own, a bus and recorded alerts.
struct KeyMapFixture {
    KeyMapFixture()
    {
        fs::makeFolders(tmp / "Users/Ann");
        saved = platform();
        PlatformServices s = saved;
        s.alerts = &alerts;
        installPlatform(s);
    }
    ~KeyMapFixture() { installPlatform(saved); }

    std::string file() const { return tmp / "Users/Ann/keyPrefs"; }
    void store(const PlistValue& v) const { ASSERT_EQ(writePlistFile(file(), v), 0); }
    PlistValue stored() const
    {
        PlistValue v;
        EXPECT_EQ(readPlistFile(file(), v), 0);
        return v;
    }
    // The stored entry of a function.
    PlistValue storedEntry(int index) const
    {
        PlistValue v = stored();
        const PlistValue* list = v.find("KeyMapping");
        return list && static_cast<size_t>(index) < list->items().size() ? list->items()[static_cast<size_t>(index)]
                                                                        : PlistValue();
    }
    void breakFolder() { std::filesystem::remove_all(tmp / "Users/Ann"); }

    TempFolder tmp;
    NotificationBus bus;
    KeyMapping map{bus, [this] { return tmp / "Users"; }};
    RecordingAlerts alerts;
    PlatformServices saved;
};

PlistValue entry(PlistValue value, PlistValue shift, PlistValue control)
{
    PlistValue d = PlistValue::dict();
    d.set("KeyName", PlistValue::string("whatever"));
    d.set("value", std::move(value));
    if (!shift.isNull())
        d.set("shift", std::move(shift));
    if (!control.isNull())
        d.set("control", std::move(control));
    d.set("notification", PlistValue::string("QuitNotification"));
    return d;
}

PlistValue fileOf(PlistValue::Array entries)
{
    PlistValue top = PlistValue::dict();
    top.set("KeyMapping", PlistValue::array(std::move(entries)));
    return top;
}

TEST(KeyMapping, DefaultLookUps)
{
    KeyMapFixture f;
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    struct Case {
        const char* stroke;
        int code;
        bool shift, control;
        std::string_view posted;  // "" when the key is passed on
    } cases[] = {
        {"Shift Period", 47, true, false, note::kPageForward},
        {"Period", 47, false, false, note::kBurstForward},
        {"Shift Control B", 11, true, true, note::kGotoBookMark},
        {"Control B", 11, false, true, note::kSetBookMark},
        {"S", 1, false, false, note::kSentenceSearch},
        {"Shift S", 1, true, false, ""},
        {"Control D", 2, false, true, note::kToggleSliderView},
        {"Shift Control D", 2, true, true, note::kToggleControlView},
        {"D alone", 2, false, false, ""},
        {"SpaceBar", 49, false, false, note::kToggleStopPlay},
        {"Control Up Arrow", 126, false, true, note::kFasterSpeedOneUnit},
        {"Shift Left Arrow", 123, true, false, note::kManualBack},
        {"F5", 96, false, false, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> all;
        std::vector<Subscription> subs;
        for (std::string_view name : note::kKeyMapBindable)
            subs.push_back(f.bus.subscribe(name, [&all](const Notification& n) { all.emplace_back(n.name); }));
        EXPECT_EQ(f.map.keyPressed(c.code, c.shift, c.control), !c.posted.empty()) << c.stroke;
        if (c.posted.empty()) {
            EXPECT_TRUE(all.empty()) << c.stroke;
        } else {
            EXPECT_EQ(all, std::vector<std::string>{std::string(c.posted)}) << c.stroke;
        }
        EXPECT_EQ(f.map.notificationFromKey(c.code, c.shift, c.control), std::string(c.posted)) << c.stroke;
    }
}

TEST(KeyMapping, FunctionTableBindsEveryBindableNotificationOnce)
{
    std::vector<std::string> names;
    for (int i = 0; i < KeyMapping::functionCount(); ++i)
        names.push_back(KeyMapping::notificationByIndex(i));
    std::vector<std::string> bindable(note::kKeyMapBindable.begin(), note::kKeyMapBindable.end());
    std::sort(names.begin(), names.end());
    std::sort(bindable.begin(), bindable.end());
    EXPECT_EQ(names, bindable);
    EXPECT_EQ(KeyMapping::functionByIndex(KeyMapping::functionCount()), "");
    EXPECT_EQ(KeyMapping::notificationByIndex(-1), "");
}

TEST(KeyMapping, KeyTableRowsAndCodes)
{
    struct Case {
        int row;
        const char* description;
        int code;
    } cases[] = {{0, "A", 0}, {1, "B", 11}, {18, "S", 1}, {26, "Period", 47}, {27, "Comma", 43},
                 {28, "SpaceBar", 49}, {33, "F5", 96}, {40, "Up Arrow", 126}, {41, "", -1}, {-1, "", -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(KeyMapping::descriptionByIndex(c.row), c.description) << c.row;
        EXPECT_EQ(KeyMapping::keyValueFromIndex(c.row), c.code) << c.row;
        if (c.code >= 0) {
            EXPECT_EQ(KeyMapping::indexFromKeyValue(c.code), c.row) << c.row;
        }
    }
    EXPECT_EQ(KeyMapping::indexFromKeyValue(50), 0);  // not listed: "A"
}

TEST(KeyMapping, MissingFileGivesDefaultsWrittenWithIntegers)
{
    KeyMapFixture f;
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    PlistValue e0 = f.storedEntry(0);
    EXPECT_EQ(e0.find("KeyName")->toString(), "Hide/Show Top Controls Toggle");
    EXPECT_EQ(e0.find("value")->toInt(), 2);
    EXPECT_EQ(e0.find("shift")->type(), PlistValue::Type::Integer);
    EXPECT_EQ(e0.find("control")->type(), PlistValue::Type::Integer);
    EXPECT_EQ(e0.find("control")->toInt(), 1);
    EXPECT_EQ(e0.find("notification")->toString(), "ToggleSliderViewNotification");
    EXPECT_EQ(f.stored().find("KeyMapping")->items().size(), 18u);
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "Control D");
    EXPECT_EQ(f.map.keyStrokeByIndex(12), "Shift Control B");
}

TEST(KeyMapping, CorruptStoredMapStillGivesEighteenEntries)
{
    // Entry 0 takes F5 from the file; entry 1 has a key code that is text;
    // entry 2 is no dictionary; entry 3 a code out of range; entry 4 a
    // modifier that is text; only five entries are stored at all.
    KeyMapFixture f;
    f.store(fileOf({entry(PlistValue::integer(96), PlistValue::boolean(true), PlistValue::boolean(false)),
                    entry(PlistValue::string("11"), PlistValue::integer(0), PlistValue::integer(1)),
                    PlistValue::string("junk"),
                    entry(PlistValue::integer(70000), PlistValue::integer(0), PlistValue::integer(0)),
                    entry(PlistValue::integer(0), PlistValue::string("yes"), PlistValue::integer(0))}));
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    for (int i = 0; i < KeyMapping::functionCount(); ++i) {
        SCOPED_TRACE(i);
        KeyMapEntry e = f.map.dictAtIndex(i);
        if (i == 0) {
            EXPECT_EQ(e, (KeyMapEntry{96, true, false, true}));
        } else {
            EXPECT_EQ(e.value, KeyMapping::valueByIndex(i));
            EXPECT_EQ(e.shift, KeyMapping::shiftByIndex(i));
            EXPECT_EQ(e.control, KeyMapping::controlByIndex(i));
        }
        EXPECT_FALSE(f.map.keyStrokeByIndex(i).empty());
    }
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "Shift F5");
    // The stored name and notification are never used.
    EXPECT_EQ(f.map.notificationFromKey(96, true, false), "ToggleSliderViewNotification");
    // The next save writes all eighteen, names from the table.
    ASSERT_TRUE(f.map.savePrefs());
    EXPECT_EQ(f.stored().find("KeyMapping")->items().size(), 18u);
    EXPECT_EQ(f.storedEntry(0).find("KeyName")->toString(), "Hide/Show Top Controls Toggle");
    EXPECT_EQ(f.storedEntry(0).find("notification")->toString(), "ToggleSliderViewNotification");
}

TEST(KeyMapping, UnusableFilesGiveDefaults)
{
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"not a property list", "this is no plist"},
        {"no key list", plistToXml(PlistValue::dict({{"Other", PlistValue::integer(1)}}))},
        {"key list of another type", plistToXml(PlistValue::dict({{"KeyMapping", PlistValue::string("x")}}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeyMapFixture f;
        ASSERT_EQ(fs::writeFileAtomic(f.file(), c.bytes), 0);
        f.map.loadPrefsFileForUser("Ann");
        EXPECT_EQ(f.map.dictAtIndex(17).value, 123);
        EXPECT_EQ(f.map.keyStrokeByIndex(6), "SpaceBar");
        EXPECT_TRUE(f.map.keyPressed(49, false, false));
    }
}

TEST(KeyMapping, ExtraStoredEntriesAreIgnored)
{
    KeyMapFixture f;
    PlistValue::Array many;
    for (int i = 0; i < 30; ++i)
        many.push_back(entry(PlistValue::integer(i < 18 ? KeyMapping::valueByIndex(17 - i) : 96),
                             PlistValue::integer(0), PlistValue::integer(0)));
    f.store(fileOf(many));
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    EXPECT_EQ(f.map.dictAtIndex(0).value, 123);
    EXPECT_EQ(f.map.notificationFromKey(96, false, false), "");
}

TEST(KeyMapping, StoredBooleansAndIntegersReadAlike)
{
    KeyMapFixture f;
    PlistValue::Array entries;
    for (int i = 0; i < 18; ++i)
        entries.push_back(entry(PlistValue::integer(KeyMapping::valueByIndex(i)),
                                PlistValue::integer(KeyMapping::shiftByIndex(i) ? 5 : 0),
                                PlistValue::boolean(KeyMapping::controlByIndex(i))));
    f.store(fileOf(entries));
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    EXPECT_EQ(f.map.notificationFromKey(11, true, true), "GotoBookMarkNotification");
    EXPECT_EQ(f.map.notificationFromKey(2, false, true), "ToggleSliderViewNotification");
}

TEST(KeyMapping, HandEditedDuplicateFirstEntryWins)
{
    KeyMapFixture f;
    PlistValue::Array entries;
    for (int i = 0; i < 18; ++i)
        entries.push_back(entry(PlistValue::integer(i == 5 ? 49 : KeyMapping::valueByIndex(i)),
                                PlistValue::integer(i == 5 ? 0 : KeyMapping::shiftByIndex(i)),
                                PlistValue::integer(i == 5 ? 0 : KeyMapping::controlByIndex(i))));
    f.store(fileOf(entries));
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    EXPECT_EQ(f.map.notificationFromKey(49, false, false), "SlowerSpeedOneUnitNotification");
}

TEST(KeyMapping, SaveReportsFailure)
{
    KeyMapFixture f;
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    EXPECT_TRUE(f.map.savePrefs());
    f.breakFolder();
    EXPECT_FALSE(f.map.savePrefs());
    EXPECT_FALSE(f.map.defaultValues());
    EXPECT_FALSE(f.map.setKey(96, false, false, 13));
    // Still in force for this session.
    EXPECT_EQ(f.map.notificationFromKey(96, false, false), "SentenceSearchNotification");

    KeyMapping nobody(f.bus, [&f] { return f.tmp / "Users"; });
    EXPECT_FALSE(nobody.loadPrefsFileForUser("../Ann"));
    EXPECT_FALSE(nobody.savePrefs());
    EXPECT_EQ(nobody.dictAtIndex(6).value, 49);  // defaults in memory
}

TEST(KeyMapping, ResetWritesDefaults)
{
    KeyMapFixture f;
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    ASSERT_TRUE(f.map.setKey(96, false, false, 0));
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "F5");
    ASSERT_TRUE(f.map.defaultValues());
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "Control D");
    EXPECT_EQ(f.storedEntry(0).find("value")->toInt(), 2);
    EXPECT_EQ(f.storedEntry(0).find("shift")->type(), PlistValue::Type::Integer);
}

TEST(KeyMapping, UnlistedCodeShowsAsA)
{
    KeyMapFixture f;
    PlistValue::Array entries{entry(PlistValue::integer(50), PlistValue::integer(1), PlistValue::integer(0))};
    f.store(fileOf(entries));
    f.map.loadPrefsFileForUser("Ann");
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "Shift A");
    ChangeKeyMapModel dialog(f.map);
    dialog.initializeWithIndex(0);
    EXPECT_EQ(dialog.selectedRow(), 0);
    EXPECT_TRUE(dialog.shift());
}

TEST(ChangeKeyMapModel, DuplicatesAreRefusedAndNewKeysStoredAsBooleans)
{
    KeyMapFixture f;
    ASSERT_TRUE(f.map.loadPrefsFileForUser("Ann"));
    ChangeKeyMapModel dialog(f.map);
    dialog.initializeWithIndex(13);  // Sentence Search
    EXPECT_EQ(dialog.functionName(), "Sentence Search");
    EXPECT_EQ(dialog.selectedRow(), 18);  // S
    EXPECT_FALSE(dialog.shift());
    EXPECT_FALSE(dialog.control());

    struct Case {
        const char* what;
        int row;
        bool shift;
        ChangeKeyMapModel::OkResult result;
    } cases[] = {
        {"Comma: Burst Repeat has it", 27, false, ChangeKeyMapModel::OkResult::Duplicate},
        {"Shift Comma: Page Back has it", 27, true, ChangeKeyMapModel::OkResult::Duplicate},
        {"F5 is free", 33, false, ChangeKeyMapModel::OkResult::Stored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dialog.selectRow(c.row);
        dialog.setShift(c.shift);
        EXPECT_FALSE(dialog.errorVisible());
        EXPECT_EQ(dialog.ok(), c.result);
        EXPECT_EQ(dialog.errorVisible(), c.result == ChangeKeyMapModel::OkResult::Duplicate);
    }
    EXPECT_EQ(f.map.notificationFromKey(96, false, false), "SentenceSearchNotification");
    EXPECT_EQ(f.map.notificationFromKey(1, false, false), "");
    PlistValue stored = f.storedEntry(13);
    EXPECT_EQ(stored.find("value")->toInt(), 96);
    EXPECT_EQ(stored.find("shift")->type(), PlistValue::Type::Bool);
    EXPECT_EQ(stored.find("control")->type(), PlistValue::Type::Bool);
    EXPECT_EQ(f.storedEntry(14).find("shift")->type(), PlistValue::Type::Integer);
    EXPECT_EQ(ChangeKeyMapModel::errorText(), MessageTables::localizedString("DuplicateKey", "Error"));
}

TEST(ChangeKeyMapModel, ChangesHideTheMessage)
{
    KeyMapFixture f;
    f.map.loadPrefsFileForUser("Ann");
    ChangeKeyMapModel dialog(f.map);
    dialog.initializeWithIndex(13);
    const std::function<void()> changes[] = {[&] { dialog.setShift(true); }, [&] { dialog.setControl(true); },
                                             [&] { dialog.selectRow(2); }};
    for (const auto& change : changes) {
        dialog.setShift(false);
        dialog.setControl(false);
        dialog.selectRow(27);
        ASSERT_EQ(dialog.ok(), ChangeKeyMapModel::OkResult::Duplicate);
        change();
        EXPECT_FALSE(dialog.errorVisible());
    }
}

TEST(ChangeKeyMapModel, NoRowOrNoFunctionDoesNothing)
{
    KeyMapFixture f;
    f.map.loadPrefsFileForUser("Ann");
    ChangeKeyMapModel dialog(f.map);
    dialog.initializeWithIndex(3);
    dialog.selectRow(-1);
    EXPECT_EQ(dialog.selectedRow(), -1);
    EXPECT_EQ(dialog.ok(), ChangeKeyMapModel::OkResult::NoRow);
    EXPECT_FALSE(dialog.errorVisible());
    EXPECT_EQ(f.map.dictAtIndex(3).value, 125);

    dialog.initializeWithIndex(18);
    dialog.selectRow(33);
    EXPECT_EQ(dialog.ok(), ChangeKeyMapModel::OkResult::NoRow);
    EXPECT_EQ(f.map.notificationFromKey(96, false, false), "");
}

TEST(ChangeKeyMapModel, FailedSaveIsShown)
{
    KeyMapFixture f;
    f.map.loadPrefsFileForUser("Ann");
    f.breakFolder();
    ChangeKeyMapModel dialog(f.map);
    dialog.initializeWithIndex(13);
    dialog.selectRow(33);
    EXPECT_EQ(dialog.ok(), ChangeKeyMapModel::OkResult::NotSaved);
    ASSERT_EQ(f.alerts.shown.size(), 1u);
    EXPECT_EQ(f.alerts.shown[0].message, MessageTables::localizedString("KeyMapNotSaved", "Error"));
}

}  // namespace
}  // namespace qor
