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
    <name>PersonReport</name>
    <message numerus="yes">
        <source>Období: %1 · %n testů</source>
        <translation>
            <numerusform>Období: %1 · %n test</numerusform>
            <numerusform>Období: %1 · %n testy</numerusform>
            <numerusform>Období: %1 · %n testů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Posledních %n testů</source>
        <translation>
            <numerusform>Poslední %n test</numerusform>
            <numerusform>Poslední %n testy</numerusform>
            <numerusform>Posledních %n testů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n testů</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n testy</numerusform>
            <numerusform>%n testů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n týdnů</source>
        <translation>
            <numerusform>%n týden</numerusform>
            <numerusform>%n týdny</numerusform>
            <numerusform>%n týdnů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dní</source>
        <translation>
            <numerusform>%n den</numerusform>
            <numerusform>%n dny</numerusform>
            <numerusform>%n dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dne %1 proběhlo %n testů.</source>
        <translation>
            <numerusform>Dne %1 proběhl %n test.</numerusform>
            <numerusform>Dne %1 proběhly %n testy.</numerusform>
            <numerusform>Dne %1 proběhlo %n testů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Od %1 do %2 (%3) proběhlo %n testů.</source>
        <translation>
            <numerusform>Od %1 do %2 (%3) proběhl %n test.</numerusform>
            <numerusform>Od %1 do %2 (%3) proběhly %n testy.</numerusform>
            <numerusform>Od %1 do %2 (%3) proběhlo %n testů.</numerusform>
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
