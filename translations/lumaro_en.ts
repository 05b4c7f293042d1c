<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The post-task action is chosen in the menu under &quot;Post Task Action&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>Import %n Photo</numerusform>
            <numerusform>Import %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>Import %n Audio File</numerusform>
            <numerusform>Import %n Audio Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Delete %n Photo</numerusform>
            <numerusform>Delete %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Delete %n Audio File</numerusform>
            <numerusform>Delete %n Audio Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>Move %n Photo</numerusform>
            <numerusform>Move %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>Move %n Audio File</numerusform>
            <numerusform>Move %n Audio Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>Copy %n Photo</numerusform>
            <numerusform>Copy %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>Copy %n Audio File</numerusform>
            <numerusform>Copy %n Audio Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Turn %n Photo Left</numerusform>
            <numerusform>Turn %n Photos Left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Turn %n Photo Right</numerusform>
            <numerusform>Turn %n Photos Right</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Mirror %n Photo</numerusform>
            <numerusform>Mirror %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Flip %n Photo</numerusform>
            <numerusform>Flip %n Photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>Restore %n Photo</numerusform>
            <numerusform>Restore %n Photos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 will quit in %n second.</numerusform>
            <numerusform>%1 will quit in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>The computer will stand by in %n second.</numerusform>
            <numerusform>The computer will stand by in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>The computer will hibernate in %n second.</numerusform>
            <numerusform>The computer will hibernate in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>The computer will shut down in %n second.</numerusform>
            <numerusform>The computer will shut down in %n seconds.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
