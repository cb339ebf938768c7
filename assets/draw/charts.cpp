#include "charts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace tutor::assets {

namespace {

// Stroke lists: "0-3", "0+5-7", "2"; "-" for none, where one stroke carries both
// code letters.
bool readStrokes(const QString &text, std::vector<int> &out)
{
    if (text == u"-")
        return true;
    for (const QString &part : text.split(u'+')) {
        const QStringList ends = part.split(u'-');
        bool ok1 = false, ok2 = true;
        const int from = ends.value(0).toInt(&ok1);
        const int to = ends.size() == 2 ? ends[1].toInt(&ok2) : from;
        if (!ok1 || !ok2 || ends.size() > 2 || from < 0 || to < from || to > 200)
            return false;
        for (int i = from; i <= to; ++i)
            out.push_back(i);
    }
    return true;
}

} // namespace

QChar quickRadical(QChar letter)
{
    // The radicals of the Quick keyboard, A to Y.
    static const QString radicals = QStringLiteral("日月金木水火土竹戈十大中一弓人心手口尸廿山女田難卜");
    const int i = letter.unicode() - u'A';
    return i >= 0 && i < radicals.size() ? radicals[i] : QChar();
}

std::optional<ChartBook> ChartBook::load(const QString &folder, QString *error)
{
    ChartBook book;
    for (char key = 'A'; key <= 'Z'; ++key) {
        const QString path = QDir(folder).filePath(QString(QLatin1Char(key)) + u".txt");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *error = path + u": cannot be read";
            return std::nullopt;
        }
        auto next = parse(QString::fromUtf8(file.readAll()), path, error, std::move(book));
        if (!next)
            return std::nullopt;
        book = std::move(*next);
    }
    return book;
}

std::optional<ChartBook> ChartBook::parse(const QString &text, const QString &fileName, QString *error, ChartBook book)
{
    static const QRegularExpression chartName(QStringLiteral("^(?:Show_([A-Z])|S([A-Z]))$"));
    static const QRegularExpression letterId(QStringLiteral("^([A-Z])-([1-9])$"));
    static const QRegularExpression code(QStringLiteral("^([A-Y][°▫]?)([A-Y][°▫]?)?$"));
    static const QRegularExpression character(QStringLiteral("^(\\S)(:2)?$"));

    Chart *chart = nullptr;
    const QStringList lines = text.split(u'\n');
    const auto fail = [&](qsizetype line, const QString &what) {
        *error = fileName + u':' + QString::number(line + 1) + u": " + what;
        return std::nullopt;
    };

    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        const QString &verb = words.first();

        if (verb == u"chart") {
            const auto m = words.size() == 2 ? chartName.match(words[1]) : QRegularExpressionMatch();
            if (!m.hasMatch())
                return fail(n, QStringLiteral("\"chart\" needs a chart name such as Show_A or SA"));
            if (book.m_charts.count(words[1]))
                return fail(n, QStringLiteral("%1 is given twice").arg(words[1]));
            chart = &book.m_charts[words[1]];
            chart->name = words[1];
            chart->conversion = !m.captured(1).isEmpty();
            chart->key = (chart->conversion ? m.captured(1) : m.captured(2)).at(0);
            if (!chart->conversion)
                chart->cards.emplace_back();
            continue;
        }
        if (!chart)
            return fail(n, QStringLiteral("\"%1\" before the first chart").arg(verb));

        if (verb == u"card") {
            if (!chart->conversion || words.size() != 2 || (words[1] != u"left" && words[1] != u"right")
                || (words[1] == u"left") != chart->cards.empty())
                return fail(n, QStringLiteral("a conversion chart has a left card, then a right card"));
            chart->cards.emplace_back();
            continue;
        }
        if (chart->cards.empty())
            return fail(n, QStringLiteral("\"%1\" before the first card").arg(verb));
        ChartCard &card = chart->cards.back();

        if (verb == u"framed") {
            for (qsizetype i = 1; i < words.size(); ++i) {
                bool ok = false;
                const int k = words[i].toInt(&ok);
                if (words[i] == u"all")
                    card.allFramed = true;
                else if (ok && k >= 1 && k <= 4)
                    card.framed.push_back(k);
                else
                    return fail(n, QStringLiteral("\"%1\" is not a shape tile number").arg(words[i]));
            }
        } else if (verb == u"digits") {
            card.digits = true;
        } else if (verb == u"figure") {
            if (chart->conversion || card.letters.empty() || words.size() != 2 || words[1] != QString(chart->key))
                return fail(n, QStringLiteral("a figure follows a letter of a letter-shape chart and names its key"));
            card.letters.back().figure = true;
        } else if (verb == u"letter") {
            const auto m = words.size() == 2 ? letterId.match(words[1]) : QRegularExpressionMatch();
            if (!m.hasMatch() || m.captured(1).at(0) != chart->key)
                return fail(n, QStringLiteral("\"letter\" needs one of the key's letters, such as %1-1").arg(chart->key));
            card.letters.push_back({words[1], {}, false});
        } else if (verb == u"row") {
            if (card.letters.empty())
                return fail(n, QStringLiteral("a row before the card's first letter"));
            card.letters.back().rows.emplace_back();
        } else {
            // An entry.
            if (card.letters.empty() || card.letters.back().rows.empty())
                return fail(n, QStringLiteral("an entry before its row"));
            ChartEntry entry;
            entry.line = int(n + 1);
            const auto c = character.match(words[0]);
            if (!c.hasMatch())
                return fail(n, QStringLiteral("\"%1\" is not one character").arg(words[0]));
            entry.character = c.captured(1);
            entry.secondForm = c.hasCaptured(2);
            const QString rest = line.mid(words[0].size()).trimmed();
            const QString head = rest.section(u'=', 0, 0).trimmed();
            const QString parts = rest.section(u'=', 1).trimmed();
            entry.recorded = rest.contains(u'=');
            if (chart->conversion) {
                const auto m = code.match(head);
                if (!m.hasMatch())
                    return fail(n, QStringLiteral("\"%1\" is not a code of one or two letters A to Y").arg(head));
                for (int i = 1; i <= 2; ++i) {
                    const QString letter = m.captured(i);
                    if (letter.isEmpty())
                        continue;
                    entry.code += letter.at(0);
                    entry.marks.push_back(letter.size() < 2 ? RadicalMark::None
                                          : letter.at(1) == u'°' ? RadicalMark::Ring
                                                                 : RadicalMark::Square);
                }
                if (entry.recorded) {
                    const QStringList groups = parts.split(u'/');
                    if (groups.size() != entry.code.size())
                        return fail(n, QStringLiteral("%1 has %2 code letters but %3 stroke groups")
                                           .arg(entry.character)
                                           .arg(entry.code.size())
                                           .arg(groups.size()));
                    if (!readStrokes(groups[0].trimmed(), entry.first)
                        || (groups.size() == 2 && !readStrokes(groups[1].trimmed(), entry.last)))
                        return fail(n, QStringLiteral("stroke numbers such as 0-3 or 0+5-7 expected"));
                }
            } else {
                if (!head.isEmpty())
                    return fail(n, QStringLiteral("a letter-shape entry has no code"));
                if (entry.recorded) {
                    const QString colour = parts.section(u' ', 0, 0);
                    if ((colour != u"red" && colour != u"blue")
                        || !readStrokes(parts.section(u' ', 1).trimmed(), entry.part))
                        return fail(n, QStringLiteral("\"= red STROKES\" or \"= blue STROKES\" expected"));
                    entry.blue = colour == u"blue";
                }
            }
            card.letters.back().rows.back().push_back(std::move(entry));
        }
    }
    return book;
}

const Chart *ChartBook::chart(const QString &name) const
{
    const auto it = m_charts.find(name);
    return it == m_charts.end() ? nullptr : &it->second;
}

} // namespace tutor::assets
