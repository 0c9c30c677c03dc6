// The picture layer's message table: 85 numbered texts in English, German,
// French, Dutch, Spanish and one custom column.
#include "picture/PGraphic.h"

#include <QCoreApplication>

#include <utility>

int PGLanguage = 0;

namespace {

// clang-format off
const TPGLangStrEntry Entries[PGLangStrCount] = {
    {0, {"", "", "", "", "", ""}},
    {1, {QT_TRANSLATE_NOOP("PGraphic", "X, Y index out of range"), "X-, Y-Index außerhalb des gültigen Bereichs", "Index X, Y hors limites", "X, Y index buiten bereik", "Índice X, Y fuera de rango", ""}},
    {2, {QT_TRANSLATE_NOOP("PGraphic", "No palette"), "Keine Palette", "Pas de palette", "Geen palet", "Sin paleta", ""}},
    {3, {QT_TRANSLATE_NOOP("PGraphic", "Invalid palette index"), "Ungültiger Palettenindex", "Index de palette incorrect", "Ongeldige paletindex", "Índice de paleta no válido", ""}},
    {4, {QT_TRANSLATE_NOOP("PGraphic", "Unknown clipboard format"), "Unbekanntes Zwischenablageformat", "Format de presse-papiers inconnu", "Onbekend klembordformaat", "Formato de portapapeles desconocido", ""}},
    {5, {QT_TRANSLATE_NOOP("PGraphic", "Invalid temporary file"), "Ungültige temporäre Datei", "Fichier temporaire incorrect", "Ongeldig tijdelijk bestand", "Fichero temporal no válido", ""}},
    {6, {QT_TRANSLATE_NOOP("PGraphic", "Unknown file format"), "Unbekanntes Dateiformat", "Format de fichier inconnu", "Onbekend bestand formaat", "Formato de fichero desconocido", ""}},
    {7, {QT_TRANSLATE_NOOP("PGraphic", "%S1 invalid"), "%S1 ungültig", "%S1 incorrect", "%S1 ongeldig", "%S1 no válido", ""}},
    {8, {QT_TRANSLATE_NOOP("PGraphic", "black and white"), "schwarzweiß", "noir et blanc", "zwart-wit", "blanco y negro", ""}},
    {9, {QT_TRANSLATE_NOOP("PGraphic", "2 colors"), "2 Farben", "2 couleurs", "2 kleuren", "2 colores", ""}},
    {10, {QT_TRANSLATE_NOOP("PGraphic", "16 shades of gray"), "16 Graustufen", "16 niveaux de gris", "16 grijstinten", "16 tonos de gris", ""}},
    {11, {QT_TRANSLATE_NOOP("PGraphic", "16 system colors"), "16 Systemfarben", "16 couleurs système", "16 systeemkleuren", "16 colores del sistema", ""}},
    {12, {QT_TRANSLATE_NOOP("PGraphic", "16 colors"), "16 Farben", "16 couleurs", "16 kleuren", "16 colores", ""}},
    {13, {QT_TRANSLATE_NOOP("PGraphic", "256 shades of gray"), "256 Graustufen", "256 niveaux de gris", "256 grijstinten", "256 tonos de gris", ""}},
    {14, {QT_TRANSLATE_NOOP("PGraphic", "256 colors"), "256 Farben", "256 couleurs", "256 kleuren", "256 colores", ""}},
    {15, {QT_TRANSLATE_NOOP("PGraphic", "16.7 million colors"), "16,7 Millionen Farben", "16,7 millions de couleurs", "16,7 miljoen kleuren", "16,7 millones de colores", ""}},
    {16, {QT_TRANSLATE_NOOP("PGraphic", "%S1 is empty"), "%S1 ist leer", "%S1 est vide", "%S1 is leeg", "%S1 está vacío", ""}},
    {17, {QT_TRANSLATE_NOOP("PGraphic", "The graphic cannot be saved to a %S1 file with the current color resolution (%S2).\n\nThe graphic will be saved with a different color resolution (%S3)."),
          "Die Grafik kann mit der aktuellen Farbauflösung (%S2) nicht als %S1-Datei gespeichert werden.\n\nDie Grafik wird mit einer anderen Farbauflösung (%S3) gespeichert.",
          "L'image ne peut pas être enregistrée dans un fichier %S1 avec la résolution de couleurs actuelle (%S2).\n\nL'image sera enregistrée avec une autre résolution de couleurs (%S3).",
          "De afbeelding kan niet met de huidige kleurresolutie (%S2) als %S1-bestand worden opgeslagen.\n\nDe afbeelding wordt met een andere kleurresolutie (%S3) opgeslagen.",
          "El gráfico no se puede guardar en un fichero %S1 con la resolución de color actual (%S2).\n\nEl gráfico se guardará con otra resolución de color (%S3).", ""}},
    {18, {QT_TRANSLATE_NOOP("PGraphic", "The graphic cannot be saved with to a %S1 file with the current color resolution (%S2)"),
          "Die Grafik kann mit der aktuellen Farbauflösung (%S2) nicht als %S1-Datei gespeichert werden",
          "L'image ne peut pas être enregistrée dans un fichier %S1 avec la résolution de couleurs actuelle (%S2)",
          "De afbeelding kan niet met de huidige kleurresolutie (%S2) als %S1-bestand worden opgeslagen",
          "El gráfico no se puede guardar en un fichero %S1 con la resolución de color actual (%S2)", ""}},
    {19, {QT_TRANSLATE_NOOP("PGraphic", "Unknown file extension \"%S1\""), "Unbekannte Dateierweiterung \"%S1\"", "Extension de fichier inconnue \"%S1\"", "Onbekende bestandsextensie \"%S1\"", "Extensión de fichero desconocida \"%S1\"", ""}},
    {20, {QT_TRANSLATE_NOOP("PGraphic", "Invalid value for %S1"), "Ungültiger Wert für %S1", "Valeur incorrecte pour %S1", "Ongeldige waarde voor %S1", "Valor no válido para %S1", ""}},
    {21, {QT_TRANSLATE_NOOP("PGraphic", "Negative height"), "Negative Höhe", "Hauteur négative", "Negatieve hoogte", "Altura negativa", ""}},
    {22, {QT_TRANSLATE_NOOP("PGraphic", "Negative width"), "Negative Breite", "Largeur négative", "Negatieve breedte", "Anchura negativa", ""}},
    {23, {QT_TRANSLATE_NOOP("PGraphic", "Cannot apply this filter to a source that is identical to the target"),
          "Dieser Filter kann nicht auf eine Quelle angewendet werden, die mit dem Ziel identisch ist",
          "Impossible d'appliquer ce filtre à une source identique à la cible",
          "Dit filter kan niet worden toegepast op een bron die gelijk is aan het doel",
          "No se puede aplicar este filtro a un origen idéntico al destino", ""}},
    {24, {QT_TRANSLATE_NOOP("PGraphic", "bit"), "Bit", "bit", "bit", "bit", ""}},
    {25, {QT_TRANSLATE_NOOP("PGraphic", "Image files"), "Bilddateien", "Fichiers d'images", "Afbeeldingsbestanden", "Ficheros de imagen", "Image files"}},
    {26, {QT_TRANSLATE_NOOP("PGraphic", "All files"), "Alle Dateien", "Tous les fichiers", "Alle bestanden", "Todos los ficheros", ""}},
    {27, {QT_TRANSLATE_NOOP("PGraphic", "Invalid size of %S1"), "Ungültige Größe von %S1", "Taille de %S1 incorrecte", "Ongeldige grootte van %S1", "Tamaño de %S1 no válido", ""}},
    {28, {QT_TRANSLATE_NOOP("PGraphic", "Warning"), "Warnung", "Avertissement", "Waarschuwing", "Advertencia", ""}},
    {29, {QT_TRANSLATE_NOOP("PGraphic", "Operation aborted on user request"), "Vorgang auf Wunsch des Benutzers abgebrochen", "Opération interrompue à la demande de l'utilisateur", "Bewerking afgebroken op verzoek van de gebruiker", "Operación cancelada a petición del usuario", ""}},
    {30, {QT_TRANSLATE_NOOP("PGraphic", "Not supported subformat"), "Nicht unterstütztes Unterformat", "Sous-format non pris en charge", "Niet ondersteund subformaat", "Subformato no soportado", ""}},
    {31, {QT_TRANSLATE_NOOP("PGraphic", "%S1 failed"), "%S1 fehlgeschlagen", "Échec de %S1", "%S1 mislukt", "%S1 ha fallado", ""}},
    {32, {QT_TRANSLATE_NOOP("PGraphic", "Unexpected end of file"), "Unerwartetes Dateiende", "Fin de fichier inattendue", "Onverwacht einde van bestand", "Fin de fichero inesperado", ""}},
    {33, {QT_TRANSLATE_NOOP("PGraphic", "Unknown subformat"), "Unbekanntes Unterformat", "Sous-format inconnu", "Onbekend subformaat", "Subformato desconocido", ""}},
    {34, {QT_TRANSLATE_NOOP("PGraphic", "Not a %S1 file"), "Keine %S1-Datei", "Ce n'est pas un fichier %S1", "Geen %S1-bestand", "No es un fichero %S1", ""}},
    {35, {QT_TRANSLATE_NOOP("PGraphic", "Width = 0 or Height = 0"), "Breite = 0 oder Höhe = 0", "Largeur = 0 ou Hauteur = 0", "Breedte = 0 of Hoogte = 0", "Anchura = 0 o Altura = 0", ""}},
    {36, {QT_TRANSLATE_NOOP("PGraphic", "Invalid color resolution"), "Ungültige Farbauflösung", "Résolution de couleurs incorrecte", "Ongeldige kleurresolutie", "Resolución de color no válida", ""}},
    {37, {QT_TRANSLATE_NOOP("PGraphic", "Unsupported field type %S1"), "Nicht unterstützter Feldtyp %S1", "Type de champ %S1 non pris en charge", "Niet ondersteund veldtype %S1", "Tipo de campo %S1 no soportado", ""}},
    {38, {QT_TRANSLATE_NOOP("PGraphic", "Invalid count of bytes in row %S1"), "Ungültige Anzahl von Bytes in Zeile %S1", "Nombre d'octets incorrect dans la ligne %S1", "Ongeldig aantal bytes in rij %S1", "Número de bytes no válido en la fila %S1", ""}},
    {39, {QT_TRANSLATE_NOOP("PGraphic", "Unsupported Compression"), "Nicht unterstützte Kompression", "Compression non prise en charge", "Niet ondersteunde compressie", "Compresión no soportada", ""}},
    {40, {QT_TRANSLATE_NOOP("PGraphic", "Saturation=0 and Hue defined"), "Sättigung=0 und Farbton definiert", "Saturation=0 et teinte définie", "Verzadiging=0 en tint gedefinieerd", "Saturación=0 y tono definido", ""}},
    {41, {QT_TRANSLATE_NOOP("PGraphic", "%S1 out of range"), "%S1 außerhalb des gültigen Bereichs", "%S1 hors limites", "%S1 buiten bereik", "%S1 fuera de rango", ""}},
    {42, {QT_TRANSLATE_NOOP("PGraphic", "OK"), "OK", "OK", "OK", "Aceptar", ""}},
    {43, {QT_TRANSLATE_NOOP("PGraphic", "Cancel"), "Abbrechen", "Annuler", "Annuleren", "Cancelar", ""}},
    {44, {QT_TRANSLATE_NOOP("PGraphic", "RGB Filter"), "RGB-Filter", "Filtre RVB", "RGB-filter", "Filtro RGB", ""}},
    {45, {QT_TRANSLATE_NOOP("PGraphic", "R"), "R", "R", "R", "R", ""}},
    {46, {QT_TRANSLATE_NOOP("PGraphic", "G"), "G", "V", "G", "G", ""}},
    {47, {QT_TRANSLATE_NOOP("PGraphic", "B"), "B", "B", "B", "B", ""}},
    {48, {QT_TRANSLATE_NOOP("PGraphic", "CMY Filter"), "CMY-Filter", "Filtre CMJ", "CMY-filter", "Filtro CMY", ""}},
    {49, {QT_TRANSLATE_NOOP("PGraphic", "C"), "C", "C", "C", "C", ""}},
    {50, {QT_TRANSLATE_NOOP("PGraphic", "M"), "M", "M", "M", "M", ""}},
    {51, {QT_TRANSLATE_NOOP("PGraphic", "Y"), "Y", "J", "Y", "Y", ""}},
    {52, {QT_TRANSLATE_NOOP("PGraphic", "YCbCr Filter"), "YCbCr-Filter", "Filtre YCbCr", "YCbCr-filter", "Filtro YCbCr", ""}},
    {53, {QT_TRANSLATE_NOOP("PGraphic", "Y"), "Y", "Y", "Y", "Y", ""}},
    {54, {QT_TRANSLATE_NOOP("PGraphic", "Cb"), "Cb", "Cb", "Cb", "Cb", ""}},
    {55, {QT_TRANSLATE_NOOP("PGraphic", "Cr"), "Cr", "Cr", "Cr", "Cr", ""}},
    {56, {QT_TRANSLATE_NOOP("PGraphic", "HLS Filter"), "HLS-Filter", "Filtre TLS", "HLS-filter", "Filtro HLS", ""}},
    {57, {QT_TRANSLATE_NOOP("PGraphic", "H"), "H", "T", "H", "H", ""}},
    {58, {QT_TRANSLATE_NOOP("PGraphic", "L"), "L", "L", "L", "L", ""}},
    {59, {QT_TRANSLATE_NOOP("PGraphic", "S"), "S", "S", "S", "S", ""}},
    {60, {QT_TRANSLATE_NOOP("PGraphic", "HSV Filter"), "HSV-Filter", "Filtre TSV", "HSV-filter", "Filtro HSV", ""}},
    {61, {QT_TRANSLATE_NOOP("PGraphic", "V"), "V", "V", "V", "V", ""}},
    {62, {QT_TRANSLATE_NOOP("PGraphic", "Negative Filter"), "Negativ-Filter", "Filtre négatif", "Negatieffilter", "Filtro negativo", ""}},
    {63, {QT_TRANSLATE_NOOP("PGraphic", "Gamma"), "Gamma", "Gamma", "Gamma", "Gamma", ""}},
    {64, {QT_TRANSLATE_NOOP("PGraphic", "RGB"), "RGB", "RVB", "RGB", "RGB", ""}},
    {65, {QT_TRANSLATE_NOOP("PGraphic", "Y"), "Y", "Y", "Y", "Y", ""}},
    {66, {QT_TRANSLATE_NOOP("PGraphic", "Brightness"), "Helligkeit", "Luminosité", "Helderheid", "Brillo", ""}},
    {67, {QT_TRANSLATE_NOOP("PGraphic", "Contrast"), "Kontrast", "Contraste", "Contrast", "Contraste", ""}},
    {68, {QT_TRANSLATE_NOOP("PGraphic", "Apply on"), "Anwenden auf", "Appliquer à", "Toepassen op", "Aplicar a", ""}},
    {69, {QT_TRANSLATE_NOOP("PGraphic", "Brightness, Contrast, Gamma Filter"), "Helligkeit-, Kontrast-, Gamma-Filter", "Filtre luminosité, contraste, gamma", "Helderheid-, contrast-, gammafilter", "Filtro de brillo, contraste y gamma", ""}},
    {70, {QT_TRANSLATE_NOOP("PGraphic", "Grayscale Filter"), "Graustufen-Filter", "Filtre niveaux de gris", "Grijstintenfilter", "Filtro de escala de grises", ""}},
    {71, {QT_TRANSLATE_NOOP("PGraphic", "RGB weighting"), "RGB-Gewichtung", "Pondération RVB", "RGB-weging", "Ponderación RGB", ""}},
    {72, {QT_TRANSLATE_NOOP("PGraphic", "Std. deviation"), "Standardabw.", "Écart type", "Std. afwijking", "Desv. estándar", ""}},
    {73, {QT_TRANSLATE_NOOP("PGraphic", "Strength"), "Stärke", "Intensité", "Sterkte", "Intensidad", ""}},
    {74, {QT_TRANSLATE_NOOP("PGraphic", "Sharpen"), "Schärfen", "Netteté", "Verscherpen", "Enfocar", ""}},
    {75, {QT_TRANSLATE_NOOP("PGraphic", "Detail"), "Detail", "Détail", "Detail", "Detalle", ""}},
    {76, {QT_TRANSLATE_NOOP("PGraphic", "Smooth"), "Glätten", "Lissage", "Verzachten", "Suavizar", ""}},
    {77, {QT_TRANSLATE_NOOP("PGraphic", "Radius"), "Radius", "Rayon", "Straal", "Radio", ""}},
    {78, {QT_TRANSLATE_NOOP("PGraphic", "Blur"), "Weichzeichnen", "Flou", "Vervagen", "Desenfocar", ""}},
    {79, {QT_TRANSLATE_NOOP("PGraphic", "Contour"), "Kontur", "Contour", "Contour", "Contorno", ""}},
    {80, {QT_TRANSLATE_NOOP("PGraphic", "White"), "Weiß", "Blanc", "Wit", "Blanco", ""}},
    {81, {QT_TRANSLATE_NOOP("PGraphic", "Black"), "Schwarz", "Noir", "Zwart", "Negro", ""}},
    {82, {QT_TRANSLATE_NOOP("PGraphic", "±"), "±", "±", "±", "±", ""}},
    {83, {QT_TRANSLATE_NOOP("PGraphic", "°"), "°", "°", "°", "°", ""}},
    {84, {"", "", "", "", "", ""}},
};
// clang-format on

} // namespace

const TPGLangStrEntry *PGLangStrEntries() { return Entries; }

void PGCheckLangStrEntries(const TPGLangStrEntry *entries, int count)
{
    for (int i = 0; i < count; ++i)
        if (entries[i].No != i)
            throw EPixelGraphic(QStringLiteral("PGLangStrEntries order wrong %1 and %2 are not identical")
                                    .arg(i)
                                    .arg(entries[i].No));
}

QString PGLangStrIn(int language, int no, const QString &s1, const QString &s2, const QString &s3)
{
    if (no < 0 || no >= PGLangStrCount || language < 0 || language >= PGLanguageCount)
        return QString();
    // English is also the source of the program's own translations; the
    // other columns are the table's languages, picked by number.
    const QString text = language == 0 ? QCoreApplication::translate("PGraphic", Entries[no].Text[0])
                                       : QString::fromUtf8(Entries[no].Text[language]);
    // Each placeholder is replaced once, at its first place in the table's
    // text, so an argument that itself contains "%S2" stays as it is.
    struct Hole {
        qsizetype pos;
        const QString *arg;
    };
    Hole holes[3];
    int n = 0;
    const QString *args[3] = {&s1, &s2, &s3};
    for (int i = 0; i < 3; ++i) {
        const qsizetype pos = text.indexOf(QStringLiteral("%S") + QChar('1' + i));
        if (pos >= 0)
            holes[n++] = {pos, args[i]};
    }
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && holes[j].pos < holes[j - 1].pos; --j)
            std::swap(holes[j], holes[j - 1]);
    QString result;
    qsizetype from = 0;
    for (int i = 0; i < n; ++i) {
        result += text.mid(from, holes[i].pos - from);
        result += *holes[i].arg;
        from = holes[i].pos + 3;
    }
    result += text.mid(from);
    return result;
}

QString PGLangStr(int no, const QString &s1, const QString &s2, const QString &s3)
{
    return PGLangStrIn(PGLanguage, no, s1, s2, s3);
}
