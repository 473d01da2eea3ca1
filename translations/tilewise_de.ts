<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tilewise</source>
        <translation>Über Tilewise</translation>
    </message>
    <message>
        <source>Pictures rendered from</source>
        <extracomment>Followed on the next line by the font&apos;s name and licence</extracomment>
        <translation>Bilder erstellt aus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the date of the first release is written, as a QDate format: d is the day, MMMM the month&apos;s name, yyyy the year; text in single quotes stays as it is. German might write &quot;d. MMMM yyyy&quot;, Spanish &quot;d &apos;de&apos; MMMM &apos;de&apos; yyyy&quot;.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>A game to test your memory skills</source>
        <translation>Ein Spiel, das Ihr Gedächtnis auf die Probe stellt</translation>
    </message>
</context>
<context>
    <name>CategoryMaker</name>
    <message>
        <source>Cannot move the new category to %1.</source>
        <translation>Die neue Kategorie kann nicht nach %1 verschoben werden.</translation>
    </message>
    <message>
        <source>Cannot replace %1.</source>
        <translation>%1 kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>A category needs a name.</source>
        <translation>Eine Kategorie braucht einen Namen.</translation>
    </message>
    <message>
        <source>A category&apos;s name holds at most %1 characters.</source>
        <translation>Der Name einer Kategorie darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a category: a name holds no / or \ or .., and starts with no dot.</source>
        <translation>„%1“ kann kein Kategoriename sein: Ein Name enthält weder / noch \ noch .. und beginnt nicht mit einem Punkt.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a category the game has already. Choose another name.</source>
        <translation>Das Spiel hat bereits eine Kategorie namens „%1“. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>There is no home folder to keep it in.</source>
        <extracomment>Said of the new category</extracomment>
        <translation>Es gibt keinen persönlichen Ordner, in dem die Kategorie gespeichert werden kann.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already: %2.</source>
        <extracomment>%1: the category&apos;s name, %2: its folder</extracomment>
        <translation>Eine Kategorie namens „%1“ gibt es bereits: %2.</translation>
    </message>
    <message>
        <source>Usable pictures in %1: %2 of the %3 a category needs; add %4 more. Nothing was written.</source>
        <extracomment>%1: the folder, %2: the pictures found, %3: 50, %4: how many are missing</extracomment>
        <translation>Verwendbare Bilder in %1: %2 der %3, die eine Kategorie braucht; fügen Sie %4 weitere hinzu. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <extracomment>%1: a folder, %2: why</extracomment>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: a file, %2: why</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Made the category &quot;%1&quot; from %2 files: %3 pictures, in %4.</source>
        <extracomment>%1: the category&apos;s name, %2: the files in the folder, %3: 50, %4: the new folder</extracomment>
        <translation>Die Kategorie „%1“ wurde aus %2 Dateien erstellt: %3 Bilder in %4.</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The end of a list of files cut short</extracomment>
        <translation>
            <numerusform>und %Ln weitere</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, %1 (%2): %3</source>
        <extracomment>%1: why, such as &quot;not read as pictures&quot;, %2: how many files, %3: the files</extracomment>
        <translation>Übersprungen, %1 (%2): %3</translation>
    </message>
    <message>
        <source>not read as pictures</source>
        <extracomment>Why files were skipped: &quot;Skipped, not read as pictures (3): ...&quot;</extracomment>
        <translation>nicht als Bilder lesbar</translation>
    </message>
    <message>
        <source>exact copies of files before them</source>
        <extracomment>Why files were skipped: &quot;Skipped, exact copies of files before them (2): ...&quot;</extracomment>
        <translation>genaue Kopien vorheriger Dateien</translation>
    </message>
    <message>
        <source>over %1 MB or %2 megapixels</source>
        <extracomment>Why files were skipped: &quot;Skipped, over 20 MB or 50 megapixels (1): ...&quot;</extracomment>
        <translation>über %1 MB oder %2 Megapixel</translation>
    </message>
    <message>
        <source>not ordinary files, never opened</source>
        <extracomment>Why files were skipped: &quot;Skipped, not ordinary files, never opened (1): ...&quot;</extracomment>
        <translation>keine normalen Dateien, nicht geöffnet</translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln more pictures. A category holds %1, taken evenly over the folder by file name.</source>
        <extracomment>%Ln: the usable pictures beyond 50, %1: 50</extracomment>
        <translation>
            <numerusform>Nicht verwendet: %Ln weiteres Bild. Eine Kategorie umfasst %1 Bilder, gleichmäßig über den Ordner verteilt nach Dateinamen ausgewählt.</numerusform>
            <numerusform>Nicht verwendet: %Ln weitere Bilder. Eine Kategorie umfasst %1 Bilder, gleichmäßig über den Ordner verteilt nach Dateinamen ausgewählt.</numerusform>
        </translation>
    </message>
    <message>
        <source> The category it replaced could not be removed in full: what is left is in %1.</source>
        <extracomment>Follows &quot;Made the category ...&quot;: %1 is a folder</extracomment>
        <translation> Die ersetzte Kategorie ließ sich nicht ganz entfernen: Was übrig ist, liegt in %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory game: find the sets of matching pictures under numbered tiles.</source>
        <translation>Ein Gedächtnisspiel: Finden Sie unter nummerierten Karten die Gruppen gleicher Bilder.</translation>
    </message>
    <message>
        <source>Checks a picture folder (an imgs folder or one category) without opening a window: missing, unreadable, oversized and duplicate pictures. Exits 0 when every category is complete, 1 otherwise.</source>
        <extracomment>Help for --check-pictures; &quot;imgs&quot; is a folder&apos;s name and stays as it is</extracomment>
        <translation>Prüft einen Bildordner (einen imgs-Ordner oder eine einzelne Kategorie), ohne ein Fenster zu öffnen: fehlende, unlesbare, zu große und doppelte Bilder. Rückgabewert 0, wenn jede Kategorie vollständig ist, sonst 1.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <extracomment>The value of --check-pictures in the help, in capitals</extracomment>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Starts as usual, saves a PNG of the window once the first board is dealt and its pictures shown, and quits; exits 1 when a picture could not be shown.</source>
        <translation>Startet wie gewohnt, speichert ein PNG-Bild des Fensters, sobald das erste Spielfeld ausgeteilt ist und seine Bilder angezeigt werden, und beendet sich; Rückgabewert 1, wenn ein Bild nicht angezeigt werden konnte.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --screenshot in the help, in capitals</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Makes a picture category of 50 pictures from any folder of pictures, whatever their names, without opening a window. It is kept with your other made categories and named NAME, or after the folder. Exits 0 when made, 1 otherwise, also when a category of that name exists.</source>
        <extracomment>Help for --make-category; NAME as the argument&apos;s name in the help</extracomment>
        <translation>Erstellt aus einem beliebigen Bildordner, gleich wie die Bilder heißen, eine Bildkategorie mit 50 Bildern, ohne ein Fenster zu öffnen. Sie wird bei Ihren anderen eigenen Kategorien abgelegt und heißt NAME oder wie der Ordner. Rückgabewert 0, wenn sie erstellt wurde, sonst 1, auch wenn es bereits eine Kategorie dieses Namens gibt.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The argument of --make-category in the help, in capitals</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>With --make-category: the category&apos;s name.</source>
        <translation>Mit --make-category: der Name der Kategorie.</translation>
    </message>
    <message>
        <source>--check-pictures needs the folder to check.</source>
        <translation>--check-pictures erwartet den zu prüfenden Ordner.</translation>
    </message>
    <message>
        <source>--screenshot needs the name of the PNG file to write.</source>
        <translation>--screenshot erwartet den Namen der zu schreibenden PNG-Datei.</translation>
    </message>
    <message>
        <source>--make-category needs the folder of pictures.</source>
        <translation>--make-category erwartet den Bildordner.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>No Name</source>
        <extracomment>The name a high score is entered under when the player gives none</extracomment>
        <translation>Anonym</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>%1.  %2% %3</source>
        <extracomment>A row of the high-score table: rank, score in percent (left out for 0) and the name with the date it was entered</extracomment>
        <translation>%1. %2&#xa0;% %3</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>These are the all-time best Tilewise players:</source>
        <translation>Das sind die besten Tilewise-Ergebnisse aller Zeiten:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 x %2 match %3</source>
        <extracomment>The board the table is for: columns x rows, and the tiles in a set</extracomment>
        <translation>%1 × %2, %3 gleiche Karten</translation>
    </message>
</context>
<context>
    <name>IniText</name>
    <message>
        <source>cannot be checked, as no whole copy of it can be made beside it (%1)</source>
        <extracomment>Follows &quot;The file &lt;name&gt;&quot;; %1: why, such as &quot;the copy was cut short&quot;</extracomment>
        <translation>lässt sich nicht prüfen, da daneben keine vollständige Kopie angelegt werden kann (%1)</translation>
    </message>
    <message>
        <source>the copy was cut short</source>
        <translation>die Kopie wurde abgeschnitten</translation>
    </message>
    <message>
        <source>the copy cannot be read back</source>
        <translation>die Kopie lässt sich nicht zurücklesen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Starting new game...</source>
        <extracomment>Status bar: the steps of dealing a new game, each shown for a moment</extracomment>
        <translation>Neues Spiel wird gestartet …</translation>
    </message>
    <message>
        <source>Unloading images...</source>
        <translation>Bilder werden freigegeben …</translation>
    </message>
    <message>
        <source>Randomizing array...</source>
        <translation>Karten werden gemischt …</translation>
    </message>
    <message>
        <source>A new game could not be started: Tilewise deals boards of 4 x 4 to 10 x 10 tiles with sets of 2 to 5 tiles. The game in progress goes on.</source>
        <translation>Ein neues Spiel konnte nicht gestartet werden: Tilewise teilt Spielfelder von 4 × 4 bis 10 × 10 Karten mit Gruppen aus 2 bis 5 Karten aus. Das laufende Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Loading images...</source>
        <translation>Bilder werden geladen …</translation>
    </message>
    <message>
        <source>Revealing all tiles...</source>
        <translation>Alle Karten werden aufgedeckt …</translation>
    </message>
    <message>
        <source>tilewise: the high score could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: Der Eintrag in der Bestenliste konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>tilewise: the preferences could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: Die Einstellungen konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game &gt; New: deals a new game</extracomment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Reveal All</source>
        <extracomment>Game &gt; Reveal All: gives the game up and turns every tile face up</extracomment>
        <translation>Alle &amp;aufdecken</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>B&amp;estenliste …</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <extracomment>Edit &gt; Font: the font of the numbers on the tiles</extracomment>
        <translation>&amp;Schriftart …</translation>
    </message>
    <message>
        <source>&amp;New Category...</source>
        <extracomment>Edit &gt; New Category: makes a category of pictures from a folder of photos</extracomment>
        <translation>&amp;Neue Kategorie …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tilewise...</source>
        <translation>Ü&amp;ber Tilewise …</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Treffer:</translation>
    </message>
    <message>
        <source>Matches / Guesses</source>
        <translation>Treffer / Versuche</translation>
    </message>
    <message>
        <source>Uncovered Tiles:</source>
        <translation>Aufgedeckt:</translation>
    </message>
    <message>
        <source># uncovered / # required</source>
        <translation>Aufgedeckte / benötigte Karten</translation>
    </message>
    <message>
        <source>Only the first 32 categories are listed.</source>
        <extracomment>Status bar, at start-up; the tool tip says more</extracomment>
        <translation>Nur die ersten 32 Kategorien sind aufgeführt.</translation>
    </message>
    <message>
        <source>More than 32 category folders lie in %1; Preferences lists the first 32 by name.</source>
        <translation>In %1 liegen mehr als 32 Kategorieordner; die Einstellungen zeigen die ersten 32 nach Namen sortiert.</translation>
    </message>
    <message>
        <source>With the categories you made in %1, there are more than 32; Preferences lists those of %2 first, then the ones you made, up to 32.</source>
        <translation>Zusammen mit Ihren eigenen Kategorien in %1 sind es mehr als 32; die Einstellungen zeigen zuerst die aus %2, dann Ihre eigenen, insgesamt höchstens 32.</translation>
    </message>
    <message>
        <source>Start matching tiles.</source>
        <translation>Los geht’s: Finden Sie gleiche Bilder!</translation>
    </message>
    <message>
        <source>No picture categories were found.

Tilewise looks for category folders inside a folder named &quot;imgs&quot; in %1. Until there is one, the tiles show numbered stand-ins.</source>
        <extracomment>&quot;imgs&quot; is a folder&apos;s name: keep it as it is</extracomment>
        <translation>Es wurden keine Bildkategorien gefunden.

Tilewise sucht Kategorieordner in einem Ordner namens „imgs“ in %1. Bis es einen gibt, zeigen die Karten nummerierte Platzhalter.</translation>
    </message>
    <message>
        <source>Your preferences could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Exiting Tilewise...</source>
        <translation>Tilewise wird beendet …</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <extracomment>Spoken by a screen reader when a turn ends without a set; %1: the picture just turned</extracomment>
        <translation>Kein Treffer: %1</translation>
    </message>
    <message>
        <source>Match: %1</source>
        <extracomment>Spoken by a screen reader when a turn finds a set; %1: the picture just turned</extracomment>
        <translation>Treffer: %1</translation>
    </message>
    <message>
        <source>Concentrate!</source>
        <extracomment>Status bar, after a turn that found no set</extracomment>
        <translation>Konzentration!</translation>
    </message>
    <message>
        <source>Cool. You matched.</source>
        <extracomment>Status bar, after a turn that found a set</extracomment>
        <translation>Super, ein Treffer!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Neuer Eintrag in der Bestenliste</translation>
    </message>
    <message>
        <source>Your score of %1% is one of the all-time best scores.  Please enter your name</source>
        <extracomment>%1: the score, in percent</extracomment>
        <translation>Ihr Ergebnis von %1&#xa0;% gehört zu den besten aller Zeiten. Bitte geben Sie Ihren Namen ein:</translation>
    </message>
    <message>
        <source>High score saved.</source>
        <extracomment>Spoken by a screen reader once the name is entered</extracomment>
        <translation>In der Bestenliste gespeichert.</translation>
    </message>
    <message>
        <source>The high score could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>Der Eintrag in der Bestenliste konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Your score no longer makes the top ten for this board: better scores were entered meanwhile.</source>
        <translation>Ihr Ergebnis reicht für dieses Spielfeld nicht mehr unter die besten zehn: Inzwischen wurden bessere Ergebnisse eingetragen.</translation>
    </message>
</context>
<context>
    <name>MakeCategoryCommand</name>
    <message>
        <source>Making pictures: %1 of %2</source>
        <translation>Bilder werden erstellt: %1 von %2</translation>
    </message>
    <message>
        <source>Looking at files: %1 of %2</source>
        <translation>Dateien werden geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>Remove it first, or give another NAME: the command line replaces no category.</source>
        <extracomment>NAME as the command line&apos;s help names it</extracomment>
        <translation>Entfernen Sie sie zuerst oder geben Sie einen anderen NAME an: Auf der Befehlszeile wird keine Kategorie ersetzt.</translation>
    </message>
</context>
<context>
    <name>MessageFilter</name>
    <message>
        <source>tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>tilewise: Es kann keine Anzeige geöffnet werden; setzen Sie DISPLAY oder WAYLAND_DISPLAY</translation>
    </message>
</context>
<context>
    <name>NewCategory</name>
    <message>
        <source>New Category</source>
        <extracomment>The title of the boxes of Edit &gt; New Category</extracomment>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Bildordner auswählen</translation>
    </message>
    <message>
        <source>The new category&apos;s name:</source>
        <translation>Name der neuen Kategorie:</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already. Replace it with the pictures of %2?</source>
        <extracomment>%1: the category&apos;s name, %2: the folder chosen</extracomment>
        <translation>Eine Kategorie namens „%1“ gibt es bereits. Soll sie durch die Bilder aus %2 ersetzt werden?</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Dateien werden geprüft …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Making the pictures of &quot;%1&quot;...</source>
        <translation>Bilder für „%1“ werden erstellt …</translation>
    </message>
    <message>
        <source>Choose it in Edit &gt; Preferences.</source>
        <extracomment>Edit &gt; Preferences: the menu and its item, as they are named in the menus</extracomment>
        <translation>Sie können sie unter Bearbeiten &gt; Einstellungen auswählen.</translation>
    </message>
    <message>
        <source>It is not listed in Edit &gt; Preferences, which lists only the first 32 categories.</source>
        <translation>Sie erscheint nicht unter Bearbeiten &gt; Einstellungen, wo nur die ersten 32 Kategorien aufgeführt sind.</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>is too large: %1 bytes, over %2</source>
        <extracomment>Said after a picture&apos;s file name: its size, and the largest the game shows</extracomment>
        <translation>ist zu groß: %1 Byte, mehr als %2</translation>
    </message>
    <message>
        <source>is too large: %1 x %2 pixels, over %3 on a side</source>
        <extracomment>Said after a picture&apos;s file name</extracomment>
        <translation>ist zu groß: %1 × %2 Pixel, eine Seite länger als %3</translation>
    </message>
    <message>
        <source>does not read as a picture (%1)</source>
        <extracomment>Said after a picture&apos;s file name; %1: the image reader&apos;s reason</extracomment>
        <translation>lässt sich nicht als Bild lesen (%1)</translation>
    </message>
    <message>
        <source>%1 is not named img000 to img049</source>
        <extracomment>%1: a file&apos;s name; the names img000 to img049 stay as they are</extracomment>
        <translation>%1 trägt keinen der Namen img000 bis img049</translation>
    </message>
    <message>
        <source>%1 is not a .gif, .jpg, .jpeg or .png file</source>
        <translation>%1 ist keine .gif-, .jpg-, .jpeg- oder .png-Datei</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A picture&apos;s file name and what is wrong with it: &quot;img003.jpg is too large: ...&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>same picture in %1</source>
        <extracomment>%1: the files, such as &quot;img003.jpg, img017.jpg&quot;</extracomment>
        <translation>gleiches Bild in %1</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1: the pictures, such as &quot;img003, img010-img049&quot;</extracomment>
        <translation>fehlend: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the picture check: a category&apos;s name and what was found in it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A category with all its pictures</extracomment>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>incomplete: %1 missing, %2 unreadable, %3 too large, %4 repeated</source>
        <extracomment>Counts of pictures</extracomment>
        <translation>unvollständig: %1 fehlend, %2 unlesbar, %3 zu groß, %4 doppelt</translation>
    </message>
    <message>
        <source>%1: there is no folder of that name</source>
        <translation>%1: Es gibt keinen Ordner dieses Namens</translation>
    </message>
    <message>
        <source>%1: holds no category (no folders, and no pictures named img000.jpg to img049.jpg, .gif or .png)</source>
        <translation>%1: enthält keine Kategorie (keine Ordner und keine Bilder namens img000.jpg bis img049.jpg, .gif oder .png)</translation>
    </message>
    <message>
        <source>To make a category of pictures named in any way: tilewise --make-category FOLDER [NAME]</source>
        <extracomment>FOLDER and NAME as the command line&apos;s help names them</extracomment>
        <translation>Eine Kategorie aus beliebig benannten Bildern erstellen: tilewise --make-category ORDNER [NAME]</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>does not exist</source>
        <extracomment>Why a file is not read, said after the file&apos;s name: &quot;The file NAME does not exist&quot;</extracomment>
        <translation>existiert nicht</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>ist keine normale Datei</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a file is not read, said after the file&apos;s name; %1: the system&apos;s reason</extracomment>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message numerus="yes">
        <source>%Ln Tiles</source>
        <extracomment>An option of the Match frame: sets of this many tiles</extracomment>
        <translation>
            <numerusform>%Ln Karte</numerusform>
            <numerusform>%Ln Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>An option of the Board Size frame: columns x rows</extracomment>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <extracomment>The picture category of the next game</extracomment>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>&amp;Spielfeldgröße</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <extracomment>The frame of the set sizes: how many tiles of one picture make a set</extracomment>
        <translation>&amp;Gleiche Karten</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <extracomment>Sets every choice back to the game&apos;s first one</extracomment>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <extracomment>The number of players; the row lies below the dialog&apos;s visible area</extracomment>
        <translation>S&amp;pieler:</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Settings file damaged; a copy was kept.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Einstellungsdatei beschädigt; Kopie gesichert.</translation>
    </message>
    <message>
        <source>The settings file could not be read whole. It was copied to %1 before Tilewise writes it again.</source>
        <extracomment>%1: the copy&apos;s file name</extracomment>
        <translation>Die Einstellungsdatei konnte nicht vollständig gelesen werden. Sie wurde nach %1 kopiert, bevor Tilewise sie neu schreibt.</translation>
    </message>
    <message>
        <source>Settings file unusable; nothing can be saved.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Einstellungsdatei unbrauchbar; kein Speichern.</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside either: the game starts with the default preferences, and nothing is saved until it is removed.</source>
        <extracomment>%1: the sentence that says why the file is not read</extracomment>
        <translation>%1 Die Datei ließ sich auch nicht umbenennen: Das Spiel startet mit den Standardeinstellungen, und bis sie entfernt ist, wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Settings file unusable; it was moved aside.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Einstellungsdatei unbrauchbar; umbenannt.</translation>
    </message>
    <message>
        <source>%1 It was renamed to %2, and a new settings file is written in its place.</source>
        <extracomment>%1: the sentence that says why the file is not read, %2: its new name</extracomment>
        <translation>%1 Die Datei wurde in %2 umbenannt, und an ihrer Stelle wird eine neue Einstellungsdatei geschrieben.</translation>
    </message>
    <message>
        <source>Settings file unreadable: %1</source>
        <extracomment>Status bar at start-up, kept short; %1: the settings file</extracomment>
        <translation>Einstellungsdatei nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The settings file %1 %2. The game starts with the default preferences, and they cannot be saved there.</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;cannot be read (Permission denied)&quot;</extracomment>
        <translation>Die Einstellungsdatei %1 %2. Das Spiel startet mit den Standardeinstellungen, und diese können dort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (it is a FIFO, a device, a link to one, or larger than %2 MB), so Tilewise does not read it.</source>
        <extracomment>The start of a status bar tool tip; %1: the settings file, %2: the largest size read</extracomment>
        <translation>%1 ist keine normale Datei (sondern ein FIFO, ein Gerät oder eine Verknüpfung darauf) oder größer als %2&#xa0;MB, daher liest Tilewise sie nicht.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Its lock %1 is not a plain file.</source>
        <extracomment>Why the settings were not saved; %1: the lock file beside the settings file</extracomment>
        <translation>Die zugehörige Sperrdatei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>Its lock %1 is held by another program.</source>
        <translation>Die zugehörige Sperrdatei %1 wird von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be made.</source>
        <translation>Die zugehörige Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a settings file.</source>
        <translation>%1 ist ein Ordner, keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>Die Datei %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file %1 %2.</source>
        <extracomment>%1: the settings file, %2: why it is not read, such as &quot;is not a plain file&quot;
----------
%1: the settings file, %2: why it cannot be checked, such as &quot;cannot be checked, ...&quot;</extracomment>
        <translation>Die Datei %1 %2.</translation>
    </message>
    <message>
        <source>The file %1 is damaged, and no copy of it can be kept.</source>
        <translation>Die Datei %1 ist beschädigt, und es kann keine Kopie davon angelegt werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;the disk may be full&quot;</extracomment>
        <translation>Die Datei %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>the new content was not written</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>der neue Inhalt wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>möglicherweise ist der Datenträger voll</translation>
    </message>
    <message>
        <source>is a folder</source>
        <extracomment>Why the settings file is not read, said after its name</extracomment>
        <translation>ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>SourcePictures</name>
    <message>
        <source>%1 MB</source>
        <extracomment>A picture&apos;s size in megabytes, in a list of files too large</extracomment>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large</extracomment>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to list it.</source>
        <extracomment>%1: the folder of pictures chosen</extracomment>
        <translation>%1 kann nicht gelesen werden: Es fehlt die Berechtigung, den Inhalt aufzulisten.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels: a %3 file is decoded whole, up to %4 megapixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large; %3: its kind, such as TIFF</extracomment>
        <translation>%1 × %2 Pixel: Eine %3-Datei wird ganz dekodiert, bis %4&#xa0;Megapixel</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>Picture missing or unreadable: %1</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>Bild fehlt oder ist unlesbar: %1</translation>
    </message>
    <message numerus="yes">
        <source>Picture missing or unreadable: %1 and %Ln more</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>
            <numerusform>Bilder fehlen oder sind unlesbar: %1 und %Ln weiteres</numerusform>
            <numerusform>Bilder fehlen oder sind unlesbar: %1 und %Ln weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of files cut short</extracomment>
        <translation>
            <numerusform>und %Ln weiteres</numerusform>
            <numerusform>und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures missing or unreadable:
%1</source>
        <extracomment>The status bar&apos;s tool tip; %1: the files, one a line</extracomment>
        <translation>Bilder fehlen oder sind unlesbar:
%1</translation>
    </message>
</context>
<context>
    <name>TileBoard</name>
    <message>
        <source>Face down, %1. %2</source>
        <extracomment>A face-down tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;, %2: its tool tip</extracomment>
        <translation>Verdeckt, %1. %2</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <extracomment>A face-down tile&apos;s name, as a screen reader says it; %1: the number it shows</extracomment>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Face up, %1</source>
        <extracomment>A face-up tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;</extracomment>
        <translation>Aufgedeckt, %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The picture of a tile left over, which belongs to no set, as a screen reader says it</extracomment>
        <translation>übrig</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A face-up tile, as a screen reader says it; %1: its number, %2: its picture (&quot;cat face&quot;)</extracomment>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Spoken when an arrow key finds no tile beyond the board&apos;s edge</extracomment>
        <translation>Rand</translation>
    </message>
</context>
<context>
    <name>TileTexts</name>
    <message numerus="yes">
        <source>Uncovered %Ln times before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text from 2 on; give every plural form.</extracomment>
        <translation>
            <numerusform>Bisher %Ln-mal aufgedeckt</numerusform>
            <numerusform>Bisher %Ln-mal aufgedeckt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uncovered %Ln time before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text for 0 and 1; give every plural form.</extracomment>
        <translation>
            <numerusform>Bisher %Ln-mal aufgedeckt</numerusform>
            <numerusform>Bisher %Ln-mal aufgedeckt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ve clicked this %Ln times already.</source>
        <extracomment>Status bar, when a tile is turned again; said from 2 times before on</extracomment>
        <translation>
            <numerusform>Diese Karte wurde schon %Ln-mal angeklickt.</numerusform>
            <numerusform>Diese Karte wurde schon %Ln-mal angeklickt.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Where a tile lies, as a screen reader says it</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Matches: %1 / %2,  %3% </source>
        <extracomment>Status bar panel 1, kept short: sets found / turns taken, and the share of the turns that found a set, in percent</extracomment>
        <translation>Treffer: %1 / %2, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Uncovered: %1 / %2</source>
        <extracomment>Status bar panel 2, kept short: tiles face up in this turn / tiles a set has</extracomment>
        <translation>Aufgedeckt: %1 / %2</translation>
    </message>
    <message>
        <source>You Finished.  You matched %1 out of %2, or  %3%</source>
        <extracomment>The result box at the end of a game: sets found, turns taken, and the share in percent</extracomment>
        <translation>Geschafft! Sie hatten %1 Treffer bei %2 Versuchen, das sind %3&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>Tile number: %1</source>
        <extracomment>Status bar, while the player types a tile&apos;s number</extracomment>
        <translation>Kartennummer: %1</translation>
    </message>
    <message>
        <source>There is no face-down tile %1.</source>
        <extracomment>Status bar, when a typed number names no tile to turn</extracomment>
        <translation>Es gibt keine verdeckte Karte %1.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tilewise: cannot write %1</source>
        <extracomment>Printed when --screenshot cannot write its file; %1: the file</extracomment>
        <translation>tilewise: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>tilewise: pictures missing or unreadable: %1, such as %2</source>
        <extracomment>Printed by --screenshot; %1: how many pictures, %2: the first one&apos;s file</extracomment>
        <translation>tilewise: Fehlende oder unlesbare Bilder: %1, zum Beispiel %2</translation>
    </message>
</context>
</TS>
