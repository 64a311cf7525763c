// The suites the plug-in acquires, by the name and version the host expects.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "AE_AdvEffectSuites.h"
#include "AE_CacheOnLoadSuite.h"
#include "AE_EffectCBSuites.h"
#include "AE_EffectSuites.h"
#include "AE_GeneralPlug.h"
#include "DrawbotSuite.h"
#include "PrSDKAESupport.h"

namespace {

struct SuiteRow {
    const char* row;
    const char* name_macro;
    int version_macro;
    const char* expected_name;
    int expected_version;
};

const SuiteRow kSuitesInUse[] = {
    {"handles", kPFHandleSuite, kPFHandleSuiteVersion1, "PF Handle Suite", 2},
    {"worlds", kPFWorldSuite, kPFWorldSuiteVersion2, "PF World Suite", 2},
    {"premiere pixel formats", kPFPixelFormatSuite, kPFPixelFormatSuiteVersion1, "PF Pixel Format Suite", 1},
    {"aegp utility for registration", kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, "AEGP Utility Suite", 7},
    {"aegp utility for scripts", kAEGPUtilitySuite, kAEGPUtilitySuiteVersion5, "AEGP Utility Suite", 11},
    {"cache on load", kPFCacheOnLoadSuite, kPFCacheOnLoadSuiteVersion1, "PF Cache On Load Suite", 1},
    {"effect ui", kPFEffectUISuite, kPFEffectUISuiteVersion1, "PF Effect UI Suite", 1},
    {"premiere utility", kPFUtilitySuite, kPFUtilitySuiteVersion4, "PF Utility Suite", 4},
    {"transition", kPFTransitionSuite, kPFTransitionSuiteVersion2, "PF Transition Suite", 2},
    {"ansi", kPFANSISuite, kPFANSISuiteVersion1, "PF ANSI Suite", 1},
    {"sequence data", kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1, "PF Effect Sequence Data Suite",
     1},
    {"iterate 8", kPFIterate8Suite, kPFIterate8SuiteVersion1, "PF Iterate8 Suite", 1},
    {"param utils", kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3, "PF Param Utils Suite", 3},
    {"aegp stream", kAEGPStreamSuite, kAEGPStreamSuiteVersion2, "AEGP Stream Suite", 7},
    {"aegp dynamic stream", kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2, "AEGP Dynamic Stream Suite", 2},
    {"aegp effect", kAEGPEffectSuite, kAEGPEffectSuiteVersion2, "AEGP Effect Suite", 2},
    {"aegp pf interface", kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, "AEGP PF Interface Suite", 1},
    {"aegp memory", kAEGPMemorySuite, kAEGPMemorySuiteVersion1, "AEGP Memory Suite", 1},
    {"adv app", kPFAdvAppSuite, kPFAdvAppSuiteVersion1, "PF AE Adv App Suite", 1},
    {"custom ui", kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion1, "PF Effect Custom UI Suite", 1},
    {"drawbot draw", kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1, "DRAWBOT Draw Suite", 1},
    {"drawbot supplier", kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1, "DRAWBOT Supplier Suite", 1},
    {"drawbot surface", kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2, "DRAWBOT Surface Suite", 2},
    {"drawbot path", kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1, "DRAWBOT Path Suite", 1},
};

TEST(SuiteTable, NamesAndVersionsAreTheHostsOwn) {
    for (const SuiteRow& r : kSuitesInUse) {
        SCOPED_TRACE(r.row);
        EXPECT_STREQ(r.name_macro, r.expected_name);
        EXPECT_EQ(r.version_macro, r.expected_version);
    }
}

// A suite cache keys its slots by (name, version); two rows with the same key
// would make one slot serve two different tables.
TEST(SuiteTable, EveryNameAndVersionPairIsDistinct) {
    std::set<std::pair<std::string, int>> seen;
    for (const SuiteRow& r : kSuitesInUse) {
        EXPECT_TRUE(seen.emplace(r.name_macro, r.version_macro).second) << "duplicate key in row " << r.row;
    }
}

// The host registers two different tables under "PF Pixel Format Suite"; only
// the version tells them apart.
TEST(SuiteTable, PixelFormatSuiteTablesDifferByVersion) {
    EXPECT_STREQ(kPFPixelFormatSuite, "PF Pixel Format Suite");
    EXPECT_NE(kPFPixelFormatSuiteVersion1, kPFPixelFormatSuiteVersion2);
    EXPECT_EQ(sizeof(PF_PixelFormatSuite1), 8 * sizeof(void*));
    EXPECT_EQ(sizeof(PF_PixelFormatSuite2), 2 * sizeof(void*));
}

}  // namespace
