// elements.cpp - the drawing and picking orders derived from the groups.
#include "model/elements.h"

namespace {

constexpr element_group drawing_groups[] = {group_button, group_icon, group_number, group_status};
constexpr element_group picking_groups[] = {group_number, group_icon, group_button, group_status};

// Whether an order names every group once.
constexpr bool each_group_once(const element_group (&groups)[group_count]) {
    for (int g = 0; g < group_count; g++) {
        int seen = 0;
        for (element_group h : groups) seen += h == g;
        if (seen != 1) return false;
    }
    return true;
}
static_assert(each_group_once(drawing_groups) && each_group_once(picking_groups),
              "every group once in each order");

element_order by_groups(const element_group (&groups)[group_count]) {
    element_order order{};
    int n = 0;
    for (element_group g : groups)
        for (int e = 0; e < element_count; e++)
            if (element_table[e].group == g) order[n++] = static_cast<element_id>(e);
    return order;
}

} // namespace

const element_order draw_order = by_groups(drawing_groups);
const element_order pick_order = by_groups(picking_groups);

scale_id scale_slot_of(int element) {
    return element >= 0 && element < element_count ? element_table[element].scale_slot : no_scale;
}

color_id color_slot_of(int element) {
    return element >= 0 && element < element_count ? element_table[element].color_slot : no_color;
}
