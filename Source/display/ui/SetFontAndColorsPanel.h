#pragma once
// The font and colours dialog, and the preset chooser it opens.

#include "display/FontAndColorsModel.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qor {

// A sample of the reading page in the working font and colours.
class FontSampleView : public QWidget {
    Q_OBJECT
public:
    explicit FontSampleView(QWidget* parent = nullptr);
    void setTrait(const FontTrait& font);
    QSize sizeHint() const override { return {460, 120}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    FontTrait m_font;
};

// The preset chooser: double click or OK applies.
class PresetFontColorPanel : public QDialog {
    Q_OBJECT
public:
    PresetFontColorPanel(PresetFontColorModel& model, QWidget* parent = nullptr);

private:
    PresetFontColorModel& m_model;
    QListWidget* mList = nullptr;
    QPushButton* mOk = nullptr;
};

class SetFontAndColorsPanel : public QDialog {
    Q_OBJECT
public:
    SetFontAndColorsPanel(FontAndColorsModel& model, QWidget* parent = nullptr);

    // The choosers, replaceable for tests: they answer nothing when the
    // reader cancels. By default the platform's font and colour dialogs.
    std::function<std::optional<QFont>(const QFont& initial)> chooseFont;
    std::function<std::optional<QColor>(const QColor& initial, const QString& title)> chooseColor;
    // The preset chooser: the index chosen, or -1.
    std::function<int(const FontTrait& current)> choosePreset;

    void fontButton();
    void colorButton(FontAndColorsModel::ColorRole role);
    void presetButton();

private:
    void refresh();

    FontAndColorsModel& m_model;
    QLabel* mFontLabel = nullptr;
    std::array<QPushButton*, FontAndColorsModel::kColorRoleCount> mColorButtons{};
    FontSampleView* mSample = nullptr;
};

}  // namespace qor
