#include "shell/Platform.h"

namespace qor {

namespace {
PlatformServices g_services;
}

PlatformServices& platform()
{
    return g_services;
}

void installPlatform(const PlatformServices& services)
{
    g_services = services;
}

}  // namespace qor
