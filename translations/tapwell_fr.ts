<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>, </source>
        <extracomment>Said by the screen reader between the parts of a key&apos;s or a hand&apos;s words, as in &quot;W, left ring finger&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>petit doigt gauche</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>annulaire gauche</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>majeur gauche</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>index gauche</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>petit doigt droit</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>annulaire droit</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>majeur droit</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>index droit</translation>
    </message>
    <message>
        <source>left thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>pouce gauche</translation>
    </message>
    <message>
        <source>right thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>pouce droit</translation>
    </message>
    <message>
        <source>next key</source>
        <extracomment>A key&apos;s description for the screen reader: it is the key to press next.</extracomment>
        <translation>touche suivante</translation>
    </message>
    <message>
        <source>home key</source>
        <extracomment>A key&apos;s description for the screen reader: a finger rests on it.</extracomment>
        <translation>touche de base</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>The description of the left Shift key of the on-screen keyboard.</extracomment>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>The description of the right Shift key of the on-screen keyboard.</extracomment>
        <translation>droite</translation>
    </message>
    <message>
        <source>row arrow</source>
        <extracomment>A picture&apos;s name for the screen reader: the arrow beside the row of keys.</extracomment>
        <translation>flèche de la rangée</translation>
    </message>
    <message>
        <source>key marker</source>
        <extracomment>A picture&apos;s name for the screen reader: the mark on the key to press.</extracomment>
        <translation>repère de la touche</translation>
    </message>
    <message>
        <source>computer drawing</source>
        <extracomment>A picture&apos;s name for the screen reader: the start screen&apos;s computer.</extracomment>
        <translation>dessin d&apos;ordinateur</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <extracomment>The on-screen keyboard&apos;s name for the screen reader.</extracomment>
        <translation>Clavier à l&apos;écran</translation>
    </message>
    <message>
        <source>Text display</source>
        <extracomment>The name for the screen reader of the box where lessons and drills are printed.</extracomment>
        <translation>Zone de texte</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Said by the screen reader when a Tricky Keys line ends: %1 is the results (&quot;92% accuracy&quot;), %2 the keys it practised (&quot;Practised: W S X&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>That was %1. %2</source>
        <extracomment>Said by the screen reader after a wrong key: %1 is what was typed (&quot;Q&quot;), %2 the key to press (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Tu as tapé %1. %2</translation>
    </message>
    <message>
        <source>The line: %1</source>
        <extracomment>Said by the screen reader as a drill line with spaces comes: %1 is the line spelled out (&quot;F, three spaces, J&quot;).</extracomment>
        <translation>La ligne : %1</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>point d&apos;exclamation</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>guillemet</translation>
    </message>
    <message>
        <source>hash</source>
        <translation>dièse</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>dollar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>esperluette</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrophe</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>astérisque</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>point</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barre oblique</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>deux-points</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>point-virgule</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>plus petit que</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation>plus grand que</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arobase</translation>
    </message>
    <message>
        <source>open square bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barre oblique inversée</translation>
    </message>
    <message>
        <source>close square bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>accent circonflexe</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>tiret bas</translation>
    </message>
    <message>
        <source>backtick</source>
        <translation>accent grave</translation>
    </message>
    <message>
        <source>open curly bracket</source>
        <translation>accolade ouvrante</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barre verticale</translation>
    </message>
    <message>
        <source>close curly bracket</source>
        <translation>accolade fermante</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A character&apos;s name, as the screen reader says it.</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>%1 spaces</source>
        <extracomment>A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a word up to ten (&quot;three&quot;) and in figures above.</extracomment>
        <translation>%1 espaces</translation>
    </message>
    <message>
        <source>space</source>
        <extracomment>One space in a drill line spelled out.</extracomment>
        <translation>espace</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>AltGr</translation>
    </message>
    <message>
        <source>left hand, little finger lit</source>
        <translation>main gauche, petit doigt allumé</translation>
    </message>
    <message>
        <source>left hand, ring finger lit</source>
        <translation>main gauche, annulaire allumé</translation>
    </message>
    <message>
        <source>left hand, middle finger lit</source>
        <translation>main gauche, majeur allumé</translation>
    </message>
    <message>
        <source>left hand, index finger lit</source>
        <translation>main gauche, index allumé</translation>
    </message>
    <message>
        <source>right hand, little finger lit</source>
        <translation>main droite, petit doigt allumé</translation>
    </message>
    <message>
        <source>right hand, ring finger lit</source>
        <translation>main droite, annulaire allumé</translation>
    </message>
    <message>
        <source>right hand, middle finger lit</source>
        <translation>main droite, majeur allumé</translation>
    </message>
    <message>
        <source>right hand, index finger lit</source>
        <translation>main droite, index allumé</translation>
    </message>
    <message>
        <source>left hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main gauche, quatre doigts allumés</translation>
    </message>
    <message>
        <source>right hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main droite, quatre doigts allumés</translation>
    </message>
    <message>
        <source>left hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main gauche, pouce allumé</translation>
    </message>
    <message>
        <source>right hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main droite, pouce allumé</translation>
    </message>
    <message>
        <source>left hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main gauche</translation>
    </message>
    <message>
        <source>right hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>main droite</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What the guide marks, as the screen reader says it while the child types: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Ensuite : %1</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <extracomment>What the guide marks, as the screen reader says it in a lesson: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Repère : %1</translation>
    </message>
    <message>
        <source>Space, thumbs</source>
        <extracomment>What the guide marks: the space bar, pressed with a thumb.</extracomment>
        <translation>Espace, pouces</translation>
    </message>
    <message>
        <source>%1, four fingers of each hand</source>
        <extracomment>The home keys the guide marks, as the screen reader says them: %1 is the keys (&quot;A S D F J K L ;&quot;).</extracomment>
        <translation>%1, quatre doigts de chaque main</translation>
    </message>
    <message>
        <source>Home position: %1</source>
        <extracomment>%1 is the home keys and the fingers (&quot;A S D F J K L ;, four fingers of each hand&quot;).</extracomment>
        <translation>Position de base : %1</translation>
    </message>
    <message>
        <source>Shift with both little fingers</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Maj avec les deux petits doigts</translation>
    </message>
    <message>
        <source>Shift with the left little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Maj avec le petit doigt gauche</translation>
    </message>
    <message>
        <source>Shift with the right little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Maj avec le petit doigt droit</translation>
    </message>
    <message>
        <source>AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>AltGr avec le pouce droit</translation>
    </message>
    <message>
        <source>%1 and AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it: %1 is the Shift to hold (&quot;Shift with the left little finger&quot;).</extracomment>
        <translation>%1 et AltGr avec le pouce droit</translation>
    </message>
    <message>
        <source>the accent key for %1</source>
        <extracomment>The key to press for an accent: %1 is the character it is for (&quot;É&quot;).</extracomment>
        <translation>la touche d&apos;accent pour %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The key to press and its finger: %1 is the key (&quot;W&quot;), %2 the finger (&quot;left ring finger&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>What to press, in order: %1 is what to hold first (&quot;Shift with the right little finger&quot;), %2 the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>%1, puis %2</translation>
    </message>
    <message>
        <source>Info, Help and Exit</source>
        <extracomment>The name for the screen reader of the start screen&apos;s frame of buttons.</extracomment>
        <translation>Infos, Aide et Quitter</translation>
    </message>
    <message>
        <source>Timed Drill typing</source>
        <extracomment>The name for the screen reader of the box the Timed Drill is typed in.</extracomment>
        <translation>Zone de frappe du Défi chrono</translation>
    </message>
    <message>
        <source>cursor box</source>
        <extracomment>The name for the screen reader of the box round the next character to type.</extracomment>
        <translation>case du curseur</translation>
    </message>
    <message>
        <source>backdrop</source>
        <extracomment>The name for the screen reader of the blue band behind the lesson and drill frames.</extracomment>
        <translation>fond</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Tapwell&apos;s progress file was damaged. It was kept as %1, and a new record was started.</source>
        <extracomment>%1 is the file the damaged record was kept as.</extracomment>
        <translation>Le fichier des progrès de Tapwell était abîmé. Il a été gardé sous le nom %1, et un nouveau fichier a été commencé.</translation>
    </message>
    <message>
        <source>Tapwell cannot start</source>
        <extracomment>The title of the message that says why.</extracomment>
        <translation>Tapwell ne peut pas démarrer</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <extracomment>The title of a message: the keyboard chosen could not be kept.</extracomment>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress.</source>
        <translation>Tapwell ne peut pas enregistrer les progrès.</translation>
    </message>
    <message>
        <source>%1 Typing works as always, but it is not being kept.</source>
        <extracomment>%1 is the sentence before, as &quot;Tapwell cannot save progress: the disk is full.&quot;.</extracomment>
        <translation>%1 Tu peux taper comme d&apos;habitude, mais rien n&apos;est gardé.</translation>
    </message>
    <message>
        <source>Tapwell cannot save your choices</source>
        <translation>Tapwell ne peut pas enregistrer tes choix</translation>
    </message>
    <message>
        <source>Tapwell could not write its settings file %1: %2.</source>
        <extracomment>%1 is the settings file; %2 is why, as the system says it.</extracomment>
        <translation>Tapwell n&apos;a pas pu écrire son fichier de réglages %1 : %2.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>ChildPictures</name>
    <message>
        <source>fox</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>renard</translation>
    </message>
    <message>
        <source>owl</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>hibou</translation>
    </message>
    <message>
        <source>cat</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>chat</translation>
    </message>
    <message>
        <source>frog</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>grenouille</translation>
    </message>
    <message>
        <source>bear</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>ours</translation>
    </message>
    <message>
        <source>fish</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>poisson</translation>
    </message>
</context>
<context>
    <name>DrillResults</name>
    <message>
        <source>%1 words per minute</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;60&quot;.</extracomment>
        <translation>%1 mots par minute</translation>
    </message>
    <message>
        <source>%1% accuracy</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;92&quot;.</extracomment>
        <translation>%1 % de réussite</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>This keyboard has too few words for these rows: type their keys.</source>
        <extracomment>Above a Word Drill line made of the rows&apos; characters, when the child&apos;s language has too few words that the chosen rows can type.</extracomment>
        <translation>Ce clavier a trop peu de mots pour ces rangées : tape leurs touches.</translation>
    </message>
    <message>
        <source>Practised:%1</source>
        <extracomment>Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space before it: &quot; W S X&quot;.</extracomment>
        <translation>Touches travaillées :%1</translation>
    </message>
    <message>
        <source>All your keys are secure! Try a new row.</source>
        <extracomment>Above a Tricky Keys line, when no key of the chosen rows is missed any more.</extracomment>
        <translation>Tu connais bien toutes tes touches ! Essaie une nouvelle rangée.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>c&apos;est un dossier, pas un fichier normal</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>c&apos;est un tube nommé, pas un fichier normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>c&apos;est un périphérique, pas un fichier normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>c&apos;est une socket, pas un fichier normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>ce n&apos;est pas un fichier normal</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;. %1 is a number of bytes.</extracomment>
        <translation>il fait plus de %1 octets</translation>
    </message>
    <message>
        <source>it is not a PCM wave file</source>
        <extracomment>Why a sound file cannot be played, after its path.</extracomment>
        <translation>ce n&apos;est pas un fichier son WAV PCM</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as in &quot;Press Enter three times: &quot;.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as in &quot;Press Shift three times: &quot;.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>A hand, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>A hand, as in &quot;Use the little finger of the right hand.&quot;</extracomment>
        <translation>droite</translation>
    </message>
    <message>
        <source>little</source>
        <extracomment>A finger, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>petit doigt</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>A finger, as in &quot;Use the ring finger of the left hand.&quot;</extracomment>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>middle</source>
        <extracomment>A finger, as in &quot;Use the middle finger of the left hand.&quot;</extracomment>
        <translation>majeur</translation>
    </message>
    <message>
        <source>index</source>
        <extracomment>A finger, as in &quot;Use the index finger of the left hand.&quot;</extracomment>
        <translation>index</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>A row of keys, as in &quot;This row is called the home row.&quot;</extracomment>
        <translation>de base</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of keys, as in &quot;This row is called the top row.&quot;</extracomment>
        <translation>du haut</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>A row of keys, as in &quot;This row is called the bottom row.&quot;</extracomment>
        <translation>du bas</translation>
    </message>
    <message>
        <source>number</source>
        <extracomment>A row of keys, as in &quot;This row is called the number row.&quot;</extracomment>
        <translation>des chiffres</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>Any row of keys.</extracomment>
        <translation>au choix</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>A row of keys, as a title: &quot;Home Row&quot;.</extracomment>
        <translation>De base</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>A row of keys, as a title: &quot;Top Row&quot;.</extracomment>
        <translation>Du haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>A row of keys, as a title: &quot;Bottom Row&quot;.</extracomment>
        <translation>Du bas</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>A row of keys, as a title: &quot;Number Row&quot;.</extracomment>
        <translation>Des chiffres</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Any row of keys, as a title.</extracomment>
        <translation>Au choix</translation>
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
        <translation>Essaie maintenant la touche Maj.
Quand tu tapes avec la main
gauche, garde appuyée la
touche Maj à droite de la
rangée du bas avec le petit
doigt de la main droite.</translation>
    </message>
    <message>
        <source>Now try using the Shift key.
When typing with the right
hand, hold the Shift key on
the left side of the
bottom row with the little
finger of the left hand.</source>
        <extracomment>A row lesson, before the shifted keys of the right hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Essaie maintenant la touche Maj.
Quand tu tapes avec la main
droite, garde appuyée la
touche Maj à gauche de la
rangée du bas avec le petit
doigt de la main gauche.</translation>
    </message>
    <message>
        <source>Use the %1 finger of the
%2 hand.
</source>
        <extracomment>Keyboard Practice, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right).</extracomment>
        <translation>Utilise ton %1
de la main %2.
</translation>
    </message>
    <message>
        <source>The %1 finger of the 
%2 hand is used to 
press 1 key:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the key, with a space before it: &quot; J&quot;.</extracomment>
        <translation>Ton %1 de la
main %2 tape
1 touche :%3</translation>
    </message>
    <message numerus="yes">
        <source>The %1 finger of the 
%2 hand is used to 
press %n keys:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the keys, each with a space before it: &quot; J H Y&quot;.</extracomment>
        <translation>
            <numerusform>Ton %1 de la
main %2 tape
%n touche :%3</numerusform>
            <numerusform>Ton %1 de la
main %2 tape
%n touches :%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Press %1 three times: </source>
        <extracomment>Keyboard Practice and the row lessons; the key&apos;s presses are typed after it. %1 is the key: a character, &quot;Enter&quot; or &quot;Shift&quot;.</extracomment>
        <translation>Appuie trois fois sur %1 : </translation>
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
        <translation>Ce programme t&apos;apprend les
touches des lettres et des
chiffres. Il ne parle pas des
touches de fonction, de
contrôle ou des autres touches
du clavier.</translation>
    </message>
    <message>
        <source>Shown is the computer keyboard.
Note there are four rows of
keys. At the bottom of the 
keyboard is the space bar.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Voici le clavier.
Il a quatre rangées de touches.
En bas du clavier, il y a la
barre d&apos;espace.</translation>
    </message>
    <message>
        <source>This row is called the {row}
row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Cette rangée s&apos;appelle la
rangée {row}.</translation>
    </message>
    <message>
        <source>The starting position for
all typing strokes is the
home row. Your fingers should
always rest on this row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Pour taper, tu pars toujours
de la rangée de base. Tes
doigts restent toujours posés
sur cette rangée.</translation>
    </message>
    <message>
        <source>Your left hand rests on the
{home1} {home2} {home3} {home4} keys (little finger
on {home1}). Your right hand rests
on the {home5} {home6} {home7} {home8} keys (little
finger on {home8}). Place your
hands in the home position.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little finger to right little finger.</extracomment>
        <translation>Ta main gauche est posée sur
les touches {home1} {home2} {home3} {home4} (petit doigt
sur {home1}). Ta main droite est
posée sur {home5} {home6} {home7} {home8} (petit
doigt sur {home8}). Place tes
mains en position de base.</translation>
    </message>
    <message>
        <source>The Enter key is used to 
tell the computer you are
done typing something. Use
the little finger of the
right hand.

Press Enter a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>La touche Entrée dit à
l&apos;ordinateur que tu as fini
de taper quelque chose.
Utilise le petit doigt de la
main droite.

Appuie quelques fois sur Entrée.</translation>
    </message>
    <message>
        <source>The space bar is used to
put spaces between letters
and words. You hit the space
bar with your left or right
thumb.

Tap the space bar a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>La barre d&apos;espace met des
espaces entre les lettres et
les mots. Tu appuies dessus
avec ton pouce gauche ou
droit.

Tape quelques fois sur la
barre d&apos;espace.</translation>
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
        <translation>Aux deux bouts de la rangée
du bas, il y a les touches Maj.
Trouve-les. Tu appuies dessus
avec tes petits doigts. Si tu
tapes une lettre sans appuyer
sur Maj, tu obtiens une petite
lettre (une minuscule).</translation>
    </message>
    <message>
        <source>If you hold down Shift and
press a letter, the upper
case letter is typed.

Note two characters are on
the number and symbol keys.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Si tu gardes Maj appuyée et
que tu tapes une lettre, tu
obtiens une majuscule.

Regarde : les touches des
chiffres et des signes ont
deux caractères.</translation>
    </message>
    <message>
        <source>If you press one of these
keys without Shift, the
character on the lower part
of the key is typed. If Shift
is held and the key pressed,
the upper character is typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Si tu appuies sur une de ces
touches sans Maj, tu obtiens
le caractère du bas de la
touche. Si tu gardes Maj
appuyée, tu obtiens le
caractère du haut.</translation>
    </message>
    <message>
        <source>More on the Shift keys later.

Right now, we&apos;ll return to 
the selection menu where 
you can pick which row of
keys you want to learn.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>On reverra les touches Maj
plus tard.

Maintenant, on retourne au
menu où tu peux choisir la
rangée de touches que tu
veux apprendre.</translation>
    </message>
    <message>
        <source>Learn keys of {row} row.

When typing, let your fingers
find the keys while you look
at the screen to see where
the keys are.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Apprends les touches de la
rangée {row}.

Quand tu tapes, laisse tes
doigts trouver les touches
et regarde l&apos;écran pour voir
où elles sont.</translation>
    </message>
    <message>
        <source>Make sure your hands are in
home position before starting.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Vérifie que tes mains sont en
position de base avant de
commencer.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>usage: tapwell --export-progress FILE.csv (or - for standard output)</source>
        <extracomment>The command line&apos;s usage; the option&apos;s name stays as it is.</extracomment>
        <translation>utilisation : tapwell --export-progress FICHIER.csv (ou - pour la sortie standard)</translation>
    </message>
    <message>
        <source>the progress file was damaged; it was kept as %1 and a new one started, so there is nothing to export.</source>
        <extracomment>On the command line, exporting the record. %1 is the path the damaged file was kept at.</extracomment>
        <translation>le fichier des progrès était abîmé ; il a été gardé sous le nom %1 et un nouveau a été commencé, il n&apos;y a donc rien à exporter.</translation>
    </message>
    <message>
        <source>usage: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</source>
        <extracomment>The command line&apos;s usage; the options&apos; names stay as they are.</extracomment>
        <translation>usage : tapwell --setup-server [--server CONNINFO]
       tapwell --class NOM --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</translation>
    </message>
    <message>
        <source>no server: give --server, or set server in the [record] group of /etc/xdg/tapwell/tapwell.conf</source>
        <extracomment>On the command line: no server was given or configured.</extracomment>
        <translation>aucun serveur : indiquez --server, ou réglez server dans le groupe [record] de /etc/xdg/tapwell/tapwell.conf</translation>
    </message>
</context>
<context>
    <name>OnScreenKeyboard</name>
    <message>
        <source>Enter</source>
        <extracomment>The caption of the on-screen keyboard&apos;s Enter key.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The caption of the on-screen keyboard&apos;s left Shift key.
----------
The caption of the on-screen keyboard&apos;s right Shift key.</extracomment>
        <translation>Maj</translation>
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
        <translation>%1 n&apos;est pas un module de ce Tapwell</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s name: &quot;tapwell-sound.so&quot;.</extracomment>
        <translation>%1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>Tapwell cannot load the part of it that draws &quot;My Progress&quot;: %1. Installing Tapwell again will mend it.</source>
        <extracomment>A message when My Progress is asked for. %1 is why the part cannot be loaded: &quot;… is not installed&quot;.</extracomment>
        <translation>Tapwell ne peut pas charger sa partie qui dessine « Mes progrès » : %1. Installer Tapwell à nouveau la réparera.</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>Word Drill</source>
        <translation>Exercice de mots</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <translation>Exercice de touches</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <translation>Défi chrono</translation>
    </message>
    <message>
        <source>1 day</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 1 day&quot;.</extracomment>
        <translation>1 jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 3 days&quot;.</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
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
        <translation>Espace</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Your left little finger misses most: %1</source>
        <translation>Ton petit doigt gauche se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your left ring finger misses most: %1</source>
        <translation>Ton annulaire gauche se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your left middle finger misses most: %1</source>
        <translation>Ton majeur gauche se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your left index finger misses most: %1</source>
        <translation>Ton index gauche se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your right little finger misses most: %1</source>
        <translation>Ton petit doigt droit se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your right ring finger misses most: %1</source>
        <translation>Ton annulaire droit se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your right middle finger misses most: %1</source>
        <translation>Ton majeur droit se trompe le plus : %1</translation>
    </message>
    <message>
        <source>Your right index finger misses most: %1</source>
        <translation>Ton index droit se trompe le plus : %1</translation>
    </message>
    <message>
        <source>another key</source>
        <extracomment>What was typed instead of the key asked for, when it is none of the keyboard&apos;s keys.</extracomment>
        <translation>une autre touche</translation>
    </message>
    <message>
        <source>Never asked for yet</source>
        <extracomment>A key of the trouble map.</extracomment>
        <translation>Jamais demandée</translation>
    </message>
    <message>
        <source>Came up once</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>Demandée une fois</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n times</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>
            <numerusform>Demandée %n fois</numerusform>
            <numerusform>Demandée %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, never missed</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, jamais ratée</translation>
    </message>
    <message>
        <source>%1, missed once</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, ratée une fois</translation>
    </message>
    <message numerus="yes">
        <source>%1, missed %n times</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 88 times&quot;.</extracomment>
        <translation>
            <numerusform>%1, ratée %n fois</numerusform>
            <numerusform>%1, ratée %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list of keys: %1 is all but the last (&quot;E, S&quot;), %2 the last (&quot;D&quot;).</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1; most often typed instead: %2</source>
        <extracomment>%1 is how often the key came up and was missed: &quot;Came up 88 times, missed 16 times&quot;; %2 is the keys typed instead, as &quot;E&quot; or &quot;E, S or D&quot;.</extracomment>
        <translation>%1 ; tapé le plus souvent à la place : %2</translation>
    </message>
    <message>
        <source>This key got better this week: %1</source>
        <extracomment>%1 is the key, as &quot;Space&quot;.</extracomment>
        <translation>Cette touche s&apos;est améliorée cette semaine : %1</translation>
    </message>
    <message numerus="yes">
        <source>These keys got better this week: %1</source>
        <extracomment>%1 is the keys, as &quot;D K ;&quot;.</extracomment>
        <translation>
            <numerusform>Cette touche s&apos;est améliorée cette semaine : %1</numerusform>
            <numerusform>Ces touches se sont améliorées cette semaine : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Timed Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Ta meilleure ligne : %n mot par minute au Défi chrono, le %1</numerusform>
            <numerusform>Ta meilleure ligne : %n mots par minute au Défi chrono, le %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Word Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Ta meilleure ligne : %n mot par minute à l&apos;Exercice de mots, le %1</numerusform>
            <numerusform>Ta meilleure ligne : %n mots par minute à l&apos;Exercice de mots, le %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No key asked for yet</source>
        <translation>Aucune touche demandée pour l&apos;instant</translation>
    </message>
    <message>
        <source>No key missed yet</source>
        <translation>Aucune touche ratée pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A key and how often it is missed: %1 is the key, %2 the percentage (&quot;Q 40%&quot;).</extracomment>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <source>Missed most: %1</source>
        <extracomment>%1 is the keys missed most, worst first: &quot;Q 40%, semicolon 35%, P 6%&quot;.</extracomment>
        <translation>Les plus ratées : %1</translation>
    </message>
    <message>
        <source>%1&apos;s progress: nothing typed yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Progrès de %1 : rien de tapé pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1&apos;s progress: 1 line typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;1 day&quot;.</extracomment>
        <translation>Progrès de %1 : 1 ligne tapée en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1&apos;s progress: %n lines typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Progrès de %1 : %n ligne tapée en %2.</numerusform>
            <numerusform>Progrès de %1 : %n lignes tapées en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour %1</source>
        <extracomment>A time: %1 is the minutes past the hour, as &quot;5 minutes&quot;.</extracomment>
        <translation>1 heure %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hours %1</source>
        <extracomment>A time: %1 is the minutes past the hours, as &quot;5 minutes&quot;.</extracomment>
        <translation>
            <numerusform>%n heure %1</numerusform>
            <numerusform>%n heures %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n mot par minute</numerusform>
            <numerusform>%n mots par minute</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>An accuracy, as &quot;96%&quot;.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1: %2 today</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1 : %2 aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1: %2 yesterday</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1 : %2 hier</translation>
    </message>
    <message>
        <source>%1: %2 on %3</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;), %3 the day of it (&quot;5 December&quot;).</extracomment>
        <translation>%1 : %2 le %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: %1 is all of it, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, steady over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1, stable sur les 4 dernières semaines.</translation>
    </message>
    <message>
        <source>%1, up from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, en hausse (avant : %2) sur les 4 dernières semaines.</translation>
    </message>
    <message>
        <source>%1, down from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, en baisse (avant : %2) sur les 4 dernières semaines.</translation>
    </message>
    <message>
        <source>Nothing typed in the last 4 weeks.</source>
        <translation>Rien de tapé ces 4 dernières semaines.</translation>
    </message>
    <message>
        <source>Nothing typed this week yet.</source>
        <translation>Rien de tapé cette semaine pour l&apos;instant.</translation>
    </message>
    <message>
        <source>This week: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Cette semaine : %1.</translation>
    </message>
    <message>
        <source>Ready for the Home Row lesson</source>
        <translation>En route pour la leçon Rangée de base</translation>
    </message>
    <message>
        <source>Ready for the Top Row lesson</source>
        <translation>En route pour la leçon Rangée du haut</translation>
    </message>
    <message>
        <source>Ready for the Bottom Row lesson</source>
        <translation>En route pour la leçon Rangée du bas</translation>
    </message>
    <message>
        <source>Ready for the Number Row lesson</source>
        <translation>En route pour la leçon Rangée des chiffres</translation>
    </message>
    <message>
        <source>Try Tricky Keys: %1 needs practice</source>
        <extracomment>%1 is a key, as &quot;Q&quot;.</extracomment>
        <translation>Essaie les Touches pièges : %1 a besoin d&apos;entraînement</translation>
    </message>
    <message numerus="yes">
        <source>Try Tricky Keys: %1 and %2 need practice</source>
        <extracomment>%1 is all the keys but the last, as &quot;Q, P&quot;; %2 the last, as &quot;;&quot;.</extracomment>
        <translation>
            <numerusform>Essaie les Touches pièges : %1 et %2 ont besoin d&apos;entraînement</numerusform>
            <numerusform>Essaie les Touches pièges : %1 et %2 ont besoin d&apos;entraînement</numerusform>
        </translation>
    </message>
    <message>
        <source>Practise a little every day: 10 minutes is plenty</source>
        <translation>Entraîne-toi un peu chaque jour : 10 minutes, c&apos;est bien assez</translation>
    </message>
    <message>
        <source>&amp;Go to the Home Row lesson</source>
        <translation>A&amp;ller à la leçon Rangée de base</translation>
    </message>
    <message>
        <source>&amp;Go to the Top Row lesson</source>
        <translation>A&amp;ller à la leçon Rangée du haut</translation>
    </message>
    <message>
        <source>&amp;Go to the Bottom Row lesson</source>
        <translation>A&amp;ller à la leçon Rangée du bas</translation>
    </message>
    <message>
        <source>&amp;Go to the Number Row lesson</source>
        <translation>A&amp;ller à la leçon Rangée des chiffres</translation>
    </message>
    <message>
        <source>&amp;Go to Tricky Keys</source>
        <extracomment>A button, beside &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>A&amp;ller aux Touches pièges</translation>
    </message>
    <message>
        <source>&amp;Go and type</source>
        <extracomment>A button, beside &quot;Practise a little every day&quot;: to the menu, to choose what to type.</extracomment>
        <translation>A&amp;ller taper</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another program is using the progress file</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>un autre programme utilise le fichier des progrès</translation>
    </message>
    <message>
        <source>the progress file cannot be written to</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>on ne peut pas écrire dans le fichier des progrès</translation>
    </message>
    <message>
        <source>the progress file cannot be opened</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the progress file could not be written (the disk may be full or failing)</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès n&apos;a pas pu être écrit (le disque est peut-être plein ou abîmé)</translation>
    </message>
    <message>
        <source>the progress file is damaged</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès est abîmé</translation>
    </message>
    <message>
        <source>the progress file could not be used</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès n&apos;a pas pu être utilisé</translation>
    </message>
    <message>
        <source>the progress file was made by a newer Tapwell; it is kept as it is</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès vient d&apos;un Tapwell plus récent ; il est gardé tel quel</translation>
    </message>
    <message>
        <source>the progress file is not one of Tapwell&apos;s</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès n&apos;est pas un fichier de Tapwell</translation>
    </message>
    <message>
        <source>the progress file is damaged and cannot be moved aside</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès est abîmé et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>the progress file could not be updated</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>le fichier des progrès n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why progress cannot be saved: %1 is where the progress file should be.</extracomment>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why progress cannot be saved: %1 is the folder of the progress file.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress: %1.</source>
        <extracomment>%1 is why, as &quot;the disk is full&quot; or &quot;the progress file is damaged&quot;.</extracomment>
        <translation>Tapwell ne peut pas enregistrer les progrès : %1.</translation>
    </message>
    <message>
        <source>Please type a name of 1 to %1 letters.</source>
        <extracomment>%1 is the most letters a name may have.</extracomment>
        <translation>Tape un prénom de 1 à %1 lettres.</translation>
    </message>
    <message>
        <source>There is a child called %1 already.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Il y a déjà un enfant qui s&apos;appelle %1.</translation>
    </message>
    <message>
        <source>The last child cannot be removed.</source>
        <translation>On ne peut pas enlever le dernier enfant.</translation>
    </message>
    <message>
        <source>The progress record cannot be read.</source>
        <translation>Le fichier des progrès ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>%1 is the file asked for.</extracomment>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; Tapwell writes only to a plain file or a new one (or &quot;-&quot; for standard output).</source>
        <extracomment>%1 is the file asked for; &quot;-&quot; is what is typed for standard output.</extracomment>
        <translation>%1 n&apos;est pas un fichier normal ; Tapwell écrit seulement dans un fichier normal ou un nouveau fichier (ou « - » pour la sortie standard).</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%1 is the file; %2 is why, as the system says it.</extracomment>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>the school&apos;s server cannot be reached</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>le serveur de l&apos;école ne répond pas</translation>
    </message>
    <message>
        <source>the school&apos;s server does not let this account keep progress there</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>le serveur de l&apos;école ne permet pas à ce compte d&apos;y garder les progrès</translation>
    </message>
    <message>
        <source>the school&apos;s server is not set up for this Tapwell yet (its administrator runs tapwell --setup-server)</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>le serveur de l&apos;école n&apos;est pas encore prêt pour ce Tapwell (son administrateur lance tapwell --setup-server)</translation>
    </message>
    <message>
        <source>Progress is kept on this computer until the school&apos;s server answers.</source>
        <extracomment>The menu&apos;s note in a classroom, while the school&apos;s server does not answer.</extracomment>
        <translation>Les progrès restent sur cet ordinateur jusqu&apos;à ce que le serveur de l&apos;école réponde.</translation>
    </message>
    <message>
        <source>Progress is kept on this computer: %1.</source>
        <extracomment>The menu&apos;s note in a classroom; %1 is why, as &quot;the school&apos;s server does not let this account keep progress there&quot;.</extracomment>
        <translation>Les progrès restent sur cet ordinateur : %1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the options cannot be saved. %1 is a folder&apos;s path.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>Left little finger.</source>
        <translation>Petit doigt gauche.</translation>
    </message>
    <message>
        <source>Left ring finger.</source>
        <translation>Annulaire gauche.</translation>
    </message>
    <message>
        <source>Left middle finger.</source>
        <translation>Majeur gauche.</translation>
    </message>
    <message>
        <source>Left pointer finger.</source>
        <translation>Index gauche.</translation>
    </message>
    <message>
        <source>Right little finger.</source>
        <translation>Petit doigt droit.</translation>
    </message>
    <message>
        <source>Right ring finger.</source>
        <translation>Annulaire droit.</translation>
    </message>
    <message>
        <source>Right middle finger.</source>
        <translation>Majeur droit.</translation>
    </message>
    <message>
        <source>Right pointer finger.</source>
        <translation>Index droit.</translation>
    </message>
    <message>
        <source>Space. Thumb.</source>
        <translation>Espace. Pouce.</translation>
    </message>
    <message>
        <source>Enter. Right little finger.</source>
        <translation>Entrée. Petit doigt droit.</translation>
    </message>
    <message>
        <source>Shift and %1.</source>
        <translation>Maj et %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right.</source>
        <extracomment>Said aloud at a line&apos;s end; %1 the right keys, %2 all keys of the line.</extracomment>
        <translation>%1 sur %2 justes.</translation>
    </message>
    <message>
        <source>Well done! All right!</source>
        <translation>Bravo ! Tout est juste !</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>Good try!</source>
        <translation>Bien essayé !</translation>
    </message>
    <message>
        <source>Put your fingers on the yellow keys, then press Enter.</source>
        <translation>Pose tes doigts sur les touches jaunes, puis appuie sur Entrée.</translation>
    </message>
    <message>
        <source>Choose a game.</source>
        <translation>Choisis un jeu.</translation>
    </message>
    <message>
        <source>Let&apos;s type!</source>
        <extracomment>Said aloud for the first window&apos;s OK button.</extracomment>
        <translation>On tape !</translation>
    </message>
</context>
<context>
    <name>TroubleMap</name>
    <message>
        <source>Shift is counted with the key it is held for</source>
        <translation>Maj est comptée avec la touche pour laquelle on la garde appuyée</translation>
    </message>
    <message>
        <source>Space bar: %1</source>
        <extracomment>%1 is what the space bar&apos;s numbers say, as &quot;Came up 88 times, missed 16 times&quot;.</extracomment>
        <translation>Barre d&apos;espace : %1</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Barre d&apos;espace</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildChooser</name>
    <message>
        <source>Who is typing?</source>
        <translation>Qui tape ?</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Ajouter un enfant…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <extracomment>Renames the child whose button has the focus.</extracomment>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <extracomment>Removes the child whose button has the focus.</extracomment>
        <translation>&amp;Enlever…</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <extracomment>A child&apos;s button: %1 is the child&apos;s name, %2 the number key that chooses them.</extracomment>
        <translation>%1 (touche %2)</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the question before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Enlever %1</translation>
    </message>
    <message>
        <source>Remove %1, and everything Tapwell has kept of %1&apos;s typing?</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Enlever %1, et tout ce que Tapwell a gardé de la frappe de %1 ?</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildEditor</name>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The child&apos;s name.</extracomment>
        <translation>&amp;Prénom :</translation>
    </message>
    <message>
        <source>Picture:</source>
        <extracomment>Above the pictures a child chooses from.</extracomment>
        <translation>Image :</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildFrame</name>
    <message>
        <source>Typing now</source>
        <extracomment>Above the picture and name of the child typing now.</extracomment>
        <translation>Au clavier</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button: another child is typing now.</extracomment>
        <translation>C&amp;hanger</translation>
    </message>
    <message>
        <source>Someone else is typing</source>
        <translation>Quelqu&apos;un d&apos;autre tape</translation>
    </message>
    <message>
        <source>&amp;Tricky Keys</source>
        <extracomment>A button: the drill of the keys this child misses most.</extracomment>
        <translation>T&amp;ouches pièges</translation>
    </message>
    <message>
        <source>More of the keys you miss</source>
        <translation>Encore les touches que tu rates</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mes p&amp;rogrès</translation>
    </message>
    <message>
        <source>Key&amp;board…</source>
        <translation>Cla&amp;vier…</translation>
    </message>
    <message>
        <source>The keyboard this child types on, and the language they read</source>
        <translation>Le clavier de cet enfant, et la langue qu&apos;il lit</translation>
    </message>
    <message>
        <source>T&amp;alk to me</source>
        <extracomment>A check box: Tapwell says aloud what to do, for a child who cannot read yet.</extracomment>
        <translation>Par&amp;le-moi</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <extracomment>A teacher&apos;s button: their class, one row per child.</extracomment>
        <translation>Cla&amp;sse</translation>
    </message>
    <message>
        <source>The children of your classes</source>
        <translation>Les enfants de tes classes</translation>
    </message>
</context>
<context>
    <name>tapwell::ClassWindow</name>
    <message>
        <source>Save the class as CSV</source>
        <translation>Enregistrer la classe en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in the save dialog.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The title of a teacher&apos;s window with one row per child of their classes.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Child</source>
        <extracomment>Column headings of the teacher&apos;s class window.</extracomment>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Lines this week</source>
        <translation>Lignes cette semaine</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutes cette semaine</translation>
    </message>
    <message>
        <source>Speed, last 7 days</source>
        <translation>Vitesse, 7 derniers jours</translation>
    </message>
    <message>
        <source>Accuracy, last 7 days</source>
        <translation>Précision, 7 derniers jours</translation>
    </message>
    <message>
        <source>Finger that misses most</source>
        <translation>Doigt qui se trompe le plus</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Dernier jour d&apos;exercice</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>Lecture de la classe…</translation>
    </message>
    <message>
        <source>1 child in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table.</extracomment>
        <translation>1 enfant dans tes classes.</translation>
    </message>
    <message>
        <source>%1 children in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table; %1 is how many (never 1).</extracomment>
        <translation>%1 enfants dans tes classes.</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmAbout</name>
    <message>
        <source>Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning to type with it, and that you share it with your friends and family. Visit our web site for more programs for children and for tutorials on programming. Try Sum Safari for number games and Word Garden for spelling, too!</source>
        <translation>Tapwell est notre cadeau pour toi : il est gratuit, maintenant et pour toujours. Nous espérons que tu aimeras apprendre à taper avec lui, et que tu le partageras avec tes amis et ta famille. Va sur notre site web pour d&apos;autres programmes pour les enfants et des cours de programmation. Essaie aussi Sum Safari pour jouer avec les nombres et Word Garden pour l&apos;orthographe !</translation>
    </message>
    <message>
        <source>About Tapwell</source>
        <translation>À propos de Tapwell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button: on to the program.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visiter le site de Brightnook</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmType</name>
    <message>
        <source>Info?</source>
        <extracomment>A button of the start screen: about Tapwell.</extracomment>
        <translation>Infos ?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>A button: the help of the screen it is on; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button of the start screen; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame of the start screen&apos;s menu.</extracomment>
        <translation>Choix</translation>
    </message>
    <message>
        <source>&amp;Learn Keyboard</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Apprendre le clavier</translation>
    </message>
    <message>
        <source>&amp;Keyboard Practice</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Pratique du clavier</translation>
    </message>
    <message>
        <source>Cha&amp;racter Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Exercice de &amp;touches</translation>
    </message>
    <message>
        <source>&amp;Word Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Exercice de &amp;mots</translation>
    </message>
    <message>
        <source>Ti&amp;med Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Défi &amp;chrono</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The Stop button (a picture) of a drill or a lesson, as a screen reader says it.
----------
The Stop button&apos;s tooltip.</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Home Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Number Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Use Shift?</source>
        <extracomment>A check box: the drills ask for shifted characters too.</extracomment>
        <translation>Avec Maj ?</translation>
    </message>
    <message>
        <source>Key Sound?</source>
        <extracomment>A check box: a sound with every key.</extracomment>
        <translation>Son ?</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <extracomment>The frame of the Timed Drill&apos;s buttons.</extracomment>
        <translation>Défi chrono</translation>
    </message>
    <message>
        <source>Learn Keyboard</source>
        <extracomment>The frame of the lessons&apos; buttons.</extracomment>
        <translation>Le clavier</translation>
    </message>
    <message>
        <source>&amp;Keyboard Layout</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Le c&amp;lavier</translation>
    </message>
    <message>
        <source>Ho&amp;me Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Rangée de &amp;base</translation>
    </message>
    <message>
        <source>Top &amp;Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Rangée du &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Bottom Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Rangée du ba&amp;s</translation>
    </message>
    <message>
        <source>&amp;Number Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Rangée des &amp;chiffres</translation>
    </message>
    <message>
        <source>Drill Results</source>
        <extracomment>The frame of a drill line&apos;s results (speed, accuracy).</extracomment>
        <translation>Résultats</translation>
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
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Beside the button to a lesson&apos;s next page.
----------
The button (a picture) to a lesson&apos;s next page, as a screen reader says it.</extracomment>
        <translation>Après</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The frame of a drill&apos;s rows and options, before a drill is chosen.</extracomment>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>The title of the message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Essaie encore !</translation>
    </message>
    <message>
        <source>Use your keyboard, not this one!</source>
        <extracomment>The message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Utilise ton clavier, pas celui-ci !</translation>
    </message>
    <message>
        <source>Let your fingers find the
keys while watching the screen
to see where the keys are.
Make sure your hands are in
home position before starting.</source>
        <extracomment>Before a drill starts; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Laisse tes doigts trouver les
touches et regarde l&apos;écran
pour voir où elles sont.
Vérifie que tes mains sont en
position de base avant de
commencer.</translation>
    </message>
    <message>
        <source>Practice Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Pratique du clavier</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Les touches</translation>
    </message>
    <message>
        <source>Word Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Exercice de mots</translation>
    </message>
    <message>
        <source>Type in words from a book or something else. When done, press Enter to see your typing speed. Keep your hands in home position as you type.</source>
        <extracomment>The Timed Drill&apos;s box, before the drill starts; the child types over it.</extracomment>
        <translation>Tape des mots d&apos;un livre ou d&apos;autre chose. Quand tu as fini, appuie sur Entrée pour voir ta vitesse. Garde tes mains en position de base pendant que tu tapes.</translation>
    </message>
    <message>
        <source>Tricky Keys</source>
        <extracomment>The frame of the Character Drill&apos;s rows and options when its lines come from the child&apos;s record.</extracomment>
        <translation>Touches pièges</translation>
    </message>
    <message>
        <source>Tapwell cannot read its keyboard data file %1: %2</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 why it cannot be read: &quot;it is a folder, not a regular file&quot;.</extracomment>
        <translation>Tapwell ne peut pas lire son fichier de données du clavier %1 : %2</translation>
    </message>
    <message>
        <source>Tapwell&apos;s keyboard data file %1 is damaged at %2.</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 where and how it is damaged: &quot;value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3&quot;.</extracomment>
        <translation>Le fichier de données du clavier de Tapwell %1 est abîmé à %2.</translation>
    </message>
</context>
<context>
    <name>tapwell::HelpViewer</name>
    <message>
        <source>Tapwell Help</source>
        <translation>Aide de Tapwell</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is missing&lt;/h2&gt;&lt;p&gt;Tapwell could not open its help file &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</source>
        <extracomment>HTML: %1 is the help file, %2 why it could not be opened, as the system says it.</extracomment>
        <translation>&lt;h2&gt;L&apos;aide est introuvable&lt;/h2&gt;&lt;p&gt;Tapwell n&apos;a pas pu ouvrir son fichier d&apos;aide &lt;tt&gt;%1&lt;/tt&gt; : %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tapwell::KeyboardChooser</name>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>The &amp;keyboard this child types on:</source>
        <translation>Le c&amp;lavier de cet enfant :</translation>
    </message>
    <message>
        <source>Use &amp;accents and AltGr</source>
        <translation>Utiliser les &amp;accents et AltGr</translation>
    </message>
    <message>
        <source>The keyboard in use</source>
        <extracomment>The first of the keyboards to choose from: whichever the computer uses at the time.</extracomment>
        <translation>Le clavier utilisé maintenant</translation>
    </message>
    <message>
        <source>Keyboard and language</source>
        <extracomment>The title of the window where a child&apos;s keyboard and language are chosen.</extracomment>
        <translation>Clavier et langue</translation>
    </message>
    <message>
        <source>The &amp;language this child reads:</source>
        <translation>La lan&amp;gue que lit cet enfant :</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <extracomment>The first of the languages to choose from: whichever the computer is set to.</extracomment>
        <translation>La langue de l&apos;ordinateur</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressCharts</name>
    <message>
        <source>Words per minute: no Word or Timed Drill yet</source>
        <translation>Mots par minute : pas encore d&apos;Exercice de mots ni de Défi chrono</translation>
    </message>
    <message>
        <source>Words per minute (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Mots par minute (ligne médiane de chaque jour)</translation>
    </message>
    <message>
        <source>Words per minute (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Mots par minute (ligne médiane de chaque semaine)</translation>
    </message>
    <message>
        <source>Words per minute (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Mots par minute (ligne médiane de chaque mois)</translation>
    </message>
    <message>
        <source>Accuracy (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Réussite (ligne médiane de chaque jour)</translation>
    </message>
    <message>
        <source>Accuracy (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Réussite (ligne médiane de chaque semaine)</translation>
    </message>
    <message>
        <source>Accuracy (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Réussite (ligne médiane de chaque mois)</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>The accuracy chart&apos;s axis: the percentage of keys typed right.</extracomment>
        <translation>% juste</translation>
    </message>
    <message>
        <source>Minutes typed each day, the last 4 weeks</source>
        <translation>Minutes tapées chaque jour, les 4 dernières semaines</translation>
    </message>
    <message>
        <source>Minutes typed each week, the last 6 months</source>
        <translation>Minutes tapées chaque semaine, les 6 derniers mois</translation>
    </message>
    <message>
        <source>Minutes typed each month</source>
        <translation>Minutes tapées chaque mois</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>The minutes chart&apos;s bars.</extracomment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>The minutes chart&apos;s axis.</extracomment>
        <translation>minutes</translation>
    </message>
    <message>
        <source>In the last 4 weeks: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Ces 4 dernières semaines : %1. En tout : %2.</translation>
    </message>
    <message>
        <source>In the last 6 months: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Ces 6 derniers mois : %1. En tout : %2.</translation>
    </message>
    <message>
        <source>In all: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>En tout : %1.</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressSummary</name>
    <message>
        <source>not yet</source>
        <extracomment>A best line not typed yet, as in &quot;Best Timed Drill: not yet&quot;.</extracomment>
        <translation>pas encore</translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n mot par minute</numerusform>
            <numerusform>%n mots par minute</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines finished: %1
Days practised: %2
Best Word Drill: %3
Best Timed Drill: %4</source>
        <extracomment>%1 and %2 are numbers; %3 and %4 the best speeds, as &quot;33 words per minute&quot; or &quot;not yet&quot;.</extracomment>
        <translation>Lignes finies : %1
Jours d&apos;entraînement : %2
Meilleur Exercice de mots : %3
Meilleur Défi chrono : %4</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressWindow</name>
    <message>
        <source>Home Row</source>
        <translation>Rangée de base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <translation>Rangée du haut</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <translation>Rangée du bas</translation>
    </message>
    <message>
        <source>Number Row</source>
        <translation>Rangée des chiffres</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>Progress &amp;of:</source>
        <translation>Progrès &amp;de :</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Ajouter un enfant…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Renommer…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Enlever…</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Rename this child</source>
        <translation>Renommer cet enfant</translation>
    </message>
    <message>
        <source>Remove this child</source>
        <translation>Enlever cet enfant</translation>
    </message>
    <message>
        <source>Keys I miss</source>
        <translation>Les touches que je rate</translation>
    </message>
    <message>
        <source>Trouble map</source>
        <translation>Carte des erreurs</translation>
    </message>
    <message>
        <source>The keyboard, each key coloured by how often it is missed</source>
        <translation>Le clavier, chaque touche colorée selon le nombre de fois où elle est ratée</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Voir :</translation>
    </message>
    <message>
        <source>the last 4 weeks, day by day</source>
        <translation>les 4 dernières semaines, jour par jour</translation>
    </message>
    <message>
        <source>the last 6 months, week by week</source>
        <translation>les 6 derniers mois, semaine par semaine</translation>
    </message>
    <message>
        <source>all, month by month</source>
        <translation>tout, mois par mois</translation>
    </message>
    <message>
        <source>Words per minute each day</source>
        <translation>Mots par minute chaque jour</translation>
    </message>
    <message>
        <source>Accuracy each day</source>
        <translation>Réussite chaque jour</translation>
    </message>
    <message>
        <source>Minutes typed each day</source>
        <translation>Minutes tapées chaque jour</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Enregi&amp;strer en CSV…</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Every child&apos;s lines, for a spreadsheet</source>
        <translation>Les lignes de tous les enfants, pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1&apos;s picture</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>L&apos;image de %1</translation>
    </message>
    <message>
        <source>Reading %1&apos;s progress…</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Lecture des progrès de %1…</translation>
    </message>
    <message>
        <source>Type a few more lines, and Tapwell can tell you which finger misses most.</source>
        <translation>Tape encore quelques lignes, et Tapwell pourra te dire quel doigt se trompe le plus.</translation>
    </message>
    <message>
        <source>Lessons practised to the end:</source>
        <translation>Leçons faites jusqu&apos;au bout :</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;.</extracomment>
        <translation>%1 : pas encore</translation>
    </message>
    <message>
        <source>%1: yes, last on %2</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;; %2 the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>%1 : oui, la dernière fois le %2</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Nothing has been typed as %1 yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>%1 n&apos;a encore rien tapé.</translation>
    </message>
    <message>
        <source>That is 1 line typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>Cela fait 1 ligne tapée en %1.</translation>
    </message>
    <message numerus="yes">
        <source>That is %n lines typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Cela fait %n ligne tapée en %1.</numerusform>
            <numerusform>Cela fait %n lignes tapées en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from Tapwell?

This deletes %1&apos;s name and picture and everything Tapwell has kept of %1&apos;s typing: every line, every key, the charts and the trouble map. %2</source>
        <extracomment>%1 is the child&apos;s name; %2 is how much was typed, as &quot;That is 9 lines typed on 3 days.&quot; or &quot;Nothing has been typed as Anna yet.&quot;</extracomment>
        <translation>Enlever %1 de Tapwell ?

Cela efface le prénom et l&apos;image de %1, et tout ce que Tapwell a gardé de la frappe de %1 : chaque ligne, chaque touche, les graphiques et la carte des erreurs. %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the questions before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Enlever %1</translation>
    </message>
    <message>
        <source>Are you sure? %1&apos;s progress cannot be brought back.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Vraiment ? Les progrès de %1 ne pourront pas revenir.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>button</comment>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>Enlever %1</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>&amp;Garder %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Enregistrer les progrès en CSV</translation>
    </message>
    <message>
        <source>%1
(Stop what is being typed in the main window first.)</source>
        <extracomment>%1 is what to do next, as &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>%1
(Arrête d&apos;abord ce qui est tapé dans la fenêtre principale.)</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 is why, as &quot;Cannot write /home/ann/a.csv: the disk is full.&quot;</extracomment>
        <translation>Pas enregistré : %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Enregistré sous %1</translation>
    </message>
</context>
<context>
    <name>tapwell::TroubleLegend</name>
    <message>
        <source>Colours of the trouble map</source>
        <translation>Couleurs de la carte des erreurs</translation>
    </message>
    <message>
        <source>Light keys are seldom missed, dark red keys often; grey striped keys were never asked for.</source>
        <translation>Les touches claires sont rarement ratées, les rouge foncé souvent ; les touches grises rayées ne sont jamais demandées.</translation>
    </message>
    <message>
        <source>Missed:</source>
        <extracomment>Before the colours of the scale, each named by how often a key is missed (&quot;10%&quot;).</extracomment>
        <translation>Ratée :</translation>
    </message>
    <message>
        <source>%1%+</source>
        <extracomment>The last colour of the scale: missed %1 percent of the time or more (&quot;40%+&quot;).</extracomment>
        <translation>%1 %+</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A colour of the scale: missed %1 percent of the time (&quot;10%&quot;).</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>never asked for</source>
        <extracomment>Beside the grey striped key of the scale.</extracomment>
        <translation>jamais demandée</translation>
    </message>
    <message numerus="yes">
        <source>Of each key&apos;s last %n presses. Point at a key to see more.</source>
        <translation>
            <numerusform>Sur la dernière frappe (%n) de chaque touche. Pointe une touche pour en voir plus.</numerusform>
            <numerusform>Sur les %n dernières frappes de chaque touche. Pointe une touche pour en voir plus.</numerusform>
        </translation>
    </message>
</context>
</TS>
