<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tilewise</source>
        <translation>Acerca de Tilewise</translation>
    </message>
    <message>
        <source>Pictures rendered from</source>
        <extracomment>Followed on the next line by the font&apos;s name and licence</extracomment>
        <translation>Imágenes generadas a partir de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>How the date of the first release is written, as a QDate format: d is the day, MMMM the month&apos;s name, yyyy the year; text in single quotes stays as it is. German might write &quot;d. MMMM yyyy&quot;, Spanish &quot;d &apos;de&apos; MMMM &apos;de&apos; yyyy&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>A game to test your memory skills</source>
        <translation>Un juego para poner a prueba tu memoria</translation>
    </message>
</context>
<context>
    <name>CategoryMaker</name>
    <message>
        <source>Cannot move the new category to %1.</source>
        <translation>No se puede mover la categoría nueva a %1.</translation>
    </message>
    <message>
        <source>Cannot replace %1.</source>
        <translation>No se puede reemplazar %1.</translation>
    </message>
    <message>
        <source>A category needs a name.</source>
        <translation>La categoría necesita un nombre.</translation>
    </message>
    <message>
        <source>A category&apos;s name holds at most %1 characters.</source>
        <translation>El nombre de una categoría tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a category: a name holds no / or \ or .., and starts with no dot.</source>
        <translation>«%1» no sirve como nombre de categoría: un nombre no contiene / ni \ ni .., ni empieza por un punto.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelado: no se escribió nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a category the game has already. Choose another name.</source>
        <translation>El juego ya tiene una categoría llamada «%1». Elige otro nombre.</translation>
    </message>
    <message>
        <source>There is no home folder to keep it in.</source>
        <extracomment>Said of the new category</extracomment>
        <translation>No hay ninguna carpeta personal donde guardarla.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already: %2.</source>
        <extracomment>%1: the category&apos;s name, %2: its folder</extracomment>
        <translation>Ya existe una categoría llamada «%1»: %2.</translation>
    </message>
    <message>
        <source>Usable pictures in %1: %2 of the %3 a category needs; add %4 more. Nothing was written.</source>
        <extracomment>%1: the folder, %2: the pictures found, %3: 50, %4: how many are missing</extracomment>
        <translation>Imágenes utilizables en %1: %2 de las %3 que necesita una categoría; añade %4 más. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2</source>
        <extracomment>%1: a folder, %2: why</extracomment>
        <translation>No se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1: a file, %2: why</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Made the category &quot;%1&quot; from %2 files: %3 pictures, in %4.</source>
        <extracomment>%1: the category&apos;s name, %2: the files in the folder, %3: 50, %4: the new folder</extracomment>
        <translation>Se creó la categoría «%1» a partir de %2 archivos: %3 imágenes, en %4.</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The end of a list of files cut short</extracomment>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, %1 (%2): %3</source>
        <extracomment>%1: why, such as &quot;not read as pictures&quot;, %2: how many files, %3: the files</extracomment>
        <translation>Omitidos, %1 (%2): %3</translation>
    </message>
    <message>
        <source>not read as pictures</source>
        <extracomment>Why files were skipped: &quot;Skipped, not read as pictures (3): ...&quot;</extracomment>
        <translation>no legibles como imágenes</translation>
    </message>
    <message>
        <source>exact copies of files before them</source>
        <extracomment>Why files were skipped: &quot;Skipped, exact copies of files before them (2): ...&quot;</extracomment>
        <translation>copias exactas de archivos anteriores</translation>
    </message>
    <message>
        <source>over %1 MB or %2 megapixels</source>
        <extracomment>Why files were skipped: &quot;Skipped, over 20 MB or 50 megapixels (1): ...&quot;</extracomment>
        <translation>de más de %1 MB o %2 megapíxeles</translation>
    </message>
    <message>
        <source>not ordinary files, never opened</source>
        <extracomment>Why files were skipped: &quot;Skipped, not ordinary files, never opened (1): ...&quot;</extracomment>
        <translation>archivos especiales, sin abrir</translation>
    </message>
    <message numerus="yes">
        <source>Left out: %Ln more pictures. A category holds %1, taken evenly over the folder by file name.</source>
        <extracomment>%Ln: the usable pictures beyond 50, %1: 50</extracomment>
        <translation>
            <numerusform>Se descartó %Ln imagen más. Una categoría tiene %1, elegidas de forma uniforme en toda la carpeta según el nombre de archivo.</numerusform>
            <numerusform>Se descartaron %Ln imágenes más. Una categoría tiene %1, elegidas de forma uniforme en toda la carpeta según el nombre de archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source> The category it replaced could not be removed in full: what is left is in %1.</source>
        <extracomment>Follows &quot;Made the category ...&quot;: %1 is a folder</extracomment>
        <translation> No se pudo borrar del todo la categoría reemplazada: lo que queda está en %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A memory game: find the sets of matching pictures under numbered tiles.</source>
        <translation>Un juego de memoria: encuentra los grupos de imágenes iguales bajo las fichas numeradas.</translation>
    </message>
    <message>
        <source>Checks a picture folder (an imgs folder or one category) without opening a window: missing, unreadable, oversized and duplicate pictures. Exits 0 when every category is complete, 1 otherwise.</source>
        <extracomment>Help for --check-pictures; &quot;imgs&quot; is a folder&apos;s name and stays as it is</extracomment>
        <translation>Comprueba una carpeta de imágenes (una carpeta imgs o una sola categoría) sin abrir ninguna ventana: imágenes que faltan, ilegibles, demasiado grandes o repetidas. Termina con 0 si todas las categorías están completas y con 1 en caso contrario.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <extracomment>The value of --check-pictures in the help, in capitals</extracomment>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Starts as usual, saves a PNG of the window once the first board is dealt and its pictures shown, and quits; exits 1 when a picture could not be shown.</source>
        <translation>Se inicia como de costumbre, guarda un PNG de la ventana en cuanto se reparte el primer tablero y se muestran sus imágenes, y sale; termina con 1 si alguna imagen no se pudo mostrar.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --screenshot in the help, in capitals</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Makes a picture category of 50 pictures from any folder of pictures, whatever their names, without opening a window. It is kept with your other made categories and named NAME, or after the folder. Exits 0 when made, 1 otherwise, also when a category of that name exists.</source>
        <extracomment>Help for --make-category; NAME as the argument&apos;s name in the help</extracomment>
        <translation>Crea una categoría de 50 imágenes a partir de cualquier carpeta de imágenes, tengan el nombre que tengan, sin abrir ninguna ventana. Se guarda junto a las demás categorías que hayas creado, con el nombre NOMBRE o, si no se indica, con el de la carpeta. Termina con 0 si se crea y con 1 en caso contrario, también cuando ya existe una categoría con ese nombre.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The argument of --make-category in the help, in capitals</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>With --make-category: the category&apos;s name.</source>
        <translation>Con --make-category: el nombre de la categoría.</translation>
    </message>
    <message>
        <source>--check-pictures needs the folder to check.</source>
        <translation>--check-pictures necesita la carpeta que se va a comprobar.</translation>
    </message>
    <message>
        <source>--screenshot needs the name of the PNG file to write.</source>
        <translation>--screenshot necesita el nombre del archivo PNG que se va a escribir.</translation>
    </message>
    <message>
        <source>--make-category needs the folder of pictures.</source>
        <translation>--make-category necesita la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
</context>
<context>
    <name>GameState</name>
    <message>
        <source>No Name</source>
        <extracomment>The name a high score is entered under when the player gives none</extracomment>
        <translation>Sin nombre</translation>
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
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>These are the all-time best Tilewise players:</source>
        <translation>Los mejores jugadores de Tilewise de todos los tiempos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1 x %2 match %3</source>
        <extracomment>The board the table is for: columns x rows, and the tiles in a set</extracomment>
        <translation>%1 × %2, grupos de %3</translation>
    </message>
</context>
<context>
    <name>IniText</name>
    <message>
        <source>cannot be checked, as no whole copy of it can be made beside it (%1)</source>
        <extracomment>Follows &quot;The file &lt;name&gt;&quot;; %1: why, such as &quot;the copy was cut short&quot;</extracomment>
        <translation>no se puede comprobar, porque no se puede hacer una copia completa a su lado (%1)</translation>
    </message>
    <message>
        <source>the copy was cut short</source>
        <translation>la copia quedó cortada</translation>
    </message>
    <message>
        <source>the copy cannot be read back</source>
        <translation>la copia no se puede volver a leer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Starting new game...</source>
        <extracomment>Status bar: the steps of dealing a new game, each shown for a moment</extracomment>
        <translation>Empezando una partida nueva…</translation>
    </message>
    <message>
        <source>Unloading images...</source>
        <translation>Retirando las imágenes…</translation>
    </message>
    <message>
        <source>Randomizing array...</source>
        <translation>Barajando las fichas…</translation>
    </message>
    <message>
        <source>A new game could not be started: Tilewise deals boards of 4 x 4 to 10 x 10 tiles with sets of 2 to 5 tiles. The game in progress goes on.</source>
        <translation>No se pudo empezar una partida nueva: Tilewise reparte tableros de 4 × 4 a 10 × 10 fichas con grupos de 2 a 5 fichas. La partida en curso continúa.</translation>
    </message>
    <message>
        <source>Loading images...</source>
        <translation>Cargando las imágenes…</translation>
    </message>
    <message>
        <source>Revealing all tiles...</source>
        <translation>Descubriendo todas las fichas…</translation>
    </message>
    <message>
        <source>tilewise: the high score could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: no se pudo guardar la puntuación. %1</translation>
    </message>
    <message>
        <source>tilewise: the preferences could not be saved. %1</source>
        <extracomment>Printed when the program is ended from outside; %1: why, a sentence</extracomment>
        <translation>tilewise: no se pudieron guardar las preferencias. %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <extracomment>Game &gt; New: deals a new game</extracomment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Reveal All</source>
        <extracomment>Game &gt; Reveal All: gives the game up and turns every tile face up</extracomment>
        <translation>&amp;Descubrir todas</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Mejores puntuaciones…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias…</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <extracomment>Edit &gt; Font: the font of the numbers on the tiles</extracomment>
        <translation>&amp;Tipo de letra…</translation>
    </message>
    <message>
        <source>&amp;New Category...</source>
        <extracomment>Edit &gt; New Category: makes a category of pictures from a folder of photos</extracomment>
        <translation>&amp;Nueva categoría…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Tilewise...</source>
        <translation>&amp;Acerca de Tilewise…</translation>
    </message>
    <message>
        <source>Matches:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Matches / Guesses</source>
        <translation>Aciertos / intentos</translation>
    </message>
    <message>
        <source>Uncovered Tiles:</source>
        <translation>Fichas descubiertas:</translation>
    </message>
    <message>
        <source># uncovered / # required</source>
        <translation>Fichas descubiertas / fichas necesarias</translation>
    </message>
    <message>
        <source>Only the first 32 categories are listed.</source>
        <extracomment>Status bar, at start-up; the tool tip says more</extracomment>
        <translation>Solo se listan las 32 primeras categorías.</translation>
    </message>
    <message>
        <source>More than 32 category folders lie in %1; Preferences lists the first 32 by name.</source>
        <translation>Hay más de 32 carpetas de categorías en %1; Preferencias muestra las 32 primeras por orden alfabético.</translation>
    </message>
    <message>
        <source>With the categories you made in %1, there are more than 32; Preferences lists those of %2 first, then the ones you made, up to 32.</source>
        <translation>Con las categorías que has creado en %1 hay más de 32; Preferencias muestra primero las de %2 y después las tuyas, hasta llegar a 32.</translation>
    </message>
    <message>
        <source>Start matching tiles.</source>
        <translation>Empieza a buscar fichas iguales.</translation>
    </message>
    <message>
        <source>No picture categories were found.

Tilewise looks for category folders inside a folder named &quot;imgs&quot; in %1. Until there is one, the tiles show numbered stand-ins.</source>
        <extracomment>&quot;imgs&quot; is a folder&apos;s name: keep it as it is</extracomment>
        <translation>No se encontró ninguna categoría de imágenes.

Tilewise busca carpetas de categorías dentro de una carpeta llamada «imgs» en %1. Mientras no haya ninguna, las fichas muestran números en lugar de imágenes.</translation>
    </message>
    <message>
        <source>Your preferences could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>No se pudieron guardar tus preferencias. %1</translation>
    </message>
    <message>
        <source>Exiting Tilewise...</source>
        <translation>Saliendo de Tilewise…</translation>
    </message>
    <message>
        <source>No match: %1</source>
        <extracomment>Spoken by a screen reader when a turn ends without a set; %1: the picture just turned</extracomment>
        <translation>Fallo: %1</translation>
    </message>
    <message>
        <source>Match: %1</source>
        <extracomment>Spoken by a screen reader when a turn finds a set; %1: the picture just turned</extracomment>
        <translation>Acierto: %1</translation>
    </message>
    <message>
        <source>Concentrate!</source>
        <extracomment>Status bar, after a turn that found no set</extracomment>
        <translation>¡Concéntrate!</translation>
    </message>
    <message>
        <source>Cool. You matched.</source>
        <extracomment>Status bar, after a turn that found a set</extracomment>
        <translation>¡Genial! ¡Acierto!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>New High Score</source>
        <translation>Nueva mejor puntuación</translation>
    </message>
    <message>
        <source>Your score of %1% is one of the all-time best scores.  Please enter your name</source>
        <extracomment>%1: the score, in percent</extracomment>
        <translation>Tu puntuación, %1&#xa0;%, es una de las mejores de todos los tiempos. Escribe tu nombre:</translation>
    </message>
    <message>
        <source>High score saved.</source>
        <extracomment>Spoken by a screen reader once the name is entered</extracomment>
        <translation>Puntuación guardada.</translation>
    </message>
    <message>
        <source>The high score could not be saved. %1</source>
        <extracomment>%1: why, a sentence of its own</extracomment>
        <translation>No se pudo guardar la puntuación. %1</translation>
    </message>
    <message>
        <source>Your score no longer makes the top ten for this board: better scores were entered meanwhile.</source>
        <translation>Tu puntuación ya no está entre las diez mejores de este tablero: mientras tanto se registraron otras mejores.</translation>
    </message>
</context>
<context>
    <name>MakeCategoryCommand</name>
    <message>
        <source>Making pictures: %1 of %2</source>
        <translation>Creando imágenes: %1 de %2</translation>
    </message>
    <message>
        <source>Looking at files: %1 of %2</source>
        <translation>Examinando archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Remove it first, or give another NAME: the command line replaces no category.</source>
        <extracomment>NAME as the command line&apos;s help names it</extracomment>
        <translation>Elimínala primero o indica otro NOMBRE: la línea de órdenes no reemplaza ninguna categoría.</translation>
    </message>
</context>
<context>
    <name>MessageFilter</name>
    <message>
        <source>tilewise: cannot open a display; set DISPLAY or WAYLAND_DISPLAY</source>
        <translation>tilewise: no se puede abrir ninguna pantalla; define DISPLAY o WAYLAND_DISPLAY</translation>
    </message>
</context>
<context>
    <name>NewCategory</name>
    <message>
        <source>New Category</source>
        <extracomment>The title of the boxes of Edit &gt; New Category</extracomment>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Choose a folder of pictures</source>
        <translation>Elige una carpeta de imágenes</translation>
    </message>
    <message>
        <source>The new category&apos;s name:</source>
        <translation>Nombre de la categoría nueva:</translation>
    </message>
    <message>
        <source>A category named &quot;%1&quot; exists already. Replace it with the pictures of %2?</source>
        <extracomment>%1: the category&apos;s name, %2: the folder chosen</extracomment>
        <translation>Ya existe una categoría llamada «%1». ¿Quieres reemplazarla por las imágenes de %2?</translation>
    </message>
    <message>
        <source>Looking at the files...</source>
        <translation>Examinando los archivos…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Making the pictures of &quot;%1&quot;...</source>
        <translation>Creando las imágenes de «%1»…</translation>
    </message>
    <message>
        <source>Choose it in Edit &gt; Preferences.</source>
        <extracomment>Edit &gt; Preferences: the menu and its item, as they are named in the menus</extracomment>
        <translation>Elígela en Editar &gt; Preferencias.</translation>
    </message>
    <message>
        <source>It is not listed in Edit &gt; Preferences, which lists only the first 32 categories.</source>
        <translation>No aparece en Editar &gt; Preferencias, que solo muestra las 32 primeras categorías.</translation>
    </message>
</context>
<context>
    <name>PictureCheck</name>
    <message>
        <source>is too large: %1 bytes, over %2</source>
        <extracomment>Said after a picture&apos;s file name: its size, and the largest the game shows</extracomment>
        <translation>es demasiado grande: %1 bytes, más de %2</translation>
    </message>
    <message>
        <source>is too large: %1 x %2 pixels, over %3 on a side</source>
        <extracomment>Said after a picture&apos;s file name</extracomment>
        <translation>es demasiado grande: %1 × %2 píxeles, más de %3 por lado</translation>
    </message>
    <message>
        <source>does not read as a picture (%1)</source>
        <extracomment>Said after a picture&apos;s file name; %1: the image reader&apos;s reason</extracomment>
        <translation>no se puede leer como imagen (%1)</translation>
    </message>
    <message>
        <source>%1 is not named img000 to img049</source>
        <extracomment>%1: a file&apos;s name; the names img000 to img049 stay as they are</extracomment>
        <translation>el nombre de %1 no va de img000 a img049</translation>
    </message>
    <message>
        <source>%1 is not a .gif, .jpg, .jpeg or .png file</source>
        <translation>%1 no es un archivo .gif, .jpg, .jpeg ni .png</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A picture&apos;s file name and what is wrong with it: &quot;img003.jpg is too large: ...&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>same picture in %1</source>
        <extracomment>%1: the files, such as &quot;img003.jpg, img017.jpg&quot;</extracomment>
        <translation>misma imagen en %1</translation>
    </message>
    <message>
        <source>missing %1</source>
        <extracomment>%1: the pictures, such as &quot;img003, img010-img049&quot;</extracomment>
        <translation>faltan %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the picture check: a category&apos;s name and what was found in it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A category with all its pictures</extracomment>
        <translation>completa</translation>
    </message>
    <message>
        <source>incomplete: %1 missing, %2 unreadable, %3 too large, %4 repeated</source>
        <extracomment>Counts of pictures</extracomment>
        <translation>incompleta (faltan: %1; ilegibles: %2; demasiado grandes: %3; repetidas: %4)</translation>
    </message>
    <message>
        <source>%1: there is no folder of that name</source>
        <translation>%1: no hay ninguna carpeta con ese nombre</translation>
    </message>
    <message>
        <source>%1: holds no category (no folders, and no pictures named img000.jpg to img049.jpg, .gif or .png)</source>
        <translation>%1: no contiene ninguna categoría (ni carpetas ni imágenes con nombres de img000.jpg a img049.jpg, .gif o .png)</translation>
    </message>
    <message>
        <source>To make a category of pictures named in any way: tilewise --make-category FOLDER [NAME]</source>
        <extracomment>FOLDER and NAME as the command line&apos;s help names them</extracomment>
        <translation>Para crear una categoría con imágenes de cualquier nombre: tilewise --make-category CARPETA [NOMBRE]</translation>
    </message>
</context>
<context>
    <name>PlainFile</name>
    <message>
        <source>does not exist</source>
        <extracomment>Why a file is not read, said after the file&apos;s name: &quot;The file NAME does not exist&quot;</extracomment>
        <translation>no existe</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is larger than %1 bytes</source>
        <extracomment>Why a file is not read, said after the file&apos;s name</extracomment>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <extracomment>Why a file is not read, said after the file&apos;s name; %1: the system&apos;s reason</extracomment>
        <translation>no se puede leer (%1)</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message numerus="yes">
        <source>%Ln Tiles</source>
        <extracomment>An option of the Match frame: sets of this many tiles</extracomment>
        <translation>
            <numerusform>%Ln ficha</numerusform>
            <numerusform>%Ln fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <extracomment>An option of the Board Size frame: columns x rows</extracomment>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <extracomment>The picture category of the next game</extracomment>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Board Size</source>
        <translation>&amp;Tamaño del tablero</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <extracomment>The frame of the set sizes: how many tiles of one picture make a set</extracomment>
        <translation>Fichas por &amp;grupo</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <extracomment>Sets every choice back to the game&apos;s first one</extracomment>
        <translation>&amp;Predeterminados</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <extracomment>The number of players; the row lies below the dialog&apos;s visible area</extracomment>
        <translation>&amp;Jugadores:</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>Settings file damaged; a copy was kept.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuración dañada; se guardó una copia.</translation>
    </message>
    <message>
        <source>The settings file could not be read whole. It was copied to %1 before Tilewise writes it again.</source>
        <extracomment>%1: the copy&apos;s file name</extracomment>
        <translation>No se pudo leer entero el archivo de configuración. Se copió en %1 antes de que Tilewise lo vuelva a escribir.</translation>
    </message>
    <message>
        <source>Settings file unusable; nothing can be saved.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuración inservible; no se guarda nada.</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside either: the game starts with the default preferences, and nothing is saved until it is removed.</source>
        <extracomment>%1: the sentence that says why the file is not read</extracomment>
        <translation>%1 Tampoco se pudo apartar: el juego empieza con las preferencias predeterminadas y no se guarda nada hasta que se elimine.</translation>
    </message>
    <message>
        <source>Settings file unusable; it was moved aside.</source>
        <extracomment>Status bar at start-up, kept short; the tool tip says more</extracomment>
        <translation>Configuración inservible; se renombró.</translation>
    </message>
    <message>
        <source>%1 It was renamed to %2, and a new settings file is written in its place.</source>
        <extracomment>%1: the sentence that says why the file is not read, %2: its new name</extracomment>
        <translation>%1 Se renombró como %2 y en su lugar se escribe un archivo de configuración nuevo.</translation>
    </message>
    <message>
        <source>Settings file unreadable: %1</source>
        <extracomment>Status bar at start-up, kept short; %1: the settings file</extracomment>
        <translation>Configuración ilegible: %1</translation>
    </message>
    <message>
        <source>The settings file %1 %2. The game starts with the default preferences, and they cannot be saved there.</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;cannot be read (Permission denied)&quot;</extracomment>
        <translation>El archivo de configuración %1 %2. El juego empieza con las preferencias predeterminadas, que no se podrán guardar ahí.</translation>
    </message>
    <message>
        <source>%1 is not a plain file (it is a FIFO, a device, a link to one, or larger than %2 MB), so Tilewise does not read it.</source>
        <extracomment>The start of a status bar tool tip; %1: the settings file, %2: the largest size read</extracomment>
        <translation>%1 no es un archivo normal (es una FIFO, un dispositivo, un enlace a uno de ellos u ocupa más de %2&#xa0;MB), así que Tilewise no lo lee.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Its lock %1 is not a plain file.</source>
        <extracomment>Why the settings were not saved; %1: the lock file beside the settings file</extracomment>
        <translation>Su archivo de bloqueo %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>Its lock %1 is held by another program.</source>
        <translation>Otro programa tiene su archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>Its lock %1 cannot be made.</source>
        <translation>No se puede crear su archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a settings file.</source>
        <translation>%1 es una carpeta, no un archivo de configuración.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 is read-only.</source>
        <translation>El archivo %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The file %1 %2.</source>
        <extracomment>%1: the settings file, %2: why it is not read, such as &quot;is not a plain file&quot;
----------
%1: the settings file, %2: why it cannot be checked, such as &quot;cannot be checked, ...&quot;</extracomment>
        <translation>El archivo %1 %2.</translation>
    </message>
    <message>
        <source>The file %1 is damaged, and no copy of it can be kept.</source>
        <translation>El archivo %1 está dañado y no se puede guardar una copia.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written (%2).</source>
        <extracomment>%1: the settings file, %2: why, such as &quot;the disk may be full&quot;</extracomment>
        <translation>No se puede escribir el archivo %1 (%2).</translation>
    </message>
    <message>
        <source>the new content was not written</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>no se escribió el contenido nuevo</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <extracomment>Why the settings file cannot be written: the end of a sentence, in brackets</extracomment>
        <translation>puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>is a folder</source>
        <extracomment>Why the settings file is not read, said after its name</extracomment>
        <translation>es una carpeta</translation>
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
        <translation>%1 × %2 píxeles</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no permission to list it.</source>
        <extracomment>%1: the folder of pictures chosen</extracomment>
        <translation>No se puede leer %1: no hay permiso para ver su contenido.</translation>
    </message>
    <message>
        <source>%1 x %2 pixels: a %3 file is decoded whole, up to %4 megapixels</source>
        <extracomment>A picture&apos;s size, in a list of files too large; %3: its kind, such as TIFF</extracomment>
        <translation>%1 × %2 píxeles: un archivo %3 se decodifica entero, hasta %4&#xa0;megapíxeles</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>Picture missing or unreadable: %1</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>Imagen ausente o ilegible: %1</translation>
    </message>
    <message numerus="yes">
        <source>Picture missing or unreadable: %1 and %Ln more</source>
        <extracomment>Status bar, kept short; %1: a picture&apos;s file name</extracomment>
        <translation>
            <numerusform>Imágenes ausentes o ilegibles: %1 y %Ln más</numerusform>
            <numerusform>Imágenes ausentes o ilegibles: %1 y %Ln más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more</source>
        <extracomment>The last line of a list of files cut short</extracomment>
        <translation>
            <numerusform>y %Ln más</numerusform>
            <numerusform>y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>Pictures missing or unreadable:
%1</source>
        <extracomment>The status bar&apos;s tool tip; %1: the files, one a line</extracomment>
        <translation>Imágenes ausentes o ilegibles:
%1</translation>
    </message>
</context>
<context>
    <name>TileBoard</name>
    <message>
        <source>Face down, %1. %2</source>
        <extracomment>A face-down tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;, %2: its tool tip</extracomment>
        <translation>Boca abajo, %1. %2</translation>
    </message>
    <message>
        <source>Tile %1</source>
        <extracomment>A face-down tile&apos;s name, as a screen reader says it; %1: the number it shows</extracomment>
        <translation>Ficha %1</translation>
    </message>
    <message>
        <source>Face up, %1</source>
        <extracomment>A face-up tile, as a screen reader describes it; %1: &quot;row 1, column 2&quot;</extracomment>
        <translation>Boca arriba, %1</translation>
    </message>
    <message>
        <source>free</source>
        <extracomment>The picture of a tile left over, which belongs to no set, as a screen reader says it</extracomment>
        <translation>libre</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <extracomment>A face-up tile, as a screen reader says it; %1: its number, %2: its picture (&quot;cat face&quot;)</extracomment>
        <translation>Ficha %1: %2</translation>
    </message>
    <message>
        <source>Edge</source>
        <extracomment>Spoken when an arrow key finds no tile beyond the board&apos;s edge</extracomment>
        <translation>Borde</translation>
    </message>
</context>
<context>
    <name>TileTexts</name>
    <message numerus="yes">
        <source>Uncovered %Ln times before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text from 2 on; give every plural form.</extracomment>
        <translation>
            <numerusform>Descubierta %Ln vez antes</numerusform>
            <numerusform>Descubierta %Ln veces antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Uncovered %Ln time before</source>
        <extracomment>A tile&apos;s tool tip: how often it was face up before. English uses this text for 0 and 1; give every plural form.</extracomment>
        <translation>
            <numerusform>Descubierta %Ln vez antes</numerusform>
            <numerusform>Descubierta %Ln veces antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You&apos;ve clicked this %Ln times already.</source>
        <extracomment>Status bar, when a tile is turned again; said from 2 times before on</extracomment>
        <translation>
            <numerusform>Ya has descubierto esta ficha %Ln vez.</numerusform>
            <numerusform>Ya has descubierto esta ficha %Ln veces.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>Where a tile lies, as a screen reader says it</extracomment>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>Matches: %1 / %2,  %3% </source>
        <extracomment>Status bar panel 1, kept short: sets found / turns taken, and the share of the turns that found a set, in percent</extracomment>
        <translation>Aciertos: %1 / %2, %3&#xa0;%</translation>
    </message>
    <message>
        <source>Uncovered: %1 / %2</source>
        <extracomment>Status bar panel 2, kept short: tiles face up in this turn / tiles a set has</extracomment>
        <translation>Descubiertas: %1 / %2</translation>
    </message>
    <message>
        <source>You Finished.  You matched %1 out of %2, or  %3%</source>
        <extracomment>The result box at the end of a game: sets found, turns taken, and the share in percent</extracomment>
        <translation>¡Partida terminada! Aciertos: %1 de %2 intentos (%3&#xa0;%).</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>Tile number: %1</source>
        <extracomment>Status bar, while the player types a tile&apos;s number</extracomment>
        <translation>Número de ficha: %1</translation>
    </message>
    <message>
        <source>There is no face-down tile %1.</source>
        <extracomment>Status bar, when a typed number names no tile to turn</extracomment>
        <translation>No hay ninguna ficha %1 boca abajo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tilewise: cannot write %1</source>
        <extracomment>Printed when --screenshot cannot write its file; %1: the file</extracomment>
        <translation>tilewise: no se puede escribir %1</translation>
    </message>
    <message>
        <source>tilewise: pictures missing or unreadable: %1, such as %2</source>
        <extracomment>Printed by --screenshot; %1: how many pictures, %2: the first one&apos;s file</extracomment>
        <translation>tilewise: imágenes ausentes o ilegibles: %1, como %2</translation>
    </message>
</context>
</TS>
