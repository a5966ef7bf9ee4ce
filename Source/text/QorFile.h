#pragma once
// Reading, decoding, cleaning and counting texts.
//
// QorFile holds no state. The cleaning rules are a stored format: bookmarks,
// scores and tests keep byte offsets into the cleaned text, so every rule
// here is kept byte for byte.
//
// After cleaning a reading text holds only TAB, CR and bytes 32 to 254; CR
// is the one line break; TAB, CR and space separate words; no word is longer
// than 255 bytes. Bytes between the new size and the old one are zero.

#include "text/PdfReader.h"
#include "text/TextBuffer.h"

#include <cstdint>
#include <string>

namespace qor {

// The outcome of reading a text file into a block.
struct TextReadResult {
    int status = 0;        // 0, or a file-system status (fs::kMemFull: too large)
    int32_t wordCount = 0; // the cleaned text's word count (readCleanedText only)
};

class QorFile {
public:
    // --- reading ------------------------------------------------------------

    // Reads a text file (isPDF false) or the text of a PDF (isPDF true).
    // A text file is kept as its bytes: UTF-8 when the whole file is valid
    // UTF-8 (a leading byte-order mark is dropped), Mac OS Roman otherwise.
    // A PDF's text is UTF-8. A PDF without text gives the block "No Text
    // Found in File (PDF maybe image only): " and a locked one "The following
    // file is locked: ", each followed by the path in Mac OS Roman (at most
    // 1023 bytes of it); *pdfStatus tells which. On failure shows the
    // platform's error, or "Err021" when the text does not fit, and returns
    // a null block.
    static TextBuffer readBufferFromFileCF(const std::string& path, bool isPDF,
                                           PdfStatus* pdfStatus = nullptr, PdfReader* reader = nullptr);

    // The message readBufferFromFileCF shows when a text file could not be
    // read: "Err021" for a text that does not fit (fs::kMemFull), else the
    // platform's description of the failure.
    static void showReadFailure(int status);

    // The same reads without any message: the status says what failed.
    static int readTextFile(const std::string& path, TextBuffer& out);
    static PdfStatus readPdfFile(const std::string& path, TextBuffer& out, PdfReader& reader);

    // A text file read, decoded, cleaned (with at-sign removal) and counted
    // in its one block, cleaned in a single pass: the same block and count
    // as readTextFile, cleanData(..., true) and getWordCount, at a fraction
    // of the work.
    static TextReadResult readCleanedText(const std::string& path, TextBuffer& out);
    // The decoding, cleaning and counting of readCleanedText on a block of
    // raw file bytes, in place; returns the word count.
    static int32_t decodeAndClean(TextBuffer& block);

    // Reads a file raw and cleans it with at-sign removal (drill texts).
    // Shows "The file "%s" is already open." or "The file "%s" could not be
    // found." for those open errors and "Err021" when the file does not fit.
    static TextBuffer loadFileFromPath(const std::string& path);

    // Reads a whole file raw into a zero-terminated block; no message. The
    // encoding is UTF-8 when the bytes are valid UTF-8, else Mac OS Roman.
    static TextBuffer readBufferFromFile(const std::string& path, int* status = nullptr);

    // Replaces the contents of an existing file with the bytes, atomically
    // (mode 0666). 0 on success, else a file-system status; -43 when the
    // file does not exist.
    static int saveFileFromBuffer(const std::string& path, const char* bytes, int32_t size);

    // --- cleaning (all in place; each returns the new size) ----------------

    // The cleaning of reading texts.
    static int32_t cleanData(char* bytes, int32_t size, bool removeAtSign);
    // Drops an at sign that starts a word and is followed by a letter or
    // digit: at the start of the text or after TAB, CR, space or '"'.
    static int32_t removeAtSigns(char* bytes, int32_t size);
    // The cleaning of test stories: TABs removed, trailing control bytes
    // trimmed; then, unless fromEditor, at-sign removal (keepFormat) or the
    // collapse into one line of single-spaced words.
    static int32_t cleanTest(char* bytes, int32_t size, bool fromEditor, bool keepFormat);
    // Collapses a text into one line of words separated by single spaces;
    // words hold at most 254 bytes.
    static int32_t cleanTestData(char* bytes, int32_t size, bool removeAtSign);
    // Removes every CR.
    static void stripCR(char* bytes, int32_t& size);
    // Trims the line ends of an LF-delimited text: CRs removed, spaces
    // before each LF and at the end removed, final LFs removed (keeping at
    // least one byte).
    static void stripTrailingBlanksCRLF(char* bytes, int32_t& size);
    // Marks for deletion (0x03) the LF of each CR LF pair and the spaces
    // directly before each CR.
    static void turnCRLFintoCRHex03(char* bytes, int32_t size);

    // --- counting and classes -----------------------------------------------

    // Words separated by CR and space (TAB does not separate). A one-byte
    // word counts only when it is A, I, a or i; the run that reaches the
    // end of the text always counts, so an empty text counts 1.
    static int32_t getWordCount(const char* bytes, int32_t size);
    static bool greaterThanSpace(char c) { return static_cast<unsigned char>(c) > 32; }
    static bool formatedChar(char c)
    {
        auto u = static_cast<unsigned char>(c);
        return u == 9 || u == 10 || u == 13 || (u >= 32 && u <= 254);
    }
};

} // namespace qor
