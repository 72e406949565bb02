// scale_limits.cpp - the drawn size of an element and the bounded Scale step.
#include "editor/scale_limits.h"

#include "draw/surface_ops.h"
#include "model/scale_rules.h"

#include <cmath>

namespace {

// The size a picture (or overlay) is drawn at, or false when the factor gives none.
bool picture_size_at(const picture_store& p, picture_id id, float factor, bool scaled, element_size& out) {
    const picture_size& s = p.sizes[id];
    if (!scaled) {
        out = {s.w, s.h};
        return true;
    }
    int w = 0, h = 0;
    if (!zoom_size(s.w, s.h, 1.0f, factor, &w, &h)) return false;
    out = {w, h};
    return true;
}

int64_t distance(int32_t a, int32_t b) {
    return a > b ? int64_t{a} - b : int64_t{b} - a;
}

} // namespace

bool element_drawn_size(const layout& m, const picture_store& p, int e, float& factor, element_size& size) {
    if (e < 0 || e >= element_count) return false;
    const element_row& row = element_table[e];
    const float f          = element_factor(m, e);
    if (!std::isfinite(f) || f <= 0.0f) return false;
    const bool scaled = row.rule != rule_own_size;
    element_size picture{}, overlay{};
    if (!picture_size_at(p, row.picture, f, scaled, picture)) return false;
    // a scaled overlay that gives no size skips the element as well
    if (row.overlay != pic_none && is_stream(row.overlay) &&
        !picture_size_at(p, row.overlay, f, scaled, overlay))
        return false;
    factor = f;
    size   = picture;
    return true;
}

bool element_drawn(const layout& m, const picture_store& p, int e) {
    float f = 0;
    element_size s{};
    return element_drawn_size(m, p, e, f, s);
}

bool step_scale_drawn(layout& m, const picture_store& p, int e, int direction) {
    const scale_id k = scale_slot_of(e);
    if (k == no_scale) return false;
    const scale_id partner      = scale_table[k].partner;
    const bool drawn_before     = element_drawn(m, p, e);
    const int32_t before        = m.scales[k].value;
    const int32_t partner_value = partner != no_scale ? m.scales[partner].value : 0;
    if (!step_scale_in_word(m, k, direction)) return false;
    const bool toward_home =
        distance(m.scales[k].value, m.scales[k].home) < distance(before, m.scales[k].home);
    if (element_drawn(m, p, e) || (!drawn_before && toward_home)) return true;
    m.scales[k].value = before; // not taken
    if (partner != no_scale) m.scales[partner].value = partner_value;
    return false;
}
