<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>, </source>
        <extracomment>Said by the screen reader between the parts of a key&apos;s or a hand&apos;s words, as in &quot;W, left ring finger&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>meñique izquierdo</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anular izquierdo</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>dedo medio izquierdo</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>índice izquierdo</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>meñique derecho</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anular derecho</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>dedo medio derecho</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>índice derecho</translation>
    </message>
    <message>
        <source>left thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>pulgar izquierdo</translation>
    </message>
    <message>
        <source>right thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>pulgar derecho</translation>
    </message>
    <message>
        <source>next key</source>
        <extracomment>A key&apos;s description for the screen reader: it is the key to press next.</extracomment>
        <translation>siguiente tecla</translation>
    </message>
    <message>
        <source>home key</source>
        <extracomment>A key&apos;s description for the screen reader: a finger rests on it.</extracomment>
        <translation>tecla base</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>The description of the left Shift key of the on-screen keyboard.</extracomment>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>The description of the right Shift key of the on-screen keyboard.</extracomment>
        <translation>derecha</translation>
    </message>
    <message>
        <source>row arrow</source>
        <extracomment>A picture&apos;s name for the screen reader: the arrow beside the row of keys.</extracomment>
        <translation>flecha de la fila</translation>
    </message>
    <message>
        <source>key marker</source>
        <extracomment>A picture&apos;s name for the screen reader: the mark on the key to press.</extracomment>
        <translation>marca de la tecla</translation>
    </message>
    <message>
        <source>computer drawing</source>
        <extracomment>A picture&apos;s name for the screen reader: the start screen&apos;s computer.</extracomment>
        <translation>dibujo de un ordenador</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <extracomment>The on-screen keyboard&apos;s name for the screen reader.</extracomment>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Text display</source>
        <extracomment>The name for the screen reader of the box where lessons and drills are printed.</extracomment>
        <translation>Zona de texto</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Said by the screen reader when a Tricky Keys line ends: %1 is the results (&quot;92% accuracy&quot;), %2 the keys it practised (&quot;Practised: W S X&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>That was %1. %2</source>
        <extracomment>Said by the screen reader after a wrong key: %1 is what was typed (&quot;Q&quot;), %2 the key to press (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Has pulsado %1. %2</translation>
    </message>
    <message>
        <source>The line: %1</source>
        <extracomment>Said by the screen reader as a drill line with spaces comes: %1 is the line spelled out (&quot;F, three spaces, J&quot;).</extracomment>
        <translation>La línea: %1</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>signo de exclamación</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>comillas</translation>
    </message>
    <message>
        <source>hash</source>
        <translation>almohadilla</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>dólar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>y comercial</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abre paréntesis</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cierra paréntesis</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>punto</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>dos puntos</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>menor que</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation>mayor que</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <source>open square bracket</source>
        <translation>abre corchete</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <source>close square bracket</source>
        <translation>cierra corchete</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>circunflejo</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>guion bajo</translation>
    </message>
    <message>
        <source>backtick</source>
        <translation>acento grave</translation>
    </message>
    <message>
        <source>open curly bracket</source>
        <translation>abre llave</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
    <message>
        <source>close curly bracket</source>
        <translation>cierra llave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>virgulilla</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A character&apos;s name, as the screen reader says it.</extracomment>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>%1 spaces</source>
        <extracomment>A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a word up to ten (&quot;three&quot;) and in figures above.</extracomment>
        <translation>%1 espacios</translation>
    </message>
    <message>
        <source>space</source>
        <extracomment>One space in a drill line spelled out.</extracomment>
        <translation>espacio</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>AltGr</translation>
    </message>
    <message>
        <source>left hand, little finger lit</source>
        <translation>mano izquierda, meñique iluminado</translation>
    </message>
    <message>
        <source>left hand, ring finger lit</source>
        <translation>mano izquierda, anular iluminado</translation>
    </message>
    <message>
        <source>left hand, middle finger lit</source>
        <translation>mano izquierda, dedo medio iluminado</translation>
    </message>
    <message>
        <source>left hand, index finger lit</source>
        <translation>mano izquierda, índice iluminado</translation>
    </message>
    <message>
        <source>right hand, little finger lit</source>
        <translation>mano derecha, meñique iluminado</translation>
    </message>
    <message>
        <source>right hand, ring finger lit</source>
        <translation>mano derecha, anular iluminado</translation>
    </message>
    <message>
        <source>right hand, middle finger lit</source>
        <translation>mano derecha, dedo medio iluminado</translation>
    </message>
    <message>
        <source>right hand, index finger lit</source>
        <translation>mano derecha, índice iluminado</translation>
    </message>
    <message>
        <source>left hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano izquierda, cuatro dedos iluminados</translation>
    </message>
    <message>
        <source>right hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano derecha, cuatro dedos iluminados</translation>
    </message>
    <message>
        <source>left hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano izquierda, pulgar iluminado</translation>
    </message>
    <message>
        <source>right hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano derecha, pulgar iluminado</translation>
    </message>
    <message>
        <source>left hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano izquierda</translation>
    </message>
    <message>
        <source>right hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mano derecha</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What the guide marks, as the screen reader says it while the child types: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Siguiente: %1</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <extracomment>What the guide marks, as the screen reader says it in a lesson: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Marcada: %1</translation>
    </message>
    <message>
        <source>Space, thumbs</source>
        <extracomment>What the guide marks: the space bar, pressed with a thumb.</extracomment>
        <translation>Espacio, pulgares</translation>
    </message>
    <message>
        <source>%1, four fingers of each hand</source>
        <extracomment>The home keys the guide marks, as the screen reader says them: %1 is the keys (&quot;A S D F J K L ;&quot;).</extracomment>
        <translation>%1, cuatro dedos de cada mano</translation>
    </message>
    <message>
        <source>Home position: %1</source>
        <extracomment>%1 is the home keys and the fingers (&quot;A S D F J K L ;, four fingers of each hand&quot;).</extracomment>
        <translation>Posición base: %1</translation>
    </message>
    <message>
        <source>Shift with both little fingers</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Mayús con los dos meñiques</translation>
    </message>
    <message>
        <source>Shift with the left little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Mayús con el meñique izquierdo</translation>
    </message>
    <message>
        <source>Shift with the right little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Mayús con el meñique derecho</translation>
    </message>
    <message>
        <source>AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>AltGr con el pulgar derecho</translation>
    </message>
    <message>
        <source>%1 and AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it: %1 is the Shift to hold (&quot;Shift with the left little finger&quot;).</extracomment>
        <translation>%1 y AltGr con el pulgar derecho</translation>
    </message>
    <message>
        <source>the accent key for %1</source>
        <extracomment>The key to press for an accent: %1 is the character it is for (&quot;É&quot;).</extracomment>
        <translation>la tecla del acento para %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The key to press and its finger: %1 is the key (&quot;W&quot;), %2 the finger (&quot;left ring finger&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>What to press, in order: %1 is what to hold first (&quot;Shift with the right little finger&quot;), %2 the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>%1, luego %2</translation>
    </message>
    <message>
        <source>Info, Help and Exit</source>
        <extracomment>The name for the screen reader of the start screen&apos;s frame of buttons.</extracomment>
        <translation>Info, Ayuda y Salir</translation>
    </message>
    <message>
        <source>Timed Drill typing</source>
        <extracomment>The name for the screen reader of the box the Timed Drill is typed in.</extracomment>
        <translation>Escritura del ejercicio con reloj</translation>
    </message>
    <message>
        <source>cursor box</source>
        <extracomment>The name for the screen reader of the box round the next character to type.</extracomment>
        <translation>recuadro del cursor</translation>
    </message>
    <message>
        <source>backdrop</source>
        <extracomment>The name for the screen reader of the blue band behind the lesson and drill frames.</extracomment>
        <translation>fondo</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Tapwell&apos;s progress file was damaged. It was kept as %1, and a new record was started.</source>
        <extracomment>%1 is the file the damaged record was kept as.</extracomment>
        <translation>El archivo de progreso de Tapwell estaba dañado. Se guardó como %1 y se empezó un registro nuevo.</translation>
    </message>
    <message>
        <source>Tapwell cannot start</source>
        <extracomment>The title of the message that says why.</extracomment>
        <translation>Tapwell no puede arrancar</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <extracomment>The title of a message: the keyboard chosen could not be kept.</extracomment>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress.</source>
        <translation>Tapwell no puede guardar el progreso.</translation>
    </message>
    <message>
        <source>%1 Typing works as always, but it is not being kept.</source>
        <extracomment>%1 is the sentence before, as &quot;Tapwell cannot save progress: the disk is full.&quot;.</extracomment>
        <translation>%1 Puedes escribir como siempre, pero no se guarda.</translation>
    </message>
    <message>
        <source>Tapwell cannot save your choices</source>
        <translation>Tapwell no puede guardar tus opciones</translation>
    </message>
    <message>
        <source>Tapwell could not write its settings file %1: %2.</source>
        <extracomment>%1 is the settings file; %2 is why, as the system says it.</extracomment>
        <translation>Tapwell no pudo escribir su archivo de ajustes %1: %2.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>ChildPictures</name>
    <message>
        <source>fox</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>zorro</translation>
    </message>
    <message>
        <source>owl</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>búho</translation>
    </message>
    <message>
        <source>cat</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>gato</translation>
    </message>
    <message>
        <source>frog</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>rana</translation>
    </message>
    <message>
        <source>bear</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>oso</translation>
    </message>
    <message>
        <source>fish</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>pez</translation>
    </message>
</context>
<context>
    <name>DrillResults</name>
    <message>
        <source>%1 words per minute</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;60&quot;.</extracomment>
        <translation>%1 palabras por minuto</translation>
    </message>
    <message>
        <source>%1% accuracy</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;92&quot;.</extracomment>
        <translation>%1% de aciertos</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>This keyboard has too few words for these rows: type their keys.</source>
        <extracomment>Above a Word Drill line made of the rows&apos; characters, when the child&apos;s language has too few words that the chosen rows can type.</extracomment>
        <translation>Este teclado tiene pocas palabras para estas filas: escribe sus teclas.</translation>
    </message>
    <message>
        <source>Practised:%1</source>
        <extracomment>Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space before it: &quot; W S X&quot;.</extracomment>
        <translation>Practicadas:%1</translation>
    </message>
    <message>
        <source>All your keys are secure! Try a new row.</source>
        <extracomment>Above a Tricky Keys line, when no key of the chosen rows is missed any more.</extracomment>
        <translation>¡Ya dominas todas tus teclas! Prueba una fila nueva.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;. %1 is a number of bytes.</extracomment>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>it is not a PCM wave file</source>
        <extracomment>Why a sound file cannot be played, after its path.</extracomment>
        <translation>no es un archivo de sonido WAV PCM</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as in &quot;Press Enter three times: &quot;.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as in &quot;Press Shift three times: &quot;.</extracomment>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>A hand, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>A hand, as in &quot;Use the little finger of the right hand.&quot;</extracomment>
        <translation>derecha</translation>
    </message>
    <message>
        <source>little</source>
        <extracomment>A finger, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>meñique</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>A finger, as in &quot;Use the ring finger of the left hand.&quot;</extracomment>
        <translation>anular</translation>
    </message>
    <message>
        <source>middle</source>
        <extracomment>A finger, as in &quot;Use the middle finger of the left hand.&quot;</extracomment>
        <translation>medio</translation>
    </message>
    <message>
        <source>index</source>
        <extracomment>A finger, as in &quot;Use the index finger of the left hand.&quot;</extracomment>
        <translation>índice</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>A row of keys, as in &quot;This row is called the home row.&quot;</extracomment>
        <translation>base</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of keys, as in &quot;This row is called the top row.&quot;</extracomment>
        <translation>superior</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>A row of keys, as in &quot;This row is called the bottom row.&quot;</extracomment>
        <translation>inferior</translation>
    </message>
    <message>
        <source>number</source>
        <extracomment>A row of keys, as in &quot;This row is called the number row.&quot;</extracomment>
        <translation>de números</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>Any row of keys.</extracomment>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>A row of keys, as a title: &quot;Home Row&quot;.</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>A row of keys, as a title: &quot;Top Row&quot;.</extracomment>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>A row of keys, as a title: &quot;Bottom Row&quot;.</extracomment>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>A row of keys, as a title: &quot;Number Row&quot;.</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Any row of keys, as a title.</extracomment>
        <translation>Cualquiera</translation>
    </message>
</context>
<context>
    <name>KeyboardPractice</name>
    <message>
        <source>Now try using the Shift key.
When typing with the left
hand, hold the Shift key on
the right side of the
bottom row with the little
finger of the right hand.</source>
        <extracomment>A row lesson, before the shifted keys of the left hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Ahora usa la tecla Mayús.
Si escribes con la mano
izquierda, mantén pulsada
la tecla Mayús de la derecha
de la fila inferior con el
meñique de la mano derecha.</translation>
    </message>
    <message>
        <source>Now try using the Shift key.
When typing with the right
hand, hold the Shift key on
the left side of the
bottom row with the little
finger of the left hand.</source>
        <extracomment>A row lesson, before the shifted keys of the right hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Ahora usa la tecla Mayús.
Si escribes con la mano
derecha, mantén pulsada la
tecla Mayús de la izquierda
de la fila inferior con el
meñique de la mano izquierda.</translation>
    </message>
    <message>
        <source>Use the %1 finger of the
%2 hand.
</source>
        <extracomment>Keyboard Practice, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right).</extracomment>
        <translation>Usa el dedo %1 de la
mano %2.
</translation>
    </message>
    <message>
        <source>The %1 finger of the 
%2 hand is used to 
press 1 key:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the key, with a space before it: &quot; J&quot;.</extracomment>
        <translation>El dedo %1 de la 
mano %2 pulsa 
1 tecla:%3</translation>
    </message>
    <message numerus="yes">
        <source>The %1 finger of the 
%2 hand is used to 
press %n keys:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the keys, each with a space before it: &quot; J H Y&quot;.</extracomment>
        <translation>
            <numerusform>El dedo %1 de la 
mano %2 pulsa 
%n tecla:%3</numerusform>
            <numerusform>El dedo %1 de la 
mano %2 pulsa 
%n teclas:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Press %1 three times: </source>
        <extracomment>Keyboard Practice and the row lessons; the key&apos;s presses are typed after it. %1 is the key: a character, &quot;Enter&quot; or &quot;Shift&quot;.</extracomment>
        <translation>Pulsa %1 tres veces: </translation>
    </message>
</context>
<context>
    <name>LessonPages</name>
    <message>
        <source>This program concentrates on  
the letter and number keys 
for typing. It does not cover
function, control, or other 
keys on the computer keyboard.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Este programa se centra en
las teclas de letras y
números. No enseña las teclas
de función, de control ni
otras teclas del teclado.</translation>
    </message>
    <message>
        <source>Shown is the computer keyboard.
Note there are four rows of
keys. At the bottom of the 
keyboard is the space bar.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Aquí ves el teclado del
ordenador. Fíjate: tiene
cuatro filas de teclas. Abajo
del todo está la barra
espaciadora.</translation>
    </message>
    <message>
        <source>This row is called the {row}
row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Esta fila se llama
fila {row}.</translation>
    </message>
    <message>
        <source>The starting position for
all typing strokes is the
home row. Your fingers should
always rest on this row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Todas las teclas se escriben
empezando desde la fila
base. Tus dedos siempre
descansan en esta fila.</translation>
    </message>
    <message>
        <source>Your left hand rests on the
{home1} {home2} {home3} {home4} keys (little finger
on {home1}). Your right hand rests
on the {home5} {home6} {home7} {home8} keys (little
finger on {home8}). Place your
hands in the home position.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little finger to right little finger.</extracomment>
        <translation>Tu mano izquierda descansa en
las teclas {home1} {home2} {home3} {home4} (el meñique
en {home1}). Tu mano derecha
descansa en las teclas
{home5} {home6} {home7} {home8} (el meñique en {home8}).
Pon las manos en la
posición base.</translation>
    </message>
    <message>
        <source>The Enter key is used to 
tell the computer you are
done typing something. Use
the little finger of the
right hand.

Press Enter a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>La tecla Intro sirve para
decirle al ordenador que has
terminado de escribir algo.
Usa el meñique de la mano
derecha.

Pulsa Intro unas cuantas
veces.</translation>
    </message>
    <message>
        <source>The space bar is used to
put spaces between letters
and words. You hit the space
bar with your left or right
thumb.

Tap the space bar a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>La barra espaciadora sirve
para poner espacios entre
letras y palabras. Se pulsa
con el pulgar izquierdo o
con el derecho.

Pulsa la barra espaciadora
unas cuantas veces.</translation>
    </message>
    <message>
        <source>On both ends of the bottom
row are Shift keys. Find
them. They are pressed with
your little fingers. If you
type a letter without pressing
Shift, a lower case letter is
typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>En los dos lados de la fila
inferior están las teclas
Mayús. Búscalas. Se pulsan
con los meñiques. Si escribes
una letra sin pulsar Mayús,
sale una letra
minúscula.</translation>
    </message>
    <message>
        <source>If you hold down Shift and
press a letter, the upper
case letter is typed.

Note two characters are on
the number and symbol keys.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Si mantienes pulsada Mayús y
pulsas una letra, sale la
letra mayúscula.

Fíjate: las teclas de números
y símbolos tienen dos signos.</translation>
    </message>
    <message>
        <source>If you press one of these
keys without Shift, the
character on the lower part
of the key is typed. If Shift
is held and the key pressed,
the upper character is typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Si pulsas una de estas teclas
sin Mayús, sale el signo de
la parte de abajo de la
tecla. Si mantienes Mayús y
pulsas la tecla, sale el
signo de arriba.</translation>
    </message>
    <message>
        <source>More on the Shift keys later.

Right now, we&apos;ll return to 
the selection menu where 
you can pick which row of
keys you want to learn.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Luego verás más de Mayús.

Ahora volvemos al menú,
donde puedes elegir qué
fila de teclas quieres
aprender.</translation>
    </message>
    <message>
        <source>Learn keys of {row} row.

When typing, let your fingers
find the keys while you look
at the screen to see where
the keys are.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Aprende las teclas de la
fila {row}.

Al escribir, deja que tus
dedos encuentren las teclas
mientras miras la pantalla
para ver dónde están.</translation>
    </message>
    <message>
        <source>Make sure your hands are in
home position before starting.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Antes de empezar, pon las
manos en la posición base.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>usage: tapwell --export-progress FILE.csv (or - for standard output)</source>
        <extracomment>The command line&apos;s usage; the option&apos;s name stays as it is.</extracomment>
        <translation>uso: tapwell --export-progress ARCHIVO.csv (o - para la salida estándar)</translation>
    </message>
    <message>
        <source>the progress file was damaged; it was kept as %1 and a new one started, so there is nothing to export.</source>
        <extracomment>On the command line, exporting the record. %1 is the path the damaged file was kept at.</extracomment>
        <translation>el archivo de progreso estaba dañado; se guardó como %1 y se empezó uno nuevo, así que no hay nada que exportar.</translation>
    </message>
    <message>
        <source>usage: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</source>
        <extracomment>The command line&apos;s usage; the options&apos; names stay as they are.</extracomment>
        <translation>uso: tapwell --setup-server [--server CONNINFO]
       tapwell --class NOMBRE --teacher USUARIO|--child USUARIO [--remove] [--server CONNINFO]</translation>
    </message>
    <message>
        <source>no server: give --server, or set server in the [record] group of /etc/xdg/tapwell/tapwell.conf</source>
        <extracomment>On the command line: no server was given or configured.</extracomment>
        <translation>no hay servidor: indica --server o pon server en el grupo [record] de /etc/xdg/tapwell/tapwell.conf</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>Enter</source>
        <extracomment>The caption of the on-screen keyboard&apos;s Enter key.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The caption of the on-screen keyboard&apos;s left Shift key.
----------
The caption of the on-screen keyboard&apos;s right Shift key.</extracomment>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>The caption of the on-screen keyboard&apos;s AltGr key (right of the space bar).</extracomment>
        <translation>AltGr</translation>
    </message>
</context>
<context>
    <name>Plugins</name>
    <message>
        <source>%1 is not a plug-in of this Tapwell</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s path.</extracomment>
        <translation>%1 no es un complemento de este Tapwell</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s name: &quot;tapwell-sound.so&quot;.</extracomment>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <source>Tapwell cannot load the part of it that draws &quot;My Progress&quot;: %1. Installing Tapwell again will mend it.</source>
        <extracomment>A message when My Progress is asked for. %1 is why the part cannot be loaded: &quot;… is not installed&quot;.</extracomment>
        <translation>Tapwell no puede cargar el componente que dibuja «Mi progreso»: %1. Si instalas Tapwell otra vez, se arreglará.</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>Word Drill</source>
        <translation>Ejercicio de palabras</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <translation>Ejercicio de letras</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <translation>Ejercicio con reloj</translation>
    </message>
    <message>
        <source>1 day</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 1 day&quot;.</extracomment>
        <translation>1 día</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 3 days&quot;.</extracomment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list, as in &quot;E, S or D&quot; and &quot;Q 40%, P 6%&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A key&apos;s name: the space bar.</extracomment>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Your left little finger misses most: %1</source>
        <translation>Tu meñique izquierdo es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your left ring finger misses most: %1</source>
        <translation>Tu anular izquierdo es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your left middle finger misses most: %1</source>
        <translation>Tu dedo medio izquierdo es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your left index finger misses most: %1</source>
        <translation>Tu índice izquierdo es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your right little finger misses most: %1</source>
        <translation>Tu meñique derecho es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your right ring finger misses most: %1</source>
        <translation>Tu anular derecho es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your right middle finger misses most: %1</source>
        <translation>Tu dedo medio derecho es el que más falla: %1</translation>
    </message>
    <message>
        <source>Your right index finger misses most: %1</source>
        <translation>Tu índice derecho es el que más falla: %1</translation>
    </message>
    <message>
        <source>another key</source>
        <extracomment>What was typed instead of the key asked for, when it is none of the keyboard&apos;s keys.</extracomment>
        <translation>otra tecla</translation>
    </message>
    <message>
        <source>Never asked for yet</source>
        <extracomment>A key of the trouble map.</extracomment>
        <translation>Todavía no ha salido</translation>
    </message>
    <message>
        <source>Came up once</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>Ha salido una vez</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n times</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>
            <numerusform>Ha salido %n vez</numerusform>
            <numerusform>Ha salido %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, never missed</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, nunca fallada</translation>
    </message>
    <message>
        <source>%1, missed once</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, fallada una vez</translation>
    </message>
    <message numerus="yes">
        <source>%1, missed %n times</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 88 times&quot;.</extracomment>
        <translation>
            <numerusform>%1, fallada %n vez</numerusform>
            <numerusform>%1, fallada %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list of keys: %1 is all but the last (&quot;E, S&quot;), %2 the last (&quot;D&quot;).</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1; most often typed instead: %2</source>
        <extracomment>%1 is how often the key came up and was missed: &quot;Came up 88 times, missed 16 times&quot;; %2 is the keys typed instead, as &quot;E&quot; or &quot;E, S or D&quot;.</extracomment>
        <translation>%1; lo que más se escribió en su lugar: %2</translation>
    </message>
    <message>
        <source>This key got better this week: %1</source>
        <extracomment>%1 is the key, as &quot;Space&quot;.</extracomment>
        <translation>Esta tecla ha mejorado esta semana: %1</translation>
    </message>
    <message numerus="yes">
        <source>These keys got better this week: %1</source>
        <extracomment>%1 is the keys, as &quot;D K ;&quot;.</extracomment>
        <translation>
            <numerusform>Esta tecla ha mejorado esta semana: %1</numerusform>
            <numerusform>Estas teclas han mejorado esta semana: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Timed Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Tu mejor línea: %n palabra por minuto en el ejercicio con reloj, el %1</numerusform>
            <numerusform>Tu mejor línea: %n palabras por minuto en el ejercicio con reloj, el %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Word Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Tu mejor línea: %n palabra por minuto en el ejercicio de palabras, el %1</numerusform>
            <numerusform>Tu mejor línea: %n palabras por minuto en el ejercicio de palabras, el %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No key asked for yet</source>
        <translation>Todavía no ha salido ninguna tecla</translation>
    </message>
    <message>
        <source>No key missed yet</source>
        <translation>Todavía no has fallado ninguna tecla</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A key and how often it is missed: %1 is the key, %2 the percentage (&quot;Q 40%&quot;).</extracomment>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <source>Missed most: %1</source>
        <extracomment>%1 is the keys missed most, worst first: &quot;Q 40%, semicolon 35%, P 6%&quot;.</extracomment>
        <translation>Las que más fallas: %1</translation>
    </message>
    <message>
        <source>%1&apos;s progress: nothing typed yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Progreso de %1: todavía no ha escrito nada.</translation>
    </message>
    <message>
        <source>%1&apos;s progress: 1 line typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;1 day&quot;.</extracomment>
        <translation>Progreso de %1: 1 línea escrita en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1&apos;s progress: %n lines typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Progreso de %1: %n línea escrita en %2.</numerusform>
            <numerusform>Progreso de %1: %n líneas escritas en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour %1</source>
        <extracomment>A time: %1 is the minutes past the hour, as &quot;5 minutes&quot;.</extracomment>
        <translation>1 hora %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hours %1</source>
        <extracomment>A time: %1 is the minutes past the hours, as &quot;5 minutes&quot;.</extracomment>
        <translation>
            <numerusform>%n hora %1</numerusform>
            <numerusform>%n horas %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n palabra por minuto</numerusform>
            <numerusform>%n palabras por minuto</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>An accuracy, as &quot;96%&quot;.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1: %2 today</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1: %2 hoy</translation>
    </message>
    <message>
        <source>%1: %2 yesterday</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1: %2 ayer</translation>
    </message>
    <message>
        <source>%1: %2 on %3</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;), %3 the day of it (&quot;5 December&quot;).</extracomment>
        <translation>%1: %2 el %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: %1 is all of it, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, steady over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1, igual que en las últimas 4 semanas.</translation>
    </message>
    <message>
        <source>%1, up from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1; en las últimas 4 semanas ha subido desde %2.</translation>
    </message>
    <message>
        <source>%1, down from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1; en las últimas 4 semanas ha bajado desde %2.</translation>
    </message>
    <message>
        <source>Nothing typed in the last 4 weeks.</source>
        <translation>No se ha escrito nada en las últimas 4 semanas.</translation>
    </message>
    <message>
        <source>Nothing typed this week yet.</source>
        <translation>Todavía no se ha escrito nada esta semana.</translation>
    </message>
    <message>
        <source>This week: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Esta semana: %1.</translation>
    </message>
    <message>
        <source>Ready for the Home Row lesson</source>
        <translation>Listo para la lección de la fila base</translation>
    </message>
    <message>
        <source>Ready for the Top Row lesson</source>
        <translation>Listo para la lección de la fila superior</translation>
    </message>
    <message>
        <source>Ready for the Bottom Row lesson</source>
        <translation>Listo para la lección de la fila inferior</translation>
    </message>
    <message>
        <source>Ready for the Number Row lesson</source>
        <translation>Listo para la lección de la fila de números</translation>
    </message>
    <message>
        <source>Try Tricky Keys: %1 needs practice</source>
        <extracomment>%1 is a key, as &quot;Q&quot;.</extracomment>
        <translation>Prueba Teclas difíciles: %1 necesita práctica</translation>
    </message>
    <message numerus="yes">
        <source>Try Tricky Keys: %1 and %2 need practice</source>
        <extracomment>%1 is all the keys but the last, as &quot;Q, P&quot;; %2 the last, as &quot;;&quot;.</extracomment>
        <translation>
            <numerusform>Prueba Teclas difíciles: %1 y %2 necesitan práctica</numerusform>
            <numerusform>Prueba Teclas difíciles: %1 y %2 necesitan práctica</numerusform>
        </translation>
    </message>
    <message>
        <source>Practise a little every day: 10 minutes is plenty</source>
        <translation>Practica un poco cada día: 10 minutos son suficientes</translation>
    </message>
    <message>
        <source>&amp;Go to the Home Row lesson</source>
        <translation>&amp;Ir a la lección de la fila base</translation>
    </message>
    <message>
        <source>&amp;Go to the Top Row lesson</source>
        <translation>&amp;Ir a la lección de la fila superior</translation>
    </message>
    <message>
        <source>&amp;Go to the Bottom Row lesson</source>
        <translation>&amp;Ir a la lección de la fila inferior</translation>
    </message>
    <message>
        <source>&amp;Go to the Number Row lesson</source>
        <translation>&amp;Ir a la lección de la fila de números</translation>
    </message>
    <message>
        <source>&amp;Go to Tricky Keys</source>
        <extracomment>A button, beside &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>&amp;Ir a Teclas difíciles</translation>
    </message>
    <message>
        <source>&amp;Go and type</source>
        <extracomment>A button, beside &quot;Practise a little every day&quot;: to the menu, to choose what to type.</extracomment>
        <translation>&amp;Ir a escribir</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another program is using the progress file</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>otro programa está usando el archivo de progreso</translation>
    </message>
    <message>
        <source>the progress file cannot be written to</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>no se puede escribir en el archivo de progreso</translation>
    </message>
    <message>
        <source>the progress file cannot be opened</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>no se puede abrir el archivo de progreso</translation>
    </message>
    <message>
        <source>the progress file could not be written (the disk may be full or failing)</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>no se pudo escribir el archivo de progreso (puede que el disco esté lleno o falle)</translation>
    </message>
    <message>
        <source>the progress file is damaged</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>el archivo de progreso está dañado</translation>
    </message>
    <message>
        <source>the progress file could not be used</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>no se pudo usar el archivo de progreso</translation>
    </message>
    <message>
        <source>the progress file was made by a newer Tapwell; it is kept as it is</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>el archivo de progreso es de un Tapwell más nuevo; se deja como está</translation>
    </message>
    <message>
        <source>the progress file is not one of Tapwell&apos;s</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>el archivo de progreso no es de Tapwell</translation>
    </message>
    <message>
        <source>the progress file is damaged and cannot be moved aside</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>el archivo de progreso está dañado y no se puede apartar</translation>
    </message>
    <message>
        <source>the progress file could not be updated</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>no se pudo actualizar el archivo de progreso</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why progress cannot be saved: %1 is where the progress file should be.</extracomment>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why progress cannot be saved: %1 is the folder of the progress file.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress: %1.</source>
        <extracomment>%1 is why, as &quot;the disk is full&quot; or &quot;the progress file is damaged&quot;.</extracomment>
        <translation>Tapwell no puede guardar el progreso: %1.</translation>
    </message>
    <message>
        <source>Please type a name of 1 to %1 letters.</source>
        <extracomment>%1 is the most letters a name may have.</extracomment>
        <translation>Escribe un nombre de 1 a %1 letras.</translation>
    </message>
    <message>
        <source>There is a child called %1 already.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Ya hay alguien que se llama %1.</translation>
    </message>
    <message>
        <source>The last child cannot be removed.</source>
        <translation>No se puede quitar al último niño.</translation>
    </message>
    <message>
        <source>The progress record cannot be read.</source>
        <translation>No se puede leer el registro de progreso.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>%1 is the file asked for.</extracomment>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; Tapwell writes only to a plain file or a new one (or &quot;-&quot; for standard output).</source>
        <extracomment>%1 is the file asked for; &quot;-&quot; is what is typed for standard output.</extracomment>
        <translation>%1 no es un archivo normal; Tapwell solo escribe en un archivo normal o en uno nuevo (o &quot;-&quot; para la salida estándar).</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%1 is the file; %2 is why, as the system says it.</extracomment>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>the school&apos;s server cannot be reached</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>el servidor de la escuela no responde</translation>
    </message>
    <message>
        <source>the school&apos;s server does not let this account keep progress there</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>el servidor de la escuela no deja a esta cuenta guardar el progreso allí</translation>
    </message>
    <message>
        <source>the school&apos;s server is not set up for this Tapwell yet (its administrator runs tapwell --setup-server)</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>el servidor de la escuela aún no está preparado para este Tapwell (su administrador ejecuta tapwell --setup-server)</translation>
    </message>
    <message>
        <source>Progress is kept on this computer until the school&apos;s server answers.</source>
        <extracomment>The menu&apos;s note in a classroom, while the school&apos;s server does not answer.</extracomment>
        <translation>El progreso se guarda en este ordenador hasta que el servidor de la escuela responda.</translation>
    </message>
    <message>
        <source>Progress is kept on this computer: %1.</source>
        <extracomment>The menu&apos;s note in a classroom; %1 is why, as &quot;the school&apos;s server does not let this account keep progress there&quot;.</extracomment>
        <translation>El progreso se guarda en este ordenador: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the options cannot be saved. %1 is a folder&apos;s path.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>Left little finger.</source>
        <translation>Meñique izquierdo.</translation>
    </message>
    <message>
        <source>Left ring finger.</source>
        <translation>Anular izquierdo.</translation>
    </message>
    <message>
        <source>Left middle finger.</source>
        <translation>Dedo medio izquierdo.</translation>
    </message>
    <message>
        <source>Left pointer finger.</source>
        <translation>Índice izquierdo.</translation>
    </message>
    <message>
        <source>Right little finger.</source>
        <translation>Meñique derecho.</translation>
    </message>
    <message>
        <source>Right ring finger.</source>
        <translation>Anular derecho.</translation>
    </message>
    <message>
        <source>Right middle finger.</source>
        <translation>Dedo medio derecho.</translation>
    </message>
    <message>
        <source>Right pointer finger.</source>
        <translation>Índice derecho.</translation>
    </message>
    <message>
        <source>Space. Thumb.</source>
        <translation>Espacio. Pulgar.</translation>
    </message>
    <message>
        <source>Enter. Right little finger.</source>
        <translation>Intro. Meñique derecho.</translation>
    </message>
    <message>
        <source>Shift and %1.</source>
        <translation>Mayús y %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right.</source>
        <extracomment>Said aloud at a line&apos;s end; %1 the right keys, %2 all keys of the line.</extracomment>
        <translation>%1 de %2 bien.</translation>
    </message>
    <message>
        <source>Well done! All right!</source>
        <translation>¡Muy bien! ¡Todo bien!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Good try!</source>
        <translation>¡Buen intento!</translation>
    </message>
    <message>
        <source>Put your fingers on the yellow keys, then press Enter.</source>
        <translation>Pon los dedos en las teclas amarillas y luego pulsa Intro.</translation>
    </message>
    <message>
        <source>Choose a game.</source>
        <translation>Elige un juego.</translation>
    </message>
    <message>
        <source>Let&apos;s type!</source>
        <extracomment>Said aloud for the first window&apos;s OK button.</extracomment>
        <translation>¡A escribir!</translation>
    </message>
</context>
<context>
    <name>TroubleMap</name>
    <message>
        <source>Shift is counted with the key it is held for</source>
        <translation>Mayús se cuenta con la tecla para la que se mantiene</translation>
    </message>
    <message>
        <source>Space bar: %1</source>
        <extracomment>%1 is what the space bar&apos;s numbers say, as &quot;Came up 88 times, missed 16 times&quot;.</extracomment>
        <translation>Barra espaciadora: %1</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Barra espaciadora</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildChooser</name>
    <message>
        <source>Who is typing?</source>
        <translation>¿Quién escribe?</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Añadir un niño…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <extracomment>Renames the child whose button has the focus.</extracomment>
        <translation>Cambiar &amp;nombre…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <extracomment>Removes the child whose button has the focus.</extracomment>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <extracomment>A child&apos;s button: %1 is the child&apos;s name, %2 the number key that chooses them.</extracomment>
        <translation>%1 (tecla %2)</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Añadir un niño</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the question before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>Remove %1, and everything Tapwell has kept of %1&apos;s typing?</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>¿Quitar a %1 y todo lo que Tapwell ha guardado de lo que escribió %1?</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildEditor</name>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The child&apos;s name.</extracomment>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <extracomment>Above the pictures a child chooses from.</extracomment>
        <translation>Dibujo:</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildFrame</name>
    <message>
        <source>Typing now</source>
        <extracomment>Above the picture and name of the child typing now.</extracomment>
        <translation>Escribe ahora</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button: another child is typing now.</extracomment>
        <translation>Ca&amp;mbiar</translation>
    </message>
    <message>
        <source>Someone else is typing</source>
        <translation>Escribe otra persona</translation>
    </message>
    <message>
        <source>&amp;Tricky Keys</source>
        <extracomment>A button: the drill of the keys this child misses most.</extracomment>
        <translation>Teclas &amp;difíciles</translation>
    </message>
    <message>
        <source>More of the keys you miss</source>
        <translation>Más de las teclas que fallas</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mi pr&amp;ogreso</translation>
    </message>
    <message>
        <source>Key&amp;board…</source>
        <translation>T&amp;eclado…</translation>
    </message>
    <message>
        <source>The keyboard this child types on, and the language they read</source>
        <translation>El teclado de este niño y el idioma en que lee</translation>
    </message>
    <message>
        <source>T&amp;alk to me</source>
        <extracomment>A check box: Tapwell says aloud what to do, for a child who cannot read yet.</extracomment>
        <translation>&amp;Háblame</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <extracomment>A teacher&apos;s button: their class, one row per child.</extracomment>
        <translation>C&amp;lase</translation>
    </message>
    <message>
        <source>The children of your classes</source>
        <translation>Los niños de tus clases</translation>
    </message>
</context>
<context>
    <name>tapwell::ClassWindow</name>
    <message>
        <source>Save the class as CSV</source>
        <translation>Guardar la clase como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in the save dialog.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The title of a teacher&apos;s window with one row per child of their classes.</extracomment>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Child</source>
        <extracomment>Column headings of the teacher&apos;s class window.</extracomment>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Lines this week</source>
        <translation>Líneas esta semana</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos esta semana</translation>
    </message>
    <message>
        <source>Speed, last 7 days</source>
        <translation>Velocidad, últimos 7 días</translation>
    </message>
    <message>
        <source>Accuracy, last 7 days</source>
        <translation>Precisión, últimos 7 días</translation>
    </message>
    <message>
        <source>Finger that misses most</source>
        <translation>Dedo que más falla</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Último día de práctica</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Guardar como CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>Leyendo la clase…</translation>
    </message>
    <message>
        <source>1 child in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table.</extracomment>
        <translation>1 niño en tus clases.</translation>
    </message>
    <message>
        <source>%1 children in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table; %1 is how many (never 1).</extracomment>
        <translation>%1 niños en tus clases.</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmAbout</name>
    <message>
        <source>Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning to type with it, and that you share it with your friends and family. Visit our web site for more programs for children and for tutorials on programming. Try Sum Safari for number games and Word Garden for spelling, too!</source>
        <translation>Tapwell es nuestro regalo para ti: es gratis, ahora y siempre. Esperamos que disfrutes aprendiendo a escribir con él y que lo compartas con tus amigos y tu familia. Visita nuestra web para ver más programas para niños y tutoriales de programación. ¡Prueba también Sum Safari para jugar con números y Word Garden para la ortografía!</translation>
    </message>
    <message>
        <source>About Tapwell</source>
        <translation>Acerca de Tapwell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button: on to the program.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visita la web de Brightnook</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmType</name>
    <message>
        <source>Info?</source>
        <extracomment>A button of the start screen: about Tapwell.</extracomment>
        <translation>¿Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A button: the help of the screen it is on; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button of the start screen; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame of the start screen&apos;s menu.</extracomment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;Learn Keyboard</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Conoce el teclado</translation>
    </message>
    <message>
        <source>&amp;Keyboard Practice</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Practica el teclado</translation>
    </message>
    <message>
        <source>Cha&amp;racter Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Ejercicio de &amp;letras</translation>
    </message>
    <message>
        <source>&amp;Word Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Ejercicio de pala&amp;bras</translation>
    </message>
    <message>
        <source>Ti&amp;med Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Ejercicio con &amp;reloj</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Stop button (a picture) of a drill or a lesson, as a screen reader says it.
----------
The Stop button&apos;s tooltip.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Home Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Fila base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Fila alta</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Fila baja</translation>
    </message>
    <message>
        <source>Number Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Use Shift?</source>
        <extracomment>A check box: the drills ask for shifted characters too.</extracomment>
        <translation>¿Usar Mayús?</translation>
    </message>
    <message>
        <source>Key Sound?</source>
        <extracomment>A check box: a sound with every key.</extracomment>
        <translation>¿Sonido?</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <extracomment>The frame of the Timed Drill&apos;s buttons.</extracomment>
        <translation>Contrarreloj</translation>
    </message>
    <message>
        <source>Learn Keyboard</source>
        <extracomment>The frame of the lessons&apos; buttons.</extracomment>
        <translation>Conoce el teclado</translation>
    </message>
    <message>
        <source>&amp;Keyboard Layout</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Partes del &amp;teclado</translation>
    </message>
    <message>
        <source>Ho&amp;me Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Fila &amp;base</translation>
    </message>
    <message>
        <source>Top &amp;Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Fila &amp;superior</translation>
    </message>
    <message>
        <source>&amp;Bottom Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Fila &amp;inferior</translation>
    </message>
    <message>
        <source>&amp;Number Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Fila de &amp;números</translation>
    </message>
    <message>
        <source>Drill Results</source>
        <extracomment>The frame of a drill line&apos;s results (speed, accuracy).</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that starts a drill or the next line; &amp; marks the letter of Alt+letter.
----------
The button that starts a row lesson&apos;s practice; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Beside the button to a lesson&apos;s previous page.
----------
The button (a picture) to a lesson&apos;s previous page, as a screen reader says it.</extracomment>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Beside the button to a lesson&apos;s next page.
----------
The button (a picture) to a lesson&apos;s next page, as a screen reader says it.</extracomment>
        <translation>Sigue</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The frame of a drill&apos;s rows and options, before a drill is chosen.</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>The title of the message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>¡Prueba otra vez!</translation>
    </message>
    <message>
        <source>Use your keyboard, not this one!</source>
        <extracomment>The message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>¡Usa tu teclado, no este!</translation>
    </message>
    <message>
        <source>Let your fingers find the
keys while watching the screen
to see where the keys are.
Make sure your hands are in
home position before starting.</source>
        <extracomment>Before a drill starts; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Deja que tus dedos encuentren
las teclas mientras miras la
pantalla para ver dónde están.
Antes de empezar, pon las
manos en la posición base.</translation>
    </message>
    <message>
        <source>Practice Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Ejercicio de letras</translation>
    </message>
    <message>
        <source>Word Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Ejercicio de palabras</translation>
    </message>
    <message>
        <source>Type in words from a book or something else. When done, press Enter to see your typing speed. Keep your hands in home position as you type.</source>
        <extracomment>The Timed Drill&apos;s box, before the drill starts; the child types over it.</extracomment>
        <translation>Escribe palabras de un libro o de otra cosa. Cuando termines, pulsa Intro para ver tu velocidad. Mantén las manos en la posición base mientras escribes.</translation>
    </message>
    <message>
        <source>Tricky Keys</source>
        <extracomment>The frame of the Character Drill&apos;s rows and options when its lines come from the child&apos;s record.</extracomment>
        <translation>Teclas difíciles</translation>
    </message>
    <message>
        <source>Tapwell cannot read its keyboard data file %1: %2</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 why it cannot be read: &quot;it is a folder, not a regular file&quot;.</extracomment>
        <translation>Tapwell no puede leer su archivo de datos del teclado %1: %2</translation>
    </message>
    <message>
        <source>Tapwell&apos;s keyboard data file %1 is damaged at %2.</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 where and how it is damaged: &quot;value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3&quot;.</extracomment>
        <translation>El archivo de datos del teclado de Tapwell %1 está dañado en %2.</translation>
    </message>
</context>
<context>
    <name>tapwell::HelpViewer</name>
    <message>
        <source>Tapwell Help</source>
        <translation>Ayuda de Tapwell</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is missing&lt;/h2&gt;&lt;p&gt;Tapwell could not open its help file &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</source>
        <extracomment>HTML: %1 is the help file, %2 why it could not be opened, as the system says it.</extracomment>
        <translation>&lt;h2&gt;Falta la ayuda&lt;/h2&gt;&lt;p&gt;Tapwell no pudo abrir su archivo de ayuda &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tapwell::KeyboardChooser</name>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>The &amp;keyboard this child types on:</source>
        <translation>El &amp;teclado de este niño:</translation>
    </message>
    <message>
        <source>Use &amp;accents and AltGr</source>
        <translation>Usar &amp;acentos y AltGr</translation>
    </message>
    <message>
        <source>The keyboard in use</source>
        <extracomment>The first of the keyboards to choose from: whichever the computer uses at the time.</extracomment>
        <translation>El teclado que se usa ahora</translation>
    </message>
    <message>
        <source>Keyboard and language</source>
        <extracomment>The title of the window where a child&apos;s keyboard and language are chosen.</extracomment>
        <translation>Teclado e idioma</translation>
    </message>
    <message>
        <source>The &amp;language this child reads:</source>
        <translation>El &amp;idioma en que lee:</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <extracomment>The first of the languages to choose from: whichever the computer is set to.</extracomment>
        <translation>El idioma del ordenador</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressCharts</name>
    <message>
        <source>Words per minute: no Word or Timed Drill yet</source>
        <translation>Palabras por minuto: todavía no hay ejercicio de palabras ni con reloj</translation>
    </message>
    <message>
        <source>Words per minute (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palabras por minuto (la línea del medio de cada día)</translation>
    </message>
    <message>
        <source>Words per minute (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palabras por minuto (la línea del medio de cada semana)</translation>
    </message>
    <message>
        <source>Words per minute (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palabras por minuto (la línea del medio de cada mes)</translation>
    </message>
    <message>
        <source>Accuracy (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Aciertos (la línea del medio de cada día)</translation>
    </message>
    <message>
        <source>Accuracy (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Aciertos (la línea del medio de cada semana)</translation>
    </message>
    <message>
        <source>Accuracy (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Aciertos (la línea del medio de cada mes)</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>The accuracy chart&apos;s axis: the percentage of keys typed right.</extracomment>
        <translation>% de aciertos</translation>
    </message>
    <message>
        <source>Minutes typed each day, the last 4 weeks</source>
        <translation>Minutos escritos cada día, las últimas 4 semanas</translation>
    </message>
    <message>
        <source>Minutes typed each week, the last 6 months</source>
        <translation>Minutos escritos cada semana, los últimos 6 meses</translation>
    </message>
    <message>
        <source>Minutes typed each month</source>
        <translation>Minutos escritos cada mes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>The minutes chart&apos;s bars.</extracomment>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>The minutes chart&apos;s axis.</extracomment>
        <translation>minutos</translation>
    </message>
    <message>
        <source>In the last 4 weeks: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>En las últimas 4 semanas: %1. En total: %2.</translation>
    </message>
    <message>
        <source>In the last 6 months: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>En los últimos 6 meses: %1. En total: %2.</translation>
    </message>
    <message>
        <source>In all: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>En total: %1.</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressSummary</name>
    <message>
        <source>not yet</source>
        <extracomment>A best line not typed yet, as in &quot;Best Timed Drill: not yet&quot;.</extracomment>
        <translation>todavía no</translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n palabra por minuto</numerusform>
            <numerusform>%n palabras por minuto</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines finished: %1
Days practised: %2
Best Word Drill: %3
Best Timed Drill: %4</source>
        <extracomment>%1 and %2 are numbers; %3 and %4 the best speeds, as &quot;33 words per minute&quot; or &quot;not yet&quot;.</extracomment>
        <translation>Líneas terminadas: %1
Días de práctica: %2
Mejor ejercicio de palabras: %3
Mejor ejercicio con reloj: %4</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressWindow</name>
    <message>
        <source>Home Row</source>
        <translation>Fila base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <translation>Fila superior</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <translation>Fila inferior</translation>
    </message>
    <message>
        <source>Number Row</source>
        <translation>Fila de números</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>Progress &amp;of:</source>
        <translation>Progreso &amp;de:</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Añadir un niño…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Cambiar &amp;nombre…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Añadir un niño</translation>
    </message>
    <message>
        <source>Rename this child</source>
        <translation>Cambiar el nombre de este niño</translation>
    </message>
    <message>
        <source>Remove this child</source>
        <translation>Quitar a este niño</translation>
    </message>
    <message>
        <source>Keys I miss</source>
        <translation>Teclas que fallo</translation>
    </message>
    <message>
        <source>Trouble map</source>
        <translation>Mapa de fallos</translation>
    </message>
    <message>
        <source>The keyboard, each key coloured by how often it is missed</source>
        <translation>El teclado, con cada tecla coloreada según cuánto se falla</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>the last 4 weeks, day by day</source>
        <translation>las últimas 4 semanas, día a día</translation>
    </message>
    <message>
        <source>the last 6 months, week by week</source>
        <translation>los últimos 6 meses, semana a semana</translation>
    </message>
    <message>
        <source>all, month by month</source>
        <translation>todo, mes a mes</translation>
    </message>
    <message>
        <source>Words per minute each day</source>
        <translation>Palabras por minuto cada día</translation>
    </message>
    <message>
        <source>Accuracy each day</source>
        <translation>Aciertos cada día</translation>
    </message>
    <message>
        <source>Minutes typed each day</source>
        <translation>Minutos escritos cada día</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Guardar como CSV…</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Every child&apos;s lines, for a spreadsheet</source>
        <translation>Las líneas de todos los niños, para una hoja de cálculo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1&apos;s picture</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Dibujo de %1</translation>
    </message>
    <message>
        <source>Reading %1&apos;s progress…</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Leyendo el progreso de %1…</translation>
    </message>
    <message>
        <source>Type a few more lines, and Tapwell can tell you which finger misses most.</source>
        <translation>Escribe unas líneas más y Tapwell te dirá qué dedo falla más.</translation>
    </message>
    <message>
        <source>Lessons practised to the end:</source>
        <translation>Lecciones practicadas hasta el final:</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;.</extracomment>
        <translation>%1: todavía no</translation>
    </message>
    <message>
        <source>%1: yes, last on %2</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;; %2 the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>%1: sí, la última vez el %2</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>Nothing has been typed as %1 yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>%1 todavía no ha escrito nada.</translation>
    </message>
    <message>
        <source>That is 1 line typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>Es 1 línea escrita en %1.</translation>
    </message>
    <message numerus="yes">
        <source>That is %n lines typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Es %n línea escrita en %1.</numerusform>
            <numerusform>Son %n líneas escritas en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from Tapwell?

This deletes %1&apos;s name and picture and everything Tapwell has kept of %1&apos;s typing: every line, every key, the charts and the trouble map. %2</source>
        <extracomment>%1 is the child&apos;s name; %2 is how much was typed, as &quot;That is 9 lines typed on 3 days.&quot; or &quot;Nothing has been typed as Anna yet.&quot;</extracomment>
        <translation>¿Quitar a %1 de Tapwell?

Se borrarán el nombre y el dibujo de %1 y todo lo que Tapwell ha guardado de lo que escribió %1: cada línea, cada tecla, los gráficos y el mapa de fallos. %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the questions before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>Are you sure? %1&apos;s progress cannot be brought back.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>¿Seguro? El progreso de %1 no se podrá recuperar.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>button</comment>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>Quitar a %1</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>&amp;Mantener a %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Guardar el progreso como CSV</translation>
    </message>
    <message>
        <source>%1
(Stop what is being typed in the main window first.)</source>
        <extracomment>%1 is what to do next, as &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>%1
(Primero para lo que se está escribiendo en la ventana principal.)</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 is why, as &quot;Cannot write /home/ann/a.csv: the disk is full.&quot;</extracomment>
        <translation>No se guardó: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Guardado como %1</translation>
    </message>
</context>
<context>
    <name>tapwell::TroubleLegend</name>
    <message>
        <source>Colours of the trouble map</source>
        <translation>Colores del mapa de fallos</translation>
    </message>
    <message>
        <source>Light keys are seldom missed, dark red keys often; grey striped keys were never asked for.</source>
        <translation>Las teclas claras casi nunca se fallan; las rojo oscuro, a menudo; las grises con rayas no han salido nunca.</translation>
    </message>
    <message>
        <source>Missed:</source>
        <extracomment>Before the colours of the scale, each named by how often a key is missed (&quot;10%&quot;).</extracomment>
        <translation>Fallos:</translation>
    </message>
    <message>
        <source>%1%+</source>
        <extracomment>The last colour of the scale: missed %1 percent of the time or more (&quot;40%+&quot;).</extracomment>
        <translation>%1%+</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A colour of the scale: missed %1 percent of the time (&quot;10%&quot;).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>never asked for</source>
        <extracomment>Beside the grey striped key of the scale.</extracomment>
        <translation>nunca ha salido</translation>
    </message>
    <message numerus="yes">
        <source>Of each key&apos;s last %n presses. Point at a key to see more.</source>
        <translation>
            <numerusform>Cuenta la última pulsación (%n) de cada tecla. Señala una tecla para ver más.</numerusform>
            <numerusform>Cuenta las últimas %n pulsaciones de cada tecla. Señala una tecla para ver más.</numerusform>
        </translation>
    </message>
</context>
</TS>
