#include "definition/loader/builtin_text.h"

#include <gtest/gtest.h>

#include "definition/loader/read_file.h"

namespace fx {
namespace {

class EveryBuiltinText : public ::testing::TestWithParam<int> {};

TEST_P(EveryBuiltinText, IsStoredScrambledAndUnscramblesToItsPlainText) {
    BuiltinText which = static_cast<BuiltinText>(GetParam());
    std::string_view stored = stored_builtin_text(which);
    std::string plain = builtin_text(which);
    ASSERT_FALSE(stored.empty()) << builtin_text_name(which) << " has no stored literal";
    EXPECT_EQ(stored.front(), '?') << builtin_text_name(which);
    EXPECT_FALSE(plain.empty()) << builtin_text_name(which);
    EXPECT_EQ(stored.size(), plain.size() + 1) << builtin_text_name(which);
    if (plain.size() > 2) {
        EXPECT_NE(stored.substr(1), plain) << builtin_text_name(which) << " is stored in plain form";
    }
}

INSTANTIATE_TEST_SUITE_P(All, EveryBuiltinText, ::testing::Range(0, kBuiltinTextCount), [](const auto& info) {
    return std::string(builtin_text_name(static_cast<BuiltinText>(info.param)));
});

TEST(BuiltinText, DefinitionIsTheEditableSourceFile) {
    std::string source = read_file(FX_BUILTIN_DEFINITION_FILE);
    ASSERT_FALSE(source.empty()) << FX_BUILTIN_DEFINITION_FILE;
    EXPECT_EQ(builtin_text(BuiltinText::definition), source);
}

TEST(BuiltinText, ProductTextsDoNotShowInTheBinaryForm) {
    std::string_view definition = stored_builtin_text(BuiltinText::definition);
    EXPECT_EQ(definition.find("gl_FragColor"), std::string_view::npos);
    EXPECT_EQ(definition.find("Morvelline"), std::string_view::npos);
}

TEST(BuiltinText, TextsTheEngineSplicesHaveTheirExactShape) {
    // The defines block is directive + name + " " + value: the blank must survive.
    EXPECT_EQ(builtin_text(BuiltinText::define_directive), "#define ");
    EXPECT_EQ(builtin_text(BuiltinText::definition_marker).size(), 11u);
    EXPECT_EQ(builtin_text(BuiltinText::definition_extension).front(), '.');
    for (BuiltinText shader : {BuiltinText::default_vertex_shader, BuiltinText::fallback_vertex_shader,
                               BuiltinText::fallback_fragment_shader}) {
        std::string text = builtin_text(shader);
        EXPECT_EQ(text.rfind("#version 120\n", 0), 0u) << builtin_text_name(shader) << ":\n" << text;
        EXPECT_NE(text.find("void main()"), std::string::npos) << builtin_text_name(shader);
    }
    // The fallback fragment shader must link with any vertex shader, so it reads no varying.
    EXPECT_EQ(builtin_text(BuiltinText::fallback_fragment_shader).find("varying"), std::string::npos);
}

}  // namespace
}  // namespace fx
