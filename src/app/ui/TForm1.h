#pragma once

#include "app/Result.h"

#include <QMainWindow>
#include <QUrl>
#include <array>
#include <functional>

struct ProgramState;
class StringGrid;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class SearchListModel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QKeyEvent;
class QStatusBar;
class QTimer;
class QVBoxLayout;
class TFormVisaNv;

// The main window: the meal grid of the current day and meal, the meal buttons, the day
// selector and the search field with its food list.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(ProgramState &state, QWidget *parent = nullptr);

    // Start-up: makes the program folder the working directory, reads the configuration files
    // and the nutrient catalogue, starts an empty Computation. A failure the program cannot
    // run without (the nutrient catalogue) comes back with its message.
    Status FormCreate(const QString &programDir);

    // "Ny beräkning": false when the user cancelled the save question.
    bool NewComputation();
    void SelectDay(int day);
    void SelectMeal(int meal);
    void PaintMealGrid();
    void PaintMealButtons();
    void UpdateCaption();

    // The visible food-group list from the full one, by the food-country boxes.
    void BuildVisibleGroupList();

    ProgramState &State() { return state; }

    // --- Controls (named as the program's other windows and its tests refer to them) ---
    QMenu *Arkiv1 = nullptr;
    QAction *Nyberkning1 = nullptr;
    QAction *Avsluta1 = nullptr;
    QMenu *Vljsprk1 = nullptr;
    std::array<QToolButton *, 9> MealButtons{}; // SpeedButton1..4, 12..16
    QButtonGroup *MealButtonGroup = nullptr;
    QComboBox *ComboBox1 = nullptr;   // day selector
    StringGrid *StringGridMaltid = nullptr;
    QLineEdit *Edit1 = nullptr;       // search field
    QListView *ListBoxLivs = nullptr;
    SearchListModel *ListBoxLivsModel = nullptr; // visible lines and their twins (ListBoxLivsH)
    QComboBox *ComboBoxSLVgrupp = nullptr;
    QComboBox *ComboBoxSLVgruppH = nullptr; // hidden full group list
    QCheckBox *CheckBoxSvensk = nullptr;
    QCheckBox *CheckBoxNorsk = nullptr;
    QCheckBox *CheckBoxDansk = nullptr;
    QPlainTextEdit *MemoHelp = nullptr;
    QPushButton *ButtonEnklare = nullptr;

public slots:
    void Nyberkning1Click();
    void ButtonEnklareClick();
    void ComboBox1Change(int index);
    void MealButtonClick(int meal);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Closing: the save question, then the lists written back. False keeps the window open.
    bool FormClose();
    // Asks whether to save a changed Computation; false when the user cancelled.
    bool AskSaveBeforeDiscard();
    // The save command of the Computation files.
    bool SaveComputationCommand();
    void buildLayout();
    void buildMenus();
    void applyCountryControls();

    ProgramState &state;

    // --- Food search list (TForm1_search.cpp) ---
public:
    // The name search into ListBoxLivs; returns the number of foods listed.
    int FillSearchList(const QString &text);
    void FilterByFoodGroup(const QString &group);
    void FilterByManufacturer(int index);
    // The company search: the names that hold "/" + the chosen company.
    void ComboBoxDabasChange(int index);
    void RebuildGroupList();
    void ActivateDabas();
    void LoadDabas();
    // Right-click on the list: the item under `pos` (viewport coordinates) and the popup menu.
    void ListBoxLivsContextPopup(const QPoint &pos);
    // A key in the search field; true when the key was handled here.
    bool Edit1KeyPress(QKeyEvent *event);
    void Timer1Timer();
    void CheckBoxSnabbSokClick();
    void CountryBoxClick();
    void VisaUtgatt1Click();
    void Skpnamn1Click();
    // Fills the list once as start-up ends: the country box of the country letter is ticked.
    void StartSearchList();

    // What the search field hands to the meal rows: a text holding ":" (a free-text row), and
    // a typed food code (true when it was taken and the search need not run).
    std::function<void(const QString &)> SearchFieldFreeText;
    std::function<bool(const QString &)> SearchFieldCodeEntry;

    QCheckBox *CheckBoxSnabbSok = nullptr;
    QCheckBox *CheckBoxDabas = nullptr;
    QComboBox *ComboBoxFabrikant = nullptr;
    QComboBox *ComboBoxFabrikantH = nullptr; // hidden manufacturer tags
    QComboBox *ComboBoxDabas = nullptr;
    QTimer *Timer1 = nullptr;              // quick search
    QTimer *TimerDabasInlasning = nullptr; // Dabas loading
    QStatusBar *StatusBar1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Visanringenper100g1 = nullptr;
    QAction *Artikelnswww1 = nullptr;
    QAction *VisaUtgatt1 = nullptr;
    QAction *Skpnamn1 = nullptr; // "Sök på namn", Ctrl+S

private:
    void buildSearchControls(QVBoxLayout *column);
    // Reads the start-up name lists and the food groups from the program folder's registers.
    void LoadSearchLists(const QString &programDir);
    // Item 0 of the list, of the company list and of the manufacturer list; then the focus to
    // the list, or with no hits an empty search field.
    void afterNamedSearch(int hits);
    void selectFirstListItem();

    // --- Food registers, the per-100 g window and product pages (TForm1_foodinfo.cpp) ---
public:
    // "Visa näringen per 100g": the food's nutrients per 100 g beside the food shown before.
    void ShowFoodPer100g(const QString &code);
    // "Produktinfo via www": opens the food's product page; gives the address (empty: none).
    QUrl OpenProductInfo(const QString &code);
    TFormVisaNv *FormVisaNv = nullptr; // created on first use
    // Hands an address to the desktop's web browser; tests replace it.
    std::function<bool(const QUrl &)> OpenUrl;

private:
    // Start-up step 8: the register database; a failure names the file.
    Status OpenFoodRegisters(const QString &dir);
    void CloseFoodRegisters();
};
