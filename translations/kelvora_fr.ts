<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Cast</name>
    <message>
        <location filename="../casting/Cast.cpp" line="+29"/>
        <source>&apos;%1&apos; is not a row: each row is 1 (one seed) or 2 (two seeds).</source>
        <extracomment>A refused cast; %1 is the offending digit as typed.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une ligne&#xa0;: chaque ligne vaut 1 (une graine) ou 2 (deux graines).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;%1&apos; is neither a row nor a separator: rows are 1 or 2, mothers are separated by blanks, commas, slashes or hyphens.</source>
        <extracomment>A refused cast; %1 is the offending character as typed. Wraps within 369 by 45 pixels in Enter Mothers.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est ni une ligne ni un séparateur&#xa0;: les lignes valent 1 ou 2, les mères sont séparées par des blancs, virgules, barres obliques ou tirets.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&apos;%1&apos; is not four mothers of four rows each, such as 1112/1112/1211/2121.</source>
        <extracomment>A refused cast; %1 is the cast as typed.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas quatre mères de quatre lignes chacune, comme 1112/1112/1211/2121.</translation>
    </message>
</context>
<context>
    <name>CastingBoard</name>
    <message>
        <location filename="../casting/CastingBoard.cpp" line="+66"/>
        <source>Mother %1</source>
        <extracomment>%1 of a dot picture&apos;s name &quot;%1, row %2: %3&quot;; here %1 is 1 to 4.</extracomment>
        <translation>Mère %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>House %1, %2</source>
        <extracomment>%1 of a dot picture&apos;s name &quot;%1, row %2: %3&quot; in the diviners&apos; tableau: %1 is the house&apos;s number (9 to 16), %2 its name, such as &quot;House 15, Safary&quot;.</extracomment>
        <translation>Maison %1, %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Daughter %1</source>
        <extracomment>%1 of a dot picture&apos;s name &quot;%1, row %2: %3&quot;; here %1 is 1 to 8.</extracomment>
        <translation>Fille %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Print</source>
        <extracomment>Button 81 pixels wide.</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the report window to save or print the interpretation.</source>
        <translation>Ouvre la fenêtre du rapport pour enregistrer ou imprimer l’interprétation.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../casting/frmMothers.cpp" line="+104"/>
        <source>Mother Figure</source>
        <extracomment>Caption of the frame around the four mothers, 369 pixels wide.</extracomment>
        <translation>Figures mères</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Daughter Figure</source>
        <extracomment>Caption of the frame around the eight daughters, 529 pixels wide.</extracomment>
        <translation>Figures filles</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Click to Create Mother %1</source>
        <extracomment>The casting button&apos;s caption, 441 pixels wide; %1 is 1 to 4.</extracomment>
        <translation>Cliquez pour créer la mère %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next: casts Mother %1, four rows of one or two dots drawn at random.</source>
        <extracomment>What the casting button does next, to screen readers; %1 is 1 to 4.</extracomment>
        <translation>Prochain appui&#xa0;: trace la mère %1, quatre lignes d’un ou deux points tirées au hasard.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to Create Four Daughters %1</source>
        <extracomment>The casting button&apos;s caption, 441 pixels wide; %1 is 1 to 8 (one daughter a press).</extracomment>
        <translation>Cliquez pour créer la fille %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next: derives Daughter %1 from rows of the four mothers.</source>
        <extracomment>What the casting button does next, to screen readers; %1 is 1 to 8.</extracomment>
        <translation>Prochain appui&#xa0;: forme la fille %1 à partir des lignes des quatre mères.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display Sikidy Interpretation</source>
        <extracomment>The casting button&apos;s caption, 441 pixels wide.</extracomment>
        <translation>Afficher l’interprétation du sikidy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next: writes the interpretation of the sixteen houses into the Sikidy Interpretation panel and enables Print.</source>
        <extracomment>Names the panel&apos;s caption &quot;Sikidy Interpretation&quot; and the button &quot;&amp;Print&quot;.</extracomment>
        <translation>Prochain appui&#xa0;: écrit l’interprétation des seize maisons dans le panneau «&#xa0;Interprétation du sikidy&#xa0;» et active «&#xa0;Imprimer&#xa0;».</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Once Again</source>
        <extracomment>The casting button&apos;s caption, 441 pixels wide.</extracomment>
        <translation>Recommencer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next: clears the board and the interpretation for a new casting.</source>
        <translation>Prochain appui&#xa0;: efface le tableau et l’interprétation pour un nouveau tirage.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click to Create %1</source>
        <extracomment>The casting button&apos;s caption, 441 pixels wide; %1 is a house&apos;s name, such as Safary.</extracomment>
        <translation>Cliquez pour créer %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Next: derives %1, house %2, by adding %3 and %4.</source>
        <extracomment>What the casting button does next, to screen readers; %1 and %3, %4 are houses&apos; names, %2 the number of house %1.</extracomment>
        <translation>Prochain appui&#xa0;: dérive %1, maison %2, en additionnant %3 et %4.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>%1, row %2: %3</source>
        <extracomment>A dot picture to screen readers, such as &quot;Mother 1, row 2: two dots&quot;: %1 is &quot;Mother %1&quot;, &quot;Daughter %1&quot; or &quot;House %1, %2&quot;, %2 the row (1 to 4), %3 &quot;one dot&quot; or &quot;two dots&quot;.</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>two dots</source>
        <extracomment>%3 of a dot picture&apos;s name &quot;%1, row %2: %3&quot;.</extracomment>
        <translation>deux points</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>one dot</source>
        <extracomment>%3 of a dot picture&apos;s name &quot;%1, row %2: %3&quot;.</extracomment>
        <translation>un point</translation>
    </message>
</context>
<context>
    <name>CellChartsModel</name>
    <message>
        <location filename="../journal/FiguresModel.cpp" line="+316"/>
        <source>no question</source>
        <extracomment>Said by a screen reader for the empty question of a kept chart.</extracomment>
        <translation>pas de question</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <extracomment>Column headers of the list of charts with a figure in a house.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Question</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <location filename="../casting/Chart.cpp" line="+20"/>
        <source>House 1(Tale)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 1 (Tale)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>House 2(Mahamay)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 2 (Mahamay)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>House 3(Fahatelo)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 3 (Fahatelo)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>House 4(Bilady)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 4 (Bilady)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 5(Fianahana)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 5 (Fianahana)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 6(Abily)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 6 (Abily)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>House 7(Alisay)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 7 (Alisay)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>House 8(Fahavalo)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 8 (Fahavalo)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 9(Fahasivy)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 9 (Fahasivy)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>House 10(Ombiasy)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 10 (Ombiasy)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>House 11(Haja)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 11 (Haja)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 12(Haky)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 12 (Haky)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 13(Asorita)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 13 (Asorita)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>House 14(Saily)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 14 (Saily)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>House 15(Safary)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 15 (Safary)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>House 16(Kiba)</source>
        <extracomment>%1 of the heading &quot;Characteristics Of %1&quot;, written to follow its words.</extracomment>
        <translation>maison 16 (Kiba)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../shell/CommandLine.cpp" line="+60"/>
        <source>Casts and reads a sikidy chart, the geomantic divination of Madagascar.
Qt&apos;s own options, such as -platform, -display and -style, are accepted.
--import and --check end with status 0 when every line is right, 2 when some
lines are refused (listed on standard error by --import; the others are kept),
and 1 when the file cannot be read or the journal written (nothing is kept).</source>
        <extracomment>The start of --help, on lines of at most 80 characters.</extracomment>
        <translation>Trace et lit un tableau de sikidy, la divination géomantique de Madagascar.
Les options propres à Qt, comme -platform, -display et -style, sont acceptées.
--import et --check finissent avec le statut 0 quand chaque ligne est juste, 2
quand des lignes sont refusées (listées sur la sortie d’erreur par --import&#xa0;;
les autres sont gardées), et 1 quand le fichier ne peut être lu ou le journal
écrit (rien n’est gardé).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Displays this help.</source>
        <extracomment>An option&apos;s line in --help, beside Qt&apos;s own &quot;Displays version information.&quot;: word it as Qt&apos;s translation words that one.</extracomment>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starts with these four mothers entered, such as 1112/1112/1211/2121.</source>
        <extracomment>An option&apos;s line in --help; keep &quot;1112/1112/1211/2121&quot; as it is.</extracomment>
        <translation>Démarrer avec ces quatre mères saisies, comme 1112/1112/1211/2121.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <location line="+14"/>
        <source>mothers</source>
        <extracomment>The value of --cast and --chart in --help.</extracomment>
        <translation>mères</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Prints the sixteen houses of these mothers and exits.</source>
        <extracomment>An option&apos;s line in --help.</extracomment>
        <translation>Afficher les seize maisons de ces mères et quitter.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Casts in the classic tableau or the diviners&apos; (classic or diviners), for this run only.</source>
        <extracomment>An option&apos;s line in --help; keep &quot;classic&quot; and &quot;diviners&quot; as they are.</extracomment>
        <translation>Tracer dans le tableau classique ou celui des devins (classic ou diviners), pour cette fois seulement.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tableau</source>
        <extracomment>The value of --tableau in --help.</extracomment>
        <translation>tableau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Prints the diviners&apos; reading of these mothers and exits.</source>
        <extracomment>An option&apos;s line in --help.</extracomment>
        <translation>Affiche la lecture des devins pour ces mères et quitte.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The house of the question for --reading, 1 to 4 (default 1).</source>
        <extracomment>An option&apos;s line in --help; keep &quot;--reading&quot; as it is.</extracomment>
        <translation>La maison de la question pour --reading, 1 à 4 (1 par défaut).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>house</source>
        <extracomment>The value of --column in --help.</extracomment>
        <translation>maison</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keeps the charts of this file (Kelvora&apos;s CSV export, or one cast or tableau a line; - for standard input) in the journal and exits. A cast alone gets the tableau of --tableau, else the remembered one.</source>
        <extracomment>An option&apos;s line in --help.</extracomment>
        <translation>Garder dans le journal les tableaux de ce fichier (l’export CSV de Kelvora, ou un tirage ou un tableau par ligne&#xa0;; - pour l’entrée standard) et quitter. Un tirage seul prend le tableau de --tableau, sinon celui retenu.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+8"/>
        <source>file</source>
        <extracomment>The value of --import and --check in --help.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Checks each cast and tableau of this file (- for standard input) without keeping it: prints its line number and &quot;right&quot;, or the houses that do not follow, and exits.</source>
        <extracomment>An option&apos;s line in --help; keep &quot;right&quot; as it is translated for --check&apos;s output.</extracomment>
        <translation>Vérifier chaque tirage et chaque tableau de ce fichier (- pour l’entrée standard) sans le garder&#xa0;: afficher son numéro de ligne et «&#xa0;juste&#xa0;», ou les maisons qui ne suivent pas, et quitter.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Invalid value &apos;%1&apos; for --%2: %3</source>
        <extracomment>%1 is the value as typed, %2 the option&apos;s name (cast, chart, tableau), %3 what is wrong with it.</extracomment>
        <translation>Valeur «&#xa0;%1&#xa0;» non valide pour --%2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--chart and --cast cannot be used together.</source>
        <translation>--chart et --cast ne peuvent pas être employés ensemble.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--reading and --%1 cannot be used together.</source>
        <extracomment>%1 is another option&apos;s name (chart, cast, tableau).</extracomment>
        <translation>--reading et --%1 ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>--%1 and --%2 cannot be used together.</source>
        <extracomment>%1 and %2 are options&apos; names (import, check, chart, cast ...).</extracomment>
        <translation>--%1 et --%2 ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--column needs --reading.</source>
        <translation>--column demande --reading.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>use 1, 2, 3 or 4.</source>
        <translation>utilisez 1, 2, 3 ou 4.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>use classic or diviners.</source>
        <translation>employez classic ou diviners.</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+45"/>
        <location line="+33"/>
        <source>Could not write to standard output: %1</source>
        <extracomment>%1 is the system&apos;s reason, such as &quot;No space left on device&quot;.</extracomment>
        <translation>Impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Kelvora could not read %1: %2.</source>
        <extracomment>%1 is the file named on the command line, %2 the system&apos;s reason.</extracomment>
        <translation>Kelvora n’a pas pu lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>import from the Journal window, or close Kelvora first</source>
        <extracomment>Said by --import while a Kelvora window runs.</extracomment>
        <translation>importez depuis la fenêtre Journal, ou fermez d’abord Kelvora</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>%1 is the argument as typed.</extracomment>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>FiguresModel</name>
    <message>
        <location filename="../journal/FiguresModel.cpp" line="-266"/>
        <source>no charts</source>
        <extracomment>A house&apos;s verdict in the Figures table: nothing was counted.</extracomment>
        <translation>aucun thème</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too few charts</source>
        <extracomment>A house&apos;s verdict: some expected count is below five, so the test says little.</extracomment>
        <translation>trop peu de thèmes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>copy of house %1</source>
        <extracomment>A house&apos;s verdict in the classic tableau: it always holds house %1&apos;s figure.</extracomment>
        <translation>copie de la maison %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>like random casting</source>
        <extracomment>A house&apos;s verdict: its counts are like random casting&apos;s.</extracomment>
        <translation>comme un tirage au hasard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unusual</source>
        <extracomment>A house&apos;s verdict: p below 0.05/16.</extracomment>
        <translation>inhabituelle</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>%1 (%2)</source>
        <extracomment>A cell of the Figures table: %1 charts counted, %2 what random casting gives.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 charts, %2 expected</source>
        <extracomment>A cell of the Figures table to screen readers.</extracomment>
        <translation>%1 thèmes, %2 attendus</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>not tested</source>
        <extracomment>Said by a screen reader for the empty test cells of a copy or of no charts.</extracomment>
        <translation>non testée</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+25"/>
        <source>Chi-square</source>
        <extracomment>Column header of the Figures table: the house&apos;s chi-square statistic.</extracomment>
        <translation>Khi-deux</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+22"/>
        <source>df</source>
        <extracomment>Column header of the Figures table: degrees of freedom.</extracomment>
        <translation>ddl</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+19"/>
        <source>p</source>
        <extracomment>Column header of the Figures table: the test&apos;s p-value.</extracomment>
        <translation>p</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Verdict</source>
        <extracomment>Column header of the Figures table.</extracomment>
        <translation>Verdict</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>House</source>
        <translation>Maison</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 count</source>
        <extracomment>CSV column header: the count of figure %1 (its digits).</extracomment>
        <translation>%1 compte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 expected</source>
        <extracomment>CSV column header: the count random casting gives figure %1.</extracomment>
        <translation>%1 attendu</translation>
    </message>
</context>
<context>
    <name>IconPicture</name>
    <message>
        <location filename="../controls/IconPicture.cpp" line="+22"/>
        <source>Kelvora icon</source>
        <translation>Icône de Kelvora</translation>
    </message>
</context>
<context>
    <name>JournalModel</name>
    <message>
        <location filename="../journal/JournalModel.cpp" line="+134"/>
        <source>no question</source>
        <extracomment>Said by a screen reader for the empty question of a kept chart.</extracomment>
        <translation>pas de question</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>no note</source>
        <extracomment>Said by a screen reader for the empty note of a kept chart.</extracomment>
        <translation>pas de note</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Date</source>
        <extracomment>Column header of the journal&apos;s list: when the chart was kept.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Question</source>
        <extracomment>Column header of the journal&apos;s list.</extracomment>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Note</source>
        <extracomment>Column header of the journal&apos;s list.</extracomment>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <location filename="../casting/ReadingText.cpp" line="+28"/>
        <source>enemies</source>
        <translation>les ennemis</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>food</source>
        <translation>la nourriture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>God</source>
        <translation>Dieu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the road</source>
        <translation>la route</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the house</source>
        <translation>la maison</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>nothing will stir</source>
        <translation>rien ne bougera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>two deaths</source>
        <translation>deux morts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a crowd of people</source>
        <translation>une foule de gens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an enemy draws near</source>
        <translation>un ennemi s’approche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>obstacles in the way</source>
        <translation>des obstacles sur le chemin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the appointed time will not be met</source>
        <translation>le moment fixé ne sera pas tenu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the soldiers will not march on</source>
        <translation>les soldats n’avanceront pas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a mouthful spat out (the source itself is unsure of this one)</source>
        <translation>une bouchée recrachée (la source elle-même en doute)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a remedy against barrenness</source>
        <translation>un remède contre la stérilité</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>what is undertaken may be done seven times over and nothing will stand in its way</source>
        <translation>ce qui est entrepris peut être fait sept fois sans que rien ne l’arrête</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a charm that wards off gunshot</source>
        <translation>un charme qui protège des coups de fusil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a remedy taken from the seeds of a herb</source>
        <translation>un remède tiré des graines d’une herbe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>guilt, and for remedy six seeds thrown away</source>
        <translation>la culpabilité, et pour remède six graines jetées</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a tree serves as the remedy</source>
        <translation>un arbre sert de remède</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a white hen and a tree serve as the remedy</source>
        <translation>une poule blanche et un arbre servent de remède</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a reed cut to the person&apos;s height and thrown away brings luck (said of 1122 or of 2211: the source does not say which)</source>
        <translation>un roseau coupé à la taille de la personne et jeté porte chance (dit de 1122 ou de 2211 : la source ne dit pas lequel)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>prince</source>
        <extracomment>A figure with an even number of seeds.</extracomment>
        <translation>prince</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>slave</source>
        <translation>esclave</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Harena (property)</source>
        <extracomment>A choice of the question&apos;s column: the Malagasy name, then what it asks about.</extracomment>
        <translation>Harena (les biens)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fahatelo (relations, inferred)</source>
        <translation>Fahatelo (les proches, déduit)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vohitra (the village or place)</source>
        <translation>Vohitra (le village ou le lieu)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Talé (the person, and anything else)</source>
        <translation>Talé (la personne, et tout le reste)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>House 12 (%1) holds a prince, a figure of an even number of seeds: the tableau&apos;s sums are sound. Kelvora worked the tableau out itself, so this always holds; it checks the arithmetic and is no omen.</source>
        <extracomment>%1 is the Merina name of house 12.</extracomment>
        <translation>La maison 12 (%1) porte un prince, une figure d’un nombre pair de graines : les sommes du tableau sont justes. Kelvora a calculé le tableau lui-même, c’est donc toujours le cas ; cela vérifie le calcul et n’est pas un présage.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>House 12 (%1) holds a slave, a figure of an odd number of seeds: the tableau&apos;s sums are wrong, and a diviner would lay it again.</source>
        <translation>La maison 12 (%1) porte un esclave, une figure d’un nombre impair de graines : les sommes du tableau sont fausses, et un devin le dresserait de nouveau.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>what Kelvora&apos;s house catalogue gives for it, &quot;%1&quot;</source>
        <extracomment>%1 is what Kelvora&apos;s house catalogue says the house stands for.</extracomment>
        <translation>ce que le catalogue des maisons de Kelvora lui donne, « %1 »</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>House %1 (%2) holds the same figure as house %3 (%4), where the question stands: if that bears on the question, it speaks through %5.</source>
        <extracomment>%1 and %2 are a house&apos;s number and Merina name, %3 and %4 those of the question&apos;s column, %5 what the house stands for.</extracomment>
        <translation>La maison %1 (%2) porte la même figure que la maison %3 (%4), où se tient la question : si cela touche la question, elle parle par %5.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Houses %1 (%2) and %3 (%4) hold the same figure: %5, %6.</source>
        <extracomment>%1 to %4 are two houses&apos; numbers and Merina names, %5 the pair&apos;s Malagasy name, %6 what it means.</extracomment>
        <translation>Les maisons %1 (%2) et %3 (%4) portent la même figure : %5, %6.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>House %1 (%2) holds %3 (%4), which no other house holds: it stands alone.</source>
        <extracomment>%1 and %2 are the house&apos;s number and Merina name, %3 and %4 its figure&apos;s digits and title.</extracomment>
        <translation>La maison %1 (%2) porte %3 (%4), qu’aucune autre maison ne porte : elle est seule.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Diviners read it as %2.</source>
        <extracomment>%1 is the sentence saying the figure stands alone, %2 its meaning.</extracomment>
        <translation>%1 Les devins y lisent %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Houses %1 (%2) and %3 (%4) added row by row give Lozabe, the great calamity: %5 (%6).</source>
        <extracomment>%1 to %4 are two houses&apos; numbers and Merina names, %5 and %6 a figure&apos;s digits and title.</extracomment>
        <translation>Les maisons %1 (%2) et %3 (%4) additionnées rang par rang donnent Lozabe, la grande calamité : %5 (%6).</translation>
    </message>
</context>
<context>
    <name>SaveAsDialog</name>
    <message>
        <location filename="../controls/SaveAsDialog.cpp" line="+47"/>
        <source>%1
The folder does not exist. Check the path and try again.</source>
        <extracomment>%1 is the file&apos;s full path, on a line of its own.</extracomment>
        <translation>%1
Le dossier n’existe pas. Vérifiez le chemin et réessayez.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1
The file has no name. Type a name and try again.</source>
        <extracomment>%1 is the file&apos;s full path, whose name is only the extension (&quot;.rtf&quot;).</extracomment>
        <translation>%1
Le fichier n’a pas de nom. Saisissez un nom et réessayez.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1
This file is read-only. Use a different name.</source>
        <extracomment>%1 is the file&apos;s full path, on a line of its own.</extracomment>
        <translation>%1
Ce fichier est en lecture seule. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s name, without its folder.</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>%1
The name cannot be used. Use a different name.</source>
        <extracomment>%1 is the file&apos;s full path, on a line of its own.</extracomment>
        <translation>%1
Ce nom ne peut pas être utilisé. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>%1
The name is too long. Use a shorter name.</source>
        <extracomment>%1 is the file&apos;s full path, on a line of its own.</extracomment>
        <translation>%1
Le nom est trop long. Choisissez un nom plus court.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../shell/Startup.cpp" line="+51"/>
        <source>Application is already running</source>
        <translation>L’application est déjà lancée</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <location filename="../shell/UpdateReminder.cpp" line="+35"/>
        <source>There maybe an update to this software available</source>
        <extracomment>The first line of the update reminder; the question follows on a line of its own.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to check for an update?</source>
        <extracomment>The second line of the update reminder, answered Yes or No.</extracomment>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../shell/frmAbout.cpp" line="+30"/>
        <source>Sikidy is a method of divination from Madagascar. This word is derived from the Arabic word for &quot;figure&quot;. This form of divination can be used to know if the sign shown by the reading is good or bad and help us prepare ourselves for the worst. Copyright © Kelvora; all rights reserved.</source>
        <extracomment>Wraps within 425 by 69 pixels.</extracomment>
        <translation>Le sikidy est une méthode de divination de Madagascar. Ce mot vient du mot arabe signifiant «&#xa0;figure&#xa0;». Cette divination permet de savoir si le signe donné par la lecture est bon ou mauvais et nous aide à nous préparer au pire. Copyright © Kelvora&#xa0;; tous droits réservés.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Click here to visit %1</source>
        <extracomment>A link on one line, 310 pixels wide; %1 is the maker&apos;s home page address.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Wraps within 417 by 41 pixels. The first sentences of the main window&apos;s offer: keep them word for word the same.</extracomment>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Click here for more details.</source>
        <extracomment>A link on one line, 178 pixels wide, below the offer. The last sentence of the main window&apos;s offer: keep it word for word the same.</extracomment>
        <translation>Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <location filename="../shell/frmExit.cpp" line="+46"/>
        <source>Thank you for using Kelvora</source>
        <extracomment>One line, 387 pixels wide.</extracomment>
        <translation>Merci d’avoir utilisé Kelvora</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kelvora is free. If it has helped you, please support our web site: tell a friend about Kelvora, link to us from your own site, and come back to see what is new.</source>
        <extracomment>Wraps within 425 by 52 pixels.</extracomment>
        <translation>Kelvora est gratuit. S’il vous a aidé, soutenez notre site&#xa0;: parlez de Kelvora à un ami, faites un lien vers nous depuis votre site et revenez voir les nouveautés.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Click here to see our other programs.</source>
        <extracomment>A link on one line, 425 pixels wide.</extracomment>
        <translation>Cliquez ici pour voir nos autres logiciels.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refer a Friend</source>
        <extracomment>Caption of the frame around the form, 439 pixels wide.</extracomment>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Your name:</source>
        <extracomment>The label of a text box, one line, 120 pixels wide.</extracomment>
        <translation>&amp;Votre nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Friend&apos;s name:</source>
        <extracomment>The label of a text box, one line, 120 pixels wide.</extracomment>
        <translation>&amp;Nom de l’ami&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Friend&apos;s &amp;e-mail:</source>
        <extracomment>The label of a text box, one line, 120 pixels wide.</extracomment>
        <translation>&amp;Courriel de l’ami&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nothing is sent from here: Send opens our page in your browser.</source>
        <extracomment>Wraps within 328 by 29 pixels; names the button &quot;&amp;Send&quot;. Replaced by one of the two answers to Send, in the same space.</extracomment>
        <translation>Rien n’est envoyé d’ici&#xa0;: «&#xa0;Envoyer&#xa0;» ouvre notre page dans votre navigateur.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Send</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Thank you! Finish on our page in your browser.</source>
        <extracomment>Wraps within 328 by 29 pixels.</extracomment>
        <translation>Merci&#xa0;! Terminez sur notre page dans votre navigateur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please enter your friend&apos;s e-mail address.</source>
        <extracomment>Wraps within 328 by 29 pixels.</extracomment>
        <translation>Veuillez saisir l’adresse électronique de votre ami.</translation>
    </message>
</context>
<context>
    <name>frmFigures</name>
    <message>
        <location filename="../journal/frmFigures.cpp" line="+95"/>
        <source>Kelvora Figures</source>
        <extracomment>Title of the Figures window.</extracomment>
        <translation>Figures de Kelvora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tableau:</source>
        <extracomment>The label of the choice of tableau, 68 pixels wide.</extracomment>
        <translation>&amp;Tableau&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Diviners&apos; tableau</source>
        <extracomment>A choice of tableau in the Figures window.</extracomment>
        <translation>Tableau des devins</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Classic tableau</source>
        <extracomment>A choice of tableau in the Figures window.</extracomment>
        <translation>Tableau classique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tableau</source>
        <extracomment>The choice&apos;s name to screen readers.</extracomment>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Figures by house</source>
        <extracomment>The table&apos;s name to screen readers.</extracomment>
        <translation>Figures par maison</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Each cell: the charts with that figure in that house (in brackets, what random casting gives). Red: more than random casting gives, blue: fewer, the deeper the further off ((count - expected) / square root of expected; full at 4); grey: a figure the house never holds.</source>
        <extracomment>The legend below the Figures table.</extracomment>
        <translation>Chaque case&#xa0;: les thèmes qui ont cette figure dans cette maison (entre parenthèses, ce que donne un tirage au hasard). Rouge&#xa0;: plus que le hasard, bleu&#xa0;: moins, d’autant plus foncé que l’écart est grand ((compte - attendu) / racine carrée de l’attendu&#xa0;; plein à 4)&#xa0;; gris&#xa0;: une figure que la maison ne peut jamais avoir.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A house is unusual only when p is below 0.05/16 = 0.0031: sixteen houses are tested at once. Too few charts: some expected count is below 5. A copy always holds another house&apos;s figure and is no further evidence.</source>
        <translation>Une maison n’est inhabituelle que si p est sous 0,05/16 = 0,0031&#xa0;: seize maisons sont testées à la fois. Trop peu de thèmes&#xa0;: un compte attendu est sous 5. Une copie a toujours la figure d’une autre maison et n’apporte rien de plus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+93"/>
        <location line="+45"/>
        <source>C&amp;harts with the chosen figure in the chosen house:</source>
        <extracomment>The label of the list of charts with the chosen figure in the chosen house.</extracomment>
        <translation>T&amp;hèmes avec la figure choisie dans la maison choisie&#xa0;:</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Charts in the chosen cell</source>
        <extracomment>The list&apos;s name to screen readers.</extracomment>
        <translation>Thèmes de la case choisie</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Open</source>
        <extracomment>Button 84 pixels wide: puts the chosen chart on the casting board.</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xport…</source>
        <extracomment>Button 84 pixels wide: writes the table to a CSV file.</extracomment>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Counting…</source>
        <extracomment>Said while the Figures window counts.</extracomment>
        <translation>Comptage…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the classic tableau</source>
        <translation>le tableau classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the diviners&apos; tableau</source>
        <translation>le tableau des devins</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charts of the journal counted in %1: %2.</source>
        <extracomment>%1 is &quot;the diviners&apos; tableau&quot; or &quot;the classic tableau&quot;, %2 a number.</extracomment>
        <translation>Thèmes du journal comptés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Charts found by the search &quot;%3&quot; counted in %1: %2.</source>
        <extracomment>%1 the tableau, %2 a number, %3 the Journal&apos;s search as typed.</extracomment>
        <translation>Thèmes trouvés par la recherche «&#xa0;%3&#xa0;» comptés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charts left out because they could not be read: %1.</source>
        <extracomment>Added to the line above the Figures table; %1 is a number.</extracomment>
        <translation>Thèmes laissés de côté faute d’avoir pu être lus&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>C&amp;harts with %1 in house %2: %3</source>
        <extracomment>%1 is a figure&apos;s digits, %2 a house (&quot;3 Fahatelo&quot;), %3 how many charts.</extracomment>
        <translation>T&amp;hèmes avec %1 dans la maison %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in Save As; &quot;(*.csv)&quot; picks the files shown and stays as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>figures.csv</source>
        <extracomment>The file name Save As proposes for the Figures table.</extracomment>
        <translation>figures.csv</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is the journal itself: the table was not written over it.</source>
        <extracomment>%1 is the file&apos;s full path.</extracomment>
        <translation>%1 est le journal lui-même&#xa0;: le tableau n’a pas été écrit par-dessus.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The table could not be written to %1: %2. The file was left as it was.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the reason.</extracomment>
        <translation>Le tableau n’a pas pu être écrit dans %1&#xa0;: %2. Le fichier est resté tel qu’il était.</translation>
    </message>
</context>
<context>
    <name>frmImportSummary</name>
    <message>
        <location filename="../journal/frmImportSummary.cpp" line="+24"/>
        <source>Kelvora Import</source>
        <extracomment>Title of the window that says what an import did.</extracomment>
        <translation>Importation Kelvora</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Summary and refused lines:</source>
        <extracomment>The label of the list of refused lines, 504 pixels wide.</extracomment>
        <translation>&amp;Résumé et lignes refusées&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>S&amp;ave As…</source>
        <extracomment>Button 140 pixels wide: writes the summary to a text file.</extracomment>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Text files (*.txt)</source>
        <extracomment>The file type in Save As; &quot;(*.txt)&quot; picks the files shown and stays as it is.</extracomment>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>import summary.txt</source>
        <extracomment>The file name Save As proposes for an import&apos;s summary.</extracomment>
        <translation>résumé de l’importation.txt</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1
The summary was not saved: %2</source>
        <extracomment>%1 is the file&apos;s full path, %2 the reason.</extracomment>
        <translation>%1
Le résumé n’a pas été enregistré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmJournal</name>
    <message>
        <location filename="../journal/frmJournal.cpp" line="+49"/>
        <source>Mothers %1, classic tableau</source>
        <extracomment>One line saying which chart the window is about; %1 is its mothers, &quot;1112/1112/1211/2121&quot;.</extracomment>
        <translation>Mères %1, tableau classique</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mothers %1, diviners&apos; tableau</source>
        <extracomment>One line saying which chart the window is about; %1 is its mothers.</extracomment>
        <translation>Mères %1, tableau des devins</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>%1
This is the journal itself: the export would destroy every kept chart. Choose another name.</source>
        <extracomment>%1 is the file&apos;s full path, on a line of its own.</extracomment>
        <translation>%1
C’est le journal lui-même&#xa0;: l’export détruirait tous les tableaux gardés. Choisissez un autre nom.</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Keep in Journal</source>
        <extracomment>Title of the window that asks for the question and note of a chart to keep.</extracomment>
        <translation>Garder dans le journal</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Kelvora Journal</source>
        <extracomment>Title of the Journal window.</extracomment>
        <translation>Journal de Kelvora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Search:</source>
        <extracomment>The label of the search box, 68 pixels wide.</extracomment>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Kept charts</source>
        <extracomment>The list&apos;s name to screen readers.</extracomment>
        <translation>Thèmes gardés</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>&amp;Open</source>
        <extracomment>Button 84 pixels wide: puts the chosen chart on the casting board.</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit…</source>
        <extracomment>Button 84 pixels wide: changes the chosen chart&apos;s question and note.</extracomment>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <extracomment>Button 84 pixels wide: removes the chosen chart, after asking.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xport…</source>
        <extracomment>Button 84 pixels wide: writes the whole journal to a CSV file.</extracomment>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import…</source>
        <extracomment>Button 84 pixels wide: keeps the charts of a CSV export or a text file of tableaux.</extracomment>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Figures…</source>
        <extracomment>Button 72 pixels wide (Close follows it): counts the figures in the houses of the charts listed.</extracomment>
        <translation>Fi&amp;gures…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No chart has been kept yet: Keep in Journal (Ctrl+K) keeps the chart on the board.</source>
        <extracomment>One line in the Journal window, below the empty list.</extracomment>
        <translation>Aucun thème n&apos;a encore été gardé : Garder dans le journal (Ctrl+K) garde le thème affiché.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+132"/>
        <source>The journal %1 was replaced by another file since it was listed: it is listed again.</source>
        <extracomment>Said in the Journal window; %1 is the journal&apos;s file.</extracomment>
        <translation>Le journal %1 a été remplacé par un autre fichier depuis qu’il a été listé&#xa0;: il est listé à nouveau.</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>No chart has been kept yet.</source>
        <extracomment>One line in the Journal window, below the empty list.</extracomment>
        <translation>Aucun thème n&apos;a encore été gardé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No kept chart has these words.</source>
        <extracomment>One line in the Journal window, below the empty list.</extracomment>
        <translation>Aucun thème gardé n&apos;a ces mots.</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>Edit Kept Chart</source>
        <extracomment>Title of the window that changes a kept chart&apos;s question and note.</extracomment>
        <translation>Modifier le thème gardé</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Delete the chart kept on %1 from the journal?</source>
        <translation>Supprimer du journal le thème gardé le %1 ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete the chart kept on %1 from the journal?

%2</source>
        <translation>Supprimer du journal le thème gardé le %1 ?

%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in Save As; &quot;(*.csv)&quot; picks the files shown and stays as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>journal.csv</source>
        <extracomment>The file name Save As proposes for the journal&apos;s export.</extracomment>
        <translation>journal.csv</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Exporting the journal…</source>
        <extracomment>Said while the journal is exported; Cancel stops it.</extracomment>
        <translation>Export du journal…</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+46"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Journal exports and notebooks (*.csv *.txt)</source>
        <extracomment>The file types Import offers; the parts in brackets pick the files shown and stay as they are.</extracomment>
        <translation>Exports du journal et carnets (*.csv *.txt)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s full path, %2 the reason.</extracomment>
        <translation>%1 n’a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Importing %1…</source>
        <extracomment>Said while a file is imported; Cancel stops it and keeps nothing.</extracomment>
        <translation>Importation de %1…</translation>
    </message>
</context>
<context>
    <name>frmKeep</name>
    <message>
        <location filename="../journal/frmKeep.cpp" line="+48"/>
        <source>&amp;Question:</source>
        <extracomment>The label of a one-line text box, 439 pixels wide.</extracomment>
        <translation>&amp;Question :</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Note:</source>
        <extracomment>The label of a text box of several lines, 439 pixels wide.</extracomment>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../shell/frmMain.cpp" line="+63"/>
        <source>Join the Kelvora discussion board: click here to visit us online.</source>
        <extracomment>A link on one line, 778 pixels wide.</extracomment>
        <translation>Rejoignez le forum de discussion de Kelvora&#xa0;: cliquez ici pour nous rendre visite en ligne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sikidy is a method of geomancy from Madagascar. This word is derived from the Arabic word for &quot;figure&quot;. This form of divination can be used to know if the sign shown by the reading is good or bad and help us prepare ourselves for the worst.</source>
        <extracomment>Wraps within 825 by 57 pixels.</extracomment>
        <translation>Le sikidy est une méthode de géomancie de Madagascar. Ce mot vient du mot arabe signifiant «&#xa0;figure&#xa0;». Cette divination permet de savoir si le signe donné par la lecture est bon ou mauvais et nous aide à nous préparer au pire.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+15"/>
        <source>Sikidy Interpretation</source>
        <extracomment>Caption of the interpretation panel, 281 pixels wide; also its name to screen readers.</extracomment>
        <translation>Interprétation du sikidy</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Enter Mothers…</source>
        <translation>Saisir les &amp;mères…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Reading…</source>
        <translation>&amp;Lecture…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Keep in Journal…</source>
        <translation>&amp;Garder dans le journal…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Journal…</source>
        <translation>&amp;Journal…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>A link wrapping within 759 by 33 pixels.</extracomment>
        <translation>Mettez la marque de votre site sur ce logiciel pour fidéliser vos visiteurs et en attirer d’autres. Placez ici le nom et le lien de votre site. Voir «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le comarquage.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link wrapping within 759 by 33 pixels. The same sentences as the two texts of About (frmAbout) and the report window&apos;s offer: keep them word for word the same.</extracomment>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>&amp;Diviners&apos; Tableau (from the next casting)</source>
        <translation>Tableau des &amp;devins (au prochain tirage)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Diviners&apos; Tableau</source>
        <translation>Tableau des &amp;devins</translation>
    </message>
</context>
<context>
    <name>frmMothers</name>
    <message>
        <location filename="../casting/frmMothers.cpp" line="-41"/>
        <source>Enter Mothers</source>
        <extracomment>The window&apos;s title; the File menu&apos;s item &quot;&amp;Enter Mothers…&quot; opens it.</extracomment>
        <translation>Saisir les mères</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;OK</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cancel</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>not set</source>
        <extracomment>%3 of a cell&apos;s name &quot;%1, row %2: %3&quot;, for a cell with neither one dot nor two yet.</extracomment>
        <translation>non saisie</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>Type 1 or 2 for each row, Space to change it, arrows to move; or paste a cast such as 1112/1112/1211/2121.</source>
        <extracomment>Under the mother cells, wraps within 369 by 45 pixels; &quot;1112/1112/1211/2121&quot; is a cast as it can be pasted, keep it as it is.</extracomment>
        <translation>Tapez 1 ou 2 pour chaque ligne, Espace pour en changer, les flèches pour vous déplacer&#xa0;; ou collez un tirage tel que 1112/1112/1211/2121.</translation>
    </message>
</context>
<context>
    <name>frmReading</name>
    <message>
        <location filename="../casting/frmReading.cpp" line="+88"/>
        <source>Kelvora Reading</source>
        <extracomment>Title of the Reading window.</extracomment>
        <translation>Lecture Kelvora</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Question in:</source>
        <extracomment>The label of the choice of the question&apos;s house, 120 pixels wide.</extracomment>
        <translation>&amp;Question en :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Question in</source>
        <extracomment>The choice&apos;s name to screen readers.</extracomment>
        <translation>Question en</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reading</source>
        <extracomment>The reading&apos;s name to screen readers.</extracomment>
        <translation>Lecture</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>C&amp;opy All</source>
        <extracomment>Button 84 pixels wide: copies the whole reading as text.</extracomment>
        <translation>C&amp;opier tout</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close</source>
        <extracomment>Button 84 pixels wide.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>No chart on the board.</source>
        <translation>Aucun thème sur le plateau.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The reading appears once the twelve figures of a chart are on the board, in either tableau.</source>
        <translation>La lecture apparaît dès que les douze figures d’un thème sont sur le plateau, dans l’un ou l’autre tableau.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mothers %1, diviners&apos; tableau.</source>
        <translation>Mères %1, tableau des devins.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mothers %1: the chart on the board is in the classic tableau, so this reads the diviners&apos; tableau of the same four mothers.</source>
        <translation>Mères %1 : le thème du plateau est dans le tableau classique ; on lit donc le tableau des devins des quatre mêmes mères.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The reading could not be shown: %1</source>
        <translation>La lecture n’a pas pu être affichée : %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>House</source>
        <extracomment>Headings of the houses&apos; table: the house&apos;s number and names, its figure, the figure&apos;s title, prince or slave.</extracomment>
        <translation>Maison</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Prince or slave</source>
        <translation>Prince ou esclave</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A name ending in ? is probable, not certain. Prince or slave is the cast figure&apos;s own number of seeds, even or odd; it is not the house&apos;s category the interpretation panel shows.</source>
        <translation>Un nom suivi de ? est probable, non certain. Prince ou esclave dit le nombre de graines de la figure tirée elle-même, pair ou impair ; ce n’est pas la catégorie de la maison que montre le panneau d’interprétation.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reading, the question in %1</source>
        <extracomment>%1 is the question&apos;s column as chosen, &quot;Talé (the person, …)&quot;.</extracomment>
        <translation>Lecture, la question en %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kelvora&apos;s own choices: a principal house (1 to 4, 9 to 16) stands alone when its figure is in no other of the sixteen houses; after house 12 and houses 1 to 4, the houses below are looked at from 16 down to 9. Where a house has no sense from the diviners, the meaning given is Kelvora&apos;s house catalogue&apos;s.</source>
        <translation>Choix propres à Kelvora : une maison principale (1 à 4, 9 à 16) est seule quand sa figure n’est dans aucune autre des seize maisons ; après la maison 12 et les maisons 1 à 4, les maisons du bas sont lues de 16 à 9. Là où les devins ne donnent pas de sens à une maison, le sens donné est celui du catalogue des maisons de Kelvora.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <location filename="../report/frmSave.cpp" line="+39"/>
        <source>Report Generated By %1</source>
        <extracomment>The report&apos;s first and last line; %1 is the maker&apos;s home page address.</extracomment>
        <translation>Rapport créé par %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Join our online sikidy discussion forum</source>
        <extracomment>A link on one line, 282 pixels wide.</extracomment>
        <translation>Rejoignez notre forum en ligne sur le sikidy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>A link on one line, 266 pixels wide; %1 is the maker&apos;s site, such as kelvora.example.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Save</source>
        <extracomment>Button 75 pixels wide.</extracomment>
        <translation>&amp;Sauver</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <extracomment>Button 75 pixels wide.</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>A link wrapping within 511 by 41 pixels; the same text as the main window&apos;s offer.</extracomment>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Tableau: houses 9 to 16 by adding figures, as diviners do</source>
        <extracomment>A line of the report under its first line, for a chart of the diviners&apos; tableau.</extracomment>
        <translation>Tableau&#xa0;: maisons 9 à 16 par addition des figures, comme le font les devins</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The report could not be saved to %1.
%2</source>
        <extracomment>%1 is the file&apos;s full path; %2, on a line of its own, the system&apos;s reason.</extracomment>
        <translation>Le rapport n’a pas pu être enregistré dans %1.
%2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Pages %1 to %2 cannot be printed: on this paper the report ends at page %3.
Nothing was printed.</source>
        <extracomment>%1 and %2 are the first and last page chosen, %3 the report&apos;s last page.</extracomment>
        <translation>Les pages %1 à %2 ne peuvent pas être imprimées&#xa0;: sur ce papier, le rapport se termine à la page %3.
Rien n’a été imprimé.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The report could not be printed to %1.</source>
        <extracomment>%1 is the printer&apos;s name, or the full path of the PDF file.</extracomment>
        <translation>Le rapport n’a pas pu être imprimé vers %1.</translation>
    </message>
    <message>
        <location line="-70"/>
        <source>Rich Text Format (*.rtf)</source>
        <extracomment>The file type in Save As; &quot;(*.rtf)&quot; picks the files shown and stays as it is.</extracomment>
        <translation>Texte enrichi (*.rtf)</translation>
    </message>
</context>
<context>
    <name>journal::Import</name>
    <message>
        <location filename="../journal/Import.cpp" line="+159"/>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a line of a file is not imported; %1 is a number of bytes.</extracomment>
        <translation>elle dépasse %1 octets</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a quoted field is not closed before the end of the file</source>
        <extracomment>Why a line of a file is not imported.</extracomment>
        <translation>un champ entre guillemets n’est pas fermé avant la fin du fichier</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The row starting at line %1 is longer than %2 bytes. Nothing was kept.</source>
        <extracomment>Why an import stopped and kept nothing; %1 is a line&apos;s number, %2 a number of bytes.</extracomment>
        <translation>La rangée qui commence à la ligne %1 dépasse %2 octets. Rien n’a été gardé.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source> (read as one row with the lines after it, up to line %1)</source>
        <extracomment>Added to why a row of a CSV file is not imported, when its quotes made it run over several lines; %1 is the last of them.</extracomment>
        <translation> (lue comme une seule rangée avec les lignes qui la suivent, jusqu’à la ligne %1)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the diviners&apos; tableau</source>
        <translation>le tableau des devins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the classic tableau</source>
        <translation>le tableau classique</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+157"/>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a line of a file is not imported.</extracomment>
        <translation>ce n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>&apos;%1&apos; is neither four mothers nor sixteen figures in house order: it has %2 figures</source>
        <extracomment>Why a line of a file is not imported; %1 is the line&apos;s chart as written, %2 how many figures it has.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est ni quatre mères ni seize figures dans l’ordre des maisons&#xa0;: il a %2 figures</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>house %1, &apos;%2&apos;, is not a figure of four rows</source>
        <extracomment>Why a line of a file is not imported; %1 is a house&apos;s number, %2 its figure as written.</extracomment>
        <translation>la maison %1, «&#xa0;%2&#xa0;», n’est pas une figure de quatre lignes</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>house %1 should be %2, the sum of houses %3 and %4, not %5</source>
        <extracomment>One house of a wrong tableau; %1 is the house, %2 the figure its parents give, %3 and %4 those parents, %5 the figure written.</extracomment>
        <translation>la maison %1 devrait être %2, la somme des maisons %3 et %4, et non %5</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>house %1 should be %2, from the mothers&apos; rows, not %3</source>
        <extracomment>One house of a wrong tableau; %1 is the house (5 to 8), %2 the figure the mothers&apos; rows give, %3 the figure written.</extracomment>
        <translation>la maison %1 devrait être %2, d’après les lignes des mères, et non %3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the tableau follows neither the classic tableau nor the diviners&apos;; in the diviners&apos; tableau %1</source>
        <extracomment>Why a tableau of a file is not imported; %1 lists its wrong houses, separated by semicolons.</extracomment>
        <translation>le tableau ne suit ni le tableau classique ni celui des devins&#xa0;; dans le tableau des devins, %1</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>a quote is misplaced: a quote inside a field must be doubled, and a quoted field must end at a comma</source>
        <extracomment>Why a line of a file is not imported.</extracomment>
        <translation>un guillemet est mal placé&#xa0;: un guillemet dans un champ doit être doublé, et un champ entre guillemets doit finir à une virgule</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it has %1 fields where Kelvora&apos;s export has %2</source>
        <extracomment>Why a line of a file is not imported; %1 is how many fields it has, %2 how many the export writes.</extracomment>
        <translation>elle a %1 champs là où l’export de Kelvora en a %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&apos;%1&apos; is not a time with its offset, such as 2026-12-07T10:00:00+03:00</source>
        <extracomment>Why a line of a file is not imported; %1 is the time as written.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure avec son décalage, comme 2026-12-07T10:00:00+03:00</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&apos;%1&apos; is not a tableau: classic or diviners</source>
        <extracomment>Why a line of a file is not imported; %1 is the tableau as written; keep &quot;classic&quot; and &quot;diviners&quot; as they are.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un tableau&#xa0;: classic ou diviners</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>house %1 should be %2, not %3</source>
        <extracomment>One house of a row whose houses do not follow from its mothers; %1 is the house, %2 the figure the mothers give, %3 the figure written.</extracomment>
        <translation>la maison %1 devrait être %2, et non %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its houses do not follow from its mothers in %1: %2</source>
        <extracomment>Why a row of the export is not imported; %1 is &quot;the classic tableau&quot; or &quot;the diviners&apos; tableau&quot;, %2 lists the wrong houses, separated by semicolons.</extracomment>
        <translation>ses maisons ne suivent pas de ses mères dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>right</source>
        <extracomment>What --check prints for a right line, after its number and a tab.</extracomment>
        <translation>juste</translation>
    </message>
</context>
<context>
    <name>journal::ImportSummary</name>
    <message>
        <location line="-119"/>
        <source>The import was cancelled: nothing was kept.</source>
        <extracomment>The summary of a cancelled import.</extracomment>
        <translation>L’import a été annulé&#xa0;: rien n’a été gardé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kept: %1. Already kept: %2. Refused: %3.</source>
        <extracomment>The first line of an import&apos;s summary: charts kept by it, charts found already kept (not kept again), lines refused (listed after it).</extracomment>
        <translation>Gardés&#xa0;: %1. Déjà gardés&#xa0;: %2. Refusés&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Line %1: %2.</source>
        <extracomment>A refused line in an import&apos;s summary; %1 is its number, %2 the reason.</extracomment>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>And %1 more lines refused, not listed: kelvora --check lists them all.</source>
        <extracomment>After the refused lines an import lists; %1 is how many more were refused.</extracomment>
        <translation>Et %1 lignes de plus refusées, non listées&#xa0;: kelvora --check les liste toutes.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+63"/>
        <source>The file could not be read: %1. Nothing was kept.</source>
        <extracomment>Why nothing was imported; %1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier n’a pas pu être lu&#xa0;: %1. Rien n’a été gardé.</translation>
    </message>
</context>
<context>
    <name>journal::JournalStore</name>
    <message>
        <location filename="../journal/JournalStore.cpp" line="+266"/>
        <location line="+24"/>
        <source>Kelvora cannot open the journal %1: %2.</source>
        <extracomment>The reason the journal cannot be opened (after &quot;Kelvora cannot open the journal %1: &quot;).
----------
A failure, said in a message box; %1 is the journal&apos;s file, %2 the reason (SQLite&apos;s, in English).</extracomment>
        <translation>Kelvora ne peut pas ouvrir le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Qt&apos;s SQLite driver is missing (on Debian, the package libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt manque (sous Debian, le paquet libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+92"/>
        <location line="+596"/>
        <location line="+17"/>
        <location line="+17"/>
        <source>Kelvora cannot read the journal %1: %2.</source>
        <extracomment>A failure; %1 is the journal&apos;s file, %2 the reason (SQLite&apos;s, in English, or one of the reasons below).</extracomment>
        <translation>Kelvora ne peut pas lire le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="-739"/>
        <source>The journal %1 is damaged (%2): the charts that can be read are listed, opened and exported; nothing is kept, changed or removed in it. The README says how to recover it.</source>
        <extracomment>Said in the Journal window, and when a chart is not kept; %1 is the journal&apos;s file, %2 SQLite&apos;s reason, in English.</extracomment>
        <translation>Le journal %1 est endommagé (%2)&#xa0;: les tableaux lisibles sont listés, ouverts et exportés&#xa0;; rien n’y est gardé, modifié ni supprimé. Le README explique comment le récupérer.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Another program is using %1: the journal is busy; the list will refresh.</source>
        <extracomment>Said in the Journal window when another program holds the journal&apos;s file; %1 is the file.</extracomment>
        <translation>Un autre programme utilise %1&#xa0;: le journal est occupé&#xa0;; la liste se mettra à jour.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Kelvora cannot search the journal %1: %2.</source>
        <extracomment>%1 is the journal&apos;s file, %2 the reason below.</extracomment>
        <translation>Kelvora ne peut pas chercher dans le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the SQLite library Qt uses here was built without full-text search (FTS5)</source>
        <translation>la bibliothèque SQLite qu’utilise Qt ici a été construite sans la recherche plein texte (FTS5)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The journal %1 can be listed and opened, but not kept in, changed or removed from: %2.</source>
        <extracomment>Why a journal is only read; %1 is the journal&apos;s file, %2 the reason below.</extracomment>
        <translation>Le journal %1 peut être listé et ouvert, mais on ne peut rien y garder, modifier ni supprimer&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the folder %1 cannot be written in</source>
        <extracomment>A reason (after &quot;... removed from: &quot;); %1 is a folder.</extracomment>
        <translation>le dossier %1 n’est pas accessible en écriture</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the file cannot be written</source>
        <extracomment>A reason (after &quot;... removed from: &quot;).</extracomment>
        <translation>le fichier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>it is not an SQLite database</source>
        <extracomment>The reason a file is not read as a journal (after &quot;Kelvora cannot read the journal %1: &quot;).</extracomment>
        <translation>ce n’est pas une base de données SQLite</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>it is an SQLite database, but not a Kelvora journal</source>
        <extracomment>The reason a file is not read as a journal (after &quot;Kelvora cannot read the journal %1: &quot;).</extracomment>
        <translation>c’est une base de données SQLite, mais pas un journal de Kelvora</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The journal %1 was made by a newer version of Kelvora: its charts can be listed and opened, but not kept, changed or removed.</source>
        <extracomment>Said when the journal opens read-only; %1 is the journal&apos;s file.</extracomment>
        <translation>Le journal %1 a été créé par une version plus récente de Kelvora&#xa0;: ses tableaux peuvent être listés et ouverts, mais pas gardés, modifiés ni supprimés.</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>Kelvora could not keep the imported charts in the journal %1: %2. The journal is as it was.</source>
        <extracomment>A failed import; %1 is the journal&apos;s file, %2 the reason.</extracomment>
        <translation>Kelvora n’a pas pu garder les tableaux importés dans le journal %1&#xa0;: %2. Le journal est resté tel qu’il était.</translation>
    </message>
    <message>
        <location line="+586"/>
        <source>it is the journal itself, which the export would destroy</source>
        <extracomment>The reason an export is refused (after &quot;Kelvora could not write the file %1: &quot;).</extracomment>
        <translation>c’est le journal lui-même, que l’export détruirait</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Only %1 charts could be written to %2. %3</source>
        <extracomment>After an export met charts it could not read; %1 is the number written, %2 the file, %3 why the rest could not be read.</extracomment>
        <translation>Seuls %1 tableaux ont pu être écrits dans %2. %3</translation>
    </message>
    <message>
        <location line="-669"/>
        <source>Kelvora could not keep the chart in the journal %1: %2. The journal is as it was.</source>
        <translation>Kelvora n’a pas pu garder le tableau dans le journal %1&#xa0;: %2. Le journal est resté tel qu’il était.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>the folder %1 cannot be made</source>
        <extracomment>The reason a first keep failed; %1 is the folder the journal goes in.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <location line="-116"/>
        <source>Kelvora could not bring the journal %1 to this version: %2. The journal is as it was.</source>
        <extracomment>A failure; %1 is the journal&apos;s file, %2 the reason.</extracomment>
        <translation>Kelvora n’a pas pu mettre le journal %1 à cette version&#xa0;: %2. Le journal est resté tel qu’il était.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a copy of it could not be made as %1</source>
        <extracomment>A reason; %1 is the copy&apos;s file.</extracomment>
        <translation>aucune copie n’a pu en être faite sous %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The journal %1 was brought to this version of Kelvora; a copy of it as it was is kept as %2.</source>
        <extracomment>Said once, after a journal of an earlier Kelvora was brought to this version; %1 is the journal&apos;s file, %2 the copy of it as it was.</extracomment>
        <translation>Le journal %1 a été mis à cette version de Kelvora&#xa0;; une copie de son état précédent est gardée sous %2.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>%1 Nothing was written.</source>
        <extracomment>Why a chart is not kept, changed or removed; %1 says why the journal is only read.</extracomment>
        <translation>%1 Rien n’a été écrit.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+19"/>
        <location line="+76"/>
        <location line="+77"/>
        <location line="+186"/>
        <source>another program is using it</source>
        <translation>un autre programme l’utilise</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Kelvora could not change the chart in the journal %1: %2. The journal is as it was.</source>
        <extracomment>A failed edit; %1 is the journal&apos;s file, %2 the reason.</extracomment>
        <translation>Kelvora n’a pas pu modifier le tableau dans le journal %1&#xa0;: %2. Le journal est resté tel qu’il était.</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+55"/>
        <location line="+17"/>
        <source>there is no chart %1 in it</source>
        <extracomment>A reason; %1 is the chart&apos;s number in the journal.</extracomment>
        <translation>il ne contient pas de tableau %1</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>Kelvora could not remove the chart from the journal %1: %2. The journal is as it was.</source>
        <extracomment>A failed removal; %1 is the journal&apos;s file, %2 the reason.</extracomment>
        <translation>Kelvora n’a pas pu supprimer le tableau du journal %1&#xa0;: %2. Le journal est resté tel qu’il était.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>chart %1 in it is damaged</source>
        <extracomment>A reason; %1 is the chart&apos;s number in the journal.</extracomment>
        <translation>son tableau %1 est endommagé</translation>
    </message>
    <message>
        <location line="+232"/>
        <source>Kelvora could not write the file %1: %2.</source>
        <extracomment>A failed CSV export; %1 is the file written, %2 the system&apos;s reason.</extracomment>
        <translation>Kelvora n’a pas pu écrire le fichier %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>journal::MothersReader</name>
    <message>
        <location filename="../journal/MothersReader.cpp" line="+49"/>
        <source>Kelvora cannot read the journal %1: %2.</source>
        <extracomment>%1 is the journal&apos;s file, %2 the reason.</extracomment>
        <translation>Kelvora ne peut pas lire le journal %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>modSikidy</name>
    <message>
        <location filename="../interpretation/FigureCatalogue.cpp" line="+20"/>
        <source>Via - The Way</source>
        <translation>Via&#xa0;– La Voie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <location line="+18"/>
        <location line="+21"/>
        <location line="+19"/>
        <location line="+17"/>
        <location line="+21"/>
        <location line="+20"/>
        <source>Mpanjaka (Princes)</source>
        <translation>Mpanjaka (princes)</translation>
    </message>
    <message>
        <location line="-132"/>
        <location line="+17"/>
        <location line="+75"/>
        <location line="+61"/>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <location line="-152"/>
        <location line="+17"/>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+136"/>
        <location line="+60"/>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <location line="-212"/>
        <location line="+35"/>
        <location line="+57"/>
        <location line="+41"/>
        <location line="+20"/>
        <location line="+98"/>
        <location line="+38"/>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <location line="-288"/>
        <location line="+17"/>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Stomach</source>
        <translation>Estomac</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This figure signifies loneliness, death and a journey.</source>
        <translation>Cette figure signifie la solitude, la mort et un voyage.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This figure signifies some kind of action and forward motion. You may also face loneliness. This is only favorable for travel.</source>
        <translation>Cette figure signifie une forme d’action et de mouvement vers l’avant. Vous pourriez aussi connaître la solitude. Elle n’est favorable qu’aux voyages.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Populus  The People</source>
        <translation>Populus&#xa0;– Le Peuple</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stability</source>
        <translation>Stabilité</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+39"/>
        <location line="+19"/>
        <location line="+38"/>
        <location line="+63"/>
        <location line="+20"/>
        <location line="+36"/>
        <location line="+37"/>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <location line="-249"/>
        <source>Breasts and Midriffs</source>
        <translation>Seins et haut du ventre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This figure stands for abundance.</source>
        <translation>Cette figure représente l’abondance.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and abundance.</source>
        <translation>Cette figure représente un grand bonheur, la joie, les rencontres, les rassemblements, la foule, la famille et l’abondance.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Conjunctio - Union</source>
        <translation>Conjunctio&#xa0;– L’Union</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interaction</source>
        <translation>Interaction</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+40"/>
        <location line="+121"/>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <location line="-160"/>
        <location line="+98"/>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+21"/>
        <location line="+77"/>
        <location line="+136"/>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <location line="-232"/>
        <location line="+161"/>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <location line="-160"/>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intestines</source>
        <translation>Intestins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There may be some heavy weight of problems on your head. You will be protected from enemies and thieves.</source>
        <translation>Vous porterez peut-être un lourd fardeau de problèmes sur la tête. Vous serez protégé des ennemis et des voleurs.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There may be some heavy weight of problems on your head. You will be protected from enemies and thieves. You will be successful in relationships, partnerships or new ventures.</source>
        <translation>Vous porterez peut-être un lourd fardeau de problèmes sur la tête. Vous serez protégé des ennemis et des voleurs. Vous réussirez dans vos relations, vos associations ou vos nouvelles entreprises.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Carcer - Prison</source>
        <translation>Carcer&#xa0;– La Prison</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Isolation</source>
        <translation>Isolement</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+57"/>
        <location line="+119"/>
        <location line="+19"/>
        <location line="+18"/>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <location line="-212"/>
        <location line="+120"/>
        <location line="+113"/>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <location line="-230"/>
        <location line="+120"/>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <location line="-119"/>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Legs and Knees</source>
        <translation>Jambes et genoux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This signifies a comfortable house and food to eat. You will be protected from vagabonds.</source>
        <translation>Elle signifie une maison confortable et de quoi manger. Vous serez protégé des vagabonds.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This signifies a comfortable house and food to eat. You will be protected from vagabonds. It is only favorable for confinements. Some deals may revert back.</source>
        <translation>Elle signifie une maison confortable et de quoi manger. Vous serez protégé des vagabonds. Elle n’est favorable qu’à ce qui doit rester enfermé. Certaines affaires pourraient être annulées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Fortuna Major - Greater Fortune</source>
        <translation>Fortuna Major&#xa0;– La Grande Fortune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+38"/>
        <location line="+138"/>
        <location line="+38"/>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <location line="-212"/>
        <location line="+17"/>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Chest and Heart</source>
        <translation>Poitrine et cœur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a very sacred figure and symbolizes fire.</source>
        <translation>C’est une figure très sacrée, qui symbolise le feu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, good luck, material wealth, love, honor and respect.</source>
        <translation>C’est une figure très sacrée, qui symbolise le feu. C’est un signe de bonheur, de prospérité, de chance, de richesse matérielle, d’amour, d’honneur et de respect.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fortuna Minor - The Lesser Fortune</source>
        <translation>Fortuna Minor&#xa0;– La Petite Fortune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed</source>
        <translation>Rapidité</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+84"/>
        <location line="+20"/>
        <location line="+36"/>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Spine</source>
        <translation>Colonne vertébrale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This stands for chiefs and elderly people of the clan. This also represents anger, pride, domination and food.</source>
        <translation>Elle représente les chefs et les anciens du clan. Elle représente aussi la colère, l’orgueil, la domination et la nourriture.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This stands for chiefs and elderly people of the clan. This also represents anger, pride, domination and food. You may have to put in a lot of work but you will have a fast outcome. There is some instability in your dealings.</source>
        <translation>Elle représente les chefs et les anciens du clan. Elle représente aussi la colère, l’orgueil, la domination et la nourriture. Vous devrez peut-être beaucoup travailler, mais le résultat viendra vite. Il y a une certaine instabilité dans vos affaires.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Acquisitio - Gain</source>
        <translation>Acquisitio&#xa0;– Le Gain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prosperity</source>
        <translation>Prospérité</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+40"/>
        <location line="+116"/>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <location line="-153"/>
        <location line="+40"/>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thighs</source>
        <translation>Cuisses</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may receive money. But there may be some problems too. Legal issues will be solved.</source>
        <translation>Vous recevrez peut-être de l’argent, mais il pourrait aussi y avoir quelques problèmes. Les affaires de justice seront réglées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You may receive money. But there may be some problems too. Legal issues will be solved. You will have a lot of material gains, power, promotions and benefits.</source>
        <translation>Vous recevrez peut-être de l’argent, mais il pourrait aussi y avoir quelques problèmes. Les affaires de justice seront réglées. Vous aurez beaucoup de gains matériels, de pouvoir, de promotions et d’avantages.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Amissio - Loss</source>
        <translation>Amissio&#xa0;– La Perte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Misfortune</source>
        <translation>Malheur</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+43"/>
        <location line="+37"/>
        <location line="+76"/>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <location line="-152"/>
        <location line="+99"/>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There may be some conflicts for land and children.</source>
        <translation>Il pourrait y avoir des conflits à propos de terres et d’enfants.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There may be some conflicts for land and children. You will face losses in the form of love or money. Success will be elusive. You will be successful only if you wish to lose something.</source>
        <translation>Il pourrait y avoir des conflits à propos de terres et d’enfants. Vous subirez des pertes, en amour ou en argent. Le succès vous échappera. Vous ne réussirez que si vous souhaitez perdre quelque chose.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Laetitia - Joy</source>
        <translation>Laetitia&#xa0;– La Joie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Happiness</source>
        <translation>Bonheur</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+23"/>
        <location line="+20"/>
        <location line="+17"/>
        <location line="+19"/>
        <location line="+19"/>
        <location line="+18"/>
        <location line="+20"/>
        <source>Andevo (Slaves)</source>
        <translation>Andevo (esclaves)</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the sign of a king. This is good for auspicious occasions like marriage. This indicates presence of women.</source>
        <translation>C’est le signe d’un roi. Il est bon pour les occasions heureuses comme le mariage. Il indique la présence de femmes.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This is the sign of a king. This is good for auspicious occasions like marriage. This indicates presence of women. There will be success and happiness in whatever task is taken up. You will have peace of mind, harmony, good luck and prosperity.</source>
        <translation>C’est le signe d’un roi. Il est bon pour les occasions heureuses comme le mariage. Il indique la présence de femmes. Toute tâche entreprise apportera succès et bonheur. Vous aurez la tranquillité d’esprit, l’harmonie, la chance et la prospérité.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tristitia - Sadness</source>
        <translation>Tristitia&#xa0;– La Tristesse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lonliness</source>
        <translation>Solitude</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ankles</source>
        <translation>Chevilles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There may be a few tears because of your stubborn attitude. Health will improve.</source>
        <translation>Il pourrait y avoir quelques larmes à cause de votre entêtement. La santé s’améliorera.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There may be a few tears because of your stubborn attitude. Health will improve. You may face some loss and humiliation. There may be some unexpected misfortune.</source>
        <translation>Il pourrait y avoir quelques larmes à cause de votre entêtement. La santé s’améliorera. Vous pourriez subir des pertes et des humiliations. Un malheur inattendu pourrait survenir.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Albus - White</source>
        <translation>Albus&#xa0;– Le Blanc</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <source>Peace</source>
        <translation>Paix</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+36"/>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lungs</source>
        <translation>Poumons</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may hear some bad news. You may suffer from heartbreak. </source>
        <translation>Vous apprendrez peut-être une mauvaise nouvelle. Vous pourriez avoir le cœur brisé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a good time for starting something new. You will need to have a lot of patience. You may be spiritually inclined.</source>
        <translation>C’est un bon moment pour commencer quelque chose de nouveau. Il vous faudra beaucoup de patience. Vous serez peut-être porté vers la spiritualité.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Rubeus - Red</source>
        <translation>Rubeus&#xa0;– Le Rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Passion</source>
        <translation>Passion</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+38"/>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Mobile </source>
        <translation>Mobile</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+38"/>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reproductivity System</source>
        <translation>Appareil reproducteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a good sign and will bring lots of joy, material wealth in the form of clothes and jewelery.</source>
        <translation>C’est un bon signe, qui apportera beaucoup de joie et des richesses matérielles sous forme de vêtements et de bijoux.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>There may be a lot of passion and violence involved. Hear what your inner voice has to tell you. Find the good in the bad.</source>
        <translation>Il pourrait y avoir beaucoup de passion et de violence. Écoutez ce que votre voix intérieure a à vous dire. Trouvez le bien dans le mal.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Puella - Girl</source>
        <translation>Puella&#xa0;– La Jeune Fille</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kidneys</source>
        <translation>Reins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This will bring good fortune in riches, love, land and happiness.</source>
        <translation>Elle apportera la chance en matière de richesses, d’amour, de terres et de bonheur.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This will bring good fortune in riches, love, land and happiness. This is a pure and harmonious sign. Good for relationships and healing but bad for decision making.</source>
        <translation>Elle apportera la chance en matière de richesses, d’amour, de terres et de bonheur. C’est un signe pur et harmonieux, bon pour les relations et la guérison, mais mauvais pour prendre des décisions.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Puer - Boy</source>
        <translation>Puer&#xa0;– Le Garçon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Worries</source>
        <translation>Soucis</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head</source>
        <translation>Tête</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a sign of misfortune and robberies.</source>
        <translation>C’est un signe de malheur et de vols.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may be brash in your conduct. You need to control and channelize your energy.</source>
        <translation>C’est un signe de malheur et de vols. Vous aurez beaucoup d’énergie impulsive. Vous pourriez vous conduire avec impétuosité. Vous devez maîtriser et canaliser votre énergie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Caput Draconis - Dragon&apos;s Head</source>
        <translation>Caput Draconis&#xa0;– La Tête du Dragon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginning</source>
        <translation>Commencement</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>North Node of Moon</source>
        <translation>Nœud nord de la Lune</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Right Arm</source>
        <translation>Bras droit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You may be faced by evil thoughts. There may be arguments, fights and trials.</source>
        <translation>Vous pourriez être assailli de mauvaises pensées. Il pourrait y avoir des disputes, des bagarres et des procès.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This is the time for new beginnings and initiatives. You may be faced by good and evil thoughts. There may be arguments, fights and trials.</source>
        <translation>C’est le temps des nouveaux départs et des initiatives. Vous pourriez être assailli de bonnes et de mauvaises pensées. Il pourrait y avoir des disputes, des bagarres et des procès.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cauda Draconis - Dragon&apos;s Tail</source>
        <translation>Cauda Draconis&#xa0;– La Queue du Dragon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>South Node of Moon</source>
        <translation>Nœud sud de la Lune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Left Arm</source>
        <translation>Bras gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You will get to hear some cold words.</source>
        <translation>Vous entendrez des paroles froides.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You will get to hear some cold words. This is the end of the road. A good time to finish all bad things and start afresh.</source>
        <translation>Vous entendrez des paroles froides. C’est la fin du chemin. Un bon moment pour en finir avec tout ce qui est mauvais et repartir à zéro.</translation>
    </message>
    <message>
        <location filename="../interpretation/HouseCatalogue.cpp" line="+14"/>
        <source>Ascendant</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prosperity, Object in Question</source>
        <translation>Prospérité, objet de la consultation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brother of Querent</source>
        <translation>Frère du consultant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Land/ Place of Dwelling</source>
        <translation>Terre, lieu d’habitation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Servants</source>
        <translation>Serviteurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spouse</source>
        <translation>Conjoint</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enemies</source>
        <translation>Ennemis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spirits</source>
        <translation>Esprits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Benefactor</source>
        <translation>Bienfaiteur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Food</source>
        <translation>Nourriture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Creator</source>
        <translation>Le Créateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Old Chiefs</source>
        <translation>Les chefs âgés</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Voyages</source>
        <translation>Voyages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The house and its members</source>
        <translation>La maison et ses membres</translation>
    </message>
    <message>
        <location filename="../interpretation/modSikidy.cpp" line="+79"/>
        <source>Characteristics Of %1</source>
        <extracomment>Heading of a house&apos;s section. %1 is the house&apos;s label (context Chart), such as &quot;House 1(Tale)&quot;, translated to follow these words: in French &quot;Caractéristiques de la %1&quot; with the label &quot;maison 1 (Tale)&quot;. Tale, the house&apos;s name, stays as it is.</extracomment>
        <translation>Caractéristiques de la %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Geomantic Figure Name :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the Malagasy name of the figure paired with the house.</extracomment>
        <translation>Figure géomantique&#xa0;: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keywords :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the house&apos;s meaning.</extracomment>
        <translation>Mots clés&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>European Name :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the paired figure&apos;s Latin name.</extracomment>
        <translation>Nom européen&#xa0;: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Category :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the paired figure&apos;s category, such as &quot;Mpanjaka (Princes)&quot;.</extracomment>
        <translation>Catégorie&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+26"/>
        <source>Direction :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a figure&apos;s direction, such as South.</extracomment>
        <translation>Direction&#xa0;: </translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Significance :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a sentence on the paired figure.</extracomment>
        <translation>Signification&#xa0;: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sikidy Figure Name :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the title of the figure cast into the house.</extracomment>
        <translation>Figure du sikidy&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keyword :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then the cast figure&apos;s keyword.</extracomment>
        <translation>Mot clé&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Associated Day :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a day of the week.</extracomment>
        <translation>Jour associé&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Associated Element :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then an element, such as Water.</extracomment>
        <translation>Élément associé&#xa0;: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Associated Quality :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then Mobile or Stable.</extracomment>
        <translation>Qualité associée&#xa0;: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Associated Planet :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a planet or a node of the Moon.</extracomment>
        <translation>Planète associée&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Associated Sign :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a sign of the zodiac, or None.</extracomment>
        <translation>Signe associé&#xa0;: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Associated Body Part :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a part of the body.</extracomment>
        <translation>Partie du corps associée&#xa0;: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Significance Of Geomancy :- </source>
        <extracomment>A line&apos;s label, ending in a blank, then a few sentences on the cast figure.</extracomment>
        <translation>Signification géomantique&#xa0;: </translation>
    </message>
</context>
</TS>
