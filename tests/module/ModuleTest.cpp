#include <gtest/gtest.h>

#include "platform/ExtensionModule.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

static void* Load(const char* path)
{
    return LoadLibraryA(path);
}
static bool Unload(void* library)
{
    return FreeLibrary(static_cast<HMODULE>(library)) != 0;
}
#else
#include <dlfcn.h>

static void* Load(const char* path)
{
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}
static bool Unload(void* library)
{
    return dlclose(library) == 0;
}
#endif

TEST(Module, RegistersOnceWhileLoadedAndUnregistersWhenUnloaded)
{
    void* library = Load(RIVEZ_MODULE);
    ASSERT_NE(library, nullptr) << RIVEZ_MODULE;
    AFX_EXTENSION_MODULE other = {FALSE, "Other"};
    EXPECT_TRUE(AfxInitExtensionModule(other) && !AfxInitExtensionModule(other)); // once only
    EXPECT_EQ(AfxGetExtensionModules(), (std::vector<std::string>{"RIVEzozer", "Other"}));
    AfxTermExtensionModule(other);
    ASSERT_TRUE(Unload(library));
    EXPECT_TRUE(AfxGetExtensionModules().empty());
}
