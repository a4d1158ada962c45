<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Accessibility</name>
    <message>
        <source>, </source>
        <extracomment>Said by the screen reader between the parts of a key&apos;s or a hand&apos;s words, as in &quot;W, left ring finger&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>venstre lillefinger</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>venstre ringfinger</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>venstre langfinger</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>venstre pekefinger</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>høyre lillefinger</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>høyre ringfinger</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>høyre langfinger</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>høyre pekefinger</translation>
    </message>
    <message>
        <source>left thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>venstre tommel</translation>
    </message>
    <message>
        <source>right thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>høyre tommel</translation>
    </message>
    <message>
        <source>next key</source>
        <extracomment>A key&apos;s description for the screen reader: it is the key to press next.</extracomment>
        <translation>neste tast</translation>
    </message>
    <message>
        <source>home key</source>
        <extracomment>A key&apos;s description for the screen reader: a finger rests on it.</extracomment>
        <translation>grunntast</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>The description of the left Shift key of the on-screen keyboard.</extracomment>
        <translation>venstre</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>The description of the right Shift key of the on-screen keyboard.</extracomment>
        <translation>høyre</translation>
    </message>
    <message>
        <source>row arrow</source>
        <extracomment>A picture&apos;s name for the screen reader: the arrow beside the row of keys.</extracomment>
        <translation>pil ved raden</translation>
    </message>
    <message>
        <source>key marker</source>
        <extracomment>A picture&apos;s name for the screen reader: the mark on the key to press.</extracomment>
        <translation>merke på tasten</translation>
    </message>
    <message>
        <source>computer drawing</source>
        <extracomment>A picture&apos;s name for the screen reader: the start screen&apos;s computer.</extracomment>
        <translation>tegning av en datamaskin</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <extracomment>The on-screen keyboard&apos;s name for the screen reader.</extracomment>
        <translation>Skjermtastatur</translation>
    </message>
    <message>
        <source>Text display</source>
        <extracomment>The name for the screen reader of the box where lessons and drills are printed.</extracomment>
        <translation>Tekstfelt</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Said by the screen reader when a Tricky Keys line ends: %1 is the results (&quot;92% accuracy&quot;), %2 the keys it practised (&quot;Practised: W S X&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>That was %1. %2</source>
        <extracomment>Said by the screen reader after a wrong key: %1 is what was typed (&quot;Q&quot;), %2 the key to press (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Det var %1. %2</translation>
    </message>
    <message>
        <source>The line: %1</source>
        <extracomment>Said by the screen reader as a drill line with spaces comes: %1 is the line spelled out (&quot;F, three spaces, J&quot;).</extracomment>
        <translation>Linjen: %1</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>utropstegn</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>anførselstegn</translation>
    </message>
    <message>
        <source>hash</source>
        <translation>firkant</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>dollar</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>prosent</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>og-tegn</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apostrof</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>venstre parentes</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>høyre parentes</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>stjerne</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>pluss</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>komma</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>punktum</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>skråstrek</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>kolon</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>semikolon</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>mindre enn</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>er lik</translation>
    </message>
    <message>
        <source>greater than</source>
        <translation>større enn</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>spørsmålstegn</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>krøllalfa</translation>
    </message>
    <message>
        <source>open square bracket</source>
        <translation>venstre hakeparentes</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>omvendt skråstrek</translation>
    </message>
    <message>
        <source>close square bracket</source>
        <translation>høyre hakeparentes</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>cirkumfleks</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>understrek</translation>
    </message>
    <message>
        <source>backtick</source>
        <translation>grav aksent</translation>
    </message>
    <message>
        <source>open curly bracket</source>
        <translation>venstre klammeparentes</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>loddrett strek</translation>
    </message>
    <message>
        <source>close curly bracket</source>
        <translation>høyre klammeparentes</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>tilde</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A character&apos;s name, as the screen reader says it.</extracomment>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>two</source>
        <translation>to</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fem</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seks</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sju</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>åtte</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>ni</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>ti</translation>
    </message>
    <message>
        <source>%1 spaces</source>
        <extracomment>A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a word up to ten (&quot;three&quot;) and in figures above.</extracomment>
        <translation>%1 mellomrom</translation>
    </message>
    <message>
        <source>space</source>
        <extracomment>One space in a drill line spelled out.</extracomment>
        <translation>mellomrom</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>AltGr</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>AltGr</translation>
    </message>
    <message>
        <source>left hand, little finger lit</source>
        <translation>venstre hånd, lillefingeren lyser</translation>
    </message>
    <message>
        <source>left hand, ring finger lit</source>
        <translation>venstre hånd, ringfingeren lyser</translation>
    </message>
    <message>
        <source>left hand, middle finger lit</source>
        <translation>venstre hånd, langfingeren lyser</translation>
    </message>
    <message>
        <source>left hand, index finger lit</source>
        <translation>venstre hånd, pekefingeren lyser</translation>
    </message>
    <message>
        <source>right hand, little finger lit</source>
        <translation>høyre hånd, lillefingeren lyser</translation>
    </message>
    <message>
        <source>right hand, ring finger lit</source>
        <translation>høyre hånd, ringfingeren lyser</translation>
    </message>
    <message>
        <source>right hand, middle finger lit</source>
        <translation>høyre hånd, langfingeren lyser</translation>
    </message>
    <message>
        <source>right hand, index finger lit</source>
        <translation>høyre hånd, pekefingeren lyser</translation>
    </message>
    <message>
        <source>left hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>venstre hånd, fire fingre lyser</translation>
    </message>
    <message>
        <source>right hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>høyre hånd, fire fingre lyser</translation>
    </message>
    <message>
        <source>left hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>venstre hånd, tommelen lyser</translation>
    </message>
    <message>
        <source>right hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>høyre hånd, tommelen lyser</translation>
    </message>
    <message>
        <source>left hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>venstre hånd</translation>
    </message>
    <message>
        <source>right hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>høyre hånd</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What the guide marks, as the screen reader says it while the child types: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Neste: %1</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <extracomment>What the guide marks, as the screen reader says it in a lesson: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Merket: %1</translation>
    </message>
    <message>
        <source>Space, thumbs</source>
        <extracomment>What the guide marks: the space bar, pressed with a thumb.</extracomment>
        <translation>Mellomrom, tomlene</translation>
    </message>
    <message>
        <source>%1, four fingers of each hand</source>
        <extracomment>The home keys the guide marks, as the screen reader says them: %1 is the keys (&quot;A S D F J K L ;&quot;).</extracomment>
        <translation>%1, fire fingre på hver hånd</translation>
    </message>
    <message>
        <source>Home position: %1</source>
        <extracomment>%1 is the home keys and the fingers (&quot;A S D F J K L ;, four fingers of each hand&quot;).</extracomment>
        <translation>Grunnstilling: %1</translation>
    </message>
    <message>
        <source>Shift with both little fingers</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift med begge lillefingrene</translation>
    </message>
    <message>
        <source>Shift with the left little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift med venstre lillefinger</translation>
    </message>
    <message>
        <source>Shift with the right little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift med høyre lillefinger</translation>
    </message>
    <message>
        <source>AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>AltGr med høyre tommel</translation>
    </message>
    <message>
        <source>%1 and AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it: %1 is the Shift to hold (&quot;Shift with the left little finger&quot;).</extracomment>
        <translation>%1 og AltGr med høyre tommel</translation>
    </message>
    <message>
        <source>the accent key for %1</source>
        <extracomment>The key to press for an accent: %1 is the character it is for (&quot;É&quot;).</extracomment>
        <translation>aksenttasten for %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The key to press and its finger: %1 is the key (&quot;W&quot;), %2 the finger (&quot;left ring finger&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>What to press, in order: %1 is what to hold first (&quot;Shift with the right little finger&quot;), %2 the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>%1, så %2</translation>
    </message>
    <message>
        <source>Info, Help and Exit</source>
        <extracomment>The name for the screen reader of the start screen&apos;s frame of buttons.</extracomment>
        <translation>Info, Hjelp og Avslutt</translation>
    </message>
    <message>
        <source>Timed Drill typing</source>
        <extracomment>The name for the screen reader of the box the Timed Drill is typed in.</extracomment>
        <translation>Feltet for Skriv på tid</translation>
    </message>
    <message>
        <source>cursor box</source>
        <extracomment>The name for the screen reader of the box round the next character to type.</extracomment>
        <translation>boksen rundt neste tegn</translation>
    </message>
    <message>
        <source>backdrop</source>
        <extracomment>The name for the screen reader of the blue band behind the lesson and drill frames.</extracomment>
        <translation>bakgrunn</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Tapwell&apos;s progress file was damaged. It was kept as %1, and a new record was started.</source>
        <extracomment>%1 is the file the damaged record was kept as.</extracomment>
        <translation>Fremgangsfilen til Tapwell var skadet. Den ble tatt vare på som %1, og en ny ble startet.</translation>
    </message>
    <message>
        <source>Tapwell cannot start</source>
        <extracomment>The title of the message that says why.</extracomment>
        <translation>Tapwell kan ikke starte</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <extracomment>The title of a message: the keyboard chosen could not be kept.</extracomment>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress.</source>
        <translation>Tapwell kan ikke lagre fremgangen.</translation>
    </message>
    <message>
        <source>%1 Typing works as always, but it is not being kept.</source>
        <extracomment>%1 is the sentence before, as &quot;Tapwell cannot save progress: the disk is full.&quot;.</extracomment>
        <translation>%1 Du kan skrive som vanlig, men det blir ikke lagret.</translation>
    </message>
    <message>
        <source>Tapwell cannot save your choices</source>
        <translation>Tapwell kan ikke lagre valgene dine</translation>
    </message>
    <message>
        <source>Tapwell could not write its settings file %1: %2.</source>
        <extracomment>%1 is the settings file; %2 is why, as the system says it.</extracomment>
        <translation>Tapwell kunne ikke skrive innstillingsfilen %1: %2.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>ChildPictures</name>
    <message>
        <source>fox</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>rev</translation>
    </message>
    <message>
        <source>owl</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>ugle</translation>
    </message>
    <message>
        <source>cat</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>katt</translation>
    </message>
    <message>
        <source>frog</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>frosk</translation>
    </message>
    <message>
        <source>bear</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>bjørn</translation>
    </message>
    <message>
        <source>fish</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>fisk</translation>
    </message>
</context>
<context>
    <name>DrillResults</name>
    <message>
        <source>%1 words per minute</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;60&quot;.</extracomment>
        <translation>%1 ord i minuttet</translation>
    </message>
    <message>
        <source>%1% accuracy</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;92&quot;.</extracomment>
        <translation>%1 % riktig</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>This keyboard has too few words for these rows: type their keys.</source>
        <extracomment>Above a Word Drill line made of the rows&apos; characters, when the child&apos;s language has too few words that the chosen rows can type.</extracomment>
        <translation>Dette tastaturet har for få ord for disse radene: skriv tastene deres.</translation>
    </message>
    <message>
        <source>Practised:%1</source>
        <extracomment>Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space before it: &quot; W S X&quot;.</extracomment>
        <translation>Øvd på:%1</translation>
    </message>
    <message>
        <source>All your keys are secure! Try a new row.</source>
        <extracomment>Above a Tricky Keys line, when no key of the chosen rows is missed any more.</extracomment>
        <translation>Alle tastene dine sitter! Prøv en ny rad.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>det er en mappe, ikke en vanlig fil</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>det er en navngitt pipe, ikke en vanlig fil</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>det er en enhet, ikke en vanlig fil</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>det er en socket, ikke en vanlig fil</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>det er ikke en vanlig fil</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;. %1 is a number of bytes.</extracomment>
        <translation>den er større enn %1 byte</translation>
    </message>
    <message>
        <source>it is not a PCM wave file</source>
        <extracomment>Why a sound file cannot be played, after its path.</extracomment>
        <translation>det er ikke en PCM-wave-fil</translation>
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
        <translation>Shift</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>A hand, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>venstre</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>A hand, as in &quot;Use the little finger of the right hand.&quot;</extracomment>
        <translation>høyre</translation>
    </message>
    <message>
        <source>little</source>
        <extracomment>A finger, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>lillefingeren</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>A finger, as in &quot;Use the ring finger of the left hand.&quot;</extracomment>
        <translation>ringfingeren</translation>
    </message>
    <message>
        <source>middle</source>
        <extracomment>A finger, as in &quot;Use the middle finger of the left hand.&quot;</extracomment>
        <translation>langfingeren</translation>
    </message>
    <message>
        <source>index</source>
        <extracomment>A finger, as in &quot;Use the index finger of the left hand.&quot;</extracomment>
        <translation>pekefingeren</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>A row of keys, as in &quot;This row is called the home row.&quot;</extracomment>
        <translation>grunnraden</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of keys, as in &quot;This row is called the top row.&quot;</extracomment>
        <translation>den øverste raden</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>A row of keys, as in &quot;This row is called the bottom row.&quot;</extracomment>
        <translation>den nederste raden</translation>
    </message>
    <message>
        <source>number</source>
        <extracomment>A row of keys, as in &quot;This row is called the number row.&quot;</extracomment>
        <translation>tallraden</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>Any row of keys.</extracomment>
        <translation>alle rader</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>A row of keys, as a title: &quot;Home Row&quot;.</extracomment>
        <translation>Grunn</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>A row of keys, as a title: &quot;Top Row&quot;.</extracomment>
        <translation>Øverste</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>A row of keys, as a title: &quot;Bottom Row&quot;.</extracomment>
        <translation>Nederste</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>A row of keys, as a title: &quot;Number Row&quot;.</extracomment>
        <translation>Tall</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Any row of keys, as a title.</extracomment>
        <translation>Alle</translation>
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
        <translation>Nå prøver du Shift-tasten.
Når du skriver med venstre
hånd, holder du Shift-tasten
på høyre side av nederste
rad med lillefingeren på
høyre hånd.</translation>
    </message>
    <message>
        <source>Now try using the Shift key.
When typing with the right
hand, hold the Shift key on
the left side of the
bottom row with the little
finger of the left hand.</source>
        <extracomment>A row lesson, before the shifted keys of the right hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Nå prøver du Shift-tasten.
Når du skriver med høyre
hånd, holder du Shift-tasten
på venstre side av nederste
rad med lillefingeren på
venstre hånd.</translation>
    </message>
    <message>
        <source>Use the %1 finger of the
%2 hand.
</source>
        <extracomment>Keyboard Practice, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right).</extracomment>
        <translation>Bruk %1 på
%2 hånd.
</translation>
    </message>
    <message>
        <source>The %1 finger of the 
%2 hand is used to 
press 1 key:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the key, with a space before it: &quot; J&quot;.</extracomment>
        <translation>Med %1 på
%2 hånd trykker du
1 tast:%3</translation>
    </message>
    <message numerus="yes">
        <source>The %1 finger of the 
%2 hand is used to 
press %n keys:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the keys, each with a space before it: &quot; J H Y&quot;.</extracomment>
        <translation>
            <numerusform>Med %1 på
%2 hånd trykker du
%n tast:%3</numerusform>
            <numerusform>Med %1 på
%2 hånd trykker du
%n taster:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Press %1 three times: </source>
        <extracomment>Keyboard Practice and the row lessons; the key&apos;s presses are typed after it. %1 is the key: a character, &quot;Enter&quot; or &quot;Shift&quot;.</extracomment>
        <translation>Trykk %1 tre ganger: </translation>
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
        <translation>Her øver du på tastene for
bokstaver og tall. Andre
taster, som F1, Ctrl eller
Alt, lærer du ikke her.</translation>
    </message>
    <message>
        <source>Shown is the computer keyboard.
Note there are four rows of
keys. At the bottom of the 
keyboard is the space bar.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Her ser du tastaturet.
Det har fire rader med
taster. Nederst på
tastaturet er mellomromstasten.</translation>
    </message>
    <message>
        <source>This row is called the {row}
row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Dette er
{row}.</translation>
    </message>
    <message>
        <source>The starting position for
all typing strokes is the
home row. Your fingers should
always rest on this row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>All skriving starter på
grunnraden. Fingrene dine
skal alltid hvile på
denne raden.</translation>
    </message>
    <message>
        <source>Your left hand rests on the
{home1} {home2} {home3} {home4} keys (little finger
on {home1}). Your right hand rests
on the {home5} {home6} {home7} {home8} keys (little
finger on {home8}). Place your
hands in the home position.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little finger to right little finger.</extracomment>
        <translation>Venstre hånd hviler på
tastene {home1} {home2} {home3} {home4}
(lillefingeren på {home1}).
Høyre hånd hviler på
tastene {home5} {home6} {home7} {home8}
(lillefingeren på {home8}).
Legg hendene dine i
grunnstilling.</translation>
    </message>
    <message>
        <source>The Enter key is used to 
tell the computer you are
done typing something. Use
the little finger of the
right hand.

Press Enter a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Med Enter-tasten sier du til
datamaskinen at du er ferdig.
Bruk lillefingeren på
høyre hånd.

Trykk Enter noen ganger.</translation>
    </message>
    <message>
        <source>The space bar is used to
put spaces between letters
and words. You hit the space
bar with your left or right
thumb.

Tap the space bar a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Med mellomromstasten lager
du mellomrom mellom bokstaver
og ord. Du trykker den med
venstre eller høyre tommel.

Trykk på mellomromstasten
noen ganger.</translation>
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
        <translation>I begge ender av nederste
rad er det Shift-taster. Finn
dem. Du trykker dem med
lillefingrene. Skriver du en
bokstav uten Shift, får du
en liten bokstav.</translation>
    </message>
    <message>
        <source>If you hold down Shift and
press a letter, the upper
case letter is typed.

Note two characters are on
the number and symbol keys.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Holder du Shift nede og
trykker en bokstav, får du
en stor bokstav.

På tall- og tegntastene
er det to tegn.</translation>
    </message>
    <message>
        <source>If you press one of these
keys without Shift, the
character on the lower part
of the key is typed. If Shift
is held and the key pressed,
the upper character is typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Trykker du en slik tast
uten Shift, får du tegnet
nederst på tasten. Holder
du Shift nede og trykker
tasten, får du tegnet
øverst.</translation>
    </message>
    <message>
        <source>More on the Shift keys later.

Right now, we&apos;ll return to 
the selection menu where 
you can pick which row of
keys you want to learn.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Mer om Shift-tastene senere.

Nå går vi tilbake til
menyen. Der velger du
hvilken rad du vil lære.</translation>
    </message>
    <message>
        <source>Learn keys of {row} row.

When typing, let your fingers
find the keys while you look
at the screen to see where
the keys are.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Lær tastene på
{row}.

La fingrene finne tastene
når du skriver. Se på
skjermen for å se hvor
tastene er.</translation>
    </message>
    <message>
        <source>Make sure your hands are in
home position before starting.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Legg hendene i grunnstilling
før du starter.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>usage: tapwell --export-progress FILE.csv (or - for standard output)</source>
        <extracomment>The command line&apos;s usage; the option&apos;s name stays as it is.</extracomment>
        <translation>bruk: tapwell --export-progress FIL.csv (eller - for standard utdata)</translation>
    </message>
    <message>
        <source>the progress file was damaged; it was kept as %1 and a new one started, so there is nothing to export.</source>
        <extracomment>On the command line, exporting the record. %1 is the path the damaged file was kept at.</extracomment>
        <translation>fremgangsfilen var skadet; den ble tatt vare på som %1 og en ny ble startet, så det er ingenting å eksportere.</translation>
    </message>
    <message>
        <source>usage: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</source>
        <extracomment>The command line&apos;s usage; the options&apos; names stay as they are.</extracomment>
        <translation>bruk: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAVN --teacher BRUKER|--child BRUKER [--remove] [--server CONNINFO]</translation>
    </message>
    <message>
        <source>no server: give --server, or set server in the [record] group of /etc/xdg/tapwell/tapwell.conf</source>
        <extracomment>On the command line: no server was given or configured.</extracomment>
        <translation>ingen server: bruk --server, eller sett server i gruppen [record] i /etc/xdg/tapwell/tapwell.conf</translation>
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
        <translation>Shift</translation>
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
        <translation>%1 er ikke et programtillegg til denne Tapwell</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s name: &quot;tapwell-sound.so&quot;.</extracomment>
        <translation>%1 er ikke installert</translation>
    </message>
    <message>
        <source>Tapwell cannot load the part of it that draws &quot;My Progress&quot;: %1. Installing Tapwell again will mend it.</source>
        <extracomment>A message when My Progress is asked for. %1 is why the part cannot be loaded: &quot;… is not installed&quot;.</extracomment>
        <translation>Tapwell kan ikke laste det som tegner «Min fremgang»: %1. Installer Tapwell på nytt, så blir det i orden.</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>Word Drill</source>
        <translation>Øv på ord</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <translation>Øv på tegn</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <translation>Skriv på tid</translation>
    </message>
    <message>
        <source>1 day</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 1 day&quot;.</extracomment>
        <translation>1 dag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 3 days&quot;.</extracomment>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dager</numerusform>
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
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>A key&apos;s name.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Your left little finger misses most: %1</source>
        <translation>Venstre lillefinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your left ring finger misses most: %1</source>
        <translation>Venstre ringfinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your left middle finger misses most: %1</source>
        <translation>Venstre langfinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your left index finger misses most: %1</source>
        <translation>Venstre pekefinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your right little finger misses most: %1</source>
        <translation>Høyre lillefinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your right ring finger misses most: %1</source>
        <translation>Høyre ringfinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your right middle finger misses most: %1</source>
        <translation>Høyre langfinger bommer mest: %1</translation>
    </message>
    <message>
        <source>Your right index finger misses most: %1</source>
        <translation>Høyre pekefinger bommer mest: %1</translation>
    </message>
    <message>
        <source>another key</source>
        <extracomment>What was typed instead of the key asked for, when it is none of the keyboard&apos;s keys.</extracomment>
        <translation>en annen tast</translation>
    </message>
    <message>
        <source>Never asked for yet</source>
        <extracomment>A key of the trouble map.</extracomment>
        <translation>Har ikke vært med ennå</translation>
    </message>
    <message>
        <source>Came up once</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>Var med én gang</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n times</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>
            <numerusform>Var med %n gang</numerusform>
            <numerusform>Var med %n ganger</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, never missed</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, aldri bom</translation>
    </message>
    <message>
        <source>%1, missed once</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, bom én gang</translation>
    </message>
    <message numerus="yes">
        <source>%1, missed %n times</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 88 times&quot;.</extracomment>
        <translation>
            <numerusform>%1, bom %n gang</numerusform>
            <numerusform>%1, bom %n ganger</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>A list of keys: %1 is all but the last (&quot;E, S&quot;), %2 the last (&quot;D&quot;).</extracomment>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>%1; most often typed instead: %2</source>
        <extracomment>%1 is how often the key came up and was missed: &quot;Came up 88 times, missed 16 times&quot;; %2 is the keys typed instead, as &quot;E&quot; or &quot;E, S or D&quot;.</extracomment>
        <translation>%1; oftest skrevet i stedet: %2</translation>
    </message>
    <message>
        <source>This key got better this week: %1</source>
        <extracomment>%1 is the key, as &quot;Space&quot;.</extracomment>
        <translation>Denne tasten ble bedre denne uka: %1</translation>
    </message>
    <message numerus="yes">
        <source>These keys got better this week: %1</source>
        <extracomment>%1 is the keys, as &quot;D K ;&quot;.</extracomment>
        <translation>
            <numerusform>Denne tasten ble bedre denne uka: %1</numerusform>
            <numerusform>Disse tastene ble bedre denne uka: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Timed Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Din beste linje: %n ord i minuttet i Skriv på tid, den %1</numerusform>
            <numerusform>Din beste linje: %n ord i minuttet i Skriv på tid, den %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Word Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Din beste linje: %n ord i minuttet i Øv på ord, den %1</numerusform>
            <numerusform>Din beste linje: %n ord i minuttet i Øv på ord, den %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No key asked for yet</source>
        <translation>Ingen tast har vært med ennå</translation>
    </message>
    <message>
        <source>No key missed yet</source>
        <translation>Ingen bom ennå</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A key and how often it is missed: %1 is the key, %2 the percentage (&quot;Q 40%&quot;).</extracomment>
        <translation>%1 %2 %</translation>
    </message>
    <message>
        <source>Missed most: %1</source>
        <extracomment>%1 is the keys missed most, worst first: &quot;Q 40%, semicolon 35%, P 6%&quot;.</extracomment>
        <translation>Bom mest: %1</translation>
    </message>
    <message>
        <source>%1&apos;s progress: nothing typed yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Fremgangen til %1: ingenting skrevet ennå.</translation>
    </message>
    <message>
        <source>%1&apos;s progress: 1 line typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;1 day&quot;.</extracomment>
        <translation>Fremgangen til %1: 1 linje skrevet på %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1&apos;s progress: %n lines typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Fremgangen til %1: %n linje skrevet på %2.</numerusform>
            <numerusform>Fremgangen til %1: %n linjer skrevet på %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>under ett minutt</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minutt</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minutt</numerusform>
            <numerusform>%n minutter</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour %1</source>
        <extracomment>A time: %1 is the minutes past the hour, as &quot;5 minutes&quot;.</extracomment>
        <translation>1 time %1</translation>
    </message>
    <message numerus="yes">
        <source>%n hours %1</source>
        <extracomment>A time: %1 is the minutes past the hours, as &quot;5 minutes&quot;.</extracomment>
        <translation>
            <numerusform>%n time %1</numerusform>
            <numerusform>%n timer %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n ord i minuttet</numerusform>
            <numerusform>%n ord i minuttet</numerusform>
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
        <translation>%1: %2 i dag</translation>
    </message>
    <message>
        <source>%1: %2 yesterday</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1: %2 i går</translation>
    </message>
    <message>
        <source>%1: %2 on %3</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;), %3 the day of it (&quot;5 December&quot;).</extracomment>
        <translation>%1: %2 den %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: %1 is all of it, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, steady over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1, jevnt de siste 4 ukene.</translation>
    </message>
    <message>
        <source>%1, up from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, opp fra %2 de siste 4 ukene.</translation>
    </message>
    <message>
        <source>%1, down from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1, ned fra %2 de siste 4 ukene.</translation>
    </message>
    <message>
        <source>Nothing typed in the last 4 weeks.</source>
        <translation>Ingenting skrevet de siste 4 ukene.</translation>
    </message>
    <message>
        <source>Nothing typed this week yet.</source>
        <translation>Ingenting skrevet denne uka ennå.</translation>
    </message>
    <message>
        <source>This week: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Denne uka: %1.</translation>
    </message>
    <message>
        <source>Ready for the Home Row lesson</source>
        <translation>Klar for leksjonen Grunnraden</translation>
    </message>
    <message>
        <source>Ready for the Top Row lesson</source>
        <translation>Klar for leksjonen Øverste rad</translation>
    </message>
    <message>
        <source>Ready for the Bottom Row lesson</source>
        <translation>Klar for leksjonen Nederste rad</translation>
    </message>
    <message>
        <source>Ready for the Number Row lesson</source>
        <translation>Klar for leksjonen Tallraden</translation>
    </message>
    <message>
        <source>Try Tricky Keys: %1 needs practice</source>
        <extracomment>%1 is a key, as &quot;Q&quot;.</extracomment>
        <translation>Prøv Vriene taster: %1 trenger øving</translation>
    </message>
    <message numerus="yes">
        <source>Try Tricky Keys: %1 and %2 need practice</source>
        <extracomment>%1 is all the keys but the last, as &quot;Q, P&quot;; %2 the last, as &quot;;&quot;.</extracomment>
        <translation>
            <numerusform>Prøv Vriene taster: %1 og %2 trenger øving</numerusform>
            <numerusform>Prøv Vriene taster: %1 og %2 trenger øving</numerusform>
        </translation>
    </message>
    <message>
        <source>Practise a little every day: 10 minutes is plenty</source>
        <translation>Øv litt hver dag: 10 minutter er nok</translation>
    </message>
    <message>
        <source>&amp;Go to the Home Row lesson</source>
        <translation>&amp;Start Grunnraden</translation>
    </message>
    <message>
        <source>&amp;Go to the Top Row lesson</source>
        <translation>&amp;Start Øverste rad</translation>
    </message>
    <message>
        <source>&amp;Go to the Bottom Row lesson</source>
        <translation>&amp;Start Nederste rad</translation>
    </message>
    <message>
        <source>&amp;Go to the Number Row lesson</source>
        <translation>&amp;Start Tallraden</translation>
    </message>
    <message>
        <source>&amp;Go to Tricky Keys</source>
        <extracomment>A button, beside &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>&amp;Start Vriene taster</translation>
    </message>
    <message>
        <source>&amp;Go and type</source>
        <extracomment>A button, beside &quot;Practise a little every day&quot;: to the menu, to choose what to type.</extracomment>
        <translation>&amp;Start og skriv</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>disken er full</translation>
    </message>
    <message>
        <source>another program is using the progress file</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>et annet program bruker fremgangsfilen</translation>
    </message>
    <message>
        <source>the progress file cannot be written to</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>det går ikke å skrive til fremgangsfilen</translation>
    </message>
    <message>
        <source>the progress file cannot be opened</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen kan ikke åpnes</translation>
    </message>
    <message>
        <source>the progress file could not be written (the disk may be full or failing)</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen kunne ikke skrives (disken er kanskje full eller i ferd med å svikte)</translation>
    </message>
    <message>
        <source>the progress file is damaged</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen er skadet</translation>
    </message>
    <message>
        <source>the progress file could not be used</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen kunne ikke brukes</translation>
    </message>
    <message>
        <source>the progress file was made by a newer Tapwell; it is kept as it is</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen ble laget av en nyere Tapwell; den blir beholdt som den er</translation>
    </message>
    <message>
        <source>the progress file is not one of Tapwell&apos;s</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen er ikke en av Tapwells filer</translation>
    </message>
    <message>
        <source>the progress file is damaged and cannot be moved aside</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen er skadet og kan ikke flyttes til side</translation>
    </message>
    <message>
        <source>the progress file could not be updated</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>fremgangsfilen kunne ikke oppdateres</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why progress cannot be saved: %1 is where the progress file should be.</extracomment>
        <translation>%1 er en mappe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why progress cannot be saved: %1 is the folder of the progress file.</extracomment>
        <translation>mappen %1 kan ikke lages</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress: %1.</source>
        <extracomment>%1 is why, as &quot;the disk is full&quot; or &quot;the progress file is damaged&quot;.</extracomment>
        <translation>Tapwell kan ikke lagre fremgangen: %1.</translation>
    </message>
    <message>
        <source>Please type a name of 1 to %1 letters.</source>
        <extracomment>%1 is the most letters a name may have.</extracomment>
        <translation>Skriv et navn på 1 til %1 bokstaver.</translation>
    </message>
    <message>
        <source>There is a child called %1 already.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Det finnes allerede et barn som heter %1.</translation>
    </message>
    <message>
        <source>The last child cannot be removed.</source>
        <translation>Det siste barnet kan ikke fjernes.</translation>
    </message>
    <message>
        <source>The progress record cannot be read.</source>
        <translation>Fremgangen kan ikke leses.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>%1 is the file asked for.</extracomment>
        <translation>%1 er en mappe, ikke en fil.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; Tapwell writes only to a plain file or a new one (or &quot;-&quot; for standard output).</source>
        <extracomment>%1 is the file asked for; &quot;-&quot; is what is typed for standard output.</extracomment>
        <translation>%1 er ikke en vanlig fil; Tapwell skriver bare til en vanlig fil eller en ny fil (eller «-» for standard utdata).</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%1 is the file; %2 is why, as the system says it.</extracomment>
        <translation>Kan ikke skrive %1: %2.</translation>
    </message>
    <message>
        <source>the school&apos;s server cannot be reached</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>skolens server svarer ikke</translation>
    </message>
    <message>
        <source>the school&apos;s server does not let this account keep progress there</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>skolens server lar ikke denne kontoen lagre fremgang der</translation>
    </message>
    <message>
        <source>the school&apos;s server is not set up for this Tapwell yet (its administrator runs tapwell --setup-server)</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>skolens server er ikke satt opp for denne Tapwell ennå (administratoren kjører tapwell --setup-server)</translation>
    </message>
    <message>
        <source>Progress is kept on this computer until the school&apos;s server answers.</source>
        <extracomment>The menu&apos;s note in a classroom, while the school&apos;s server does not answer.</extracomment>
        <translation>Fremgangen lagres på denne datamaskinen til skolens server svarer.</translation>
    </message>
    <message>
        <source>Progress is kept on this computer: %1.</source>
        <extracomment>The menu&apos;s note in a classroom; %1 is why, as &quot;the school&apos;s server does not let this account keep progress there&quot;.</extracomment>
        <translation>Fremgangen lagres på denne datamaskinen: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the options cannot be saved. %1 is a folder&apos;s path.</extracomment>
        <translation>mappen %1 kan ikke lages</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>Left little finger.</source>
        <translation>Venstre lillefinger.</translation>
    </message>
    <message>
        <source>Left ring finger.</source>
        <translation>Venstre ringfinger.</translation>
    </message>
    <message>
        <source>Left middle finger.</source>
        <translation>Venstre langfinger.</translation>
    </message>
    <message>
        <source>Left pointer finger.</source>
        <translation>Venstre pekefinger.</translation>
    </message>
    <message>
        <source>Right little finger.</source>
        <translation>Høyre lillefinger.</translation>
    </message>
    <message>
        <source>Right ring finger.</source>
        <translation>Høyre ringfinger.</translation>
    </message>
    <message>
        <source>Right middle finger.</source>
        <translation>Høyre langfinger.</translation>
    </message>
    <message>
        <source>Right pointer finger.</source>
        <translation>Høyre pekefinger.</translation>
    </message>
    <message>
        <source>Space. Thumb.</source>
        <translation>Mellomrom. Tommel.</translation>
    </message>
    <message>
        <source>Enter. Right little finger.</source>
        <translation>Enter. Høyre lillefinger.</translation>
    </message>
    <message>
        <source>Shift and %1.</source>
        <translation>Shift og %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right.</source>
        <extracomment>Said aloud at a line&apos;s end; %1 the right keys, %2 all keys of the line.</extracomment>
        <translation>%1 av %2 riktig.</translation>
    </message>
    <message>
        <source>Well done! All right!</source>
        <translation>Bra! Alt riktig!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bra!</translation>
    </message>
    <message>
        <source>Good try!</source>
        <translation>Godt forsøkt!</translation>
    </message>
    <message>
        <source>Put your fingers on the yellow keys, then press Enter.</source>
        <translation>Legg fingrene på de gule tastene, og trykk så Enter.</translation>
    </message>
    <message>
        <source>Choose a game.</source>
        <translation>Velg et spill.</translation>
    </message>
    <message>
        <source>Let&apos;s type!</source>
        <extracomment>Said aloud for the first window&apos;s OK button.</extracomment>
        <translation>Nå skriver vi!</translation>
    </message>
</context>
<context>
    <name>TroubleMap</name>
    <message>
        <source>Shift is counted with the key it is held for</source>
        <translation>Shift telles med tasten den holdes for</translation>
    </message>
    <message>
        <source>Space bar: %1</source>
        <extracomment>%1 is what the space bar&apos;s numbers say, as &quot;Came up 88 times, missed 16 times&quot;.</extracomment>
        <translation>Mellomromstasten: %1</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Mellomromstasten</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildChooser</name>
    <message>
        <source>Who is typing?</source>
        <translation>Hvem skriver?</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Legg til et barn…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <extracomment>Renames the child whose button has the focus.</extracomment>
        <translation>&amp;Gi nytt navn…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <extracomment>Removes the child whose button has the focus.</extracomment>
        <translation>Fj&amp;ern…</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <extracomment>A child&apos;s button: %1 is the child&apos;s name, %2 the number key that chooses them.</extracomment>
        <translation>%1 (tast %2)</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Legg til et barn</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Gi %1 nytt navn</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the question before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Fjern %1</translation>
    </message>
    <message>
        <source>Remove %1, and everything Tapwell has kept of %1&apos;s typing?</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Fjerne %1, og alt Tapwell har tatt vare på av skrivingen til %1?</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildEditor</name>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The child&apos;s name.</extracomment>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <extracomment>Above the pictures a child chooses from.</extracomment>
        <translation>Bilde:</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildFrame</name>
    <message>
        <source>Typing now</source>
        <extracomment>Above the picture and name of the child typing now.</extracomment>
        <translation>Skriver nå</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button: another child is typing now.</extracomment>
        <translation>&amp;Bytt</translation>
    </message>
    <message>
        <source>Someone else is typing</source>
        <translation>Noen andre skriver</translation>
    </message>
    <message>
        <source>&amp;Tricky Keys</source>
        <extracomment>A button: the drill of the keys this child misses most.</extracomment>
        <translation>&amp;Vriene taster</translation>
    </message>
    <message>
        <source>More of the keys you miss</source>
        <translation>Mer av tastene du bommer på</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>&amp;Min fremgang</translation>
    </message>
    <message>
        <source>Key&amp;board…</source>
        <translation>Ta&amp;statur…</translation>
    </message>
    <message>
        <source>The keyboard this child types on, and the language they read</source>
        <translation>Tastaturet dette barnet skriver på, og språket det leser</translation>
    </message>
    <message>
        <source>T&amp;alk to me</source>
        <extracomment>A check box: Tapwell says aloud what to do, for a child who cannot read yet.</extracomment>
        <translation>S&amp;nakk til meg</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <extracomment>A teacher&apos;s button: their class, one row per child.</extracomment>
        <translation>&amp;Klasse</translation>
    </message>
    <message>
        <source>The children of your classes</source>
        <translation>Barna i klassene dine</translation>
    </message>
</context>
<context>
    <name>tapwell::ClassWindow</name>
    <message>
        <source>Save the class as CSV</source>
        <translation>Lagre klassen som CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in the save dialog.</extracomment>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The title of a teacher&apos;s window with one row per child of their classes.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Child</source>
        <extracomment>Column headings of the teacher&apos;s class window.</extracomment>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Lines this week</source>
        <translation>Linjer denne uken</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutter denne uken</translation>
    </message>
    <message>
        <source>Speed, last 7 days</source>
        <translation>Fart, siste 7 dager</translation>
    </message>
    <message>
        <source>Accuracy, last 7 days</source>
        <translation>Nøyaktighet, siste 7 dager</translation>
    </message>
    <message>
        <source>Finger that misses most</source>
        <translation>Fingeren som bommer mest</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Sist øvd</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Lagre som CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Lu&amp;kk</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>Leser klassen…</translation>
    </message>
    <message>
        <source>1 child in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table.</extracomment>
        <translation>1 barn i klassene dine.</translation>
    </message>
    <message>
        <source>%1 children in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table; %1 is how many (never 1).</extracomment>
        <translation>%1 barn i klassene dine.</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmAbout</name>
    <message>
        <source>Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning to type with it, and that you share it with your friends and family. Visit our web site for more programs for children and for tutorials on programming. Try Sum Safari for number games and Word Garden for spelling, too!</source>
        <translation>Tapwell er vår gave til deg: det er gratis, nå og alltid. Vi håper du liker å lære å skrive med det, og at du deler det med venner og familie. Besøk nettstedet vårt for flere programmer for barn og for kurs i programmering. Prøv også Sum Safari for tallspill og Word Garden for staving!</translation>
    </message>
    <message>
        <source>About Tapwell</source>
        <translation>Om Tapwell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button: on to the program.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>Besøk Brightnooks &amp;nettsted</translation>
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
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button of the start screen; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame of the start screen&apos;s menu.</extracomment>
        <translation>Valg</translation>
    </message>
    <message>
        <source>&amp;Learn Keyboard</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Lær tastaturet</translation>
    </message>
    <message>
        <source>&amp;Keyboard Practice</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Øv på &amp;tastene</translation>
    </message>
    <message>
        <source>Cha&amp;racter Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Øv på t&amp;egn</translation>
    </message>
    <message>
        <source>&amp;Word Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Øv på &amp;ord</translation>
    </message>
    <message>
        <source>Ti&amp;med Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Skriv på t&amp;id</translation>
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
        <translation>Grunnraden</translation>
    </message>
    <message>
        <source>Top Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Øvre rad</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Nedre rad</translation>
    </message>
    <message>
        <source>Number Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Tallraden</translation>
    </message>
    <message>
        <source>Use Shift?</source>
        <extracomment>A check box: the drills ask for shifted characters too.</extracomment>
        <translation>Bruk Shift?</translation>
    </message>
    <message>
        <source>Key Sound?</source>
        <extracomment>A check box: a sound with every key.</extracomment>
        <translation>Tastelyd?</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <extracomment>The frame of the Timed Drill&apos;s buttons.</extracomment>
        <translation>Skriv på tid</translation>
    </message>
    <message>
        <source>Learn Keyboard</source>
        <extracomment>The frame of the lessons&apos; buttons.</extracomment>
        <translation>Lær tastaturet</translation>
    </message>
    <message>
        <source>&amp;Keyboard Layout</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>T&amp;astaturet</translation>
    </message>
    <message>
        <source>Ho&amp;me Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Grunnraden</translation>
    </message>
    <message>
        <source>Top &amp;Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Øverste &amp;rad</translation>
    </message>
    <message>
        <source>&amp;Bottom Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Nederste rad</translation>
    </message>
    <message>
        <source>&amp;Number Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Tallraden</translation>
    </message>
    <message>
        <source>Drill Results</source>
        <extracomment>The frame of a drill line&apos;s results (speed, accuracy).</extracomment>
        <translation>Resultat</translation>
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
        <translation>Forrige</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Beside the button to a lesson&apos;s next page.
----------
The button (a picture) to a lesson&apos;s next page, as a screen reader says it.</extracomment>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The frame of a drill&apos;s rows and options, before a drill is chosen.</extracomment>
        <translation>Øving</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>The title of the message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Prøv igjen!</translation>
    </message>
    <message>
        <source>Use your keyboard, not this one!</source>
        <extracomment>The message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Bruk tastaturet ditt, ikke dette!</translation>
    </message>
    <message>
        <source>Let your fingers find the
keys while watching the screen
to see where the keys are.
Make sure your hands are in
home position before starting.</source>
        <extracomment>Before a drill starts; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>La fingrene finne tastene
mens du ser på skjermen
for å se hvor tastene er.
Legg hendene i grunnstilling
før du starter.</translation>
    </message>
    <message>
        <source>Practice Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Øv på tastene</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Øv på tegn</translation>
    </message>
    <message>
        <source>Word Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Øv på ord</translation>
    </message>
    <message>
        <source>Type in words from a book or something else. When done, press Enter to see your typing speed. Keep your hands in home position as you type.</source>
        <extracomment>The Timed Drill&apos;s box, before the drill starts; the child types over it.</extracomment>
        <translation>Skriv av ord fra en bok eller noe annet. Når du er ferdig, trykker du Enter og ser hvor fort du skriver. Hold hendene i grunnstilling mens du skriver.</translation>
    </message>
    <message>
        <source>Tricky Keys</source>
        <extracomment>The frame of the Character Drill&apos;s rows and options when its lines come from the child&apos;s record.</extracomment>
        <translation>Vriene taster</translation>
    </message>
    <message>
        <source>Tapwell cannot read its keyboard data file %1: %2</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 why it cannot be read: &quot;it is a folder, not a regular file&quot;.</extracomment>
        <translation>Tapwell kan ikke lese tastaturdatafilen %1: %2</translation>
    </message>
    <message>
        <source>Tapwell&apos;s keyboard data file %1 is damaged at %2.</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 where and how it is damaged: &quot;value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3&quot;.</extracomment>
        <translation>Tastaturdatafilen %1 til Tapwell er skadet ved %2.</translation>
    </message>
</context>
<context>
    <name>tapwell::HelpViewer</name>
    <message>
        <source>Tapwell Help</source>
        <translation>Tapwell-hjelp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is missing&lt;/h2&gt;&lt;p&gt;Tapwell could not open its help file &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</source>
        <extracomment>HTML: %1 is the help file, %2 why it could not be opened, as the system says it.</extracomment>
        <translation>&lt;h2&gt;Hjelpen mangler&lt;/h2&gt;&lt;p&gt;Tapwell kunne ikke åpne hjelpefilen &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tapwell::KeyboardChooser</name>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Søk:</translation>
    </message>
    <message>
        <source>The &amp;keyboard this child types on:</source>
        <translation>&amp;Tastaturet dette barnet skriver på:</translation>
    </message>
    <message>
        <source>Use &amp;accents and AltGr</source>
        <translation>Bruk &amp;aksenter og AltGr</translation>
    </message>
    <message>
        <source>The keyboard in use</source>
        <extracomment>The first of the keyboards to choose from: whichever the computer uses at the time.</extracomment>
        <translation>Tastaturet som brukes nå</translation>
    </message>
    <message>
        <source>Keyboard and language</source>
        <extracomment>The title of the window where a child&apos;s keyboard and language are chosen.</extracomment>
        <translation>Tastatur og språk</translation>
    </message>
    <message>
        <source>The &amp;language this child reads:</source>
        <translation>S&amp;pråket dette barnet leser:</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <extracomment>The first of the languages to choose from: whichever the computer is set to.</extracomment>
        <translation>Datamaskinens språk</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressCharts</name>
    <message>
        <source>Words per minute: no Word or Timed Drill yet</source>
        <translation>Ord i minuttet: ingen Øv på ord eller Skriv på tid ennå</translation>
    </message>
    <message>
        <source>Words per minute (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Ord i minuttet (midterste linje hver dag)</translation>
    </message>
    <message>
        <source>Words per minute (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Ord i minuttet (midterste linje hver uke)</translation>
    </message>
    <message>
        <source>Words per minute (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Ord i minuttet (midterste linje hver måned)</translation>
    </message>
    <message>
        <source>Accuracy (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Nøyaktighet (midterste linje hver dag)</translation>
    </message>
    <message>
        <source>Accuracy (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Nøyaktighet (midterste linje hver uke)</translation>
    </message>
    <message>
        <source>Accuracy (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Nøyaktighet (midterste linje hver måned)</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>The accuracy chart&apos;s axis: the percentage of keys typed right.</extracomment>
        <translation>% riktig</translation>
    </message>
    <message>
        <source>Minutes typed each day, the last 4 weeks</source>
        <translation>Minutter skrevet hver dag, de siste 4 ukene</translation>
    </message>
    <message>
        <source>Minutes typed each week, the last 6 months</source>
        <translation>Minutter skrevet hver uke, de siste 6 månedene</translation>
    </message>
    <message>
        <source>Minutes typed each month</source>
        <translation>Minutter skrevet hver måned</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>The minutes chart&apos;s bars.</extracomment>
        <translation>Minutter</translation>
    </message>
    <message>
        <source>minutes</source>
        <extracomment>The minutes chart&apos;s axis.</extracomment>
        <translation>minutter</translation>
    </message>
    <message>
        <source>In the last 4 weeks: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>De siste 4 ukene: %1. I alt: %2.</translation>
    </message>
    <message>
        <source>In the last 6 months: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>De siste 6 månedene: %1. I alt: %2.</translation>
    </message>
    <message>
        <source>In all: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>I alt: %1.</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressSummary</name>
    <message>
        <source>not yet</source>
        <extracomment>A best line not typed yet, as in &quot;Best Timed Drill: not yet&quot;.</extracomment>
        <translation>ikke ennå</translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n ord i minuttet</numerusform>
            <numerusform>%n ord i minuttet</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines finished: %1
Days practised: %2
Best Word Drill: %3
Best Timed Drill: %4</source>
        <extracomment>%1 and %2 are numbers; %3 and %4 the best speeds, as &quot;33 words per minute&quot; or &quot;not yet&quot;.</extracomment>
        <translation>Linjer ferdig: %1
Dager øvd: %2
Beste Øv på ord: %3
Beste Skriv på tid: %4</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Min fremgang</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressWindow</name>
    <message>
        <source>Home Row</source>
        <translation>Grunnraden</translation>
    </message>
    <message>
        <source>Top Row</source>
        <translation>Øverste rad</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <translation>Nederste rad</translation>
    </message>
    <message>
        <source>Number Row</source>
        <translation>Tallraden</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Min fremgang</translation>
    </message>
    <message>
        <source>Progress &amp;of:</source>
        <translation>&amp;Fremgang for:</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Legg til et barn…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Gi nytt navn…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>Fj&amp;ern…</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Legg til et barn</translation>
    </message>
    <message>
        <source>Rename this child</source>
        <translation>Gi dette barnet nytt navn</translation>
    </message>
    <message>
        <source>Remove this child</source>
        <translation>Fjern dette barnet</translation>
    </message>
    <message>
        <source>Keys I miss</source>
        <translation>Taster jeg bommer på</translation>
    </message>
    <message>
        <source>Trouble map</source>
        <translation>Bomkart</translation>
    </message>
    <message>
        <source>The keyboard, each key coloured by how often it is missed</source>
        <translation>Tastaturet: hver tast har farge etter hvor ofte du bommer på den</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Vis:</translation>
    </message>
    <message>
        <source>the last 4 weeks, day by day</source>
        <translation>de siste 4 ukene, dag for dag</translation>
    </message>
    <message>
        <source>the last 6 months, week by week</source>
        <translation>de siste 6 månedene, uke for uke</translation>
    </message>
    <message>
        <source>all, month by month</source>
        <translation>alt, måned for måned</translation>
    </message>
    <message>
        <source>Words per minute each day</source>
        <translation>Ord i minuttet hver dag</translation>
    </message>
    <message>
        <source>Accuracy each day</source>
        <translation>Nøyaktighet hver dag</translation>
    </message>
    <message>
        <source>Minutes typed each day</source>
        <translation>Minutter skrevet hver dag</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>Lagre som &amp;CSV…</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Lagre som CSV</translation>
    </message>
    <message>
        <source>Every child&apos;s lines, for a spreadsheet</source>
        <translation>Linjene til alle barna, for et regneark</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Lu&amp;kk</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>%1&apos;s picture</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Bildet til %1</translation>
    </message>
    <message>
        <source>Reading %1&apos;s progress…</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Leser fremgangen til %1…</translation>
    </message>
    <message>
        <source>Type a few more lines, and Tapwell can tell you which finger misses most.</source>
        <translation>Skriv noen linjer til, så kan Tapwell fortelle deg hvilken finger som bommer mest.</translation>
    </message>
    <message>
        <source>Lessons practised to the end:</source>
        <translation>Leksjoner øvd helt til slutt:</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;.</extracomment>
        <translation>%1: ikke ennå</translation>
    </message>
    <message>
        <source>%1: yes, last on %2</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;; %2 the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>%1: ja, sist den %2</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Gi %1 nytt navn</translation>
    </message>
    <message>
        <source>Nothing has been typed as %1 yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Ingenting er skrevet som %1 ennå.</translation>
    </message>
    <message>
        <source>That is 1 line typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>Det er 1 linje skrevet på %1.</translation>
    </message>
    <message numerus="yes">
        <source>That is %n lines typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Det er %n linje skrevet på %1.</numerusform>
            <numerusform>Det er %n linjer skrevet på %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from Tapwell?

This deletes %1&apos;s name and picture and everything Tapwell has kept of %1&apos;s typing: every line, every key, the charts and the trouble map. %2</source>
        <extracomment>%1 is the child&apos;s name; %2 is how much was typed, as &quot;That is 9 lines typed on 3 days.&quot; or &quot;Nothing has been typed as Anna yet.&quot;</extracomment>
        <translation>Fjerne %1 fra Tapwell?

Dette sletter navnet og bildet til %1 og alt Tapwell har tatt vare på av skrivingen til %1: hver linje, hver tast, diagrammene og bomkartet. %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the questions before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Fjern %1</translation>
    </message>
    <message>
        <source>Are you sure? %1&apos;s progress cannot be brought back.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Er du sikker? Fremgangen til %1 kan ikke hentes tilbake.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>button</comment>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>Fjern %1</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>&amp;Behold %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Lagre fremgangen som CSV</translation>
    </message>
    <message>
        <source>%1
(Stop what is being typed in the main window first.)</source>
        <extracomment>%1 is what to do next, as &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>%1
(Stopp først det som skrives i hovedvinduet.)</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 is why, as &quot;Cannot write /home/ann/a.csv: the disk is full.&quot;</extracomment>
        <translation>Ikke lagret: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Lagret som %1</translation>
    </message>
</context>
<context>
    <name>tapwell::TroubleLegend</name>
    <message>
        <source>Colours of the trouble map</source>
        <translation>Fargene på bomkartet</translation>
    </message>
    <message>
        <source>Light keys are seldom missed, dark red keys often; grey striped keys were never asked for.</source>
        <translation>Lyse taster bommer du sjelden på, mørkerøde ofte; grå stripete taster har aldri vært med.</translation>
    </message>
    <message>
        <source>Missed:</source>
        <extracomment>Before the colours of the scale, each named by how often a key is missed (&quot;10%&quot;).</extracomment>
        <translation>Bom:</translation>
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
        <translation>aldri vært med</translation>
    </message>
    <message numerus="yes">
        <source>Of each key&apos;s last %n presses. Point at a key to see more.</source>
        <translation>
            <numerusform>Av hver tasts siste %n trykk. Pek på en tast for å se mer.</numerusform>
            <numerusform>Av hver tasts siste %n trykk. Pek på en tast for å se mer.</numerusform>
        </translation>
    </message>
</context>
</TS>
