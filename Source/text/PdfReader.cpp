#include "text/PdfReader.h"

#include "base/Encoding.h"
#include "base/Plugins.h"
#include "text/TextBuffer.h"


#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace qor {

namespace {

using ReadFn = void (*)(const char*, size_t, PdfContent*);

} // namespace

PdfContent PopplerPdfReader::read(const std::string& path)
{
    PdfContent out;
    static const auto fn = reinterpret_cast<ReadFn>(pluginSymbol("libqor_pdf_poppler.so", "qor_poppler_read"));
    if (!fn)
        return out; // without the plugin no PDF has text to give
    fn(path.c_str(), static_cast<size_t>(TextBuffer::maxTextSize()), &out);
    return out;
}

PdfReader& standardPdfReader()
{
    static PopplerPdfReader reader;
    return reader;
}

bool isPdfDocument(const std::string& path)
{
    if (endsWithIgnoringCase(path, ".pdf"))
        return true;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char head[5] = {};
    const size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return n == sizeof head && std::memcmp(head, "%PDF-", sizeof head) == 0;
}

} // namespace qor
