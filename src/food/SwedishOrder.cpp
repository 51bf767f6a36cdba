#include "food/SwedishOrder.h"

namespace {

// Places for the letters after Z, above every other upper-case base letter.
constexpr char16_t kAring = 0x5B; // just after 'Z'
constexpr char16_t kAuml = 0x5C;
constexpr char16_t kOuml = 0x5D;

char16_t primaryOf(QChar c)
{
    const QChar u = c.toUpper();
    switch (u.unicode()) {
    case u'Å':
        return kAring;
    case u'Ä':
    case u'Æ':
        return kAuml;
    case u'Ö':
    case u'Ø':
        return kOuml;
    case u'Ü':
        return u'Y';
    default:
        break;
    }
    if (u.unicode() < 0x80)
        return u.unicode();
    // Other letters with accents sort with their base letter.
    const QString d = QString(u).normalized(QString::NormalizationForm_D);
    if (!d.isEmpty() && d.at(0).unicode() < 0x80)
        return d.at(0).toUpper().unicode();
    return u.unicode();
}

} // namespace

QString SwedishSortKey(const QString &text)
{
    QString key;
    key.reserve(text.size());
    for (QChar c : text)
        key.append(QChar(primaryOf(c)));
    return key;
}

int SwedishCompare(const QString &a, const QString &b)
{
    const int primary = QString::compare(SwedishSortKey(a), SwedishSortKey(b), Qt::CaseSensitive);
    if (primary != 0)
        return primary;
    return QString::compare(a, b, Qt::CaseSensitive);
}
