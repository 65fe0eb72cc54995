#include "ExtensionModule.h"

#include <algorithm>
#include <mutex>

namespace
{
struct Registry
{
    std::mutex lock;
    std::vector<AFX_EXTENSION_MODULE*> modules;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}
} // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state)
{
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> hold(registry.lock);
    if (state.bInitialized)
        return FALSE;
    registry.modules.push_back(&state);
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state)
{
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> hold(registry.lock);
    auto& modules = registry.modules;
    modules.erase(std::remove(modules.begin(), modules.end(), &state), modules.end());
    state.bInitialized = FALSE;
}

std::vector<std::string> AfxGetExtensionModules()
{
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> hold(registry.lock);
    std::vector<std::string> names;
    for (const AFX_EXTENSION_MODULE* module : registry.modules)
        names.emplace_back(module->pszName ? module->pszName : "");
    return names;
}
