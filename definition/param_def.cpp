#include "definition/param_def.h"

namespace fx {

Text* ParamDef::display_name(int index) {
    Text* const names[kDisplayNameCount] = {&display, &name1, &name2, &name3, &name4,
                                            &name5,   &name6, &name7, &name8, &name9};
    return index >= 0 && index < kDisplayNameCount ? names[index] : nullptr;
}

const Text* ParamDef::display_name(int index) const { return const_cast<ParamDef*>(this)->display_name(index); }

}  // namespace fx
