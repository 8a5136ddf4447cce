#pragma once

#include "text/Collation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The order of the scanner's sorted lists: the locale's case-insensitive
// collation, with ties broken by the exact bytes so that the order is total.
// Paths are compared name by name, root first. Compared as whole strings, two
// folders whose names differ only by an accent (or by punctuation that sorts
// around the separator) could interleave, and the outline would show one folder
// twice; name by name, the paths below a folder always stay together.
namespace kartavel::capture {

// The indices of `texts` in that order; equal texts keep their order.
std::vector<std::uint32_t> collatedOrder(const std::vector<std::string_view>& texts,
                                         const text::Collation& collation);

// For each text, its place in that order (equal texts share a place).
std::vector<std::uint32_t> collatedRanks(const std::vector<std::string_view>& texts,
                                         const text::Collation& collation);

// Bare names (the scanner's NamesOnly lists), equal names kept side by side.
void sortNames(std::vector<std::string>& names,
               const text::Collation& collation = text::Collation::user());

// Full paths of any root form, compared name by name.
void sortPaths(std::vector<std::string>& paths,
               const text::Collation& collation = text::Collation::user());

// Reorders `items` so that position i holds the item that was at order[i].
template <typename T>
void applyOrder(std::vector<T>& items, const std::vector<std::uint32_t>& order) {
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (auto i : order)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}

} // namespace kartavel::capture
