#pragma once
// What the reading window asks of the reading view, and the adapter over
// the real one. Tests put a scripted view in its place, so that the
// pacing rules can be checked against runs of any length.

#include "display/DelayCounts.h"
#include "display/OptionsRecord.h"
#include "text/TextBuffer.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace qor {

class MainView;

class SessionView {
public:
    virtual ~SessionView() = default;

    // Takes the text block; the position goes to 0.
    virtual void initData(TextBuffer block) = 0;
    virtual bool hasText() const = 0;
    // The size of the text in bytes (0 without a text).
    virtual int32_t textSize() const = 0;
    virtual TextEncoding encoding() const = 0;
    virtual void setPosition(int32_t offset) = 0;

    // Shows the next run and returns its words, 0 when nothing was shown.
    virtual int32_t displayTextBurst(DelayCounts& counts, int32_t& delayMs, int32_t& numChars,
                                     bool resetLine) = 0;
    virtual int32_t getStart() const = 0;
    virtual int32_t current() const = 0;
    virtual int32_t getPercent() const = 0;
    virtual void setPercent(int32_t percent) = 0;
    virtual const char* startWords() const = 0;
    virtual int32_t startLen() const = 0;
    virtual bool endOfText() const = 0;
    virtual void resetData() = 0;
    virtual bool backBlock(bool& highlightOnly) = 0;
    virtual bool backToPos(int32_t pos, bool& highlightOnly) = 0;
    virtual void forwardOneWord() = 0;
    virtual bool searchString(std::string_view utf8) = 0;
    virtual void refreshDisplay() = 0;
    virtual int32_t longestLine() = 0;
    virtual bool doesXNumLinesFit(int n) = 0;
    virtual void setFontAttribute(const FontTrait& font) = 0;
    virtual const char* bufferAndSize(int32_t& size) const = 0;
    // Puts what the view now holds on screen.
    virtual void redraw() = 0;
};

// The real reading view. `redraw` paints it (the widget's repaint).
class MainViewSession final : public SessionView {
public:
    MainViewSession(MainView& view, std::function<void()> redraw = {})
        : m_view(view), m_redraw(std::move(redraw))
    {
    }
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
    MainView& view() { return m_view; }

    void initData(TextBuffer block) override;
    bool hasText() const override;
    int32_t textSize() const override;
    TextEncoding encoding() const override;
    void setPosition(int32_t offset) override;
    int32_t displayTextBurst(DelayCounts& counts, int32_t& delayMs, int32_t& numChars, bool resetLine) override;
    int32_t getStart() const override;
    int32_t current() const override;
    int32_t getPercent() const override;
    void setPercent(int32_t percent) override;
    const char* startWords() const override;
    int32_t startLen() const override;
    bool endOfText() const override;
    void resetData() override;
    bool backBlock(bool& highlightOnly) override;
    bool backToPos(int32_t pos, bool& highlightOnly) override;
    void forwardOneWord() override;
    bool searchString(std::string_view utf8) override;
    void refreshDisplay() override;
    int32_t longestLine() override;
    bool doesXNumLinesFit(int n) override;
    void setFontAttribute(const FontTrait& font) override;
    const char* bufferAndSize(int32_t& size) const override;
    void redraw() override;

private:
    MainView& m_view;
    std::function<void()> m_redraw;
};

}  // namespace qor
