// The PDF plugin: the text layer of a PDF through poppler-cpp. Loaded on
// first use (base/Plugins.h), so that poppler and its libraries are only
// mapped when a reader opens a PDF.

#include "text/PdfReader.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <memory>
#include <new>
#include <string>

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
void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

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

void readWithPoppler(const char* cpath, size_t limit, PdfContent& out)
{
    const std::string path(cpath);
    quietPoppler();
    try {
        std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(path));
        if (!doc)
            return; // not a PDF we can read: no text
        if (doc->is_locked()) {
            out.status = PdfStatus::Locked;
            return;
        }
        out.pages = doc->pages();
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
                return;
            }
            appendUtf8Of(out.text, units);
            if (out.text.size() > limit) {
                out.text.clear();
                out.status = PdfStatus::TooLarge;
                return;
            }
        }
    } catch (const std::bad_alloc&) {
        out.text.clear();
        out.status = PdfStatus::TooLarge;
        return;
    } catch (...) {
        out.text.clear();
        out.status = PdfStatus::NoText;
        return;
    }
    // Pages whose text is nothing but blanks and control bytes (scanned
    // pages give such) have nothing to read.
    if (out.pages == 0 || !hasVisibleByte(out.text)) {
        out.text.clear();
        out.status = PdfStatus::NoText;
    } else {
        out.status = PdfStatus::Text;
    }
}

}  // namespace qor

// Reads the PDF at path into out; a text longer than limit bytes gives
// PdfStatus::TooLarge.
extern "C" __attribute__((visibility("default"))) void qor_poppler_read(const char* path, size_t limit,
                                                                         qor::PdfContent* out)
{
    if (!path || !out)
        return;
    *out = qor::PdfContent{};
    qor::readWithPoppler(path, limit, *out);
}
