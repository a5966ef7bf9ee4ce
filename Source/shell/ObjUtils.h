#pragma once
// Shared operations of the whole system: the application's folders, file
// and folder operations over them, character classes, numbers, colours,
// fonts, dates and a few platform questions.
//
// Paths are UTF-8 strings; a folder path given back by the folder queries
// ends in "/". File operations report through their results only and show
// no alert.

#include "shell/Platform.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace qor {

// The application's folders. The application is the folder "Quorlinth/"
// holding the executable, "Resources/" (the internal folder) and
// "SharedSupport/"; the external folder is the folder that contains it.
struct AppFolders {
    std::string external;       // all data folders live here
    std::string internal;       // read-only resources
    std::string sharedSupport;

    // The folders of an application folder (the one holding the executable).
    static AppFolders forApplicationFolder(const std::string& appFolder);
};

// A colour of the stored records: four components 0 to 65535.
struct QorColor {
    int32_t red = 0, green = 0, blue = 0, alpha = 65535;
};

class ObjUtils {
public:
    static void setFolders(const AppFolders& folders);
    static const AppFolders& folders();

    // --- paths ---
    static std::string externalPath();
    // The external folder in Mac OS Roman, with "/", at most 1023 bytes.
    static bool getExternalDir(std::string& out);
    static std::string internalPath();
    static bool getInternalDir(std::string& out);
    static std::string sharedSupport();
    // YES for a path outside the external folder or inside its
    // "ImportExport" folder; NO for any other path inside the external
    // folder. Paths are made canonical first ("..", ".", links) and compared
    // by whole components.
    static bool checkOutSide(const std::string& path);

    // --- files ---
    static bool fileOrDirExists(const std::string& path);
    // Creates an empty file (mode 0666) and gives its path back in outRef:
    // 0; -48 when it exists (outRef is still set); -4960 when the folder
    // cannot be resolved; another status code for other failures.
    static int createFileUsingCFURL(const std::string& path, const std::string& creator,
                                    const std::string& type, std::string* outRef);
    // Creates the sub-folder `name` of `folder` (mode 0777): the same codes;
    // kBadName when the name breaks the name rule.
    static int createFolderUsingCFURL(const std::string& folder, const std::string& name,
                                      std::string* outRef);
    static bool createFileAtPath(const std::string& path);
    // Replaces the destination's data with the source's and copies the
    // dates. NO when either cannot be opened or not all was written.
    static bool copyFileFrom(const std::string& from, const std::string& to);
    // Copies the folder's dates and every plain file of the source (the
    // catalogue's file list: names not beginning with ".") into the
    // destination. Sub-folders, links and other entries are skipped. YES
    // for an empty folder; NO when any copy fails or the source cannot be
    // listed.
    static bool copyFolderFrom(const std::string& from, const std::string& to);
    static bool copyFileDatesFrom(const std::string& from, const std::string& to);
    // Deletes everything in the folder, then the folder unless keepFolder.
    // Links are removed, never followed. Refuses (NO) the external folder
    // itself, its "Users" folder and anything above them.
    static bool removeFolder(const std::string& folder, bool keepFolder);
    static void removeFileWithPath(const std::string& path);
    static void removeFolderWithPath(const std::string& path);
    // Reads one line, up to and including a line feed, at most length - 1
    // bytes, and terminates it. nullptr when nothing could be read.
    static char* forkGetS(char* buffer, int length, std::FILE* file);
    static void cleanMicrosoftPath(std::string& path);

    // --- names and characters ---
    static bool readOnlyName(std::string_view name);
    static bool startsWithBlank(std::string_view name);
    static bool punctuation(char c);
    static bool sentence(char c);
    static bool hasSentence(std::string_view s);
    static bool hasPunctuation(std::string_view s);
    static int removeCharFromBeginningOfString(char c, std::string& s);
    static int removeCharFromBuffer(char c, char* buffer, int size);

    // --- numbers, colours, fonts, dates ---
    // a / b rounded half up; 0 when b <= 0.
    static int roundDivNom(int a, int b);
    static int min(int a, int b) { return a < b ? a : b; }
    static int colorFloatToInt(float component);
    static float colorIntToFloat(int component);
    static bool equalColor(const QorColor& a, const QorColor& b);
    // The font to use for a requested name: the name when installed, else
    // its replacement, else "Helvetica".
    static std::string fontWithName(const std::string& name);
    // "%02d/%02d/%04d" (month, day, year) and "%02d:%02d" in the local time
    // zone, for seconds since 1 January 2001, 00:00 GMT.
    static std::string formatDateDT(uint32_t seconds);
    static std::string formatTimeDT(uint32_t seconds);

    // --- platform ---
    static std::string version();
    static Rect visibleRect();
    static bool validPasteBoardData();
    // The clipboard's text, or "" with ok false.
    static std::string clipboardString(bool* ok = nullptr);
    static bool isLeopardOrGreater() { return true; }
    static bool displayHelp();
    static bool onlineHelp();
    static const char* kHelpFileName;
    static const char* kSupportUrl;
};

}  // namespace qor
