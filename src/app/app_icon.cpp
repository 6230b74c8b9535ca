#include "app_icon.h"

namespace vexlor {

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(kAppId),
                     QSize(size, size));
    return icon;
}

} // namespace vexlor
