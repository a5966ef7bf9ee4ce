#pragma once
// For tests: real PDF files made with Ghostscript from a few lines of
// PostScript.

#include "base/Files.h"

#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace qor::testing_pdf {

// PostScript for pages of text, one string per page (ASCII, no parentheses
// or backslashes).
inline std::string textPages(const std::vector<std::string>& pages)
{
    std::string ps = "%!PS\n";
    for (const auto& page : pages) {
        ps += "/Helvetica findfont 12 scalefont setfont\n72 720 moveto (" + page + ") show\nshowpage\n";
    }
    return ps;
}

// PostScript for one page holding only an 8 x 8 grey image.
inline std::string imagePage()
{
    return "%!PS\n72 500 translate 200 200 scale\n"
           "8 8 8 [8 0 0 -8 0 8] {<"
           "00ff00ff00ff00ffff00ff00ff00ff0000ff00ff00ff00ffff00ff00ff00ff00"
           "00ff00ff00ff00ffff00ff00ff00ff0000ff00ff00ff00ffff00ff00ff00ff00"
           ">} image\nshowpage\n";
}

// Turns PostScript into a PDF at `pdfPath`; with a user password the PDF is
// encrypted and locked to readers without it. True when Ghostscript made it.
inline bool makePdf(const std::string& pdfPath, const std::string& postscript,
                    const std::string& userPassword = {})
{
    std::string psPath = pdfPath + ".ps";
    if (fs::writeFileAtomic(psPath, postscript) != fs::kNoErr)
        return false;
    std::vector<std::string> args = {"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite"};
    if (!userPassword.empty()) {
        args.push_back("-sOwnerPassword=owner-" + userPassword);
        args.push_back("-sUserPassword=" + userPassword);
        args.push_back("-dEncryptionR=3");
        args.push_back("-dKeyLength=128");
    }
    args.push_back("-sOutputFile=" + pdfPath);
    args.push_back(psPath);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "gs", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return false;
    fs::removeFile(psPath);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && fs::fileSize(pdfPath) > 0;
}

} // namespace qor::testing_pdf
