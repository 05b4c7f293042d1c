<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Seleccionar uno o varios archivos</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Leyendo archivos de audio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto final</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Reproducir fragmento</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Fijar punto inicial</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Fijar punto final</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Ajustes generales de audio</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fundido de entrada</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Fundido de salida</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Repetir automáticamente la música de fondo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punto final</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Arrastre archivos de audio aquí</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Pista de música %1, %2, de %3 a %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>No se pudo examinar %1 en %2 segundos.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>No se pudo iniciar la herramienta de información multimedia %1.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>No es música legible.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>No se puede crear una carpeta de trabajo en %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>no hay fotos en esta carpeta</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Leyendo fotos</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Leyendo música</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Excluido del proyecto: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>No se publicó nada, como pide --strict cuando una entrada no se puede leer.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>No se pudo leer ninguna foto; no se publicó nada.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>el intervalo %1-%2 s queda fuera de sus %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Convirtiendo música</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicando</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>Se canceló la publicación.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>No hay ninguna plantilla seleccionada.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>No se pudo iniciar la publicación.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Interrumpido: se elimina lo escrito hasta ahora.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>No se pudo publicar la presentación.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>No se pudo iniciar el conversor de música %1, por lo que %2 no se pudo convertir a MP3.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 no contiene sonido que se pueda convertir a MP3.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>No se pudo convertir %1 a MP3: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>No se pudo convertir %1 a MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Guardar presentación como</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Abrir presentación</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Proyectos de Lumaro (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>No se pudo guardar la presentación.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 ya no existe. Se ha quitado de los proyectos recientes.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro no se cerró correctamente. ¿Restaurar la presentación tal como estaba el %1?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>No se pudo abrir la presentación.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>No leído: se canceló la apertura.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Esta plantilla de galería no está instalada; la presentación conserva %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Sin permiso para leer %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>No se pudo leer el dispositivo que contiene %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>No queda espacio en el dispositivo que contiene %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>Se ha agotado la cuota de disco en el dispositivo que contiene %1.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>El dispositivo que contiene %1 es de solo lectura.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>No se pudo escribir en el dispositivo que contiene %1.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Sin permiso para escribir %1.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>La carpeta de %1 no existe.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Parte de la ruta %1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>El nombre %1 es demasiado largo.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>El perfil de publicación %1 no es compatible.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>No se puede copiar %1 a %2.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>No se pueden preparar las fotos y el archivo de configuración en %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Falta el archivo %1.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>Falta la animación de plantilla %1.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>Falta la página de plantilla %1.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>Falta la foto %1.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>No se puede leer la foto %1.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>Falta el archivo de música %1.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 cambió mientras se publicaba.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>¡No se encuentra la carpeta temporal!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>No es una foto legible, o supera los %1 megapíxeles.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>No se pudieron crear las copias de trabajo de %1.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>Falta la foto original %1.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>No se puede leer la foto original %1.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Seleccionar uno o varios archivos</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progreso de la importación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importando %1...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Algunos archivos no se añadieron a la lista:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>Archivos no añadidos</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Sin motivo indicado</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Acción al terminar la &amp;tarea</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Plantilla:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importar fotos</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importar carpeta de fotos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importar archivos de audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>No se pudo iniciar el programa. Vuelva a instalarlo.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Desplazar las tiras</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Pasillo del tiempo</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>Cuadrícula 3D</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Cubo mágico</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Molinillo</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Mural de fotos</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carrusel</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Abanico</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Momento maravilloso</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Ojo de pez</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>imágenes</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 no es una base de página sin conexión</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Haga clic o pulse una tecla para iniciar la música.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Esta presentación necesita un navegador web actual con JavaScript activado.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Reflejar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Arrastre fotos aquí</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>No se pueden copiar las fotos: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>No se pueden guardar las fotos giradas: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>Foto %1 de %2, %3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>girada a la derecha</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>girada a la izquierda</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>reflejada</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>volteada</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>girada a la derecha y reflejada</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>girada a la izquierda y reflejada</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>No se puede leer la imagen %1.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>No se puede escribir la imagen %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Carpeta temporal</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Acción al terminar</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Acción al terminar la tarea:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Buscar actualizaciones automáticamente:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro no busca actualizaciones a través de la red. Estos ajustes solo se recuerdan.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>El nombre de archivo no puede contener ninguno de estos caracteres:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>No se pudo abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>La ruta seleccionada no es correcta; seleccione otra.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>La carpeta seleccionada es de solo lectura; seleccione otra carpeta.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>La carpeta temporal no se movió: no se pudo copiar «%1» (%2). Sus fotos y su música siguen donde estaban.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Moviendo las fotos y la música a la nueva carpeta temporal...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 en el byte %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 no es un proyecto de Lumaro, o está dañado: %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 no es un archivo de proyecto.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 es demasiado grande para un archivo de proyecto (más de %2 MB).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 se guardó con un Lumaro más reciente (versión %2 del formato de proyecto); este lee hasta la versión %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>No se puede guardar el proyecto %1: un proyecto admite como máximo %2 fotos y %3 pistas de música.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>No se puede guardar el proyecto como %1: es %2, uno de los originales de la presentación.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>No se puede guardar el proyecto %1: superaría los %2 MB.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Pista de música %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Pistas de música %1 a %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>Foto %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>Fotos %1 a %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>Las opciones de música</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>El archivo de proyecto</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>Los ajustes de publicación</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>La plantilla</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>una tubería, no un archivo</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>un proyecto admite como máximo %1 pistas de música</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>un proyecto admite como máximo %1 fotos</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>un socket, no un archivo</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>dañado; se usa el valor predeterminado</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>no indica el formato de proyecto de Lumaro</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>no contiene ningún proyecto</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>su versión de formato es desconocida</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>su lista de fotos o de pistas de música está dañada</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>su inicio y su final están dañados</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>sus giros y volteos están dañados</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>ningún nombre de archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>no es una ruta utilizable</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>el propio archivo de proyecto</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>«%1» no es un fragmento: escriba ARCHIVO@INICIO-FIN en segundos, por ejemplo cancion.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>«%1» no es un fragmento: el final debe ir después del inicio.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 solo se puede indicar una vez.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>No hay plantillas de galería instaladas.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>No existe la plantilla «%1». Plantillas instaladas: %2.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>La calidad debe ser un número entero de 1 a 100, no «%1».</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>El nombre no puede quedar vacío.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>El nombre no puede contener ninguno de estos caracteres:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>La carpeta de salida no puede quedar vacía.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>La carpeta de salida «%1» no es una ruta utilizable.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>La salida «%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop y --no-loop no se pueden usar a la vez.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>No se indicaron fotos: nombre archivos de fotos o carpetas después de las opciones.</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>El archivo de proyecto no puede quedar vacío.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project publica las fotos del proyecto: no nombre fotos después de las opciones.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>La plantilla «%1» del proyecto no está instalada; elija una con --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Pruebe «lumaro-publish --help».</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>No se pueden vigilar las interrupciones: Ctrl+C puede dejar archivos.</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>El tamaño del vídeo debe ser 1080 o 720, no «%1».</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>Los segundos por foto deben ser un número entero de 2 a 10 o «fit», no «%1».</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Perfil desconocido «%1»: use xml, swf, swf+html, html o video.</translation>
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
        <translation>Uso: lumaro-publish [opciones] FOTO|CARPETA...
     lumaro-publish --project ARCHIVO.lumaro [opciones]
Publica fotos y música como presentación de galería Flash, sin ventana.
Las carpetas se recorren con sus subcarpetas. Un proyecto guardado en la ventana
se publica como lo haría la ventana; las opciones indicadas además sustituyen
sus ajustes, --music su música.

Opciones:
  --template NOMBRE       plantilla de galería (véase --list-templates)
  --profile PERFIL        xml, swf, swf+html, html o video (MP4; la plantilla
                          no se aplica) (predeterminado: swf)
  --video-size ALTO       la imagen del vídeo: 1080 o 720 (predeterminado: 1080)
  --seconds-per-photo N   tiempo de cada foto en el vídeo, 2-10, o «fit» para
                          repartir la duración de la música (predeterminado: 4)
  --quality N             calidad JPEG de las fotos, 1-100 (predeterminado: 85)
  --photo-size TAMAÑO     standard (720x540, el predeterminado), hd (1440x1080) o
                          fullhd (1920x1440, para pantallas grandes)
  --music ARCHIVO[@INICIO-FIN]
                          música de fondo, repetible; INICIO y FIN en segundos
  --fade-in, --fade-out   fundido de entrada o de salida en cada pista
  --loop, --no-loop       volver a reproducir la música al terminar (predeterminado: loop)
  --name NOMBRE           nombre de la presentación (predeterminado: Mi Flash)
  --output CARPETA        dónde se guarda la presentación (predeterminado: sus documentos)
  --strict                no publicar nada si alguna entrada no se puede leer
  --project ARCHIVO       publicar un proyecto guardado en la ventana (.lumaro)
  --list-templates        mostrar las plantillas instaladas y salir
  -h, --help              mostrar esta ayuda y salir
  -v, --version           mostrar la versión y salir

La ruta publicada se escribe en la salida estándar; el progreso, en la salida de errores.
Estado de salida: 0 publicado; 1 algunas entradas no se pudieron leer (se enumeran);
2 error de uso; 3 falló la publicación; 130/143 interrumpido.
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Tamaño de foto desconocido «%1»: use standard, hd o fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>¡No se encuentra la carpeta temporal!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>No hay ninguna plantilla seleccionada.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>No se pudo iniciar la publicación.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>No se pudo publicar la presentación.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>¡Publicación correcta!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>El nombre de archivo no puede contener ninguno de estos caracteres:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>No se encontró la carpeta indicada.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>El nombre de archivo no puede quedar vacío. ¡Escriba un nombre de archivo!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>La ruta seleccionada no es correcta; seleccione otra.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Ajustes de publicación</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Calidad de las fotos:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>Mi Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Baja (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Buena (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>Alta (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (sin conexión)</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>vídeo (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Un vídeo no usa la plantilla: muestra las fotos una tras otra con un zoom lento y fundidos encadenados, al ritmo de la música.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Tamaño de imagen:</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>Cada foto:</translation>
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
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>Ajustar a la música</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Unos %1 KB por foto.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Tamaño de las fotos:</translation>
    </message>
    <message>
        <source>Standard (720 × 540)</source>
        <translation>Estándar (720 × 540)</translation>
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
        <translation>El nombre no puede quedar vacío.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>El nombre no puede contener ninguno de estos caracteres:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>El nombre no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>El nombre no puede estar formado solo por puntos.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>El nombre es demasiado largo: puede tener como máximo %1 bytes.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>Importar %n foto</numerusform>
            <numerusform>Importar %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>Importar %n archivo de audio</numerusform>
            <numerusform>Importar %n archivos de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Eliminar %n foto</numerusform>
            <numerusform>Eliminar %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Eliminar %n archivo de audio</numerusform>
            <numerusform>Eliminar %n archivos de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>Mover %n foto</numerusform>
            <numerusform>Mover %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>Mover %n archivo de audio</numerusform>
            <numerusform>Mover %n archivos de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>Copiar %n foto</numerusform>
            <numerusform>Copiar %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>Copiar %n archivo de audio</numerusform>
            <numerusform>Copiar %n archivos de audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Girar %n foto a la izquierda</numerusform>
            <numerusform>Girar %n fotos a la izquierda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Girar %n foto a la derecha</numerusform>
            <numerusform>Girar %n fotos a la derecha</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Reflejar %n foto</numerusform>
            <numerusform>Reflejar %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Voltear %n foto</numerusform>
            <numerusform>Voltear %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>Restaurar %n foto</numerusform>
            <numerusform>Restaurar %n fotos</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>Elegir la plantilla %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar audio</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>No se puede usar el nombre «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>No se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>No se puede mover la presentación a %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Convierte fotos y música en presentaciones de galería Flash.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>Tamaño pre&amp;determinado</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Apariencia</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
            <numerusform>%1 se cerrará en %n segundo.</numerusform>
            <numerusform>%1 se cerrará en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>El equipo se suspenderá en %n segundo.</numerusform>
            <numerusform>El equipo se suspenderá en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>El equipo hibernará en %n segundo.</numerusform>
            <numerusform>El equipo hibernará en %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>El equipo se apagará en %n segundo.</numerusform>
            <numerusform>El equipo se apagará en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Salir ahora</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Hacerlo ahora</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>No se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Otro archivo con ese nombre lo impide.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>La copia está incompleta.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>No queda espacio en el dispositivo que contiene «%1»</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>No se pudo crear una carpeta temporal para el vídeo.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>No se pudo escribir la imagen de %1 en la carpeta temporal.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>No se pudo iniciar la herramienta de vídeo %1.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>No se pudo crear el vídeo.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>No se pudo crear el vídeo: %1</translation>
    </message>
</context>
</TS>
