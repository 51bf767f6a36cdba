// The main window's controls and menus.
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "food/SearchListModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kMealButtonNames[9] = {"SpeedButton1",  "SpeedButton2",  "SpeedButton3",
                                         "SpeedButton4",  "SpeedButton12", "SpeedButton13",
                                         "SpeedButton14", "SpeedButton15", "SpeedButton16"};
const char *const kMealButtonCaptions[9] = {"Frukost", "Lunch", "Middag", "Mm1", "Mm2",
                                            "Mm3",     "Mm4",   "Mm5",    "Mm6"};

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

const char *const kHelpText = "Så här gör du:\n"
                              "1. Skriv början av ett livsmedels namn i sökfältet.\n"
                              "2. Dubbelklicka på livsmedlet i listan; det hamnar i den valda måltiden.\n"
                              "3. Skriv antal, gram eller klockslag i måltidstabellen och tryck Enter.\n"
                              "4. Välj måltid med knapparna och dag i listan ovanför tabellen.";

} // namespace

void TForm1::buildMenus()
{
    Arkiv1 = menuBar()->addMenu(QStringLiteral("Arkiv"));
    Arkiv1->setObjectName(QStringLiteral("Arkiv1"));
    Nyberkning1 = Arkiv1->addAction(QStringLiteral("Ny beräkning"));
    Nyberkning1->setObjectName(QStringLiteral("Nyberkning1"));
    connect(Nyberkning1, &QAction::triggered, this, &TForm1::Nyberkning1Click);
    Arkiv1->addSeparator();
    Avsluta1 = Arkiv1->addAction(QStringLiteral("Avsluta"));
    Avsluta1->setObjectName(QStringLiteral("Avsluta1"));
    connect(Avsluta1, &QAction::triggered, this, &QWidget::close);

    Vljsprk1 = menuBar()->addMenu(QStringLiteral("Välj språk"));
    Vljsprk1->setObjectName(QStringLiteral("Vljsprk1"));
    QAction *swedish = Vljsprk1->addAction(QStringLiteral("Svenska"));
    swedish->setCheckable(true);
    swedish->setChecked(true);
}

void TForm1::buildLayout()
{
    setObjectName(QStringLiteral("TForm1"));
    buildMenus();

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    // Left: the search field, the food-country boxes, the group list and the food list.
    auto *left = new QVBoxLayout;
    Edit1 = named(new QLineEdit(central), "Edit1");
    Edit1->setPlaceholderText(QStringLiteral("Sök livsmedel"));
    left->addWidget(Edit1);
    auto *countries = new QHBoxLayout;
    CheckBoxSvensk = named(new QCheckBox(QStringLiteral("Svensk mat"), central), "CheckBoxSvensk");
    CheckBoxNorsk = named(new QCheckBox(QStringLiteral("Norsk mat"), central), "CheckBoxNorsk");
    CheckBoxDansk = named(new QCheckBox(QStringLiteral("Dansk mat"), central), "CheckBoxDansk");
    CheckBoxSvensk->setChecked(true);
    countries->addWidget(CheckBoxSvensk);
    countries->addWidget(CheckBoxNorsk);
    countries->addWidget(CheckBoxDansk);
    countries->addStretch();
    left->addLayout(countries);
    ComboBoxSLVgrupp = named(new QComboBox(central), "ComboBoxSLVgrupp");
    ComboBoxSLVgruppH = named(new QComboBox(central), "ComboBoxSLVgruppH");
    ComboBoxSLVgruppH->setVisible(false);
    left->addWidget(ComboBoxSLVgrupp);
    ListBoxLivs = named(new QListView(central), "ListBoxLivs");
    ListBoxLivs->setUniformItemSizes(true);
    ListBoxLivs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBoxLivsModel = new SearchListModel(this);
    ListBoxLivs->setModel(ListBoxLivsModel);
    left->addWidget(ListBoxLivs, 1);
    buildSearchControls(left);
    columns->addLayout(left, 2);

    // Middle: the meal buttons, the day selector and the meal grid.
    auto *middle = new QVBoxLayout;
    auto *meals = new QHBoxLayout;
    MealButtonGroup = new QButtonGroup(this);
    MealButtonGroup->setExclusive(true);
    for (int m = 0; m < 9; ++m) {
        auto *b = named(new QToolButton(central), kMealButtonNames[m]);
        b->setText(QString::fromUtf8(kMealButtonCaptions[m]));
        b->setCheckable(true);
        b->setAutoRaise(false);
        MealButtonGroup->addButton(b, m);
        MealButtons[m] = b;
        meals->addWidget(b);
    }
    MealButtons[0]->setChecked(true);
    connect(MealButtonGroup, &QButtonGroup::idClicked, this, &TForm1::MealButtonClick);
    meals->addStretch();
    ComboBox1 = named(new QComboBox(central), "ComboBox1");
    for (int d = 1; d <= 21; ++d)
        ComboBox1->addItem(QStringLiteral("dag%1").arg(d));
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    meals->addWidget(ComboBox1);
    middle->addLayout(meals);

    StringGridMaltid = named(new StringGrid(5, 200, central), "StringGridMaltid");
    const char *const headers[5] = {"Livsmedel", "Antal", "Enhet", "Gram", "klockan"};
    const int widths[5] = {248, 47, 50, 45, 37};
    for (int c = 0; c < 5; ++c) {
        StringGridMaltid->SetCells(c, 0, QString::fromUtf8(headers[c]));
        StringGridMaltid->setColumnWidth(c, widths[c]);
    }
    StringGridMaltid->horizontalHeader()->setStretchLastSection(true);
    StringGridMaltid->setToolTip(
        QStringLiteral("Högerklick visar enhetsvikter. Skriv gram, antal eller klockslag+ Enter"));
    middle->addWidget(StringGridMaltid, 1);
    columns->addLayout(middle, 3);

    // Right: the help text and the layout toggle.
    auto *right = new QVBoxLayout;
    MemoHelp = named(new QPlainTextEdit(QString::fromUtf8(kHelpText), central), "MemoHelp");
    MemoHelp->setReadOnly(true);
    right->addWidget(MemoHelp, 1);
    ButtonEnklare = named(new QPushButton(QStringLiteral("Visa fler funktioner."), central), "ButtonEnklare");
    ButtonEnklare->setVisible(false); // not part of the window's design; start-up clicks it once
    connect(ButtonEnklare, &QPushButton::clicked, this, &TForm1::ButtonEnklareClick);
    right->addWidget(ButtonEnklare);
    buildCalculationControls(central, middle, right);
    columns->addLayout(right, 2);

    setCentralWidget(central);
    resize(1180, 720);
}
