#include "practice_dialog.h"

#include "app/series_commands.h"
#include "cube/recipe.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace vexlor {

namespace {

// The mixes in the order they are offered, with the names tests know their
// buttons by.
struct MixChoice {
    PracticeMix mix;
    const char* objectName;
    const char* caption;
};
constexpr MixChoice kMixChoices[] = {
    {PracticeMix::AsToday, "mixAsToday", QT_TRANSLATE_NOOP("vexlor::PracticeDialog", "as today")},
    {PracticeMix::WeakestOnly, "mixWeakest",
     QT_TRANSLATE_NOOP("vexlor::PracticeDialog", "weakest only")},
    {PracticeMix::Chosen, "mixChosen",
     QT_TRANSLATE_NOOP("vexlor::PracticeDialog", "recipes I choose")},
    {PracticeMix::ReviewFirst, "mixReview",
     QT_TRANSLATE_NOOP("vexlor::PracticeDialog", "due for review first, then weakest")},
};

} // namespace

PracticeDialog::PracticeDialog(const Dialogs::PracticeRequest& request, QWidget* parent)
    : QDialog(parent), count_(new QLineEdit(request.count, this)), mixes_(new QButtonGroup(this)),
      recipes_(new QListWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("practiceDialog"));
    setWindowTitle(kAppTitle);
    count_->setObjectName(QStringLiteral("practiceCount"));
    recipes_->setObjectName(QStringLiteral("practiceRecipes"));
    auto* prompt = new QLabel(text::kNumberOfCubes, this);
    prompt->setBuddy(count_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(count_);
    layout->addWidget(new QLabel(tr("Take the Cubes from:"), this));
    for (const MixChoice& choice : kMixChoices) {
        auto* button = new QRadioButton(tr(choice.caption), this);
        button->setObjectName(QString::fromLatin1(choice.objectName));
        button->setChecked(choice.mix == request.mix);
        mixes_->addButton(button, static_cast<int>(choice.mix));
        layout->addWidget(button);
        if (choice.mix == PracticeMix::Chosen)
            layout->addWidget(recipes_);
    }
    auto* due = new QLabel(tr("%n Cube(s) due for review today.", nullptr, request.due), this);
    due->setObjectName(QStringLiteral("practiceDue"));
    due->setIndent(24);
    layout->addWidget(due);
    layout->addWidget(buttons_);

    for (int k = 0; k < kRecipeCount; ++k) {
        const std::string name(kRecipeNames[static_cast<std::size_t>(k)]);
        auto* item =
            new QListWidgetItem(QCoreApplication::translate("Recipe", name.c_str()), recipes_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(request.recipes[static_cast<std::size_t>(k)] ? Qt::Checked
                                                                         : Qt::Unchecked);
    }
    recipes_->setAccessibleName(tr("Recipes to practise"));
    // All 15 in view, so that ticking needs no scrolling.
    recipes_->setMinimumHeight(recipes_->sizeHintForRow(0) * kRecipeCount +
                               2 * recipes_->frameWidth());

    connect(mixes_, &QButtonGroup::idToggled, this, [this] { mixChosen(); });
    connect(recipes_, &QListWidget::itemChanged, this, [this] { mixChosen(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    mixChosen();
    count_->selectAll();
    count_->setFocus();
}

void PracticeDialog::mixChosen() {
    const Dialogs::PracticeChoice c = choice();
    const bool choosing = c.mix == PracticeMix::Chosen;
    recipes_->setEnabled(choosing);
    const bool ticked = std::find(c.recipes.begin(), c.recipes.end(), true) != c.recipes.end();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!choosing || ticked);
}

Dialogs::PracticeChoice PracticeDialog::choice() const {
    Dialogs::PracticeChoice c;
    c.count = count_->text();
    c.mix = static_cast<PracticeMix>(std::max(0, mixes_->checkedId()));
    for (int k = 0; k < kRecipeCount; ++k)
        c.recipes[static_cast<std::size_t>(k)] = recipes_->item(k)->checkState() == Qt::Checked;
    return c;
}

} // namespace vexlor
