#include "shell/QorAlert.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/QorVersion.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class QorAlertTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::writeFileAtomic(m_dir / "Error.txt",
                            "OK\tOK\nYes\tYes\nNo\tNo\nCancel\tCancel\nReplace\tReplace\n"
                            "DoNotReplace\tDo Not Replace\nReplaceAll\tReplace All\n"
                            "AccessDenied\tAccess denied: %@ cannot use this folder.\n");
        MessageTables::setFolder(m_dir.path());
        PlatformServices s;
        s.alerts = &m_alerts;
        installPlatform(s);
    }
    void TearDown() override
    {
        installPlatform({});
        MessageTables::setFolder("");
    }

    TempFolder m_dir;
    RecordingAlerts m_alerts;
};

TEST_F(QorAlertTest, ReturnCodesByTypeAndButton)
{
    struct Case {
        int type;
        int pressed;  // 0-based, -1 for Escape / closing
        int expected;
    };
    const Case cases[] = {
        {kAlertOK, 0, 0},          {kAlertOK, 5, 0},          {kAlertOK, -1, 0},
        {kAlertYesNo, 0, 1},       {kAlertYesNo, 1, 2},       {kAlertYesNo, -1, 2},
        {kAlertYesNoCancel, 2, 3}, {kAlertYesNoCancel, -1, 3}, {kAlertReplace, 0, 1},
        {kAlertReplace, 1, 2},     {kAlertReplace, 2, 3},     {kAlertReplace, 9, 2},
    };
    for (const auto& c : cases) {
        m_alerts.answers = {c.pressed};
        EXPECT_EQ(QorAlert::message("text", c.type, kSeverityWarning), c.expected)
            << "type " << c.type << " pressed " << c.pressed;
    }
}

TEST_F(QorAlertTest, ButtonsAreLookedUpAndSeverityPassed)
{
    QorAlert::question("Replace it?", kAlertReplace);
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    const AlertRequest& r = m_alerts.shown[0];
    EXPECT_EQ(r.message, "Replace it?");
    EXPECT_EQ(r.buttons, (std::vector<std::string>{"Replace", "Do Not Replace", "Replace All"}));
    EXPECT_EQ(r.severity, kSeverityInformational);
    QorAlert::message("bad", 7, 9);  // out of range: one OK button, warning
    EXPECT_EQ(m_alerts.shown[1].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(m_alerts.shown[1].severity, kSeverityWarning);
}

TEST_F(QorAlertTest, FileSystemErrorsUseTheirTableOrTheAlternate)
{
    QorAlert::displayOSErr(-61, 512);
    QorAlert::displayOSErr(-5000, 513);
    QorAlert::displayOSErr(static_cast<int>(0x7FFF0000u | (-46 & 0xFFFF)), 0);  // low 16 bits count
    QorAlert::displayOSErr(-43, 260);
    QorAlert::displayOSErr(-43, 99999);
    ASSERT_EQ(m_alerts.shown.size(), 5u);
    EXPECT_EQ(m_alerts.shown[0].message, "Write permission error.");
    EXPECT_EQ(m_alerts.shown[0].severity, kSeverityWarning);
    EXPECT_EQ(m_alerts.shown[1].message,
              "Access denied: " + QorVersion::qorVersionString() + " cannot use this folder.");
    EXPECT_EQ(m_alerts.shown[2].message, "The volume is locked.");
    EXPECT_EQ(m_alerts.shown[3].message, QorAlert::errorForCode(260).description);
    EXPECT_EQ(m_alerts.shown[3].severity, kSeverityInformational);
    EXPECT_NE(m_alerts.shown[4].message.find("99999"), std::string::npos);
}

TEST(QorAlertNoPresenter, AnswersTheEscapeButton)
{
    installPlatform({});
    EXPECT_EQ(QorAlert::message("x", kAlertYesNoCancel, 0), 3);
    EXPECT_EQ(QorAlert::message("x", kAlertOK, 0), 0);
}

}  // namespace
}  // namespace qor
