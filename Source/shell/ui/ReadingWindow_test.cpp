#include "shell/ui/ReadingWindow.h"

#include "shell/QorVersion.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace qor {
namespace {

TEST(ReadingWindow, TitleAndMaterial)
{
    ReadingWindow w;
    EXPECT_EQ(w.windowTitle().toStdString(), QorVersion::qorVersionString());
    w.showMaterial("File: example.txt (3 Words)", "one two three");
    EXPECT_EQ(w.caption().toStdString(), "File: example.txt (3 Words)");
    auto* text = w.findChild<QPlainTextEdit*>("readingText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText().toStdString(), "one two three");
    EXPECT_TRUE(text->isReadOnly());
}

TEST(ReadingWindow, MaterialEntriesFeedTheWindow)
{
    ReadingWindow w;
    ASSERT_TRUE(w.material().loadMaterialFromText("Three little words.\nAnd two."));
    EXPECT_EQ(w.caption().toStdString(), "Text: (5 Words)");
    auto* text = w.findChild<QPlainTextEdit*>("readingText");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText().toStdString(), "Three little words.\nAnd two.");
}

}  // namespace
}  // namespace qor
