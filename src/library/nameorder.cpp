#include "library/nameorder.h"

#include <QLocale>
#include <algorithm>

namespace {

QLocale CollationLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

} // namespace

TNameOrder::TNameOrder() : fCollator(CollationLocale())
{
    fCollator.setCaseSensitivity(Qt::CaseInsensitive);
    fCollator.setNumericMode(false);
}

bool TNameOrder::Less(QStringView a, QStringView b) const
{
    const int order = fCollator.compare(a, b);
    return order != 0 ? order < 0 : a.compare(b) < 0;
}

void TNameOrder::Sort(QStringList &names) const
{
    std::sort(names.begin(), names.end(),
              [this](const QString &a, const QString &b) { return Less(a, b); });
}
