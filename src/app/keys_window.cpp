#include "keys_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace vexlor {

namespace {

struct GroupPlace {
    CommandGroup group;
    const char* heading;
    int column; // of the two columns of the window
};
constexpr std::array<GroupPlace, 3> kGroups{{
    {CommandGroup::Test, QT_TRANSLATE_NOOP("vexlor::KeysWindow", "The test"), 0},
    {CommandGroup::Windows, QT_TRANSLATE_NOOP("vexlor::KeysWindow", "Windows"), 0},
    {CommandGroup::SeriesGrid, QT_TRANSLATE_NOOP("vexlor::KeysWindow", "Series"), 1},
}};

} // namespace

KeysWindow::KeysWindow(const std::vector<Row>& rows, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("keys"));
    setWindowTitle(tr("Keys"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    std::array<QGridLayout*, 2> grids{new QGridLayout, new QGridLayout};
    std::array<int, 2> lines{};
    for (QGridLayout* grid : grids) {
        grid->setHorizontalSpacing(24);
        if (grid != grids.front())
            columns->addSpacing(36);
        columns->addLayout(grid);
    }
    for (const GroupPlace& place : kGroups) {
        QGridLayout* grid = grids[static_cast<std::size_t>(place.column)];
        int& at = lines[static_cast<std::size_t>(place.column)];
        auto* heading = new QLabel(tr(place.heading), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        if (at > 0)
            grid->setRowMinimumHeight(at++, heading->fontMetrics().height() / 2);
        grid->addWidget(heading, at++, 0, 1, 2);
        for (const Row& row : rows) {
            if (row.group != place.group)
                continue;
            auto* keys = new QLabel(keyText(row.keys), this);
            keys->setObjectName(QStringLiteral("keys:") + row.name);
            auto* action = new QLabel(row.action, this);
            action->setObjectName(QStringLiteral("does:") + row.name);
            // A reader hears each line as one: the keys, then what they do.
            keys->setAccessibleName(keys->text() + QStringLiteral(": ") + row.action);
            grid->addWidget(keys, at, 0);
            grid->addWidget(action, at, 1);
            ++at;
        }
    }
    for (QGridLayout* grid : grids)
        grid->setRowStretch(grid->rowCount(), 1);
    layout->addLayout(columns);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString KeysWindow::keyText(const QList<QKeySequence>& keys) {
    QStringList texts;
    for (const QKeySequence& key : keys)
        texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

} // namespace vexlor
