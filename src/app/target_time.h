// The user's target time per Cube, as the settings keep it: the Progress
// window counts the Cubes solved within it and draws it on the time chart,
// and a Cube solved far slower comes back for review.
#pragma once

class QSettings;

namespace vexlor {

inline constexpr int kDefaultTargetSeconds = 30;
inline constexpr int kMinTargetSeconds = 5;
inline constexpr int kMaxTargetSeconds = 600;

// The target kept in settings; the default where none is kept, or where what
// is kept is not a number; a number out of range is brought into it.
int targetSeconds(const QSettings& settings);
void keepTargetSeconds(QSettings& settings, int seconds);

} // namespace vexlor
