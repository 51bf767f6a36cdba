// The food search list of the main window: the search field with quick search, the country,
// group, manufacturer and company filters, Dabas activation and the list's right-click menu.
#include "app/ProgramState.h"
#include "app/RegisterDatabase.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "food/FoodNameLists.h"
#include "food/SearchList.h"
#include "food/SearchListModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Hands the search field's key presses to the window before the field handles them.
class SearchFieldKeys : public QObject {
public:
    SearchFieldKeys(TForm1 *form, QObject *parent)
        : QObject(parent)
        , form(form)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            return form->Edit1KeyPress(static_cast<QKeyEvent *>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    TForm1 *form;
};

const QString kShortText = QStringLiteral("Minst två tecken behövs för att söka");

// How often the Dabas load updates its count in the status bar.
constexpr int kDabasProgressStep = 500;

} // namespace

void TForm1::buildSearchControls(QVBoxLayout *column)
{
    QWidget *owner = Edit1->parentWidget();
    Edit1->setToolTip(QStringLiteral("Skriv sökord här."));
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { color: red; }"));
    Edit1->installEventFilter(new SearchFieldKeys(this, Edit1));
    ComboBoxSLVgrupp->setToolTip(QStringLiteral("Söker på grupp i Livsmedelsverkets tabell"));

    CheckBoxSnabbSok = new QCheckBox(QStringLiteral("Snabbsökning"), owner);
    CheckBoxSnabbSok->setObjectName(QStringLiteral("CheckBoxSnabbSok"));
    CheckBoxSnabbSok->setToolTip(QStringLiteral("Söker utan Enter"));
    CheckBoxSnabbSok->setChecked(true);
    CheckBoxDabas = new QCheckBox(QStringLiteral("DABAS"), owner);
    CheckBoxDabas->setObjectName(QStringLiteral("CheckBoxDabas"));
    auto *options = new QHBoxLayout;
    options->addWidget(CheckBoxSnabbSok);
    options->addWidget(CheckBoxDabas);
    options->addStretch();
    column->insertLayout(column->indexOf(Edit1) + 1, options);

    ComboBoxFabrikant = new QComboBox(owner);
    ComboBoxFabrikant->setObjectName(QStringLiteral("ComboBoxFabrikant"));
    ComboBoxFabrikant->addItems(ManufacturerNames());
    ComboBoxFabrikantH = new QComboBox(owner);
    ComboBoxFabrikantH->setObjectName(QStringLiteral("ComboBoxFabrikantH"));
    ComboBoxFabrikantH->addItems(ManufacturerTags());
    ComboBoxFabrikantH->setVisible(false);
    ComboBoxDabas = new QComboBox(owner);
    ComboBoxDabas->setObjectName(QStringLiteral("ComboBoxDabas"));
    ComboBoxDabas->addItem(QStringLiteral("  Select company"));
    ComboBoxDabas->setVisible(false);
    auto *filters = new QHBoxLayout;
    filters->addWidget(ComboBoxFabrikant, 1);
    filters->addWidget(ComboBoxDabas, 1);
    column->insertLayout(column->indexOf(ListBoxLivs), filters);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    TimerDabasInlasning = new QTimer(this);
    TimerDabasInlasning->setObjectName(QStringLiteral("TimerDabasInlasning"));
    TimerDabasInlasning->setSingleShot(true);
    TimerDabasInlasning->setInterval(1000);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setStyleSheet(QStringLiteral("QStatusBar { color: red; }"));
    StatusBar1->setVisible(false);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Visanringenper100g1 = PopupMenu1->addAction(QStringLiteral("Visa näringen per 100g"));
    Visanringenper100g1->setObjectName(QStringLiteral("Visanringenper100g1"));
    Artikelnswww1 = PopupMenu1->addAction(QStringLiteral("Produktinfo via www"));
    Artikelnswww1->setObjectName(QStringLiteral("Artikelnswww1"));
    VisaUtgatt1 = PopupMenu1->addAction(QStringLiteral("Visa även artiklar som UTGÅTT"));
    VisaUtgatt1->setObjectName(QStringLiteral("VisaUtgatt1"));
    ListBoxLivs->setContextMenuPolicy(Qt::CustomContextMenu);

    // Hidden from the menus; reached only by its shortcut.
    Skpnamn1 = new QAction(QStringLiteral("Sök på namn"), this);
    Skpnamn1->setObjectName(QStringLiteral("Skpnamn1"));
    Skpnamn1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Skpnamn1->setShortcutContext(Qt::WindowShortcut);
    addAction(Skpnamn1);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), ListBoxLivs);
    escape->setContext(Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, Edit1, [this] { Edit1->setFocus(); });

    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(TimerDabasInlasning, &QTimer::timeout, this, &TForm1::LoadDabas);
    connect(CheckBoxSnabbSok, &QCheckBox::clicked, this, &TForm1::CheckBoxSnabbSokClick);
    connect(CheckBoxDabas, &QCheckBox::clicked, this, &TForm1::ActivateDabas);
    for (QCheckBox *box : {CheckBoxSvensk, CheckBoxNorsk, CheckBoxDansk})
        connect(box, &QCheckBox::clicked, this, &TForm1::CountryBoxClick);
    connect(ComboBoxSLVgrupp, &QComboBox::activated, this,
            [this](int index) { FilterByFoodGroup(ComboBoxSLVgrupp->itemText(index)); });
    connect(ComboBoxFabrikant, &QComboBox::activated, this, &TForm1::FilterByManufacturer);
    connect(ComboBoxDabas, &QComboBox::activated, this, &TForm1::ComboBoxDabasChange);
    connect(ListBoxLivs, &QWidget::customContextMenuRequested, this, &TForm1::ListBoxLivsContextPopup);
    connect(VisaUtgatt1, &QAction::triggered, this, &TForm1::VisaUtgatt1Click);
    connect(Skpnamn1, &QAction::triggered, this, &TForm1::Skpnamn1Click);
}

void TForm1::LoadSearchLists()
{
    SearchListState &search = state.search;
    search.lists = FoodNameLists{};
    // The registers are opened before the lists are read; without them the lists stay empty
    // (start-up has already reported why).
    if (state.registers) {
        QSqlDatabase db = state.registers->database().connection();
        NameListsLoad load = LoadStartupNameLists(db);
        search.lists = std::move(load.lists);
        if (!load.status)
            Dialogs::information(this, load.status.message);
    }
    if (search.lists.groups.isEmpty())
        search.lists.groups = GroupsOf(search.lists.national);

    ComboBoxSLVgruppH->clear();
    ComboBoxSLVgruppH->addItem(QStringLiteral(" Livsmedelsgrupper"));
    ComboBoxSLVgruppH->addItems(search.lists.groups);
    search.GroupCount = int(search.lists.groups.size());
}

void TForm1::StartSearchList()
{
    const QString country = state.app.CountryCode;
    if (country == u"N")
        CheckBoxNorsk->setChecked(true);
    else if (country == u"D")
        CheckBoxDansk->setChecked(true);
    else if (country == u"S" || country == u"X" || country == u"E")
        CheckBoxSvensk->setChecked(true);
    RebuildGroupList();
    Edit1->setText(country == u"E" ? QStringLiteral("Find") : QStringLiteral("Sök"));
    Edit1->selectAll();
    FillSearchList(QStringLiteral("banan"));
}

int TForm1::FillSearchList(const QString &text)
{
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    state.search.ListMode = QStringLiteral("namn");
    SearchOptions options;
    options.swedish = CheckBoxSvensk->isChecked();
    options.norwegian = CheckBoxNorsk->isChecked();
    options.danish = CheckBoxDansk->isChecked();
    options.dabas = CheckBoxDabas->isChecked();
    options.showDiscontinued = state.search.ShowDiscontinued;
    return ::FillSearchList(state.search.lists, text, options, *ListBoxLivsModel);
}

void TForm1::selectFirstListItem()
{
    if (ListBoxLivsModel->count() > 0)
        ListBoxLivs->setCurrentIndex(ListBoxLivsModel->index(0, 0));
}

void TForm1::afterNamedSearch(int hits)
{
    selectFirstListItem();
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    if (hits == 0) {
        Edit1->clear();
        Edit1->setFocus();
    } else {
        ListBoxLivs->setFocus();
    }
}

void TForm1::FilterByFoodGroup(const QString &group)
{
    ComboBoxFabrikant->setCurrentIndex(0);
    Edit1->clear();
    if (::FilterByFoodGroup(state.search.lists, group, *ListBoxLivsModel) < 0)
        return;
    selectFirstListItem();
    ListBoxLivs->setFocus();
}

void TForm1::FilterByManufacturer(int index)
{
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxSLVgrupp->setCurrentIndex(0);
    const QString tag = ComboBoxFabrikantH->itemText(index);
    if (tag.isEmpty())
        return;
    state.search.ListMode = QStringLiteral("fabrikant");
    ::FilterByManufacturer(state.search.lists, tag, *ListBoxLivsModel);
    selectFirstListItem();
    ListBoxLivs->setFocus();
}

void TForm1::ComboBoxDabasChange(int index)
{
    FillSearchList(u'/' + ComboBoxDabas->itemText(index));
    selectFirstListItem();
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    ListBoxLivs->setFocus();
}

void TForm1::RebuildGroupList()
{
    BuildVisibleGroupList();
}

bool TForm1::Edit1KeyPress(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString text = Edit1->text();
    if (CheckBoxSnabbSok->isChecked()) {
        if (enter) {
            selectFirstListItem();
            ListBoxLivs->setFocus();
            if (text.contains(u':') && SearchFieldFreeText)
                SearchFieldFreeText(text);
            return true;
        }
        // Only keys that type or delete text start a search; a running timer is not restarted,
        // so fast typing searches once, half a second after the first key.
        const bool edits = !event->text().isEmpty() || event->key() == Qt::Key_Delete;
        if (edits && !Timer1->isActive())
            Timer1->start();
        return false;
    }
    if (!enter)
        return false;
    if (text.contains(u':')) {
        if (SearchFieldFreeText)
            SearchFieldFreeText(text);
        return true;
    }
    if (text.size() < 2) {
        Dialogs::information(this, kShortText);
        return true;
    }
    if (SearchFieldCodeEntry && SearchFieldCodeEntry(text))
        return true;
    const int hits = FillSearchList(text);
    state.search.LastSearchText = text;
    afterNamedSearch(hits);
    return true;
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    FillSearchList(Edit1->text());
}

void TForm1::CheckBoxSnabbSokClick()
{
    Edit1->setFocus();
}

void TForm1::CountryBoxClick()
{
    const QString text = Edit1->text();
    const int hits = FillSearchList(text);
    state.search.LastSearchText = text;
    afterNamedSearch(hits);
    RebuildGroupList();
}

void TForm1::VisaUtgatt1Click()
{
    switch (Dialogs::askYesNoCancel(this, QStringLiteral("Visa också artiklar som UTGÅTT"))) {
    case Dialogs::Answer::Yes:
        state.search.ShowDiscontinued = true;
        break;
    case Dialogs::Answer::No:
        state.search.ShowDiscontinued = false;
        break;
    default:
        break;
    }
    CountryBoxClick();
}

void TForm1::Skpnamn1Click()
{
    QString answer;
    if (!Dialogs::inputText(this, QStringLiteral("Skriv ett ord att söka på (t.ex. soppa)"),
                            QStringLiteral("Sökord+ENTER"), answer))
        return;
    if (answer.size() < 2) {
        Dialogs::information(this, kShortText);
        return;
    }
    FillSearchList(answer);
    state.search.LastSearchText = answer;
    selectFirstListItem();
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    ListBoxLivs->setFocus();
}

void TForm1::ActivateDabas()
{
    Dialogs::information(this, QStringLiteral("OBS! Dabas-produkter är ofta ofullständigt deklarerade och "
                                              "produkter kan utgå i kommande uppdateringar"));
    if (state.app.DabasLoaded) {
        ComboBoxDabas->setVisible(!ComboBoxDabas->isVisible());
    } else {
        StatusBar1->showMessage(QStringLiteral("Wait while reading"));
        StatusBar1->setVisible(true);
        // The load runs from the event loop, so the window can show the status bar first.
        if (!TimerDabasInlasning->isActive())
            TimerDabasInlasning->start();
    }
    FillSearchList(state.search.LastSearchText);
}

void TForm1::LoadDabas()
{
    TimerDabasInlasning->stop();
    if (state.app.DabasLoaded)
        return;
    FoodNameList dabas;
    QString problem;
    if (!state.registers) {
        problem = QStringLiteral("Livsmedelsregistren är inte öppna.");
    } else {
        QSqlDatabase db = state.registers->database().connection();
        NameListLoad load = LoadFoodNameList(db, QStringLiteral("dabas"), true, [this](int n) {
            if (n % kDabasProgressStep == 0) {
                StatusBar1->showMessage(QString::number(n) + QStringLiteral(" products. Wait!!!"));
                StatusBar1->repaint(); // the load holds the event loop
            }
        });
        dabas = std::move(load.list);
        if (!load.status)
            problem = load.status.message;
    }
    StatusBar1->showMessage(QString::number(dabas.count()) + QStringLiteral(" products. Wait!!!"));
    const QStringList companies = DistinctGroups(dabas);
    state.search.lists.dabas = std::move(dabas);

    ComboBoxDabas->clear();
    ComboBoxDabas->addItem(QStringLiteral("  Select company"));
    ComboBoxDabas->addItems(companies);
    // What was read stays usable even when the walk stopped early; the user is told why.
    state.app.DabasLoaded = true;
    ComboBoxDabas->setVisible(true);
    StatusBar1->setVisible(false);
    if (!problem.isEmpty())
        Dialogs::information(this, problem);
}

void TForm1::ListBoxLivsContextPopup(const QPoint &pos)
{
    const QModelIndex index = ListBoxLivs->indexAt(pos);
    state.search.SelectedListIndex = index.isValid() ? index.row() : -1;
    if (index.isValid())
        state.search.SelectedListCode = CodeFromTwinLine(ListBoxLivsModel->twinAt(index.row()));
    PopupMenu1->popup(ListBoxLivs->viewport()->mapToGlobal(pos));
}
