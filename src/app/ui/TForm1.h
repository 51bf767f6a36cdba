#pragma once

#include "app/Result.h"
#include "files/FoodPairList.h"

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

class QListWidget;
class TFormNorm;
class Tformnvval;
class TFormVisaNv;

class QColor;
// Registration and calculation
class BarChartView;
class QChartView;
class QKeyEvent;
class QListWidget;
class QListWidgetItem;
class QResizeEvent;
class QSpinBox;
class QTimer;
class QVBoxLayout;
class TFormEnergiCirkel;
class TFormInst;
class TFormNvPer100g;
class TFormNvPerKg;
class TFormsiffror;

// Text colour of meal-grid row `index` (1 based, repeating every nine rows).
QColor MealRowColour(int index);

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
    QComboBox *ComboBox1 = nullptr; // day selector
    StringGrid *StringGridMaltid = nullptr;
    QLineEdit *Edit1 = nullptr; // search field
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
    void connectFeatures();
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
    QAction *LggfavoritListan1 = nullptr;
    QAction *TabortfavoritListan1 = nullptr;
    QAction *VisaUtgatt1 = nullptr;
    QAction *Skpnamn1 = nullptr; // "Sök på namn", Ctrl+S

private:
    void buildSearchControls(QVBoxLayout *column);
    // Reads the start-up name lists and the food groups from the opened registers.
    void LoadSearchLists();
    // Item 0 of the list, of the company list and of the manufacturer list; then the focus to
    // the list, or with no hits an empty search field.
    void afterNamedSearch(int hits);
    void selectFirstListItem();

    // --- Computation files, norms, nutrient selection, clipboards, favourites (TForm1_files.cpp) ---
public:
    // "Spara Beräkning": false when cancelled or the ".diet" file could not be written.
    bool SaveComputation();
    // "Hämta beräkning".
    void OpenComputation();
    // "Radera beräkningar".
    void DeleteComputations();
    // "Tidigare beräkningar": the list over the meal grid.
    void ShowEarlierComputations();
    void HideEarlierComputations();
    void ListBoxTidigareFilerClick(int index);
    void CopyMeal();
    void PasteMeal();
    void CopyDay();
    void PasteDay();
    // The food lists shown in the search list.
    void ShowFavourites();
    void ShowRecentFoods();
    void ShowMealTypeFoods(int meal);
    void AddFavourite(int searchListIndex);
    void RemoveFavourite(int searchListIndex);
    // Remembers the chosen search-list line among the recent foods (called by the add-food command).
    void RememberFood(int searchListIndex);

    QAction *SparaBerkning1 = nullptr;
    QAction *Hmtaberkning1 = nullptr;
    QAction *senaste1 = nullptr;
    QAction *Radera = nullptr;
    QAction *Kopieradennamltid1 = nullptr;
    QAction *Klistrainmltid1 = nullptr;
    QAction *Kopieradag1 = nullptr;
    QAction *Klistraindag1 = nullptr;
    QAction *StandardnormerSNR1 = nullptr;
    QAction *Vljnringsmnen1 = nullptr;
    QMenu *Normer1 = nullptr;
    QMenu *Redigera1 = nullptr;
    QListWidget *ListBoxTidigareFiler = nullptr;
    QPushButton *ButtonClose = nullptr;
    QPushButton *ButtonFavoriter = nullptr;
    QPushButton *ButtonSenaste = nullptr;
    TFormNorm *FormNorm = nullptr;
    Tformnvval *Formnvval = nullptr;

private:
    void buildFileControls();
    // Creates the norm and nutrient-selection windows and reads the lists: part of start-up.
    Status createFileWindows();
    // After a file, norm or selection command: the central recalculation and the views.
    void refreshAfterFileCommand();
    void fillSearchList(const FoodPairList &list);
    void showOpenedCaption(const QString &fileName, const QString &dateText);
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

    // --- Recovery copy of the unsaved Computation (TForm1_recovery.cpp) ---
public:
    // Writes the recovery copy this long after a change (30 s; tests shorten it).
    void setRecoveryInterval(int milliseconds);
    QTimer *recoveryTimer = nullptr;

private:
    void buildRecoveryCopy();
    // End of start-up: offers a copy left by a run that ended without saving, then keeps copies.
    void OfferRecoveryCopy();
    // After a change: starts the timer of the next copy (not restarted by further changes).
    void scheduleRecoveryCopy();
    // Writes the copy now when the Computation has unsaved changes (timer, or before a question).
    void writeRecoveryCopy();
    // The Computation was saved or deliberately discarded: its copy goes.
    void discardRecoveryCopy();
    // No copy is written or removed before start-up has offered the one a crash left.
    bool recoveryArmed = false;
    bool recoveryFailureShown = false;

    // --- Registration and calculation (TForm1_editing.cpp, TForm1_charts.cpp) ---
public:
    // Recomputes every result and repaints the main window and the open result views.
    void Recalculate();
    // The food selected in the search list into the current meal: row 0 = the first free row;
    // with `insert` the rows from `row` down move one step first.
    void AddFood(int row = 0, bool insert = false);
    // A typed national code straight into the first free row; false when the code is unknown.
    bool AddFoodByCode(const QString &text);
    // A heading row ("Kl 8: frukost") without weight or nutrients.
    void AddTextRow(const QString &text);
    // Commits a typed cell of the meal grid (Enter or an arrow key).
    void CommitMealCell(int row, int column, const QString &text, bool byEnter);
    void SetChartTitle();
    void FillCharts();
    // Points per page of the bar chart for its height and the selected nutrient count.
    static int BarPageSize(int chartHeight, int selectedCount);
    void UpdateBarPageSize();

    QPushButton *Button3 = nullptr; // OK
    QPushButton *Button4 = nullptr; // +
    QPushButton *Button5 = nullptr; // -
    QPushButton *Button6 = nullptr; // Ta bort rad
    QPushButton *ButtonBytAlla = nullptr;
    QPushButton *ButtonAngra = nullptr;
    QListWidget *ListBoxVikter = nullptr;
    QPlainTextEdit *MemoHogerklick = nullptr;
    QTimer *TimerHogerKlick = nullptr;
    QAction *Installningar1 = nullptr;
    BarChartView *ChartStapel = nullptr;
    QChartView *ChartEnergi = nullptr;
    QChartView *ChartEnergiRek = nullptr;
    QSpinBox *SpinButton1 = nullptr; // page of the bar chart
    QPushButton *Button1 = nullptr;  // Zoom -
    QPushButton *Button2 = nullptr;  // Zoom +
    QPushButton *ButtonProcent = nullptr;
    QToolButton *SpeedButton5 = nullptr;  // Staplar
    QToolButton *SpeedButton6 = nullptr;  // Energicirklar
    QToolButton *SpeedButton8 = nullptr;  // Saknade värden
    QToolButton *SpeedButton9 = nullptr;  // Måltid
    QToolButton *SpeedButton10 = nullptr; // Dag
    QToolButton *SpeedButton11 = nullptr; // Dagar
    QCheckBox *CheckboxAlkohol = nullptr;
    QPlainTextEdit *MemoStapel = nullptr;
    QPushButton *ButtonVisaSiffror = nullptr;
    QPushButton *ButtonNvPerKg = nullptr;
    QPushButton *ButtonEnergiCirkel = nullptr;
    QPushButton *ButtonNv100g = nullptr;
    TFormInst *FormInst = nullptr;
    TFormsiffror *Formsiffror = nullptr;
    TFormNvPerKg *FormNvPerKg = nullptr;
    TFormNvPer100g *FormNvPer100g = nullptr;
    TFormEnergiCirkel *FormEnergiCirkel = nullptr;
    int SelectedColumn = 0;
    int BarPageSizeShown = 8;
    double BarAxisMaximum = 200;

public slots:
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void ButtonBytAllaClick();
    void ButtonAngraClick();
    void ListBoxVikterClick(QListWidgetItem *item);
    void Button1Click();
    void Button2Click();
    void ButtonProcentClick();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void SetDisplayMode(int mode);
    void CheckboxAlkoholClick();
    void ButtonVisaSiffrorClick();
    void ButtonNvPerKgClick();
    void ButtonEnergiCirkelClick();
    void ButtonNv100gClick();
    void Installningar1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildCalculationControls(QWidget *central, QVBoxLayout *middle, QVBoxLayout *right);
    void connectEditing();
    void showUnitList(const QPoint &gridPos);
    void deleteCurrentRow();
    void refreshDaySelector();
    void fillBarChart();
    void fillEnergyPies();
    bool handleMealGridKey(QKeyEvent *key);
    // A letter typed in the meal grid starts a search instead.
    void typeIntoSearchField(const QString &text);
};
