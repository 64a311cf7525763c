// "PF Effect Sequence Data Suite" version 1: not modelled yet.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_sequence_data_suite(SuiteRegistry& registry) {
  static const PF_EffectSequenceDataSuite1 v1 = [] {
    constexpr FixedName s = "PF Effect Sequence Data Suite v1";
    PF_EffectSequenceDataSuite1 t{};
    t.PF_GetConstSequenceData = unmodelled<s, "PF_GetConstSequenceData">(t.PF_GetConstSequenceData);
    return t;
  }();
  registry.install(kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1, &v1);
}

}  // namespace fx
