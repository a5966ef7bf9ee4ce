#include "users/ScoreRecord.h"

#include "base/Clock.h"
#include "users/UsersTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

ScoreRecord score(int speed, int percent, bool selfPaced, std::string name = "Story",
                  std::string set = "Set")
{
    ScoreRecord r;
    r.speed = speed;
    r.percent = percent;
    r.normalMode = selfPaced;
    r.name = std::move(name);
    r.setName = std::move(set);
    return r;
}

TEST(ScoreValidity, AgainstTheSiteRequirements)
{
    BrsRequirements defaults;  // low 20, high 1500, 75 %
    BrsRequirements none;
    none.bExcludeLowSpeed = none.bExcludeHighSpeed = none.bRequirePercent = 0;
    BrsRequirements highZero = defaults;  // a file without "HighSpeedKey"
    highZero.highSpeed = 0;
    BrsRequirements flagHighBytes = defaults;  // flags count by their lowest byte
    flagHighBytes.bExcludeHighSpeed = 0x100;

    struct Case {
        const char* what;
        ScoreRecord s;
        const BrsRequirements& brs;
        bool valid;
    };
    const Case cases[] = {
        {"ordinary", score(300, 80, true), defaults, true},
        {"forced-speed never counts", score(300, 100, false), defaults, false},
        {"forced-speed never counts, no requirements", score(300, 100, false), none, false},
        {"cancelled", score(300, -1, true), defaults, false},
        {"cancelled, no requirements", score(300, -1, true), none, false},
        {"percent below", score(300, 74, true), defaults, false},
        {"percent at", score(300, 75, true), defaults, true},
        {"speed below", score(19, 90, true), defaults, false},
        {"speed at low", score(20, 90, true), defaults, true},
        {"speed at high", score(1500, 90, true), defaults, true},
        {"speed above", score(1600, 90, true), defaults, false},
        {"negative speed is huge unsigned", score(-5, 90, true), defaults, false},
        {"no requirements", score(5000, 1, true), none, true},
        {"high speed 0: everything too fast", score(100, 90, true), highZero, false},
        {"flag with only high bits is off", score(1600, 90, true), flagHighBytes, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidScore(c.s, c.brs), c.valid) << c.what;
}

TEST(ScoreRecordPlist, KeysAndNames)
{
    ScoreRecord r = score(250, 80, true, "Caf\x8E", std::string(100, 's'));
    r.seconds = 123.5f;
    r.option = "Opt";
    PlistValue d = scoreToPlist(r);
    EXPECT_EQ(d.find("SpeedValue")->toInt(), 250);
    EXPECT_EQ(d.find("PercentComp")->toInt(), 80);
    EXPECT_EQ(d.find("Seconds")->toReal(), 123.5);
    EXPECT_EQ(d.find("Name")->toString(), "Caf\xC3\xA9");  // UTF-8 in the file
    EXPECT_EQ(d.find("SetName")->toString(), std::string(79, 's'));
    EXPECT_EQ(d.find("PreSetOptionSet")->toString(), "");
    EXPECT_EQ(d.find("PreSetOption")->toString(), "Opt");
    EXPECT_TRUE(d.find("NormalMode")->toBool());

    ScoreRecord back;
    ASSERT_TRUE(scoreFromPlist(d, back));
    ScoreRecord expected = r;
    expected.setName = std::string(79, 's');
    EXPECT_EQ(back, expected);

    // Text Mac OS Roman cannot hold leaves the field empty.
    d.set("Name", PlistValue::string("\xD0\x96"));
    ASSERT_TRUE(scoreFromPlist(d, back));
    EXPECT_EQ(back.name, "");
    EXPECT_FALSE(scoreFromPlist(PlistValue::integer(3), back));
}

class FakeScores final : public ScoreStore {
public:
    std::vector<ScoreRecord> scores(const std::string& user) override
    {
        asked.push_back(user);
        return list;
    }
    bool addScore(const std::string& user, const ScoreRecord& s) override
    {
        asked.push_back(user);
        list.push_back(s);
        return true;
    }
    int currentBRS(const std::string& user) override { return user == "Bob" ? 321 : 0; }

    std::vector<ScoreRecord> list;
    std::vector<std::string> asked;
};

TEST(ScoreQueries, TheCurrentReadersScores)
{
    testing_site::Site s;
    FakeScores store;
    FakeClock clock;
    clock.setWall(1000.0);
    s.admin->setScoreStore(&store);
    s.admin->setClock(&clock);
    ASSERT_TRUE(s.admin->setTheUser("Bob"));

    EXPECT_FALSE(s.admin->lastScoreValid());
    ASSERT_TRUE(s.admin->logSelfScorePercent(80, 300, "Set 1", "Level 03 Story"));
    ASSERT_TRUE(s.admin->logForcedScorePercent(90, 600, "Set 1", "Other", "Opts", "Fast"));
    ASSERT_EQ(store.list.size(), 2u);
    EXPECT_EQ(store.list[0], (ScoreRecord{300, 80, 1000.0f, "Level 03 Story", "Set 1", "", "", true}));
    EXPECT_EQ(store.list[1], (ScoreRecord{600, 90, 1000.0f, "Other", "Set 1", "Opts", "Fast", false}));
    EXPECT_EQ(store.asked[0], "Bob");

    EXPECT_TRUE(s.admin->testTaken("Other", "Set 1"));
    EXPECT_FALSE(s.admin->testTaken("Other", "Set 2"));
    EXPECT_FALSE(s.admin->testTaken("Oth", "Set 1"));
    EXPECT_TRUE(s.admin->isValidFromPartial("Level 03", "Set 1"));
    EXPECT_FALSE(s.admin->isValidFromPartial("Oth", "Set 1"));  // forced-speed
    EXPECT_FALSE(s.admin->lastScoreValid());                    // the forced-speed one
    EXPECT_EQ(s.admin->getCurrentBRS(), 321);
    EXPECT_EQ(s.admin->getCurrentBRSFromUser("Carl"), 0);

    // The site's requirements in force are the ones the store reads.
    BrsRequirements strict;
    strict.requiredPercent = 85;
    ASSERT_TRUE(s.site->saveBRSValues(strict));
    EXPECT_FALSE(s.admin->isValidFromPartial("Level 03", "Set 1"));
}

}  // namespace
}  // namespace qor
