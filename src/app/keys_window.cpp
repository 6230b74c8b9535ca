#include "keys_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexlor {

KeysWindow::KeysWindow(const std::vector<Row>& rows, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("keys"));
    setWindowTitle(tr("Keys"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    int line = 0;
    for (const Row& row : rows) {
        auto* keys = new QLabel(keyText(row.keys), this);
        keys->setObjectName(QStringLiteral("key%1").arg(line));
        QFont bold = keys->font();
        bold.setBold(true);
        keys->setFont(bold);
        auto* action = new QLabel(row.action, this);
        action->setObjectName(QStringLiteral("action%1").arg(line));
        // A reader hears each line as one: the key, then what it does.
        keys->setAccessibleName(keys->text() + QStringLiteral(": ") + row.action);
        grid->addWidget(keys, line, 0);
        grid->addWidget(action, line, 1);
        ++line;
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString KeysWindow::keyText(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace vexlor
