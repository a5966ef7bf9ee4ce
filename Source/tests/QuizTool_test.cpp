#include "tests/QuizTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

// A line as the table gives it back: "Q:" for a question, "*" for the
// correct choice, "-" for another choice, then the text.
std::vector<std::string> lines(const std::string& quiz, int* questions = nullptr)
{
    QuizTool tool;
    tool.initalize(quiz);
    int n = tool.generateLines();
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(std::string(tool.isQuestion(i) ? "Q:" : tool.isCorrect(i) ? "*" : "-") + tool.getSentence(i));
    if (questions)
        *questions = tool.numCatagories();
    return out;
}

TEST(QuizToolLines, SplitsAndMarksLines)
{
    const std::vector<std::string> quiz = {"Q:1. Who?", "-A. Me", "*B. You", "Q:2. Why?", "-A. So", "*B. No"};
    struct Case {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"CR", "1. Who?\r   A. Me\r  *B. You\r2. Why?\r   A. So\r  *B. No\r"},
        {"LF", "1. Who?\n   A. Me\n  *B. You\n2. Why?\n   A. So\n  *B. No\n"},
        {"CR LF", "1. Who?\r\n   A. Me\r\n  *B. You\r\n2. Why?\r\n   A. So\r\n  *B. No\r\n"},
        {"no final break", "1. Who?\r   A. Me\r  *B. You\r2. Why?\r   A. So\r  *B. No"},
        {"blank lines between questions", "1. Who?\r\n   A. Me\r\n  *B. You\r\n\r\n\r\n2. Why?\r\n\r\n   A. So\r\n  *B. No"},
        {"lines of blanks", "1. Who?\r   A. Me\r  *B. You\r   \r\t\r2. Why?\r   A. So\r  *B. No\r \r"},
        {"leading CR", "\r1. Who?\r   A. Me\r  *B. You\r2. Why?\r   A. So\r  *B. No"},
        {"leading LF", "\n1. Who?\r   A. Me\r  *B. You\r2. Why?\r   A. So\r  *B. No"},
        {"leading CR LF and blanks", "\r\n\r\n  \r\n1. Who?\r   A. Me\r  *B. You\r2. Why?\r   A. So\r  *B. No"},
        {"mixed breaks", "1. Who?\n   A. Me\r  *B. You\r\n2. Why?\n\r   A. So\r\r  *B. No\n"},
    };
    for (const auto& c : cases) {
        int questions = 0;
        EXPECT_EQ(lines(c.text, &questions), quiz) << c.what;
        EXPECT_EQ(questions, 2) << c.what;
    }
}

TEST(QuizToolLines, LabelsSpacesAndAsterisks)
{
    EXPECT_EQ(lines("  12. Why?\r   *C. Maybe\r*D. Sure\r E. No\r"),
              (std::vector<std::string>{"Q:12. Why?", "*C. Maybe", "*D. Sure", "-E. No"}));
    // Only the first byte after the spaces counts: a later digit or
    // asterisk is text.
    EXPECT_EQ(lines("1. Q\r   A. 5 * 3\r   B *x\r"), (std::vector<std::string>{"Q:1. Q", "-A. 5 * 3", "-B *x"}));
    // A zero byte ends the line's text.
    EXPECT_EQ(lines(std::string("1. Q\0hidden\r   A. x\r", 20)), (std::vector<std::string>{"Q:1. Q", "-A. x"}));
    EXPECT_TRUE(lines("").empty());
    EXPECT_TRUE(lines("\r\n\r\n").empty());
}

TEST(QuizToolLines, ReadsAtMost99Lines)
{
    // 25 questions of 3 choices: 100 lines, of which the last is cut.
    std::string quiz;
    for (int q = 1; q <= 25; ++q) {
        quiz += std::to_string(q) + ". Question " + std::to_string(q) + "\r";
        for (char c : {'A', 'B', 'C'})
            quiz += std::string(c == 'A' ? "  *" : "   ") + c + ". Choice\r";
    }
    QuizTool tool;
    tool.initalize(quiz);
    EXPECT_EQ(tool.generateLines(), 99);
    EXPECT_EQ(tool.numCatagories(), 25);
    EXPECT_EQ(tool.getSentence(96), "25. Question 25");
    EXPECT_EQ(tool.getSentence(98), "B. Choice");
    EXPECT_EQ(tool.getSentence(99), "");
    EXPECT_FALSE(tool.isQuestion(99));
    EXPECT_FALSE(tool.isCorrect(-1));
    EXPECT_EQ(tool.lineStart(0), 0);
    EXPECT_EQ(tool.lineStart(99), -1);
}

TEST(QuizToolLines, KeepsItsOwnCopyOfTheText)
{
    std::string text = "1. Q\r  *A. x\r";
    QuizTool tool;
    tool.initalize(text.data(), static_cast<int32_t>(text.size()));
    text.assign(text.size(), 'z');
    ASSERT_EQ(tool.generateLines(), 2);
    EXPECT_EQ(tool.getSentence(1), "A. x");
    EXPECT_TRUE(tool.isCorrect(1));
}

}  // namespace
}  // namespace qor
