#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <cstddef>

namespace kavel {

// A row of check boxes as the charts keep them in memory: one 16-bit flag
// a box, 1 checked and 0 not.
template <std::size_t N>
using CheckFlags = std::array<qint16, N>;

// Only box `index` checked: the "All" box most rows start with.
template <std::size_t N>
constexpr CheckFlags<N> onlyChecked(std::size_t index)
{
    CheckFlags<N> flags {};
    flags[index] = 1;
    return flags;
}

// Every box checked: the tables that show everything at the start.
template <std::size_t N>
constexpr CheckFlags<N> allChecked()
{
    CheckFlags<N> flags {};
    flags.fill(1);
    return flags;
}

// Every box checked at every start: FlagTable's StartBox for the tables that
// show everything.
inline constexpr std::size_t kEveryBox = std::size_t(-1);

// A viewer's table of check boxes declared as one type: the row of flags,
// its size (size()) and what every start sets, the tables being kept in
// memory only: the box `StartBox` alone (the table's "All" box) or, with
// kEveryBox, every box.
template <std::size_t Count, std::size_t StartBox>
struct FlagTable : CheckFlags<Count> {
    static_assert(StartBox < Count || StartBox == kEveryBox);
    static constexpr int kCount = int(Count);

    static constexpr FlagTable atStart()
    {
        if constexpr (StartBox == kEveryBox)
            return { allChecked<Count>() };
        else
            return { onlyChecked<Count>(StartBox) };
    }
};

// Whether mode j (from 1) of a column of boxes is drawn: when the column's
// "All" box is checked, or when the mode has a box of its own (the column's
// `rows` boxes from index `first`) and it is checked. A mode beyond the
// boxes is drawn only through "All"; a lookup for it would read another
// column's box or leave the row.
template <std::size_t N>
bool modeChecked(const CheckFlags<N>& flags, std::size_t all, int rows, std::size_t first, int j)
{
    return flags[all] == 1 || (j >= 1 && j <= rows && flags[first + std::size_t(j - 1)] == 1);
}

// One kind of curve in a table of boxes, called as the question "is mode j
// of this kind drawn?": the boxes of its first `rows` modes from index
// `first`, and the "All" box at `all` (two kinds may share one). `rows` is
// how far the lookup reaches, which may run past the dialog's own rows.
struct FlagColumn {
    std::size_t first = 0;
    int rows = 0;
    std::size_t all = 0;

    template <std::size_t N>
    bool operator()(const CheckFlags<N>& flags, int j) const
    {
        return modeChecked(flags, all, rows, first, j);
    }
};

// How many of the boxes `first` to `last` (both included) are checked.
template <std::size_t N>
int checkedCount(const CheckFlags<N>& flags, std::size_t first, std::size_t last)
{
    int count = 0;
    for (std::size_t k = first; k <= last && k < N; ++k)
        count += flags[k];
    return count;
}

// Every box set from an option's values, "0" or "1" one a box; false, with
// nothing set, for any other count or value.
template <std::size_t N>
bool setFromOption(CheckFlags<N>& flags, const QStringList& values)
{
    if (std::size_t(values.size()) != N)
        return false;
    for (const QString& value : values)
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            return false;
    for (std::size_t k = 0; k < N; ++k)
        flags[k] = qint16(values[qsizetype(k)].toInt());
    return true;
}

} // namespace kavel
