#include "answer_order.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace vexlor {

namespace {

// A minimum-cost maximum flow over a handful of nodes, by successive
// shortest paths (Bellman-Ford, so that costs may be negative). The
// balancing below needs a few dozen edges, however many items there are:
// items alike are one node.
class SmallFlow {
public:
    explicit SmallFlow(int nodes) : edgesFrom_(static_cast<std::size_t>(nodes)) {}

    // Returns the edge's number, for flowOn.
    int addEdge(int from, int to, std::int64_t capacity, std::int64_t cost) {
        const int e = static_cast<int>(edges_.size());
        edges_.push_back({to, capacity, cost, 0});
        edges_.push_back({from, 0, -cost, 0});
        edgesFrom_[static_cast<std::size_t>(from)].push_back(e);
        edgesFrom_[static_cast<std::size_t>(to)].push_back(e + 1);
        return e;
    }

    void run(int source, int sink) {
        constexpr std::int64_t kUnreached = std::numeric_limits<std::int64_t>::max();
        const std::size_t n = edgesFrom_.size();
        for (;;) {
            std::vector<std::int64_t> distance(n, kUnreached);
            std::vector<int> via(n, -1);
            distance[static_cast<std::size_t>(source)] = 0;
            for (bool changed = true; changed;) {
                changed = false;
                for (std::size_t node = 0; node < n; ++node) {
                    if (distance[node] == kUnreached)
                        continue;
                    for (int e : edgesFrom_[node]) {
                        const Edge& edge = edges_[static_cast<std::size_t>(e)];
                        const auto to = static_cast<std::size_t>(edge.to);
                        if (edge.flow < edge.capacity &&
                            distance[node] + edge.cost < distance[to]) {
                            distance[to] = distance[node] + edge.cost;
                            via[to] = e;
                            changed = true;
                        }
                    }
                }
            }
            if (distance[static_cast<std::size_t>(sink)] == kUnreached)
                return;
            std::int64_t amount = kUnreached;
            for (int node = sink; node != source;) {
                const Edge& edge =
                    edges_[static_cast<std::size_t>(via[static_cast<std::size_t>(node)])];
                amount = std::min(amount, edge.capacity - edge.flow);
                node = edges_[static_cast<std::size_t>(via[static_cast<std::size_t>(node)] ^ 1)].to;
            }
            for (int node = sink; node != source;) {
                const int e = via[static_cast<std::size_t>(node)];
                edges_[static_cast<std::size_t>(e)].flow += amount;
                edges_[static_cast<std::size_t>(e ^ 1)].flow -= amount;
                node = edges_[static_cast<std::size_t>(e ^ 1)].to;
            }
        }
    }

    std::int64_t flowOn(int edge) const { return edges_[static_cast<std::size_t>(edge)].flow; }

private:
    struct Edge {
        int to;
        std::int64_t capacity;
        std::int64_t cost;
        std::int64_t flow;
    };
    std::vector<Edge> edges_; // edge e and its way back e ^ 1
    std::vector<std::vector<int>> edgesFrom_;
};

// The places an item's correct answer took in the versions so far, one bit
// each: to the balancing, items of one set are alike.
constexpr int kPlaceSets = 1 << kAnswers;

// How many items of each set of places taken go to each place in the next
// version: every place floor(n/4) or ceil(n/4) times of the n items, as few
// items as can be to a place they took before, and the ceil to the places
// taken least so far, so that later versions can still avoid repeats.
using PlaceCounts = std::array<std::array<int, kAnswers>, kPlaceSets>;

PlaceCounts balancedPlaces(const std::array<int, kPlaceSets>& items,
                           const std::array<int, kAnswers>& takenSoFar) {
    int n = 0;
    for (int k : items)
        n += k;
    const int fewest = n / kAnswers;
    const bool extra = n % kAnswers != 0;
    // A repeat costs more than every tie broken, and a place left below
    // floor(n/4) more than every repeat.
    const std::int64_t repeat = 16 * (static_cast<std::int64_t>(n) + 1);
    const std::int64_t fill = repeat * (n + 1) + 1;
    constexpr int kSource = 0, kSets = 1, kPlaces = kSets + kPlaceSets, kSink = kPlaces + kAnswers;
    SmallFlow flow(kSink + 1);
    std::array<std::array<int, kAnswers>, kPlaceSets> edge{};
    for (int set = 0; set < kPlaceSets; ++set) {
        const int k = items[static_cast<std::size_t>(set)];
        if (k == 0)
            continue;
        flow.addEdge(kSource, kSets + set, k, 0);
        for (int place = 0; place < kAnswers; ++place)
            edge[static_cast<std::size_t>(set)][static_cast<std::size_t>(place)] =
                flow.addEdge(kSets + set, kPlaces + place, k, (set >> place) & 1 ? repeat : 0);
    }
    for (int place = 0; place < kAnswers; ++place) {
        flow.addEdge(kPlaces + place, kSink, fewest, -fill);
        if (extra)
            flow.addEdge(kPlaces + place, kSink, 1, takenSoFar[static_cast<std::size_t>(place)]);
    }
    flow.run(kSource, kSink);
    PlaceCounts counts{};
    for (int set = 0; set < kPlaceSets; ++set)
        if (items[static_cast<std::size_t>(set)] != 0)
            for (int place = 0; place < kAnswers; ++place)
                counts[static_cast<std::size_t>(set)][static_cast<std::size_t>(place)] =
                    static_cast<int>(flow.flowOn(
                        edge[static_cast<std::size_t>(set)][static_cast<std::size_t>(place)]));
    return counts;
}

// The order that puts the correct answer at place and the others in the
// remaining places at random.
AnswerOrder orderWithKeyAt(int correct, int place, RandomSource& randomSource) {
    AnswerOrder order{};
    bool answerPlaced[kAnswers] = {};
    order[static_cast<std::size_t>(place)] = correct;
    answerPlaced[correct] = true;
    for (int p = 0; p < kAnswers; ++p)
        if (p != place)
            order[static_cast<std::size_t>(p)] = randomSource.drawUnused(kAnswers, answerPlaced);
    return order;
}

} // namespace

bool isAnswerOrder(const AnswerOrder& order) {
    bool seen[kAnswers] = {};
    for (int a : order) {
        if (a < 0 || a >= kAnswers || seen[a])
            return false;
        seen[a] = true;
    }
    return true;
}

Cube withAnswerOrder(const Cube& c, const AnswerOrder& order) {
    if (!isAnswerOrder(order))
        return c;
    Cube out = c;
    for (int a = 0; a < kAnswers; ++a) {
        const int from = order[a];
        std::copy(std::begin(c.answerSymbol[from]), std::end(c.answerSymbol[from]),
                  out.answerSymbol[a]);
        std::copy(std::begin(c.answerTurn[from]), std::end(c.answerTurn[from]), out.answerTurn[a]);
        out.picked[a] = c.picked[from];
        if (from == c.correctAnswer)
            out.correctAnswer = static_cast<std::int8_t>(a);
    }
    return out;
}

std::vector<std::vector<AnswerOrder>> versionOrders(const std::vector<int>& correct, int versions,
                                                    bool balanceFirst, RandomSource& randomSource) {
    versions = std::clamp(versions, 1, kMaxVersions);
    std::vector<std::vector<AnswerOrder>> orders(correct.size());
    std::vector<int> taken(correct.size(), 0); // the places each item's key took, as bits
    std::array<int, kAnswers> takenSoFar{};
    const auto counted = [&](std::size_t item) {
        return correct[item] >= 0 && correct[item] < kAnswers;
    };
    for (int v = 0; v < versions; ++v) {
        if (v == 0 && !balanceFirst) {
            for (std::size_t i = 0; i < correct.size(); ++i) {
                orders[i].push_back(kAnswersAsGiven);
                if (counted(i)) {
                    taken[i] |= 1 << correct[i];
                    ++takenSoFar[static_cast<std::size_t>(correct[i])];
                }
            }
            continue;
        }
        // The items of each set, in random order, take their places in turn.
        std::array<std::vector<std::size_t>, kPlaceSets> itemsOf;
        std::array<int, kPlaceSets> sizes{};
        for (std::size_t i = 0; i < correct.size(); ++i)
            if (counted(i))
                itemsOf[static_cast<std::size_t>(taken[i])].push_back(i);
        for (int set = 0; set < kPlaceSets; ++set) {
            auto& items = itemsOf[static_cast<std::size_t>(set)];
            for (std::size_t k = items.size(); k > 1; --k)
                std::swap(items[k - 1],
                          items[static_cast<std::size_t>(randomSource.draw(static_cast<int>(k)))]);
            sizes[static_cast<std::size_t>(set)] = static_cast<int>(items.size());
        }
        const PlaceCounts counts = balancedPlaces(sizes, takenSoFar);
        std::vector<int> keyPlace(correct.size(), -1);
        for (int set = 0; set < kPlaceSets; ++set) {
            std::size_t next = 0;
            for (int place = 0; place < kAnswers; ++place)
                for (int k = 0;
                     k < counts[static_cast<std::size_t>(set)][static_cast<std::size_t>(place)];
                     ++k)
                    keyPlace[itemsOf[static_cast<std::size_t>(set)][next++]] = place;
        }
        for (std::size_t i = 0; i < correct.size(); ++i) {
            if (keyPlace[i] < 0) {
                orders[i].push_back(kAnswersAsGiven);
                continue;
            }
            orders[i].push_back(orderWithKeyAt(correct[i], keyPlace[i], randomSource));
            taken[i] |= 1 << keyPlace[i];
            ++takenSoFar[static_cast<std::size_t>(keyPlace[i])];
        }
    }
    return orders;
}

} // namespace vexlor
