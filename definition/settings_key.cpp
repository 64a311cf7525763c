#include "definition/settings_key.h"

#include <string>

#include "definition/number_text.h"

namespace fx {
namespace {

// The host shows the effect name in fixed 32-byte fields.
constexpr std::size_t kNameLimit = 31;

bool read_flag(std::string_view value) { return read_int(value) > 0; }

// "a.b.c": missing parts read as 0.
void read_version(int32_t (&version)[3], std::string_view value) {
    const std::size_t dot = value.find('.');
    if (dot == std::string_view::npos) {
        version[0] = read_int(value);
        version[1] = version[2] = 0;
        return;
    }
    version[0] = read_int(value.substr(0, dot));
    version[1] = read_int(value.substr(dot + 1));
    const std::size_t second = value.find('.', dot + 1);
    version[2] = second == std::string_view::npos ? 0 : read_int(value.substr(second + 1));
}

}  // namespace

void apply_settings_key(EffectSettings& s, std::string_view key, std::string_view value) {
    if (key == "name") {
        s.name = value.substr(0, kNameLimit);
        if (s.bundlename.empty()) s.bundlename = s.name;
    } else if (key == "description") {
        s.description = value;
    } else if (key == "presetpath") {
        s.presetpath = value;
    } else if (key == "imgpath") {
        s.imgpath = value;
    } else if (key == "imgwidth") {
        s.imgwidth = read_int(value);
    } else if (key == "imgheight") {
        s.imgheight = read_int(value);
    } else if (key == "imgscale") {
        s.imgscale = read_int(value);
    } else if (key == "dialogbutton") {
        s.dialogbutton = value;
    } else if (key == "presetextension") {
        s.presetextension = value;
    } else if (key == "id_offset") {
        s.id_offset = read_int(value);
    } else if (key == "id_add") {
        s.id_add = read_int(value);
    } else if (key == "range") {
        s.range = read_int(value);
    } else if (key == "refresh") {
        s.refresh = read_flag(value);
    } else if (key == "transition") {
        s.transition = read_flag(value);
        if (s.transition) s.id_offset = 0;
    } else if (key == "version") {
        read_version(s.version, value);
    } else if (key == "usegpu") {
        s.usegpu = read_int(value);
    } else if (key == "presetmode") {
        s.presetmode = read_int(value);
    } else if (key == "smooth") {
        s.smooth = read_int(value);
    } else if (key == "repeat") {
        s.repeat = read_int(value);
    } else if (key == "informat") {
        s.informat = read_int(value);
    } else if (key == "outformat") {
        s.outformat = read_int(value);
    } else if (key == "bundlename") {
        s.bundlename = value;
    } else if (key == "basedir") {
        s.basedir = value;
    } else if (key == "noinput") {
        s.noinput = read_flag(value);
    } else if (key == "fullframe") {
        s.fullframe = read_flag(value);
    }
}

}  // namespace fx
