// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone_offset.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/arithmetic_fault.hpp"

namespace ephemeris::detail {
namespace {

// Wider than any UTC offset a zone or a POSIX TZ rule can state (24:59:59).
constexpr std::int64_t kOffsetSpan = 26 * 3600;
constexpr std::int64_t kBucketSeconds = 3600;  // one hour, the unit floored to below
constexpr std::size_t kBucketCount = 64;
constexpr const char* kSystemZoneFile = "/etc/localtime";

std::tm FieldsAtUT(std::int64_t ut) {
    const auto seconds = static_cast<std::time_t>(ut);
    std::tm fields{};
    if (localtime_r(&seconds, &fields) == nullptr) {
        throw ArithmeticFault("LocalToUT", ArithmeticFault::Condition::Overflow);
    }
    return fields;
}

std::int64_t OffsetAtUT(std::int64_t ut) {
    return FieldsAtUT(ut).tm_gmtoff;
}

// A POSIX TZ rule's offsets, in seconds east: its standard offset and its
// daylight one (an hour east of standard unless stated). The C library reads the
// rule but does not tell them, and daylight time that such a rule keeps for less
// than a day is seen by no look-up a day either side. Parsed leniently: an offset
// too many is only one more candidate to try; a zone's name gives none.
std::vector<std::int64_t> RuleOffsets(std::string_view rule) {
    // Three letters or more, or anything between '<' and '>' ("<+0545>").
    const auto skipName = [&rule] {
        std::size_t length = 0;
        if (rule.starts_with('<')) {
            length = std::min(rule.find('>'), rule.size() - 1) + 1;
        } else {
            while (length < rule.size() && std::isalpha(static_cast<unsigned char>(rule[length])) != 0) {
                ++length;
            }
        }
        rule.remove_prefix(length);
        return length >= 3;
    };
    // [+-]hh[:mm[:ss]], counted west of Greenwich.
    const auto readOffset = [&rule]() -> std::optional<std::int64_t> {
        const bool east = rule.starts_with('-');
        if (east || rule.starts_with('+')) {
            rule.remove_prefix(1);
        }
        std::int64_t seconds = 0;
        for (const std::int64_t unit : {3600, 60, 1}) {
            if (unit != 3600) {
                if (!rule.starts_with(':')) {
                    break;
                }
                rule.remove_prefix(1);
            }
            unsigned value = 0;
            const auto [end, error] = std::from_chars(rule.data(), rule.data() + rule.size(), value);
            if (error != std::errc{}) {
                return std::nullopt;
            }
            rule.remove_prefix(static_cast<std::size_t>(end - rule.data()));
            seconds += unit * value;
        }
        return east ? seconds : -seconds;
    };
    std::vector<std::int64_t> offsets;
    if (!skipName()) {
        return offsets;
    }
    const std::optional<std::int64_t> standard = readOffset();
    if (!standard) {
        return offsets;
    }
    offsets.push_back(*standard);
    if (skipName()) {
        const std::optional<std::int64_t> daylight = readOffset();
        offsets.push_back(daylight ? *daylight : *standard + 3600);
    }
    return offsets;
}

// The clock passes over `local` with a jump: the UT second before the jump, the
// last whose clock is behind it, by bisection over the span any offset reaches.
std::int64_t OffsetBeforeJumpOver(std::int64_t local) {
    std::int64_t behind = local - kOffsetSpan;
    std::int64_t past = local + kOffsetSpan;
    while (past - behind > 1) {
        const std::int64_t middle = behind + (past - behind) / 2;
        (middle + OffsetAtUT(middle) < local ? behind : past) = middle;
    }
    return OffsetAtUT(behind);
}

// A local time exists under offset o when the clock shows it at UT local - o;
// of the offsets under which it exists, the largest gives the earliest instant
// (the first pass of a doubled hour). The candidates: the zone's offsets a day
// either side of the local time, those they imply, and the TZ rule's own, which
// may hold for less than a day in between. A skipped local time exists under
// none and takes the offset in force before the jump over it.
std::int64_t ResolveOffset(std::int64_t local, std::span<const std::int64_t> ruleOffsets) {
    const auto existsUnder = [local](std::int64_t offset) { return OffsetAtUT(local - offset) == offset; };
    const std::int64_t before = OffsetAtUT(local - kOffsetSpan);
    const std::int64_t after = OffsetAtUT(local + kOffsetSpan);
    const std::int64_t atBefore = OffsetAtUT(local - before);
    const auto largerFromTheRule = [&](std::int64_t than) {
        return std::any_of(ruleOffsets.begin(), ruleOffsets.end(), [&](std::int64_t o) { return o > than && existsUnder(o); });
    };
    if (before == after && atBefore == before && !largerFromTheRule(before)) {
        return before;
    }
    const std::int64_t atAfter = before == after ? atBefore : OffsetAtUT(local - after);
    std::optional<std::int64_t> best;
    const auto consider = [&](std::int64_t offset) {
        if ((!best || offset > *best) && existsUnder(offset)) {
            best = offset;
        }
    };
    for (const std::int64_t offset : {before, after, atBefore, atAfter}) {
        consider(offset);
    }
    std::for_each(ruleOffsets.begin(), ruleOffsets.end(), consider);
    return best ? *best : OffsetBeforeJumpOver(local);
}

// One local hour: the offset at its start, the one at its end, and the first
// second that takes the latter. For a change at UT T from offset a to b, that
// second is T + max(a, b) whether the change skips local times or doubles
// them, so an hour holding a change costs one bisection over UT; after that
// every second of it is answered without the C library.
struct Bucket {
    std::int64_t index = std::numeric_limits<std::int64_t>::min();
    std::int64_t offsetBefore = 0;
    std::int64_t offsetAfter = 0;
    std::int64_t switchAt = 0;
};

void Fill(Bucket& bucket, std::int64_t index, std::span<const std::int64_t> ruleOffsets) {
    const std::int64_t first = index * kBucketSeconds;
    const std::int64_t last = first + kBucketSeconds - 1;
    bucket.offsetBefore = ResolveOffset(first, ruleOffsets);
    bucket.offsetAfter = ResolveOffset(last, ruleOffsets);
    bucket.index = index;
    if (bucket.offsetBefore == bucket.offsetAfter) {
        bucket.switchAt = last + 1;
        return;
    }
    const std::int64_t larger = std::max(bucket.offsetBefore, bucket.offsetAfter);
    std::int64_t low = first - larger;  // still under the old offset
    std::int64_t high = last - larger;  // already under the new one
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        (OffsetAtUT(middle) == bucket.offsetBefore ? low : high) = middle;
    }
    bucket.switchAt = high + larger;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_size == b.st_size;
}

// The zone the cached answers belong to: the TZ text, or, with TZ unset, the
// identity of the system's zone file, so that a change of either is followed.
class ZoneCache {
public:
    std::tm FieldsAtUniversal(std::int64_t ut) {
        Synchronize();
        return FieldsAtUT(ut);
    }

    std::int64_t Offset(std::int64_t local) {
        Synchronize();
        const std::int64_t index = std::chrono::floor<std::chrono::hours>(std::chrono::seconds(local)).count();
        Bucket& bucket = buckets_[static_cast<std::uint64_t>(index) % kBucketCount];
        if (bucket.index != index) {
            Fill(bucket, index, ruleOffsets_);
        }
        return local < bucket.switchAt ? bucket.offsetBefore : bucket.offsetAfter;
    }

private:
    void Synchronize() {
        const char* tz = std::getenv("TZ");
        if (tz != nullptr) {
            if (valid_ && tzSet_ && tz_ == tz) {
                return;
            }
            tzSet_ = true;
            tz_ = tz;
            ruleOffsets_ = RuleOffsets(tz_);
        } else {
            struct stat file {};
            if (::stat(kSystemZoneFile, &file) != 0) {
                file = {};
            }
            if (valid_ && !tzSet_ && SameFile(file, systemFile_)) {
                return;
            }
            tzSet_ = false;
            systemFile_ = file;
            ruleOffsets_.clear();
        }
        // localtime_r does not itself look at TZ again; tzset makes it.
        ::tzset();
        buckets_.fill(Bucket{});
        valid_ = true;
    }

    bool valid_ = false;
    bool tzSet_ = false;
    std::string tz_;
    std::vector<std::int64_t> ruleOffsets_;
    struct stat systemFile_ {};
    std::array<Bucket, kBucketCount> buckets_{};
};

ZoneCache& Cache() {
    thread_local ZoneCache cache;
    return cache;
}

}  // namespace

std::int64_t LocalUtcOffset(std::int64_t localSeconds) {
    return Cache().Offset(localSeconds);
}

std::int64_t UtcOffsetAt(std::int64_t utSeconds) {
    return Cache().FieldsAtUniversal(utSeconds).tm_gmtoff;
}

std::string AbbreviationAt(std::int64_t utSeconds) {
    const std::tm fields = Cache().FieldsAtUniversal(utSeconds);
    return fields.tm_zone != nullptr ? fields.tm_zone : "";
}

}  // namespace ephemeris::detail
