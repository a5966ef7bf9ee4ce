#include "display/CurrentOptions.h"

#include "base/Files.h"
#include "base/Log.h"
#include "display/StandardOptions.h"
#include "shell/QorAlert.h"

#include <cstdio>

namespace qor {

namespace {

// Reads at most `limit` bytes of a file; false when it cannot be opened.
bool readHead(const std::string& path, size_t limit, std::string& out)
{
    out.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    out.resize(limit);
    size_t n = std::fread(out.data(), 1, limit, f);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    out.resize(n);
    return !failed;
}

}  // namespace

CurrentOptions& CurrentOptions::instance()
{
    static CurrentOptions* holder = new CurrentOptions;
    return *holder;
}

std::string CurrentOptions::userFolder() const
{
    if (!m_userFolder)
        return {};
    std::string folder = m_userFolder();
    if (folder.empty() || !fs::isFolder(folder))
        return {};
    return folder;
}

std::string CurrentOptions::optionsFilePath() const
{
    std::string folder = userFolder();
    return folder.empty() ? std::string() : fs::joinPath(folder, kOptionsFileName);
}

void CurrentOptions::getOptions(OptionsRecord& out)
{
    if (m_optRec.speed == 0) {
        StandardOptions::defaultWindowOptions(m_optRec);
        saveOptionsFile();
    }
    out = m_optRec;
}

int CurrentOptions::setOptions(const OptionsRecord& rec)
{
    m_optRec = rec;
    validateOptions(m_optRec);
    return saveOptionsFile();
}

void CurrentOptions::holdOptions(const OptionsRecord& rec)
{
    m_optRec = rec;
    validateOptions(m_optRec);
}

bool CurrentOptions::loadOptionsFile()
{
    StandardOptions::defaultWindowOptions(m_optRec);
    std::string path = optionsFilePath();
    if (path.empty())
        return false;
    if (!fs::exists(path) && !fs::isLink(path))
        return saveOptionsFile() == fs::kNoErr;

    std::string bytes;
    OptionsRecord stored;
    if (!readHead(path, kOptionsRecordSize, bytes) || !decodeOptionsRecord(bytes, stored)) {
        logLine("CurrentOptions: \"" + path + "\" is unreadable or shorter than " +
                std::to_string(kOptionsRecordSize) + " bytes; the defaults are used");
        return true;
    }
    if (stored.speed == 0)
        return true;  // never initialised: the defaults stand
    if (!validateOptions(stored))
        logLine("CurrentOptions: \"" + path + "\" held values out of range; they were pulled in");
    m_optRec = std::move(stored);
    return true;
}

int CurrentOptions::saveOptionsFile()
{
    std::string path = optionsFilePath();
    if (path.empty())
        return fs::kFolderNotFound;
    return fs::writeFileAtomic(path, encodeOptionsRecord(m_optRec));
}

void alertOptionsNotSaved(int status)
{
    // 512: the platform's "could not be saved", for codes without a text.
    QorAlert::displayOSErr(status, 512);
}

}  // namespace qor
