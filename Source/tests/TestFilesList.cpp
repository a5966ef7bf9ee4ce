#include "tests/TestFilesList.h"

#include "base/Encoding.h"
#include "tests/TestFiles.h"

namespace qor {

TestSets::TestSets(const std::string& externalFolder)
{
    if (!externalFolder.empty())
        generateDirectoryList(kindFolder(externalFolder, kTestsFolderName));
}

TestFilesList::TestFilesList(std::string setName, const std::string& externalFolder)
    : m_setName(std::move(setName)), m_external(externalFolder)
{
    generateList();
}

void TestFilesList::generateList()
{
    if (!TestFiles::existingSetFolder(m_external, m_setName, m_path)) {
        m_path.clear();
        return;
    }
    if (!generateFileList(m_path, "sty", true))
        return;
    QorCat quizzes;
    quizzes.generateFileList(m_path, "tst", true);
    for (int i = count() - 1; i >= 0; --i)
        if (!quizzes.isDuplicate(getStringAtIndex(i)))
            deleteItemAtIndex(i);
    m_quizPaths.clear();
    for (int i = 0; i < count(); ++i)
        m_quizPaths.push_back(quizzes.refForName(getStringAtIndex(i)).value_or(std::string()));
}

std::string TestFilesList::quizPath(int index) const
{
    return validIndex(index) ? m_quizPaths[size_t(index)] : std::string();
}

TextBuffer TestFilesList::getFileCount(int index, std::string& testName, bool isTest, bool fromEditor,
                                       bool keepFormat) const
{
    testName.clear();
    if (!validIndex(index))
        return {};
    testName = getStringAtIndex(index);
    return TestFiles::getStoryFileFromURL(isTest ? quizPath(index) : storyPath(index), fromEditor, keepFormat);
}

}  // namespace qor
