#include "tests/CompTestQuiz.h"

#include "base/Files.h"
#include "base/NameRule.h"
#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorAlert.h"
#include "tests/QuizTool.h"
#include "tests/TestFiles.h"

#include <algorithm>

namespace qor {

namespace {

std::string cut(std::string_view text)
{
    return std::string(text.substr(0, kQuizTextField - 1));
}

// A text as the records keep it: leading spaces would be read back as part
// of the label, so they go; then at most 255 bytes.
std::string recordText(std::string_view text)
{
    size_t from = text.find_first_not_of(' ');
    return from == std::string_view::npos ? std::string() : cut(text.substr(from));
}

// A question or choice line without its label: everything up to and
// including the first space, then any further spaces.
std::string dropLabel(const std::string& line)
{
    size_t space = line.find(' ');
    if (space == std::string::npos)
        return {};
    size_t from = line.find_first_not_of(' ', space);
    return from == std::string::npos ? std::string() : cut(std::string_view(line).substr(from));
}

// A text that would not come back as it was written: a line break splits
// its line, a tab or another control byte is cleaned away on reading.
bool hasControlByte(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

QuizProblem problem(const char* key, int q, int page, QuizField field, int choiceField = 0)
{
    QuizProblem p;
    p.key = key;
    p.question = q;
    p.page = page;
    p.field = field;
    p.choiceField = choiceField;
    return p;
}

QuizProblem choiceProblem(const char* key, int q, int slot)
{
    return problem(key, q, slot / kChoicesPerPage, QuizField::Choice, slot % kChoicesPerPage);
}

void showError(const char* key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityInformational);
}

}  // namespace

int QuestionRecord::choiceCount() const
{
    return static_cast<int>(std::count_if(sAnswer.begin(), sAnswer.end(), [](const auto& s) { return !s.empty(); }));
}

void CompTestQuiz::clear()
{
    m_story.clear();
    m_aQuestions.fill(QuestionRecord{});
    m_nCurrentQuestion = 0;
    m_nCurrentSet = 0;
    m_lastProblem.reset();
}

void CompTestQuiz::setQuestion(int q, std::string_view text)
{
    if (q >= 0 && q < kMaxQuestions)
        record(q).sQuestion = recordText(text);
}

void CompTestQuiz::setChoice(int q, int slot, std::string_view text)
{
    if (q >= 0 && q < kMaxQuestions && slot >= 0 && slot < kMaxChoices)
        record(q).sAnswer[static_cast<size_t>(slot)] = recordText(text);
}

void CompTestQuiz::setCorrect(int q, int slot)
{
    if (q >= 0 && q < kMaxQuestions && slot >= 0 && slot < kMaxChoices)
        record(q).nCorrectAnswer = slot;
}

int CompTestQuiz::readQuiz(std::string_view quizText)
{
    m_aQuestions.fill(QuestionRecord{});
    QuizTool tool;
    tool.initalize(quizText);
    int lines = tool.generateLines();
    int q = -1;
    int slot = 0;
    for (int i = 0; i < lines; ++i) {
        if (tool.isQuestion(i)) {
            if (q + 1 >= kMaxQuestions)
                break;
            ++q;
            slot = 0;
            record(q).sQuestion = dropLabel(tool.getSentence(i));
            continue;
        }
        if (q < 0 || slot >= kMaxChoices)
            continue;  // before the first question, or beyond the ninth choice
        record(q).sAnswer[static_cast<size_t>(slot)] = dropLabel(tool.getSentence(i));
        if (tool.isCorrect(i))
            record(q).nCorrectAnswer = slot;
        ++slot;
    }
    return q + 1;
}

std::string CompTestQuiz::quizText() const
{
    if (record(0).empty())
        return {};
    for (const auto& r : m_aQuestions)
        if (!r.empty() && r.choiceCount() == 0)
            return {};
    std::string out;
    int number = 0;
    for (const auto& r : m_aQuestions) {
        if (r.empty())
            continue;
        out += std::to_string(++number) + ". " + r.sQuestion + "\r";
        for (int j = 0; j < kMaxChoices; ++j) {
            const std::string& choice = r.sAnswer[static_cast<size_t>(j)];
            if (choice.empty())
                continue;
            out += j == r.nCorrectAnswer ? "  *" : "   ";
            out += static_cast<char>('A' + j);
            out += ". " + choice + "\r";
        }
    }
    return out;
}

std::optional<QuizProblem> CompTestQuiz::checkTheTest() const
{
    if (m_story.empty())
        return problem("StoryFieldEmptyErr", 0, 0, QuizField::Story);
    if (record(0).empty())
        return problem("Missing1stQuestionErr", 0, 0, QuizField::Question);

    bool gap = false;
    for (int q = 0; q < kMaxQuestions; ++q) {
        const QuestionRecord& r = record(q);
        if (r.empty()) {
            if (r.choiceCount() > 0)
                return problem("BlankQuestionWithChoiceErr", q, 0, QuizField::Question);
            gap = true;
            continue;
        }
        if (gap)
            return problem("EmptyQuestionErr", q - 1, 0, QuizField::Question);
        bool sawEmpty = false;
        for (int slot = 0; slot < kMaxChoices; ++slot) {
            bool isEmpty = r.sAnswer[static_cast<size_t>(slot)].empty();
            if (!isEmpty && sawEmpty)
                return choiceProblem("EmptyChoiceErr", q, slot);
            sawEmpty = sawEmpty || isEmpty;
        }
        if (r.choiceCount() < 2)
            return problem("LessThanTwoChoicesErr", q, 0, QuizField::Choice, 0);
        if (hasControlByte(r.sQuestion))
            return problem("ControlCharInTextErr", q, 0, QuizField::Question);
        for (int slot = 0; slot < kMaxChoices; ++slot)
            if (hasControlByte(r.sAnswer[static_cast<size_t>(slot)]))
                return choiceProblem("ControlCharInTextErr", q, slot);
    }

    for (int q = 0; q < kMaxQuestions; ++q) {
        const QuestionRecord& r = record(q);
        if (r.empty())
            continue;
        int slot = r.nCorrectAnswer;
        if (slot < 0 || slot >= kMaxChoices)
            return choiceProblem("AnswerNotValidErr", q, 0);
        if (r.sAnswer[static_cast<size_t>(slot)].empty())
            return choiceProblem("AnswerNotValidErr", q, slot);
    }

    // The quiz reader gives back at most 99 lines: a longer quiz would lose
    // its last questions or choices.
    int lines = 0;
    for (int q = 0; q < kMaxQuestions; ++q) {
        const QuestionRecord& r = record(q);
        if (r.empty())
            continue;
        lines += 1 + r.choiceCount();
        if (lines > QuizTool::kMaxLines)
            return problem("QuizTooLongErr", q, 0, QuizField::Question);
    }

    int fewest = kMaxChoices;
    int most = 0;
    for (const auto& r : m_aQuestions) {
        if (r.empty())
            continue;
        fewest = std::min(fewest, r.choiceCount());
        most = std::max(most, r.choiceCount());
    }
    if (fewest != most) {
        QuizProblem p = problem("EqualQuestionErr", m_nCurrentQuestion, m_nCurrentSet, QuizField::Question);
        p.ask = true;
        return p;
    }
    return std::nullopt;
}

bool CompTestQuiz::validateTheTest()
{
    m_lastProblem = checkTheTest();
    if (!m_lastProblem)
        return true;
    const QuizProblem& p = *m_lastProblem;
    std::string text = MessageTables::localizedString(p.key, table::kError);
    if (p.ask)
        return QorAlert::message(text, kAlertYesNo, kSeverityInformational) == 1;
    QorAlert::message(text, kAlertOK, kSeverityInformational);
    m_nCurrentQuestion = p.question;
    m_nCurrentSet = p.page;
    return false;
}

int CompTestQuiz::checkSave(std::string_view testName, std::string_view setName, const std::string& quiz) const
{
    if (ObjUtils::readOnlyName(setName)) {
        showError("ReadOnlySet");
        return fs::kWritePermission;
    }
    if (!isValidName(testName, kTestNameField) || !isValidName(setName, kTestNameField) || quiz.empty()) {
        showError("TestSaveErr");
        return fs::kBadName;
    }
    return fs::kNoErr;
}

int CompTestQuiz::saveTheStoryAndQuiz(const std::string& externalFolder, std::string_view testName,
                                      std::string_view setName)
{
    std::string quiz = quizText();
    if (int s = checkSave(testName, setName, quiz); s != fs::kNoErr)
        return s;
    if (m_story.empty()) {
        showError("NoText");
        return fs::kParamError;
    }
    // The quiz first: a story without its quiz is no test, and the list
    // would hide it; a quiz without a new story keeps the old one.
    int s = TestFiles::saveQuizFile(externalFolder, quiz, testName, setName);
    if (s == fs::kNoErr)
        s = TestFiles::saveStoryFile(externalFolder, m_story, testName, setName);
    if (s != fs::kNoErr)
        showError("TestSaveErr");
    return s;
}

int CompTestQuiz::saveTheQuiz(const std::string& externalFolder, std::string_view testName, std::string_view setName)
{
    std::string quiz = quizText();
    if (int s = checkSave(testName, setName, quiz); s != fs::kNoErr)
        return s;
    int s = TestFiles::saveQuizFile(externalFolder, quiz, testName, setName);
    if (s != fs::kNoErr)
        showError("TestSaveErr");
    return s;
}

bool CompTestQuiz::openTest(const std::string& externalFolder, std::string_view setName, std::string_view testName)
{
    clear();
    std::string storyPath = TestFiles::getURLRefFromSet(externalFolder, setName, testName, kStoryExt);
    std::string quizPath = TestFiles::getURLRefFromSet(externalFolder, setName, testName, kQuizExt);
    TextBuffer story = TestFiles::getStoryFileFromURL(storyPath, true, true);
    TextBuffer quiz = TestFiles::getQuizFileFromURL(quizPath);
    if (!story || !quiz)
        return false;
    m_story.assign(story.view());
    readQuiz(quiz.view());
    return true;
}

}  // namespace qor
