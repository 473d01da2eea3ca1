<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tilewise</source>
        <translation>À propos de Tilewise</translation>
    </message>
    <message>
        <source>Pictures rendered from</source>
        <extracomment>Followed on the next line by the font&apos;s name and licence</extracomment>
        <translation>Images créées à partir de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the date of the first release is written, as a QDate format: d is the day, MMMM the month&apos;s name, yyyy the year; text in single quotes stays as it is. German might write &quot;d. MMMM yyyy&quot;, Spanish &quot;d &apos;de&apos; MMMM &apos;de&apos; yyyy&quot;.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>A game to test your memory skills</source>
        <translation>Un jeu pour mettre votre mémoire à l’épreuve</translation>
    </message>
</context>
<context>
    <name>CategoryMaker</name>
    <message>
        <source>Cannot move the new category to %1.</source>
        <translation>Impossible de déplacer la nouvelle catégorie vers %1.</translation>
    </message>
    <message>
        <source>Cannot replace %1.</source>
        <translation>Impossible de remplacer %1.</translation>
    </message>
    <message>
        <source>A category needs a name.</source>
        <translation>Une catégorie doit avoir un nom.</translation>
    </message>
    <message>
        <source>A category&apos;s name holds at most %1 characters.</source>
        <translation>Le nom d’une catégorie compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a category: a name holds no / or \ or .., and starts with no dot.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de catégorie&#xa0;: un nom ne contient ni /, ni \, ni .., et ne commence pas par un point.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Annulé&#xa0;: rien n’a été écrit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a category the game has already. Choose another name.</source>
        <translation>«&#xa0;%1&#xa0;» est le nom d’une catégorie que le jeu possède déjà. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>There is no home folder to keep it in.</source>
        <extracomment>Said of the new category</extracomment>
        <translation>Il n’y a pas de dossier personnel où la ranger.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already: %2.</source>
        <extracomment>%1: the category&apos;s name, %2: its folder</extracomment>
        <translation>Une catégorie nommée «&#xa0;%1&#xa0;» existe déjà&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Usable pictures in %1: %2 of the %3 a category needs; add %4 more. Nothing was written.</source>
        <extracomment>%1: the folder, %2: the pictures found, %3: 50, %4: how many are missing</extracomment>
        <translation>Images utilisables dans %1&#xa0;: %2 sur les %3 qu’il faut à une catégorie&#x202f;; ajoutez-en encore %4. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <extracomment>%1: a folder, %2: why</extracomment>
        <translation>Impossible d’écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: a file, %2: why</extracomment>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Made the category &quot;%1&quot; from %2 files: %3 pictures, in %4.</source>
        <extracomment>%1: the category&apos;s name, %2: the files in the folder, %3: 50, %4: the new folder</extracomment>
        <translation>Catégorie «&#xa0;%1&#xa0;» créée à partir de %2 fichiers&#xa0;: %3 images, dans %4.</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The end of a list of files cut short</extracomment>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, %1 (%2): %3</source>
        <extracomment>%1: why, such as &quot;not read as pictures&quot;, %2: how many files, %3: the files</extracomment>
        <translation>Ignorés, %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>not read as pictures</source>
        <extracomment>Why files were skipped: &quot;Skipped, not read as pictures (3): ...&quot;</extracomment>
        <translation>images illisibles</translation>
    </message>
    <message>
        <source>exact copies of files before them</source>
        <extracomment>Why files were skipped: &quot;Skipped, exact copies of files before them (2): ...&quot;</extracomment>
        <translation>copies exactes de fichiers précédents</translation>
    </message>
    <message>
        <source>over %1 MB or %2 megapixels</source>
        <extracomment>Why files were skipped: &quot;Skipped, over 20 MB or 50 megapixels (1): ...&quot;</extracomment>
        <translation>plus de %1&#xa0;Mo ou %2&#xa0;mégapixels</translation>
    </message>
    <message>
        <source>not ordinary files, never opened</source>
        <extracomment>Why files were skipped: &quot;Skipped, not ordinary files, never opened (1): ...&quot;</extracomment>
        <translation>fichiers spéciaux, jamais ouverts</translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln more pictures. A category holds %1, taken evenly over the folder by file name.</source>
        <extracomment>%Ln: the usable pictures beyond 50, %1: 50</extracomment>
        <translation>
            <numerusform>Écartée&#xa0;: %Ln image en trop. Une catégorie compte %1 images, prises à intervalles réguliers dans le dossier, dans l’ordre des noms de fichiers.</numerusform>
            <numerusform>Écartées&#xa0;: %Ln images en trop. Une catégorie compte %1 images, prises à intervalles réguliers dans le dossier, dans l’ordre des noms de fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source> The category it replaced could not be removed in full: what is left is in %1.</source>
        <extracomment>Follows &quot;Made the category ...&quot;: %1 is a folder</extracomment>
        <translation> La catégorie remplacée n’a pas pu être entièrement supprimée&#xa0;: ce qui en reste se trouve dans %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory game: find the sets of matching pictures under numbered tiles.</source>
        <translation>Un jeu de mémoire&#xa0;: trouvez les séries d’images identiques cachées sous des tuiles numérotées.</translation>
    </message>
    <message>
        <source>Checks a picture folder (an imgs folder or one category) without opening a window: missing, unreadable, oversized and duplicate pictures. Exits 0 when every category is complete, 1 otherwise.</source>
        <extracomment>Help for --check-pictures; &quot;imgs&quot; is a folder&apos;s name and stays as it is</extracomment>
        <translation>Vérifie un dossier d’images (un dossier imgs ou une seule catégorie) sans ouvrir de fenêtre&#xa0;: images manquantes, illisibles, trop grandes ou en double. Renvoie 0 si chaque catégorie est complète, 1 sinon.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <extracomment>The value of --check-pictures in the help, in capitals</extracomment>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Starts as usual, saves a PNG of the window once the first board is dealt and its pictures shown, and quits; exits 1 when a picture could not be shown.</source>
        <translation>Démarre normalement, enregistre une image PNG de la fenêtre dès que le premier plateau est distribué et ses images affichées, puis quitte&#x202f;; renvoie 1 si une image n’a pas pu être affichée.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --screenshot in the help, in capitals</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Makes a picture category of 50 pictures from any folder of pictures, whatever their names, without opening a window. It is kept with your other made categories and named NAME, or after the folder. Exits 0 when made, 1 otherwise, also when a category of that name exists.</source>
        <extracomment>Help for --make-category; NAME as the argument&apos;s name in the help</extracomment>
        <translation>Crée une catégorie de 50 images à partir de n’importe quel dossier d’images, quels que soient leurs noms, sans ouvrir de fenêtre. Elle est rangée avec les autres catégories que vous avez créées et porte le nom NOM, ou à défaut celui du dossier. Renvoie 0 si elle a été créée, 1 sinon, y compris quand une catégorie de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The argument of --make-category in the help, in capitals</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>With --make-category: the category&apos;s name.</source>
        <translation>Avec --make-category&#xa0;: le nom de la catégorie.</translation>
    </message>
    <message>
        <source>--check-pictures needs the folder to check.</source>
        <translation>--check-pictures attend le dossier à vérifier.</translation>
    </message>
    <message>
        <source>--screenshot needs the name of the PNG file to write.</source>
        <translation>--screenshot attend le nom du fichier PNG à écrire.</translation>
    </message>
    <message>
        <source>--make-category needs the folder of pictures.</source>
        <translation>--make-category attend le dossier d’images.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>No Name</source>
        <extracomment>The name a high score is entered under when the player gives none</extracomment>
        <translation>Sans nom</translation>
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
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>These are the all-time best Tilewise players:</source>
        <translation>Voici les meilleurs joueurs de Tilewise de tous les temps&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 x %2 match %3</source>
        <extracomment>The board the table is for: columns x rows, and the tiles in a set</extracomment>
        <translation>%1&#xa0;×&#xa0;%2, séries de %3</translation>
    </message>
</context>
<context>
    <name>IniText</name>
    <message>
        <source>cannot be checked, as no whole copy of it can be made beside it (%1)</source>
        <extracomment>Follows &quot;The file &lt;name&gt;&quot;; %1: why, such as &quot;the copy was cut short&quot;</extracomment>
        <translation>ne peut pas être vérifié, car aucune copie complète ne peut être faite à côté (%1)</translation>
    </message>
    <message>
        <source>the copy was cut short</source>
        <translation>la copie a été tronquée</translation>
    </message>
    <message>
        <source>the copy cannot be read back</source>
        <translation>la copie ne peut pas être relue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Starting new game...</source>
        <extracomment>Status bar: the steps of dealing a new game, each shown for a moment</extracomment>
        <translation>Préparation de la partie…</translation>
    </message>
    <message>
        <source>Unloading images...</source>
        <translation>Déchargement des images…</translation>
    </message>
    <message>
        <source>Randomizing array...</source>
        <translation>Mélange des tuiles…</translation>
    </message>
    <message>
        <source>A new game could not be started: Tilewise deals boards of 4 x 4 to 10 x 10 tiles with sets of 2 to 5 tiles. The game in progress goes on.</source>
        <translation>Impossible de commencer une nouvelle partie&#xa0;: Tilewise distribue des plateaux de 4&#xa0;×&#xa0;4 à 10&#xa0;×&#xa0;10 tuiles, avec des séries de 2 à 5 tuiles. La partie en cours continue.</translation>
    </message>
    <message>
        <source>Loading images...</source>
        <translation>Chargement des images…</translation>
    </message>
    <message>
        <source>Revealing all tiles...</source>
        <translation>Révélation des tuiles…</translation>
    </message>
    <message>
        <source>tilewise: the high score could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: le meilleur score n’a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>tilewise: the preferences could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: les préférences n’ont pas pu être enregistrées. %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game &gt; New: deals a new game</extracomment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Reveal All</source>
        <extracomment>Game &gt; Reveal All: gives the game up and turns every tile face up</extracomment>
        <translation>Tout &amp;révéler</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Meilleurs scores…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <extracomment>Edit &gt; Font: the font of the numbers on the tiles</extracomment>
        <translation>P&amp;olice…</translation>
    </message>
    <message>
        <source>&amp;New Category...</source>
        <extracomment>Edit &gt; New Category: makes a category of pictures from a folder of photos</extracomment>
        <translation>&amp;Nouvelle catégorie…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Tilewise...</source>
        <translation>À &amp;propos de Tilewise…</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Réussites&#xa0;:</translation>
    </message>
    <message>
        <source>Matches / Guesses</source>
        <translation>Réussites / essais</translation>
    </message>
    <message>
        <source>Uncovered Tiles:</source>
        <translation>Tuiles retournées&#xa0;:</translation>
    </message>
    <message>
        <source># uncovered / # required</source>
        <translation>Tuiles retournées / tuiles par série</translation>
    </message>
    <message>
        <source>Only the first 32 categories are listed.</source>
        <extracomment>Status bar, at start-up; the tool tip says more</extracomment>
        <translation>Liste limitée aux 32 premières catégories.</translation>
    </message>
    <message>
        <source>More than 32 category folders lie in %1; Preferences lists the first 32 by name.</source>
        <translation>%1 contient plus de 32 dossiers de catégories&#x202f;; les Préférences proposent les 32 premiers par ordre alphabétique.</translation>
    </message>
    <message>
        <source>With the categories you made in %1, there are more than 32; Preferences lists those of %2 first, then the ones you made, up to 32.</source>
        <translation>Avec les catégories que vous avez créées dans %1, il y en a plus de 32&#x202f;; les Préférences proposent d’abord celles de %2, puis les vôtres, jusqu’à 32.</translation>
    </message>
    <message>
        <source>Start matching tiles.</source>
        <translation>À vous de jouer&#xa0;: trouvez les séries&#x202f;!</translation>
    </message>
    <message>
        <source>No picture categories were found.

Tilewise looks for category folders inside a folder named &quot;imgs&quot; in %1. Until there is one, the tiles show numbered stand-ins.</source>
        <extracomment>&quot;imgs&quot; is a folder&apos;s name: keep it as it is</extracomment>
        <translation>Aucune catégorie d’images n’a été trouvée.

Tilewise cherche les dossiers de catégories dans un dossier nommé «&#xa0;imgs&#xa0;» situé dans %1. En attendant, les tuiles affichent des images de remplacement numérotées.</translation>
    </message>
    <message>
        <source>Your preferences could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>Vos préférences n’ont pas pu être enregistrées. %1</translation>
    </message>
    <message>
        <source>Exiting Tilewise...</source>
        <translation>Fermeture de Tilewise…</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <extracomment>Spoken by a screen reader when a turn ends without a set; %1: the picture just turned</extracomment>
        <translation>Raté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Match: %1</source>
        <extracomment>Spoken by a screen reader when a turn finds a set; %1: the picture just turned</extracomment>
        <translation>Série trouvée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Concentrate!</source>
        <extracomment>Status bar, after a turn that found no set</extracomment>
        <translation>Concentrez-vous&#x202f;!</translation>
    </message>
    <message>
        <source>Cool. You matched.</source>
        <extracomment>Status bar, after a turn that found a set</extracomment>
        <translation>Super&#x202f;! Série trouvée.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#x202f;!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
    <message>
        <source>Your score of %1% is one of the all-time best scores.  Please enter your name</source>
        <extracomment>%1: the score, in percent</extracomment>
        <translation>Votre score de %1&#xa0;% fait partie des meilleurs de tous les temps. Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>High score saved.</source>
        <extracomment>Spoken by a screen reader once the name is entered</extracomment>
        <translation>Meilleur score enregistré.</translation>
    </message>
    <message>
        <source>The high score could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>Le meilleur score n’a pas pu être enregistré. %1</translation>
    </message>
    <message>
        <source>Your score no longer makes the top ten for this board: better scores were entered meanwhile.</source>
        <translation>Votre score ne figure plus parmi les dix meilleurs pour ce plateau&#xa0;: de meilleurs scores ont été enregistrés entre-temps.</translation>
    </message>
</context>
<context>
    <name>MakeCategoryCommand</name>
    <message>
        <source>Making pictures: %1 of %2</source>
        <translation>Création des images&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Looking at files: %1 of %2</source>
        <translation>Examen des fichiers&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Remove it first, or give another NAME: the command line replaces no category.</source>
        <extracomment>NAME as the command line&apos;s help names it</extracomment>
        <translation>Supprimez-la d’abord, ou donnez un autre NOM&#xa0;: en ligne de commande, aucune catégorie n’est remplacée.</translation>
    </message>
</context>
<context>
    <name>MessageFilter</name>
    <message>
        <source>tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>tilewise: impossible d’ouvrir un affichage&#x202f;; définissez DISPLAY ou WAYLAND_DISPLAY</translation>
    </message>
</context>
<context>
    <name>NewCategory</name>
    <message>
        <source>New Category</source>
        <extracomment>The title of the boxes of Edit &gt; New Category</extracomment>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Choisissez un dossier d’images</translation>
    </message>
    <message>
        <source>The new category&apos;s name:</source>
        <translation>Nom de la nouvelle catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already. Replace it with the pictures of %2?</source>
        <extracomment>%1: the category&apos;s name, %2: the folder chosen</extracomment>
        <translation>Une catégorie nommée «&#xa0;%1&#xa0;» existe déjà. La remplacer par les images de %2&#x202f;?</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Examen des fichiers…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Making the pictures of &quot;%1&quot;...</source>
        <translation>Création des images de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Choose it in Edit &gt; Preferences.</source>
        <extracomment>Edit &gt; Preferences: the menu and its item, as they are named in the menus</extracomment>
        <translation>Choisissez-la dans Édition &gt; Préférences.</translation>
    </message>
    <message>
        <source>It is not listed in Edit &gt; Preferences, which lists only the first 32 categories.</source>
        <translation>Elle n’apparaît pas dans Édition &gt; Préférences, qui ne liste que les 32 premières catégories.</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>is too large: %1 bytes, over %2</source>
        <extracomment>Said after a picture&apos;s file name: its size, and the largest the game shows</extracomment>
        <translation>est trop volumineux&#xa0;: %1 octets, au-delà de %2</translation>
    </message>
    <message>
        <source>is too large: %1 x %2 pixels, over %3 on a side</source>
        <extracomment>Said after a picture&apos;s file name</extracomment>
        <translation>est trop grand&#xa0;: %1&#xa0;×&#xa0;%2 pixels, plus de %3 sur un côté</translation>
    </message>
    <message>
        <source>does not read as a picture (%1)</source>
        <extracomment>Said after a picture&apos;s file name; %1: the image reader&apos;s reason</extracomment>
        <translation>ne peut pas être lu comme une image (%1)</translation>
    </message>
    <message>
        <source>%1 is not named img000 to img049</source>
        <extracomment>%1: a file&apos;s name; the names img000 to img049 stay as they are</extracomment>
        <translation>%1 ne porte pas un nom entre img000 et img049</translation>
    </message>
    <message>
        <source>%1 is not a .gif, .jpg, .jpeg or .png file</source>
        <translation>%1 n’est pas un fichier .gif, .jpg, .jpeg ou .png</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A picture&apos;s file name and what is wrong with it: &quot;img003.jpg is too large: ...&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>same picture in %1</source>
        <extracomment>%1: the files, such as &quot;img003.jpg, img017.jpg&quot;</extracomment>
        <translation>même image dans %1</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1: the pictures, such as &quot;img003, img010-img049&quot;</extracomment>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the picture check: a category&apos;s name and what was found in it</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A category with all its pictures</extracomment>
        <translation>complète</translation>
    </message>
    <message>
        <source>incomplete: %1 missing, %2 unreadable, %3 too large, %4 repeated</source>
        <extracomment>Counts of pictures</extracomment>
        <translation>incomplète&#xa0;: %1 manquantes, %2 illisibles, %3 trop grandes, %4 en double</translation>
    </message>
    <message>
        <source>%1: there is no folder of that name</source>
        <translation>%1&#xa0;: aucun dossier de ce nom</translation>
    </message>
    <message>
        <source>%1: holds no category (no folders, and no pictures named img000.jpg to img049.jpg, .gif or .png)</source>
        <translation>%1&#xa0;: ne contient aucune catégorie (ni dossier, ni image nommée de img000.jpg à img049.jpg, .gif ou .png)</translation>
    </message>
    <message>
        <source>To make a category of pictures named in any way: tilewise --make-category FOLDER [NAME]</source>
        <extracomment>FOLDER and NAME as the command line&apos;s help names them</extracomment>
        <translation>Pour créer une catégorie à partir d’images aux noms quelconques&#xa0;: tilewise --make-category DOSSIER [NOM]</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>does not exist</source>
        <extracomment>Why a file is not read, said after the file&apos;s name: &quot;The file NAME does not exist&quot;</extracomment>
        <translation>n’existe pas</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>dépasse %1 octets</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a file is not read, said after the file&apos;s name; %1: the system&apos;s reason</extracomment>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message numerus="yes">
        <source>%Ln Tiles</source>
        <extracomment>An option of the Match frame: sets of this many tiles</extracomment>
        <translation>
            <numerusform>%Ln tuile</numerusform>
            <numerusform>%Ln tuiles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>An option of the Board Size frame: columns x rows</extracomment>
        <translation>%1&#xa0;×&#xa0;%2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <extracomment>The picture category of the next game</extracomment>
        <translation>&amp;Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>&amp;Taille du plateau</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <extracomment>The frame of the set sizes: how many tiles of one picture make a set</extracomment>
        <translation>Taille des &amp;séries</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <extracomment>Sets every choice back to the game&apos;s first one</extracomment>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <extracomment>The number of players; the row lies below the dialog&apos;s visible area</extracomment>
        <translation>&amp;Joueurs&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Settings file damaged; a copy was kept.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuration endommagée&#x202f;; copie gardée.</translation>
    </message>
    <message>
        <source>The settings file could not be read whole. It was copied to %1 before Tilewise writes it again.</source>
        <extracomment>%1: the copy&apos;s file name</extracomment>
        <translation>Le fichier de configuration n’a pas pu être lu en entier. Il a été copié dans %1 avant que Tilewise ne le réécrive.</translation>
    </message>
    <message>
        <source>Settings file unusable; nothing can be saved.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuration inutilisable&#x202f;; rien n’est enregistré.</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside either: the game starts with the default preferences, and nothing is saved until it is removed.</source>
        <extracomment>%1: the sentence that says why the file is not read</extracomment>
        <translation>%1 Il n’a pas non plus pu être mis de côté&#xa0;: le jeu démarre avec les préférences par défaut, et rien n’est enregistré tant qu’il n’est pas supprimé.</translation>
    </message>
    <message>
        <source>Settings file unusable; it was moved aside.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuration inutilisable&#x202f;; fichier mis de côté.</translation>
    </message>
    <message>
        <source>%1 It was renamed to %2, and a new settings file is written in its place.</source>
        <extracomment>%1: the sentence that says why the file is not read, %2: its new name</extracomment>
        <translation>%1 Il a été renommé en %2, et un nouveau fichier de configuration est écrit à sa place.</translation>
    </message>
    <message>
        <source>Settings file unreadable: %1</source>
        <extracomment>Status bar at start-up, kept short; %1: the settings file</extracomment>
        <translation>Configuration illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>The settings file %1 %2. The game starts with the default preferences, and they cannot be saved there.</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;cannot be read (Permission denied)&quot;</extracomment>
        <translation>Le fichier de configuration %1 %2. Le jeu démarre avec les préférences par défaut, qui ne pourront pas y être enregistrées.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (it is a FIFO, a device, a link to one, or larger than %2 MB), so Tilewise does not read it.</source>
        <extracomment>The start of a status bar tool tip; %1: the settings file, %2: the largest size read</extracomment>
        <translation>%1 n’est pas un fichier ordinaire (c’est un FIFO, un périphérique, un lien vers l’un d’eux, ou il dépasse %2&#xa0;Mo)&#xa0;: Tilewise ne le lit donc pas.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Its lock %1 is not a plain file.</source>
        <extracomment>Why the settings were not saved; %1: the lock file beside the settings file</extracomment>
        <translation>Le fichier de verrouillage %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Its lock %1 is held by another program.</source>
        <translation>Le fichier de verrouillage %1 est pris par un autre programme.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be made.</source>
        <translation>Le fichier de verrouillage %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a settings file.</source>
        <translation>%1 est un dossier, pas un fichier de configuration.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>Le fichier %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The file %1 %2.</source>
        <extracomment>%1: the settings file, %2: why it is not read, such as &quot;is not a plain file&quot;
----------
%1: the settings file, %2: why it cannot be checked, such as &quot;cannot be checked, ...&quot;</extracomment>
        <translation>Le fichier %1 %2.</translation>
    </message>
    <message>
        <source>The file %1 is damaged, and no copy of it can be kept.</source>
        <translation>Le fichier %1 est endommagé, et aucune copie ne peut en être gardée.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;the disk may be full&quot;</extracomment>
        <translation>Le fichier %1 ne peut pas être écrit (%2).</translation>
    </message>
    <message>
        <source>the new content was not written</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>le nouveau contenu n’a pas été écrit</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>is a folder</source>
        <extracomment>Why the settings file is not read, said after its name</extracomment>
        <translation>est un dossier</translation>
    </message>
</context>
<context>
    <name>SourcePictures</name>
    <message>
        <source>%1 MB</source>
        <extracomment>A picture&apos;s size in megabytes, in a list of files too large</extracomment>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large</extracomment>
        <translation>%1&#xa0;×&#xa0;%2 pixels</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to list it.</source>
        <extracomment>%1: the folder of pictures chosen</extracomment>
        <translation>%1 ne peut pas être lu&#xa0;: vous n’avez pas l’autorisation d’en lister le contenu.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels: a %3 file is decoded whole, up to %4 megapixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large; %3: its kind, such as TIFF</extracomment>
        <translation>%1&#xa0;×&#xa0;%2 pixels&#xa0;: un fichier %3 est décodé en entier, jusqu’à %4&#xa0;mégapixels</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>Picture missing or unreadable: %1</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>Image manquante ou illisible&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Picture missing or unreadable: %1 and %Ln more</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>
            <numerusform>Images manquantes ou illisibles&#xa0;: %1 et %Ln autre</numerusform>
            <numerusform>Images manquantes ou illisibles&#xa0;: %1 et %Ln autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of files cut short</extracomment>
        <translation>
            <numerusform>et %Ln autre</numerusform>
            <numerusform>et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures missing or unreadable:
%1</source>
        <extracomment>The status bar&apos;s tool tip; %1: the files, one a line</extracomment>
        <translation>Images manquantes ou illisibles&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>TileBoard</name>
    <message>
        <source>Face down, %1. %2</source>
        <extracomment>A face-down tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;, %2: its tool tip</extracomment>
        <translation>Face cachée, %1. %2</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <extracomment>A face-down tile&apos;s name, as a screen reader says it; %1: the number it shows</extracomment>
        <translation>Tuile %1</translation>
    </message>
    <message>
        <source>Face up, %1</source>
        <extracomment>A face-up tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;</extracomment>
        <translation>Face visible, %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The picture of a tile left over, which belongs to no set, as a screen reader says it</extracomment>
        <translation>libre</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A face-up tile, as a screen reader says it; %1: its number, %2: its picture (&quot;cat face&quot;)</extracomment>
        <translation>Tuile %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Spoken when an arrow key finds no tile beyond the board&apos;s edge</extracomment>
        <translation>Bord</translation>
    </message>
</context>
<context>
    <name>TileTexts</name>
    <message numerus="yes">
        <source>Uncovered %Ln times before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text from 2 on; give every plural form.</extracomment>
        <translation>
            <numerusform>Retournée %Ln fois jusqu’ici</numerusform>
            <numerusform>Retournée %Ln fois jusqu’ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uncovered %Ln time before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text for 0 and 1; give every plural form.</extracomment>
        <translation>
            <numerusform>Retournée %Ln fois jusqu’ici</numerusform>
            <numerusform>Retournée %Ln fois jusqu’ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ve clicked this %Ln times already.</source>
        <extracomment>Status bar, when a tile is turned again; said from 2 times before on</extracomment>
        <translation>
            <numerusform>Vous l’avez déjà retournée %Ln fois.</numerusform>
            <numerusform>Vous l’avez déjà retournée %Ln fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Where a tile lies, as a screen reader says it</extracomment>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Matches: %1 / %2,  %3% </source>
        <extracomment>Status bar panel 1, kept short: sets found / turns taken, and the share of the turns that found a set, in percent</extracomment>
        <translation>Réussites&#xa0;: %1 / %2, %3&#xa0;% </translation>
    </message>
    <message>
        <source>Uncovered: %1 / %2</source>
        <extracomment>Status bar panel 2, kept short: tiles face up in this turn / tiles a set has</extracomment>
        <translation>Retournées&#xa0;: %1 / %2</translation>
    </message>
    <message>
        <source>You Finished.  You matched %1 out of %2, or  %3%</source>
        <extracomment>The result box at the end of a game: sets found, turns taken, and the share in percent</extracomment>
        <translation>Partie terminée&#x202f;! Vous avez trouvé %1 séries en %2 essais, soit %3&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>Tile number: %1</source>
        <extracomment>Status bar, while the player types a tile&apos;s number</extracomment>
        <translation>Numéro de tuile&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is no face-down tile %1.</source>
        <extracomment>Status bar, when a typed number names no tile to turn</extracomment>
        <translation>Aucune tuile %1 face cachée.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tilewise: cannot write %1</source>
        <extracomment>Printed when --screenshot cannot write its file; %1: the file</extracomment>
        <translation>tilewise: impossible d’écrire %1</translation>
    </message>
    <message>
        <source>tilewise: pictures missing or unreadable: %1, such as %2</source>
        <extracomment>Printed by --screenshot; %1: how many pictures, %2: the first one&apos;s file</extracomment>
        <translation>tilewise: images manquantes ou illisibles&#xa0;: %1, dont %2</translation>
    </message>
</context>
</TS>
