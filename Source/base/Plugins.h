#pragma once
// Loading a plugin module on first use. The libraries behind PDF reading
// and speech bring dozens of their own; loading them only when a PDF is
// opened or speech is started keeps the program's start quick.
//
// A plugin is looked for in the plugin folder (the application folder, set
// by main) and then in the build tree's plugin folder (tests, benchmarks).

#include <string>

namespace qor {

void setPluginFolder(std::string folder);
// The address of a symbol of a plugin module, loaded once and kept; null
// (and a line in the log) when the module or the symbol is missing.
void* pluginSymbol(const std::string& module, const char* symbol);

}  // namespace qor
