// "PF Iterate8 Suite" versions 1 and 2, "PF iterate16 Suite" and "PF iterateFloat Suite".
// iterate_generic runs for real; the per-pixel iterators over worlds are recorded until
// worlds are modelled.
#include "AE_EffectCBSuites.h"
#include "simhost/iterate_calls.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

template <FixedName Source, typename Table>
Table iterate8_table() {
    Table t{};
    t.iterate = unmodelled<Source, "iterate">(t.iterate);
    t.iterate_origin = unmodelled<Source, "iterate_origin">(t.iterate_origin);
    t.iterate_lut = unmodelled<Source, "iterate_lut">(t.iterate_lut);
    t.iterate_origin_non_clip_src = unmodelled<Source, "iterate_origin_non_clip_src">(t.iterate_origin_non_clip_src);
    t.iterate_generic = IterateCalls<Source>::iterate_generic;
    return t;
}

template <FixedName Source, typename Table>
Table deep_iterate_table() {
    Table t{};
    t.iterate = unmodelled<Source, "iterate">(t.iterate);
    t.iterate_origin = unmodelled<Source, "iterate_origin">(t.iterate_origin);
    t.iterate_origin_non_clip_src = unmodelled<Source, "iterate_origin_non_clip_src">(t.iterate_origin_non_clip_src);
    return t;
}

}  // namespace

void install_iterate_suites(SuiteRegistry& registry) {
    static const auto v1 = iterate8_table<"PF Iterate8 Suite v1", PF_Iterate8Suite1>();
    static const auto v2 = iterate8_table<"PF Iterate8 Suite v2", PF_Iterate8Suite2>();
    static const auto deep16 = deep_iterate_table<"PF iterate16 Suite v1", PF_Iterate16Suite1>();
    static const auto deep_float = deep_iterate_table<"PF iterateFloat Suite v1", PF_IterateFloatSuite1>();
    registry.install(kPFIterate8Suite, kPFIterate8SuiteVersion1, &v1);
    registry.install(kPFIterate8Suite, kPFIterate8SuiteVersion2, &v2);
    registry.install(kPFIterate16Suite, kPFIterate16SuiteVersion1, &deep16);
    registry.install(kPFIterateFloatSuite, kPFIterateFloatSuiteVersion1, &deep_float);
}

}  // namespace fx
