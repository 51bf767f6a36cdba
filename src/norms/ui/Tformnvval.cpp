#include "norms/ui/Tformnvval.h"

#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "norms/NutrientSelection.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kCaptions[Nutrient::Last + 1 - Nutrient::First] = {"kJ",
                                                                     "kcal",
                                                                     "vatten g",
                                                                     "",
                                                                     "prot g",
                                                                     "fett g",
                                                                     "kolhydrater g",
                                                                     "retinol ug",
                                                                     "karoten ug",
                                                                     "retinol ekv ug",
                                                                     "D-vit ug",
                                                                     "tokoferol mg",
                                                                     "tiamin mg",
                                                                     "C-vit mg",
                                                                     "riboflavin mg",
                                                                     "niacin mg",
                                                                     "niacin ekv mg",
                                                                     "B6 mg",
                                                                     "B12 ug",
                                                                     "kalcium mg",
                                                                     "fosf mg",
                                                                     "järn mg",
                                                                     "magnesium mg",
                                                                     "natrium mg",
                                                                     "kalium mg",
                                                                     "zink mg",
                                                                     "fett mättat g",
                                                                     "fett enkelomättat g",
                                                                     "fett fleromättat g",
                                                                     "kolesterol mg",
                                                                     "monosackarider g",
                                                                     "disackarider g",
                                                                     "sackaros g",
                                                                     "fiber g",
                                                                     "alkohol g",
                                                                     "F4:0, smörsyra g",
                                                                     "F120, laurinsyra g",
                                                                     "F140, myristinsyra g",
                                                                     "F160, palmitinsyra g",
                                                                     "F180, stearinsyra g",
                                                                     "F200, arakidinsyra g",
                                                                     "F161, palmitoljesyra g",
                                                                     "F181, oljesyra g",
                                                                     "F182, linolsyra g",
                                                                     "F183, linolensyra g",
                                                                     "F204, arakidonsyra g",
                                                                     "F205, eikosapentaensyra g",
                                                                     "F225, dokosapentaensyra g",
                                                                     "F226, dekosahexaensyra",
                                                                     "folacin ug",
                                                                     "selen ug",
                                                                     "ILE mg",
                                                                     "LEU mg",
                                                                     "LYS mg",
                                                                     "MET mg",
                                                                     "CYS mg",
                                                                     "PHE mg",
                                                                     "TYR mg",
                                                                     "THR mg",
                                                                     "TRP mg",
                                                                     "VAL mg",
                                                                     "ARG mg",
                                                                     "HIS mg",
                                                                     "ALA mg",
                                                                     "ASP mg",
                                                                     "GLU mg",
                                                                     "GLY mg",
                                                                     "PRO mg",
                                                                     "SER mg",
                                                                     "Reserv 1",
                                                                     "Reserv 2",
                                                                     "Reserv 3"};

constexpr int Ash = 18;
constexpr int FirstAminoAcid = 66;
constexpr int LastAminoAcid = 83;
const QString kFilter = QStringLiteral("nvval|*.nvval");

} // namespace

Tformnvval::Tformnvval(ProgramState &programState, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , state(programState)
{
    setObjectName(QStringLiteral("Tformnvval"));
    setWindowTitle(QStringLiteral("Val av näringsämnen"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Markera de näringsämnen du vill räkna med"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    // Energy and macronutrients, vitamins and minerals, fats and sugars, fatty acids: four columns;
    // the amino acids and spare values in a fifth under their own label.
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    int column = 0;
    int row = 0;
    auto place = [&](int n) {
        auto *box = new QCheckBox(QString::fromUtf8(kCaptions[n - Nutrient::First]), this);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        CheckBoxes[n] = box;
        grid->addWidget(box, row++, column);
    };
    const int breaks[] = {35, 50, 66};
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n) {
        if (n == Ash)
            continue;
        if (std::find(std::begin(breaks), std::end(breaks), n) != std::end(breaks)) {
            ++column;
            row = 0;
        }
        if (n == FirstAminoAcid) {
            LabelAminosyror = new QLabel(QStringLiteral("Aminosyror"), this);
            LabelAminosyror->setObjectName(QStringLiteral("LabelAminosyror"));
            LabelAminosyror->setFont(bold);
            grid->addWidget(LabelAminosyror, row++, column);
        }
        place(n);
    }
    layout->addLayout(grid);

    auto *bottom = new QHBoxLayout;
    auto *note = new QPlainTextEdit(QStringLiteral("Endast artiklar med * har\nuppgift om aminosyror"), this);
    note->setReadOnly(true);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setFixedHeight(note->fontMetrics().lineSpacing() * 2 + 12);
    note->setMaximumWidth(200);
    bottom->addWidget(note);
    bottom->addStretch();
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonSpara = new QPushButton(QStringLiteral("Spara"), this);
    ButtonHamta = new QPushButton(QStringLiteral("Hämta"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonSpara->setObjectName(QStringLiteral("ButtonSpara"));
    ButtonHamta->setObjectName(QStringLiteral("ButtonHamta"));
    for (QPushButton *b : {ButtonOK, ButtonSpara, ButtonHamta})
        bottom->addWidget(b);
    layout->addLayout(bottom);

    connect(ButtonOK, &QPushButton::clicked, this, [this] {
        ApplySelection();
        hide();
    });
    connect(ButtonSpara, &QPushButton::clicked, this, &Tformnvval::StoreNamedSelection);
    connect(ButtonHamta, &QPushButton::clicked, this, &Tformnvval::FetchNamedSelection);
}

void Tformnvval::FormCreate()
{
    for (int n = FirstAminoAcid; n <= LastAminoAcid; ++n)
        if (!state.catalogue.DisplayName[n].isEmpty())
            CheckBoxes[n]->setText(state.catalogue.DisplayName[n]);
    LabelAminosyror->setVisible(state.catalogue.DisplayName[FirstAminoAcid].contains(QStringLiteral("ILE")));
    LoadSelection(state.selection, programSelectionPath());
    ShowSelection();
}

QString Tformnvval::programSelectionPath() const
{
    return QDir(state.app.ProgramDirectory).filePath(ProgramSelectionFile(state.app.InitialDirectory));
}

void Tformnvval::ShowSelection()
{
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        if (CheckBoxes[n])
            CheckBoxes[n]->setChecked(state.selection.Selected[n]);
}

void Tformnvval::takeTickedBoxes()
{
    state.selection.clear();
    for (int n = Nutrient::First; n <= Nutrient::Last; ++n)
        if (CheckBoxes[n] && CheckBoxes[n]->isChecked())
            state.selection.Selected[n] = true;
}

void Tformnvval::ApplySelection()
{
    takeTickedBoxes();
    SaveSelection(state.selection, programSelectionPath()); // a write error changes nothing for the run
    emit selectionApplied();
}

QString Tformnvval::namedSelectionPath(QString chosen) const
{
    const QFileInfo info(chosen);
    if (info.suffix().compare(QStringLiteral("nvval"), Qt::CaseInsensitive) != 0)
        chosen = info.suffix().isEmpty()
                     ? chosen + QStringLiteral(".nvval")
                     : chosen.left(chosen.size() - info.suffix().size()) + QStringLiteral("nvval");
    return chosen;
}

void Tformnvval::StoreNamedSelection()
{
    const QString chosen = Dialogs::saveFileName(this, QStringLiteral("Spara valda näringsämnen"),
                                                 state.app.InitialDirectory, kFilter);
    if (chosen.isEmpty())
        return;
    takeTickedBoxes();
    if (Status s = SaveSelection(state.selection, namedSelectionPath(chosen)); !s)
        Dialogs::information(this, s.message);
}

void Tformnvval::FetchNamedSelection()
{
    const QString chosen = Dialogs::openFileName(this, QStringLiteral("Hämta näringsämnesgrupp"),
                                                 state.app.InitialDirectory, kFilter);
    if (chosen.isEmpty())
        return;
    LoadSelection(state.selection, namedSelectionPath(chosen));
    ShowSelection();
}

void Tformnvval::closeEvent(QCloseEvent *event)
{
    ApplySelection();
    QWidget::closeEvent(event);
}
