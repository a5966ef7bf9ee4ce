#pragma once
// The three ways reading material arrives: from a file (text, PDF or test
// story), from a given string, and from the clipboard. The application
// controller's File menu commands call these; the loaded text goes to the
// reading window with its caption, and the word count is kept here.
//
// A failed read leaves the previous text, caption and count in place.

#include "text/PdfReader.h"
#include "text/ReadingWindowTarget.h"
#include "text/StoryReader.h"

#include <cstdint>
#include <string>

namespace qor {

class Clipboard;

class MaterialLoader {
public:
    explicit MaterialLoader(ReadingWindowTarget& window) : m_window(window) {}

    // The services used; none set means the platform's clipboard, the
    // standard PDF reader and no story reader (stories then do not load).
    void setClipboard(Clipboard* clipboard) { m_clipboard = clipboard; }
    void setStoryReader(StoryReader* stories) { m_stories = stories; }
    void setPdfReader(PdfReader* pdf) { m_pdf = pdf; }

    // Loads a file: a test story through the story reader, a PDF's text, or
    // a text file; cleans it (at signs starting words removed), counts it,
    // captions it "File: name (N Words)" and hands it to the window at the
    // byte offset. A PDF without text loads its message text and then shows
    // "ImagePDF". False when nothing reached the window (a missing file
    // shows nothing; a failed read shows why).
    bool loadMaterialFromFileName(const std::string& path, int32_t position, bool isStory, bool isPDF);
    // Loads a given UTF-8 string in Mac OS Roman (characters it lacks
    // become '?'), cleaned, captioned "Text: (N Words)".
    bool loadMaterialFromText(const std::string& text);
    // Loads the clipboard's text, cleaned with at signs kept, captioned
    // "Clipboard: (N Words)". Nothing happens when it holds no text.
    bool paste();

    int32_t wordCount() const { return m_nWordCount; }
    const std::string& caption() const { return mFileNameStr; }

private:
    void handOver(TextBuffer block, int32_t words, std::string caption);

    ReadingWindowTarget& m_window;
    Clipboard* m_clipboard = nullptr;
    StoryReader* m_stories = nullptr;
    PdfReader* m_pdf = nullptr;
    int32_t m_nWordCount = 0;
    std::string mFileNameStr;
};

} // namespace qor
