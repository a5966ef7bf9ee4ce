#pragma once
// The material entry's story reader: comprehension-test stories, shifted or
// plain, read and cleaned as test stories.

#include "text/StoryReader.h"

namespace qor {

class TestStoryReader final : public StoryReader {
public:
    static TestStoryReader& instance();
    TextBuffer getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat) override;
};

}  // namespace qor
