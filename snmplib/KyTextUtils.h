#pragma once

#include <span>
#include <string>
#include <string_view>

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);

// The text between a leading and a trailing double quote; other texts unchanged.
std::string Unquote(std::string_view text);

// From position start (counted from 1) on, steps over characters of set. Gives the position of the
// last one stepped over, or 0 when the character at start is not in set or start lies past the end.
int SpanOf(std::string_view text, int start, std::string_view set);

// Replaces every occurrence of search; inserted text is never searched again. An empty search changes
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement);

// The first operator of the list (in list order) that occurs in text splits it at its first occurrence.
// Gives the operator's place in the list, or -1 with left and right untouched.
int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text, std::string& left,
                    std::string& right);
