#include "text/DispImg.h"

#include "base/Files.h"
#include "base/NameRule.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads an optionally signed decimal number: blanks first, then digits up to
// the first other byte; no digits reads 0. Held within the 32-bit range.
int32_t readNumber(std::string_view f)
{
    size_t i = 0;
    while (i < f.size() && isBlank(f[i]))
        ++i;
    bool negative = false;
    if (i < f.size() && (f[i] == '-' || f[i] == '+')) {
        negative = f[i] == '-';
        ++i;
    }
    int64_t v = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') {
        v = v * 10 + (f[i] - '0');
        if (v > 2147483647)
            v = 2147483648LL;
        ++i;
    }
    if (negative)
        v = -v;
    return static_cast<int32_t>(std::clamp<int64_t>(v, -2147483647LL - 1, 2147483647LL));
}

std::string_view trimmed(std::string_view f)
{
    while (!f.empty() && (isBlank(f.front()) || f.front() == '\r'))
        f.remove_prefix(1);
    while (!f.empty() && (isBlank(f.back()) || f.back() == '\r'))
        f.remove_suffix(1);
    return f;
}

// Splits at commas; false unless exactly `n` fields, none empty.
bool splitFields(std::string_view line, size_t n, std::vector<std::string_view>& out)
{
    out.clear();
    size_t start = 0;
    for (;;) {
        size_t comma = line.find(',', start);
        std::string_view f = line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (trimmed(f).empty())
            return false;
        out.push_back(f);
        if (out.size() > n)
            return false;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return out.size() == n;
}

bool skippedLine(std::string_view line)
{
    return line.empty() || line[0] == '\n' || line[0] == '\r' || line[0] == '/';
}

// Cuts the bytes into lines (without their LF). A line of more than
// kImageLineMax bytes (its LF counted) comes back flagged.
struct Line {
    std::string_view text;
    bool tooLong;
};

std::vector<Line> splitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t lf = bytes.find('\n', pos);
        size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        size_t withLf = end - pos + (lf == std::string_view::npos ? 0 : 1);
        std::string_view text = bytes.substr(pos, end - pos);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        lines.push_back({text, withLf > kImageLineMax});
        pos = lf == std::string_view::npos ? bytes.size() : lf + 1;
    }
    return lines;
}

uint16_t colorComponent(std::string_view f)
{
    int32_t v = std::clamp<int32_t>(readNumber(f), 0, 255);
    return static_cast<uint16_t>(v * 257);
}

std::string drillTextPath(const std::string& externalFolder, std::string_view set, std::string_view name)
{
    if (!isValidName(set) || !isValidName(name))
        return {};
    return fs::joinPath(fs::joinPath(fs::joinPath(externalFolder, "DrillText"), set), std::string(name) + ".txt");
}

}  // namespace

std::string cleanPicturePath(std::string_view field)
{
    std::string p(trimmed(field));
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.empty() || p[0] == '/')
        return {};
    size_t start = 0;
    while (start <= p.size()) {
        size_t slash = p.find('/', start);
        std::string_view part = std::string_view(p).substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part == "..")
            return {};
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    if (p.find('\0') != std::string::npos)
        return {};
    return p;
}

int32_t placeForCode(int32_t code, int32_t view, int32_t picture)
{
    const int64_t t = view / 10;
    int64_t x;
    if (code == 1)
        x = 0;
    else if (code >= 2 && code <= 4)
        x = (code - 1) * t;
    else if (code == 5)
        x = view / 2 - picture / 2;
    else if (code >= 6 && code <= 9)
        x = code * t;
    else if (code == 10)
        x = view - picture;
    else if (code < 1)
        x = (static_cast<int64_t>(code) - 1) * t;
    else
        x = code * t;
    if (x + picture > view)
        x = static_cast<int64_t>(view) - picture;
    if (x < 0)
        x = 0;
    return static_cast<int32_t>(std::min<int64_t>(x, 2147483647));
}

bool isGraphicsFileFromSet(const std::string& externalFolder, std::string_view set, std::string_view name)
{
    const std::string path = drillTextPath(externalFolder, set, name);
    if (path.empty())
        return false;
    std::string bytes;
    // Two lines of at most 300 bytes each are all that is looked at.
    if (fs::readFile(path, bytes, 2 * kImageLineMax) < 0)
        return false;
    std::vector<Line> lines = splitLines(bytes);
    if (lines.size() < 2)
        return false;
    return lines[1].text.find(kImageFileMarker) != std::string_view::npos;
}

bool DispImg::loadImgFromSet(const std::string& externalFolder, const std::string& sharedSupport,
                             std::string_view set, std::string_view name, ImageLoader& loader)
{
    const std::string path = drillTextPath(externalFolder, set, name);
    if (path.empty())
        return false;
    std::string bytes;
    if (fs::readFile(path, bytes, kMaxFileBytes) < 0)
        return false;
    parse(bytes, sharedSupport, loader);
    return true;
}

int DispImg::parse(std::string_view bytes, const std::string& sharedSupport, ImageLoader& loader)
{
    if (bytes.size() > kMaxFileBytes)
        bytes = bytes.substr(0, kMaxFileBytes);
    int dropped = 0;
    std::vector<std::string_view> fields;
    for (const Line& line : splitLines(bytes)) {
        if (line.tooLong) {
            ++dropped;
            continue;
        }
        if (skippedLine(line.text))
            continue;
        if (!m_bHaveBackground) {
            if (!splitFields(line.text, 3, fields)) {
                ++dropped;
                continue;
            }
            m_red = colorComponent(fields[0]);
            m_green = colorComponent(fields[1]);
            m_blue = colorComponent(fields[2]);
            m_bHaveBackground = true;
            continue;
        }
        if (!splitFields(line.text, 6, fields)) {
            ++dropped;
            continue;
        }
        const std::string rel = cleanPicturePath(fields[0]);
        if (rel.empty()) {
            ++dropped;
            continue;
        }
        ImgDef def;
        def.path = fs::joinPath(sharedSupport, rel);
        def.image = loader.load(def.path);
        if (def.image) {
            def.width = std::max(0, def.image->width());
            def.height = std::max(0, def.image->height());
        }
        def.field2 = readNumber(fields[1]);
        def.xCode = readNumber(fields[2]);
        def.yCode = readNumber(fields[3]);
        def.duration = readNumber(fields[4]);
        def.field6 = readNumber(fields[5]);
        def.red = m_red;
        def.green = m_green;
        def.blue = m_blue;
        m_ImgDefList.push_back(std::move(def));
    }
    return dropped;
}

const ImgDef* DispImg::getCurrentImage() const
{
    if (m_ImgDefList.empty())
        return nullptr;
    return &m_ImgDefList[static_cast<size_t>(m_currentImage)];
}

bool DispImg::incrementImage()
{
    if (m_currentImage + 1 >= static_cast<int>(m_ImgDefList.size()))
        return false;
    ++m_currentImage;
    return true;
}

bool DispImg::currentFits(float viewWidth, float viewHeight) const
{
    const ImgDef* d = getCurrentImage();
    if (!d)
        return false;
    return static_cast<float>(d->width) <= viewWidth && static_cast<float>(d->height) <= viewHeight;
}

bool DispImg::skipPicturesLargerThan(float viewWidth, float viewHeight)
{
    while (!currentFits(viewWidth, viewHeight)) {
        if (!incrementImage())
            return false;
    }
    return true;
}

ImgPoint DispImg::getPt(float viewWidth, float viewHeight) const
{
    const ImgDef* d = getCurrentImage();
    if (!d)
        return {};
    auto whole = [](float v) { return v <= 0 || std::isnan(v) ? 0 : (v >= 2147483647.0f ? 2147483647 : static_cast<int32_t>(v)); };
    return {placeForCode(d->xCode, whole(viewWidth), d->width), placeForCode(d->yCode, whole(viewHeight), d->height)};
}

}  // namespace qor
