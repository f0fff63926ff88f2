// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/when_reader.hpp"

#include <chrono>
#include <cstdint>

#include "model/trimmed.hpp"

namespace app {
namespace {

using namespace std::chrono;

// Reads fixed-width fields left to right; the first mismatch leaves a reason.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    [[nodiscard]] bool AtEnd() const { return at_ == text_.size(); }
    [[nodiscard]] char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    bool Take(char c) {
        if (Peek() != c) {
            return false;
        }
        ++at_;
        return true;
    }

    // Exactly `digits` decimal digits.
    std::optional<int> Number(int digits) {
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            const char c = Peek();
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
            ++at_;
        }
        return value;
    }

    // One or more digits after a decimal point, as milliseconds (the rest dropped).
    std::optional<int> Milliseconds() {
        int value = 0;
        int digits = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            if (digits < 3) {
                value = value * 10 + (Peek() - '0');
            }
            ++digits;
            ++at_;
        }
        if (digits == 0) {
            return std::nullopt;
        }
        for (; digits < 3; ++digits) {
            value *= 10;
        }
        return value;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

WhenReading Problem(const char* words, std::vector<std::string> details = {}) {
    return {std::nullopt, ephemeris::Refusal{words, std::move(details)}};
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

// The offset east of UT after the time, in seconds: "Z", or a sign with HH,
// HHMM or HH:MM.
std::optional<int> ZoneOffset(Cursor& cursor, ephemeris::Refusal& problem) {
    if (cursor.Take('Z') || cursor.Take('z')) {
        return 0;
    }
    const bool east = cursor.Take('+');
    if (!east && !cursor.Take('-')) {
        problem = {SATRIVOX_WORDS("Refusal", "expected Z or an offset such as +01:00 after the time"), {}};
        return std::nullopt;
    }
    const std::optional<int> hours = cursor.Number(2);
    std::optional<int> minutes = 0;
    if (!cursor.AtEnd()) {
        cursor.Take(':');
        minutes = cursor.Number(2);
    }
    if (!hours || !minutes) {
        problem = {SATRIVOX_WORDS("Refusal", "expected an offset as +HH:MM, +HHMM or +HH"), {}};
        return std::nullopt;
    }
    if (*hours > 23 || *minutes > 59) {
        problem = {SATRIVOX_WORDS("Refusal", "there is no offset of %1"), {TwoDigits(*hours) + ":" + TwoDigits(*minutes)}};
        return std::nullopt;
    }
    const int seconds = (*hours * 60 + *minutes) * 60;
    return east ? seconds : -seconds;
}

}  // namespace

WhenReading ReadWhen(std::string_view text) {
    Cursor cursor(ephemeris::Trimmed(text));
    const std::optional<int> y = cursor.Number(4);
    const bool firstDash = cursor.Take('-');
    const std::optional<int> m = cursor.Number(2);
    const bool secondDash = cursor.Take('-');
    const std::optional<int> d = cursor.Number(2);
    if (!y || !firstDash || !m || !secondDash || !d) {
        return Problem(SATRIVOX_WORDS("Refusal", "expected a date as YYYY-MM-DD"));
    }
    if (*m < 1 || *m > 12) {
        return Problem(SATRIVOX_WORDS("Refusal", "there is no month %1"), {TwoDigits(*m)});
    }
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)}, day{static_cast<unsigned>(*d)}};
    if (!date.ok()) {
        return Problem(SATRIVOX_WORDS("Refusal", "there is no day %1 in %2"),
                       {TwoDigits(*d), std::string(ephemeris::Trimmed(text).substr(0, 7))});
    }
    const local_days localDay{date};
    if (cursor.AtEnd()) {
        return {Moment{ephemeris::Instant{localDay + 12h}}, {}};
    }
    if (!cursor.Take(' ') && !cursor.Take('T') && !cursor.Take('t')) {
        return Problem(SATRIVOX_WORDS("Refusal", "expected a space or T between the date and the time"));
    }
    const std::optional<int> hour = cursor.Number(2);
    const bool colon = cursor.Take(':');
    const std::optional<int> minute = cursor.Number(2);
    if (!hour || !colon || !minute) {
        return Problem(SATRIVOX_WORDS("Refusal", "expected a time as HH:MM or HH:MM:SS"));
    }
    std::optional<int> second = 0;
    std::optional<int> millisecond = 0;
    if (cursor.Take(':')) {
        second = cursor.Number(2);
        if (second && (cursor.Take('.') || cursor.Take(','))) {
            millisecond = cursor.Milliseconds();
        }
    }
    if (!second || !millisecond) {
        return Problem(SATRIVOX_WORDS("Refusal", "expected seconds as SS or SS.fff"));
    }
    if (*hour > 23 || *minute > 59 || *second > 59) {
        return Problem(SATRIVOX_WORDS("Refusal", "there is no time %1"),
                       {TwoDigits(*hour) + ":" + TwoDigits(*minute) + ":" + TwoDigits(*second)});
    }
    const ephemeris::Instant wallClock = localDay + hours{*hour} + minutes{*minute} + seconds{*second} +
                                         milliseconds{*millisecond};
    if (cursor.AtEnd()) {
        return {Moment{wallClock}, {}};
    }
    ephemeris::Refusal problem;
    const std::optional<int> offset = ZoneOffset(cursor, problem);
    if (!offset) {
        return {std::nullopt, std::move(problem)};
    }
    if (!cursor.AtEnd()) {
        return Problem(SATRIVOX_WORDS("Refusal", "unexpected text after the time"));
    }
    return {Moment{ephemeris::UniversalTime{wallClock.time_since_epoch() - seconds{*offset}}}, {}};
}

}  // namespace app
