#include "controls/ChangeKeyMapModel.h"

#include "controls/KeyMapping.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"

namespace qor {

ChangeKeyMapModel::ChangeKeyMapModel(KeyMapping& map) : m_map(map) {}

void ChangeKeyMapModel::initializeWithIndex(int index)
{
    m_error = false;
    if (index < 0 || index >= KeyMapping::functionCount()) {
        m_index = -1;
        m_shift = m_control = false;
        m_row = -1;
        return;
    }
    m_index = index;
    KeyMapEntry e = m_map.dictAtIndex(index);
    m_shift = e.shift;
    m_control = e.control;
    m_row = KeyMapping::indexFromKeyValue(e.value);
}

std::string ChangeKeyMapModel::functionName() const { return KeyMapping::functionByIndex(m_index); }

std::string ChangeKeyMapModel::errorText() { return MessageTables::localizedString("DuplicateKey", table::kError); }

void ChangeKeyMapModel::setShift(bool on)
{
    m_shift = on;
    m_error = false;
}

void ChangeKeyMapModel::setControl(bool on)
{
    m_control = on;
    m_error = false;
}

void ChangeKeyMapModel::selectRow(int row)
{
    m_row = (row >= 0 && row < KeyMapping::descriptionCount()) ? row : -1;
    m_error = false;
}

ChangeKeyMapModel::OkResult ChangeKeyMapModel::ok()
{
    if (m_index < 0 || m_row < 0)
        return OkResult::NoRow;
    int code = KeyMapping::keyValueFromIndex(m_row);
    if (m_map.isDuplicateAtIndex(m_index, code, m_shift, m_control)) {
        m_error = true;
        return OkResult::Duplicate;
    }
    if (!m_map.setKey(code, m_shift, m_control, m_index)) {
        QorAlert::message(MessageTables::localizedString("KeyMapNotSaved", table::kError), kAlertOK,
                          kSeverityWarning);
        return OkResult::NotSaved;
    }
    return OkResult::Stored;
}

}  // namespace qor
