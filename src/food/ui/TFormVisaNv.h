#pragma once

#include "food/FoodInfo.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QListWidget;
class QPieSeries;
class QChartView;

// "Näring per 100 g": two foods side by side per 100 g, each pane with its energy pie. The
// left pane holds the newest food (or, while "Lås vänstra fönstret" is ticked, the food it held
// when it was locked); the right pane the food shown before (or, while locked, the newest).
class TFormVisaNv : public QWidget {
    Q_OBJECT
public:
    explicit TFormVisaNv(QWidget *parent = nullptr);

    // Puts a food's lines (name, empty line, nutrient lines) into the panes and redraws the pies:
    // `shares` are the new food's, `previousShares` those of the food shown before it.
    void ShowFood(const QStringList &lines, const FoodEnergyShareArray &shares,
                  const FoodEnergyShareArray &previousShares);

    // A plain (left) click on the widget hides this window when "Stäng detta fönster
    // automatiskt" is ticked.
    void hideOnClickIn(QWidget *widget);

    // Each pane keeps the other on the same line, so one nutrient is highlighted for both foods.
    void ListBoxVisaNvClick();
    void ListBoxVisaNv1Click();

    QListWidget *ListBoxVisaNv = nullptr;  // left pane
    QListWidget *ListBoxVisaNv1 = nullptr; // right pane
    QListWidget *ListBoxVisaNvH = nullptr; // hidden work list
    QChartView *ChartEnergi = nullptr;     // under the left pane
    QChartView *ChartEnergi2 = nullptr;    // under the right pane
    QCheckBox *CheckBoxVisaAllaNv = nullptr;
    QCheckBox *CheckBoxLatsta = nullptr;
    QCheckBox *CheckBoxStayOnTop = nullptr;

    // The pie slices of a chart as "label share" texts, for checks and for tests.
    static QStringList sliceTexts(QChartView *chart);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void drawPie(QChartView *chart, const FoodEnergyShareArray &shares);
    static void replaceLines(QListWidget *list, const QStringList &lines);
};
