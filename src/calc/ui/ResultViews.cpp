#include "calc/ui/ResultViews.h"

#include "app/NumberText.h"
#include "app/ProgramState.h"
#include "app/ui/StringGrid.h"
#include "calc/Recalculate.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>

namespace {

// Rows of the selected nutrients in catalogue order.
template <typename Fn> int forSelected(const ProgramState &state, Fn fn)
{
    int line = 1;
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n) {
        if (!state.selection.Selected[n])
            continue;
        fn(line, n);
        ++line;
    }
    return line;
}

void clearFrom(StringGrid *grid, int line)
{
    for (int r = line; r < grid->RowCount(); ++r)
        for (int c = 0; c < grid->ColCount(); ++c)
            grid->SetCells(c, r, QString());
}

// Numbers right-aligned, so that decimals line up.
void setNumber(StringGrid *grid, int column, int row, const QString &text)
{
    grid->SetCells(column, row, text);
    if (QTableWidgetItem *it = grid->item(StringGrid::tableRow(row), column))
        it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// The meal-grid row selected in the main window, or nothing when it holds no food.
const MealRow *selectedMealRow(const Computation &comp, int row)
{
    const bool valid = row >= 1 && row <= ComputationSize::RowsPerMeal && !comp.currentMeal()[row].isEmpty();
    return valid ? &comp.currentMeal()[row] : nullptr;
}

// The selected row's amount of nutrient index j divided by `divisor`; "-" when unknown.
QString rowAmountText(const MealRow *row, int j, int decimals, double divisor = 1.0)
{
    if (!row)
        return {};
    return row->nutrients[j] < 0 ? QStringLiteral("-")
                                 : ViewNumber(row->nutrients[j] * row->grams / 100.0 / divisor, decimals);
}

StringGrid *makeGrid(QWidget *parent, int columns)
{
    auto *grid = new StringGrid(columns, Nutrient::Count + 1, parent);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setColumnWidth(0, 130);
    return grid;
}

} // namespace

QString ViewNumber(double value, int decimals, int width)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("%1").arg(locale.toString(value, 'f', decimals), width);
}

TFormsiffror::TFormsiffror(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormsiffror"));
    setWindowTitle(QStringLiteral("Näringen i siffror"));
    auto *layout = new QVBoxLayout(this);
    StringGrid1 = makeGrid(this, 6);
    layout->addWidget(StringGrid1);
    resize(720, 520);
}

void TFormsiffror::fill(const ProgramState &state, const ResultViewContext &context)
{
    const Computation &comp = *state.computation;
    const CalculationResults &res = *state.results;
    const MealRow *row = selectedMealRow(comp, context.selectedRow);
    StringGrid1->SetCells(1, 0,
                          row ? row->name.toString() + QStringLiteral("  ") + context.gramsText +
                                    QStringLiteral(" gram")
                              : QString());
    StringGrid1->SetCells(2, 0, state.app.CurrentMealTitle);
    StringGrid1->SetCells(3, 0, context.dayText);
    StringGrid1->SetCells(4, 0, QStringLiteral("RDI"));
    StringGrid1->SetCells(5, 0, QStringLiteral("% av RDI"));
    const int d = comp.CurrentDay, m = comp.CurrentMeal;
    const int end = forSelected(state, [&](int line, int n) {
        const int j = Nutrient::index(n);
        const int dec = state.catalogue.Decimals[n];
        StringGrid1->SetCells(0, line, state.catalogue.DisplayName[n]);
        setNumber(StringGrid1, 1, line, rowAmountText(row, j, dec));
        setNumber(StringGrid1, 2, line, ViewNumber(res.MealSums[d][m][j], dec, 6));
        setNumber(StringGrid1, 3, line, ViewNumber(res.DaySums[d][j], dec, 6));
        const float norm = state.norm.values[j];
        setNumber(StringGrid1, 4, line, norm < 0.000001f ? QStringLiteral("-") : ViewNumber(norm, dec));
        StringGrid1->SetCells(
            5, line,
            (norm < 0.000001f ? QStringLiteral("-") : ViewNumber(res.DaySums[d][j] * 100.0 / norm, 0)) +
                QStringLiteral("%"));
    });
    clearFrom(StringGrid1, end);
}

TFormNvPerKg::TFormNvPerKg(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormNvPerKg"));
    setWindowTitle(QStringLiteral("Per kg kroppsvikt"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    Editkg = new QLineEdit(QStringLiteral("10"), this);
    Editkg->setObjectName(QStringLiteral("Editkg"));
    form->addRow(QStringLiteral("Kroppsvikt kg"), Editkg);
    layout->addLayout(form);
    StringGrid1 = makeGrid(this, 5);
    layout->addWidget(StringGrid1);
    resize(640, 520);
}

void TFormNvPerKg::fill(const ProgramState &state, const ResultViewContext &context)
{
    const float kg = TextToNumber(Editkg->text());
    if (kg <= 0.1f)
        return;
    const Computation &comp = *state.computation;
    const CalculationResults &res = *state.results;
    const MealRow *row = selectedMealRow(comp, context.selectedRow);
    StringGrid1->SetCells(1, 0, row ? row->name.toString() : QString());
    StringGrid1->SetCells(2, 0, state.app.CurrentMealTitle);
    StringGrid1->SetCells(3, 0, context.dayText);
    StringGrid1->SetCells(4, 0, QStringLiteral("Alla dagar"));
    const int d = comp.CurrentDay, m = comp.CurrentMeal;
    const int end = forSelected(state, [&](int line, int n) {
        const int j = Nutrient::index(n);
        const int dec = state.catalogue.Decimals[n];
        StringGrid1->SetCells(0, line, state.catalogue.DisplayName[n]);
        setNumber(StringGrid1, 1, line, rowAmountText(row, j, dec, kg));
        setNumber(StringGrid1, 2, line, ViewNumber(res.MealSums[d][m][j] / kg, dec));
        setNumber(StringGrid1, 3, line, ViewNumber(res.DaySums[d][j] / kg, dec));
        setNumber(StringGrid1, 4, line, ViewNumber(res.PeriodAverage[j] / kg, dec, 6));
    });
    clearFrom(StringGrid1, end);
}

TFormNvPer100g::TFormNvPer100g(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormNvPer100g"));
    setWindowTitle(QStringLiteral("Måltidens näring per 100 gram"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    EditGram = new QLineEdit(this);
    EditGram->setObjectName(QStringLiteral("EditGram"));
    EditGram->setReadOnly(true);
    EditKorrigeradVikt = new QLineEdit(this);
    EditKorrigeradVikt->setObjectName(QStringLiteral("EditKorrigeradVikt"));
    form->addRow(QStringLiteral("Måltidens vikt, gram"), EditGram);
    form->addRow(QStringLiteral("Korrigerad vikt, gram"), EditKorrigeradVikt);
    layout->addLayout(form);
    StringGrid1 = makeGrid(this, 2);
    StringGrid1->SetCells(0, 0, QStringLiteral("Näringsämne"));
    StringGrid1->SetCells(1, 0, QStringLiteral("Per 100 g"));
    layout->addWidget(StringGrid1);
    resize(320, 520);
}

void TFormNvPer100g::fill(const ProgramState &state)
{
    const Computation &comp = *state.computation;
    const CalculationResults &res = *state.results;
    float total = 0;
    for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r)
        if (!comp.currentMeal()[r].isEmpty())
            total += comp.currentMeal()[r].grams;
    EditGram->setText(QString::number(double(total), 'f', 0));
    const float weight = EditKorrigeradVikt->text().isEmpty() ? TextToNumber(EditGram->text())
                                                              : TextToNumber(EditKorrigeradVikt->text());
    const int d = comp.CurrentDay, m = comp.CurrentMeal;
    const int end = forSelected(state, [&](int line, int n) {
        StringGrid1->SetCells(0, line, state.catalogue.DisplayName[n]);
        setNumber(StringGrid1, 1, line,
                  weight <= 0.1f ? QString()
                                 : ViewNumber(res.MealSums[d][m][Nutrient::index(n)] * 100.0 / weight,
                                              state.catalogue.Decimals[n], 6));
    });
    clearFrom(StringGrid1, end);
}

TFormEnergiCirkel::TFormEnergiCirkel(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormEnergiCirkel"));
    setWindowTitle(QStringLiteral("Livsmedelscirkel"));
    auto *layout = new QVBoxLayout(this);
    Chart1 = new QChartView(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    PieSeries1 = new QPieSeries;
    auto *chart = new QChart;
    chart->addSeries(PieSeries1);
    chart->legend()->hide();
    Chart1->setChart(chart);
    layout->addWidget(Chart1);
    resize(360, 340);
}

void TFormEnergiCirkel::fill(const ProgramState &state, int row)
{
    const MealRow *selected = selectedMealRow(*state.computation, row);
    Chart1->chart()->setTitle(selected ? selected->name.toString() : QString());
    EnergyShares shares{};
    if (selected) {
        NutrientVector per100g = selected->nutrients;
        for (float &v : per100g)
            v = v < 0 ? 0 : v;
        shares = ComputeEnergyShares(per100g, state.app.AlcoholFactor, false);
    }
    FillEnergyPie(PieSeries1, shares[EnergyShare::Protein], shares[EnergyShare::Fat],
                  shares[EnergyShare::Carbohydrate], shares[EnergyShare::Alcohol]);
}

void FillEnergyPie(QPieSeries *pie, float protein, float fat, float carbohydrate, float alcohol)
{
    pie->clear();
    if (protein + fat + carbohydrate + alcohol <= 10)
        return;
    auto add = [pie](const QString &label, float value, QColor colour) {
        QPieSlice *slice = pie->append(label, value);
        slice->setBrush(colour);
        slice->setLabel(QStringLiteral("%1 %2%").arg(label).arg(qRound(value)));
        slice->setLabelVisible(true);
        slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
        slice->setLabelColor(colour == QColor(Qt::yellow) ? Qt::black : Qt::white);
    };
    add(QStringLiteral("Prot"), protein, QColor(0x00, 0x80, 0x00));
    add(QStringLiteral("Fett"), fat, Qt::red);
    add(QStringLiteral("Kolh"), carbohydrate, Qt::blue);
    if (alcohol > 1)
        add(QStringLiteral("Alko"), alcohol, Qt::yellow);
}
