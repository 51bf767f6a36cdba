#pragma once

#include <QWidget>
#include <functional>

struct ProgramState;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class StringGrid;

// "Inställningar": whole-day mode, the meal shares and the ideal energy distribution. Its
// grids mirror ProgramState::settings; edits of the meal grid count from the next
// recalculation, "Verkställ" takes both grids and writes velmora.para.
class TFormInst : public QWidget {
    Q_OBJECT
public:
    TFormInst(ProgramState &state, std::function<void()> recalculate, QWidget *parent = nullptr);

    // At start-up: defaults, then velmora.para from the working folder when there is one
    // (and then the first recalculation).
    void SettingsCreated();
    // Refills both grids and the radio group from the settings (after a norm changed the
    // ideal distribution, a ketogenic norm the meal shares, or a file the whole-day mode).
    // Outside whole-day mode a MealShares value that differs from its typed text wins.
    void RefreshFromSettings();
    // The meal grid's row labels, e.g. the main window's meal-button captions.
    void SetMealLabels(const QStringList &labels);

    StringGrid *StringGridMaltider = nullptr;
    StringGrid *StringGridIdeal = nullptr;
    QRadioButton *RadioJa = nullptr;
    QRadioButton *RadioNej = nullptr;
    QButtonGroup *RadioGroup1 = nullptr;
    QPushButton *ButtonVerkstall = nullptr;
    QPushButton *ButtonMattips = nullptr;

public slots:
    void ApplySettings();
    void WholeDayChanged();

private:
    QStringList gridCells() const;
    void mealCellEdited(int tableRow, int column);

    ProgramState &state;
    std::function<void()> recalculate;
    bool filling = false;
};
