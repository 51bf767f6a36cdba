#pragma once

#include <QWidget>

struct ProgramState;
class QChartView;
class QLineEdit;
class QPieSeries;
class StringGrid;

// What the small result views take from the main window besides the results.
struct ResultViewContext {
    int selectedRow = 0; // the meal-grid row selected (1 to 199), 0 for none
    QString gramsText;   // that row's grams cell
    QString dayText;     // the day selector's text
};

// A number in a view: `decimals` decimals, right-aligned to `width`.
QString ViewNumber(double value, int decimals, int width = 0);

// "Näringen i siffror": the selected row, the meal, the day and the norm.
class TFormsiffror : public QWidget {
    Q_OBJECT
public:
    explicit TFormsiffror(QWidget *parent = nullptr);
    void fill(const ProgramState &state, const ResultViewContext &context);
    StringGrid *StringGrid1;
};

// "Per kg kroppsvikt": the same amounts per kg of body weight.
class TFormNvPerKg : public QWidget {
    Q_OBJECT
public:
    explicit TFormNvPerKg(QWidget *parent = nullptr);
    void fill(const ProgramState &state, const ResultViewContext &context);
    StringGrid *StringGrid1;
    QLineEdit *Editkg;
};

// "Måltidens näring per 100 gram".
class TFormNvPer100g : public QWidget {
    Q_OBJECT
public:
    explicit TFormNvPer100g(QWidget *parent = nullptr);
    void fill(const ProgramState &state);
    StringGrid *StringGrid1;
    QLineEdit *EditGram;
    QLineEdit *EditKorrigeradVikt;
};

// The energy circle of one food of the meal.
class TFormEnergiCirkel : public QWidget {
    Q_OBJECT
public:
    explicit TFormEnergiCirkel(QWidget *parent = nullptr);
    void fill(const ProgramState &state, int row);
    QChartView *Chart1;
    QPieSeries *PieSeries1;
};

// Fills a pie with protein, fat, carbohydrate and alcohol shares (alcohol only above 1 %);
// empty when the shares add up to 10 or less. Labels "Prot", "Fett", "Kolh", "Alko".
void FillEnergyPie(QPieSeries *pie, float protein, float fat, float carbohydrate, float alcohol);
