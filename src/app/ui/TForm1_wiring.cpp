// Connections between the main window's features that are built in separate files.
#include "app/ProgramState.h"
#include "app/ui/TForm1.h"

#include <QAction>
#include <QMenu>

void TForm1::connectFeatures()
{
    // The search list's right-click menu acts on the food last right-clicked.
    connect(Visanringenper100g1, &QAction::triggered, this,
            [this] { ShowFoodPer100g(state.search.SelectedListCode); });
    connect(Artikelnswww1, &QAction::triggered, this,
            [this] { OpenProductInfo(state.search.SelectedListCode); });

    // Favourites: added from any list, removed only while the favourites are shown.
    LggfavoritListan1 = new QAction(QStringLiteral("Lägg denna artikel i favoritlistan"), PopupMenu1);
    LggfavoritListan1->setObjectName(QStringLiteral("LggfavoritListan1"));
    TabortfavoritListan1 =
        new QAction(QStringLiteral("Ta bort denna artikel från favoritlistan"), PopupMenu1);
    TabortfavoritListan1->setObjectName(QStringLiteral("TabortfavoritListan1"));
    PopupMenu1->insertAction(Artikelnswww1, LggfavoritListan1);
    PopupMenu1->insertAction(Artikelnswww1, TabortfavoritListan1);
    connect(LggfavoritListan1, &QAction::triggered, this,
            [this] { AddFavourite(state.search.SelectedListIndex); });
    connect(TabortfavoritListan1, &QAction::triggered, this,
            [this] { RemoveFavourite(state.search.SelectedListIndex); });
    connect(PopupMenu1, &QMenu::aboutToShow, this,
            [this] { TabortfavoritListan1->setVisible(state.search.ListMode == u"favorit"); });

    // Enter in the search field: a text with ":" becomes a text row, a typed code a food row.
    SearchFieldFreeText = [this](const QString &text) { AddTextRow(text); };
    SearchFieldCodeEntry = [this](const QString &text) { return AddFoodByCode(text); };
}
