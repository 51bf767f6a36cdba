#include "norms/ui/TFormNorm.h"

#include "app/NumberText.h"
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/EditLock.h"
#include "norms/NormTable.h"
#include "norms/StandardNorms.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The grid shows Nr, Norm and the value fields except water and ash.
QList<int> shownValueIndexes()
{
    QList<int> indexes;
    for (int i = 0; i < Nutrient::Count; ++i)
        if (i != 2 && i != 3)
            indexes.append(i);
    return indexes;
}

QString columnTitle(int valueIndex)
{
    static const char *const firstTitles[] = {"kJ", "kcal", "", "", "Prot g", "Fett g", "Kolh g"};
    if (valueIndex <= 6)
        return QString::fromUtf8(firstTitles[valueIndex]);
    return NormTable::fieldNames().at(Nutrient::First - 1 + valueIndex);
}

QString valueText(float v)
{
    return QString::number(double(v), 'g', 7);
}

} // namespace

TFormNorm::TFormNorm(ProgramState &programState, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , state(programState)
{
    setObjectName(QStringLiteral("TFormNorm"));
    setWindowTitle(QStringLiteral("Dagsbehovet av energi och näringsämnen."));
    auto *layout = new QVBoxLayout(this);
    LabelInfo = new QLabel(
        QStringLiteral(
            "Dubbelklicka på den norm du vill använda\n"
            "Aktiv innebär sport eller annan fysisk aktivitet 4-5 gånger per vecka omfattande minst 30 "
            "minuter (PAL=1,8).\n"
            "Inaktiv innebär stillasittande arbete och begränsad fysisk aktivitet på fritiden (PAL=1,6),"),
        this);
    LabelInfo->setObjectName(QStringLiteral("LabelInfo"));
    LabelInfo->setStyleSheet(QStringLiteral("color: blue;"));
    layout->addWidget(LabelInfo);
    ButtonAndra = new QPushButton(QStringLiteral("Klicka här för att ändra i normtabellen."), this);
    ButtonAndra->setObjectName(QStringLiteral("ButtonAndra"));
    layout->addWidget(ButtonAndra, 0, Qt::AlignLeft);
    LabelAndra =
        new QLabel(QStringLiteral("Ändringar sparas när man lämnar raden, så när du gjort ändringar eller "
                                  "tillägg ska\ndu klicka på en annan rad, t.ex. raden ovan den där du "
                                  "ändrat."),
                   this);
    LabelAndra->setObjectName(QStringLiteral("LabelAndra"));
    LabelAndra->setStyleSheet(QStringLiteral("color: red;"));
    LabelAndra->setVisible(false);
    layout->addWidget(LabelAndra);

    const QList<int> values = shownValueIndexes();
    DBGridNorm = new QTableWidget(0, 2 + int(values.size()), this);
    DBGridNorm->setObjectName(QStringLiteral("DBGridNorm"));
    QStringList titles{QStringLiteral("Nr"), QStringLiteral("Norm")};
    for (int i : values)
        titles.append(columnTitle(i));
    DBGridNorm->setHorizontalHeaderLabels(titles);
    DBGridNorm->horizontalHeader()->setDefaultSectionSize(70);
    DBGridNorm->setWordWrap(false);
    DBGridNorm->verticalHeader()->setDefaultSectionSize(DBGridNorm->fontMetrics().height() + 6);
    DBGridNorm->setColumnWidth(0, 40);
    DBGridNorm->setColumnWidth(1, 120);
    DBGridNorm->verticalHeader()->setVisible(false);
    DBGridNorm->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGridNorm->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(DBGridNorm, 1);
    resize(900, 480);

    connect(ButtonAndra, &QPushButton::clicked, this, &TFormNorm::UnlockNormTable);
    connect(DBGridNorm, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (!unlocked)
            ChooseStandardNorm(row);
    });
    connect(DBGridNorm, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!filling && unlocked)
            dirtyRow = item->row();
    });
    connect(DBGridNorm, &QTableWidget::currentCellChanged, this, &TFormNorm::onCurrentCellChanged);
}

Status TFormNorm::FormCreate(const QString &programDirectory)
{
    databasePath = QDir(programDirectory).filePath(NormTable::fileName());
    auto loaded = NormTable::load(databasePath);
    if (!loaded)
        return Status::failure(loaded.message);
    tableRows = *loaded;
    fillGrid();
    if (!LoadDefaultNorm(state.norm, tableRows))
        return Status::failure(QStringLiteral("Normtabellen %1 är tom").arg(databasePath));
    return Status::success();
}

void TFormNorm::fillGrid()
{
    filling = true;
    const QList<int> values = shownValueIndexes();
    DBGridNorm->setRowCount(int(tableRows.size()) + (unlocked ? 1 : 0));
    for (int r = 0; r < DBGridNorm->rowCount(); ++r) {
        const bool isNew = r >= tableRows.size();
        const StandardNormRow row = isNew ? StandardNormRow{} : tableRows[r];
        DBGridNorm->setItem(r, 0, new QTableWidgetItem(isNew ? QString() : QString::number(row.number)));
        DBGridNorm->setItem(r, 1, new QTableWidgetItem(row.name));
        for (int c = 0; c < values.size(); ++c)
            DBGridNorm->setItem(r, 2 + c,
                                new QTableWidgetItem(isNew ? QString() : valueText(row.values[values[c]])));
    }
    filling = false;
}

StandardNormRow TFormNorm::rowFromGrid(int gridRow) const
{
    StandardNormRow row = gridRow < tableRows.size() ? tableRows[gridRow] : StandardNormRow{};
    auto text = [&](int c) {
        return DBGridNorm->item(gridRow, c) ? DBGridNorm->item(gridRow, c)->text() : QString();
    };
    row.number = text(0).trimmed().toInt();
    row.name = text(1).left(100);
    const QList<int> values = shownValueIndexes();
    for (int c = 0; c < values.size(); ++c)
        row.values[values[c]] = TextToNumber(text(2 + c));
    return row;
}

void TFormNorm::ChooseStandardNorm(int gridRow)
{
    if (gridRow < 0 || gridRow >= tableRows.size())
        return;
    const StandardNormRow row = tableRows[gridRow];
    for (const QString &message : ::ChooseStandardNorm(state.norm, row))
        Dialogs::information(this, message);
    setWindowTitle(state.norm.NormCaption);
    if (RefreshIdealEnergyFromNorm(state.norm, state.settings))
        emit idealEnergyChanged();
    emit normChosen();
    hide();
}

void TFormNorm::UnlockNormTable()
{
    if (!EditLock::Unlock(this, state.app, EditLock::Variant::ProgramPassword))
        return;
    unlocked = true;
    DBGridNorm->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    LabelAndra->setVisible(true);
    ButtonAndra->setVisible(false);
    fillGrid(); // with an empty row at the end for a new norm
}

void TFormNorm::commitRow(int gridRow)
{
    if (gridRow < 0 || gridRow != dirtyRow)
        return;
    dirtyRow = -1;
    const StandardNormRow row = rowFromGrid(gridRow);
    if (row.number <= 0) {
        Dialogs::information(this, QStringLiteral("Normen måste ha ett nummer större än 0."));
        return;
    }
    if (Status s = NormTable::store(databasePath, row); !s) {
        Dialogs::information(this, s.message);
        return;
    }
    if (auto reloaded = NormTable::load(databasePath))
        tableRows = *reloaded;
    fillGrid();
}

void TFormNorm::onCurrentCellChanged(int row, int, int previousRow, int)
{
    if (row != previousRow)
        commitRow(previousRow);
}

void TFormNorm::hideEvent(QHideEvent *event)
{
    commitRow(DBGridNorm->currentRow());
    QWidget::hideEvent(event);
}
