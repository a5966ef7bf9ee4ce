#pragma once
// The text layer of PDF files.
//
// A PDF either gives its whole text (UTF-8, the pages in order, a line
// break between pages), or it has none to give: it did not open, it has no
// pages, or its pages hold only images; or it is locked (encrypted and not
// opened). The lock is tested first: a locked document has no text to read.

#include <string>

namespace qor {

enum class PdfStatus {
    Text,     // the text was read
    NoText,   // no pages, only images, or the file is not a readable PDF
    Locked,   // encrypted and not opened
    TooLarge, // the text does not fit a text buffer (or no memory)
};

struct PdfContent {
    PdfStatus status = PdfStatus::NoText;
    int pages = 0;
    std::string text; // UTF-8, only with PdfStatus::Text
};

class PdfReader {
public:
    virtual ~PdfReader() = default;
    virtual PdfContent read(const std::string& path) = 0;
};

// The reader over poppler.
class PopplerPdfReader final : public PdfReader {
public:
    PdfContent read(const std::string& path) override;
};

// The process's reader (poppler).
PdfReader& standardPdfReader();

// Whether a document is read as a PDF: its name ends in ".pdf" in any
// letter case, or its first bytes are the "%PDF-" signature. The one rule
// for every place that opens documents.
bool isPdfDocument(const std::string& path);

} // namespace qor
