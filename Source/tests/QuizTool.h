#pragma once
// Splits a quiz text into its lines and marks the question lines and the
// correct choices.
//
// A line ends at CR, LF or CR LF; lines that are empty or hold only blanks
// are skipped, wherever they are (leading breaks included). At most 99
// lines are read: a longer quiz shows its first 99. A line whose first
// byte after leading spaces is a digit is a question and keeps its number
// ("12. Why?"); any other line is a choice, and one whose first byte after
// the spaces is '*' is the correct choice, read without the asterisk
// ("C. Maybe").

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class QuizTool {
public:
    static constexpr int kMaxLines = 99;

    struct Line {
        std::string sentence;
        bool question = false;
        bool correct = false;
    };

    // Keeps a copy of the quiz text; the caller's block may go afterwards.
    void initalize(const char* quiz, int32_t count);
    void initalize(std::string_view quiz) { initalize(quiz.data(), static_cast<int32_t>(quiz.size())); }
    // Splits the text; returns the number of lines.
    int generateLines();

    int lineCount() const { return m_nLines; }
    // The number of question lines.
    int numCatagories() const;
    // The line's text and flags; "" and false outside the lines read.
    const std::string& getSentence(int line) const;
    bool isQuestion(int line) const;
    bool isCorrect(int line) const;
    // The byte offset of the line's start in the quiz text (-1 outside).
    int32_t lineStart(int line) const;

private:
    bool valid(int line) const { return line >= 0 && line < m_nLines; }

    std::string m_quiz;
    std::vector<int32_t> m_nStart;
    std::vector<Line> m_aLines;
    int m_nLines = 0;
};

}  // namespace qor
