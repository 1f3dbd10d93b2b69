#include "platform/Fonts.h"

#include <QFont>

#include <fontconfig/fontconfig.h>

void installFontSubstitutions()
{
    // A rounded display face for the machine's own lettering.
    QFont::insertSubstitution(QStringLiteral("Tubular"), QStringLiteral("Eurofurence"));
    // Condensed, so the bold captions fit their laid-out widths ("BANK ACCOUNT" in 137 pixels).
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

// fontconfig guards its configuration for use from several threads; FcInit returns at once
// once it is loaded, as it is when Qt calls it.
void loadFontConfiguration()
{
    FcInit();
}
