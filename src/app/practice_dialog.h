#pragma once

// The question "Practise weakest recipes" asks: how many Cubes, and from
// which recipes (the mix).

#include "app/dialogs.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QDialogButtonBox;
class QLineEdit;
class QListWidget;

namespace vexlor {

// The number of Cubes as an input box asks it, and below it the mixes, one
// of which is chosen; "recipes I choose" opens the list of the 15 recipes
// to tick. OK waits for at least one tick while that mix is chosen.
class PracticeDialog final : public QDialog {
    Q_OBJECT

public:
    explicit PracticeDialog(const Dialogs::PracticeRequest& request, QWidget* parent = nullptr);

    Dialogs::PracticeChoice choice() const;

private:
    void mixChosen();

    QLineEdit* count_;
    QButtonGroup* mixes_;
    QListWidget* recipes_;
    QDialogButtonBox* buttons_;
};

} // namespace vexlor
