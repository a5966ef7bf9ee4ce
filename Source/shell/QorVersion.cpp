#include "shell/QorVersion.h"

#ifndef QOR_EDITION
#error "QOR_EDITION must be defined by the build"
#endif

namespace qor {

int QorVersion::qorVersion()
{
    return QOR_EDITION;
}

std::string QorVersion::displayName(int edition)
{
    switch (edition) {
    case 1: return "Quorlinth Home";
    case 2: return "Quorlinth Studio";
    case 3: return "Quorlinth Studio Max";
    case 4: return "Quorlinth Campus";
    default: return {};
    }
}

std::string QorVersion::logoName(int edition)
{
    switch (edition) {
    case 1: return "qhm_logo.png";
    case 2: return "qst_logo.png";
    case 3: return "qsx_logo.png";
    case 4: return "qcm_logo.png";
    default: return {};
    }
}

std::string QorVersion::qorVersionString()
{
    return displayName(qorVersion());
}

std::string QorVersion::logo()
{
    return logoName(qorVersion());
}

std::string QorVersion::versionNumber()
{
    return QOR_VERSION_STRING;
}

}  // namespace qor
