// Text intake: the cleaning of reading texts must equal the rules applied
// one step at a time (written out plainly below), the one-pass load must
// equal decode + clean + count, and the tokenizer's walks must stay inside
// the text, always move, and give back exactly the bytes they walk over.
#include "base/Encoding.h"
#include "text/QorFile.h"
#include "text/TextData.h"
#include "text/TextScan.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using qor::QorFile;
using qor::TextBuffer;
using qor::TextData;
using qor::TextEncoding;

namespace {

#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #cond);                          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

bool sep(unsigned char c)
{
    return c == 9 || c == 13 || c == 32;
}

bool alnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// --- the rules, one step at a time ---------------------------------------------

std::string referenceAtSigns(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char prev = i ? static_cast<unsigned char>(s[i - 1]) : 0;
        bool drop = s[i] == '@' && i + 1 < s.size() && alnum(static_cast<unsigned char>(s[i + 1])) &&
                    (i == 0 || prev == 9 || prev == 13 || prev == 32 || prev == '"');
        if (!drop)
            out.push_back(s[i]);
    }
    return out;
}

std::string referenceClean(std::string b, bool removeAtSign)
{
    const size_t n = b.size();
    for (size_t i = 0; i < n; ++i) { // marking
        if (b[i] != '\r')
            continue;
        if (i + 1 < n && b[i + 1] == '\n')
            b[i + 1] = 3;
        for (size_t j = i; j > 0 && b[j - 1] == ' '; --j)
            b[j - 1] = 3;
    }
    std::string k; // filter
    for (unsigned char c : b)
        if (c == 9 || c == 10 || c == 13 || (c >= 32 && c <= 254))
            k.push_back(static_cast<char>(c));
    for (char& c : k) // LF to CR
        if (c == '\n')
            c = '\r';
    int run = 0; // word cap
    for (char& c : k) {
        if (sep(static_cast<unsigned char>(c))) {
            run = 0;
        } else if (++run == 256) {
            c = ' ';
            run = 0;
        }
    }
    size_t lead = 0;
    while (lead < k.size() && (k[lead] == '\t' || k[lead] == '\r'))
        ++lead;
    k.erase(0, lead);
    while (!k.empty() && sep(static_cast<unsigned char>(k.back())))
        k.pop_back();
    return removeAtSign ? referenceAtSigns(k) : k;
}

int32_t referenceCount(const std::string& s)
{
    // Split at every CR and space; leading ones skipped; the last piece
    // always counts.
    size_t i = 0;
    while (i < s.size() && (s[i] == '\r' || s[i] == ' '))
        ++i;
    std::vector<std::string> pieces(1);
    for (; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == ' ')
            pieces.emplace_back();
        else
            pieces.back().push_back(s[i]);
    }
    int32_t count = 1;
    for (size_t p = 0; p + 1 < pieces.size(); ++p) {
        const std::string& w = pieces[p];
        if (w.size() >= 2 || (w.size() == 1 && (w[0] == 'A' || w[0] == 'I' || w[0] == 'a' || w[0] == 'i')))
            ++count;
    }
    return count;
}

std::string cleaned(const std::string& in, bool removeAtSign)
{
    std::string b = in;
    int32_t m = QorFile::cleanData(b.data(), static_cast<int32_t>(b.size()), removeAtSign);
    CHECK(m >= 0 && static_cast<size_t>(m) <= b.size());
    for (size_t i = static_cast<size_t>(m); i < b.size(); ++i)
        CHECK(b[i] == 0);
    b.resize(static_cast<size_t>(m));
    return b;
}

// --- the tokenizer -------------------------------------------------------------------

void walkStore(const std::string& text, const std::string& probe)
{
    TextData store;
    store.initData(TextBuffer::fromBytes(text, TextEncoding::Utf8));
    int32_t size = 0;
    const char* base = store.bufferAndSize(size);
    CHECK(size == static_cast<int32_t>(text.size()));

    // Separators one at a time: words and separators give back the text.
    std::string rebuilt;
    std::vector<int32_t> starts;
    int32_t len, sent;
    char sepOut;
    bool cr;
    for (int guard = 0; !store.endOfText(); ++guard) {
        CHECK(guard <= size);
        int32_t before = store.current();
        const char* w = store.getNextWordAndLength(len, sent, false, sepOut, cr);
        CHECK(store.current() > before && store.current() <= size);
        if (w) {
            CHECK(w == base + before && len == store.current() - before);
            starts.push_back(before);
            rebuilt.append(w, static_cast<size_t>(len));
        } else {
            CHECK(sep(static_cast<unsigned char>(sepOut)) && store.current() == before + 1);
            rebuilt.push_back(sepOut);
        }
    }
    CHECK(rebuilt == text);

    // Separators skipped: the same words.
    store.setPosition(0);
    size_t wordIndex = 0;
    for (int guard = 0; !store.endOfText(); ++guard) {
        CHECK(guard <= size);
        const char* w = store.getNextWordAndLength(len, sent, true, sepOut, cr);
        if (!w)
            break;
        CHECK(wordIndex < starts.size() && w == base + starts[wordIndex]);
        ++wordIndex;
    }
    CHECK(wordIndex == starts.size());

    // Lines hold no CR and move on.
    store.setPosition(0);
    for (int guard = 0; !store.endOfText(); ++guard) {
        CHECK(guard <= size);
        int32_t before = store.current();
        const char* line = store.getNextFormattedLineAndLength(len);
        CHECK(line == base + before && store.current() > before && store.current() <= size);
        CHECK(std::memchr(line, '\r', static_cast<size_t>(len)) == nullptr);
    }

    // Word moves, checked against the word starts.
    auto startOf = [&](size_t k) { return starts[k]; };
    for (size_t k = 0; k <= starts.size(); ++k) {
        int32_t at = k < starts.size() ? startOf(k) : size;
        if (at == 0)
            continue;
        store.setCurrent(at);
        for (int32_t n = 1; n <= 3; ++n) {
            bool expect = k >= static_cast<size_t>(n) && startOf(k - static_cast<size_t>(n)) >= 2;
            CHECK(store.needToGoBack(n) == expect);
            CHECK(store.current() == at);
        }
        if (k >= 1) {
            int32_t prev = startOf(k - 1);
            store.backWords(1, false);
            CHECK(store.current() == (prev <= 1 ? 0 : prev));
            store.setCurrent(at);
            store.backWords(1, true);
            CHECK(store.current() == (prev <= 1 ? 0 : prev - 1));
        }
        if (k + 1 < starts.size()) {
            store.setCurrent(at);
            store.forwardWords(1);
            CHECK(store.current() == startOf(k + 1));
        }
    }

    for (int32_t p : {-5, 0, 1, 33, 50, 99, 100, 250}) {
        store.setData(p);
        int32_t c = store.current();
        CHECK(c >= 0 && c <= size && store.start() == c);
        CHECK(c == 0 || sep(static_cast<unsigned char>(text[static_cast<size_t>(c - 1)])));
        CHECK(store.percent() >= 0 && store.percent() <= 100);
    }
    for (int32_t n : {-3, 0, 1, 7, 1 << 30}) {
        store.setCurrent(size / 2);
        store.forwardChars(n);
        CHECK(store.current() >= 0 && store.current() <= size);
        CHECK(size == 0 || store.current() < size);
    }

    store.setCurrent(0);
    if (store.searchForSentence(probe.c_str())) {
        CHECK(!probe.empty() && probe.size() <= 255);
        CHECK(store.current() >= 0 && store.current() <= size);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    const std::string raw(reinterpret_cast<const char*>(data), size);

    // The vector byte classes equal the plain ones.
    namespace ts = qor::textscan;
    for (size_t at = 0; at + 16 <= size; at += 7) {
        const unsigned char* p = data + at;
        CHECK(ts::active::equalMask(p, ' ') == ts::plain::equalMask(p, ' '));
        CHECK(ts::active::equalMask(p, '\r') == ts::plain::equalMask(p, '\r'));
        CHECK(ts::active::controlMask(p) == ts::plain::controlMask(p));
        CHECK(ts::active::highMask(p) == ts::plain::highMask(p));
        CHECK(ts::active::continuationMask(p) == ts::plain::continuationMask(p));
        CHECK(ts::active::lead2Mask(p) == ts::plain::lead2Mask(p));
    }
    CHECK(QorFile::getWordCount(raw.data(), static_cast<int32_t>(raw.size())) == referenceCount(raw));

    // The plain cleaning equals the rules one step at a time.
    const std::string withAt = cleaned(raw, true);
    CHECK(withAt == referenceClean(raw, true));
    const std::string withoutAt = cleaned(raw, false);
    CHECK(withoutAt == referenceClean(raw, false));
    CHECK(QorFile::getWordCount(withAt.data(), static_cast<int32_t>(withAt.size())) ==
          referenceCount(withAt));
    for (unsigned char c : withoutAt)
        CHECK(c == 9 || c == 13 || (c >= 32 && c <= 254));

    // The one-pass load equals decode + clean + count.
    bool utf8 = qor::isValidUtf8(raw);
    std::string decoded = raw;
    if (utf8 && decoded.compare(0, 3, "\xEF\xBB\xBF") == 0)
        decoded.erase(0, 3);
    const std::string expected = referenceClean(decoded, true);
    TextBuffer block = TextBuffer::fromBytes(raw, TextEncoding::Utf8);
    CHECK(block);
    int32_t words = QorFile::decodeAndClean(block);
    CHECK(block.view() == expected);
    CHECK(block.data()[block.size()] == 0);
    CHECK(words == referenceCount(expected));
    CHECK(block.encoding() == (utf8 ? TextEncoding::Utf8 : TextEncoding::MacRoman));

    // Stories: one line of single-spaced words of at most 254 bytes.
    std::string story = raw;
    int32_t m = QorFile::cleanTest(story.data(), static_cast<int32_t>(story.size()), false, false);
    CHECK(m >= 0 && static_cast<size_t>(m) <= story.size());
    int run = 0;
    for (int32_t i = 0; i < m; ++i) {
        unsigned char c = static_cast<unsigned char>(story[static_cast<size_t>(i)]);
        CHECK(c > 32 || c == 32);
        run = c == 32 ? 0 : run + 1;
        CHECK(run <= 254);
    }

    // The tokenizer over the cleaned text and over the raw bytes.
    std::string probe = raw.substr(0, std::min<size_t>(raw.size(), 6));
    probe = probe.substr(0, std::strlen(probe.c_str()));
    walkStore(withAt, probe);
    walkStore(raw, probe);
    return 0;
}
