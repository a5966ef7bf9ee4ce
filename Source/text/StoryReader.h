#pragma once
// Where the material entry gets a comprehension-test story from. The test
// files own the story format; they hand the story's text over, cleaned as a
// test story (QorFile::cleanTest with the same two flags).

#include "text/TextBuffer.h"

#include <string>

namespace qor {

class StoryReader {
public:
    virtual ~StoryReader() = default;
    // The story's text, or a null block when it cannot be read (any message
    // is the reader's own).
    virtual TextBuffer getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat) = 0;
};

} // namespace qor
