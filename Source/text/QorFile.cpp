#include "text/QorFile.h"
#include "text/TextChars.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "text/TextScan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace qor {

namespace {

using namespace textchars;

// The one-byte words that count.
inline bool isCountedLetter(unsigned char c)
{
    return c == 'A' || c == 'I' || c == 'a' || c == 'i';
}

inline bool isAsciiAlnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// --- the scans ------------------------------------------------------------------
//
// The validation, the cleaning pass and the count look at sixteen bytes at a
// time (TextScan.h) and fall back to single bytes only where something
// happens: a line end, a control byte, a word reaching the cap.

namespace scan = textscan::active;

constexpr size_t kBlock = 16;

inline void copyBlock(unsigned char* to, const unsigned char* from)
{
    unsigned char tmp[kBlock];
    std::memcpy(tmp, from, kBlock);
    std::memcpy(to, tmp, kBlock);
}

// Set bits of a 16-bit mask (without a library call where the processor
// lacks the instruction).
inline uint32_t bitCount16(uint32_t x)
{
    x = x - ((x >> 1) & 0x5555u);
    x = (x & 0x3333u) + ((x >> 2) & 0x3333u);
    x = (x + (x >> 4)) & 0x0F0Fu;
    return (x + (x >> 8)) & 0x1Fu;
}

// Strict UTF-8 over b[0, n): ASCII and two-byte sequences sixteen bytes at a
// time, everything else through the foundation's decoder.
bool validUtf8(const unsigned char* b, size_t n)
{
    const std::string_view all(reinterpret_cast<const char*>(b), n);
    auto slowly = [&](size_t& i, size_t end) {
        while (i < end) {
            if (b[i] < 0x80) {
                ++i;
                continue;
            }
            size_t pos = i;
            decodeUtf8(all, pos);
            if (pos == i + 1)
                return false;
            i = pos;
        }
        return true;
    };
    size_t i = 0;
    while (i + kBlock <= n) {
        uint32_t high = scan::highMask(b + i);
        if (high) {
            uint32_t lead = scan::lead2Mask(b + i);
            uint32_t cont = scan::continuationMask(b + i);
            // Only whole two-byte sequences inside the block.
            bool pairs = (lead | cont) == high && !(lead & 0x8000) && cont == ((lead << 1) & 0xFFFF);
            if (!pairs) {
                if (!slowly(i, i + kBlock))
                    return false;
                continue;
            }
        }
        i += kBlock;
    }
    return slowly(i, n);
}

// The word count over b[0, n): CR and space separate; a run ended by one
// counts when it has two bytes or more or is one of A, I, a, i; the run that
// reaches the end always counts.
int32_t countWords(const unsigned char* b, size_t n)
{
    uint64_t count = 0;
    uint32_t prevSep = 0xFFFF; // before the text there are only separators
    auto block = [&](const unsigned char* p, size_t at) __attribute__((always_inline))
    {
        const uint32_t sep = scan::equalMask(p, ' ') | scan::equalMask(p, '\r');
        const uint32_t word = ~sep & 0xFFFF;
        // A separator after a word byte ends a run...
        const uint32_t ends = sep & ((word << 1) | ((~prevSep & 0xFFFF) >> 15));
        if (ends) {
            count += bitCount16(ends);
            // ... of one byte when a separator (or the start) lies before that.
            uint32_t single = ends & ((sep << 2) | (prevSep >> 14));
            while (single) {
                size_t k = static_cast<size_t>(__builtin_ctz(single));
                if (!isCountedLetter(b[at + k - 1]))
                    --count;
                single &= single - 1;
            }
        }
        prevSep = sep;
    };
    size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
        block(b + i, i);
    if (i < n) {
        // The last bytes, padded with zero bytes (which separate nothing).
        unsigned char last[kBlock] = {};
        std::memcpy(last, b + i, n - i);
        block(last, i);
    }
    return static_cast<int32_t>(count + 1);
}

// The writing side of the cleaning pass: writes word bytes and spaces one by
// one with the word cap, the 256th byte of a word becoming a space.
struct Writer {
    unsigned char* b;
    size_t o;        // output index
    size_t lastSep;  // output index just after the last separator
    size_t keepFrom; // trailing spaces below this index are not directly before a CR

    __attribute__((noinline)) void putSlowly(const unsigned char* from, size_t len)
    {
        for (size_t k = 0; k < len; ++k) {
            unsigned char c = from[k];
            if (c == kSpace) {
                b[o++] = kSpace;
                lastSep = o;
            } else if (o - lastSep == 255) {
                b[o++] = kSpace;
                lastSep = o;
                keepFrom = o; // a space the cap wrote is no space before a CR
            } else {
                b[o++] = c;
            }
        }
    }
};

// Cleans b[from, n) into b[0, ...) in one pass: the spaces directly before
// a CR and the LF after it go, control bytes and 255 go, LF becomes CR, the
// word cap splits long words, leading TAB and CR bytes and trailing
// separators go. The output index never overtakes the input index, so the
// bytes ahead are always the original ones. Returns the new size; at-sign
// removal and the zeroed tail are the caller's.
size_t cleanPass(unsigned char* b, size_t from, size_t n)
{
    size_t i = from;
    size_t o = 0;
    size_t lastSep = 0;  // the word being written is o - lastSep bytes long
    size_t keepFrom = 0; // a byte was dropped, or the cap wrote a space, just below here

    auto slowly = [&](const unsigned char* p, size_t len) {
        Writer w{b, o, lastSep, keepFrom};
        w.putSlowly(p, len);
        o = w.o;
        lastSep = w.lastSep;
        keepFrom = w.keepFrom;
    };

    while (i < n) {
        // Word bytes and spaces, sixteen at a time.
        for (;;) {
            if (i + kBlock > n) {
                size_t j = i;
                while (j < n && b[j] >= 0x20 && b[j] != 0xFF)
                    ++j;
                unsigned char tail[kBlock];
                std::memcpy(tail, b + i, j - i);
                slowly(tail, j - i);
                i = j;
                break;
            }
            const uint32_t stops = scan::controlMask(b + i);
            const size_t k = stops ? static_cast<size_t>(__builtin_ctz(stops)) : kBlock;
            if (o - lastSep + k >= 256) {
                unsigned char block[kBlock];
                std::memcpy(block, b + i, kBlock);
                slowly(block, k);
            } else {
                const uint32_t spaces = scan::equalMask(b + i, ' ') & ((1u << k) - 1);
                if (o != i) {
                    // Writing the whole block is safe when all of it is read
                    // or when the output is a block behind.
                    if (k == kBlock || i - o >= kBlock)
                        copyBlock(b + o, b + i);
                    else
                        std::memmove(b + o, b + i, k);
                }
                if (spaces)
                    lastSep = o + static_cast<size_t>(31 - __builtin_clz(spaces)) + 1;
                o += k;
            }
            i += k;
            if (k < kBlock)
                break;
        }
        if (i >= n)
            break;

        const unsigned char c = b[i++];
        if (c == kCR) {
            // The spaces directly before it go; CR LF is one CR.
            while (o > keepFrom && b[o - 1] == kSpace)
                --o;
            if (o > 0) // leading line ends go
                b[o++] = kCR;
            lastSep = o;
            if (i < n && b[i] == kLF) {
                ++i;
                keepFrom = o;
            }
        } else if (c == kLF) {
            if (o > 0)
                b[o++] = kCR;
            lastSep = o;
        } else if (c == kTab) {
            if (o > 0) // leading TABs go
                b[o++] = kTab;
            lastSep = o;
        } else {
            keepFrom = o; // the other control bytes and 255 are dropped
        }
    }
    while (o > 0 && isSeparator(b[o - 1]))
        --o;
    return o;
}

bool startsWithBom(const char* b, int32_t n)
{
    return n >= 3 && static_cast<unsigned char>(b[0]) == 0xEF && static_cast<unsigned char>(b[1]) == 0xBB &&
           static_cast<unsigned char>(b[2]) == 0xBF;
}

// --- reading ------------------------------------------------------------------

enum class ReadStage { Open, Size, Read, Done };

// Reads a whole regular file into a new block of its size plus a zero
// terminator. `stage` tells where a failure happened.
int readRaw(const std::string& path, TextBuffer& out, ReadStage& stage)
{
    out = TextBuffer();
    stage = ReadStage::Open;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fs::statusFromErrno(errno);
    stage = ReadStage::Size;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int e = errno;
        ::close(fd);
        return fs::statusFromErrno(e);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fs::kParamError;
    }
    if (st.st_size < 0 || st.st_size > TextBuffer::maxTextSize()) {
        ::close(fd);
        return fs::kMemFull;
    }
    TextBuffer block = TextBuffer::allocate(st.st_size);
    if (!block) {
        ::close(fd);
        return fs::kMemFull;
    }
    stage = ReadStage::Read;
    // Never more than the size found: a file that grows meanwhile is cut
    // there, one that shrinks gives what it has.
    size_t want = static_cast<size_t>(block.capacity());
    size_t got = 0;
    while (got < want) {
        ssize_t r = ::read(fd, block.data() + got, want - got);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            return fs::statusFromErrno(e);
        }
        if (r == 0)
            break;
        got += static_cast<size_t>(r);
    }
    ::close(fd);
    block.setSize(static_cast<int32_t>(got));
    stage = ReadStage::Done;
    out = std::move(block);
    return fs::kNoErr;
}

// Tells the encoding of raw bytes and drops a UTF-8 byte-order mark.
void settleEncoding(TextBuffer& block)
{
    bool utf8 =
        validUtf8(reinterpret_cast<const unsigned char*>(block.data()), static_cast<size_t>(block.size()));
    block.setEncoding(utf8 ? TextEncoding::Utf8 : TextEncoding::MacRoman);
    if (utf8 && startsWithBom(block.data(), block.size())) {
        int32_t n = block.size() - 3;
        std::memmove(block.data(), block.data() + 3, static_cast<size_t>(n));
        block.setSize(n);
    }
}

void showTooLarge()
{
    QorAlert::message(MessageTables::localizedString("Err021", table::kError), kAlertOK,
                      kSeverityInformational);
}

// A message block: the text followed by the path in Mac OS Roman (at most
// 1023 bytes). The size is the bytes written.
TextBuffer messageBlock(std::string_view text, const std::string& path)
{
    std::string roman = utf8ToMacRomanLossy(path);
    if (roman.size() > 1023)
        roman.resize(1023);
    std::string all(text);
    all += roman;
    return TextBuffer::fromBytes(all, TextEncoding::MacRoman);
}

} // namespace

void QorFile::showReadFailure(int status)
{
    if (status == fs::kMemFull) {
        showTooLarge();
        return;
    }
    int code = 256; // could not be opened
    if (status == fs::kFileNotFound || status == fs::kFolderNotFound || status == fs::kNoSuchVolume)
        code = 260;
    else if (status == fs::kAccessDenied)
        code = 257;
    QorAlert::displayNSError(QorAlert::errorForCode(code));
}

// --- reading ------------------------------------------------------------------

int QorFile::readTextFile(const std::string& path, TextBuffer& out)
{
    ReadStage stage;
    int status = readRaw(path, out, stage);
    if (status != fs::kNoErr)
        return status;
    settleEncoding(out);
    return fs::kNoErr;
}

PdfStatus QorFile::readPdfFile(const std::string& path, TextBuffer& out, PdfReader& reader)
{
    out = TextBuffer();
    PdfContent content = reader.read(path);
    switch (content.status) {
    case PdfStatus::Text:
        out = TextBuffer::fromBytes(content.text, TextEncoding::Utf8);
        if (!out)
            return PdfStatus::TooLarge;
        return PdfStatus::Text;
    case PdfStatus::Locked:
        out = messageBlock("The following file is locked: ", path);
        return out ? PdfStatus::Locked : PdfStatus::TooLarge;
    case PdfStatus::TooLarge:
        return PdfStatus::TooLarge;
    case PdfStatus::NoText:
        break;
    }
    out = messageBlock("No Text Found in File (PDF maybe image only): ", path);
    return out ? PdfStatus::NoText : PdfStatus::TooLarge;
}

TextBuffer QorFile::readBufferFromFileCF(const std::string& path, bool isPDF, PdfStatus* pdfStatus,
                                         PdfReader* reader)
{
    TextBuffer block;
    if (isPDF) {
        PdfStatus s = readPdfFile(path, block, reader ? *reader : standardPdfReader());
        if (pdfStatus)
            *pdfStatus = s;
        if (s == PdfStatus::TooLarge)
            showTooLarge();
        return block;
    }
    if (pdfStatus)
        *pdfStatus = PdfStatus::Text;
    int status = readTextFile(path, block);
    if (status != fs::kNoErr)
        showReadFailure(status);
    return block;
}

TextReadResult QorFile::readCleanedText(const std::string& path, TextBuffer& out)
{
    TextReadResult result;
    ReadStage stage;
    result.status = readRaw(path, out, stage);
    if (result.status == fs::kNoErr)
        result.wordCount = decodeAndClean(out);
    return result;
}

int32_t QorFile::decodeAndClean(TextBuffer& block)
{
    if (!block)
        return 1;
    auto* b = reinterpret_cast<unsigned char*>(block.data());
    const auto n = static_cast<size_t>(block.size());
    // The bytes stay as they are in both encodings; only a byte-order mark
    // of a UTF-8 text goes.
    const bool utf8 = validUtf8(b, n);
    const size_t from = utf8 && startsWithBom(block.data(), block.size()) ? 3 : 0;
    auto size = static_cast<int32_t>(cleanPass(b, from, n));
    if (std::memchr(b, '@', static_cast<size_t>(size)))
        size = removeAtSigns(block.data(), size);
    std::memset(b + size, 0, n - static_cast<size_t>(size));
    block.setEncoding(utf8 ? TextEncoding::Utf8 : TextEncoding::MacRoman);
    block.setSize(size);
    return countWords(b, static_cast<size_t>(size));
}

TextBuffer QorFile::loadFileFromPath(const std::string& path)
{
    TextBuffer block;
    ReadStage stage;
    int status = readRaw(path, block, stage);
    if (status != fs::kNoErr) {
        if (stage == ReadStage::Open) {
            const char* format = nullptr;
            if (status == fs::kOpenForWrite)
                format = "The file \"%s\" is already open.";
            else if (status == fs::kFileNotFound || status == fs::kNoSuchVolume)
                format = "The file \"%s\" could not be found.";
            if (format)
                QorAlert::message(formatMessage(format, {path}), kAlertOK, kSeverityWarning);
        } else if (status == fs::kMemFull) {
            showTooLarge();
        }
        return TextBuffer();
    }
    settleEncoding(block);
    block.setSize(cleanData(block.data(), block.size(), true));
    return block;
}

TextBuffer QorFile::readBufferFromFile(const std::string& path, int* status)
{
    TextBuffer block;
    ReadStage stage;
    int s = readRaw(path, block, stage);
    if (status)
        *status = s;
    if (block)
        block.setEncoding(
            validUtf8(reinterpret_cast<const unsigned char*>(block.data()), static_cast<size_t>(block.size()))
                ? TextEncoding::Utf8
                : TextEncoding::MacRoman);
    return block;
}

int QorFile::saveFileFromBuffer(const std::string& path, const char* bytes, int32_t size)
{
    if (size < 0 || (size > 0 && !bytes))
        return fs::kParamError;
    if (!fs::exists(path))
        return fs::kFileNotFound;
    // Write where a link points, as opening the file would, so the link
    // stays a link.
    std::string target = path;
    if (fs::isLink(path)) {
        char* real = ::realpath(path.c_str(), nullptr);
        if (!real)
            return fs::statusFromErrno(errno);
        target = real;
        std::free(real);
    }
    return fs::writeFileAtomic(target, std::string_view(bytes ? bytes : "", static_cast<size_t>(size)),
                               fs::kFileMode);
}

// --- cleaning -------------------------------------------------------------------

int32_t QorFile::cleanData(char* bytes, int32_t size, bool removeAtSign)
{
    if (!bytes || size <= 0)
        return 0;
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    auto m = static_cast<int32_t>(cleanPass(b, 0, static_cast<size_t>(size)));
    if (removeAtSign)
        m = removeAtSigns(bytes, m);
    std::memset(b + m, 0, static_cast<size_t>(size - m));
    return m;
}

int32_t QorFile::removeAtSigns(char* bytes, int32_t size)
{
    if (!bytes || size <= 0)
        return 0;
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    const auto* first = static_cast<unsigned char*>(std::memchr(b, '@', static_cast<size_t>(size)));
    if (!first)
        return size;
    int32_t o = static_cast<int32_t>(first - b);
    unsigned char prev = o > 0 ? b[o - 1] : 0;
    for (int32_t i = o; i < size; ++i) {
        unsigned char c = b[i];
        bool drop = c == '@' && i + 1 < size && isAsciiAlnum(b[i + 1]) &&
                    (i == 0 || prev == kTab || prev == kCR || prev == kSpace || prev == '"');
        prev = c;
        if (!drop)
            b[o++] = c;
    }
    std::memset(b + o, 0, static_cast<size_t>(size - o));
    return o;
}

int32_t QorFile::cleanTest(char* bytes, int32_t size, bool fromEditor, bool keepFormat)
{
    if (!bytes || size <= 0)
        return 0;
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    int32_t m = 0;
    for (int32_t i = 0; i < size; ++i)
        if (b[i] != kTab)
            b[m++] = b[i];
    while (m > 0 && b[m - 1] < 32)
        --m;
    std::memset(b + m, 0, static_cast<size_t>(size - m));
    if (fromEditor)
        return m;
    if (keepFormat)
        return removeAtSigns(bytes, m);
    return cleanTestData(bytes, m, true);
}

int32_t QorFile::cleanTestData(char* bytes, int32_t size, bool removeAtSign)
{
    if (!bytes || size <= 0)
        return 0;
    auto* b = reinterpret_cast<unsigned char*>(bytes);
    int32_t i = 0;
    while (i < size && b[i] <= 32)
        ++i;
    int32_t o = 0;
    int run = 0;
    while (i < size) {
        if (b[i] <= 32) {
            b[o++] = kSpace;
            while (i < size && b[i] <= 32)
                ++i;
            run = 0;
        } else if (++run == 255) {
            b[o++] = kSpace; // the 255th byte of a word is lost
            ++i;
            run = 0;
        } else {
            b[o++] = b[i++];
        }
    }
    std::memset(b + o, 0, static_cast<size_t>(size - o));
    if (removeAtSign)
        o = removeAtSigns(bytes, o);
    return o;
}

void QorFile::stripCR(char* bytes, int32_t& size)
{
    if (!bytes || size <= 0) {
        size = 0;
        return;
    }
    int32_t o = 0;
    for (int32_t i = 0; i < size; ++i)
        if (bytes[i] != '\r')
            bytes[o++] = bytes[i];
    std::memset(bytes + o, 0, static_cast<size_t>(size - o));
    size = o;
}

void QorFile::stripTrailingBlanksCRLF(char* bytes, int32_t& size)
{
    if (!bytes || size <= 0) {
        size = 0;
        return;
    }
    const int32_t n = size;
    int32_t m = 0;
    for (int32_t i = 0; i < n; ++i) {
        char c = bytes[i];
        if (c == '\r')
            continue;
        if (c == '\n')
            while (m > 0 && bytes[m - 1] == ' ')
                --m;
        bytes[m++] = c;
    }
    while (m > 0 && bytes[m - 1] == ' ')
        --m;
    while (m > 1 && bytes[m - 1] == '\n')
        --m;
    std::memset(bytes + m, 0, static_cast<size_t>(n - m));
    size = m;
}

void QorFile::turnCRLFintoCRHex03(char* bytes, int32_t size)
{
    if (!bytes)
        return;
    for (int32_t i = 0; i < size; ++i) {
        if (bytes[i] != '\r')
            continue;
        if (i + 1 < size && bytes[i + 1] == '\n')
            bytes[i + 1] = 0x03;
        for (int32_t j = i - 1; j >= 0 && bytes[j] == ' '; --j)
            bytes[j] = 0x03;
    }
}

// --- counting -------------------------------------------------------------------

int32_t QorFile::getWordCount(const char* bytes, int32_t size)
{
    if (!bytes || size <= 0)
        return 1;
    return countWords(reinterpret_cast<const unsigned char*>(bytes), static_cast<size_t>(size));
}

} // namespace qor
