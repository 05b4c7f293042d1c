<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Lumaro</name>
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
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The post-task action is chosen in the menu under &quot;Post Task Action&quot;.</source>
        <translation>Die Aktion nach dem Veröffentlichen wählen Sie im Menü unter „Aktion nach dem Veröffentlichen“.</translation>
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
</TS>
