#include "food/ui/TFormVisaNv.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>

namespace {

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QChartView *makePie(QWidget *parent, const char *name)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Energifördelning"));
    chart->legend()->hide();
    chart->addSeries(new QPieSeries(chart));
    auto *view = named(new QChartView(chart, parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

} // namespace

TFormVisaNv::TFormVisaNv(QWidget *parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("TFormVisaNv"));
    setWindowTitle(QStringLiteral("Näring per 100 g"));

    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    if (!QFontInfo(fixed).fixedPitch())
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    ListBoxVisaNv = named(new QListWidget(this), "ListBoxVisaNv");
    ListBoxVisaNv1 = named(new QListWidget(this), "ListBoxVisaNv1");
    ListBoxVisaNvH = named(new QListWidget(this), "ListBoxVisaNvH");
    ListBoxVisaNvH->setVisible(false);
    for (QListWidget *list : {ListBoxVisaNv, ListBoxVisaNv1}) {
        list->setFont(fixed);
        list->setMinimumWidth(260);
    }
    connect(ListBoxVisaNv, &QListWidget::itemClicked, this, &TFormVisaNv::ListBoxVisaNvClick);
    connect(ListBoxVisaNv1, &QListWidget::itemClicked, this, &TFormVisaNv::ListBoxVisaNv1Click);

    ChartEnergi = makePie(this, "ChartEnergi");
    ChartEnergi2 = makePie(this, "ChartEnergi2");

    CheckBoxVisaAllaNv =
        named(new QCheckBox(QStringLiteral("Visa alla näringsämnen"), this), "CheckBoxVisaAllaNv");
    CheckBoxLatsta = named(new QCheckBox(QStringLiteral("Lås vänstra fönstret"), this), "CheckBoxLatsta");
    CheckBoxStayOnTop =
        named(new QCheckBox(QStringLiteral("Stäng detta fönster automatiskt"), this), "CheckBoxStayOnTop");

    auto *grid = new QGridLayout(this);
    grid->addWidget(ListBoxVisaNv, 0, 0);
    grid->addWidget(ListBoxVisaNv1, 0, 1);
    grid->addWidget(ChartEnergi, 1, 0);
    grid->addWidget(ChartEnergi2, 1, 1);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(CheckBoxVisaAllaNv);
    boxes->addWidget(CheckBoxLatsta);
    boxes->addWidget(CheckBoxStayOnTop);
    boxes->addStretch();
    grid->addLayout(boxes, 2, 0, 1, 2);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 2);
    resize(640, 720);
}

void TFormVisaNv::replaceLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

void TFormVisaNv::drawPie(QChartView *view, const FoodEnergyShareArray &shares)
{
    auto *series = static_cast<QPieSeries *>(view->chart()->series().first());
    series->clear();
    for (const EnergySlice &s : EnergyPieSlices(shares)) {
        auto *slice = series->append(QStringLiteral("%1 %2%").arg(s.label).arg(qRound(s.share)), s.share);
        slice->setColor(QColor(Qt::GlobalColor(s.colour)));
        slice->setLabelVisible(s.share >= 1.0f); // labels of empty slices would pile up
    }
}

QStringList TFormVisaNv::sliceTexts(QChartView *view)
{
    QStringList texts;
    const auto *series = static_cast<QPieSeries *>(view->chart()->series().first());
    for (const QPieSlice *slice : series->slices())
        texts.append(slice->label());
    return texts;
}

void TFormVisaNv::ShowFood(const QStringList &lines, const FoodEnergyShareArray &shares,
                           const FoodEnergyShareArray &previousShares)
{
    replaceLines(ListBoxVisaNvH, lines);
    if (CheckBoxLatsta->isChecked()) {
        // The left pane keeps its food; the new one goes to the right.
        replaceLines(ListBoxVisaNv1, lines);
        drawPie(ChartEnergi2, shares);
    } else {
        QStringList left;
        for (int i = 0; i < ListBoxVisaNv->count(); ++i)
            left.append(ListBoxVisaNv->item(i)->text());
        const int row = ListBoxVisaNv->currentRow();
        replaceLines(ListBoxVisaNv1, left);
        drawPie(ChartEnergi2, previousShares);
        replaceLines(ListBoxVisaNv, lines);
        if (row >= 0 && row < ListBoxVisaNv->count())
            ListBoxVisaNv->setCurrentRow(row);
        drawPie(ChartEnergi, shares);
    }
    show();
    raise();
    const int row = ListBoxVisaNv->currentRow();
    if (row >= 0 && row < ListBoxVisaNv1->count())
        ListBoxVisaNv1->setCurrentRow(row);
}

void TFormVisaNv::ListBoxVisaNvClick()
{
    const int row = ListBoxVisaNv->currentRow();
    if (row >= 0 && row < ListBoxVisaNv1->count())
        ListBoxVisaNv1->setCurrentRow(row);
}

void TFormVisaNv::ListBoxVisaNv1Click()
{
    const int row = ListBoxVisaNv1->currentRow();
    if (row >= 0 && row < ListBoxVisaNv->count())
        ListBoxVisaNv->setCurrentRow(row);
}

void TFormVisaNv::hideOnClickIn(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool TFormVisaNv::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && CheckBoxStayOnTop->isChecked() && isVisible()) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}
