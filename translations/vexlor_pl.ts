<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
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
            <translation>Środkowosymetryczne z powtórzeniami</translation>
        </message>
        <message>
            <source>All kinds of symbols</source>
            <translation>Symbole wszelkiego rodzaju</translation>
        </message>
        <message>
            <source>Half-turn parity</source>
            <translation>Ułożenie środkowosymetrycznego</translation>
        </message>
        <message>
            <source>6 distinct half-turn symbols</source>
            <translation>6 różnych środkowosymetrycznych</translation>
        </message>
        <message>
            <source>Symmetric face among turns</source>
            <translation>Symetryczna wśród kierunkowych</translation>
        </message>
        <message>
            <source>6 distinct turned symbols</source>
            <translation>6 różnych symboli kierunkowych</translation>
        </message>
        <message>
            <source>Odd face among turns</source>
            <translation>Odmienna wśród kierunkowych</translation>
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
            <source>Wrong number of cubes (max. 500).</source>
            <translation>Nieprawidłowa liczba kostek (maks. 500).</translation>
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
        <message>
            <source>Save Current</source>
            <translation>Zapisz serię Bieżąca</translation>
        </message>
        <message>
            <source>Clear Current</source>
            <translation>Wyczyść serię Bieżąca</translation>
        </message>
        <message>
            <source>Copy Skipped to Current</source>
            <translation>Skopiuj Pominięte do serii Bieżąca</translation>
        </message>
        <message>
            <source>Add the current Cube to Skipped</source>
            <translation>Dodaj bieżącą kostkę do Pominiętych</translation>
        </message>
        <message>
            <source>Save Skipped</source>
            <translation>Zapisz serię Pominięte</translation>
        </message>
        <message>
            <source>Clear Skipped</source>
            <translation>Wyczyść serię Pominięte</translation>
        </message>
        <message>
            <source>Copy Mistakes to Current</source>
            <translation>Skopiuj Błędy do serii Bieżąca</translation>
        </message>
        <message>
            <source>Add the current Cube to Mistakes</source>
            <translation>Dodaj bieżącą kostkę do Błędów</translation>
        </message>
        <message>
            <source>Save Mistakes</source>
            <translation>Zapisz serię Błędy</translation>
        </message>
        <message>
            <source>Clear Mistakes</source>
            <translation>Wyczyść serię Błędy</translation>
        </message>
        <message>
            <source>Copy Custom to Current</source>
            <translation>Skopiuj Własne do serii Bieżąca</translation>
        </message>
        <message>
            <source>Add the current Cube to Custom</source>
            <translation>Dodaj bieżącą kostkę do Własnych</translation>
        </message>
        <message>
            <source>Save Custom</source>
            <translation>Zapisz serię Własne</translation>
        </message>
        <message>
            <source>Clear Custom</source>
            <translation>Wyczyść serię Własne</translation>
        </message>
    </context>
    <context>
        <name>Test</name>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pauza</translation>
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
            <source>Load a series file into Current</source>
            <translation>Wczytaj plik serii do serii Bieżąca</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Całość</translation>
        </message>
        <message>
            <source>Clear all series</source>
            <translation>Wyczyść wszystkie serie</translation>
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
            <source>Save Current</source>
            <translation>Zapisz serię Bieżąca</translation>
        </message>
        <message>
            <source>Print a series</source>
            <translation>Wydrukuj serię</translation>
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
            <source>Close Vexlors?</source>
            <translation>Zamknąć Vexlor?</translation>
        </message>
    </context>
</TS>
