// The window that F1 opens: every command of the main window with its keys,
// read from the window's actions, so that the list and the keys never
// disagree.
#pragma once

#include "app/window_commands.h"

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace vexlor {

class KeysWindow final : public QDialog {
    Q_OBJECT

public:
    struct Row {
        QString name; // the command's, which the line's labels are named after
        CommandGroup group;
        QList<QKeySequence> keys;
        QString action; // already in the user's language
    };
    // Rows of one group stay together, in the order given: the test and the
    // windows in the first column, the Series commands in the second.
    KeysWindow(const std::vector<Row>& rows, QWidget* parent);

    // Keys as the user's keyboard labels them: "Ctrl+N" ("Strg+N" in
    // German), several joined.
    static QString keyText(const QList<QKeySequence>& keys);
};

} // namespace vexlor
