#include "session/SessionView.h"

#include "display/MainView.h"
#include "text/TextData.h"

namespace qor {

void MainViewSession::initData(TextBuffer block) { m_view.initData(std::move(block)); }
bool MainViewSession::hasText() const { return m_view.hasText(); }

int32_t MainViewSession::textSize() const
{
    int32_t size = 0;
    m_view.bufferAndSize(size);
    return size;
}

TextEncoding MainViewSession::encoding() const
{
    auto* data = const_cast<MainView&>(m_view).textData();
    return data ? data->encoding() : TextEncoding::Utf8;
}

void MainViewSession::setPosition(int32_t offset) { m_view.setPosition(offset); }

int32_t MainViewSession::displayTextBurst(DelayCounts& counts, int32_t& delayMs, int32_t& numChars, bool resetLine)
{
    return m_view.displayTextBurst(counts, delayMs, numChars, resetLine);
}

int32_t MainViewSession::getStart() const { return m_view.getStart(); }
int32_t MainViewSession::current() const { return m_view.current(); }
int32_t MainViewSession::getPercent() const { return m_view.getPercent(); }
void MainViewSession::setPercent(int32_t percent) { m_view.setPercent(percent); }
const char* MainViewSession::startWords() const { return m_view.startWords(); }
int32_t MainViewSession::startLen() const { return m_view.startLen(); }
bool MainViewSession::endOfText() const { return m_view.endOfText(); }
void MainViewSession::resetData() { m_view.resetData(); }
bool MainViewSession::backBlock(bool& highlightOnly) { return m_view.backBlock(highlightOnly); }
bool MainViewSession::backToPos(int32_t pos, bool& highlightOnly) { return m_view.backToPos(pos, highlightOnly); }
void MainViewSession::forwardOneWord() { m_view.forwardOneWord(); }
bool MainViewSession::searchString(std::string_view utf8) { return m_view.searchString(utf8); }
void MainViewSession::refreshDisplay() { m_view.refreshDisplay(); }
int32_t MainViewSession::longestLine() { return m_view.longestLine(); }
bool MainViewSession::doesXNumLinesFit(int n) { return m_view.doesXNumLinesFit(n); }
void MainViewSession::setFontAttribute(const FontTrait& font) { m_view.setFontAttribute(font); }
const char* MainViewSession::bufferAndSize(int32_t& size) const { return m_view.bufferAndSize(size); }

void MainViewSession::redraw()
{
    if (m_redraw)
        m_redraw();
}

}  // namespace qor
