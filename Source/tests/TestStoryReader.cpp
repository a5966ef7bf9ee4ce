#include "tests/TestStoryReader.h"

#include "tests/TestFiles.h"

namespace qor {

TestStoryReader& TestStoryReader::instance()
{
    static TestStoryReader reader;
    return reader;
}

TextBuffer TestStoryReader::getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat)
{
    return TestFiles::getStoryFileFromURL(path, fromEditor, keepFormat);
}

}  // namespace qor
