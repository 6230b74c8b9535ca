#include "exam_score.h"

#include "series/class_report.h"

#include <algorithm>
#include <cmath>

namespace vexlor {

ExamScore scoreItems(const std::vector<Cube>& items) {
    ExamScore score;
    score.count = static_cast<int>(items.size());
    std::vector<double> times;
    std::array<std::vector<double>, kRecipeCount> recipeTimes;
    for (const Cube& c : items) {
        ExamItemResult item;
        item.recipe = c.recipe;
        item.correct = c.correctAnswer;
        item.answer = std::max(pickOf(c), -1);
        item.right = item.answer >= 0 && item.answer == c.correctAnswer;
        if (const auto seconds = secondsOf(c))
            item.seconds = *seconds;
        if (item.answer >= 0) {
            ++score.answered;
            score.right += item.right ? 1 : 0;
            times.push_back(item.seconds);
        }
        if (isRecipe(item.recipe)) {
            RecipeScore& recipe = score.recipes[static_cast<std::size_t>(item.recipe)];
            ++recipe.items;
            recipe.right += item.right ? 1 : 0;
            if (item.answer >= 0)
                recipeTimes[static_cast<std::size_t>(item.recipe)].push_back(item.seconds);
        }
        score.items.push_back(item);
    }
    // An answered item always has a time: it was on show until it was picked.
    std::erase_if(times, [](double s) { return std::isnan(s); });
    score.medianSeconds = medianOf(std::move(times));
    for (std::size_t k = 0; k < recipeTimes.size(); ++k) {
        std::erase_if(recipeTimes[k], [](double s) { return std::isnan(s); });
        score.recipes[k].medianSeconds = medianOf(std::move(recipeTimes[k]));
    }
    return score;
}

} // namespace vexlor
