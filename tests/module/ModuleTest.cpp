#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/ExtensionModule.h"

TEST(Module, RegistersOnceWhileLoadedAndUnregistersWhenUnloaded)
{
    void* library = dlopen(RIVEZ_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    AFX_EXTENSION_MODULE other = {FALSE, "Other"};
    EXPECT_TRUE(AfxInitExtensionModule(other) && !AfxInitExtensionModule(other)); // once only
    EXPECT_EQ(AfxGetExtensionModules(), (std::vector<std::string>{"RIVEzozer", "Other"}));
    AfxTermExtensionModule(other);
    ASSERT_EQ(dlclose(library), 0);
    EXPECT_TRUE(AfxGetExtensionModules().empty());
}
