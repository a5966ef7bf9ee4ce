#pragma once
// The reading window: the one window in which text is read. Its menus
// are the application's (shell/ui/main).

#include "text/MaterialLoader.h"
#include "text/ReadingWindowTarget.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;

namespace qor {

class ReadingWindow : public QMainWindow, public ReadingWindowTarget {
    Q_OBJECT
public:
    explicit ReadingWindow(QWidget* parent = nullptr);
    ~ReadingWindow() override;

    // Shows a text with its caption ("File: name (N Words)").
    void showMaterial(const QString& caption, const QString& text);
    QString caption() const;
    // The material entries that feed this window.
    MaterialLoader& material() { return *m_pMaterial; }
    const TextBuffer& text() const { return m_text; }
    // Puts the reading view in place of the plain text area; from then on
    // every loaded text goes to `target` (which takes the block) instead,
    // with its path and position. A text already loaded goes there at once.
    void setReadingArea(QWidget* area, ReadingWindowTarget* target);
    // The about box.
    void showAbout();

    // ReadingWindowTarget
    void loadTextBuffer(TextBuffer block, const std::string& path, int32_t position) override;
    void loadTextFromClipboardBuffer(TextBuffer block) override;
    void setMaterialCaption(const std::string& caption) override;

private:
    void showText();

    std::unique_ptr<MaterialLoader> m_pMaterial;
    TextBuffer m_text;
    ReadingWindowTarget* m_target = nullptr;
    std::string m_path;
    int32_t m_position = 0;
    bool m_fromFile = false;

    QLabel* mCaption = nullptr;
    QPlainTextEdit* mText = nullptr;
};

}  // namespace qor
