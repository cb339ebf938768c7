#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace tutor {

// Characters every control's font must be able to draw: the method's name and the
// captions of the practice row and the toggle button.
inline constexpr QStringView kTraditionalProbe = u"速成學習複製重設";

// The layout names its font "新細明體" throughout. Where that font is not installed
// it resolves to PMingLiU, then to AR PL UMing TW; where none of them draws
// Traditional Chinese, to the first installed family that does (chooseChineseFamily),
// so that no caption shows empty boxes. Returns the family that "新細明體" now draws
// with, or an empty string if no installed font draws Traditional Chinese.
QString registerFontSubstitutes();

// The same for any family name: makes `family` draw Traditional Chinese if some
// installed font can. Returns the family it resolves to, or an empty string.
QString ensureTraditionalChinese(const QString &family);

// Whether the font that `family` resolves to has a glyph of its own for every
// character of `text`. Qt's per-glyph fallback to other fonts is left out, since
// that is what may draw simplified forms or nothing at all.
bool familyDraws(const QString &family, QStringView text);

// The family to draw Traditional Chinese with when `wanted` may not do: `wanted`
// itself if it draws; otherwise the first that draws of the Traditional Ming and
// then other Traditional families known by name that are installed, then of
// `listedTraditional` (the families the font database lists for Traditional
// Chinese), then of `installed`. Empty if none draws.
QString chooseChineseFamily(const QString &wanted, const QStringList &installed, const QStringList &listedTraditional,
                            const std::function<bool(const QString &)> &draws);

} // namespace tutor
