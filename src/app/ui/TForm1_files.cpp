// The main window's Computation-file commands, the norm and nutrient-selection windows, the meal
// and day clipboards, the favourites and the recent foods.
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "app/ui/TFormInst.h"
#include "calc/Recalculate.h"
#include "files/ComputationFile.h"
#include "files/ComputationFiles.h"
#include "files/FoodLists.h"
#include "food/SearchListModel.h"
#include "norms/ui/TFormNorm.h"
#include "norms/ui/Tformnvval.h"

#include <QDate>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kDietFilter = QStringLiteral("Beräkningar (*.diet)");
// The fixed first item of the list of earlier Computations; a click on it only closes the list.
const QString kListCloseItem =
    QStringLiteral("Klicka på en beräkning för att hämta den, eller här för CLOSE");
// The oldest layout may name thousands of missing foods; a few messages say enough.
constexpr int MaxMissingMessages = 10;

QMenu *menuNamed(QMenuBar *bar, const QString &objectName, const QString &title)
{
    if (auto *existing = bar->findChild<QMenu *>(objectName))
        return existing;
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(objectName);
    return menu;
}

QAction *actionNamed(QMenu *menu, const char *objectName, const QString &text, QAction *before = nullptr)
{
    auto *action = new QAction(text, menu);
    action->setObjectName(QString::fromLatin1(objectName));
    menu->insertAction(before, action);
    return action;
}

} // namespace

void TForm1::buildFileControls()
{
    // Arkiv: save, open, earlier and delete before "Avsluta".
    QAction *beforeExit = Avsluta1;
    for (QAction *a : Arkiv1->actions())
        if (a->isSeparator() && Arkiv1->actions().indexOf(a) + 1 == Arkiv1->actions().indexOf(Avsluta1))
            beforeExit = a;
    SparaBerkning1 = actionNamed(Arkiv1, "SparaBerkning1", QStringLiteral("Spara Beräkning"), beforeExit);
    Hmtaberkning1 = actionNamed(Arkiv1, "Hmtaberkning1", QStringLiteral("Hämta beräkning"), beforeExit);
    senaste1 = actionNamed(Arkiv1, "senaste1", QStringLiteral("Tidigare beräkningar"), beforeExit);
    Radera = actionNamed(Arkiv1, "Radera", QStringLiteral("Radera beräkningar"), beforeExit);
    connect(SparaBerkning1, &QAction::triggered, this, [this] { SaveComputation(); });
    connect(Hmtaberkning1, &QAction::triggered, this, &TForm1::OpenComputation);
    connect(senaste1, &QAction::triggered, this, &TForm1::ShowEarlierComputations);
    connect(Radera, &QAction::triggered, this, &TForm1::DeleteComputations);

    Redigera1 = menuNamed(menuBar(), QStringLiteral("Redigera1"), QStringLiteral("Redigera"));
    Kopieradennamltid1 = actionNamed(Redigera1, "Kopieradennamltid1", QStringLiteral("Kopiera denna måltid"));
    Klistrainmltid1 = actionNamed(Redigera1, "Klistrainmltid1", QStringLiteral("Klistra in måltid"));
    Kopieradag1 = actionNamed(Redigera1, "Kopieradag1", QStringLiteral("Kopiera dag"));
    Klistraindag1 = actionNamed(Redigera1, "Klistraindag1", QStringLiteral("Klistra in dag"));
    connect(Kopieradennamltid1, &QAction::triggered, this, &TForm1::CopyMeal);
    connect(Klistrainmltid1, &QAction::triggered, this, &TForm1::PasteMeal);
    connect(Kopieradag1, &QAction::triggered, this, &TForm1::CopyDay);
    connect(Klistraindag1, &QAction::triggered, this, &TForm1::PasteDay);

    Normer1 = menuNamed(menuBar(), QStringLiteral("Normer1"), QStringLiteral("Normer"));
    StandardnormerSNR1 = actionNamed(Normer1, "StandardnormerSNR1", QStringLiteral("Standardnormer, SNR"),
                                     Normer1->actions().value(0));
    connect(StandardnormerSNR1, &QAction::triggered, this, [this] {
        if (FormNorm) {
            FormNorm->show();
            FormNorm->raise();
        }
    });
    Vljnringsmnen1 = new QAction(QStringLiteral("Välj näringsämnen"), this);
    Vljnringsmnen1->setObjectName(QStringLiteral("Vljnringsmnen1"));
    menuBar()->addAction(Vljnringsmnen1);
    connect(Vljnringsmnen1, &QAction::triggered, this, [this] {
        if (Formnvval) {
            Formnvval->show();
            Formnvval->raise();
        }
    });
    // Opening any main menu closes the list of earlier Computations.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, &TForm1::HideEarlierComputations);

    // The list of earlier Computations lies over the meal grid while shown.
    ListBoxTidigareFiler = new QListWidget(StringGridMaltid->parentWidget());
    ListBoxTidigareFiler->setObjectName(QStringLiteral("ListBoxTidigareFiler"));
    ListBoxTidigareFiler->addItem(kListCloseItem);
    ListBoxTidigareFiler->setVisible(false);
    connect(ListBoxTidigareFiler, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListBoxTidigareFilerClick(ListBoxTidigareFiler->row(item)); });
    ButtonClose = new QPushButton(QStringLiteral("Close"), StringGridMaltid->parentWidget());
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    ButtonClose->setVisible(false);
    connect(ButtonClose, &QPushButton::clicked, this, &TForm1::HideEarlierComputations);

    // "Favoriter" and "Senaste" under the search list, unless the search code made them already.
    ButtonFavoriter = findChild<QPushButton *>(QStringLiteral("ButtonFavoriter"));
    ButtonSenaste = findChild<QPushButton *>(QStringLiteral("ButtonSenaste"));
    if (!ButtonFavoriter || !ButtonSenaste) {
        auto *row = new QWidget(ListBoxLivs->parentWidget());
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        if (!ButtonFavoriter) {
            ButtonFavoriter = new QPushButton(QStringLiteral("Favoriter"), row);
            ButtonFavoriter->setObjectName(QStringLiteral("ButtonFavoriter"));
            layout->addWidget(ButtonFavoriter);
        }
        if (!ButtonSenaste) {
            ButtonSenaste = new QPushButton(QStringLiteral("Senaste"), row);
            ButtonSenaste->setObjectName(QStringLiteral("ButtonSenaste"));
            ButtonSenaste->setToolTip(QStringLiteral("Visa senast använda livsmedel"));
            layout->addWidget(ButtonSenaste);
        }
        layout->addStretch();
        if (auto *box =
                qobject_cast<QBoxLayout *>(ListBoxLivs->parentWidget()->layout()->itemAt(0)->layout()))
            box->addWidget(row);
    }
    connect(ButtonFavoriter, &QPushButton::clicked, this, &TForm1::ShowFavourites);
    connect(ButtonSenaste, &QPushButton::clicked, this, &TForm1::ShowRecentFoods);
}

Status TForm1::createFileWindows()
{
    const QString dir = state.app.ProgramDirectory;
    if (!FormNorm) {
        FormNorm = new TFormNorm(state, this);
        connect(FormNorm, &TFormNorm::normChosen, this, &TForm1::refreshAfterFileCommand);
        // A norm brings its own ideal energy distribution: the settings window shows it.
        connect(FormNorm, &TFormNorm::idealEnergyChanged, FormInst, &TFormInst::RefreshFromSettings);
    }
    if (Status s = FormNorm->FormCreate(dir); !s)
        return s;
    UpdateCaption();
    if (!Formnvval) {
        Formnvval = new Tformnvval(state, this);
        connect(Formnvval, &Tformnvval::selectionApplied, this, &TForm1::refreshAfterFileCommand);
    }
    Formnvval->FormCreate();
    FoodLists::LoadLists(state, dir);
    while (ListBoxTidigareFiler->count() > 1)
        delete ListBoxTidigareFiler->takeItem(1);
    ListBoxTidigareFiler->addItems(state.files.EarlierComputations);
    return Status::success();
}

void TForm1::refreshAfterFileCommand()
{
    // An opened Computation brings its whole-day mode and a norm its ideal distribution.
    FormInst->RefreshFromSettings();
    Recalculate();
}

bool TForm1::SaveComputation()
{
    QString chosen = state.files.PresetFileName;
    if (chosen.isEmpty()) {
        chosen = Dialogs::saveFileName(this, QStringLiteral("Save registration"), state.app.InitialDirectory,
                                       kDietFilter);
        if (chosen.isEmpty())
            return false;
    }
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const auto outcome = ComputationFiles::Save(state, chosen, date);
    ListBoxTidigareFiler->clear();
    ListBoxTidigareFiler->addItem(kListCloseItem);
    ListBoxTidigareFiler->addItems(state.files.EarlierComputations);
    if (outcome.saved) {
        discardRecoveryCopy();
        setWindowTitle(outcome.fileName + QStringLiteral("   ") + state.norm.NormCaption);
    }
    for (const QString &message : outcome.messages)
        Dialogs::information(this, message);
    return outcome.saved;
}

void TForm1::OpenComputation()
{
    HideEarlierComputations();
    const QString preset = state.files.PresetFileName;
    state.files.PresetFileName.clear();
    // A Cancel at the save question keeps the Computation: reading another file into it
    // would mix two Computations.
    if (!NewComputation())
        return;
    QString fileName = preset;
    if (fileName.isEmpty()) {
        fileName = Dialogs::openFileName(this, QStringLiteral("Open registration"),
                                         state.app.InitialDirectory, kDietFilter);
        if (fileName.isEmpty())
            return;
    }
    const auto outcome = ComputationFiles::Open(state, fileName);
    ListBoxTidigareFiler->clear();
    ListBoxTidigareFiler->addItem(kListCloseItem);
    ListBoxTidigareFiler->addItems(state.files.EarlierComputations);

    for (int i = 0; i < outcome.missingFoods.size() && i < MaxMissingMessages; ++i)
        Dialogs::information(this, outcome.missingFoods[i]);
    if (outcome.missingFoods.size() > MaxMissingMessages)
        Dialogs::information(this, QStringLiteral("... och %1 livsmedel till finns ej.")
                                       .arg(outcome.missingFoods.size() - MaxMissingMessages));
    for (const QString &message : outcome.messages)
        Dialogs::information(this, message);

    state.app.ComputationFileName =
        outcome.oldLayout ? fileName : fileName + QStringLiteral("   ") + outcome.dateText;
    refreshAfterFileCommand();
    ComputationFiles::RebuildMealTypeLists(state);
    state.app.ComputationChanged = false;
}

void TForm1::DeleteComputations()
{
    for (;;) {
        const QString chosen =
            Dialogs::openFileName(this, QStringLiteral("Välj beräkning som du vill radera."),
                                  state.app.InitialDirectory, kDietFilter);
        if (chosen.isEmpty())
            return;
        if (auto removed = ComputationFiles::Delete(chosen))
            Dialogs::information(this, *removed);
    }
}

void TForm1::ShowEarlierComputations()
{
    ListBoxTidigareFiler->setGeometry(StringGridMaltid->geometry());
    ListBoxTidigareFiler->setVisible(true);
    ListBoxTidigareFiler->raise();
    ButtonClose->adjustSize();
    const QRect grid = StringGridMaltid->geometry();
    ButtonClose->move(grid.right() - ButtonClose->width() - 20, grid.top() + 4);
    ButtonClose->setVisible(true);
    ButtonClose->raise();
}

void TForm1::HideEarlierComputations()
{
    if (ListBoxTidigareFiler)
        ListBoxTidigareFiler->setVisible(false);
    if (ButtonClose)
        ButtonClose->setVisible(false);
}

void TForm1::ListBoxTidigareFilerClick(int index)
{
    HideEarlierComputations();
    if (index < 1 || index >= ListBoxTidigareFiler->count())
        return;
    state.files.PresetFileName = ListBoxTidigareFiler->item(index)->text();
    OpenComputation();
}

void TForm1::CopyMeal()
{
    FoodLists::CopyMeal(state);
    Dialogs::information(this,
                         QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
}

void TForm1::PasteMeal()
{
    if (!FoodLists::PasteMeal(state)) {
        Dialogs::information(this, QStringLiteral("Ingen måltid finns att kopiera"));
        return;
    }
    refreshAfterFileCommand();
}

void TForm1::CopyDay()
{
    FoodLists::CopyDay(state);
    Dialogs::information(this, QStringLiteral("Dagen är nu lagrad och kan klistras in i en annan dag."));
}

void TForm1::PasteDay()
{
    if (!FoodLists::DayClipboardFull(state)) {
        Dialogs::information(this, QStringLiteral("Ingen dag finns att klistra in"));
        return;
    }
    const auto answer =
        Dialogs::askYesNo(this, QStringLiteral("Hela dag %1 kommer nu att ersättas, är det ok?")
                                    .arg(state.computation->CurrentDay + 1));
    if (answer == Dialogs::Answer::No)
        return;
    FoodLists::PasteDay(state);
    refreshAfterFileCommand();
}

void TForm1::fillSearchList(const FoodPairList &list)
{
    ListBoxLivsModel->setLines(list.shown, list.twins);
    if (list.count() > 0)
        ListBoxLivs->setCurrentIndex(ListBoxLivsModel->index(0));
    ListBoxLivs->setFocus();
}

void TForm1::ShowFavourites()
{
    fillSearchList(state.files.favourites);
    state.search.ListMode = QStringLiteral("favorit");
}

void TForm1::ShowRecentFoods()
{
    fillSearchList(state.recent.all);
}

void TForm1::ShowMealTypeFoods(int meal)
{
    fillSearchList(state.recent.forMeal(meal));
}

void TForm1::AddFavourite(int searchListIndex)
{
    if (searchListIndex < 0 || searchListIndex >= ListBoxLivsModel->count())
        return;
    FoodLists::AddFavourite(state, ListBoxLivsModel->visibleAt(searchListIndex),
                            ListBoxLivsModel->twinAt(searchListIndex));
}

void TForm1::RemoveFavourite(int searchListIndex)
{
    if (searchListIndex < 0 || state.search.ListMode != u"favorit")
        return;
    FoodLists::RemoveFavourite(state, searchListIndex);
    ShowFavourites();
}

void TForm1::RememberFood(int searchListIndex)
{
    if (searchListIndex < 0 || searchListIndex >= ListBoxLivsModel->count())
        return;
    FoodLists::RememberFood(state, ListBoxLivsModel->visibleAt(searchListIndex),
                            ListBoxLivsModel->twinAt(searchListIndex));
}
