<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DailyPlan</name>
    <message>
        <location filename="../data/uPlan.cpp" line="143"/>
        <source>The daily plan could not be saved to %1. The words in use stay as they are.</source>
        <translation>No se ha podido guardar el plan diario en %1. Las palabras en uso se quedan como están.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="573"/>
        <source>The daily plan&apos;s file could not be read. It has been kept as %1, and the plan starts afresh today.</source>
        <translation>No se ha podido leer el archivo del plan diario. Se ha guardado como %1 y el plan vuelve a empezar hoy.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="577"/>
        <source>The daily plan&apos;s file %1 could not be read, nor moved aside. The plan starts afresh today but is not saved until that file is moved away.</source>
        <translation>No se ha podido leer ni apartar el archivo del plan diario %1. El plan vuelve a empezar hoy, pero no se guardará hasta que se quite ese archivo de ahí.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="606"/>
        <source>The daily plan could not be run today.</source>
        <translation>Hoy no se ha podido aplicar el plan diario.</translation>
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
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="69"/>
        <location filename="../data/uCommon.cpp" line="92"/>
        <location filename="../data/uCommon.cpp" line="307"/>
        <location filename="../data/uCommon.cpp" line="322"/>
        <location filename="../data/uCommon.cpp" line="333"/>
        <location filename="../picture/PGraphic.cpp" line="473"/>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="237"/>
        <location filename="../picture/PGraphic.cpp" line="477"/>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="324"/>
        <source>The word list %1 was changed by another copy of the program. It has not been replaced, so that copy&apos;s words are not lost.</source>
        <translation>Otra copia del programa ha cambiado la lista de palabras %1. No se ha reemplazado, para que no se pierdan las palabras de esa copia.</translation>
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
        <translation>Retroceso</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="65"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="66"/>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="67"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="68"/>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="69"/>
        <source>PgUp</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="70"/>
        <source>PgDn</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="71"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="72"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="73"/>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="74"/>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="75"/>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="76"/>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="77"/>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="78"/>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="223"/>
        <location filename="../widgets/StdCtrls.cpp" line="210"/>
        <source>Shift+</source>
        <translation>Mayús+</translation>
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
        <translation>Se ha cambiado una propiedad con el dispositivo abierto</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="227"/>
        <source>Invalid DeviceID</source>
        <translation>DeviceID no válido</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="228"/>
        <source>Unable to allocate memory for wave header</source>
        <translation>No se puede reservar memoria para la cabecera de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="229"/>
        <source>Unable to free header memory</source>
        <translation>No se puede liberar la memoria de la cabecera</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="230"/>
        <source>The actual device can&apos;t play this format</source>
        <translation>Este dispositivo no puede reproducir este formato</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="231"/>
        <source>Unable to start device</source>
        <translation>No se puede iniciar el dispositivo</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="232"/>
        <source>Error filling wave buffer</source>
        <translation>Error al llenar el búfer de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="233"/>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>El número de error indicado está fuera de rango (error desconocido)</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="234"/>
        <source>The actual device can&apos;t record this format</source>
        <translation>Este dispositivo no puede grabar este formato</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="235"/>
        <source>Could not create thread</source>
        <translation>No se ha podido crear el hilo</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="236"/>
        <source>Invalid wave format</source>
        <translation>Formato de audio no válido</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="237"/>
        <source>Error reading wave file</source>
        <translation>Error al leer el archivo de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="238"/>
        <source>Can&apos;t write to MemoryWave</source>
        <translation>No se puede escribir en MemoryWave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="239"/>
        <source>Invalid wave file...</source>
        <translation>Archivo de audio no válido...</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="240"/>
        <source>Unable to setup file IO buffer</source>
        <translation>No se puede preparar el búfer de entrada/salida del archivo</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="241"/>
        <source>Unable to open wave file</source>
        <translation>No se puede abrir el archivo de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="242"/>
        <source>Unable to create wave file</source>
        <translation>No se puede crear el archivo de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="243"/>
        <source>Unable to set start position</source>
        <translation>No se puede fijar la posición inicial</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="244"/>
        <source>Unable to set end position</source>
        <translation>No se puede fijar la posición final</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="245"/>
        <source>Error seeking file position</source>
        <translation>Error al buscar la posición en el archivo</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="246"/>
        <source>No wave audio recording device found</source>
        <translation>No se ha encontrado ningún dispositivo de grabación de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="247"/>
        <source>No wave audio playing device found</source>
        <translation>No se ha encontrado ningún dispositivo de reproducción de audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="248"/>
        <source>Unable to open device</source>
        <translation>No se puede abrir el dispositivo</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="249"/>
        <source>Unable to close device</source>
        <translation>No se puede cerrar el dispositivo</translation>
    </message>
</context>
<context>
    <name>PGraphic</name>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="16"/>
        <source>X, Y index out of range</source>
        <translation>Índice X, Y fuera de rango</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="17"/>
        <source>No palette</source>
        <translation>Sin paleta</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="18"/>
        <source>Invalid palette index</source>
        <translation>Índice de paleta no válido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="19"/>
        <source>Unknown clipboard format</source>
        <translation>Formato de portapapeles desconocido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="20"/>
        <source>Invalid temporary file</source>
        <translation>Fichero temporal no válido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="21"/>
        <source>Unknown file format</source>
        <translation>Formato de fichero desconocido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="22"/>
        <source>%S1 invalid</source>
        <translation>%S1 no válido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="23"/>
        <source>black and white</source>
        <translation>blanco y negro</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="24"/>
        <source>2 colors</source>
        <translation>2 colores</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="25"/>
        <source>16 shades of gray</source>
        <translation>16 tonos de gris</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="26"/>
        <source>16 system colors</source>
        <translation>16 colores del sistema</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="27"/>
        <source>16 colors</source>
        <translation>16 colores</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="28"/>
        <source>256 shades of gray</source>
        <translation>256 tonos de gris</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="29"/>
        <source>256 colors</source>
        <translation>256 colores</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="30"/>
        <source>16.7 million colors</source>
        <translation>16,7 millones de colores</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="31"/>
        <source>%S1 is empty</source>
        <translation>%S1 está vacío</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="32"/>
        <source>The graphic cannot be saved to a %S1 file with the current color resolution (%S2).

The graphic will be saved with a different color resolution (%S3).</source>
        <translation>El gráfico no se puede guardar en un fichero %S1 con la resolución de color actual (%S2).

El gráfico se guardará con otra resolución de color (%S3).</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="37"/>
        <source>The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)</source>
        <translation>El gráfico no se puede guardar en un fichero %S1 con la resolución de color actual (%S2)</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="42"/>
        <source>Unknown file extension &quot;%S1&quot;</source>
        <translation>Extensión de fichero desconocida &quot;%S1&quot;</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="43"/>
        <source>Invalid value for %S1</source>
        <translation>Valor no válido para %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="44"/>
        <source>Negative height</source>
        <translation>Altura negativa</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="45"/>
        <source>Negative width</source>
        <translation>Anchura negativa</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="46"/>
        <source>Cannot apply this filter to a source that is identical to the target</source>
        <translation>No se puede aplicar este filtro a un origen idéntico al destino</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="51"/>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="52"/>
        <source>Image files</source>
        <translation>Ficheros de imagen</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="53"/>
        <source>All files</source>
        <translation>Todos los ficheros</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="54"/>
        <source>Invalid size of %S1</source>
        <translation>Tamaño de %S1 no válido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="55"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="56"/>
        <source>Operation aborted on user request</source>
        <translation>Operación cancelada a petición del usuario</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="57"/>
        <source>Not supported subformat</source>
        <translation>Subformato no soportado</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="58"/>
        <source>%S1 failed</source>
        <translation>%S1 ha fallado</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="59"/>
        <source>Unexpected end of file</source>
        <translation>Fin de fichero inesperado</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="60"/>
        <source>Unknown subformat</source>
        <translation>Subformato desconocido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="61"/>
        <source>Not a %S1 file</source>
        <translation>No es un fichero %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="62"/>
        <source>Width = 0 or Height = 0</source>
        <translation>Anchura = 0 o Altura = 0</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="63"/>
        <source>Invalid color resolution</source>
        <translation>Resolución de color no válida</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="64"/>
        <source>Unsupported field type %S1</source>
        <translation>Tipo de campo %S1 no soportado</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="65"/>
        <source>Invalid count of bytes in row %S1</source>
        <translation>Número de bytes no válido en la fila %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="66"/>
        <source>Unsupported Compression</source>
        <translation>Compresión no soportada</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="67"/>
        <source>Saturation=0 and Hue defined</source>
        <translation>Saturación=0 y tono definido</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="68"/>
        <source>%S1 out of range</source>
        <translation>%S1 fuera de rango</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="69"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="71"/>
        <source>RGB Filter</source>
        <translation>Filtro RGB</translation>
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
        <translation>Filtro CMY</translation>
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
        <translation>Filtro YCbCr</translation>
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
        <translation>Filtro HLS</translation>
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
        <translation>Filtro HSV</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="88"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="89"/>
        <source>Negative Filter</source>
        <translation>Filtro negativo</translation>
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
        <translation>Brillo</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="94"/>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="95"/>
        <source>Apply on</source>
        <translation>Aplicar a</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="96"/>
        <source>Brightness, Contrast, Gamma Filter</source>
        <translation>Filtro de brillo, contraste y gamma</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="97"/>
        <source>Grayscale Filter</source>
        <translation>Filtro de escala de grises</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="98"/>
        <source>RGB weighting</source>
        <translation>Ponderación RGB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="99"/>
        <source>Std. deviation</source>
        <translation>Desv. estándar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="100"/>
        <source>Strength</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="101"/>
        <source>Sharpen</source>
        <translation>Enfocar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="102"/>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="103"/>
        <source>Smooth</source>
        <translation>Suavizar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="104"/>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="105"/>
        <source>Blur</source>
        <translation>Desenfocar</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="106"/>
        <source>Contour</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="107"/>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="108"/>
        <source>Black</source>
        <translation>Negro</translation>
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
        <translation>El sintetizador de voz no ha respondido a tiempo.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="230"/>
        <source>The voice for words without a recording cannot be used: espeak-ng&apos;s data is missing or damaged (%1). Install the package espeak-ng-data.</source>
        <translation>No se puede usar la voz para las palabras sin grabación: faltan los datos de espeak-ng o están dañados (%1). Instala el paquete espeak-ng-data.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="257"/>
        <source>The voice for words without a recording cannot be used: espeak-ng lists no voices. Install the package espeak-ng-data.</source>
        <translation>No se puede usar la voz para las palabras sin grabación: espeak-ng no tiene ninguna voz. Instala el paquete espeak-ng-data.</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="55"/>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
</context>
<context>
    <name>TColorPalette</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="200"/>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="212"/>
        <source>&amp;Other</source>
        <translation>&amp;Más colores</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../platform/help.cpp" line="67"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="91"/>
        <source>The help file %1 could not be read.</source>
        <translation>No se ha podido leer el archivo de ayuda %1.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="92"/>
        <source>The help file %1 could not be found. It belongs beside the program.</source>
        <translation>No se encuentra el archivo de ayuda %1. Debe estar junto al programa.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="204"/>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="205"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="206"/>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="290"/>
        <location filename="../platform/help.cpp" line="319"/>
        <source>There is no help topic number %1 in %2.</source>
        <translation>No hay ningún tema de ayuda con el número %1 en %2.</translation>
    </message>
</context>
<context>
    <name>THotKey</name>
    <message>
        <location filename="../widgets/StdCtrls.cpp" line="174"/>
        <location filename="../widgets/StdCtrls.cpp" line="215"/>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
</context>
<context>
    <name>TMMLEDLABEL</name>
    <message>
        <location filename="../widgets/MMLEDLbl.cpp" line="205"/>
        <source>LED display</source>
        <translation>Pantalla LED</translation>
    </message>
</context>
<context>
    <name>TNCButton</name>
    <message>
        <location filename="../widgets/oxForm.cpp" line="134"/>
        <source>Stay on top</source>
        <translation>Siempre visible</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="135"/>
        <source>Roll up</source>
        <translation>Recoger</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="137"/>
        <source>Help on a control</source>
        <translation>Ayuda sobre un control</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="144"/>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="146"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TPlanChart</name>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="126"/>
        <source>words known</source>
        <translation>ya aprendidas</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="129"/>
        <source>showings a day (aim %1)</source>
        <translation>sesiones al día (objetivo: %1)</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <location filename="../app/uAbout.cpp" line="21"/>
        <source>Free software for young readers and their parents.</source>
        <translation>Software libre para pequeños lectores y familias.</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="117"/>
        <source>About Pellan Wordlark</source>
        <translation>Acerca de Pellan Wordlark</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="137"/>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="165"/>
        <source>Opens the web page in the browser</source>
        <translation>Abre la página web en el navegador</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="168"/>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="179"/>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="185"/>
        <source>The web page %1 could not be opened.</source>
        <translation>No se ha podido abrir la página web %1.</translation>
    </message>
</context>
<context>
    <name>TfmConfig</name>
    <message>
        <location filename="../config/uConfig.cpp" line="104"/>
        <source>Configure Wordlark</source>
        <translation>Configurar Wordlark</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="155"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="156"/>
        <source>Database Recording</source>
        <translation>Grabar palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="157"/>
        <source>Database Select</source>
        <translation>Elegir palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="159"/>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="160"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="161"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="165"/>
        <source>Close the dialog, saving changes made</source>
        <translation>Cierra la ventana y guarda los cambios</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="166"/>
        <source>Cancel all the changes made and close the dialog</source>
        <translation>Descarta todos los cambios y cierra la ventana</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="167"/>
        <source>Get help</source>
        <translation>Abre la ayuda</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="285"/>
        <source>Invalid starting directory</source>
        <translation>La carpeta de inicio no es válida</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="389"/>
        <source>Another copy of the program changed the word list while this dialog was open. Saving now would undo these of its changes:

%1

Nothing has been saved. Press Cancel and open Configure again to start from the list as it is now.</source>
        <translation>Otra copia del programa ha cambiado la lista de palabras mientras esta ventana estaba abierta. Si guardas ahora, se desharían estos cambios suyos:

%1

No se ha guardado nada. Pulsa Cancelar y vuelve a abrir Configurar para partir de la lista tal como está ahora.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="418"/>
        <source>&quot;%1&quot; now has sound number %2 and keeps its recording; the other copy&apos;s word with number %3 has none now.</source>
        <translation>&quot;%1&quot; tiene ahora el número de sonido %2 y conserva su grabación; la palabra de la otra copia con el número %3 se queda sin grabación.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="420"/>
        <source>&quot;%1&quot; now has sound number %2 and no recording: record it again (the recording with number %3 is the other copy&apos;s).</source>
        <translation>&quot;%1&quot; tiene ahora el número de sonido %2 y no tiene grabación: vuelve a grabarla (la grabación con el número %3 es de la otra copia).</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="426"/>
        <source>Another copy of the program added words while this dialog was open; they have been kept. It gave the same sound numbers to words of its own as this dialog did:

%1</source>
        <translation>Otra copia del programa ha añadido palabras mientras esta ventana estaba abierta; se han conservado. Esa copia dio a palabras suyas los mismos números de sonido que esta ventana:

%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="62"/>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="64"/>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="69"/>
        <location filename="../config/uConfigGeneral.cpp" line="141"/>
        <source>Font Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="70"/>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="72"/>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="73"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="74"/>
        <source>This is the font that will be used</source>
        <translation>El tipo de letra de las palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="75"/>
        <source>This is the size of the font</source>
        <translation>El tamaño de las letras</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="76"/>
        <source>This is the color of the font</source>
        <translation>El color de las letras</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="77"/>
        <source>This is the color of the background</source>
        <translation>El color del fondo</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="78"/>
        <source>Select whether you want to use a Bold font</source>
        <translation>Marca esta casilla para usar letras en negrita</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="79"/>
        <source>Shows the Run Screen so that you can Preview your settings</source>
        <translation>Muestra la pantalla de lectura para que veas cómo queda</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="83"/>
        <location filename="../config/uConfigGeneral.cpp" line="91"/>
        <source>Delay</source>
        <translation>Por tiempo</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="84"/>
        <source>Mouse move</source>
        <translation>Mover el ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="85"/>
        <source>Mouse click</source>
        <translation>Hacer clic</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="86"/>
        <source>Keyboard press</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="101"/>
        <source>Left</source>
        <translation>Izq.</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="102"/>
        <source>Any</source>
        <translation>Todos</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="103"/>
        <source>Right</source>
        <translation>Der.</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="105"/>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="108"/>
        <source>Click to have the words change after the specified delay</source>
        <translation>Las palabras cambian solas pasado el tiempo elegido</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="109"/>
        <source>Select to have words change when the mouse is moved</source>
        <translation>Las palabras cambian al mover el ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="110"/>
        <source>Select to have words change when a mouse button is clicked</source>
        <translation>Las palabras cambian al hacer clic con el ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="111"/>
        <source>Select to have words change when the specified key is pressed</source>
        <translation>Las palabras cambian al pulsar la tecla elegida</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="112"/>
        <source>Select the delay between words</source>
        <translation>Elige cuánto tiempo se ve cada palabra</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="113"/>
        <source>Use the left mouse button</source>
        <translation>Vale el botón izquierdo del ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="114"/>
        <source>Use the right mouse button</source>
        <translation>Vale el botón derecho del ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="115"/>
        <source>Use the any mouse button</source>
        <translation>Vale cualquier botón del ratón</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="116"/>
        <source>Select the key to use or (none) for any key</source>
        <translation>Elige la tecla; con &quot;Ninguna&quot;, vale cualquier tecla</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="123"/>
        <source>Main window background</source>
        <translation>Fondo de la ventana principal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="132"/>
        <source>Main window preview</source>
        <translation>Vista previa de la ventana principal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="133"/>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="142"/>
        <source>Select the background of the main window</source>
        <translation>Elige el fondo de la ventana principal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="143"/>
        <source>This is how the main window will appear</source>
        <translation>Así se verá la ventana principal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="144"/>
        <source>This is the color of the buttons of the main window</source>
        <translation>El color de los botones de la ventana principal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="149"/>
        <source>Show Hints</source>
        <translation>Mostrar globos de ayuda</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="150"/>
        <source>Protect Config dialog</source>
        <translation>Proteger la configuración</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="151"/>
        <source>Normal Sounds</source>
        <translation>Sonido normal</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="152"/>
        <source>Delayed Sounds</source>
        <translation>Sonido retrasado</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="153"/>
        <source>Mute (no Sounds)</source>
        <translation>Silencio (sin sonido)</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="154"/>
        <source>Select whether you want to use the balloon hints</source>
        <translation>Marca esta casilla para ver los globos de ayuda</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="155"/>
        <source>if checked you will have to press Shift and Alt to access the configuration dialog</source>
        <translation>Si está marcada, para abrir la configuración tendrás que mantener pulsadas Mayús y Alt</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="156"/>
        <source>Normal Sounds - Words are played when they are shown</source>
        <translation>Sonido normal: cada palabra suena en cuanto aparece</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="157"/>
        <source>Delayed Sounds - Words will be played after a 2s delay</source>
        <translation>Sonido retrasado: cada palabra suena 2 s después de aparecer</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="158"/>
        <source>Mute - Words will not be played</source>
        <translation>Silencio: las palabras no suenan</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="41"/>
        <source>Word packs (*.wordpack)</source>
        <translation>Paquetes de palabras (*.wordpack)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="48"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="49"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="50"/>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="51"/>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="52"/>
        <source>Save the selected words (all the words when none is selected) with their recordings into a word pack file</source>
        <translation>Guarda las palabras seleccionadas (todas, si no hay ninguna seleccionada) con sus grabaciones en un archivo de paquete de palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="55"/>
        <source>Add the words of a word pack file, with their recordings, as new words</source>
        <translation>Añade como palabras nuevas las de un archivo de paquete de palabras, con sus grabaciones</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Export words</source>
        <translation>Exportar palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Import words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="74"/>
        <source>My words.wordpack</source>
        <translation>Mis palabras.wordpack</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="98"/>
        <source>There are no words to export.</source>
        <translation>No hay palabras que exportar.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="108"/>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="109"/>
        <source>%1 words (%2 with recordings) were exported to %3.</source>
        <translation>Se han exportado %1 palabras (%2 con grabación) a %3.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="157"/>
        <source>The pack is larger than 200 MB.</source>
        <translation>El paquete ocupa más de 200 MB.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="160"/>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="177"/>
        <source>The word pack %1 was not imported:

%2

Nothing has been changed.</source>
        <translation>No se ha importado el paquete de palabras %1:

%2

No se ha cambiado nada.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="189"/>
        <source>&quot;%1&quot;: %2 words were added as new words, %3 were already there.</source>
        <translation>&quot;%1&quot;: se han añadido %2 palabras como palabras nuevas; %3 ya estaban.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="34"/>
        <source>1 new word</source>
        <translation>1 palabra nueva</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="35"/>
        <source>%1 new words</source>
        <translation>%1 palabras nuevas</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="143"/>
        <source>Daily Plan</source>
        <translation>Plan diario</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="145"/>
        <source>Run the daily plan</source>
        <translation>Activar el plan diario</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="147"/>
        <source>The program moves the words for you: it retires the words your child has seen on enough days and brings new ones in, once a day</source>
        <translation>El programa mueve las palabras por ti: una vez al día retira las que tu hijo ya ha visto en suficientes días y pone en uso otras nuevas</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="159"/>
        <source>Words in use</source>
        <translation>Palabras en uso</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="160"/>
        <source>How many words are in use at once</source>
        <translation>Cuántas palabras hay en uso a la vez</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="161"/>
        <source>Days to learn a word</source>
        <translation>Días para aprender</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="162"/>
        <source>A word is known once it was shown on this many different days</source>
        <translation>Una palabra pasa a &quot;Ya aprendidas&quot; cuando se ha mostrado en este número de días distintos</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="163"/>
        <source>New words a day</source>
        <translation>Nuevas al día</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="164"/>
        <source>How many words at most are retired, and new ones brought in, each day</source>
        <translation>Cuántas palabras se retiran cada día, como mucho, y cuántas nuevas entran en su lugar</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="165"/>
        <source>Showings a day</source>
        <translation>Sesiones al día</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="166"/>
        <source>How many times a day you aim to show the words</source>
        <translation>Cuántas veces al día quieres mostrar las palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="167"/>
        <source>Minutes between</source>
        <translation>Minutos de descanso</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="168"/>
        <source>How long you want to wait between two showings</source>
        <translation>Cuánto tiempo quieres esperar entre dos sesiones</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="194"/>
        <source>Today&apos;s showings against the number you aim for</source>
        <translation>Las sesiones de hoy frente a las que te has propuesto</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="195"/>
        <source>When the next showing is due, going by the minutes between showings</source>
        <translation>Cuándo toca la próxima sesión, según los minutos de descanso entre sesiones</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="196"/>
        <source>The words that become known next, and on which day</source>
        <translation>Las próximas palabras que pasarán a &quot;Ya aprendidas&quot;, y qué día</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="197"/>
        <source>The new words still waiting, and when the last one comes into use</source>
        <translation>Las palabras nuevas que siguen en espera, y cuándo entrará en uso la última</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="204"/>
        <source>The last thirty days: bars for the showings of each day, the line for the words your child knows</source>
        <translation>Los últimos treinta días: barras con las sesiones de cada día y una línea con las palabras que tu hijo ya ha aprendido</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="241"/>
        <source>%1 of %2 today</source>
        <translation>Hoy: %1 de %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="244"/>
        <source>Today&apos;s showings are done.</source>
        <translation>Las sesiones de hoy ya están hechas.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="246"/>
        <source>Next showing: now</source>
        <translation>Próxima sesión: ahora</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="249"/>
        <source>Next showing: tomorrow</source>
        <translation>Próxima sesión: mañana</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="251"/>
        <source>Next showing: from %1</source>
        <translation>Próxima sesión: a partir de las %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="256"/>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>No words in use.</source>
        <translation>No hay palabras en uso.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>Known next: </source>
        <translation>Próximas aprendidas: </translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="259"/>
        <source>No new words left: record some on the recording page.</source>
        <translation>No quedan palabras nuevas: graba algunas en la página Grabar palabras.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="262"/>
        <source>%1 left; the last comes into use on %2.</source>
        <translation>%1 en espera; la última entrará en uso el %2.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="264"/>
        <source>%1 left.</source>
        <translation>%1 en espera.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="93"/>
        <source>All words</source>
        <translation>Todas las palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="94"/>
        <source>Select a word from the list to change the sound or delete it</source>
        <translation>Elige una palabra de la lista para cambiar su sonido o borrarla</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="96"/>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="97"/>
        <location filename="../config/uConfigRecord.cpp" line="310"/>
        <location filename="../config/uConfigRecord.cpp" line="331"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="98"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="99"/>
        <source>Insert a new word</source>
        <translation>Añade una palabra nueva</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="100"/>
        <source>Delete the word or cancel the action</source>
        <translation>Borra la palabra, o cancela la palabra nueva</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="101"/>
        <source>Save the word and sound</source>
        <translation>Guarda la palabra y su sonido</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="107"/>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="110"/>
        <source>Add to use words</source>
        <translation>Poner en uso</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="112"/>
        <source>Check to add this word to the list of word to use</source>
        <translation>Marca esta casilla para poner la palabra directamente en &quot;Palabras en uso&quot;</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="114"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="115"/>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="116"/>
        <source>Click to Record a word</source>
        <translation>Haz clic para grabar la palabra</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="117"/>
        <source>Click to Play a word</source>
        <translation>Haz clic para escuchar la palabra</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="119"/>
        <source>To record use the buttons above or hit SPACE to start and again to stop</source>
        <translation>Graba con los botones o pulsa ESPACIO para empezar y otra vez para parar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="139"/>
        <source>Recorded time</source>
        <translation>Tiempo grabado</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="164"/>
        <location filename="../config/uConfigRecord.cpp" line="167"/>
        <source>Even out the volume</source>
        <translation>Igualar el volumen</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="168"/>
        <source>Check to trim the silence around each new recording and bring it to the same loudness as the other words</source>
        <translation>Marca esta casilla para recortar el silencio de cada grabación nueva y dejarla con el mismo volumen que las demás palabras</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="171"/>
        <location filename="../config/uConfigRecord.cpp" line="173"/>
        <source>Even out all</source>
        <translation>Igualar todas</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="172"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="174"/>
        <source>Undo evening out</source>
        <translation>Deshacer la igualación</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="175"/>
        <source>Even out the volume of every recorded word</source>
        <translation>Iguala el volumen de todas las palabras grabadas</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="176"/>
        <source>Put back every recording as it was recorded</source>
        <translation>Devuelve cada grabación a como se grabó</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="182"/>
        <source>Recordings done</source>
        <translation>Grabaciones hechas</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="185"/>
        <location filename="../config/uConfigRecord.cpp" line="323"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="186"/>
        <source>Cancel evening out</source>
        <translation>Cancelar la igualación</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="187"/>
        <source>Stop here; the words done so far keep their new sound</source>
        <translation>Para aquí; las palabras ya igualadas conservan su sonido nuevo</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="423"/>
        <source>Type the word before saving it.</source>
        <translation>Escribe la palabra antes de guardarla.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="425"/>
        <source>A word cannot contain &quot;;&quot; or a line break. Please change the word.</source>
        <translation>Una palabra no puede contener &quot;;&quot; ni un salto de línea. Cambia la palabra, por favor.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="440"/>
        <source>There is no free sound number left for another word.</source>
        <translation>No queda ningún número de sonido libre para otra palabra.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="459"/>
        <source>The old sound file %1 could not be deleted. Record the word to replace it.</source>
        <translation>No se ha podido borrar el archivo de sonido antiguo %1. Graba la palabra para reemplazarlo.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="598"/>
        <source>The recording stopped because %1 could not be written: the disk may be full. The sound recorded up to that moment is kept.</source>
        <translation>La grabación se ha detenido porque no se ha podido escribir %1: puede que el disco esté lleno. Se conserva lo grabado hasta ese momento.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="626"/>
        <source>Nothing was heard in this recording, so its volume was left as it is. Check the microphone and record the word again.</source>
        <translation>No se ha oído nada en esta grabación, así que su volumen se ha dejado como estaba. Comprueba el micrófono y vuelve a grabar la palabra.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="630"/>
        <source>The recording could not be evened out because the folder %1 could not be written (the disk may be full or the folder read-only). The recording is kept as it was recorded.</source>
        <translation>No se ha podido igualar la grabación porque no se puede escribir en la carpeta %1 (puede que el disco esté lleno o que la carpeta sea de solo lectura). La grabación se conserva tal como se grabó.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="636"/>
        <source>The recording %1 cannot be read back, so it was not evened out.</source>
        <translation>No se puede volver a leer la grabación %1, así que no se ha igualado.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="721"/>
        <source>These could not be written (the disk may be full or the folder read-only); they are as they were:
%1</source>
        <translation>Estas grabaciones no se han podido escribir (puede que el disco esté lleno o que la carpeta sea de solo lectura); siguen como estaban:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="725"/>
        <source>Nothing was heard in these recordings; they were left as they are:
%1</source>
        <translation>No se ha oído nada en estas grabaciones; se han dejado como estaban:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="728"/>
        <source>These sound files are not recordings of this program (another wave format); they were left as they are:
%1</source>
        <translation>Estos archivos de sonido no son grabaciones de este programa (tienen otro formato de audio); se han dejado como estaban:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="732"/>
        <source>These sound files cannot be read (empty or damaged); they were left as they are:
%1</source>
        <translation>Estos archivos de sonido no se pueden leer (están vacíos o dañados); se han dejado como estaban:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="219"/>
        <source>New words</source>
        <translation>Palabras nuevas</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="220"/>
        <source> Words in use</source>
        <translation> Palabras en uso</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="221"/>
        <source> Words known</source>
        <translation> Ya aprendidas</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="251"/>
        <source>Those are new words, move them to the &apos;Words in use&apos; list to use them</source>
        <translation>Estas son las palabras nuevas; pásalas a la lista &quot;Palabras en uso&quot; para usarlas</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="252"/>
        <source>Those words are used now. Move them to the list of &apos;words known&apos; when your child knows them</source>
        <translation>Estas son las palabras que se usan ahora. Pásalas a la lista &quot;Ya aprendidas&quot; cuando tu hijo se las sepa</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="253"/>
        <source>Those words are known by your child</source>
        <translation>Estas son las palabras que tu hijo ya se sabe</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="265"/>
        <source>Move to words in use</source>
        <translation>Pasar a Palabras en uso</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="266"/>
        <source>Move to new words</source>
        <translation>Pasar a Palabras nuevas</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="267"/>
        <source>Move to words known</source>
        <translation>Pasar a Ya aprendidas</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="268"/>
        <source>Move back to words in use</source>
        <translation>Devolver a Palabras en uso</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="269"/>
        <location filename="../config/uConfigSelect.cpp" line="272"/>
        <source>Move selected words to the list of &apos;Words in use&apos;</source>
        <translation>Pasa las palabras seleccionadas a la lista &quot;Palabras en uso&quot;</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="270"/>
        <source>Move selected words to the list of &apos;New words&apos;</source>
        <translation>Pasa las palabras seleccionadas a la lista &quot;Palabras nuevas&quot;</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="271"/>
        <source>Move selected words to the list of &apos;Words known&apos;</source>
        <translation>Pasa las palabras seleccionadas a la lista &quot;Ya aprendidas&quot;</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="282"/>
        <source>Select all the words on the list above</source>
        <translation>Selecciona todas las palabras de la lista de arriba</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="283"/>
        <source>Unselect all the words on the list above</source>
        <translation>Quita la selección de todas las palabras de la lista de arriba</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="288"/>
        <location filename="../config/uConfigSelect.cpp" line="289"/>
        <location filename="../config/uConfigSelect.cpp" line="290"/>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="291"/>
        <location filename="../config/uConfigSelect.cpp" line="292"/>
        <location filename="../config/uConfigSelect.cpp" line="293"/>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="17"/>
        <source>Speak words that have no recording</source>
        <translation>Pronunciar las palabras sin grabación</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="21"/>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="22"/>
        <source>Check to have the words that have no recording spoken by the computer&apos;s voice</source>
        <translation>Marca esta casilla para que la voz del ordenador diga las palabras que no tienen grabación</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="23"/>
        <source>Select the voice (language) that speaks the words that have no recording</source>
        <translation>Elige la voz (el idioma) que dice las palabras que no tienen grabación</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="53"/>
        <source>There is no sound device to speak through: words that have no recording will stay silent.</source>
        <translation>No hay ningún dispositivo de sonido por el que hablar: las palabras sin grabación se mostrarán en silencio.</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="19"/>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="23"/>
        <source>&amp;Language (used from the next start)</source>
        <translation>I&amp;dioma (desde el próximo inicio)</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="29"/>
        <source>Choose the language of the program&apos;s windows and help; it changes when the program is started next</source>
        <translation>Elige el idioma de las ventanas y de la ayuda; cambia la próxima vez que abras el programa</translation>
    </message>
</context>
<context>
    <name>TfmError</name>
    <message>
        <location filename="../app/uError.cpp" line="63"/>
        <source>Your database contains no Words on the &quot;Use Words&quot; category. Either you haven&apos;t entered any word on the database, or you haven&apos;t placed any word on the &quot;Use Word&quot; category.</source>
        <translation>No hay ninguna palabra en la lista &quot;Palabras en uso&quot;. O todavía no has añadido palabras, o aún no has pasado ninguna a &quot;Palabras en uso&quot;.</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="67"/>
        <source>You may want to see the Tutorial, which shows you how to enter new words to the database. Do you want to run the Tutorial now?</source>
        <translation>El tutorial te enseña a añadir palabras nuevas. ¿Quieres verlo ahora?</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="70"/>
        <source>&amp;Yes, show me the tutorial</source>
        <translation>&amp;Sí, ver el tutorial</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="78"/>
        <source>&amp;No, I already know how to use the program</source>
        <translation>&amp;No, ya sé usar el programa</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <location filename="../app/uMain.cpp" line="40"/>
        <source>There was an error reading the sounds database. Terminating program</source>
        <translation>Hubo un error al leer la base de datos de sonidos. El programa se cerrará</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="44"/>
        <source>The old word list could not be read. It has been kept as %1.</source>
        <translation>No se ha podido leer la lista de palabras anterior. Se ha guardado como %1.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="127"/>
        <source>Click to open the About dialog box</source>
        <translation>Haz clic para abrir la ventana Acerca de</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Run</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Click to run</source>
        <translation>Haz clic para empezar a leer</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Configure</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Click to open the configuration dialog</source>
        <translation>Haz clic para abrir la ventana de configuración</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Click to open the help file</source>
        <translation>Haz clic para abrir la ayuda</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Click to Exit</source>
        <translation>Haz clic para salir</translation>
    </message>
</context>
<context>
    <name>ToxButton</name>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>WaveDev</name>
    <message>
        <location filename="../sound/wavedev.cpp" line="223"/>
        <source>The specified command was carried out.</source>
        <translation>La orden indicada se ha ejecutado.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="224"/>
        <source>Undefined external error.</source>
        <translation>Error externo sin definir.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="225"/>
        <source>A device ID has been used that is out of range for your system.</source>
        <translation>Se ha usado un identificador de dispositivo fuera del rango de tu sistema.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="226"/>
        <source>The specified device is already in use. Wait until it is free, and then try again.</source>
        <translation>El dispositivo indicado ya está en uso. Espera a que quede libre y vuelve a intentarlo.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="227"/>
        <source>The specified device handle is invalid.</source>
        <translation>El identificador del dispositivo indicado no es válido.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="228"/>
        <source>There is no driver installed on your system.</source>
        <translation>No hay ningún controlador instalado en tu sistema.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="229"/>
        <source>There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again.</source>
        <translation>No hay memoria suficiente para esta tarea. Cierra una o más aplicaciones para liberar memoria y vuelve a intentarlo.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="230"/>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Se ha pasado un parámetro no válido a una función del sistema.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="231"/>
        <source>The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats.</source>
        <translation>El formato indicado no es compatible o no se puede convertir. Usa la función Capabilities para ver qué formatos se admiten.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="232"/>
        <source>Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing.</source>
        <translation>No se puede hacer esta operación mientras se siguen reproduciendo datos. Reinicia el dispositivo o espera a que terminen de reproducirse.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="233"/>
        <source>The sound device did not answer in time.</source>
        <translation>El dispositivo de sonido no ha respondido a tiempo.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="234"/>
        <source>The sound device stopped working: it was unplugged, or the sound system was stopped.</source>
        <translation>El dispositivo de sonido ha dejado de funcionar: se ha desconectado o se ha detenido el sistema de sonido.</translation>
    </message>
</context>
<context>
    <name>WordMerge</name>
    <message>
        <location filename="../data/WordMerge.cpp" line="32"/>
        <source>new words</source>
        <translation>Palabras nuevas</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="33"/>
        <source>words in use</source>
        <translation>Palabras en uso</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="34"/>
        <source>known words</source>
        <translation>Ya aprendidas</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="41"/>
        <source>&quot;%1&quot; (deleted)</source>
        <translation>&quot;%1&quot; (borrada)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="42"/>
        <source>&quot;%1&quot; (moved to %2)</source>
        <translation>&quot;%1&quot; (pasada a %2)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="95"/>
        <source>&quot;%1&quot; (no free sound number for a word of this copy)</source>
        <translation>&quot;%1&quot; (no queda ningún número de sonido libre para una palabra de esta copia)</translation>
    </message>
</context>
<context>
    <name>WordPack</name>
    <message>
        <location filename="../data/uWordPack.cpp" line="71"/>
        <source>This file is not a word pack (not a ZIP archive: its table of contents cannot be read).</source>
        <translation>Este archivo no es un paquete de palabras (no es un archivo ZIP: no se puede leer su índice).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="73"/>
        <source>The pack is a ZIP64 archive, which this program does not read.</source>
        <translation>El paquete es un archivo ZIP64, que este programa no puede leer.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="95"/>
        <source>The pack holds &quot;%1&quot; twice.</source>
        <translation>El paquete contiene &quot;%1&quot; dos veces.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="98"/>
        <source>The file &quot;%1&quot; in the pack is encrypted.</source>
        <translation>El archivo &quot;%1&quot; del paquete está cifrado.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="100"/>
        <source>The file &quot;%1&quot; in the pack is packed in a way this program does not read (method %2).</source>
        <translation>El archivo &quot;%1&quot; del paquete está comprimido de una forma que este programa no puede leer (método %2).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="115"/>
        <source>The files &quot;%1&quot; and &quot;%2&quot; in the pack overlap: the same bytes would unpack as both.</source>
        <translation>Los archivos &quot;%1&quot; y &quot;%2&quot; del paquete se solapan: los mismos bytes se descomprimirían como ambos.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="171"/>
        <source>The file %1 in the pack cannot be unpacked.</source>
        <translation>No se puede descomprimir el archivo %1 del paquete.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="178"/>
        <source>The file %1 in the pack is damaged.</source>
        <translation>El archivo %1 del paquete está dañado.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="182"/>
        <source>The file %1 in the pack unpacks to more than its header says.</source>
        <translation>El archivo %1 del paquete ocupa, descomprimido, más de lo que indica su cabecera.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="185"/>
        <location filename="../data/uWordPack.cpp" line="322"/>
        <source>The pack unpacks to more than 200 MB.</source>
        <translation>El paquete ocupa, descomprimido, más de 200 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="189"/>
        <source>The file %1 in the pack is shorter than its header says.</source>
        <translation>El archivo %1 del paquete es más corto de lo que indica su cabecera.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="199"/>
        <source>Line %1 of the pack&apos;s word list is not a word: &quot;%2&quot;.</source>
        <translation>La línea %1 de la lista de palabras del paquete no es una palabra: &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="238"/>
        <source>The recording %1 in the pack is not a wave file.</source>
        <translation>La grabación %1 del paquete no es un archivo de sonido WAV.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="242"/>
        <source>The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits (this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).</source>
        <translation>No se puede reproducir la grabación %1 del paquete: %2, %3 canales, %4 Hz, %5 bits (este programa reproduce PCM de 1 o 2 canales, de 8 o 16 bits y de 4000 a 100000 Hz).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="249"/>
        <source>The recording %1 in the pack cannot be played: its bytes per second or per sample do not match its format.</source>
        <translation>No se puede reproducir la grabación %1 del paquete: sus bytes por segundo o por muestra no coinciden con su formato.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="269"/>
        <location filename="../data/uWordPack.cpp" line="389"/>
        <source>The pack cannot be written: %1</source>
        <translation>No se puede escribir el paquete: %1</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="289"/>
        <source>The pack cannot be read.</source>
        <translation>No se puede leer el paquete.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="296"/>
        <source>The pack is damaged: its table of contents does not match the files in it.</source>
        <translation>El paquete está dañado: su índice no coincide con los archivos que contiene.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="297"/>
        <source>This file is not a word pack (not a ZIP archive).</source>
        <translation>Este archivo no es un paquete de palabras (no es un archivo ZIP).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="302"/>
        <source>The pack holds more than %1 files.</source>
        <translation>El paquete contiene más de %1 archivos.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="311"/>
        <source>The pack is damaged.</source>
        <translation>El paquete está dañado.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="315"/>
        <source>The pack names a file outside its own folder: &quot;%1&quot;.</source>
        <translation>El paquete nombra un archivo fuera de su propia carpeta: &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="317"/>
        <source>The pack holds a link or a device, &quot;%1&quot;, not a plain file.</source>
        <translation>El paquete contiene un enlace o un dispositivo, &quot;%1&quot;, no un archivo normal.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="319"/>
        <source>The file &quot;%1&quot; in the pack is larger than 20 MB.</source>
        <translation>El archivo &quot;%1&quot; del paquete ocupa más de 20 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="325"/>
        <source>The file &quot;%1&quot; in the pack is packed more than 100 to 1.</source>
        <translation>El archivo &quot;%1&quot; del paquete está comprimido más de 100 a 1.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="332"/>
        <source>This file is not a word pack: it has no word list.</source>
        <translation>Este archivo no es un paquete de palabras: no tiene lista de palabras.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="357"/>
        <location filename="../data/uWordPack.cpp" line="363"/>
        <location filename="../data/uWordPack.cpp" line="396"/>
        <location filename="../data/uWordPack.cpp" line="401"/>
        <source>The pack cannot be written.</source>
        <translation>No se puede escribir el paquete.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="440"/>
        <source>There is no room for the pack&apos;s words: the program keeps at most %1 words.</source>
        <translation>No caben las palabras del paquete: el programa guarda como máximo %1 palabras.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="477"/>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
</context>
</TS>
