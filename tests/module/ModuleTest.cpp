#include <algorithm>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/ExtensionModule.h"

namespace
{
bool Registered(const char* name)
{
    auto modules = AfxGetExtensionModules();
    return std::find(modules.begin(), modules.end(), name) != modules.end();
}
} // namespace

TEST(Module, RegistersWhileLoadedAndUnregistersWhenUnloaded)
{
    EXPECT_FALSE(Registered("RIVEzozer"));
    void* library = dlopen(RIVEZ_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_TRUE(Registered("RIVEzozer"));
    EXPECT_EQ(AfxGetExtensionModules().size(), 1u);
    ASSERT_EQ(dlclose(library), 0);
    EXPECT_FALSE(Registered("RIVEzozer"));
}

TEST(Module, RegistryTakesEachModuleOnce)
{
    AFX_EXTENSION_MODULE other = {FALSE, "Other"};
    EXPECT_TRUE(AfxInitExtensionModule(other));
    EXPECT_FALSE(AfxInitExtensionModule(other));
    EXPECT_EQ(AfxGetExtensionModules(), std::vector<std::string>{"Other"});
    AfxTermExtensionModule(other);
    EXPECT_TRUE(AfxGetExtensionModules().empty());
}
