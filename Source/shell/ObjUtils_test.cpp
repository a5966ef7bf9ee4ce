#include "shell/ObjUtils.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/QorDebug.h"
#include "shell/QorVersion.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <set>

namespace qor {
namespace {

// An installation in a temporary folder: site/Quorlinth/... with the data
// folders beside the application folder.
class SiteTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_site = m_tmp / "site";
        fs::makeFolders(m_site + "/Quorlinth/Resources");
        fs::makeFolders(m_site + "/Users/Bob");
        fs::makeFolders(m_site + "/ImportExport");
        fs::makeFolders(m_site + "/ImportExportOld");
        fs::makeFolders(m_tmp / "elsewhere");
        ObjUtils::setFolders(AppFolders::forApplicationFolder(m_site + "/Quorlinth"));
    }
    void TearDown() override { ObjUtils::setFolders({}); }

    TempFolder m_tmp;
    std::string m_site;
};

TEST_F(SiteTest, FoldersFollowTheApplicationFolder)
{
    EXPECT_EQ(ObjUtils::externalPath(), m_site + "/");
    EXPECT_EQ(ObjUtils::internalPath(), m_site + "/Quorlinth/Resources/");
    EXPECT_EQ(ObjUtils::sharedSupport(), m_site + "/Quorlinth/SharedSupport/");
    std::string ext;
    EXPECT_TRUE(ObjUtils::getExternalDir(ext));
    EXPECT_EQ(ext, m_site + "/");
    ObjUtils::setFolders({"/" + std::string(1030, 'x'), "", ""});
    EXPECT_FALSE(ObjUtils::getExternalDir(ext));
}

TEST_F(SiteTest, CheckOutSideCompareswholeCanonicalComponents)
{
    ASSERT_EQ(::symlink((m_site + "/Users").c_str(), (m_tmp / "elsewhere/users-link").c_str()), 0);
    ASSERT_EQ(::symlink((m_tmp / "elsewhere").c_str(), (m_site + "/ImportExport/out-link").c_str()), 0);
    struct Case {
        std::string path;
        bool outside;
    };
    const Case cases[] = {
        {m_site + "/ImportExport/sets.exp", true},
        {m_site + "/ImportExport/deeper/sets.exp", true},
        {m_site + "/ImportExport", true},
        {m_tmp / "elsewhere/file.exp", true},
        {"/proc/version", true},
        {m_site + "/globalConfig", false},
        {m_site + "/Users/Bob/prefs", false},
        {m_site + "/ImportExport/../Users/Bob/prefs", false},
        {m_site + "/ImportExport/./../globalConfig", false},
        {m_site + "/ImportExportOld/sets.exp", false},
        {m_site + "/Quorlinth/Resources/example.txt", false},
        // A link from outside into the data folders is inside.
        {m_tmp / "elsewhere/users-link/Bob/prefs", false},
        // A link out of ImportExport leads outside.
        {m_site + "/ImportExport/out-link/x.exp", true},
        {m_site + "//Users///Bob/new-file", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ObjUtils::checkOutSide(c.path), c.outside) << c.path;
}

TEST_F(SiteTest, CopyFileAndFolder)
{
    std::string src = m_tmp / "elsewhere/src";
    std::string dst = m_tmp / "elsewhere/dst";
    fs::makeFolders(src + "/sub");
    fs::writeFileAtomic(src + "/a.txt", "alpha");
    fs::writeFileAtomic(src + "/b.db", std::string(100000, 'b'));
    fs::writeFileAtomic(src + "/.hidden", "h");
    fs::writeFileAtomic(src + "/sub/inner", "i");
    ASSERT_EQ(::symlink("a.txt", (src + "/link").c_str()), 0);
    fs::makeFolder(dst);
    ASSERT_TRUE(ObjUtils::copyFolderFrom(src, dst));
    std::vector<fs::Entry> e;
    fs::listFolder(dst, e);
    std::set<std::string> names;
    for (auto& x : e)
        names.insert(x.name);
    EXPECT_EQ(names, (std::set<std::string>{"a.txt", "b.db"}));
    std::string data;
    fs::readFile(dst + "/b.db", data, 1 << 20);
    EXPECT_EQ(data, std::string(100000, 'b'));

    // An empty folder copies; a missing source or destination fails.
    fs::makeFolder(m_tmp / "elsewhere/empty");
    fs::makeFolder(m_tmp / "elsewhere/empty-copy");
    EXPECT_TRUE(ObjUtils::copyFolderFrom(m_tmp / "elsewhere/empty", m_tmp / "elsewhere/empty-copy"));
    EXPECT_FALSE(ObjUtils::copyFolderFrom(m_tmp / "elsewhere/none", dst));
    EXPECT_FALSE(ObjUtils::copyFolderFrom(src, m_tmp / "elsewhere/none"));
    EXPECT_FALSE(ObjUtils::copyFileFrom(m_tmp / "elsewhere/none", dst + "/x"));
    EXPECT_FALSE(ObjUtils::copyFileFrom(src, dst + "/x"));  // a folder is no file
}

TEST_F(SiteTest, CopyFolderFailsWhenOneFileCannotBeCopied)
{
    std::string src = m_tmp / "elsewhere/src";
    std::string dst = m_tmp / "elsewhere/dst";
    fs::makeFolders(src);
    fs::writeFileAtomic(src + "/a.txt", "alpha");
    fs::writeFileAtomic(src + "/b.txt", "beta");
    fs::makeFolders(dst + "/b.txt");  // a folder stands where the file must go
    EXPECT_FALSE(ObjUtils::copyFolderFrom(src, dst));
}

TEST_F(SiteTest, RemoveFolderRefusesTheDataRootsAndNeverFollowsLinks)
{
    std::string victim = m_tmp / "elsewhere/keep-me";
    fs::makeFolders(victim);
    fs::writeFileAtomic(victim + "/precious", "p");
    std::string set = m_site + "/Drills/Set";
    fs::makeFolders(set + "/nested");
    fs::writeFileAtomic(set + "/a.db", "a");
    fs::writeFileAtomic(set + "/nested/b", "b");
    ASSERT_EQ(::symlink(victim.c_str(), (set + "/link").c_str()), 0);

    EXPECT_FALSE(ObjUtils::removeFolder(m_site, false));
    EXPECT_FALSE(ObjUtils::removeFolder(m_site + "/", true));
    EXPECT_FALSE(ObjUtils::removeFolder(m_site + "/Users", true));
    EXPECT_FALSE(ObjUtils::removeFolder(m_site + "/Users/../Users/", false));
    EXPECT_FALSE(ObjUtils::removeFolder(m_tmp.path(), false));  // holds the site
    EXPECT_TRUE(fs::isFolder(m_site + "/Users/Bob"));

    EXPECT_TRUE(ObjUtils::removeFolder(set, true));
    std::vector<fs::Entry> e;
    EXPECT_EQ(fs::listFolder(set, e), fs::kNoErr);
    EXPECT_TRUE(e.empty());
    EXPECT_TRUE(fs::exists(victim + "/precious"));

    ObjUtils::removeFolderWithPath(set);
    EXPECT_FALSE(fs::exists(set));
    EXPECT_TRUE(ObjUtils::removeFolder(m_site + "/Users/Bob", false));  // a reader's folder may go
}

TEST_F(SiteTest, CreateFileAndFolderCodes)
{
    std::string ref;
    EXPECT_EQ(ObjUtils::createFileUsingCFURL(m_site + "/new.db", "QORL", "DATA", &ref), 0);
    EXPECT_EQ(ref, m_site + "/new.db");
    ref.clear();
    EXPECT_EQ(ObjUtils::createFileUsingCFURL(m_site + "/new.db", "QORL", "DATA", &ref), -48);
    EXPECT_EQ(ref, m_site + "/new.db");
    EXPECT_EQ(ObjUtils::createFileUsingCFURL(m_site + "/no/such/x", "", "", &ref), -4960);
    EXPECT_EQ(ObjUtils::createFolderUsingCFURL(m_site, "Drills", &ref), 0);
    EXPECT_EQ(ObjUtils::createFolderUsingCFURL(m_site, "Drills", &ref), -48);
    EXPECT_EQ(ObjUtils::createFolderUsingCFURL(m_site + "/none", "x", &ref), -4960);
    EXPECT_EQ(ObjUtils::createFolderUsingCFURL(m_site, "../escape", &ref), fs::kBadName);
    EXPECT_EQ(ObjUtils::createFolderUsingCFURL(m_site, "new.db", &ref), -48);  // a file is in the way
    struct stat st;
    ASSERT_EQ(::stat((m_site + "/Drills").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0777u);
    EXPECT_TRUE(ObjUtils::createFileAtPath(m_site + "/new.db"));
    EXPECT_FALSE(ObjUtils::createFileAtPath(m_site + "/none/x"));
}

TEST(ObjUtilsNames, CharacterClasses)
{
    EXPECT_TRUE(ObjUtils::readOnlyName("# Standard Options"));
    EXPECT_FALSE(ObjUtils::readOnlyName(" # Standard Options"));
    EXPECT_FALSE(ObjUtils::readOnlyName(""));
    EXPECT_TRUE(ObjUtils::startsWithBlank(" # Standard Options"));
    EXPECT_FALSE(ObjUtils::startsWithBlank(""));
    EXPECT_FALSE(ObjUtils::punctuation('.'));
    EXPECT_TRUE(ObjUtils::punctuation(';'));
    EXPECT_FALSE(ObjUtils::sentence(';'));
    EXPECT_TRUE(ObjUtils::sentence('?'));
    EXPECT_TRUE(ObjUtils::hasSentence("Done!"));
    EXPECT_FALSE(ObjUtils::hasSentence(""));
    EXPECT_TRUE(ObjUtils::hasPunctuation("first,"));
    EXPECT_FALSE(ObjUtils::hasPunctuation("end."));

    std::string s = "@@@name@";
    EXPECT_EQ(ObjUtils::removeCharFromBeginningOfString('@', s), 3);
    EXPECT_EQ(s, "name@");
    char buf[] = "a@b@@c";
    EXPECT_EQ(ObjUtils::removeCharFromBuffer('@', buf, 6), 3);
    EXPECT_EQ(std::string(buf, 3), "abc");
    EXPECT_EQ(ObjUtils::removeCharFromBuffer('@', nullptr, 6), 0);
    std::string p = "C:\\Texts\\story.txt";
    ObjUtils::cleanMicrosoftPath(p);
    EXPECT_EQ(p, "C:/Texts/story.txt");
}

TEST(ObjUtilsNumbers, RoundDivNom)
{
    struct Case {
        int a, b, expected;
    };
    const Case cases[] = {
        {7, 2, 4},   {9, 4, 2},     {5, 5, 1},         {0, 3, 0},          {14, 4, 4},
        {1, 0, 0},   {5, -2, 0},    {2147483647, 1, 2147483647}, {2147483647, 10, 214748365},
        {300000000, 7, 42857143},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ObjUtils::roundDivNom(c.a, c.b), c.expected) << c.a << "/" << c.b;
}

TEST(ObjUtilsNumbers, Colours)
{
    EXPECT_EQ(ObjUtils::colorFloatToInt(1.0f), 65535);
    EXPECT_EQ(ObjUtils::colorFloatToInt(0.0f), 0);
    EXPECT_EQ(ObjUtils::colorFloatToInt(0.5f), 32767);
    EXPECT_EQ(ObjUtils::colorFloatToInt(2.0f), 65535);
    EXPECT_EQ(ObjUtils::colorFloatToInt(-1.0f), 0);
    EXPECT_FLOAT_EQ(ObjUtils::colorIntToFloat(65535), 1.0f);
    EXPECT_TRUE(ObjUtils::equalColor({1, 2, 3, 0}, {1, 2, 3, 65535}));
    EXPECT_FALSE(ObjUtils::equalColor({1, 2, 3, 0}, {1, 2, 4, 0}));
}

class FakeFonts final : public FontCatalog {
public:
    explicit FakeFonts(std::set<std::string> names) : m_names(std::move(names)) {}
    bool hasFont(const std::string& n) const override { return m_names.count(n) > 0; }

private:
    std::set<std::string> m_names;
};

TEST(ObjUtilsFonts, Replacements)
{
    FakeFonts fonts({"Times", "Arial", "Helvetica", "Verdana"});
    PlatformServices s;
    s.fonts = &fonts;
    installPlatform(s);
    EXPECT_EQ(ObjUtils::fontWithName("Verdana"), "Verdana");
    EXPECT_EQ(ObjUtils::fontWithName("TimesNewRomanPSMT"), "Times");
    EXPECT_EQ(ObjUtils::fontWithName("ArialMT"), "Arial");
    EXPECT_EQ(ObjUtils::fontWithName("CourierNewPSMT"), "Helvetica");  // replacement missing too
    EXPECT_EQ(ObjUtils::fontWithName("NoSuchFont"), "Helvetica");
    installPlatform({});
}

class TimeZoneTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        m_hadTz = tz != nullptr;
        if (tz)
            m_oldTz = tz;
    }
    void TearDown() override
    {
        if (m_hadTz)
            setenv("TZ", m_oldTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    void use(const char* tz)
    {
        setenv("TZ", tz, 1);
        tzset();
    }
    bool m_hadTz = false;
    std::string m_oldTz;
};

TEST_F(TimeZoneTest, DatesCountFrom2001InTheLocalZone)
{
    use("UTC0");
    EXPECT_EQ(ObjUtils::formatDateDT(0), "01/01/2001");
    EXPECT_EQ(ObjUtils::formatTimeDT(0), "00:00");
    EXPECT_EQ(ObjUtils::formatDateDT(86400 * 59), "03/01/2001");
    EXPECT_EQ(ObjUtils::formatTimeDT(3600 * 13 + 60 * 7 + 59), "13:07");
    use("EST5");
    EXPECT_EQ(ObjUtils::formatDateDT(0), "12/31/2000");
    EXPECT_EQ(ObjUtils::formatTimeDT(0), "19:00");
    EXPECT_EQ(ObjUtils::formatDateDT(4294967295u), "02/07/2137");
}

TEST(ObjUtilsFiles, ForkGetSReadsOneBoundedLine)
{
    TempFolder dir;
    fs::writeFileAtomic(dir / "f", "first line\nsecond\nlast");
    std::FILE* f = std::fopen((dir / "f").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char buf[8];
    ASSERT_NE(ObjUtils::forkGetS(buf, 8, f), nullptr);
    EXPECT_STREQ(buf, "first l");
    ASSERT_NE(ObjUtils::forkGetS(buf, 8, f), nullptr);
    EXPECT_STREQ(buf, "ine\n");
    ASSERT_NE(ObjUtils::forkGetS(buf, 8, f), nullptr);
    EXPECT_STREQ(buf, "second\n");
    ASSERT_NE(ObjUtils::forkGetS(buf, 8, f), nullptr);
    EXPECT_STREQ(buf, "last");
    EXPECT_EQ(ObjUtils::forkGetS(buf, 8, f), nullptr);
    EXPECT_EQ(ObjUtils::forkGetS(buf, 0, f), nullptr);
    std::fclose(f);
}

class FakeWorkspace final : public Workspace {
public:
    bool openFile(const std::string& p) override
    {
        opened = p;
        return true;
    }
    bool openUrl(const std::string& u) override
    {
        opened = u;
        return true;
    }
    std::string opened;
};

class FakeClipboard final : public Clipboard {
public:
    bool hasText() const override { return value.has_value(); }
    std::optional<std::string> text() const override { return value; }
    std::optional<std::string> value;
};

TEST_F(SiteTest, PlatformQuestionsGoThroughTheServices)
{
    EXPECT_FALSE(ObjUtils::validPasteBoardData());  // no clipboard at all
    EXPECT_TRUE(ObjUtils::visibleRect().isEmpty());
    EXPECT_FALSE(ObjUtils::displayHelp());
    FakeWorkspace ws;
    FakeClipboard cb;
    PlatformServices s;
    s.workspace = &ws;
    s.clipboard = &cb;
    installPlatform(s);
    EXPECT_TRUE(ObjUtils::displayHelp());
    EXPECT_EQ(ws.opened, m_site + "/Quorlinth Home Help.pdf");
    EXPECT_TRUE(ObjUtils::onlineHelp());
    EXPECT_EQ(ws.opened.rfind("https://", 0), 0u);
    bool ok = true;
    EXPECT_EQ(ObjUtils::clipboardString(&ok), "");
    EXPECT_FALSE(ok);
    cb.value = "pasted words";
    EXPECT_TRUE(ObjUtils::validPasteBoardData());
    EXPECT_EQ(ObjUtils::clipboardString(&ok), "pasted words");
    EXPECT_TRUE(ok);
    installPlatform({});
}

TEST(QorDebugLog, AppendsLinesAndCutsLongOnes)
{
    TempFolder dir;
    QorDebug::setLogFile(dir / "QorDebug.txt");
    QorDebug::LogMessage("started");
    QorDebug::LogMessage("open failed", -43);
    QorDebug::LogMessage(std::string(600, 'x').c_str(), 7);
    QorDebug::LogString("caf\xC3\xA9");
    std::string log;
    fs::readFile(dir / "QorDebug.txt", log, 1 << 20);
    std::string expected = "started\nopen failed (-43)\n" + std::string(511, 'x') + "\ncaf\x8E\n";
    EXPECT_EQ(log, expected);
    QorDebug::setLogFile(dir / "no/such/folder/log.txt");
    QorDebug::LogMessage("nowhere");  // silently nothing
    EXPECT_FALSE(fs::exists(dir / "no"));
    QorDebug::setLogFile("");
}

TEST(QorVersionNames, EditionsTable)
{
    EXPECT_EQ(QorVersion::displayName(1), "Quorlinth Home");
    EXPECT_EQ(QorVersion::displayName(4), "Quorlinth Campus");
    EXPECT_EQ(QorVersion::logoName(2), "qst_logo.png");
    EXPECT_EQ(QorVersion::logoName(5), "");
    EXPECT_EQ(QorVersion::displayName(0), "");
    EXPECT_EQ(QorVersion::qorVersionString(), QorVersion::displayName(QorVersion::qorVersion()));
}

}  // namespace
}  // namespace qor
