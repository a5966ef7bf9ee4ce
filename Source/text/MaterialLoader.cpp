#include "text/MaterialLoader.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"
#include "text/QorFile.h"

#include <utility>

namespace qor {

namespace {

// Clipboard text as valid UTF-8: an invalid sequence becomes U+FFFD.
std::string validUtf8(std::string text)
{
    if (isValidUtf8(text))
        return text;
    std::string out;
    out.reserve(text.size() + 16);
    size_t pos = 0;
    while (pos < text.size())
        appendUtf8(out, decodeUtf8(text, pos));
    return out;
}

} // namespace

bool MaterialLoader::loadMaterialFromFileName(const std::string& path, int32_t position, bool isStory,
                                              bool isPDF)
{
    if (path.empty() || fs::fileSize(path) < 0)
        return false; // no such file: nothing to say

    TextBuffer block;
    int32_t words = 0;
    bool imageOnly = false;
    if (isStory) {
        if (!m_stories)
            return false;
        block = m_stories->getStoryFileFromURL(path, false, false);
        if (!block)
            return false;
        block.setSize(QorFile::cleanData(block.data(), block.size(), true));
        words = QorFile::getWordCount(block.data(), block.size());
    } else if (isPDF) {
        PdfStatus status = PdfStatus::Text;
        block = QorFile::readBufferFromFileCF(path, true, &status, m_pdf);
        if (!block)
            return false;
        block.setSize(QorFile::cleanData(block.data(), block.size(), true));
        words = QorFile::getWordCount(block.data(), block.size());
        imageOnly = status == PdfStatus::NoText;
    } else {
        TextReadResult read = QorFile::readCleanedText(path, block);
        if (read.status != fs::kNoErr) {
            QorFile::showReadFailure(read.status);
            return false;
        }
        words = read.wordCount;
    }

    m_nWordCount = words;
    mFileNameStr = formatMessage("File: %@ (%d Words)", {fs::lastComponent(path), words});
    m_window.setMaterialCaption(mFileNameStr);
    m_window.loadTextBuffer(std::move(block), path, position);
    if (imageOnly)
        QorAlert::message(MessageTables::localizedString("ImagePDF", table::kError), kAlertOK,
                          kSeverityInformational);
    return true;
}

bool MaterialLoader::loadMaterialFromText(const std::string& text)
{
    TextBuffer block = TextBuffer::fromBytes(utf8ToMacRomanLossy(text), TextEncoding::MacRoman);
    if (!block) {
        QorFile::showReadFailure(fs::kMemFull);
        return false;
    }
    block.setSize(QorFile::cleanData(block.data(), block.size(), false));
    int32_t words = QorFile::getWordCount(block.data(), block.size());
    handOver(std::move(block), words, formatMessage("Text: (%d Words)", {words}));
    return true;
}

bool MaterialLoader::paste()
{
    Clipboard* clipboard = m_clipboard ? m_clipboard : platform().clipboard;
    if (!clipboard || !clipboard->hasText())
        return false;
    std::optional<std::string> text = clipboard->text();
    if (!text)
        return false;
    TextBuffer block = TextBuffer::fromBytes(validUtf8(std::move(*text)), TextEncoding::Utf8);
    if (!block) {
        QorFile::showReadFailure(fs::kMemFull);
        return false;
    }
    block.setSize(QorFile::cleanData(block.data(), block.size(), false));
    int32_t words = QorFile::getWordCount(block.data(), block.size());
    handOver(std::move(block), words, formatMessage("Clipboard: (%d Words)", {words}));
    return true;
}

void MaterialLoader::handOver(TextBuffer block, int32_t words, std::string caption)
{
    m_nWordCount = words;
    mFileNameStr = std::move(caption);
    m_window.setMaterialCaption(mFileNameStr);
    m_window.loadTextFromClipboardBuffer(std::move(block));
}

} // namespace qor
