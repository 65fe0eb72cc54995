// Entry point of the library as an extension module of the host's framework: it registers
// when the library is loaded into a process and unregisters when it is unloaded, and does no
// other work at start-up or shut-down.
#include "platform/ExtensionModule.h"

namespace
{
AFX_EXTENSION_MODULE RivezozerModule = {FALSE, "RIVEzozer"};

struct ModuleLifetime
{
    ModuleLifetime() { AfxInitExtensionModule(RivezozerModule); }
    ~ModuleLifetime() { AfxTermExtensionModule(RivezozerModule); }
} lifetime;
} // namespace
