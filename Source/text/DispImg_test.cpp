#include "text/DispImg.h"

#include "base/Files.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace qor {
namespace {

class Picture : public SequenceImage {
public:
    Picture(int w, int h) : m_w(w), m_h(h) {}
    int width() const override { return m_w; }
    int height() const override { return m_h; }

private:
    int m_w, m_h;
};

// Answers pictures of known paths and records every path asked for.
class RecordingLoader : public ImageLoader {
public:
    std::shared_ptr<SequenceImage> load(const std::string& path) override
    {
        asked.push_back(path);
        auto it = sizes.find(path);
        if (it == sizes.end())
            return nullptr;
        return std::make_shared<Picture>(it->second.first, it->second.second);
    }
    std::map<std::string, std::pair<int, int>> sizes;
    std::vector<std::string> asked;
};

TEST(DispImg, TheSampleParses)
{
    RecordingLoader loader;
    loader.sizes["/ss/pics/a.png"] = {100, 40};
    DispImg list;
    EXPECT_EQ(list.parse("// title\n// QUORLINTH IMAGE FILE\n0,0,0\npics\\a.png,1,5,5,2000,0\n", "/ss", loader), 0);
    ASSERT_EQ(list.count(), 1u);
    const ImgDef* d = list.getCurrentImage();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(loader.asked, std::vector<std::string>{"/ss/pics/a.png"});
    EXPECT_EQ(d->duration, 2000);
    EXPECT_EQ(d->field2, 1);
    EXPECT_EQ(d->width, 100);
    EXPECT_EQ(d->red + d->green + d->blue, 0);
    const ImgPoint p = list.getPt(640, 480);
    EXPECT_EQ(p.x, 270);
    EXPECT_EQ(p.y, 220);
    EXPECT_FALSE(list.incrementImage());
}

TEST(DispImg, PlacementTable)
{
    const std::pair<int, int> table[] = {{1, 0},   {2, 64},  {4, 192}, {5, 270}, {6, 384}, {8, 512},
                                         {10, 540}, {9, 540}, {12, 540}, {0, 0},  {-3, 0}};
    for (auto [code, x] : table)
        EXPECT_EQ(placeForCode(code, 640, 100), x) << code;
    EXPECT_EQ(placeForCode(5, 50, 100), 0);  // wider than the view
}

TEST(DispImg, ColoursLineEndsAndMalformedLines)
{
    RecordingLoader loader;
    DispImg list;
    const int dropped = list.parse(
        "/ x\r\n/ QUORLINTH IMAGE FILE\r\n255, 128, 0\r\n"
        "a.png,0,1,1,100,0\r\n"
        "short,1,2\r\n"                     // fields missing
        "b.png,0,1,1,100,\r\n"              // last field empty
        "../etc/passwd,0,1,1,100,0\r\n"     // climbs out
        "/abs/c.png,0,1,1,100,0\r\n"        // "/" starts a comment
        "\\abs\\d.png,0,1,1,100,0\r\n"      // absolute after the turn
        "pics/../../e.png,0,1,1,100,0\r\n"  // climbs out
        + std::string(310, 'x') + ",0,1,1,100,0\r\n"
        "f.png, 7 ,3,4,250 ,9  \r\n",
        "/ss", loader);
    EXPECT_EQ(dropped, 6);
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list.backRed(), 65535);
    EXPECT_EQ(list.backGreen(), 32896);
    EXPECT_EQ(list.backBlue(), 0);
    const ImgDef& f = list.list()[1];
    EXPECT_EQ(f.path, "/ss/f.png");
    EXPECT_EQ(f.field2, 7);
    EXPECT_EQ(f.duration, 250);
    EXPECT_EQ(f.field6, 9);
    EXPECT_EQ(f.image, nullptr);  // not readable: background only
    for (const std::string& p : loader.asked)
        EXPECT_EQ(p.find(".."), std::string::npos) << p;

    DispImg clamped;
    clamped.parse("/\n/ QUORLINTH IMAGE FILE\n300,-4,256\n", "/ss", loader);
    EXPECT_EQ(clamped.backRed(), 65535);
    EXPECT_EQ(clamped.backGreen(), 0);
    EXPECT_EQ(clamped.backBlue(), 65535);
    EXPECT_EQ(clamped.getCurrentImage(), nullptr);
    EXPECT_FALSE(clamped.incrementImage());
    EXPECT_FALSE(clamped.skipPicturesLargerThan(640, 480));
}

TEST(DispImg, TheMarkerOnTheSecondLineMakesAnImageFile)
{
    TempFolder tmp;
    const std::string set = tmp / "DrillText/Pics";
    ASSERT_EQ(fs::makeFolders(set), 0);
    ASSERT_EQ(fs::writeFileAtomic(set + "/yes.txt", "// t\n// QUORLINTH IMAGE FILE\n0,0,0\n"), 0);
    ASSERT_EQ(fs::writeFileAtomic(set + "/no.txt", "// QUORLINTH IMAGE FILE\n// t\n0,0,0\na.png,0,1,1,1,0\n"), 0);
    ASSERT_EQ(fs::writeFileAtomic(set + "/one.txt", "// QUORLINTH IMAGE FILE"), 0);
    EXPECT_TRUE(isGraphicsFileFromSet(tmp.path(), "Pics", "yes"));
    EXPECT_FALSE(isGraphicsFileFromSet(tmp.path(), "Pics", "no"));
    EXPECT_FALSE(isGraphicsFileFromSet(tmp.path(), "Pics", "one"));
    EXPECT_FALSE(isGraphicsFileFromSet(tmp.path(), "Pics", "missing"));
    EXPECT_FALSE(isGraphicsFileFromSet(tmp.path(), "..", "yes"));

    RecordingLoader loader;
    DispImg list;
    EXPECT_TRUE(list.loadImgFromSet(tmp.path(), "/ss", "Pics", "yes", loader));
    EXPECT_TRUE(list.hasBackground());
    EXPECT_FALSE(list.loadImgFromSet(tmp.path(), "/ss", "Pics", "missing", loader));
}

}  // namespace
}  // namespace qor
