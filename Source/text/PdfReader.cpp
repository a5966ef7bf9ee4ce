#include "text/PdfReader.h"

#include "base/Encoding.h"
#include "text/TextBuffer.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace qor {

namespace {

// poppler reports every oddity of a damaged file on standard error; the
// outcome reaches the reader through the status instead.
void quietPoppler()
{
    static const bool once = [] {
        poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
        return true;
    }();
    (void)once;
}

// The page text as UTF-8, straight from poppler's UTF-16 units (a lone
// surrogate becomes U+FFFD).
void appendUtf8Of(std::string& out, const poppler::ustring& units)
{
    const size_t n = units.size();
    for (size_t k = 0; k < n; ++k) {
        char32_t cp = units[k];
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            if (cp <= 0xDBFF && k + 1 < n && units[k + 1] >= 0xDC00 && units[k + 1] <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (char32_t(units[k + 1]) - 0xDC00);
                ++k;
            } else {
                cp = 0xFFFD;
            }
        }
        appendUtf8(out, cp);
    }
}

bool hasVisibleByte(const std::string& s)
{
    for (unsigned char c : s)
        if (c > 32)
            return true;
    return false;
}

} // namespace

PdfContent PopplerPdfReader::read(const std::string& path)
{
    quietPoppler();
    PdfContent out;
    try {
        std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(path));
        if (!doc)
            return out; // not a PDF we can read: no text
        if (doc->is_locked()) {
            out.status = PdfStatus::Locked;
            return out;
        }
        out.pages = doc->pages();
        const size_t limit = static_cast<size_t>(TextBuffer::maxTextSize());
        for (int i = 0; i < out.pages; ++i) {
            std::unique_ptr<poppler::page> page(doc->create_page(i));
            if (!page)
                continue;
            // Reading order, as a reader reads it; no layout padding.
            poppler::ustring units = page->text(poppler::rectf(), poppler::page::non_raw_non_physical_layout);
            if (units.empty())
                continue;
            if (!out.text.empty() && out.text.back() != '\n' && out.text.back() != '\r')
                out.text.push_back('\n');
            if (out.text.size() + units.size() > limit) { // each unit gives a byte or more
                out.text.clear();
                out.status = PdfStatus::TooLarge;
                return out;
            }
            appendUtf8Of(out.text, units);
            if (out.text.size() > limit) {
                out.text.clear();
                out.status = PdfStatus::TooLarge;
                return out;
            }
        }
    } catch (const std::bad_alloc&) {
        out.text.clear();
        out.status = PdfStatus::TooLarge;
        return out;
    } catch (...) {
        out.text.clear();
        out.status = PdfStatus::NoText;
        return out;
    }
    // Pages whose text is nothing but blanks and control bytes (scanned
    // pages give such) have nothing to read.
    if (out.pages == 0 || !hasVisibleByte(out.text)) {
        out.text.clear();
        out.status = PdfStatus::NoText;
    } else {
        out.status = PdfStatus::Text;
    }
    return out;
}

PdfReader& standardPdfReader()
{
    static PopplerPdfReader reader;
    return reader;
}

bool isPdfDocument(const std::string& path)
{
    if (path.size() >= 4) {
        std::string suffix = path.substr(path.size() - 4);
        for (char& c : suffix)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (suffix == ".pdf")
            return true;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    char head[5] = {};
    const size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return n == sizeof head && std::memcmp(head, "%PDF-", sizeof head) == 0;
}

} // namespace qor
