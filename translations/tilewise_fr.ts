<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tilewise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures rendered from</source>
        <extracomment>Followed on the next line by the font&apos;s name and licence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the date of the first release is written, as a QDate format: d is the day, MMMM the month&apos;s name, yyyy the year; text in single quotes stays as it is. German might write &quot;d. MMMM yyyy&quot;, Spanish &quot;d &apos;de&apos; MMMM &apos;de&apos; yyyy&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game to test your memory skills</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CategoryMaker</name>
    <message>
        <source>Cannot move the new category to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot replace %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category&apos;s name holds at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a category: a name holds no / or \ or .., and starts with no dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a category the game has already. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no home folder to keep it in.</source>
        <extracomment>Said of the new category</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already: %2.</source>
        <extracomment>%1: the category&apos;s name, %2: its folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usable pictures in %1: %2 of the %3 a category needs; add %4 more. Nothing was written.</source>
        <extracomment>%1: the folder, %2: the pictures found, %3: 50, %4: how many are missing</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <extracomment>%1: a folder, %2: why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: a file, %2: why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made the category &quot;%1&quot; from %2 files: %3 pictures, in %4.</source>
        <extracomment>%1: the category&apos;s name, %2: the files in the folder, %3: 50, %4: the new folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The end of a list of files cut short</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, %1 (%2): %3</source>
        <extracomment>%1: why, such as &quot;not read as pictures&quot;, %2: how many files, %3: the files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not read as pictures</source>
        <extracomment>Why files were skipped: &quot;Skipped, not read as pictures (3): ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact copies of files before them</source>
        <extracomment>Why files were skipped: &quot;Skipped, exact copies of files before them (2): ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over %1 MB or %2 megapixels</source>
        <extracomment>Why files were skipped: &quot;Skipped, over 20 MB or 50 megapixels (1): ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not ordinary files, never opened</source>
        <extracomment>Why files were skipped: &quot;Skipped, not ordinary files, never opened (1): ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln more pictures. A category holds %1, taken evenly over the folder by file name.</source>
        <extracomment>%Ln: the usable pictures beyond 50, %1: 50</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory game: find the sets of matching pictures under numbered tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks a picture folder (an imgs folder or one category) without opening a window: missing, unreadable, oversized and duplicate pictures. Exits 0 when every category is complete, 1 otherwise.</source>
        <extracomment>Help for --check-pictures; &quot;imgs&quot; is a folder&apos;s name and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FOLDER</source>
        <extracomment>The value of --check-pictures in the help, in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts as usual, saves a PNG of the window once the first board is dealt and its pictures shown, and quits; exits 1 when a picture could not be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --screenshot in the help, in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes a picture category of 50 pictures from any folder of pictures, whatever their names, without opening a window. It is kept with your other made categories and named NAME, or after the folder. Exits 0 when made, 1 otherwise, also when a category of that name exists.</source>
        <extracomment>Help for --make-category; NAME as the argument&apos;s name in the help</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The argument of --make-category in the help, in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --make-category: the category&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--check-pictures needs the folder to check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot needs the name of the PNG file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--make-category needs the folder of pictures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>No Name</source>
        <extracomment>The name a high score is entered under when the player gives none</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>%1.  %2% %3</source>
        <extracomment>A row of the high-score table: rank, score in percent (left out for 0) and the name with the date it was entered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are the all-time best Tilewise players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 match %3</source>
        <extracomment>The board the table is for: columns x rows, and the tiles in a set</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Starting new game...</source>
        <extracomment>Status bar: the steps of dealing a new game, each shown for a moment</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unloading images...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randomizing array...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new game could not be started: Tilewise deals boards of 4 x 4 to 10 x 10 tiles with sets of 2 to 5 tiles. The game in progress goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading images...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revealing all tiles...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tilewise: the high score could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tilewise: the preferences could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game &gt; New: deals a new game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reveal All</source>
        <extracomment>Game &gt; Reveal All: gives the game up and turns every tile face up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <extracomment>Edit &gt; Font: the font of the numbers on the tiles</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Category...</source>
        <extracomment>Edit &gt; New Category: makes a category of pictures from a folder of photos</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tilewise...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches / Guesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncovered Tiles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># uncovered / # required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first 32 categories are listed.</source>
        <extracomment>Status bar, at start-up; the tool tip says more</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than 32 category folders lie in %1; Preferences lists the first 32 by name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the categories you made in %1, there are more than 32; Preferences lists those of %2 first, then the ones you made, up to 32.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start matching tiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture categories were found.

Tilewise looks for category folders inside a folder named &quot;imgs&quot; in %1. Until there is one, the tiles show numbered stand-ins.</source>
        <extracomment>&quot;imgs&quot; is a folder&apos;s name: keep it as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your preferences could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exiting Tilewise...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match: %1</source>
        <extracomment>Spoken by a screen reader when a turn ends without a set; %1: the picture just turned</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match: %1</source>
        <extracomment>Spoken by a screen reader when a turn finds a set; %1: the picture just turned</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentrate!</source>
        <extracomment>Status bar, after a turn that found no set</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cool. You matched.</source>
        <extracomment>Status bar, after a turn that found a set</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score of %1% is one of the all-time best scores.  Please enter your name</source>
        <extracomment>%1: the score, in percent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High score saved.</source>
        <extracomment>Spoken by a screen reader once the name is entered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high score could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score no longer makes the top ten for this board: better scores were entered meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MakeCategoryCommand</name>
    <message>
        <source>Making pictures: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking at files: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove it first, or give another NAME: the command line replaces no category.</source>
        <extracomment>NAME as the command line&apos;s help names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageFilter</name>
    <message>
        <source>tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewCategory</name>
    <message>
        <source>New Category</source>
        <extracomment>The title of the boxes of Edit &gt; New Category</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder of pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new category&apos;s name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already. Replace it with the pictures of %2?</source>
        <extracomment>%1: the category&apos;s name, %2: the folder chosen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making the pictures of &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose it in Edit &gt; Preferences.</source>
        <extracomment>Edit &gt; Preferences: the menu and its item, as they are named in the menus</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>is too large: %1 bytes, over %2</source>
        <extracomment>Said after a picture&apos;s file name: its size, and the largest the game shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large: %1 x %2 pixels, over %3 on a side</source>
        <extracomment>Said after a picture&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not read as a picture (%1)</source>
        <extracomment>Said after a picture&apos;s file name; %1: the image reader&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not named img000 to img049</source>
        <extracomment>%1: a file&apos;s name; the names img000 to img049 stay as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a .gif, .jpg, .jpeg or .png file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A picture&apos;s file name and what is wrong with it: &quot;img003.jpg is too large: ...&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same picture in %1</source>
        <extracomment>%1: the files, such as &quot;img003.jpg, img017.jpg&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1: the pictures, such as &quot;img003, img010-img049&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the picture check: a category&apos;s name and what was found in it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A category with all its pictures</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>incomplete: %1 missing, %2 unreadable, %3 too large, %4 repeated</source>
        <extracomment>Counts of pictures</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no folder of that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: holds no category (no folders, and no pictures named img000.jpg to img049.jpg, .gif or .png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make a category of pictures named in any way: tilewise --make-category FOLDER [NAME]</source>
        <extracomment>FOLDER and NAME as the command line&apos;s help names them</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>does not exist</source>
        <extracomment>Why a file is not read, said after the file&apos;s name: &quot;The file NAME does not exist&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a file is not read, said after the file&apos;s name; %1: the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message numerus="yes">
        <source>%Ln Tiles</source>
        <extracomment>An option of the Match frame: sets of this many tiles</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>An option of the Board Size frame: columns x rows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <extracomment>The picture category of the next game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <extracomment>The frame of the set sizes: how many tiles of one picture make a set</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <extracomment>Sets every choice back to the game&apos;s first one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <extracomment>The number of players; the row lies below the dialog&apos;s visible area</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>%1 is not a plain file (it is a FIFO, a device, a link to one, or larger than 64 MB), so Tilewise does not read it.</source>
        <extracomment>The start of a status bar tool tip; %1: the settings file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file damaged; a copy was kept.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be read whole. It was copied to %1 before Tilewise writes it again.</source>
        <extracomment>%1: the copy&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file unusable; nothing can be saved.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 It could not be moved aside either: the game starts with the default preferences, and nothing is saved until it is removed.</source>
        <extracomment>%1: the sentence that says why the file is not read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file unusable; it was moved aside.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 It was renamed to %2, and a new settings file is written in its place.</source>
        <extracomment>%1: the sentence that says why the file is not read, %2: its new name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file unreadable: %1</source>
        <extracomment>Status bar at start-up, kept short; %1: the settings file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 %2. The game starts with the default preferences, and they cannot be saved there.</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;cannot be read (Permission denied)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot be read</source>
        <extracomment>Why the settings file is not read, said after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its lock %1 is not a plain file.</source>
        <extracomment>Why the settings were not saved; %1: the lock file beside the settings file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its lock %1 is held by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its lock %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a settings file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 %2.</source>
        <extracomment>%1: the settings file, %2: why it is not read, such as &quot;is not a plain file&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged, and no copy of it can be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;the disk may be full&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new content was not written</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder</source>
        <extracomment>Why the settings file is not read, said after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourcePictures</name>
    <message>
        <source>%1 MB</source>
        <extracomment>A picture&apos;s size in megabytes, in a list of files too large</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to list it.</source>
        <extracomment>%1: the folder of pictures chosen</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>Picture missing or unreadable: %1</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Picture missing or unreadable: %1 and %Ln more</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of files cut short</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures missing or unreadable:
%1</source>
        <extracomment>The status bar&apos;s tool tip; %1: the files, one a line</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileBoard</name>
    <message>
        <source>Face down, %1. %2</source>
        <extracomment>A face-down tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;, %2: its tool tip</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1</source>
        <extracomment>A face-down tile&apos;s name, as a screen reader says it; %1: the number it shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face up, %1</source>
        <extracomment>A face-up tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The picture of a tile left over, which belongs to no set, as a screen reader says it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A face-up tile, as a screen reader says it; %1: its number, %2: its picture (&quot;cat face&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Spoken when an arrow key finds no tile beyond the board&apos;s edge</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileTexts</name>
    <message numerus="yes">
        <source>Uncovered %Ln times before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text from 2 on; give every plural form.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uncovered %Ln time before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text for 0 and 1; give every plural form.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ve clicked this %Ln times already.</source>
        <extracomment>Status bar, when a tile is turned again; said from 2 times before on</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Where a tile lies, as a screen reader says it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches: %1 / %2,  %3% </source>
        <extracomment>Status bar panel 1, kept short: sets found / turns taken, and the share of the turns that found a set, in percent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncovered: %1 / %2</source>
        <extracomment>Status bar panel 2, kept short: tiles face up in this turn / tiles a set has</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Finished.  You matched %1 out of %2, or  %3%</source>
        <extracomment>The result box at the end of a game: sets found, turns taken, and the share in percent</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>Tile number: %1</source>
        <extracomment>Status bar, while the player types a tile&apos;s number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no face-down tile %1.</source>
        <extracomment>Status bar, when a typed number names no tile to turn</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tilewise: cannot write %1</source>
        <extracomment>Printed when --screenshot cannot write its file; %1: the file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tilewise: pictures missing or unreadable: %1, such as %2</source>
        <extracomment>Printed by --screenshot; %1: how many pictures, %2: the first one&apos;s file</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
