<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Charts</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>No Cubes solved yet.</source>
        <translation>Noch keine Würfel gelöst.</translation>
    </message>
    <message>
        <source>No Cubes solved yet</source>
        <translation>Noch keine Würfel gelöst</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Aufgabentypen</translation>
    </message>
    <message>
        <source>%1: not tried</source>
        <translation>%1: noch nicht versucht</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>keine Zeit</translation>
    </message>
    <message>
        <source>, too few to judge</source>
        <translation>, zu wenige für ein Urteil</translation>
    </message>
    <message>
        <source>Weakest: %1. %2.</source>
        <translation>Am schwächsten: %1. %2.</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keiner</translation>
    </message>
    <message>
        <source>weakest</source>
        <translation>schwächster</translation>
    </message>
    <message>
        <source>few</source>
        <translation>wenige</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Aufgabentyp</translation>
    </message>
    <message>
        <source>Cubes</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediandauer</translation>
    </message>
    <message>
        <source>Mistakes per Cube</source>
        <translation>Fehler je Würfel</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>noch nicht versucht</translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
    <message>
        <source>MMM</source>
        <translation>MMM</translation>
    </message>
    <message>
        <source>%1 from %2 to %3, %4: %5.</source>
        <translation>%1 vom %2 bis %3, %4: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln practice day(s)</source>
        <translation>
            <numerusform>%Ln Übungstag</numerusform>
            <numerusform>%Ln Übungstage</numerusform>
        </translation>
    </message>
    <message>
        <source>no Cubes solved</source>
        <translation>keine Würfel gelöst</translation>
    </message>
    <message>
        <source>Marked: %1, %2.</source>
        <translation>Markiert: %1, %2.</translation>
    </message>
    <message>
        <source>No Cubes solved in these days</source>
        <translation>In diesem Zeitraum keine Würfel gelöst</translation>
    </message>
    <message>
        <source>Cubes per day</source>
        <translation>Würfel je Tag</translation>
    </message>
    <message>
        <source>Click a recipe, or choose one with the arrow keys and press Enter, to see what it tests and an example.</source>
        <translation>Einen Aufgabentyp anklicken oder mit den Pfeiltasten wählen und Eingabe drücken, um zu sehen, was er prüft, mit einem Beispiel.</translation>
    </message>
    <message>
        <source>%1: %2, median %3, %4 mistakes per Cube%5</source>
        <translation>%1: %2, Median %3, %4 Fehler je Würfel%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s)</source>
        <translation>
            <numerusform>%Ln Würfel</numerusform>
            <numerusform>%Ln Würfel</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Line: %1.</source>
        <translation>Linie: %1.</translation>
    </message>
    <message>
        <source>, %1 within the target</source>
        <translation>, %1 innerhalb der Zielzeit</translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s) with Cubes solved</source>
        <translation>
            <numerusform>%Ln Woche mit gelösten Würfeln</numerusform>
            <numerusform>%Ln Wochen mit gelösten Würfeln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Unbeantwortet</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Zeit gesamt</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediandauer</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Aufgabentyp</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Most chosen wrong</source>
        <translation>Häufig falsch</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation>%L1 %</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>under %L1 % right</source>
        <translation>unter %L1 % richtig</translation>
    </message>
    <message>
        <source>over %L1 % right</source>
        <translation>über %L1 % richtig</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pupil(s)</source>
        <translation>
            <numerusform>%Ln Schüler</numerusform>
            <numerusform>%Ln Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln Aufgabe</numerusform>
            <numerusform>%Ln Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1 (%2)</source>
        <translation>Nicht gewertet: %1 (%2)</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Right answers per item</source>
        <translation>Richtige Antworten je Aufgabe</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Page %L1 of %L2</source>
        <translation>Seite %L1 von %L2</translation>
    </message>
    <message>
        <source>Item number; dashed: %1 and %2; dark bars: under %1, light bars: over %2</source>
        <translation>Aufgabennummer; gestrichelt: %1 und %2; dunkle Balken: unter %1, helle Balken: über %2</translation>
    </message>
    <message>
        <source>not a series file, or it cannot be read</source>
        <translation>keine Seriendatei oder nicht lesbar</translation>
    </message>
    <message>
        <source>no Cube is answered: not a results file</source>
        <translation>kein Würfel beantwortet, also keine Ergebnisdatei</translation>
    </message>
    <message>
        <source>Cube %L1 has more than one answer picked</source>
        <translation>Würfel %L1 hat mehr als eine gewählte Antwort</translation>
    </message>
    <message>
        <source>Cube %L1 is not in the original series</source>
        <translation>Würfel %L1 ist nicht in der Originalserie</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Pick the top left answer</source>
        <translation>Antwort oben links wählen</translation>
    </message>
    <message>
        <source>Pick the top right answer</source>
        <translation>Antwort oben rechts wählen</translation>
    </message>
    <message>
        <source>Pick the bottom left answer</source>
        <translation>Antwort unten links wählen</translation>
    </message>
    <message>
        <source>Pick the bottom right answer</source>
        <translation>Antwort unten rechts wählen</translation>
    </message>
    <message>
        <source>Start or pause the test</source>
        <translation>Test starten oder anhalten</translation>
    </message>
    <message>
        <source>Skip the Cube</source>
        <translation>Würfel überspringen</translation>
    </message>
    <message>
        <source>Create random series</source>
        <translation>Zufallsserie erstellen</translation>
    </message>
    <message>
        <source>Load a series file into Current</source>
        <translation>Eine Seriendatei nach Aktuell laden</translation>
    </message>
    <message>
        <source>Copy Skipped to Current</source>
        <translation>Übersprungen nach Aktuell kopieren</translation>
    </message>
    <message>
        <source>Copy Mistakes to Current</source>
        <translation>Fehler nach Aktuell kopieren</translation>
    </message>
    <message>
        <source>Copy Custom to Current</source>
        <translation>Eigene nach Aktuell kopieren</translation>
    </message>
    <message>
        <source>Add the current Cube to Skipped</source>
        <translation>Aktuellen Würfel zu Übersprungen hinzufügen</translation>
    </message>
    <message>
        <source>Add the current Cube to Mistakes</source>
        <translation>Aktuellen Würfel zu Fehler hinzufügen</translation>
    </message>
    <message>
        <source>Add the current Cube to Custom</source>
        <translation>Aktuellen Würfel zu Eigene hinzufügen</translation>
    </message>
    <message>
        <source>Save Current</source>
        <translation>Aktuell speichern</translation>
    </message>
    <message>
        <source>Save Skipped</source>
        <translation>Übersprungen speichern</translation>
    </message>
    <message>
        <source>Save Mistakes</source>
        <translation>Fehler speichern</translation>
    </message>
    <message>
        <source>Save Custom</source>
        <translation>Eigene speichern</translation>
    </message>
    <message>
        <source>Clear Current</source>
        <translation>Aktuell leeren</translation>
    </message>
    <message>
        <source>Clear Skipped</source>
        <translation>Übersprungen leeren</translation>
    </message>
    <message>
        <source>Clear Mistakes</source>
        <translation>Fehler leeren</translation>
    </message>
    <message>
        <source>Clear Custom</source>
        <translation>Eigene leeren</translation>
    </message>
    <message>
        <source>Clear all series</source>
        <translation>Alle Serien leeren</translation>
    </message>
    <message>
        <source>Print a worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Show your progress</source>
        <translation>Fortschritt anzeigen</translation>
    </message>
    <message>
        <source>Show this list of keys</source>
        <translation>Diese Tastenliste anzeigen</translation>
    </message>
    <message>
        <source>Close Vexlor</source>
        <translation>Vexlor beenden</translation>
    </message>
    <message>
        <source>Make a class report from pupils' results files</source>
        <translation>Klassenbericht aus den Ergebnisdateien der Schüler erstellen</translation>
    </message>
    <message>
        <source>Exam…</source>
        <translation>Prüfung…</translation>
    </message>
    <message>
        <source>End the exam early</source>
        <translation>Prüfung vorzeitig beenden</translation>
    </message>
    <message>
        <source>Why? Explain the answer picked</source>
        <translation>Warum? Die gewählte Antwort erklären</translation>
    </message>
    <message>
        <source>Explain the Cubes of the Mistakes series</source>
        <translation>Die Würfel der Serie Fehler erklären</translation>
    </message>
    <message>
        <source>Review the Cubes due: put them into Current</source>
        <translation>Fällige Würfel wiederholen: in Aktuell übernehmen</translation>
    </message>
</context>
<context>
    <name>Face (on)</name>
    <message>
        <source>on the top face</source>
        <translation>auf der oberen Seite</translation>
    </message>
    <message>
        <source>on the right face</source>
        <translation>auf der rechten Seite</translation>
    </message>
    <message>
        <source>on the left face</source>
        <translation>auf der linken Seite</translation>
    </message>
</context>
<context>
    <name>Face (subject)</name>
    <message>
        <source>the top face</source>
        <translation>die obere Seite</translation>
    </message>
    <message>
        <source>the right face</source>
        <translation>die rechte Seite</translation>
    </message>
    <message>
        <source>the left face</source>
        <translation>die linke Seite</translation>
    </message>
</context>
<context>
    <name>Face (to)</name>
    <message>
        <source>to the top face</source>
        <translation>zur oberen Seite</translation>
    </message>
    <message>
        <source>to the right face</source>
        <translation>zur rechten Seite</translation>
    </message>
    <message>
        <source>to the left face</source>
        <translation>zur linken Seite</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The history file %1 was damaged. It was set aside as %2 and a new history was started.</source>
        <translation>Die Verlaufsdatei %1 war beschädigt. Sie wurde als %2 beiseitegelegt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>The file %1 was not a Vexlor history. It was set aside as %2 and a new history was started.</source>
        <translation>Die Datei %1 war kein Vexlor-Verlauf. Sie wurde als %2 beiseitegelegt, und ein neuer Verlauf wurde begonnen.</translation>
    </message>
    <message>
        <source>Solves copied into the new history: %L1; solves that could not be read: %2.</source>
        <translation>In den neuen Verlauf übernommene Lösungen: %L1; nicht lesbare Lösungen: %2.</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>eine unbekannte Zahl</translation>
    </message>
    <message>
        <source>the SQLite driver for Qt is not installed (Debian package libqt6sql6-sqlite)</source>
        <translation>der SQLite-Treiber für Qt ist nicht installiert (Debian-Paket libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>%1 lässt sich nicht öffnen (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a second Vexlor</source>
        <translation>%1 wird von einem anderen Programm benutzt, vielleicht von einem zweiten Vexlor</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>der Datenträger mit %1 ist voll</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 lässt sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used by this version of Vexlor (%2)</source>
        <translation>%1 lässt sich mit dieser Version von Vexlor nicht verwenden (%2)</translation>
    </message>
    <message>
        <source>Progress is not recorded: %1.</source>
        <translation>Der Fortschritt wird nicht aufgezeichnet, denn %1.</translation>
    </message>
    <message>
        <source>Progress is not saved just now: %1.</source>
        <translation>Der Fortschritt wird gerade nicht gespeichert, denn %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) for a last try when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln Lösung dieser Sitzung wartet auf einen letzten Versuch beim Beenden von Vexlor.</numerusform>
            <numerusform>%Ln Lösungen dieser Sitzung warten auf einen letzten Versuch beim Beenden von Vexlor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) in memory and will be saved with the next solve or when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln Lösung dieser Sitzung wartet im Speicher und wird mit der nächsten Lösung oder beim Beenden von Vexlor gespeichert.</numerusform>
            <numerusform>%Ln Lösungen dieser Sitzung warten im Speicher und werden mit der nächsten Lösung oder beim Beenden von Vexlor gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Vexlor tries again with the next solve.</source>
        <translation>Vexlor versucht es bei der nächsten Lösung erneut.</translation>
    </message>
    <message>
        <source>The history file %1 is damaged. What can still be read from it is being copied into a new history (%2 % done); your solves wait until then.</source>
        <translation>Die Verlaufsdatei %1 ist beschädigt. Was sich daraus noch lesen lässt, wird in einen neuen Verlauf übernommen (%2 % erledigt); bis dahin warten die Lösungen.</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>Which third face</source>
        <translation>Welche dritte Seite</translation>
    </message>
    <message>
        <source>6 distinct symmetric symbols</source>
        <translation>6 verschiedene symmetrische Symbole</translation>
    </message>
    <message>
        <source>Symmetric symbols, repeated</source>
        <translation>Symmetrische Symbole mit Wiederholung</translation>
    </message>
    <message>
        <source>One turned face shared</source>
        <translation>Eine gemeinsame gerichtete Seite</translation>
    </message>
    <message>
        <source>Turn of one symbol</source>
        <translation>Drehung eines Symbols</translation>
    </message>
    <message>
        <source>One symbol in four turns</source>
        <translation>Ein Symbol in vier Drehungen</translation>
    </message>
    <message>
        <source>Two half-turn symbols</source>
        <translation>Zwei punktsymmetrische Symbole</translation>
    </message>
    <message>
        <source>Turned symbols, repeated</source>
        <translation>Gerichtete Symbole mit Wiederholung</translation>
    </message>
    <message>
        <source>Half-turn symbols, repeated</source>
        <translation>Punktsymmetrische Symbole mit Wiederholung</translation>
    </message>
    <message>
        <source>All kinds of symbols</source>
        <translation>Alle Arten von Symbolen</translation>
    </message>
    <message>
        <source>Half-turn parity</source>
        <translation>Lage eines punktsymmetrischen Symbols</translation>
    </message>
    <message>
        <source>6 distinct half-turn symbols</source>
        <translation>6 verschiedene punktsymmetrische Symbole</translation>
    </message>
    <message>
        <source>Symmetric face among turns</source>
        <translation>Symmetrische Seite unter gerichteten</translation>
    </message>
    <message>
        <source>6 distinct turned symbols</source>
        <translation>6 verschiedene gerichtete Symbole</translation>
    </message>
    <message>
        <source>Odd face among turns</source>
        <translation>Abweichende Seite unter gerichteten</translation>
    </message>
    <message>
        <source>Every answer shows the same two faces; the wrong ones show another symbol as the third face.</source>
        <translation>Alle Antworten zeigen dieselben zwei Seiten; die falschen zeigen als dritte Seite ein anderes Symbol.</translation>
    </message>
    <message>
        <source>Six different symmetric symbols; the wrong answers show three that do not meet at one corner, or meet in the other order.</source>
        <translation>Sechs verschiedene symmetrische Symbole; die falschen Antworten zeigen drei, die nicht an einer Ecke zusammentreffen oder dort in umgekehrter Reihenfolge liegen.</translation>
    </message>
    <message>
        <source>Symmetric symbols, some repeated; the wrong answers put together symbols that do not meet at one corner, or meet in the other order.</source>
        <translation>Symmetrische Symbole, manche mehrfach; die falschen Antworten kombinieren Symbole, die nicht an einer Ecke zusammentreffen oder dort in umgekehrter Reihenfolge liegen.</translation>
    </message>
    <message>
        <source>Every answer shows face 0's turned symbol in the same turn; the wrong ones vary the two symmetric faces beside it.</source>
        <translation>Alle Antworten zeigen das gerichtete Symbol von Seite 0 in derselben Drehung; die falschen ändern die zwei symmetrischen Seiten daneben.</translation>
    </message>
    <message>
        <source>Every answer shows the same three symbols; the wrong ones differ only in the turn of one.</source>
        <translation>Alle Antworten zeigen dieselben drei Symbole; die falschen unterscheiden sich nur in der Drehung eines davon.</translation>
    </message>
    <message>
        <source>One turned symbol on every face; the wrong answers differ in which way the symbols lie.</source>
        <translation>Dasselbe gerichtete Symbol auf jeder Seite; die falschen Antworten unterscheiden sich darin, wie die Symbole liegen.</translation>
    </message>
    <message>
        <source>Two half-turn symbols mixed over the faces; the wrong answers vary which lies where and which way.</source>
        <translation>Zwei punktsymmetrische Symbole, über die Seiten verteilt; die falschen Antworten ändern, welches wo und wie herum liegt.</translation>
    </message>
    <message>
        <source>Turned symbols, some repeated; the wrong answers vary which symbols meet at the corner and how they are turned.</source>
        <translation>Gerichtete Symbole, manche mehrfach; die falschen Antworten ändern, welche Symbole an der Ecke zusammentreffen und wie sie gedreht sind.</translation>
    </message>
    <message>
        <source>Half-turn symbols, some repeated; the wrong answers vary which symbols meet at the corner and which way they lie.</source>
        <translation>Punktsymmetrische Symbole, manche mehrfach; die falschen Antworten ändern, welche Symbole an der Ecke zusammentreffen und wie herum sie liegen.</translation>
    </message>
    <message>
        <source>Any of the 18 symbols; the wrong answers vary the symbols at the corner, their order and their turns.</source>
        <translation>Beliebige der 18 Symbole; die falschen Antworten ändern die Symbole an der Ecke, ihre Reihenfolge und ihre Drehungen.</translation>
    </message>
    <message>
        <source>Two symmetric symbols shared by every answer; the wrong ones vary the third, half-turn symbol and which way it lies.</source>
        <translation>Zwei symmetrische Symbole in allen Antworten; die falschen ändern das dritte, punktsymmetrische Symbol und wie herum es liegt.</translation>
    </message>
    <message>
        <source>Six different half-turn symbols; the wrong answers vary which meet at the corner, their order and which way they lie.</source>
        <translation>Sechs verschiedene punktsymmetrische Symbole; die falschen Antworten ändern, welche an der Ecke zusammentreffen, ihre Reihenfolge und wie herum sie liegen.</translation>
    </message>
    <message>
        <source>Every answer shows the same symmetric face; the wrong ones vary the turned symbols beside it.</source>
        <translation>Alle Antworten zeigen dieselbe symmetrische Seite; die falschen ändern die gerichteten Symbole daneben.</translation>
    </message>
    <message>
        <source>Six different turned symbols; the wrong answers vary which meet at the corner, their order and their turns.</source>
        <translation>Sechs verschiedene gerichtete Symbole; die falschen Antworten ändern, welche an der Ecke zusammentreffen, ihre Reihenfolge und ihre Drehungen.</translation>
    </message>
    <message>
        <source>Every answer shows one odd turned symbol in the same turn; the wrong ones vary the other turned faces beside it.</source>
        <translation>Alle Antworten zeigen ein abweichendes gerichtetes Symbol in derselben Drehung; die falschen ändern die anderen gerichteten Seiten daneben.</translation>
    </message>
    <message>
        <source>Only the third face changes, so find the two shared faces in the net first. Two of the other symbols lie opposite one of them (for example with one face between them in a straight row) and can never meet it. Of the two faces that touch both, only one follows them in the answer's order: go round the corner clockwise, top, right, left.</source>
        <translation>Nur die dritte Seite ändert sich, also suchen Sie zuerst die beiden gemeinsamen Seiten im Netz. Zwei der übrigen Symbole liegen einer von ihnen gegenüber (zum Beispiel mit einer Seite dazwischen in einer geraden Reihe) und können sie nie berühren. Von den zwei Seiten, die beide berühren, folgt nur eine in der Reihenfolge der Antwort: Gehen Sie im Uhrzeigersinn um die Ecke, oben, rechts, links.</translation>
    </message>
    <message>
        <source>These symbols look the same however they are turned, so only which faces meet, and in which order, counts. Rule out an answer that shows two opposite faces: in a straight row of three faces, the outer two are opposite. Then go round the corner clockwise (top, right, left) and check that the three faces meet in the same order in the net.</source>
        <translation>Diese Symbole sehen in jeder Drehung gleich aus, es zählt also nur, welche Seiten sich treffen und in welcher Reihenfolge. Schließen Sie eine Antwort aus, die zwei gegenüberliegende Seiten zeigt: In einer geraden Reihe aus drei Seiten liegen die äußeren einander gegenüber. Gehen Sie dann im Uhrzeigersinn um die Ecke (oben, rechts, links) und prüfen Sie, ob sich die drei Seiten im Netz in derselben Reihenfolge treffen.</translation>
    </message>
    <message>
        <source>Turns do not count here, only which faces meet and in which order round the corner (clockwise: top, right, left). A symbol that lies on two faces may stand for either of them: try both places in the net before you rule an answer out.</source>
        <translation>Drehungen zählen hier nicht, nur welche Seiten sich treffen und in welcher Reihenfolge um die Ecke (im Uhrzeigersinn: oben, rechts, links). Ein Symbol auf zwei Seiten kann für jede von beiden stehen: Probieren Sie beide Stellen im Netz, bevor Sie eine Antwort ausschließen.</translation>
    </message>
    <message>
        <source>The turned symbol looks the same in every answer, so use it as your anchor. In the net, find the faces on each side of it: where it points, behind it, to its left and to its right. In the right answer the two symmetric faces lie on the same sides of it.</source>
        <translation>Das gerichtete Symbol sieht in jeder Antwort gleich aus, nutzen Sie es also als Anker. Suchen Sie im Netz die Seiten auf jeder Seite davon: wohin es zeigt, dahinter, links und rechts davon. In der richtigen Antwort liegen die beiden symmetrischen Seiten auf denselben Seiten.</translation>
    </message>
    <message>
        <source>The answers differ only in the turn of the one turned symbol. In the net, note which neighbouring face it points to (or which corner it sits in), folding the net in your mind where that neighbour is not beside it. The right answer shows it turned towards the same face.</source>
        <translation>Die Antworten unterscheiden sich nur in der Drehung des einen gerichteten Symbols. Merken Sie sich im Netz, auf welche Nachbarseite es zeigt (oder in welcher Ecke es sitzt), und falten Sie das Netz im Kopf, wo dieser Nachbar nicht daneben liegt. Die richtige Antwort zeigt es zur selben Seite gedreht.</translation>
    </message>
    <message>
        <source>Every face carries the same symbol, so only the way each one lies tells the faces apart. Take two faces that share an edge in the answer and see how each symbol lies towards that edge: pointing at it, away from it or along it. Folding keeps this, so the net must show the same at that edge.</source>
        <translation>Jede Seite trägt dasselbe Symbol, die Seiten unterscheiden sich also nur darin, wie es liegt. Nehmen Sie zwei Seiten, die in der Antwort eine Kante teilen, und sehen Sie, wie jedes Symbol zu dieser Kante liegt: zu ihr hin, von ihr weg oder an ihr entlang. Das Falten ändert daran nichts, also muss das Netz an dieser Kante dasselbe zeigen.</translation>
    </message>
    <message>
        <source>A symbol may lie on several faces, so know each face by its neighbours, not by its symbol alone. For two faces that meet in the answer, check that they meet in the net too and that each symbol points the same way towards the edge they share.</source>
        <translation>Ein Symbol kann auf mehreren Seiten liegen, erkennen Sie jede Seite also an ihren Nachbarn, nicht nur an ihrem Symbol. Prüfen Sie für zwei Seiten, die sich in der Antwort treffen, dass sie sich auch im Netz treffen und dass jedes Symbol gleich zur gemeinsamen Kante zeigt.</translation>
    </message>
    <message>
        <source>A repeated symbol can stand for more than one face: find a place in the net where all three faces meet in the answer's order (clockwise: top, right, left). Then check how each symbol runs towards the edges it shares: a half turn changes nothing, a quarter turn does.</source>
        <translation>Ein wiederholtes Symbol kann für mehr als eine Seite stehen: Suchen Sie eine Stelle im Netz, an der sich alle drei Seiten in der Reihenfolge der Antwort treffen (im Uhrzeigersinn: oben, rechts, links). Prüfen Sie dann, wie jedes Symbol zu seinen gemeinsamen Kanten verläuft: Eine halbe Drehung ändert nichts, eine Vierteldrehung schon.</translation>
    </message>
    <message>
        <source>Start with a turned symbol: it shows which neighbour it points to, and the right answer keeps that. Then rule out answers that show two opposite faces or the wrong order round the corner; a symmetric symbol is checked by its place alone.</source>
        <translation>Beginnen Sie mit einem gerichteten Symbol: Es zeigt, auf welchen Nachbarn es weist, und die richtige Antwort behält das bei. Schließen Sie dann Antworten mit zwei gegenüberliegenden Seiten oder der falschen Reihenfolge um die Ecke aus; ein symmetrisches Symbol prüfen Sie allein an seiner Stelle.</translation>
    </message>
    <message>
        <source>Each symbol names its face, so first rule out answers with two opposite faces or the wrong order round the corner. Then check how each symbol runs towards the edges it shares with the other two: a half turn looks the same, a quarter turn does not.</source>
        <translation>Jedes Symbol benennt seine Seite, schließen Sie also zuerst Antworten mit zwei gegenüberliegenden Seiten oder der falschen Reihenfolge um die Ecke aus. Prüfen Sie dann, wie jedes Symbol zu den Kanten verläuft, die es mit den anderen beiden teilt: Eine halbe Drehung sieht gleich aus, eine Vierteldrehung nicht.</translation>
    </message>
    <message>
        <source>The symmetric face is in every answer; the other two carry one turned symbol in different turns. Find the symmetric face in the net and look at its neighbours: in the right answer each turned symbol points towards, away from or along the edge it shares with the symmetric face, exactly as in the net.</source>
        <translation>Die symmetrische Seite ist in jeder Antwort; die anderen beiden tragen gerichtete Symbole in verschiedenen Drehungen. Suchen Sie die symmetrische Seite im Netz und sehen Sie sich ihre Nachbarn an: In der richtigen Antwort zeigt jedes gerichtete Symbol zu der Kante, die es mit der symmetrischen Seite teilt, von ihr weg oder an ihr entlang, genau wie im Netz.</translation>
    </message>
    <message>
        <source>The odd symbol is shown the same way in every answer, so it fixes the places of its neighbours. In the net, see which faces lie on each side of it; in the right answer its two neighbours lie on the same sides, their symbols turned towards the shared edges as in the net.</source>
        <translation>Das abweichende Symbol wird in jeder Antwort gleich gezeigt, es legt also die Plätze seiner Nachbarn fest. Sehen Sie im Netz, welche Seiten auf jeder Seite davon liegen; in der richtigen Antwort liegen seine zwei Nachbarn auf denselben Seiten, ihre Symbole wie im Netz zu den gemeinsamen Kanten gedreht.</translation>
    </message>
    <message>
        <source>A half-turn symbol looks the same turned twice, so all that counts is which way it runs: towards which two neighbours, or which two corners. Check each face of the answer against the net, one shared edge at a time; where two faces carry the same symbol, tell them apart by their neighbours.</source>
        <translation>Ein punktsymmetrisches Symbol sieht nach zwei Vierteldrehungen gleich aus, es zählt also nur, wie es verläuft: zu welchen zwei Nachbarn oder zu welchen zwei Ecken. Prüfen Sie jede Seite der Antwort am Netz, eine gemeinsame Kante nach der anderen; wo zwei Seiten dasselbe Symbol tragen, unterscheiden Sie sie an ihren Nachbarn.</translation>
    </message>
    <message>
        <source>Every answer shows the same two symmetric faces, so first find the face of the net that meets both in the answer's order. Its half-turn symbol can lie only two ways: see whether it runs towards the edge it shares with one of those faces or along it (a diagonal symbol: whether it points at the corner all three share), and choose the answer in which it does the same.</source>
        <translation>Jede Antwort zeigt dieselben zwei symmetrischen Seiten, suchen Sie also zuerst die Seite des Netzes, die beide in der Reihenfolge der Antwort trifft. Ihr punktsymmetrisches Symbol kann nur auf zwei Arten liegen: Sehen Sie, ob es zu der Kante hin verläuft, die es mit einer dieser Seiten teilt, oder an ihr entlang (ein diagonales Symbol: ob es auf die Ecke zeigt, die alle drei teilen), und wählen Sie die Antwort, in der es ebenso liegt.</translation>
    </message>
    <message>
        <source>Each symbol names its face and points to one of its neighbours. Start with the order round the corner (clockwise: top, right, left), then check that one symbol points to the same neighbour as in the net; where that neighbour is hidden, it points away from the neighbour across from it.</source>
        <translation>Jedes Symbol benennt seine Seite und zeigt auf einen ihrer Nachbarn. Beginnen Sie mit der Reihenfolge um die Ecke (im Uhrzeigersinn: oben, rechts, links) und prüfen Sie dann, ob ein Symbol auf denselben Nachbarn zeigt wie im Netz; wo dieser Nachbar verdeckt ist, zeigt es vom gegenüberliegenden Nachbarn weg.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>%L1 %</source>
        <translation>%L1 %</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message numerus="yes">
        <source>The time ran out with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>Die Zeit ist abgelaufen, %Ln Würfel blieb unbeantwortet: Er zählt als unbeantwortet, nicht als falsch.</numerusform>
            <numerusform>Die Zeit ist abgelaufen, %Ln Würfel blieben unbeantwortet: Sie zählen als unbeantwortet, nicht als falsch.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The exam was ended early with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>Die Prüfung wurde vorzeitig beendet, %Ln Würfel blieb unbeantwortet: Er zählt als unbeantwortet, nicht als falsch.</numerusform>
            <numerusform>Die Prüfung wurde vorzeitig beendet, %Ln Würfel blieben unbeantwortet: Sie zählen als unbeantwortet, nicht als falsch.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unanswered: %Ln Cube(s).</source>
        <translation>
            <numerusform>Unbeantwortet: %Ln Würfel.</numerusform>
            <numerusform>Unbeantwortet: %Ln Würfel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet: %1</source>
        <translation>Auswertung: %1</translation>
    </message>
    <message>
        <source>d MMM yyyy, HH:mm</source>
        <comment>date and time</comment>
        <translation>d. MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, date</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Score: %L1 of %L2 right (%3); of those answered, %L4 of %L5 right (%6).</source>
        <translation>Punkte: %L1 von %L2 richtig (%3); von den beantworteten %L4 von %L5 richtig (%6).</translation>
    </message>
    <message>
        <source>Time used: %1 (no limit).</source>
        <translation>Benötigte Zeit: %1 (ohne Zeitlimit).</translation>
    </message>
    <message>
        <source>Time used: %1 of %2.</source>
        <translation>Benötigte Zeit: %1 von %2.</translation>
    </message>
    <message>
        <source>Median time per answered Cube: %1.</source>
        <translation>Mediandauer je beantwortetem Würfel: %1.</translation>
    </message>
    <message>
        <source>The window was not left during the exam.</source>
        <translation>Das Fenster wurde während der Prüfung nicht verlassen.</translation>
    </message>
    <message numerus="yes">
        <source>The window was left %Ln time(s), for %1 in all.</source>
        <translation>
            <numerusform>Das Fenster wurde %Ln Mal verlassen, insgesamt für %1.</numerusform>
            <numerusform>Das Fenster wurde %Ln Mal verlassen, insgesamt für %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Aufgabentyp</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Gewählte Antwort</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>unbeantwortet</translation>
    </message>
    <message>
        <source>Right of all</source>
        <translation>Richtig von allen</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediandauer</translation>
    </message>
    <message>
        <source>Median in practice</source>
        <translation>Median beim Üben</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <translation>%L1 von %L2</translation>
    </message>
    <message>
        <source>Earlier exams cannot be compared: the history cannot be read.</source>
        <translation>Frühere Prüfungen lassen sich nicht vergleichen: Der Verlauf kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This exam: %1. It is your first exam.</source>
        <translation>Diese Prüfung: %1. Es ist die erste Prüfung.</translation>
    </message>
    <message numerus="yes">
        <source>This exam: %1. Earlier exams: %Ln, the last %2, the best %3.</source>
        <translation>
            <numerusform>Diese Prüfung: %1. Frühere Prüfungen: %Ln, die letzte %2, die beste %3.</numerusform>
            <numerusform>Diese Prüfung: %1. Frühere Prüfungen: %Ln, die letzte %2, die beste %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Per recipe</source>
        <translation>Je Aufgabentyp</translation>
    </message>
    <message>
        <source>Compared with your history</source>
        <translation>Im Vergleich mit dem Verlauf</translation>
    </message>
</context>
<context>
    <name>SeriesCommands</name>
    <message>
        <source>Delete the Current series and create a new one?</source>
        <translation>Die Serie Aktuell löschen und eine neue erstellen?</translation>
    </message>
    <message>
        <source>Number of Cubes for the new series:</source>
        <translation>Anzahl der Würfel in der neuen Serie:</translation>
    </message>
    <message>
        <source>Clear the Skipped series?</source>
        <translation>Die Serie Übersprungen leeren?</translation>
    </message>
    <message>
        <source>Delete the Current series?</source>
        <translation>Die Serie Aktuell löschen?</translation>
    </message>
    <message>
        <source>Delete all series?</source>
        <translation>Alle Serien löschen?</translation>
    </message>
    <message>
        <source>Save without timing and solving information?
(If you choose Yes, the Cubes will be saved with current time set to zero and no answers selected.)</source>
        <translation>Ohne Zeiten und Lösungen speichern?
(Bei „Ja“ werden die Würfel mit der Zeit null und ohne gewählte Antworten gespeichert.)</translation>
    </message>
    <message>
        <source>Open series or series set:</source>
        <translation>Serie öffnen:</translation>
    </message>
    <message>
        <source>Save the series:</source>
        <translation>Serie speichern:</translation>
    </message>
    <message>
        <source>Series (*.srs)</source>
        <translation>Serien (*.srs)</translation>
    </message>
    <message>
        <source>Every series is empty: there is nothing to print.</source>
        <translation>Alle Serien sind leer, es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>The %1 series is empty: there is nothing to print.</source>
        <translation>Die Serie %1 ist leer, es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>Wrong number of Cubes (max. 500).</source>
        <translation>Ungültige Anzahl Würfel (höchstens 500).</translation>
    </message>
    <message>
        <source>Open the pupils' results:</source>
        <translation>Ergebnisse der Schüler öffnen:</translation>
    </message>
    <message>
        <source>None of the files chosen holds a pupil's results.</source>
        <translation>Keine der gewählten Dateien enthält Ergebnisse eines Schülers.</translation>
    </message>
</context>
<context>
    <name>SeriesFile</name>
    <message>
        <source>Error writing file.</source>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>Wrong file format.</source>
        <translation>Falsches Dateiformat.</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>The series has more than 65,535 Cubes and cannot be saved in one file.</source>
        <translation>Die Serie hat mehr als 65.535 Würfel und lässt sich nicht in einer Datei speichern.</translation>
    </message>
</context>
<context>
    <name>SeriesGrid</name>
    <message>
        <source>Current has nothing to copy into itself</source>
        <translation>Aktuell kann nicht in sich selbst kopiert werden</translation>
    </message>
    <message>
        <source>The current Cube is already in Current</source>
        <translation>Der aktuelle Würfel ist schon in Aktuell</translation>
    </message>
</context>
<context>
    <name>Symbol (beside)</name>
    <message>
        <source>the arrow</source>
        <translation>dem Pfeil</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>der Pfeilspitze</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>dem umgekehrten V</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>dem Schrägpfeil</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>dem T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>dem Eckquadrat</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>dem Doppelpfeil</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>der Raute</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>dem Rautenring</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>dem schrägen Doppelpfeil</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>dem I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>den zwei Quadraten</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>dem Plus</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>dem Tatzenkreuz</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>dem Quadratring</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>dem Stern</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>dem Fenster</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>dem Quadrat</translation>
    </message>
</context>
<context>
    <name>Symbol (object)</name>
    <message>
        <source>the arrow</source>
        <translation>den Pfeil</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>die Pfeilspitze</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>das umgekehrte V</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>den Schrägpfeil</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>das T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>das Eckquadrat</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>den Doppelpfeil</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>die Raute</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>den Rautenring</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>den schrägen Doppelpfeil</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>das I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>die zwei Quadrate</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>das Plus</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>das Tatzenkreuz</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>den Quadratring</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>den Stern</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>das Quadrat</translation>
    </message>
</context>
<context>
    <name>Symbol (subject)</name>
    <message>
        <source>the arrow</source>
        <translation>der Pfeil</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>die Pfeilspitze</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>das umgekehrte V</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>der Schrägpfeil</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>das T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>das Eckquadrat</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>der Doppelpfeil</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>die Raute</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>der Rautenring</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>der schräge Doppelpfeil</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>das I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>die zwei Quadrate</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>das Plus</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>das Tatzenkreuz</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>der Quadratring</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>der Stern</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>das Fenster</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>das Quadrat</translation>
    </message>
</context>
<context>
    <name>Why</name>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn compared with the folded cube.</source>
        <translation>Antwort %1 zeigt %2 %3 gegenüber dem gefalteten Würfel um eine Vierteldrehung gedreht.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn clockwise compared with the folded cube.</source>
        <translation>Antwort %1 zeigt %2 %3 gegenüber dem gefalteten Würfel um eine Vierteldrehung im Uhrzeigersinn gedreht.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn anticlockwise compared with the folded cube.</source>
        <translation>Antwort %1 zeigt %2 %3 gegenüber dem gefalteten Würfel um eine Vierteldrehung gegen den Uhrzeigersinn gedreht.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a half turn compared with the folded cube.</source>
        <translation>Antwort %1 zeigt %2 %3 gegenüber dem gefalteten Würfel um eine halbe Drehung gedreht.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points %4; folded, it points to a face hidden behind the cube.</source>
        <translation>In Antwort %1 zeigt %2 %3 %4; gefaltet zeigt %2 zu einer verdeckten Seite hinter dem Würfel.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points to a face hidden behind the cube; folded, it points %4.</source>
        <translation>In Antwort %1 zeigt %2 %3 zu einer verdeckten Seite hinter dem Würfel; gefaltet zeigt %2 %4.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points %4; folded, it points %5.</source>
        <translation>In Antwort %1 zeigt %2 %3 %4; gefaltet zeigt %2 %5.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 both %3 and %4; folded, the two faces that carry it are opposite.</source>
        <translation>Antwort %1 zeigt %2 sowohl %3 als auch %4; gefaltet liegen die beiden Seiten mit diesem Symbol einander gegenüber.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 beside %4 %5; folded, the two lie on opposite faces.</source>
        <translation>Antwort %1 zeigt %2 %3 neben %4 %5; gefaltet liegen die beiden auf gegenüberliegenden Seiten.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 and %4 %5 lie in mirror order; folded, they change places.</source>
        <translation>In Antwort %1 liegen %2 %3 und %4 %5 spiegelverkehrt; gefaltet tauschen sie die Plätze.</translation>
    </message>
    <message>
        <source>In answer %1 %2 shows %3; folded, that face shows %4.</source>
        <translation>In Antwort %1 zeigt %2 %3; gefaltet zeigt diese Seite %4.</translation>
    </message>
    <message>
        <source>Answer %1 can be folded from the net.</source>
        <translation>Antwort %1 lässt sich aus dem Netz falten.</translation>
    </message>
    <message>
        <source>Answer %1 cannot be folded from the net.</source>
        <translation>Antwort %1 lässt sich nicht aus dem Netz falten.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Which of the four cubes can be folded from the net? Write A, B, C or D in the box.</source>
        <translation>Welcher der vier Würfel lässt sich aus dem Netz falten? A, B, C oder D ins Kästchen schreiben.</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Lösungsschlüssel (Fortsetzung)</translation>
    </message>
    <message>
        <source>Cube folding</source>
        <translation>Würfelfalten</translation>
    </message>
    <message>
        <source>Page %L1 of %L2</source>
        <translation>Seite %L1 von %L2</translation>
    </message>
    <message>
        <source>Key, page %L1 of %L2</source>
        <translation>Lösungsschlüssel, Seite %L1 von %L2</translation>
    </message>
    <message>
        <source>Score: ____ / %L1</source>
        <translation>Punkte: ____ / %L1</translation>
    </message>
    <message>
        <source>For each item, cross the letter of the cube that can be folded from the net.</source>
        <translation>Bei jeder Aufgabe den Buchstaben des Würfels ankreuzen, der sich aus dem Netz falten lässt.</translation>
    </message>
    <message>
        <source>Answer grid, page %L1 of %L2</source>
        <translation>Antwortbogen, Seite %L1 von %L2</translation>
    </message>
</context>
<context>
    <name>vexlor::ExamDialog</name>
    <message numerus="yes">
        <source>The Current series (%Ln Cube(s))</source>
        <translation>
            <numerusform>Die Serie Aktuell (%Ln Würfel)</numerusform>
            <numerusform>Die Serie Aktuell (%Ln Würfel)</numerusform>
        </translation>
    </message>
    <message>
        <source>The Current series (empty)</source>
        <translation>Die Serie Aktuell (leer)</translation>
    </message>
    <message>
        <source>A new random series of</source>
        <translation>Eine neue Zufallsserie aus</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Ohne Zeitlimit</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Cubes of the new random series</source>
        <translation>Würfel der neuen Zufallsserie</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Minutes in all</source>
        <translation>Minuten insgesamt</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Cubes</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>The exam starts with Start (0). A pick shows no right or wrong; + puts a Cube to the end. The score sheet follows at the end.</source>
        <translation>Die Prüfung beginnt mit Start (0). Eine Wahl zeigt weder richtig noch falsch; + stellt einen Würfel ans Ende. Am Ende folgt die Auswertung.</translation>
    </message>
    <message>
        <source>Cubes:</source>
        <translation>Würfel:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Name on the results:</source>
        <translation>Name für die Ergebnisse:</translation>
    </message>
</context>
<context>
    <name>vexlor::ExamPanel</name>
    <message>
        <source>Exam</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Press Start (0) to begin.</source>
        <translation>Start (0) beginnt die Prüfung.</translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation>Aufgabe %1 von %2</translation>
    </message>
    <message>
        <source>Answered: %1 of %2</source>
        <translation>Beantwortet: %1 von %2</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>%1 ends the exam early.</source>
        <translation>%1 beendet die Prüfung vorzeitig.</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Benötigte Zeit: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::ExamplePicture</name>
    <message>
        <source>Example Cube</source>
        <translation>Beispielwürfel</translation>
    </message>
    <message>
        <source>the top face</source>
        <translation>der oberen Seite</translation>
    </message>
    <message>
        <source>the right face</source>
        <translation>der rechten Seite</translation>
    </message>
    <message>
        <source>the left face</source>
        <translation>der linken Seite</translation>
    </message>
    <message>
        <source>The net of the cube; the correct answer, its faces coloured as the net's cells they show; a wrong answer, which differs in %1.</source>
        <translation>Das Netz des Würfels; die richtige Antwort, ihre Seiten in den Farben der Netzfelder, die sie zeigen; eine falsche Antwort, die sich in %1 unterscheidet.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>vexlor::ExplanationWindow</name>
    <message>
        <source>Why?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>Previous Cube</source>
        <translation>Vorheriger Würfel</translation>
    </message>
    <message>
        <source>Next Cube</source>
        <translation>Nächster Würfel</translation>
    </message>
    <message>
        <source>The net folding up into the cube</source>
        <translation>Das Netz faltet sich zum Würfel</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>How far the net is folded</source>
        <translation>Wie weit das Netz gefaltet ist</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Noch einmal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Cube %L1 of %L2</source>
        <translation>Würfel %L1 von %L2</translation>
    </message>
    <message>
        <source>Pick an answer first.</source>
        <translation>Zuerst eine Antwort wählen.</translation>
    </message>
    <message>
        <source>Folded, turned as answer %1</source>
        <translation>Gefaltet, gedreht wie Antwort %1</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>The folded cube, turned as answer %1 shows it</source>
        <translation>Der gefaltete Würfel, gedreht, wie Antwort %1 ihn zeigt</translation>
    </message>
    <message>
        <source>Nothing differs: answer %1 shows the folded cube, its faces coloured as in the main window once the Cube is solved.</source>
        <translation>Nichts weicht ab: Antwort %1 zeigt den gefalteten Würfel, seine Seiten gefärbt wie im Hauptfenster, sobald der Würfel gelöst ist.</translation>
    </message>
    <message>
        <source>Outlined: the faces in which the folded cube and answer %1 differ.</source>
        <translation>Umrandet: die Seiten, in denen sich der gefaltete Würfel und Antwort %1 unterscheiden.</translation>
    </message>
    <message>
        <source>Your pick: %1</source>
        <translation>Gewählt: %1</translation>
    </message>
    <message>
        <source>The answers are lettered as they lie: A top left, B top right, C bottom left, D bottom right.</source>
        <translation>Die Antworten tragen Buchstaben nach ihrer Lage: A oben links, B oben rechts, C unten links, D unten rechts.</translation>
    </message>
    <message>
        <source>Click a sentence, or press its letter, to see that answer beside the folded cube.</source>
        <translation>Einen Satz anklicken oder seinen Buchstaben drücken, um diese Antwort neben dem gefalteten Würfel zu sehen.</translation>
    </message>
</context>
<context>
    <name>vexlor::KeysWindow</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The test</source>
        <translation>Der Test</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serien</translation>
    </message>
</context>
<context>
    <name>vexlor::MainWindow</name>
    <message>
        <source>Answer 1, top left</source>
        <translation>Antwort 1, oben links</translation>
    </message>
    <message>
        <source>Answer 3, bottom left</source>
        <translation>Antwort 3, unten links</translation>
    </message>
    <message>
        <source>Answer 2, top right</source>
        <translation>Antwort 2, oben rechts</translation>
    </message>
    <message>
        <source>Answer 4, bottom right</source>
        <translation>Antwort 4, unten rechts</translation>
    </message>
    <message>
        <source>Question: the net of the cube</source>
        <translation>Frage: das Netz des Würfels</translation>
    </message>
    <message>
        <source>Line between the pictures and the panels</source>
        <translation>Linie zwischen den Bildern und den Bereichen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Vexlor — progress (F2)</source>
        <translation>Vexlor — Fortschritt (F2)</translation>
    </message>
    <message>
        <source>Show your progress (F2)</source>
        <translation>Fortschritt anzeigen (F2)</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serien</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Aktuell:</translation>
    </message>
    <message>
        <source>Current series count</source>
        <translation>Würfel in Aktuell</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Übersprungen:</translation>
    </message>
    <message>
        <source>Skipped series count</source>
        <translation>Würfel in Übersprungen</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Mistakes series count</source>
        <translation>Würfel in Fehler</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Eigene:</translation>
    </message>
    <message>
        <source>Custom series count</source>
        <translation>Würfel in Eigene</translation>
    </message>
    <message>
        <source>CtCS:</source>
        <translation>Kopie:</translation>
    </message>
    <message>
        <source>Copy this series to the Current series</source>
        <translation>Diese Serie nach Aktuell kopieren</translation>
    </message>
    <message>
        <source>Copy to Current column</source>
        <translation>Spalte: nach Aktuell kopieren</translation>
    </message>
    <message>
        <source>ACtS:</source>
        <translation>Hinzu:</translation>
    </message>
    <message>
        <source>Add the current Cube to this series</source>
        <translation>Den aktuellen Würfel zu dieser Serie hinzufügen</translation>
    </message>
    <message>
        <source>Add the current Cube column</source>
        <translation>Spalte: aktuellen Würfel hinzufügen</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Sichern:</translation>
    </message>
    <message>
        <source>Save column</source>
        <translation>Spalte: speichern</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Leeren:</translation>
    </message>
    <message>
        <source>Clear column</source>
        <translation>Spalte: leeren</translation>
    </message>
    <message>
        <source>Create random series</source>
        <translation>Zufallsserie erstellen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Line below the column headings</source>
        <translation>Linie unter den Spaltenköpfen</translation>
    </message>
    <message>
        <source>Line between Skipped and Mistakes</source>
        <translation>Linie zwischen Übersprungen und Fehler</translation>
    </message>
    <message>
        <source>Line above the buttons for all series</source>
        <translation>Linie über den Schaltflächen für alle Serien</translation>
    </message>
    <message>
        <source>Line before the Copy column</source>
        <translation>Linie vor der Spalte Kopie</translation>
    </message>
    <message>
        <source>Line between the Copy and Add columns</source>
        <translation>Linie zwischen den Spalten Kopie und Hinzu</translation>
    </message>
    <message>
        <source>Line between the Add and Save columns</source>
        <translation>Linie zwischen den Spalten Hinzu und Sichern</translation>
    </message>
    <message>
        <source>Line between the Save and Clear columns</source>
        <translation>Linie zwischen den Spalten Sichern und Leeren</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Skip Cube</source>
        <translation>Würfel
überspringen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Current Cube time:</source>
        <translation>Zeit für diesen Würfel:</translation>
    </message>
    <message>
        <source>Current Cube time</source>
        <translation>Zeit für diesen Würfel</translation>
    </message>
    <message>
        <source>Solved Cubes:</source>
        <translation>Gelöste Würfel:</translation>
    </message>
    <message>
        <source>Solved Cubes</source>
        <translation>Gelöste Würfel</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Average Cube time:</source>
        <translation>Mittlere Zeit je Würfel:</translation>
    </message>
    <message>
        <source>Average Cube time</source>
        <translation>Mittlere Zeit je Würfel</translation>
    </message>
    <message>
        <source>Total mistakes:</source>
        <translation>Fehler insgesamt:</translation>
    </message>
    <message>
        <source>Total mistakes</source>
        <translation>Fehler insgesamt</translation>
    </message>
    <message>
        <source>Aver. mistakes per Cube:</source>
        <translation>Mittl. Fehler je Würfel:</translation>
    </message>
    <message>
        <source>Average mistakes per Cube</source>
        <translation>Mittlere Fehlerzahl je Würfel</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Close Vexlors?</source>
        <translation>Vexlor beenden?</translation>
    </message>
    <message numerus="yes">
        <source> · %Ln solve(s) not yet saved</source>
        <translation>
            <numerusform> · %Ln Lösung noch nicht gespeichert</numerusform>
            <numerusform> · %Ln Lösungen noch nicht gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Solves of this run not yet saved in your history: %L1. The Progress window (F2) says why.</source>
        <translation>Noch nicht im Verlauf gespeicherte Lösungen dieser Sitzung: %L1. Warum, steht im Fenster Fortschritt (F2).</translation>
    </message>
    <message>
        <source> · solves are not saved</source>
        <translation> · Lösungen werden nicht gespeichert</translation>
    </message>
    <message>
        <source>Your solves are not saved in your history. The Progress window (F2) says why.</source>
        <translation>Lösungen werden nicht im Verlauf gespeichert. Warum, steht im Fenster Fortschritt (F2).</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>The exam is not finished. End it and close Vexlor?</source>
        <translation>Die Prüfung ist nicht beendet. Beenden und Vexlor schließen?</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Leave the exam before it starts?</source>
        <translation>Die Prüfung verlassen, bevor sie beginnt?</translation>
    </message>
    <message>
        <source>End the exam now? The Cubes not answered count as unanswered.</source>
        <translation>Die Prüfung jetzt beenden? Nicht beantwortete Würfel zählen als unbeantwortet.</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>The results could not be saved in %1. Save them from the score sheet.</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden. Sie lassen sich aus der Auswertung speichern.</translation>
    </message>
    <message>
        <source>There is no Cube on show.</source>
        <translation>Es wird kein Würfel gezeigt.</translation>
    </message>
    <message>
        <source>The Mistakes series is empty.</source>
        <translation>Die Serie Fehler ist leer.</translation>
    </message>
    <message>
        <source> · Rescuing your history: %1 %</source>
        <translation> · Verlauf wird gerettet: %1 %</translation>
    </message>
    <message>
        <source>Your history was damaged and is being rescued. Your solves are kept until it is done. The Progress window (F2) says more.</source>
        <translation>Der Verlauf war beschädigt und wird gerettet. Bis dahin werden die Lösungen aufbewahrt. Mehr steht im Fenster Fortschritt (F2).</translation>
    </message>
    <message numerus="yes">
        <source>Solves of this run that cannot be saved, not even beside your history: %n. They are lost if Vexlor closes now. Try again?</source>
        <translation>
            <numerusform>Lösung dieser Sitzung, die sich nicht speichern lässt, auch nicht neben dem Verlauf: %n. Sie geht verloren, wenn Vexlor jetzt schließt. Noch einmal versuchen?</numerusform>
            <numerusform>Lösungen dieser Sitzung, die sich nicht speichern lassen, auch nicht neben dem Verlauf: %n. Sie gehen verloren, wenn Vexlor jetzt schließt. Noch einmal versuchen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln Cube(s) to review</source>
        <translation>
            <numerusform> · %Ln Würfel zu wiederholen</numerusform>
            <numerusform> · %Ln Würfel zu wiederholen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cubes due for review today: %L1. Review (Alt+R) puts them into Current.</source>
        <translation>Heute zu wiederholende Würfel: %L1. Wiederholen (Alt+R) übernimmt sie in Aktuell.</translation>
    </message>
    <message>
        <source>The Cubes to review cannot be read from your history.</source>
        <translation>Die zu wiederholenden Würfel können nicht aus dem Verlauf gelesen werden.</translation>
    </message>
    <message>
        <source>No Cubes are due for review today.</source>
        <translation>Heute sind keine Würfel zu wiederholen.</translation>
    </message>
</context>
<context>
    <name>vexlor::PracticeDialog</name>
    <message>
        <source>as today</source>
        <translation>wie bisher</translation>
    </message>
    <message>
        <source>weakest only</source>
        <translation>nur die schwächsten</translation>
    </message>
    <message>
        <source>recipes I choose</source>
        <translation>Aufgabentypen, die ich wähle</translation>
    </message>
    <message>
        <source>due for review first, then weakest</source>
        <translation>zuerst die fälligen Wiederholungen, dann die schwächsten</translation>
    </message>
    <message>
        <source>Take the Cubes from:</source>
        <translation>Die Würfel nehmen aus:</translation>
    </message>
    <message numerus="yes">
        <source>%n Cube(s) due for review today.</source>
        <translation>
            <numerusform>%n Würfel ist heute zur Wiederholung fällig.</numerusform>
            <numerusform>%n Würfel sind heute zur Wiederholung fällig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recipes to practise</source>
        <translation>Zu übende Aufgabentypen</translation>
    </message>
</context>
<context>
    <name>vexlor::PrintDialog</name>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print a worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>%1 (empty)</source>
        <translation>%1 (leer)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln Cube(s))</source>
        <translation>
            <numerusform>%1 (%Ln Würfel)</numerusform>
            <numerusform>%1 (%Ln Würfel)</numerusform>
        </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Items per page:</source>
        <translation>Aufgaben je Seite:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Answer grid</source>
        <translation>Antwortbogen</translation>
    </message>
    <message>
        <source>A page on which pupils mark the letter of every item</source>
        <translation>Eine Seite, auf der die Schüler bei jeder Aufgabe den Buchstaben ankreuzen</translation>
    </message>
    <message>
        <source>Each version puts the answers in another order and has its own key</source>
        <translation>Jede Version ordnet die Antworten anders an und hat einen eigenen Lösungsschlüssel</translation>
    </message>
    <message>
        <source>First item:</source>
        <translation>Erste Aufgabe:</translation>
    </message>
    <message>
        <source>Number of items:</source>
        <translation>Anzahl der Aufgaben:</translation>
    </message>
    <message>
        <source>Versions:</source>
        <translation>Versionen:</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Klassenbericht</translation>
    </message>
</context>
<context>
    <name>vexlor::ProgressWindow</name>
    <message>
        <source>d MMM yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Median time per Cube (s)</source>
        <translation>Mediandauer je Würfel (s)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Mistakes per Cube</source>
        <translation>Fehler je Würfel</translation>
    </message>
    <message>
        <source>&amp;Practise weakest recipes</source>
        <translation>&amp;Schwächste Aufgabentypen üben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf lässt sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>Cubes solved: %L1     Days practised: %L2     Best day: %3</source>
        <translation>Gelöste Würfel: %L1     Übungstage: %L2     Bester Tag: %3</translation>
    </message>
    <message numerus="yes">
        <source>none yet (a day needs %Ln Cube(s))</source>
        <translation>
            <numerusform>noch keiner (ein Tag braucht %Ln Würfel)</numerusform>
            <numerusform>noch keiner (ein Tag braucht %Ln Würfel)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, median %L2 s over %Ln Cube(s)</source>
        <translation>
            <numerusform>%1, Median %L2 s bei %Ln Würfel</numerusform>
            <numerusform>%1, Median %L2 s bei %Ln Würfeln</numerusform>
        </translation>
    </message>
    <message>
        <source>Cubes solved: not known, as the history cannot be read now.</source>
        <translation>Gelöste Würfel: unbekannt, da sich der Verlauf gerade nicht lesen lässt.</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 Tage</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Ein Jahr</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>best day (at least %L1 Cubes)</source>
        <translation>bester Tag (mindestens %L1 Würfel)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>keine Zeit</translation>
    </message>
    <message>
        <source>Median time %1 → %2; mistakes %3 → %4 per Cube (first week from %5, last week to %6)</source>
        <translation>Mediandauer %1 → %2; Fehler %3 → %4 je Würfel (erste Woche ab %5, letzte Woche bis %6)</translation>
    </message>
    <message>
        <source>Median time %1; mistakes %2 per Cube (all within the week from %3)</source>
        <translation>Mediandauer %1; Fehler %2 je Würfel (alles in der Woche ab %3)</translation>
    </message>
    <message>
        <source>No Cubes solved in these days.</source>
        <translation>In diesem Zeitraum keine Würfel gelöst.</translation>
    </message>
    <message>
        <source>Exam score (% right)</source>
        <translation>Prüfungsergebnis (% richtig)</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Target time:</source>
        <translation>&amp;Zielzeit:</translation>
    </message>
    <message>
        <source>Target time per Cube in seconds</source>
        <translation>Zielzeit je Würfel in Sekunden</translation>
    </message>
    <message>
        <source>The Cubes kept for review cannot be read: %1</source>
        <translation>Die zur Wiederholung vorgemerkten Würfel können nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s) kept for review could not be read and are left out.</source>
        <translation>
            <numerusform>%Ln zur Wiederholung vorgemerkter Würfel konnte nicht gelesen werden und wird ausgelassen.</numerusform>
            <numerusform>%Ln zur Wiederholung vorgemerkte Würfel konnten nicht gelesen werden und werden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>For review: %L1 due   waiting at the steps of 1, 3, 7 and 21 days: %L2, %L3, %L4, %L5   learnt: %L6</source>
        <translation>Wiederholung: %L1 fällig   wartend in den Stufen 1, 3, 7 und 21 Tage: %L2, %L3, %L4, %L5   gelernt: %L6</translation>
    </message>
    <message>
        <source>Under %L1 s</source>
        <translation>Unter %L1 s</translation>
    </message>
    <message>
        <source>target %L1 s</source>
        <translation>Ziel %L1 s</translation>
    </message>
    <message>
        <source>&amp;All recipes</source>
        <translation>&amp;Alle Aufgabentypen</translation>
    </message>
    <message>
        <source>Recipe figures cover the latest %L1 solves of each; "Under %L3 s" is the share of them solved within your target time. "Practise weakest recipes" asks how many Cubes to make, and from which recipes. As today: at least half of them come from the recipes marked weakest; a quarter from those marked "few" (solved fewer than %L2 times) or not tried, but none of these gets more of it than a weakest recipe gets of the half; the rest from every recipe in proportion to its median time × (1 + mistakes per Cube), a recipe not yet measured counting as the weakest. Click a recipe for its guide and its own charts, week by week.</source>
        <translation>Die Werte je Aufgabentyp beruhen auf seinen letzten %L1 Lösungen; „Unter %L3 s“ ist der Anteil davon, der innerhalb Ihrer Zielzeit gelöst wurde. „Schwächste Aufgabentypen üben“ fragt, wie viele Würfel erstellt werden und aus welchen Aufgabentypen. Wie bisher: Mindestens die Hälfte stammt aus den als „schwächster“ markierten Aufgabentypen; ein Viertel aus denen mit „wenige“ (seltener als %L2-mal gelöst) oder noch nicht versuchten, doch keiner davon erhält mehr davon als ein schwächster Aufgabentyp von der Hälfte; der Rest aus allen im Verhältnis zu Mediandauer × (1 + Fehler je Würfel), wobei ein noch nicht gemessener als schwächster zählt. Ein Klick auf einen Aufgabentyp öffnet seine Erklärung und zeigt seine eigenen Diagramme, Woche für Woche.</translation>
    </message>
    <message>
        <source>%1: median time by week (s)</source>
        <translation>%1: Mediandauer je Woche (s)</translation>
    </message>
    <message>
        <source>%1: mistakes per Cube by week</source>
        <translation>%1: Fehler je Würfel je Woche</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln Cube(s) with a time within the target</source>
        <translation>
            <numerusform>%1 des %Ln Würfels mit Zeit innerhalb der Zielzeit</numerusform>
            <numerusform>%1 der %Ln Würfel mit Zeit innerhalb der Zielzeit</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1%</source>
        <translation>%L1 %</translation>
    </message>
</context>
<context>
    <name>vexlor::RecipeGuide</name>
    <message>
        <source>Recipe guide</source>
        <translation>Erklärung des Aufgabentyps</translation>
    </message>
    <message>
        <source>Left, the net. Beside it the answer that can be folded from it, its faces coloured as the cells they show, and one that cannot: the faces in which the two differ are outlined in both.</source>
        <translation>Links das Netz. Daneben die Antwort, die sich daraus falten lässt, ihre Seiten in den Farben der Felder, die sie zeigen, und eine, die sich nicht falten lässt: Die Seiten, in denen sich beide unterscheiden, sind in beiden umrandet.</translation>
    </message>
    <message>
        <source>Practise &amp;this recipe</source>
        <translation>&amp;Diesen Aufgabentyp üben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You have not tried this recipe yet.</source>
        <translation>Dieser Aufgabentyp wurde noch nicht versucht.</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>keine Zeit</translation>
    </message>
    <message>
        <source>That is too few to judge it yet: practice counts it as "few".</source>
        <translation>Das ist noch zu wenig für ein Urteil: Beim Üben zählt er als „wenige“.</translation>
    </message>
    <message>
        <source>It is one of your weakest recipes.</source>
        <translation>Er gehört zu den schwächsten Aufgabentypen.</translation>
    </message>
    <message>
        <source>Recipe guide: %1</source>
        <translation>Erklärung: %1</translation>
    </message>
    <message numerus="yes">
        <source>You have solved %Ln Cube(s) of this recipe.</source>
        <translation>
            <numerusform>Von diesem Aufgabentyp gelöst: %Ln Würfel.</numerusform>
            <numerusform>Von diesem Aufgabentyp gelöst: %Ln Würfel.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over your latest %Ln solve(s): median time %1, %L2 mistakes per Cube.</source>
        <translation>
            <numerusform>Bei %Ln Lösung: Mediandauer %1, %L2 Fehler je Würfel.</numerusform>
            <numerusform>Bei den letzten %Ln Lösungen: Mediandauer %1, %L2 Fehler je Würfel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>Fold the example's net and see why its wrong answer cannot be folded from it</source>
        <translation>Das Netz des Beispiels falten und sehen, warum sich die falsche Antwort nicht daraus falten lässt</translation>
    </message>
    <message>
        <source>&lt;b&gt;How to solve it:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;So lösen Sie ihn:&lt;/b&gt; %1</translation>
    </message>
</context>
<context>
    <name>vexlor::ScoreSheet</name>
    <message>
        <source>Wrong: Enter or a double-click explains it</source>
        <translation>Falsch: Eingabe oder Doppelklick erklärt es</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, falsch</translation>
    </message>
    <message>
        <source>&amp;Save results…</source>
        <translation>Ergebnisse &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Per recipe</source>
        <translation>Je Aufgabentyp</translation>
    </message>
    <message>
        <source>Results saved as %1</source>
        <translation>Ergebnisse gespeichert als %1</translation>
    </message>
    <message>
        <source>Save the results:</source>
        <translation>Ergebnisse speichern:</translation>
    </message>
</context>
</TS>
