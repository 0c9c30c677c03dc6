<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DailyPlan</name>
    <message>
        <location filename="../data/uPlan.cpp" line="143"/>
        <source>The daily plan could not be saved to %1. The words in use stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="573"/>
        <source>The daily plan&apos;s file could not be read. It has been kept as %1, and the plan starts afresh today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="577"/>
        <source>The daily plan&apos;s file %1 could not be read, nor moved aside. The plan starts afresh today but is not saved until that file is moved away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="606"/>
        <source>The daily plan could not be run today.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="69"/>
        <location filename="../data/uCommon.cpp" line="92"/>
        <location filename="../data/uCommon.cpp" line="307"/>
        <location filename="../data/uCommon.cpp" line="322"/>
        <location filename="../data/uCommon.cpp" line="333"/>
        <location filename="../picture/PGraphic.cpp" line="473"/>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="237"/>
        <location filename="../picture/PGraphic.cpp" line="477"/>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="324"/>
        <source>The word list %1 was changed by another copy of the program. It has not been replaced, so that copy&apos;s words are not lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <location filename="../platform/keys.cpp" line="60"/>
        <source>F%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="62"/>
        <source>Num %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="64"/>
        <source>BkSp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="65"/>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="66"/>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="67"/>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="68"/>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="69"/>
        <source>PgUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="70"/>
        <source>PgDn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="71"/>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="72"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="73"/>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="74"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="75"/>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="76"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="77"/>
        <source>Ins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="78"/>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="223"/>
        <location filename="../widgets/StdCtrls.cpp" line="210"/>
        <source>Shift+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="225"/>
        <location filename="../widgets/StdCtrls.cpp" line="212"/>
        <source>Ctrl+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="227"/>
        <location filename="../widgets/StdCtrls.cpp" line="214"/>
        <source>Alt+</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MMObj</name>
    <message>
        <location filename="../audio/MMObj.cpp" line="226"/>
        <source>Change to property while device was open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="227"/>
        <source>Invalid DeviceID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="228"/>
        <source>Unable to allocate memory for wave header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="229"/>
        <source>Unable to free header memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="230"/>
        <source>The actual device can&apos;t play this format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="231"/>
        <source>Unable to start device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="232"/>
        <source>Error filling wave buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="233"/>
        <source>Specified error number is out of range (unknown error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="234"/>
        <source>The actual device can&apos;t record this format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="235"/>
        <source>Could not create thread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="236"/>
        <source>Invalid wave format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="237"/>
        <source>Error reading wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="238"/>
        <source>Can&apos;t write to MemoryWave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="239"/>
        <source>Invalid wave file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="240"/>
        <source>Unable to setup file IO buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="241"/>
        <source>Unable to open wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="242"/>
        <source>Unable to create wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="243"/>
        <source>Unable to set start position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="244"/>
        <source>Unable to set end position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="245"/>
        <source>Error seeking file position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="246"/>
        <source>No wave audio recording device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="247"/>
        <source>No wave audio playing device found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="248"/>
        <source>Unable to open device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="249"/>
        <source>Unable to close device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PGraphic</name>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="16"/>
        <source>X, Y index out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="17"/>
        <source>No palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="18"/>
        <source>Invalid palette index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="19"/>
        <source>Unknown clipboard format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="20"/>
        <source>Invalid temporary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="21"/>
        <source>Unknown file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="22"/>
        <source>%S1 invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="23"/>
        <source>black and white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="24"/>
        <source>2 colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="25"/>
        <source>16 shades of gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="26"/>
        <source>16 system colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="27"/>
        <source>16 colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="28"/>
        <source>256 shades of gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="29"/>
        <source>256 colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="30"/>
        <source>16.7 million colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="31"/>
        <source>%S1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="32"/>
        <source>The graphic cannot be saved to a %S1 file with the current color resolution (%S2).

The graphic will be saved with a different color resolution (%S3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="37"/>
        <source>The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="42"/>
        <source>Unknown file extension &quot;%S1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="43"/>
        <source>Invalid value for %S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="44"/>
        <source>Negative height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="45"/>
        <source>Negative width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="46"/>
        <source>Cannot apply this filter to a source that is identical to the target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="51"/>
        <source>bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="52"/>
        <source>Image files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="53"/>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="54"/>
        <source>Invalid size of %S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="55"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="56"/>
        <source>Operation aborted on user request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="57"/>
        <source>Not supported subformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="58"/>
        <source>%S1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="59"/>
        <source>Unexpected end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="60"/>
        <source>Unknown subformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="61"/>
        <source>Not a %S1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="62"/>
        <source>Width = 0 or Height = 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="63"/>
        <source>Invalid color resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="64"/>
        <source>Unsupported field type %S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="65"/>
        <source>Invalid count of bytes in row %S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="66"/>
        <source>Unsupported Compression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="67"/>
        <source>Saturation=0 and Hue defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="68"/>
        <source>%S1 out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="69"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="70"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="71"/>
        <source>RGB Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="72"/>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="73"/>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="74"/>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="75"/>
        <source>CMY Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="76"/>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="77"/>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="78"/>
        <location filename="../picture/PGraphicMessages.cpp" line="80"/>
        <location filename="../picture/PGraphicMessages.cpp" line="92"/>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="79"/>
        <source>YCbCr Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="81"/>
        <source>Cb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="82"/>
        <source>Cr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="83"/>
        <source>HLS Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="84"/>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="85"/>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="86"/>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="87"/>
        <source>HSV Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="88"/>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="89"/>
        <source>Negative Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="90"/>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="91"/>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="93"/>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="94"/>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="95"/>
        <source>Apply on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="96"/>
        <source>Brightness, Contrast, Gamma Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="97"/>
        <source>Grayscale Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="98"/>
        <source>RGB weighting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="99"/>
        <source>Std. deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="100"/>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="101"/>
        <source>Sharpen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="102"/>
        <source>Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="103"/>
        <source>Smooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="104"/>
        <source>Radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="105"/>
        <source>Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="106"/>
        <source>Contour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="107"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="108"/>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="109"/>
        <source>±</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="110"/>
        <source>°</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <location filename="../sound/speech.cpp" line="119"/>
        <source>The speech synthesiser did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="230"/>
        <source>The voice for words without a recording cannot be used: espeak-ng&apos;s data is missing or damaged (%1). Install the package espeak-ng-data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="257"/>
        <source>The voice for words without a recording cannot be used: espeak-ng lists no voices. Install the package espeak-ng-data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="55"/>
        <source>Colour %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TColorPalette</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="200"/>
        <source>Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="212"/>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../platform/help.cpp" line="67"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="91"/>
        <source>The help file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="92"/>
        <source>The help file %1 could not be found. It belongs beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="204"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="205"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="206"/>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="290"/>
        <location filename="../platform/help.cpp" line="319"/>
        <source>There is no help topic number %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THotKey</name>
    <message>
        <location filename="../widgets/StdCtrls.cpp" line="174"/>
        <location filename="../widgets/StdCtrls.cpp" line="215"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMMLEDLABEL</name>
    <message>
        <location filename="../widgets/MMLEDLbl.cpp" line="205"/>
        <source>LED display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNCButton</name>
    <message>
        <location filename="../widgets/oxForm.cpp" line="134"/>
        <source>Stay on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="135"/>
        <source>Roll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="137"/>
        <source>Help on a control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="144"/>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="146"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <location filename="../app/uAbout.cpp" line="184"/>
        <source>The web page %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToxButton</name>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveDev</name>
    <message>
        <location filename="../sound/wavedev.cpp" line="223"/>
        <source>The specified command was carried out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="224"/>
        <source>Undefined external error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="225"/>
        <source>A device ID has been used that is out of range for your system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="226"/>
        <source>The specified device is already in use. Wait until it is free, and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="227"/>
        <source>The specified device handle is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="228"/>
        <source>There is no driver installed on your system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="229"/>
        <source>There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="230"/>
        <source>An invalid parameter was passed to a system function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="231"/>
        <source>The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="232"/>
        <source>Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="233"/>
        <source>The sound device did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="234"/>
        <source>The sound device stopped working: it was unplugged, or the sound system was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordMerge</name>
    <message>
        <location filename="../data/WordMerge.cpp" line="32"/>
        <source>new words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="33"/>
        <source>words in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="34"/>
        <source>known words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="41"/>
        <source>&quot;%1&quot; (deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="42"/>
        <source>&quot;%1&quot; (moved to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="95"/>
        <source>&quot;%1&quot; (no free sound number for a word of this copy)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordPack</name>
    <message>
        <location filename="../data/uWordPack.cpp" line="71"/>
        <source>This file is not a word pack (not a ZIP archive: its table of contents cannot be read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="73"/>
        <source>The pack is a ZIP64 archive, which this program does not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="95"/>
        <source>The pack holds &quot;%1&quot; twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="98"/>
        <source>The file &quot;%1&quot; in the pack is encrypted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="100"/>
        <source>The file &quot;%1&quot; in the pack is packed in a way this program does not read (method %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="115"/>
        <source>The files &quot;%1&quot; and &quot;%2&quot; in the pack overlap: the same bytes would unpack as both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="171"/>
        <source>The file %1 in the pack cannot be unpacked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="178"/>
        <source>The file %1 in the pack is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="182"/>
        <source>The file %1 in the pack unpacks to more than its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="185"/>
        <location filename="../data/uWordPack.cpp" line="322"/>
        <source>The pack unpacks to more than 200 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="189"/>
        <source>The file %1 in the pack is shorter than its header says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="199"/>
        <source>Line %1 of the pack&apos;s word list is not a word: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="238"/>
        <source>The recording %1 in the pack is not a wave file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="242"/>
        <source>The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits (this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="249"/>
        <source>The recording %1 in the pack cannot be played: its bytes per second or per sample do not match its format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="269"/>
        <location filename="../data/uWordPack.cpp" line="389"/>
        <source>The pack cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="289"/>
        <source>The pack cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="296"/>
        <source>The pack is damaged: its table of contents does not match the files in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="297"/>
        <source>This file is not a word pack (not a ZIP archive).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="302"/>
        <source>The pack holds more than %1 files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="311"/>
        <source>The pack is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="315"/>
        <source>The pack names a file outside its own folder: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="317"/>
        <source>The pack holds a link or a device, &quot;%1&quot;, not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="319"/>
        <source>The file &quot;%1&quot; in the pack is larger than 20 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="325"/>
        <source>The file &quot;%1&quot; in the pack is packed more than 100 to 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="332"/>
        <source>This file is not a word pack: it has no word list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="357"/>
        <location filename="../data/uWordPack.cpp" line="363"/>
        <location filename="../data/uWordPack.cpp" line="396"/>
        <location filename="../data/uWordPack.cpp" line="401"/>
        <source>The pack cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="440"/>
        <source>There is no room for the pack&apos;s words: the program keeps at most %1 words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="477"/>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
