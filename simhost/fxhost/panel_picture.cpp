#include "simhost/fxhost/panel_picture.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "simhost/custom_ui_events.h"
#include "simhost/drawing_canvas.h"

namespace fx::fxhost {
namespace {

// The panel's measures, in pixels: a row per parameter, its name from the left margin
// (further in by one step per group level), its value in a second column.
constexpr int kPanelWidth = 420;
constexpr int kRowHeight = 20;
constexpr int kMargin = 8;
constexpr int kIndentStep = 16;
constexpr int kValueColumn = 230;
constexpr int kControlGap = 4;
constexpr std::uint8_t kBackground = 45;
constexpr std::uint8_t kText = 225;
constexpr std::uint8_t kGreyedText = 120;

struct Row {
    int index;  // host parameter index
    int depth;  // group level
    int top;    // of its name line
};

bool shown(SimHost& host, int index, const PF_ParamDef& def) {
    return (def.ui_flags & PF_PUI_INVISIBLE) == 0 && !host.streams().state(index).hidden;
}

bool has_control(const PF_ParamDef& def) { return (def.ui_flags & PF_PUI_CONTROL) != 0 && def.ui_height > 0; }

// The rows in order and the panel's height. A hidden group hides its members too.
std::vector<Row> lay_out(SimHost& host, const std::vector<AddedParam>& params, int& height) {
    std::vector<Row> rows;
    int depth = 0;
    int hidden_from = -1;  // depth of the innermost hidden group, -1 when none
    int y = kMargin;
    for (std::size_t i = 0; i < params.size(); ++i) {
        const PF_ParamDef& def = params[i].def;
        const int index = static_cast<int>(i + 1);
        if (def.param_type == PF_Param_GROUP_END) {
            depth = std::max(depth - 1, 0);
            if (hidden_from >= depth) hidden_from = -1;
            continue;
        }
        const bool visible = hidden_from < 0 && shown(host, index, def);
        if (visible) {
            rows.push_back({index, depth, y});
            y += kRowHeight + (has_control(def) ? def.ui_height + kControlGap : 0);
        }
        if (def.param_type == PF_Param_GROUP_START) {
            if (!visible && hidden_from < 0) hidden_from = depth;
            ++depth;
        }
    }
    height = y + kMargin;
    return rows;
}

void draw_panel(DrawingCanvas& canvas, LoadedPlugin& plugin, const std::vector<AddedParam>& params,
                const std::vector<Row>& rows, const std::vector<std::string>& values) {
    canvas.fill(kBackground, kBackground, kBackground);
    for (const Row& row : rows) {
        const PF_ParamDef& def = params[static_cast<std::size_t>(row.index - 1)].def;
        const int left = kMargin + row.depth * kIndentStep;
        const std::uint8_t level = (def.ui_flags & PF_PUI_DISABLED) != 0 ? kGreyedText : kText;
        const double baseline = row.top + kRowHeight - 6;
        canvas.draw_text(left, baseline, def.name, level);
        const std::string& value = values[static_cast<std::size_t>(row.index - 1)];
        if (!value.empty()) canvas.draw_text(kValueColumn, baseline, value, level);
        if (!has_control(def)) continue;
        const int top = row.top + kRowHeight;
        PF_EventExtra draw = draw_event(row.index, {left, top, left + def.ui_width, top + def.ui_height}, canvas);
        const CommandResult result = plugin.call(PF_Cmd_EVENT, &draw);
        if (result.result != PF_Err_NONE)
            std::cerr << "fxhost panel: drawing \"" << def.name << "\": the plug-in answered error " << result.result
                      << "\n";
    }
}

}  // namespace

void write_panel_picture(SimHost& host, LoadedPlugin& plugin, const std::vector<std::string>& values,
                         const std::string& path) {
    const std::vector<AddedParam> params = host.added_params();
    int height = 0;
    const std::vector<Row> rows = lay_out(host, params, height);
    bool written = false;
    {
        DrawingCanvas canvas(kPanelWidth, std::max(height, 2 * kMargin));
        draw_panel(canvas, plugin, params, rows, values);
        written = canvas.write_png(path);
    }
    // The panel is the program's only picture: cairo's and fontconfig's font caches go
    // with it, so that nothing outlives the command.
    cairo_debug_reset_static_data();
    FcFini();
    if (!written) throw std::runtime_error("fxhost panel: --png " + path + ": cannot write the file");
}

}  // namespace fx::fxhost
