#include "controls.h"

namespace tutor {

QString nameString(Ctl c)
{
    const std::string_view n = nameOf(c);
    return QString::fromLatin1(n.data(), qsizetype(n.size()));
}

std::optional<Ctl> controlNamed(QStringView name)
{
    for (int i = 0; i < kControlCount; ++i) {
        const std::string_view n = kControlNames[static_cast<std::size_t>(i)];
        if (name == QLatin1StringView(n.data(), qsizetype(n.size())))
            return static_cast<Ctl>(i);
    }
    return std::nullopt;
}

} // namespace tutor
