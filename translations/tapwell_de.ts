<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>, </source>
        <extracomment>Said by the screen reader between the parts of a key&apos;s or a hand&apos;s words, as in &quot;W, left ring finger&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>linker kleiner Finger</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>linker Ringfinger</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>linker Mittelfinger</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>linker Zeigefinger</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>rechter kleiner Finger</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>rechter Ringfinger</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>rechter Mittelfinger</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>rechter Zeigefinger</translation>
    </message>
    <message>
        <source>left thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>linker Daumen</translation>
    </message>
    <message>
        <source>right thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>rechter Daumen</translation>
    </message>
    <message>
        <source>next key</source>
        <extracomment>A key&apos;s description for the screen reader: it is the key to press next.</extracomment>
        <translation>nächste Taste</translation>
    </message>
    <message>
        <source>home key</source>
        <extracomment>A key&apos;s description for the screen reader: a finger rests on it.</extracomment>
        <translation>Grundtaste</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>The description of the left Shift key of the on-screen keyboard.</extracomment>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>The description of the right Shift key of the on-screen keyboard.</extracomment>
        <translation>rechts</translation>
    </message>
    <message>
        <source>row arrow</source>
        <extracomment>A picture&apos;s name for the screen reader: the arrow beside the row of keys.</extracomment>
        <translation>Pfeil zur Tastenreihe</translation>
    </message>
    <message>
        <source>key marker</source>
        <extracomment>A picture&apos;s name for the screen reader: the mark on the key to press.</extracomment>
        <translation>Tastenmarke</translation>
    </message>
    <message>
        <source>computer drawing</source>
        <extracomment>A picture&apos;s name for the screen reader: the start screen&apos;s computer.</extracomment>
        <translation>Bild vom Computer</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <extracomment>The on-screen keyboard&apos;s name for the screen reader.</extracomment>
        <translation>Bildschirm-Tastatur</translation>
    </message>
    <message>
        <source>Text display</source>
        <extracomment>The name for the screen reader of the box where lessons and drills are printed.</extracomment>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Said by the screen reader when a Tricky Keys line ends: %1 is the results (&quot;92% accuracy&quot;), %2 the keys it practised (&quot;Practised: W S X&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>That was %1. %2</source>
        <extracomment>Said by the screen reader after a wrong key: %1 is what was typed (&quot;Q&quot;), %2 the key to press (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Das war %1. %2</translation>
    </message>
    <message>
        <source>The line: %1</source>
        <extracomment>Said by the screen reader as a drill line with spaces comes: %1 is the line spelled out (&quot;F, three spaces, J&quot;).</extracomment>
        <translation>Die Zeile: %1</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <source>hash</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>Und-Zeichen</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>Sternchen</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Strichpunkt</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation>größer als</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>At-Zeichen</translation>
    </message>
    <message>
        <source>open square bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>umgekehrter Schrägstrich</translation>
    </message>
    <message>
        <source>close square bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>Dach</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>Unterstrich</translation>
    </message>
    <message>
        <source>backtick</source>
        <translation>Gravis</translation>
    </message>
    <message>
        <source>open curly bracket</source>
        <translation>geschweifte Klammer auf</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>senkrechter Strich</translation>
    </message>
    <message>
        <source>close curly bracket</source>
        <translation>geschweifte Klammer zu</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A character&apos;s name, as the screen reader says it.</extracomment>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>zehn</translation>
    </message>
    <message>
        <source>%1 spaces</source>
        <extracomment>A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a word up to ten (&quot;three&quot;) and in figures above.</extracomment>
        <translation>%1 Leerzeichen</translation>
    </message>
    <message>
        <source>space</source>
        <extracomment>One space in a drill line spelled out.</extracomment>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>AltGr</translation>
    </message>
    <message>
        <source>left hand, little finger lit</source>
        <translation>linke Hand, kleiner Finger leuchtet</translation>
    </message>
    <message>
        <source>left hand, ring finger lit</source>
        <translation>linke Hand, Ringfinger leuchtet</translation>
    </message>
    <message>
        <source>left hand, middle finger lit</source>
        <translation>linke Hand, Mittelfinger leuchtet</translation>
    </message>
    <message>
        <source>left hand, index finger lit</source>
        <translation>linke Hand, Zeigefinger leuchtet</translation>
    </message>
    <message>
        <source>right hand, little finger lit</source>
        <translation>rechte Hand, kleiner Finger leuchtet</translation>
    </message>
    <message>
        <source>right hand, ring finger lit</source>
        <translation>rechte Hand, Ringfinger leuchtet</translation>
    </message>
    <message>
        <source>right hand, middle finger lit</source>
        <translation>rechte Hand, Mittelfinger leuchtet</translation>
    </message>
    <message>
        <source>right hand, index finger lit</source>
        <translation>rechte Hand, Zeigefinger leuchtet</translation>
    </message>
    <message>
        <source>left hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>linke Hand, vier Finger leuchten</translation>
    </message>
    <message>
        <source>right hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>rechte Hand, vier Finger leuchten</translation>
    </message>
    <message>
        <source>left hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>linke Hand, Daumen leuchtet</translation>
    </message>
    <message>
        <source>right hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>rechte Hand, Daumen leuchtet</translation>
    </message>
    <message>
        <source>left hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>linke Hand</translation>
    </message>
    <message>
        <source>right hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>rechte Hand</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What the guide marks, as the screen reader says it while the child types: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <extracomment>What the guide marks, as the screen reader says it in a lesson: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Markiert: %1</translation>
    </message>
    <message>
        <source>Space, thumbs</source>
        <extracomment>What the guide marks: the space bar, pressed with a thumb.</extracomment>
        <translation>Leertaste, Daumen</translation>
    </message>
    <message>
        <source>%1, four fingers of each hand</source>
        <extracomment>The home keys the guide marks, as the screen reader says them: %1 is the keys (&quot;A S D F J K L ;&quot;).</extracomment>
        <translation>%1, vier Finger jeder Hand</translation>
    </message>
    <message>
        <source>Home position: %1</source>
        <extracomment>%1 is the home keys and the fingers (&quot;A S D F J K L ;, four fingers of each hand&quot;).</extracomment>
        <translation>Grundstellung: %1</translation>
    </message>
    <message>
        <source>Shift with both little fingers</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Umschalt mit beiden kleinen Fingern</translation>
    </message>
    <message>
        <source>Shift with the left little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Umschalt mit dem linken kleinen Finger</translation>
    </message>
    <message>
        <source>Shift with the right little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Umschalt mit dem rechten kleinen Finger</translation>
    </message>
    <message>
        <source>AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>AltGr mit dem rechten Daumen</translation>
    </message>
    <message>
        <source>%1 and AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it: %1 is the Shift to hold (&quot;Shift with the left little finger&quot;).</extracomment>
        <translation>%1 und AltGr mit dem rechten Daumen</translation>
    </message>
    <message>
        <source>the accent key for %1</source>
        <extracomment>The key to press for an accent: %1 is the character it is for (&quot;É&quot;).</extracomment>
        <translation>die Akzenttaste für %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The key to press and its finger: %1 is the key (&quot;W&quot;), %2 the finger (&quot;left ring finger&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>What to press, in order: %1 is what to hold first (&quot;Shift with the right little finger&quot;), %2 the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>%1, dann %2</translation>
    </message>
    <message>
        <source>Info, Help and Exit</source>
        <extracomment>The name for the screen reader of the start screen&apos;s frame of buttons.</extracomment>
        <translation>Info, Hilfe und Ende</translation>
    </message>
    <message>
        <source>Timed Drill typing</source>
        <extracomment>The name for the screen reader of the box the Timed Drill is typed in.</extracomment>
        <translation>Tempo-Training, Tippfeld</translation>
    </message>
    <message>
        <source>cursor box</source>
        <extracomment>The name for the screen reader of the box round the next character to type.</extracomment>
        <translation>Cursor-Kasten</translation>
    </message>
    <message>
        <source>backdrop</source>
        <extracomment>The name for the screen reader of the blue band behind the lesson and drill frames.</extracomment>
        <translation>Hintergrund</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Tapwell&apos;s progress file was damaged. It was kept as %1, and a new record was started.</source>
        <extracomment>%1 is the file the damaged record was kept as.</extracomment>
        <translation>Die Fortschritt-Datei von Tapwell war kaputt. Sie wurde als %1 aufgehoben, und eine neue wurde angefangen.</translation>
    </message>
    <message>
        <source>Tapwell cannot start</source>
        <extracomment>The title of the message that says why.</extracomment>
        <translation>Tapwell kann nicht starten</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <extracomment>The title of a message: the keyboard chosen could not be kept.</extracomment>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress.</source>
        <translation>Tapwell kann den Fortschritt nicht speichern.</translation>
    </message>
    <message>
        <source>%1 Typing works as always, but it is not being kept.</source>
        <extracomment>%1 is the sentence before, as &quot;Tapwell cannot save progress: the disk is full.&quot;.</extracomment>
        <translation>%1 Tippen geht wie immer, aber es wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Tapwell cannot save your choices</source>
        <translation>Tapwell kann deine Einstellungen nicht speichern</translation>
    </message>
    <message>
        <source>Tapwell could not write its settings file %1: %2.</source>
        <extracomment>%1 is the settings file; %2 is why, as the system says it.</extracomment>
        <translation>Tapwell konnte seine Einstellungsdatei %1 nicht schreiben: %2.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>ChildPictures</name>
    <message>
        <source>fox</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>owl</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Eule</translation>
    </message>
    <message>
        <source>cat</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Katze</translation>
    </message>
    <message>
        <source>frog</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>bear</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Bär</translation>
    </message>
    <message>
        <source>fish</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>Fisch</translation>
    </message>
</context>
<context>
    <name>DrillResults</name>
    <message>
        <source>%1 words per minute</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;60&quot;.</extracomment>
        <translation>%1 Wörter pro Minute</translation>
    </message>
    <message>
        <source>%1% accuracy</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;92&quot;.</extracomment>
        <translation>%1% richtig</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>This keyboard has too few words for these rows: type their keys.</source>
        <extracomment>Above a Word Drill line made of the rows&apos; characters, when the child&apos;s language has too few words that the chosen rows can type.</extracomment>
        <translation>Diese Tastatur hat zu wenige Wörter für diese Reihen: tippe ihre Tasten.</translation>
    </message>
    <message>
        <source>Practised:%1</source>
        <extracomment>Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space before it: &quot; W S X&quot;.</extracomment>
        <translation>Geübt:%1</translation>
    </message>
    <message>
        <source>All your keys are secure! Try a new row.</source>
        <extracomment>Above a Tricky Keys line, when no key of the chosen rows is missed any more.</extracomment>
        <translation>Du kannst alle deine Tasten sicher! Probier eine neue Reihe.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es ist ein Ordner, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es ist eine benannte Pipe, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;. %1 is a number of bytes.</extracomment>
        <translation>es ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it is not a PCM wave file</source>
        <extracomment>Why a sound file cannot be played, after its path.</extracomment>
        <translation>es ist keine PCM-Wave-Datei</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as in &quot;Press Enter three times: &quot;.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as in &quot;Press Shift three times: &quot;.</extracomment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>A hand, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>linken</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>A hand, as in &quot;Use the little finger of the right hand.&quot;</extracomment>
        <translation>rechten</translation>
    </message>
    <message>
        <source>little</source>
        <extracomment>A finger, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>kleinen Finger</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>A finger, as in &quot;Use the ring finger of the left hand.&quot;</extracomment>
        <translation>Ringfinger</translation>
    </message>
    <message>
        <source>middle</source>
        <extracomment>A finger, as in &quot;Use the middle finger of the left hand.&quot;</extracomment>
        <translation>Mittelfinger</translation>
    </message>
    <message>
        <source>index</source>
        <extracomment>A finger, as in &quot;Use the index finger of the left hand.&quot;</extracomment>
        <translation>Zeigefinger</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>A row of keys, as in &quot;This row is called the home row.&quot;</extracomment>
        <translation>Grundreihe</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of keys, as in &quot;This row is called the top row.&quot;</extracomment>
        <translation>obere Reihe</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>A row of keys, as in &quot;This row is called the bottom row.&quot;</extracomment>
        <translation>untere Reihe</translation>
    </message>
    <message>
        <source>number</source>
        <extracomment>A row of keys, as in &quot;This row is called the number row.&quot;</extracomment>
        <translation>Zahlenreihe</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>Any row of keys.</extracomment>
        <translation>beliebige Reihe</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>A row of keys, as a title: &quot;Home Row&quot;.</extracomment>
        <translation>Grundreihe</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>A row of keys, as a title: &quot;Top Row&quot;.</extracomment>
        <translation>Obere Reihe</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>A row of keys, as a title: &quot;Bottom Row&quot;.</extracomment>
        <translation>Untere Reihe</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>A row of keys, as a title: &quot;Number Row&quot;.</extracomment>
        <translation>Zahlenreihe</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Any row of keys, as a title.</extracomment>
        <translation>Alle Reihen</translation>
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
        <translation>Jetzt probier die Umschalttaste.
Wenn du mit der linken Hand
tippst, halte die Umschalttaste
rechts in der unteren Reihe
mit dem kleinen Finger der
rechten Hand.</translation>
    </message>
    <message>
        <source>Now try using the Shift key.
When typing with the right
hand, hold the Shift key on
the left side of the
bottom row with the little
finger of the left hand.</source>
        <extracomment>A row lesson, before the shifted keys of the right hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Jetzt probier die Umschalttaste.
Wenn du mit der rechten Hand
tippst, halte die Umschalttaste
links in der unteren Reihe
mit dem kleinen Finger der
linken Hand.</translation>
    </message>
    <message>
        <source>Use the %1 finger of the
%2 hand.
</source>
        <extracomment>Keyboard Practice, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right).</extracomment>
        <translation>Nimm den %1 der
%2 Hand.
</translation>
    </message>
    <message>
        <source>The %1 finger of the 
%2 hand is used to 
press 1 key:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the key, with a space before it: &quot; J&quot;.</extracomment>
        <translation>Mit dem %1 der
%2 Hand drückst du
1 Taste:%3</translation>
    </message>
    <message numerus="yes">
        <source>The %1 finger of the 
%2 hand is used to 
press %n keys:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the keys, each with a space before it: &quot; J H Y&quot;.</extracomment>
        <translation>
            <numerusform>Mit dem %1 der
%2 Hand drückst du
%n Taste:%3</numerusform>
            <numerusform>Mit dem %1 der
%2 Hand drückst du
%n Tasten:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Press %1 three times: </source>
        <extracomment>Keyboard Practice and the row lessons; the key&apos;s presses are typed after it. %1 is the key: a character, &quot;Enter&quot; or &quot;Shift&quot;.</extracomment>
        <translation>Drücke %1 dreimal: </translation>
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
        <translation>Hier lernst du die Tasten für
Buchstaben und Zahlen. Andere
Tasten der Computertastatur,
wie Strg oder F1, lernst du
hier nicht.</translation>
    </message>
    <message>
        <source>Shown is the computer keyboard.
Note there are four rows of
keys. At the bottom of the 
keyboard is the space bar.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Hier siehst du die Tastatur
des Computers. Sie hat vier
Reihen mit Tasten. Ganz unten
ist die Leertaste.</translation>
    </message>
    <message>
        <source>This row is called the {row}
row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Diese Reihe ist die
{row}.</translation>
    </message>
    <message>
        <source>The starting position for
all typing strokes is the
home row. Your fingers should
always rest on this row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Beim Tippen fangen deine
Finger immer in der
Grundreihe an. Deine Finger
liegen immer auf dieser Reihe.</translation>
    </message>
    <message>
        <source>Your left hand rests on the
{home1} {home2} {home3} {home4} keys (little finger
on {home1}). Your right hand rests
on the {home5} {home6} {home7} {home8} keys (little
finger on {home8}). Place your
hands in the home position.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little finger to right little finger.</extracomment>
        <translation>Deine linke Hand liegt auf
den Tasten {home1} {home2} {home3} {home4} (kleiner
Finger auf {home1}). Deine rechte
Hand liegt auf {home5} {home6} {home7} {home8}
(kleiner Finger auf {home8}).
Lege deine Hände in die
Grundstellung.</translation>
    </message>
    <message>
        <source>The Enter key is used to 
tell the computer you are
done typing something. Use
the little finger of the
right hand.

Press Enter a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Mit der Enter-Taste sagst du
dem Computer, dass du mit
etwas fertig bist. Nimm den
kleinen Finger der rechten
Hand.

Drücke ein paar Mal Enter.</translation>
    </message>
    <message>
        <source>The space bar is used to
put spaces between letters
and words. You hit the space
bar with your left or right
thumb.

Tap the space bar a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Mit der Leertaste machst du
Lücken zwischen Buchstaben
und Wörtern. Du drückst die
Leertaste mit dem linken oder
rechten Daumen.

Drücke ein paar Mal die
Leertaste.</translation>
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
        <translation>An beiden Enden der unteren
Reihe sind Umschalttasten.
Finde sie. Du drückst sie mit
den kleinen Fingern. Wenn du
einen Buchstaben ohne
Umschalt tippst, kommt ein
kleiner Buchstabe.</translation>
    </message>
    <message>
        <source>If you hold down Shift and
press a letter, the upper
case letter is typed.

Note two characters are on
the number and symbol keys.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Wenn du Umschalt festhältst
und einen Buchstaben drückst,
kommt ein großer Buchstabe.

Auf den Zahlen- und
Zeichentasten stehen immer
zwei Zeichen.</translation>
    </message>
    <message>
        <source>If you press one of these
keys without Shift, the
character on the lower part
of the key is typed. If Shift
is held and the key pressed,
the upper character is typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Drückst du so eine Taste ohne
Umschalt, kommt das untere
Zeichen der Taste. Hältst du
Umschalt fest und drückst die
Taste, kommt das obere
Zeichen.</translation>
    </message>
    <message>
        <source>More on the Shift keys later.

Right now, we&apos;ll return to 
the selection menu where 
you can pick which row of
keys you want to learn.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Mehr über Umschalt später.

Jetzt geht es zurück zum
Menü. Dort kannst du
aussuchen, welche Reihe du
lernen willst.</translation>
    </message>
    <message>
        <source>Learn keys of {row} row.

When typing, let your fingers
find the keys while you look
at the screen to see where
the keys are.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Jetzt lernst du die
{row}.

Lass deine Finger beim Tippen
die Tasten finden. Schau
dabei auf den Bildschirm, da
siehst du, wo die Tasten sind.</translation>
    </message>
    <message>
        <source>Make sure your hands are in
home position before starting.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Lege deine Hände vor dem
Start in die Grundstellung.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>usage: tapwell --export-progress FILE.csv (or - for standard output)</source>
        <extracomment>The command line&apos;s usage; the option&apos;s name stays as it is.</extracomment>
        <translation>Aufruf: tapwell --export-progress DATEI.csv (oder - für die Standardausgabe)</translation>
    </message>
    <message>
        <source>the progress file was damaged; it was kept as %1 and a new one started, so there is nothing to export.</source>
        <extracomment>On the command line, exporting the record. %1 is the path the damaged file was kept at.</extracomment>
        <translation>die Fortschritt-Datei war kaputt; sie wurde als %1 aufgehoben und eine neue angefangen, darum gibt es nichts zu exportieren.</translation>
    </message>
    <message>
        <source>usage: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</source>
        <extracomment>The command line&apos;s usage; the options&apos; names stay as they are.</extracomment>
        <translation>Aufruf: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</translation>
    </message>
    <message>
        <source>no server: give --server, or set server in the [record] group of /etc/xdg/tapwell/tapwell.conf</source>
        <extracomment>On the command line: no server was given or configured.</extracomment>
        <translation>kein Server: --server angeben oder server in der Gruppe [record] von /etc/xdg/tapwell/tapwell.conf setzen</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>Enter</source>
        <extracomment>The caption of the on-screen keyboard&apos;s Enter key.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The caption of the on-screen keyboard&apos;s left Shift key.
----------
The caption of the on-screen keyboard&apos;s right Shift key.</extracomment>
        <translation>Umschalt</translation>
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
        <translation>%1 ist kein Plug-in dieses Tapwell</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s name: &quot;tapwell-sound.so&quot;.</extracomment>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>Tapwell cannot load the part of it that draws &quot;My Progress&quot;: %1. Installing Tapwell again will mend it.</source>
        <extracomment>A message when My Progress is asked for. %1 is why the part cannot be loaded: &quot;… is not installed&quot;.</extracomment>
        <translation>Tapwell kann den Teil nicht laden, der „Mein Fortschritt“ zeichnet: %1. Wenn du Tapwell neu installierst, geht es wieder.</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>Word Drill</source>
        <translation>Wörter-Training</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <translation>Zeichen-Training</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <translation>Tempo-Training</translation>
    </message>
    <message>
        <source>1 day</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 1 day&quot;.</extracomment>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 3 days&quot;.</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
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
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Your left little finger misses most: %1</source>
        <translation>Dein linker kleiner Finger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your left ring finger misses most: %1</source>
        <translation>Dein linker Ringfinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your left middle finger misses most: %1</source>
        <translation>Dein linker Mittelfinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your left index finger misses most: %1</source>
        <translation>Dein linker Zeigefinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your right little finger misses most: %1</source>
        <translation>Dein rechter kleiner Finger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your right ring finger misses most: %1</source>
        <translation>Dein rechter Ringfinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your right middle finger misses most: %1</source>
        <translation>Dein rechter Mittelfinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>Your right index finger misses most: %1</source>
        <translation>Dein rechter Zeigefinger vertippt sich am meisten: %1</translation>
    </message>
    <message>
        <source>another key</source>
        <extracomment>What was typed instead of the key asked for, when it is none of the keyboard&apos;s keys.</extracomment>
        <translation>eine andere Taste</translation>
    </message>
    <message>
        <source>Never asked for yet</source>
        <extracomment>A key of the trouble map.</extracomment>
        <translation>Noch nie gefragt</translation>
    </message>
    <message>
        <source>Came up once</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>Kam einmal dran</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n times</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>
            <numerusform>Kam %n-mal dran</numerusform>
            <numerusform>Kam %n-mal dran</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, never missed</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, nie vertippt</translation>
    </message>
    <message>
        <source>%1, missed once</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, einmal vertippt</translation>
    </message>
    <message numerus="yes">
        <source>%1, missed %n times</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 88 times&quot;.</extracomment>
        <translation>
            <numerusform>%1, %n-mal vertippt</numerusform>
            <numerusform>%1, %n-mal vertippt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list of keys: %1 is all but the last (&quot;E, S&quot;), %2 the last (&quot;D&quot;).</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1; most often typed instead: %2</source>
        <extracomment>%1 is how often the key came up and was missed: &quot;Came up 88 times, missed 16 times&quot;; %2 is the keys typed instead, as &quot;E&quot; or &quot;E, S or D&quot;.</extracomment>
        <translation>%1; am häufigsten stattdessen getippt: %2</translation>
    </message>
    <message>
        <source>This key got better this week: %1</source>
        <extracomment>%1 is the key, as &quot;Space&quot;.</extracomment>
        <translation>Diese Taste ist diese Woche besser geworden: %1</translation>
    </message>
    <message numerus="yes">
        <source>These keys got better this week: %1</source>
        <extracomment>%1 is the keys, as &quot;D K ;&quot;.</extracomment>
        <translation>
            <numerusform>Diese Taste ist diese Woche besser geworden: %1</numerusform>
            <numerusform>Diese Tasten sind diese Woche besser geworden: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Timed Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Deine beste Zeile: %n Wort pro Minute im Tempo-Training, am %1</numerusform>
            <numerusform>Deine beste Zeile: %n Wörter pro Minute im Tempo-Training, am %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Word Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Deine beste Zeile: %n Wort pro Minute im Wörter-Training, am %1</numerusform>
            <numerusform>Deine beste Zeile: %n Wörter pro Minute im Wörter-Training, am %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No key asked for yet</source>
        <translation>Noch keine Taste gefragt</translation>
    </message>
    <message>
        <source>No key missed yet</source>
        <translation>Noch keine Taste vertippt</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A key and how often it is missed: %1 is the key, %2 the percentage (&quot;Q 40%&quot;).</extracomment>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <source>Missed most: %1</source>
        <extracomment>%1 is the keys missed most, worst first: &quot;Q 40%, semicolon 35%, P 6%&quot;.</extracomment>
        <translation>Am meisten vertippt: %1</translation>
    </message>
    <message>
        <source>%1&apos;s progress: nothing typed yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Fortschritt von %1: noch nichts getippt.</translation>
    </message>
    <message>
        <source>%1&apos;s progress: 1 line typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;1 day&quot;.</extracomment>
        <translation>Fortschritt von %1: 1 Zeile an %2 getippt.</translation>
    </message>
    <message numerus="yes">
        <source>%1&apos;s progress: %n lines typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Fortschritt von %1: %n Zeile an %2 getippt.</numerusform>
            <numerusform>Fortschritt von %1: %n Zeilen an %2 getippt.</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour %1</source>
        <extracomment>A time: %1 is the minutes past the hour, as &quot;5 minutes&quot;.</extracomment>
        <translation>1 Stunde %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hours %1</source>
        <extracomment>A time: %1 is the minutes past the hours, as &quot;5 minutes&quot;.</extracomment>
        <translation>
            <numerusform>%n Stunde %1</numerusform>
            <numerusform>%n Stunden %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n Wort pro Minute</numerusform>
            <numerusform>%n Wörter pro Minute</numerusform>
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
        <translation>%1: heute %2</translation>
    </message>
    <message>
        <source>%1: %2 yesterday</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1: gestern %2</translation>
    </message>
    <message>
        <source>%1: %2 on %3</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;), %3 the day of it (&quot;5 December&quot;).</extracomment>
        <translation>%1: %2 am %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: %1 is all of it, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, steady over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1, gleich wie in den letzten 4 Wochen.</translation>
    </message>
    <message>
        <source>%1, up from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, mehr als %2 in den letzten 4 Wochen.</translation>
    </message>
    <message>
        <source>%1, down from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, weniger als %2 in den letzten 4 Wochen.</translation>
    </message>
    <message>
        <source>Nothing typed in the last 4 weeks.</source>
        <translation>In den letzten 4 Wochen nichts getippt.</translation>
    </message>
    <message>
        <source>Nothing typed this week yet.</source>
        <translation>Diese Woche noch nichts getippt.</translation>
    </message>
    <message>
        <source>This week: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Diese Woche: %1.</translation>
    </message>
    <message>
        <source>Ready for the Home Row lesson</source>
        <translation>Bereit für die Übung Grundreihe</translation>
    </message>
    <message>
        <source>Ready for the Top Row lesson</source>
        <translation>Bereit für die Übung Obere Reihe</translation>
    </message>
    <message>
        <source>Ready for the Bottom Row lesson</source>
        <translation>Bereit für die Übung Untere Reihe</translation>
    </message>
    <message>
        <source>Ready for the Number Row lesson</source>
        <translation>Bereit für die Übung Zahlenreihe</translation>
    </message>
    <message>
        <source>Try Tricky Keys: %1 needs practice</source>
        <extracomment>%1 is a key, as &quot;Q&quot;.</extracomment>
        <translation>Probier Knifflige Tasten: %1 braucht Übung</translation>
    </message>
    <message numerus="yes">
        <source>Try Tricky Keys: %1 and %2 need practice</source>
        <extracomment>%1 is all the keys but the last, as &quot;Q, P&quot;; %2 the last, as &quot;;&quot;.</extracomment>
        <translation>
            <numerusform>Probier Knifflige Tasten: %1 und %2 brauchen Übung</numerusform>
            <numerusform>Probier Knifflige Tasten: %1 und %2 brauchen Übung</numerusform>
        </translation>
    </message>
    <message>
        <source>Practise a little every day: 10 minutes is plenty</source>
        <translation>Übe jeden Tag ein bisschen: 10 Minuten sind genug</translation>
    </message>
    <message>
        <source>&amp;Go to the Home Row lesson</source>
        <translation>&amp;Zur Übung Grundreihe</translation>
    </message>
    <message>
        <source>&amp;Go to the Top Row lesson</source>
        <translation>&amp;Zur Übung Obere Reihe</translation>
    </message>
    <message>
        <source>&amp;Go to the Bottom Row lesson</source>
        <translation>&amp;Zur Übung Untere Reihe</translation>
    </message>
    <message>
        <source>&amp;Go to the Number Row lesson</source>
        <translation>&amp;Zur Übung Zahlenreihe</translation>
    </message>
    <message>
        <source>&amp;Go to Tricky Keys</source>
        <extracomment>A button, beside &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>&amp;Zu den kniffligen Tasten</translation>
    </message>
    <message>
        <source>&amp;Go and type</source>
        <extracomment>A button, beside &quot;Practise a little every day&quot;: to the menu, to choose what to type.</extracomment>
        <translation>&amp;Los, tippen</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>another program is using the progress file</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>ein anderes Programm benutzt die Fortschritt-Datei</translation>
    </message>
    <message>
        <source>the progress file cannot be written to</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>in die Fortschritt-Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the progress file cannot be opened</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the progress file could not be written (the disk may be full or failing)</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei konnte nicht geschrieben werden (die Festplatte ist vielleicht voll oder kaputt)</translation>
    </message>
    <message>
        <source>the progress file is damaged</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei ist kaputt</translation>
    </message>
    <message>
        <source>the progress file could not be used</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei konnte nicht benutzt werden</translation>
    </message>
    <message>
        <source>the progress file was made by a newer Tapwell; it is kept as it is</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei kommt von einem neueren Tapwell; sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>the progress file is not one of Tapwell&apos;s</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei ist keine Datei von Tapwell</translation>
    </message>
    <message>
        <source>the progress file is damaged and cannot be moved aside</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei ist kaputt und kann nicht weggelegt werden</translation>
    </message>
    <message>
        <source>the progress file could not be updated</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>die Fortschritt-Datei konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why progress cannot be saved: %1 is where the progress file should be.</extracomment>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why progress cannot be saved: %1 is the folder of the progress file.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress: %1.</source>
        <extracomment>%1 is why, as &quot;the disk is full&quot; or &quot;the progress file is damaged&quot;.</extracomment>
        <translation>Tapwell kann den Fortschritt nicht speichern: %1.</translation>
    </message>
    <message>
        <source>Please type a name of 1 to %1 letters.</source>
        <extracomment>%1 is the most letters a name may have.</extracomment>
        <translation>Bitte tippe einen Namen mit 1 bis %1 Buchstaben.</translation>
    </message>
    <message>
        <source>There is a child called %1 already.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Es gibt schon ein Kind mit dem Namen %1.</translation>
    </message>
    <message>
        <source>The last child cannot be removed.</source>
        <translation>Das letzte Kind kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The progress record cannot be read.</source>
        <translation>Der Fortschritt kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>%1 is the file asked for.</extracomment>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; Tapwell writes only to a plain file or a new one (or &quot;-&quot; for standard output).</source>
        <extracomment>%1 is the file asked for; &quot;-&quot; is what is typed for standard output.</extracomment>
        <translation>%1 ist keine normale Datei; Tapwell schreibt nur in eine normale Datei oder eine neue (oder „-“ für die Standardausgabe).</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%1 is the file; %2 is why, as the system says it.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the school&apos;s server cannot be reached</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>der Schulserver ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the school&apos;s server does not let this account keep progress there</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>der Schulserver lässt dieses Konto dort keinen Fortschritt speichern</translation>
    </message>
    <message>
        <source>the school&apos;s server is not set up for this Tapwell yet (its administrator runs tapwell --setup-server)</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>der Schulserver ist für dieses Tapwell noch nicht eingerichtet (sein Administrator führt tapwell --setup-server aus)</translation>
    </message>
    <message>
        <source>Progress is kept on this computer until the school&apos;s server answers.</source>
        <extracomment>The menu&apos;s note in a classroom, while the school&apos;s server does not answer.</extracomment>
        <translation>Der Fortschritt bleibt auf diesem Computer, bis der Schulserver antwortet.</translation>
    </message>
    <message>
        <source>Progress is kept on this computer: %1.</source>
        <extracomment>The menu&apos;s note in a classroom; %1 is why, as &quot;the school&apos;s server does not let this account keep progress there&quot;.</extracomment>
        <translation>Der Fortschritt bleibt auf diesem Computer: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the options cannot be saved. %1 is a folder&apos;s path.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>Left little finger.</source>
        <translation>Linker kleiner Finger.</translation>
    </message>
    <message>
        <source>Left ring finger.</source>
        <translation>Linker Ringfinger.</translation>
    </message>
    <message>
        <source>Left middle finger.</source>
        <translation>Linker Mittelfinger.</translation>
    </message>
    <message>
        <source>Left pointer finger.</source>
        <translation>Linker Zeigefinger.</translation>
    </message>
    <message>
        <source>Right little finger.</source>
        <translation>Rechter kleiner Finger.</translation>
    </message>
    <message>
        <source>Right ring finger.</source>
        <translation>Rechter Ringfinger.</translation>
    </message>
    <message>
        <source>Right middle finger.</source>
        <translation>Rechter Mittelfinger.</translation>
    </message>
    <message>
        <source>Right pointer finger.</source>
        <translation>Rechter Zeigefinger.</translation>
    </message>
    <message>
        <source>Space. Thumb.</source>
        <translation>Leertaste. Daumen.</translation>
    </message>
    <message>
        <source>Enter. Right little finger.</source>
        <translation>Enter. Rechter kleiner Finger.</translation>
    </message>
    <message>
        <source>Shift and %1.</source>
        <translation>Umschalt und %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right.</source>
        <extracomment>Said aloud at a line&apos;s end; %1 the right keys, %2 all keys of the line.</extracomment>
        <translation>%1 von %2 richtig.</translation>
    </message>
    <message>
        <source>Well done! All right!</source>
        <translation>Super! Alles richtig!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Good try!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Put your fingers on the yellow keys, then press Enter.</source>
        <translation>Leg deine Finger auf die gelben Tasten und drück dann Enter.</translation>
    </message>
    <message>
        <source>Choose a game.</source>
        <translation>Such dir ein Spiel aus.</translation>
    </message>
    <message>
        <source>Let&apos;s type!</source>
        <extracomment>Said aloud for the first window&apos;s OK button.</extracomment>
        <translation>Los geht&apos;s!</translation>
    </message>
</context>
<context>
    <name>TroubleMap</name>
    <message>
        <source>Shift is counted with the key it is held for</source>
        <translation>Umschalt zählt bei der Taste mit, für die es gedrückt wird</translation>
    </message>
    <message>
        <source>Space bar: %1</source>
        <extracomment>%1 is what the space bar&apos;s numbers say, as &quot;Came up 88 times, missed 16 times&quot;.</extracomment>
        <translation>Leertaste: %1</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Leertaste</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildChooser</name>
    <message>
        <source>Who is typing?</source>
        <translation>Wer tippt?</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>Kind &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <extracomment>Renames the child whose button has the focus.</extracomment>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <extracomment>Removes the child whose button has the focus.</extracomment>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <extracomment>A child&apos;s button: %1 is the child&apos;s name, %2 the number key that chooses them.</extracomment>
        <translation>%1 (Taste %2)</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Kind hinzufügen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the question before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove %1, and everything Tapwell has kept of %1&apos;s typing?</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>%1 entfernen, und alles, was Tapwell von %1 gespeichert hat?</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildEditor</name>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The child&apos;s name.</extracomment>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <extracomment>Above the pictures a child chooses from.</extracomment>
        <translation>Bild:</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildFrame</name>
    <message>
        <source>Typing now</source>
        <extracomment>Above the picture and name of the child typing now.</extracomment>
        <translation>Jetzt tippt</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button: another child is typing now.</extracomment>
        <translation>We&amp;chseln</translation>
    </message>
    <message>
        <source>Someone else is typing</source>
        <translation>Jemand anderes tippt</translation>
    </message>
    <message>
        <source>&amp;Tricky Keys</source>
        <extracomment>A button: the drill of the keys this child misses most.</extracomment>
        <translation>&amp;Knifflige Tasten</translation>
    </message>
    <message>
        <source>More of the keys you miss</source>
        <translation>Mehr von den Tasten, bei denen du dich vertippst</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Key&amp;board…</source>
        <translation>&amp;Tastatur…</translation>
    </message>
    <message>
        <source>The keyboard this child types on, and the language they read</source>
        <translation>Die Tastatur, auf der dieses Kind tippt, und die Sprache, die es liest</translation>
    </message>
    <message>
        <source>T&amp;alk to me</source>
        <extracomment>A check box: Tapwell says aloud what to do, for a child who cannot read yet.</extracomment>
        <translation>Mit mir &amp;sprechen</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <extracomment>A teacher&apos;s button: their class, one row per child.</extracomment>
        <translation>Kl&amp;asse</translation>
    </message>
    <message>
        <source>The children of your classes</source>
        <translation>Die Kinder deiner Klassen</translation>
    </message>
</context>
<context>
    <name>tapwell::ClassWindow</name>
    <message>
        <source>Save the class as CSV</source>
        <translation>Die Klasse als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in the save dialog.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The title of a teacher&apos;s window with one row per child of their classes.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Child</source>
        <extracomment>Column headings of the teacher&apos;s class window.</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Lines this week</source>
        <translation>Zeilen diese Woche</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minuten diese Woche</translation>
    </message>
    <message>
        <source>Speed, last 7 days</source>
        <translation>Tempo, letzte 7 Tage</translation>
    </message>
    <message>
        <source>Accuracy, last 7 days</source>
        <translation>Genauigkeit, letzte 7 Tage</translation>
    </message>
    <message>
        <source>Finger that misses most</source>
        <translation>Finger mit den meisten Fehlern</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>Die Klasse wird gelesen…</translation>
    </message>
    <message>
        <source>1 child in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table.</extracomment>
        <translation>1 Kind in deinen Klassen.</translation>
    </message>
    <message>
        <source>%1 children in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table; %1 is how many (never 1).</extracomment>
        <translation>%1 Kinder in deinen Klassen.</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmAbout</name>
    <message>
        <source>Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning to type with it, and that you share it with your friends and family. Visit our web site for more programs for children and for tutorials on programming. Try Sum Safari for number games and Word Garden for spelling, too!</source>
        <translation>Tapwell ist unser Geschenk an dich: Es ist kostenlos, jetzt und für immer. Wir hoffen, dass du gern damit tippen lernst und es mit Freunden und Familie teilst. Auf unserer Webseite gibt es mehr Programme für Kinder und Anleitungen zum Programmieren. Probier auch Sum Safari für Zahlenspiele und Word Garden zum Rechtschreiben!</translation>
    </message>
    <message>
        <source>About Tapwell</source>
        <translation>Über Tapwell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button: on to the program.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Webseite von Brightnook besuchen</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmType</name>
    <message>
        <source>Info?</source>
        <extracomment>A button of the start screen: about Tapwell.</extracomment>
        <translation>Info?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A button: the help of the screen it is on; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button of the start screen; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame of the start screen&apos;s menu.</extracomment>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>&amp;Learn Keyboard</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Tastatur &amp;lernen</translation>
    </message>
    <message>
        <source>&amp;Keyboard Practice</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Tastatur ü&amp;ben</translation>
    </message>
    <message>
        <source>Cha&amp;racter Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Zeichen-Training</translation>
    </message>
    <message>
        <source>&amp;Word Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Wörter-Training</translation>
    </message>
    <message>
        <source>Ti&amp;med Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Tem&amp;po-Training</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Stop button (a picture) of a drill or a lesson, as a screen reader says it.
----------
The Stop button&apos;s tooltip.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Home Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Grundreihe</translation>
    </message>
    <message>
        <source>Top Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Oberreihe</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Unterreihe</translation>
    </message>
    <message>
        <source>Number Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Zahlenreihe</translation>
    </message>
    <message>
        <source>Use Shift?</source>
        <extracomment>A check box: the drills ask for shifted characters too.</extracomment>
        <translation>Umschalt?</translation>
    </message>
    <message>
        <source>Key Sound?</source>
        <extracomment>A check box: a sound with every key.</extracomment>
        <translation>Tastenton?</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <extracomment>The frame of the Timed Drill&apos;s buttons.</extracomment>
        <translation>Tempo-Training</translation>
    </message>
    <message>
        <source>Learn Keyboard</source>
        <extracomment>The frame of the lessons&apos; buttons.</extracomment>
        <translation>Tastatur lernen</translation>
    </message>
    <message>
        <source>&amp;Keyboard Layout</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Die &amp;Tastatur</translation>
    </message>
    <message>
        <source>Ho&amp;me Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Grundreihe</translation>
    </message>
    <message>
        <source>Top &amp;Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Ob&amp;ere Reihe</translation>
    </message>
    <message>
        <source>&amp;Bottom Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Untere Reihe</translation>
    </message>
    <message>
        <source>&amp;Number Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Zahlenreihe</translation>
    </message>
    <message>
        <source>Drill Results</source>
        <extracomment>The frame of a drill line&apos;s results (speed, accuracy).</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that starts a drill or the next line; &amp; marks the letter of Alt+letter.
----------
The button that starts a row lesson&apos;s practice; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Previous</source>
        <extracomment>Beside the button to a lesson&apos;s previous page.
----------
The button (a picture) to a lesson&apos;s previous page, as a screen reader says it.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Beside the button to a lesson&apos;s next page.
----------
The button (a picture) to a lesson&apos;s next page, as a screen reader says it.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The frame of a drill&apos;s rows and options, before a drill is chosen.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>The title of the message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Noch mal!</translation>
    </message>
    <message>
        <source>Use your keyboard, not this one!</source>
        <extracomment>The message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Nimm deine Tastatur, nicht diese hier!</translation>
    </message>
    <message>
        <source>Let your fingers find the
keys while watching the screen
to see where the keys are.
Make sure your hands are in
home position before starting.</source>
        <extracomment>Before a drill starts; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Lass deine Finger die Tasten
finden. Schau dabei auf den
Bildschirm, da siehst du, wo
die Tasten sind. Lege deine
Hände vor dem Start in die
Grundstellung.</translation>
    </message>
    <message>
        <source>Practice Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Tastatur üben</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Zeichen-Training</translation>
    </message>
    <message>
        <source>Word Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Wörter-Training</translation>
    </message>
    <message>
        <source>Type in words from a book or something else. When done, press Enter to see your typing speed. Keep your hands in home position as you type.</source>
        <extracomment>The Timed Drill&apos;s box, before the drill starts; the child types over it.</extracomment>
        <translation>Tippe Wörter aus einem Buch oder von etwas anderem ab. Wenn du fertig bist, drücke Enter, dann siehst du, wie schnell du tippst. Lass deine Hände beim Tippen in der Grundstellung.</translation>
    </message>
    <message>
        <source>Tricky Keys</source>
        <extracomment>The frame of the Character Drill&apos;s rows and options when its lines come from the child&apos;s record.</extracomment>
        <translation>Knifflige Tasten</translation>
    </message>
    <message>
        <source>Tapwell cannot read its keyboard data file %1: %2</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 why it cannot be read: &quot;it is a folder, not a regular file&quot;.</extracomment>
        <translation>Tapwell kann seine Tastatur-Datei %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>Tapwell&apos;s keyboard data file %1 is damaged at %2.</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 where and how it is damaged: &quot;value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3&quot;.</extracomment>
        <translation>Die Tastatur-Datei %1 von Tapwell ist kaputt bei %2.</translation>
    </message>
</context>
<context>
    <name>tapwell::HelpViewer</name>
    <message>
        <source>Tapwell Help</source>
        <translation>Tapwell-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is missing&lt;/h2&gt;&lt;p&gt;Tapwell could not open its help file &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</source>
        <extracomment>HTML: %1 is the help file, %2 why it could not be opened, as the system says it.</extracomment>
        <translation>&lt;h2&gt;Die Hilfe fehlt&lt;/h2&gt;&lt;p&gt;Tapwell konnte seine Hilfe-Datei &lt;tt&gt;%1&lt;/tt&gt; nicht öffnen: %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tapwell::KeyboardChooser</name>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>The &amp;keyboard this child types on:</source>
        <translation>Die &amp;Tastatur dieses Kindes:</translation>
    </message>
    <message>
        <source>Use &amp;accents and AltGr</source>
        <translation>&amp;Akzente und AltGr benutzen</translation>
    </message>
    <message>
        <source>The keyboard in use</source>
        <extracomment>The first of the keyboards to choose from: whichever the computer uses at the time.</extracomment>
        <translation>Die Tastatur, die gerade benutzt wird</translation>
    </message>
    <message>
        <source>Keyboard and language</source>
        <extracomment>The title of the window where a child&apos;s keyboard and language are chosen.</extracomment>
        <translation>Tastatur und Sprache</translation>
    </message>
    <message>
        <source>The &amp;language this child reads:</source>
        <translation>Die Sp&amp;rache dieses Kindes:</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <extracomment>The first of the languages to choose from: whichever the computer is set to.</extracomment>
        <translation>Die Sprache des Computers</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressCharts</name>
    <message>
        <source>Words per minute: no Word or Timed Drill yet</source>
        <translation>Wörter pro Minute: noch kein Wörter- oder Tempo-Training</translation>
    </message>
    <message>
        <source>Words per minute (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Wörter pro Minute (mittlere Zeile jedes Tages)</translation>
    </message>
    <message>
        <source>Words per minute (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Wörter pro Minute (mittlere Zeile jeder Woche)</translation>
    </message>
    <message>
        <source>Words per minute (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Wörter pro Minute (mittlere Zeile jedes Monats)</translation>
    </message>
    <message>
        <source>Accuracy (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Richtig getippt (mittlere Zeile jedes Tages)</translation>
    </message>
    <message>
        <source>Accuracy (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Richtig getippt (mittlere Zeile jeder Woche)</translation>
    </message>
    <message>
        <source>Accuracy (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Richtig getippt (mittlere Zeile jedes Monats)</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>The accuracy chart&apos;s axis: the percentage of keys typed right.</extracomment>
        <translation>% richtig</translation>
    </message>
    <message>
        <source>Minutes typed each day, the last 4 weeks</source>
        <translation>Minuten getippt pro Tag, die letzten 4 Wochen</translation>
    </message>
    <message>
        <source>Minutes typed each week, the last 6 months</source>
        <translation>Minuten getippt pro Woche, die letzten 6 Monate</translation>
    </message>
    <message>
        <source>Minutes typed each month</source>
        <translation>Minuten getippt pro Monat</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>The minutes chart&apos;s bars.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>The minutes chart&apos;s axis.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>In the last 4 weeks: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>In den letzten 4 Wochen: %1. Insgesamt: %2.</translation>
    </message>
    <message>
        <source>In the last 6 months: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>In den letzten 6 Monaten: %1. Insgesamt: %2.</translation>
    </message>
    <message>
        <source>In all: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Insgesamt: %1.</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressSummary</name>
    <message>
        <source>not yet</source>
        <extracomment>A best line not typed yet, as in &quot;Best Timed Drill: not yet&quot;.</extracomment>
        <translation>noch nicht</translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n Wort pro Minute</numerusform>
            <numerusform>%n Wörter pro Minute</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines finished: %1
Days practised: %2
Best Word Drill: %3
Best Timed Drill: %4</source>
        <extracomment>%1 and %2 are numbers; %3 and %4 the best speeds, as &quot;33 words per minute&quot; or &quot;not yet&quot;.</extracomment>
        <translation>Fertige Zeilen: %1
Tage geübt: %2
Bestes Wörter-Training: %3
Bestes Tempo-Training: %4</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressWindow</name>
    <message>
        <source>Home Row</source>
        <translation>Grundreihe</translation>
    </message>
    <message>
        <source>Top Row</source>
        <translation>Obere Reihe</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <translation>Untere Reihe</translation>
    </message>
    <message>
        <source>Number Row</source>
        <translation>Zahlenreihe</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>Progress &amp;of:</source>
        <translation>Fortschritt &amp;von:</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>Kind &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Kind hinzufügen</translation>
    </message>
    <message>
        <source>Rename this child</source>
        <translation>Dieses Kind umbenennen</translation>
    </message>
    <message>
        <source>Remove this child</source>
        <translation>Dieses Kind entfernen</translation>
    </message>
    <message>
        <source>Keys I miss</source>
        <translation>Tasten, bei denen ich mich vertippe</translation>
    </message>
    <message>
        <source>Trouble map</source>
        <translation>Tastenkarte</translation>
    </message>
    <message>
        <source>The keyboard, each key coloured by how often it is missed</source>
        <translation>Die Tastatur, jede Taste gefärbt danach, wie oft sie vertippt wird</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Zei&amp;gen:</translation>
    </message>
    <message>
        <source>the last 4 weeks, day by day</source>
        <translation>die letzten 4 Wochen, Tag für Tag</translation>
    </message>
    <message>
        <source>the last 6 months, week by week</source>
        <translation>die letzten 6 Monate, Woche für Woche</translation>
    </message>
    <message>
        <source>all, month by month</source>
        <translation>alles, Monat für Monat</translation>
    </message>
    <message>
        <source>Words per minute each day</source>
        <translation>Wörter pro Minute jeden Tag</translation>
    </message>
    <message>
        <source>Accuracy each day</source>
        <translation>Richtig getippt jeden Tag</translation>
    </message>
    <message>
        <source>Minutes typed each day</source>
        <translation>Minuten getippt jeden Tag</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Als CSV s&amp;peichern…</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Every child&apos;s lines, for a spreadsheet</source>
        <translation>Die Zeilen aller Kinder, für eine Tabelle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1&apos;s picture</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Bild von %1</translation>
    </message>
    <message>
        <source>Reading %1&apos;s progress…</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Fortschritt von %1 wird gelesen…</translation>
    </message>
    <message>
        <source>Type a few more lines, and Tapwell can tell you which finger misses most.</source>
        <translation>Tippe noch ein paar Zeilen, dann kann Tapwell dir sagen, welcher Finger sich am meisten vertippt.</translation>
    </message>
    <message>
        <source>Lessons practised to the end:</source>
        <translation>Übungen bis zum Ende geübt:</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;.</extracomment>
        <translation>%1: noch nicht</translation>
    </message>
    <message>
        <source>%1: yes, last on %2</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;; %2 the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>%1: ja, zuletzt am %2</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Nothing has been typed as %1 yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Als %1 wurde noch nichts getippt.</translation>
    </message>
    <message>
        <source>That is 1 line typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>Das ist 1 Zeile, getippt an %1.</translation>
    </message>
    <message numerus="yes">
        <source>That is %n lines typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Das ist %n Zeile, getippt an %1.</numerusform>
            <numerusform>Das sind %n Zeilen, getippt an %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from Tapwell?

This deletes %1&apos;s name and picture and everything Tapwell has kept of %1&apos;s typing: every line, every key, the charts and the trouble map. %2</source>
        <extracomment>%1 is the child&apos;s name; %2 is how much was typed, as &quot;That is 9 lines typed on 3 days.&quot; or &quot;Nothing has been typed as Anna yet.&quot;</extracomment>
        <translation>%1 aus Tapwell entfernen?

Das löscht den Namen und das Bild von %1 und alles, was Tapwell von %1 gespeichert hat: jede Zeile, jede Taste, die Diagramme und die Tastenkarte. %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the questions before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Are you sure? %1&apos;s progress cannot be brought back.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Bist du sicher? Der Fortschritt von %1 kann nicht zurückgeholt werden.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>button</comment>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>%1 &amp;behalten</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Fortschritt als CSV speichern</translation>
    </message>
    <message>
        <source>%1
(Stop what is being typed in the main window first.)</source>
        <extracomment>%1 is what to do next, as &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>%1
(Beende zuerst das Tippen im Hauptfenster.)</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 is why, as &quot;Cannot write /home/ann/a.csv: the disk is full.&quot;</extracomment>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>tapwell::TroubleLegend</name>
    <message>
        <source>Colours of the trouble map</source>
        <translation>Farben der Tastenkarte</translation>
    </message>
    <message>
        <source>Light keys are seldom missed, dark red keys often; grey striped keys were never asked for.</source>
        <translation>Helle Tasten werden selten vertippt, dunkelrote oft; grau gestreifte wurden noch nie gefragt.</translation>
    </message>
    <message>
        <source>Missed:</source>
        <extracomment>Before the colours of the scale, each named by how often a key is missed (&quot;10%&quot;).</extracomment>
        <translation>Vertippt:</translation>
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
        <translation>noch nie gefragt</translation>
    </message>
    <message numerus="yes">
        <source>Of each key&apos;s last %n presses. Point at a key to see more.</source>
        <translation>
            <numerusform>Von den letzten %n Anschlag jeder Taste. Zeig auf eine Taste, dann siehst du mehr.</numerusform>
            <numerusform>Von den letzten %n Anschlägen jeder Taste. Zeig auf eine Taste, dann siehst du mehr.</numerusform>
        </translation>
    </message>
</context>
</TS>
