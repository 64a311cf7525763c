// The plug-in library's dynamic interface is exactly its four exports. (The Windows
// build's export table is checked by the plugin_image test.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "AE_Effect.h"
#include "AE_PluginData.h"
#include "simhost/plugin_library.h"

namespace {

#ifndef _WIN32
// Names of the symbols the library defines in its dynamic symbol table, as
// `nm -D --defined-only` lists them ("address type name").
std::set<std::string> defined_dynamic_symbols(const std::string& library) {
    const std::string command = "nm -D --defined-only '" + library + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::set<std::string> names;
    if (!pipe) return names;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    return names;
}

TEST(PluginExports, DynamicSymbolTableHoldsExactlyTheFourEntryPoints) {
    const std::set<std::string> expected = {"AmdPowerXpressRequestHighPerformance", "EffectMain", "NvOptimusEnablement",
                                            "PluginDataEntryFunction"};
    EXPECT_EQ(defined_dynamic_symbols(FX_PLUGIN_PATH), expected);
}
#endif

TEST(PluginExports, GpuPreferenceWordsAreOne) {
    const fx::PluginLibrary library(FX_PLUGIN_PATH);
    for (const char* name : {"NvOptimusEnablement", "AmdPowerXpressRequestHighPerformance"}) {
        const auto* word = static_cast<const std::uint32_t*>(library.symbol(name));
        ASSERT_NE(word, nullptr) << name;
        EXPECT_EQ(*word, 1u) << name;
    }
}

TEST(PluginExports, RegistrationWithoutACallbackAnswersInsteadOfCrashing) {
    const fx::PluginLibrary library(FX_PLUGIN_PATH);
    const auto entry = reinterpret_cast<PluginDataEntryFunctionPtr>(library.symbol("PluginDataEntryFunction"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(nullptr, nullptr, nullptr, "host", "1.0"), PF_Err_BAD_CALLBACK_PARAM);
}

}  // namespace
