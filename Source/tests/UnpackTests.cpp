#include "tests/UnpackTests.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/NameRule.h"
#include "base/Record.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "tests/TestFiles.h"
#include "tests/TestFilesList.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::string_view kHeaderMark = "!!!";

bool startsWithMark(std::string_view s)
{
    return s.substr(0, kHeaderMark.size()) == kHeaderMark;
}

void showCritical(const char* key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityCritical);
}

}  // namespace

bool writeTestPack(const std::vector<PackEntry>& entries, std::string& pack, std::string* problem)
{
    auto fail = [&](const std::string& why) {
        if (problem)
            *problem = why;
        pack.clear();
        return false;
    };
    if (entries.size() > 32767)
        return fail("more than 32767 files");
    RecordWriter header(4);
    header.i16(0, static_cast<int16_t>(entries.size()));
    pack = header.toString();
    for (const auto& e : entries) {
        if (e.name.empty() || e.name.find_first_of("\r\n/") != std::string::npos)
            return fail("bad file name \"" + e.name + "\"");
        pack += std::string(kHeaderMark) + e.name + "\r\n";
        std::string content = e.content;
        if (!content.empty() && content.back() != '\n')
            content.push_back('\n');
        size_t pos = 0;
        while (pos < content.size()) {
            size_t end = content.find('\n', pos) + 1;
            std::string_view line(content.data() + pos, end - pos);
            if (startsWithMark(line))
                return fail(e.name + ": a line begins with \"!!!\"");
            if (line.size() > kPackLineLimit)
                return fail(e.name + ": a line is longer than 10000 bytes");
            pos = end;
        }
        pack += content;
    }
    return true;
}

bool PackLineReader::next(std::string_view& line)
{
    m_header = false;
    if (m_pos >= m_bytes.size())
        return false;
    size_t limit = std::min(m_bytes.size(), m_pos + kPackLineLimit);
    size_t lf = m_bytes.find('\n', m_pos);
    size_t end;
    if (lf != std::string_view::npos && lf < limit)
        end = lf + 1;
    else if (limit - m_pos == kPackLineLimit)
        end = limit;  // a piece of a longer line
    else {
        m_pos = m_bytes.size();  // the end of the pack before an LF: no line
        return false;
    }
    line = m_bytes.substr(m_pos, end - m_pos);
    m_header = m_atLineStart && startsWithMark(line);
    m_atLineStart = line.back() == '\n';
    m_pos = end;
    return true;
}

std::string packEntryName(std::string_view headerLine)
{
    if (!startsWithMark(headerLine))
        return {};
    std::string_view rest = headerLine.substr(kHeaderMark.size());
    return std::string(rest.substr(0, rest.find_first_of("\r\n")));
}

std::vector<PackEntry> readTestPack(std::string_view pack)
{
    std::vector<PackEntry> out;
    if (pack.size() < 4)
        return out;
    int files = RecordReader(pack).i16(0);
    PackLineReader reader(pack);
    std::string_view line;
    bool have = reader.next(line);
    bool skip = true;
    bool continuation = false;
    int seen = 0;
    while (have) {
        if (reader.isHeader()) {
            if (seen++ >= files)
                break;
            PackEntry e;
            e.name = packEntryName(line);
            skip = !isValidName(macRomanToUtf8(e.name));
            if (!skip)
                out.push_back(std::move(e));
            continuation = line.back() != '\n';
        } else if (continuation) {
            continuation = line.back() != '\n';  // the rest of a long header line
        } else if (!skip) {
            out.back().content.append(line);
        }
        have = reader.next(line);
    }
    return out;
}

bool UnpackTests::startUnpacking(const std::string& packPath, const std::string& destFolder, int* status)
{
    m_bFinished = false;
    m_bError = false;
    m_nAction = 0;
    m_nFileNum = 0;
    m_nCurrentFile = 0;
    m_nWritten = 0;
    m_currentName.clear();
    m_pack.clear();
    int s = fs::readFile(packPath, m_pack, static_cast<size_t>(kMaxPackSize));
    if (s == fs::kNoErr && m_pack.size() < 4)
        s = fs::kEndOfFile;
    if (s == fs::kNoErr && !fs::isFolder(destFolder))
        s = fs::makeFolders(destFolder);
    if (status)
        *status = s;
    if (s != fs::kNoErr) {
        m_pack.clear();
        m_bFinished = true;
        return false;
    }
    m_extPath = destFolder.back() == '/' ? destFolder : destFolder + "/";
    m_nFileNum = std::max<int>(0, RecordReader(m_pack).i16(0));
    m_reader = PackLineReader(m_pack);
    m_haveLine = m_reader.next(m_line);
    m_nAction = 1;
    return true;
}

bool UnpackTests::startUnpackingInto(const std::string& internalFolder, const std::string& externalFolder,
                                     std::string_view packName, std::string_view setName)
{
    if (internalFolder.empty() || externalFolder.empty()) {
        m_bFinished = true;
        return false;
    }
    std::string packPath = fs::joinPath(internalFolder, packName);
    if (!fs::isPlainFile(packPath)) {
        m_bFinished = true;
        showCritical("OpenAdditionalTestsErr");
        return false;
    }
    std::string dest;
    if (!testSetFolderPath(externalFolder, setName, dest) || (!fs::isFolder(dest) && fs::makeFolders(dest) != fs::kNoErr)
        || !fs::isFolder(dest)) {
        m_bFinished = true;
        showCritical("TestFolderNotFoundErr");
        return false;
    }
    if (!startUnpacking(packPath, dest)) {
        showCritical("OpenAdditionalTestsErr");
        return false;
    }
    return true;
}

bool UnpackTests::step()
{
    if (m_bFinished)
        return false;
    if (m_nAction == 1)
        openNextFile();
    else if (m_nAction == 2)
        copyLines();
    return !m_bFinished;
}

void UnpackTests::runToEnd()
{
    while (step()) {
    }
}

void UnpackTests::openNextFile()
{
    m_nAction = 0;
    // Anything before a header line belongs to no file.
    while (m_haveLine && !m_reader.isHeader())
        m_haveLine = m_reader.next(m_line);
    if (m_nCurrentFile >= m_nFileNum || !m_haveLine) {
        m_pack.clear();
        finish(true);
        return;
    }
    std::string name = packEntryName(m_line);
    bool longHeader = m_line.back() != '\n';
    m_haveLine = m_reader.next(m_line);
    while (longHeader && m_haveLine) {  // the rest of an overlong header line
        longHeader = m_line.back() != '\n';
        m_haveLine = m_reader.next(m_line);
    }
    m_currentName = macRomanToUtf8(name);
    m_skipEntry = !isValidName(m_currentName);
    if (m_skipEntry)
        m_bError = true;
    m_currentPath = m_extPath + m_currentName;
    ++m_nCurrentFile;
    if (m_progress)
        m_progress(m_nCurrentFile, m_nFileNum, m_currentName);
    m_nAction = 2;
}

void UnpackTests::copyLines()
{
    std::string content;
    while (m_haveLine && !m_reader.isHeader()) {
        if (!m_skipEntry)
            content.append(m_line);
        m_haveLine = m_reader.next(m_line);
    }
    m_nAction = 1;
    if (m_skipEntry)
        return;
    if (fs::writeFileAtomic(m_currentPath, content, fs::kFileMode) != fs::kNoErr) {
        m_bError = true;
        m_pack.clear();
        finish(true);
        return;
    }
    ++m_nWritten;
}

std::vector<TestPackJob> testPacksToUnpack(const std::string& externalFolder, int edition)
{
    if (TestFilesList(kFirstTestSet, externalFolder).count() >= kTestsBeforeUnpacking)
        return {};
    std::vector<TestPackJob> jobs{{kFirstTestPack, kFirstTestSet}};
    if (edition != 1)
        jobs.push_back({kSatActTestPack, kSatActTestSet});
    return jobs;
}

int unpackShippedTests(const std::string& internalFolder, const std::string& externalFolder, int edition)
{
    int done = 0;
    for (const TestPackJob& job : testPacksToUnpack(externalFolder, edition)) {
        std::string dest;
        if (!testSetFolderPath(externalFolder, job.set, dest))
            continue;
        UnpackTests unpacker;
        if (!unpacker.startUnpacking(fs::joinPath(internalFolder, job.pack), dest))
            continue;
        unpacker.runToEnd();
        done += unpacker.hadError() ? 0 : 1;
    }
    return done;
}

}  // namespace qor
