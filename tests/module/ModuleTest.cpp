#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/ExtensionModule.h"

using Names = std::vector<std::string>;

TEST(Module, RegistersWhileLoadedOnceEachAndUnregistersWhenUnloaded)
{
    void* library = dlopen(RIVEZ_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_EQ(AfxGetExtensionModules(), Names{"RIVEzozer"});
    AFX_EXTENSION_MODULE other = {FALSE, "Other"};
    EXPECT_TRUE(AfxInitExtensionModule(other));
    EXPECT_FALSE(AfxInitExtensionModule(other));
    EXPECT_EQ(AfxGetExtensionModules(), (Names{"RIVEzozer", "Other"}));
    AfxTermExtensionModule(other);
    ASSERT_EQ(dlclose(library), 0);
    EXPECT_EQ(AfxGetExtensionModules(), Names{});
}
