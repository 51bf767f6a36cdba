#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The food list of the main window and its hidden twin: each visible line (a name, a header
// line or the no-hit line) has at the same index a twin line carrying the food code,
// name + "{" + code + "}" + amount + "@" + unit. One model holds both, so that filling
// thousands of lines is one reset instead of thousands of widget insertions.
class SearchListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Filling: beginFill, any number of append, endFill (one model reset).
    void beginFill(qsizetype expectedLines = 0);
    void append(const QString &visible, const QString &twin);
    void endFill();
    // Replaces the whole content at once.
    void setLines(QStringList visible, QStringList twins);

    int count() const { return int(visibleLines.size()); }
    QString visibleAt(int i) const { return visibleLines.value(i); }
    QString twinAt(int i) const { return twinLines.value(i); }
    const QStringList &visible() const { return visibleLines; }
    const QStringList &twins() const { return twinLines; }

private:
    QStringList visibleLines;
    QStringList twinLines;
    bool filling = false;
};

// The twin line of a food: name + "{" + code + "}" + amount + "@" + unit.
QString MakeTwinLine(const QString &name, const QString &code, const QString &amount, const QString &unit);

// The text between the first "{" and the first "}" of a twin line; empty for header lines.
QString CodeFromTwinLine(const QString &twin);
