#include "app/ui/TFormInst.h"

#include "app/NumberText.h"
#include "app/ProgramState.h"
#include "app/SettingsFile.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char *const kMealLabels[9] = {"Frukost", "Lunch",   "Middag",  "M-mål 1", "M-mål 2",
                                    "M-mål 3", "M-mål 4", "M-mål 5", "M-mål 6"};
const char *const kIdealLabels[6] = {"Protein",          "Fett",       "Kolhydrat", "Enkelomättat fett",
                                     "Fleromättat fett", "Mättat fett"};

QLabel *blueNote(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: blue"));
    return label;
}

// Column 0 holds the labels and is not editable.
void setLabel(StringGrid *grid, int row, const QString &text)
{
    grid->SetCells(0, row, text);
    if (QTableWidgetItem *it = grid->item(StringGrid::tableRow(row), 0))
        it->setFlags(it->flags() & ~Qt::ItemIsEditable);
}

} // namespace

TFormInst::TFormInst(ProgramState &programState, std::function<void()> recalc, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , state(programState)
    , recalculate(std::move(recalc))
{
    setObjectName(QStringLiteral("TFormInst"));
    setWindowTitle(QStringLiteral("Inställningar"));
    auto *layout = new QVBoxLayout(this);

    auto *group = new QGroupBox(QStringLiteral("Ska dagen delas upp i måltider?"), this);
    auto *groupLayout = new QHBoxLayout(group);
    RadioJa = new QRadioButton(QStringLiteral("Ja"), group);
    RadioJa->setObjectName(QStringLiteral("RadioJa"));
    RadioNej = new QRadioButton(QStringLiteral("Nej"), group);
    RadioNej->setObjectName(QStringLiteral("RadioNej"));
    RadioGroup1 = new QButtonGroup(this);
    RadioGroup1->addButton(RadioJa, 0);
    RadioGroup1->addButton(RadioNej, 1);
    RadioJa->setChecked(true);
    groupLayout->addWidget(RadioJa);
    groupLayout->addWidget(RadioNej);
    layout->addWidget(group);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TFormInst::WholeDayChanged);

    auto *grids = new QGridLayout;
    grids->addWidget(
        blueNote(QStringLiteral("Önskad fördelning av näringsintag\nför dagens måltider i %."), this), 0, 0);
    grids->addWidget(blueNote(QStringLiteral("Ideal energifördelning i %"), this), 0, 1);
    StringGridMaltider = new StringGrid(2, 10, this);
    StringGridMaltider->setObjectName(QStringLiteral("StringGridMaltider"));
    StringGridIdeal = new StringGrid(2, 7, this);
    StringGridIdeal->setObjectName(QStringLiteral("StringGridIdeal"));
    StringGridMaltider->SetCells(1, 0, QStringLiteral("% av dagbehovet"));
    StringGridIdeal->SetCells(1, 0, QStringLiteral("Ideal energi%"));
    for (int r = 1; r <= 9; ++r)
        setLabel(StringGridMaltider, r, QString::fromUtf8(kMealLabels[r - 1]));
    for (int r = 1; r <= 6; ++r)
        setLabel(StringGridIdeal, r, QString::fromUtf8(kIdealLabels[r - 1]));
    for (StringGrid *g : {StringGridMaltider, StringGridIdeal}) {
        g->setColumnWidth(0, 130);
        g->setColumnWidth(1, 110);
        g->setEditTriggers(QAbstractItemView::AllEditTriggers);
        g->setMinimumWidth(260);
    }
    grids->addWidget(StringGridMaltider, 1, 0);
    grids->addWidget(StringGridIdeal, 1, 1);
    grids->addWidget(
        blueNote(QStringLiteral("Ideal energifördelning följer normerna \noch ändras när du byter norm."),
                 this),
        2, 1);
    layout->addLayout(grids);

    auto *buttons = new QHBoxLayout;
    ButtonVerkstall = new QPushButton(QStringLiteral("Verkställ"), this);
    ButtonVerkstall->setObjectName(QStringLiteral("ButtonVerkstall"));
    ButtonMattips = new QPushButton(QStringLiteral("Texter till Mattipsen"), this);
    ButtonMattips->setObjectName(QStringLiteral("ButtonMattips"));
    ButtonMattips->setVisible(false);
    buttons->addStretch();
    buttons->addWidget(ButtonMattips);
    buttons->addWidget(ButtonVerkstall);
    layout->addLayout(buttons);
    connect(ButtonVerkstall, &QPushButton::clicked, this, &TFormInst::ApplySettings);
    connect(StringGridMaltider, &QTableWidget::cellChanged, this, &TFormInst::mealCellEdited);

    RefreshFromSettings();
    resize(560, 420);
}

void TFormInst::SettingsCreated()
{
    state.settings.WholeDayMode = false;
    RefreshFromSettings();
    auto cells = SettingsFile::read(QDir::current().filePath(SettingsFile::fileName()));
    if (!cells)
        return; // no settings saved yet: the defaults stand
    SettingsFile::apply(state.settings, *cells);
    // The grids show the texts as they were typed, not reformatted numbers.
    filling = true;
    for (int i = 0; i < 15; ++i)
        (i < 9 ? StringGridMaltider : StringGridIdeal)->SetCells(1, i < 9 ? i + 1 : i - 8, cells->at(i));
    filling = false;
    if (recalculate)
        recalculate();
}

void TFormInst::RefreshFromSettings()
{
    // A share set as a number (a norm dividing the day into meals) replaces the typed text;
    // in whole-day mode the shares are the whole day's, not the grid's.
    if (!state.settings.WholeDayMode)
        for (int m = 0; m < 9; ++m)
            if (TextToNumber(state.settings.MealShareTexts[m]) / 100.0f != state.settings.MealShares[m])
                state.settings.MealShareTexts[m] =
                    SettingsFile::idealText(state.settings.MealShares[m] * 100.0f);
    filling = true;
    for (int m = 0; m < 9; ++m)
        StringGridMaltider->SetCells(1, m + 1, state.settings.MealShareTexts[m]);
    for (int i = 0; i < 6; ++i)
        StringGridIdeal->SetCells(1, i + 1,
                                  SettingsFile::idealText(state.settings.IdealEnergyDistribution[i]));
    (state.settings.WholeDayMode ? RadioNej : RadioJa)->setChecked(true);
    filling = false;
}

void TFormInst::SetMealLabels(const QStringList &labels)
{
    for (int r = 1; r <= 9 && r <= labels.size(); ++r)
        setLabel(StringGridMaltider, r, labels.at(r - 1));
}

QStringList TFormInst::gridCells() const
{
    QStringList cells;
    for (int r = 1; r <= 9; ++r)
        cells << StringGridMaltider->Cells(1, r);
    for (int r = 1; r <= 6; ++r)
        cells << StringGridIdeal->Cells(1, r);
    return cells;
}

void TFormInst::mealCellEdited(int tableRow, int column)
{
    if (filling || column != 1)
        return;
    const int meal = StringGrid::gridRow(tableRow) - 1;
    if (meal >= 0 && meal < 9)
        state.settings.MealShareTexts[meal] = StringGridMaltider->Cells(1, meal + 1);
}

void TFormInst::ApplySettings()
{
    const QStringList cells = gridCells();
    SettingsFile::apply(state.settings, cells);
    if (recalculate)
        recalculate();
    const Status written = SettingsFile::write(QDir::current().filePath(SettingsFile::fileName()), cells);
    if (!written)
        Dialogs::information(this, written.message);
}

void TFormInst::WholeDayChanged()
{
    state.settings.WholeDayMode = RadioNej->isChecked();
    if (recalculate)
        recalculate();
}
