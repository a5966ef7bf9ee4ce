// Image sequences: any bytes parse without harm; every picture kept has a
// path below the shared-support folder, colours within 0..255 × 257, and
// the list's walks stay inside it.
#include "text/DispImg.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #cond);                          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

class Square : public qor::SequenceImage {
public:
    explicit Square(int side) : m_side(side) {}
    int width() const override { return m_side; }
    int height() const override { return m_side; }

private:
    int m_side;
};

// Pictures of a size taken from the path's length; none for paths with a 'z'.
class Loader : public qor::ImageLoader {
public:
    std::shared_ptr<qor::SequenceImage> load(const std::string& path) override
    {
        if (path.find('z') != std::string::npos)
            return nullptr;
        return std::make_shared<Square>(static_cast<int>(path.size() * 7 % 900));
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string base = "/support";
    Loader loader;
    qor::DispImg list;
    const int dropped = list.parse(bytes, base, loader);
    CHECK(dropped >= 0);
    for (const qor::ImgDef& d : list.list()) {
        CHECK(d.path.size() > base.size() + 1);
        CHECK(d.path.compare(0, base.size() + 1, base + "/") == 0);
        CHECK(d.path.find("/../") == std::string::npos);
        CHECK(d.path.size() < base.size() + 1 + 300);
        CHECK(d.red % 257 == 0 && d.green % 257 == 0 && d.blue % 257 == 0);
        CHECK(d.width >= 0 && d.height >= 0);
    }
    const float sizes[][2] = {{640, 480}, {0, 0}, {100000, 3}};
    for (auto& s : sizes) {
        if (list.currentFits(s[0], s[1])) {
            const qor::ImgPoint p = list.getPt(s[0], s[1]);
            CHECK(p.x >= 0 && p.y >= 0);
            CHECK(static_cast<float>(p.x) + static_cast<float>(list.getCurrentImage()->width) <= s[0]);
        }
    }
    size_t steps = 0;
    while (list.incrementImage())
        CHECK(++steps < list.count());
    CHECK(list.empty() || list.currentIndex() == static_cast<int>(list.count()) - 1);
    list.skipPicturesLargerThan(640, 480);
    return 0;
}
