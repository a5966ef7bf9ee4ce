#include "sets/ui/SetMenus.h"

#include "display/CurrentOptions.h"
#include "sets/CustomOptionsDialogs.h"
#include "sets/SetDialogs.h"
#include "sets/ui/CustomOptionsPanels.h"
#include "sets/ui/SetPanels.h"
#include "shell/NotificationBus.h"
#include "users/CurrentPrefs.h"
#include "users/QorAdmin.h"

#include <QMenu>

namespace qor {

namespace {

SetCommands commandsFor(QWidget* parent, const SetMenuHooks& hooks)
{
    SetCommandHooks h = setPanelHooks(parent);
    h.addCustomOption = [parent](const std::string& set) { displayCustomOptionDialog(parent, set); };
    if (hooks.openDrillEditor)
        h.openDrillEditor = [parent, open = hooks.openDrillEditor](const std::string& set) {
            open(parent, set);
        };
    return SetCommands(QorAdmin::instance(), std::move(h));
}

struct KindCodes {
    SetKindId kind;
    const char* menuTitle;
    int create, duplicate, remove;
};

const KindCodes kKindCodes[] = {
    {SetKindId::CompTest, "Comprehension Test Sets", 1480, 1481, 1482},
    {SetKindId::CustomOptions, "Custom Options Sets", 1451, 1452, 1453},
    {SetKindId::DrillText, "Drill Text Sets", 1460, 1461, 1462},
    {SetKindId::Drill, "Drill Sets", 1470, 1471, 1472},
};

bool adminCheck(QWidget* parent)
{
    SetCommands c = commandsFor(parent, {});
    return c.adminCheckOK();
}

} // namespace

bool runSetCommand(int code, QWidget* parent, const SetMenuHooks& hooks)
{
    if (code == 1031) {
        runAddCustomOption(parent);
        return true;
    }
    if (code == 1450) {
        runRemoveCustomOption(parent);
        return true;
    }
    for (const KindCodes& k : kKindCodes) {
        SetCommands c = commandsFor(parent, hooks);
        if (code == k.create)
            c.createSet(k.kind);
        else if (code == k.duplicate)
            c.duplicateSet(k.kind);
        else if (code == k.remove)
            c.deleteSet(k.kind);
        else
            continue;
        return true;
    }
    return false;
}

void installSetMenus(QMenu* adminMenu, QWidget* parent, SetMenuHooks hooks)
{
    if (!adminMenu)
        return;
    for (const KindCodes& k : kKindCodes) {
        QMenu* sub = adminMenu->addMenu(QMenu::tr(k.menuTitle));
        const std::pair<const char*, int> entries[] = {
            {"Create Set...", k.create}, {"Duplicate Set...", k.duplicate}, {"Delete Set...", k.remove}};
        for (const auto& [title, code] : entries) {
            QAction* a = sub->addAction(QMenu::tr(title));
            a->setData(code);
            QObject::connect(a, &QAction::triggered, parent,
                             [parent, code = code, hooks] { runSetCommand(code, parent, hooks); });
        }
    }
    adminMenu->addSeparator();
    QAction* save = adminMenu->addAction(QMenu::tr("Save Custom Option..."));
    save->setData(1031);
    QObject::connect(save, &QAction::triggered, parent, [parent] { runAddCustomOption(parent); });
    QAction* remove = adminMenu->addAction(QMenu::tr("Remove Custom Option..."));
    remove->setData(1450);
    QObject::connect(remove, &QAction::triggered, parent, [parent] { runRemoveCustomOption(parent); });
}

void installCustomOptionsMenu(QMenu* optionsMenu, QWidget* parent)
{
    if (!optionsMenu)
        return;
    QAction* a = optionsMenu->addAction(QMenu::tr("Custom Option Settings..."));
    QObject::connect(a, &QAction::triggered, parent, [parent] { runCustomOptionSettings(parent); });
}

void runCustomOptionSettings(QWidget* parent)
{
    SelectCustomOptionsModel model(CurrentPrefs::instance(), CurrentOptions::instance(),
                                   NotificationBus::instance());
    model.initialize();
    SelectCustomOptionsPanel panel(model, parent);
    panel.exec();
}

void displayCustomOptionDialog(QWidget* parent, const std::string& set)
{
    AddOrReplaceCustomOptionsModel model(CurrentPrefs::instance());
    model.initialize(set);
    AddOrReplaceCustomOptionsPanel panel(
        model, [](QWidget* p) { return QorPanels::instance().createNewSet(SetKindId::CustomOptions, p); },
        parent);
    panel.exec();
    if (!model.result())
        return;
    storeCustomOption(CustomOptionsFiles(), model.optionsFileName(), model.optionsSetName(),
                      CurrentOptions::instance().options());
}

void runAddCustomOption(QWidget* parent)
{
    if (!adminCheck(parent))
        return;
    displayCustomOptionDialog(parent, CurrentPrefs::instance().stringValue(kLastCustOptSetKey));
}

void runRemoveCustomOption(QWidget* parent)
{
    if (!adminCheck(parent))
        return;
    RemoveCustomOptionsModel model(CurrentPrefs::instance());
    model.initialize();
    RemoveCustomOptionsPanel panel(model, parent);
    panel.exec();
}

} // namespace qor
