#pragma once
// The rules of a chooser of one item of a set: a pop-up over the sets of
// one kind and a list of the chosen set's items, starting from the choice
// stored under two preference keys. The kind gives its two catalogues (the
// test chooser: test sets and the tests of a set; the drill text chooser:
// drill text sets and the texts of a set).

#include "sets/QorCat.h"

#include <functional>
#include <memory>
#include <string>

namespace qor {

class CurrentPrefs;

class SetItemChooser {
public:
    // A fresh catalogue of the sets below the external folder. A catalogue
    // that cannot be made (null) counts as an empty one.
    using SetCatalogue = std::function<std::unique_ptr<QorCat>(const std::string& externalFolder)>;
    // A fresh catalogue of the items of one set.
    using ItemCatalogue =
        std::function<std::unique_ptr<QorCat>(const std::string& setName, const std::string& externalFolder)>;

    // The catalogues of a kind whose classes are made from the external
    // folder (sets) and from a set name and the external folder (items).
    template <class Sets> static SetCatalogue catalogueOf()
    {
        return [](const std::string& external) -> std::unique_ptr<QorCat> {
            return std::make_unique<Sets>(external);
        };
    }
    template <class Items> static ItemCatalogue itemsOf()
    {
        return [](const std::string& set, const std::string& external) -> std::unique_ptr<QorCat> {
            return std::make_unique<Items>(set, external);
        };
    }

    SetItemChooser(CurrentPrefs& prefs, std::string setPrefKey, std::string itemPrefKey,
                   SetCatalogue makeSets, ItemCatalogue makeItems, std::string externalFolder);
    virtual ~SetItemChooser() = default;
    SetItemChooser(const SetItemChooser&) = delete;
    SetItemChooser& operator=(const SetItemChooser&) = delete;

    // Takes a fresh catalogue and selects the stored set and item (the
    // first of each when the stored one is absent).
    void initialize();

    const QorCat& sets() const { return *m_sets; }
    // The items of the selected set; null while no set is selected.
    const QorCat* items() const { return m_items.get(); }
    int selectedSet() const { return m_nSet; }
    int selectedItem() const { return m_nItem; }

    // Choosing another set reloads the list and selects its first item.
    void selectSet(int index);
    void selectItem(int index);
    bool okEnabled() const;

    // OK stores the set and item names under the two keys; false (nothing
    // stored) while OK is disabled.
    bool ok();
    void cancel() { m_bResult = false; }
    bool result() const { return m_bResult; }

    // The chosen item's file reference and its set's name ("" before OK).
    std::string chosenItemRef() const;
    std::string chosenSetName() const;

private:
    void freshSets();
    void loadItems(const std::string& preferred);

    CurrentPrefs& m_prefs;
    std::string m_setKey;
    std::string m_itemKey;
    SetCatalogue m_makeSets;
    ItemCatalogue m_makeItems;
    std::string m_external;
    std::unique_ptr<QorCat> m_sets;
    std::unique_ptr<QorCat> m_items;
    int m_nSet = -1;
    int m_nItem = -1;
    bool m_bResult = false;
};

} // namespace qor
