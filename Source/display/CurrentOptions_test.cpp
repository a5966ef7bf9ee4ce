#include "display/CurrentOptions.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qor {
namespace {

using testing::ReaderFixture;

OptionsRecord custom()
{
    OptionsRecord r;
    StandardOptions::getStandardOption(r, 4015);
    r.speed = 333;
    return r;
}

TEST(CurrentOptions, FreshReaderGetsADefaultFile)
{
    ReaderFixture f;
    ::umask(077);
    bool loaded = f.options.loadOptionsFile();
    ::umask(022);
    ASSERT_TRUE(loaded);
    std::string bytes = f.fileBytes();
    ASSERT_EQ(bytes.size(), 436u);
    EXPECT_EQ(bytes, encodeOptionsRecord(f.defaults()));
    struct stat st;
    ASSERT_EQ(::stat(f.optionsFile().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);
}

TEST(CurrentOptions, StoredRecordLoadsAndEveryChangeIsSaved)
{
    ReaderFixture f;
    ASSERT_EQ(fs::writeFileAtomic(f.optionsFile(), encodeOptionsRecord(custom())), 0);
    ASSERT_TRUE(f.options.loadOptionsFile());
    EXPECT_EQ(f.options.options(), custom());

    OptionsRecord r = f.options.options();
    r.speed = 444;
    EXPECT_EQ(f.options.setOptions(r), 0);
    OptionsRecord onDisk;
    ASSERT_TRUE(decodeOptionsRecord(f.fileBytes(), onDisk));
    EXPECT_EQ(onDisk.speed, 444);
}

TEST(CurrentOptions, MissingFileIsRecreatedOnSave)
{
    ReaderFixture f;
    ASSERT_TRUE(f.options.loadOptionsFile());
    ASSERT_EQ(fs::removeFile(f.optionsFile()), 0);
    EXPECT_EQ(f.options.setOptions(custom()), 0);
    EXPECT_EQ(f.fileBytes(), encodeOptionsRecord(custom()));
}

TEST(CurrentOptions, SaveFailureIsReported)
{
    ReaderFixture f;
    ASSERT_TRUE(f.options.loadOptionsFile());
    f.user.clear();  // logged off
    EXPECT_EQ(f.options.setOptions(custom()), fs::kFolderNotFound);
    EXPECT_EQ(f.options.options(), custom()) << "the record is in force all the same";

    f.user = f.tmp / "Users/gone";  // the folder does not exist
    EXPECT_NE(f.options.saveOptionsFile(), 0);
    EXPECT_FALSE(fs::exists(f.user));
}

TEST(CurrentOptions, UnusableFilesGiveTheDefaults)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string valid = encodeOptionsRecord(custom());
    OptionsRecord never = custom();
    never.speed = 0;
    const Case cases[] = {
        {"empty", ""},
        {"short", valid.substr(0, 435)},
        {"never initialised", encodeOptionsRecord(never)},
    };
    for (const Case& c : cases) {
        ReaderFixture f;
        // The holder still has the previous reader's record.
        f.options.setOptions(custom());
        ASSERT_EQ(fs::writeFileAtomic(f.optionsFile(), c.bytes), 0);
        EXPECT_TRUE(f.options.loadOptionsFile()) << c.what;
        EXPECT_EQ(f.options.record(), f.defaults()) << c.what;
        EXPECT_EQ(f.fileBytes(), c.bytes) << c.what << ": the file is kept until the next change";
    }
}

TEST(CurrentOptions, FailedLoadDoesNotCarryThePreviousReadersRecord)
{
    ReaderFixture f;
    ASSERT_EQ(fs::writeFileAtomic(f.optionsFile(), encodeOptionsRecord(custom())), 0);
    ASSERT_TRUE(f.options.loadOptionsFile());
    ASSERT_EQ(f.options.record(), custom());

    // The next reader's folder is missing: the load fails, and the first
    // reader's record must not linger to be saved as the new reader's.
    f.user = f.tmp / "Users/other";
    EXPECT_FALSE(f.options.loadOptionsFile());
    EXPECT_EQ(f.options.record(), f.defaults());

    f.user.clear();
    f.options.setOptions(custom());
    EXPECT_FALSE(f.options.loadOptionsFile()) << "no reader";
    EXPECT_EQ(f.options.record(), f.defaults());
}

TEST(CurrentOptions, HostileFileIsValidatedOnLoad)
{
    ReaderFixture f;
    OptionsRecord bad = custom();
    bad.lowSpeed = 0;
    bad.highSpeed = 0;
    bad.speed = 5;
    bad.unit = 9;
    bad.burst = {17, 0};
    bad.displayMode = {2, 1, 0, 5};
    std::string bytes = encodeOptionsRecord(bad);
    for (size_t i = 160; i < 416; ++i)
        bytes[i] = 'Z';  // no terminator
    ASSERT_EQ(fs::writeFileAtomic(f.optionsFile(), bytes), 0);
    ASSERT_TRUE(f.options.loadOptionsFile());
    OptionsRecord r = f.options.record();
    EXPECT_EQ(r.lowSpeed, 1);
    EXPECT_EQ(r.highSpeed, 20);
    EXPECT_EQ(r.speed, 5);
    EXPECT_EQ(r.unit, 0);
    EXPECT_EQ(r.burst.burstType, 0);
    EXPECT_EQ(r.burst.burstNum, 1);
    EXPECT_EQ(r.displayMode.modeOptNum, 2);
    EXPECT_EQ(r.displayMode.modeOptCombineRes, 1);
    EXPECT_EQ(r.font.fontName, std::string(255, 'Z'));
    OptionsRecord again = r;
    EXPECT_TRUE(validateOptions(again));
}

TEST(CurrentOptions, NeverInitialisedHolderGivesAndSavesTheDefaults)
{
    ReaderFixture f;
    ASSERT_EQ(f.options.record().speed, 0);
    OptionsRecord out;
    f.options.getOptions(out);
    EXPECT_EQ(out, f.defaults());
    EXPECT_EQ(f.fileBytes(), encodeOptionsRecord(f.defaults()));

    // Speed 0 handed in is pulled to the low limit, not taken as "never
    // initialised" (which would throw the whole record away).
    OptionsRecord zero = custom();
    zero.speed = 0;
    f.options.setOptions(zero);
    f.options.getOptions(out);
    EXPECT_EQ(out.speed, 100);
    EXPECT_EQ(out.font.fontName, custom().font.fontName);
}

}  // namespace
}  // namespace qor
