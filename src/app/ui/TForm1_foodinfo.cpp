// The food registers from the main window: opening and closing them, one food per 100 g, and a
// food's product page.
#include "app/ProgramState.h"
#include "app/ui/Dialogs.h"
#include "app/ui/TForm1.h"
#include "food/FoodInfo.h"
#include "food/ui/TFormVisaNv.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QListView>
#include <QListWidget>

Status TForm1::OpenFoodRegisters(const QString &dir)
{
    FoodLookup *previous = state.registers.get();
    auto registers = std::make_unique<FoodRegisters>();
    if (Status s = registers->open(dir); !s)
        return s;
    // A lookup put in place before start-up (a test's) stays.
    if (!state.foods || state.foods == previous)
        state.foods = registers.get();
    state.registers = std::move(registers);
    return Status::success();
}

void TForm1::CloseFoodRegisters()
{
    if (state.registers)
        state.registers->close();
}

void TForm1::ShowFoodPer100g(const QString &code)
{
    if (!FormVisaNv) {
        FormVisaNv = new TFormVisaNv(this);
        // A plain click on the search list or on the main window hides it when so chosen.
        FormVisaNv->hideOnClickIn(ListBoxLivs->viewport());
        FormVisaNv->hideOnClickIn(centralWidget());
    }
    state.PreviousFoodEnergyShares = state.app.FoodEnergyShares;
    FormVisaNv->ListBoxVisaNvH->clear();
    const auto found = state.foods ? state.foods->FindFood(code, LookupChain::ShowPer100g) : std::nullopt;
    if (!found) {
        Dialogs::information(this, QStringLiteral("Livsmedel med nr %1 finns ej.").arg(code));
        return;
    }
    state.app.FoodEnergyShares = FoodEnergySharesOf(found->record.nutrients, state.app.AlcoholFactor);
    const QStringList lines = FoodPer100gLines(found->record, state.catalogue, state.selection,
                                               FormVisaNv->CheckBoxVisaAllaNv->isChecked());
    FormVisaNv->ShowFood(lines, state.app.FoodEnergyShares, state.PreviousFoodEnergyShares);
}

QUrl TForm1::OpenProductInfo(const QString &code)
{
    if (!state.foods)
        return {};
    const QUrl url = ProductInfoUrl(code, *state.foods);
    if (url.isEmpty())
        return url;
    // A page that cannot be opened is not worth a message.
    if (OpenUrl)
        OpenUrl(url);
    else
        QDesktopServices::openUrl(url);
    return url;
}
