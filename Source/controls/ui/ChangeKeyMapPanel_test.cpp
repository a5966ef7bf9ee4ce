#include "controls/KeyMapping.h"
#include "controls/ui/ChangeKeyMapPanel.h"
#include "controls/ui/KeyCodes.h"
#include "controls/ui/KeyMappingSeams.h"
#include "testing/ui/WidgetTestSupport.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "users/ui/UsersPanels.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace qor {
namespace {

TEST(KeyCodes, PhysicalKeysOfAnXServer)
{
    struct Case {
        const char* key;
        quint32 xKeycode;
        int code;
    } cases[] = {
        {"A", 38, 0},          {"S", 39, 1},         {"D", 40, 2},          {"B", 56, 11},
        {"Q", 24, 12},         {"M", 58, 46},        {"Comma", 59, 43},     {"Period", 60, 47},
        {"Space", 65, 49},     {"F1", 67, 122},      {"F5", 71, 96},        {"F8", 74, 100},
        {"Left", 113, 123},    {"Right", 114, 124},  {"Down", 116, 125},    {"Up", 111, 126},
        {"Escape", 9, 53},     {"1", 10, 18},        {"Return", 36, 36},    {"none", 0, -1},
        {"unlisted", 255, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(macKeyCodeFromXKeycode(c.xKeycode), c.code) << c.key;
}

TEST(KeyCodes, QtKeysWithoutAPhysicalKey)
{
    struct Case {
        const char* key;
        int qtKey;
        int code;
    } cases[] = {
        {"A", Qt::Key_A, 0},          {"S", Qt::Key_S, 1},         {"B", Qt::Key_B, 11},
        {"Period", Qt::Key_Period, 47}, {"> is Shift Period", Qt::Key_Greater, 47},
        {"Comma", Qt::Key_Comma, 43},  {"< is Shift Comma", Qt::Key_Less, 43},
        {"Space", Qt::Key_Space, 49},  {"F5", Qt::Key_F5, 96},     {"F8", Qt::Key_F8, 100},
        {"Left", Qt::Key_Left, 123},   {"Up", Qt::Key_Up, 126},    {"! is Shift 1", Qt::Key_Exclam, 18},
        {"Shift alone", Qt::Key_Shift, -1}, {"unknown", Qt::Key_unknown, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(macKeyCodeFromQtKey(c.qtKey), c.code) << c.key;
}

TEST(KeyCodes, EventsGiveCodeAndModifiers)
{
    // Offscreen there is no physical key: Qt's key decides.
    QKeyEvent shiftPeriod(QEvent::KeyPress, Qt::Key_Greater, Qt::ShiftModifier, 60, 0, 0, ">");
    EXPECT_EQ(macKeyCode(shiftPeriod), 47);
    EXPECT_TRUE(keyMapShift(shiftPeriod));
    EXPECT_FALSE(keyMapControl(shiftPeriod));
    QKeyEvent controlB(QEvent::KeyPress, Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(macKeyCode(controlB), 11);
    EXPECT_TRUE(keyMapShift(controlB));
    EXPECT_TRUE(keyMapControl(controlB));
}

TEST(KeyCodes, OnlyTheLeftControlKeyCounts)
{
    auto press = [](quint32 scan) { return QKeyEvent(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, scan, 0, 0); };
    auto release = [](quint32 scan) { return QKeyEvent(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, scan, 0, 0); };
    QKeyEvent controlD(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier);
    QKeyEvent plainD(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier);

    ControlKeyState state(true);
    EXPECT_TRUE(state.leftControl(controlD)) << "nothing seen yet: either key counts";
    EXPECT_FALSE(state.leftControl(plainD));
    state.note(press(105));  // right Control
    EXPECT_FALSE(state.leftControl(controlD));
    state.note(press(37));   // and left
    EXPECT_TRUE(state.leftControl(controlD));
    state.note(release(37));
    EXPECT_FALSE(state.leftControl(controlD));
    state.reset();
    EXPECT_TRUE(state.leftControl(controlD));

    ControlKeyState noPhysicalKeys(false);
    noPhysicalKeys.note(press(105));
    EXPECT_TRUE(noPhysicalKeys.leftControl(controlD));
}

struct KeyPanelFixture {
    KeyPanelFixture()
    {
        fs::makeFolders(tmp / "Users/Ann");
        map.loadPrefsFileForUser("Ann");
    }
    TempFolder tmp;
    NotificationBus bus;
    KeyMapping map{bus, [this] { return tmp / "Users"; }};
};

TEST(ChangeKeyMapPanel, RefusesADuplicateThenStoresAFreeKey)
{
    KeyPanelFixture f;
    ChangeKeyMapModel model(f.map);
    model.initializeWithIndex(13);
    ChangeKeyMapPanel panel(model);
    auto* name = child<QLabel>(&panel, "functionName");
    auto* keys = child<QListWidget>(&panel, "keysView");
    auto* shift = child<QCheckBox>(&panel, "shiftButton");
    auto* error = child<QLabel>(&panel, "errorMessageTxt");
    ASSERT_TRUE(name && keys && shift && error);
    EXPECT_EQ(name->text(), "Sentence Search");
    ASSERT_EQ(keys->count(), 41);
    EXPECT_EQ(keys->item(0)->text(), "A");
    EXPECT_EQ(keys->item(40)->text(), "Up Arrow");
    EXPECT_EQ(keys->currentRow(), 18);
    EXPECT_FALSE(shift->isChecked());

    keys->setCurrentRow(27);  // Comma: Burst Repeat's
    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_FALSE(error->isHidden());
    EXPECT_NE(panel.result(), QDialog::Accepted);
    shift->setChecked(true);  // Shift Comma: Page Back's
    EXPECT_TRUE(error->isHidden());
    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_FALSE(error->isHidden());

    shift->setChecked(false);
    keys->setCurrentRow(33);  // F5
    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(f.map.keyStrokeByIndex(13), "F5");
}

TEST(ChangeKeyMapPanel, OkWithoutAKeyDoesNothing)
{
    KeyPanelFixture f;
    ChangeKeyMapModel model(f.map);
    model.initializeWithIndex(0);
    ChangeKeyMapPanel panel(model);
    auto* keys = child<QListWidget>(&panel, "keysView");
    ASSERT_TRUE(keys);
    keys->clearSelection();
    EXPECT_EQ(model.selectedRow(), -1);
    QTest::mouseClick(child<QPushButton>(&panel, "okButton"), Qt::LeftButton);
    EXPECT_NE(panel.result(), QDialog::Accepted);
    EXPECT_TRUE(child<QLabel>(&panel, "errorMessageTxt")->isHidden());
    EXPECT_EQ(f.map.keyStrokeByIndex(0), "Control D");
}

TEST(KeyMappingSeams, ServeTheWindowAndThePreferences)
{
    KeyPanelFixture f;
    KeyMappingSeams seams(f.map);
    std::vector<std::string> posted;
    Subscription sub = f.bus.subscribe(note::kGotoBookMark, [&](const Notification& n) { posted.emplace_back(n.name); });
    EXPECT_TRUE(seams.keyPressed(11, true, true));
    EXPECT_FALSE(seams.keyPressed(-1, false, false));
    EXPECT_FALSE(seams.keyPressed(1, true, false));
    EXPECT_EQ(posted, std::vector<std::string>{"GotoBookMarkNotification"});

    PreferencesHooks hooks;
    addKeyMapHooks(hooks, seams);
    ASSERT_EQ(hooks.keyMap, &seams);
    ASSERT_TRUE(hooks.editKey);
    EXPECT_EQ(hooks.keyMap->functionCount(), 18);
    EXPECT_EQ(hooks.keyMap->functionByIndex(6), "Stop/Play Toggle");
    EXPECT_EQ(hooks.keyMap->keyStrokeByIndex(6), "SpaceBar");
    ASSERT_TRUE(f.map.setKey(96, false, false, 6));
    EXPECT_EQ(hooks.keyMap->keyStrokeByIndex(6), "F5");
    hooks.keyMap->defaultValues();
    EXPECT_EQ(hooks.keyMap->keyStrokeByIndex(6), "SpaceBar");
}

}  // namespace
}  // namespace qor
