#pragma once
// The reading window: the one window in which text is read.

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;

namespace qor {

class ReadingWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ReadingWindow(QWidget* parent = nullptr);

    // Shows a text with its caption ("File: name (N Words)").
    void showMaterial(const QString& caption, const QString& text);
    QString caption() const;

private:
    void buildMenus();
    void showAbout();

    QLabel* mCaption = nullptr;
    QPlainTextEdit* mText = nullptr;
};

}  // namespace qor
