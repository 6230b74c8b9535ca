<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
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
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>No Cubes solved yet.</source>
        <translation>Nie rozwiązano jeszcze żadnej kostki.</translation>
    </message>
    <message>
        <source>No Cubes solved yet</source>
        <translation>Nie rozwiązano jeszcze żadnej kostki</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Typy zadań</translation>
    </message>
    <message>
        <source>%1: not tried</source>
        <translation>%1: jeszcze nie próbowano</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>brak czasu</translation>
    </message>
    <message>
        <source>, too few to judge</source>
        <translation>, za mało, by ocenić</translation>
    </message>
    <message>
        <source>Weakest: %1. %2.</source>
        <translation>Najsłabsze: %1. %2.</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>jeszcze brak</translation>
    </message>
    <message>
        <source>weakest</source>
        <translation>najsłabszy</translation>
    </message>
    <message>
        <source>few</source>
        <translation>mało</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Typ zadania</translation>
    </message>
    <message>
        <source>Cubes</source>
        <translation>Kostki</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana czasu</translation>
    </message>
    <message>
        <source>Mistakes per Cube</source>
        <translation>Błędy na kostkę</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>jeszcze nie próbowano</translation>
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
        <translation>%1 od %2 do %3, %4: %5.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln practice day(s)</source>
        <translation>
            <numerusform>%Ln dzień ćwiczeń</numerusform>
            <numerusform>%Ln dni ćwiczeń</numerusform>
            <numerusform>%Ln dni ćwiczeń</numerusform>
        </translation>
    </message>
    <message>
        <source>no Cubes solved</source>
        <translation>nie rozwiązano żadnej kostki</translation>
    </message>
    <message>
        <source>Marked: %1, %2.</source>
        <translation>Zaznaczono: %1, %2.</translation>
    </message>
    <message>
        <source>No Cubes solved in these days</source>
        <translation>W tym okresie nie rozwiązano żadnej kostki</translation>
    </message>
    <message>
        <source>Cubes per day</source>
        <translation>Kostki na dzień</translation>
    </message>
    <message>
        <source>Click a recipe, or choose one with the arrow keys and press Enter, to see what it tests and an example.</source>
        <translation>Kliknij typ zadania albo wybierz go strzałkami i naciśnij Enter, aby zobaczyć, co sprawdza, wraz z przykładem.</translation>
    </message>
    <message>
        <source>%1: %2, median %3, %4 mistakes per Cube%5</source>
        <translation>%1: %2, mediana %3, %4 błędu na kostkę%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s)</source>
        <translation>
            <numerusform>%Ln kostka</numerusform>
            <numerusform>%Ln kostki</numerusform>
            <numerusform>%Ln kostek</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Line: %1.</source>
        <translation>Linia: %1.</translation>
    </message>
    <message>
        <source>, %1 within the target</source>
        <translation>, %1 w czasie docelowym</translation>
    </message>
    <message numerus="yes">
        <source>%Ln week(s) with Cubes solved</source>
        <translation>
            <numerusform>%Ln tydzień z rozwiązanymi kostkami</numerusform>
            <numerusform>%Ln tygodnie z rozwiązanymi kostkami</numerusform>
            <numerusform>%Ln tygodni z rozwiązanymi kostkami</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Pupil</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Źle</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Bez odpowiedzi</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Czas łącznie</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana czasu</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Typ zadania</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klucz</translation>
    </message>
    <message>
        <source>Most chosen wrong</source>
        <translation>Częsta błędna</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>%L1 %</source>
        <translation>%L1%</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>under %L1 % right</source>
        <translation>poniżej %L1%</translation>
    </message>
    <message>
        <source>over %L1 % right</source>
        <translation>powyżej %L1%</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Raport klasy</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pupil(s)</source>
        <translation>
            <numerusform>%Ln uczeń</numerusform>
            <numerusform>%Ln uczniów</numerusform>
            <numerusform>%Ln uczniów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln item(s)</source>
        <translation>
            <numerusform>%Ln zadanie</numerusform>
            <numerusform>%Ln zadania</numerusform>
            <numerusform>%Ln zadań</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1 (%2)</source>
        <translation>Pominięto: %1 (%2)</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <source>Right answers per item</source>
        <translation>Poprawne odpowiedzi w zadaniach</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Page %L1 of %L2</source>
        <translation>Strona %L1 z %L2</translation>
    </message>
    <message>
        <source>Item number; dashed: %1 and %2; dark bars: under %1, light bars: over %2</source>
        <translation>Numer zadania; przerywane: %1 i %2; ciemne słupki: poniżej %1, jasne słupki: powyżej %2</translation>
    </message>
    <message>
        <source>not a series file, or it cannot be read</source>
        <translation>to nie plik serii albo nie da się go odczytać</translation>
    </message>
    <message>
        <source>no Cube is answered: not a results file</source>
        <translation>żadna kostka nie ma odpowiedzi: to nie plik wyników</translation>
    </message>
    <message>
        <source>Cube %L1 has more than one answer picked</source>
        <translation>kostka %L1 ma więcej niż jedną zaznaczoną odpowiedź</translation>
    </message>
    <message>
        <source>Cube %L1 is not in the original series</source>
        <translation>kostki %L1 nie ma w oryginalnej serii</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Pick the top left answer</source>
        <translation>Wybierz odpowiedź u góry po lewej</translation>
    </message>
    <message>
        <source>Pick the top right answer</source>
        <translation>Wybierz odpowiedź u góry po prawej</translation>
    </message>
    <message>
        <source>Pick the bottom left answer</source>
        <translation>Wybierz odpowiedź u dołu po lewej</translation>
    </message>
    <message>
        <source>Pick the bottom right answer</source>
        <translation>Wybierz odpowiedź u dołu po prawej</translation>
    </message>
    <message>
        <source>Start or pause the test</source>
        <translation>Rozpocznij lub wstrzymaj test</translation>
    </message>
    <message>
        <source>Skip the Cube</source>
        <translation>Pomiń kostkę</translation>
    </message>
    <message>
        <source>Create random series</source>
        <translation>Utwórz losową serię</translation>
    </message>
    <message>
        <source>Load a series file into Current</source>
        <translation>Wczytaj plik serii do serii Bieżąca</translation>
    </message>
    <message>
        <source>Copy Skipped to Current</source>
        <translation>Skopiuj Pominięte do serii Bieżąca</translation>
    </message>
    <message>
        <source>Copy Mistakes to Current</source>
        <translation>Skopiuj Błędy do serii Bieżąca</translation>
    </message>
    <message>
        <source>Copy Custom to Current</source>
        <translation>Skopiuj Własne do serii Bieżąca</translation>
    </message>
    <message>
        <source>Add the current Cube to Skipped</source>
        <translation>Dodaj bieżącą kostkę do Pominiętych</translation>
    </message>
    <message>
        <source>Add the current Cube to Mistakes</source>
        <translation>Dodaj bieżącą kostkę do Błędów</translation>
    </message>
    <message>
        <source>Add the current Cube to Custom</source>
        <translation>Dodaj bieżącą kostkę do Własnych</translation>
    </message>
    <message>
        <source>Save Current</source>
        <translation>Zapisz serię Bieżąca</translation>
    </message>
    <message>
        <source>Save Skipped</source>
        <translation>Zapisz serię Pominięte</translation>
    </message>
    <message>
        <source>Save Mistakes</source>
        <translation>Zapisz serię Błędy</translation>
    </message>
    <message>
        <source>Save Custom</source>
        <translation>Zapisz serię Własne</translation>
    </message>
    <message>
        <source>Clear Current</source>
        <translation>Wyczyść serię Bieżąca</translation>
    </message>
    <message>
        <source>Clear Skipped</source>
        <translation>Wyczyść serię Pominięte</translation>
    </message>
    <message>
        <source>Clear Mistakes</source>
        <translation>Wyczyść serię Błędy</translation>
    </message>
    <message>
        <source>Clear Custom</source>
        <translation>Wyczyść serię Własne</translation>
    </message>
    <message>
        <source>Clear all series</source>
        <translation>Wyczyść wszystkie serie</translation>
    </message>
    <message>
        <source>Print a worksheet</source>
        <translation>Drukuj kartę pracy</translation>
    </message>
    <message>
        <source>Show your progress</source>
        <translation>Pokaż postępy</translation>
    </message>
    <message>
        <source>Show this list of keys</source>
        <translation>Pokaż tę listę klawiszy</translation>
    </message>
    <message>
        <source>Close Vexlor</source>
        <translation>Zamknij Vexlor</translation>
    </message>
    <message>
        <source>Make a class report from pupils' results files</source>
        <translation>Utwórz raport klasy z plików wyników uczniów</translation>
    </message>
    <message>
        <source>Exam…</source>
        <translation>Egzamin…</translation>
    </message>
    <message>
        <source>End the exam early</source>
        <translation>Zakończ egzamin przed czasem</translation>
    </message>
    <message>
        <source>Why? Explain the answer picked</source>
        <translation>Dlaczego? Wyjaśnij wybraną odpowiedź</translation>
    </message>
    <message>
        <source>Explain the Cubes of the Mistakes series</source>
        <translation>Wyjaśnij kostki serii Błędy</translation>
    </message>
    <message>
        <source>Review the Cubes due: put them into Current</source>
        <translation>Powtórz zaległe kostki: wstaw je do serii Bieżąca</translation>
    </message>
</context>
<context>
    <name>Face (on)</name>
    <message>
        <source>on the top face</source>
        <translation>na górnej ścianie</translation>
    </message>
    <message>
        <source>on the right face</source>
        <translation>na prawej ścianie</translation>
    </message>
    <message>
        <source>on the left face</source>
        <translation>na lewej ścianie</translation>
    </message>
</context>
<context>
    <name>Face (subject)</name>
    <message>
        <source>the top face</source>
        <translation>górna ściana</translation>
    </message>
    <message>
        <source>the right face</source>
        <translation>prawa ściana</translation>
    </message>
    <message>
        <source>the left face</source>
        <translation>lewa ściana</translation>
    </message>
</context>
<context>
    <name>Face (to)</name>
    <message>
        <source>to the top face</source>
        <translation>na górną ścianę</translation>
    </message>
    <message>
        <source>to the right face</source>
        <translation>na prawą ścianę</translation>
    </message>
    <message>
        <source>to the left face</source>
        <translation>na lewą ścianę</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>The history file %1 was damaged. It was set aside as %2 and a new history was started.</source>
        <translation>Plik historii %1 był uszkodzony. Odłożono go jako %2 i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <source>The file %1 was not a Vexlor history. It was set aside as %2 and a new history was started.</source>
        <translation>Plik %1 nie był historią Vexlora. Odłożono go jako %2 i rozpoczęto nową historię.</translation>
    </message>
    <message>
        <source>Solves copied into the new history: %L1; solves that could not be read: %2.</source>
        <translation>Rozwiązania przeniesione do nowej historii: %L1; rozwiązania, których nie dało się odczytać: %2.</translation>
    </message>
    <message>
        <source>an unknown number</source>
        <translation>nieznana liczba</translation>
    </message>
    <message>
        <source>the SQLite driver for Qt is not installed (Debian package libqt6sql6-sqlite)</source>
        <translation>sterownik SQLite dla Qt nie jest zainstalowany (pakiet Debiana libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>nie można otworzyć %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a second Vexlor</source>
        <translation>%1 jest używany przez inny program, być może drugi Vexlor</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>dysk z plikiem %1 jest pełny</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>nie można zapisać %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used by this version of Vexlor (%2)</source>
        <translation>ta wersja Vexlora nie może używać pliku %1 (%2)</translation>
    </message>
    <message>
        <source>Progress is not recorded: %1.</source>
        <translation>Postępy nie są zapisywane: %1.</translation>
    </message>
    <message>
        <source>Progress is not saved just now: %1.</source>
        <translation>Postępy nie są teraz zapisywane: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) for a last try when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln rozwiązanie z tej sesji czeka na ostatnią próbę przy zamykaniu Vexlora.</numerusform>
            <numerusform>%Ln rozwiązania z tej sesji czekają na ostatnią próbę przy zamykaniu Vexlora.</numerusform>
            <numerusform>%Ln rozwiązań z tej sesji czeka na ostatnią próbę przy zamykaniu Vexlora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln solve(s) of this run wait(s) in memory and will be saved with the next solve or when Vexlor closes.</source>
        <translation>
            <numerusform>%Ln rozwiązanie z tej sesji czeka w pamięci i zostanie zapisane przy następnym rozwiązaniu albo przy zamykaniu Vexlora.</numerusform>
            <numerusform>%Ln rozwiązania z tej sesji czekają w pamięci i zostaną zapisane przy następnym rozwiązaniu albo przy zamykaniu Vexlora.</numerusform>
            <numerusform>%Ln rozwiązań z tej sesji czeka w pamięci i zostanie zapisanych przy następnym rozwiązaniu albo przy zamykaniu Vexlora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Vexlor tries again with the next solve.</source>
        <translation>Vexlor spróbuje ponownie przy następnym rozwiązaniu.</translation>
    </message>
    <message>
        <source>The history file %1 is damaged. What can still be read from it is being copied into a new history (%2 % done); your solves wait until then.</source>
        <translation>Plik historii %1 jest uszkodzony. To, co da się jeszcze z niego odczytać, jest przenoszone do nowej historii (gotowe: %2%); do tego czasu rozwiązania czekają.</translation>
    </message>
</context>
<context>
    <name>Recipe</name>
    <message>
        <source>Which third face</source>
        <translation>Która trzecia ściana</translation>
    </message>
    <message>
        <source>6 distinct symmetric symbols</source>
        <translation>6 różnych symboli symetrycznych</translation>
    </message>
    <message>
        <source>Symmetric symbols, repeated</source>
        <translation>Symbole symetryczne z powtórzeniami</translation>
    </message>
    <message>
        <source>One turned face shared</source>
        <translation>Wspólna ściana kierunkowa</translation>
    </message>
    <message>
        <source>Turn of one symbol</source>
        <translation>Obrót jednego symbolu</translation>
    </message>
    <message>
        <source>One symbol in four turns</source>
        <translation>Jeden symbol w czterech obrotach</translation>
    </message>
    <message>
        <source>Two half-turn symbols</source>
        <translation>Dwa symbole środkowosymetryczne</translation>
    </message>
    <message>
        <source>Turned symbols, repeated</source>
        <translation>Symbole kierunkowe z powtórzeniami</translation>
    </message>
    <message>
        <source>Half-turn symbols, repeated</source>
        <translation>Symbole środkowosymetryczne z powtórzeniami</translation>
    </message>
    <message>
        <source>All kinds of symbols</source>
        <translation>Symbole wszelkiego rodzaju</translation>
    </message>
    <message>
        <source>Half-turn parity</source>
        <translation>Ułożenie symbolu środkowosymetrycznego</translation>
    </message>
    <message>
        <source>6 distinct half-turn symbols</source>
        <translation>6 różnych symboli środkowosymetrycznych</translation>
    </message>
    <message>
        <source>Symmetric face among turns</source>
        <translation>Symetryczna ściana wśród kierunkowych</translation>
    </message>
    <message>
        <source>6 distinct turned symbols</source>
        <translation>6 różnych symboli kierunkowych</translation>
    </message>
    <message>
        <source>Odd face among turns</source>
        <translation>Odmienna ściana wśród kierunkowych</translation>
    </message>
    <message>
        <source>Every answer shows the same two faces; the wrong ones show another symbol as the third face.</source>
        <translation>Każda odpowiedź pokazuje te same dwie ściany; błędne mają na trzeciej ścianie inny symbol.</translation>
    </message>
    <message>
        <source>Six different symmetric symbols; the wrong answers show three that do not meet at one corner, or meet in the other order.</source>
        <translation>Sześć różnych symboli symetrycznych; błędne odpowiedzi pokazują trzy, które nie stykają się w jednym wierzchołku albo stykają się w odwrotnej kolejności.</translation>
    </message>
    <message>
        <source>Symmetric symbols, some repeated; the wrong answers put together symbols that do not meet at one corner, or meet in the other order.</source>
        <translation>Symbole symetryczne, niektóre powtórzone; błędne odpowiedzi łączą symbole, które nie stykają się w jednym wierzchołku albo stykają się w odwrotnej kolejności.</translation>
    </message>
    <message>
        <source>Every answer shows face 0's turned symbol in the same turn; the wrong ones vary the two symmetric faces beside it.</source>
        <translation>Każda odpowiedź pokazuje symbol kierunkowy ściany 0 w tym samym obrocie; błędne zmieniają dwie sąsiednie ściany symetryczne.</translation>
    </message>
    <message>
        <source>Every answer shows the same three symbols; the wrong ones differ only in the turn of one.</source>
        <translation>Każda odpowiedź pokazuje te same trzy symbole; błędne różnią się tylko obrotem jednego z nich.</translation>
    </message>
    <message>
        <source>One turned symbol on every face; the wrong answers differ in which way the symbols lie.</source>
        <translation>Ten sam symbol kierunkowy na każdej ścianie; błędne odpowiedzi różnią się ułożeniem symboli.</translation>
    </message>
    <message>
        <source>Two half-turn symbols mixed over the faces; the wrong answers vary which lies where and which way.</source>
        <translation>Dwa symbole środkowosymetryczne rozłożone na ścianach; błędne odpowiedzi zmieniają, który leży gdzie i jak jest ułożony.</translation>
    </message>
    <message>
        <source>Turned symbols, some repeated; the wrong answers vary which symbols meet at the corner and how they are turned.</source>
        <translation>Symbole kierunkowe, niektóre powtórzone; błędne odpowiedzi zmieniają, które symbole stykają się w wierzchołku i jak są obrócone.</translation>
    </message>
    <message>
        <source>Half-turn symbols, some repeated; the wrong answers vary which symbols meet at the corner and which way they lie.</source>
        <translation>Symbole środkowosymetryczne, niektóre powtórzone; błędne odpowiedzi zmieniają, które symbole stykają się w wierzchołku i jak są ułożone.</translation>
    </message>
    <message>
        <source>Any of the 18 symbols; the wrong answers vary the symbols at the corner, their order and their turns.</source>
        <translation>Dowolne z 18 symboli; błędne odpowiedzi zmieniają symbole przy wierzchołku, ich kolejność i obroty.</translation>
    </message>
    <message>
        <source>Two symmetric symbols shared by every answer; the wrong ones vary the third, half-turn symbol and which way it lies.</source>
        <translation>Dwa symbole symetryczne wspólne dla wszystkich odpowiedzi; błędne zmieniają trzeci, środkowosymetryczny symbol i jego ułożenie.</translation>
    </message>
    <message>
        <source>Six different half-turn symbols; the wrong answers vary which meet at the corner, their order and which way they lie.</source>
        <translation>Sześć różnych symboli środkowosymetrycznych; błędne odpowiedzi zmieniają, które stykają się w wierzchołku, ich kolejność i ułożenie.</translation>
    </message>
    <message>
        <source>Every answer shows the same symmetric face; the wrong ones vary the turned symbols beside it.</source>
        <translation>Każda odpowiedź pokazuje tę samą ścianę symetryczną; błędne zmieniają sąsiednie symbole kierunkowe.</translation>
    </message>
    <message>
        <source>Six different turned symbols; the wrong answers vary which meet at the corner, their order and their turns.</source>
        <translation>Sześć różnych symboli kierunkowych; błędne odpowiedzi zmieniają, które stykają się w wierzchołku, ich kolejność i obroty.</translation>
    </message>
    <message>
        <source>Every answer shows one odd turned symbol in the same turn; the wrong ones vary the other turned faces beside it.</source>
        <translation>Każda odpowiedź pokazuje ten sam odmienny symbol kierunkowy w tym samym obrocie; błędne zmieniają pozostałe sąsiednie ściany kierunkowe.</translation>
    </message>
    <message>
        <source>Only the third face changes, so find the two shared faces in the net first. Two of the other symbols lie opposite one of them (for example with one face between them in a straight row) and can never meet it. Of the two faces that touch both, only one follows them in the answer's order: go round the corner clockwise, top, right, left.</source>
        <translation>Zmienia się tylko trzecia ściana, więc najpierw znajdź w siatce dwie wspólne ściany. Dwa z pozostałych symboli leżą naprzeciw jednej z nich (na przykład z jedną ścianą pomiędzy w prostym rzędzie) i nigdy się z nią nie stykają. Z dwóch ścian, które stykają się z obiema, tylko jedna następuje po nich w kolejności odpowiedzi: obejdź wierzchołek zgodnie z ruchem wskazówek zegara, góra, prawo, lewo.</translation>
    </message>
    <message>
        <source>These symbols look the same however they are turned, so only which faces meet, and in which order, counts. Rule out an answer that shows two opposite faces: in a straight row of three faces, the outer two are opposite. Then go round the corner clockwise (top, right, left) and check that the three faces meet in the same order in the net.</source>
        <translation>Te symbole wyglądają tak samo przy każdym obrocie, więc liczy się tylko, które ściany się stykają i w jakiej kolejności. Odrzuć odpowiedź, która pokazuje dwie przeciwległe ściany: w prostym rzędzie trzech ścian skrajne są przeciwległe. Potem obejdź wierzchołek zgodnie z ruchem wskazówek zegara (góra, prawo, lewo) i sprawdź, czy w siatce trzy ściany stykają się w tej samej kolejności.</translation>
    </message>
    <message>
        <source>Turns do not count here, only which faces meet and in which order round the corner (clockwise: top, right, left). A symbol that lies on two faces may stand for either of them: try both places in the net before you rule an answer out.</source>
        <translation>Obroty się tu nie liczą, tylko to, które ściany się stykają i w jakiej kolejności wokół wierzchołka (zgodnie z ruchem wskazówek zegara: góra, prawo, lewo). Symbol, który jest na dwóch ścianach, może oznaczać każdą z nich: sprawdź oba miejsca w siatce, zanim odrzucisz odpowiedź.</translation>
    </message>
    <message>
        <source>The turned symbol looks the same in every answer, so use it as your anchor. In the net, find the faces on each side of it: where it points, behind it, to its left and to its right. In the right answer the two symmetric faces lie on the same sides of it.</source>
        <translation>Symbol kierunkowy wygląda tak samo w każdej odpowiedzi, więc użyj go jako punktu odniesienia. W siatce znajdź ściany po każdej jego stronie: tam, gdzie wskazuje, za nim, po lewej i po prawej. W dobrej odpowiedzi dwie ściany symetryczne leżą po tych samych stronach.</translation>
    </message>
    <message>
        <source>The answers differ only in the turn of the one turned symbol. In the net, note which neighbouring face it points to (or which corner it sits in), folding the net in your mind where that neighbour is not beside it. The right answer shows it turned towards the same face.</source>
        <translation>Odpowiedzi różnią się tylko obrotem jednego symbolu kierunkowego. Zapamiętaj w siatce, na którą sąsiednią ścianę wskazuje (albo w którym rogu leży), składając siatkę w myślach tam, gdzie ten sąsiad nie leży obok. Dobra odpowiedź pokazuje go obróconego w stronę tej samej ściany.</translation>
    </message>
    <message>
        <source>Every face carries the same symbol, so only the way each one lies tells the faces apart. Take two faces that share an edge in the answer and see how each symbol lies towards that edge: pointing at it, away from it or along it. Folding keeps this, so the net must show the same at that edge.</source>
        <translation>Każda ściana ma ten sam symbol, więc ściany różnią się tylko jego ułożeniem. Weź dwie ściany, które w odpowiedzi mają wspólną krawędź, i zobacz, jak każdy symbol leży względem tej krawędzi: wskazuje na nią, od niej czy wzdłuż niej. Składanie tego nie zmienia, więc siatka musi przy tej krawędzi pokazywać to samo.</translation>
    </message>
    <message>
        <source>A symbol may lie on several faces, so know each face by its neighbours, not by its symbol alone. For two faces that meet in the answer, check that they meet in the net too and that each symbol points the same way towards the edge they share.</source>
        <translation>Symbol może być na kilku ścianach, więc rozpoznawaj każdą ścianę po sąsiadach, a nie tylko po symbolu. Dla dwóch ścian, które stykają się w odpowiedzi, sprawdź, czy stykają się też w siatce i czy każdy symbol wskazuje tak samo względem wspólnej krawędzi.</translation>
    </message>
    <message>
        <source>A repeated symbol can stand for more than one face: find a place in the net where all three faces meet in the answer's order (clockwise: top, right, left). Then check how each symbol runs towards the edges it shares: a half turn changes nothing, a quarter turn does.</source>
        <translation>Powtórzony symbol może oznaczać więcej niż jedną ścianę: znajdź w siatce miejsce, gdzie wszystkie trzy ściany stykają się w kolejności odpowiedzi (zgodnie z ruchem wskazówek zegara: góra, prawo, lewo). Potem sprawdź, jak każdy symbol biegnie względem wspólnych krawędzi: pół obrotu niczego nie zmienia, ćwierć obrotu tak.</translation>
    </message>
    <message>
        <source>Start with a turned symbol: it shows which neighbour it points to, and the right answer keeps that. Then rule out answers that show two opposite faces or the wrong order round the corner; a symmetric symbol is checked by its place alone.</source>
        <translation>Zacznij od symbolu kierunkowego: pokazuje, na którego sąsiada wskazuje, a dobra odpowiedź to zachowuje. Potem odrzuć odpowiedzi z dwiema przeciwległymi ścianami lub złą kolejnością wokół wierzchołka; symbol symetryczny sprawdzasz tylko po jego miejscu.</translation>
    </message>
    <message>
        <source>Each symbol names its face, so first rule out answers with two opposite faces or the wrong order round the corner. Then check how each symbol runs towards the edges it shares with the other two: a half turn looks the same, a quarter turn does not.</source>
        <translation>Każdy symbol wyznacza swoją ścianę, więc najpierw odrzuć odpowiedzi z dwiema przeciwległymi ścianami lub złą kolejnością wokół wierzchołka. Potem sprawdź, jak każdy symbol biegnie względem krawędzi wspólnych z dwiema pozostałymi: pół obrotu wygląda tak samo, ćwierć obrotu nie.</translation>
    </message>
    <message>
        <source>The symmetric face is in every answer; the other two carry one turned symbol in different turns. Find the symmetric face in the net and look at its neighbours: in the right answer each turned symbol points towards, away from or along the edge it shares with the symmetric face, exactly as in the net.</source>
        <translation>Ściana symetryczna jest w każdej odpowiedzi; dwie pozostałe mają symbole kierunkowe w różnych obrotach. Znajdź ścianę symetryczną w siatce i spójrz na jej sąsiadów: w dobrej odpowiedzi każdy symbol kierunkowy wskazuje na krawędź wspólną ze ścianą symetryczną, od niej albo wzdłuż niej, dokładnie jak w siatce.</translation>
    </message>
    <message>
        <source>The odd symbol is shown the same way in every answer, so it fixes the places of its neighbours. In the net, see which faces lie on each side of it; in the right answer its two neighbours lie on the same sides, their symbols turned towards the shared edges as in the net.</source>
        <translation>Odmienny symbol jest pokazany tak samo w każdej odpowiedzi, więc wyznacza miejsca swoich sąsiadów. W siatce zobacz, które ściany leżą po każdej jego stronie; w dobrej odpowiedzi jego dwaj sąsiedzi leżą po tych samych stronach, a ich symbole są obrócone ku wspólnym krawędziom jak w siatce.</translation>
    </message>
    <message>
        <source>A half-turn symbol looks the same turned twice, so all that counts is which way it runs: towards which two neighbours, or which two corners. Check each face of the answer against the net, one shared edge at a time; where two faces carry the same symbol, tell them apart by their neighbours.</source>
        <translation>Symbol środkowosymetryczny wygląda tak samo po dwóch ćwierćobrotach, więc liczy się tylko, w którą stronę biegnie: ku którym dwóm sąsiadom albo ku którym dwóm rogom. Sprawdzaj każdą ścianę odpowiedzi z siatką, po jednej wspólnej krawędzi; gdzie dwie ściany mają ten sam symbol, rozróżnij je po sąsiadach.</translation>
    </message>
    <message>
        <source>Every answer shows the same two symmetric faces, so first find the face of the net that meets both in the answer's order. Its half-turn symbol can lie only two ways: see whether it runs towards the edge it shares with one of those faces or along it (a diagonal symbol: whether it points at the corner all three share), and choose the answer in which it does the same.</source>
        <translation>Każda odpowiedź pokazuje te same dwie ściany symetryczne, więc najpierw znajdź ścianę siatki, która styka się z obiema w kolejności odpowiedzi. Jej symbol środkowosymetryczny może leżeć tylko na dwa sposoby: zobacz, czy biegnie ku krawędzi wspólnej z jedną z tych ścian, czy wzdłuż niej (symbol ukośny: czy wskazuje na wierzchołek wspólny dla wszystkich trzech), i wybierz odpowiedź, w której leży tak samo.</translation>
    </message>
    <message>
        <source>Each symbol names its face and points to one of its neighbours. Start with the order round the corner (clockwise: top, right, left), then check that one symbol points to the same neighbour as in the net; where that neighbour is hidden, it points away from the neighbour across from it.</source>
        <translation>Każdy symbol wyznacza swoją ścianę i wskazuje na jednego z jej sąsiadów. Zacznij od kolejności wokół wierzchołka (zgodnie z ruchem wskazówek zegara: góra, prawo, lewo), potem sprawdź, czy jeden symbol wskazuje na tego samego sąsiada co w siatce; gdy ten sąsiad jest niewidoczny, symbol wskazuje od sąsiada naprzeciw niego.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>%L1 %</source>
        <translation>%L1%</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message numerus="yes">
        <source>The time ran out with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>Czas minął, %Ln kostka została bez odpowiedzi: liczy się jako bez odpowiedzi, nie jako błędna.</numerusform>
            <numerusform>Czas minął, %Ln kostki zostały bez odpowiedzi: liczą się jako bez odpowiedzi, nie jako błędne.</numerusform>
            <numerusform>Czas minął, %Ln kostek zostało bez odpowiedzi: liczą się jako bez odpowiedzi, nie jako błędne.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The exam was ended early with %Ln Cube(s) unanswered: they count as unanswered, not as wrong.</source>
        <translation>
            <numerusform>Egzamin zakończono przed czasem, %Ln kostka została bez odpowiedzi: liczy się jako bez odpowiedzi, nie jako błędna.</numerusform>
            <numerusform>Egzamin zakończono przed czasem, %Ln kostki zostały bez odpowiedzi: liczą się jako bez odpowiedzi, nie jako błędne.</numerusform>
            <numerusform>Egzamin zakończono przed czasem, %Ln kostek zostało bez odpowiedzi: liczą się jako bez odpowiedzi, nie jako błędne.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unanswered: %Ln Cube(s).</source>
        <translation>
            <numerusform>Bez odpowiedzi: %Ln kostka.</numerusform>
            <numerusform>Bez odpowiedzi: %Ln kostki.</numerusform>
            <numerusform>Bez odpowiedzi: %Ln kostek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score sheet: %1</source>
        <translation>Arkusz wyników: %1</translation>
    </message>
    <message>
        <source>d MMM yyyy, HH:mm</source>
        <comment>date and time</comment>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>name, date</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Score: %L1 of %L2 right (%3); of those answered, %L4 of %L5 right (%6).</source>
        <translation>Wynik: %L1 z %L2 dobrze (%3); z udzielonych odpowiedzi %L4 z %L5 dobrze (%6).</translation>
    </message>
    <message>
        <source>Time used: %1 (no limit).</source>
        <translation>Zużyty czas: %1 (bez limitu).</translation>
    </message>
    <message>
        <source>Time used: %1 of %2.</source>
        <translation>Zużyty czas: %1 z %2.</translation>
    </message>
    <message>
        <source>Median time per answered Cube: %1.</source>
        <translation>Mediana czasu na kostkę z odpowiedzią: %1.</translation>
    </message>
    <message>
        <source>The window was not left during the exam.</source>
        <translation>Okno nie zostało opuszczone w czasie egzaminu.</translation>
    </message>
    <message numerus="yes">
        <source>The window was left %Ln time(s), for %1 in all.</source>
        <translation>
            <numerusform>Okno opuszczono %Ln raz, łącznie na %1.</numerusform>
            <numerusform>Okno opuszczono %Ln razy, łącznie na %1.</numerusform>
            <numerusform>Okno opuszczono %Ln razy, łącznie na %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Typ zadania</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Wybrana odpowiedź</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Dobra odpowiedź</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>unanswered</source>
        <translation>bez odpowiedzi</translation>
    </message>
    <message>
        <source>Right of all</source>
        <translation>Dobrze ze wszystkich</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Mediana czasu</translation>
    </message>
    <message>
        <source>Median in practice</source>
        <translation>Mediana w ćwiczeniach</translation>
    </message>
    <message>
        <source>%L1 of %L2</source>
        <translation>%L1 z %L2</translation>
    </message>
    <message>
        <source>Earlier exams cannot be compared: the history cannot be read.</source>
        <translation>Nie można porównać z wcześniejszymi egzaminami: nie da się odczytać historii.</translation>
    </message>
    <message>
        <source>This exam: %1. It is your first exam.</source>
        <translation>Ten egzamin: %1. To pierwszy egzamin.</translation>
    </message>
    <message numerus="yes">
        <source>This exam: %1. Earlier exams: %Ln, the last %2, the best %3.</source>
        <translation>
            <numerusform>Ten egzamin: %1. Wcześniejsze egzaminy: %Ln, ostatni %2, najlepszy %3.</numerusform>
            <numerusform>Ten egzamin: %1. Wcześniejsze egzaminy: %Ln, ostatni %2, najlepszy %3.</numerusform>
            <numerusform>Ten egzamin: %1. Wcześniejsze egzaminy: %Ln, ostatni %2, najlepszy %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Per recipe</source>
        <translation>Według typu zadania</translation>
    </message>
    <message>
        <source>Compared with your history</source>
        <translation>W porównaniu z historią</translation>
    </message>
</context>
<context>
    <name>SeriesCommands</name>
    <message>
        <source>Delete the Current series and create a new one?</source>
        <translation>Usunąć serię Bieżąca i utworzyć nową?</translation>
    </message>
    <message>
        <source>Number of Cubes for the new series:</source>
        <translation>Liczba kostek w nowej serii:</translation>
    </message>
    <message>
        <source>Clear the Skipped series?</source>
        <translation>Wyczyścić serię Pominięte?</translation>
    </message>
    <message>
        <source>Delete the Current series?</source>
        <translation>Usunąć serię Bieżąca?</translation>
    </message>
    <message>
        <source>Delete all series?</source>
        <translation>Usunąć wszystkie serie?</translation>
    </message>
    <message>
        <source>Save without timing and solving information?
(If you choose Yes, the Cubes will be saved with current time set to zero and no answers selected.)</source>
        <translation>Zapisać bez czasów i rozwiązań?
(Po wybraniu „Tak” kostki zostaną zapisane z czasem zerowym i bez zaznaczonych odpowiedzi.)</translation>
    </message>
    <message>
        <source>Open series or series set:</source>
        <translation>Otwórz serię:</translation>
    </message>
    <message>
        <source>Save the series:</source>
        <translation>Zapisz serię:</translation>
    </message>
    <message>
        <source>Series (*.srs)</source>
        <translation>Serie (*.srs)</translation>
    </message>
    <message>
        <source>Every series is empty: there is nothing to print.</source>
        <translation>Wszystkie serie są puste, nie ma czego drukować.</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Bieżąca</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>The %1 series is empty: there is nothing to print.</source>
        <translation>Seria %1 jest pusta, nie ma czego drukować.</translation>
    </message>
    <message>
        <source>Wrong number of Cubes (max. 500).</source>
        <translation>Nieprawidłowa liczba kostek (maks. 500).</translation>
    </message>
    <message>
        <source>Open the pupils' results:</source>
        <translation>Otwórz wyniki uczniów:</translation>
    </message>
    <message>
        <source>None of the files chosen holds a pupil's results.</source>
        <translation>Żaden z wybranych plików nie zawiera wyników ucznia.</translation>
    </message>
</context>
<context>
    <name>SeriesFile</name>
    <message>
        <source>Error writing file.</source>
        <translation>Błąd zapisu pliku.</translation>
    </message>
    <message>
        <source>Wrong file format.</source>
        <translation>Nieprawidłowy format pliku.</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Błąd odczytu pliku.</translation>
    </message>
    <message>
        <source>The series has more than 65,535 Cubes and cannot be saved in one file.</source>
        <translation>Seria ma ponad 65 535 kostek i nie da się jej zapisać w jednym pliku.</translation>
    </message>
</context>
<context>
    <name>SeriesGrid</name>
    <message>
        <source>Current has nothing to copy into itself</source>
        <translation>Serii Bieżąca nie można skopiować do niej samej</translation>
    </message>
    <message>
        <source>The current Cube is already in Current</source>
        <translation>Bieżąca kostka jest już w serii Bieżąca</translation>
    </message>
</context>
<context>
    <name>Symbol (beside)</name>
    <message>
        <source>the arrow</source>
        <translation>strzałki</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>grotu</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>daszka</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>ukośnej strzałki</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>litery T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>kwadratu w rogu</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>podwójnej strzałki</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>rombu</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>rombowej ramki</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>ukośnej podwójnej strzałki</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>litery I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>dwóch kwadratów</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>plusa</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>krzyża łapowego</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>kwadratowej ramki</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>gwiazdy</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>okna</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>kwadratu</translation>
    </message>
</context>
<context>
    <name>Symbol (object)</name>
    <message>
        <source>the arrow</source>
        <translation>strzałkę</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>grot</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>daszek</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>ukośną strzałkę</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>literę T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>kwadrat w rogu</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>podwójną strzałkę</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>romb</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>rombową ramkę</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>ukośną podwójną strzałkę</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>literę I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>dwa kwadraty</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>krzyż łapowy</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>kwadratową ramkę</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>gwiazdę</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>kwadrat</translation>
    </message>
</context>
<context>
    <name>Symbol (subject)</name>
    <message>
        <source>the arrow</source>
        <translation>strzałka</translation>
    </message>
    <message>
        <source>the arrowhead</source>
        <translation>grot</translation>
    </message>
    <message>
        <source>the caret</source>
        <translation>daszek</translation>
    </message>
    <message>
        <source>the diagonal arrow</source>
        <translation>ukośna strzałka</translation>
    </message>
    <message>
        <source>the T</source>
        <translation>litera T</translation>
    </message>
    <message>
        <source>the corner square</source>
        <translation>kwadrat w rogu</translation>
    </message>
    <message>
        <source>the double arrow</source>
        <translation>podwójna strzałka</translation>
    </message>
    <message>
        <source>the diamond</source>
        <translation>romb</translation>
    </message>
    <message>
        <source>the diamond ring</source>
        <translation>rombowa ramka</translation>
    </message>
    <message>
        <source>the double diagonal arrow</source>
        <translation>ukośna podwójna strzałka</translation>
    </message>
    <message>
        <source>the I-beam</source>
        <translation>litera I</translation>
    </message>
    <message>
        <source>the two squares</source>
        <translation>dwa kwadraty</translation>
    </message>
    <message>
        <source>the plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>the flared cross</source>
        <translation>krzyż łapowy</translation>
    </message>
    <message>
        <source>the square ring</source>
        <translation>kwadratowa ramka</translation>
    </message>
    <message>
        <source>the star</source>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>the window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source>the square</source>
        <translation>kwadrat</translation>
    </message>
</context>
<context>
    <name>Why</name>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn compared with the folded cube.</source>
        <translation>Odpowiedź %1 pokazuje %2 %3 w położeniu obróconym o ćwierć obrotu względem złożonej kostki.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn clockwise compared with the folded cube.</source>
        <translation>Odpowiedź %1 pokazuje %2 %3 w położeniu obróconym o ćwierć obrotu zgodnie z ruchem wskazówek zegara względem złożonej kostki.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a quarter turn anticlockwise compared with the folded cube.</source>
        <translation>Odpowiedź %1 pokazuje %2 %3 w położeniu obróconym o ćwierć obrotu przeciwnie do ruchu wskazówek zegara względem złożonej kostki.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 turned a half turn compared with the folded cube.</source>
        <translation>Odpowiedź %1 pokazuje %2 %3 w położeniu obróconym o pół obrotu względem złożonej kostki.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points %4; folded, it points to a face hidden behind the cube.</source>
        <translation>W odpowiedzi %1 %2 %3 wskazuje %4; po złożeniu wskazuje na ścianę ukrytą za kostką.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points to a face hidden behind the cube; folded, it points %4.</source>
        <translation>W odpowiedzi %1 %2 %3 wskazuje na ścianę ukrytą za kostką; po złożeniu wskazuje %4.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 points %4; folded, it points %5.</source>
        <translation>W odpowiedzi %1 %2 %3 wskazuje %4; po złożeniu wskazuje %5.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 both %3 and %4; folded, the two faces that carry it are opposite.</source>
        <translation>Odpowiedź %1 pokazuje %2 zarówno %3, jak i %4; po złożeniu obie ściany z tym symbolem leżą naprzeciw siebie.</translation>
    </message>
    <message>
        <source>Answer %1 shows %2 %3 beside %4 %5; folded, the two lie on opposite faces.</source>
        <translation>Odpowiedź %1 pokazuje %2 %3 obok %4 %5; po złożeniu oba symbole leżą na przeciwległych ścianach.</translation>
    </message>
    <message>
        <source>In answer %1 %2 %3 and %4 %5 lie in mirror order; folded, they change places.</source>
        <translation>W odpowiedzi %1 %2 %3 i %4 %5 leżą w lustrzanej kolejności; po złożeniu zamieniają się miejscami.</translation>
    </message>
    <message>
        <source>In answer %1 %2 shows %3; folded, that face shows %4.</source>
        <translation>W odpowiedzi %1 %2 pokazuje %3; po złożeniu ta ściana pokazuje %4.</translation>
    </message>
    <message>
        <source>Answer %1 can be folded from the net.</source>
        <translation>Odpowiedź %1 można złożyć z siatki.</translation>
    </message>
    <message>
        <source>Answer %1 cannot be folded from the net.</source>
        <translation>Odpowiedzi %1 nie można złożyć z siatki.</translation>
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
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię i nazwisko:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasa:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Which of the four cubes can be folded from the net? Write A, B, C or D in the box.</source>
        <translation>Którą z czterech kostek można złożyć z siatki? Wpisz A, B, C lub D w kratce.</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Odpowiedź:</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Klucz odpowiedzi</translation>
    </message>
    <message>
        <source>Answer key (continued)</source>
        <translation>Klucz odpowiedzi (ciąg dalszy)</translation>
    </message>
    <message>
        <source>Cube folding</source>
        <translation>Składanie kostki</translation>
    </message>
    <message>
        <source>Page %L1 of %L2</source>
        <translation>Strona %L1 z %L2</translation>
    </message>
    <message>
        <source>Key, page %L1 of %L2</source>
        <translation>Klucz odpowiedzi, strona %L1 z %L2</translation>
    </message>
    <message>
        <source>Score: ____ / %L1</source>
        <translation>Wynik: ____ / %L1</translation>
    </message>
    <message>
        <source>For each item, cross the letter of the cube that can be folded from the net.</source>
        <translation>Przy każdym zadaniu zaznacz literę kostki, którą można złożyć z siatki.</translation>
    </message>
    <message>
        <source>Answer grid, page %L1 of %L2</source>
        <translation>Karta odpowiedzi, strona %L1 z %L2</translation>
    </message>
</context>
<context>
    <name>vexlor::ExamDialog</name>
    <message numerus="yes">
        <source>The Current series (%Ln Cube(s))</source>
        <translation>
            <numerusform>Seria Bieżąca (%Ln kostka)</numerusform>
            <numerusform>Seria Bieżąca (%Ln kostki)</numerusform>
            <numerusform>Seria Bieżąca (%Ln kostek)</numerusform>
        </translation>
    </message>
    <message>
        <source>The Current series (empty)</source>
        <translation>Seria Bieżąca (pusta)</translation>
    </message>
    <message>
        <source>A new random series of</source>
        <translation>Nowa losowa seria z</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Egzamin</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Cubes of the new random series</source>
        <translation>Kostki nowej losowej serii</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Minutes in all</source>
        <translation>Minuty łącznie</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcjonalnie</translation>
    </message>
    <message>
        <source>Cubes</source>
        <translation>kostek</translation>
    </message>
    <message>
        <source>The exam starts with Start (0). A pick shows no right or wrong; + puts a Cube to the end. The score sheet follows at the end.</source>
        <translation>Egzamin zaczyna się od Start (0). Wybór nie pokazuje, czy jest dobry; + przenosi kostkę na koniec. Na końcu pojawia się arkusz wyników.</translation>
    </message>
    <message>
        <source>Cubes:</source>
        <translation>Kostki:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Name on the results:</source>
        <translation>Imię na wynikach:</translation>
    </message>
</context>
<context>
    <name>vexlor::ExamPanel</name>
    <message>
        <source>Exam</source>
        <translation>Egzamin</translation>
    </message>
    <message>
        <source>Press Start (0) to begin.</source>
        <translation>Start (0) rozpoczyna egzamin.</translation>
    </message>
    <message>
        <source>Item %1 of %2</source>
        <translation>Zadanie %1 z %2</translation>
    </message>
    <message>
        <source>Answered: %1 of %2</source>
        <translation>Z odpowiedzią: %1 z %2</translation>
    </message>
    <message>
        <source>Time left:</source>
        <translation>Pozostało:</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>%1 ends the exam early.</source>
        <translation>%1 kończy egzamin przed czasem.</translation>
    </message>
    <message>
        <source>Time used: %1</source>
        <translation>Zużyty czas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) left</source>
        <translation>
            <numerusform>Została %n sekunda</numerusform>
            <numerusform>Zostały %n sekundy</numerusform>
            <numerusform>Zostało %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left</source>
        <translation>
            <numerusform>Została %n minuta</numerusform>
            <numerusform>Zostały %n minuty</numerusform>
            <numerusform>Zostało %n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vexlor::ExamplePicture</name>
    <message>
        <source>Example Cube</source>
        <translation>Przykładowa kostka</translation>
    </message>
    <message>
        <source>the top face</source>
        <translation>górna ściana</translation>
    </message>
    <message>
        <source>the right face</source>
        <translation>prawa ściana</translation>
    </message>
    <message>
        <source>the left face</source>
        <translation>lewa ściana</translation>
    </message>
    <message>
        <source>The net of the cube; the correct answer, its faces coloured as the net's cells they show; a wrong answer, which differs in %1.</source>
        <translation>Siatka kostki; poprawna odpowiedź ze ścianami w kolorach pól siatki, które pokazują; błędna odpowiedź, która różni się tu: %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Poprawna</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Błędna</translation>
    </message>
</context>
<context>
    <name>vexlor::ExplanationWindow</name>
    <message>
        <source>Why?</source>
        <translation>Dlaczego?</translation>
    </message>
    <message>
        <source>Previous Cube</source>
        <translation>Poprzednia kostka</translation>
    </message>
    <message>
        <source>Next Cube</source>
        <translation>Następna kostka</translation>
    </message>
    <message>
        <source>The net folding up into the cube</source>
        <translation>Siatka składa się w kostkę</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>How far the net is folded</source>
        <translation>Jak daleko siatka jest złożona</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Jeszcze raz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Cube %L1 of %L2</source>
        <translation>Kostka %L1 z %L2</translation>
    </message>
    <message>
        <source>Pick an answer first.</source>
        <translation>Najpierw wybierz odpowiedź.</translation>
    </message>
    <message>
        <source>Folded, turned as answer %1</source>
        <translation>Po złożeniu, obrócona jak odpowiedź %1</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Odpowiedź %1</translation>
    </message>
    <message>
        <source>The folded cube, turned as answer %1 shows it</source>
        <translation>Złożona kostka obrócona tak, jak pokazuje ją odpowiedź %1</translation>
    </message>
    <message>
        <source>Nothing differs: answer %1 shows the folded cube, its faces coloured as in the main window once the Cube is solved.</source>
        <translation>Nic się nie różni: odpowiedź %1 pokazuje złożoną kostkę, jej ściany są pokolorowane jak w oknie głównym po rozwiązaniu kostki.</translation>
    </message>
    <message>
        <source>Outlined: the faces in which the folded cube and answer %1 differ.</source>
        <translation>Obramowane: ściany, którymi złożona kostka różni się od odpowiedzi %1.</translation>
    </message>
    <message>
        <source>Your pick: %1</source>
        <translation>Wybrano: %1</translation>
    </message>
    <message>
        <source>The answers are lettered as they lie: A top left, B top right, C bottom left, D bottom right.</source>
        <translation>Odpowiedzi są oznaczone literami według położenia: A u góry po lewej, B u góry po prawej, C na dole po lewej, D na dole po prawej.</translation>
    </message>
    <message>
        <source>Click a sentence, or press its letter, to see that answer beside the folded cube.</source>
        <translation>Kliknij zdanie lub naciśnij jego literę, aby zobaczyć tę odpowiedź obok złożonej kostki.</translation>
    </message>
</context>
<context>
    <name>vexlor::KeysWindow</name>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Okna</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
</context>
<context>
    <name>vexlor::MainWindow</name>
    <message>
        <source>Answer 1, top left</source>
        <translation>Odpowiedź 1, u góry po lewej</translation>
    </message>
    <message>
        <source>Answer 3, bottom left</source>
        <translation>Odpowiedź 3, u dołu po lewej</translation>
    </message>
    <message>
        <source>Answer 2, top right</source>
        <translation>Odpowiedź 2, u góry po prawej</translation>
    </message>
    <message>
        <source>Answer 4, bottom right</source>
        <translation>Odpowiedź 4, u dołu po prawej</translation>
    </message>
    <message>
        <source>Question: the net of the cube</source>
        <translation>Pytanie: siatka kostki</translation>
    </message>
    <message>
        <source>Line between the pictures and the panels</source>
        <translation>Linia między obrazkami a panelami</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Vexlor — progress (F2)</source>
        <translation>Vexlor — postępy (F2)</translation>
    </message>
    <message>
        <source>Show your progress (F2)</source>
        <translation>Pokaż postępy (F2)</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Bieżąca:</translation>
    </message>
    <message>
        <source>Current series count</source>
        <translation>Kostki w serii Bieżąca</translation>
    </message>
    <message>
        <source>Skipped:</source>
        <translation>Pominięte:</translation>
    </message>
    <message>
        <source>Skipped series count</source>
        <translation>Kostki w serii Pominięte</translation>
    </message>
    <message>
        <source>Mistakes:</source>
        <translation>Błędy:</translation>
    </message>
    <message>
        <source>Mistakes series count</source>
        <translation>Kostki w serii Błędy</translation>
    </message>
    <message>
        <source>Custom:</source>
        <translation>Własne:</translation>
    </message>
    <message>
        <source>Custom series count</source>
        <translation>Kostki w serii Własne</translation>
    </message>
    <message>
        <source>CtCS:</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy this series to the Current series</source>
        <translation>Skopiuj tę serię do serii Bieżąca</translation>
    </message>
    <message>
        <source>Copy to Current column</source>
        <translation>Kolumna: kopiuj do serii Bieżąca</translation>
    </message>
    <message>
        <source>ACtS:</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add the current Cube to this series</source>
        <translation>Dodaj bieżącą kostkę do tej serii</translation>
    </message>
    <message>
        <source>Add the current Cube column</source>
        <translation>Kolumna: dodaj bieżącą kostkę</translation>
    </message>
    <message>
        <source>Save:</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save column</source>
        <translation>Kolumna: zapisz</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Czyść</translation>
    </message>
    <message>
        <source>Clear column</source>
        <translation>Kolumna: wyczyść</translation>
    </message>
    <message>
        <source>Create random series</source>
        <translation>Utwórz losową serię</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>All</source>
        <translation>wszystko</translation>
    </message>
    <message>
        <source>Line below the column headings</source>
        <translation>Linia pod nagłówkami kolumn</translation>
    </message>
    <message>
        <source>Line between Skipped and Mistakes</source>
        <translation>Linia między Pominiętymi a Błędami</translation>
    </message>
    <message>
        <source>Line above the buttons for all series</source>
        <translation>Linia nad przyciskami dla wszystkich serii</translation>
    </message>
    <message>
        <source>Line before the Copy column</source>
        <translation>Linia przed kolumną Kopiuj</translation>
    </message>
    <message>
        <source>Line between the Copy and Add columns</source>
        <translation>Linia między kolumnami Kopiuj i Dodaj</translation>
    </message>
    <message>
        <source>Line between the Add and Save columns</source>
        <translation>Linia między kolumnami Dodaj i Zapisz</translation>
    </message>
    <message>
        <source>Line between the Save and Clear columns</source>
        <translation>Linia między kolumnami Zapisz i Wyczyść</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Skip Cube</source>
        <translation>Pomiń
kostkę</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Current Cube time:</source>
        <translation>Czas bieżącej kostki:</translation>
    </message>
    <message>
        <source>Current Cube time</source>
        <translation>Czas bieżącej kostki</translation>
    </message>
    <message>
        <source>Solved Cubes:</source>
        <translation>Rozwiązane kostki:</translation>
    </message>
    <message>
        <source>Solved Cubes</source>
        <translation>Rozwiązane kostki</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Czas łączny:</translation>
    </message>
    <message>
        <source>Total time</source>
        <translation>Czas łączny</translation>
    </message>
    <message>
        <source>Average Cube time:</source>
        <translation>Średni czas kostki:</translation>
    </message>
    <message>
        <source>Average Cube time</source>
        <translation>Średni czas kostki</translation>
    </message>
    <message>
        <source>Total mistakes:</source>
        <translation>Błędy łącznie:</translation>
    </message>
    <message>
        <source>Total mistakes</source>
        <translation>Błędy łącznie</translation>
    </message>
    <message>
        <source>Aver. mistakes per Cube:</source>
        <translation>Śr. liczba błędów:</translation>
    </message>
    <message>
        <source>Average mistakes per Cube</source>
        <translation>Średnia liczba błędów na kostkę</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>poprawna</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>błędna</translation>
    </message>
    <message>
        <source>Close Vexlors?</source>
        <translation>Zamknąć Vexlor?</translation>
    </message>
    <message numerus="yes">
        <source> · %Ln solve(s) not yet saved</source>
        <translation>
            <numerusform> · %Ln rozwiązanie jeszcze niezapisane</numerusform>
            <numerusform> · %Ln rozwiązania jeszcze niezapisane</numerusform>
            <numerusform> · %Ln rozwiązań jeszcze niezapisanych</numerusform>
        </translation>
    </message>
    <message>
        <source>Solves of this run not yet saved in your history: %L1. The Progress window (F2) says why.</source>
        <translation>Rozwiązania z tej sesji jeszcze niezapisane w historii: %L1. Przyczynę podaje okno Postępy (F2).</translation>
    </message>
    <message>
        <source> · solves are not saved</source>
        <translation> · rozwiązania nie są zapisywane</translation>
    </message>
    <message>
        <source>Your solves are not saved in your history. The Progress window (F2) says why.</source>
        <translation>Rozwiązania nie są zapisywane w historii. Przyczynę podaje okno Postępy (F2).</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>The exam is not finished. End it and close Vexlor?</source>
        <translation>Egzamin nie jest zakończony. Zakończyć go i zamknąć Vexlor?</translation>
    </message>
    <message>
        <source>Exam</source>
        <translation>Egzamin</translation>
    </message>
    <message>
        <source>Leave the exam before it starts?</source>
        <translation>Opuścić egzamin przed jego rozpoczęciem?</translation>
    </message>
    <message>
        <source>End the exam now? The Cubes not answered count as unanswered.</source>
        <translation>Zakończyć egzamin teraz? Kostki bez odpowiedzi liczą się jako bez odpowiedzi.</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>wybrana</translation>
    </message>
    <message>
        <source>The results could not be saved in %1. Save them from the score sheet.</source>
        <translation>Nie udało się zapisać wyników w %1. Zapisz je z arkusza wyników.</translation>
    </message>
    <message>
        <source>There is no Cube on show.</source>
        <translation>Żadna kostka nie jest pokazana.</translation>
    </message>
    <message>
        <source>The Mistakes series is empty.</source>
        <translation>Seria Błędy jest pusta.</translation>
    </message>
    <message>
        <source> · Rescuing your history: %1 %</source>
        <translation> · Ratowanie historii: %1%</translation>
    </message>
    <message>
        <source>Your history was damaged and is being rescued. Your solves are kept until it is done. The Progress window (F2) says more.</source>
        <translation>Historia była uszkodzona i jest ratowana. Do tego czasu rozwiązania są przechowywane. Więcej podaje okno Postępy (F2).</translation>
    </message>
    <message numerus="yes">
        <source>Solves of this run that cannot be saved, not even beside your history: %n. They are lost if Vexlor closes now. Try again?</source>
        <translation>
            <numerusform>Rozwiązanie z tej sesji, którego nie da się zapisać, nawet obok historii: %n. Przepadnie, jeśli Vexlor zostanie teraz zamknięty. Spróbować ponownie?</numerusform>
            <numerusform>Rozwiązania z tej sesji, których nie da się zapisać, nawet obok historii: %n. Przepadną, jeśli Vexlor zostanie teraz zamknięty. Spróbować ponownie?</numerusform>
            <numerusform>Rozwiązania z tej sesji, których nie da się zapisać, nawet obok historii: %n. Przepadną, jeśli Vexlor zostanie teraz zamknięty. Spróbować ponownie?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> · %Ln Cube(s) to review</source>
        <translation>
            <numerusform> · %Ln kostka do powtórki</numerusform>
            <numerusform> · %Ln kostki do powtórki</numerusform>
            <numerusform> · %Ln kostek do powtórki</numerusform>
        </translation>
    </message>
    <message>
        <source>Cubes due for review today: %L1. Review (Alt+R) puts them into Current.</source>
        <translation>Kostki do powtórki na dziś: %L1. Powtórka (Alt+R) wstawia je do serii Bieżąca.</translation>
    </message>
    <message>
        <source>The Cubes to review cannot be read from your history.</source>
        <translation>Nie można odczytać kostek do powtórki z historii.</translation>
    </message>
    <message>
        <source>No Cubes are due for review today.</source>
        <translation>Na dziś nie ma kostek do powtórki.</translation>
    </message>
</context>
<context>
    <name>vexlor::PracticeDialog</name>
    <message>
        <source>as today</source>
        <translation>jak dotąd</translation>
    </message>
    <message>
        <source>weakest only</source>
        <translation>tylko najsłabsze</translation>
    </message>
    <message>
        <source>recipes I choose</source>
        <translation>wybrane przeze mnie typy zadań</translation>
    </message>
    <message>
        <source>due for review first, then weakest</source>
        <translation>najpierw te do powtórki, potem najsłabsze</translation>
    </message>
    <message>
        <source>Take the Cubes from:</source>
        <translation>Kostki brać z:</translation>
    </message>
    <message numerus="yes">
        <source>%n Cube(s) due for review today.</source>
        <translation>
            <numerusform>%n kostka do powtórki na dziś.</numerusform>
            <numerusform>%n kostki do powtórki na dziś.</numerusform>
            <numerusform>%n kostek do powtórki na dziś.</numerusform>
        </translation>
    </message>
    <message>
        <source>Recipes to practise</source>
        <translation>Typy zadań do ćwiczenia</translation>
    </message>
</context>
<context>
    <name>vexlor::PrintDialog</name>
    <message>
        <source>Answer key</source>
        <translation>Klucz odpowiedzi</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Czarno-biało</translation>
    </message>
    <message>
        <source>Print a worksheet</source>
        <translation>Drukuj kartę pracy</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Bieżąca</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>%1 (empty)</source>
        <translation>%1 (brak kostek)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%Ln Cube(s))</source>
        <translation>
            <numerusform>%1 (%Ln kostka)</numerusform>
            <numerusform>%1 (%Ln kostki)</numerusform>
            <numerusform>%1 (%Ln kostek)</numerusform>
        </translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Seria:</translation>
    </message>
    <message>
        <source>Items per page:</source>
        <translation>Zadań na stronę:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Answer grid</source>
        <translation>Karta odpowiedzi</translation>
    </message>
    <message>
        <source>A page on which pupils mark the letter of every item</source>
        <translation>Strona, na której uczniowie zaznaczają literę przy każdym zadaniu</translation>
    </message>
    <message>
        <source>Each version puts the answers in another order and has its own key</source>
        <translation>Każda wersja ma inną kolejność odpowiedzi i własny klucz odpowiedzi</translation>
    </message>
    <message>
        <source>First item:</source>
        <translation>Pierwsze zadanie:</translation>
    </message>
    <message>
        <source>Number of items:</source>
        <translation>Liczba zadań:</translation>
    </message>
    <message>
        <source>Versions:</source>
        <translation>Wersje:</translation>
    </message>
    <message>
        <source>Class report</source>
        <translation>Raport klasy</translation>
    </message>
</context>
<context>
    <name>vexlor::ProgressWindow</name>
    <message>
        <source>d MMM yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>Median time per Cube (s)</source>
        <translation>Mediana czasu na kostkę (s)</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Mistakes per Cube</source>
        <translation>Błędy na kostkę</translation>
    </message>
    <message>
        <source>&amp;Practise weakest recipes</source>
        <translation>Ć&amp;wicz najsłabsze typy zadań</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Nie można odczytać historii: %1</translation>
    </message>
    <message>
        <source>Cubes solved: %L1     Days practised: %L2     Best day: %3</source>
        <translation>Rozwiązane kostki: %L1     Dni ćwiczeń: %L2     Najlepszy dzień: %3</translation>
    </message>
    <message numerus="yes">
        <source>none yet (a day needs %Ln Cube(s))</source>
        <translation>
            <numerusform>jeszcze brak (dzień liczy się od %Ln kostki)</numerusform>
            <numerusform>jeszcze brak (dzień liczy się od %Ln kostek)</numerusform>
            <numerusform>jeszcze brak (dzień liczy się od %Ln kostek)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, median %L2 s over %Ln Cube(s)</source>
        <translation>
            <numerusform>%1, mediana %L2 s z %Ln kostki</numerusform>
            <numerusform>%1, mediana %L2 s z %Ln kostek</numerusform>
            <numerusform>%1, mediana %L2 s z %Ln kostek</numerusform>
        </translation>
    </message>
    <message>
        <source>Cubes solved: not known, as the history cannot be read now.</source>
        <translation>Rozwiązane kostki: nieznane, bo nie można teraz odczytać historii.</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 dni</translation>
    </message>
    <message>
        <source>90 days</source>
        <translation>90 dni</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>best day (at least %L1 Cubes)</source>
        <translation>najlepszy dzień (co najmniej %L1 kostek)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>brak czasu</translation>
    </message>
    <message>
        <source>Median time %1 → %2; mistakes %3 → %4 per Cube (first week from %5, last week to %6)</source>
        <translation>Mediana czasu %1 → %2; błędy %3 → %4 na kostkę (pierwszy tydzień od %5, ostatni do %6)</translation>
    </message>
    <message>
        <source>Median time %1; mistakes %2 per Cube (all within the week from %3)</source>
        <translation>Mediana czasu %1; błędy %2 na kostkę (wszystko w tygodniu od %3)</translation>
    </message>
    <message>
        <source>No Cubes solved in these days.</source>
        <translation>W tym okresie nie rozwiązano żadnej kostki.</translation>
    </message>
    <message>
        <source>Exam score (% right)</source>
        <translation>Wynik egzaminu (% poprawnych)</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Target time:</source>
        <translation>Czas &amp;docelowy:</translation>
    </message>
    <message>
        <source>Target time per Cube in seconds</source>
        <translation>Czas docelowy na kostkę w sekundach</translation>
    </message>
    <message>
        <source>The Cubes kept for review cannot be read: %1</source>
        <translation>Nie można odczytać kostek zachowanych do powtórki: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Cube(s) kept for review could not be read and are left out.</source>
        <translation>
            <numerusform>Nie można odczytać %Ln kostki zachowanej do powtórki; pominięto ją.</numerusform>
            <numerusform>Nie można odczytać %Ln kostek zachowanych do powtórki; pominięto je.</numerusform>
            <numerusform>Nie można odczytać %Ln kostek zachowanych do powtórki; pominięto je.</numerusform>
        </translation>
    </message>
    <message>
        <source>For review: %L1 due   waiting at the steps of 1, 3, 7 and 21 days: %L2, %L3, %L4, %L5   learnt: %L6</source>
        <translation>Powtórki: na dziś %L1   czekają na etapach 1, 3, 7 i 21 dni: %L2, %L3, %L4, %L5   opanowane: %L6</translation>
    </message>
    <message>
        <source>Under %L1 s</source>
        <translation>Poniżej %L1 s</translation>
    </message>
    <message>
        <source>target %L1 s</source>
        <translation>cel %L1 s</translation>
    </message>
    <message>
        <source>&amp;All recipes</source>
        <translation>&amp;Wszystkie typy zadań</translation>
    </message>
    <message>
        <source>Recipe figures cover the latest %L1 solves of each; "Under %L3 s" is the share of them solved within your target time. "Practise weakest recipes" asks how many Cubes to make, and from which recipes. As today: at least half of them come from the recipes marked weakest; a quarter from those marked "few" (solved fewer than %L2 times) or not tried, but none of these gets more of it than a weakest recipe gets of the half; the rest from every recipe in proportion to its median time × (1 + mistakes per Cube), a recipe not yet measured counting as the weakest. Click a recipe for its guide and its own charts, week by week.</source>
        <translation>Wartości typów zadań obejmują ostatnie %L1 rozwiązań każdego z nich; „Poniżej %L3 s” to odsetek rozwiązanych w Twoim czasie docelowym. „Ćwicz najsłabsze typy zadań” pyta, ile kostek utworzyć i z jakich typów zadań. Jak dotąd: co najmniej połowa pochodzi z typów oznaczonych jako najsłabsze; ćwierć z oznaczonych „mało” (rozwiązanych mniej niż %L2 razy) lub jeszcze niepróbowanych, ale żaden z nich nie dostaje z niej więcej niż najsłabszy typ z połowy; reszta ze wszystkich typów proporcjonalnie do mediany czasu × (1 + błędy na kostkę), przy czym typ jeszcze niezmierzony liczy się jako najsłabszy. Kliknij typ zadania, aby zobaczyć jego opis i jego własne wykresy, tydzień po tygodniu.</translation>
    </message>
    <message>
        <source>%1: median time by week (s)</source>
        <translation>%1: mediana czasu tygodniowo (s)</translation>
    </message>
    <message>
        <source>%1: mistakes per Cube by week</source>
        <translation>%1: błędy na kostkę tygodniowo</translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %Ln Cube(s) with a time within the target</source>
        <translation>
            <numerusform>%1 z %Ln kostki z czasem w czasie docelowym</numerusform>
            <numerusform>%1 z %Ln kostek z czasem w czasie docelowym</numerusform>
            <numerusform>%1 z %Ln kostek z czasem w czasie docelowym</numerusform>
        </translation>
    </message>
    <message>
        <source>%L1%</source>
        <translation>%L1%</translation>
    </message>
</context>
<context>
    <name>vexlor::RecipeGuide</name>
    <message>
        <source>Recipe guide</source>
        <translation>Przewodnik po typie zadania</translation>
    </message>
    <message>
        <source>Left, the net. Beside it the answer that can be folded from it, its faces coloured as the cells they show, and one that cannot: the faces in which the two differ are outlined in both.</source>
        <translation>Po lewej siatka. Obok odpowiedź, którą da się z niej złożyć, ze ścianami w kolorach pól, które pokazują, oraz taka, której nie da się złożyć: ściany, którymi się różnią, są obrysowane w obu.</translation>
    </message>
    <message>
        <source>Practise &amp;this recipe</source>
        <translation>Ćwicz &amp;ten typ zadania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>You have not tried this recipe yet.</source>
        <translation>Nie próbowano jeszcze tego typu zadania.</translation>
    </message>
    <message>
        <source>%L1 s</source>
        <translation>%L1 s</translation>
    </message>
    <message>
        <source>no time</source>
        <translation>brak czasu</translation>
    </message>
    <message>
        <source>That is too few to judge it yet: practice counts it as "few".</source>
        <translation>To jeszcze za mało, by go ocenić: ćwiczenia liczą go jako „mało”.</translation>
    </message>
    <message>
        <source>It is one of your weakest recipes.</source>
        <translation>To jeden z najsłabszych typów zadań.</translation>
    </message>
    <message>
        <source>Recipe guide: %1</source>
        <translation>Przewodnik: %1</translation>
    </message>
    <message numerus="yes">
        <source>You have solved %Ln Cube(s) of this recipe.</source>
        <translation>
            <numerusform>Rozwiązano %Ln kostkę tego typu.</numerusform>
            <numerusform>Rozwiązano %Ln kostki tego typu.</numerusform>
            <numerusform>Rozwiązano %Ln kostek tego typu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over your latest %Ln solve(s): median time %1, %L2 mistakes per Cube.</source>
        <translation>
            <numerusform>W ostatnim %Ln rozwiązaniu: mediana czasu %1, %L2 błędu na kostkę.</numerusform>
            <numerusform>W ostatnich %Ln rozwiązaniach: mediana czasu %1, %L2 błędu na kostkę.</numerusform>
            <numerusform>W ostatnich %Ln rozwiązaniach: mediana czasu %1, %L2 błędu na kostkę.</numerusform>
        </translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Dlaczego?</translation>
    </message>
    <message>
        <source>Fold the example's net and see why its wrong answer cannot be folded from it</source>
        <translation>Złóż siatkę przykładu i zobacz, dlaczego nie da się z niej złożyć błędnej odpowiedzi</translation>
    </message>
    <message>
        <source>&lt;b&gt;How to solve it:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;Jak to rozwiązać:&lt;/b&gt; %1</translation>
    </message>
</context>
<context>
    <name>vexlor::ScoreSheet</name>
    <message>
        <source>Wrong: Enter or a double-click explains it</source>
        <translation>Błędna: Enter lub dwuklik wyjaśnia dlaczego</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, błędna</translation>
    </message>
    <message>
        <source>&amp;Save results…</source>
        <translation>&amp;Zapisz wyniki…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Per recipe</source>
        <translation>Według typu zadania</translation>
    </message>
    <message>
        <source>Results saved as %1</source>
        <translation>Wyniki zapisano jako %1</translation>
    </message>
    <message>
        <source>Save the results:</source>
        <translation>Zapisz wyniki:</translation>
    </message>
</context>
</TS>
