#pragma once
// One comprehension-test result, as the reader's score store keeps it, and
// the rule that says whether it counts toward the base reading speed.
//
// The score store (the file "Testres3m.db" in the reader's folder, a
// property list with one array "Scores" of dictionaries) reads and writes
// records through the codec below; the user store asks it through the
// ScoreStore interface.

#include "base/PropertyList.h"
#include "users/GlobalOptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct ScoreRecord {
    int32_t speed = 0;       // words per minute
    int32_t percent = -1;    // 0 to 100; -1 for a cancelled test
    float seconds = 0;       // when it was logged, seconds since 1 January 2001
    std::string name;        // story name, Mac OS Roman
    std::string setName;     // test set name, Mac OS Roman
    std::string optionSet;   // custom option set of a forced-speed test, else empty
    std::string option;      // custom option of a forced-speed test, else empty
    bool normalMode = false; // true: self-paced; false: forced-speed

    // The names' stored fields are 81 bytes; a name holds at most 79.
    static constexpr size_t kNameField = 81;
    static constexpr size_t kMaxNameBytes = 79;

    bool operator==(const ScoreRecord&) const = default;
};

namespace scorekey {
inline constexpr const char* kScores = "Scores";
inline constexpr const char* kSpeed = "SpeedValue";
inline constexpr const char* kPercent = "PercentComp";
inline constexpr const char* kSeconds = "Seconds";
inline constexpr const char* kName = "Name";
inline constexpr const char* kSetName = "SetName";
inline constexpr const char* kOptionSet = "PreSetOptionSet";
inline constexpr const char* kOption = "PreSetOption";
inline constexpr const char* kNormalMode = "NormalMode";
}  // namespace scorekey

// A Mac OS Roman name cut to the 79 bytes a score holds.
std::string scoreName(std::string_view macRoman);

// The dictionary of one score (names written as UTF-8 text) and back. A
// name that is not valid text leaves its field empty; every name is cut to
// 79 bytes. False when the value is no dictionary.
PlistValue scoreToPlist(const ScoreRecord& score);
bool scoreFromPlist(const PlistValue& value, ScoreRecord& score);

// The score counts toward the base reading speed: it is self-paced, not
// cancelled, and passes the site's speed and percentage requirements (all
// compared unsigned; flags tested on their lowest byte). Whether it repeats
// an earlier test is the score filter's concern, not this rule's.
bool isValidScore(const ScoreRecord& score, const BrsRequirements& brs);

// The reader's score store as the user store reaches it.
class ScoreStore {
public:
    virtual ~ScoreStore() = default;
    // The reader's scores, oldest first (empty when there are none).
    virtual std::vector<ScoreRecord> scores(const std::string& user) = 0;
    // Appends a score and rewrites the store; false when it could not.
    virtual bool addScore(const std::string& user, const ScoreRecord& score) = 0;
    // The reader's base reading speed, 0 when there is none.
    virtual int currentBRS(const std::string& user) = 0;
};

}  // namespace qor
