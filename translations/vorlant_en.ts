<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="cs_CZ">
<context>
    <name>AttemptsChart</name>
    <message>
        <source>Přehled pokusů</source>
        <translation>Attempts</translation>
    </message>
    <message>
        <source>Číslo pokusu</source>
        <translation>Attempt</translation>
    </message>
    <message>
        <source>Počet hádaných čísel</source>
        <translation>Sequence length</translation>
    </message>
</context>
<context>
    <name>ChartPrinting</name>
    <message>
        <source>Tisk se nepodařil: %1</source>
        <translation>Printing failed: %1</translation>
    </message>
    <message>
        <source>soubor „%1“ nelze vytvořit</source>
        <translation>cannot create the file “%1”</translation>
    </message>
    <message>
        <source>tiskárnu „%1“ nelze otevřít</source>
        <translation>cannot open the printer “%1”</translation>
    </message>
    <message>
        <source>soubor „%1“ nelze dopsat</source>
        <translation>cannot finish the file “%1”</translation>
    </message>
    <message>
        <source>tiskárna „%1“ úlohu nepřijala</source>
        <translation>the printer “%1” did not accept the job</translation>
    </message>
</context>
<context>
    <name>CsvSaving</name>
    <message>
        <source>Export do CSV</source>
        <translation>Export to CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Všechny soubory (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>… (celkem %1)</source>
        <translation>… (%1 in all)</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>:/help/help.txt</source>
        <extracomment>The built-in help in this language, a file of the program&apos;s resources.</extracomment>
        <translation>:/help/help_en.txt</translation>
    </message>
</context>
<context>
    <name>LateParts</name>
    <message>
        <source> ani </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Soubor %1 chybí.</source>
        <translation>Cannot find the file %1.</translation>
    </message>
    <message>
        <source>Grafy, vývoj výsledků, přehled osob a zvuky nejsou k dispozici.</source>
        <translation>Charts, progress, the overview of persons and sounds are not available.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zavést: %2</source>
        <translation>Cannot load the file %1: %2</translation>
    </message>
    <message>
        <source>Soubor %1 nepatří k tomuto programu.</source>
        <translation>The file %1 does not belong to this program.</translation>
    </message>
    <message>
        <source>Soubor %1 patří k jinému sestavení programu (%2, tento program je %3).</source>
        <translation>The file %1 belongs to another build of the program (%2, this program is %3).</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Akce</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Prázdné</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>Čísla</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Abeceda</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Obrázky</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Výchozí počet </source>
        <translation>Starting Length</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Nejrychlejší</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>Rychlý</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Normální</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Pomalejší</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Nejpomalejší</source>
        <translation>Slowest</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Neznámá chyba</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Cannot open file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Nelze zadat prázdné jméno</source>
        <translation>The name cannot be empty</translation>
    </message>
    <message>
        <source>V programu chybí obrázek %1</source>
        <translation>The picture %1 is missing from the program</translation>
    </message>
    <message>
        <source>Chyba adresáře obr_deti</source>
        <translation>Cannot use the folder obr_deti</translation>
    </message>
    <message>
        <source>Vyberte řádek s osobou.</source>
        <translation>Select a row with a person.</translation>
    </message>
    <message>
        <source>Unable to write to %1.</source>
        <translation>Unable to write to %1.</translation>
    </message>
    <message>
        <source>Soubor %1 nelze uložit</source>
        <translation>Cannot save the file %1</translation>
    </message>
    <message>
        <source>Soubor %1 nelze zavřít</source>
        <translation>Cannot close the file %1</translation>
    </message>
    <message>
        <source>Soubor %1 nelze načíst</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>Není to obyčejný soubor.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>Soubor je kratší než výsledky testu.</source>
        <translation>The file is shorter than the results of a test.</translation>
    </message>
    <message>
        <source>Na disku není dost místa.</source>
        <translation>There is not enough space on the disk.</translation>
    </message>
    <message>
        <source>Disk je jen pro čtení.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Přístup byl odepřen.</source>
        <translation>Permission was denied.</translation>
    </message>
    <message>
        <source>Složka nebo soubor neexistuje.</source>
        <translation>The folder or the file does not exist.</translation>
    </message>
    <message>
        <source>Část cesty není složka.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Na tom místě je složka.</source>
        <translation>A folder stands in that place.</translation>
    </message>
    <message>
        <source>Název je příliš dlouhý.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>Při čtení nebo zápisu na disk nastala chyba.</source>
        <translation>The disk failed to read or write.</translation>
    </message>
    <message>
        <source>Chyba systému: %1.</source>
        <translation>System error: %1.</translation>
    </message>
    <message>
        <source>Výsledky byly uloženy do %1.</source>
        <translation>The results were saved to %1.</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>Příjmení, jméno</source>
        <translation>Surname, first name</translation>
    </message>
    <message>
        <source>Testů</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Nejlepší řada</source>
        <translation>Best sequence</translation>
    </message>
    <message>
        <source>První test</source>
        <translation>First test</translation>
    </message>
    <message>
        <source>Poslední test</source>
        <translation>Latest test</translation>
    </message>
    <message>
        <source>Změna</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Odhad rozpětí</source>
        <translation>Span estimate</translation>
    </message>
    <message>
        <source>Poslední test: řada</source>
        <translation>Latest test: sequence</translation>
    </message>
    <message>
        <source>Poslední test: průměrná délka</source>
        <translation>Latest test: average length</translation>
    </message>
    <message>
        <source>Poslední test: úspěšnost %</source>
        <translation>Latest test: success %</translation>
    </message>
    <message>
        <source>Osoba, jak ji nesou názvy souborů s výsledky</source>
        <translation>The person as the names of the results files give it</translation>
    </message>
    <message>
        <source>Počet testů osoby, které lze načíst</source>
        <translation>How many of the person&apos;s tests can be read</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada ze všech testů osoby</source>
        <translation>The longest correct sequence of all the person&apos;s tests</translation>
    </message>
    <message>
        <source>Odhad rozpětí posledního testu: délka řady, kterou osoba zopakuje zhruba v polovině pokusů; „—“, když byl test na odhad příliš krátký</source>
        <translation>The span estimate of the latest test: the sequence length the person repeats correctly about half of the time; “—” when the test was too short to tell</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada posledního testu</source>
        <translation>The longest correct sequence of the latest test</translation>
    </message>
    <message>
        <source>Průměrná délka řad v posledním testu</source>
        <translation>The average sequence length of the latest test</translation>
    </message>
    <message>
        <source>Podíl správně zopakovaných řad v posledním testu</source>
        <translation>The share of sequences repeated correctly in the latest test</translation>
    </message>
    <message>
        <source>Datum prvního testu</source>
        <translation>The date of the first test</translation>
    </message>
    <message>
        <source>Datum posledního testu</source>
        <translation>The date of the latest test</translation>
    </message>
    <message>
        <source>Poslední test proti prvnímu: rozdíl odhadů rozpětí, mají-li ho oba testy, jinak rozdíl nejdelších zopakovaných řad</source>
        <translation>The latest test against the first: the difference of their span estimates where both have one, else of their longest correct sequences</translation>
    </message>
    <message>
        <source>Změna odhadu rozpětí od prvního testu</source>
        <translation>Change of the span estimate since the first test</translation>
    </message>
    <message>
        <source>Změna nejdelší zopakované řady od prvního testu (odhad rozpětí jeden z testů nemá)</source>
        <translation>Change of the longest correct sequence since the first test (one of the tests has no span estimate)</translation>
    </message>
</context>
<context>
    <name>PersonCommands</name>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Osoba „%1“ v této složce nemá žádný test.</source>
        <translation>“%1” has no test in this folder.</translation>
    </message>
    <message>
        <source>Tyto soubory nelze přejmenovat:</source>
        <translation>These files cannot be renamed:</translation>
    </message>
    <message>
        <source>Smazat osobu</source>
        <translation>Delete person</translation>
    </message>
    <message numerus="yes">
        <source>Smazat %n testů osoby „%1“? Soubory se přesunou do koše.</source>
        <translation>
            <numerusform>Delete %n test of “%1”? The file will be moved to the trash.</numerusform>
            <numerusform>Delete %n tests of “%1”? The files will be moved to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Složka %1 nemá koš. Soubory se smažou natrvalo a nepůjde je obnovit. Smazat natrvalo %n testů osoby „%2“?</source>
        <translation>
            <numerusform>The folder %1 has no trash. The file will be deleted for good and cannot be restored. Delete %n test of “%2” for good?</numerusform>
            <numerusform>The folder %1 has no trash. The files will be deleted for good and cannot be restored. Delete %n tests of “%2” for good?</numerusform>
        </translation>
    </message>
    <message>
        <source>Tyto soubory nelze smazat:</source>
        <translation>These files cannot be deleted:</translation>
    </message>
</context>
<context>
    <name>PersonReport</name>
    <message>
        <source>Zpráva o osobě – %1</source>
        <translation>Report on a Person – %1</translation>
    </message>
    <message>
        <source>Uložit zprávu jako PDF</source>
        <translation>Save the Report as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Všechny soubory (*)</source>
        <translation>PDF (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>Tyto soubory nelze načíst, ve zprávě chybí:</source>
        <translation>These files cannot be read and are missing from the report:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Pokusů</source>
        <translation>Attempts</translation>
    </message>
    <message>
        <source>Úspěšnost %</source>
        <translation>Success %</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada</source>
        <translation>Longest correct sequence</translation>
    </message>
    <message>
        <source>Odhad rozpětí</source>
        <translation>Span estimate</translation>
    </message>
    <message>
        <source>Zpráva o výsledcích testů krátkodobé zrakové paměti</source>
        <translation>Report on short-term visual memory tests</translation>
    </message>
    <message numerus="yes">
        <source>Období: %1 · %n testů</source>
        <translation>
            <numerusform>Period: %1 · %n test</numerusform>
            <numerusform>Period: %1 · %n tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Zpráva vytvořena %1</source>
        <translation>Report made on %1</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Všechny testy</source>
        <translation>All tests</translation>
    </message>
    <message numerus="yes">
        <source>Posledních %n testů</source>
        <translation>
            <numerusform>Latest %n test</numerusform>
            <numerusform>Latest %n tests</numerusform>
        </translation>
    </message>
    <message>
        <source>Poznámka:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Odhad rozpětí byl %1.</source>
        <translation>The span estimate was %1.</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada měla délku %1.</source>
        <translation>The longest correct sequence was %1 long.</translation>
    </message>
    <message>
        <source>Vývoj ukáže až další test.</source>
        <translation>The next test will show the progress.</translation>
    </message>
    <message>
        <source>Odhad rozpětí vzrostl: v prvním testu byl %1, v posledním %2.</source>
        <translation>The span estimate grew: %1 in the first test, %2 in the latest.</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada se prodloužila: v prvním testu měla délku %1, v posledním %2.</source>
        <translation>The longest correct sequence grew: %1 in the first test, %2 in the latest.</translation>
    </message>
    <message>
        <source>Odhad rozpětí klesl: v prvním testu byl %1, v posledním %2.</source>
        <translation>The span estimate fell: %1 in the first test, %2 in the latest.</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada se zkrátila: v prvním testu měla délku %1, v posledním %2.</source>
        <translation>The longest correct sequence fell: %1 in the first test, %2 in the latest.</translation>
    </message>
    <message>
        <source>Odhad rozpětí zůstal zhruba stejný: v prvním testu byl %1, v posledním %2.</source>
        <translation>The span estimate stayed about the same: %1 in the first test, %2 in the latest.</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada zůstala stejná: v prvním i v posledním testu měla délku %1.</source>
        <translation>The longest correct sequence stayed the same: %1 in the first and in the latest test.</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <extracomment>How the report writes a date.</extracomment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>d. M. yyyy H:mm</source>
        <extracomment>How the report&apos;s table writes the date and time of a test.</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>cs_CZ</source>
        <extracomment>The locale whose decimal separator the report&apos;s numbers use.</extracomment>
        <translation>en_GB</translation>
    </message>
    <message numerus="yes">
        <source>%n testů</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n tests</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n týdnů</source>
        <translation>
            <numerusform>%n week</numerusform>
            <numerusform>%n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dní</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dne %1 proběhlo %n testů.</source>
        <translation>
            <numerusform>On %1, %n test was taken.</numerusform>
            <numerusform>On %1, %n tests were taken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Od %1 do %2 (%3) proběhlo %n testů.</source>
        <translation>
            <numerusform>From %1 to %2 (%3), %n test was taken.</numerusform>
            <numerusform>From %1 to %2 (%3), %n tests were taken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Odhad rozpětí udává délku řady, kterou se daří zopakovat zhruba v polovině pokusů.</source>
        <translation>The span estimate is the length of sequence repeated correctly in about half of the attempts.</translation>
    </message>
    <message>
        <source>Test byl na odhad rozpětí příliš krátký, proto uvádíme nejdelší správně zopakovanou řadu.</source>
        <translation>The test was too short for a span estimate, so the longest correct sequence is given.</translation>
    </message>
    <message>
        <source>První nebo poslední test byl na odhad rozpětí příliš krátký, proto porovnáváme nejdelší správně zopakovanou řadu.</source>
        <translation>The first or the latest test was too short for a span estimate, so the longest correct sequences are compared.</translation>
    </message>
    <message>
        <source>Program neobsahuje normy pro věkové skupiny; výsledky slouží ke sledování vývoje jednoho člověka a nenahrazují odborné vyšetření.</source>
        <translation>The program holds no age norms; the results follow one person&apos;s progress and do not replace a professional assessment.</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>Nejdelší zopakovaná řada</source>
        <translation>Longest correct sequence</translation>
    </message>
    <message>
        <source>Průměrná délka</source>
        <translation>Average length</translation>
    </message>
    <message>
        <source>Úspěšnost %</source>
        <translation>Success %</translation>
    </message>
    <message>
        <source>d. M. yyyy</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>d. M. yyyy H:mm</source>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>cs_CZ</source>
        <extracomment>The locale whose decimal separator the chart&apos;s numbers use.</extracomment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>Datum testu</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>Délka řady</source>
        <translation>Sequence length</translation>
    </message>
    <message>
        <source>Vývoj výsledků – %1</source>
        <translation>Progress – %1</translation>
    </message>
    <message>
        <source>Odhad rozpětí</source>
        <translation>Span estimate</translation>
    </message>
</context>
<context>
    <name>ProgressReading</name>
    <message>
        <source>Načítám výsledky…</source>
        <translation>Reading results…</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress</translation>
    </message>
</context>
<context>
    <name>ResearchSaving</name>
    <message>
        <source>Export pro výzkum</source>
        <translation>Export for research</translation>
    </message>
    <message>
        <source>Sešit Excelu (*.xlsx);;Všechny soubory (*)</source>
        <translation>Excel workbook (*.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>Klíč ke kódům osob (osobní údaje)</source>
        <translation>Key to the codes of persons (personal data)</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Všechny soubory (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Klíč přiřazuje kódům ze sešitu jména osob. Jsou to osobní údaje: uložte ho odděleně od sešitu, nepředávejte ho se sešitem a chraňte ho jako výsledky samy. Nechcete-li klíč uložit, zvolte Zrušit.</source>
        <translation>The key gives the names of the persons behind the workbook’s codes. It is personal data: save it apart from the workbook, never hand it over with the workbook, and protect it as you protect the results themselves. To save no key, choose Cancel.</translation>
    </message>
    <message>
        <source>Kód</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Dnů od prvního do posledního testu</source>
        <translation>Days from first to latest test</translation>
    </message>
    <message>
        <source>Pokusy</source>
        <translation>Attempts</translation>
    </message>
    <message>
        <source>Tyto soubory nelze načíst, v exportu chybí:</source>
        <translation>These files cannot be read and are missing from the export:</translation>
    </message>
</context>
<context>
    <name>SaveElsewhere</name>
    <message>
        <source>Uložit jinam…</source>
        <translation>Save Elsewhere…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Uložit výsledky</source>
        <translation>Save Results</translation>
    </message>
    <message>
        <source>Výsledky (*.mem);;Všechny soubory (*)</source>
        <translation>Results (*.mem);;All files (*)</translation>
    </message>
</context>
<context>
    <name>SummaryLine</name>
    <message>
        <source>cs_CZ</source>
        <extracomment>The locale whose decimal separator the measures of a test use.</extracomment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Správně %1 z %2 (%3)</source>
        <translation>Correct %1 of %2 (%3)</translation>
    </message>
    <message>
        <source>Nejdelší zopakovaná řada %1</source>
        <translation>Longest correct sequence %1</translation>
    </message>
    <message>
        <source>Odhad rozpětí %1</source>
        <translation>Span estimate %1</translation>
    </message>
    <message>
        <source>Čas na položku %1</source>
        <translation>Time per item %1</translation>
    </message>
    <message>
        <source>Nový osobní rekord!</source>
        <translation>New personal best!</translation>
    </message>
</context>
<context>
    <name>TablePrinting</name>
    <message>
        <source>Strana %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>další stranu nelze začít</source>
        <translation>cannot start the next page</translation>
    </message>
    <message>
        <source>stránka je pro tabulku příliš malá</source>
        <translation>the page is too small for the table</translation>
    </message>
</context>
<context>
    <name>WorkbookSaving</name>
    <message>
        <source>Export do Excelu</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Sešit Excelu (*.xlsx);;Všechny soubory (*)</source>
        <translation>Excel workbook (*.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>d. m. yyyy h:mm</source>
        <translation>yyyy-mm-dd hh:mm</translation>
    </message>
    <message>
        <source>d. m. yyyy</source>
        <translation>yyyy-mm-dd</translation>
    </message>
</context>
<context>
    <name>vorlant::AboutWindow</name>
    <message>
        <source>O programu</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Tým Vorlant</source>
        <translation>The Vorlant team</translation>
    </message>
    <message>
        <source>Verze:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Kontakt:</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>README.md u zdrojů</source>
        <translation>README.md in the source</translation>
    </message>
    <message>
        <source>Pro nekomerční účely zdarma</source>
        <translation>Free for non-commercial use</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vorlant::ArchiveWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Uložené výsledky</source>
        <translation>Saved Results</translation>
    </message>
    <message>
        <source>Příjjmení, jméno</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Čas testu</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Název souboru</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Zadej nový adresář</source>
        <translation>Name of the new folder</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Otevřít</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Export do CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vytvoření nové složky</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Složku nelze vytvořit</source>
        <translation>Cannot create the folder</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Složka je vytvořena</source>
        <translation>The folder has been created</translation>
    </message>
    <message>
        <source>Tyto soubory nelze načíst, v exportu chybí:</source>
        <translation>These files cannot be read and are missing from the export:</translation>
    </message>
    <message>
        <source>Vývoj výsledků (chybí soubor libvorlant_late.so)</source>
        <translation>Progress (libvorlant_late.so is missing)</translation>
    </message>
    <message>
        <source>Přehled osob</source>
        <translation>Overview of Persons</translation>
    </message>
    <message>
        <source>Přehled osob (chybí soubor libvorlant_late.so)</source>
        <translation>Overview of Persons (libvorlant_late.so is missing)</translation>
    </message>
    <message>
        <source>Export do Excelu…</source>
        <translation>Export to Excel…</translation>
    </message>
    <message>
        <source>Zpráva o osobě…</source>
        <translation>Report on a Person…</translation>
    </message>
    <message>
        <source>Zpráva o osobě… (chybí soubor libvorlant_late.so)</source>
        <translation>Report on a Person… (libvorlant_late.so is missing)</translation>
    </message>
    <message>
        <source>Přejmenovat osobu…</source>
        <translation>Rename Person…</translation>
    </message>
    <message>
        <source>Smazat osobu…</source>
        <translation>Delete Person…</translation>
    </message>
</context>
<context>
    <name>vorlant::ChartWindow</name>
    <message>
        <source>Graf</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Akce</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tisk - vyber tisk na šířku</source>
        <translation>Print Landscape…</translation>
    </message>
    <message>
        <source>Tisk - vyber tisk na výšku</source>
        <translation>Print Portrait…</translation>
    </message>
    <message>
        <source>Export do CSV…</source>
        <translation>Export to CSV…</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Export do Excelu…</source>
        <translation>Export to Excel…</translation>
    </message>
</context>
<context>
    <name>vorlant::CountersPanel</name>
    <message>
        <source>Počet hádaných pozice</source>
        <translation>Length of the sequence</translation>
    </message>
    <message>
        <source>Pořadí zobrazené pozice</source>
        <translation>Position being shown</translation>
    </message>
</context>
<context>
    <name>vorlant::HelpWindow</name>
    <message>
        <source>Stručný popis</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>vorlant::MainWindow</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Test paměti - pro nekomerční použití</source>
        <translation>Memory Test - for non-commercial use</translation>
    </message>
    <message>
        <source>Pokračuj</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Test ještě běží. Ukončit program bez uložení výsledků?</source>
        <translation>A test is still running. Quit without saving its results?</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>vorlant::NameDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zadej jméno</source>
        <translation>Enter Your Name</translation>
    </message>
</context>
<context>
    <name>vorlant::OverviewModel</name>
    <message>
        <source>d. M. yyyy</source>
        <extracomment>How the overview writes a date.</extracomment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>cs_CZ</source>
        <extracomment>The locale whose decimal separator the overview&apos;s numbers use.</extracomment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>vorlant::OverviewWindow</name>
    <message>
        <source>Přehled osob</source>
        <translation>Overview of Persons</translation>
    </message>
    <message>
        <source>Přehled</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Soubor</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Export do Excelu…</source>
        <translation>Export to Excel…</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Akce</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Tyto soubory nelze načíst, v přehledu chybí:</source>
        <translation>These files cannot be read and are missing from the overview:</translation>
    </message>
    <message>
        <source>Přehled osob – %1 – %2</source>
        <translation>Overview of Persons – %1 – %2</translation>
    </message>
    <message>
        <source>Zpráva o osobě…</source>
        <translation>Report on a Person…</translation>
    </message>
    <message>
        <source>Export pro výzkum…</source>
        <translation>Export for Research…</translation>
    </message>
    <message>
        <source>Přejmenovat osobu…</source>
        <translation>Rename Person…</translation>
    </message>
    <message>
        <source>Smazat osobu…</source>
        <translation>Delete Person…</translation>
    </message>
</context>
<context>
    <name>vorlant::PersonRenameDialog</name>
    <message>
        <source>Přejmenovat</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Přejmenovat osobu</source>
        <translation>Rename person</translation>
    </message>
    <message>
        <source>Zrušit</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Osoba:</source>
        <translation>Person:</translation>
    </message>
    <message>
        <source>Testů:</source>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>Nové jméno:</source>
        <translation>New name:</translation>
    </message>
    <message numerus="yes">
        <source>Osoba „%1“ už má %n testů. Testy se spojí.</source>
        <translation>
            <numerusform>“%1” already has %n test. The tests will be merged.</numerusform>
            <numerusform>“%1” already has %n tests. The tests will be merged.</numerusform>
        </translation>
    </message>
    <message>
        <source>Spojit</source>
        <translation>Merge</translation>
    </message>
</context>
<context>
    <name>vorlant::PersonReportDialog</name>
    <message>
        <source>Zpráva o osobě</source>
        <translation>Report on a Person</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Uložit jako PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Tisk…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Osoba %1 nemá žádný test s pokusy, zprávu nelze sestavit.</source>
        <translation>%1 has no test with attempts, so no report can be made.</translation>
    </message>
    <message>
        <source>%1 – zpráva.pdf</source>
        <translation>%1 – report.pdf</translation>
    </message>
    <message>
        <source>Zpráva je uložena: %1</source>
        <translation>The report was saved: %1</translation>
    </message>
</context>
<context>
    <name>vorlant::ProgressWindow</name>
    <message>
        <source>Vývoj výsledků</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Akce</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tisk na výšku</source>
        <translation>Print Portrait…</translation>
    </message>
    <message>
        <source>Tisk na šířku</source>
        <translation>Print Landscape…</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vývoj výsledků – %1</source>
        <translation>Progress – %1</translation>
    </message>
    <message>
        <source>Tyto soubory nelze načíst, ve vývoji výsledků chybí:</source>
        <translation>These files cannot be read and are missing from the progress:</translation>
    </message>
    <message>
        <source>Zpráva o osobě…</source>
        <translation>Report on a Person…</translation>
    </message>
</context>
</TS>
