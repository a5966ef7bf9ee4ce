#include "base/PropertyList.h"

#include "base/Files.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

namespace qor {
namespace {

PlistValue sample()
{
    PlistValue root = PlistValue::dict();
    root.set("Name", PlistValue::string("Caf\xC3\xA9 <&> \"reader\""));
    root.set("Count", PlistValue::integer(42));
    root.set("Negative", PlistValue::integer(-7));
    root.set("Big", PlistValue::integer(int64_t(1) << 40));
    root.set("Ratio", PlistValue::real(0.25));
    root.set("Flag", PlistValue::boolean(true));
    root.set("Off", PlistValue::boolean(false));
    root.set("Blob", PlistValue::data(std::string("\0\x01\xFF", 3)));
    root.set("When", PlistValue::date(86400.0));  // XML dates hold whole seconds
    PlistValue list = PlistValue::array();
    list.append(PlistValue::integer(1));
    list.append(PlistValue::string(""));
    PlistValue inner = PlistValue::dict();
    inner.set("k", PlistValue::integer(0));
    list.append(inner);
    root.set("List", list);
    root.set("Empty", PlistValue::dict());
    return root;
}

TEST(PropertyList, XmlFileRoundTrip)
{
    TempFolder dir;
    PlistValue v = sample();
    ASSERT_EQ(writePlistFile(dir / "prefs", v), 0);
    PlistValue back;
    ASSERT_EQ(readPlistFile(dir / "prefs", back), 0);
    EXPECT_EQ(back, v);
    EXPECT_EQ(back.find("Negative")->toInt(), -7);
    EXPECT_EQ(back.find("Name")->toString(), "Caf\xC3\xA9 <&> \"reader\"");
}

TEST(PropertyList, ReadsBinary)
{
    plist_t d = plist_new_dict();
    plist_dict_set_item(d, "Speed", plist_new_uint(300));
    plist_dict_set_item(d, "Voice", plist_new_string("en"));
    char* bin = nullptr;
    uint32_t len = 0;
    plist_to_bin(d, &bin, &len);
    std::string bytes(bin, len);
    free(bin);
    plist_free(d);
    PlistValue v;
    ASSERT_TRUE(parsePlist(bytes, v));
    EXPECT_EQ(v.find("Speed")->toInt(), 300);
    EXPECT_EQ(v.find("Voice")->toString(), "en");
}

TEST(PropertyList, LooseReadersAndMissingKeys)
{
    PlistValue v = sample();
    EXPECT_EQ(v.find("missing"), nullptr);
    EXPECT_EQ(v.find("Flag")->toInt(), 1);
    EXPECT_TRUE(v.find("Count")->toBool());
    EXPECT_EQ(v.find("Name")->toInt(99), 99);
    EXPECT_EQ(v.find("Ratio")->toString("none"), "none");
    EXPECT_TRUE(v.find("Count")->items().empty());
    EXPECT_EQ(PlistValue::integer(3).find("x"), nullptr);
}

TEST(PropertyList, UnparsableFileIsMovedAsideNotLost)
{
    TempFolder dir;
    std::string f = dir / "globalConfig";
    ASSERT_EQ(fs::writeFileAtomic(f, "<?xml version=\"1.0\"?><plist><dict><key>x"), 0);
    PlistValue v;
    EXPECT_EQ(readPlistFile(f, v), kPlistUnreadable);
    EXPECT_FALSE(fs::exists(f));
    std::string kept;
    ASSERT_EQ(fs::readFile(f + ".bad", kept, 1024), 0);
    EXPECT_EQ(kept, "<?xml version=\"1.0\"?><plist><dict><key>x");
}

TEST(PropertyList, EmbeddedNulIsRefusedNotFatal)
{
    // Strings with a NUL stop the underlying library; such files are
    // refused (and so moved aside) instead.
    PlistValue v;
    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Name</key><string>a";
    EXPECT_FALSE(parsePlist(xml + std::string("\0b", 2) + "</string></dict></plist>", v));
    EXPECT_FALSE(parsePlist(xml + "&#x0;b</string></dict></plist>", v));
    EXPECT_FALSE(parsePlist(xml + "&#000;b</string></dict></plist>", v));
    EXPECT_TRUE(parsePlist(xml + "&#65;b</string></dict></plist>", v));
    EXPECT_EQ(v.find("Name")->toString(), "aAb");

    plist_t d = plist_new_dict();
    plist_dict_set_item(d, "Name", plist_new_string("abc"));
    char* bin = nullptr;
    uint32_t len = 0;
    plist_to_bin(d, &bin, &len);
    std::string bytes(bin, len);
    free(bin);
    plist_free(d);
    ASSERT_TRUE(parsePlist(bytes, v));
    size_t at = bytes.find("abc");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 1] = '\0';
    EXPECT_FALSE(parsePlist(bytes, v));
    EXPECT_FALSE(parsePlist(bytes.substr(0, bytes.size() - 5), v));  // a cut trailer
}

TEST(PropertyList, MissingFileIsNotAnError)
{
    TempFolder dir;
    PlistValue v;
    EXPECT_EQ(readPlistFile(dir / "none", v), fs::kFileNotFound);
    EXPECT_TRUE(v.isNull());
    EXPECT_FALSE(parsePlist("", v));
    EXPECT_FALSE(parsePlist("not a plist at all", v));
}

}  // namespace
}  // namespace qor
