#include "tests/ui/TestPanels.h"

#include "shell/ObjUtils.h"
#include "tests/ui/LoadCompTestStoryPanel.h"
#include "tests/ui/UnpackProgressPanel.h"

namespace qor {

bool runLoadCompTestStory(QWidget* parent, const std::string& setPrefKey, const std::string& textPrefKey,
                          std::string& storyPath, std::string& setName, CurrentPrefs& prefs)
{
    LoadCompTestStory model(prefs, setPrefKey, textPrefKey);
    LoadCompTestStoryPanel panel(model, parent);
    panel.initialize();
    panel.exec();
    storyPath = model.testStoryFileName();
    setName = model.testStorySetName();
    return model.result();
}

int checkForTests(QWidget* parent, int edition)
{
    int done = 0;
    UnpackProgressPanel panel(parent);
    for (const TestPackJob& job : testPacksToUnpack(ObjUtils::externalPath(), edition)) {
        UnpackTests unpacker;
        if (!unpacker.startUnpackingInto(ObjUtils::internalPath(), ObjUtils::externalPath(), job.pack, job.set))
            continue;
        panel.unpack(unpacker);
        done += unpacker.hadError() ? 0 : 1;
    }
    return done;
}

}  // namespace qor
