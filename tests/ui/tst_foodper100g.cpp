#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "food/ui/TFormVisaNv.h"
#include "support/Screenshot.h"
#include "support/TestSupport.h"
#include "support/WindowTestScope.h"

#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <optional>

// The registers opened by start-up, "Visa näringen per 100g" with its window, and product pages.
class TestFoodPer100g : public QObject {
    Q_OBJECT
private:
    std::optional<WindowTestScope> scope;

    static QStringList lines(QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }

    static QStringList sliceLabels(QChartView *chart)
    {
        QStringList labels;
        for (const QString &text : TFormVisaNv::sliceTexts(chart))
            labels.append(text.section(u' ', 0, 0));
        return labels;
    }

private slots:
    void init() { scope.emplace(); }
    void cleanup() { scope.reset(); }

    void startUpOpensTheRegistersAndClosingClosesThem()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        const Status s = w.FormCreate(folder.path());
        QVERIFY2(s.ok, qPrintable(s.message));
        QVERIFY(state.registers && state.registers->isOpen());
        QCOMPARE(state.foods, static_cast<FoodLookup *>(state.registers.get()));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("egna.sqlite"))));
        const auto banana = state.foods->FindFood(QStringLiteral("553"), LookupChain::AddFood);
        QVERIFY(banana);
        QCOMPARE(banana->record.name, QStringLiteral("Banan"));
        w.show();
        QVERIFY(w.close());
        QVERIFY(!state.registers->isOpen());
    }

    void missingRegisterFileEndsStartUpNamingTheFile()
    {
        TemporaryProgramFolder folder;
        folder.remove(QStringLiteral("register.sqlite"));
        ProgramState state;
        TForm1 w(state);
        const Status s = w.FormCreate(folder.path());
        QVERIFY(!s.ok);
        QVERIFY2(s.message.contains(QStringLiteral("register.sqlite")), qPrintable(s.message));
        QVERIFY(!state.foods);
    }

    void twoFoodsSideBySide()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        // Start-up selects the default nutrients; this test looks at all of them.
        state.selection.Selected.fill(true);
        w.show();

        w.ShowFoodPer100g(QStringLiteral("553"));
        TFormVisaNv *v = w.FormVisaNv;
        QVERIFY(v && v->isVisible());
        QCOMPARE(v->windowTitle(), QStringLiteral("Näring per 100 g"));
        QVERIFY(!v->CheckBoxVisaAllaNv->isChecked() && !v->CheckBoxLatsta->isChecked() &&
                !v->CheckBoxStayOnTop->isChecked());
        const QStringList banana = lines(v->ListBoxVisaNv);
        QCOMPARE(banana.size(), 2 + 72);
        QCOMPARE(banana[0], QStringLiteral("Banan"));
        QCOMPARE(banana[1], QString());
        QCOMPARE(banana[2 + 19 - 15], QStringLiteral("Protein g 1.1"));
        QCOMPARE(banana[2 + 47 - 15].left(10), state.catalogue.DisplayName[47].leftJustified(10, u' ', true));
        QVERIFY(banana[2 + 47 - 15].endsWith(QStringLiteral("0.0"))); // sucrose unknown reads as 0
        QVERIFY(lines(v->ListBoxVisaNv1).isEmpty());
        QCOMPARE(sliceLabels(v->ChartEnergi), (QStringList{"Prot", "Fett", "Kolh"}));
        QVERIFY(TFormVisaNv::sliceTexts(v->ChartEnergi2).isEmpty());
        QVERIFY(state.app.FoodEnergyShares[2] > 90);

        // The next food takes the left pane; the banana moves right with its pie.
        w.ShowFoodPer100g(QStringLiteral("1907"));
        QCOMPARE(lines(v->ListBoxVisaNv).first(), QStringLiteral("Vin rött vol. % 14"));
        QCOMPARE(lines(v->ListBoxVisaNv1), banana);
        QCOMPARE(sliceLabels(v->ChartEnergi), (QStringList{"Prot", "Fett", "Kolh", "Alko"}));
        QCOMPARE(sliceLabels(v->ChartEnergi2), (QStringList{"Prot", "Fett", "Kolh"}));
        QVERIFY(state.PreviousFoodEnergyShares[2] > 90);

        // Clicking a line selects the same line in the other pane.
        v->ListBoxVisaNv->scrollToItem(v->ListBoxVisaNv->item(4));
        QTest::mouseClick(v->ListBoxVisaNv->viewport(), Qt::LeftButton, {},
                          v->ListBoxVisaNv->visualItemRect(v->ListBoxVisaNv->item(4)).center());
        QCOMPARE(v->ListBoxVisaNv1->currentRow(), 4);
        saveScreenshot(*v, QStringLiteral("food-per-100g"));

        // Locked: the wine stays left, the milk goes right.
        v->CheckBoxLatsta->setChecked(true);
        w.ShowFoodPer100g(QStringLiteral("123"));
        QCOMPARE(lines(v->ListBoxVisaNv).first(), QStringLiteral("Vin rött vol. % 14"));
        QCOMPARE(lines(v->ListBoxVisaNv1).first(), QStringLiteral("Mjölk fett 3% berikad"));
        QCOMPARE(sliceLabels(v->ChartEnergi2), (QStringList{"Prot", "Fett", "Kolh"}));
        QCOMPARE(sliceLabels(v->ChartEnergi).size(), 4);
        QCOMPARE(v->ListBoxVisaNv1->currentRow(), 4);
    }

    void aFoodWithoutEnergyGivesAnEmptyPie()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.ShowFoodPer100g(QStringLiteral("1953")); // tap water
        QCOMPARE(state.app.FoodEnergyShares, (std::array<float, 4>{0, 0, 0, 0}));
        QVERIFY(TFormVisaNv::sliceTexts(w.FormVisaNv->ChartEnergi).isEmpty());
    }

    void aCodeOnlyInThePreviousEditionIsNotShown()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.ShowFoodPer100g(QStringLiteral("553"));
        w.ShowFoodPer100g(QStringLiteral("106"));
        QCOMPARE(Dialogs::lastMessage(), QStringLiteral("Livsmedel med nr 106 finns ej."));
        QCOMPARE(lines(w.FormVisaNv->ListBoxVisaNv).first(), QStringLiteral("Banan"));
        QVERIFY(lines(w.FormVisaNv->ListBoxVisaNvH).isEmpty());
    }

    void selectionOrAllNutrients()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        state.selection.Selected.fill(false);
        state.selection.Selected[15] = true;
        state.selection.Selected[19] = true;
        w.ShowFoodPer100g(QStringLiteral("553"));
        QCOMPARE(lines(w.FormVisaNv->ListBoxVisaNv),
                 (QStringList{"Banan", "", "Energi kJ 396", "Protein g 1.1"}));
        QTest::mouseClick(w.FormVisaNv->CheckBoxVisaAllaNv, Qt::LeftButton);
        w.ShowFoodPer100g(QStringLiteral("553"));
        QCOMPARE(w.FormVisaNv->ListBoxVisaNv->count(), 2 + 72);
    }

    void aClickOnTheSearchListHidesTheWindowWhenChosen()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ShowFoodPer100g(QStringLiteral("553"));
        QTest::mouseClick(w.ListBoxLivs->viewport(), Qt::LeftButton);
        QVERIFY(w.FormVisaNv->isVisible()); // not chosen: stays
        w.FormVisaNv->CheckBoxStayOnTop->setChecked(true);
        QTest::mouseClick(w.ListBoxLivs->viewport(), Qt::RightButton);
        QVERIFY(w.FormVisaNv->isVisible()); // the right-click opens the menu that shows it
        QTest::mouseClick(w.ListBoxLivs->viewport(), Qt::LeftButton);
        QVERIFY(!w.FormVisaNv->isVisible());
    }

    void productPages()
    {
        TemporaryProgramFolder folder;
        ProgramState state;
        TForm1 w(state);
        QVERIFY(w.FormCreate(folder.path()).ok);
        QList<QUrl> opened;
        w.OpenUrl = [&](const QUrl &url) {
            opened.append(url);
            return true;
        };
        QCOMPARE(w.OpenProductInfo(QStringLiteral("553")).path(),
                 QStringLiteral("/Naringssok/Naringsamnen.aspx"));
        QCOMPARE(w.OpenProductInfo(QStringLiteral("dab7310350118123")).query(),
                 QStringLiteral("typ=PB&GTIN=07310350118123"));
        QVERIFY(w.OpenProductInfo(QStringLiteral("106")).isEmpty()); // not in the chain's registers
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[0].query(), QStringLiteral("livsmedelsId=553"));
        QVERIFY(Dialogs::shownMessages().isEmpty());
    }
};

QTEST_MAIN(TestFoodPer100g)
#include "tst_foodper100g.moc"
