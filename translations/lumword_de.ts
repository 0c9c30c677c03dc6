<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DailyPlan</name>
    <message>
        <location filename="../data/uPlan.cpp" line="143"/>
        <source>The daily plan could not be saved to %1. The words in use stay as they are.</source>
        <translation>Der Tagesplan konnte nicht in %1 gespeichert werden. Die Übungswörter bleiben, wie sie sind.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="573"/>
        <source>The daily plan&apos;s file could not be read. It has been kept as %1, and the plan starts afresh today.</source>
        <translation>Die Datei des Tagesplans konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt, und der Plan beginnt heute von vorn.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="577"/>
        <source>The daily plan&apos;s file %1 could not be read, nor moved aside. The plan starts afresh today but is not saved until that file is moved away.</source>
        <translation>Die Datei des Tagesplans, %1, konnte weder gelesen noch beiseitegelegt werden. Der Plan beginnt heute von vorn, wird aber erst gespeichert, wenn diese Datei entfernt ist.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="606"/>
        <source>The daily plan could not be run today.</source>
        <translation>Der Tagesplan konnte heute nicht ausgeführt werden.</translation>
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
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="69"/>
        <location filename="../data/uCommon.cpp" line="92"/>
        <location filename="../data/uCommon.cpp" line="307"/>
        <location filename="../data/uCommon.cpp" line="322"/>
        <location filename="../data/uCommon.cpp" line="333"/>
        <location filename="../picture/PGraphic.cpp" line="473"/>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="237"/>
        <location filename="../picture/PGraphic.cpp" line="477"/>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="324"/>
        <source>The word list %1 was changed by another copy of the program. It has not been replaced, so that copy&apos;s words are not lost.</source>
        <translation>Die Wortliste %1 wurde von einer anderen laufenden Kopie des Programms geändert. Sie wurde nicht ersetzt, damit die Wörter dieser Kopie nicht verloren gehen.</translation>
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
        <translation>Rück</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="65"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="66"/>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="67"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="68"/>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="69"/>
        <source>PgUp</source>
        <translation>Bild↑</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="70"/>
        <source>PgDn</source>
        <translation>Bild↓</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="71"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="72"/>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="73"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="74"/>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="75"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="76"/>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="77"/>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="78"/>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="223"/>
        <location filename="../widgets/StdCtrls.cpp" line="210"/>
        <source>Shift+</source>
        <translation>Umschalt+</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="225"/>
        <location filename="../widgets/StdCtrls.cpp" line="212"/>
        <source>Ctrl+</source>
        <translation>Strg+</translation>
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
        <translation>Eigenschaft geändert, während das Gerät geöffnet war</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="227"/>
        <source>Invalid DeviceID</source>
        <translation>Ungültige Geräte-ID</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="228"/>
        <source>Unable to allocate memory for wave header</source>
        <translation>Kein Speicher für den Wave-Header verfügbar</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="229"/>
        <source>Unable to free header memory</source>
        <translation>Der Speicher des Headers konnte nicht freigegeben werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="230"/>
        <source>The actual device can&apos;t play this format</source>
        <translation>Das Gerät kann dieses Format nicht abspielen</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="231"/>
        <source>Unable to start device</source>
        <translation>Das Gerät konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="232"/>
        <source>Error filling wave buffer</source>
        <translation>Fehler beim Füllen des Wave-Puffers</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="233"/>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Die Fehlernummer liegt außerhalb des gültigen Bereichs (unbekannter Fehler)</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="234"/>
        <source>The actual device can&apos;t record this format</source>
        <translation>Das Gerät kann in diesem Format nicht aufnehmen</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="235"/>
        <source>Could not create thread</source>
        <translation>Der Thread konnte nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="236"/>
        <source>Invalid wave format</source>
        <translation>Ungültiges Wave-Format</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="237"/>
        <source>Error reading wave file</source>
        <translation>Fehler beim Lesen der Wave-Datei</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="238"/>
        <source>Can&apos;t write to MemoryWave</source>
        <translation>In MemoryWave kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="239"/>
        <source>Invalid wave file...</source>
        <translation>Ungültige Wave-Datei...</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="240"/>
        <source>Unable to setup file IO buffer</source>
        <translation>Der Puffer für die Datei konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="241"/>
        <source>Unable to open wave file</source>
        <translation>Die Wave-Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="242"/>
        <source>Unable to create wave file</source>
        <translation>Die Wave-Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="243"/>
        <source>Unable to set start position</source>
        <translation>Die Startposition konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="244"/>
        <source>Unable to set end position</source>
        <translation>Die Endposition konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="245"/>
        <source>Error seeking file position</source>
        <translation>Fehler beim Ansteuern der Dateiposition</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="246"/>
        <source>No wave audio recording device found</source>
        <translation>Kein Aufnahmegerät gefunden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="247"/>
        <source>No wave audio playing device found</source>
        <translation>Kein Wiedergabegerät gefunden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="248"/>
        <source>Unable to open device</source>
        <translation>Das Gerät konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="249"/>
        <source>Unable to close device</source>
        <translation>Das Gerät konnte nicht geschlossen werden</translation>
    </message>
</context>
<context>
    <name>PGraphic</name>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="16"/>
        <source>X, Y index out of range</source>
        <translation>X-, Y-Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="17"/>
        <source>No palette</source>
        <translation>Keine Palette</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="18"/>
        <source>Invalid palette index</source>
        <translation>Ungültiger Palettenindex</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="19"/>
        <source>Unknown clipboard format</source>
        <translation>Unbekanntes Zwischenablageformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="20"/>
        <source>Invalid temporary file</source>
        <translation>Ungültige temporäre Datei</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="21"/>
        <source>Unknown file format</source>
        <translation>Unbekanntes Dateiformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="22"/>
        <source>%S1 invalid</source>
        <translation>%S1 ungültig</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="23"/>
        <source>black and white</source>
        <translation>schwarzweiß</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="24"/>
        <source>2 colors</source>
        <translation>2 Farben</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="25"/>
        <source>16 shades of gray</source>
        <translation>16 Graustufen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="26"/>
        <source>16 system colors</source>
        <translation>16 Systemfarben</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="27"/>
        <source>16 colors</source>
        <translation>16 Farben</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="28"/>
        <source>256 shades of gray</source>
        <translation>256 Graustufen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="29"/>
        <source>256 colors</source>
        <translation>256 Farben</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="30"/>
        <source>16.7 million colors</source>
        <translation>16,7 Millionen Farben</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="31"/>
        <source>%S1 is empty</source>
        <translation>%S1 ist leer</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="32"/>
        <source>The graphic cannot be saved to a %S1 file with the current color resolution (%S2).

The graphic will be saved with a different color resolution (%S3).</source>
        <translation>Die Grafik kann mit der aktuellen Farbauflösung (%S2) nicht als %S1-Datei gespeichert werden.

Die Grafik wird mit einer anderen Farbauflösung (%S3) gespeichert.</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="37"/>
        <source>The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)</source>
        <translation>Die Grafik kann mit der aktuellen Farbauflösung (%S2) nicht als %S1-Datei gespeichert werden</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="42"/>
        <source>Unknown file extension &quot;%S1&quot;</source>
        <translation>Unbekannte Dateierweiterung &quot;%S1&quot;</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="43"/>
        <source>Invalid value for %S1</source>
        <translation>Ungültiger Wert für %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="44"/>
        <source>Negative height</source>
        <translation>Negative Höhe</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="45"/>
        <source>Negative width</source>
        <translation>Negative Breite</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="46"/>
        <source>Cannot apply this filter to a source that is identical to the target</source>
        <translation>Dieser Filter kann nicht auf eine Quelle angewendet werden, die mit dem Ziel identisch ist</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="51"/>
        <source>bit</source>
        <translation>Bit</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="52"/>
        <source>Image files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="53"/>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="54"/>
        <source>Invalid size of %S1</source>
        <translation>Ungültige Größe von %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="55"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="56"/>
        <source>Operation aborted on user request</source>
        <translation>Vorgang auf Wunsch des Benutzers abgebrochen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="57"/>
        <source>Not supported subformat</source>
        <translation>Nicht unterstütztes Unterformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="58"/>
        <source>%S1 failed</source>
        <translation>%S1 fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="59"/>
        <source>Unexpected end of file</source>
        <translation>Unerwartetes Dateiende</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="60"/>
        <source>Unknown subformat</source>
        <translation>Unbekanntes Unterformat</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="61"/>
        <source>Not a %S1 file</source>
        <translation>Keine %S1-Datei</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="62"/>
        <source>Width = 0 or Height = 0</source>
        <translation>Breite = 0 oder Höhe = 0</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="63"/>
        <source>Invalid color resolution</source>
        <translation>Ungültige Farbauflösung</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="64"/>
        <source>Unsupported field type %S1</source>
        <translation>Nicht unterstützter Feldtyp %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="65"/>
        <source>Invalid count of bytes in row %S1</source>
        <translation>Ungültige Anzahl von Bytes in Zeile %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="66"/>
        <source>Unsupported Compression</source>
        <translation>Nicht unterstützte Kompression</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="67"/>
        <source>Saturation=0 and Hue defined</source>
        <translation>Sättigung=0 und Farbton definiert</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="68"/>
        <source>%S1 out of range</source>
        <translation>%S1 außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="69"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="71"/>
        <source>RGB Filter</source>
        <translation>RGB-Filter</translation>
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
        <translation>CMY-Filter</translation>
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
        <translation>YCbCr-Filter</translation>
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
        <translation>HLS-Filter</translation>
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
        <translation>HSV-Filter</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="88"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="89"/>
        <source>Negative Filter</source>
        <translation>Negativ-Filter</translation>
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
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="94"/>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="95"/>
        <source>Apply on</source>
        <translation>Anwenden auf</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="96"/>
        <source>Brightness, Contrast, Gamma Filter</source>
        <translation>Helligkeit-, Kontrast-, Gamma-Filter</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="97"/>
        <source>Grayscale Filter</source>
        <translation>Graustufen-Filter</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="98"/>
        <source>RGB weighting</source>
        <translation>RGB-Gewichtung</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="99"/>
        <source>Std. deviation</source>
        <translation>Standardabw.</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="100"/>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="101"/>
        <source>Sharpen</source>
        <translation>Schärfen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="102"/>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="103"/>
        <source>Smooth</source>
        <translation>Glätten</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="104"/>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="105"/>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="106"/>
        <source>Contour</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="107"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="108"/>
        <source>Black</source>
        <translation>Schwarz</translation>
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
        <translation>Die Sprachausgabe hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="230"/>
        <source>The voice for words without a recording cannot be used: espeak-ng&apos;s data is missing or damaged (%1). Install the package espeak-ng-data.</source>
        <translation>Die Stimme für Wörter ohne Aufnahme kann nicht verwendet werden: Die Daten von espeak-ng fehlen oder sind beschädigt (%1). Installieren Sie das Paket espeak-ng-data.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="257"/>
        <source>The voice for words without a recording cannot be used: espeak-ng lists no voices. Install the package espeak-ng-data.</source>
        <translation>Die Stimme für Wörter ohne Aufnahme kann nicht verwendet werden: espeak-ng findet keine Stimmen. Installieren Sie das Paket espeak-ng-data.</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="55"/>
        <source>Colour %1</source>
        <translation>Farbe %1</translation>
    </message>
</context>
<context>
    <name>TColorPalette</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="200"/>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="212"/>
        <source>&amp;Other</source>
        <translation>&amp;Eigene Farbe</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../platform/help.cpp" line="67"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="91"/>
        <source>The help file %1 could not be read.</source>
        <translation>Die Hilfedatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="92"/>
        <source>The help file %1 could not be found. It belongs beside the program.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden. Sie gehört in denselben Ordner wie das Programm.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="204"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="205"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="206"/>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="290"/>
        <location filename="../platform/help.cpp" line="319"/>
        <source>There is no help topic number %1 in %2.</source>
        <translation>In %2 gibt es kein Hilfethema mit der Nummer %1.</translation>
    </message>
</context>
<context>
    <name>THotKey</name>
    <message>
        <location filename="../widgets/StdCtrls.cpp" line="174"/>
        <location filename="../widgets/StdCtrls.cpp" line="215"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>TMMLEDLABEL</name>
    <message>
        <location filename="../widgets/MMLEDLbl.cpp" line="205"/>
        <source>LED display</source>
        <translation>LED-Anzeige</translation>
    </message>
</context>
<context>
    <name>TNCButton</name>
    <message>
        <location filename="../widgets/oxForm.cpp" line="134"/>
        <source>Stay on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="135"/>
        <source>Roll up</source>
        <translation>Einrollen</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="137"/>
        <source>Help on a control</source>
        <translation>Hilfe zu einem Element</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="144"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="146"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TPlanChart</name>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="126"/>
        <source>words known</source>
        <translation>gelernte Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="129"/>
        <source>showings a day (aim %1)</source>
        <translation>Durchgänge am Tag (Ziel: %1)</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <location filename="../app/uAbout.cpp" line="21"/>
        <source>Free software for young readers and their parents.</source>
        <translation>Freie Software für Leseanfänger und ihre Eltern.</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="117"/>
        <source>About Pellan Wordlark</source>
        <translation>Über Pellan Wordlark</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="137"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="165"/>
        <source>Opens the web page in the browser</source>
        <translation>Öffnet die Webseite im Browser</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="168"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="179"/>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="185"/>
        <source>The web page %1 could not be opened.</source>
        <translation>Die Webseite %1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>TfmConfig</name>
    <message>
        <location filename="../config/uConfig.cpp" line="104"/>
        <source>Configure Wordlark</source>
        <translation>Wordlark einrichten</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="155"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="156"/>
        <source>Database Recording</source>
        <translation>Wörter aufnehmen</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="157"/>
        <source>Database Select</source>
        <translation>Wörter auswählen</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="159"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="160"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="161"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="165"/>
        <source>Close the dialog, saving changes made</source>
        <translation>Das Fenster schließen und die Änderungen speichern</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="166"/>
        <source>Cancel all the changes made and close the dialog</source>
        <translation>Alle Änderungen verwerfen und das Fenster schließen</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="167"/>
        <source>Get help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="285"/>
        <source>Invalid starting directory</source>
        <translation>Ungültiger Startordner</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="389"/>
        <source>Another copy of the program changed the word list while this dialog was open. Saving now would undo these of its changes:

%1

Nothing has been saved. Press Cancel and open Configure again to start from the list as it is now.</source>
        <translation>Eine andere laufende Kopie des Programms hat die Wortliste geändert, während dieses Fenster offen war. Wenn jetzt gespeichert würde, gingen diese Änderungen verloren:

%1

Es wurde nichts gespeichert. Klicken Sie auf „Abbrechen“ und öffnen Sie „Einrichten“ noch einmal, um mit der Liste so weiterzuarbeiten, wie sie jetzt ist.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="418"/>
        <source>&quot;%1&quot; now has sound number %2 and keeps its recording; the other copy&apos;s word with number %3 has none now.</source>
        <translation>„%1“ hat jetzt die Tonnummer %2 und behält seine Aufnahme; das Wort der anderen Kopie mit der Nummer %3 hat nun keine mehr.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="420"/>
        <source>&quot;%1&quot; now has sound number %2 and no recording: record it again (the recording with number %3 is the other copy&apos;s).</source>
        <translation>„%1“ hat jetzt die Tonnummer %2 und keine Aufnahme: Bitte nehmen Sie es noch einmal auf (die Aufnahme mit der Nummer %3 gehört der anderen Kopie).</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="426"/>
        <source>Another copy of the program added words while this dialog was open; they have been kept. It gave the same sound numbers to words of its own as this dialog did:

%1</source>
        <translation>Eine andere laufende Kopie des Programms hat Wörter hinzugefügt, während dieses Fenster offen war; sie wurden übernommen. Dabei hat sie eigenen Wörtern dieselben Tonnummern gegeben wie dieses Fenster:

%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="62"/>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="64"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="69"/>
        <location filename="../config/uConfigGeneral.cpp" line="141"/>
        <source>Font Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="70"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="72"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="73"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="74"/>
        <source>This is the font that will be used</source>
        <translation>Die Schriftart, in der die Wörter erscheinen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="75"/>
        <source>This is the size of the font</source>
        <translation>Die Schriftgröße der Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="76"/>
        <source>This is the color of the font</source>
        <translation>Die Farbe der Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="77"/>
        <source>This is the color of the background</source>
        <translation>Die Farbe des Hintergrunds hinter den Wörtern</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="78"/>
        <source>Select whether you want to use a Bold font</source>
        <translation>Ankreuzen, um die Wörter in fetter Schrift zu zeigen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="79"/>
        <source>Shows the Run Screen so that you can Preview your settings</source>
        <translation>Zeigt den Lesebildschirm, damit Sie Ihre Einstellungen in der Vorschau ansehen können</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="83"/>
        <location filename="../config/uConfigGeneral.cpp" line="91"/>
        <source>Delay</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="84"/>
        <source>Mouse move</source>
        <translation>Mausbewegung</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="85"/>
        <source>Mouse click</source>
        <translation>Mausklick</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="86"/>
        <source>Keyboard press</source>
        <translation>Tastendruck</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="101"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="102"/>
        <source>Any</source>
        <translation>Jede</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="103"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="105"/>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="108"/>
        <source>Click to have the words change after the specified delay</source>
        <translation>Die Wörter wechseln nach der eingestellten Zeit von selbst</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="109"/>
        <source>Select to have words change when the mouse is moved</source>
        <translation>Die Wörter wechseln, wenn die Maus bewegt wird</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="110"/>
        <source>Select to have words change when a mouse button is clicked</source>
        <translation>Die Wörter wechseln, wenn eine Maustaste geklickt wird</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="111"/>
        <source>Select to have words change when the specified key is pressed</source>
        <translation>Die Wörter wechseln, wenn die gewählte Taste gedrückt wird</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="112"/>
        <source>Select the delay between words</source>
        <translation>Wie lange jedes Wort zu sehen ist</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="113"/>
        <source>Use the left mouse button</source>
        <translation>Die linke Maustaste verwenden</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="114"/>
        <source>Use the right mouse button</source>
        <translation>Die rechte Maustaste verwenden</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="115"/>
        <source>Use the any mouse button</source>
        <translation>Jede Maustaste verwenden</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="116"/>
        <source>Select the key to use or (none) for any key</source>
        <translation>Die Taste wählen, oder „Keine“ für jede beliebige Taste</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="123"/>
        <source>Main window background</source>
        <translation>Hintergrund des Hauptfensters</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="132"/>
        <source>Main window preview</source>
        <translation>Vorschau des Hauptfensters</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="133"/>
        <source>Buttons</source>
        <translation>Knöpfe</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="142"/>
        <source>Select the background of the main window</source>
        <translation>Das Hintergrundbild des Hauptfensters wählen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="143"/>
        <source>This is how the main window will appear</source>
        <translation>So wird das Hauptfenster aussehen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="144"/>
        <source>This is the color of the buttons of the main window</source>
        <translation>Die Schriftfarbe der Knöpfe im Hauptfenster</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="149"/>
        <source>Show Hints</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="150"/>
        <source>Protect Config dialog</source>
        <translation>Einstellungen schützen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="151"/>
        <source>Normal Sounds</source>
        <translation>Normaler Ton</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="152"/>
        <source>Delayed Sounds</source>
        <translation>Verzögerter Ton</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="153"/>
        <source>Mute (no Sounds)</source>
        <translation>Stumm (kein Ton)</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="154"/>
        <source>Select whether you want to use the balloon hints</source>
        <translation>Ankreuzen, um die Hinweise in Sprechblasen zu zeigen</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="155"/>
        <source>if checked you will have to press Shift and Alt to access the configuration dialog</source>
        <translation>Wenn angekreuzt, öffnet sich das Einstellungsfenster nur, wenn Sie dabei Umschalt und Alt gedrückt halten</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="156"/>
        <source>Normal Sounds - Words are played when they are shown</source>
        <translation>Normaler Ton – das Wort ist zu hören, sobald es erscheint</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="157"/>
        <source>Delayed Sounds - Words will be played after a 2s delay</source>
        <translation>Verzögerter Ton – das Wort ist 2 Sekunden nach dem Erscheinen zu hören</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="158"/>
        <source>Mute - Words will not be played</source>
        <translation>Stumm – die Wörter sind nicht zu hören</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="41"/>
        <source>Word packs (*.wordpack)</source>
        <translation>Wortpakete (*.wordpack)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="48"/>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="49"/>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="50"/>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="51"/>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="52"/>
        <source>Save the selected words (all the words when none is selected) with their recordings into a word pack file</source>
        <translation>Die markierten Wörter (alle Wörter, wenn keines markiert ist) mit ihren Aufnahmen in einer Wortpaket-Datei speichern</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="55"/>
        <source>Add the words of a word pack file, with their recordings, as new words</source>
        <translation>Die Wörter einer Wortpaket-Datei mit ihren Aufnahmen als neue Wörter hinzufügen</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Export words</source>
        <translation>Wörter exportieren</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Import words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="74"/>
        <source>My words.wordpack</source>
        <translation>Meine Wörter.wordpack</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="98"/>
        <source>There are no words to export.</source>
        <translation>Es gibt keine Wörter zum Exportieren.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="108"/>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="109"/>
        <source>%1 words (%2 with recordings) were exported to %3.</source>
        <translation>%1 Wörter (%2 davon mit Aufnahme) wurden nach %3 exportiert.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="157"/>
        <source>The pack is larger than 200 MB.</source>
        <translation>Das Paket ist größer als 200 MB.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="160"/>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="177"/>
        <source>The word pack %1 was not imported:

%2

Nothing has been changed.</source>
        <translation>Das Wortpaket %1 wurde nicht importiert:

%2

Es wurde nichts verändert.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="189"/>
        <source>&quot;%1&quot;: %2 words were added as new words, %3 were already there.</source>
        <translation>„%1“: %2 Wörter wurden als neue Wörter hinzugefügt, %3 waren schon vorhanden.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="34"/>
        <source>1 new word</source>
        <translation>1 neues Wort</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="35"/>
        <source>%1 new words</source>
        <translation>%1 neue Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="143"/>
        <source>Daily Plan</source>
        <translation>Tagesplan</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="145"/>
        <source>Run the daily plan</source>
        <translation>Tagesplan nutzen</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="147"/>
        <source>The program moves the words for you: it retires the words your child has seen on enough days and brings new ones in, once a day</source>
        <translation>Das Programm verschiebt die Wörter für Sie: Einmal am Tag legt es die Wörter, die Ihr Kind an genügend Tagen gesehen hat, zu den gelernten Wörtern und holt neue dazu</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="159"/>
        <source>Words in use</source>
        <translation>Übungswörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="160"/>
        <source>How many words are in use at once</source>
        <translation>Wie viele Wörter gleichzeitig geübt werden</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="161"/>
        <source>Days to learn a word</source>
        <translation>Tage bis gelernt</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="162"/>
        <source>A word is known once it was shown on this many different days</source>
        <translation>Ein Wort gilt als gelernt, wenn es an so vielen verschiedenen Tagen gezeigt wurde</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="163"/>
        <source>New words a day</source>
        <translation>Neue Wörter am Tag</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="164"/>
        <source>How many words at most are retired, and new ones brought in, each day</source>
        <translation>Wie viele Wörter höchstens pro Tag zu den gelernten wechseln und wie viele neue dafür dazukommen</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="165"/>
        <source>Showings a day</source>
        <translation>Durchgänge am Tag</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="166"/>
        <source>How many times a day you aim to show the words</source>
        <translation>Wie oft am Tag Sie die Wörter zeigen möchten</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="167"/>
        <source>Minutes between</source>
        <translation>Minuten Abstand</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="168"/>
        <source>How long you want to wait between two showings</source>
        <translation>Wie lange Sie zwischen zwei Durchgängen warten möchten</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="194"/>
        <source>Today&apos;s showings against the number you aim for</source>
        <translation>Die heutigen Durchgänge im Vergleich zu Ihrem Ziel</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="195"/>
        <source>When the next showing is due, going by the minutes between showings</source>
        <translation>Wann der nächste Durchgang fällig ist, gerechnet nach den Minuten Abstand</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="196"/>
        <source>The words that become known next, and on which day</source>
        <translation>Die Wörter, die als Nächstes gelernt sind, und an welchem Tag</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="197"/>
        <source>The new words still waiting, and when the last one comes into use</source>
        <translation>Die neuen Wörter, die noch warten, und wann das letzte davon an die Reihe kommt</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="204"/>
        <source>The last thirty days: bars for the showings of each day, the line for the words your child knows</source>
        <translation>Die letzten dreißig Tage: Balken für die Durchgänge jedes Tages, die Linie für die Wörter, die Ihr Kind kann</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="241"/>
        <source>%1 of %2 today</source>
        <translation>Heute %1 von %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="244"/>
        <source>Today&apos;s showings are done.</source>
        <translation>Für heute ist alles geschafft.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="246"/>
        <source>Next showing: now</source>
        <translation>Nächster Durchgang: jetzt</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="249"/>
        <source>Next showing: tomorrow</source>
        <translation>Nächster Durchgang: morgen</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="251"/>
        <source>Next showing: from %1</source>
        <translation>Nächster Durchgang: ab %1 Uhr</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="256"/>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>No words in use.</source>
        <translation>Keine Übungswörter.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>Known next: </source>
        <translation>Als Nächstes gelernt: </translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="259"/>
        <source>No new words left: record some on the recording page.</source>
        <translation>Keine neuen Wörter mehr: Nehmen Sie auf der Seite „Wörter aufnehmen“ welche auf.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="262"/>
        <source>%1 left; the last comes into use on %2.</source>
        <translation>Noch %1; das letzte kommt am %2 an die Reihe.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="264"/>
        <source>%1 left.</source>
        <translation>Noch %1.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="93"/>
        <source>All words</source>
        <translation>Alle Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="94"/>
        <source>Select a word from the list to change the sound or delete it</source>
        <translation>Ein Wort aus der Liste wählen, um seinen Ton zu ändern oder es zu löschen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="96"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="97"/>
        <location filename="../config/uConfigRecord.cpp" line="310"/>
        <location filename="../config/uConfigRecord.cpp" line="331"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="98"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="99"/>
        <source>Insert a new word</source>
        <translation>Ein neues Wort eingeben</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="100"/>
        <source>Delete the word or cancel the action</source>
        <translation>Das Wort löschen oder die Eingabe abbrechen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="101"/>
        <source>Save the word and sound</source>
        <translation>Das Wort und seinen Ton speichern</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="107"/>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="110"/>
        <source>Add to use words</source>
        <translation>Sofort üben</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="112"/>
        <source>Check to add this word to the list of word to use</source>
        <translation>Ankreuzen, um das Wort gleich zu den Übungswörtern zu legen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="114"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="115"/>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="116"/>
        <source>Click to Record a word</source>
        <translation>Das Wort aufnehmen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="117"/>
        <source>Click to Play a word</source>
        <translation>Das Wort abspielen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="119"/>
        <source>To record use the buttons above or hit SPACE to start and again to stop</source>
        <translation>Aufnahme mit den Knöpfen oben oder der LEERTASTE starten und stoppen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="139"/>
        <source>Recorded time</source>
        <translation>Aufnahmezeit</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="164"/>
        <location filename="../config/uConfigRecord.cpp" line="167"/>
        <source>Even out the volume</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="168"/>
        <source>Check to trim the silence around each new recording and bring it to the same loudness as the other words</source>
        <translation>Ankreuzen, um bei jeder neuen Aufnahme die Stille davor und danach abzuschneiden und sie so laut zu machen wie die anderen Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="171"/>
        <location filename="../config/uConfigRecord.cpp" line="173"/>
        <source>Even out all</source>
        <translation>Alle angleichen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="172"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="174"/>
        <source>Undo evening out</source>
        <translation>Angleichen rückgängig machen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="175"/>
        <source>Even out the volume of every recorded word</source>
        <translation>Die Lautstärke aller aufgenommenen Wörter angleichen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="176"/>
        <source>Put back every recording as it was recorded</source>
        <translation>Alle Aufnahmen wieder so herstellen, wie sie aufgenommen wurden</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="182"/>
        <source>Recordings done</source>
        <translation>Fertige Aufnahmen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="185"/>
        <location filename="../config/uConfigRecord.cpp" line="323"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="186"/>
        <source>Cancel evening out</source>
        <translation>Angleichen abbrechen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="187"/>
        <source>Stop here; the words done so far keep their new sound</source>
        <translation>Hier aufhören; die schon fertigen Wörter behalten ihren neuen Ton</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="423"/>
        <source>Type the word before saving it.</source>
        <translation>Bitte geben Sie das Wort ein, bevor Sie es speichern.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="425"/>
        <source>A word cannot contain &quot;;&quot; or a line break. Please change the word.</source>
        <translation>Ein Wort darf kein „;“ und keinen Zeilenumbruch enthalten. Bitte ändern Sie das Wort.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="440"/>
        <source>There is no free sound number left for another word.</source>
        <translation>Für ein weiteres Wort ist keine Tonnummer mehr frei.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="459"/>
        <source>The old sound file %1 could not be deleted. Record the word to replace it.</source>
        <translation>Die alte Tondatei %1 konnte nicht gelöscht werden. Nehmen Sie das Wort auf, um sie zu ersetzen.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="598"/>
        <source>The recording stopped because %1 could not be written: the disk may be full. The sound recorded up to that moment is kept.</source>
        <translation>Die Aufnahme wurde angehalten, weil %1 nicht geschrieben werden konnte: Vielleicht ist die Festplatte voll. Der bis dahin aufgenommene Ton bleibt erhalten.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="626"/>
        <source>Nothing was heard in this recording, so its volume was left as it is. Check the microphone and record the word again.</source>
        <translation>In dieser Aufnahme war nichts zu hören, deshalb wurde ihre Lautstärke nicht verändert. Prüfen Sie das Mikrofon und nehmen Sie das Wort noch einmal auf.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="630"/>
        <source>The recording could not be evened out because the folder %1 could not be written (the disk may be full or the folder read-only). The recording is kept as it was recorded.</source>
        <translation>Die Aufnahme konnte nicht angeglichen werden, weil in den Ordner %1 nicht geschrieben werden konnte (vielleicht ist die Festplatte voll oder der Ordner schreibgeschützt). Die Aufnahme bleibt so, wie sie aufgenommen wurde.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="636"/>
        <source>The recording %1 cannot be read back, so it was not evened out.</source>
        <translation>Die Aufnahme %1 lässt sich nicht wieder einlesen und wurde deshalb nicht angeglichen.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="721"/>
        <source>These could not be written (the disk may be full or the folder read-only); they are as they were:
%1</source>
        <translation>Diese konnten nicht geschrieben werden (vielleicht ist die Festplatte voll oder der Ordner schreibgeschützt); sie sind unverändert:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="725"/>
        <source>Nothing was heard in these recordings; they were left as they are:
%1</source>
        <translation>In diesen Aufnahmen war nichts zu hören; sie wurden nicht verändert:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="728"/>
        <source>These sound files are not recordings of this program (another wave format); they were left as they are:
%1</source>
        <translation>Diese Tondateien sind keine Aufnahmen dieses Programms (anderes Wave-Format); sie wurden nicht verändert:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="732"/>
        <source>These sound files cannot be read (empty or damaged); they were left as they are:
%1</source>
        <translation>Diese Tondateien lassen sich nicht lesen (leer oder beschädigt); sie wurden nicht verändert:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="219"/>
        <source>New words</source>
        <translation>Neue Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="220"/>
        <source> Words in use</source>
        <translation> Übungswörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="221"/>
        <source> Words known</source>
        <translation> Gelernte Wörter</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="251"/>
        <source>Those are new words, move them to the &apos;Words in use&apos; list to use them</source>
        <translation>Das sind neue Wörter. Verschieben Sie sie in die Liste „Übungswörter“, um sie zu üben</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="252"/>
        <source>Those words are used now. Move them to the list of &apos;words known&apos; when your child knows them</source>
        <translation>Diese Wörter werden gerade geübt. Verschieben Sie sie in die Liste „Gelernte Wörter“, sobald Ihr Kind sie kann</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="253"/>
        <source>Those words are known by your child</source>
        <translation>Diese Wörter kann Ihr Kind schon</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="265"/>
        <source>Move to words in use</source>
        <translation>Zu den Übungswörtern</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="266"/>
        <source>Move to new words</source>
        <translation>Zu den neuen Wörtern</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="267"/>
        <source>Move to words known</source>
        <translation>Zu den gelernten Wörtern</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="268"/>
        <source>Move back to words in use</source>
        <translation>Zurück zu den Übungswörtern</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="269"/>
        <location filename="../config/uConfigSelect.cpp" line="272"/>
        <source>Move selected words to the list of &apos;Words in use&apos;</source>
        <translation>Markierte Wörter in die Liste „Übungswörter“ verschieben</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="270"/>
        <source>Move selected words to the list of &apos;New words&apos;</source>
        <translation>Markierte Wörter in die Liste „Neue Wörter“ verschieben</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="271"/>
        <source>Move selected words to the list of &apos;Words known&apos;</source>
        <translation>Markierte Wörter in die Liste „Gelernte Wörter“ verschieben</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="282"/>
        <source>Select all the words on the list above</source>
        <translation>Alle Wörter der Liste darüber markieren</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="283"/>
        <source>Unselect all the words on the list above</source>
        <translation>Die Markierung aller Wörter der Liste darüber aufheben</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="288"/>
        <location filename="../config/uConfigSelect.cpp" line="289"/>
        <location filename="../config/uConfigSelect.cpp" line="290"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="291"/>
        <location filename="../config/uConfigSelect.cpp" line="292"/>
        <location filename="../config/uConfigSelect.cpp" line="293"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="17"/>
        <source>Speak words that have no recording</source>
        <translation>Wörter ohne Aufnahme vorlesen lassen</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="21"/>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="22"/>
        <source>Check to have the words that have no recording spoken by the computer&apos;s voice</source>
        <translation>Ankreuzen, damit die Computerstimme Wörter ohne Aufnahme vorliest</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="23"/>
        <source>Select the voice (language) that speaks the words that have no recording</source>
        <translation>Die Stimme (Sprache) wählen, die Wörter ohne Aufnahme vorliest</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="53"/>
        <source>There is no sound device to speak through: words that have no recording will stay silent.</source>
        <translation>Es gibt kein Tonausgabegerät, über das gesprochen werden kann: Wörter ohne Aufnahme bleiben stumm.</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="19"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="23"/>
        <source>&amp;Language (used from the next start)</source>
        <translation>&amp;Sprache (ab dem nächsten Start)</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="29"/>
        <source>Choose the language of the program&apos;s windows and help; it changes when the program is started next</source>
        <translation>Die Sprache der Fenster und der Hilfe wählen; sie wechselt beim nächsten Start des Programms</translation>
    </message>
</context>
<context>
    <name>TfmError</name>
    <message>
        <location filename="../app/uError.cpp" line="63"/>
        <source>Your database contains no Words on the &quot;Use Words&quot; category. Either you haven&apos;t entered any word on the database, or you haven&apos;t placed any word on the &quot;Use Word&quot; category.</source>
        <translation>Ihre Wortsammlung enthält keine Übungswörter. Entweder haben Sie noch kein Wort eingegeben, oder Sie haben noch keines in die Liste „Übungswörter“ gelegt.</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="67"/>
        <source>You may want to see the Tutorial, which shows you how to enter new words to the database. Do you want to run the Tutorial now?</source>
        <translation>Die Einführung zeigt Ihnen, wie Sie neue Wörter eingeben. Möchten Sie die Einführung jetzt ansehen?</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="70"/>
        <source>&amp;Yes, show me the tutorial</source>
        <translation>&amp;Ja, Einführung zeigen</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="78"/>
        <source>&amp;No, I already know how to use the program</source>
        <translation>&amp;Nein, ich kenne das Programm schon</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <location filename="../app/uMain.cpp" line="40"/>
        <source>There was an error reading the sounds database. Terminating program</source>
        <translation>Beim Lesen der Wortsammlung ist ein Fehler aufgetreten. Das Programm wird beendet</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="44"/>
        <source>The old word list could not be read. It has been kept as %1.</source>
        <translation>Die alte Wortliste konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="127"/>
        <source>Click to open the About dialog box</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Click to run</source>
        <translation>Die Übungswörter auf dem Lesebildschirm zeigen</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Configure</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Click to open the configuration dialog</source>
        <translation>Das Einstellungsfenster öffnen</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Click to open the help file</source>
        <translation>Die Hilfe öffnen</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Click to Exit</source>
        <translation>Das Programm beenden</translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>WaveDev</name>
    <message>
        <location filename="../sound/wavedev.cpp" line="223"/>
        <source>The specified command was carried out.</source>
        <translation>Der Befehl wurde ausgeführt.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="224"/>
        <source>Undefined external error.</source>
        <translation>Unbekannter externer Fehler.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="225"/>
        <source>A device ID has been used that is out of range for your system.</source>
        <translation>Es wurde eine Geräte-ID verwendet, die es auf diesem System nicht gibt.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="226"/>
        <source>The specified device is already in use. Wait until it is free, and then try again.</source>
        <translation>Das Gerät wird gerade benutzt. Warten Sie, bis es frei ist, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="227"/>
        <source>The specified device handle is invalid.</source>
        <translation>Das Geräte-Handle ist ungültig.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="228"/>
        <source>There is no driver installed on your system.</source>
        <translation>Auf diesem System ist kein Treiber installiert.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="229"/>
        <source>There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again.</source>
        <translation>Für diese Aufgabe ist nicht genug Speicher frei. Beenden Sie eine oder mehrere Anwendungen, um Speicher freizugeben, und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="230"/>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Einer Systemfunktion wurde ein ungültiger Parameter übergeben.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="231"/>
        <source>The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats.</source>
        <translation>Das Format wird nicht unterstützt oder kann nicht umgewandelt werden. Mit der Funktion „Capabilities“ lassen sich die unterstützten Formate ermitteln.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="232"/>
        <source>Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing.</source>
        <translation>Das ist nicht möglich, solange noch Mediendaten abgespielt werden. Setzen Sie das Gerät zurück oder warten Sie, bis die Wiedergabe zu Ende ist.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="233"/>
        <source>The sound device did not answer in time.</source>
        <translation>Das Tongerät hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="234"/>
        <source>The sound device stopped working: it was unplugged, or the sound system was stopped.</source>
        <translation>Das Tongerät funktioniert nicht mehr: Es wurde ausgesteckt, oder das Tonsystem wurde angehalten.</translation>
    </message>
</context>
<context>
    <name>WordMerge</name>
    <message>
        <location filename="../data/WordMerge.cpp" line="32"/>
        <source>new words</source>
        <translation>Neue Wörter</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="33"/>
        <source>words in use</source>
        <translation>Übungswörter</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="34"/>
        <source>known words</source>
        <translation>Gelernte Wörter</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="41"/>
        <source>&quot;%1&quot; (deleted)</source>
        <translation>„%1“ (gelöscht)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="42"/>
        <source>&quot;%1&quot; (moved to %2)</source>
        <translation>„%1“ (verschoben in die Liste „%2“)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="95"/>
        <source>&quot;%1&quot; (no free sound number for a word of this copy)</source>
        <translation>„%1“ (keine freie Tonnummer für ein Wort dieser Kopie)</translation>
    </message>
</context>
<context>
    <name>WordPack</name>
    <message>
        <location filename="../data/uWordPack.cpp" line="71"/>
        <source>This file is not a word pack (not a ZIP archive: its table of contents cannot be read).</source>
        <translation>Diese Datei ist kein Wortpaket (kein ZIP-Archiv: Ihr Inhaltsverzeichnis lässt sich nicht lesen).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="73"/>
        <source>The pack is a ZIP64 archive, which this program does not read.</source>
        <translation>Das Paket ist ein ZIP64-Archiv, und das kann dieses Programm nicht lesen.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="95"/>
        <source>The pack holds &quot;%1&quot; twice.</source>
        <translation>Das Paket enthält „%1“ zweimal.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="98"/>
        <source>The file &quot;%1&quot; in the pack is encrypted.</source>
        <translation>Die Datei „%1“ im Paket ist verschlüsselt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="100"/>
        <source>The file &quot;%1&quot; in the pack is packed in a way this program does not read (method %2).</source>
        <translation>Die Datei „%1“ im Paket ist auf eine Art gepackt, die dieses Programm nicht lesen kann (Methode %2).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="115"/>
        <source>The files &quot;%1&quot; and &quot;%2&quot; in the pack overlap: the same bytes would unpack as both.</source>
        <translation>Die Dateien „%1“ und „%2“ im Paket überlappen sich: Dieselben Bytes würden zu beiden entpackt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="171"/>
        <source>The file %1 in the pack cannot be unpacked.</source>
        <translation>Die Datei %1 im Paket lässt sich nicht entpacken.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="178"/>
        <source>The file %1 in the pack is damaged.</source>
        <translation>Die Datei %1 im Paket ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="182"/>
        <source>The file %1 in the pack unpacks to more than its header says.</source>
        <translation>Die Datei %1 im Paket wird beim Entpacken größer, als ihr Header angibt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="185"/>
        <location filename="../data/uWordPack.cpp" line="322"/>
        <source>The pack unpacks to more than 200 MB.</source>
        <translation>Das Paket wird beim Entpacken größer als 200 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="189"/>
        <source>The file %1 in the pack is shorter than its header says.</source>
        <translation>Die Datei %1 im Paket ist kürzer, als ihr Header angibt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="199"/>
        <source>Line %1 of the pack&apos;s word list is not a word: &quot;%2&quot;.</source>
        <translation>Zeile %1 der Wortliste im Paket ist kein Wort: „%2“.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="238"/>
        <source>The recording %1 in the pack is not a wave file.</source>
        <translation>Die Aufnahme %1 im Paket ist keine Wave-Datei.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="242"/>
        <source>The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits (this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).</source>
        <translation>Die Aufnahme %1 im Paket kann nicht abgespielt werden: %2, %3 Kanäle, %4 Hz, %5 Bit (dieses Programm spielt PCM mit 1 oder 2 Kanälen, 8 oder 16 Bit, 4000 bis 100000 Hz).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="249"/>
        <source>The recording %1 in the pack cannot be played: its bytes per second or per sample do not match its format.</source>
        <translation>Die Aufnahme %1 im Paket kann nicht abgespielt werden: Ihre Bytes pro Sekunde oder pro Sample passen nicht zu ihrem Format.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="269"/>
        <location filename="../data/uWordPack.cpp" line="389"/>
        <source>The pack cannot be written: %1</source>
        <translation>Das Paket kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="289"/>
        <source>The pack cannot be read.</source>
        <translation>Das Paket kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="296"/>
        <source>The pack is damaged: its table of contents does not match the files in it.</source>
        <translation>Das Paket ist beschädigt: Sein Inhaltsverzeichnis passt nicht zu den Dateien darin.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="297"/>
        <source>This file is not a word pack (not a ZIP archive).</source>
        <translation>Diese Datei ist kein Wortpaket (kein ZIP-Archiv).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="302"/>
        <source>The pack holds more than %1 files.</source>
        <translation>Das Paket enthält mehr als %1 Dateien.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="311"/>
        <source>The pack is damaged.</source>
        <translation>Das Paket ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="315"/>
        <source>The pack names a file outside its own folder: &quot;%1&quot;.</source>
        <translation>Das Paket nennt eine Datei außerhalb seines eigenen Ordners: „%1“.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="317"/>
        <source>The pack holds a link or a device, &quot;%1&quot;, not a plain file.</source>
        <translation>Das Paket enthält eine Verknüpfung oder ein Gerät, „%1“, statt einer gewöhnlichen Datei.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="319"/>
        <source>The file &quot;%1&quot; in the pack is larger than 20 MB.</source>
        <translation>Die Datei „%1“ im Paket ist größer als 20 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="325"/>
        <source>The file &quot;%1&quot; in the pack is packed more than 100 to 1.</source>
        <translation>Die Datei „%1“ im Paket ist stärker als 100 zu 1 gepackt.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="332"/>
        <source>This file is not a word pack: it has no word list.</source>
        <translation>Diese Datei ist kein Wortpaket: Sie enthält keine Wortliste.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="357"/>
        <location filename="../data/uWordPack.cpp" line="363"/>
        <location filename="../data/uWordPack.cpp" line="396"/>
        <location filename="../data/uWordPack.cpp" line="401"/>
        <source>The pack cannot be written.</source>
        <translation>Das Paket kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="440"/>
        <source>There is no room for the pack&apos;s words: the program keeps at most %1 words.</source>
        <translation>Für die Wörter des Pakets ist kein Platz: Das Programm fasst höchstens %1 Wörter.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="477"/>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
</context>
</TS>
