#include "PathOrder.h"

#include "platform/PathForm.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace kartavel::capture {

std::vector<std::uint32_t> collatedOrder(const std::vector<std::string_view>& texts,
                                         const text::Collation& collation) {
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (auto t : texts)
        keys.push_back(collation.sortKey(t));
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (const int c = keys[a].compare(keys[b]))
            return c < 0;
        return texts[a] < texts[b];
    });
    return order;
}

std::vector<std::uint32_t> collatedRanks(const std::vector<std::string_view>& texts,
                                         const text::Collation& collation) {
    const auto order = collatedOrder(texts, collation);
    std::vector<std::uint32_t> ranks(texts.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && texts[order[i]] != texts[order[i - 1]])
            ++rank;
        ranks[order[i]] = rank;
    }
    return ranks;
}

void sortNames(std::vector<std::string>& names, const text::Collation& collation) {
    applyOrder(names, collatedOrder({names.begin(), names.end()}, collation));
}

void sortPaths(std::vector<std::string>& paths, const text::Collation& collation) {
    // Each distinct name (the root counting as the first name) is ranked once;
    // a path is then its sequence of ranks.
    std::unordered_map<std::string_view, std::uint32_t> ids;
    std::vector<std::string_view> distinct;
    std::vector<std::uint32_t> sequence; // the ids of every path, one after another
    std::vector<std::size_t> start(paths.size() + 1);
    platform::PathParts parts;
    const auto intern = [&](std::string_view name) {
        const auto [it, added] = ids.try_emplace(name, static_cast<std::uint32_t>(distinct.size()));
        if (added)
            distinct.push_back(name);
        sequence.push_back(it->second);
    };
    for (std::size_t i = 0; i < paths.size(); ++i) {
        start[i] = sequence.size();
        platform::splitPath(paths[i], parts);
        if (!parts.root.empty())
            intern(parts.root);
        for (auto c : parts.components)
            intern(c);
    }
    start[paths.size()] = sequence.size();

    const auto ranks = collatedRanks(distinct, collation);
    for (auto& id : sequence)
        id = ranks[id];
    std::vector<std::uint32_t> order(paths.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::uint32_t* ids = sequence.data();
        return std::lexicographical_compare(ids + start[a], ids + start[a + 1], ids + start[b],
                                            ids + start[b + 1]);
    });
    applyOrder(paths, order);
}

} // namespace kartavel::capture
