#include "ranking.h"

#include <array>

namespace zv {
namespace {

int32_t RankingRow::*memberOf(RankingColumn column) {
    switch (column) {
        case RankingColumn::Runner: return &RankingRow::runner;
        case RankingColumn::Rate: return &RankingRow::rate;
        case RankingColumn::PR: return &RankingRow::PR;
        case RankingColumn::TR: return &RankingRow::TR;
        case RankingColumn::Both: return &RankingRow::both;
        case RankingColumn::Combined: return &RankingRow::combined;
    }
    return &RankingRow::runner;
}

// Insertion sort: stable, and without the buffer a merge sort allocates (fields are small).
template <class Before>
void insertionSort(RankingTable& table, Before before) {
    for (size_t i = 1; i < table.size(); ++i) {
        RankingRow row = table[i];
        size_t j = i;
        for (; j > 0 && before(row, table[j - 1]); --j) table[j] = table[j - 1];
        table[j] = row;
    }
}

}  // namespace

RankingTable fillRanking(const PastColumns& pastColumns) {
    RankingTable table;
    table.reserve(pastColumns.size());
    for (size_t n = 0; n < pastColumns.size(); ++n) {
        const PastColumn& b = pastColumns[n];
        table.push_back(
            {static_cast<int32_t>(n + 1), b.rate, b.PR, b.TR, (b.PR >= 1 && b.TR >= 1) ? 1 : 0, b.combined});
    }
    return table;
}

void sortRanking(RankingTable& table, RankingColumn column, bool descending) {
    sortRanking(table, {{column, descending}});
}

void sortRanking(RankingTable& table, std::initializer_list<RankingKey> keys) {
    struct Member {
        int32_t RankingRow::*member;
        bool descending;
    };
    std::array<Member, 6> members{};
    size_t count = 0;
    for (const RankingKey& key : keys) members.at(count++) = {memberOf(key.column), key.descending};
    insertionSort(table, [&](const RankingRow& a, const RankingRow& b) {
        for (size_t i = 0; i < count; ++i) {
            const int32_t x = a.*members[i].member, y = b.*members[i].member;
            if (x != y) return members[i].descending ? x > y : x < y;
        }
        return false;
    });
}

}  // namespace zv
