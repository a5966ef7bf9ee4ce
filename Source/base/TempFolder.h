#pragma once
// A temporary folder for tests, removed with everything in it.

#include <string>

namespace qor {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing "/".
    const std::string& path() const { return m_path; }
    // A path inside the folder.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

}  // namespace qor
