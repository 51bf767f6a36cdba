#include "files/ComputationFile.h"

#include "app/NumberText.h"
#include "app/TextFile.h"
#include "calc/RowEditing.h"
#include "calc/TimeSlot.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cmath>
#include <memory>

namespace ComputationFile {

namespace {

// Line breaks inside a text would split one entry into two lines and shift every later meal.
QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void emptyRow(MealRow &row)
{
    row = MealRow{};
    row.code.assign(QStringLiteral("0"));
}

// Text files hold printable characters and tabs; control characters mean a binary file.
bool isTextLine(const QString &line)
{
    for (QChar c : line)
        if (c.unicode() < 32 && c != u'\t')
            return false;
    return true;
}

Status damaged(const QString &why)
{
    return Status::failure(openFailed() + u'\n' + why);
}

// The parts of an amounts line, as views into the line: reading a row makes no new strings.
struct Amounts {
    QStringView grams;
    QStringView portion;
    QStringView unit;
    QStringView time;
    int slot = 96;
};

Amounts parseAmounts(QStringView a)
{
    Amounts r;
    const qsizetype slash = a.indexOf(u'/');
    if (slash < 0) {
        r.grams = a;
        return r;
    }
    r.grams = a.left(slash);
    const qsizetype at = a.indexOf(u'@');
    r.portion = at > slash ? a.mid(slash + 1, at - slash - 1) : a.mid(slash + 1);
    if (at < 0)
        return r;
    const qsizetype amp = a.indexOf(u'&');
    if (amp > at) {
        r.unit = a.mid(at + 1, amp - at - 1);
        r.time = a.mid(amp + 1).left(5);
        r.slot = TimeToSlot(r.time);
    } else {
        r.unit = a.mid(at + 1);
    }
    return r;
}

// A register food as a row, before the amounts of one entry are put in.
struct RegisterRow {
    bool national = false;
    MealRow row;
};

RegisterRow registerRow(const QString &code, const FoundFood &found)
{
    const FoodRecord &f = found.record;
    RegisterRow r;
    r.national = found.source == FoodRegister::Brasol100 || found.source == FoodRegister::Brasol2005;
    MealRow &row = r.row;
    emptyRow(row);
    row.code.assign(code);
    row.name.assign(f.name);
    row.unitText.assign(f.unit);
    row.portionGrams = f.portionGrams;
    row.kgPrice = f.kgPrice;
    row.wastePercent = f.wastePercent;
    row.extraText.assign(f.extraText);
    if (r.national)
        RowEditing::CopyAlternativeUnits(row, f);
    row.nutrients = f.nutrients;
    return r;
}

void fillFromRegister(MealRow &row, const Amounts &a, const RegisterRow &food)
{
    row = food.row;
    // The saved unit and portion belong to the national tables' own unit choice; other
    // registers define their units themselves.
    if (food.national && !a.unit.isEmpty())
        row.unitText.assign(a.unit);
    if (food.national && !a.portion.isEmpty())
        row.portionGrams = TextToNumber(a.portion);
    row.grams = TextToNumber(a.grams);
    row.timeText.assign(a.time);
    row.timeSlot = a.slot;
}

// A Computation names the same foods again and again: each code is looked up in the registers
// and made into a row once per file.
class CachedLookup {
public:
    explicit CachedLookup(FoodLookup &lookup)
        : foods(lookup)
    {
    }
    QString translated(const QString &code)
    {
        auto it = articles.find(code);
        if (it == articles.end())
            it = articles.insert(code, foods.CodeForArticleNumber(code));
        return it->isEmpty() ? code : *it;
    }
    const RegisterRow *find(const QString &code)
    {
        auto it = rows.find(code);
        if (it == rows.end()) {
            std::shared_ptr<RegisterRow> row;
            if (auto found = foods.FindFood(code, LookupChain::OpenComputation))
                row = std::make_shared<RegisterRow>(registerRow(code, *found));
            it = rows.insert(code, row);
        }
        return it->get();
    }

private:
    FoodLookup &foods;
    QHash<QString, QString> articles;
    QHash<QString, std::shared_ptr<RegisterRow>> rows;
};

void readFoodEntry(MealRow &row, const QString &line, const QString &amountsLine, CachedLookup &foods)
{
    emptyRow(row);
    const QString code = foods.translated(line);
    const Amounts a = parseAmounts(amountsLine);
    if (code == u"0")
        return;
    if (code.contains(u':')) {
        row.code.assign(code);
        row.name.assign(code);
        row.unitText.assign(a.unit);
        row.portionGrams = TextToNumber(a.portion);
        row.grams = TextToNumber(a.grams);
        row.timeText.assign(a.time);
        row.timeSlot = a.slot;
        return;
    }
    if (const RegisterRow *food = foods.find(code))
        fillFromRegister(row, a, *food);
}

} // namespace

QString CodeLine(const MealRow &row)
{
    // A line beginning with "*" closes a meal, so a free text typed with a leading "*" is written
    // after a blank; the reader takes the blank away again.
    const QString code = oneLine(row.code.toString());
    return code.startsWith(u'*') ? u' ' + code : code;
}

QString CodeOfLine(const QString &line)
{
    return line.startsWith(QStringLiteral(" *")) ? line.mid(1) : line;
}

QString AmountsLine(const MealRow &row)
{
    QString line = QString::number(double(row.grams), 'f', 1) + u'/' +
                   QString::number(std::llround(double(row.portionGrams))) + u'@' +
                   oneLine(row.unitText.toString());
    if (!row.timeText.isEmpty())
        line += u'&' + oneLine(row.timeText.toString());
    return line;
}

QStringList Lines(const Computation &computation, bool wholeDayMode, const DiabetesEntries &diabetes,
                  const QString &dateText)
{
    QStringList lines;
    lines.reserve(HeaderLines + Terminators + 64);
    lines << QStringLiteral("199") << oneLine(dateText)
          << (wholeDayMode ? QStringLiteral("heldagsberakning") : QStringLiteral("flera maltider"));
    for (int i = 0; i < 9; ++i)
        lines << QStringLiteral("reserv");
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m) {
            const MealRows &rows = computation.Rows[d][m];
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                if (rows[r].isEmpty())
                    continue;
                lines << CodeLine(rows[r]) << AmountsLine(rows[r]);
            }
            lines << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    lines << WriteDiabetesLines(diabetes);
    return lines;
}

Status Write(const QString &path, const Computation &computation, bool wholeDayMode,
             const DiabetesEntries &diabetes, const QString &dateText)
{
    if (Status s = TextFile::writeLines(path, Lines(computation, wholeDayMode, diabetes, dateText)); !s)
        return Status::failure(saveFailed() + u'\n' + s.message);
    return Status::success();
}

TextFile::Limits FileLimits()
{
    return {MaxFileBytes, MaxLines, MaxLineLength};
}

Status ReadLines(const QString &path, QStringList &lines)
{
    lines.clear();
    const QFileInfo info(path);
    if (!info.isFile())
        return damaged(QStringLiteral("Filen %1 finns inte").arg(path));
    if (info.size() > MaxFileBytes)
        return damaged(QStringLiteral("Filen %1 är för stor för en beräkning").arg(path));
    if (Status s = TextFile::readLines(path, FileLimits(), lines); !s)
        return damaged(s.message);
    return Status::success();
}

bool IsOldLayout(const QStringList &lines, bool &ok)
{
    ok = false;
    if (lines.isEmpty())
        return false;
    const int first = lines.first().trimmed().toInt(&ok);
    return ok && first == 0;
}

Status ReadComputationBody(const QStringList &lines, Target t, QString &dateText)
{
    const qsizetype n = lines.size();
    if (n > 1)
        dateText = lines[1].left(100);
    if (n > 2) {
        t.settings.WholeDayMode = lines[2] == u"heldagsberakning";
    }
    if (n < HeaderLines)
        return damaged(QStringLiteral("Filen slutar inne i huvudet (%1 rader).").arg(n));

    int day = 0;
    int meal = 0;
    int row = 0;
    int terminators = 0;
    DiabetesReadPosition position;
    CachedLookup foods(t.foods);
    for (qsizetype i = HeaderLines; i < n; ++i) {
        const QString &line = lines[i];
        if (line.size() > MaxLineLength || !isTextLine(line))
            return damaged(QStringLiteral("Rad %1 är ingen rad i en beräkning.").arg(i + 1));
        if (line.startsWith(u'*')) {
            if (ReadDiabetesLine(line, t.diabetes, position))
                continue;
            row = 0;
            ++terminators;
            if (++meal == ComputationSize::Meals) {
                meal = 0;
                ++day;
            }
            continue;
        }
        ++row;
        if (day >= ComputationSize::Days)
            return damaged(QStringLiteral("Rad %1: livsmedel efter dag 21.").arg(i + 1));
        if (row > ComputationSize::RowsPerMeal)
            return damaged(QStringLiteral("Rad %1: mer än 199 livsmedel i dag %2, måltid %3.")
                               .arg(i + 1)
                               .arg(day + 1)
                               .arg(meal + 1));
        if (i + 1 >= n)
            return damaged(QStringLiteral("Filen slutar efter koden på rad %1.").arg(i + 1));
        const QString &amounts = lines[++i];
        if (amounts.size() > MaxLineLength || !isTextLine(amounts))
            return damaged(QStringLiteral("Rad %1 är ingen rad i en beräkning.").arg(i + 1));
        readFoodEntry(t.computation.Rows[day][meal][row], CodeOfLine(line), amounts, foods);
    }
    if (terminators < Terminators)
        return damaged(QStringLiteral("Filen slutar i dag %1, måltid %2.").arg(day + 1).arg(meal + 1));
    return Status::success();
}

Status ReadOldLayout(const QStringList &lines, Target t, QStringList &missing)
{
    qsizetype i = 0;
    const qsizetype n = lines.size();
    for (int d = 0; d < ComputationSize::Days; ++d)
        for (int m = 0; m < ComputationSize::Meals; ++m)
            for (int r = 1; r <= OldLayoutRows; ++r) {
                if (i + 1 >= n)
                    return damaged(QStringLiteral("Filen slutar i dag %1, måltid %2.").arg(d + 1).arg(m + 1));
                const QString code = lines[i];
                const QString grams = lines[i + 1];
                i += 2;
                if (code.size() > MaxLineLength || grams.size() > MaxLineLength || !isTextLine(code) ||
                    !isTextLine(grams))
                    return damaged(QStringLiteral("Rad %1 är ingen rad i en beräkning.").arg(i - 1));
                MealRow &row = t.computation.Rows[d][m][r];
                emptyRow(row);
                if (code == u"0")
                    continue;
                auto found = t.foods.FindFood(code, LookupChain::OpenOldComputation);
                if (!found) {
                    missing.append(QStringLiteral("dag=%1 maltid=%2 rad=%3 Livsmedel med nr %4 finns ej.")
                                       .arg(d + 1)
                                       .arg(m + 1)
                                       .arg(r)
                                       .arg(code));
                    continue;
                }
                const FoodRecord &f = found->record;
                row.code.assign(code);
                row.name.assign(f.name);
                row.unitText.assign(f.unit);
                row.portionGrams = f.portionGrams;
                row.grams = TextToNumber(grams);
                row.kgPrice = f.kgPrice;
                row.nutrients = f.nutrients;
                for (float &v : row.nutrients)
                    if (v < 0)
                        v = 0; // this layout counted an empty field as nothing
            }
    return Status::success();
}

QString CompanionPath(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty() || info.fileName() == u'.' + suffix)
        return path + extension;
    return path.left(path.size() - suffix.size() - 1) + extension;
}

} // namespace ComputationFile
