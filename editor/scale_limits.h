// scale_limits.h - whether an element's scale lets it be drawn, and the
// Scale buttons' step that keeps it so.
//
// An element is drawn when its scale rule gives a usable factor and its
// picture (and a scaled overlay) get a size that zoom_size accepts: not zero,
// not above zoom_limit. The buttons never step a drawn element into a scale
// where it is skipped, nor any value past 0000 or FFFF; a typed value may be
// anything, and from a scale that is not drawn the buttons step only toward
// the slot's home. Nothing here draws.
#pragma once

#include "model/layout.h"
#include "pictures/picture_store.h"

// The factor element e is drawn with and its drawn size (the picture's, as
// scaled); false when the element is skipped at these scales (factor and size
// then untouched).
bool element_drawn_size(const layout& m, const picture_store& p, int e, float& factor, element_size& size);
bool element_drawn(const layout& m, const picture_store& p, int e);

// One step of the Scale buttons ("+": direction 1) on element e's scale slot,
// taken only within the limits above. False when it was not taken (or e has
// no scale of its own).
bool step_scale_drawn(layout& m, const picture_store& p, int e, int direction);
