<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>, </source>
        <extracomment>Said by the screen reader between the parts of a key&apos;s or a hand&apos;s words, as in &quot;W, left ring finger&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>mindinho esquerdo</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anelar esquerdo</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>dedo médio esquerdo</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>indicador esquerdo</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>mindinho direito</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anelar direito</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>dedo médio direito</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>indicador direito</translation>
    </message>
    <message>
        <source>left thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>polegar esquerdo</translation>
    </message>
    <message>
        <source>right thumb</source>
        <extracomment>The finger to press a key with, as a screen reader says it.</extracomment>
        <translation>polegar direito</translation>
    </message>
    <message>
        <source>next key</source>
        <extracomment>A key&apos;s description for the screen reader: it is the key to press next.</extracomment>
        <translation>próxima tecla</translation>
    </message>
    <message>
        <source>home key</source>
        <extracomment>A key&apos;s description for the screen reader: a finger rests on it.</extracomment>
        <translation>tecla base</translation>
    </message>
    <message>
        <source>left</source>
        <extracomment>The description of the left Shift key of the on-screen keyboard.</extracomment>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>The description of the right Shift key of the on-screen keyboard.</extracomment>
        <translation>direita</translation>
    </message>
    <message>
        <source>row arrow</source>
        <extracomment>A picture&apos;s name for the screen reader: the arrow beside the row of keys.</extracomment>
        <translation>seta da linha</translation>
    </message>
    <message>
        <source>key marker</source>
        <extracomment>A picture&apos;s name for the screen reader: the mark on the key to press.</extracomment>
        <translation>marca da tecla</translation>
    </message>
    <message>
        <source>computer drawing</source>
        <extracomment>A picture&apos;s name for the screen reader: the start screen&apos;s computer.</extracomment>
        <translation>desenho de um computador</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <extracomment>The on-screen keyboard&apos;s name for the screen reader.</extracomment>
        <translation>Teclado na tela</translation>
    </message>
    <message>
        <source>Text display</source>
        <extracomment>The name for the screen reader of the box where lessons and drills are printed.</extracomment>
        <translation>Área de texto</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Said by the screen reader when a Tricky Keys line ends: %1 is the results (&quot;92% accuracy&quot;), %2 the keys it practised (&quot;Practised: W S X&quot;).</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>That was %1. %2</source>
        <extracomment>Said by the screen reader after a wrong key: %1 is what was typed (&quot;Q&quot;), %2 the key to press (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Você apertou %1. %2</translation>
    </message>
    <message>
        <source>The line: %1</source>
        <extracomment>Said by the screen reader as a drill line with spaces comes: %1 is the line spelled out (&quot;F, three spaces, J&quot;).</extracomment>
        <translation>A linha: %1</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>ponto de exclamação</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>aspas</translation>
    </message>
    <message>
        <source>hash</source>
        <translation>cerquilha</translation>
    </message>
    <message>
        <source>dollar</source>
        <translation>cifrão</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por cento</translation>
    </message>
    <message>
        <source>ampersand</source>
        <translation>e comercial</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>apóstrofo</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abre parênteses</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>fecha parênteses</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>asterisco</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>vírgula</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>ponto</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>dois-pontos</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>ponto e vírgula</translation>
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
        <translation>maior que</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>arroba</translation>
    </message>
    <message>
        <source>open square bracket</source>
        <translation>abre colchete</translation>
    </message>
    <message>
        <source>backslash</source>
        <translation>barra invertida</translation>
    </message>
    <message>
        <source>close square bracket</source>
        <translation>fecha colchete</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>circunflexo</translation>
    </message>
    <message>
        <source>underscore</source>
        <translation>sublinhado</translation>
    </message>
    <message>
        <source>backtick</source>
        <translation>crase</translation>
    </message>
    <message>
        <source>open curly bracket</source>
        <translation>abre chave</translation>
    </message>
    <message>
        <source>vertical bar</source>
        <translation>barra vertical</translation>
    </message>
    <message>
        <source>close curly bracket</source>
        <translation>fecha chave</translation>
    </message>
    <message>
        <source>tilde</source>
        <translation>til</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>A character&apos;s name, as the screen reader says it.</extracomment>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>A key&apos;s name, as the screen reader says it.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>%1 spaces</source>
        <extracomment>A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a word up to ten (&quot;three&quot;) and in figures above.</extracomment>
        <translation>%1 espaços</translation>
    </message>
    <message>
        <source>space</source>
        <extracomment>One space in a drill line spelled out.</extracomment>
        <translation>espaço</translation>
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
        <translation>mão esquerda, mindinho aceso</translation>
    </message>
    <message>
        <source>left hand, ring finger lit</source>
        <translation>mão esquerda, anelar aceso</translation>
    </message>
    <message>
        <source>left hand, middle finger lit</source>
        <translation>mão esquerda, dedo médio aceso</translation>
    </message>
    <message>
        <source>left hand, index finger lit</source>
        <translation>mão esquerda, indicador aceso</translation>
    </message>
    <message>
        <source>right hand, little finger lit</source>
        <translation>mão direita, mindinho aceso</translation>
    </message>
    <message>
        <source>right hand, ring finger lit</source>
        <translation>mão direita, anelar aceso</translation>
    </message>
    <message>
        <source>right hand, middle finger lit</source>
        <translation>mão direita, dedo médio aceso</translation>
    </message>
    <message>
        <source>right hand, index finger lit</source>
        <translation>mão direita, indicador aceso</translation>
    </message>
    <message>
        <source>left hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão esquerda, quatro dedos acesos</translation>
    </message>
    <message>
        <source>right hand, four fingers lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão direita, quatro dedos acesos</translation>
    </message>
    <message>
        <source>left hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão esquerda, polegar aceso</translation>
    </message>
    <message>
        <source>right hand, thumb lit</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão direita, polegar aceso</translation>
    </message>
    <message>
        <source>left hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão esquerda</translation>
    </message>
    <message>
        <source>right hand</source>
        <extracomment>A hand picture&apos;s name for the screen reader.</extracomment>
        <translation>mão direita</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What the guide marks, as the screen reader says it while the child types: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Próxima: %1</translation>
    </message>
    <message>
        <source>Marked: %1</source>
        <extracomment>What the guide marks, as the screen reader says it in a lesson: %1 is the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>Marcada: %1</translation>
    </message>
    <message>
        <source>Space, thumbs</source>
        <extracomment>What the guide marks: the space bar, pressed with a thumb.</extracomment>
        <translation>Espaço, polegares</translation>
    </message>
    <message>
        <source>%1, four fingers of each hand</source>
        <extracomment>The home keys the guide marks, as the screen reader says them: %1 is the keys (&quot;A S D F J K L ;&quot;).</extracomment>
        <translation>%1, quatro dedos de cada mão</translation>
    </message>
    <message>
        <source>Home position: %1</source>
        <extracomment>%1 is the home keys and the fingers (&quot;A S D F J K L ;, four fingers of each hand&quot;).</extracomment>
        <translation>Posição base: %1</translation>
    </message>
    <message>
        <source>Shift with both little fingers</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift com os dois mindinhos</translation>
    </message>
    <message>
        <source>Shift with the left little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift com o mindinho esquerdo</translation>
    </message>
    <message>
        <source>Shift with the right little finger</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>Shift com o mindinho direito</translation>
    </message>
    <message>
        <source>AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it.</extracomment>
        <translation>AltGr com o polegar direito</translation>
    </message>
    <message>
        <source>%1 and AltGr with the right thumb</source>
        <extracomment>What to press first, as the screen reader says it: %1 is the Shift to hold (&quot;Shift with the left little finger&quot;).</extracomment>
        <translation>%1 e AltGr com o polegar direito</translation>
    </message>
    <message>
        <source>the accent key for %1</source>
        <extracomment>The key to press for an accent: %1 is the character it is for (&quot;É&quot;).</extracomment>
        <translation>a tecla do acento para %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The key to press and its finger: %1 is the key (&quot;W&quot;), %2 the finger (&quot;left ring finger&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>What to press, in order: %1 is what to hold first (&quot;Shift with the right little finger&quot;), %2 the key and its finger (&quot;W, left ring finger&quot;).</extracomment>
        <translation>%1, depois %2</translation>
    </message>
    <message>
        <source>Info, Help and Exit</source>
        <extracomment>The name for the screen reader of the start screen&apos;s frame of buttons.</extracomment>
        <translation>Info, Ajuda e Sair</translation>
    </message>
    <message>
        <source>Timed Drill typing</source>
        <extracomment>The name for the screen reader of the box the Timed Drill is typed in.</extracomment>
        <translation>Digitação do treino com relógio</translation>
    </message>
    <message>
        <source>cursor box</source>
        <extracomment>The name for the screen reader of the box round the next character to type.</extracomment>
        <translation>caixa do cursor</translation>
    </message>
    <message>
        <source>backdrop</source>
        <extracomment>The name for the screen reader of the blue band behind the lesson and drill frames.</extracomment>
        <translation>fundo</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Tapwell&apos;s progress file was damaged. It was kept as %1, and a new record was started.</source>
        <extracomment>%1 is the file the damaged record was kept as.</extracomment>
        <translation>O arquivo de progresso do Tapwell estava danificado. Ele foi guardado como %1, e um registro novo foi começado.</translation>
    </message>
    <message>
        <source>Tapwell cannot start</source>
        <extracomment>The title of the message that says why.</extracomment>
        <translation>O Tapwell não consegue abrir</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <extracomment>The title of a message: the keyboard chosen could not be kept.</extracomment>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress.</source>
        <translation>O Tapwell não consegue salvar o progresso.</translation>
    </message>
    <message>
        <source>%1 Typing works as always, but it is not being kept.</source>
        <extracomment>%1 is the sentence before, as &quot;Tapwell cannot save progress: the disk is full.&quot;.</extracomment>
        <translation>%1 Você pode digitar como sempre, mas nada fica salvo.</translation>
    </message>
    <message>
        <source>Tapwell cannot save your choices</source>
        <translation>O Tapwell não consegue salvar suas escolhas</translation>
    </message>
    <message>
        <source>Tapwell could not write its settings file %1: %2.</source>
        <extracomment>%1 is the settings file; %2 is why, as the system says it.</extracomment>
        <translation>O Tapwell não conseguiu gravar o arquivo de configurações %1: %2.</translation>
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
        <translation>raposa</translation>
    </message>
    <message>
        <source>owl</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>coruja</translation>
    </message>
    <message>
        <source>cat</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>gato</translation>
    </message>
    <message>
        <source>frog</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>sapo</translation>
    </message>
    <message>
        <source>bear</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>urso</translation>
    </message>
    <message>
        <source>fish</source>
        <extracomment>A child&apos;s picture, as a parent and a screen reader hear it.</extracomment>
        <translation>peixe</translation>
    </message>
</context>
<context>
    <name>DrillResults</name>
    <message>
        <source>%1 words per minute</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;60&quot;.</extracomment>
        <translation>%1 palavras por minuto</translation>
    </message>
    <message>
        <source>%1% accuracy</source>
        <extracomment>A drill&apos;s result, shown under the typed line. %1 is a whole number: &quot;92&quot;.</extracomment>
        <translation>%1% de acertos</translation>
    </message>
</context>
<context>
    <name>Drills</name>
    <message>
        <source>This keyboard has too few words for these rows: type their keys.</source>
        <extracomment>Above a Word Drill line made of the rows&apos; characters, when the child&apos;s language has too few words that the chosen rows can type.</extracomment>
        <translation>Este teclado tem poucas palavras para essas linhas: digite as teclas delas.</translation>
    </message>
    <message>
        <source>Practised:%1</source>
        <extracomment>Under a Tricky Keys line: the keys it gave most. %1 is the keys, each with a space before it: &quot; W S X&quot;.</extracomment>
        <translation>Praticadas:%1</translation>
    </message>
    <message>
        <source>All your keys are secure! Try a new row.</source>
        <extracomment>Above a Tricky Keys line, when no key of the chosen rows is missed any more.</extracomment>
        <translation>Você já domina todas as suas teclas! Tente uma linha nova.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>it is a folder, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>é uma pasta, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>é um pipe nomeado, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;.</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file cannot be read, after &quot;Tapwell cannot read its … file PATH: &quot;. %1 is a number of bytes.</extracomment>
        <translation>tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>it is not a PCM wave file</source>
        <extracomment>Why a sound file cannot be played, after its path.</extracomment>
        <translation>não é um arquivo de som WAV PCM</translation>
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
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <extracomment>A hand, as in &quot;Use the little finger of the right hand.&quot;</extracomment>
        <translation>direita</translation>
    </message>
    <message>
        <source>little</source>
        <extracomment>A finger, as in &quot;Use the little finger of the left hand.&quot;</extracomment>
        <translation>mindinho</translation>
    </message>
    <message>
        <source>ring</source>
        <extracomment>A finger, as in &quot;Use the ring finger of the left hand.&quot;</extracomment>
        <translation>anelar</translation>
    </message>
    <message>
        <source>middle</source>
        <extracomment>A finger, as in &quot;Use the middle finger of the left hand.&quot;</extracomment>
        <translation>médio</translation>
    </message>
    <message>
        <source>index</source>
        <extracomment>A finger, as in &quot;Use the index finger of the left hand.&quot;</extracomment>
        <translation>indicador</translation>
    </message>
    <message>
        <source>home</source>
        <extracomment>A row of keys, as in &quot;This row is called the home row.&quot;</extracomment>
        <translation>base</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>A row of keys, as in &quot;This row is called the top row.&quot;</extracomment>
        <translation>de cima</translation>
    </message>
    <message>
        <source>bottom</source>
        <extracomment>A row of keys, as in &quot;This row is called the bottom row.&quot;</extracomment>
        <translation>de baixo</translation>
    </message>
    <message>
        <source>number</source>
        <extracomment>A row of keys, as in &quot;This row is called the number row.&quot;</extracomment>
        <translation>de números</translation>
    </message>
    <message>
        <source>any</source>
        <extracomment>Any row of keys.</extracomment>
        <translation>qualquer</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>A row of keys, as a title: &quot;Home Row&quot;.</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top</source>
        <extracomment>A row of keys, as a title: &quot;Top Row&quot;.</extracomment>
        <translation>De cima</translation>
    </message>
    <message>
        <source>Bottom</source>
        <extracomment>A row of keys, as a title: &quot;Bottom Row&quot;.</extracomment>
        <translation>De baixo</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>A row of keys, as a title: &quot;Number Row&quot;.</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Any</source>
        <extracomment>Any row of keys, as a title.</extracomment>
        <translation>Qualquer</translation>
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
        <translation>Agora use a tecla Shift.
Quando digitar com a mão
esquerda, segure a tecla
Shift do lado direito da
linha de baixo com o
mindinho da mão direita.</translation>
    </message>
    <message>
        <source>Now try using the Shift key.
When typing with the right
hand, hold the Shift key on
the left side of the
bottom row with the little
finger of the left hand.</source>
        <extracomment>A row lesson, before the shifted keys of the right hand; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Agora use a tecla Shift.
Quando digitar com a mão
direita, segure a tecla
Shift do lado esquerdo da
linha de baixo com o
mindinho da mão esquerda.</translation>
    </message>
    <message>
        <source>Use the %1 finger of the
%2 hand.
</source>
        <extracomment>Keyboard Practice, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right).</extracomment>
        <translation>Use o dedo %1 da
mão %2.
</translation>
    </message>
    <message>
        <source>The %1 finger of the 
%2 hand is used to 
press 1 key:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the key, with a space before it: &quot; J&quot;.</extracomment>
        <translation>O dedo %1 da 
mão %2 aperta 
1 tecla:%3</translation>
    </message>
    <message numerus="yes">
        <source>The %1 finger of the 
%2 hand is used to 
press %n keys:%3</source>
        <extracomment>A row lesson, above the keys to press; printed a line for each line break (about 30 characters a line). %1 is a finger&apos;s name (little, ring, middle, index), %2 a hand&apos;s (left, right), %3 the keys, each with a space before it: &quot; J H Y&quot;.</extracomment>
        <translation>
            <numerusform>O dedo %1 da 
mão %2 aperta 
%n tecla:%3</numerusform>
            <numerusform>O dedo %1 da 
mão %2 aperta 
%n teclas:%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Press %1 three times: </source>
        <extracomment>Keyboard Practice and the row lessons; the key&apos;s presses are typed after it. %1 is the key: a character, &quot;Enter&quot; or &quot;Shift&quot;.</extracomment>
        <translation>Aperte %1 três vezes: </translation>
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
        <translation>Este programa ensina as
teclas de letras e números.
Ele não ensina as teclas de
função, de controle nem
outras teclas do teclado.</translation>
    </message>
    <message>
        <source>Shown is the computer keyboard.
Note there are four rows of
keys. At the bottom of the 
keyboard is the space bar.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Aqui está o teclado do
computador. Veja que ele tem
quatro linhas de teclas. Lá
embaixo fica a barra de
espaço.</translation>
    </message>
    <message>
        <source>This row is called the {row}
row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Esta linha se chama
linha {row}.</translation>
    </message>
    <message>
        <source>The starting position for
all typing strokes is the
home row. Your fingers should
always rest on this row.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Toda a digitação começa
na linha base. Seus dedos
devem sempre descansar
nesta linha.</translation>
    </message>
    <message>
        <source>Your left hand rests on the
{home1} {home2} {home3} {home4} keys (little finger
on {home1}). Your right hand rests
on the {home5} {home6} {home7} {home8} keys (little
finger on {home8}). Place your
hands in the home position.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {home1}..{home8} are the captions of the keys the fingers rest on, left little finger to right little finger.</extracomment>
        <translation>Sua mão esquerda descansa nas
teclas {home1} {home2} {home3} {home4} (o mindinho
no {home1}). Sua mão direita
descansa nas teclas
{home5} {home6} {home7} {home8} (o mindinho no {home8}).
Coloque as mãos na
posição base.</translation>
    </message>
    <message>
        <source>The Enter key is used to 
tell the computer you are
done typing something. Use
the little finger of the
right hand.

Press Enter a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>A tecla Enter serve para
dizer ao computador que você
terminou de digitar algo.
Use o mindinho da mão
direita.

Aperte Enter algumas vezes.</translation>
    </message>
    <message>
        <source>The space bar is used to
put spaces between letters
and words. You hit the space
bar with your left or right
thumb.

Tap the space bar a few times.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>A barra de espaço serve para
pôr espaços entre letras e
palavras. Você aperta a
barra de espaço com o
polegar esquerdo ou direito.

Aperte a barra de espaço
algumas vezes.</translation>
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
        <translation>Nas duas pontas da linha de
baixo há teclas Shift. Ache
essas teclas. Elas são
apertadas com os mindinhos.
Se você digitar uma letra sem
apertar Shift, sai uma letra
minúscula.</translation>
    </message>
    <message>
        <source>If you hold down Shift and
press a letter, the upper
case letter is typed.

Note two characters are on
the number and symbol keys.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Se você segurar Shift e
apertar uma letra, sai a
letra maiúscula.

Veja que as teclas de números
e símbolos têm dois sinais.</translation>
    </message>
    <message>
        <source>If you press one of these
keys without Shift, the
character on the lower part
of the key is typed. If Shift
is held and the key pressed,
the upper character is typed.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Se você apertar uma dessas
teclas sem Shift, sai o sinal
da parte de baixo da tecla.
Se você segurar Shift e
apertar a tecla, sai o
sinal de cima.</translation>
    </message>
    <message>
        <source>More on the Shift keys later.

Right now, we&apos;ll return to 
the selection menu where 
you can pick which row of
keys you want to learn.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Mais sobre Shift depois.

Agora vamos voltar ao menu,
onde você escolhe qual
linha de teclas quer
aprender.</translation>
    </message>
    <message>
        <source>Learn keys of {row} row.

When typing, let your fingers
find the keys while you look
at the screen to see where
the keys are.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters. {row} is a row&apos;s name (home, top, bottom, number).</extracomment>
        <translation>Aprenda as teclas da
linha {row}.

Ao digitar, deixe seus dedos
acharem as teclas enquanto
você olha para a tela para
ver onde elas estão.</translation>
    </message>
    <message>
        <source>Make sure your hands are in
home position before starting.</source>
        <extracomment>A lesson page, printed line by line: each line break starts a new line of about 30 characters.</extracomment>
        <translation>Coloque as mãos na posição
base antes de começar.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>usage: tapwell --export-progress FILE.csv (or - for standard output)</source>
        <extracomment>The command line&apos;s usage; the option&apos;s name stays as it is.</extracomment>
        <translation>uso: tapwell --export-progress ARQUIVO.csv (ou - para a saída padrão)</translation>
    </message>
    <message>
        <source>the progress file was damaged; it was kept as %1 and a new one started, so there is nothing to export.</source>
        <extracomment>On the command line, exporting the record. %1 is the path the damaged file was kept at.</extracomment>
        <translation>o arquivo de progresso estava danificado; ele foi guardado como %1 e um novo foi começado, então não há nada para exportar.</translation>
    </message>
    <message>
        <source>usage: tapwell --setup-server [--server CONNINFO]
       tapwell --class NAME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</source>
        <extracomment>The command line&apos;s usage; the options&apos; names stay as they are.</extracomment>
        <translation>uso: tapwell --setup-server [--server CONNINFO]
       tapwell --class NOME --teacher LOGIN|--child LOGIN [--remove] [--server CONNINFO]</translation>
    </message>
    <message>
        <source>no server: give --server, or set server in the [record] group of /etc/xdg/tapwell/tapwell.conf</source>
        <extracomment>On the command line: no server was given or configured.</extracomment>
        <translation>nenhum servidor: use --server ou defina server no grupo [record] de /etc/xdg/tapwell/tapwell.conf</translation>
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
        <translation>%1 não é um plug-in deste Tapwell</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <extracomment>Why a part of Tapwell cannot be loaded. %1 is the file&apos;s name: &quot;tapwell-sound.so&quot;.</extracomment>
        <translation>%1 não está instalado</translation>
    </message>
    <message>
        <source>Tapwell cannot load the part of it that draws &quot;My Progress&quot;: %1. Installing Tapwell again will mend it.</source>
        <extracomment>A message when My Progress is asked for. %1 is why the part cannot be loaded: &quot;… is not installed&quot;.</extracomment>
        <translation>O Tapwell não consegue carregar o componente que desenha &quot;Meu progresso&quot;: %1. Instalar o Tapwell de novo vai consertar isso.</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message>
        <source>Word Drill</source>
        <translation>Treino de palavras</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <translation>Treino de letras</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <translation>Treino com relógio</translation>
    </message>
    <message>
        <source>1 day</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 1 day&quot;.</extracomment>
        <translation>1 dia</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>typed on</comment>
        <extracomment>As in &quot;9 lines typed on 3 days&quot;.</extracomment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>Espaço</translation>
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
        <translation>Seu mindinho esquerdo é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your left ring finger misses most: %1</source>
        <translation>Seu anelar esquerdo é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your left middle finger misses most: %1</source>
        <translation>Seu dedo médio esquerdo é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your left index finger misses most: %1</source>
        <translation>Seu indicador esquerdo é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your right little finger misses most: %1</source>
        <translation>Seu mindinho direito é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your right ring finger misses most: %1</source>
        <translation>Seu anelar direito é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your right middle finger misses most: %1</source>
        <translation>Seu dedo médio direito é o que mais erra: %1</translation>
    </message>
    <message>
        <source>Your right index finger misses most: %1</source>
        <translation>Seu indicador direito é o que mais erra: %1</translation>
    </message>
    <message>
        <source>another key</source>
        <extracomment>What was typed instead of the key asked for, when it is none of the keyboard&apos;s keys.</extracomment>
        <translation>outra tecla</translation>
    </message>
    <message>
        <source>Never asked for yet</source>
        <extracomment>A key of the trouble map.</extracomment>
        <translation>Ainda não apareceu</translation>
    </message>
    <message>
        <source>Came up once</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>Apareceu uma vez</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n times</source>
        <extracomment>How often a key of the trouble map was asked for.</extracomment>
        <translation>
            <numerusform>Apareceu %n vez</numerusform>
            <numerusform>Apareceu %n vezes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, never missed</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, nunca errada</translation>
    </message>
    <message>
        <source>%1, missed once</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 3 times&quot;.</extracomment>
        <translation>%1, errada uma vez</translation>
    </message>
    <message numerus="yes">
        <source>%1, missed %n times</source>
        <extracomment>%1 is how often the key came up: &quot;Came up 88 times&quot;.</extracomment>
        <translation>
            <numerusform>%1, errada %n vez</numerusform>
            <numerusform>%1, errada %n vezes</numerusform>
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
        <translation>%1; o que mais foi digitado no lugar: %2</translation>
    </message>
    <message>
        <source>This key got better this week: %1</source>
        <extracomment>%1 is the key, as &quot;Space&quot;.</extracomment>
        <translation>Esta tecla melhorou esta semana: %1</translation>
    </message>
    <message numerus="yes">
        <source>These keys got better this week: %1</source>
        <extracomment>%1 is the keys, as &quot;D K ;&quot;.</extracomment>
        <translation>
            <numerusform>Esta tecla melhorou esta semana: %1</numerusform>
            <numerusform>Estas teclas melhoraram esta semana: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Timed Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Sua melhor linha: %n palavra por minuto no treino com relógio, em %1</numerusform>
            <numerusform>Sua melhor linha: %n palavras por minuto no treino com relógio, em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your best line: %n words per minute in the Word Drill, on %1</source>
        <extracomment>%1 is the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Sua melhor linha: %n palavra por minuto no treino de palavras, em %1</numerusform>
            <numerusform>Sua melhor linha: %n palavras por minuto no treino de palavras, em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No key asked for yet</source>
        <translation>Nenhuma tecla apareceu ainda</translation>
    </message>
    <message>
        <source>No key missed yet</source>
        <translation>Nenhuma tecla errada ainda</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A key and how often it is missed: %1 is the key, %2 the percentage (&quot;Q 40%&quot;).</extracomment>
        <translation>%1 %2%</translation>
    </message>
    <message>
        <source>Missed most: %1</source>
        <extracomment>%1 is the keys missed most, worst first: &quot;Q 40%, semicolon 35%, P 6%&quot;.</extracomment>
        <translation>As que você mais erra: %1</translation>
    </message>
    <message>
        <source>%1&apos;s progress: nothing typed yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Progresso de %1: nada digitado ainda.</translation>
    </message>
    <message>
        <source>%1&apos;s progress: 1 line typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;1 day&quot;.</extracomment>
        <translation>Progresso de %1: 1 linha digitada em %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1&apos;s progress: %n lines typed on %2.</source>
        <extracomment>%1 is the child&apos;s name; %2 is the days, as &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>Progresso de %1: %n linha digitada em %2.</numerusform>
            <numerusform>Progresso de %1: %n linhas digitadas em %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de um minuto</translation>
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
            <numerusform>%n palavra por minuto</numerusform>
            <numerusform>%n palavras por minuto</numerusform>
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
        <translation>%1: %2 hoje</translation>
    </message>
    <message>
        <source>%1: %2 yesterday</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;).</extracomment>
        <translation>%1: %2 ontem</translation>
    </message>
    <message>
        <source>%1: %2 on %3</source>
        <extracomment>%1 is the activity (&quot;Word Drill&quot;), %2 its latest figure (&quot;14 words per minute&quot;), %3 the day of it (&quot;5 December&quot;).</extracomment>
        <translation>%1: %2 em %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>The end of a sentence: %1 is all of it, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1, steady over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;.</extracomment>
        <translation>%1, igual nas últimas 4 semanas.</translation>
    </message>
    <message>
        <source>%1, up from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1; subiu de %2 nas últimas 4 semanas.</translation>
    </message>
    <message>
        <source>%1, down from %2 over the last 4 weeks.</source>
        <extracomment>%1 is the activity&apos;s latest figure, as &quot;Word Drill: 14 words per minute today&quot;; %2 the figure of the weeks before, as &quot;10&quot;.</extracomment>
        <translation>%1; caiu de %2 nas últimas 4 semanas.</translation>
    </message>
    <message>
        <source>Nothing typed in the last 4 weeks.</source>
        <translation>Nada digitado nas últimas 4 semanas.</translation>
    </message>
    <message>
        <source>Nothing typed this week yet.</source>
        <translation>Nada digitado esta semana ainda.</translation>
    </message>
    <message>
        <source>This week: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Esta semana: %1.</translation>
    </message>
    <message>
        <source>Ready for the Home Row lesson</source>
        <translation>Pronto para a lição da linha base</translation>
    </message>
    <message>
        <source>Ready for the Top Row lesson</source>
        <translation>Pronto para a lição da linha de cima</translation>
    </message>
    <message>
        <source>Ready for the Bottom Row lesson</source>
        <translation>Pronto para a lição da linha de baixo</translation>
    </message>
    <message>
        <source>Ready for the Number Row lesson</source>
        <translation>Pronto para a lição da linha de números</translation>
    </message>
    <message>
        <source>Try Tricky Keys: %1 needs practice</source>
        <extracomment>%1 is a key, as &quot;Q&quot;.</extracomment>
        <translation>Tente Teclas difíceis: %1 precisa de treino</translation>
    </message>
    <message numerus="yes">
        <source>Try Tricky Keys: %1 and %2 need practice</source>
        <extracomment>%1 is all the keys but the last, as &quot;Q, P&quot;; %2 the last, as &quot;;&quot;.</extracomment>
        <translation>
            <numerusform>Tente Teclas difíceis: %1 e %2 precisam de treino</numerusform>
            <numerusform>Tente Teclas difíceis: %1 e %2 precisam de treino</numerusform>
        </translation>
    </message>
    <message>
        <source>Practise a little every day: 10 minutes is plenty</source>
        <translation>Treine um pouco todo dia: 10 minutos já bastam</translation>
    </message>
    <message>
        <source>&amp;Go to the Home Row lesson</source>
        <translation>&amp;Ir para a lição da linha base</translation>
    </message>
    <message>
        <source>&amp;Go to the Top Row lesson</source>
        <translation>&amp;Ir para a lição da linha de cima</translation>
    </message>
    <message>
        <source>&amp;Go to the Bottom Row lesson</source>
        <translation>&amp;Ir para a lição da linha de baixo</translation>
    </message>
    <message>
        <source>&amp;Go to the Number Row lesson</source>
        <translation>&amp;Ir para a lição da linha de números</translation>
    </message>
    <message>
        <source>&amp;Go to Tricky Keys</source>
        <extracomment>A button, beside &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>&amp;Ir para Teclas difíceis</translation>
    </message>
    <message>
        <source>&amp;Go and type</source>
        <extracomment>A button, beside &quot;Practise a little every day&quot;: to the menu, to choose what to type.</extracomment>
        <translation>&amp;Ir digitar</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>the disk is full</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>another program is using the progress file</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>outro programa está usando o arquivo de progresso</translation>
    </message>
    <message>
        <source>the progress file cannot be written to</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>não dá para gravar no arquivo de progresso</translation>
    </message>
    <message>
        <source>the progress file cannot be opened</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>não dá para abrir o arquivo de progresso</translation>
    </message>
    <message>
        <source>the progress file could not be written (the disk may be full or failing)</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>não foi possível gravar o arquivo de progresso (o disco pode estar cheio ou com defeito)</translation>
    </message>
    <message>
        <source>the progress file is damaged</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>o arquivo de progresso está danificado</translation>
    </message>
    <message>
        <source>the progress file could not be used</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>não foi possível usar o arquivo de progresso</translation>
    </message>
    <message>
        <source>the progress file was made by a newer Tapwell; it is kept as it is</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>o arquivo de progresso foi feito por um Tapwell mais novo; ele fica como está</translation>
    </message>
    <message>
        <source>the progress file is not one of Tapwell&apos;s</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>o arquivo de progresso não é do Tapwell</translation>
    </message>
    <message>
        <source>the progress file is damaged and cannot be moved aside</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>o arquivo de progresso está danificado e não pode ser tirado do caminho</translation>
    </message>
    <message>
        <source>the progress file could not be updated</source>
        <extracomment>Why progress cannot be saved, after &quot;Tapwell cannot save progress:&quot;.</extracomment>
        <translation>não foi possível atualizar o arquivo de progresso</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <extracomment>Why progress cannot be saved: %1 is where the progress file should be.</extracomment>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why progress cannot be saved: %1 is the folder of the progress file.</extracomment>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Tapwell cannot save progress: %1.</source>
        <extracomment>%1 is why, as &quot;the disk is full&quot; or &quot;the progress file is damaged&quot;.</extracomment>
        <translation>O Tapwell não consegue salvar o progresso: %1.</translation>
    </message>
    <message>
        <source>Please type a name of 1 to %1 letters.</source>
        <extracomment>%1 is the most letters a name may have.</extracomment>
        <translation>Digite um nome de 1 a %1 letras.</translation>
    </message>
    <message>
        <source>There is a child called %1 already.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Já existe uma criança chamada %1.</translation>
    </message>
    <message>
        <source>The last child cannot be removed.</source>
        <translation>A última criança não pode ser removida.</translation>
    </message>
    <message>
        <source>The progress record cannot be read.</source>
        <translation>Não é possível ler o registro de progresso.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <extracomment>%1 is the file asked for.</extracomment>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; Tapwell writes only to a plain file or a new one (or &quot;-&quot; for standard output).</source>
        <extracomment>%1 is the file asked for; &quot;-&quot; is what is typed for standard output.</extracomment>
        <translation>%1 não é um arquivo comum; o Tapwell só grava em um arquivo comum ou em um novo (ou &quot;-&quot; para a saída padrão).</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <extracomment>%1 is the file; %2 is why, as the system says it.</extracomment>
        <translation>Não é possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>the school&apos;s server cannot be reached</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>o servidor da escola não responde</translation>
    </message>
    <message>
        <source>the school&apos;s server does not let this account keep progress there</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>o servidor da escola não deixa esta conta guardar o progresso lá</translation>
    </message>
    <message>
        <source>the school&apos;s server is not set up for this Tapwell yet (its administrator runs tapwell --setup-server)</source>
        <extracomment>Why progress cannot be saved on the school&apos;s server.</extracomment>
        <translation>o servidor da escola ainda não está pronto para este Tapwell (o administrador executa tapwell --setup-server)</translation>
    </message>
    <message>
        <source>Progress is kept on this computer until the school&apos;s server answers.</source>
        <extracomment>The menu&apos;s note in a classroom, while the school&apos;s server does not answer.</extracomment>
        <translation>O progresso fica neste computador até o servidor da escola responder.</translation>
    </message>
    <message>
        <source>Progress is kept on this computer: %1.</source>
        <extracomment>The menu&apos;s note in a classroom; %1 is why, as &quot;the school&apos;s server does not let this account keep progress there&quot;.</extracomment>
        <translation>O progresso fica neste computador: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the options cannot be saved. %1 is a folder&apos;s path.</extracomment>
        <translation>não é possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>Left little finger.</source>
        <translation>Mindinho esquerdo.</translation>
    </message>
    <message>
        <source>Left ring finger.</source>
        <translation>Anelar esquerdo.</translation>
    </message>
    <message>
        <source>Left middle finger.</source>
        <translation>Dedo médio esquerdo.</translation>
    </message>
    <message>
        <source>Left pointer finger.</source>
        <translation>Indicador esquerdo.</translation>
    </message>
    <message>
        <source>Right little finger.</source>
        <translation>Mindinho direito.</translation>
    </message>
    <message>
        <source>Right ring finger.</source>
        <translation>Anelar direito.</translation>
    </message>
    <message>
        <source>Right middle finger.</source>
        <translation>Dedo médio direito.</translation>
    </message>
    <message>
        <source>Right pointer finger.</source>
        <translation>Indicador direito.</translation>
    </message>
    <message>
        <source>Space. Thumb.</source>
        <translation>Espaço. Polegar.</translation>
    </message>
    <message>
        <source>Enter. Right little finger.</source>
        <translation>Enter. Mindinho direito.</translation>
    </message>
    <message>
        <source>Shift and %1.</source>
        <translation>Shift e %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right.</source>
        <extracomment>Said aloud at a line&apos;s end; %1 the right keys, %2 all keys of the line.</extracomment>
        <translation>%1 de %2 certos.</translation>
    </message>
    <message>
        <source>Well done! All right!</source>
        <translation>Muito bem! Tudo certo!</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Good try!</source>
        <translation>Boa tentativa!</translation>
    </message>
    <message>
        <source>Put your fingers on the yellow keys, then press Enter.</source>
        <translation>Coloque os dedos nas teclas amarelas e depois aperte Enter.</translation>
    </message>
    <message>
        <source>Choose a game.</source>
        <translation>Escolha um jogo.</translation>
    </message>
    <message>
        <source>Let&apos;s type!</source>
        <extracomment>Said aloud for the first window&apos;s OK button.</extracomment>
        <translation>Vamos digitar!</translation>
    </message>
</context>
<context>
    <name>TroubleMap</name>
    <message>
        <source>Shift is counted with the key it is held for</source>
        <translation>O Shift é contado junto com a tecla para a qual é segurado</translation>
    </message>
    <message>
        <source>Space bar: %1</source>
        <extracomment>%1 is what the space bar&apos;s numbers say, as &quot;Came up 88 times, missed 16 times&quot;.</extracomment>
        <translation>Barra de espaço: %1</translation>
    </message>
    <message>
        <source>Space bar</source>
        <translation>Barra de espaço</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildChooser</name>
    <message>
        <source>Who is typing?</source>
        <translation>Quem está digitando?</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Adicionar criança…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <extracomment>Renames the child whose button has the focus.</extracomment>
        <translation>Mudar &amp;nome…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <extracomment>Removes the child whose button has the focus.</extracomment>
        <translation>&amp;Remover…</translation>
    </message>
    <message>
        <source>%1 (key %2)</source>
        <extracomment>A child&apos;s button: %1 is the child&apos;s name, %2 the number key that chooses them.</extracomment>
        <translation>%1 (tecla %2)</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Adicionar criança</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Mudar o nome de %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the question before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Remove %1, and everything Tapwell has kept of %1&apos;s typing?</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Remover %1 e tudo o que o Tapwell guardou da digitação de %1?</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildEditor</name>
    <message>
        <source>&amp;Name:</source>
        <extracomment>The child&apos;s name.</extracomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <extracomment>Above the pictures a child chooses from.</extracomment>
        <translation>Desenho:</translation>
    </message>
</context>
<context>
    <name>tapwell::ChildFrame</name>
    <message>
        <source>Typing now</source>
        <extracomment>Above the picture and name of the child typing now.</extracomment>
        <translation>Digitando agora</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <extracomment>A button: another child is typing now.</extracomment>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>Someone else is typing</source>
        <translation>Outra pessoa vai digitar</translation>
    </message>
    <message>
        <source>&amp;Tricky Keys</source>
        <extracomment>A button: the drill of the keys this child misses most.</extracomment>
        <translation>Teclas &amp;difíceis</translation>
    </message>
    <message>
        <source>More of the keys you miss</source>
        <translation>Mais das teclas que você erra</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>&amp;Meu progresso</translation>
    </message>
    <message>
        <source>Key&amp;board…</source>
        <translation>Tecl&amp;ado…</translation>
    </message>
    <message>
        <source>The keyboard this child types on, and the language they read</source>
        <translation>O teclado desta criança e o idioma que ela lê</translation>
    </message>
    <message>
        <source>T&amp;alk to me</source>
        <extracomment>A check box: Tapwell says aloud what to do, for a child who cannot read yet.</extracomment>
        <translation>&amp;Fale comigo</translation>
    </message>
    <message>
        <source>&amp;Class</source>
        <extracomment>A teacher&apos;s button: their class, one row per child.</extracomment>
        <translation>&amp;Turma</translation>
    </message>
    <message>
        <source>The children of your classes</source>
        <translation>As crianças das suas turmas</translation>
    </message>
</context>
<context>
    <name>tapwell::ClassWindow</name>
    <message>
        <source>Save the class as CSV</source>
        <translation>Salvar a turma como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type in the save dialog.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The title of a teacher&apos;s window with one row per child of their classes.</extracomment>
        <translation>Turma</translation>
    </message>
    <message>
        <source>Child</source>
        <extracomment>Column headings of the teacher&apos;s class window.</extracomment>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Lines this week</source>
        <translation>Linhas nesta semana</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos nesta semana</translation>
    </message>
    <message>
        <source>Speed, last 7 days</source>
        <translation>Velocidade, últimos 7 dias</translation>
    </message>
    <message>
        <source>Accuracy, last 7 days</source>
        <translation>Precisão, últimos 7 dias</translation>
    </message>
    <message>
        <source>Finger that misses most</source>
        <translation>Dedo que mais erra</translation>
    </message>
    <message>
        <source>Last day practised</source>
        <translation>Último dia de treino</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Salvar como CSV…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Reading the class…</source>
        <translation>Lendo a turma…</translation>
    </message>
    <message>
        <source>1 child in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table.</extracomment>
        <translation>1 criança nas suas turmas.</translation>
    </message>
    <message>
        <source>%1 children in your classes.</source>
        <extracomment>Above the teacher&apos;s class window&apos;s table; %1 is how many (never 1).</extracomment>
        <translation>%1 crianças nas suas turmas.</translation>
    </message>
</context>
<context>
    <name>tapwell::FrmAbout</name>
    <message>
        <source>Tapwell is our gift to you: it is free, now and always. We hope you enjoy learning to type with it, and that you share it with your friends and family. Visit our web site for more programs for children and for tutorials on programming. Try Sum Safari for number games and Word Garden for spelling, too!</source>
        <translation>O Tapwell é nosso presente para você: ele é grátis, agora e sempre. Esperamos que você goste de aprender a digitar com ele e que o compartilhe com seus amigos e sua família. Visite nosso site para ver mais programas para crianças e tutoriais de programação. Experimente também o Sum Safari, com jogos de números, e o Word Garden, para ortografia!</translation>
    </message>
    <message>
        <source>About Tapwell</source>
        <translation>Sobre o Tapwell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>A button: on to the program.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Visit Brightnook&apos;s Web Site</source>
        <translation>&amp;Visite o site da Brightnook</translation>
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
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>A button of the start screen; &amp; marks the letter of Alt+letter.</extracomment>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Choices</source>
        <extracomment>The frame of the start screen&apos;s menu.</extracomment>
        <translation>Escolhas</translation>
    </message>
    <message>
        <source>&amp;Learn Keyboard</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Conheça o teclado</translation>
    </message>
    <message>
        <source>&amp;Keyboard Practice</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>&amp;Pratique o teclado</translation>
    </message>
    <message>
        <source>Cha&amp;racter Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Treino de &amp;letras</translation>
    </message>
    <message>
        <source>&amp;Word Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Treino de pala&amp;vras</translation>
    </message>
    <message>
        <source>Ti&amp;med Drill</source>
        <extracomment>A menu button; &amp; marks the letter of Alt+letter, one of its own on the menu.</extracomment>
        <translation>Treino com &amp;relógio</translation>
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
        <translation>Linha base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Linha alta</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Linha baixa</translation>
    </message>
    <message>
        <source>Number Row</source>
        <extracomment>A check box: the drills use this row&apos;s keys.</extracomment>
        <translation>Números</translation>
    </message>
    <message>
        <source>Use Shift?</source>
        <extracomment>A check box: the drills ask for shifted characters too.</extracomment>
        <translation>Usar Shift?</translation>
    </message>
    <message>
        <source>Key Sound?</source>
        <extracomment>A check box: a sound with every key.</extracomment>
        <translation>Com som?</translation>
    </message>
    <message>
        <source>Timed Drill</source>
        <extracomment>The frame of the Timed Drill&apos;s buttons.</extracomment>
        <translation>Cronometrado</translation>
    </message>
    <message>
        <source>Learn Keyboard</source>
        <extracomment>The frame of the lessons&apos; buttons.</extracomment>
        <translation>Conheça o teclado</translation>
    </message>
    <message>
        <source>&amp;Keyboard Layout</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>&amp;Partes do teclado</translation>
    </message>
    <message>
        <source>Ho&amp;me Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Linha &amp;base</translation>
    </message>
    <message>
        <source>Top &amp;Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Linha de &amp;cima</translation>
    </message>
    <message>
        <source>&amp;Bottom Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Linha de ba&amp;ixo</translation>
    </message>
    <message>
        <source>&amp;Number Row</source>
        <extracomment>A lesson&apos;s button; &amp; marks the letter of Alt+letter (Alt+O is the OK beside them).</extracomment>
        <translation>Linha de &amp;números</translation>
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
        <translation>&amp;OK</translation>
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
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Practice</source>
        <extracomment>The frame of a drill&apos;s rows and options, before a drill is chosen.</extracomment>
        <translation>Prática</translation>
    </message>
    <message>
        <source>Try Again!</source>
        <extracomment>The title of the message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Tente de novo!</translation>
    </message>
    <message>
        <source>Use your keyboard, not this one!</source>
        <extracomment>The message when a key of the on-screen keyboard is clicked in a lesson.</extracomment>
        <translation>Use o seu teclado, não este!</translation>
    </message>
    <message>
        <source>Let your fingers find the
keys while watching the screen
to see where the keys are.
Make sure your hands are in
home position before starting.</source>
        <extracomment>Before a drill starts; printed a line for each line break (about 30 characters a line).</extracomment>
        <translation>Deixe seus dedos acharem as
teclas enquanto você olha a
tela para ver onde elas estão.
Coloque as mãos na posição
base antes de começar.</translation>
    </message>
    <message>
        <source>Practice Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Treino</translation>
    </message>
    <message>
        <source>Character Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Treino de letras</translation>
    </message>
    <message>
        <source>Word Drill</source>
        <extracomment>The frame of the drill&apos;s rows and options.</extracomment>
        <translation>Treino de palavras</translation>
    </message>
    <message>
        <source>Type in words from a book or something else. When done, press Enter to see your typing speed. Keep your hands in home position as you type.</source>
        <extracomment>The Timed Drill&apos;s box, before the drill starts; the child types over it.</extracomment>
        <translation>Digite palavras de um livro ou de outra coisa. Quando terminar, aperte Enter para ver a sua velocidade. Mantenha as mãos na posição base enquanto digita.</translation>
    </message>
    <message>
        <source>Tricky Keys</source>
        <extracomment>The frame of the Character Drill&apos;s rows and options when its lines come from the child&apos;s record.</extracomment>
        <translation>Teclas difíceis</translation>
    </message>
    <message>
        <source>Tapwell cannot read its keyboard data file %1: %2</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 why it cannot be read: &quot;it is a folder, not a regular file&quot;.</extracomment>
        <translation>O Tapwell não consegue ler o arquivo de dados do teclado %1: %2</translation>
    </message>
    <message>
        <source>Tapwell&apos;s keyboard data file %1 is damaged at %2.</source>
        <extracomment>A message at start-up. %1 is the file&apos;s path, %2 where and how it is damaged: &quot;value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3&quot;.</extracomment>
        <translation>O arquivo de dados do teclado do Tapwell %1 está danificado em %2.</translation>
    </message>
</context>
<context>
    <name>tapwell::HelpViewer</name>
    <message>
        <source>Tapwell Help</source>
        <translation>Ajuda do Tapwell</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help is missing&lt;/h2&gt;&lt;p&gt;Tapwell could not open its help file &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</source>
        <extracomment>HTML: %1 is the help file, %2 why it could not be opened, as the system says it.</extracomment>
        <translation>&lt;h2&gt;A ajuda está faltando&lt;/h2&gt;&lt;p&gt;O Tapwell não conseguiu abrir o arquivo de ajuda &lt;tt&gt;%1&lt;/tt&gt;: %2.&lt;/p&gt;</translation>
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
        <translation>O &amp;teclado desta criança:</translation>
    </message>
    <message>
        <source>Use &amp;accents and AltGr</source>
        <translation>Usar &amp;acentos e AltGr</translation>
    </message>
    <message>
        <source>The keyboard in use</source>
        <extracomment>The first of the keyboards to choose from: whichever the computer uses at the time.</extracomment>
        <translation>O teclado em uso</translation>
    </message>
    <message>
        <source>Keyboard and language</source>
        <extracomment>The title of the window where a child&apos;s keyboard and language are chosen.</extracomment>
        <translation>Teclado e idioma</translation>
    </message>
    <message>
        <source>The &amp;language this child reads:</source>
        <translation>O &amp;idioma que esta criança lê:</translation>
    </message>
    <message>
        <source>The computer&apos;s language</source>
        <extracomment>The first of the languages to choose from: whichever the computer is set to.</extracomment>
        <translation>O idioma do computador</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressCharts</name>
    <message>
        <source>Words per minute: no Word or Timed Drill yet</source>
        <translation>Palavras por minuto: ainda não há treino de palavras nem com relógio</translation>
    </message>
    <message>
        <source>Words per minute (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palavras por minuto (a linha do meio de cada dia)</translation>
    </message>
    <message>
        <source>Words per minute (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palavras por minuto (a linha do meio de cada semana)</translation>
    </message>
    <message>
        <source>Words per minute (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; speeds.</extracomment>
        <translation>Palavras por minuto (a linha do meio de cada mês)</translation>
    </message>
    <message>
        <source>Accuracy (each day&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each day, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Acertos (a linha do meio de cada dia)</translation>
    </message>
    <message>
        <source>Accuracy (each week&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each week, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Acertos (a linha do meio de cada semana)</translation>
    </message>
    <message>
        <source>Accuracy (each month&apos;s middle line)</source>
        <extracomment>The chart&apos;s title: a point for each month, at the middle of its lines&apos; accuracies.</extracomment>
        <translation>Acertos (a linha do meio de cada mês)</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>The accuracy chart&apos;s axis: the percentage of keys typed right.</extracomment>
        <translation>% de acertos</translation>
    </message>
    <message>
        <source>Minutes typed each day, the last 4 weeks</source>
        <translation>Minutos digitados por dia, nas últimas 4 semanas</translation>
    </message>
    <message>
        <source>Minutes typed each week, the last 6 months</source>
        <translation>Minutos digitados por semana, nos últimos 6 meses</translation>
    </message>
    <message>
        <source>Minutes typed each month</source>
        <translation>Minutos digitados por mês</translation>
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
        <translation>Nas últimas 4 semanas: %1. No total: %2.</translation>
    </message>
    <message>
        <source>In the last 6 months: %1. In all: %2.</source>
        <extracomment>%1 and %2 are how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>Nos últimos 6 meses: %1. No total: %2.</translation>
    </message>
    <message>
        <source>In all: %1.</source>
        <extracomment>%1 is how long, as &quot;25 minutes&quot; or &quot;1 hour 5 minutes&quot;.</extracomment>
        <translation>No total: %1.</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressSummary</name>
    <message>
        <source>not yet</source>
        <extracomment>A best line not typed yet, as in &quot;Best Timed Drill: not yet&quot;.</extracomment>
        <translation>ainda não</translation>
    </message>
    <message numerus="yes">
        <source>%n words per minute</source>
        <translation>
            <numerusform>%n palavra por minuto</numerusform>
            <numerusform>%n palavras por minuto</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines finished: %1
Days practised: %2
Best Word Drill: %3
Best Timed Drill: %4</source>
        <extracomment>%1 and %2 are numbers; %3 and %4 the best speeds, as &quot;33 words per minute&quot; or &quot;not yet&quot;.</extracomment>
        <translation>Linhas terminadas: %1
Dias de treino: %2
Melhor treino de palavras: %3
Melhor treino com relógio: %4</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Meu progresso</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>tapwell::ProgressWindow</name>
    <message>
        <source>Home Row</source>
        <translation>Linha base</translation>
    </message>
    <message>
        <source>Top Row</source>
        <translation>Linha de cima</translation>
    </message>
    <message>
        <source>Bottom Row</source>
        <translation>Linha de baixo</translation>
    </message>
    <message>
        <source>Number Row</source>
        <translation>Linha de números</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Meu progresso</translation>
    </message>
    <message>
        <source>Progress &amp;of:</source>
        <translation>Progresso &amp;de:</translation>
    </message>
    <message>
        <source>&amp;Add a child…</source>
        <translation>&amp;Adicionar criança…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Mudar &amp;nome…</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Remover…</translation>
    </message>
    <message>
        <source>Add a child</source>
        <extracomment>The title of the window that asks for the new child&apos;s name and picture.</extracomment>
        <translation>Adicionar criança</translation>
    </message>
    <message>
        <source>Rename this child</source>
        <translation>Mudar o nome desta criança</translation>
    </message>
    <message>
        <source>Remove this child</source>
        <translation>Remover esta criança</translation>
    </message>
    <message>
        <source>Keys I miss</source>
        <translation>Teclas que eu erro</translation>
    </message>
    <message>
        <source>Trouble map</source>
        <translation>Mapa de erros</translation>
    </message>
    <message>
        <source>The keyboard, each key coloured by how often it is missed</source>
        <translation>O teclado, com cada tecla colorida conforme o quanto ela é errada</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>the last 4 weeks, day by day</source>
        <translation>as últimas 4 semanas, dia a dia</translation>
    </message>
    <message>
        <source>the last 6 months, week by week</source>
        <translation>os últimos 6 meses, semana a semana</translation>
    </message>
    <message>
        <source>all, month by month</source>
        <translation>tudo, mês a mês</translation>
    </message>
    <message>
        <source>Words per minute each day</source>
        <translation>Palavras por minuto por dia</translation>
    </message>
    <message>
        <source>Accuracy each day</source>
        <translation>Acertos por dia</translation>
    </message>
    <message>
        <source>Minutes typed each day</source>
        <translation>Minutos digitados por dia</translation>
    </message>
    <message>
        <source>&amp;Save as CSV…</source>
        <translation>&amp;Salvar como CSV…</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salvar como CSV</translation>
    </message>
    <message>
        <source>Every child&apos;s lines, for a spreadsheet</source>
        <translation>As linhas de todas as crianças, para uma planilha</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1&apos;s picture</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Desenho de %1</translation>
    </message>
    <message>
        <source>Reading %1&apos;s progress…</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Lendo o progresso de %1…</translation>
    </message>
    <message>
        <source>Type a few more lines, and Tapwell can tell you which finger misses most.</source>
        <translation>Digite mais algumas linhas, e o Tapwell vai dizer qual dedo erra mais.</translation>
    </message>
    <message>
        <source>Lessons practised to the end:</source>
        <translation>Lições treinadas até o fim:</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;.</extracomment>
        <translation>%1: ainda não</translation>
    </message>
    <message>
        <source>%1: yes, last on %2</source>
        <extracomment>Under &quot;Lessons practised to the end:&quot;: %1 is a lesson, as &quot;Home Row&quot;; %2 the day, as &quot;8 December 2026&quot;.</extracomment>
        <translation>%1: sim, a última vez em %2</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <extracomment>The title of the window that asks for a new name: %1 is the child&apos;s name now.</extracomment>
        <translation>Mudar o nome de %1</translation>
    </message>
    <message>
        <source>Nothing has been typed as %1 yet.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Nada foi digitado como %1 ainda.</translation>
    </message>
    <message>
        <source>That is 1 line typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>É 1 linha digitada em %1.</translation>
    </message>
    <message numerus="yes">
        <source>That is %n lines typed on %1.</source>
        <extracomment>%1 is the days, as &quot;1 day&quot; or &quot;3 days&quot;.</extracomment>
        <translation>
            <numerusform>É %n linha digitada em %1.</numerusform>
            <numerusform>São %n linhas digitadas em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove %1 from Tapwell?

This deletes %1&apos;s name and picture and everything Tapwell has kept of %1&apos;s typing: every line, every key, the charts and the trouble map. %2</source>
        <extracomment>%1 is the child&apos;s name; %2 is how much was typed, as &quot;That is 9 lines typed on 3 days.&quot; or &quot;Nothing has been typed as Anna yet.&quot;</extracomment>
        <translation>Remover %1 do Tapwell?

Isto apaga o nome e o desenho de %1 e tudo o que o Tapwell guardou da digitação de %1: cada linha, cada tecla, os gráficos e o mapa de erros. %2</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The title of the questions before a child is removed: %1 is the child&apos;s name.</extracomment>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Are you sure? %1&apos;s progress cannot be brought back.</source>
        <extracomment>%1 is the child&apos;s name.</extracomment>
        <translation>Tem certeza? O progresso de %1 não poderá ser recuperado.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <comment>button</comment>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>&amp;Keep %1</source>
        <extracomment>A button: %1 is the child&apos;s name.</extracomment>
        <translation>&amp;Manter %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file dialog&apos;s filter: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save progress as CSV</source>
        <translation>Salvar o progresso como CSV</translation>
    </message>
    <message>
        <source>%1
(Stop what is being typed in the main window first.)</source>
        <extracomment>%1 is what to do next, as &quot;Try Tricky Keys: Q and ; need practice&quot;.</extracomment>
        <translation>%1
(Primeiro pare o que está sendo digitado na janela principal.)</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 is why, as &quot;Cannot write /home/ann/a.csv: the disk is full.&quot;</extracomment>
        <translation>Não foi salvo: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>Salvo como %1</translation>
    </message>
</context>
<context>
    <name>tapwell::TroubleLegend</name>
    <message>
        <source>Colours of the trouble map</source>
        <translation>Cores do mapa de erros</translation>
    </message>
    <message>
        <source>Light keys are seldom missed, dark red keys often; grey striped keys were never asked for.</source>
        <translation>Teclas claras quase nunca são erradas, teclas vermelho-escuras são erradas muitas vezes; teclas cinza listradas nunca apareceram.</translation>
    </message>
    <message>
        <source>Missed:</source>
        <extracomment>Before the colours of the scale, each named by how often a key is missed (&quot;10%&quot;).</extracomment>
        <translation>Errada:</translation>
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
        <translation>nunca apareceu</translation>
    </message>
    <message numerus="yes">
        <source>Of each key&apos;s last %n presses. Point at a key to see more.</source>
        <translation>
            <numerusform>Conta o último toque (%n) de cada tecla. Aponte para uma tecla para ver mais.</numerusform>
            <numerusform>Conta os últimos %n toques de cada tecla. Aponte para uma tecla para ver mais.</numerusform>
        </translation>
    </message>
</context>
</TS>
