#include "target_time.h"

#include <QSettings>

#include <algorithm>

namespace vexlor {

namespace {

const QString kTargetKey = QStringLiteral("practice/targetSeconds");

} // namespace

int targetSeconds(const QSettings& settings) {
    bool ok = false;
    const int kept = settings.value(kTargetKey).toInt(&ok);
    return ok ? std::clamp(kept, kMinTargetSeconds, kMaxTargetSeconds) : kDefaultTargetSeconds;
}

void keepTargetSeconds(QSettings& settings, int seconds) {
    settings.setValue(kTargetKey, std::clamp(seconds, kMinTargetSeconds, kMaxTargetSeconds));
}

} // namespace vexlor
