// The GL object owners on a real context: what they create, what a move hands over,
// that the old object dies with its owner, and how they report refusals.

#include <gtest/gtest.h>

#include <GL/glew.h>

#include <memory>
#include <string>
#include <utility>

#include "gl_test_support.h"
#include "render/gl/driver_workarounds.h"
#include "render/gl/full_screen_quad.h"
#include "render/gl/gl_framebuffer.h"
#include "render/gl/gl_program.h"
#include "render/gl/gl_texture.h"

namespace fx::test {
namespace {

// A context held current for the whole test; no other GL error may be pending at its end.
class GlObjectsGlTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        context_ = create_gl_context();
        ASSERT_TRUE(context_->make_current());
    }
    void TearDown() override {
        if (!context_) return;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "a GL error is pending after the test";
        context_->restore();
    }

    std::unique_ptr<GlContext> context_;
};

GLint bound_internal_format() {
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    return format;
}

TEST_F(GlObjectsGlTest, TextureMovesItsNameAndDeletesItWhenItsOwnerGoes) {
    GlTexture first = GlTexture::create();
    const GLuint id = first.id();
    ASSERT_NE(id, 0u);
    glBindTexture(GL_TEXTURE_2D, id);
    ASSERT_TRUE(first.specify_storage(GL_RGBA32F, 3, 2, false));
    glBindTexture(GL_TEXTURE_2D, 0);

    GlTexture second(std::move(first));
    EXPECT_EQ(first.id(), 0u);
    EXPECT_EQ(first.width(), 0);
    EXPECT_EQ(second.id(), id);
    EXPECT_EQ(second.width(), 3);
    EXPECT_EQ(second.height(), 2);
    EXPECT_EQ(second.requested_format(), static_cast<std::uint32_t>(GL_RGBA32F));

    GlTexture third = GlTexture::create();
    const GLuint replaced = third.id();
    third = std::move(second);
    EXPECT_EQ(third.id(), id);
    EXPECT_EQ(glIsTexture(replaced), GL_FALSE) << "the texture a move replaces is deleted";
    { GlTexture last(std::move(third)); }
    EXPECT_EQ(glIsTexture(id), GL_FALSE) << "the texture dies with its owner";
}

TEST_F(GlObjectsGlTest, ForgottenTextureIsNotDeleted) {
    GLuint id = 0;
    {
        GlTexture texture = GlTexture::create();
        id = texture.id();
        glBindTexture(GL_TEXTURE_2D, id);
        glBindTexture(GL_TEXTURE_2D, 0);
        texture.forget();
    }
    EXPECT_EQ(glIsTexture(id), GL_TRUE);
    glDeleteTextures(1, &id);
}

TEST_F(GlObjectsGlTest, RefusedFormatFallsBackTo8BitAndAnImpossibleSizeFails) {
    GlTexture texture = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, texture.id());
    // 0x1234 is no internal format at all.
    ASSERT_TRUE(texture.specify_storage(0x1234, 2, 2, true));
    EXPECT_EQ(bound_internal_format(), GL_RGBA8);
    EXPECT_EQ(texture.requested_format(), 0x1234u) << "the format asked for is remembered";
    EXPECT_EQ(texture.width(), 2);

    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    EXPECT_FALSE(texture.specify_storage(GL_RGBA8, limit + 1, 1, true));
    EXPECT_EQ(texture.width(), 0);
    EXPECT_FALSE(texture.has_storage());
    glBindTexture(GL_TEXTURE_2D, 0);
}

TEST_F(GlObjectsGlTest, FramebufferReportsWhyItIsIncomplete) {
    GlFramebuffer framebuffer = GlFramebuffer::create();
    ASSERT_NE(framebuffer.id(), 0u);
    GlTexture empty = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, empty.id());
    glBindTexture(GL_TEXTURE_2D, 0);
    const std::string refusal = framebuffer.attach_color(empty);
    EXPECT_NE(refusal, "") << "a texture without storage cannot be drawn into";
    EXPECT_NE(refusal.find("(0x"), std::string::npos) << refusal;

    GlTexture target = GlTexture::create();
    glBindTexture(GL_TEXTURE_2D, target.id());
    ASSERT_TRUE(target.specify_storage(GL_RGBA8, 2, 2, false));
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(framebuffer.attach_color(target), "");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    const GLuint id = framebuffer.id();
    GlFramebuffer moved(std::move(framebuffer));
    EXPECT_EQ(framebuffer.id(), 0u);
    EXPECT_EQ(moved.id(), id);
    moved = GlFramebuffer();
    EXPECT_EQ(glIsFramebuffer(id), GL_FALSE);
}

TEST(FramebufferStatusText, NamesTheStatusAndItsCode) {
    EXPECT_EQ(framebuffer_status_text(GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT), "incomplete attachment (0x8cd6)");
    EXPECT_EQ(framebuffer_status_text(GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT), "missing attachment (0x8cd7)");
    EXPECT_EQ(framebuffer_status_text(GL_FRAMEBUFFER_UNSUPPORTED), "unsupported format combination (0x8cdd)");
    EXPECT_EQ(framebuffer_status_text(0), "status query failed (0x0000)");
    EXPECT_EQ(framebuffer_status_text(0x1234), "unknown status (0x1234)");
}

GLuint compiled(GLenum type, const std::string& source) {
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    return shader;
}

GlProgram program_of(const std::string& vertex, const std::string& fragment_source) {
    GlProgram program = GlProgram::create();
    for (const GLuint shader : {compiled(GL_VERTEX_SHADER, vertex), compiled(GL_FRAGMENT_SHADER, fragment_source)}) {
        program.attach(shader);
        glDeleteShader(shader);
    }
    return program;
}

TEST_F(GlObjectsGlTest, LinkedProgramReadsBackItsUniformTable) {
    GlProgram program = program_of(kTestVertexShader,
                                   fragment("uniform vec2 offset; uniform float weights[3]; uniform sampler2D in0;",
                                            "gl_FragColor = texture2D(in0, uv + offset) * (weights[0] + weights[2]);"));
    std::string log;
    ASSERT_TRUE(program.link(log)) << log;
    EXPECT_EQ(log, "");
    EXPECT_TRUE(program.linked());
    const auto& uniforms = program.uniforms();
    ASSERT_EQ(uniforms.count("offset"), 1u);
    EXPECT_EQ(uniforms.at("offset").type, static_cast<std::uint32_t>(GL_FLOAT_VEC2));
    EXPECT_EQ(uniforms.at("offset").location, glGetUniformLocation(program.id(), "offset"));
    ASSERT_EQ(uniforms.count("weights[0]"), 1u);
    EXPECT_EQ(uniforms.at("weights[0]").size, 3);
    EXPECT_EQ(program.uniform_location("weights"), glGetUniformLocation(program.id(), "weights"));
    EXPECT_EQ(program.uniform_location("weights[2]"), glGetUniformLocation(program.id(), "weights[2]"));
    EXPECT_NE(program.uniform_location("weights[2]"), -1);
    EXPECT_EQ(program.uniform_location("in0"), glGetUniformLocation(program.id(), "in0"));
    EXPECT_EQ(program.uniform_location("unused"), -1);
    EXPECT_EQ(program.uniform_location(""), -1);
}

TEST_F(GlObjectsGlTest, QuadAttributesArePlacedWhateverTheirOrder) {
    // The texture coordinate is declared first; the quad feeds position on 0 and the
    // texture coordinate on 1.
    GlProgram program = program_of(kTestVertexShader, kIdentityShader);
    std::string log;
    ASSERT_TRUE(program.link(log)) << log;
    EXPECT_EQ(glGetAttribLocation(program.id(), "corner"), 0);
    EXPECT_EQ(glGetAttribLocation(program.id(), "corner_uv"), 1);
    EXPECT_FALSE(place_quad_attributes(program.id())) << "placed once, nothing moves again";
}

TEST_F(GlObjectsGlTest, FailedLinkGivesTheLinkersLogAndNoTable) {
    GlProgram program = program_of(
        kTestVertexShader,
        "#version 120\nvoid missing_helper();\nvoid main() { missing_helper(); gl_FragColor = vec4(1.0); }\n");
    std::string log = "before\n";
    EXPECT_FALSE(program.link(log));
    EXPECT_FALSE(program.linked());
    EXPECT_EQ(log, "before\n" + program_info_log(program.id())) << "appended as the driver wrote it";
    EXPECT_NE(log.find("missing_helper"), std::string::npos) << log;
    EXPECT_TRUE(program.uniforms().empty());

    GlProgram none;
    std::string none_log;
    EXPECT_FALSE(none.link(none_log));
    EXPECT_EQ(none_log, "the driver could not create a program\n");
}

TEST_F(GlObjectsGlTest, StageThatDoesNotCompileGivesTheCompilersText) {
    std::string message;
    EXPECT_EQ(compile_shader_object(GL_FRAGMENT_SHADER, "#version 120\nvoid main() { gl_FragColor = ; }\n", message),
              0u);
    EXPECT_NE(message.find("error"), std::string::npos) << message;
    std::string unused;
    const GLuint shader = compile_shader_object(GL_FRAGMENT_SHADER, kIdentityShader, unused);
    EXPECT_NE(shader, 0u);
    EXPECT_EQ(unused, "");
    glDeleteShader(shader);
}

TEST_F(GlObjectsGlTest, ProgramMovesAndDiesWithItsOwner) {
    GlProgram program = program_of(kTestVertexShader, kIdentityShader);
    std::string log;
    ASSERT_TRUE(program.link(log)) << log;
    const GLuint id = program.id();
    GlProgram moved(std::move(program));
    EXPECT_EQ(program.id(), 0u);
    EXPECT_TRUE(program.uniforms().empty());
    EXPECT_EQ(moved.id(), id);
    EXPECT_TRUE(moved.linked());
    EXPECT_NE(moved.uniform_location("in0"), -1);
    moved = GlProgram::create();
    EXPECT_EQ(glIsProgram(id), GL_FALSE) << "the program a move replaces is deleted";
}

TEST_F(GlObjectsGlTest, QuadMovesAndDiesWithItsOwner) {
    FullScreenQuad quad = FullScreenQuad::create();
    ASSERT_TRUE(quad.ready());
    const GLuint array = quad.vertex_array();
    EXPECT_EQ(glIsVertexArray(array), GL_TRUE);
    FullScreenQuad moved(std::move(quad));
    EXPECT_FALSE(quad.ready());
    EXPECT_EQ(moved.vertex_array(), array);
    { FullScreenQuad last(std::move(moved)); }
    EXPECT_EQ(glIsVertexArray(array), GL_FALSE);
}

}  // namespace
}  // namespace fx::test
