<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Charts</name>
    <message numerus="yes">
        <source>%Ln practice day(s)</source>
        <translation>
            <numerusform>%Ln practice day</numerusform>
            <numerusform>%Ln practice days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s)</source>
        <translation>
            <numerusform>%Ln Cube</numerusform>
            <numerusform>%Ln Cubes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s) with Cubes solved</source>
        <translation>
            <numerusform>%Ln week with Cubes solved</numerusform>
            <numerusform>%Ln weeks with Cubes solved</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message numerus="yes">
        <source>%Ln pupil(s)</source>
        <translation>
            <numerusform>%Ln pupil</numerusform>
            <numerusform>%Ln pupils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln item</numerusform>
            <numerusform>%Ln items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) for a last try when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln solve of this run waits for a last try when Vexlor closes.</numerusform>
            <numerusform>%Ln solves of this run wait for a last try when Vexlor closes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) in memory and will be saved with the next solve or when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln solve of this run waits in memory and will be saved with the next solve or when Vexlor closes.</numerusform>
            <numerusform>%Ln solves of this run wait in memory and will be saved with the next solve or when Vexlor closes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message numerus="yes">
        <source>The time ran out with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>The time ran out with %Ln Cube unanswered: it counts as unanswered, not as wrong.</numerusform>
            <numerusform>The time ran out with %Ln Cubes unanswered: they count as unanswered, not as wrong.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The exam was ended early with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>The exam was ended early with %Ln Cube unanswered: it counts as unanswered, not as wrong.</numerusform>
            <numerusform>The exam was ended early with %Ln Cubes unanswered: they count as unanswered, not as wrong.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unanswered: %Ln Cube(s).</source>
        <translation>
            <numerusform>Unanswered: %Ln Cube.</numerusform>
            <numerusform>Unanswered: %Ln Cubes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The window was left %Ln time(s), for %1 in all.</source>
        <translation>
            <numerusform>The window was left %Ln time, for %1 in all.</numerusform>
            <numerusform>The window was left %Ln times, for %1 in all.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This exam: %1. Earlier exams: %Ln, the last %2, the best %3.</source>
        <translation>
            <numerusform>This exam: %1. Earlier exams: %Ln, the last %2, the best %3.</numerusform>
            <numerusform>This exam: %1. Earlier exams: %Ln, the last %2, the best %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::ExamDialog</name>
    <message numerus="yes">
        <source>The Current series (%Ln Cube(s))</source>
        <translation>
            <numerusform>The Current series (%Ln Cube)</numerusform>
            <numerusform>The Current series (%Ln Cubes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::ExamPanel</name>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>%n minute left</numerusform>
            <numerusform>%n minutes left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::MainWindow</name>
    <message numerus="yes">
        <source> · %Ln solve(s) not yet saved</source>
        <translation>
            <numerusform> · %Ln solve not yet saved</numerusform>
            <numerusform> · %Ln solves not yet saved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Solves of this run that cannot be saved, not even beside your history: %n. They are lost if Vexlor closes now. Try again?</source>
        <translation>
            <numerusform>%n solve of this run cannot be saved, not even beside your history. It is lost if Vexlor closes now. Try again?</numerusform>
            <numerusform>%n solves of this run cannot be saved, not even beside your history. They are lost if Vexlor closes now. Try again?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln Cube(s) to review</source>
        <translation>
            <numerusform> · %Ln Cube to review</numerusform>
            <numerusform> · %Ln Cubes to review</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::PracticeDialog</name>
    <message numerus="yes">
        <source>%n Cube(s) due for review today.</source>
        <translation>
            <numerusform>%n Cube due for review today.</numerusform>
            <numerusform>%n Cubes due for review today.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::PrintDialog</name>
    <message numerus="yes">
        <source>%1 (%Ln Cube(s))</source>
        <translation>
            <numerusform>%1 (%Ln Cube)</numerusform>
            <numerusform>%1 (%Ln Cubes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::ProgressWindow</name>
    <message numerus="yes">
        <source>none yet (a day needs %Ln Cube(s))</source>
        <translation>
            <numerusform>none yet (a day needs %Ln Cube)</numerusform>
            <numerusform>none yet (a day needs %Ln Cubes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, median %L2 s over %Ln Cube(s)</source>
        <translation>
            <numerusform>%1, median %L2 s over %Ln Cube</numerusform>
            <numerusform>%1, median %L2 s over %Ln Cubes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s) kept for review could not be read and are left out.</source>
        <translation>
            <numerusform>%Ln Cube kept for review could not be read and is left out.</numerusform>
            <numerusform>%Ln Cubes kept for review could not be read and are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln Cube(s) with a time within the target</source>
        <translation>
            <numerusform>%1 of the %Ln Cube with a time within the target</numerusform>
            <numerusform>%1 of the %Ln Cubes with a time within the target</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::RecipeGuide</name>
    <message numerus="yes">
        <source>You have solved %Ln Cube(s) of this recipe.</source>
        <translation>
            <numerusform>You have solved %Ln Cube of this recipe.</numerusform>
            <numerusform>You have solved %Ln Cubes of this recipe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over your latest %Ln solve(s): median time %1, %L2 mistakes per Cube.</source>
        <translation>
            <numerusform>Over your latest %Ln solve: median time %1, %L2 mistakes per Cube.</numerusform>
            <numerusform>Over your latest %Ln solves: median time %1, %L2 mistakes per Cube.</numerusform>
        </translation>
    </message>
</context>
</TS>
