#include "window_commands.h"

#include "app/main_window.h"
#include "app/series_commands.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <string_view>

namespace vexlor {

namespace {

using Group = CommandGroup;
constexpr auto kNoStandard = QKeySequence::UnknownKey;

// The Series grid's keys: the digit is the row as the panel lists it (1
// Current, 2 Skipped, 3 Mistakes, 4 Custom), the modifiers are the column:
// Alt copies the series to Current, Ctrl adds the current Cube to it,
// Ctrl+Shift saves it, Ctrl+Alt clears it.
constexpr QKeyCombination copyKey(Qt::Key row) {
    return Qt::ALT | row;
}
constexpr QKeyCombination addKey(Qt::Key row) {
    return Qt::CTRL | row;
}
constexpr QKeyCombination saveKey(Qt::Key row) {
    return Qt::CTRL | Qt::SHIFT | row;
}
constexpr QKeyCombination clearKey(Qt::Key row) {
    return Qt::CTRL | Qt::ALT | row;
}

// clang-format off
const std::array<WindowCommand, 33> kCommands{{
    // The answer keys lie as the answer pictures do on a numeric keypad.
    {"pickTopLeft", Group::Test, QT_TRANSLATE_NOOP("Commands", "Pick the top left answer"), {kNoStandard, Qt::Key_8}, nullptr, false,
     [](MainWindow& w) { w.pick(0); }},
    {"pickTopRight", Group::Test, QT_TRANSLATE_NOOP("Commands", "Pick the top right answer"), {kNoStandard, Qt::Key_9}, nullptr, false,
     [](MainWindow& w) { w.pick(1); }},
    {"pickBottomLeft", Group::Test, QT_TRANSLATE_NOOP("Commands", "Pick the bottom left answer"), {kNoStandard, Qt::Key_5}, nullptr, false,
     [](MainWindow& w) { w.pick(2); }},
    {"pickBottomRight", Group::Test, QT_TRANSLATE_NOOP("Commands", "Pick the bottom right answer"), {kNoStandard, Qt::Key_6}, nullptr, false,
     [](MainWindow& w) { w.pick(3); }},
    {"startPause", Group::Test, QT_TRANSLATE_NOOP("Commands", "Start or pause the test"), {kNoStandard, Qt::Key_0}, "stst", false,
     [](MainWindow& w) { w.startPause(); }},
    {"skip", Group::Test, QT_TRANSLATE_NOOP("Commands", "Skip the Cube"), {kNoStandard, Qt::Key_Plus}, "skip", false,
     [](MainWindow& w) { w.skip(); }},
    {"exam", Group::Test, QT_TRANSLATE_NOOP("Commands", "Exam\u2026"), {kNoStandard, Qt::CTRL | Qt::Key_E}, nullptr, false,
     [](MainWindow& w) { w.askExam(); }},
    {"endExam", Group::Test, QT_TRANSLATE_NOOP("Commands", "End the exam early"), {kNoStandard, kEndExamKey}, nullptr, false,
     [](MainWindow& w) { w.endExamEarly(); }},

    {"createRandomSeries", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Create random series"), {QKeySequence::New, Qt::CTRL | Qt::Key_N}, "newseriesb", false,
     [](MainWindow& w) { w.commands().createRandomSeries(); }},
    {"load", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Load a series file into Current"), {QKeySequence::Open, Qt::CTRL | Qt::Key_O}, "loadfromfile", true,
     [](MainWindow& w) { w.commands().loadIntoCurrent(); }},
    {"copySkipped", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Copy Skipped to Current"), {kNoStandard, copyKey(Qt::Key_2)}, "Button5", true,
     [](MainWindow& w) { w.commands().copyToCurrent(SeriesId::Skipped); }},
    {"copyMistakes", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Copy Mistakes to Current"), {kNoStandard, copyKey(Qt::Key_3)}, "Button3", true,
     [](MainWindow& w) { w.commands().copyToCurrent(SeriesId::Mistakes); }},
    {"copyCustom", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Copy Custom to Current"), {kNoStandard, copyKey(Qt::Key_4)}, "Button4", true,
     [](MainWindow& w) { w.commands().copyToCurrent(SeriesId::Custom); }},
    // R for review: Alt copies into Current, as on the grid's rows.
    {"review", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Review the Cubes due: put them into Current"), {kNoStandard, Qt::ALT | Qt::Key_R}, nullptr, false,
     [](MainWindow& w) { w.review(); }},
    {"addToSkipped", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Add the current Cube to Skipped"), {kNoStandard, addKey(Qt::Key_2)}, "Button1", true,
     [](MainWindow& w) { w.commands().addCurrentCube(SeriesId::Skipped); }},
    {"addToMistakes", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Add the current Cube to Mistakes"), {kNoStandard, addKey(Qt::Key_3)}, "atmi", true,
     [](MainWindow& w) { w.commands().addCurrentCube(SeriesId::Mistakes); }},
    {"addToCustom", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Add the current Cube to Custom"), {kNoStandard, addKey(Qt::Key_4)}, "atcu", true,
     [](MainWindow& w) { w.commands().addCurrentCube(SeriesId::Custom); }},
    {"saveCurrent", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Save Current"), {QKeySequence::Save, Qt::CTRL | Qt::Key_S, saveKey(Qt::Key_1)}, "Button9", true,
     [](MainWindow& w) { w.commands().save(SeriesId::Current); }},
    {"saveSkipped", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Save Skipped"), {kNoStandard, saveKey(Qt::Key_2)}, "Button8", true,
     [](MainWindow& w) { w.commands().save(SeriesId::Skipped); }},
    {"saveMistakes", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Save Mistakes"), {kNoStandard, saveKey(Qt::Key_3)}, "Button7", true,
     [](MainWindow& w) { w.commands().save(SeriesId::Mistakes); }},
    {"saveCustom", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Save Custom"), {kNoStandard, saveKey(Qt::Key_4)}, "Button6", true,
     [](MainWindow& w) { w.commands().save(SeriesId::Custom); }},
    {"clearCurrent", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Clear Current"), {kNoStandard, clearKey(Qt::Key_1)}, "Button11", true,
     [](MainWindow& w) { w.commands().clear(SeriesId::Current); }},
    {"clearSkipped", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Clear Skipped"), {kNoStandard, clearKey(Qt::Key_2)}, "Button12", true,
     [](MainWindow& w) { w.commands().clear(SeriesId::Skipped); }},
    {"clearMistakes", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Clear Mistakes"), {kNoStandard, clearKey(Qt::Key_3)}, "Button13", true,
     [](MainWindow& w) { w.commands().clear(SeriesId::Mistakes); }},
    {"clearCustom", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Clear Custom"), {kNoStandard, clearKey(Qt::Key_4)}, "Button14", true,
     [](MainWindow& w) { w.commands().clear(SeriesId::Custom); }},
    // A for all, beside the rows' digits.
    {"clearAll", Group::SeriesGrid, QT_TRANSLATE_NOOP("Commands", "Clear all series"), {kNoStandard, Qt::CTRL | Qt::ALT | Qt::Key_A}, "Button2", true,
     [](MainWindow& w) { w.commands().clearAll(); }},

    {"print", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Print a worksheet"), {QKeySequence::Print, Qt::CTRL | Qt::Key_P}, nullptr, false,
     [](MainWindow& w) { w.commands().print(); }},
    {"classReport", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Make a class report from pupils' results files"), {kNoStandard, Qt::CTRL | Qt::Key_R}, nullptr, false,
     [](MainWindow& w) { w.commands().classReport(); }},
    {"progress", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Show your progress"), {kNoStandard, Qt::Key_F2}, nullptr, false,
     [](MainWindow& w) { w.showProgress(); }},
    {"why", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Why? Explain the answer picked"), {kNoStandard, Qt::Key_F3}, nullptr, false,
     [](MainWindow& w) { w.explainShownCube(); }},
    {"explainMistakes", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Explain the Cubes of the Mistakes series"), {kNoStandard, Qt::SHIFT | Qt::Key_F3}, nullptr, false,
     [](MainWindow& w) { w.explainMistakes(); }},
    {"keys", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Show this list of keys"), {QKeySequence::HelpContents, Qt::Key_F1}, nullptr, false,
     [](MainWindow& w) { w.showKeys(); }},
    {"close", Group::Windows, QT_TRANSLATE_NOOP("Commands", "Close Vexlor"), {kNoStandard, Qt::Key_Escape}, nullptr, false,
     [](MainWindow& w) { w.close(); }},
}};
// clang-format on

} // namespace

std::span<const WindowCommand> windowCommands() {
    return kCommands;
}

bool worksDuringExam(const WindowCommand& command) {
    static constexpr std::string_view kExamCommands[] = {
        "pickTopLeft", "pickTopRight", "pickBottomLeft", "pickBottomRight", "startPause", "skip",
        "endExam",     "keys",         "close"};
    return std::find(std::begin(kExamCommands), std::end(kExamCommands), command.name) !=
           std::end(kExamCommands);
}

QList<QKeySequence> keySequencesOf(const CommandKeys& keys) {
    QList<QKeySequence> sequences;
    if (keys.standard != QKeySequence::UnknownKey)
        sequences = QKeySequence::keyBindings(keys.standard);
    for (const QKeyCombination key : {keys.key, keys.alternate})
        if (key.key() != Qt::Key_unknown && !sequences.contains(QKeySequence(key)))
            sequences << QKeySequence(key);
    return sequences;
}

} // namespace vexlor
