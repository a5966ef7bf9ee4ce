#include "base/Plugins.h"

#include "base/Log.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

namespace qor {

namespace {

std::mutex& lock()
{
    static std::mutex m;
    return m;
}

std::string& folder()
{
    static std::string f;
    return f;
}

}  // namespace

void setPluginFolder(std::string f)
{
    std::lock_guard<std::mutex> g(lock());
    if (!f.empty() && f.back() != '/')
        f += '/';
    folder() = std::move(f);
}

void* pluginSymbol(const std::string& module, const char* symbol)
{
    std::lock_guard<std::mutex> g(lock());
    static std::map<std::string, void*> handles;
    auto it = handles.find(module);
    if (it == handles.end()) {
        void* handle = nullptr;
        std::string tried;
        for (const std::string& dir : {folder(), std::string(QOR_PLUGIN_DIR "/")}) {
            if (dir.empty() || dir == "/")
                continue;
            const std::string path = dir + module;
            handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle)
                break;
            const char* why = dlerror();
            tried += "\n  " + path + ": " + (why ? why : "not loaded");
        }
        if (!handle)
            logLine("plugins: \"" + module + "\" could not be loaded:" + tried);
        it = handles.emplace(module, handle).first;
    }
    if (!it->second)
        return nullptr;
    void* address = dlsym(it->second, symbol);
    if (!address)
        logLine("plugins: \"" + module + "\" has no \"" + symbol + "\"");
    return address;
}

}  // namespace qor
