#include "tests/QuizTool.h"

namespace qor {

namespace {

const std::string kNoText;

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

void QuizTool::initalize(const char* quiz, int32_t count)
{
    m_quiz.assign(quiz && count > 0 ? quiz : "", quiz && count > 0 ? static_cast<size_t>(count) : 0);
    m_nStart.clear();
    m_aLines.clear();
    m_nLines = 0;
}

int QuizTool::generateLines()
{
    m_nStart.clear();
    m_aLines.clear();
    m_nLines = 0;
    const size_t n = m_quiz.size();
    size_t i = 0;
    while (i < n && m_nLines < kMaxLines) {
        size_t start = i;
        while (i < n && !isBreak(m_quiz[i]))
            ++i;
        std::string_view text(m_quiz.data() + start, i - start);
        while (i < n && isBreak(m_quiz[i]))
            ++i;  // CR, LF, CR LF and the empty lines after them
        // The line's text ends at a zero byte, as the stored copy would.
        if (size_t nul = text.find('\0'); nul != std::string_view::npos)
            text = text.substr(0, nul);
        size_t first = 0;
        while (first < text.size() && isBlank(text[first]))
            ++first;
        if (first == text.size())
            continue;  // blank line
        Line line;
        size_t from = first;
        // Leading spaces (and tabs) go; then a digit starts a question and
        // an asterisk marks the correct choice.
        if (text[from] >= '0' && text[from] <= '9') {
            line.question = true;
        } else if (text[from] == '*') {
            line.correct = true;
            ++from;
        }
        line.sentence.assign(text.substr(from));
        m_nStart.push_back(static_cast<int32_t>(start));
        m_aLines.push_back(std::move(line));
        ++m_nLines;
    }
    return m_nLines;
}

int QuizTool::numCatagories() const
{
    int n = 0;
    for (const auto& l : m_aLines)
        n += l.question ? 1 : 0;
    return n;
}

const std::string& QuizTool::getSentence(int line) const
{
    return valid(line) ? m_aLines[size_t(line)].sentence : kNoText;
}

bool QuizTool::isQuestion(int line) const
{
    return valid(line) && m_aLines[size_t(line)].question;
}

bool QuizTool::isCorrect(int line) const
{
    return valid(line) && m_aLines[size_t(line)].correct;
}

int32_t QuizTool::lineStart(int line) const
{
    return valid(line) ? m_nStart[size_t(line)] : -1;
}

}  // namespace qor
