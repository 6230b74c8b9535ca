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
        <source>Every answer shows face 0&apos;s turned symbol in the same turn; the wrong ones vary the two symmetric faces beside it.</source>
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
</TS>
