#include "common/naturalorder.h"

#include <algorithm>

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The end of the digit run that starts at `from`.
qsizetype runEnd(const QString& text, qsizetype from)
{
    while (from < text.size() && isDigit(text.at(from)))
        ++from;
    return from;
}

int sign(qsizetype value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}
} // namespace

int naturalCompare(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    int zerosTie = 0; // the first difference in leading zeros, used only when all else ties
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            const qsizetype endA = runEnd(a, i);
            const qsizetype endB = runEnd(b, j);
            // Values are compared as text without their leading zeros: no run is too long.
            qsizetype startA = i;
            qsizetype startB = j;
            while (startA + 1 < endA && a.at(startA) == QLatin1Char('0'))
                ++startA;
            while (startB + 1 < endB && b.at(startB) == QLatin1Char('0'))
                ++startB;
            const qsizetype digitsA = endA - startA;
            const qsizetype digitsB = endB - startB;
            if (digitsA != digitsB)
                return sign(digitsA - digitsB);
            for (qsizetype k = 0; k < digitsA; ++k) {
                const QChar da = a.at(startA + k);
                const QChar db = b.at(startB + k);
                if (da != db)
                    return da < db ? -1 : 1;
            }
            if (zerosTie == 0)
                zerosTie = sign((endA - i) - (endB - j));
            i = endA;
            j = endB;
            continue;
        }
        const char16_t ca = a.at(i).toCaseFolded().unicode();
        const char16_t cb = b.at(j).toCaseFolded().unicode();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    if (aLeft != bLeft)
        return aLeft ? 1 : -1;
    if (zerosTie != 0)
        return zerosTie;
    return sign(a.compare(b, Qt::CaseSensitive));
}

void sortNaturally(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), naturalLess);
}
