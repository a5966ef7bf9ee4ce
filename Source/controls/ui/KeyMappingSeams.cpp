#include "controls/ui/KeyMappingSeams.h"

#include "controls/KeyMapping.h"
#include "controls/ui/ChangeKeyMapPanel.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "users/ui/UsersPanels.h"

namespace qor {

KeyMappingSeams::KeyMappingSeams(KeyMapping& map) : m_map(map) {}
KeyMappingSeams::KeyMappingSeams() : m_map(KeyMapping::instance()) {}

bool KeyMappingSeams::keyPressed(int keyCode, bool shift, bool control)
{
    return keyCode >= 0 && m_map.keyPressed(keyCode, shift, control);
}

int KeyMappingSeams::functionCount() const { return KeyMapping::functionCount(); }
std::string KeyMappingSeams::functionByIndex(int index) const { return KeyMapping::functionByIndex(index); }
std::string KeyMappingSeams::keyStrokeByIndex(int index) const { return m_map.keyStrokeByIndex(index); }

void KeyMappingSeams::defaultValues()
{
    if (!m_map.defaultValues())
        QorAlert::message(MessageTables::localizedString("KeyMapNotSaved", table::kError), kAlertOK,
                          kSeverityWarning);
}

void KeyMappingSeams::editKey(QWidget* parent, int row) { runChangeKeyMapPanel(parent, row, m_map); }

void addKeyMapHooks(PreferencesHooks& hooks, KeyMappingSeams& seams)
{
    hooks.keyMap = &seams;
    hooks.editKey = [&seams](QWidget* parent, int row) { seams.editKey(parent, row); };
}

}  // namespace qor
