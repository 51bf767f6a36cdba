#pragma once

#include "food/Nutrients.h"

#include <QWidget>

struct ProgramState;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Val av näringämnen": one check box per nutrient; the choice is kept in the program's selection
// file and can be stored in and fetched from named ".nvval" files.
class Tformnvval : public QWidget {
    Q_OBJECT
public:
    Tformnvval(ProgramState &state, QWidget *parent = nullptr);

    // Window creation at start-up: the amino-acid captions from the catalogue and the program's
    // selection file.
    void FormCreate();

    // "OK" and the close box: the ticked boxes become the selection, written to the program's file.
    void ApplySelection();
    void StoreNamedSelection(); // "Spara"
    void FetchNamedSelection(); // "Hämta"
    // Ticks exactly the selected nutrients.
    void ShowSelection();
    QString programSelectionPath() const;

    PerNutrient<QCheckBox *> CheckBoxes{}; // by nutrient number; 18 (ash) has none
    QLabel *LabelAminosyror = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonSpara = nullptr;
    QPushButton *ButtonHamta = nullptr;

signals:
    // The selection changed and was applied: the main window recalculates.
    void selectionApplied();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void takeTickedBoxes();
    QString namedSelectionPath(QString chosen) const;
    ProgramState &state;
};
