<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs_CZ">
<context>
    <name>PersonCommands</name>
    <message numerus="yes">
        <source>Smazat %n testů osoby „%1“? Soubory se přesunou do koše.</source>
        <translation>
            <numerusform>Smazat %n test osoby „%1“? Soubor se přesune do koše.</numerusform>
            <numerusform>Smazat %n testy osoby „%1“? Soubory se přesunou do koše.</numerusform>
            <numerusform>Smazat %n testů osoby „%1“? Soubory se přesunou do koše.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Složka %1 nemá koš. Soubory se smažou natrvalo a nepůjde je obnovit. Smazat natrvalo %n testů osoby „%2“?</source>
        <translation>
            <numerusform>Složka %1 nemá koš. Soubor se smaže natrvalo a nepůjde ho obnovit. Smazat natrvalo %n test osoby „%2“?</numerusform>
            <numerusform>Složka %1 nemá koš. Soubory se smažou natrvalo a nepůjde je obnovit. Smazat natrvalo %n testy osoby „%2“?</numerusform>
            <numerusform>Složka %1 nemá koš. Soubory se smažou natrvalo a nepůjde je obnovit. Smazat natrvalo %n testů osoby „%2“?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vorlant::PersonRenameDialog</name>
    <message numerus="yes">
        <source>Osoba „%1“ už má %n testů. Testy se spojí.</source>
        <translation>
            <numerusform>Osoba „%1“ už má %n test. Testy se spojí.</numerusform>
            <numerusform>Osoba „%1“ už má %n testy. Testy se spojí.</numerusform>
            <numerusform>Osoba „%1“ už má %n testů. Testy se spojí.</numerusform>
        </translation>
    </message>
</context>
</TS>
