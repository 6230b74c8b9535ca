// The program's icon, built into the program: the window and its boxes show
// it whether or not the desktop's icon theme has it.
#pragma once

#include <QIcon>
#include <QString>

namespace vexlor {

// The id that names the desktop entry, the icon and the metainfo.
inline const QString kAppId = QStringLiteral("io.github.vexlor.Vexlor");

// The 32 x 32, 16-colour window icon with the other sizes of the same
// design beside it, for menus and for screens of a higher pixel ratio.
QIcon appIcon();

} // namespace vexlor
