#pragma once
// Loading a picture into an image parameter, and the choices its control offers: the
// picture after or before the current one in its folder, or one chosen in the file
// dialog. Every failure (a missing, unreadable or damaged file, an unknown extension)
// leaves the checkerboard placeholder in the parameter, never an error to the host.
#include <optional>
#include <string>

#include "AE_Effect.h"
#include "host/sequence_state.h"

namespace fx {

struct ImageHolder;

// Loads the picture `reference` names (a path, optionally followed by "*" key1 "*" key2
// "*" browse folder) into image slot `index` of `state`: decodes it (or the placeholder),
// builds the control's thumbnail, lists the sibling pictures, stores the reference, marks
// the project dirty and asks the host to redraw the panel. Loading the reference a slot
// already shows does nothing. Loads are serialised by one process-wide lock.
void LoadImage(SequenceState& state, const std::string& reference, PF_InData* in_data, PF_OutData* out_data,
               PF_ParamDef* params[], int index);

// The sibling to show after (`forward`) or before the current one, wrapping at both
// ends; nothing when the holder lists no siblings.
std::optional<std::string> sibling_to_step_to(const ImageHolder& holder, bool forward);

// The folder the file dialog starts in for this holder: its first sibling's folder
// followed by "*.*" when that file exists, "" otherwise.
std::string image_dialog_start(const ImageHolder& holder);

// Asks the user for a picture file, starting at `start`; nothing when the dialog is
// cancelled.
std::optional<std::string> choose_image_file(const std::string& start);

}  // namespace fx
