// The window that F1 opens: every key and shortcut of the main window with
// what it does, read from the table the window handles its keys by, so that
// the list and the keys never disagree.
#pragma once

#include <QDialog>
#include <QKeyCombination>
#include <QString>

#include <vector>

namespace vexlor {

class KeysWindow final : public QDialog {
    Q_OBJECT

public:
    struct Row {
        QKeyCombination keys;
        QString action; // already in the user's language
    };
    KeysWindow(const std::vector<Row>& rows, QWidget* parent);

    // A key as the user's keyboard labels it: "Ctrl+N" ("Strg+N" in German).
    static QString keyText(QKeyCombination keys);
};

} // namespace vexlor
