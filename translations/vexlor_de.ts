<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <translation>Punktsymmetrische mit Wiederholung</translation>
    </message>
    <message>
        <source>All kinds of symbols</source>
        <translation>Alle Arten von Symbolen</translation>
    </message>
    <message>
        <source>Half-turn parity</source>
        <translation>Lage eines punktsymmetrischen</translation>
    </message>
    <message>
        <source>6 distinct half-turn symbols</source>
        <translation>6 verschiedene punktsymmetrische</translation>
    </message>
    <message>
        <source>Symmetric face among turns</source>
        <translation>Symmetrische unter gerichteten</translation>
    </message>
    <message>
        <source>6 distinct turned symbols</source>
        <translation>6 verschiedene gerichtete Symbole</translation>
    </message>
    <message>
        <source>Odd face among turns</source>
        <translation>Abweichende unter gerichteten</translation>
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
        <source>Every answer shows face 0&apos;s turned symbol in the same turn; the wrong ones vary the two symmetric faces beside it.</source>
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
    <name>Test</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
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
</context>
</TS>
