#include "text/PdfReader.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/TempFolder.h"
#include "text/PdfTestFiles.h"
#include "text/QorFile.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing_pdf::makePdf;

const std::string kNoText = "No Text Found in File (PDF maybe image only): ";
const std::string kLocked = "The following file is locked: ";

TEST(PdfReader, ReadsTheTextOfEveryPageInOrder)
{
    TempFolder dir;
    std::string path = dir / "two pages.pdf";
    ASSERT_TRUE(
        makePdf(path, testing_pdf::textPages({"Hello world. This is a test.", "Second page words."})));

    PdfContent content = standardPdfReader().read(path);
    EXPECT_EQ(content.status, PdfStatus::Text);
    EXPECT_EQ(content.pages, 2);
    size_t first = content.text.find("Hello world. This is a test.");
    size_t second = content.text.find("Second page words.");
    ASSERT_NE(first, std::string::npos) << content.text;
    ASSERT_NE(second, std::string::npos) << content.text;
    EXPECT_LT(first, second);
    EXPECT_NE(content.text.substr(first, second - first).find('\n'), std::string::npos)
        << "the pages are separate lines";

    TextBuffer block;
    EXPECT_EQ(QorFile::readPdfFile(path, block, standardPdfReader()), PdfStatus::Text);
    EXPECT_EQ(block.view(), content.text);
    EXPECT_EQ(block.encoding(), TextEncoding::Utf8);
}

TEST(PdfReader, PdfsWithoutTextGiveTheirMessage)
{
    TempFolder dir;
    const std::string image = dir / "scan.pdf";
    const std::string locked = dir / "secret.pdf";
    const std::string notPdf = dir / "plain.pdf";
    ASSERT_TRUE(makePdf(image, testing_pdf::imagePage()));
    ASSERT_TRUE(makePdf(locked, testing_pdf::textPages({"Hidden words here."}), "pw"));
    ASSERT_EQ(fs::writeFileAtomic(notPdf, "just some text"), fs::kNoErr);
    EXPECT_EQ(standardPdfReader().read(image).pages, 1) << "it opens, and its page has no text";

    struct Case {
        std::string path;
        PdfStatus status;
        std::string message;
    };
    const Case cases[] = {
        {image, PdfStatus::NoText, kNoText},
        {locked, PdfStatus::Locked, kLocked},
        {notPdf, PdfStatus::NoText, kNoText},
        {dir / "missing.pdf", PdfStatus::NoText, kNoText},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(standardPdfReader().read(c.path).status, c.status) << c.path;
        TextBuffer block;
        EXPECT_EQ(QorFile::readPdfFile(c.path, block, standardPdfReader()), c.status) << c.path;
        EXPECT_EQ(block.view(), c.message + c.path);
        EXPECT_EQ(block.data()[block.size()], 0);
        EXPECT_EQ(block.encoding(), TextEncoding::MacRoman);
    }
}

TEST(PdfReader, MessageHoldsThePathInMacRomanCutTo1023Bytes)
{
    TempFolder dir;
    // A path of 1100 bytes and more, with a character Mac OS Roman has.
    std::string folder = dir.path();
    for (int i = 0; i < 5; ++i) {
        folder += "/" + std::string(200, static_cast<char>('a' + i));
        ASSERT_EQ(fs::makeFolder(folder), fs::kNoErr);
    }
    std::string path = folder + "/caf\xC3\xA9 scan.pdf";
    ASSERT_TRUE(makePdf(dir / "scan.pdf", testing_pdf::imagePage()));
    ASSERT_EQ(fs::renamePath(dir / "scan.pdf", path), fs::kNoErr);

    TextBuffer block;
    EXPECT_EQ(QorFile::readPdfFile(path, block, standardPdfReader()), PdfStatus::NoText);
    std::string roman = utf8ToMacRomanLossy(path).substr(0, 1023);
    EXPECT_EQ(block.size(), static_cast<int32_t>(kNoText.size() + 1023)) << "the size is the bytes written";
    EXPECT_EQ(block.view(), kNoText + roman);

    // A short accented path: one Mac OS Roman byte for the letter.
    std::string shortPath = dir / "r\xC3\xA9sum\xC3\xA9.pdf";
    ASSERT_EQ(fs::renamePath(path, shortPath), fs::kNoErr);
    EXPECT_EQ(QorFile::readPdfFile(shortPath, block, standardPdfReader()), PdfStatus::NoText);
    EXPECT_EQ(block.view(), kNoText + utf8ToMacRomanLossy(shortPath));
    EXPECT_EQ(block.size(), static_cast<int32_t>(kNoText.size() + shortPath.size() - 2));
}

TEST(PdfReader, OneRuleTellsAPdfBySuffixOrSignature)
{
    TempFolder dir;
    auto file = [&](const std::string& name, const std::string& bytes) {
        const std::string path = dir.path() + "/" + name;
        fs::writeFileAtomic(path, bytes);
        return path;
    };
    EXPECT_TRUE(isPdfDocument(file("a.PDF", "plain text")));
    EXPECT_TRUE(isPdfDocument(file("report.Pdf", "")));
    EXPECT_TRUE(isPdfDocument(file("scan", "%PDF-1.4 ...")));
    EXPECT_FALSE(isPdfDocument(file("notes.pdf.txt", "words")));
    EXPECT_FALSE(isPdfDocument(file("pdfs.txt", "%PDF")));
    EXPECT_FALSE(isPdfDocument(dir.path() + "/missing"));
}

} // namespace
} // namespace qor
