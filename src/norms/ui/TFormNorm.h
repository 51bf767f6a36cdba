#pragma once

#include "app/Result.h"
#include "norms/ActiveNorm.h"

#include <QList>
#include <QWidget>

struct ProgramState;
class QLabel;
class QPushButton;
class QTableWidget;

// The standard norm window "Dagsbehovet av energi och näringsämnen": a grid over the table
// `normer`, from which a double-click installs a row as the ActiveNorm.
class TFormNorm : public QWidget {
    Q_OBJECT
public:
    TFormNorm(ProgramState &state, QWidget *parent = nullptr);

    // Window creation at start-up: reads the table from the program folder and installs the
    // default norm (without warnings or recalculation). The program cannot run without it.
    Status FormCreate(const QString &programDirectory);

    // Double-click on a grid row.
    void ChooseStandardNorm(int gridRow);
    // "Klicka här för att ändra i normtabellen."
    void UnlockNormTable();
    bool isUnlocked() const { return unlocked; }
    const QList<StandardNormRow> &rows() const { return tableRows; }

    QTableWidget *DBGridNorm = nullptr;
    QLabel *LabelInfo = nullptr;
    QPushButton *ButtonAndra = nullptr;
    QLabel *LabelAndra = nullptr; // the red note shown once unlocked

signals:
    // A norm was installed: the main window takes the caption and recalculates.
    void normChosen();
    // The ideal energy distribution changed: the settings window shows it again.
    void idealEnergyChanged();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void fillGrid();
    StandardNormRow rowFromGrid(int gridRow) const;
    // Writes the edited row when the cursor has left it, as the note tells the user.
    void commitRow(int gridRow);
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);

    ProgramState &state;
    QString databasePath;
    QList<StandardNormRow> tableRows;
    bool unlocked = false;
    bool filling = false;
    int dirtyRow = -1;
};
