// scale_rules.cpp - scale factors and the Scale buttons' step.
#include "model/scale_rules.h"

float general_factor(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    if (v == 0) return 0.0f;
    return static_cast<float>(527.0 / static_cast<double>(static_cast<float>(v)));
}

float a_button_factor(int32_t value) {
    uint32_t d = 65535u - static_cast<uint32_t>(value);
    return general_factor(static_cast<int32_t>(d + d / 2));
}

float a_icon_factor(int32_t first, int32_t second) {
    uint32_t n = static_cast<uint32_t>(first), by = static_cast<uint32_t>(second);
    if (by == 0) return 0.0f;
    uint32_t a = n / 48, b = n / by;
    if (a == 0 || b == 0) return 0.0f;
    double f = static_cast<double>(b) * (32.125 / static_cast<double>(static_cast<float>(a))) / 95.0;
    return static_cast<float>(f);
}

float element_factor(const layout& m, int e) {
    const element_row& row = element_table[e];
    if (row.rule == rule_own_size || row.scale_slot == no_scale) return 1.0f;
    const int32_t v = m.scales[row.scale_slot].value;
    switch (row.rule) {
    case rule_inverted: return a_button_factor(v);
    case rule_pair: return a_icon_factor(v, m.scales[scale_table[row.scale_slot].partner].value);
    case rule_divisor: return general_factor(v);
    case rule_own_size: break;
    }
    return 1.0f;
}

void step_scale(layout& m, int k, int direction) {
    if (k < 0 || k >= scale_count) return;
    const scale_row& row = scale_table[k];
    m.scales[k].value    = wrap_add32(m.scales[k].value, direction * row.plus);
    if (row.partner != no_scale)
        m.scales[row.partner].value = wrap_add32(m.scales[row.partner].value, direction * row.partner_plus);
}

bool step_scale_in_word(layout& m, int k, int direction) {
    if (k < 0 || k >= scale_count) return false;
    const scale_row& row = scale_table[k];
    auto stays           = [&](int slot, int32_t by) {
        const int64_t v = int64_t{m.scales[slot].value} + int64_t{direction} * by;
        return v >= 0 && v <= scale_word_max;
    };
    if (!stays(k, row.plus) || (row.partner != no_scale && !stays(row.partner, row.partner_plus)))
        return false;
    step_scale(m, k, direction);
    return true;
}
