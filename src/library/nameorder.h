#pragma once
// The order of the names in a list built from folders: as text, not by number (a name beginning
// with 10 before one beginning with 2), without regard to letter case, in the user's locale.
// Where the user has chosen none (the C locale) the order is ICU's root order, which sorts
// every alphabet, Cyrillic included, in its alphabet order instead of by character code.

#include <QCollator>
#include <QStringList>
#include <QStringView>

class TNameOrder {
public:
    TNameOrder();
    // Names equal but for letter case are ordered by character code, so the order is fixed.
    bool Less(QStringView a, QStringView b) const;
    void Sort(QStringList &names) const;

private:
    QCollator fCollator;
};
