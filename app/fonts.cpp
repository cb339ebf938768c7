#include "fonts.h"

#include "layout.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLoggingCategory>

namespace tutor {

namespace {

Q_LOGGING_CATEGORY(lcFonts, "tutor.fonts")

// The layout's font first under its other names, then other Ming faces with the
// Traditional forms, then Traditional sans faces: the closer to the layout's look,
// the earlier.
const QStringList &knownTraditionalFamilies()
{
    static const QStringList families{
        QStringLiteral("PMingLiU"),
        QStringLiteral("MingLiU"),
        QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL UMing HK"),
        QStringLiteral("Noto Serif CJK TC"),
        QStringLiteral("Noto Serif TC"),
        QStringLiteral("Source Han Serif TC"),
        QStringLiteral("AR PL UKai TW"),
        QStringLiteral("Noto Sans CJK TC"),
        QStringLiteral("Noto Sans TC"),
        QStringLiteral("Source Han Sans TC"),
        QStringLiteral("WenQuanYi Zen Hei"),
    };
    return families;
}

QString resolvedFamily(const QString &family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    return QFontInfo(font).family();
}

} // namespace

bool familyDraws(const QString &family, QStringView text)
{
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetrics metrics(font);
    for (const char32_t ch : text.toUcs4())
        if (!metrics.inFontUcs4(ch))
            return false;
    return true;
}

QString chooseChineseFamily(const QString &wanted, const QStringList &installed, const QStringList &listedTraditional,
                            const std::function<bool(const QString &)> &draws)
{
    if (draws(wanted))
        return wanted;
    QStringList candidates;
    for (const QString &family : knownTraditionalFamilies())
        if (installed.contains(family, Qt::CaseInsensitive))
            candidates.append(family);
    candidates += listedTraditional;
    candidates += installed;
    for (const QString &family : candidates)
        if (family != wanted && draws(family))
            return family;
    return {};
}

QString ensureTraditionalChinese(const QString &family)
{
    const auto draws = [](const QString &f) { return familyDraws(f, kTraditionalProbe); };
    // The usual case, decided without listing every installed family.
    if (draws(family))
        return resolvedFamily(family);
    const QString chosen = chooseChineseFamily(family, QFontDatabase::families(),
                                               QFontDatabase::families(QFontDatabase::TraditionalChinese), draws);
    if (chosen.isEmpty()) {
        qCWarning(lcFonts, "No installed font draws Traditional Chinese; captions will show empty boxes. "
                           "Install the Debian package fonts-arphic-uming.");
        return {};
    }
    if (chosen != family) {
        // In front of the usual substitutes, which are missing or cannot draw these characters.
        const QStringList usual = QFont::substitutes(family);
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, QStringList{chosen} + usual);
        qCInfo(lcFonts, "\"%s\" cannot draw Traditional Chinese here; using \"%s\" instead", qUtf8Printable(family),
               qUtf8Printable(chosen));
    }
    return resolvedFamily(family);
}

QString registerFontSubstitutes()
{
    const QString family = toQString(kFontFamily);
    QFont::insertSubstitutions(family, {QStringLiteral("PMingLiU"), QStringLiteral("AR PL UMing TW")});
    return ensureTraditionalChinese(family);
}

} // namespace tutor
