#include "tests/ui/LoadCompTestStoryPanel.h"

namespace qor {

LoadCompTestStoryPanel::LoadCompTestStoryPanel(LoadCompTestStory& model, QWidget* parent)
    : SetItemChooserPanel(model, {tr("Choose a Comprehension Test"), tr("Test set:"), tr("Tests:")}, parent)
{
}

} // namespace qor
