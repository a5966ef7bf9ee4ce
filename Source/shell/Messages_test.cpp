#include "shell/Messages.h"

#include "base/Files.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(MessageTables, ParseFormatAndProblems)
{
    std::vector<std::string> problems;
    auto t = MessageTables::parse("\xEF\xBB\xBF# header\n"
                                  "Plain\tA text\n"
                                  "Escaped\tTwo\\nlines\\tand a \\\\ and \\q\r\n"
                                  "\n"
                                  "NoTab here\n"
                                  "\tno key\n"
                                  "Plain\tsecond definition\n"
                                  "Empty\t\n",
                                  &problems);
    EXPECT_EQ(t.at("Plain"), "A text");
    EXPECT_EQ(t.at("Escaped"), "Two\nlines\tand a \\ and \\q");
    EXPECT_EQ(t.at("Empty"), "");
    EXPECT_EQ(t.size(), 3u);
    EXPECT_EQ(problems, (std::vector<std::string>{"line 5: no key and tab", "line 6: no key and tab",
                                                  "line 7: duplicate key"}));
}

TEST(MessageTables, LookUpByTableMissingKeyShowsKey)
{
    TempFolder dir;
    fs::writeFileAtomic(dir / "Error.txt", "Err021\tThe text is too large.\n");
    fs::writeFileAtomic(dir / "Display.txt", "Err021\tnot this one\n");
    MessageTables::setFolder(dir.path());
    EXPECT_EQ(MessageTables::localizedString("Err021", table::kError), "The text is too large.");
    EXPECT_EQ(MessageTables::localizedString("Err021", table::kDisplay), "not this one");
    EXPECT_EQ(MessageTables::localizedString("Missing", table::kError), "Missing");
    EXPECT_EQ(MessageTables::localizedString("tip01", table::kTips), "tip01");  // no such table
    EXPECT_TRUE(MessageTables::has("Err021", table::kError));
    EXPECT_FALSE(MessageTables::has("Missing", table::kError));
    MessageTables::setFolder("");
}

TEST(FormatMessage, Directives)
{
    struct Case {
        const char* format;
        std::vector<FormatArg> args;
        std::string expected;
    };
    const Case cases[] = {
        {"File: %@ (%d Words)", {"story.txt", 1234}, "File: story.txt (1234 Words)"},
        {"Text: (%d Words)", {0}, "Text: (0 Words)"},
        {"%02d/%02d/%04d", {1, 2, 2001}, "01/02/2001"},
        {"%s scored %d%%", {"Ann", 87}, "Ann scored 87%"},
        {"%.1f WPM", {250.25}, "250.2 WPM"},
        {"%5d|%-5d|", {42, 7}, "   42|7    |"},
        {"%2$@ before %1$@", {"one", "two"}, "two before one"},
        {"%ld and %lu", {long(-3), 4ul}, "-3 and 4"},
        {"%x %X %c", {255, 255, 65}, "ff FF A"},
        {"%.3s", {"abcdef"}, "abc"},
        {"%@", {12}, "12"},
        {"%d", {"17"}, "17"},
        // A missing value keeps its directive; an unknown one stays as text.
        {"%@ and %@", {"only"}, "only and %@"},
        {"100%", {}, "100%"},
        {"50% off %k", {}, "50% off %k"},
        {"%9$@", {"a"}, "%9$@"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatMessage(c.format, c.args), c.expected) << c.format;
}

TEST(FormatMessage, FilledValuesAreNeverFormats)
{
    // A reader named like a format must come out exactly as typed.
    EXPECT_EQ(formatMessage("Welcome, %@!", {"%s%n%d%@%%"}), "Welcome, %s%n%d%@%%!");
    EXPECT_EQ(formatMessage("%s then %d", {"%d", 5}), "%d then 5");
    // Huge widths and precisions in a table text are bounded.
    std::string wide = formatMessage("%999999999d", {1});
    EXPECT_LE(wide.size(), 101u);
    EXPECT_EQ(wide.back(), '1');
}

}  // namespace
}  // namespace qor
