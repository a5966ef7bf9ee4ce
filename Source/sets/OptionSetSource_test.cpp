#include "sets/OptionSetSource.h"

#include "base/Files.h"

#include <gtest/gtest.h>

#include <set>

namespace qor {
namespace {

TEST(OptionSetSourceTest, ReadsOptionsOverTheDefaults)
{
    OptionSetSource set;
    std::string error;
    ASSERT_TRUE(parseOptionSetSource("; note\nset = # Mine\n\n[Fast]\nspeed = 600\n"
                                     "fontColor = 1 2 3\r\n[Caf\xC3\xA9]\nmode = 3\nmodeOpt = 7\n",
                                     set, error))
        << error;
    EXPECT_EQ(set.setName, "# Mine");
    ASSERT_EQ(set.options.size(), 2u);
    EXPECT_EQ(set.options[0].name, "Fast");
    EXPECT_EQ(set.options[0].options.speed, 600);
    EXPECT_EQ(set.options[0].options.lowSpeed, 100); // a default
    EXPECT_EQ(set.options[0].options.font.fontColor.blue, 3);
    EXPECT_EQ(set.options[1].name, "Caf\x8E");
    EXPECT_EQ(set.options[1].options.displayMode.modeOpt, 7);
    EXPECT_EQ(encodeOptionSet(set).size(), 2 * kStoredOptionSize);
}

TEST(OptionSetSourceTest, RefusesWhatCannotShip)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"[A]\nspeed = 1\n", "line 1: the set name comes first"},
        {"set = S\nspeed = 300\n", "line 2: a value before the first [option]"},
        {"set = ../x\n[A]\n", "line 1: the set name cannot be used"},
        {"set = S\n[A]\nspeed = 5000000\n", "line 4: option \"A\" is not valid as written"},
        {"set = S\n[A]\nsped = 5\n", "line 3: unknown key \"sped\""},
        {"set = S\n[A]\nspeed = fast\n", "line 3: bad value for \"speed\""},
        {"set = S\n[A]\nfontColor = 1 2\n", "line 3: bad value for \"fontColor\""},
        {"set = S\n[A]\n[A]\n", "line 3: option \"A\" comes twice"},
        {"set = S\n[A\n", "line 2: an option name ends with"},
        {"set = S\n[]\n", "line 2: option names are 1 to 63"},
        {"; nothing\n", "line 2: no set name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        OptionSetSource set;
        std::string error;
        EXPECT_FALSE(parseOptionSetSource(c.text, set, error));
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

TEST(OptionSetSourceTest, TheShippedSetsAreThereAndUseful)
{
    std::string folder = std::string(QOR_RESOURCES_DIR) + "/content/options";
    std::vector<fs::Entry> entries;
    ASSERT_EQ(fs::listFolder(folder, entries), fs::kNoErr);
    std::set<std::string> names;
    for (const fs::Entry& e : entries) {
        SCOPED_TRACE(e.name);
        std::string text;
        ASSERT_EQ(fs::readFile(folder + "/" + e.name, text, 1u << 20), fs::kNoErr);
        OptionSetSource set;
        std::string error;
        ASSERT_TRUE(parseOptionSetSource(text, set, error)) << error;
        names.insert(set.setName);
        std::set<int> modes, speeds, speechSpeeds;
        for (const OptionFileRec& o : set.options) {
            modes.insert(o.options.displayMode.mode);
            speeds.insert(o.options.speed);
            speechSpeeds.insert(o.options.speechSpeed);
        }
        EXPECT_GE(set.options.size(), 5u);
        EXPECT_GE(modes.size(), 2u);
        bool voice = set.setName.find("Voice") != std::string::npos;
        EXPECT_GE(voice ? speechSpeeds.size() : speeds.size(), 4u);
        // Reading the file back gives the options as written.
        std::string data = encodeOptionSet(set);
        for (size_t i = 0; i < set.options.size(); ++i) {
            OptionFileRec back;
            ASSERT_TRUE(CustomOptionsFiles::convertFromPCRec(std::string_view(data).substr(i * 692), back));
            EXPECT_EQ(back.name, set.options[i].name);
            EXPECT_TRUE(back.options == set.options[i].options) << back.name;
        }
    }
    EXPECT_EQ(names, (std::set<std::string>{"# Standard Options", "# Standard Voice Options",
                                            "# Fluency Voice Drill Options"}));
}

} // namespace
} // namespace qor
