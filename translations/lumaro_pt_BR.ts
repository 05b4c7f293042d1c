<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Selecionar um ou mais arquivos</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Lendo arquivos de áudio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Ponto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Ponto final</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Reproduzir trecho</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Definir ponto inicial</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Definir ponto final</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Configurações gerais de áudio</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Aparecer gradualmente</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Desaparecer gradualmente</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Repetir a música de fundo automaticamente</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar áudio</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Arquivos de áudio</translation>
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
        <translation>Editar áudio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Ponto inicial</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Ponto final</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Arraste arquivos de áudio para cá</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Faixa %1, %2, de %3 a %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>Não foi possível examinar %1 em %2 segundos.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>Não foi possível iniciar a ferramenta de informações de mídia %1.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>Não é uma música legível.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>Não é possível criar uma pasta de trabalho em %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>nenhuma foto nesta pasta</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Lendo fotos</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Lendo músicas</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Deixado fora do projeto: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>Nada foi publicado, como --strict pede quando uma entrada não pode ser lida.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>Nenhuma foto pôde ser lida; nada foi publicado.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>o intervalo %1-%2 s fica fora dos seus %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Convertendo músicas</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicando</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>A publicação foi cancelada.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nenhum modelo selecionado.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Não foi possível iniciar a publicação.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Interrompido: removendo o que já foi gravado.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Não foi possível publicar a apresentação.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>Não foi possível iniciar o conversor de música %1, por isso %2 não pôde ser convertido para MP3.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 não contém som que possa ser convertido para MP3.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>Não foi possível converter %1 para MP3: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>Não foi possível converter %1 para MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refazer %1</translation>
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
        <translation>Sem título</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Salvar apresentação como</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Abrir apresentação</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Projetos do Lumaro (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>Não foi possível salvar a apresentação.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 não existe mais. Foi retirado dos projetos recentes.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>O Lumaro não foi fechado corretamente. Restaurar a apresentação como estava em %1?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>Não foi possível abrir a apresentação.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>Não lido: a abertura foi cancelada.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Este modelo de galeria não está instalado; a apresentação mantém %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Sem permissão para ler %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>Não foi possível ler o dispositivo que contém %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>Não há espaço livre no dispositivo que contém %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>A cota de disco acabou no dispositivo que contém %1.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>O dispositivo que contém %1 é somente leitura.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>Não foi possível gravar no dispositivo que contém %1.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Sem permissão para gravar %1.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>A pasta de %1 não existe.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Parte do caminho %1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>O nome %1 é longo demais.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>O perfil de publicação %1 não é suportado.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>Não é possível copiar %1 para %2.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>Não é possível preparar as fotos e o arquivo de configuração em %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Não é possível ler %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>O arquivo %1 está faltando.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>A animação do modelo %1 está faltando.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>A página do modelo %1 está faltando.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>A foto %1 está faltando.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>Não é possível ler a foto %1.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>O arquivo de música %1 está faltando.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 mudou enquanto era publicado.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Não foi possível encontrar a pasta temporária!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>Não é uma foto legível, ou tem mais de %1 megapixels.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>Não foi possível criar as cópias de trabalho de %1.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>A foto original %1 está faltando.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>Não é possível ler a foto original %1.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Selecionar um ou mais arquivos</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progresso da importação</translation>
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
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Alguns arquivos não foram adicionados à lista:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>Arquivos não adicionados</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Nenhum motivo informado</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Ação ao concluir a &amp;tarefa</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Desligar</translation>
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
        <translation>&amp;Preferências...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importar fotos</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importar pasta de fotos</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importar arquivos de áudio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar áudio</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Não foi possível iniciar o programa. Reinstale-o.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modelos</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Rolar as tiras</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Todos os arquivos suportados</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Corredor do tempo</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>Grade 3D</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Cubo mágico</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Cata-vento</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Mural de fotos</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carrossel</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Leque</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Momento maravilhoso</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Olho de peixe</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>imagens</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 não é uma base de página offline</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Clique ou pressione uma tecla para iniciar a música.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Esta apresentação precisa de um navegador atual com JavaScript ativado.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Não é possível gravar %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Girar à esquerda</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Girar à direita</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espelhar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidade</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Arraste fotos para cá</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>Não é possível copiar as fotos: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>Não é possível salvar as fotos giradas: %1</translation>
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
        <translation>girada à direita</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>girada à esquerda</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>de cabeça para baixo</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>espelhada</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>invertida</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>girada à direita e espelhada</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>girada à esquerda e espelhada</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>Não é possível ler a imagem %1.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>Não é possível gravar a imagem %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Pasta temporária</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Ação ao concluir</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Ação ao concluir a tarefa:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Não fazer nada</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Desligar</translation>
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
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Procurar atualizações automaticamente:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Todo dia</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Toda semana</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Todo mês</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>O Lumaro não procura atualizações pela rede. Estas configurações são apenas guardadas.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>O nome do arquivo não pode conter nenhum destes caracteres:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Não foi possível abrir a pasta “%1”.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>O caminho selecionado está incorreto, selecione novamente.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>A pasta selecionada é somente leitura, selecione outra pasta.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>A pasta temporária não foi movida: não foi possível copiar “%1” (%2). Suas fotos e músicas continuam onde estavam.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Movendo as fotos e músicas para a nova pasta temporária...</translation>
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
        <translation>%1 no byte %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 não é um projeto do Lumaro, ou está danificado: %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 não é um arquivo de projeto.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 é grande demais para um arquivo de projeto (mais de %2 MB).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 foi salvo por um Lumaro mais novo (formato de projeto versão %2); este lê até a versão %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Não é possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>Não é possível salvar o projeto %1: um projeto comporta no máximo %2 fotos e %3 faixas de música.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>Não é possível salvar o projeto como %1: esse é %2, um dos originais da apresentação.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>Não é possível salvar o projeto %1: ele passaria de %2 MB.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Faixa de música %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Faixas de música %1 a %2</translation>
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
        <translation>As opções de música</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>O arquivo de projeto</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>As configurações de publicação</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>O modelo</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>um pipe, não um arquivo</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>um projeto comporta no máximo %1 faixas de música</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>um projeto comporta no máximo %1 fotos</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>um socket, não um arquivo</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>danificado; o padrão é usado</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>ele não indica o formato de projeto do Lumaro</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>ele não contém nenhum projeto</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>sua versão de formato é desconhecida</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>sua lista de fotos ou de faixas de música está danificada</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>seu início e seu fim estão danificados</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>suas rotações e inversões estão danificadas</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>nenhum nome de arquivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>não é um caminho utilizável</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>o próprio arquivo de projeto</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>“%1” não é um trecho: escreva ARQUIVO@INÍCIO-FIM em segundos, por exemplo musica.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>“%1” não é um trecho: o fim deve vir depois do início.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 só pode ser informado uma vez.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>Nenhum modelo de galeria está instalado.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>Não existe o modelo “%1”. Modelos instalados: %2.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>A qualidade deve ser um número inteiro de 1 a 100, não “%1”.</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>O nome não pode ficar em branco.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>O nome não pode conter nenhum destes caracteres:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>A pasta de saída não pode ficar em branco.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>A pasta de saída “%1” não é um caminho utilizável.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>A saída “%1” é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop e --no-loop não podem ser usados juntos.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>Nenhuma foto informada: indique arquivos de fotos ou pastas depois das opções.</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>O arquivo de projeto não pode ficar em branco.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project publica as fotos do projeto: não indique fotos depois das opções.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>O modelo “%1” do projeto não está instalado; escolha um com --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Tente “lumaro-publish --help”.</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>Não é possível monitorar interrupções: Ctrl+C pode deixar arquivos para trás.</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>O tamanho do vídeo deve ser 1080 ou 720, não “%1”.</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>Os segundos por foto devem ser um número inteiro de 2 a 10 ou “fit”, não “%1”.</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Perfil desconhecido “%1”: use xml, swf, swf+html, html ou video.</translation>
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
        <translation>Uso: lumaro-publish [opções] FOTO|PASTA...
     lumaro-publish --project ARQUIVO.lumaro [opções]
Publica fotos e músicas como apresentação de galeria Flash, sem janela.
As pastas são percorridas com suas subpastas. Um projeto salvo na janela é
publicado como a janela faria; opções informadas também substituem suas
configurações, --music sua música.

Opções:
  --template NOME         modelo de galeria (veja --list-templates)
  --profile PERFIL        xml, swf, swf+html, html ou video (MP4; o modelo
                          não se aplica) (padrão: swf)
  --video-size ALTURA     o quadro do vídeo: 1080 ou 720 (padrão: 1080)
  --seconds-per-photo N   tempo de cada foto no vídeo, 2-10, ou “fit” para
                          dividir a duração da música (padrão: 4)
  --quality N             qualidade JPEG das fotos, 1-100 (padrão: 85)
  --photo-size TAMANHO    standard (720x540, o padrão), hd (1440x1080) ou
                          fullhd (1920x1440, para telas grandes)
  --music ARQUIVO[@INÍCIO-FIM]
                          música de fundo, pode repetir; INÍCIO e FIM em segundos
  --fade-in, --fade-out   fazer cada faixa aparecer ou desaparecer gradualmente
  --loop, --no-loop       tocar a música de novo quando ela terminar (padrão: loop)
  --name NOME             nome da apresentação (padrão: Meu Flash)
  --output PASTA          para onde vai a apresentação (padrão: seus documentos)
  --strict                não publicar nada se alguma entrada não puder ser lida
  --project ARQUIVO       publicar um projeto salvo na janela (.lumaro)
  --list-templates        listar os modelos instalados e sair
  -h, --help              mostrar esta ajuda e sair
  -v, --version           mostrar a versão e sair

O caminho publicado vai para a saída padrão, o progresso para a saída de erro.
Status de saída: 0 publicado; 1 algumas entradas não puderam ser lidas (são listadas);
2 erro de uso; 3 falha na publicação; 130/143 interrompido.
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Tamanho de foto desconhecido “%1”: use standard, hd ou fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Não foi possível encontrar a pasta temporária!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nenhum modelo selecionado.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Não foi possível iniciar a publicação.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Não foi possível publicar a apresentação.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>Publicação concluída!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>O nome do arquivo não pode conter nenhum destes caracteres:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Selecionar uma pasta</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>A pasta indicada não foi encontrada.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>O nome do arquivo não pode ficar em branco; digite um nome de arquivo!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>O caminho selecionado está incorreto, selecione novamente.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Configurações de publicação</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Qualidade das fotos:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
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
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>Meu Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Baixa (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Boa (85)</translation>
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
        <translation>vídeo (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Um vídeo não usa o modelo: ele mostra as fotos uma após a outra com um zoom lento e transições suaves, ao som da música.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Tamanho do quadro:</translation>
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
        <translation>Ajustar à música</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Cerca de %1 KB por foto.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Tamanho das fotos:</translation>
    </message>
    <message>
        <source>Standard (720 × 540)</source>
        <translation>Padrão (720 × 540)</translation>
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
        <translation>O nome não pode ficar em branco.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>O nome não pode conter nenhum destes caracteres:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>O nome não pode conter caracteres de controle.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>O nome não pode ser formado só por pontos.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>O nome é longo demais: pode ter no máximo %1 bytes.</translation>
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
            <numerusform>Importar %n arquivo de áudio</numerusform>
            <numerusform>Importar %n arquivos de áudio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Excluir %n foto</numerusform>
            <numerusform>Excluir %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Excluir %n arquivo de áudio</numerusform>
            <numerusform>Excluir %n arquivos de áudio</numerusform>
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
            <numerusform>Mover %n arquivo de áudio</numerusform>
            <numerusform>Mover %n arquivos de áudio</numerusform>
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
            <numerusform>Copiar %n arquivo de áudio</numerusform>
            <numerusform>Copiar %n arquivos de áudio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Girar %n foto à esquerda</numerusform>
            <numerusform>Girar %n fotos à esquerda</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Girar %n foto à direita</numerusform>
            <numerusform>Girar %n fotos à direita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Espelhar %n foto</numerusform>
            <numerusform>Espelhar %n fotos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Inverter %n foto</numerusform>
            <numerusform>Inverter %n fotos</numerusform>
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
        <translation>Escolher o modelo %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar áudio</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>O nome “%1” não pode ser usado: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>Não é possível gravar na pasta %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>Não é possível mover a apresentação para %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Transforma fotos e músicas em apresentações de galeria Flash.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Sempre &amp;visível</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>Tamanho &amp;padrão</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Aparência</translation>
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
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 será fechado em %n segundo.</numerusform>
            <numerusform>%1 será fechado em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>O computador vai suspender em %n segundo.</numerusform>
            <numerusform>O computador vai suspender em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>O computador vai hibernar em %n segundo.</numerusform>
            <numerusform>O computador vai hibernar em %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>O computador vai desligar em %n segundo.</numerusform>
            <numerusform>O computador vai desligar em %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Sair agora</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Fazer agora</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Não é possível criar a pasta.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Outro arquivo com esse nome está no caminho.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>A cópia está incompleta.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>Não há espaço livre no dispositivo que contém “%1”</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>Não foi possível criar uma pasta temporária para o vídeo.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>Não foi possível gravar a imagem de %1 na pasta temporária.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>Não foi possível iniciar a ferramenta de vídeo %1.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>Não foi possível criar o vídeo.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Não foi possível criar o vídeo: %1</translation>
    </message>
</context>
</TS>
