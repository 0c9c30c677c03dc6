<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DailyPlan</name>
    <message>
        <location filename="../data/uPlan.cpp" line="143"/>
        <source>The daily plan could not be saved to %1. The words in use stay as they are.</source>
        <translation>Le plan quotidien n&apos;a pas pu être enregistré dans %1. Les mots en cours restent tels quels.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="573"/>
        <source>The daily plan&apos;s file could not be read. It has been kept as %1, and the plan starts afresh today.</source>
        <translation>Le fichier du plan quotidien n&apos;a pas pu être lu. Il a été conservé sous le nom %1, et le plan repart de zéro aujourd&apos;hui.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="577"/>
        <source>The daily plan&apos;s file %1 could not be read, nor moved aside. The plan starts afresh today but is not saved until that file is moved away.</source>
        <translation>Le fichier du plan quotidien %1 n&apos;a pas pu être lu, ni mis de côté. Le plan repart de zéro aujourd&apos;hui, mais il ne sera pas enregistré tant que ce fichier n&apos;aura pas été déplacé.</translation>
    </message>
    <message>
        <location filename="../data/uPlan.cpp" line="606"/>
        <source>The daily plan could not be run today.</source>
        <translation>Le plan quotidien n&apos;a pas pu être appliqué aujourd&apos;hui.</translation>
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
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="69"/>
        <location filename="../data/uCommon.cpp" line="92"/>
        <location filename="../data/uCommon.cpp" line="307"/>
        <location filename="../data/uCommon.cpp" line="322"/>
        <location filename="../data/uCommon.cpp" line="333"/>
        <location filename="../picture/PGraphic.cpp" line="473"/>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="237"/>
        <location filename="../picture/PGraphic.cpp" line="477"/>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location filename="../data/uCommon.cpp" line="324"/>
        <source>The word list %1 was changed by another copy of the program. It has not been replaced, so that copy&apos;s words are not lost.</source>
        <translation>La liste de mots %1 a été modifiée par une autre copie du programme. Elle n&apos;a pas été remplacée, pour que les mots de cette copie ne soient pas perdus.</translation>
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
        <translation>RetArr</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="65"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="66"/>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="67"/>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="68"/>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="69"/>
        <source>PgUp</source>
        <translation>PgPréc</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="70"/>
        <source>PgDn</source>
        <translation>PgSuiv</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="71"/>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="72"/>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="73"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="74"/>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="75"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="76"/>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="77"/>
        <source>Ins</source>
        <translation>Inser</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="78"/>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <location filename="../platform/keys.cpp" line="223"/>
        <location filename="../widgets/StdCtrls.cpp" line="210"/>
        <source>Shift+</source>
        <translation>Maj+</translation>
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
        <translation>Propriété modifiée alors que le périphérique était ouvert</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="227"/>
        <source>Invalid DeviceID</source>
        <translation>Identifiant de périphérique non valide</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="228"/>
        <source>Unable to allocate memory for wave header</source>
        <translation>Impossible d&apos;allouer la mémoire de l&apos;en-tête wave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="229"/>
        <source>Unable to free header memory</source>
        <translation>Impossible de libérer la mémoire de l&apos;en-tête</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="230"/>
        <source>The actual device can&apos;t play this format</source>
        <translation>Ce périphérique ne peut pas lire ce format</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="231"/>
        <source>Unable to start device</source>
        <translation>Impossible de démarrer le périphérique</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="232"/>
        <source>Error filling wave buffer</source>
        <translation>Erreur au remplissage du tampon audio</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="233"/>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Numéro d&apos;erreur hors limites (erreur inconnue)</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="234"/>
        <source>The actual device can&apos;t record this format</source>
        <translation>Ce périphérique ne peut pas enregistrer ce format</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="235"/>
        <source>Could not create thread</source>
        <translation>Impossible de créer le fil d&apos;exécution</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="236"/>
        <source>Invalid wave format</source>
        <translation>Format wave non valide</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="237"/>
        <source>Error reading wave file</source>
        <translation>Erreur de lecture du fichier wave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="238"/>
        <source>Can&apos;t write to MemoryWave</source>
        <translation>Impossible d&apos;écrire dans MemoryWave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="239"/>
        <source>Invalid wave file...</source>
        <translation>Fichier wave non valide...</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="240"/>
        <source>Unable to setup file IO buffer</source>
        <translation>Impossible de préparer le tampon d&apos;entrée-sortie du fichier</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="241"/>
        <source>Unable to open wave file</source>
        <translation>Impossible d&apos;ouvrir le fichier wave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="242"/>
        <source>Unable to create wave file</source>
        <translation>Impossible de créer le fichier wave</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="243"/>
        <source>Unable to set start position</source>
        <translation>Impossible de fixer la position de début</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="244"/>
        <source>Unable to set end position</source>
        <translation>Impossible de fixer la position de fin</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="245"/>
        <source>Error seeking file position</source>
        <translation>Erreur de positionnement dans le fichier</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="246"/>
        <source>No wave audio recording device found</source>
        <translation>Aucun périphérique d&apos;enregistrement audio trouvé</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="247"/>
        <source>No wave audio playing device found</source>
        <translation>Aucun périphérique de lecture audio trouvé</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="248"/>
        <source>Unable to open device</source>
        <translation>Impossible d&apos;ouvrir le périphérique</translation>
    </message>
    <message>
        <location filename="../audio/MMObj.cpp" line="249"/>
        <source>Unable to close device</source>
        <translation>Impossible de fermer le périphérique</translation>
    </message>
</context>
<context>
    <name>PGraphic</name>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="16"/>
        <source>X, Y index out of range</source>
        <translation>Index X, Y hors limites</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="17"/>
        <source>No palette</source>
        <translation>Pas de palette</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="18"/>
        <source>Invalid palette index</source>
        <translation>Index de palette incorrect</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="19"/>
        <source>Unknown clipboard format</source>
        <translation>Format de presse-papiers inconnu</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="20"/>
        <source>Invalid temporary file</source>
        <translation>Fichier temporaire incorrect</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="21"/>
        <source>Unknown file format</source>
        <translation>Format de fichier inconnu</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="22"/>
        <source>%S1 invalid</source>
        <translation>%S1 incorrect</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="23"/>
        <source>black and white</source>
        <translation>noir et blanc</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="24"/>
        <source>2 colors</source>
        <translation>2 couleurs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="25"/>
        <source>16 shades of gray</source>
        <translation>16 niveaux de gris</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="26"/>
        <source>16 system colors</source>
        <translation>16 couleurs système</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="27"/>
        <source>16 colors</source>
        <translation>16 couleurs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="28"/>
        <source>256 shades of gray</source>
        <translation>256 niveaux de gris</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="29"/>
        <source>256 colors</source>
        <translation>256 couleurs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="30"/>
        <source>16.7 million colors</source>
        <translation>16,7 millions de couleurs</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="31"/>
        <source>%S1 is empty</source>
        <translation>%S1 est vide</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="32"/>
        <source>The graphic cannot be saved to a %S1 file with the current color resolution (%S2).

The graphic will be saved with a different color resolution (%S3).</source>
        <translation>L&apos;image ne peut pas être enregistrée dans un fichier %S1 avec la résolution de couleurs actuelle (%S2).

L&apos;image sera enregistrée avec une autre résolution de couleurs (%S3).</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="37"/>
        <source>The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)</source>
        <translation>L&apos;image ne peut pas être enregistrée dans un fichier %S1 avec la résolution de couleurs actuelle (%S2)</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="42"/>
        <source>Unknown file extension &quot;%S1&quot;</source>
        <translation>Extension de fichier inconnue &quot;%S1&quot;</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="43"/>
        <source>Invalid value for %S1</source>
        <translation>Valeur incorrecte pour %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="44"/>
        <source>Negative height</source>
        <translation>Hauteur négative</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="45"/>
        <source>Negative width</source>
        <translation>Largeur négative</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="46"/>
        <source>Cannot apply this filter to a source that is identical to the target</source>
        <translation>Impossible d&apos;appliquer ce filtre à une source identique à la cible</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="51"/>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="52"/>
        <source>Image files</source>
        <translation>Fichiers d&apos;images</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="53"/>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="54"/>
        <source>Invalid size of %S1</source>
        <translation>Taille de %S1 incorrecte</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="55"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="56"/>
        <source>Operation aborted on user request</source>
        <translation>Opération interrompue à la demande de l&apos;utilisateur</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="57"/>
        <source>Not supported subformat</source>
        <translation>Sous-format non pris en charge</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="58"/>
        <source>%S1 failed</source>
        <translation>Échec de %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="59"/>
        <source>Unexpected end of file</source>
        <translation>Fin de fichier inattendue</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="60"/>
        <source>Unknown subformat</source>
        <translation>Sous-format inconnu</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="61"/>
        <source>Not a %S1 file</source>
        <translation>Ce n&apos;est pas un fichier %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="62"/>
        <source>Width = 0 or Height = 0</source>
        <translation>Largeur = 0 ou Hauteur = 0</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="63"/>
        <source>Invalid color resolution</source>
        <translation>Résolution de couleurs incorrecte</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="64"/>
        <source>Unsupported field type %S1</source>
        <translation>Type de champ %S1 non pris en charge</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="65"/>
        <source>Invalid count of bytes in row %S1</source>
        <translation>Nombre d&apos;octets incorrect dans la ligne %S1</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="66"/>
        <source>Unsupported Compression</source>
        <translation>Compression non prise en charge</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="67"/>
        <source>Saturation=0 and Hue defined</source>
        <translation>Saturation=0 et teinte définie</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="68"/>
        <source>%S1 out of range</source>
        <translation>%S1 hors limites</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="69"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="70"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="71"/>
        <source>RGB Filter</source>
        <translation>Filtre RVB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="72"/>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="73"/>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="74"/>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="75"/>
        <source>CMY Filter</source>
        <translation>Filtre CMJ</translation>
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
        <translation>Filtre YCbCr</translation>
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
        <translation>Filtre TLS</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="84"/>
        <source>H</source>
        <translation>T</translation>
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
        <translation>Filtre TSV</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="88"/>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="89"/>
        <source>Negative Filter</source>
        <translation>Filtre négatif</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="90"/>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="91"/>
        <source>RGB</source>
        <translation>RVB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="93"/>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="94"/>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="95"/>
        <source>Apply on</source>
        <translation>Appliquer à</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="96"/>
        <source>Brightness, Contrast, Gamma Filter</source>
        <translation>Filtre luminosité, contraste, gamma</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="97"/>
        <source>Grayscale Filter</source>
        <translation>Filtre niveaux de gris</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="98"/>
        <source>RGB weighting</source>
        <translation>Pondération RVB</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="99"/>
        <source>Std. deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="100"/>
        <source>Strength</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="101"/>
        <source>Sharpen</source>
        <translation>Netteté</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="102"/>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="103"/>
        <source>Smooth</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="104"/>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="105"/>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="106"/>
        <source>Contour</source>
        <translation>Contour</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="107"/>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <location filename="../picture/PGraphicMessages.cpp" line="108"/>
        <source>Black</source>
        <translation>Noir</translation>
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
        <translation>Le synthétiseur vocal n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="230"/>
        <source>The voice for words without a recording cannot be used: espeak-ng&apos;s data is missing or damaged (%1). Install the package espeak-ng-data.</source>
        <translation>La voix des mots sans enregistrement ne peut pas être utilisée&#xa0;: les données d&apos;espeak-ng manquent ou sont abîmées (%1). Installez le paquet espeak-ng-data.</translation>
    </message>
    <message>
        <location filename="../sound/speech.cpp" line="257"/>
        <source>The voice for words without a recording cannot be used: espeak-ng lists no voices. Install the package espeak-ng-data.</source>
        <translation>La voix des mots sans enregistrement ne peut pas être utilisée&#xa0;: espeak-ng n&apos;indique aucune voix. Installez le paquet espeak-ng-data.</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="55"/>
        <source>Colour %1</source>
        <translation>Couleur %1</translation>
    </message>
</context>
<context>
    <name>TColorPalette</name>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="200"/>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location filename="../widgets/ColorBtn.cpp" line="212"/>
        <source>&amp;Other</source>
        <translation>&amp;Autre</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../platform/help.cpp" line="67"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="91"/>
        <source>The help file %1 could not be read.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="92"/>
        <source>The help file %1 could not be found. It belongs beside the program.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable. Il doit se trouver à côté du programme.</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="204"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="205"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="206"/>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../platform/help.cpp" line="290"/>
        <location filename="../platform/help.cpp" line="319"/>
        <source>There is no help topic number %1 in %2.</source>
        <translation>Il n&apos;y a pas de rubrique d&apos;aide numéro %1 dans %2.</translation>
    </message>
</context>
<context>
    <name>THotKey</name>
    <message>
        <location filename="../widgets/StdCtrls.cpp" line="174"/>
        <location filename="../widgets/StdCtrls.cpp" line="215"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>TMMLEDLABEL</name>
    <message>
        <location filename="../widgets/MMLEDLbl.cpp" line="205"/>
        <source>LED display</source>
        <translation>Afficheur LED</translation>
    </message>
</context>
<context>
    <name>TNCButton</name>
    <message>
        <location filename="../widgets/oxForm.cpp" line="134"/>
        <source>Stay on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="135"/>
        <source>Roll up</source>
        <translation>Enrouler</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="137"/>
        <source>Help on a control</source>
        <translation>Aide sur un élément</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="144"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location filename="../widgets/oxForm.cpp" line="146"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TPlanChart</name>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="126"/>
        <source>words known</source>
        <translation>mots connus</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="129"/>
        <source>showings a day (aim %1)</source>
        <translation>séances par jour (objectif %1)</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <location filename="../app/uAbout.cpp" line="21"/>
        <source>Free software for young readers and their parents.</source>
        <translation>Un logiciel libre pour les jeunes lecteurs et leurs parents.</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="117"/>
        <source>About Pellan Wordlark</source>
        <translation>À propos de Pellan Wordlark</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="137"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../app/uAbout.cpp" line="165"/>
        <source>Opens the web page in the browser</source>
        <translation>Ouvre la page web dans le navigateur</translation>
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
        <translation>Impossible d&apos;ouvrir la page web %1.</translation>
    </message>
</context>
<context>
    <name>TfmConfig</name>
    <message>
        <location filename="../config/uConfig.cpp" line="104"/>
        <source>Configure Wordlark</source>
        <translation>Configurer Wordlark</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="155"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="156"/>
        <source>Database Recording</source>
        <translation>Enregistrement des mots</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="157"/>
        <source>Database Select</source>
        <translation>Choix des mots</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="159"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="160"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="161"/>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="165"/>
        <source>Close the dialog, saving changes made</source>
        <translation>Fermer la fenêtre en gardant les modifications</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="166"/>
        <source>Cancel all the changes made and close the dialog</source>
        <translation>Annuler toutes les modifications et fermer la fenêtre</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="167"/>
        <source>Get help</source>
        <translation>Obtenir de l&apos;aide</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="285"/>
        <source>Invalid starting directory</source>
        <translation>Dossier de départ non valide</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="389"/>
        <source>Another copy of the program changed the word list while this dialog was open. Saving now would undo these of its changes:

%1

Nothing has been saved. Press Cancel and open Configure again to start from the list as it is now.</source>
        <translation>Une autre copie du programme a modifié la liste de mots pendant que cette fenêtre était ouverte. Enregistrer maintenant effacerait ces modifications qu&apos;elle a faites&#xa0;:

%1

Rien n&apos;a été enregistré. Cliquez sur Annuler, puis rouvrez Configurer pour repartir de la liste telle qu&apos;elle est maintenant.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="418"/>
        <source>&quot;%1&quot; now has sound number %2 and keeps its recording; the other copy&apos;s word with number %3 has none now.</source>
        <translation>«&#xa0;%1&#xa0;» a maintenant le numéro de son %2 et garde son enregistrement&#xa0;; le mot de l&apos;autre copie qui avait le numéro %3 n&apos;en a plus.</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="420"/>
        <source>&quot;%1&quot; now has sound number %2 and no recording: record it again (the recording with number %3 is the other copy&apos;s).</source>
        <translation>«&#xa0;%1&#xa0;» a maintenant le numéro de son %2 et n&apos;a plus d&apos;enregistrement&#xa0;: enregistrez-le à nouveau (l&apos;enregistrement numéro %3 est celui de l&apos;autre copie).</translation>
    </message>
    <message>
        <location filename="../config/uConfig.cpp" line="426"/>
        <source>Another copy of the program added words while this dialog was open; they have been kept. It gave the same sound numbers to words of its own as this dialog did:

%1</source>
        <translation>Une autre copie du programme a ajouté des mots pendant que cette fenêtre était ouverte&#xa0;; ils ont été gardés. Elle a donné à certains de ses mots les mêmes numéros de son que cette fenêtre&#xa0;:

%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="62"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="64"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="69"/>
        <location filename="../config/uConfigGeneral.cpp" line="141"/>
        <source>Font Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="70"/>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="72"/>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="73"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="74"/>
        <source>This is the font that will be used</source>
        <translation>La police utilisée pour les mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="75"/>
        <source>This is the size of the font</source>
        <translation>La taille des lettres</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="76"/>
        <source>This is the color of the font</source>
        <translation>La couleur des mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="77"/>
        <source>This is the color of the background</source>
        <translation>La couleur du fond</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="78"/>
        <source>Select whether you want to use a Bold font</source>
        <translation>Cochez pour écrire les mots en gras</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="79"/>
        <source>Shows the Run Screen so that you can Preview your settings</source>
        <translation>Montre l&apos;écran de lecture pour voir un aperçu de vos réglages</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="83"/>
        <location filename="../config/uConfigGeneral.cpp" line="91"/>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="84"/>
        <source>Mouse move</source>
        <translation>Souris déplacée</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="85"/>
        <source>Mouse click</source>
        <translation>Clic de souris</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="86"/>
        <source>Keyboard press</source>
        <translation>Touche clavier</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="101"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="102"/>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="103"/>
        <source>Right</source>
        <translation>Droit</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="105"/>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="108"/>
        <source>Click to have the words change after the specified delay</source>
        <translation>Cliquez pour que les mots changent après le délai choisi</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="109"/>
        <source>Select to have words change when the mouse is moved</source>
        <translation>Choisissez pour que les mots changent quand la souris bouge</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="110"/>
        <source>Select to have words change when a mouse button is clicked</source>
        <translation>Choisissez pour que les mots changent à chaque clic de souris</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="111"/>
        <source>Select to have words change when the specified key is pressed</source>
        <translation>Choisissez pour que les mots changent quand on appuie sur la touche choisie</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="112"/>
        <source>Select the delay between words</source>
        <translation>Réglez le délai entre les mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="113"/>
        <source>Use the left mouse button</source>
        <translation>Utiliser le bouton gauche de la souris</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="114"/>
        <source>Use the right mouse button</source>
        <translation>Utiliser le bouton droit de la souris</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="115"/>
        <source>Use the any mouse button</source>
        <translation>Utiliser n&apos;importe quel bouton de la souris</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="116"/>
        <source>Select the key to use or (none) for any key</source>
        <translation>Choisissez la touche à utiliser, ou Aucune pour n&apos;importe quelle touche</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="123"/>
        <source>Main window background</source>
        <translation>Fond de la fenêtre principale</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="132"/>
        <source>Main window preview</source>
        <translation>Aperçu de la fenêtre principale</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="133"/>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="142"/>
        <source>Select the background of the main window</source>
        <translation>Choisissez le fond de la fenêtre principale</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="143"/>
        <source>This is how the main window will appear</source>
        <translation>Voici à quoi ressemblera la fenêtre principale</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="144"/>
        <source>This is the color of the buttons of the main window</source>
        <translation>La couleur des boutons de la fenêtre principale</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="149"/>
        <source>Show Hints</source>
        <translation>Bulles d&apos;aide</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="150"/>
        <source>Protect Config dialog</source>
        <translation>Protéger les réglages</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="151"/>
        <source>Normal Sounds</source>
        <translation>Son immédiat</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="152"/>
        <source>Delayed Sounds</source>
        <translation>Son différé</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="153"/>
        <source>Mute (no Sounds)</source>
        <translation>Muet (sans son)</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="154"/>
        <source>Select whether you want to use the balloon hints</source>
        <translation>Cochez pour afficher les bulles d&apos;aide</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="155"/>
        <source>if checked you will have to press Shift and Alt to access the configuration dialog</source>
        <translation>Si c&apos;est coché, il faudra maintenir Maj et Alt pour ouvrir la fenêtre de configuration</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="156"/>
        <source>Normal Sounds - Words are played when they are shown</source>
        <translation>Son immédiat&#xa0;: chaque mot est dit dès qu&apos;il apparaît</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="157"/>
        <source>Delayed Sounds - Words will be played after a 2s delay</source>
        <translation>Son différé&#xa0;: chaque mot est dit 2 s après son apparition</translation>
    </message>
    <message>
        <location filename="../config/uConfigGeneral.cpp" line="158"/>
        <source>Mute - Words will not be played</source>
        <translation>Muet&#xa0;: les mots ne sont pas dits</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="41"/>
        <source>Word packs (*.wordpack)</source>
        <translation>Paquets de mots (*.wordpack)</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="48"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="49"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="50"/>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="51"/>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="52"/>
        <source>Save the selected words (all the words when none is selected) with their recordings into a word pack file</source>
        <translation>Placer les mots sélectionnés (tous les mots si aucun n&apos;est sélectionné) avec leurs enregistrements dans un fichier paquet de mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="55"/>
        <source>Add the words of a word pack file, with their recordings, as new words</source>
        <translation>Ajouter les mots d&apos;un fichier paquet de mots, avec leurs enregistrements, aux nouveaux mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Export words</source>
        <translation>Exporter des mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="66"/>
        <source>Import words</source>
        <translation>Importer des mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="74"/>
        <source>My words.wordpack</source>
        <translation>Mes mots.wordpack</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="98"/>
        <source>There are no words to export.</source>
        <translation>Il n&apos;y a aucun mot à exporter.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="108"/>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="109"/>
        <source>%1 words (%2 with recordings) were exported to %3.</source>
        <translation>%1 mots (dont %2 avec enregistrement) ont été exportés vers %3.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="157"/>
        <source>The pack is larger than 200 MB.</source>
        <translation>Le paquet fait plus de 200 MB.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="160"/>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="177"/>
        <source>The word pack %1 was not imported:

%2

Nothing has been changed.</source>
        <translation>Le paquet de mots %1 n&apos;a pas été importé&#xa0;:

%2

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPacks.cpp" line="189"/>
        <source>&quot;%1&quot;: %2 words were added as new words, %3 were already there.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2 mots ont été ajoutés aux nouveaux mots, %3 étaient déjà là.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="34"/>
        <source>1 new word</source>
        <translation>1 nouveau mot</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="35"/>
        <source>%1 new words</source>
        <translation>%1 nouveaux mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="143"/>
        <source>Daily Plan</source>
        <translation>Plan quotidien</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="145"/>
        <source>Run the daily plan</source>
        <translation>Suivre le plan quotidien</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="147"/>
        <source>The program moves the words for you: it retires the words your child has seen on enough days and brings new ones in, once a day</source>
        <translation>Le programme déplace les mots pour vous&#xa0;: une fois par jour, il retire les mots que votre enfant a vus sur assez de jours et en fait entrer de nouveaux</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="159"/>
        <source>Words in use</source>
        <translation>Mots en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="160"/>
        <source>How many words are in use at once</source>
        <translation>Combien de mots sont en cours à la fois</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="161"/>
        <source>Days to learn a word</source>
        <translation>Jours pour apprendre</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="162"/>
        <source>A word is known once it was shown on this many different days</source>
        <translation>Un mot est connu quand il a été montré sur ce nombre de jours différents</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="163"/>
        <source>New words a day</source>
        <translation>Nouveaux par jour</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="164"/>
        <source>How many words at most are retired, and new ones brought in, each day</source>
        <translation>Nombre maximal de mots retirés, et de nouveaux mots mis en cours, chaque jour</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="165"/>
        <source>Showings a day</source>
        <translation>Séances par jour</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="166"/>
        <source>How many times a day you aim to show the words</source>
        <translation>Combien de fois par jour vous comptez montrer les mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="167"/>
        <source>Minutes between</source>
        <translation>Minutes entre séances</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="168"/>
        <source>How long you want to wait between two showings</source>
        <translation>Combien de temps vous voulez attendre entre deux séances</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="194"/>
        <source>Today&apos;s showings against the number you aim for</source>
        <translation>Les séances d&apos;aujourd&apos;hui par rapport à votre objectif</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="195"/>
        <source>When the next showing is due, going by the minutes between showings</source>
        <translation>Quand vient la prochaine séance, d&apos;après les minutes entre séances</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="196"/>
        <source>The words that become known next, and on which day</source>
        <translation>Les prochains mots à devenir connus, et quel jour</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="197"/>
        <source>The new words still waiting, and when the last one comes into use</source>
        <translation>Les nouveaux mots qui attendent encore, et quand le dernier passera en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="204"/>
        <source>The last thirty days: bars for the showings of each day, the line for the words your child knows</source>
        <translation>Les trente derniers jours&#xa0;: une barre pour les séances de chaque jour, une ligne pour les mots que votre enfant connaît</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="241"/>
        <source>%1 of %2 today</source>
        <translation>%1 sur %2 aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="244"/>
        <source>Today&apos;s showings are done.</source>
        <translation>Les séances du jour sont faites.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="246"/>
        <source>Next showing: now</source>
        <translation>Prochaine séance&#xa0;: maintenant</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="249"/>
        <source>Next showing: tomorrow</source>
        <translation>Prochaine séance&#xa0;: demain</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="251"/>
        <source>Next showing: from %1</source>
        <translation>Prochaine séance&#xa0;: à partir de %1</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="256"/>
        <source>%1 on %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>No words in use.</source>
        <translation>Aucun mot en cours.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="257"/>
        <source>Known next: </source>
        <translation>Bientôt connus&#xa0;: </translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="259"/>
        <source>No new words left: record some on the recording page.</source>
        <translation>Plus de nouveaux mots&#xa0;: ajoutez-en sur la page «&#xa0;Enregistrement des mots&#xa0;».</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="262"/>
        <source>%1 left; the last comes into use on %2.</source>
        <translation>Il reste %1&#xa0;; le dernier passera en cours le %2.</translation>
    </message>
    <message>
        <location filename="../config/uConfigPlan.cpp" line="264"/>
        <source>%1 left.</source>
        <translation>Il reste %1.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="93"/>
        <source>All words</source>
        <translation>Tous les mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="94"/>
        <source>Select a word from the list to change the sound or delete it</source>
        <translation>Choisissez un mot dans la liste pour changer son enregistrement ou le supprimer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="96"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="97"/>
        <location filename="../config/uConfigRecord.cpp" line="310"/>
        <location filename="../config/uConfigRecord.cpp" line="331"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="98"/>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="99"/>
        <source>Insert a new word</source>
        <translation>Ajouter un nouveau mot</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="100"/>
        <source>Delete the word or cancel the action</source>
        <translation>Supprimer le mot, ou annuler la saisie</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="101"/>
        <source>Save the word and sound</source>
        <translation>Valider le mot pour pouvoir l&apos;enregistrer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="107"/>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="110"/>
        <source>Add to use words</source>
        <translation>Mettre en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="112"/>
        <source>Check to add this word to the list of word to use</source>
        <translation>Cochez pour mettre ce mot directement dans les mots en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="114"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="115"/>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="116"/>
        <source>Click to Record a word</source>
        <translation>Cliquez pour enregistrer le mot</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="117"/>
        <source>Click to Play a word</source>
        <translation>Cliquez pour écouter le mot</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="119"/>
        <source>To record use the buttons above or hit SPACE to start and again to stop</source>
        <translation>Pour enregistrer&#xa0;: boutons ci-dessus, ou ESPACE pour démarrer puis arrêter</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="139"/>
        <source>Recorded time</source>
        <translation>Durée enregistrée</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="164"/>
        <location filename="../config/uConfigRecord.cpp" line="167"/>
        <source>Even out the volume</source>
        <translation>Égaliser le volume</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="168"/>
        <source>Check to trim the silence around each new recording and bring it to the same loudness as the other words</source>
        <translation>Cochez pour couper le silence autour de chaque nouvel enregistrement et lui donner le même volume qu&apos;aux autres mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="171"/>
        <location filename="../config/uConfigRecord.cpp" line="173"/>
        <source>Even out all</source>
        <translation>Tout égaliser</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="172"/>
        <source>Undo</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="174"/>
        <source>Undo evening out</source>
        <translation>Annuler l&apos;égalisation</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="175"/>
        <source>Even out the volume of every recorded word</source>
        <translation>Égaliser le volume de tous les mots enregistrés</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="176"/>
        <source>Put back every recording as it was recorded</source>
        <translation>Remettre chaque enregistrement tel qu&apos;il a été fait</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="182"/>
        <source>Recordings done</source>
        <translation>Enregistrements traités</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="185"/>
        <location filename="../config/uConfigRecord.cpp" line="323"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="186"/>
        <source>Cancel evening out</source>
        <translation>Interrompre l&apos;égalisation</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="187"/>
        <source>Stop here; the words done so far keep their new sound</source>
        <translation>S&apos;arrêter là&#xa0;; les mots déjà traités gardent leur nouveau son</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="348"/>
        <location filename="../config/uConfigRecord.cpp" line="350"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="423"/>
        <source>Type the word before saving it.</source>
        <translation>Tapez le mot avant de le valider.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="425"/>
        <source>A word cannot contain &quot;;&quot; or a line break. Please change the word.</source>
        <translation>Un mot ne peut contenir ni «&#xa0;;&#xa0;» ni saut de ligne. Veuillez modifier le mot.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="440"/>
        <source>There is no free sound number left for another word.</source>
        <translation>Il ne reste aucun numéro de son libre pour un autre mot.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="459"/>
        <source>The old sound file %1 could not be deleted. Record the word to replace it.</source>
        <translation>L&apos;ancien fichier son %1 n&apos;a pas pu être supprimé. Enregistrez le mot pour le remplacer.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="598"/>
        <source>The recording stopped because %1 could not be written: the disk may be full. The sound recorded up to that moment is kept.</source>
        <translation>L&apos;enregistrement s&apos;est arrêté car %1 n&apos;a pas pu être écrit&#xa0;: le disque est peut-être plein. Le son enregistré jusque-là est conservé.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="626"/>
        <source>Nothing was heard in this recording, so its volume was left as it is. Check the microphone and record the word again.</source>
        <translation>On n&apos;entend rien dans cet enregistrement, son volume a donc été laissé tel quel. Vérifiez le micro et enregistrez le mot à nouveau.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="630"/>
        <source>The recording could not be evened out because the folder %1 could not be written (the disk may be full or the folder read-only). The recording is kept as it was recorded.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être égalisé car le dossier %1 n&apos;est pas accessible en écriture (le disque est peut-être plein ou le dossier en lecture seule). L&apos;enregistrement reste tel qu&apos;il a été fait.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="636"/>
        <source>The recording %1 cannot be read back, so it was not evened out.</source>
        <translation>L&apos;enregistrement %1 ne peut pas être relu, il n&apos;a donc pas été égalisé.</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="721"/>
        <source>These could not be written (the disk may be full or the folder read-only); they are as they were:
%1</source>
        <translation>Ceux-ci n&apos;ont pas pu être écrits (le disque est peut-être plein ou le dossier en lecture seule)&#xa0;; ils sont restés tels quels&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="725"/>
        <source>Nothing was heard in these recordings; they were left as they are:
%1</source>
        <translation>On n&apos;entend rien dans ces enregistrements&#xa0;; ils ont été laissés tels quels&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="728"/>
        <source>These sound files are not recordings of this program (another wave format); they were left as they are:
%1</source>
        <translation>Ces fichiers son ne sont pas des enregistrements de ce programme (autre format wave)&#xa0;; ils ont été laissés tels quels&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigRecord.cpp" line="732"/>
        <source>These sound files cannot be read (empty or damaged); they were left as they are:
%1</source>
        <translation>Ces fichiers son sont illisibles (vides ou abîmés)&#xa0;; ils ont été laissés tels quels&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="219"/>
        <source>New words</source>
        <translation>Nouveaux mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="220"/>
        <source> Words in use</source>
        <translation> Mots en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="221"/>
        <source> Words known</source>
        <translation> Mots connus</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="251"/>
        <source>Those are new words, move them to the &apos;Words in use&apos; list to use them</source>
        <translation>Ce sont les nouveaux mots&#xa0;: déplacez-les vers la liste «&#xa0;Mots en cours&#xa0;» pour les utiliser</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="252"/>
        <source>Those words are used now. Move them to the list of &apos;words known&apos; when your child knows them</source>
        <translation>Ces mots sont utilisés en ce moment. Déplacez-les vers la liste «&#xa0;Mots connus&#xa0;» quand votre enfant les connaît</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="253"/>
        <source>Those words are known by your child</source>
        <translation>Les mots que votre enfant connaît</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="265"/>
        <source>Move to words in use</source>
        <translation>Vers les mots en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="266"/>
        <source>Move to new words</source>
        <translation>Vers les nouveaux mots</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="267"/>
        <source>Move to words known</source>
        <translation>Vers les mots connus</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="268"/>
        <source>Move back to words in use</source>
        <translation>Retour aux mots en cours</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="269"/>
        <location filename="../config/uConfigSelect.cpp" line="272"/>
        <source>Move selected words to the list of &apos;Words in use&apos;</source>
        <translation>Déplacer les mots sélectionnés vers la liste «&#xa0;Mots en cours&#xa0;»</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="270"/>
        <source>Move selected words to the list of &apos;New words&apos;</source>
        <translation>Déplacer les mots sélectionnés vers la liste «&#xa0;Nouveaux mots&#xa0;»</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="271"/>
        <source>Move selected words to the list of &apos;Words known&apos;</source>
        <translation>Déplacer les mots sélectionnés vers la liste «&#xa0;Mots connus&#xa0;»</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="282"/>
        <source>Select all the words on the list above</source>
        <translation>Sélectionner tous les mots de la liste au-dessus</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="283"/>
        <source>Unselect all the words on the list above</source>
        <translation>Désélectionner tous les mots de la liste au-dessus</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="288"/>
        <location filename="../config/uConfigSelect.cpp" line="289"/>
        <location filename="../config/uConfigSelect.cpp" line="290"/>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location filename="../config/uConfigSelect.cpp" line="291"/>
        <location filename="../config/uConfigSelect.cpp" line="292"/>
        <location filename="../config/uConfigSelect.cpp" line="293"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="17"/>
        <source>Speak words that have no recording</source>
        <translation>Dire les mots sans enregistrement</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="21"/>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="22"/>
        <source>Check to have the words that have no recording spoken by the computer&apos;s voice</source>
        <translation>Cochez pour que la voix de l&apos;ordinateur dise les mots qui n&apos;ont pas d&apos;enregistrement</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="23"/>
        <source>Select the voice (language) that speaks the words that have no recording</source>
        <translation>Choisissez la voix (la langue) qui dit les mots sans enregistrement</translation>
    </message>
    <message>
        <location filename="../config/uConfigVoice.cpp" line="53"/>
        <source>There is no sound device to speak through: words that have no recording will stay silent.</source>
        <translation>Aucun périphérique audio pour parler&#xa0;: les mots sans enregistrement resteront muets.</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="19"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="23"/>
        <source>&amp;Language (used from the next start)</source>
        <translation>&amp;Langue (au prochain démarrage)</translation>
    </message>
    <message>
        <location filename="../config/uConfigLanguage.cpp" line="29"/>
        <source>Choose the language of the program&apos;s windows and help; it changes when the program is started next</source>
        <translation>Choisir la langue des fenêtres et de l&apos;aide&#xa0;; elle change au prochain démarrage du programme</translation>
    </message>
</context>
<context>
    <name>TfmError</name>
    <message>
        <location filename="../app/uError.cpp" line="63"/>
        <source>Your database contains no Words on the &quot;Use Words&quot; category. Either you haven&apos;t entered any word on the database, or you haven&apos;t placed any word on the &quot;Use Word&quot; category.</source>
        <translation>Vous n&apos;avez aucun mot dans la liste «&#xa0;Mots en cours&#xa0;». Soit vous n&apos;avez encore ajouté aucun mot, soit vous n&apos;en avez mis aucun dans la liste «&#xa0;Mots en cours&#xa0;».</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="67"/>
        <source>You may want to see the Tutorial, which shows you how to enter new words to the database. Do you want to run the Tutorial now?</source>
        <translation>Le tutoriel vous montre comment ajouter de nouveaux mots. Voulez-vous l&apos;ouvrir maintenant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="70"/>
        <source>&amp;Yes, show me the tutorial</source>
        <translation>&amp;Oui, voir le tutoriel</translation>
    </message>
    <message>
        <location filename="../app/uError.cpp" line="78"/>
        <source>&amp;No, I already know how to use the program</source>
        <translation>&amp;Non, je sais déjà utiliser le programme</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <location filename="../app/uMain.cpp" line="40"/>
        <source>There was an error reading the sounds database. Terminating program</source>
        <translation>Une erreur s&apos;est produite à la lecture de la base des sons. Le programme s&apos;arrête.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="44"/>
        <source>The old word list could not be read. It has been kept as %1.</source>
        <translation>L&apos;ancienne liste de mots n&apos;a pas pu être lue. Elle a été conservée sous le nom %1.</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="127"/>
        <source>Click to open the About dialog box</source>
        <translation>Cliquez pour ouvrir la fenêtre «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="129"/>
        <source>Click to run</source>
        <translation>Cliquez pour lancer les mots</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Configure</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="130"/>
        <source>Click to open the configuration dialog</source>
        <translation>Cliquez pour ouvrir la fenêtre de configuration</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="131"/>
        <source>Click to open the help file</source>
        <translation>Cliquez pour ouvrir l&apos;aide</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../app/uMain.cpp" line="132"/>
        <source>Click to Exit</source>
        <translation>Cliquez pour quitter</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="529"/>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <location filename="../widgets/oxBtns.cpp" line="530"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>WaveDev</name>
    <message>
        <location filename="../sound/wavedev.cpp" line="223"/>
        <source>The specified command was carried out.</source>
        <translation>La commande demandée a été exécutée.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="224"/>
        <source>Undefined external error.</source>
        <translation>Erreur externe non définie.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="225"/>
        <source>A device ID has been used that is out of range for your system.</source>
        <translation>Un identifiant de périphérique hors des limites de votre système a été utilisé.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="226"/>
        <source>The specified device is already in use. Wait until it is free, and then try again.</source>
        <translation>Le périphérique demandé est déjà utilisé. Attendez qu&apos;il soit libre, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="227"/>
        <source>The specified device handle is invalid.</source>
        <translation>Le descripteur du périphérique demandé n&apos;est pas valide.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="228"/>
        <source>There is no driver installed on your system.</source>
        <translation>Aucun pilote n&apos;est installé sur votre système.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="229"/>
        <source>There is not enough memory available for this task. Quit one or more applications to increase available memory, and then try again.</source>
        <translation>Il n&apos;y a pas assez de mémoire disponible pour cette tâche. Quittez une ou plusieurs applications pour libérer de la mémoire, puis réessayez.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="230"/>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Un paramètre non valide a été passé à une fonction système.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="231"/>
        <source>The specified format is not supported or cannot be translated. Use the Capabilities function to determine the supported formats.</source>
        <translation>Le format demandé n&apos;est pas pris en charge ou ne peut pas être converti. Utilisez la fonction Capabilities pour connaître les formats pris en charge.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="232"/>
        <source>Cannot perform this operation while media data is still playing. Reset the device, or wait until the data is finished playing.</source>
        <translation>Impossible d&apos;effectuer cette opération pendant la lecture du son. Réinitialisez le périphérique ou attendez la fin de la lecture.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="233"/>
        <source>The sound device did not answer in time.</source>
        <translation>Le périphérique audio n&apos;a pas répondu à temps.</translation>
    </message>
    <message>
        <location filename="../sound/wavedev.cpp" line="234"/>
        <source>The sound device stopped working: it was unplugged, or the sound system was stopped.</source>
        <translation>Le périphérique audio a cessé de fonctionner&#xa0;: il a été débranché, ou le système audio a été arrêté.</translation>
    </message>
</context>
<context>
    <name>WordMerge</name>
    <message>
        <location filename="../data/WordMerge.cpp" line="32"/>
        <source>new words</source>
        <translation>nouveaux mots</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="33"/>
        <source>words in use</source>
        <translation>mots en cours</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="34"/>
        <source>known words</source>
        <translation>mots connus</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="41"/>
        <source>&quot;%1&quot; (deleted)</source>
        <translation>«&#xa0;%1&#xa0;» (supprimé)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="42"/>
        <source>&quot;%1&quot; (moved to %2)</source>
        <translation>«&#xa0;%1&#xa0;» (déplacé vers les %2)</translation>
    </message>
    <message>
        <location filename="../data/WordMerge.cpp" line="95"/>
        <source>&quot;%1&quot; (no free sound number for a word of this copy)</source>
        <translation>«&#xa0;%1&#xa0;» (plus de numéro de son libre pour un mot de cette copie)</translation>
    </message>
</context>
<context>
    <name>WordPack</name>
    <message>
        <location filename="../data/uWordPack.cpp" line="71"/>
        <source>This file is not a word pack (not a ZIP archive: its table of contents cannot be read).</source>
        <translation>Ce fichier n&apos;est pas un paquet de mots (ce n&apos;est pas une archive ZIP&#xa0;: sa table des matières est illisible).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="73"/>
        <source>The pack is a ZIP64 archive, which this program does not read.</source>
        <translation>Le paquet est une archive ZIP64, que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="95"/>
        <source>The pack holds &quot;%1&quot; twice.</source>
        <translation>Le paquet contient deux fois «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="98"/>
        <source>The file &quot;%1&quot; in the pack is encrypted.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» du paquet est chiffré.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="100"/>
        <source>The file &quot;%1&quot; in the pack is packed in a way this program does not read (method %2).</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» du paquet est compressé d&apos;une façon que ce programme ne sait pas lire (méthode %2).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="115"/>
        <source>The files &quot;%1&quot; and &quot;%2&quot; in the pack overlap: the same bytes would unpack as both.</source>
        <translation>Les fichiers «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» du paquet se chevauchent&#xa0;: les mêmes octets donneraient l&apos;un et l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="171"/>
        <source>The file %1 in the pack cannot be unpacked.</source>
        <translation>Le fichier %1 du paquet ne peut pas être décompressé.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="178"/>
        <source>The file %1 in the pack is damaged.</source>
        <translation>Le fichier %1 du paquet est abîmé.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="182"/>
        <source>The file %1 in the pack unpacks to more than its header says.</source>
        <translation>Le fichier %1 du paquet se décompresse en plus que ce qu&apos;annonce son en-tête.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="185"/>
        <location filename="../data/uWordPack.cpp" line="322"/>
        <source>The pack unpacks to more than 200 MB.</source>
        <translation>Le paquet se décompresse en plus de 200 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="189"/>
        <source>The file %1 in the pack is shorter than its header says.</source>
        <translation>Le fichier %1 du paquet est plus court que ce qu&apos;annonce son en-tête.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="199"/>
        <source>Line %1 of the pack&apos;s word list is not a word: &quot;%2&quot;.</source>
        <translation>La ligne %1 de la liste de mots du paquet n&apos;est pas un mot&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="238"/>
        <source>The recording %1 in the pack is not a wave file.</source>
        <translation>L&apos;enregistrement %1 du paquet n&apos;est pas un fichier wave.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="242"/>
        <source>The recording %1 in the pack cannot be played: %2, %3 channels, %4 Hz, %5 bits (this program plays PCM of 1 or 2 channels, 8 or 16 bits, 4000 to 100000 Hz).</source>
        <translation>L&apos;enregistrement %1 du paquet ne peut pas être lu&#xa0;: %2, %3 canaux, %4 Hz, %5 bits (ce programme lit le PCM à 1 ou 2 canaux, 8 ou 16 bits, de 4000 à 100000 Hz).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="249"/>
        <source>The recording %1 in the pack cannot be played: its bytes per second or per sample do not match its format.</source>
        <translation>L&apos;enregistrement %1 du paquet ne peut pas être lu&#xa0;: ses octets par seconde ou par échantillon ne correspondent pas à son format.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="269"/>
        <location filename="../data/uWordPack.cpp" line="389"/>
        <source>The pack cannot be written: %1</source>
        <translation>Le paquet ne peut pas être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="289"/>
        <source>The pack cannot be read.</source>
        <translation>Le paquet ne peut pas être lu.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="296"/>
        <source>The pack is damaged: its table of contents does not match the files in it.</source>
        <translation>Le paquet est abîmé&#xa0;: sa table des matières ne correspond pas aux fichiers qu&apos;il contient.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="297"/>
        <source>This file is not a word pack (not a ZIP archive).</source>
        <translation>Ce fichier n&apos;est pas un paquet de mots (ce n&apos;est pas une archive ZIP).</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="302"/>
        <source>The pack holds more than %1 files.</source>
        <translation>Le paquet contient plus de %1 fichiers.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="311"/>
        <source>The pack is damaged.</source>
        <translation>Le paquet est abîmé.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="315"/>
        <source>The pack names a file outside its own folder: &quot;%1&quot;.</source>
        <translation>Le paquet désigne un fichier en dehors de son propre dossier&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="317"/>
        <source>The pack holds a link or a device, &quot;%1&quot;, not a plain file.</source>
        <translation>Le paquet contient un lien ou un périphérique, «&#xa0;%1&#xa0;», et non un simple fichier.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="319"/>
        <source>The file &quot;%1&quot; in the pack is larger than 20 MB.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» du paquet dépasse 20 MB.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="325"/>
        <source>The file &quot;%1&quot; in the pack is packed more than 100 to 1.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» du paquet est compressé à plus de 100 pour 1.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="332"/>
        <source>This file is not a word pack: it has no word list.</source>
        <translation>Ce fichier n&apos;est pas un paquet de mots&#xa0;: il ne contient pas de liste de mots.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="357"/>
        <location filename="../data/uWordPack.cpp" line="363"/>
        <location filename="../data/uWordPack.cpp" line="396"/>
        <location filename="../data/uWordPack.cpp" line="401"/>
        <source>The pack cannot be written.</source>
        <translation>Le paquet ne peut pas être écrit.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="440"/>
        <source>There is no room for the pack&apos;s words: the program keeps at most %1 words.</source>
        <translation>Il n&apos;y a pas de place pour les mots du paquet&#xa0;: le programme garde au plus %1 mots.</translation>
    </message>
    <message>
        <location filename="../data/uWordPack.cpp" line="477"/>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
</context>
</TS>
