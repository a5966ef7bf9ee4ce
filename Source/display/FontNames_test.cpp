#include "display/FontNames.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// The families fonts-liberation and fonts-dejavu install.
const std::vector<std::string> kHere = {
    "DejaVu Math TeX Gyre", "DejaVu Sans", "DejaVu Sans Mono", "DejaVu Serif",
    "Liberation Mono", "Liberation Sans", "Liberation Sans Narrow", "Liberation Serif",
};

TEST(FontNames, StoredNamesMapToTheFontsInstalledHere)
{
    struct Case {
        const char* stored;
        FontFace face;
    };
    const Case cases[] = {
        {"ArialMT", {"Liberation Sans", false, false}},
        {"Arial-BoldMT", {"Liberation Sans", true, false}},
        {"Arial-BoldItalicMT", {"Liberation Sans", true, true}},
        {"TimesNewRomanPSMT", {"Liberation Serif", false, false}},
        {"TimesNewRomanPS-BoldMT", {"Liberation Serif", true, false}},
        {"CourierNewPSMT", {"Liberation Mono", false, false}},
        {"Helvetica", {"Liberation Sans", false, false}},
        {"Times-Italic", {"Liberation Serif", false, true}},
        {"Courier-Bold", {"Liberation Mono", true, false}},
        {"ArialNarrow-Bold", {"Liberation Sans Narrow", true, false}},
        {"Verdana", {"DejaVu Sans", false, false}},
        {"Georgia-Bold", {"DejaVu Serif", true, false}},
        {"Monaco", {"DejaVu Sans Mono", false, false}},
        // Families of this machine, as a whole or in PostScript form.
        {"DejaVu Serif", {"DejaVu Serif", false, false}},
        {"liberation serif", {"Liberation Serif", false, false}},
        {"DejaVuSans", {"DejaVu Sans", false, false}},
        {"DejaVuSans-Bold", {"DejaVu Sans", true, false}},
        {"DejaVuSans-BoldOblique", {"DejaVu Sans", true, true}},
        {"LiberationSerif-Italic", {"Liberation Serif", false, true}},
        {"DejaVuSansMono-Bold", {"DejaVu Sans Mono", true, false}},
        // Unknown names fall to the stand-in of their kind.
        {"Optima-Bold", {"Liberation Sans", true, false}},
        {"Palatino-Roman", {"Liberation Serif", false, false}},
        {"AndaleMono", {"Liberation Mono", false, false}},
        {"", {"Liberation Sans", false, false}},
        {"\xA5\xA5-Italic", {"Liberation Sans", false, true}},  // Mac OS Roman bullets
    };
    for (const Case& c : cases)
        EXPECT_EQ(faceForStoredName(c.stored, kHere), c.face) << c.stored;
}

TEST(FontNames, StandInsFollowWhatIsInstalled)
{
    const std::vector<std::string> dejaVuOnly = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"};
    EXPECT_EQ(faceForStoredName("ArialMT", dejaVuOnly), (FontFace{"DejaVu Sans", false, false}));
    EXPECT_EQ(faceForStoredName("TimesNewRomanPS-BoldMT", dejaVuOnly), (FontFace{"DejaVu Serif", true, false}));
    EXPECT_EQ(faceForStoredName("ArialNarrow", {"Liberation Sans"}), (FontFace{"Liberation Sans", false, false}));
    // Nothing of ours installed: ask for the first choice all the same.
    EXPECT_EQ(faceForStoredName("ArialMT", {}), (FontFace{"Liberation Sans", false, false}));
}

TEST(FontNames, PickedFacesStoreUnderTheCommonNamesAndReadBack)
{
    struct Case {
        FontFace face;
        const char* stored;
    };
    const Case cases[] = {
        {{"Liberation Sans", false, false}, "ArialMT"},
        {{"Liberation Sans", true, false}, "Arial-BoldMT"},
        {{"Liberation Serif", true, false}, "TimesNewRomanPS-BoldMT"},
        {{"Liberation Serif", false, true}, "TimesNewRomanPS-ItalicMT"},
        {{"Liberation Mono", true, true}, "CourierNewPS-BoldItalicMT"},
        {{"Liberation Sans Narrow", false, false}, "ArialNarrow"},
        {{"DejaVu Sans", false, false}, "DejaVuSans"},
        {{"DejaVu Sans", true, false}, "DejaVuSans-Bold"},
        {{"DejaVu Serif", false, true}, "DejaVuSerif-Italic"},
        {{"DejaVu Sans Mono", true, true}, "DejaVuSansMono-BoldItalic"},
        {{"DejaVu Math TeX Gyre", false, false}, "DejaVuMathTeXGyre"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storedNameForFace(c.face), c.stored) << c.face.family;
        EXPECT_EQ(faceForStoredName(storedNameForFace(c.face), kHere), c.face) << c.face.family;
    }
    EXPECT_EQ(storedNameForFace({}), "");
    std::string longName = storedNameForFace({std::string(300, 'a'), true, false});
    EXPECT_EQ(longName.size(), 127u);
    EXPECT_EQ(storedNameForFace({"Caf\xC3\xA9 Sans", false, false}), "Caf\x8eSans") << "Mac OS Roman";
}

}  // namespace
}  // namespace qor
