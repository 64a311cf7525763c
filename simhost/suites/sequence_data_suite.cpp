// "PF Effect Sequence Data Suite" version 1: hands a render the sequence data of the
// instance being rendered, read-only, when in_data does not carry it.
#include "AE_GeneralPlug.h"
#include "simhost/recorded_call.h"
#include "simhost/sim_host.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {
namespace {

constexpr FixedName kSource = "PF Effect Sequence Data Suite v1";

PF_Err get_const_sequence_data(PF_ProgPtr effect_ref, PF_ConstHandle* sequence_data) {
    SimHost& host = SimHost::active();
    PF_Err result = host.fault_for(kSource.view(), "PF_GetConstSequenceData");
    if (result == 0 && !host.effect_ref_ok(effect_ref, "PF_GetConstSequenceData")) result = PF_Err_BAD_CALLBACK_PARAM;
    if (result == 0 && sequence_data == nullptr) result = PF_Err_BAD_CALLBACK_PARAM;
    PF_Handle handle = nullptr;
    if (result == 0) {
        handle = host.instance_sequence_data();
        *sequence_data = reinterpret_cast<PF_ConstHandle>(handle);
    }
    host.record(kSource.view(), "PF_GetConstSequenceData", pointer_text(effect_ref) + " -> " + pointer_text(handle),
                result);
    return result;
}

}  // namespace

void install_sequence_data_suite(SuiteRegistry& registry) {
    static const PF_EffectSequenceDataSuite1 v1 = {get_const_sequence_data};
    registry.install(kPFEffectSequenceDataSuite, kPFEffectSequenceDataSuiteVersion1, &v1);
}

}  // namespace fx
