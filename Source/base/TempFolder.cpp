#include "base/TempFolder.h"

#include <ftw.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace qor {

TempFolder::TempFolder()
{
    std::string tmpl = "/tmp/quorlinth-test-XXXXXX";
    if (::mkdtemp(tmpl.data()))
        m_path = tmpl;
}

TempFolder::~TempFolder()
{
    if (m_path.empty())
        return;
    ::nftw(
        m_path.c_str(),
        [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

}  // namespace qor
