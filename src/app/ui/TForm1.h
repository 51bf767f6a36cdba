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
class QListWidget;
class TFormNorm;
class Tformnvval;
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
};
