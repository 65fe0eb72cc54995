// Entry point of the library as an extension module of the host's framework: it registers
// when the library is loaded into a process and unregisters when it is unloaded, and does no
// other work at start-up or shut-down.
#include "platform/ExtensionModule.h"

namespace
{
AFX_EXTENSION_MODULE RivezozerModule = {FALSE, "RIVEzozer"};
} // namespace

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Windows tells a DLL of its loading and unloading here.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        AfxInitExtensionModule(RivezozerModule);
    else if (reason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(RivezozerModule);
    return TRUE;
}
#else
namespace
{
// A shared library's static objects are made when it is loaded and destroyed when unloaded.
struct ModuleLifetime
{
    ModuleLifetime() { AfxInitExtensionModule(RivezozerModule); }
    ~ModuleLifetime() { AfxTermExtensionModule(RivezozerModule); }
} lifetime;
} // namespace
#endif
