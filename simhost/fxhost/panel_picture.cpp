#include "simhost/fxhost/panel_picture.h"

#ifdef FX_CAIRO
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#endif

#include <algorithm>
#include <iostream>
#include <set>
#include <stdexcept>

#include "simhost/custom_ui_events.h"
#include "simhost/drawing_canvas.h"

namespace fx::fxhost {
namespace {

// The panel's measures, in pixels: a row per parameter, a twirl column at the left
// margin (further in by one step per group level), the name after it, the value in a
// second column.
constexpr int kPanelWidth = 420;
constexpr int kRowHeight = 20;
constexpr int kMargin = 8;
constexpr int kIndentStep = 16;
constexpr int kTwirlColumn = 14;
constexpr int kValueColumn = 230;
constexpr int kControlGap = 4;
constexpr int kButtonWidth = 130;
constexpr int kPopupWidth = 160;
constexpr int kHeaderGap = 4;
constexpr std::uint8_t kBackground = 45;
constexpr std::uint8_t kText = 225;
constexpr std::uint8_t kGreyedText = 120;

// Colours of the panel's own parts (0-1).
constexpr DRAWBOT_ColorRGBA kValueBlue{0.36f, 0.63f, 1.0f, 1.0f};
constexpr DRAWBOT_ColorRGBA kBoxFill{0.14f, 0.14f, 0.14f, 1.0f};
constexpr DRAWBOT_ColorRGBA kBoxEdge{0.47f, 0.47f, 0.47f, 1.0f};
constexpr DRAWBOT_ColorRGBA kButtonFill{0.27f, 0.27f, 0.27f, 1.0f};

struct Row {
    int index;  // host parameter index
    int depth;  // group level
    int top;    // of its name line
    bool open;  // a group's twirl: its members show
};

bool shown(SimHost& host, int index, const PF_ParamDef& def) {
    return (def.ui_flags & PF_PUI_INVISIBLE) == 0 && !host.streams().state(index).hidden;
}

bool has_control(const PF_ParamDef& def) { return (def.ui_flags & PF_PUI_CONTROL) != 0 && def.ui_height > 0; }

bool starts_open(const PF_ParamDef& def, const std::set<int>& twirled, int index) {
    const bool collapsed = (def.flags & PF_ParamFlag_START_COLLAPSED) != 0;
    return collapsed == (twirled.count(index) > 0);
}

// The rows in order and the panel's height. A hidden or closed group hides its members.
std::vector<Row> lay_out(SimHost& host, const std::vector<AddedParam>& params, const std::set<int>& twirled,
                         int& height) {
    std::vector<Row> rows;
    int depth = 0;
    int hidden_from = -1;                       // depth of the outermost group whose members do not show, -1 when none
    int y = kMargin + kRowHeight + kHeaderGap;  // below the effect's own heading
    for (std::size_t i = 0; i < params.size(); ++i) {
        const PF_ParamDef& def = params[i].def;
        const int index = static_cast<int>(i + 1);
        if (def.param_type == PF_Param_GROUP_END) {
            depth = std::max(depth - 1, 0);
            if (hidden_from >= depth) hidden_from = -1;
            continue;
        }
        const bool visible = hidden_from < 0 && shown(host, index, def);
        const bool open = def.param_type == PF_Param_GROUP_START && starts_open(def, twirled, index);
        if (visible) {
            rows.push_back({index, depth, y, open});
            y += kRowHeight + (has_control(def) ? def.ui_height + kControlGap : 0);
        }
        if (def.param_type == PF_Param_GROUP_START) {
            if ((!visible || !open) && hidden_from < 0) hidden_from = depth;
            ++depth;
        }
    }
    height = y + kMargin;
    return rows;
}

DRAWBOT_ColorRGBA grey(std::uint8_t level) {
    const float v = static_cast<float>(level / 255.0);
    return {v, v, v, 1.0f};
}

// A group's twirl: pointing down while open, right while closed.
void draw_twirl(DrawingCanvas& canvas, float left, float top, bool open, std::uint8_t level) {
    const float mid = top + kRowHeight / 2.0f;
    if (open)
        canvas.fill_polygon({{left, mid - 3}, {left + 9, mid - 3}, {left + 4.5f, mid + 3}}, grey(level));
    else
        canvas.fill_polygon({{left + 2, mid - 4.5f}, {left + 8, mid}, {left + 2, mid + 4.5f}}, grey(level));
}

// A popup: its current item in a box that ends in a down arrow.
void draw_popup(DrawingCanvas& canvas, float top, const std::string& item, std::uint8_t level) {
    const DRAWBOT_RectF32 box{kValueColumn - 4.0f, top + 2, kPopupWidth, kRowHeight - 4.0f};
    canvas.paint_rect(kBoxFill, box);
    canvas.frame_rect(box, kBoxEdge);
    canvas.draw_text(kValueColumn + 2, top + kRowHeight - 6, item, level);
    const float right = box.left + box.width - 8;
    const float mid = top + kRowHeight / 2.0f;
    canvas.fill_polygon({{right - 8, mid - 2}, {right, mid - 2}, {right - 4, mid + 3}}, grey(level));
}

// A checkbox: its box, ticked when on, and its label.
void draw_checkbox(DrawingCanvas& canvas, float top, bool on, const std::string& label, std::uint8_t level) {
    const DRAWBOT_RectF32 box{static_cast<float>(kValueColumn), top + 4, 12, 12};
    canvas.paint_rect(kBoxFill, box);
    canvas.frame_rect(box, kBoxEdge);
    if (on) {
        const float x = box.left;
        const float y = box.top;
        const DRAWBOT_ColorRGBA tick = level == kText ? kValueBlue : grey(level);
        canvas.fill_polygon({{x + 2, y + 6},
                             {x + 4, y + 4.5f},
                             {x + 5.5f, y + 7},
                             {x + 10, y + 1.5f},
                             {x + 11, y + 3},
                             {x + 5.5f, y + 10.5f}},
                            tick);
    }
    if (!label.empty()) canvas.draw_text(kValueColumn + 18, top + kRowHeight - 6, label, level);
}

// A button (and a text parameter, which the panel shows as one): its label on a face.
void draw_button(DrawingCanvas& canvas, float top, const std::string& label, std::uint8_t level) {
    const DRAWBOT_RectF32 face{kValueColumn - 4.0f, top + 1, kButtonWidth, kRowHeight - 2.0f};
    canvas.paint_rect(kButtonFill, face);
    canvas.frame_rect(face, kBoxEdge);
    canvas.draw_text(kValueColumn + 4, top + kRowHeight - 6, label, level);
}

// A colour: a swatch of it, then its parts.
void draw_colour(DrawingCanvas& canvas, float top, const PF_Pixel& colour, const std::string& text,
                 std::uint8_t level) {
    const DRAWBOT_RectF32 swatch{static_cast<float>(kValueColumn), top + 4, 28, 12};
    canvas.paint_rect({colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f, 1.0f}, swatch);
    canvas.frame_rect(swatch, kBoxEdge);
    canvas.draw_text(kValueColumn + 36, top + kRowHeight - 6, text, level == kText ? kValueBlue : grey(level));
}

void draw_value(DrawingCanvas& canvas, const AddedParam& param, float top, const std::string& value,
                std::uint8_t level) {
    const PF_ParamDef& def = param.def;
    switch (def.param_type) {
        case PF_Param_POPUP:
            draw_popup(canvas, top, value, level);
            return;
        case PF_Param_CHECKBOX:
            draw_checkbox(canvas, top, def.u.bd.value != 0, param.items, level);
            return;
        case PF_Param_BUTTON:
            draw_button(canvas, top, param.items.empty() ? std::string(def.name) : param.items, level);
            return;
        case PF_Param_COLOR:
            draw_colour(canvas, top, def.u.cd.value, value, level);
            return;
        default:
            // Values the user drags or types show in the panel's value blue.
            if (!value.empty())
                canvas.draw_text(kValueColumn, top + kRowHeight - 6, value, level == kText ? kValueBlue : grey(level));
    }
}

// The effect's own heading, as the host heads every effect in the panel: its twirl (open),
// "fx", its name and the reset it offers, over a lighter band.
void draw_heading(DrawingCanvas& canvas, const std::string& effect_name) {
    canvas.paint_rect(grey(60), {0, static_cast<float>(kMargin - 2), kPanelWidth, kRowHeight + 2.0f});
    draw_twirl(canvas, kMargin, kMargin - 1, true, kText);
    canvas.draw_text(kMargin + kTwirlColumn, kMargin + kRowHeight - 6, "fx", kGreyedText);
    canvas.draw_text(kMargin + kTwirlColumn + 20, kMargin + kRowHeight - 6, effect_name, kText);
    canvas.draw_text(kValueColumn, kMargin + kRowHeight - 6, "Reset", kValueBlue);
}

void draw_panel(DrawingCanvas& canvas, LoadedPlugin& plugin, const std::vector<AddedParam>& params,
                const std::vector<Row>& rows, const std::vector<std::string>& values, const std::string& effect_name) {
    canvas.fill(kBackground, kBackground, kBackground);
    draw_heading(canvas, effect_name);
    for (const Row& row : rows) {
        const AddedParam& param = params[static_cast<std::size_t>(row.index - 1)];
        const PF_ParamDef& def = param.def;
        const int left = kMargin + row.depth * kIndentStep;
        const std::uint8_t level = (def.ui_flags & PF_PUI_DISABLED) != 0 ? kGreyedText : kText;
        const auto top = static_cast<float>(row.top);
        if (def.param_type == PF_Param_GROUP_START) draw_twirl(canvas, static_cast<float>(left), top, row.open, level);
        canvas.draw_text(left + kTwirlColumn, row.top + kRowHeight - 6, def.name, level);
        draw_value(canvas, param, top, values[static_cast<std::size_t>(row.index - 1)], level);
        if (!has_control(def)) continue;
        const int control_left = left + kTwirlColumn;
        const int control_top = row.top + kRowHeight;
        PF_EventExtra draw = draw_event(
            row.index, {control_left, control_top, control_left + def.ui_width, control_top + def.ui_height}, canvas);
        const CommandResult result = plugin.call(PF_Cmd_EVENT, &draw);
        if (result.result != PF_Err_NONE)
            std::cerr << "fxhost panel: drawing \"" << def.name << "\": the plug-in answered error " << result.result
                      << "\n";
    }
}

}  // namespace

void write_panel_picture(SimHost& host, LoadedPlugin& plugin, const std::vector<std::string>& values,
                         const std::set<int>& twirled, const std::string& effect_name, const std::string& path) {
    const std::vector<AddedParam> params = host.added_params();
    int height = 0;
    const std::vector<Row> rows = lay_out(host, params, twirled, height);
    bool written = false;
    {
        DrawingCanvas canvas(kPanelWidth, std::max(height, 2 * kMargin));
        draw_panel(canvas, plugin, params, rows, values, effect_name);
        written = canvas.write_png(path);
    }
#ifdef FX_CAIRO
    // The panel is the program's only picture: cairo's and fontconfig's font caches go
    // with it, so that nothing outlives the command.
    cairo_debug_reset_static_data();
    FcFini();
#endif
    if (!written) throw std::runtime_error("fxhost panel: --png " + path + ": cannot write the file");
}

}  // namespace fx::fxhost
