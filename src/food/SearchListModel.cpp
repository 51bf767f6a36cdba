#include "food/SearchListModel.h"

int SearchListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(visibleLines.size());
}

QVariant SearchListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= visibleLines.size())
        return {};
    if (role == Qt::DisplayRole)
        return visibleLines.at(index.row());
    if (role == Qt::UserRole)
        return twinLines.at(index.row());
    return {};
}

void SearchListModel::beginFill(qsizetype expectedLines)
{
    beginResetModel();
    filling = true;
    visibleLines.clear();
    twinLines.clear();
    visibleLines.reserve(expectedLines);
    twinLines.reserve(expectedLines);
}

void SearchListModel::append(const QString &visible, const QString &twin)
{
    visibleLines.append(visible);
    twinLines.append(twin);
}

void SearchListModel::endFill()
{
    filling = false;
    endResetModel();
}

void SearchListModel::setLines(QStringList visible, QStringList twins)
{
    beginResetModel();
    visibleLines = std::move(visible);
    twinLines = std::move(twins);
    twinLines.resize(visibleLines.size());
    endResetModel();
}

QString MakeTwinLine(const QString &name, const QString &code, const QString &amount, const QString &unit)
{
    return name + u'{' + code + u'}' + amount + u'@' + unit;
}

QString CodeFromTwinLine(const QString &twin)
{
    const qsizetype open = twin.indexOf(u'{');
    const qsizetype close = twin.indexOf(u'}');
    if (open < 0 || close < 0 || close < open)
        return {};
    return twin.mid(open + 1, close - open - 1);
}
