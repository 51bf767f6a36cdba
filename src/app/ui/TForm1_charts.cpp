// Results on the main window: the recalculation, the bar chart with its paging and zoom, the
// energy pies, the display-mode and chart-type buttons, the caption and the result views.
#include "app/ProgramState.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFormInst.h"
#include "calc/Recalculate.h"
#include "calc/ui/BarChartView.h"
#include "calc/ui/ResultViews.h"
#include "food/SearchListModel.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPieSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// The nine series colours of the bar chart, repeated.
const QRgb kBarColours[9] = {0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x800080,
                             0x80FF80, 0xC0C0C0, 0x00FFFF, 0x400040};

const char *const kMealWords[9] = {"Breakfast ", "Lunch ",   "Dinner ",  "Extra 1 ", "Extra 2 ",
                                   "Extra 3 ",   "Extra 4 ", "Extra 5 ", "Extra 6 "};

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton *modeButton(QWidget *parent, const char *name, const QString &text, QButtonGroup *group, int id)
{
    auto *b = named(new QToolButton(parent), name);
    b->setText(text);
    b->setCheckable(true);
    group->addButton(b, id);
    return b;
}

QChartView *pieChart(QWidget *parent, const char *name, const QString &title, const char *seriesName)
{
    auto *view = named(new QChartView(parent), name);
    auto *chart = new QChart;
    auto *pie = new QPieSeries;
    pie->setObjectName(QString::fromLatin1(seriesName));
    chart->addSeries(pie);
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    view->setChart(chart);
    view->setMinimumSize(150, 220);
    view->setVisible(false);
    return view;
}

QPieSeries *pieOf(QChartView *view)
{
    return static_cast<QPieSeries *>(view->chart()->series().at(0));
}

} // namespace

QColor MealRowColour(int index)
{
    static const QRgb colours[9] = {0x0000FF, 0xFF0000, 0x008000, 0xFF00FF, 0x800080,
                                    0x00FF00, 0x808080, 0x00FFFF, 0x000000};
    return QColor(colours[(index - 1) % 9]);
}

void TForm1::buildCalculationControls(QWidget *central, QVBoxLayout *middle, QVBoxLayout *right)
{
    // Editing buttons under the meal grid.
    auto *edit = new QHBoxLayout;
    Button3 = named(new QPushButton(QStringLiteral("OK"), central), "Button3");
    Button4 = named(new QPushButton(QStringLiteral("+"), central), "Button4");
    Button5 = named(new QPushButton(QStringLiteral("-"), central), "Button5");
    Button6 = named(new QPushButton(QStringLiteral("Ta bort rad"), central), "Button6");
    ButtonBytAlla = named(new QPushButton(QStringLiteral("Byt alla"), central), "ButtonBytAlla");
    ButtonAngra = named(new QPushButton(QStringLiteral("Ångra"), central), "ButtonAngra");
    for (QPushButton *b : {Button3, Button4, Button5, Button6, ButtonBytAlla, ButtonAngra}) {
        b->setAutoDefault(false);
        edit->addWidget(b);
    }
    edit->addStretch();
    middle->addLayout(edit);

    ListBoxVikter = named(new QListWidget(central), "ListBoxVikter");
    ListBoxVikter->setStyleSheet(QStringLiteral("background-color: #A6CAF0"));
    ListBoxVikter->setToolTip(QStringLiteral("Klicka på önskad enhet"));
    ListBoxVikter->setVisible(false);
    MemoHogerklick =
        named(new QPlainTextEdit(QStringLiteral("Högerklick på livsmedlet visar olika enheter"), central),
              "MemoHogerklick");
    MemoHogerklick->setReadOnly(true);
    MemoHogerklick->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoHogerklick->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoHogerklick->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoHogerklick->setVisible(false);
    TimerHogerKlick = named(new QTimer(this), "TimerHogerKlick");
    TimerHogerKlick->setSingleShot(true);
    TimerHogerKlick->setInterval(3000);

    // Result controls on the right.
    auto *modes = new QHBoxLayout;
    modes->addWidget(new QLabel(QStringLiteral("Visa diagram för"), central));
    auto *modeGroup = new QButtonGroup(this);
    SpeedButton9 = modeButton(central, "SpeedButton9", QStringLiteral("Måltid"), modeGroup, 0);
    SpeedButton10 = modeButton(central, "SpeedButton10", QStringLiteral("Dag"), modeGroup, 1);
    SpeedButton11 = modeButton(central, "SpeedButton11", QStringLiteral("Dagar"), modeGroup, 2);
    SpeedButton9->setChecked(true);
    for (QToolButton *b : {SpeedButton9, SpeedButton10, SpeedButton11})
        modes->addWidget(b);
    connect(modeGroup, &QButtonGroup::idClicked, this, &TForm1::SetDisplayMode);
    modes->addStretch();
    right->addLayout(modes);

    auto *types = new QHBoxLayout;
    auto *typeGroup = new QButtonGroup(this);
    SpeedButton5 = modeButton(central, "SpeedButton5", QStringLiteral("Staplar"), typeGroup, 0);
    SpeedButton6 = modeButton(central, "SpeedButton6", QStringLiteral("Energicirklar"), typeGroup, 1);
    SpeedButton8 = modeButton(central, "SpeedButton8", QStringLiteral("Saknade värden"), typeGroup, 2);
    SpeedButton8->setToolTip(QStringLiteral("Klicka här för att se vilka näringsämnen som saknas"));
    SpeedButton5->setChecked(true);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    ButtonProcent = named(new QPushButton(QStringLiteral("%"), central), "ButtonProcent");
    Button1 = named(new QPushButton(QStringLiteral("Zoom -"), central), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("Zoom +"), central), "Button2");
    Button2->setVisible(false);
    SpinButton1 = named(new QSpinBox(central), "SpinButton1");
    SpinButton1->setPrefix(QStringLiteral("Sida "));
    SpinButton1->setMinimum(1);
    for (QWidget *w : std::initializer_list<QWidget *>{SpeedButton5, SpeedButton6, SpeedButton8,
                                                       ButtonProcent, Button1, Button2, SpinButton1})
        types->addWidget(w);
    types->addStretch();
    right->addLayout(types);
    connect(ButtonProcent, &QPushButton::clicked, this, &TForm1::ButtonProcentClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(SpinButton1, &QSpinBox::valueChanged, this, [this] { fillBarChart(); });

    ChartStapel = named(new BarChartView(central), "ChartStapel");
    ChartStapel->setMinimumHeight(200);
    right->addWidget(ChartStapel, 3);
    MemoStapel = named(new QPlainTextEdit(ChartStapel), "MemoStapel");
    MemoStapel->setPlainText(QStringLiteral("För att få staplar måste du ange hur stor\n"
                                            "del av dagsbehovet som denna måltid ska ge.\n"
                                            "Det gör du under Arkiv/Inställningar."));
    MemoStapel->setStyleSheet(QStringLiteral("color: red"));
    MemoStapel->setReadOnly(true);
    MemoStapel->setGeometry(20, 60, 300, 70);
    MemoStapel->setVisible(false);

    auto *pies = new QHBoxLayout;
    ChartEnergi = pieChart(central, "ChartEnergi", QStringLiteral("Energifördelning VERKLIG"), "PieSeries1");
    ChartEnergiRek =
        pieChart(central, "ChartEnergiRek", QStringLiteral("Energifördelning IDEAL"), "PieSeries2");
    pies->addWidget(ChartEnergi, 1);
    pies->addSpacing(8);
    pies->addWidget(ChartEnergiRek, 1);
    right->addLayout(pies);
    CheckboxAlkohol = named(new QCheckBox(QStringLiteral("Räkna med Alkohol"), central), "CheckboxAlkohol");
    CheckboxAlkohol->setChecked(true);
    CheckboxAlkohol->setVisible(false);
    right->addWidget(CheckboxAlkohol);
    connect(CheckboxAlkohol, &QCheckBox::clicked, this, &TForm1::CheckboxAlkoholClick);

    auto *views = new QHBoxLayout;
    ButtonVisaSiffror =
        named(new QPushButton(QStringLiteral("Näringen i siffror"), central), "ButtonVisaSiffror");
    ButtonNvPerKg = named(new QPushButton(QStringLiteral("Per kg kroppsvikt"), central), "ButtonNvPerKg");
    ButtonEnergiCirkel =
        named(new QPushButton(QStringLiteral("Livsmedelscirkel"), central), "ButtonEnergiCirkel");
    ButtonNv100g = named(new QPushButton(QStringLiteral("Näring per 100g"), central), "ButtonNv100g");
    for (QPushButton *b : {ButtonVisaSiffror, ButtonNvPerKg, ButtonEnergiCirkel, ButtonNv100g})
        views->addWidget(b);
    views->addStretch();
    right->addLayout(views);
    connect(ButtonVisaSiffror, &QPushButton::clicked, this, &TForm1::ButtonVisaSiffrorClick);
    connect(ButtonNvPerKg, &QPushButton::clicked, this, &TForm1::ButtonNvPerKgClick);
    connect(ButtonEnergiCirkel, &QPushButton::clicked, this, &TForm1::ButtonEnergiCirkelClick);
    connect(ButtonNv100g, &QPushButton::clicked, this, &TForm1::ButtonNv100gClick);

    Installningar1 = new QAction(QStringLiteral("Inställningar"), this);
    Installningar1->setObjectName(QStringLiteral("Installningar1"));
    Arkiv1->insertAction(Avsluta1, Installningar1);
    connect(Installningar1, &QAction::triggered, this, &TForm1::Installningar1Click);

    FormInst = new TFormInst(
        state, [this] { Recalculate(); }, this);
    Formsiffror = new TFormsiffror(this);
    FormNvPerKg = new TFormNvPerKg(this);
    FormNvPer100g = new TFormNvPer100g(this);
    FormEnergiCirkel = new TFormEnergiCirkel(this);

    connectEditing();
}

void TForm1::Recalculate()
{
    ::Recalculate(state);
    const bool wholeDay = state.settings.WholeDayMode;
    MealButtons[0]->setText(wholeDay                                 ? QStringLiteral("Hela dagen")
                            : state.app.BreakfastShortName.isEmpty() ? QStringLiteral("Frukost")
                                                                     : state.app.BreakfastShortName);
    MealButtons[0]->setMinimumWidth(wholeDay ? 374 : 0);
    for (int m = 1; m < ComputationSize::Meals; ++m)
        MealButtons[m]->setVisible(!wholeDay);
    if (wholeDay)
        MealButtons[0]->setChecked(true);

    PaintMealGrid();
    refreshDaySelector();
    const ResultViewContext context{StringGridMaltid->SelectedRow(),
                                    StringGridMaltid->Cells(3, std::max(1, StringGridMaltid->SelectedRow())),
                                    ComboBox1->currentText()};
    // Hidden views are filled when they are shown, not on every key stroke.
    if (state.app.NumbersViewActive && Formsiffror->isVisible())
        Formsiffror->fill(state, context);
    if (state.app.PerKgViewActive && FormNvPerKg->isVisible())
        FormNvPerKg->fill(state, context);
    if (FormNvPer100g->isVisible())
        FormNvPer100g->fill(state);
    SetChartTitle();
    FillCharts();
    UpdateCaption();
    PaintMealButtons();
    scheduleRecoveryCopy();
}

void TForm1::refreshDaySelector()
{
    const CalculationResults &res = *state.results;
    const int kj = Nutrient::index(Nutrient::EnergyKJ);
    for (int d = 0; d < ComputationSize::Days; ++d) {
        const QString text =
            (res.DaySums[d][kj] > 0.1f ? QStringLiteral("DAG%1") : QStringLiteral("dag%1")).arg(d + 1);
        if (ComboBox1->itemText(d) != text)
            ComboBox1->setItemText(d, text);
    }
    if (ComboBox1->currentIndex() != state.computation->CurrentDay)
        ComboBox1->setCurrentIndex(state.computation->CurrentDay);
}

void TForm1::SetChartTitle()
{
    const bool missing = state.app.MissingValuesMode;
    const QString day = ComboBox1->currentText();
    QString title;
    switch (state.app.DisplayMode) {
    case 0:
        title =
            (missing ? QStringLiteral("Antal livsmedel som saknar näringsuppgift ")
                     : QStringLiteral("% of recommended intake for ")) +
            (state.settings.WholeDayMode ? QStringLiteral("one day ")
                                         : QString::fromLatin1(kMealWords[state.computation->CurrentMeal])) +
            day;
        break;
    case 1:
        title = missing ? QStringLiteral("Antal livsmedel som saknar näringsuppgift ")
                        : QStringLiteral("Näring i % av behovet för hela ") + day;
        break;
    default:
        title = missing ? QStringLiteral("Antal livsmedel som saknar näringsuppgift ")
                        : QStringLiteral("Näring i % av dagsbehovet för perioden");
    }
    ChartStapel->chart()->setTitle(title);
}

int TForm1::BarPageSize(int chartHeight, int selectedCount)
{
    const int n = qRound(chartHeight / 28.0);
    int p = std::min(n, selectedCount);
    // No page may hold a single bar.
    for (int k = 1; k <= 4; ++k)
        if (k * p + 1 == selectedCount)
            --p;
    return std::max(p, 1);
}

void TForm1::UpdateBarPageSize()
{
    const int count = state.results->SelectedNutrientCount;
    BarPageSizeShown = BarPageSize(ChartStapel->height(), count);
    const int pages = count <= 0 ? 1 : (count + BarPageSizeShown - 1) / BarPageSizeShown;
    const QSignalBlocker block(SpinButton1);
    SpinButton1->setMaximum(std::max(pages, 1));
    SpinButton1->setVisible(BarPageSizeShown < count && ChartStapel->isVisibleTo(this));
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (ChartStapel) {
        UpdateBarPageSize();
        fillBarChart();
    }
}

void TForm1::FillCharts()
{
    UpdateBarPageSize();
    fillBarChart();
    fillEnergyPies();
    if (state.app.FoodEnergyCircleMode && FormEnergiCirkel->isVisible())
        FormEnergiCirkel->fill(state, StringGridMaltid->SelectedRow());
}

void TForm1::fillBarChart()
{
    const ProgramState &s = state;
    const CalculationResults &res = *s.results;
    const Computation &comp = *s.computation;
    const int d = comp.CurrentDay, m = comp.CurrentMeal;
    const int mode = s.app.DisplayMode;
    const bool missingMode = s.app.MissingValuesMode;
    const float share = s.settings.MealShares[m];
    auto scaled = [share](float v) { return share <= 0.001f ? 0.0f : v / share; };

    MemoStapel->setVisible(share <= 0.001f && mode == 0 && ChartStapel->isVisibleTo(this));

    // The nutrients of the shown page.
    int selected[Nutrient::Count];
    int count = 0;
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        if (s.selection.Selected[n])
            selected[count++] = n;
    const int page = std::clamp(SpinButton1->value() - 1, 0, std::max(0, (count - 1) / BarPageSizeShown));
    const int first = page * BarPageSizeShown;
    const int last = std::min(count, first + BarPageSizeShown);

    // The "Saknade värden" button is red when a shown nutrient lacks values anywhere in the mode.
    bool anyMissing = false;
    for (int i = 0; i < count && !anyMissing; ++i) {
        const int j = Nutrient::index(selected[i]);
        const int c = mode == 0   ? res.MealMissing[d][m][j]
                      : mode == 1 ? res.DayMissing[d][j]
                                  : res.PeriodMissing[j];
        anyMissing = c > 0;
    }
    SpeedButton8->setStyleSheet(anyMissing ? QStringLiteral("color: red") : QStringLiteral("color: #000080"));

    QHorizontalStackedBarSeries *series = ChartStapel->series();
    QStringList labels;
    const bool showPercent = ButtonProcent->text() == QStringLiteral("Värde");
    // The bars are planned first and then written into the existing bar sets where their
    // number allows, since rebuilding the series costs more than the whole recalculation.
    struct PlannedSet {
        QColor colour;
        QList<qreal> values;
        void append(qreal v) { values.append(v); }
    };
    std::vector<PlannedSet> sets;
    sets.reserve(ComputationSize::RowsPerMeal);
    auto newSet = [&sets](int index) {
        sets.push_back(PlannedSet{QColor(kBarColours[index % 9]), {}});
        return &sets.back();
    };

    if (missingMode) {
        PlannedSet *set = newSet(0);
        for (int i = last - 1; i >= first; --i) {
            const int n = selected[i];
            const int j = Nutrient::index(n);
            const int c = mode == 0   ? res.MealMissing[d][m][j]
                          : mode == 1 ? res.DayMissing[d][j]
                                      : res.PeriodMissing[j];
            set->append(c * 10);
            labels << (s.catalogue.ShortName[n] + QStringLiteral("   ")).left(15) + QString::number(c) +
                          QStringLiteral(" st");
        }
    } else {
        if (mode == 0) {
            // Every filled row gets its own series, also beyond 100 rows.
            for (int r = 1; r <= ComputationSize::RowsPerMeal; ++r) {
                if (comp.currentMeal()[r].isEmpty())
                    continue;
                PlannedSet *set = newSet(r - 1);
                for (int i = last - 1; i >= first; --i)
                    set->append(scaled(res.RowPercent[r][Nutrient::index(selected[i])]));
            }
        } else if (mode == 1) {
            for (int meal = 0; meal < ComputationSize::Meals; ++meal) {
                PlannedSet *set = newSet(meal);
                for (int i = last - 1; i >= first; --i)
                    set->append(res.MealPercent[d][meal][Nutrient::index(selected[i])]);
            }
        } else {
            const float days = float(res.IncludedEatenDays);
            for (int day = 0; day < ComputationSize::Days; ++day) {
                if (!comp.DayIncluded[day])
                    continue;
                PlannedSet *set = newSet(day);
                for (int i = last - 1; i >= first; --i)
                    set->append(days < 1 ? 0.0f : res.DayPercent[day][Nutrient::index(selected[i])] / days);
            }
        }
        for (int i = last - 1; i >= first; --i) {
            const int n = selected[i];
            const int j = Nutrient::index(n);
            QString value;
            if (showPercent) {
                const float pct = mode == 0   ? scaled(res.MealPercent[d][m][j])
                                  : mode == 1 ? res.DayPercent[d][j]
                                              : res.PeriodPercent[j];
                value = QString::number(double(pct), 'f', 0) + QStringLiteral("%");
            } else {
                const float amount = mode == 0   ? res.MealSums[d][m][j]
                                     : mode == 1 ? res.DaySums[d][j]
                                                 : res.PeriodAverage[j];
                value = ViewNumber(amount, s.catalogue.Decimals[n], 6) + s.catalogue.UnitName[n];
            }
            labels << (s.catalogue.ShortName[n] + QStringLiteral(" ")).left(13) + value;
        }
    }
    // Labels must be distinct for the category axis; a nutrient without a name still gets a bar.
    for (int i = 0; i < labels.size(); ++i)
        while (labels.indexOf(labels[i]) != i)
            labels[i] += u' ';
    if (ChartStapel->categoryAxis()->categories() != labels)
        ChartStapel->categoryAxis()->setCategories(labels);
    const QList<QBarSet *> existing = series->barSets();
    bool reuse = existing.size() == qsizetype(sets.size());
    for (qsizetype k = 0; reuse && k < existing.size(); ++k)
        reuse = existing[k]->count() == sets[k].values.size();
    if (reuse) {
        for (qsizetype k = 0; k < existing.size(); ++k) {
            QBarSet *set = existing[k];
            if (set->color() != sets[k].colour) {
                set->setColor(sets[k].colour);
                set->setBorderColor(sets[k].colour);
            }
            for (int i = 0; i < set->count(); ++i)
                if (set->at(i) != sets[k].values[i])
                    set->replace(i, sets[k].values[i]);
        }
    } else {
        series->clear();
        QList<QBarSet *> created;
        created.reserve(qsizetype(sets.size()));
        for (const PlannedSet &planned : sets) {
            auto *set = new QBarSet(QString());
            set->setColor(planned.colour);
            set->setBorderColor(planned.colour);
            set->append(planned.values);
            created << set;
        }
        series->append(created);
    }
    ChartStapel->valueAxis()->setRange(0, BarAxisMaximum);
    ChartStapel->valueAxis()->setLabelsVisible(!missingMode);
    ChartStapel->viewport()->update();
}

void TForm1::fillEnergyPies()
{
    const CalculationResults &res = *state.results;
    const Computation &comp = *state.computation;
    const EnergyShares &shares = state.app.DisplayMode == 0
                                     ? res.MealEnergyShares[comp.CurrentDay][comp.CurrentMeal]
                                 : state.app.DisplayMode == 1 ? res.DayEnergyShares[comp.CurrentDay]
                                                              : res.PeriodEnergyShares;
    FillEnergyPie(pieOf(ChartEnergi), shares[EnergyShare::Protein], shares[EnergyShare::Fat],
                  shares[EnergyShare::Carbohydrate], shares[EnergyShare::Alcohol]);
    QPieSeries *ideal = pieOf(ChartEnergiRek);
    const auto &dist = state.settings.IdealEnergyDistribution;
    FillEnergyPie(ideal, dist[0], dist[1], dist[2], 0);
    if (shares[EnergyShare::Alcohol] > 1) {
        QPieSlice *slice = ideal->append(QStringLiteral("Alko max"), 5);
        slice->setBrush(Qt::yellow);
        slice->setLabelVisible(true);
        slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
    }
}

void TForm1::Button1Click()
{
    BarAxisMaximum += 100;
    Button2->setVisible(true);
    ChartStapel->valueAxis()->setRange(0, BarAxisMaximum);
}

void TForm1::Button2Click()
{
    if (BarAxisMaximum > 110)
        BarAxisMaximum -= 100;
    if (BarAxisMaximum < 110)
        Button2->setVisible(false);
    ChartStapel->valueAxis()->setRange(0, BarAxisMaximum);
}

void TForm1::ButtonProcentClick()
{
    ButtonProcent->setText(ButtonProcent->text() == QStringLiteral("%") ? QStringLiteral("Värde")
                                                                        : QStringLiteral("%"));
    Recalculate();
}

void TForm1::SpeedButton5Click()
{
    state.app.MissingValuesMode = false;
    SpeedButton5->setChecked(true);
    ChartEnergi->setVisible(false);
    ChartEnergiRek->setVisible(false);
    ChartStapel->setVisible(true);
    CheckboxAlkohol->setVisible(false);
    SpeedButton8->setVisible(true);
    Recalculate();
}

void TForm1::SpeedButton6Click()
{
    state.app.MissingValuesMode = false;
    SpeedButton6->setChecked(true);
    ChartEnergi->setVisible(true);
    ChartEnergiRek->setVisible(true);
    ChartStapel->setVisible(false);
    SpinButton1->setVisible(false);
    CheckboxAlkohol->setVisible(true);
    SpeedButton8->setVisible(false);
    Recalculate();
}

void TForm1::SpeedButton8Click()
{
    state.app.MissingValuesMode = true;
    SpeedButton8->setChecked(true);
    ChartEnergi->setVisible(false);
    ChartEnergiRek->setVisible(false);
    ChartStapel->setVisible(true);
    Recalculate();
}

void TForm1::SetDisplayMode(int mode)
{
    state.app.DisplayMode = std::clamp(mode, 0, 2);
    QToolButton *buttons[3] = {SpeedButton9, SpeedButton10, SpeedButton11};
    buttons[state.app.DisplayMode]->setChecked(true);
    Recalculate();
}

void TForm1::CheckboxAlkoholClick()
{
    state.app.AlcoholFactor = CheckboxAlkohol->isChecked() ? 2900 : 0;
    Recalculate();
}

void TForm1::ButtonVisaSiffrorClick()
{
    state.app.NumbersViewActive = true;
    Formsiffror->show();
    Formsiffror->raise();
    Recalculate();
}

void TForm1::ButtonNvPerKgClick()
{
    state.app.PerKgViewActive = true;
    FormNvPerKg->show();
    FormNvPerKg->raise();
    Recalculate();
}

void TForm1::ButtonNv100gClick()
{
    FormNvPer100g->show();
    FormNvPer100g->raise();
    Recalculate();
}

void TForm1::ButtonEnergiCirkelClick()
{
    state.app.FoodEnergyCircleMode = true;
    FormEnergiCirkel->show();
    FormEnergiCirkel->raise();
    FormEnergiCirkel->fill(state, StringGridMaltid->SelectedRow());
}

void TForm1::Installningar1Click()
{
    FormInst->show();
    FormInst->raise();
    FormInst->activateWindow();
}
