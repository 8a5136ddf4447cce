#include "FieldValue.h"

#include "SerialDate.h"
#include "text/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kartavel::store {

namespace {

// General format with 15 significant digits: fixed while the number has at most
// 15 digits before the point and is not below 0.00001, scientific otherwise.
std::string generalText(double v) {
    if (!std::isfinite(v))
        return "0";
    if (v == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v); // d.dddddddddddddde[+-]xx
    std::string s(buf);
    const auto ePos = s.find('e');
    std::string mantissa = s.substr(0, ePos);
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    const bool negative = mantissa.front() == '-';
    if (negative)
        mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= intDigits) {
        out += digits + std::string(intDigits - digits.size(), '0');
    } else {
        out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::string_view t = text;
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || t.empty())
        return std::nullopt;
    return v;
}

} // namespace

std::int32_t wholeNumber(double v) {
    if (std::isnan(v))
        return 0;
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::clamp(v, kLow, kHigh)));
}

std::optional<double> parseDecimal(std::string_view text) {
    // Check the shape first: sign, digits, optional fraction, optional exponent.
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < n && isDigit(text[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    std::string_view t = text;
    if (t.front() == '+')
        t.remove_prefix(1);
    double v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string valueText(FieldType type, const Value& value) {
    if (std::holds_alternative<std::monostate>(value))
        return {};
    switch (type) {
    case FieldType::String:
        return std::get<std::string>(value);
    case FieldType::Integer:
    case FieldType::Date:
        return std::to_string(std::get<std::int32_t>(value));
    case FieldType::Boolean:
        return std::get<bool>(value) ? "-1" : "0";
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Time:
    case FieldType::DateTime:
        return generalText(std::get<double>(value));
    }
    return {};
}

std::optional<Value> parseValueText(const FieldDef& field, std::string_view text) {
    if (text.empty())
        return Value{};
    switch (field.type) {
    case FieldType::String:
        return Value{std::string(
            text::leftCharacters(text, static_cast<std::size_t>(std::max(field.size, 0))))};
    case FieldType::Integer:
        if (auto v = parseInteger(text))
            return Value{*v};
        return std::nullopt;
    case FieldType::Date: {
        const auto v = parseDecimal(text);
        if (!v || *v < kMinSerialDay || *v >= kMaxSerialDay + 1.0)
            return std::nullopt;
        return Value{wholeNumber(*v)};
    }
    case FieldType::Time:
    case FieldType::DateTime: {
        const auto v = parseDecimal(text);
        if (!v || *v < kMinSerialDay || *v >= kMaxSerialDay + 1.0)
            return std::nullopt;
        if (field.type == FieldType::Time)
            return Value{std::fabs(*v - std::trunc(*v))};
        return Value{*v};
    }
    case FieldType::Float:
        if (auto v = parseDecimal(text))
            return Value{*v};
        return std::nullopt;
    case FieldType::Currency:
        if (auto v = parseDecimal(text))
            return Value{std::round(*v * 10000.0) / 10000.0};
        return std::nullopt;
    case FieldType::Boolean: {
        auto lower = [](std::string_view s) {
            std::string r(s);
            for (char& c : r)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c + 32);
            return r;
        };
        const std::string l = lower(text);
        if (l == "true")
            return Value{true};
        if (const auto v = parseDecimal(text))
            return Value{*v != 0};
        return Value{false};
    }
    }
    return std::nullopt;
}

std::string FieldValueText(const RecordTable& table, int field) {
    return valueText(table.fieldType(field), table.value(field));
}

} // namespace kartavel::store
