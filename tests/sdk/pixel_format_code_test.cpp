// Pixel-format codes put their first character in the lowest byte, so the
// code's bytes in memory spell the format name (unlike 'argb' literals).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AE_EffectPixelFormat.h"
#include "PrSDKAESupport.h"

namespace {

std::string bytes_in_memory(A_long code) {
    char b[4];
    std::memcpy(b, &code, sizeof b);
    return std::string(b, 4);
}

struct FormatRow {
    const char* row;
    A_long code;
    const char* spelled;
    A_u_long value;
};

TEST(PixelFormatCode, BytesSpellTheFormatName) {
    const FormatRow rows[] = {
        {"8-bit ARGB", PF_PixelFormat_ARGB32, "argb", 0x62677261u},
        {"8-bit BGRA", PF_PixelFormat_BGRA32, "bgra", 0x61726762u},
        {"16-bit ARGB", PF_PixelFormat_ARGB64, "ae16", 0x36316561u},
        {"float ARGB", PF_PixelFormat_ARGB128, "ae32", 0x32336561u},
        {"premiere 8-bit BGRA", PrPixelFormat_BGRA_4444_8u, "bgra", 0x61726762u},
        {"premiere float BGRA", PrPixelFormat_BGRA_4444_32f, "BGra", 0x61724742u},
        {"premiere float BGRA linear", PrPixelFormat_BGRA_4444_32f_Linear, "BGaL", 0x4C614742u},
        {"invalid", PF_PixelFormat_INVALID, "badf", 0x66646162u},
    };
    for (const FormatRow& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(bytes_in_memory(r.code), r.spelled);
        EXPECT_EQ(static_cast<A_u_long>(r.code), r.value);
    }
}

TEST(PixelFormatCode, PremiereAndHostCodesAgreeForSharedFormats) {
    EXPECT_EQ(static_cast<A_long>(PrPixelFormat_BGRA_4444_8u), PF_PixelFormat_BGRA32);
    EXPECT_EQ(sizeof(PrPixelFormat), 4u);
}

}  // namespace
