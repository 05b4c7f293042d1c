<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Seleziona uno o più file</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Lettura dei file audio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Riproduci segmento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Imposta punto iniziale</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Imposta punto finale</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Riattiva audio</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Impostazioni audio generali</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Dissolvenza in entrata</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Dissolvenza in uscita</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Ripeti automaticamente la musica di sottofondo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frequenza di campionamento</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto iniziale</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto finale</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Trascina qui i file audio</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Brano %1, %2, da %3 a %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>Non è stato possibile esaminare %1 entro %2 secondi.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>Non è stato possibile avviare lo strumento di informazioni multimediali %1.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>Non è musica leggibile.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>Impossibile creare una cartella di lavoro in %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>nessuna foto in questa cartella</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Lettura delle foto</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Lettura della musica</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Escluso dal progetto: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>Non è stato pubblicato nulla, come richiede --strict quando un input non è leggibile.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>Nessuna foto è stata letta; non è stato pubblicato nulla.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>l’intervallo %1-%2 s va oltre i suoi %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Conversione della musica</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>La pubblicazione è stata annullata.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nessun modello selezionato.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Impossibile avviare la pubblicazione.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Interrotto: rimozione di quanto scritto finora.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Impossibile pubblicare la presentazione.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>Impossibile avviare il convertitore audio %1, quindi %2 non è stato convertito in MP3.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 non contiene suoni convertibili in MP3.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>Impossibile convertire %1 in MP3: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>Impossibile convertire %1 in MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Salva presentazione con nome</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Apri presentazione</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Progetti Lumaro (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Sostituisci</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>Impossibile salvare la presentazione.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 non esiste più. È stato tolto dai progetti recenti.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro non è stato chiuso correttamente. Ripristinare la presentazione com’era il %1?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>Impossibile aprire la presentazione.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>Non letto: l’apertura è stata annullata.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Questo modello di galleria non è installato; la presentazione mantiene %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 non esiste.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Nessun permesso di lettura per %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>Impossibile leggere il dispositivo che contiene %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>Spazio esaurito sul dispositivo che contiene %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>La quota disco è esaurita sul dispositivo che contiene %1.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>Il dispositivo che contiene %1 è di sola lettura.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>Impossibile scrivere sul dispositivo che contiene %1.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Nessun permesso di scrittura per %1.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>La cartella di %1 non esiste.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Parte del percorso %1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Il nome %1 è troppo lungo.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>Il profilo di pubblicazione %1 non è supportato.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>Impossibile copiare %1 in %2.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>Impossibile preparare le foto e il file di configurazione in %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Il file %1 è mancante.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>L’animazione del modello %1 è mancante.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>La pagina del modello %1 è mancante.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>La foto %1 è mancante.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>Impossibile leggere la foto %1.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>Il file musicale %1 è mancante.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 è cambiato durante la pubblicazione.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Impossibile trovare la cartella temporanea!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 non è un file normale.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>Non è una foto leggibile, oppure supera i %1 megapixel.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>Impossibile creare le copie di lavoro di %1.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>La foto originale %1 è mancante.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>Impossibile leggere la foto originale %1.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Seleziona uno o più file</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Avanzamento importazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importazione di %1...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Alcuni file non sono stati aggiunti all’elenco:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>File non aggiunti</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Nessun motivo indicato</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Azione al termine dell’&amp;attività</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferenze...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importa foto</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importa cartella di foto</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importa file audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Pubblica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Impossibile avviare il programma. Reinstallarlo.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modelli</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Scorri le strisce</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Tutti i file supportati</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Corridoio del tempo</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>Griglia 3D</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Cubo magico</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Girandola</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Parete di foto</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carosello</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Ventaglio</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Momento meraviglioso</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Fish-eye</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>immagini</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 non è una base di pagina offline</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Fai clic o premi un tasto per avviare la musica.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Questa presentazione richiede un browser web aggiornato con JavaScript attivo.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Specchia</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Capovolgi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Trascina qui le foto</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>Impossibile copiare le foto: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>Impossibile salvare le foto ruotate: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>Foto %1 di %2, %3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>ruotata a destra</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>ruotata a sinistra</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>sottosopra</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>specchiata</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>capovolta</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>ruotata a destra e specchiata</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>ruotata a sinistra e specchiata</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>Impossibile leggere l’immagine %1.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>Impossibile scrivere l’immagine %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Cartella temporanea</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Azione al termine</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Azione al termine dell’attività:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Non fare nulla</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Cerca aggiornamenti automaticamente:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro non cerca aggiornamenti in rete. Queste impostazioni vengono solo memorizzate.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Il nome file non può contenere nessuno di questi caratteri:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossibile aprire la cartella «%1».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Il percorso selezionato non è corretto, selezionarne un altro.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>La cartella selezionata è di sola lettura, selezionarne un’altra.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>La cartella temporanea non è stata spostata: impossibile copiare «%1» (%2). Le foto e la musica restano dov’erano.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Spostamento di foto e musica nella nuova cartella temporanea...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 al byte %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 non è un progetto Lumaro, oppure è danneggiato: %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 non è un file di progetto.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 è troppo grande per un file di progetto (più di %2 MB).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 è stato salvato da un Lumaro più recente (formato di progetto versione %2); questo legge fino alla versione %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>Impossibile salvare il progetto %1: un progetto contiene al massimo %2 foto e %3 brani musicali.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>Impossibile salvare il progetto come %1: è %2, uno degli originali della presentazione.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>Impossibile salvare il progetto %1: supererebbe i %2 MB.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Brano musicale %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Brani musicali da %1 a %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>Foto %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>Foto da %1 a %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>Le opzioni musicali</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>Il file di progetto</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>Le impostazioni di pubblicazione</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>Il modello</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>un dispositivo, non un file</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>una cartella, non un file</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>una pipe, non un file</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>un progetto contiene al massimo %1 brani musicali</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>un progetto contiene al massimo %1 foto</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>un socket, non un file</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>danneggiato; si usa il valore predefinito</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>non indica il formato di progetto Lumaro</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>non contiene alcun progetto</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>la sua versione di formato è sconosciuta</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>l’elenco delle foto o dei brani musicali è danneggiato</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>inizio e fine sono danneggiati</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>rotazioni e capovolgimenti sono danneggiati</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>non è un percorso utilizzabile</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>il file di progetto stesso</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>«%1» non è un segmento: scrivere FILE@INIZIO-FINE in secondi, per esempio canzone.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>«%1» non è un segmento: la fine deve venire dopo l’inizio.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 può essere indicato una sola volta.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>Non è installato alcun modello di galleria.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>Il modello «%1» non esiste. Modelli installati: %2.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>La qualità deve essere un numero intero da 1 a 100, non «%1».</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>Il nome non può essere vuoto.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Il nome non può contenere nessuno di questi caratteri:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>La cartella di destinazione non può essere vuota.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>La cartella di destinazione «%1» non è un percorso utilizzabile.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>La destinazione «%1» è un file, non una cartella.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop e --no-loop non possono essere usati insieme.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>Nessuna foto indicata: indicare file di foto o cartelle dopo le opzioni.</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>Il file di progetto non può essere vuoto.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project pubblica le foto del progetto: non indicare foto dopo le opzioni.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>Il modello «%1» del progetto non è installato; sceglierne uno con --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Provare «lumaro-publish --help».</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>Le interruzioni non possono essere controllate: Ctrl+C potrebbe lasciare dei file.</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>La dimensione del video deve essere 1080 o 720, non «%1».</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>I secondi per foto devono essere un numero intero da 2 a 10 o «fit», non «%1».</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Profilo sconosciuto «%1»: usare xml, swf, swf+html, html o video.</translation>
    </message>
    <message>
        <source>Usage: lumaro-publish [options] PHOTO|FOLDER...
       lumaro-publish --project FILE.lumaro [options]
Publishes photos and music as a Flash gallery slideshow, without a window.
Folders are searched with their sub-folders. A project saved in the window is
published as the window would; options given as well override its settings,
--music its music.

Options:
  --template NAME         gallery template (see --list-templates)
  --profile PROFILE       xml, swf, swf+html, html or video (MP4; the template
                          does not apply) (default: swf)
  --video-size HEIGHT     the video&apos;s frame: 1080 or 720 (default: 1080)
  --seconds-per-photo N   the video&apos;s time per photo, 2-10, or &quot;fit&quot; to share
                          the music&apos;s length (default: 4)
  --quality N             JPEG quality of the photos, 1-100 (default: 85)
  --photo-size SIZE       standard (720x540, the default), hd (1440x1080) or
                          fullhd (1920x1440, for large screens)
  --music FILE[@START-END]
                          background music, repeatable; START and END in seconds
  --fade-in, --fade-out   fade every clip in or out
  --loop, --no-loop       play the music again when it ends (default: loop)
  --name NAME             name of the slideshow (default: My Flash)
  --output FOLDER         where the slideshow goes (default: your documents)
  --strict                publish nothing when any input cannot be read
  --project FILE          publish a project saved in the window (.lumaro)
  --list-templates        list the installed templates and exit
  -h, --help              show this help and exit
  -v, --version           show the version and exit

The published path is written to standard output, progress to standard error.
Exit status: 0 published; 1 some inputs could not be read (they are listed);
2 usage error; 3 publishing failed; 130/143 interrupted.
</source>
        <translation>Uso: lumaro-publish [opzioni] FOTO|CARTELLA...
     lumaro-publish --project FILE.lumaro [opzioni]
Pubblica foto e musica come presentazione a galleria Flash, senza finestra.
Le cartelle vengono esaminate con le loro sottocartelle. Un progetto salvato nella
finestra viene pubblicato come farebbe la finestra; le opzioni indicate in più
sostituiscono le sue impostazioni, --music la sua musica.

Opzioni:
  --template NOME         modello di galleria (vedere --list-templates)
  --profile PROFILO       xml, swf, swf+html, html o video (MP4; il modello
                          non si applica) (predefinito: swf)
  --video-size ALTEZZA    il fotogramma del video: 1080 o 720 (predefinito: 1080)
  --seconds-per-photo N   tempo di ogni foto nel video, 2-10, o «fit» per
                          dividere la durata della musica (predefinito: 4)
  --quality N             qualità JPEG delle foto, 1-100 (predefinito: 85)
  --photo-size DIMENSIONE standard (720x540, predefinito), hd (1440x1080) o
                          fullhd (1920x1440, per schermi grandi)
  --music FILE[@INIZIO-FINE]
                          musica di sottofondo, ripetibile; INIZIO e FINE in secondi
  --fade-in, --fade-out   dissolvenza in entrata o in uscita di ogni brano
  --loop, --no-loop       ripetere la musica quando finisce (predefinito: loop)
  --name NOME             nome della presentazione (predefinito: Il mio Flash)
  --output CARTELLA       dove va la presentazione (predefinito: i tuoi documenti)
  --strict                non pubblicare nulla se un input non è leggibile
  --project FILE          pubblicare un progetto salvato nella finestra (.lumaro)
  --list-templates        elencare i modelli installati e uscire
  -h, --help              mostrare questo aiuto e uscire
  -v, --version           mostrare la versione e uscire

Il percorso pubblicato va sullo standard output, l’avanzamento sullo standard error.
Stato di uscita: 0 pubblicato; 1 alcuni input non erano leggibili (sono elencati);
2 errore d’uso; 3 pubblicazione non riuscita; 130/143 interrotto.
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Dimensione foto sconosciuta «%1»: usare standard, hd o fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Impossibile trovare la cartella temporanea!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nessun modello selezionato.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Impossibile avviare la pubblicazione.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Impossibile pubblicare la presentazione.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>Pubblicazione riuscita!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Il nome file non può contenere nessuno di questi caratteri:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleziona una cartella</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>La cartella indicata non è stata trovata.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>Il nome file non può essere vuoto, inserire un nome file!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Il percorso selezionato non è corretto, selezionarne un altro.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Impostazioni di pubblicazione</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualità foto:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>Il mio Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Bassa (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Buona (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>Alta (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (offline)</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>video (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Un video non usa il modello: mostra le foto una dopo l’altra con uno zoom lento e dissolvenze incrociate, a tempo di musica.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Dimensione immagine:</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>Ogni foto:</translation>
    </message>
    <message>
        <source>1920 x 1080 (1080p)</source>
        <translation>1920 x 1080 (1080p)</translation>
    </message>
    <message>
        <source>1280 x 720 (720p)</source>
        <translation>1280 x 720 (720p)</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>Adatta alla musica</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Circa %1 KB per foto.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Dimensione foto:</translation>
    </message>
    <message>
        <source>Standard (720 × 540)</source>
        <translation>Standard (720 × 540)</translation>
    </message>
    <message>
        <source>HD (1440 × 1080)</source>
        <translation>HD (1440 × 1080)</translation>
    </message>
    <message>
        <source>Full HD (1920 × 1440)</source>
        <translation>Full HD (1920 × 1440)</translation>
    </message>
</context>
<context>
    <name>PublishTarget</name>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>Il nome non può essere vuoto.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Il nome non può contenere nessuno di questi caratteri:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>Il nome non può contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>Il nome non può essere composto solo da punti.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>Il nome è troppo lungo: può contenere al massimo %1 byte.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>Importa %n foto</numerusform>
            <numerusform>Importa %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>Importa %n file audio</numerusform>
            <numerusform>Importa %n file audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Elimina %n foto</numerusform>
            <numerusform>Elimina %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Elimina %n file audio</numerusform>
            <numerusform>Elimina %n file audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>Sposta %n foto</numerusform>
            <numerusform>Sposta %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>Sposta %n file audio</numerusform>
            <numerusform>Sposta %n file audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>Copia %n foto</numerusform>
            <numerusform>Copia %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>Copia %n file audio</numerusform>
            <numerusform>Copia %n file audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Ruota %n foto a sinistra</numerusform>
            <numerusform>Ruota %n foto a sinistra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Ruota %n foto a destra</numerusform>
            <numerusform>Ruota %n foto a destra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Specchia %n foto</numerusform>
            <numerusform>Specchia %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Capovolgi %n foto</numerusform>
            <numerusform>Capovolgi %n foto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>Ripristina %n foto</numerusform>
            <numerusform>Ripristina %n foto</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>Scegli il modello %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica audio</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>Il nome «%1» non può essere usato: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>Impossibile scrivere nella cartella %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>Impossibile spostare la presentazione in %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Trasforma foto e musica in presentazioni a galleria Flash.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Ri&amp;duci a icona</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>&amp;Dimensione predefinita</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Aspetto</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 si chiuderà tra %n secondo.</numerusform>
            <numerusform>%1 si chiuderà tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>Il computer andrà in sospensione tra %n secondo.</numerusform>
            <numerusform>Il computer andrà in sospensione tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>Il computer andrà in ibernazione tra %n secondo.</numerusform>
            <numerusform>Il computer andrà in ibernazione tra %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>Il computer si spegnerà tra %n secondo.</numerusform>
            <numerusform>Il computer si spegnerà tra %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Esci ora</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Esegui ora</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Impossibile creare la cartella.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Un altro file con lo stesso nome è d’intralcio.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>La copia è incompleta.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>Spazio esaurito sul dispositivo che contiene «%1»</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>Impossibile creare una cartella temporanea per il video.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>Impossibile scrivere l’immagine di %1 nella cartella temporanea.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>Impossibile avviare lo strumento video %1.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>Impossibile creare il video.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Impossibile creare il video: %1</translation>
    </message>
</context>
</TS>
