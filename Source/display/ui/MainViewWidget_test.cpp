// The reading widget offscreen: every mode and option drawn with the real
// font measurer; the pictures go to /tmp for looking at, and the ink must
// stay inside the text column.
#include "display/ui/MainViewWidget.h"

#include "display/BorderView.h"
#include "display/CurrentOptions.h"
#include "display/ui/BorderViewWidget.h"
#include "display/ui/QtImageLoader.h"
#include "display/ui/QtTextMeasurer.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace qor {
namespace {

const char* kText =
    "The reader loads a text and the system presents it chunk by chunk at a controlled pace. "
    "Single words, groups of words, whole lines, sentences or phrases, or highlighted runs on a page.\r"
    "\tA second paragraph, indented by a tab; it has commas, colons: and more words to read.\r\r"
    "After a blank line the third paragraph ends the sample text.";

struct Mode {
    int mode, opt, num;
    const char* name;
};

TEST(MainViewWidget, EveryModeDrawsInsideTheColumn)
{
    QtTextMeasurer measurer;
    NotificationBus bus;
    CurrentOptions holder;
    holder.setUserFolderSource([] { return std::string(); });
    OptionsRecord rec = holder.options();
    rec.font.size = 18;
    rec.font.margin = 400;
    holder.setOptions(rec);
    MainViewExpert view(measurer, holder, bus);
    view.optionsUpdate();
    MainViewWidget widget(view, measurer);
    widget.resize(560, 360);
    view.setViewSize(560, 360);
    view.initData(TextBuffer::fromBytes(kText, TextEncoding::Utf8));

    const Mode modes[] = {
        {0, 0, 3, "center-words"},    {0, 2, 2, "center-lines"},      {0, 3, 1, "center-sentence"},
        {0, 4, 1, "center-phrase-cr"}, {0, 5, 1, "center-phrase-punct"}, {1, 0, 3, "upperleft-words"},
        {1, 3, 1, "upperleft-sentence"}, {2, 0, 2, "eyetrainer-words"}, {2, 1, 3, "eyetrainer-fixations"},
        {2, 2, 2, "eyetrainer-lines"}, {3, 6, 0, "unformatted-page"}, {3, 7, 3, "unformatted-hl-words"},
        {3, 8, 3, "unformatted-hl-fixations"}, {3, 9, 2, "unformatted-hl-lines"}, {4, 6, 0, "formatted-page"},
        {4, 7, 3, "formatted-hl-words"}, {4, 8, 2, "formatted-hl-fixations"}, {4, 9, 2, "formatted-hl-lines"},
    };
    const QColor page = paintColor(rec.font.backgroundColor);
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.name);
        rec.displayMode = {m.mode, m.opt, m.num, 0};
        holder.setOptions(rec);
        view.optionsUpdate();
        view.setPosition(0);
        DelayCounts dc;
        int32_t delay = 0, chars = 0;
        for (int i = 0; i < 4; ++i)
            view.displayTextBurst(dc, delay, chars, false);
        QImage img = widget.grab().toImage();
        img.save(QString("/tmp/qor-view-%1.png").arg(m.name));
        const float colStart = view.marginStart();
        const float colEnd = colStart + view.getViewWidth();
        int ink = 0, outside = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) != page) {
                    ++ink;
                    if (x < colStart - 2 || x > colEnd + 6)
                        ++outside;
                }
        EXPECT_GT(ink, 50);
        EXPECT_EQ(outside, 0);
    }
}

TEST(QtTextMeasurer, MeasuresMacRomanAsItsCharactersAndNeverZeroHigh)
{
    QtTextMeasurer m;
    FontTrait f;
    f.fontName = "ArialMT";
    f.size = 0;
    m.setFont(f);
    EXPECT_GE(m.lineHeight(), 1.0f);
    f.size = 24;
    m.setFont(f);
    // 0x8A is a-diaeresis in Mac OS Roman.
    EXPECT_FLOAT_EQ(m.stringWidth("\x8a"), m.stringWidth("\xc3\xa4"));
    EXPECT_GT(m.stringWidth("word"), m.stringWidth("w"));
    EXPECT_FLOAT_EQ(m.spaceWidth(), m.stringWidth(" "));
}

TEST(BorderViewWidget, DraggingAMarkerSetsTheColumn)
{
    NotificationBus bus;
    CurrentOptions holder;
    holder.setUserFolderSource([] { return std::string(); });
    BorderView border(holder, bus, true);
    BorderViewWidget w(border);
    w.resize(600, 40);
    w.show();
    QTest::mousePress(&w, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(border.getMargin(), 400);
    EXPECT_EQ(holder.options().font.margin, 400);
}

}  // namespace
}  // namespace qor
