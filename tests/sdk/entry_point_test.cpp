// The registration helper and the packed effect version word.
#include <gtest/gtest.h>

#include <string>

#include "AE_Effect.h"
#include "AE_PluginData.h"
#include "entry.h"

namespace {

struct Registration {
    int calls = 0;
    std::string name, match_name, category, entry_point;
    A_long kind = 0, api_major = 0, api_minor = 0, reserved = 0;
};

Registration g_seen;
A_Err g_reply = A_Err_NONE;

A_Err record_registration(PF_PluginDataPtr, const A_u_char* name, const A_u_char* match_name, const A_u_char* category,
                          const A_u_char* entry_point, A_long kind, A_long api_major, A_long api_minor,
                          A_long reserved) {
    g_seen.calls++;
    g_seen.name = reinterpret_cast<const char*>(name);
    g_seen.match_name = reinterpret_cast<const char*>(match_name);
    g_seen.category = reinterpret_cast<const char*>(category);
    g_seen.entry_point = reinterpret_cast<const char*>(entry_point);
    g_seen.kind = kind;
    g_seen.api_major = api_major;
    g_seen.api_minor = api_minor;
    g_seen.reserved = reserved;
    return g_reply;
}

A_Err register_through_macro(PF_PluginDataCB cb) {
    A_Err result = A_Err_GENERIC;
    PF_REGISTER_EFFECT(nullptr, cb, "Morvelline 2 Pro", "zqx_morvfact", "Quenly", AE_RESERVED_INFO);
    return result;
}

TEST(RegisterEffect, PassesTextsKindApiVersionAndReservedInfo) {
    g_seen = Registration{};
    g_reply = A_Err_NONE;
    PF_PluginDataCB cb = record_registration;
    EXPECT_EQ(register_through_macro(cb), PF_Err_NONE);
    EXPECT_EQ(g_seen.calls, 1);
    EXPECT_EQ(g_seen.name, "Morvelline 2 Pro");
    EXPECT_EQ(g_seen.match_name, "zqx_morvfact");
    EXPECT_EQ(g_seen.category, "Quenly");
    EXPECT_EQ(g_seen.entry_point, "EffectMain");
    EXPECT_EQ(g_seen.kind, 0x65464B54);  // 'eFKT'
    EXPECT_EQ(g_seen.api_major, 13);
    EXPECT_EQ(g_seen.api_minor, 27);
    EXPECT_EQ(g_seen.reserved, 8);
}

TEST(RegisterEffect, HostRefusalIsReturnedUnchanged) {
    g_seen = Registration{};
    g_reply = A_Err_PARAMETER;
    EXPECT_EQ(register_through_macro(record_registration), A_Err_PARAMETER);
    EXPECT_EQ(g_seen.calls, 1);
}

struct VersionRow {
    const char* row;
    A_u_long packed;
    A_u_long expected;
};

TEST(EffectVersion, PacksMajorMinorBugfixStageAndBuild) {
    const VersionRow rows[] = {
        {"1.0 develop build 1", PF_VERSION(1, 0, 0, PF_Stage_DEVELOP, 1), 524289u},
        {"2.4 develop build 1", PF_VERSION(2, 4, 0, PF_Stage_DEVELOP, 1), 1179649u},
        {"2.0 develop build 2 (this plug-in)", PF_VERSION(2, 0, 0, PF_Stage_DEVELOP, 2), 0x00100002u},
        {"13.28 splits the major version", PF_VERSION(13, 28, 0, PF_Stage_DEVELOP, 0), 70123520u},
        {"release stage sits above the build", PF_VERSION(0, 0, 0, PF_Stage_RELEASE, 0), 3u << 9},
        {"bugfix field", PF_VERSION(0, 0, 15, PF_Stage_DEVELOP, 0), 15u << 11},
        {"build is cut to 9 bits", PF_VERSION(0, 0, 0, PF_Stage_DEVELOP, 0x3FF), 0x1FFu},
    };
    for (const VersionRow& r : rows) {
        EXPECT_EQ(r.packed, r.expected) << r.row;
    }
}

}  // namespace
