#include "users/CurrentPrefs.h"

#include "base/Files.h"
#include "users/PreferenceWinController.h"
#include "users/UsersTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qor {
namespace {

using testing_site::Site;

PlistValue readPrefs(const std::string& path)
{
    PlistValue v;
    readPlistFile(path, v);
    return v;
}

TEST(CurrentPrefs, FirstLogonWritesEveryKey)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    PlistValue file = readPrefs(s.userFile("Bob", "prefs"));
    ASSERT_TRUE(file.isDict());
    auto table = prefs.defaultsTable();
    EXPECT_EQ(file.entries().size(), table.size());
    for (const auto& d : table) {
        const PlistValue* v = file.find(d.key);
        ASSERT_NE(v, nullptr) << d.key;
        EXPECT_EQ(*v, d.value) << d.key;
    }
    // A sample of the table as the readers give it back.
    EXPECT_EQ(prefs.intValue("TipNumber"), 1);
    EXPECT_TRUE(prefs.boolValue("WizardScreen"));
    EXPECT_EQ(prefs.stringValue("TabLabel"), "Course Mode");
    EXPECT_EQ(prefs.intValue("LastCompSpeed"), 400);
    EXPECT_EQ(prefs.intValue("ScreenY"), -1);
    EXPECT_EQ(prefs.intValue("VoiceCreator"), 1835364215);
    EXPECT_EQ(prefs.intValue("VoiceID"), 201);
    EXPECT_EQ(prefs.intValue("BackgroundColorB"), 22282);
    EXPECT_EQ(prefs.doubleValue("ForcedSpeedSpeedFactor"), 1.5);
    EXPECT_TRUE(prefs.boolValue("ForcedSpeedForceToChar"));
    EXPECT_FALSE(prefs.boolValue("SpeakingOn"));
    EXPECT_EQ(table.size(), 53u);
}

TEST(CurrentPrefs, VoiceDefaultsComeFromTheSpeechEngine)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    prefs.setVoiceDefaults([](int& creator, int& id) {
        creator = 77;
        id = 200;
    });
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    PlistValue file = readPrefs(s.userFile("Bob", "prefs"));
    EXPECT_EQ(file.find("VoiceCreator")->toInt(), 77);
    EXPECT_EQ(file.find("VoiceID")->toInt(), 200);
}

TEST(CurrentPrefs, MissingKeysReadTheirDefaults)
{
    Site s;
    s.addUser("Bob");
    PlistValue partial = PlistValue::dict();
    partial.set("ReadTime", PlistValue::integer(42));
    partial.set("OverrideCustomSpeed", PlistValue::string("fast"));  // wrong type
    partial.set("Custom", PlistValue::integer(5));
    ASSERT_EQ(writePlistFile(s.userFile("Bob", "prefs"), partial), 0);

    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    EXPECT_EQ(prefs.intValue("ReadTime"), 42);
    EXPECT_EQ(prefs.intValue("Custom"), 5);
    EXPECT_EQ(prefs.intValue("LastCompSpeed"), 400);
    EXPECT_EQ(prefs.intValue("OverrideCustomSpeed"), 200);
    EXPECT_EQ(prefs.doubleValue("OverrideSpeedFactor"), 1.5);
    EXPECT_TRUE(prefs.boolValue("Tooltips"));
    EXPECT_EQ(prefs.stringValue("TabLabel"), "Course Mode");
    // Keys the table does not know read as nothing.
    EXPECT_EQ(prefs.intValue("Unknown"), 0);
    EXPECT_EQ(prefs.stringValue("Unknown"), "");
    // The file is not filled in just by loading it.
    EXPECT_FALSE(readPrefs(s.userFile("Bob", "prefs")).find("LastCompSpeed"));
}

TEST(CurrentPrefs, SpeedsAndFactorsNeverReachZero)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    prefs.setIntValue(0, "LastCompSpeed");
    prefs.setIntValue(-30, "OverrideCustomSpeed");
    prefs.setDoubleValue(0.0, "OverrideSpeedFactor");
    prefs.setDoubleValue(std::nan(""), "ForcedSpeedSpeedFactor");
    EXPECT_EQ(prefs.speedValue("LastCompSpeed"), 1);
    EXPECT_EQ(prefs.speedValue("OverrideCustomSpeed"), 1);
    EXPECT_EQ(prefs.factorValue("OverrideSpeedFactor"), 1.5);
    EXPECT_EQ(prefs.factorValue("ForcedSpeedSpeedFactor"), 1.5);
    prefs.setIntValue(650, "LastCompSpeed");
    EXPECT_EQ(prefs.speedValue("LastCompSpeed"), 650);
}

TEST(CurrentPrefs, EveryChangeIsWrittenAtOnce)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    ASSERT_TRUE(prefs.setIntValue(77, "ReadTime"));
    ASSERT_TRUE(prefs.setStringValue("Drills", "TabLabel"));
    ASSERT_TRUE(prefs.setBOOLValue(false, "Tooltips"));
    ASSERT_TRUE(prefs.setDoubleValue(2.25, "OverrideSpeedFactor"));
    PlistValue file = readPrefs(s.userFile("Bob", "prefs"));
    EXPECT_EQ(file.find("ReadTime")->toInt(), 77);
    EXPECT_EQ(file.find("TabLabel")->toString(), "Drills");
    EXPECT_EQ(file.find("Tooltips")->type(), PlistValue::Type::Bool);
    EXPECT_FALSE(file.find("Tooltips")->toBool(true));
    EXPECT_EQ(file.find("OverrideSpeedFactor")->toReal(), 2.25);

    // Another reader's file replaces the dictionary entirely.
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Carl"));
    EXPECT_EQ(prefs.intValue("ReadTime"), 0);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("bob"));
    EXPECT_EQ(prefs.intValue("ReadTime"), 77);
}

TEST(CurrentPrefs, ACorruptFileIsMovedAsideAndTheReaderKeepsWorking)
{
    Site s;
    s.addUser("Bob");
    const std::string garbage = "<?xml version=\"1.0\"?><plist><dict><key>ReadTime";
    fs::writeFileAtomic(s.userFile("Bob", "prefs"), garbage);

    CurrentPrefs prefs(*s.admin);
    EXPECT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    std::string aside;
    ASSERT_EQ(fs::readFile(s.userFile("Bob", "prefs.bad"), aside, 1 << 16), 0);
    EXPECT_EQ(aside, garbage);
    EXPECT_EQ(prefs.intValue("LastCompSpeed"), 400);
    ASSERT_TRUE(prefs.setIntValue(5, "ReadTime"));
    EXPECT_EQ(readPrefs(s.userFile("Bob", "prefs")).find("ReadTime")->toInt(), 5);

    // A property list that holds no dictionary is set aside as well.
    s.addUser("Carl");
    ASSERT_EQ(writePlistFile(s.userFile("Carl", "prefs"), PlistValue::array()), 0);
    EXPECT_TRUE(prefs.loadPrefsFileForUser("Carl"));
    EXPECT_TRUE(fs::exists(s.userFile("Carl", "prefs.bad")));
    EXPECT_TRUE(readPrefs(s.userFile("Carl", "prefs")).isDict());
}

TEST(CurrentPrefs, AFileThatCannotBeReadIsNeverOverwritten)
{
    Site s;
    s.addUser("Bob");
    fs::makeFolder(s.userFile("Bob", "prefs"));  // exists, cannot be read as a file
    CurrentPrefs prefs(*s.admin);
    EXPECT_FALSE(prefs.loadPrefsFileForUser("Bob"));
    EXPECT_EQ(prefs.intValue("LastCompSpeed"), 400);
    EXPECT_FALSE(prefs.setIntValue(9, "ReadTime"));
    EXPECT_EQ(prefs.intValue("ReadTime"), 9);  // kept in memory
    EXPECT_TRUE(fs::isFolder(s.userFile("Bob", "prefs")));
}

TEST(CurrentPrefs, AFailedSaveKeepsTheValuesInMemory)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    // The reader's folder disappears under us (another process removed it).
    ASSERT_TRUE(ObjUtils::removeFolder(s.users() + "Bob", false));
    ASSERT_EQ(fs::writeFileAtomic(s.users() + "Bob", "a file in its place"), 0);
    EXPECT_FALSE(prefs.setIntValue(12, "ReadTime"));
    EXPECT_EQ(prefs.intValue("ReadTime"), 12);
    EXPECT_EQ(prefs.intValue("LastCompSpeed"), 400);
    EXPECT_EQ(prefs.doubleValue("OverrideSpeedFactor"), 1.5);
}

class FakeKeyMap final : public KeyMapTable {
public:
    int functionCount() const override { return static_cast<int>(keys.size()); }
    std::string functionByIndex(int i) const override { return "Function " + std::to_string(i); }
    std::string keyStrokeByIndex(int i) const override { return keys[static_cast<size_t>(i)]; }
    void defaultValues() override { keys = {"Space", "Left"}; }
    std::vector<std::string> keys{"F1", "F2"};
};

TEST(PreferenceWindow, SwitchesAreStoredAtOnceAndTooltipsAnnounced)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    prefs.setBOOLValue(false, "MenuSound");
    PreferenceWinController win(prefs);
    std::vector<bool> announced;
    win.setTooltipsChanged([&](bool on) { announced.push_back(on); });
    FakeKeyMap keys;
    win.setKeyMap(&keys);

    win.selectTab(1);
    win.windowDidLoad();
    EXPECT_EQ(win.currentTab(), 0);
    EXPECT_TRUE(win.tooltipsChecked());
    EXPECT_FALSE(win.menuSoundChecked());

    EXPECT_TRUE(win.showTooltipsCheck(false));
    EXPECT_TRUE(win.enableWizardSoundCheck(true));
    EXPECT_EQ(announced, std::vector<bool>{false});
    PlistValue file = readPrefs(s.userFile("Bob", "prefs"));
    EXPECT_FALSE(file.find("Tooltips")->toBool(true));
    EXPECT_TRUE(file.find("MenuSound")->toBool(false));

    ASSERT_EQ(win.rowCount(), 2);
    EXPECT_EQ(win.functionAt(1), "Function 1");
    EXPECT_EQ(win.keyStrokeAt(0), "F1");
    EXPECT_EQ(win.keyStrokeAt(5), "");
    EXPECT_FALSE(win.canEditRow(2));
    win.resetAllButton();
    EXPECT_EQ(win.keyStrokeAt(0), "Space");
}

}  // namespace
}  // namespace qor
