#include "answer_order.h"

#include <algorithm>

namespace vexlor {

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

std::vector<AnswerOrder> versionOrders(int correct, int versions, RandomSource& randomSource) {
    versions = std::clamp(versions, 1, kMaxVersions);
    std::vector<AnswerOrder> orders{kAnswersAsGiven};
    // Places the correct answer has taken so far.
    bool keyTaken[kAnswers] = {};
    const bool known = correct >= 0 && correct < kAnswers;
    if (known)
        keyTaken[correct] = true;
    for (int v = 1; v < versions; ++v) {
        AnswerOrder order{};
        bool placeTaken[kAnswers] = {};
        bool answerPlaced[kAnswers] = {};
        if (known) {
            const int place = randomSource.drawUnused(kAnswers, keyTaken);
            order[place] = correct;
            placeTaken[place] = true;
            answerPlaced[correct] = true;
        }
        for (int place = 0; place < kAnswers; ++place)
            if (!placeTaken[place])
                order[place] = randomSource.drawUnused(kAnswers, answerPlaced);
        orders.push_back(order);
    }
    return orders;
}

} // namespace vexlor
