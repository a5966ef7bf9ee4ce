#pragma once
// The test editor's model of a comprehension test: the story text and 100
// question records, read from and written to the quiz format, and the
// validator that runs before a save.
//
// Texts are the stored bytes (Mac OS Roman or UTF-8, as the files hold
// them); a question or choice holds at most 255 of them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

inline constexpr int kMaxQuestions = 100;
inline constexpr int kMaxChoices = 9;
inline constexpr int kChoicesPerPage = 3;
inline constexpr size_t kQuizTextField = 256;

struct QuestionRecord {
    int32_t nCorrectAnswer = 0;                 // slot 0 to 8 of the correct choice
    std::string sQuestion;                      // empty: the record is not used
    std::array<std::string, kMaxChoices> sAnswer;  // A to I; empty: no choice

    bool empty() const { return sQuestion.empty(); }
    int choiceCount() const;
};

// Where the editor shows a problem: the field to focus.
enum class QuizField : uint8_t { Story, Question, Choice };

struct QuizProblem {
    std::string key;    // a key of the "Error" table
    int question = 0;   // 0-based record shown
    int page = 0;       // choice page 0 to 2 (A-C, D-F, G-I)
    QuizField field = QuizField::Question;
    int choiceField = 0;  // 0 to 2 on the page, for QuizField::Choice
    // True for "EqualQuestionErr": a question (Yes saves anyway), not an error.
    bool ask = false;

    bool operator==(const QuizProblem&) const = default;
};

class CompTestQuiz {
public:
    // Clears the story and all records (New, and before opening a test).
    void clear();

    std::string& story() { return m_story; }
    const std::string& story() const { return m_story; }
    QuestionRecord& record(int q) { return m_aQuestions[static_cast<size_t>(q)]; }
    const QuestionRecord& record(int q) const { return m_aQuestions[static_cast<size_t>(q)]; }
    // The texts lose their leading spaces (the quiz format cannot keep
    // them) and are cut to 255 bytes; a text of spaces only is empty.
    void setQuestion(int q, std::string_view text);
    void setChoice(int q, int slot, std::string_view text);
    void setCorrect(int q, int slot);

    // Reads a quiz text (as read from its file) into the records: each
    // question line and the choice lines after it, labels dropped; choices
    // beyond the ninth are ignored, and so are lines before the first
    // question. Returns the number of questions read.
    int readQuiz(std::string_view quizText);

    // The quiz text the writer stores: the non-empty records, numbered
    // 1, 2, 3, ... in record order, each line ending in CR. Nothing (empty)
    // when the first record is empty or a question has no choice.
    std::string quizText() const;

    // The checks of a save, in their order; none when the test may be
    // saved without asking. Also refuses what the quiz reader could not
    // give back: more lines than it reads, or a line break, tab or other
    // control byte inside a text.
    std::optional<QuizProblem> checkTheTest() const;

    // The validator: runs checkTheTest, shows the problem's message
    // (type 0, severity 1; "EqualQuestionErr" is asked Yes/No), remembers
    // it in lastProblem() and moves the current question and page to it.
    // True when the test may be saved.
    bool validateTheTest();
    const std::optional<QuizProblem>& lastProblem() const { return m_lastProblem; }

    // Writes the quiz, then the story, each atomically, into the set. A
    // read-only ("#") set shows "ReadOnlySet"; an empty story "NoText"; a
    // quiz the writer cannot write, or a failed write, "TestSaveErr".
    // Nothing is written unless both can be. 0, or a negative status.
    int saveTheStoryAndQuiz(const std::string& externalFolder, std::string_view testName,
                            std::string_view setName);
    // Writes the quiz alone; the same checks and messages.
    int saveTheQuiz(const std::string& externalFolder, std::string_view testName, std::string_view setName);

    // Opens a test of a set: the story as the editor reads it and the quiz
    // into the records. False (and everything cleared) when either cannot
    // be read.
    bool openTest(const std::string& externalFolder, std::string_view setName, std::string_view testName);

    int m_nCurrentQuestion = 0;  // 0 to 99
    int m_nCurrentSet = 0;       // the choice page, 0 to 2

private:
    int checkSave(std::string_view testName, std::string_view setName, const std::string& quiz) const;

    std::string m_story;
    std::array<QuestionRecord, kMaxQuestions> m_aQuestions{};
    std::optional<QuizProblem> m_lastProblem;
};

}  // namespace qor
