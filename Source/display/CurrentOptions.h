#pragma once
// The reading options of the reader logged on, held for the whole process
// and saved to the reader's "options" file after every change.
//
// The reader's folder comes from a source the users subsystem installs
// (setUserFolderSource); it answers "" while nobody is logged on. Every
// save is an atomic rewrite of the whole 436-byte file, which re-creates
// a file that has gone missing.

#include "display/OptionsRecord.h"

#include <functional>
#include <string>

namespace qor {

inline constexpr const char* kOptionsFileName = "options";

class CurrentOptions {
public:
    // The process-wide holder, created on first use with an all-zero record.
    static CurrentOptions& instance();

    // A holder of its own (tests), all zero.
    CurrentOptions() = default;

    using UserFolderSource = std::function<std::string()>;
    // Where the logged-on reader's folder is; "" or a missing folder means
    // no valid reader.
    void setUserFolderSource(UserFolderSource source) { m_userFolder = std::move(source); }
    // The path of the reader's options file, or "" without a valid reader.
    std::string optionsFilePath() const;

    // A copy of the record. A record that was never initialised (speed 0)
    // is replaced by the defaults, which are saved, first.
    void getOptions(OptionsRecord& out);
    OptionsRecord options()
    {
        OptionsRecord r;
        getOptions(r);
        return r;
    }

    // Takes the record (pulled into the valid ranges) and saves it. The
    // record is in force whatever the save answers; the answer is its
    // status (0 saved, negative otherwise).
    int setOptions(const OptionsRecord& rec);
    // Puts the record in force (pulled into the valid ranges) without
    // saving it: for changes that come in quick succession, such as the
    // window being dragged, saved once they settle (saveOptionsFile).
    void holdOptions(const OptionsRecord& rec);

    // Loads the reader's file at logon. The holder first becomes the
    // defaults, so nothing of a previous reader survives a failed load.
    // False without a valid reader, or when a missing file could not be
    // created. A file that is short, unreadable or never initialised
    // leaves the defaults in force (and the file as it is until the next
    // change); a readable one is validated field by field.
    bool loadOptionsFile();

    // Writes the record to the reader's file: 0, or a negative status
    // (kFolderNotFound without a valid reader).
    int saveOptionsFile();

    // The record as held, without the never-initialised check.
    const OptionsRecord& record() const { return m_optRec; }

private:
    std::string userFolder() const;

    OptionsRecord m_optRec;
    UserFolderSource m_userFolder;
};

// Tells the reader that the options could not be saved (status from
// setOptions or saveOptionsFile).
void alertOptionsNotSaved(int status);

}  // namespace qor
