#include "fonts.h"

namespace tutor::assets {

namespace {

QFont sized(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    // Drawn pixels must not depend on the machine's font settings.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

QFont DrawingFonts::mingFont(int pixels) const
{
    return sized(ming, pixels);
}

QFont DrawingFonts::crispMingFont(int pixels) const
{
    QFont font = sized(ming, pixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoAntialias));
    return font;
}

QFont DrawingFonts::sansFont(int pixels, bool bold) const
{
    return sized(bold ? sansBold : sans, pixels);
}

} // namespace tutor::assets
