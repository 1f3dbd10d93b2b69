#include "platform/Fonts.h"

#include <QFont>

void installFontSubstitutions()
{
    // A rounded display face for the machine's own lettering.
    QFont::insertSubstitution(QStringLiteral("Tubular"), QStringLiteral("Eurofurence"));
    // Condensed, so the bold captions fit their laid-out widths ("BANK ACCOUNT" in 137 pixels).
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}
