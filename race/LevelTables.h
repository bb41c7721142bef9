#pragma once
// The ten levels of a game: each level's time limit, track length, opponents and bonus count, and
// the points a final race position earns.

#include <array>
#include <cstdint>

constexpr int32_t LevelCount = 10;

// Seconds to reach the finish line, by level 1..10.
constexpr std::array<int32_t, LevelCount> TimeLimitSeconds = {45,  75,  100, 120, 135,
                                                              175, 175, 175, 175, 175};

constexpr int32_t TimeLimitMs(int32_t level) {
    return TimeLimitSeconds.at(static_cast<size_t>(level - 1)) * 1000;
}

// Rows of track: 300 on level 1, 200 more each level up to 1100 on level 5, then 1300.
constexpr int32_t TrackLengthOf(int32_t level) {
    return level <= 5 ? level * 200 + 100 : 1300;
}

// Whether opponent slot 1..5 races on the level: slot 1 on odd levels and from level 5 on,
// slots 2 and 3 from level 2, slots 4 and 5 from level 5. Read by the opponents' level set-up.
constexpr bool OpponentRaces(int32_t slot, int32_t level) {
    switch (slot) {
        case 1:
            return level % 2 == 1 || level > 4;
        case 2:
        case 3:
            return level > 1;
        case 4:
        case 5:
            return level > 4;
        default:
            return false;
    }
}

// Pick-ups the bonuses scatter over the level: ten a level; a count above 200 would become 400,
// which no level reaches.
constexpr int32_t BonusCountOf(int32_t level) {
    const int32_t count = level * 10;
    return count > 200 ? 400 : count;
}

// Points for the final race position 1..6. A level finished before the first rank was taken
// (rank 0) earns nothing.
constexpr int32_t RankBonusOf(int32_t rank) {
    constexpr std::array<int32_t, 6> bonuses = {800, 600, 400, 300, 200, 100};
    return rank >= 1 && rank <= 6 ? bonuses[static_cast<size_t>(rank - 1)] : 0;
}
