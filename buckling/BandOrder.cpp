#include "BandOrder.h"

#include <algorithm>
#include <cstdlib>

namespace {

using Neighbours = std::vector<std::vector<int>>;

// Breadth first from start over the nodes not yet numbered; the nodes in the order reached.
std::vector<int> Breadth(const Neighbours& next, int start, const std::vector<bool>& taken) {
    std::vector<bool> seen = taken;
    std::vector<int> queue{start};
    seen[start] = true;
    for (std::size_t head = 0; head < queue.size(); ++head)
        for (const int n : next[queue[head]])
            if (!seen[n]) {
                seen[n] = true;
                queue.push_back(n);
            }
    return queue;
}

} // namespace

std::vector<int> BandOrder(const TStripModel& model) {
    const std::size_t count = model.Nodes.size();
    Neighbours next(count);
    for (const TStripModel::Strip& s : model.Strips) {
        next[s.A].push_back(s.B);
        next[s.B].push_back(s.A);
    }
    for (std::vector<int>& list : next)
        std::sort(list.begin(), list.end(), [&](int a, int b) {
            return next[a].size() != next[b].size() ? next[a].size() < next[b].size() : a < b;
        });
    std::vector<int> order(count, -1);
    std::vector<bool> taken(count, false);
    int number = 0;
    for (std::size_t n = 0; n < count; ++n) {
        if (taken[n])
            continue;
        // The last node reached from any node of a part lies near one of its far ends.
        const std::vector<int> part =
            Breadth(next, Breadth(next, static_cast<int>(n), taken).back(), taken);
        for (const int node : part) {
            taken[node] = true;
            order[node] = number++;
        }
    }
    return order;
}

int NodeBandwidth(const TStripModel& model, const std::vector<int>& order) {
    int width = 0;
    for (const TStripModel::Strip& s : model.Strips)
        width = std::max(width, std::abs(order[s.A] - order[s.B]));
    return width;
}
