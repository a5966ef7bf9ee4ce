#pragma once
// The rules of the drill text chooser: a set pop-up over the drill text
// sets and a list of the chosen set's texts, starting from the choice
// stored under two preference keys.

#include "drills/DrillFiles.h"

#include <memory>
#include <string>

namespace qor {

class CurrentPrefs;

class LoadDrillText {
public:
    // The keys are those of the caller: "LastDrillTextSetForLoading" /
    // "LastDrillTextForLoading" (reading material) or
    // "LastDrillSetInEditor" / "LastDrillTextInEditor" (the editor).
    LoadDrillText(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                  std::string externalFolder = ObjUtils::externalPath());

    // Takes a fresh catalogue and selects the stored set and text (the
    // first of each when the stored one is absent).
    void initialize();

    const DrillTextSets& sets() const { return m_sets; }
    const DrillFilesList* texts() const { return m_texts.get(); }
    int selectedSet() const { return m_nSet; }
    int selectedText() const { return m_nText; }

    // Choosing another set reloads the list and selects its first text.
    void selectSet(int index);
    void selectText(int index);
    bool okEnabled() const;

    // OK stores the set and text names under the two keys; false (nothing
    // stored) while OK is disabled.
    bool ok();
    void cancel() { m_bResult = false; }
    bool result() const { return m_bResult; }

    // The chosen text's full path and set name ("" before OK).
    std::string drillTextFileName() const;
    std::string drillSetName() const;

private:
    void loadTexts(const std::string& preferred);

    CurrentPrefs& m_prefs;
    std::string m_setKey;
    std::string m_textKey;
    std::string m_external;
    DrillTextSets m_sets;
    std::unique_ptr<DrillFilesList> m_texts;
    int m_nSet = -1;
    int m_nText = -1;
    bool m_bResult = false;
};

}  // namespace qor
