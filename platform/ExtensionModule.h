#pragma once
// The host framework's registration of extension modules: a module registers itself when it
// is loaded into the process and unregisters when it is unloaded, and the host can ask which
// modules are in. The list belongs to the host process: a host that loads modules as shared
// libraries exports these functions (as the framework's own library would), so that every
// module reaches the one list.
#include <string>
#include <vector>

#include "WinTypes.h"

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    const char* pszName;
};

// Registers the module; FALSE when it is registered already.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// The names of the registered modules, in the order they registered.
std::vector<std::string> AfxGetExtensionModules();
