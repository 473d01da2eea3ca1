#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Number texts and conversions shared by the window, the status bar and the
// high-score store. Values are 16-bit, as in the stored files.
namespace NumberText {

// A number as the player's language writes it, through QLocale's default,
// which the program sets from the language: "1.234" in German, and plainly
// "1234" in English and in the C locale. Messages put it into their
// translated patterns.
QString local(qint64 n);

// Rounds to the nearest integer, halves to the even neighbour, and clamps
// to the 16-bit range so that no stored text can overflow a counter.
std::int16_t roundToInt16(double value);

// The whole text as a 16-bit decimal integer (surrounding blanks allowed),
// or nothing when it is not one: used for the stored preferences.
std::optional<std::int16_t> parseInt16(const QString& text);

// The leading number of a text: "85.5" -> 85.5, "12abc" -> 12, "abc" -> 0.
double leadingNumber(const QString& text);

// A picture number with at least three digits: 7 -> "007", 42 -> "042".
QString threeDigits(int n);

} // namespace NumberText
