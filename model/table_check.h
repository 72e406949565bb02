// table_check.h - compile-time checks for the constant tables that are
// indexed by an enum: exactly one row for every value, in the enum's order.
//
// Every such table is a constexpr array of unspecified size beside its enum,
// followed by
//
//   static_assert(one_row_each(element_table, element_count, &element_row::id));
//
// so that a value added to the enum without its row (or a row out of place)
// does not build, where an array of the enum's size would have zero-filled it.
#pragma once

#include <cstddef>

template <class Row, std::size_t N, class Id>
constexpr bool one_row_each(const Row (&rows)[N], Id count, Id Row::*id) {
    if (N != static_cast<std::size_t>(count)) return false;
    for (std::size_t i = 0; i < N; i++)
        if (static_cast<std::size_t>(rows[i].*id) != i) return false;
    return true;
}
