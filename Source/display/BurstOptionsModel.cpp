#include "display/BurstOptionsModel.h"

#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <algorithm>

namespace qor {

BurstOptionsModel::BurstOptionsModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void BurstOptionsModel::initialize()
{
    OptionsRecord rec = m_options.options();
    m_type = rec.burst.burstType >= 0 && rec.burst.burstType < kRowCount ? rec.burst.burstType : 0;
    setAmount(rec.burst.burstNum);
    m_enabledRows = 0x1F;
    int mode = rec.displayMode.mode, opt = rec.displayMode.modeOpt;
    if (mode == 3 || mode == 4) {
        if (opt == 6 || opt == 9) {
            m_enabledRows = 1u << 4;
            m_type = 4;
        } else if (opt == 8) {
            m_enabledRows = (1u << 2) | (1u << 4);
            m_type = 2;
        }
    }
}

bool BurstOptionsModel::rowEnabled(int row) const
{
    return row >= 0 && row < kRowCount && (m_enabledRows & (1u << row));
}

bool BurstOptionsModel::warningShown() const
{
    return m_enabledRows != 0x1F;
}

void BurstOptionsModel::selectRow(int row)
{
    if (rowEnabled(row))
        m_type = row;
}

void BurstOptionsModel::setAmount(long long amount)
{
    m_amount = static_cast<int>(std::clamp<long long>(amount, kMinBurstNum, kMaxBurstNum));
}

void BurstOptionsModel::ok()
{
    OptionsRecord rec = m_options.options();
    rec.burst.burstType = m_type;
    rec.burst.burstNum = m_amount;
    int status = m_options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kOptionsUpdate);
}

}  // namespace qor
