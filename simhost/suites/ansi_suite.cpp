// "PF ANSI Suite" version 1: the C-library table of in_data->utils->ansi as a suite.
#include "AE_EffectCBSuites.h"
#include "simhost/ansi_calls.h"
#include "simhost/suites/suite_pieces.h"

namespace fx {

void install_ansi_suite(SuiteRegistry& registry) {
    static const PF_ANSICallbacksSuite1 table = [] {
        PF_ANSICallbacksSuite1 t{};
        AnsiCalls<"PF ANSI Suite v1">::fill(t);
        return t;
    }();
    registry.install(kPFANSISuite, kPFANSISuiteVersion1, &table);
}

}  // namespace fx
