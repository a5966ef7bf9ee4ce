#pragma once
// Comprehension tests on disk: a story (N.sty) and a quiz (N.tst) that share
// one name inside a test set, the folder "Tests/<set>/" of the external
// folder.
//
// The system writes both files in the shifted form: the 20-byte marker,
// then the content with every byte increased by one (255 becomes 0). A file
// without the marker is plain content; both forms read the same.
//
// Names are UTF-8 and go through the name rule before they become paths.
// Reads return a zero-terminated block (UTF-8 when the text is valid UTF-8,
// Mac OS Roman otherwise); writes are atomic, files 0666 and folders 0777.

#include "text/TextBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

inline constexpr std::string_view kShiftMarker = "53472116963456146615";
inline constexpr const char* kStoryExt = ".sty";
inline constexpr const char* kQuizExt = ".tst";
// Names of tests and sets as the editor saves them: at most 255 bytes in
// Mac OS Roman, in fields of 256 bytes.
inline constexpr size_t kTestNameField = 256;
// The largest story or quiz file read (far above any real one).
inline constexpr int64_t kMaxTestFileSize = 16 << 20;

// The shifted form of a content: the marker, then each byte plus one.
std::string shiftTestText(std::string_view content);
// Applies the reading rule in place: a block of at least 20 bytes that
// starts with the marker loses it and has each remaining byte decreased by
// one. Returns the new length (the length unchanged for plain content).
int32_t unshiftTestText(char* bytes, int32_t length);

// external folder + "Tests/" + set + "/". False when the external folder is
// unknown or the set name breaks the name rule.
bool testSetFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out);

class TestFiles {
public:
    // The folder of an existing set, the name matched ignoring letter case
    // (the folder's own spelling wins over the typed one). False when the
    // name is refused or there is no such set.
    static bool existingSetFolder(const std::string& externalFolder, std::string_view setName, std::string& out);

    // The test sets root, external folder + "Tests/"; -4960 when the
    // external folder is unknown, -120 when the root does not exist.
    static int getParentRef(const std::string& externalFolder, std::string& out);

    // The path of an existing test file of a set; the extension (".sty" or
    // ".tst") and the test name are matched ignoring letter case, and the
    // file's own spelling is answered. "" when there is none.
    static std::string getURLRefFromSet(const std::string& externalFolder, std::string_view setName,
                                        std::string_view testName, std::string_view ext);

    // Reads a story or a quiz: unshifts it and cleans it as a test story
    // (QorFile::cleanTest with the two flags). A null block when the file
    // is absent, unreadable or too large.
    static TextBuffer getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat);
    // The quiz read: fromEditor false, keepFormat true.
    static TextBuffer getQuizFileFromURL(const std::string& path)
    {
        return getStoryFileFromURL(path, false, true);
    }

    // Writes a story or a quiz in the shifted form, atomically, into an
    // existing set folder. 0, or a file-system status (kBadName for a name
    // the name rule refuses, kFolderNotFound for a missing set).
    static int saveStoryFile(const std::string& externalFolder, std::string_view content,
                             std::string_view testName, std::string_view setName);
    static int saveQuizFile(const std::string& externalFolder, std::string_view content,
                            std::string_view testName, std::string_view setName);

    // Deletes N.sty and N.tst (spelled in any letter case); a missing file
    // is no failure. False only for a name the name rule refuses.
    static bool removeStoryAndTestFromName(const std::string& externalFolder, std::string_view testName,
                                           std::string_view setName);

    // The set operations, on the test sets root. Names go through the name
    // rule; the root is created when missing.
    static bool createTestSet(const std::string& externalFolder, std::string_view setName);
    // A writable copy (files 0666, folder 0777) of every plain file of the
    // existing set; fails when the new set exists already.
    static bool duplicateTestSet(const std::string& externalFolder, std::string_view setName,
                                 std::string_view newSetName);
    static bool removeTestSet(const std::string& externalFolder, std::string_view setName);

private:
    static int saveShifted(const std::string& externalFolder, std::string_view content,
                           std::string_view testName, std::string_view setName, const char* ext);
};

}  // namespace qor
