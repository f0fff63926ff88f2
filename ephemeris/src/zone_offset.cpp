// SPDX-License-Identifier: GPL-3.0-or-later
#include "zone_offset.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "ephemeris/arithmetic_fault.hpp"

namespace ephemeris::detail {
namespace {

// Wider than any UTC offset a zone or a POSIX TZ rule can state (24:59:59).
constexpr std::int64_t kOffsetSpan = 26 * 3600;
constexpr std::int64_t kBucketSeconds = 3600;  // one hour, the unit floored to below
constexpr std::size_t kBucketCount = 64;
constexpr const char* kSystemZoneFile = "/etc/localtime";

std::int64_t OffsetAtUT(std::int64_t ut) {
    const auto seconds = static_cast<std::time_t>(ut);
    std::tm fields{};
    if (localtime_r(&seconds, &fields) == nullptr) {
        throw ArithmeticFault("LocalToUT", ArithmeticFault::Condition::Overflow);
    }
    return fields.tm_gmtoff;
}

// A local time exists under offset o when the clock shows it at UT local - o.
// The zone's offsets a day either side of the local time bracket every offset
// that can apply; of those under which it exists, the largest gives the
// earliest instant (the first pass of a doubled hour). A skipped local time
// exists under none and takes the offset from before the jump.
std::int64_t ResolveOffset(std::int64_t local) {
    const std::int64_t before = OffsetAtUT(local - kOffsetSpan);
    const std::int64_t after = OffsetAtUT(local + kOffsetSpan);
    const std::int64_t atBefore = OffsetAtUT(local - before);
    if (before == after && atBefore == before) {
        return before;
    }
    const std::int64_t atAfter = before == after ? atBefore : OffsetAtUT(local - after);
    const std::array<std::int64_t, 4> candidates{before, after, atBefore, atAfter};
    bool found = false;
    std::int64_t best = before;
    for (const std::int64_t offset : candidates) {
        if ((!found || offset > best) && OffsetAtUT(local - offset) == offset) {
            best = offset;
            found = true;
        }
    }
    return best;
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

void Fill(Bucket& bucket, std::int64_t index) {
    const std::int64_t first = index * kBucketSeconds;
    const std::int64_t last = first + kBucketSeconds - 1;
    bucket.offsetBefore = ResolveOffset(first);
    bucket.offsetAfter = ResolveOffset(last);
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
    std::int64_t OffsetAtUniversal(std::int64_t ut) {
        Synchronize();
        return OffsetAtUT(ut);
    }

    std::int64_t Offset(std::int64_t local) {
        Synchronize();
        const std::int64_t index = std::chrono::floor<std::chrono::hours>(std::chrono::seconds(local)).count();
        Bucket& bucket = buckets_[static_cast<std::uint64_t>(index) % kBucketCount];
        if (bucket.index != index) {
            Fill(bucket, index);
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
        }
        // localtime_r does not itself look at TZ again; tzset makes it.
        ::tzset();
        buckets_.fill(Bucket{});
        valid_ = true;
    }

    bool valid_ = false;
    bool tzSet_ = false;
    std::string tz_;
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
    return Cache().OffsetAtUniversal(utSeconds);
}

}  // namespace ephemeris::detail
