#pragma once
// The catalogue of test sets and the list of the tests of one set.

#include "sets/QorCat.h"
#include "shell/ObjUtils.h"
#include "text/TextBuffer.h"

#include <string>
#include <vector>

namespace qor {

// The test sets: the folders of "Tests/" in the external folder. An absent
// root gives an empty catalogue.
class TestSets : public QorCat {
public:
    explicit TestSets(const std::string& externalFolder = ObjUtils::externalPath());
};

// The tests of one set: the stories ("*.sty", the suffix in any letter
// case) that have a quiz of the same name (".tst", letter case ignored), by
// name without the extension, in the listing order. A file reference is the
// story's path; quizPath() gives the quiz's own spelling.
class TestFilesList : public QorCat {
public:
    explicit TestFilesList(std::string setName, const std::string& externalFolder = ObjUtils::externalPath());

    const std::string& getSetName() const { return m_setName; }
    // The set folder path ("" when it cannot be built).
    const std::string& getPath() const { return m_path; }

    // The story's and the quiz's paths of the test at an index ("" outside).
    std::string storyPath(int index) const { return getFSRefAtIndex(index); }
    std::string quizPath(int index) const;

    // Reads the story (isTest false) or the quiz (true) of the test at an
    // index, as TestFiles::getStoryFileFromURL with the two flags, and puts
    // the test name into testName. A null block (and "" as the name) for
    // an index outside the list.
    TextBuffer getFileCount(int index, std::string& testName, bool isTest, bool fromEditor,
                            bool keepFormat) const;

private:
    void generateList();

    std::string m_setName;
    std::string m_external;
    std::string m_path;
    std::vector<std::string> m_quizPaths;  // index-aligned with the names
};

}  // namespace qor
