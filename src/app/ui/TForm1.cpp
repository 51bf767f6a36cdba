// Start-up and closing of the main window.
#include "app/ui/TForm1.h"

#include "app/ProgramState.h"
#include "app/StartupConfig.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TFormInst.h"
#include "files/FoodLists.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

TForm1::TForm1(ProgramState &programState, QWidget *parent)
    : QMainWindow(parent)
    , state(programState)
{
    buildLayout();
    connectFeatures();

    buildFileControls();
    buildRecoveryCopy();
}

Status TForm1::FormCreate(const QString &programDir)
{
    // 1. Data files are looked up beside the executable, so the folder can be copied anywhere.
    if (!programDir.isEmpty())
        QDir::setCurrent(programDir);
    const QString dir = QDir::currentPath();

    // 2. Start values.
    ResetAppState(state.app);
    state.app.StartingUp = true;

    // 3. country.txt
    ReadCountryFile(dir, state.app);
    applyCountryControls();

    // The food registers, opened once for both the name lists and every lookup; nothing can be
    // listed, added or opened without them.
    if (Status registers = OpenFoodRegisters(dir); !registers)
        return registers;

    // 4. The search name lists and the food groups.
    LoadSearchLists();

    // 5. Every requirement 100 until a norm is installed.
    state.norm.values.fill(100.0f);

    // 6. The program folder is where the personal lists are written back.
    state.app.ProgramDirectory = dir;

    // 7. The nutrient catalogue: the program cannot work without it.
    auto catalogue = LoadNutrientCatalogue(dir);
    if (!catalogue)
        return Status::failure(catalogue.message);
    state.catalogue = std::move(*catalogue);

    // 9. An empty Computation; nothing has changed yet, so no question is asked.
    NewComputation();

    // 10, 11. initdir.txt and losenord.txt
    state.app.DisplayMode = 0;
    ReadInitialDirectoryFile(dir, state.app);
    ReadPasswordFile(dir, state.app);

    // 13. The visible food-group list.
    BuildVisibleGroupList();

    // 14. Start in the extended layout.
    ButtonEnklareClick();

    // The norm and nutrient-selection windows (the default norm), the favourites and the earlier
    // Computations; then the settings window reads velmora.para and runs the first recalculation.
    if (Status s = createFileWindows(); !s)
        return s;
    FormInst->SettingsCreated();

    // The first search, so that the list is not empty when the window opens.
    StartSearchList();

    // Last, with the registers, the norm and the settings in place: work a crash left unsaved.
    OfferRecoveryCopy();
    return Status::success();
}

void TForm1::applyCountryControls()
{
    MealButtons[0]->setText(state.app.BreakfastShortName.isEmpty() ? QStringLiteral("Frukost")
                                                                   : state.app.BreakfastShortName);
    const bool hidden = state.app.CountryControlsHidden;
    Vljsprk1->menuAction()->setVisible(!hidden);
    CheckBoxDansk->setVisible(!hidden);
    CheckBoxNorsk->setVisible(!hidden);
    CheckBoxSvensk->setVisible(!hidden);
}

void TForm1::BuildVisibleGroupList()
{
    ComboBoxSLVgrupp->clear();
    ComboBoxSLVgrupp->addItem(QStringLiteral(" Livsmedelsgrupper"));
    for (int i = 1; i < ComboBoxSLVgruppH->count(); ++i) {
        const QString group = ComboBoxSLVgruppH->itemText(i);
        if (group.isEmpty())
            continue;
        const bool norwegian = group.contains(QStringLiteral("/No"));
        if ((CheckBoxNorsk->isChecked() || !norwegian) && (CheckBoxSvensk->isChecked() || norwegian))
            ComboBoxSLVgrupp->addItem(group);
    }
    ComboBoxSLVgrupp->setCurrentIndex(0);
}

void TForm1::ButtonEnklareClick()
{
    static const char *const extended[] = {
        "ButtonFavoriter", "ButtonSenaste", "CheckBoxDabas",      "ButtonVisaSiffror", "Button8",
        "ButtonNvPerKg",   "ButtonFett",    "ButtonEnergiCirkel", "ButtonNv100g",      "ButtonSalt",
        "Button1",         "Button2",       "ButtonProcent",      "SpeedButton8",      "ButtonGram"};
    static const char *const simpleHidden[] = {"CheckBoxSnabbSok", "ComboBoxFabrikant", "ButtonLivsGrupper",
                                               "ButtonInsulin"};
    auto setShown = [this](const char *name, bool shown) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->setVisible(shown);
    };
    const bool toExtended = ButtonEnklare->text() == QStringLiteral("Visa fler funktioner.");
    ButtonEnklare->setText(toExtended ? QStringLiteral("Visa enklare version.")
                                      : QStringLiteral("Visa fler funktioner."));
    for (const char *name : extended)
        setShown(name, toExtended);
    MemoHelp->setVisible(!toExtended);
    if (!toExtended) {
        for (const char *name : simpleHidden)
            setShown(name, false);
        ComboBoxSLVgrupp->setVisible(true);
    }
}

bool TForm1::AskSaveBeforeDiscard()
{
    if (!state.app.ComputationChanged)
        return true;
    // Whatever the answer, the work is on disk before the question can discard it.
    writeRecoveryCopy();
    switch (
        Dialogs::askYesNoCancel(this, QStringLiteral("Vill du spara denna beräkning innan en ny startas?"))) {
    case Dialogs::Answer::Yes:
        // Going on after a failed save would throw the user's work away.
        return SaveComputationCommand();
    case Dialogs::Answer::No:
        return true;
    default:
        return false;
    }
}

bool TForm1::SaveComputationCommand()
{
    return SaveComputation();
}

bool TForm1::FormClose()
{
    if (!AskSaveBeforeDiscard())
        return false;
    discardRecoveryCopy();
    FoodLists::StoreLists(state, state.app.ProgramDirectory);
    CloseFoodRegisters();
    return true;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}
