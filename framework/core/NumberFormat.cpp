#include "framework/core/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace fw {

namespace {

// A pattern split into the text around the number and the number's shape.
struct Pattern {
    std::string prefix, suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouped = false;
};

bool IsPlaceholder(char c) {
    return c == '#' || c == '0' || c == ',' || c == '.';
}

Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    bool inNumber = false, afterNumber = false, afterPoint = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        std::string& literal = inNumber || afterNumber ? pattern.suffix : pattern.prefix;
        if (c == '\'' || c == '"') {
            size_t end = text.find(c, i + 1);
            if (end == std::string_view::npos)
                end = text.size();
            literal.append(text.substr(i + 1, end - i - 1));
            i = end;
            afterNumber = afterNumber || inNumber;
            continue;
        }
        if (!IsPlaceholder(c) || afterNumber) {
            literal += c;
            afterNumber = afterNumber || inNumber;
            continue;
        }
        inNumber = true;
        if (c == '.')
            afterPoint = true;
        else if (c == ',')
            pattern.grouped = pattern.grouped || !afterPoint;
        else if (afterPoint) {
            ++pattern.maxDecimals;
            pattern.minDecimals += c == '0';
        } else
            pattern.minIntegerDigits += c == '0';
    }
    return pattern;
}

std::string Grouped(const std::string& digits, const std::string& separator) {
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace

std::string FormatFloat(std::string_view patternText, double value,
                        const TFormatSettings& settings) {
    Pattern pattern = ParsePattern(patternText);
    double scale = 1;
    for (int i = 0; i < pattern.maxDecimals; ++i)
        scale *= 10;
    double scaled = std::round(std::fabs(value) * scale);
    // The system's C library writes the whole number (see Format).
    char buffer[400] = {};
    _snprintf(buffer, sizeof buffer - 1, "%.0f", scaled);
    std::string digits = buffer;
    if (digits.size() <= size_t(pattern.maxDecimals))
        digits.insert(0, size_t(pattern.maxDecimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - size_t(pattern.maxDecimals));
    std::string fraction = digits.substr(whole.size());
    while (fraction.size() > size_t(pattern.minDecimals) && fraction.back() == '0')
        fraction.pop_back();
    if (whole == "0" && (pattern.minIntegerDigits == 0 && !fraction.empty()))
        whole.clear();
    if (whole.size() < size_t(pattern.minIntegerDigits))
        whole.insert(0, size_t(pattern.minIntegerDigits) - whole.size(), '0');

    std::string text = pattern.prefix;
    if (value < 0 && scaled != 0)
        text += '-';
    text += pattern.grouped ? Grouped(whole, settings.thousandSeparator) : whole;
    if (!fraction.empty())
        text += settings.decimalSeparator + fraction;
    return text + pattern.suffix;
}

std::string FormatFloat(std::string_view pattern, double value) {
    return FormatFloat(pattern, value, UserFormatSettings());
}

} // namespace fw
