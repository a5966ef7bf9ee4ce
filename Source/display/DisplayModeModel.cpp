#include "display/DisplayModeModel.h"

#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <algorithm>

namespace qor {

DisplayModeModel::DisplayModeModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void DisplayModeModel::initialize()
{
    OptionsRecord rec = m_options.options();
    m_mode = modeInfo(rec.displayMode.mode) ? rec.displayMode.mode : 0;
    m_row = rowForModeOption(m_mode, rec.displayMode.modeOpt);
    m_count = rec.displayMode.modeOptNum;
    m_combine = rec.displayMode.modeOptCombineRes != 0;
    pullCountIntoRange();
}

std::vector<std::string_view> DisplayModeModel::modeLabels()
{
    std::vector<std::string_view> out;
    for (int m = 0; m < kModeCount; ++m)
        out.push_back(modeInfo(m)->label);
    return out;
}

std::vector<std::string_view> DisplayModeModel::optionLabels() const
{
    std::vector<std::string_view> out;
    const ModeInfo* m = modeInfo(m_mode);
    for (int row = 0; row < m->optionCount; ++row)
        out.push_back(modeOptionInfo(m->options[static_cast<size_t>(row)])->label);
    return out;
}

void DisplayModeModel::selectMode(int mode)
{
    if (!modeInfo(mode))
        return;
    m_mode = mode;
    m_row = 0;
    pullCountIntoRange();
}

void DisplayModeModel::selectOptionRow(int row)
{
    if (row < 0 || row >= modeInfo(m_mode)->optionCount)
        return;
    m_row = row;
    pullCountIntoRange();
}

std::string_view DisplayModeModel::descriptionKey() const
{
    return modeInfo(m_mode)->descriptionKey;
}

int DisplayModeModel::minCount() const
{
    return modeOptionInfo(option())->minCount;
}

int DisplayModeModel::maxCount() const
{
    return modeOptionInfo(option())->maxCount;
}

std::string_view DisplayModeModel::countLabel() const
{
    return modeOptionInfo(option())->countLabel;
}

void DisplayModeModel::setCount(long long count)
{
    m_count = static_cast<int>(std::clamp<long long>(count, minCount(), maxCount()));
}

bool DisplayModeModel::combineVisible() const
{
    if (m_count <= 1)
        return false;
    int opt = option();
    if (m_mode == 2)
        return opt == 0 || opt == 2;
    if (m_mode == 3 || m_mode == 4)
        return opt == 7 || opt == 9;
    return false;
}

void DisplayModeModel::finish(bool confirmed)
{
    if (confirmed) {
        OptionsRecord rec = m_options.options();
        rec.displayMode.mode = m_mode;
        rec.displayMode.modeOpt = option();
        rec.displayMode.modeOptNum = m_count;
        rec.displayMode.modeOptCombineRes = m_combine ? 1 : 0;
        int status = m_options.setOptions(rec);
        if (status != 0)
            alertOptionsNotSaved(status);
        m_bus.post(note::kDisplayRecommendation);
    }
    m_bus.post(note::kOptionsUpdate);
}

}  // namespace qor
