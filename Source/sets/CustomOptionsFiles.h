#pragma once
// Custom option sets: named files of named reading-option records.
//
// A set is the file CustomOptions3/{set}.db below the external folder: a
// sequence of 692-byte stored records and nothing else. The number of
// records is the file size divided by 692, rounded down; trailing bytes
// are ignored, and the next add writes over them.
//
// Stored record (little-endian, every byte not listed is zero):
//
//     0 option name (81-byte field, at most 63 bytes written)
//    84 speed          92..100 backgroundColor r g b
//   108 mode copy     112, 116 modeOptNum copies (written, never read)
//   120 burstType     132 lowSpeed       136 highSpeed
//   140 unit (32 bits; read back as its low 16)
//   144 bLongWordDelay 148 longWordDelay 152 wordLength
//   156 bSentenceDelay 160 sentenceDelay 164 bPuctuationDelay
//   168 punctuationDelay 172 bFixed  (flags widened to 32 bits)
//   176 fontName (80-byte field, at most 79 bytes)
//   260..268 fontColor r g b
//   288 3 when style bit 1 (bold)   292 1 for style bit 4
//   296 1 for style bit 8           300 size
//   308 windowX 312 windowY 316 windowWidth 320 windowHeight 324 margin
//   328 progress shown (!hideProgress)  329 controls shown (!hideControls)
//   330 timer minutes (s16)   332 timer seconds (s16)
//   414 1 for style bit 2
//   416 mode  420 modeOpt  424 modeOptNum  428 modeOptCombineRes (byte)
//   436..444 highlightBackgroundColor r g b
//   452..460 highlightFontColor r g b
//   464 bBeginningOfLineDelay 468 beginningOfLineDelay
//   472 bBeginningOfPageDelay 476 beginningOfPageDelay
//   480 bMinimumDelay 484 minimumDelay 488 burstNum 552 speechSpeed
//
// Colour alphas are not stored (they load as 65535), nor is jnk1. Font
// names of the other desktop platform are mapped on reading (mapFontName).
//
// Set names are UTF-8 and looked up ignoring letter case; option names
// are Mac OS Roman bytes compared exactly.

#include "display/OptionsRecord.h"
#include "shell/ObjUtils.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr size_t kStoredOptionSize = 692;
inline constexpr size_t kOptionNameField = 64; // at most 63 bytes of name
inline constexpr size_t kStoredFontNameField = 80;
// Larger files are refused rather than read into memory.
inline constexpr size_t kMaxOptionSetBytes = kStoredOptionSize * 100000;

// The in-memory option: its name (Mac OS Roman, at most 63 bytes) and the
// reading options it stores.
struct OptionFileRec {
    std::string name;
    OptionsRecord options;
};

class CustomOptionsFiles {
public:
    explicit CustomOptionsFiles(std::string externalFolder = ObjUtils::externalPath());

    // --- the stored record ---
    static std::string convertToPCRec(const OptionFileRec& rec);
    // Reads the first 692 bytes; false (out cleared) when there are fewer.
    static bool convertFromPCRec(std::string_view stored, OptionFileRec& out);
    // The other platform's font names to ours, whole names only.
    static std::string& mapFontName(std::string& fontName, bool bold);
    // The option name of a stored record, as the list compares it.
    static std::string storedName(std::string_view stored);
    // The whole records of a file's bytes (trailing bytes dropped).
    static std::vector<std::string> splitRecords(std::string_view file);

    // --- sets ---
    // CustomOptions3/ with a trailing "/".
    std::string getParentFolder() const;
    // The set's file ({set}.db, its own spelling when it exists); "" for
    // a name the name rule refuses.
    std::string getFilePath(std::string_view setName) const;
    int createOptionsSet(std::string_view setName) const;
    int duplicateOptionsSet(std::string_view from, std::string_view to) const;
    int removeOptionsSet(std::string_view setName) const;

    // --- options ---
    // Stores `options` under a typed name (UTF-8, cut to 63 Mac OS Roman
    // bytes) at the end of the set's whole records, rewriting the file
    // atomically. 0 when stored; kDuplicateName when an option of exactly
    // the cut name exists (nothing written); kAccessDenied for a set that
    // ships with the system; kBadName for an empty or unencodable name;
    // kFileNotFound without the set's file; another status when the file
    // could not be read or written.
    int addOption(std::string_view optionName, std::string_view setName, const OptionsRecord& options) const;
    // Removes the first option of exactly that name (Mac OS Roman bytes)
    // and rewrites the rest as they were stored, in name order,
    // atomically. 0 also when no option has the name (nothing written).
    int removeOption(std::string_view optionName, std::string_view setName) const;
    // One option for a run: the option of that name, else the set's first.
    // In a set that ships with the system the window width and height
    // become 0x7FFFFFFF. False (out unchanged) for a missing or empty set.
    bool getOptions(OptionFileRec& out, std::string_view setName, std::string_view optionName) const;

    const std::string& externalFolder() const { return m_external; }

private:
    std::string m_external;
};

// The loaded, sorted contents of one set file.
class CustomOptionsFilesList {
public:
    // Loads the set. With report on, a missing file shows "The Custom
    // Option file "%s" could not be found" and a file that cannot be read
    // the file error; either way the list is empty.
    explicit CustomOptionsFilesList(std::string_view setName,
                                    std::string externalFolder = ObjUtils::externalPath(),
                                    bool report = true);

    const std::string& getSetName() const { return m_setName; }
    // 0 when the file was read; its status otherwise.
    int loadStatus() const { return m_loadStatus; }
    int count() const { return static_cast<int>(m_pOptionsArray.size()); }
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    // First option whose name equals the UTF-8 name's Mac OS Roman bytes
    // (at most 255) exactly; -1 when none does.
    int indexOfEqualString(std::string_view utf8Name) const;
    int indexOfStoredName(std::string_view macRomanName) const;
    bool isDuplicate(std::string_view utf8Name) const { return indexOfEqualString(utf8Name) != -1; }
    // The option's name as UTF-8 text; "" outside the list.
    std::string stringAtIndex(int index) const;
    // The option's name bytes, at most size - 1 of them.
    std::string getCString(int index, size_t size) const;
    // nullptr outside the list; owned by the list.
    const OptionFileRec* optionFileRecFromIndex(int index) const;
    // Removes the option and rewrites the file (see removeOption).
    int removeOptionAtIndex(int index);

    const std::vector<OptionFileRec>& options() const { return m_pOptionsArray; }

private:
    std::string m_setName;
    std::string m_external;
    std::vector<OptionFileRec> m_pOptionsArray;
    std::vector<std::string> m_raw; // each option's stored bytes, same index
    int m_loadStatus = 0;
};

// The literal text for a set file that is missing.
std::string missingOptionSetMessage(std::string_view setName);

} // namespace qor
