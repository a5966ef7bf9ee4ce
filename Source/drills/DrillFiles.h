#pragma once
// Drill texts on disk: plain text files N.txt in the drill text sets, the
// folders "DrillText/<set>/" of the external folder. No header, no marker:
// the text's own bytes.
//
// Names are UTF-8 and go through the name rule before they become paths;
// set and text names are matched ignoring letter case and the entry's own
// spelling is opened. Saving is atomic (0666), set folders are 0777.

#include "sets/QorCat.h"
#include "shell/ObjUtils.h"
#include "text/TextBuffer.h"

#include <string>
#include <string_view>

namespace qor {

inline constexpr const char* kDrillTextExt = ".txt";
// Names of sets in lists and paths: at most 1023 bytes; drill text names
// as the editor saves them: at most 255.
inline constexpr size_t kDrillSetNameField = 1024;
inline constexpr size_t kDrillTextNameField = 256;

// external folder + "DrillText/" + set + "/". False when the external
// folder is unknown or the set name breaks the name rule.
bool drillTextSetFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out);

class DrillFiles {
public:
    // The folder of an existing set (its own spelling); false when the
    // name is refused or there is no such set.
    static bool getFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out);
    // The drill texts root; -4960 when the external folder is unknown, -120
    // when the root does not exist.
    static int getParentRef(const std::string& externalFolder, std::string& out);

    // Reads a drill text ("name.txt", matched ignoring letter case) raw and
    // cleans it as a reading text with at-sign removal (QorFile::
    // loadFileFromPath, which shows its own messages). A null block when
    // the names are refused or the text cannot be read.
    static TextBuffer getDrillTextBySetName(const std::string& externalFolder, std::string_view setName,
                                            std::string_view fileName);
    // Replaces (or creates) set + name + ".txt" with exactly the bytes,
    // atomically. An existing text in another letter case keeps its
    // spelling. False for refused names, a missing set, a failed write.
    static bool saveDrillTextFile(const std::string& externalFolder, std::string_view setName,
                                  std::string_view textName, std::string_view bytes);

    static bool createDrillSet(const std::string& externalFolder, std::string_view setName);
    // A writable copy (files 0666, folder 0777) of the set's plain files.
    static bool duplicateDrillSet(const std::string& externalFolder, std::string_view setName,
                                  std::string_view newSetName);
    static bool removeDrillSet(const std::string& externalFolder, std::string_view setName);
};

// The drill text sets: the folders of "DrillText/". An absent root gives an
// empty catalogue.
class DrillTextSets : public QorCat {
public:
    explicit DrillTextSets(const std::string& externalFolder = ObjUtils::externalPath());
};

// The drill texts of one set: its ".txt" files (the suffix in any letter
// case) by name without the extension, in the listing order. A file
// reference is the text's path.
class DrillFilesList : public QorCat {
public:
    explicit DrillFilesList(std::string setName, const std::string& externalFolder = ObjUtils::externalPath());
    const std::string& getSetName() const { return m_setName; }

private:
    std::string m_setName;
};

}  // namespace qor
