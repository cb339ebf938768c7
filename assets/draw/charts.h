#pragma once

#include <QChar>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tutor::assets {

// A yellow mark drawn around a code radical.
enum class RadicalMark { None, Ring, Square };

struct ChartEntry
{
    QString character;
    bool secondForm = false;
    // Conversion charts: the code letters, each with its mark, and the strokes of
    // the parts its first and last letters stand for.
    QString code;
    std::vector<RadicalMark> marks;
    std::vector<int> first;
    std::vector<int> last;
    // Letter-shape charts: the strokes of the Tamlo letter's part, and its colour.
    std::vector<int> part;
    bool blue = false;
    bool recorded = false; // whether its parts are in the data yet
    int line = 0;          // where it stands in its file
};

using ChartRow = std::vector<ChartEntry>;

struct ChartLetter
{
    QString id; // "A-1"
    std::vector<ChartRow> rows;
    bool figure = false; // the chart's extra figure follows this letter's rows
};

struct ChartCard
{
    std::vector<int> framed; // letter numbers of the shape tiles framed in red
    bool allFramed = false;
    bool digits = false;
    std::vector<ChartLetter> letters;
};

struct Chart
{
    QString name; // "Show_A" or "SA"
    QChar key;
    bool conversion = false;
    std::vector<ChartCard> cards;
};

// Every chart of every key, read from the folder of chart data files (A.txt ... Z.txt).
class ChartBook
{
public:
    static std::optional<ChartBook> load(const QString &folder, QString *error);
    static std::optional<ChartBook> parse(const QString &text, const QString &fileName, QString *error,
                                          ChartBook book = {});

    const Chart *chart(const QString &name) const;
    const std::map<QString, Chart> &charts() const { return m_charts; }

private:
    std::map<QString, Chart> m_charts;
};

// The radical that a Quick code letter stands for ('A' ... 'Y'; 'X' is 難).
QChar quickRadical(QChar letter);

} // namespace tutor::assets
