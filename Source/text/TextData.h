#pragma once
// The text store of the reading engine: owns the normalised text buffer and
// walks it with a byte cursor, one word, one separator or one line at a
// time; moves by words; jumps to a percentage; finds a sentence by a word.
//
// Everything works on bytes. Separators are TAB, CR and space; sentence
// punctuation is '!', '.' and '?'; a sentence follower is LF, CR or space.
// The cursor stays within 0 and the size (the size itself means the end of
// the text); so does the block start.

#include "text/TextBuffer.h"

#include <cstdint>
#include <string_view>

namespace qor {

class TextData {
public:
    TextData() = default;
    TextData(const TextData&) = delete;
    TextData& operator=(const TextData&) = delete;

    // --- buffer ---
    // Empties the store.
    void init();
    // Takes the block (the previous one is freed) and jumps to its start.
    void initData(TextBuffer block);
    // The text bytes and their count (no copy); nullptr when there is none.
    const char* bufferAndSize(int32_t& size) const;
    const TextBuffer& buffer() const { return m_data; }
    TextEncoding encoding() const { return m_data.encoding(); }

    // --- position ---
    int32_t current() const { return m_current; }
    void setCurrent(int32_t offset);
    // Block start and cursor := offset, both kept within the text.
    void setPosition(int32_t offset);
    int32_t start() const { return m_nStart; }
    void setStart() { m_nStart = m_current; }
    void useStart();
    const char* startWords() const;
    int32_t startLen() const { return m_bufferSize - m_nStart; }
    const char* currentWords() const;
    bool endOfText() const { return m_current == m_bufferSize; }
    bool startOfText() const { return m_current == 0; }
    // 100 at the end of the text (and for an empty text); else the block
    // start as a percentage of the size.
    int32_t percent() const;
    // Jumps to the start of the word at p percent of the text; sets the
    // block start too. p is taken within 0 and 100.
    void setData(int32_t percent);
    void resetData() { setData(0); }

    // --- reading and moving ---
    // The next word: its first byte and length, whether it ends a sentence,
    // the separator met (ignoreSeperator clear: each separator is fetched on
    // its own and the result is nullptr), and whether a CR follows after
    // spaces. nullptr at the end of the text.
    const char* getNextWordAndLength(int32_t& length, int32_t& numOfSent, bool ignoreSeperator,
                                     char& seperator, bool& endWithCR);
    // The next line up to a CR; the CRs after it are skipped.
    const char* getNextFormattedLineAndLength(int32_t& length);
    void forwardWords(int32_t n);
    void backWords(int32_t n, bool keepSpace);
    // Whether n words lie before the cursor with the n-th starting at offset
    // 2 or later; the cursor does not move.
    bool needToGoBack(int32_t n) const;
    void pointToNextWord();
    // Cursor + n when that is inside the text, else the last byte.
    void forwardChars(int32_t n);
    // Finds the word (bytes in the buffer's encoding, 1 to 255 of them;
    // ASCII letters match either case) from the cursor on and moves the
    // cursor to the start of its sentence. The block start does not move.
    bool searchForSentence(const char* word);
    // The same for a word given as UTF-8, turned into the buffer's encoding
    // first; false when the encoding cannot hold it.
    bool searchForSentenceText(std::string_view utf8Word);

private:
    // The cursor rule: below 0 becomes 0, beyond the size the last byte.
    int32_t clampOffset(int64_t offset) const;
    void validateCurrent() { m_current = clampOffset(m_current); }
    // A cursor beyond the size is a broken invariant: reported, then
    // treated as the end.
    bool cursorBeyondText();
    unsigned char at(int32_t i) const { return static_cast<unsigned char>(m_data.data()[i]); }

    TextBuffer m_data;
    int32_t m_current = 0;
    int32_t m_bufferSize = 0;
    int32_t m_last = 0;
    int32_t m_nStart = 0;
};

} // namespace qor
