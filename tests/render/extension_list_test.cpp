#include <gtest/gtest.h>

#include "render/gl/gl_capabilities.h"

namespace fx {
namespace {

struct ExtensionCase {
    const char* what;
    const char* list;
    const char* name;
    bool listed;
};

class ExtensionListTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionListTest, NamesOnlyWholeWords) {
    const ExtensionCase& c = GetParam();
    EXPECT_EQ(extension_listed(c.list, c.name), c.listed)
        << "list \"" << (c.list ? c.list : "(null)") << "\", name \"" << c.name << "\"";
}

INSTANTIATE_TEST_SUITE_P(Lists, ExtensionListTest,
                         ::testing::Values(ExtensionCase{"only", "EGL_KHR_a", "EGL_KHR_a", true},
                                           ExtensionCase{"first", "EGL_KHR_a EGL_KHR_b", "EGL_KHR_a", true},
                                           ExtensionCase{"last", "EGL_KHR_a EGL_KHR_b", "EGL_KHR_b", true},
                                           ExtensionCase{"prefix_of_longer", "EGL_KHR_ab", "EGL_KHR_a", false},
                                           ExtensionCase{"suffix_of_longer", "XEGL_KHR_a", "EGL_KHR_a", false},
                                           ExtensionCase{"after_a_prefix_match", "EGL_KHR_ab EGL_KHR_a", "EGL_KHR_a",
                                                         true},
                                           ExtensionCase{"null_list", nullptr, "EGL_KHR_a", false},
                                           ExtensionCase{"empty_list", "", "EGL_KHR_a", false}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace fx
