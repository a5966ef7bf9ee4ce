// The shipped message tables: each parses cleanly and holds the keys the
// shared services look up themselves.
#include "base/Files.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace qor {
namespace {

TEST(ShippedMessages, EveryTableParsesWithoutProblems)
{
    for (const char* name : {table::kError, table::kDisplay, table::kTooltips, table::kWizard, table::kTips}) {
        std::string text;
        std::string path = std::string(QOR_RESOURCES_DIR) + "/Messages/" + name + ".txt";
        ASSERT_EQ(fs::readFile(path, text, 4u << 20), fs::kNoErr) << path;
        std::vector<std::string> problems;
        auto t = MessageTables::parse(text, &problems);
        EXPECT_TRUE(problems.empty()) << path << ": " << (problems.empty() ? "" : problems.front());
        EXPECT_FALSE(t.empty()) << path;
    }
}

TEST(ShippedMessages, AlertKeysAreThere)
{
    MessageTables::setFolder(std::string(QOR_RESOURCES_DIR) + "/Messages");
    for (const char* key : {"OK", "Yes", "No", "Cancel", "Replace", "DoNotReplace", "ReplaceAll", "AccessDenied",
                            "Err021", "ImagePDF", "AdminOnly"})
        EXPECT_TRUE(MessageTables::has(key, table::kError)) << key;
    std::string denied = MessageTables::localizedString("AccessDenied", table::kError);
    EXPECT_NE(denied.find("%@"), std::string::npos);
    EXPECT_TRUE(MessageTables::has("tip00", table::kTips));
    MessageTables::setFolder("");
}

// Every key the code looks up by a literal name has a text in its table.
TEST(ShippedMessages, EveryKeyTheCodeNamesHasAText)
{
    MessageTables::setFolder(std::string(QOR_RESOURCES_DIR) + "/Messages");
    const std::regex lookup(R"re((?:localizedString|localizedFormat)\("([^"]+)",\s*table::k([A-Za-z]+))re");
    std::set<std::string> missing;
    size_t seen = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(QOR_SOURCE_DIR) + "/Source")) {
        std::string path = entry.path().string();
        if (entry.path().extension() != ".cpp" || path.find("_test.cpp") != std::string::npos)
            continue;
        std::string code;
        ASSERT_EQ(fs::readFile(path, code, 8u << 20), fs::kNoErr) << path;
        for (std::sregex_iterator it(code.begin(), code.end(), lookup), end; it != end; ++it) {
            ++seen;
            std::string key = (*it)[1];
            std::string tableName = (*it)[2];
            if (!MessageTables::has(key, tableName))
                missing.insert(tableName + ": " + key + " (" + entry.path().filename().string() + ")");
        }
    }
    EXPECT_GT(seen, 0u) << "the look-up pattern no longer matches the code";
    for (const auto& m : missing)
        ADD_FAILURE() << "no text for " << m;
    MessageTables::setFolder("");
}

}  // namespace
}  // namespace qor
