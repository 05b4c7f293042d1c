<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Select One or More Files</source>
        <translation>Eine oder mehrere Dateien auswählen</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Audiodateien werden gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Ausschnitt abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Startpunkt setzen</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Endpunkt setzen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Allgemeine Audioeinstellungen</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Hintergrundmusik automatisch wiederholen</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Clip %1, %2, %3 bis %4</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Startpunkt</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Endpunkt</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Audiodatei(en) hierher ziehen</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>%1 konnte nicht innerhalb von %2 Sekunden untersucht werden.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>Das Medieninformationsprogramm %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>Keine lesbare Musik.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>Im Ordner %1 kann kein Arbeitsordner angelegt werden</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>keine Fotos in diesem Ordner</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Fotos werden gelesen</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Musik wird gelesen</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Aus dem Projekt weggelassen: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>Nichts wurde veröffentlicht, wie --strict es verlangt, wenn eine Eingabe nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>Kein Foto konnte gelesen werden; nichts wurde veröffentlicht.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>der Bereich %1–%2 s liegt außerhalb seiner %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Musik wird umgewandelt</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>Das Veröffentlichen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Keine Vorlage ausgewählt.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Das Veröffentlichen konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Unterbrochen: Bisher Geschriebenes wird entfernt.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Die Diashow konnte nicht veröffentlicht werden.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>Der Musikkonverter %1 konnte nicht gestartet werden, daher konnte %2 nicht in MP3 umgewandelt werden.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 enthält keinen Ton, der in MP3 umgewandelt werden kann.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>%1 konnte nicht in MP3 umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>%1 konnte nicht in MP3 umgewandelt werden.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;herstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Diashow speichern unter</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Diashow öffnen</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Lumaro-Projekte (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>Die Diashow konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 gibt es nicht mehr. Es wurde aus den zuletzt geöffneten Projekten entfernt.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro wurde nicht ordnungsgemäß beendet. Die Diashow so wiederherstellen, wie sie am %1 war?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>Die Diashow konnte nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>Nicht gelesen: Das Öffnen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Diese Galerievorlage ist nicht installiert; die Diashow behält %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Keine Berechtigung, %1 zu lesen.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>Das Gerät mit %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>Kein freier Speicherplatz mehr auf dem Gerät mit %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>Das Speicherkontingent auf dem Gerät mit %1 ist aufgebraucht.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>Das Gerät mit %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>Auf das Gerät mit %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Keine Berechtigung, %1 zu schreiben.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>Der Ordner für %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Ein Teil des Pfads %1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Der Name %1 ist zu lang.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>Das Veröffentlichungsprofil %1 wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>%1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>Die Fotos und die Konfigurationsdatei in %1 können nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Die Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>Der Vorlagenfilm %1 fehlt.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>Die Vorlagenseite %1 fehlt.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>Das Foto %1 fehlt.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>Das Foto %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>Die Musikdatei %1 fehlt.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 wurde während des Veröffentlichens verändert.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Das temporäre Verzeichnis wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>Kein lesbares Foto, oder größer als %1 Megapixel.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>Die Arbeitskopien von %1 konnten nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>Das Originalfoto %1 fehlt.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>Das Originalfoto %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Eine oder mehrere Dateien auswählen</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Einen Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Import-Fortschritt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>Files not added</source>
        <translation>Nicht hinzugefügte Dateien</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Kein Grund angegeben</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Einige Dateien wurden nicht zur Liste hinzugefügt:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Leisten blättern</translation>
    </message>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Aktion nach dem &amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Foto(s) importieren</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Fotoordner importieren</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Audiodatei(en) importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Das Programm konnte nicht gestartet werden. Bitte installieren Sie es neu.</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Zeitkorridor</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>3D-Raster</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Zauberwürfel</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Windrad</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Fotowand</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Karussell</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Fächer</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Wundervoller Moment</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Fischauge</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 ist keine Vorlage für eine Offline-Seite</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Klicken oder eine Taste drücken, um die Musik zu starten.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Diese Diashow braucht einen aktuellen Webbrowser mit eingeschaltetem JavaScript.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>Foto %1 von %2, %3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>nach rechts gedreht</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>nach links gedreht</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>auf dem Kopf</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>gespiegelt</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>gekippt</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>nach rechts gedreht und gespiegelt</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>nach links gedreht und gespiegelt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Kippen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Farbtiefe</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Foto(s) hierher ziehen</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>Die Fotos konnten nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>Die gedrehten Fotos konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>Das Bild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>Das Bild %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Temporärer Ordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Aktion nach dem Erstellen</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Gewählte Aktion nach der Aufgabe:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Aktualisierungseinstellungen</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Automatisch nach Aktualisierungen suchen:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro sucht nicht über das Netzwerk nach Aktualisierungen. Diese Einstellungen werden nur gespeichert.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Der Dateiname darf keines dieser Zeichen enthalten:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Einen Ordner auswählen</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Ordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Der gewählte Pfad ist ungültig, bitte wählen Sie erneut.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Der gewählte Ordner ist schreibgeschützt, bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>Der temporäre Ordner wurde nicht verschoben: „%1“ konnte nicht kopiert werden (%2). Ihre Fotos und Musik bleiben, wo sie waren.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Importfortschritt</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Fotos und Musik werden in den neuen temporären Ordner verschoben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 bei Byte %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 ist kein Lumaro-Projekt oder ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 ist keine Projektdatei.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 ist zu groß für eine Projektdatei (mehr als %2 MB).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 wurde von einem neueren Lumaro gespeichert (Projektformat Version %2); dieses liest Version %3 und älter.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>Das Projekt %1 kann nicht gespeichert werden: Ein Projekt fasst höchstens %2 Fotos und %3 Musikstücke.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>Das Projekt kann nicht als %1 gespeichert werden: Das ist %2, eine der Originaldateien der Diashow.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>Das Projekt %1 kann nicht gespeichert werden: Es wäre größer als %2 MB.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Musikstück %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Musikstücke %1 bis %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>Foto %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>Fotos %1 bis %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>Die Musikoptionen</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>Die Projektdatei</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>Die Veröffentlichungseinstellungen</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>Die Vorlage</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>ein Projekt fasst höchstens %1 Musikstücke</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>ein Projekt fasst höchstens %1 Fotos</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>beschädigt; die Voreinstellung wird verwendet</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>sie nennt nicht das Lumaro-Projektformat</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>sie enthält kein Projekt</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>ihre Formatversion ist unbekannt</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>ihre Liste der Fotos oder der Musikstücke ist beschädigt</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>Anfang und Ende sind beschädigt</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>die Drehungen und Spiegelungen sind beschädigt</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>kein verwendbarer Pfad</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>die Projektdatei selbst</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>Die Videogröße muss 1080 oder 720 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>Die Sekunden je Foto müssen eine ganze Zahl von 2 bis 10 oder „fit“ sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>„%1“ ist kein Ausschnitt: Schreiben Sie DATEI@START-ENDE in Sekunden, zum Beispiel lied.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>„%1“ ist kein Ausschnitt: Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 darf nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>Es sind keine Galerievorlagen installiert.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>Es gibt keine Vorlage „%1“. Installierte Vorlagen: %2.</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Unbekanntes Profil „%1“: Verwenden Sie xml, swf, swf+html, html oder video.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>Die Qualität muss eine ganze Zahl von 1 bis 100 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Der Name darf keines dieser Zeichen enthalten:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>Der Ausgabeordner darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>Der Ausgabeordner „%1“ ist kein verwendbarer Pfad.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>Die Ausgabe „%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop und --no-loop können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>Keine Fotos angegeben: Nennen Sie Fotodateien oder Ordner nach den Optionen.</translation>
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
        <translation>Verwendung: lumaro-publish [Optionen] FOTO|ORDNER...
            lumaro-publish --project DATEI.lumaro [Optionen]
Veröffentlicht Fotos und Musik als Flash-Galerie-Diashow, ohne Fenster.
Ordner werden mit ihren Unterordnern durchsucht. Ein im Fenster gespeichertes
Projekt wird so veröffentlicht, wie es das Fenster täte; zusätzlich angegebene
Optionen ersetzen seine Einstellungen, --music seine Musik.

Optionen:
  --template NAME         Galerievorlage (siehe --list-templates)
  --profile PROFIL        xml, swf, swf+html, html oder video (MP4; die Vorlage
                          gilt dafür nicht) (Standard: swf)
  --video-size HÖHE       das Bild des Videos: 1080 oder 720 (Standard: 1080)
  --seconds-per-photo N   Sekunden je Foto im Video, 2-10, oder „fit“, um die
                          Länge der Musik zu teilen (Standard: 4)
  --quality N             JPEG-Qualität der Fotos, 1-100 (Standard: 85)
  --photo-size GRÖSSE     standard (720x540, Standard), hd (1440x1080) oder
                          fullhd (1920x1440, für große Bildschirme)
  --music DATEI[@START-ENDE]
                          Hintergrundmusik, mehrfach möglich; START und ENDE in Sekunden
  --fade-in, --fade-out   jeden Ausschnitt ein- oder ausblenden
  --loop, --no-loop       die Musik am Ende wiederholen (Standard: wiederholen)
  --name NAME             Name der Diashow (Standard: Mein Flash)
  --output ORDNER         wohin die Diashow kommt (Standard: Ihre Dokumente)
  --strict                nichts veröffentlichen, wenn eine Eingabe nicht lesbar ist
  --project DATEI         ein im Fenster gespeichertes Projekt veröffentlichen (.lumaro)
  --list-templates        die installierten Vorlagen auflisten und beenden
  -h, --help              diese Hilfe zeigen und beenden
  -v, --version           die Version zeigen und beenden

Der veröffentlichte Pfad geht auf die Standardausgabe, der Fortschritt auf die Standardfehlerausgabe.
Rückgabewert: 0 veröffentlicht; 1 einige Eingaben waren nicht lesbar (sie werden aufgelistet);
2 Aufruffehler; 3 Veröffentlichen fehlgeschlagen; 130/143 unterbrochen.
</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>Die Projektdatei darf nicht leer bleiben.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project veröffentlicht die Fotos des Projekts: Nennen Sie nach den Optionen keine Fotos.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>Die Vorlage „%1“ des Projekts ist nicht installiert; wählen Sie eine mit --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Siehe „lumaro-publish --help“.</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>Unterbrechungen können nicht überwacht werden: Strg+C kann Dateien zurücklassen.</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Unbekannte Fotogröße &quot;%1&quot;: Verwenden Sie standard, hd oder fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Der temporäre Ordner wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Es ist keine Vorlage ausgewählt.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Die Veröffentlichung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Die Diashow konnte nicht veröffentlicht werden.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>Veröffentlichung erfolgreich!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>video (MP4)</source>
        <translation>Video (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Ein Video verwendet die Vorlage nicht: Es zeigt die Fotos nacheinander mit langsamem Zoom und Überblendungen zur Musik.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>Je Foto:</translation>
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
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>An die Musik anpassen</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Der Dateiname darf keines dieser Zeichen enthalten:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>Der angegebene Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>Der Dateiname darf nicht leer sein, bitte geben Sie einen Dateinamen ein!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Der gewählte Pfad ist ungültig, bitte wählen Sie erneut.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Veröffentlichungseinstellungen</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Fotoqualität:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
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
        <source>My Flash</source>
        <translation>Mein Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Niedrig (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Besser (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>Hoch (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (offline)</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Etwa %1 KB pro Foto.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Fotogröße:</translation>
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
        <translation>Der Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Der Name darf keines dieser Zeichen enthalten:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>Der Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>Der Name darf nicht nur aus Punkten bestehen.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>Der Name ist zu lang: Er darf höchstens %1 Bytes umfassen.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto importieren</numerusform>
            <numerusform>%n Fotos importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>%n Audiodatei importieren</numerusform>
            <numerusform>%n Audiodateien importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto löschen</numerusform>
            <numerusform>%n Fotos löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>%n Audiodatei löschen</numerusform>
            <numerusform>%n Audiodateien löschen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto verschieben</numerusform>
            <numerusform>%n Fotos verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>%n Audiodatei verschieben</numerusform>
            <numerusform>%n Audiodateien verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto kopieren</numerusform>
            <numerusform>%n Fotos kopieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>%n Audiodatei kopieren</numerusform>
            <numerusform>%n Audiodateien kopieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>%n Foto nach links drehen</numerusform>
            <numerusform>%n Fotos nach links drehen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>%n Foto nach rechts drehen</numerusform>
            <numerusform>%n Fotos nach rechts drehen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto spiegeln</numerusform>
            <numerusform>%n Fotos spiegeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto kippen</numerusform>
            <numerusform>%n Fotos kippen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>%n Foto wiederherstellen</numerusform>
            <numerusform>%n Fotos wiederherstellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>Vorlage %1 wählen</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Audio bearbeiten</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>Der Name „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>Die Diashow kann nicht nach %1 verschoben werden</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Macht aus Fotos und Musik Flash-Diashows.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>&amp;Standardgröße</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Oberfläche</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 wird in %n Sekunde beendet.</numerusform>
            <numerusform>%1 wird in %n Sekunden beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>Der Computer geht in %n Sekunde in Bereitschaft.</numerusform>
            <numerusform>Der Computer geht in %n Sekunden in Bereitschaft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>Der Computer geht in %n Sekunde in den Ruhezustand.</numerusform>
            <numerusform>Der Computer geht in %n Sekunden in den Ruhezustand.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>Der Computer wird in %n Sekunde heruntergefahren.</numerusform>
            <numerusform>Der Computer wird in %n Sekunden heruntergefahren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Jetzt beenden</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Jetzt ausführen</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Eine andere Datei gleichen Namens steht im Weg.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>Die Kopie ist unvollständig.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>Kein Speicherplatz mehr auf dem Datenträger, der „%1“ enthält</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>Für das Video konnte kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>Das Bild von %1 konnte nicht in den temporären Ordner geschrieben werden.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>Das Videowerkzeug %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>Das Video konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Das Video konnte nicht erstellt werden: %1</translation>
    </message>
</context>
</TS>
