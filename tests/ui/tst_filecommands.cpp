#include "app/ProgramState.h"
#include "app/TextFile.h"
#include "app/ui/Dialogs.h"
#include "app/ui/EditLock.h"
#include "app/ui/StringGrid.h"
#include "app/ui/TForm1.h"
#include "food/SearchListModel.h"
#include "norms/ui/TFormNorm.h"
#include "norms/ui/Tformnvval.h"
#include "support/FakeFoodLookup.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <optional>

namespace {

// A started main window in a temporary program folder, with a few foods in the registers.
struct Started {
    TemporaryProgramFolder folder;
    FakeFoodLookup foods;
    ProgramState state;
    std::unique_ptr<TForm1> window;

    explicit Started(const QStringList &passwordFile = {})
    {
        if (!passwordFile.isEmpty())
            folder.writeText(QStringLiteral("losenord.txt"), passwordFile);
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("101"), QStringLiteral("Mjölk"), 3.4f, 3,
                                                    4.8f, 200, QStringLiteral("glas")));
        foods.add(FoodRegister::Brasol100, makeFood(QStringLiteral("2208"), QStringLiteral("Bröd"), 9, 4, 45,
                                                    30, QStringLiteral("skiva")));
        state.foods = &foods;
        window = std::make_unique<TForm1>(state);
        const Status s = window->FormCreate(folder.path());
        if (!s)
            qFatal("start failed: %s", qPrintable(s.message));
        state.app.StartingUp = false;
    }
    void put(int day, int meal, int row, const QString &code, float grams)
    {
        MealRow &r = state.computation->row(day, meal, row);
        const auto found = foods.FindFood(code, LookupChain::OpenComputation);
        r.code.assign(code);
        r.name.assign(found->record.name);
        r.unitText.assign(found->record.unit);
        r.portionGrams = found->record.portionGrams;
        r.nutrients = found->record.nutrients;
        r.grams = grams;
    }
    int gridRowOfNorm(int number) const
    {
        for (int r = 0; r < window->FormNorm->DBGridNorm->rowCount(); ++r)
            if (window->FormNorm->DBGridNorm->item(r, 0)->text() == QString::number(number))
                return r;
        return -1;
    }
};

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void theNormWindowInstallsTheChosenRow()
    {
        Started s;
        TFormNorm &form = *s.window->FormNorm;
        QCOMPARE(s.state.norm.NormCaption, QStringLiteral("Norm: Kvinnor 31-60 år (standardnorm)"));
        QCOMPARE(form.DBGridNorm->horizontalHeaderItem(2)->text(), QStringLiteral("kJ"));
        QCOMPARE(form.DBGridNorm->horizontalHeaderItem(6)->text(), QStringLiteral("Kolh g"));
        QCOMPARE(form.DBGridNorm->horizontalHeaderItem(7)->text(), QStringLiteral("Retinol _mcg_"));
        QCOMPARE(form.DBGridNorm->columnCount(), 2 + 70);
        s.window->StandardnormerSNR1->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        saveScreenshot(form, QStringLiteral("TFormNorm"));

        const int row = s.gridRowOfNorm(4);
        const QRect cell = form.DBGridNorm->visualRect(form.DBGridNorm->model()->index(row, 1));
        // The view takes a double-click on the cell that was pressed.
        QTest::mousePress(form.DBGridNorm->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form.DBGridNorm->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(s.state.norm.SelectedStandardNorm.number, 4);
        QCOMPARE(s.state.norm.NormKind, QStringLiteral("standarnorm"));
        QCOMPARE(s.state.norm.NormCaption, QStringLiteral("Norm: Män 31-60 år   2629 kcal/dag"));
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Vald Norm: Män 31-60 år   2629 kcal/dag"));
        QVERIFY(!form.isVisible());
        QVERIFY(s.window->windowTitle().contains(QStringLiteral("Norm: Män 31-60 år   2629 kcal/dag")));
        QCOMPARE(qRound(s.state.settings.IdealEnergyDistribution[0]), 15);
        QCOMPARE(qRound(s.state.settings.IdealEnergyDistribution[1]), 32); // fibre counts with carbohydrate
    }

    void theNormTableUnlocksWithThePassword_data()
    {
        QTest::addColumn<QStringList>("passwordFile");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QString>("message");
        QTest::newRow("lower case typed") << QStringList{} << QStringList{"tovalke"} << true << "LÖSENORD";
        QTest::newRow("wrong") << QStringList{} << QStringList{"fel"} << false << "Fel lösenord!";
        QTest::newRow("cancel") << QStringList{} << QStringList{QString()} << false << "LÖSENORD";
        QTest::newRow("own password")
            << QStringList{"*kommentar", "KOST"} << QStringList{"kost"} << true << "LÖSENORD";
        QTest::newRow("OPEN asks nothing") << QStringList{"OPEN"} << QStringList{} << true << "";
    }
    void theNormTableUnlocksWithThePassword()
    {
        QFETCH(QStringList, passwordFile);
        QFETCH(QStringList, typed);
        QFETCH(bool, unlocked);
        QFETCH(QString, message);
        Started s(passwordFile);
        for (const QString &t : typed)
            Dialogs::queueInput(t);
        TFormNorm &form = *s.window->FormNorm;
        form.show();
        QTest::mouseClick(form.ButtonAndra, Qt::LeftButton);
        QCOMPARE(form.isUnlocked(), unlocked);
        QCOMPARE(form.LabelAndra->isVisible(), unlocked);
        QCOMPARE(form.ButtonAndra->isVisible(), !unlocked);
        QCOMPARE(Dialogs::lastMessage(), message);
    }

    void theFixedPasswordIgnoresOpen()
    {
        AppState app;
        app.EditLockPassword = QStringLiteral("OPEN");
        Dialogs::queueInput(QStringLiteral("open"));
        QVERIFY(!EditLock::Unlock(nullptr, app, EditLock::Variant::FixedPassword));
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Fel lösenord!"));
        Dialogs::queueInput(QStringLiteral("tovalke"));
        QVERIFY(EditLock::Unlock(nullptr, app, EditLock::Variant::FixedPassword));
        QCOMPARE(EditLock::UpperAscii(QStringLiteral("åbc")), QStringLiteral("åBC"));
    }

    void anEditedNormRowIsStoredWhenTheCursorLeavesIt()
    {
        Started s;
        Dialogs::queueInput(QStringLiteral("TOVALKE"));
        TFormNorm &form = *s.window->FormNorm;
        form.show();
        form.UnlockNormTable();
        const int row = s.gridRowOfNorm(13);
        form.DBGridNorm->setCurrentCell(row, 1);
        form.DBGridNorm->item(row, 1)->setText(QStringLiteral("Kvinnor 18-30 år, ändrad"));
        form.DBGridNorm->setCurrentCell(row - 1, 1);
        TFormNorm again(s.state);
        QVERIFY(again.FormCreate(s.folder.path()));
        const auto &rows = again.rows();
        QVERIFY(std::any_of(rows.begin(), rows.end(),
                            [](const StandardNormRow &r) { return r.name == u"Kvinnor 18-30 år, ändrad"; }));
    }

    void theNutrientSelectionIsAppliedByOkAndByTheCloseBox()
    {
        Started s;
        Tformnvval &form = *s.window->Formnvval;
        // No selection file at first start: the default nine.
        QCOMPARE(s.state.selection.numbers(), (QList<int>{15, 16, 19, 20, 21, 28, 34, 36, 48}));
        QVERIFY(form.CheckBoxes[28]->isChecked());
        QVERIFY(!form.CheckBoxes[18]);
        QVERIFY(form.LabelAminosyror->isVisibleTo(&form) ==
                s.state.catalogue.DisplayName[66].contains(QStringLiteral("ILE")));
        s.window->Vljnringsmnen1->trigger();
        QVERIFY(form.isVisible());
        saveScreenshot(form, QStringLiteral("Tformnvval"));
        form.CheckBoxes[28]->setChecked(false);
        form.CheckBoxes[64]->setChecked(true);
        QTest::mouseClick(form.ButtonOK, Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(!s.state.selection.isSelected(28));
        QVERIFY(s.state.selection.isSelected(64));
        const QString file = s.folder.filePath(QStringLiteral(".nvval.txt"));
        QCOMPARE(TextFile::readLines(file)->size(), 9);
        QVERIFY(TextFile::readLines(file)->contains(QStringLiteral("64")));

        form.show();
        form.CheckBoxes[64]->setChecked(false);
        form.close();
        QVERIFY(!s.state.selection.isSelected(64));
        QCOMPARE(TextFile::readLines(file)->size(), 8);
    }

    void namedSelectionsAreStoredAndFetched()
    {
        Started s;
        Tformnvval &form = *s.window->Formnvval;
        form.CheckBoxes[65]->setChecked(true);
        Dialogs::queueFileName(s.folder.filePath(QStringLiteral("mina")));
        QTest::mouseClick(form.ButtonSpara, Qt::LeftButton);
        QVERIFY(QFileInfo::exists(s.folder.filePath(QStringLiteral("mina.nvval"))));
        form.CheckBoxes[65]->setChecked(false);
        form.ApplySelection();
        Dialogs::queueFileName(s.folder.filePath(QStringLiteral("mina.nvval")));
        QTest::mouseClick(form.ButtonHamta, Qt::LeftButton);
        QVERIFY(form.CheckBoxes[65]->isChecked());
        QVERIFY(s.state.selection.isSelected(65));
    }

    void saveAndOpenThroughTheMenus()
    {
        Started s;
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        s.put(0, 0, 1, QStringLiteral("101"), 250);
        s.put(2, 1, 1, QStringLiteral("2208"), 60);
        s.state.app.ComputationChanged = true;
        const QString file = s.folder.filePath(QStringLiteral("vecka.diet"));
        Dialogs::queueFileName(s.folder.filePath(QStringLiteral("vecka")));
        s.window->SparaBerkning1->trigger();
        QVERIFY(QFileInfo::exists(file));
        QVERIFY(QFileInfo::exists(s.folder.filePath(QStringLiteral("vecka.norm"))));
        QVERIFY(!s.state.app.ComputationChanged);
        QVERIFY(s.window->windowTitle().startsWith(file));

        // Ny beräkning, then the earlier list opens it again.
        s.window->Nyberkning1->trigger();
        QVERIFY(s.state.computation->row(0, 0, 1).isEmpty());
        s.window->senaste1->trigger();
        QVERIFY(s.window->ListBoxTidigareFiler->isVisible());
        QCOMPARE(s.window->ListBoxTidigareFiler->item(1)->text(), file);
        saveScreenshot(*s.window, QStringLiteral("TForm1_earlier"));
        s.window->ListBoxTidigareFilerClick(1);
        QVERIFY(!s.window->ListBoxTidigareFiler->isVisible());
        QCOMPARE(s.state.computation->row(0, 0, 1).name.toString(), QStringLiteral("Mjölk"));
        QCOMPARE(s.state.computation->row(2, 1, 1).grams, 60.0f);
        QCOMPARE(s.window->StringGridMaltid->Cells(0, 1), QStringLiteral("Mjölk"));
        QVERIFY(s.state.app.ComputationFileName.startsWith(file + QStringLiteral("   ")));
        QCOMPARE(s.state.recent.lunch.shown, QStringList{"Bröd"});
        QVERIFY(s.state.results->DaySums[0][0] > 0);
        QCOMPARE(s.state.files.EarlierComputations, QStringList{file});

        // The close question saves to the chosen file; closing writes the list of earlier ones.
        s.put(0, 0, 2, QStringLiteral("2208"), 30);
        s.state.app.ComputationChanged = true;
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        Dialogs::queueFileName(file);
        QVERIFY(s.window->close());
        QCOMPARE(TextFile::readLines(s.folder.filePath(QStringLiteral("senasteFiler.txt")))->value(0), file);
        QVERIFY(TextFile::readLines(file)->contains(QStringLiteral("30.0/30@skiva")));
    }

    void aCancelledSaveQuestionKeepsTheComputationWhenOpening()
    {
        Started s;
        s.put(0, 0, 1, QStringLiteral("101"), 250);
        s.state.app.ComputationChanged = true;
        Dialogs::queueAnswer(Dialogs::Answer::Cancel);
        s.window->Hmtaberkning1->trigger();
        QCOMPARE(s.state.computation->row(0, 0, 1).code.toString(), QStringLiteral("101"));
        QVERIFY(s.state.app.ComputationChanged);
    }

    void aDamagedFileIsReportedAndWhatWasReadStays()
    {
        Started s;
        QStringList lines{"199", "d", "flera maltider"};
        for (int i = 0; i < 9; ++i)
            lines << "reserv";
        lines << "101"
              << "100.0/200@glas"
              << "*0/0"
              << "2208";
        const QString file = s.folder.filePath(QStringLiteral("trasig.diet"));
        TextFile::writeLines(file, lines);
        Dialogs::queueFileName(file);
        s.window->Hmtaberkning1->trigger();
        QVERIFY(Dialogs::lastMessage().startsWith(QStringLiteral("Kan ej öppna beräkningen")));
        QCOMPARE(s.state.computation->row(0, 0, 1).name.toString(), QStringLiteral("Mjölk"));
    }

    void deletingAsksAgainUntilCancelled()
    {
        Started s;
        Dialogs::queueFileName(s.folder.filePath(QStringLiteral("a")));
        s.window->SparaBerkning1->trigger();
        const QString file = s.folder.filePath(QStringLiteral("a.diet"));
        Dialogs::queueFileName(file);
        s.window->Radera->trigger();
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!QFileInfo::exists(s.folder.filePath(QStringLiteral("a.norm"))));
        QCOMPARE(Dialogs::lastMessage(), file + QStringLiteral(" borttagen"));
    }

    void clipboardCommandsTellWhatHappened()
    {
        Started s;
        s.window->Klistrainmltid1->trigger();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Ingen måltid finns att kopiera"));
        s.window->Klistraindag1->trigger();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Ingen dag finns att klistra in"));
        s.put(0, 0, 1, QStringLiteral("101"), 250);
        s.window->Kopieradennamltid1->trigger();
        QCOMPARE(Dialogs::lastMessage(),
                 QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
        s.window->SelectMeal(2);
        s.window->Klistrainmltid1->trigger();
        QCOMPARE(s.state.computation->row(0, 2, 1).code.toString(), QStringLiteral("101"));
        QCOMPARE(s.window->StringGridMaltid->Cells(0, 1), QStringLiteral("Mjölk"));

        s.window->Kopieradag1->trigger();
        s.window->SelectDay(3);
        Dialogs::queueAnswer(Dialogs::Answer::No);
        s.window->Klistraindag1->trigger();
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Hela dag 4 kommer nu att ersättas, är det ok?"));
        QVERIFY(s.state.computation->row(3, 2, 1).isEmpty());
        Dialogs::queueAnswer(Dialogs::Answer::Yes);
        s.window->Klistraindag1->trigger();
        QCOMPARE(s.state.computation->row(3, 2, 1).code.toString(), QStringLiteral("101"));
    }

    void favouritesAndRecentFoodsFillTheSearchList()
    {
        Started s;
        s.window->ListBoxLivsModel->setLines({"Mjölk", "Bröd"}, {"Mjölk{101}200@glas", "Bröd{2208}30@skiva"});
        s.window->AddFavourite(1);
        s.window->AddFavourite(1);
        s.window->RememberFood(0);
        QTest::mouseClick(s.window->ButtonFavoriter, Qt::LeftButton);
        QCOMPARE(s.window->ListBoxLivsModel->visible(), QStringList{"Bröd"});
        QCOMPARE(s.window->ListBoxLivsModel->twinAt(0), QStringLiteral("Bröd{2208}30@skiva"));
        QCOMPARE(s.state.search.ListMode, QStringLiteral("favorit"));
        QTest::mouseClick(s.window->ButtonSenaste, Qt::LeftButton);
        QCOMPARE(s.window->ListBoxLivsModel->visible(), QStringList{"Mjölk"});
        s.window->ShowMealTypeFoods(0);
        QCOMPARE(s.window->ListBoxLivsModel->visible(), QStringList{"Mjölk"});
        s.window->ShowFavourites();
        s.window->RemoveFavourite(0);
        QCOMPARE(s.window->ListBoxLivsModel->count(), 0);
    }

private:
    std::optional<WindowTestScope> scope;
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
