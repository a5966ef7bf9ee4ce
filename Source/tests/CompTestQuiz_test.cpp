#include "tests/CompTestQuiz.h"

#include "tests/QuizTool.h"
#include "tests/TestFiles.h"
#include "tests/TestFilesList.h"
#include "tests/TestsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using testing_tests::TestSite;

struct Q {
    std::string question;
    std::vector<std::string> choices;  // slot order; "" leaves a slot empty
    int correct = 0;
};

CompTestQuiz makeQuiz(const std::vector<Q>& questions, std::string story = "A story.")
{
    CompTestQuiz quiz;
    quiz.story() = std::move(story);
    for (size_t q = 0; q < questions.size(); ++q) {
        quiz.setQuestion(int(q), questions[q].question);
        for (size_t s = 0; s < questions[q].choices.size(); ++s)
            quiz.setChoice(int(q), int(s), questions[q].choices[s]);
        quiz.setCorrect(int(q), questions[q].correct);
    }
    return quiz;
}

QuizProblem at(const char* key, int q, int page, QuizField field, int choiceField = 0, bool ask = false)
{
    QuizProblem p;
    p.key = key;
    p.question = q;
    p.page = page;
    p.field = field;
    p.choiceField = choiceField;
    p.ask = ask;
    return p;
}

const Q kGood{"Who?", {"Me", "You", "Them"}, 1};

TEST(QuizValidator, GivesTheKeyQuestionPageAndField)
{
    std::vector<Q> tooLong;
    for (int q = 0; q < 25; ++q)
        tooLong.push_back(kGood);  // 25 x 4 lines: line 100 cannot be read back
    std::vector<Q> fits(tooLong.begin(), tooLong.end() - 1);
    fits.push_back({"Last?", {"A", "B"}, 0});  // 24 x 4 + 3 = 99 lines

    struct Case {
        const char* what;
        std::vector<Q> questions;
        std::string story;
        std::optional<QuizProblem> expected;
    };
    const Case cases[] = {
        {"a sound test", {kGood, kGood}, "S", std::nullopt},
        {"no story", {kGood}, "", at("StoryFieldEmptyErr", 0, 0, QuizField::Story)},
        {"no first question", {{"", {}, 0}, kGood}, "S", at("Missing1stQuestionErr", 0, 0, QuizField::Question)},
        {"choices without a question", {kGood, {"", {"x"}, 0}}, "S",
         at("BlankQuestionWithChoiceErr", 1, 0, QuizField::Question)},
        {"a gap between questions", {kGood, {"", {}, 0}, kGood}, "S",
         at("EmptyQuestionErr", 1, 0, QuizField::Question)},
        {"A and C without B", {{"Q?", {"a", "", "c"}, 0}}, "S", at("EmptyChoiceErr", 0, 0, QuizField::Choice, 2)},
        {"a gap on the second page", {{"Q?", {"a", "b", "c", "", "e"}, 0}}, "S",
         at("EmptyChoiceErr", 0, 1, QuizField::Choice, 1)},
        {"one choice only", {kGood, {"Q?", {"a"}, 0}}, "S", at("LessThanTwoChoicesErr", 1, 0, QuizField::Choice, 0)},
        {"no choice at all", {{"Q?", {}, 0}}, "S", at("LessThanTwoChoicesErr", 0, 0, QuizField::Choice, 0)},
        {"correct mark on an empty slot", {{"Q?", {"a", "b"}, 7}}, "S",
         at("AnswerNotValidErr", 0, 2, QuizField::Choice, 1)},
        {"a line break in a question", {{"Two\rlines?", {"a", "b"}, 0}}, "S",
         at("ControlCharInTextErr", 0, 0, QuizField::Question)},
        {"a tab in a choice", {{"Q?", {"a", "b", "c", "d", "e\tf"}, 0}}, "S",
         at("ControlCharInTextErr", 0, 1, QuizField::Choice, 1)},
        {"more lines than the reader reads", tooLong, "S", at("QuizTooLongErr", 24, 0, QuizField::Question)},
        {"99 lines fit", fits, "S", at("EqualQuestionErr", 0, 0, QuizField::Question, 0, true)},
        {"3 and 4 choices", {kGood, {"Q?", {"a", "b", "c", "d"}, 3}}, "S",
         at("EqualQuestionErr", 0, 0, QuizField::Question, 0, true)},
    };
    for (const auto& c : cases) {
        CompTestQuiz quiz = makeQuiz(c.questions, c.story);
        std::optional<QuizProblem> got = quiz.checkTheTest();
        EXPECT_EQ(got.has_value(), c.expected.has_value()) << c.what << ": " << (got ? got->key : "none");
        if (got && c.expected) {
            EXPECT_EQ(*got, *c.expected) << c.what << ": " << got->key << " q" << got->question << " page "
                                         << got->page << " field " << got->choiceField;
        }
    }
}

TEST(QuizValidator, ShowsTheMessageMovesToTheProblemAndAsksAboutUnequalChoices)
{
    TestSite site;
    CompTestQuiz bad = makeQuiz({kGood, {"", {}, 0}, kGood});
    bad.m_nCurrentQuestion = 2;
    EXPECT_FALSE(bad.validateTheTest());
    EXPECT_EQ(site.alertTexts(), std::vector<std::string>{"EmptyQuestionErr"});
    EXPECT_EQ(bad.m_nCurrentQuestion, 1);

    CompTestQuiz unequal = makeQuiz({kGood, {"Q?", {"a", "b"}, 0}});
    site.alerts.answers = {0};  // Yes
    EXPECT_TRUE(unequal.validateTheTest());
    site.alerts.answers = {1};  // No
    EXPECT_FALSE(unequal.validateTheTest());
    EXPECT_EQ(site.alerts.shown.back().message, "EqualQuestionErr");
    EXPECT_EQ(site.alerts.shown.back().buttons.size(), 2u);

    CompTestQuiz good = makeQuiz({kGood});
    size_t shown = site.alerts.shown.size();
    EXPECT_TRUE(good.validateTheTest());
    EXPECT_EQ(site.alerts.shown.size(), shown);
}

TEST(QuizWriter, WritesTheNonEmptyRecordsNumberedInOrder)
{
    CompTestQuiz quiz = makeQuiz({{"Who wrote the letter?", {"The mayor", "The teacher", "The baker"}, 1},
                                  {"", {}, 0},
                                  {"When did it arrive?", {"", "Monday", "", "Friday"}, 3}});
    EXPECT_EQ(quiz.quizText(),
              "1. Who wrote the letter?\r   A. The mayor\r  *B. The teacher\r   C. The baker\r"
              "2. When did it arrive?\r   B. Monday\r  *D. Friday\r");

    EXPECT_EQ(makeQuiz({{"", {}, 0}, kGood}).quizText(), "") << "the first record is empty";
    EXPECT_EQ(makeQuiz({{"   ", {}, 0}, kGood}).quizText(), "") << "a question of spaces is empty";
    EXPECT_EQ(makeQuiz({{"  Why?", {" a", "b"}, 0}}).quizText(), "1. Why?\r  *A. a\r   B. b\r");
    EXPECT_EQ(makeQuiz({kGood, {"No choices?", {}, 0}}).quizText(), "") << "a question without a choice";
}

TEST(QuizReader, ReadsRecordsBackAndIgnoresChoicesBeyondTheNinth)
{
    CompTestQuiz quiz;
    int n = quiz.readQuiz(
        "\r\nnot a question\r1. First?\r   A. One\r  *B.   Two\r2.\r   A. x\r   B.\r"
        "3. Many?\r   A. a\r   B. b\r   C. c\r   D. d\r   E. e\r   F. f\r   G. g\r   H. h\r   I. i\r"
        "   J. j\r  *K. k\r");
    ASSERT_EQ(n, 3);
    EXPECT_EQ(quiz.record(0).sQuestion, "First?");
    EXPECT_EQ(quiz.record(0).sAnswer[0], "One");
    EXPECT_EQ(quiz.record(0).sAnswer[1], "Two");
    EXPECT_EQ(quiz.record(0).nCorrectAnswer, 1);
    EXPECT_EQ(quiz.record(1).sQuestion, "") << "nothing after the label";
    EXPECT_EQ(quiz.record(1).sAnswer[1], "");
    EXPECT_EQ(quiz.record(2).choiceCount(), 9);
    EXPECT_EQ(quiz.record(2).sAnswer[8], "i");
    EXPECT_EQ(quiz.record(2).nCorrectAnswer, 0) << "the mark on a tenth choice is dropped with it";
    EXPECT_TRUE(quiz.record(3).empty());
}

TEST(QuizWriter, WhatTheValidatorAcceptsReadsBackTheSame)
{
    std::vector<Q> questions;
    for (int q = 0; q < 33; ++q)
        questions.push_back({"Question " + std::to_string(q + 1) + "?", {"a", "b"}, q % 2});
    CompTestQuiz quiz = makeQuiz(questions);
    ASSERT_FALSE(quiz.checkTheTest().has_value());
    CompTestQuiz back;
    ASSERT_EQ(back.readQuiz(quiz.quizText()), 33);
    for (int q = 0; q < kMaxQuestions; ++q) {
        EXPECT_EQ(back.record(q).sQuestion, quiz.record(q).sQuestion) << q;
        EXPECT_EQ(back.record(q).sAnswer, quiz.record(q).sAnswer) << q;
        EXPECT_EQ(back.record(q).nCorrectAnswer, quiz.record(q).nCorrectAnswer) << q;
    }
}

TEST(QuizSave, WritesBothOrNothingAndRefusesShippedSets)
{
    TestSite site;
    ASSERT_TRUE(TestFiles::createTestSet(site.external, "Mine"));
    CompTestQuiz quiz = makeQuiz({kGood, kGood}, "The story.");

    EXPECT_EQ(quiz.saveTheStoryAndQuiz(site.external, "T", "Mine"), 0);
    EXPECT_TRUE(site.alerts.shown.empty());
    CompTestQuiz opened;
    ASSERT_TRUE(opened.openTest(site.external, "Mine", "t"));
    EXPECT_EQ(opened.story(), "The story.");
    EXPECT_EQ(opened.quizText(), quiz.quizText());

    TestFiles::createTestSet(site.external, "# Shipped");
    EXPECT_NE(quiz.saveTheStoryAndQuiz(site.external, "T", "# Shipped"), 0);
    EXPECT_EQ(site.alertTexts().back(), "ReadOnlySet");
    EXPECT_EQ(TestFilesList("# Shipped", site.external).count(), 0);

    // A quiz the writer cannot write leaves the old test as it was.
    CompTestQuiz broken = makeQuiz({kGood, {"No choices?", {}, 0}}, "New story.");
    EXPECT_NE(broken.saveTheStoryAndQuiz(site.external, "T", "Mine"), 0);
    EXPECT_EQ(site.alertTexts().back(), "TestSaveErr");
    ASSERT_TRUE(opened.openTest(site.external, "Mine", "T"));
    EXPECT_EQ(opened.story(), "The story.");

    // A failed write is reported, and no story is left without its quiz.
    EXPECT_NE(quiz.saveTheStoryAndQuiz(site.external, "New", "Absent"), 0);
    EXPECT_EQ(site.alertTexts().back(), "TestSaveErr");
    EXPECT_FALSE(fs::exists(site.set("Absent")));

    CompTestQuiz noStory = makeQuiz({kGood}, "");
    EXPECT_NE(noStory.saveTheStoryAndQuiz(site.external, "T", "Mine"), 0);
    EXPECT_EQ(site.alertTexts().back(), "NoText");
}

}  // namespace
}  // namespace qor
