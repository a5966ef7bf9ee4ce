#pragma once
// What the material entries hand a loaded text to: the reading window. It
// takes the block (and from then on owns it), recounts its words, gives it
// to the reading view and sets the reading position.

#include "text/TextBuffer.h"

#include <cstdint>
#include <string>

namespace qor {

class ReadingWindowTarget {
public:
    virtual ~ReadingWindowTarget() = default;
    // A text read from a file: the window remembers the path and starts at
    // the byte offset.
    virtual void loadTextBuffer(TextBuffer block, const std::string& path, int32_t position) = 0;
    // A text with no file behind it (the clipboard, a given string): the
    // window forgets any path and starts at 0.
    virtual void loadTextFromClipboardBuffer(TextBuffer block) = 0;
    // The material caption shown with the window ("File: name (N Words)").
    virtual void setMaterialCaption(const std::string& caption) = 0;
};

} // namespace qor
