#pragma once
// The preferences window: a thin Qt face over PreferenceWinController.
// Its first tab holds the two switches, its second the key map.

#include "users/PreferenceWinController.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace qor {

class PreferenceWindow : public QDialog {
    Q_OBJECT
public:
    // editKey runs the key change panel for a row (may be empty).
    PreferenceWindow(PreferenceWinController& controller,
                     std::function<void(QWidget* parent, int row)> editKey, QWidget* parent = nullptr);

    void windowDidLoad();
    QCheckBox* tooltipsCheck() const { return mTooltipsCheck; }
    QCheckBox* menuSoundCheck() const { return mMenuSoundCheck; }
    QTableWidget* keyTable() const { return mKeyTable; }
    QTabWidget* tabs() const { return mTabs; }

private:
    void reloadKeys();
    void editFunction();

    PreferenceWinController& m_controller;
    std::function<void(QWidget*, int)> m_editKey;
    QTabWidget* mTabs = nullptr;
    QCheckBox* mTooltipsCheck = nullptr;
    QCheckBox* mMenuSoundCheck = nullptr;
    QTableWidget* mKeyTable = nullptr;
    QPushButton* mEditButton = nullptr;
    QPushButton* mResetButton = nullptr;
};

}  // namespace qor
