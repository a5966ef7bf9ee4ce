// Comprehension tests: the quiz line table never holds more than 99 lines
// or a line break, its flags follow the first byte, and a quiz read into
// question records, when the validator accepts it, is written and read
// back to the same questions. The shifted form undoes itself.
#include "tests/CompTestQuiz.h"
#include "tests/QuizTool.h"
#include "tests/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace qor;

namespace {

#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #cond);                          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);

    QuizTool tool;
    tool.initalize(text);
    int lines = tool.generateLines();
    CHECK(lines >= 0 && lines <= QuizTool::kMaxLines);
    CHECK(tool.numCatagories() <= lines);
    for (int i = 0; i < lines; ++i) {
        const std::string& s = tool.getSentence(i);
        CHECK(!s.empty() || tool.isCorrect(i));
        CHECK(s.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        CHECK(!(tool.isQuestion(i) && tool.isCorrect(i)));
        if (tool.isQuestion(i))
            CHECK(s[0] >= '0' && s[0] <= '9');
        CHECK(tool.lineStart(i) >= 0 && tool.lineStart(i) < static_cast<int32_t>(text.size()));
    }

    CompTestQuiz quiz;
    quiz.story() = "story";
    int questions = quiz.readQuiz(text);
    CHECK(questions >= 0 && questions <= tool.numCatagories());
    for (int q = 0; q < kMaxQuestions; ++q) {
        CHECK(quiz.record(q).sQuestion.size() < kQuizTextField);
        CHECK(quiz.record(q).nCorrectAnswer >= 0 && quiz.record(q).nCorrectAnswer < kMaxChoices);
    }
    auto problem = quiz.checkTheTest();
    if (!problem || problem->ask) {
        CompTestQuiz back;
        back.readQuiz(quiz.quizText());
        CHECK(back.quizText() == quiz.quizText());
        for (int q = 0; q < kMaxQuestions; ++q) {
            if (quiz.record(q).empty())
                continue;
            CHECK(back.record(q).sQuestion == quiz.record(q).sQuestion);
            CHECK(back.record(q).sAnswer == quiz.record(q).sAnswer);
            CHECK(back.record(q).nCorrectAnswer == quiz.record(q).nCorrectAnswer);
        }
    }

    std::string shifted = shiftTestText(text);
    int32_t n = unshiftTestText(shifted.data(), static_cast<int32_t>(shifted.size()));
    CHECK(shifted.substr(0, static_cast<size_t>(n)) == text);
    return 0;
}
