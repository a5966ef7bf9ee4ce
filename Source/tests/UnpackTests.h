#pragma once
// The test packs that ship in the resources ("pktsts", "satact") and their
// unpacking into the read-only test sets at start-up.
//
// A pack: the number of files F (signed 16-bit, little-endian), two bytes
// not read, then the entries. An entry is the header line "!!!" + file
// name + CR LF, then the file's content lines, each ending in LF (a CR
// before the LF belongs to the content). An entry ends at the next header
// line or at the end of the pack. Names are Mac OS Roman.
//
// The unpacker trusts nothing in a pack: it ends at the end of the pack
// whatever F says (a negative F unpacks nothing), reads lines of at most
// 10,000 bytes (a longer line is copied in pieces, and a piece never counts
// as a header), ends a name at CR or LF, and skips an entry whose name the
// name rule refuses ("/", "..", control bytes). Each file is written
// whole and atomically, mode 0666.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr const char* kFirstTestSet = "# Comprehension Test Set 1";
inline constexpr const char* kSatActTestSet = "# SAT-ACT Prep Test Set";
inline constexpr const char* kFirstTestPack = "pktsts";
inline constexpr const char* kSatActTestPack = "satact";
// Start-up unpacks when the first set holds fewer tests than this.
inline constexpr int kTestsBeforeUnpacking = 30;
inline constexpr size_t kPackLineLimit = 10000;
inline constexpr int64_t kMaxPackSize = 64 << 20;

struct PackEntry {
    std::string name;     // file name with its extension, Mac OS Roman
    std::string content;  // the file's bytes
};

// Builds a pack. Each content gets a final LF when it lacks one. Fails
// (false, with the reason in problem) for more than 32767 entries, a name
// with CR, LF or "/", a content line beginning with "!!!" or longer than
// 10,000 bytes.
bool writeTestPack(const std::vector<PackEntry>& entries, std::string& pack, std::string* problem = nullptr);

// Reads a pack the way the unpacker does: at most F entries, those with
// refused names left out. For tools and tests.
std::vector<PackEntry> readTestPack(std::string_view pack);

// The lines of a pack, as the unpacker reads them.
class PackLineReader {
public:
    explicit PackLineReader(std::string_view bytes, size_t from = 4) : m_bytes(bytes), m_pos(from) {}

    // The next line, LF included, at most kPackLineLimit bytes. False at
    // the end of the pack; bytes after the last LF are no line.
    bool next(std::string_view& line);
    // True when the last line read began a line of the pack (not the
    // continuation of a long one) and starts with "!!!".
    bool isHeader() const { return m_header; }

private:
    std::string_view m_bytes;
    size_t m_pos;
    bool m_atLineStart = true;
    bool m_header = false;
};

// The name in a header line: the bytes after "!!!" up to the first CR or LF.
std::string packEntryName(std::string_view headerLine);

class UnpackTests {
public:
    // Called after each file is opened: files opened so far, F, and the
    // file's name (UTF-8).
    using Progress = std::function<void(int current, int total, const std::string& name)>;

    UnpackTests() = default;
    UnpackTests(const UnpackTests&) = delete;
    UnpackTests& operator=(const UnpackTests&) = delete;

    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Starts unpacking the pack at packPath into destFolder (created when
    // absent). False, with nothing shown, when the pack cannot be read
    // (fs status in *status) or the folder cannot be made.
    bool startUnpacking(const std::string& packPath, const std::string& destFolder, int* status = nullptr);
    // The same for a pack of the resources into a set of the external
    // folder: shows "OpenAdditionalTestsErr" when the pack is missing and
    // "TestFolderNotFoundErr" when the set folder cannot be made (table
    // "Error", type 0, severity 2).
    bool startUnpackingInto(const std::string& internalFolder, const std::string& externalFolder,
                            std::string_view packName, std::string_view setName);

    // Performs the pending action (open the next file, or copy its lines).
    // False once finished.
    bool step();
    // Steps until finished.
    void runToEnd();

    bool isFinished() const { return m_bFinished; }
    void finish(bool finished) { m_bFinished = finished; m_nAction = 0; }
    // A file could not be written, or an entry's name was refused.
    bool hadError() const { return m_bError; }
    int fileCount() const { return m_nFileNum; }
    int currentFile() const { return m_nCurrentFile; }
    int filesWritten() const { return m_nWritten; }
    const std::string& currentName() const { return m_currentName; }

private:
    void openNextFile();
    void copyLines();

    Progress m_progress;
    std::string m_pack;
    PackLineReader m_reader{std::string_view()};
    std::string_view m_line;
    bool m_haveLine = false;
    bool m_bFinished = true;
    bool m_bError = false;
    bool m_skipEntry = false;
    uint32_t m_nAction = 0;  // 0 none, 1 open the next file, 2 copy its lines
    int m_nFileNum = 0;
    int m_nCurrentFile = 0;
    int m_nWritten = 0;
    std::string m_extPath;
    std::string m_currentName;
    std::string m_currentPath;
};

// One pack that start-up unpacks, and the set it goes into.
struct TestPackJob {
    const char* pack;
    const char* set;
};

// The packs start-up unpacks: none when "# Comprehension Test Set 1"
// holds 30 tests or more; otherwise "pktsts", then "satact" except in
// edition 1.
std::vector<TestPackJob> testPacksToUnpack(const std::string& externalFolder, int edition);

// Unpacks them without a panel (the site installer). The number of packs
// unpacked without error.
int unpackShippedTests(const std::string& internalFolder, const std::string& externalFolder, int edition);

}  // namespace qor
