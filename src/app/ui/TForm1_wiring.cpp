// Connections between the main window's features that are built in separate files.
#include "app/ProgramState.h"
#include "app/ui/TForm1.h"

#include <QAction>

void TForm1::connectFeatures()
{
    // The search list's right-click menu acts on the food last right-clicked.
    connect(Visanringenper100g1, &QAction::triggered, this,
            [this] { ShowFoodPer100g(state.search.SelectedListCode); });
    connect(Artikelnswww1, &QAction::triggered, this, [this] { OpenProductInfo(state.search.SelectedListCode); });

    // Enter in the search field: a text with ":" becomes a text row, a typed code a food row.
    SearchFieldFreeText = [this](const QString &text) { AddTextRow(text); };
    SearchFieldCodeEntry = [this](const QString &text) { return AddFoodByCode(text); };
}
