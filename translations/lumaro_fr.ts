<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Sélectionner un ou plusieurs fichiers</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Lecture des fichiers audio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Lire l’extrait</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Définir le point de départ</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Définir le point de fin</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Rétablir le son</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Réglages audio généraux</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu d’entrée</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fondu de sortie</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Répéter automatiquement la musique de fond</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier l’audio</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Fichiers audio</translation>
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
        <translation>Modifier l’audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Fréquence d’échantillonnage</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Point de départ</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Point de fin</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Faites glisser des fichiers audio ici</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Morceau %1, %2, de %3 à %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>%1 n’a pas pu être analysé en moins de %2 secondes.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>L’outil d’information multimédia %1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>Ce n’est pas de la musique lisible.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>Impossible de créer un dossier de travail dans %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>aucune photo dans ce dossier</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Lecture des photos</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Lecture de la musique</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Laissé hors du projet : %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>Rien n’a été publié, comme le demande --strict lorsqu’une entrée est illisible.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>Aucune photo n’a pu être lue ; rien n’a été publié.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>l’intervalle %1-%2 s dépasse sa durée de %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Conversion de la musique</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>La publication a été annulée.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Aucun modèle n’est sélectionné.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>La publication n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Interrompu : suppression de ce qui a déjà été écrit.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Le diaporama n’a pas pu être publié.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>Le convertisseur audio %1 n’a pas pu être lancé ; %2 n’a donc pas pu être converti en MP3.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 ne contient aucun son convertible en MP3.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>%1 n’a pas pu être converti en MP3 : %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>%1 n’a pas pu être converti en MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Enregistrer le diaporama sous</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Ouvrir un diaporama</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Projets Lumaro (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>Le diaporama n’a pas pu être enregistré.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 n’existe plus. Il a été retiré des projets récents.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro n’a pas été fermé correctement. Restaurer le diaporama tel qu’il était le %1 ?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>Le diaporama n’a pas pu être ouvert.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>Non lu : l’ouverture a été annulée.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Ce modèle de galerie n’est pas installé ; le diaporama conserve %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n’existe pas.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Pas d’autorisation de lecture pour %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>Le périphérique contenant %1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>Plus d’espace libre sur le périphérique contenant %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>Le quota disque est épuisé sur le périphérique contenant %1.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>Le périphérique contenant %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>Impossible d’écrire sur le périphérique contenant %1.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Pas d’autorisation d’écriture pour %1.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>Le dossier de %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Une partie du chemin %1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Le nom %1 est trop long.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>Le profil de publication %1 n’est pas pris en charge.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>Impossible de copier %1 vers %2.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>Impossible de préparer les photos et le fichier de configuration dans %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Le fichier %1 est manquant.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>L’animation du modèle %1 est manquante.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>La page du modèle %1 est manquante.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>La photo %1 est manquante.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>La photo %1 ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>Le fichier de musique %1 est manquant.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 a été modifié pendant la publication.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Le dossier temporaire est introuvable !</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>Ce n’est pas une photo lisible, ou elle dépasse %1 mégapixels.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>Les copies de travail de %1 n’ont pas pu être créées.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>La photo d’origine %1 est manquante.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>La photo d’origine %1 ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Sélectionner un ou plusieurs fichiers</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progression de l’importation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importation de %1...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Certains fichiers n’ont pas été ajoutés à la liste :
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>Fichiers non ajoutés</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Aucune raison indiquée</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Action après la &amp;tâche</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Mettre en veille prolongée</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importer des photos</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importer un dossier de photos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importer des fichiers audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier l’audio</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Le programme n’a pas pu démarrer. Veuillez le réinstaller.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Faire défiler les bandes</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Couloir du temps</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>Grille 3D</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Cube magique</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Moulinet</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Mur de photos</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carrousel</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Éventail</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Moment merveilleux</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Fisheye</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>images</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 n’est pas un modèle de page hors ligne</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Cliquez ou appuyez sur une touche pour lancer la musique.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Ce diaporama nécessite un navigateur web récent avec JavaScript activé.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Faites glisser des photos ici</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>Impossible de copier les photos : %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>Impossible d’enregistrer les photos pivotées : %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>Photo %1 sur %2, %3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>pivotée à droite</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>pivotée à gauche</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>à l’envers</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>en miroir</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>retournée</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>pivotée à droite et en miroir</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>pivotée à gauche et en miroir</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>Impossible de lire l’image %1.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>Impossible d’écrire l’image %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Dossier temporaire</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Action après la création</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Action après la tâche :</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Veille prolongée</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Rechercher automatiquement les mises à jour :</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro ne recherche pas de mises à jour sur le réseau. Ces réglages sont seulement mémorisés.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Le nom de fichier ne peut contenir aucun de ces caractères :%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Le chemin sélectionné est incorrect, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Le dossier sélectionné est en lecture seule, veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>Le dossier temporaire n’a pas été déplacé : « %1 » n’a pas pu être copié (%2). Vos photos et votre musique restent où elles étaient.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Déplacement des photos et de la musique vers le nouveau dossier temporaire...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 à l’octet %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 n’est pas un projet Lumaro, ou il est endommagé : %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 n’est pas un fichier de projet.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 est trop volumineux pour un fichier de projet (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 a été enregistré par une version plus récente de Lumaro (format de projet version %2) ; celle-ci lit jusqu’à la version %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d’ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>Impossible d’enregistrer le projet %1 : un projet contient au plus %2 photos et %3 morceaux.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>Impossible d’enregistrer le projet sous %1 : c’est %2, l’un des originaux du diaporama.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>Impossible d’enregistrer le projet %1 : il dépasserait %2 Mo.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Morceau %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Morceaux %1 à %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>Photo %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>Photos %1 à %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>Les options de musique</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>Le fichier de projet</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>Les paramètres de publication</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>Le modèle</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>un tube, pas un fichier</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>un projet contient au plus %1 morceaux</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>un projet contient au plus %1 photos</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>une socket, pas un fichier</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>endommagé ; la valeur par défaut est utilisée</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>il n’indique pas le format de projet Lumaro</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>il ne contient aucun projet</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>sa version de format est inconnue</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>sa liste de photos ou de morceaux est endommagée</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>son début et sa fin sont endommagés</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>ses rotations et retournements sont endommagés</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>pas un chemin utilisable</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>le fichier de projet lui-même</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>« %1 » n’est pas un extrait : écrivez FICHIER@DÉBUT-FIN en secondes, par exemple chanson.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>« %1 » n’est pas un extrait : la fin doit venir après le début.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 ne peut être indiqué qu’une fois.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>Aucun modèle de galerie n’est installé.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>Il n’y a pas de modèle « %1 ». Modèles installés : %2.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>La qualité doit être un nombre entier de 1 à 100, pas « %1 ».</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>Le nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Le nom ne peut contenir aucun de ces caractères :%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>Le dossier de sortie ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>Le dossier de sortie « %1 » n’est pas un chemin utilisable.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>La sortie « %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop et --no-loop ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>Aucune photo indiquée : nommez des fichiers photo ou des dossiers après les options.</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>Le fichier de projet ne peut pas être vide.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project publie les photos du projet : ne nommez aucune photo après les options.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>Le modèle « %1 » du projet n’est pas installé ; choisissez-en un avec --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Essayez « lumaro-publish --help ».</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>Les interruptions ne peuvent pas être surveillées : Ctrl+C risque de laisser des fichiers.</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>La taille de la vidéo doit être 1080 ou 720, pas « %1 ».</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>Les secondes par photo doivent être un nombre entier de 2 à 10 ou « fit », pas « %1 ».</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Profil inconnu « %1 » : utilisez xml, swf, swf+html, html ou video.</translation>
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
        <translation>Utilisation : lumaro-publish [options] PHOTO|DOSSIER...
              lumaro-publish --project FICHIER.lumaro [options]
Publie des photos et de la musique sous forme de diaporama de galerie Flash, sans fenêtre.
Les dossiers sont parcourus avec leurs sous-dossiers. Un projet enregistré dans la
fenêtre est publié comme la fenêtre le ferait ; les options indiquées en plus
remplacent ses réglages, --music sa musique.

Options :
  --template NOM          modèle de galerie (voir --list-templates)
  --profile PROFIL        xml, swf, swf+html, html ou video (MP4 ; le modèle
                          ne s’applique pas) (par défaut : swf)
  --video-size HAUTEUR    l’image de la vidéo : 1080 ou 720 (par défaut : 1080)
  --seconds-per-photo N   durée de chaque photo dans la vidéo, 2-10, ou « fit »
                          pour répartir la durée de la musique (par défaut : 4)
  --quality N             qualité JPEG des photos, 1-100 (par défaut : 85)
  --photo-size TAILLE     standard (720x540, par défaut), hd (1440x1080) ou
                          fullhd (1920x1440, pour les grands écrans)
  --music FICHIER[@DÉBUT-FIN]
                          musique de fond, répétable ; DÉBUT et FIN en secondes
  --fade-in, --fade-out   fondu d’entrée ou de sortie sur chaque morceau
  --loop, --no-loop       rejouer la musique quand elle se termine (par défaut : loop)
  --name NOM              nom du diaporama (par défaut : Mon Flash)
  --output DOSSIER        destination du diaporama (par défaut : vos documents)
  --strict                ne rien publier si une entrée est illisible
  --project FICHIER       publier un projet enregistré dans la fenêtre (.lumaro)
  --list-templates        lister les modèles installés et quitter
  -h, --help              afficher cette aide et quitter
  -v, --version           afficher la version et quitter

Le chemin publié est écrit sur la sortie standard, la progression sur l’erreur standard.
Code de sortie : 0 publié ; 1 certaines entrées étaient illisibles (elles sont listées) ;
2 erreur d’utilisation ; 3 échec de la publication ; 130/143 interrompu.
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Taille de photo inconnue « %1 » : utilisez standard, hd ou fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Le dossier temporaire est introuvable !</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Aucun modèle n’est sélectionné.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>La publication n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Le diaporama n’a pas pu être publié.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>Publication réussie !</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Le nom de fichier ne peut contenir aucun de ces caractères :%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>Le dossier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>Le nom de fichier ne peut pas être vide, veuillez saisir un nom de fichier !</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Le chemin sélectionné est incorrect, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Paramètres de publication</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualité des photos :</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil :</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination :</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>Mon Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Basse (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Bonne (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>Haute (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (hors ligne)</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>vidéo (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Une vidéo n’utilise pas le modèle : elle montre les photos l’une après l’autre avec un zoom lent et des fondus enchaînés, sur la musique.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Taille de l’image :</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>Par photo :</translation>
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
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>Adapter à la musique</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Environ %1 Ko par photo.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Taille des photos :</translation>
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
        <translation>Le nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Le nom ne peut contenir aucun de ces caractères :%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>Le nom ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>Le nom ne peut pas être composé uniquement de points.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>Le nom est trop long : il peut compter au plus %1 octets.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>Importer %n photo</numerusform>
            <numerusform>Importer %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>Importer %n fichier audio</numerusform>
            <numerusform>Importer %n fichiers audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Supprimer %n photo</numerusform>
            <numerusform>Supprimer %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Supprimer %n fichier audio</numerusform>
            <numerusform>Supprimer %n fichiers audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>Déplacer %n photo</numerusform>
            <numerusform>Déplacer %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>Déplacer %n fichier audio</numerusform>
            <numerusform>Déplacer %n fichiers audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>Copier %n photo</numerusform>
            <numerusform>Copier %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>Copier %n fichier audio</numerusform>
            <numerusform>Copier %n fichiers audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Pivoter %n photo à gauche</numerusform>
            <numerusform>Pivoter %n photos à gauche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Pivoter %n photo à droite</numerusform>
            <numerusform>Pivoter %n photos à droite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Inverser %n photo en miroir</numerusform>
            <numerusform>Inverser %n photos en miroir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Retourner %n photo</numerusform>
            <numerusform>Retourner %n photos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>Restaurer %n photo</numerusform>
            <numerusform>Restaurer %n photos</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>Choisir le modèle %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier l’audio</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>Le nom « %1 » ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>Impossible d’écrire dans le dossier %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>Impossible de déplacer le diaporama vers %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Transforme photos et musique en diaporamas de galerie Flash.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>Taille par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Apparence</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
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
            <numerusform>%1 va se fermer dans %n seconde.</numerusform>
            <numerusform>%1 va se fermer dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>L’ordinateur va se mettre en veille dans %n seconde.</numerusform>
            <numerusform>L’ordinateur va se mettre en veille dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>L’ordinateur va passer en veille prolongée dans %n seconde.</numerusform>
            <numerusform>L’ordinateur va passer en veille prolongée dans %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>L’ordinateur va s’éteindre dans %n seconde.</numerusform>
            <numerusform>L’ordinateur va s’éteindre dans %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Quitter maintenant</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Exécuter maintenant</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Le dossier ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Un autre fichier du même nom gêne.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>La copie est incomplète.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>Plus d’espace libre sur le périphérique contenant « %1 »</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>Aucun dossier temporaire n’a pu être créé pour la vidéo.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>L’image de %1 n’a pas pu être écrite dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>L’outil vidéo %1 n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>La vidéo n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>La vidéo n’a pas pu être créée : %1</translation>
    </message>
</context>
</TS>
