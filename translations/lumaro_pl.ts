<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Wybierz jeden lub więcej plików</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>Odczytywanie plików audio...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>Odtwórz fragment</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>Ustaw punkt początkowy</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>Ustaw punkt końcowy</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Włącz dźwięk</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>Ogólne ustawienia audio</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Stopniowe pojawianie</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>Stopniowe wyciszanie</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>Automatycznie powtarzaj muzykę w tle</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>Pliki audio</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Częstotliwość próbkowania</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>Punkt początkowy</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>Punkt końcowy</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>Przeciągnij tutaj pliki audio</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>Utwór %1, %2, od %3 do %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>Nie udało się zbadać %1 w ciągu %2 sekund.</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>Nie udało się uruchomić narzędzia informacji o multimediach %1.</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>To nie jest muzyka, którą można odczytać.</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>Nie można utworzyć folderu roboczego w %1</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>brak zdjęć w tym folderze</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>Odczytywanie zdjęć</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>Odczytywanie muzyki</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Nie udało się odczytać %1: %2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>Pominięto w projekcie: %1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>Niczego nie opublikowano, tak jak wymaga --strict, gdy nie można odczytać danych wejściowych.</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>Nie udało się odczytać żadnego zdjęcia; niczego nie opublikowano.</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>zakres %1-%2 s wykracza poza jego %3 s</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>Konwertowanie muzyki</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publikowanie</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>Publikowanie zostało anulowane.</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nie wybrano szablonu.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Nie udało się rozpocząć publikowania.</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>Przerwano: usuwanie tego, co dotąd zapisano.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Nie udało się opublikować pokazu slajdów.</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>Nie udało się uruchomić konwertera muzyki %1, więc nie można było przekonwertować %2 do MP3.</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 nie zawiera dźwięku, który można przekonwertować do MP3.</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>Nie udało się przekonwertować %1 do MP3: %2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>Nie udało się przekonwertować %1 do MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otwórz &amp;ostatnie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>Zapisz pokaz slajdów jako</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Otwórz pokaz slajdów</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Projekty Lumaro (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Zastąp</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>Nie udało się zapisać pokazu slajdów.
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 już nie istnieje. Usunięto go z ostatnich projektów.</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro nie został poprawnie zamknięty. Przywrócić pokaz slajdów do stanu z %1?</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>Nie udało się otworzyć pokazu slajdów.
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>Nie odczytano: otwieranie zostało anulowane.</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>Ten szablon galerii nie jest zainstalowany; pokaz slajdów zachowuje %1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 nie istnieje.</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>Brak uprawnień do odczytu %1.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 jest folderem, a nie plikiem.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>Nie udało się odczytać urządzenia zawierającego %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>Brak wolnego miejsca na urządzeniu zawierającym %1.</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>Limit dyskowy na urządzeniu zawierającym %1 został wyczerpany.</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>Urządzenie zawierające %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>Nie udało się zapisać na urządzeniu zawierającym %1.</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>Brak uprawnień do zapisu %1.</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>Folder dla %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>Część ścieżki %1 jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>Nazwa %1 jest za długa.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Nie można zapisać %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>Profil publikowania %1 nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>Nie można skopiować %1 do %2.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>Nie można przygotować zdjęć i pliku konfiguracyjnego w %1.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>Brak pliku %1.</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>Brak animacji szablonu %1.</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>Brak strony szablonu %1.</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>Brak zdjęcia %1.</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>Nie można odczytać zdjęcia %1.</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>Brak pliku muzycznego %1.</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 zmienił się podczas publikowania.</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Nie można znaleźć folderu tymczasowego!</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>To nie jest zdjęcie, które można odczytać, lub ma więcej niż %1 megapikseli.</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>Nie udało się utworzyć kopii roboczych %1.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Nie można było odczytać %1.</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>Brak oryginalnego zdjęcia %1.</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>Nie można odczytać oryginalnego zdjęcia %1.</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>Wybierz jeden lub więcej plików</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Wybierz folder</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Postęp importu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importowanie %1...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>Niektóre pliki nie zostały dodane do listy:
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>Pliki niedodane</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>Nie podano przyczyny</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>Działanie po &amp;zakończeniu</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencje...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Szablon:</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>Importuj zdjęcia</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>Importuj folder ze zdjęciami</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>Importuj pliki audio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij w poziomie</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odbij w pionie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publikuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>Nie udało się uruchomić programu. Zainstaluj go ponownie.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Szablony</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>Przewiń paski</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>Wszystkie obsługiwane pliki</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>Korytarz czasu</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>Siatka 3D</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>Magiczna kostka</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>Wiatraczek</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>Ściana zdjęć</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Karuzela</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Wachlarz</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>Cudowna chwila</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>Rybie oko</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>obrazy</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 nie jest szkieletem strony offline</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>Kliknij lub naciśnij klawisz, aby uruchomić muzykę.</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>Ten pokaz slajdów wymaga aktualnej przeglądarki z włączonym JavaScriptem.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Nie można zapisać %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Obróć w lewo</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Obróć w prawo</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Odbij w poziomie</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Odbij w pionie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Głębia</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bity</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>Przeciągnij tutaj zdjęcia</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>Nie można skopiować zdjęć: %1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>Nie można zapisać obróconych zdjęć: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>Zdjęcie %1 z %2, %3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>obrócone w prawo</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>obrócone w lewo</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>do góry nogami</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>odbite w poziomie</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>odbite w pionie</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>obrócone w prawo i odbite w poziomie</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>obrócone w lewo i odbite w poziomie</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>Nie można odczytać obrazu %1.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>Nie można zapisać obrazu %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>Folder tymczasowy</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>Działanie po utworzeniu</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>Działanie po zakończeniu zadania:</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nic nie rób</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Aktualizacje</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>Automatycznie sprawdzaj aktualizacje:</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro nie sprawdza aktualizacji przez sieć. Te ustawienia są tylko zapamiętywane.</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Nazwa pliku nie może zawierać żadnego z tych znaków:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>Nie udało się otworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Wybrana ścieżka jest nieprawidłowa, wybierz ponownie.</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>Wybrany folder jest tylko do odczytu, wybierz inny folder.</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>Folder tymczasowy nie został przeniesiony: nie udało się skopiować „%1” (%2). Twoje zdjęcia i muzyka pozostają tam, gdzie były.</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>Przenoszenie zdjęć i muzyki do nowego folderu tymczasowego...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 w bajcie %2</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 nie jest projektem Lumaro lub jest uszkodzony: %2.</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 nie jest plikiem projektu.</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 jest za duży na plik projektu (ponad %2 MB).</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 został zapisany przez nowsze Lumaro (wersja formatu projektu %2); ta wersja odczytuje do wersji %3.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Nie można otworzyć %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>Nie można zapisać projektu %1: projekt mieści najwyżej %2 zdjęć i %3 utworów.</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>Nie można zapisać projektu jako %1: to jest %2, jeden z oryginałów pokazu slajdów.</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>Nie można zapisać projektu %1: byłby większy niż %2 MB.</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>Utwór %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>Utwory od %1 do %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>Zdjęcie %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>Zdjęcia od %1 do %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>Opcje muzyki</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>Plik projektu</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>Ustawienia publikowania</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>Szablon</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>folder, a nie plik</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>potok, a nie plik</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>projekt mieści najwyżej %1 utworów</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>projekt mieści najwyżej %1 zdjęć</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>uszkodzone</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>uszkodzone; użyto wartości domyślnej</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>nie podaje formatu projektu Lumaro</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>nie zawiera projektu</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>wersja formatu jest nieznana</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>lista zdjęć lub utworów jest uszkodzona</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>początek i koniec są uszkodzone</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>obroty i odbicia są uszkodzone</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>nie jest użyteczną ścieżką</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>sam plik projektu</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>„%1” nie jest fragmentem: wpisz PLIK@POCZĄTEK-KONIEC w sekundach, na przykład piosenka.mp3@10-70.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>„%1” nie jest fragmentem: koniec musi być po początku.</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 można podać tylko raz.</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>Nie zainstalowano żadnych szablonów galerii.</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>Nie ma szablonu „%1”. Zainstalowane szablony: %2.</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>Jakość musi być liczbą całkowitą od 1 do 100, a nie „%1”.</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Nazwa nie może zawierać żadnego z tych znaków:%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>Folder wyjściowy nie może być pusty.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>Folder wyjściowy „%1” nie jest użyteczną ścieżką.</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>Wyjście „%1” jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>Nie można użyć jednocześnie --loop i --no-loop.</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>Nie podano zdjęć: podaj pliki zdjęć lub foldery po opcjach.</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>Plik projektu nie może być pusty.</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project publikuje zdjęcia projektu: nie podawaj zdjęć po opcjach.</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>Szablon projektu „%1” nie jest zainstalowany; wybierz inny przez --template.</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>Spróbuj „lumaro-publish --help”.</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>Nie można obserwować przerwań: Ctrl+C może pozostawić pliki.</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>Rozmiar wideo musi wynosić 1080 lub 720, a nie „%1”.</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>Liczba sekund na zdjęcie musi być liczbą całkowitą od 2 do 10 lub „fit”, a nie „%1”.</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>Nieznany profil „%1”: użyj xml, swf, swf+html, html lub video.</translation>
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
        <translation>Użycie: lumaro-publish [opcje] ZDJĘCIE|FOLDER...
        lumaro-publish --project PLIK.lumaro [opcje]
Publikuje zdjęcia i muzykę jako pokaz slajdów z galerią Flash, bez okna.
Foldery są przeszukiwane wraz z podfolderami. Projekt zapisany w oknie jest
publikowany tak, jak zrobiłoby to okno; dodatkowo podane opcje zastępują jego
ustawienia, --music jego muzykę.

Opcje:
  --template NAZWA        szablon galerii (zob. --list-templates)
  --profile PROFIL        xml, swf, swf+html, html lub video (MP4; szablon
                          nie ma zastosowania) (domyślnie: swf)
  --video-size WYSOKOŚĆ   klatka wideo: 1080 lub 720 (domyślnie: 1080)
  --seconds-per-photo N   czas każdego zdjęcia w wideo, 2-10, lub „fit”, aby
                          podzielić długość muzyki (domyślnie: 4)
  --quality N             jakość JPEG zdjęć, 1-100 (domyślnie: 85)
  --photo-size ROZMIAR    standard (720x540, domyślnie), hd (1440x1080) lub
                          fullhd (1920x1440, dla dużych ekranów)
  --music PLIK[@POCZĄTEK-KONIEC]
                          muzyka w tle, można powtarzać; POCZĄTEK i KONIEC w sekundach
  --fade-in, --fade-out   stopniowe pojawianie lub wyciszanie każdego utworu
  --loop, --no-loop       odtwarzaj muzykę ponownie po jej zakończeniu (domyślnie: loop)
  --name NAZWA            nazwa pokazu slajdów (domyślnie: Mój Flash)
  --output FOLDER         dokąd trafia pokaz slajdów (domyślnie: twoje dokumenty)
  --strict                nie publikuj niczego, gdy nie można odczytać danych wejściowych
  --project PLIK          opublikuj projekt zapisany w oknie (.lumaro)
  --list-templates        wypisz zainstalowane szablony i zakończ
  -h, --help              pokaż tę pomoc i zakończ
  -v, --version           pokaż wersję i zakończ

Opublikowana ścieżka trafia na standardowe wyjście, postęp na standardowe wyjście błędów.
Kod wyjścia: 0 opublikowano; 1 niektórych danych nie można było odczytać (są wymienione);
2 błąd użycia; 3 publikowanie nie powiodło się; 130/143 przerwano.
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>Nieznany rozmiar zdjęć „%1”: użyj standard, hd lub fullhd.</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>Nie można znaleźć folderu tymczasowego!</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>Nie wybrano szablonu.</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>Nie udało się rozpocząć publikowania.</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>Nie udało się opublikować pokazu slajdów.</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>Opublikowano pomyślnie!</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>Nazwa pliku nie może zawierać żadnego z tych znaków:%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>Nie znaleziono podanego folderu.</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>Nazwa pliku nie może być pusta, wpisz nazwę pliku!</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>Wybrana ścieżka jest nieprawidłowa, wybierz ponownie.</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>Ustawienia publikowania</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>Jakość zdjęć:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Miejsce docelowe:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>Mój Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>Niska (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>Dobra (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>Wysoka (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html (offline)</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>wideo (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>Wideo nie korzysta z szablonu: pokazuje zdjęcia jedno po drugim z powolnym zbliżeniem i przenikaniem, w rytm muzyki.</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>Rozmiar obrazu:</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>Każde zdjęcie:</translation>
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
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>Dopasuj do muzyki</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>Około %1 KB na zdjęcie.</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>Rozmiar zdjęć:</translation>
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
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>Nazwa nie może zawierać żadnego z tych znaków:%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>Nazwa nie może zawierać znaków sterujących.</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>Nazwa nie może składać się z samych kropek.</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>Nazwa jest za długa: może mieć najwyżej %1 bajtów.</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>Importuj %n zdjęcie</numerusform>
            <numerusform>Importuj %n zdjęcia</numerusform>
            <numerusform>Importuj %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>Importuj %n plik audio</numerusform>
            <numerusform>Importuj %n pliki audio</numerusform>
            <numerusform>Importuj %n plików audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>Usuń %n zdjęcie</numerusform>
            <numerusform>Usuń %n zdjęcia</numerusform>
            <numerusform>Usuń %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>Usuń %n plik audio</numerusform>
            <numerusform>Usuń %n pliki audio</numerusform>
            <numerusform>Usuń %n plików audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>Przenieś %n zdjęcie</numerusform>
            <numerusform>Przenieś %n zdjęcia</numerusform>
            <numerusform>Przenieś %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>Przenieś %n plik audio</numerusform>
            <numerusform>Przenieś %n pliki audio</numerusform>
            <numerusform>Przenieś %n plików audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>Kopiuj %n zdjęcie</numerusform>
            <numerusform>Kopiuj %n zdjęcia</numerusform>
            <numerusform>Kopiuj %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>Kopiuj %n plik audio</numerusform>
            <numerusform>Kopiuj %n pliki audio</numerusform>
            <numerusform>Kopiuj %n plików audio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>Obróć %n zdjęcie w lewo</numerusform>
            <numerusform>Obróć %n zdjęcia w lewo</numerusform>
            <numerusform>Obróć %n zdjęć w lewo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>Obróć %n zdjęcie w prawo</numerusform>
            <numerusform>Obróć %n zdjęcia w prawo</numerusform>
            <numerusform>Obróć %n zdjęć w prawo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>Odbij w poziomie %n zdjęcie</numerusform>
            <numerusform>Odbij w poziomie %n zdjęcia</numerusform>
            <numerusform>Odbij w poziomie %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>Odbij w pionie %n zdjęcie</numerusform>
            <numerusform>Odbij w pionie %n zdjęcia</numerusform>
            <numerusform>Odbij w pionie %n zdjęć</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>Przywróć %n zdjęcie</numerusform>
            <numerusform>Przywróć %n zdjęcia</numerusform>
            <numerusform>Przywróć %n zdjęć</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>Wybierz szablon %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Edytuj audio</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>Nie można użyć nazwy „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>Nie można zapisać w folderze %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>Nie można przenieść pokazu slajdów do %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
Zamienia zdjęcia i muzykę w pokazy slajdów z galerią Flash.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Zawsze na &amp;wierzchu</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimalizuj</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>&amp;Domyślny rozmiar</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>&amp;Wygląd</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>&amp;Motyw</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 zostanie zamknięty za %n sekundę.</numerusform>
            <numerusform>%1 zostanie zamknięty za %n sekundy.</numerusform>
            <numerusform>%1 zostanie zamknięty za %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>Komputer przejdzie w stan uśpienia za %n sekundę.</numerusform>
            <numerusform>Komputer przejdzie w stan uśpienia za %n sekundy.</numerusform>
            <numerusform>Komputer przejdzie w stan uśpienia za %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>Komputer przejdzie w stan hibernacji za %n sekundę.</numerusform>
            <numerusform>Komputer przejdzie w stan hibernacji za %n sekundy.</numerusform>
            <numerusform>Komputer przejdzie w stan hibernacji za %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>Komputer zostanie wyłączony za %n sekundę.</numerusform>
            <numerusform>Komputer zostanie wyłączony za %n sekundy.</numerusform>
            <numerusform>Komputer zostanie wyłączony za %n sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>Zakończ teraz</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>Wykonaj teraz</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Nie można utworzyć folderu.</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>Przeszkadza inny plik o tej nazwie.</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>Kopia jest niekompletna.</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>Brak wolnego miejsca na urządzeniu zawierającym „%1”</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>Nie udało się utworzyć folderu tymczasowego dla wideo.</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>Nie udało się zapisać obrazu %1 w folderze tymczasowym.</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>Nie udało się uruchomić narzędzia wideo %1.</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>Nie udało się utworzyć wideo.</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>Nie udało się utworzyć wideo: %1</translation>
    </message>
</context>
</TS>
