<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DailyPlan</name>
    <message>
        <location filename="../data/uPlan.cpp" line="143"/>
        <source>The daily plan could not be saved to %1. The words in use stay as they are.</source>
        <translation>Nie udało się zapisać planu dziennego w %1. Słowa w użyciu pozostają bez zmian.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="573"/>
        <source>The daily plan&apos;s file could not be read. It has been kept as %1, and the plan starts afresh today.</source>
        <translation>Nie udało się odczytać pliku planu dziennego. Zachowano go jako %1, a plan zaczyna się dziś od nowa.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="577"/>
        <source>The daily plan&apos;s file %1 could not be read, nor moved aside. The plan starts afresh today but is not saved until that file is moved away.</source>
        <translation>Nie udało się ani odczytać pliku planu dziennego %1, ani go odsunąć na bok. Plan zaczyna się dziś od nowa, ale nie będzie zapisywany, dopóki ten plik nie zostanie przeniesiony gdzie indziej.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="606"/>
        <source>The daily plan could not be run today.</source>
        <translation>Nie udało się dziś wykonać planu dziennego.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../data/FileBase.cpp" line="41"/>
        <location filename="../data/uCommon.cpp" line="478"/>
        <location filename="../data/uCommon.cpp" line="484"/>
        <location filename="../picture/PGraphic.cpp" line="427"/>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="69"/>
        <location filename="../data/uCommon.cpp" line="92"/>
        <location filename="../data/uCommon.cpp" line="307"/>
        <location filename="../data/uCommon.cpp" line="322"/>
        <location filename="../data/uCommon.cpp" line="333"/>
        <location filename="../picture/PGraphic.cpp" line="473"/>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="237"/>
        <location filename="../picture/PGraphic.cpp" line="477"/>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="324"/>
        <source>The word list %1 was changed by another copy of the program. It has not been replaced, so that copy&apos;s words are not lost.</source>
        <translation>Lista słów %1 została zmieniona przez inną kopię programu. Nie została zastąpiona, żeby słowa tamtej kopii nie przepadły.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <location filename="../platform/keys.cpp" line="60"/>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="62"/>
        <source>Num %1</source>
        <translation>Num %1</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="64"/>
        <source>BkSp</source>
        <translation>BkSp</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="65"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="66"/>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="67"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="68"/>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="69"/>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="70"/>
        <source>PgDn</source>
        <translation>PgDn</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="71"/>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="72"/>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="73"/>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="74"/>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="75"/>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="76"/>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="77"/>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="78"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="223"/>
        <location filename="../widgets/StdCtrls.cpp" line="210"/>
        <source>Shift+</source>
        <translation>Shift+</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="225"/>
        <location filename="../widgets/StdCtrls.cpp" line="212"/>
        <source>Ctrl+</source>
        <translation>Ctrl+</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="227"/>
        <location filename="../widgets/StdCtrls.cpp" line="214"/>
        <source>Alt+</source>
        <translation>Alt+</translation>
    </message>
</context>
<context>
    <name>MMObj</name>
    <message>
        <location filename="../audio/MMObj.cpp" line="226"/>
        <source>Change to property while device was open</source>
        <translation>Zmiana właściwości podczas pracy urządzenia</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="227"/>
        <source>Invalid DeviceID</source>
        <translation>Nieprawidłowy identyfikator urządzenia</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="228"/>
        <source>Unable to allocate memory for wave header</source>
        <translation>Nie można przydzielić pamięci na nagłówek dźwięku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="229"/>
        <source>Unable to free header memory</source>
        <translation>Nie można zwolnić pamięci nagłówka</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="230"/>
        <source>The actual device can&apos;t play this format</source>
        <translation>To urządzenie nie może odtwarzać tego formatu</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="231"/>
        <source>Unable to start device</source>
        <translation>Nie można uruchomić urządzenia</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="232"/>
        <source>Error filling wave buffer</source>
        <translation>Błąd podczas wypełniania bufora dźwięku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="233"/>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Numer błędu jest poza zakresem (nieznany błąd)</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="234"/>
        <source>The actual device can&apos;t record this format</source>
        <translation>To urządzenie nie może nagrywać w tym formacie</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="235"/>
        <source>Could not create thread</source>
        <translation>Nie można utworzyć wątku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="236"/>
        <source>Invalid wave format</source>
        <translation>Nieprawidłowy format dźwięku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="237"/>
        <source>Error reading wave file</source>
        <translation>Błąd odczytu pliku dźwiękowego</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="238"/>
        <source>Can&apos;t write to MemoryWave</source>
        <translation>Nie można zapisać do MemoryWave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="239"/>
        <source>Invalid wave file...</source>
        <translation>Nieprawidłowy plik dźwiękowy...</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="240"/>
        <source>Unable to setup file IO buffer</source>
        <translation>Nie można przygotować bufora wejścia-wyjścia pliku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="241"/>
        <source>Unable to open wave file</source>
        <translation>Nie można otworzyć pliku dźwiękowego</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="242"/>
        <source>Unable to create wave file</source>
        <translation>Nie można utworzyć pliku dźwiękowego</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="243"/>
        <source>Unable to set start position</source>
        <translation>Nie można ustawić pozycji początkowej</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="244"/>
        <source>Unable to set end position</source>
        <translation>Nie można ustawić pozycji końcowej</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="245"/>
        <source>Error seeking file position</source>
        <translation>Błąd przechodzenia do pozycji w pliku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="246"/>
        <source>No wave audio recording device found</source>
        <translation>Nie znaleziono urządzenia do nagrywania dźwięku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="247"/>
        <source>No wave audio playing device found</source>
        <translation>Nie znaleziono urządzenia do odtwarzania dźwięku</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="248"/>
        <source>Unable to open device</source>
        <translation>Nie można otworzyć urządzenia</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="249"/>
        <source>Unable to close device</source>
        <translation>Nie można zamknąć urządzenia</translation>
    </message>
</context>
<context>
    <name>PGraphic</name>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="16"/>
        <source>X, Y index out of range</source>
        <translation>Indeks X, Y poza zakresem</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="17"/>
        <source>No palette</source>
        <translation>Brak palety</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="18"/>
        <source>Invalid palette index</source>
        <translation>Nieprawidłowy indeks palety</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="19"/>
        <source>Unknown clipboard format</source>
        <translation>Nieznany format schowka</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="20"/>
        <source>Invalid temporary file</source>
        <translation>Nieprawidłowy plik tymczasowy</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="21"/>
        <source>Unknown file format</source>
        <translation>Nieznany format pliku</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="22"/>
        <source>%S1 invalid</source>
        <translation>Nieprawidłowa wartość: %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="23"/>
        <source>black and white</source>
        <translation>czarno-biały</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="24"/>
        <source>2 colors</source>
        <translation>2 kolory</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="25"/>
        <source>16 shades of gray</source>
        <translation>16 odcieni szarości</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="26"/>
        <source>16 system colors</source>
        <translation>16 kolorów systemowych</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="27"/>
        <source>16 colors</source>
        <translation>16 kolorów</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="28"/>
        <source>256 shades of gray</source>
        <translation>256 odcieni szarości</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="29"/>
        <source>256 colors</source>
        <translation>256 kolorów</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="30"/>
        <source>16.7 million colors</source>
        <translation>16,7 mln kolorów</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="31"/>
        <source>%S1 is empty</source>
        <translation>Brak danych: %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="32"/>
        <source>The graphic cannot be saved to a %S1 file with the current color resolution (%S2).

The graphic will be saved with a different color resolution (%S3).</source>
        <translation>Nie można zapisać obrazu w pliku %S1 przy obecnej głębi kolorów (%S2).

Obraz zostanie zapisany z inną głębią kolorów (%S3).</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="37"/>
        <source>The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)</source>
        <translation>Nie można zapisać obrazu w pliku %S1 przy obecnej głębi kolorów (%S2)</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="42"/>
        <source>Unknown file extension &quot;%S1&quot;</source>
        <translation>Nieznane rozszerzenie pliku „%S1”</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="43"/>
        <source>Invalid value for %S1</source>
        <translation>Nieprawidłowa wartość dla %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="44"/>
        <source>Negative height</source>
        <translation>Ujemna wysokość</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="45"/>
        <source>Negative width</source>
        <translation>Ujemna szerokość</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="46"/>
        <source>Cannot apply this filter to a source that is identical to the target</source>
        <translation>Nie można zastosować tego filtra, gdy źródło jest tym samym obrazem co cel</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="51"/>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="52"/>
        <source>Image files</source>
        <translation>Pliki obrazów</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="53"/>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="54"/>
        <source>Invalid size of %S1</source>
        <translation>Nieprawidłowy rozmiar: %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="55"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="56"/>
        <source>Operation aborted on user request</source>
        <translation>Operacja przerwana na życzenie użytkownika</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="57"/>
        <source>Not supported subformat</source>
        <translation>Nieobsługiwany podformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="58"/>
        <source>%S1 failed</source>
        <translation>Niepowodzenie: %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="59"/>
        <source>Unexpected end of file</source>
        <translation>Nieoczekiwany koniec pliku</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="60"/>
        <source>Unknown subformat</source>
        <translation>Nieznany podformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="61"/>
        <source>Not a %S1 file</source>
        <translation>To nie jest plik %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="62"/>
        <source>Width = 0 or Height = 0</source>
        <translation>Szerokość = 0 lub wysokość = 0</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="63"/>
        <source>Invalid color resolution</source>
        <translation>Nieprawidłowa głębia kolorów</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="64"/>
        <source>Unsupported field type %S1</source>
        <translation>Nieobsługiwany typ pola %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="65"/>
        <source>Invalid count of bytes in row %S1</source>
        <translation>Nieprawidłowa liczba bajtów w wierszu %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="66"/>
        <source>Unsupported Compression</source>
        <translation>Nieobsługiwana kompresja</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="67"/>
        <source>Saturation=0 and Hue defined</source>
        <translation>Nasycenie = 0, a barwa jest określona</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="68"/>
        <source>%S1 out of range</source>
        <translation>%S1 poza zakresem</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="69"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="71"/>
        <source>RGB Filter</source>
        <translation>Filtr RGB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="72"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="73"/>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="74"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="75"/>
        <source>CMY Filter</source>
        <translation>Filtr CMY</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="76"/>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="77"/>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="78"/>
        <location filename="../picture/PGraphicMessages.cpp" line="80"/>
        <location filename="../picture/PGraphicMessages.cpp" line="92"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="79"/>
        <source>YCbCr Filter</source>
        <translation>Filtr YCbCr</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="81"/>
        <source>Cb</source>
        <translation>Cb</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="82"/>
        <source>Cr</source>
        <translation>Cr</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="83"/>
        <source>HLS Filter</source>
        <translation>Filtr HLS</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="84"/>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="85"/>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="86"/>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="87"/>
        <source>HSV Filter</source>
        <translation>Filtr HSV</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="88"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="89"/>
        <source>Negative Filter</source>
        <translation>Filtr negatywu</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="90"/>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="91"/>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="93"/>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="94"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="95"/>
        <source>Apply on</source>
        <translation>Zastosuj do</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="96"/>
        <source>Brightness, Contrast, Gamma Filter</source>
        <translation>Filtr jasności, kontrastu i gammy</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="97"/>
        <source>Grayscale Filter</source>
        <translation>Filtr skali szarości</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="98"/>
        <source>RGB weighting</source>
        <translation>Wagi RGB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="99"/>
        <source>Std. deviation</source>
        <translation>Odch. stand.</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="100"/>
        <source>Strength</source>
        <translation>Siła</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="101"/>
        <source>Sharpen</source>
        <translation>Wyostrzanie</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="102"/>
        <source>Detail</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="103"/>
        <source>Smooth</source>
        <translation>Wygładzanie</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="104"/>
        <source>Radius</source>
        <translation>Promień</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="105"/>
        <source>Blur</source>
        <translation>Rozmycie</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="106"/>
        <source>Contour</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="107"/>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="108"/>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="109"/>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="110"/>
        <source>°</source>
        <translation>°</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../sound/speech.cpp" line="119"/>
        <source>The speech synthesiser did not answer in time.</source>
        <translation>Syntezator mowy nie odpowiedział na czas.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="230"/>
        <source>The voice for words without a recording cannot be used: espeak-ng&apos;s data is missing or damaged (%1). Install the package espeak-ng-data.</source>
        <translation>Nie można użyć głosu dla słów bez nagrania: brakuje danych espeak-ng albo są uszkodzone (%1). Zainstaluj pakiet espeak-ng-data.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="257"/>
        <source>The voice for words without a recording cannot be used: espeak-ng lists no voices. Install the package espeak-ng-data.</source>
        <translation>Nie można użyć głosu dla słów bez nagrania: espeak-ng nie ma żadnych głosów. Zainstaluj pakiet espeak-ng-data.</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="55"/>
        <source>Colour %1</source>
        <translation>Kolor %1</translation>
    </message>
</context>
<context>
    <name>TColorPalette</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="200"/>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="212"/>
        <source>&amp;Other</source>
        <translation>&amp;Inny kolor</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../platform/help.cpp" line="67"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="91"/>
        <source>The help file %1 could not be read.</source>
        <translation>Nie udało się odczytać pliku pomocy %1.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="92"/>
        <source>The help file %1 could not be found. It belongs beside the program.</source>
        <translation>Nie znaleziono pliku pomocy %1. Powinien leżeć obok programu.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="204"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="205"/>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="206"/>
        <source>C&amp;lose</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="290"/>
        <location filename="../platform/help.cpp" line="319"/>
        <source>There is no help topic number %1 in %2.</source>
        <translation>W pliku %2 nie ma tematu pomocy o numerze %1.</translation>
    </message>
</context>
<context>
    <name>THotKey</name>
    <message>
        <location filename="../widgets/StdCtrls.cpp" line="174"/>
        <location filename="../widgets/StdCtrls.cpp" line="215"/>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>TMMLEDLABEL</name>
    <message>
        <location filename="../widgets/MMLEDLbl.cpp" line="205"/>
        <source>LED display</source>
        <translation>Wyświetlacz LED</translation>
    </message>
</context>
<context>
    <name>TNCButton</name>
    <message>
        <location filename="../widgets/oxForm.cpp" line="134"/>
        <source>Stay on top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="135"/>
        <source>Roll up</source>
        <translation>Zwiń</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="137"/>
        <source>Help on a control</source>
        <translation>Pomoc do elementu okna</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="144"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="146"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TPlanChart</name>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="126"/>
        <source>words known</source>
        <translation>słowa znane</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="129"/>
        <source>showings a day (aim %1)</source>
        <translation>pokazy dziennie (cel: %1)</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <location filename="../app/uAbout.cpp" line="21"/>
        <source>Free software for young readers and their parents.</source>
        <translation>Wolny program dla małych czytelników i ich rodziców.</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="117"/>
        <source>About Pellan Wordlark</source>
        <translation>O programie Pellan Wordlark</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="137"/>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="165"/>
        <source>Opens the web page in the browser</source>
        <translation>Otwiera stronę internetową w przeglądarce</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="168"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="179"/>
        <source>Version 1.0</source>
        <translation>Wersja 1.0</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="185"/>
        <source>The web page %1 could not be opened.</source>
        <translation>Nie udało się otworzyć strony internetowej %1.</translation>
    </message>
</context>
<context>
    <name>TfmConfig</name>
    <message>
        <location filename="../config/uConfig.cpp" line="104"/>
        <source>Configure Wordlark</source>
        <translation>Ustawienia Wordlark</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="155"/>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="156"/>
        <source>Database Recording</source>
        <translation>Nagrywanie słów</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="157"/>
        <source>Database Select</source>
        <translation>Wybór słów</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="159"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="160"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="161"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="165"/>
        <source>Close the dialog, saving changes made</source>
        <translation>Zamknij okno i zapisz wprowadzone zmiany</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="166"/>
        <source>Cancel all the changes made and close the dialog</source>
        <translation>Odrzuć wszystkie zmiany i zamknij okno</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="167"/>
        <source>Get help</source>
        <translation>Pokaż pomoc</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="285"/>
        <source>Invalid starting directory</source>
        <translation>Nieprawidłowy folder początkowy</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="389"/>
        <source>Another copy of the program changed the word list while this dialog was open. Saving now would undo these of its changes:

%1

Nothing has been saved. Press Cancel and open Configure again to start from the list as it is now.</source>
        <translation>Inna kopia programu zmieniła listę słów, gdy to okno było otwarte. Zapisanie teraz cofnęłoby te jej zmiany:

%1

Nic nie zostało zapisane. Kliknij Anuluj i otwórz Ustawienia ponownie, aby zacząć od listy w jej obecnym stanie.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="418"/>
        <source>&quot;%1&quot; now has sound number %2 and keeps its recording; the other copy&apos;s word with number %3 has none now.</source>
        <translation>„%1” ma teraz numer dźwięku %2 i zachowuje swoje nagranie; słowo drugiej kopii z numerem %3 nie ma teraz nagrania.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="420"/>
        <source>&quot;%1&quot; now has sound number %2 and no recording: record it again (the recording with number %3 is the other copy&apos;s).</source>
        <translation>„%1” ma teraz numer dźwięku %2 i nie ma nagrania: nagraj je jeszcze raz (nagranie z numerem %3 należy do drugiej kopii).</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="426"/>
        <source>Another copy of the program added words while this dialog was open; they have been kept. It gave the same sound numbers to words of its own as this dialog did:

%1</source>
        <translation>Inna kopia programu dodała słowa, gdy to okno było otwarte; zostały zachowane. Nadała swoim słowom te same numery dźwięków co to okno:

%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="62"/>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="64"/>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="69"/>
        <location filename="../config/uConfigGeneral.cpp" line="141"/>
        <source>Font Color</source>
        <translation>Kolor liter</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="70"/>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="72"/>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="73"/>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="74"/>
        <source>This is the font that will be used</source>
        <translation>Czcionka, którą będą pisane słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="75"/>
        <source>This is the size of the font</source>
        <translation>Wielkość liter</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="76"/>
        <source>This is the color of the font</source>
        <translation>Kolor liter</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="77"/>
        <source>This is the color of the background</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="78"/>
        <source>Select whether you want to use a Bold font</source>
        <translation>Zaznacz, jeśli litery mają być pogrubione</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="79"/>
        <source>Shows the Run Screen so that you can Preview your settings</source>
        <translation>Pokazuje ekran czytania, żeby można było sprawdzić ustawienia</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="83"/>
        <location filename="../config/uConfigGeneral.cpp" line="91"/>
        <source>Delay</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="84"/>
        <source>Mouse move</source>
        <translation>Ruch myszy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="85"/>
        <source>Mouse click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="86"/>
        <source>Keyboard press</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="101"/>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="102"/>
        <source>Any</source>
        <translation>Każdy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="103"/>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="105"/>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="108"/>
        <source>Click to have the words change after the specified delay</source>
        <translation>Kliknij, aby słowa zmieniały się po ustawionym czasie</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="109"/>
        <source>Select to have words change when the mouse is moved</source>
        <translation>Wybierz, aby słowa zmieniały się po poruszeniu myszą</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="110"/>
        <source>Select to have words change when a mouse button is clicked</source>
        <translation>Wybierz, aby słowa zmieniały się po kliknięciu przyciskiem myszy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="111"/>
        <source>Select to have words change when the specified key is pressed</source>
        <translation>Wybierz, aby słowa zmieniały się po naciśnięciu wybranego klawisza</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="112"/>
        <source>Select the delay between words</source>
        <translation>Ustaw czas między słowami</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="113"/>
        <source>Use the left mouse button</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="114"/>
        <source>Use the right mouse button</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="115"/>
        <source>Use the any mouse button</source>
        <translation>Dowolny przycisk myszy</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="116"/>
        <source>Select the key to use or (none) for any key</source>
        <translation>Wybierz klawisz albo zostaw „Brak”, aby działał każdy klawisz</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="123"/>
        <source>Main window background</source>
        <translation>Tło okna głównego</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="132"/>
        <source>Main window preview</source>
        <translation>Podgląd okna głównego</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="133"/>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="142"/>
        <source>Select the background of the main window</source>
        <translation>Wybierz obrazek tła okna głównego</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="143"/>
        <source>This is how the main window will appear</source>
        <translation>Tak będzie wyglądać okno główne</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="144"/>
        <source>This is the color of the buttons of the main window</source>
        <translation>Kolor napisów na przyciskach okna głównego</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="149"/>
        <source>Show Hints</source>
        <translation>Pokazuj podpowiedzi</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="150"/>
        <source>Protect Config dialog</source>
        <translation>Chroń okno ustawień</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="151"/>
        <source>Normal Sounds</source>
        <translation>Zwykłe dźwięki</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="152"/>
        <source>Delayed Sounds</source>
        <translation>Opóźnione dźwięki</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="153"/>
        <source>Mute (no Sounds)</source>
        <translation>Cisza (bez dźwięków)</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="154"/>
        <source>Select whether you want to use the balloon hints</source>
        <translation>Zaznacz, jeśli mają się pojawiać podpowiedzi w dymkach</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="155"/>
        <source>if checked you will have to press Shift and Alt to access the configuration dialog</source>
        <translation>Po zaznaczeniu okno ustawień otworzysz tylko z wciśniętymi klawiszami Shift i Alt</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="156"/>
        <source>Normal Sounds - Words are played when they are shown</source>
        <translation>Zwykłe dźwięki – słowo jest odtwarzane, gdy się pojawia</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="157"/>
        <source>Delayed Sounds - Words will be played after a 2s delay</source>
        <translation>Opóźnione dźwięki – słowo jest odtwarzane 2 s po pojawieniu się</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="158"/>
        <source>Mute - Words will not be played</source>
        <translation>Cisza – słowa nie są odtwarzane</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="41"/>
        <source>Word packs (*.wordpack)</source>
        <translation>Pakiety słów (*.wordpack)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="48"/>
        <source>&amp;Export...</source>
        <translation>&amp;Eksport...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="49"/>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="50"/>
        <source>Export...</source>
        <translation>Eksport...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="51"/>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="52"/>
        <source>Save the selected words (all the words when none is selected) with their recordings into a word pack file</source>
        <translation>Zapisz zaznaczone słowa (albo wszystkie, gdy nic nie jest zaznaczone) razem z nagraniami w pliku pakietu słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="55"/>
        <source>Add the words of a word pack file, with their recordings, as new words</source>
        <translation>Dodaj słowa z pliku pakietu słów, razem z nagraniami, jako nowe słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Export words</source>
        <translation>Eksport słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Import words</source>
        <translation>Import słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="74"/>
        <source>My words.wordpack</source>
        <translation>Moje słowa.wordpack</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="98"/>
        <source>There are no words to export.</source>
        <translation>Nie ma słów do eksportu.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="108"/>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="109"/>
        <source>%1 words (%2 with recordings) were exported to %3.</source>
        <translation>Wyeksportowano słów: %1 (z nagraniami: %2). Plik: %3.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="157"/>
        <source>The pack is larger than 200 MB.</source>
        <translation>Pakiet jest większy niż 200 MB.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="160"/>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="177"/>
        <source>The word pack %1 was not imported:

%2

Nothing has been changed.</source>
        <translation>Nie zaimportowano pakietu słów %1:

%2

Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="189"/>
        <source>&quot;%1&quot;: %2 words were added as new words, %3 were already there.</source>
        <translation>„%1”: dodane jako nowe słowa: %2; pominięte, bo już były: %3.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="34"/>
        <source>1 new word</source>
        <translation>1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="35"/>
        <source>%1 new words</source>
        <translation>%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="143"/>
        <source>Daily Plan</source>
        <translation>Plan dzienny</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="145"/>
        <source>Run the daily plan</source>
        <translation>Włącz plan dzienny</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="147"/>
        <source>The program moves the words for you: it retires the words your child has seen on enough days and brings new ones in, once a day</source>
        <translation>Program sam przenosi słowa: raz dziennie odkłada do znanych te, które dziecko widziało przez wystarczająco wiele dni, i wprowadza nowe</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="159"/>
        <source>Words in use</source>
        <translation>Słowa w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="160"/>
        <source>How many words are in use at once</source>
        <translation>Ile słów jest jednocześnie w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="161"/>
        <source>Days to learn a word</source>
        <translation>Dni na naukę słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="162"/>
        <source>A word is known once it was shown on this many different days</source>
        <translation>Słowo jest znane, gdy zostało pokazane w tylu różnych dniach</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="163"/>
        <source>New words a day</source>
        <translation>Nowe słowa dziennie</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="164"/>
        <source>How many words at most are retired, and new ones brought in, each day</source>
        <translation>Ile najwyżej słów dziennie przechodzi do znanych – i tyle samo nowych wchodzi do użycia</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="165"/>
        <source>Showings a day</source>
        <translation>Pokazy dziennie</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="166"/>
        <source>How many times a day you aim to show the words</source>
        <translation>Ile razy dziennie chcesz pokazywać słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="167"/>
        <source>Minutes between</source>
        <translation>Odstęp (minuty)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="168"/>
        <source>How long you want to wait between two showings</source>
        <translation>Ile minut chcesz odczekać między dwoma pokazami</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="194"/>
        <source>Today&apos;s showings against the number you aim for</source>
        <translation>Dzisiejsze pokazy w porównaniu z zamierzoną liczbą</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="195"/>
        <source>When the next showing is due, going by the minutes between showings</source>
        <translation>Kiedy wypada następny pokaz, według odstępu między pokazami</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="196"/>
        <source>The words that become known next, and on which day</source>
        <translation>Słowa, które jako następne staną się znane, i kiedy to nastąpi</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="197"/>
        <source>The new words still waiting, and when the last one comes into use</source>
        <translation>Nowe słowa, które jeszcze czekają, i kiedy ostatnie z nich wejdzie do użycia</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="204"/>
        <source>The last thirty days: bars for the showings of each day, the line for the words your child knows</source>
        <translation>Ostatnie trzydzieści dni: słupki to pokazy z każdego dnia, linia – słowa, które zna twoje dziecko</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="241"/>
        <source>%1 of %2 today</source>
        <translation>Dziś %1 z %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="244"/>
        <source>Today&apos;s showings are done.</source>
        <translation>Dzisiejsze pokazy już się odbyły.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="246"/>
        <source>Next showing: now</source>
        <translation>Następny pokaz: teraz</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="249"/>
        <source>Next showing: tomorrow</source>
        <translation>Następny pokaz: jutro</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="251"/>
        <source>Next showing: from %1</source>
        <translation>Następny pokaz: od %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="256"/>
        <source>%1 on %2</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>No words in use.</source>
        <translation>Brak słów w użyciu.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>Known next: </source>
        <translation>Wkrótce znane: </translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="259"/>
        <source>No new words left: record some on the recording page.</source>
        <translation>Nie ma już nowych słów: nagraj kilka na stronie „Nagrywanie słów”.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="262"/>
        <source>%1 left; the last comes into use on %2.</source>
        <translation>Pozostało nowych słów: %1; ostatnie wejdzie do użycia %2.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="264"/>
        <source>%1 left.</source>
        <translation>Pozostało nowych słów: %1.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="93"/>
        <source>All words</source>
        <translation>Wszystkie słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="94"/>
        <source>Select a word from the list to change the sound or delete it</source>
        <translation>Wybierz słowo z listy, aby zmienić jego dźwięk albo je usunąć</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="96"/>
        <source>New</source>
        <translation>Nowe słowo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="97"/>
        <location filename="../config/uConfigRecord.cpp" line="310"/>
        <location filename="../config/uConfigRecord.cpp" line="331"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="98"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="99"/>
        <source>Insert a new word</source>
        <translation>Dodaj nowe słowo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="100"/>
        <source>Delete the word or cancel the action</source>
        <translation>Usuń słowo albo anuluj dodawanie nowego</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="101"/>
        <source>Save the word and sound</source>
        <translation>Zapisz słowo i dźwięk</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="107"/>
        <source>Word</source>
        <translation>Słowo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="110"/>
        <source>Add to use words</source>
        <translation>Od razu w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="112"/>
        <source>Check to add this word to the list of word to use</source>
        <translation>Zaznacz, aby od razu dodać to słowo do listy „Słowa w użyciu”</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="114"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="115"/>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="116"/>
        <source>Click to Record a word</source>
        <translation>Kliknij, aby nagrać słowo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="117"/>
        <source>Click to Play a word</source>
        <translation>Kliknij, aby odtworzyć słowo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="119"/>
        <source>To record use the buttons above or hit SPACE to start and again to stop</source>
        <translation>Nagrywaj przyciskami powyżej lub SPACJĄ: raz, by zacząć, drugi raz, by skończyć</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="139"/>
        <source>Recorded time</source>
        <translation>Czas nagrania</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="164"/>
        <location filename="../config/uConfigRecord.cpp" line="167"/>
        <source>Even out the volume</source>
        <translation>Wyrównuj głośność</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="168"/>
        <source>Check to trim the silence around each new recording and bring it to the same loudness as the other words</source>
        <translation>Zaznacz, aby z każdego nowego nagrania wycinać ciszę przed słowem i po nim oraz wyrównywać jego głośność do pozostałych słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="171"/>
        <location filename="../config/uConfigRecord.cpp" line="173"/>
        <source>Even out all</source>
        <translation>Wyrównaj całość</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="172"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="174"/>
        <source>Undo evening out</source>
        <translation>Cofnij wyrównywanie</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="175"/>
        <source>Even out the volume of every recorded word</source>
        <translation>Wyrównaj głośność wszystkich nagranych słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="176"/>
        <source>Put back every recording as it was recorded</source>
        <translation>Przywróć wszystkie nagrania do postaci, w jakiej zostały nagrane</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="182"/>
        <source>Recordings done</source>
        <translation>Gotowe nagrania</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="185"/>
        <location filename="../config/uConfigRecord.cpp" line="323"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="186"/>
        <source>Cancel evening out</source>
        <translation>Przerwij wyrównywanie</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="187"/>
        <source>Stop here; the words done so far keep their new sound</source>
        <translation>Zatrzymaj w tym miejscu; słowa już wyrównane zachowają nowy dźwięk</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="423"/>
        <source>Type the word before saving it.</source>
        <translation>Wpisz słowo, zanim je zapiszesz.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="425"/>
        <source>A word cannot contain &quot;;&quot; or a line break. Please change the word.</source>
        <translation>Słowo nie może zawierać znaku „;” ani podziału wiersza. Popraw słowo.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="440"/>
        <source>There is no free sound number left for another word.</source>
        <translation>Nie ma już wolnego numeru dźwięku dla kolejnego słowa.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="459"/>
        <source>The old sound file %1 could not be deleted. Record the word to replace it.</source>
        <translation>Nie udało się usunąć starego pliku dźwiękowego %1. Nagraj słowo, aby go zastąpić.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="598"/>
        <source>The recording stopped because %1 could not be written: the disk may be full. The sound recorded up to that moment is kept.</source>
        <translation>Nagrywanie zatrzymało się, bo nie udało się zapisać %1: dysk może być pełny. Dźwięk nagrany do tej chwili został zachowany.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="626"/>
        <source>Nothing was heard in this recording, so its volume was left as it is. Check the microphone and record the word again.</source>
        <translation>W tym nagraniu nic nie słychać, więc jego głośność pozostała bez zmian. Sprawdź mikrofon i nagraj słowo jeszcze raz.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="630"/>
        <source>The recording could not be evened out because the folder %1 could not be written (the disk may be full or the folder read-only). The recording is kept as it was recorded.</source>
        <translation>Nie udało się wyrównać głośności nagrania, bo nie można zapisać w folderze %1 (dysk może być pełny albo folder tylko do odczytu). Nagranie zostało zachowane w pierwotnej postaci.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="636"/>
        <source>The recording %1 cannot be read back, so it was not evened out.</source>
        <translation>Nie da się ponownie odczytać nagrania %1, więc jego głośność nie została wyrównana.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="721"/>
        <source>These could not be written (the disk may be full or the folder read-only); they are as they were:
%1</source>
        <translation>Tych plików nie udało się zapisać (dysk może być pełny albo folder tylko do odczytu); pozostały bez zmian:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="725"/>
        <source>Nothing was heard in these recordings; they were left as they are:
%1</source>
        <translation>W tych nagraniach nic nie słychać; pozostały bez zmian:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="728"/>
        <source>These sound files are not recordings of this program (another wave format); they were left as they are:
%1</source>
        <translation>Te pliki dźwiękowe nie są nagraniami tego programu (inny format WAV); pozostały bez zmian:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="732"/>
        <source>These sound files cannot be read (empty or damaged); they were left as they are:
%1</source>
        <translation>Tych plików dźwiękowych nie da się odczytać (są puste lub uszkodzone); pozostały bez zmian:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="219"/>
        <source>New words</source>
        <translation>Nowe słowa</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="220"/>
        <source> Words in use</source>
        <translation> Słowa w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="221"/>
        <source> Words known</source>
        <translation> Słowa znane</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="251"/>
        <source>Those are new words, move them to the &apos;Words in use&apos; list to use them</source>
        <translation>To są nowe słowa. Przenieś je na listę „Słowa w użyciu”, aby ich używać</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="252"/>
        <source>Those words are used now. Move them to the list of &apos;words known&apos; when your child knows them</source>
        <translation>Tych słów używasz teraz. Przenieś je na listę „Słowa znane”, gdy twoje dziecko już je zna</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="253"/>
        <source>Those words are known by your child</source>
        <translation>Te słowa twoje dziecko już zna</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="265"/>
        <source>Move to words in use</source>
        <translation>Przenieś do słów w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="266"/>
        <source>Move to new words</source>
        <translation>Przenieś do nowych słów</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="267"/>
        <source>Move to words known</source>
        <translation>Przenieś do słów znanych</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="268"/>
        <source>Move back to words in use</source>
        <translation>Przenieś z powrotem do słów w użyciu</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="269"/>
        <location filename="../config/uConfigSelect.cpp" line="272"/>
        <source>Move selected words to the list of &apos;Words in use&apos;</source>
        <translation>Przenieś zaznaczone słowa na listę „Słowa w użyciu”</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="270"/>
        <source>Move selected words to the list of &apos;New words&apos;</source>
        <translation>Przenieś zaznaczone słowa na listę „Nowe słowa”</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="271"/>
        <source>Move selected words to the list of &apos;Words known&apos;</source>
        <translation>Przenieś zaznaczone słowa na listę „Słowa znane”</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="282"/>
        <source>Select all the words on the list above</source>
        <translation>Zaznacz wszystkie słowa na liście powyżej</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="283"/>
        <source>Unselect all the words on the list above</source>
        <translation>Odznacz wszystkie słowa na liście powyżej</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="288"/>
        <location filename="../config/uConfigSelect.cpp" line="289"/>
        <location filename="../config/uConfigSelect.cpp" line="290"/>
        <source>All</source>
        <translation>Każde</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="291"/>
        <location filename="../config/uConfigSelect.cpp" line="292"/>
        <location filename="../config/uConfigSelect.cpp" line="293"/>
        <source>None</source>
        <translation>Żadne</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="17"/>
        <source>Speak words that have no recording</source>
        <translation>Wymawiaj słowa bez nagrania</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="21"/>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="22"/>
        <source>Check to have the words that have no recording spoken by the computer&apos;s voice</source>
        <translation>Zaznacz, aby słowa bez nagrania wymawiał głos komputera</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="23"/>
        <source>Select the voice (language) that speaks the words that have no recording</source>
        <translation>Wybierz głos (język), który wymawia słowa bez nagrania</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="53"/>
        <source>There is no sound device to speak through: words that have no recording will stay silent.</source>
        <translation>Nie ma urządzenia dźwiękowego, przez które głos mógłby mówić: słowa bez nagrania będą pokazywane w ciszy.</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="19"/>
        <source>Automatic</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="23"/>
        <source>&amp;Language (used from the next start)</source>
        <translation>&amp;Język (od następnego uruchomienia)</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="29"/>
        <source>Choose the language of the program&apos;s windows and help; it changes when the program is started next</source>
        <translation>Wybierz język okien i pomocy; zmieni się przy następnym uruchomieniu programu</translation>
    </message>
</context>
<context>
    <name>TfmError</name>
    <message>
        <location filename="../app/uError.cpp" line="63"/>
        <source>Your database contains no Words on the &quot;Use Words&quot; category. Either you haven&apos;t entered any word on the database, or you haven&apos;t placed any word on the &quot;Use Word&quot; category.</source>
        <translation>Na liście „Słowa w użyciu” nie ma jeszcze żadnych słów: albo nie dodano jeszcze żadnego słowa, albo żadnego nie przeniesiono na tę listę.</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="67"/>
        <source>You may want to see the Tutorial, which shows you how to enter new words to the database. Do you want to run the Tutorial now?</source>
        <translation>Samouczek pokaże ci, jak dodawać nowe słowa. Czy chcesz go teraz obejrzeć?</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="70"/>
        <source>&amp;Yes, show me the tutorial</source>
        <translation>&amp;Tak, pokaż mi samouczek</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="78"/>
        <source>&amp;No, I already know how to use the program</source>
        <translation>&amp;Nie, wiem już, jak korzystać z programu</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <location filename="../app/uMain.cpp" line="40"/>
        <source>There was an error reading the sounds database. Terminating program</source>
        <translation>Wystąpił błąd podczas odczytu bazy dźwięków. Program zostanie zamknięty.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="44"/>
        <source>The old word list could not be read. It has been kept as %1.</source>
        <translation>Nie udało się odczytać starej listy słów. Zachowano ją jako %1.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="127"/>
        <source>Click to open the About dialog box</source>
        <translation>Kliknij, aby otworzyć okno „O programie”</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Click to run</source>
        <translation>Kliknij, aby zacząć pokaz słów</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Configure</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Click to open the configuration dialog</source>
        <translation>Kliknij, aby otworzyć okno ustawień</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Click to open the help file</source>
        <translation>Kliknij, aby otworzyć pomoc</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Click to Exit</source>
        <translation>Kliknij, aby zakończyć program</translation>
    </message>
</context>
<context>
    <name>ToxButton</name>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>WaveDev</name>
    <message>
        <location filename="../sound/wavedev.cpp" line="223"/>
        <source>The specified command was carried out.</source>
        <translation>Polecenie zostało wykonane.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="224"/>
        <source>Undefined external error.</source>
        <translation>Nieokreślony błąd zewnętrzny.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="225"/>
        <source>A device ID has been used that is out of range for your system.</source>
        <translation>Użyto identyfikatora urządzenia spoza zakresu dostępnego w tym systemie.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="226"/>
        <source>The specified device is already in use. Wait until it is free, and then try again.</source>
        <translation>To urządzenie jest już używane. Zaczekaj, aż się zwolni, i spróbuj ponownie.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="227"/>
        <source>The specified device handle is invalid.</source>
        <translation>Uchwyt urządzenia jest nieprawidłowy.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="228"/>
        <source>There is no driver installed on your system.</source>
        <translation>W systemie nie ma zainstalowanego sterownika.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="229"/>
        <source>There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again.</source>
        <translation>Brakuje pamięci do wykonania tego zadania. Zamknij jeden lub kilka programów, aby zwolnić pamięć, i spróbuj ponownie.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="230"/>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Do funkcji systemowej przekazano nieprawidłowy parametr.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="231"/>
        <source>The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats.</source>
        <translation>Ten format nie jest obsługiwany albo nie można go przekształcić. Sprawdź obsługiwane formaty funkcją Capabilities.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="232"/>
        <source>Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing.</source>
        <translation>Nie można wykonać tej operacji, dopóki trwa odtwarzanie. Zresetuj urządzenie albo zaczekaj, aż odtwarzanie się skończy.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="233"/>
        <source>The sound device did not answer in time.</source>
        <translation>Urządzenie dźwiękowe nie odpowiedziało na czas.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="234"/>
        <source>The sound device stopped working: it was unplugged, or the sound system was stopped.</source>
        <translation>Urządzenie dźwiękowe przestało działać: zostało odłączone albo system dźwięku został zatrzymany.</translation>
    </message>
</context>
<context>
    <name>WordMerge</name>
    <message>
        <location filename="../data/WordMerge.cpp" line="32"/>
        <source>new words</source>
        <translation>nowe słowa</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="33"/>
        <source>words in use</source>
        <translation>słowa w użyciu</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="34"/>
        <source>known words</source>
        <translation>słowa znane</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="41"/>
        <source>&quot;%1&quot; (deleted)</source>
        <translation>„%1” (usunięte)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="42"/>
        <source>&quot;%1&quot; (moved to %2)</source>
        <translation>„%1” (przeniesione na listę: %2)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="95"/>
        <source>&quot;%1&quot; (no free sound number for a word of this copy)</source>
        <translation>„%1” (brak wolnego numeru dźwięku dla słowa tej kopii)</translation>
    </message>
</context>
<context>
    <name>WordPack</name>
    <message>
        <location filename="../data/uWordPack.cpp" line="71"/>
        <source>This file is not a word pack (not a ZIP archive: its table of contents cannot be read).</source>
        <translation>Ten plik nie jest pakietem słów (to nie archiwum ZIP: nie da się odczytać jego spisu zawartości).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="73"/>
        <source>The pack is a ZIP64 archive, which this program does not read.</source>
        <translation>Pakiet jest archiwum ZIP64, którego ten program nie odczytuje.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="95"/>
        <source>The pack holds &quot;%1&quot; twice.</source>
        <translation>Pakiet zawiera „%1” dwa razy.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="98"/>
        <source>The file &quot;%1&quot; in the pack is encrypted.</source>
        <translation>Plik „%1” w pakiecie jest zaszyfrowany.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="100"/>
        <source>The file &quot;%1&quot; in the pack is packed in a way this program does not read (method %2).</source>
        <translation>Plik „%1” w pakiecie jest spakowany w sposób, którego ten program nie odczytuje (metoda %2).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="115"/>
        <source>The files &quot;%1&quot; and &quot;%2&quot; in the pack overlap: the same bytes would unpack as both.</source>
        <translation>Pliki „%1” i „%2” w pakiecie nachodzą na siebie: te same bajty rozpakowałyby się jako oba.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="171"/>
        <source>The file %1 in the pack cannot be unpacked.</source>
        <translation>Nie da się rozpakować pliku %1 z pakietu.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="178"/>
        <source>The file %1 in the pack is damaged.</source>
        <translation>Plik %1 w pakiecie jest uszkodzony.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="182"/>
        <source>The file %1 in the pack unpacks to more than its header says.</source>
        <translation>Plik %1 w pakiecie rozpakowuje się do większego rozmiaru, niż podaje jego nagłówek.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="185"/>
        <location filename="../data/uWordPack.cpp" line="322"/>
        <source>The pack unpacks to more than 200 MB.</source>
        <translation>Pakiet po rozpakowaniu zajmuje ponad 200 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="189"/>
        <source>The file %1 in the pack is shorter than its header says.</source>
        <translation>Plik %1 w pakiecie jest krótszy, niż podaje jego nagłówek.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="199"/>
        <source>Line %1 of the pack&apos;s word list is not a word: &quot;%2&quot;.</source>
        <translation>Wiersz %1 listy słów w pakiecie nie jest słowem: „%2”.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="238"/>
        <source>The recording %1 in the pack is not a wave file.</source>
        <translation>Nagranie %1 w pakiecie nie jest plikiem WAV.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="242"/>
        <source>The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits (this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).</source>
        <translation>Nie da się odtworzyć nagrania %1 z pakietu: %2, kanały: %3, %4 Hz, bity: %5 (ten program odtwarza PCM z 1 lub 2 kanałami, 8 lub 16 bitów, od 4000 do 100000 Hz).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="249"/>
        <source>The recording %1 in the pack cannot be played: its bytes per second or per sample do not match its format.</source>
        <translation>Nie da się odtworzyć nagrania %1 z pakietu: liczba bajtów na sekundę lub na próbkę nie zgadza się z jego formatem.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="269"/>
        <location filename="../data/uWordPack.cpp" line="389"/>
        <source>The pack cannot be written: %1</source>
        <translation>Nie można zapisać pakietu: %1</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="289"/>
        <source>The pack cannot be read.</source>
        <translation>Nie można odczytać pakietu.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="296"/>
        <source>The pack is damaged: its table of contents does not match the files in it.</source>
        <translation>Pakiet jest uszkodzony: jego spis zawartości nie zgadza się z plikami w środku.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="297"/>
        <source>This file is not a word pack (not a ZIP archive).</source>
        <translation>Ten plik nie jest pakietem słów (to nie archiwum ZIP).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="302"/>
        <source>The pack holds more than %1 files.</source>
        <translation>Pakiet zawiera więcej plików niż %1.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="311"/>
        <source>The pack is damaged.</source>
        <translation>Pakiet jest uszkodzony.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="315"/>
        <source>The pack names a file outside its own folder: &quot;%1&quot;.</source>
        <translation>Pakiet wskazuje plik poza własnym folderem: „%1”.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="317"/>
        <source>The pack holds a link or a device, &quot;%1&quot;, not a plain file.</source>
        <translation>Pakiet zawiera dowiązanie lub urządzenie („%1”), a nie zwykły plik.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="319"/>
        <source>The file &quot;%1&quot; in the pack is larger than 20 MB.</source>
        <translation>Plik „%1” w pakiecie jest większy niż 20 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="325"/>
        <source>The file &quot;%1&quot; in the pack is packed more than 100 to 1.</source>
        <translation>Plik „%1” w pakiecie jest spakowany w stosunku większym niż 100 do 1.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="332"/>
        <source>This file is not a word pack: it has no word list.</source>
        <translation>Ten plik nie jest pakietem słów: nie ma w nim listy słów.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="357"/>
        <location filename="../data/uWordPack.cpp" line="363"/>
        <location filename="../data/uWordPack.cpp" line="396"/>
        <location filename="../data/uWordPack.cpp" line="401"/>
        <source>The pack cannot be written.</source>
        <translation>Nie można zapisać pakietu.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="440"/>
        <source>There is no room for the pack&apos;s words: the program keeps at most %1 words.</source>
        <translation>Nie ma miejsca na słowa z pakietu: program mieści najwyżej %1 słów.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="477"/>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
</context>
</TS>
