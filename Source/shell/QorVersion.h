#pragma once
// The edition this build is: 1 Home (single reader, no logon), 2 Studio,
// 3 Studio Max, 4 Campus. Chosen at configure time (QOR_EDITION).

#include <string>

namespace qor {

class QorVersion {
public:
    static int qorVersion();
    // The display name of this build's edition.
    static std::string qorVersionString();
    // The display name and logo image name of any edition; "" outside 1-4.
    static std::string displayName(int edition);
    static std::string logoName(int edition);
    // The logo image of this build's edition, a file name in the internal
    // folder's "Images" folder; "" outside 1-4.
    static std::string logo();
    // The application's version number, as "3.0.0".
    static std::string versionNumber();
};

}  // namespace qor
