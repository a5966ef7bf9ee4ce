// The shipped message tables: each parses cleanly and holds the keys the
// shared services look up themselves.
#include "base/Files.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qor
