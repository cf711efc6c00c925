#include "text/numeric_value.h"

#include <QByteArray>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace pizarrin {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(char c, int radix)
{
    int value = radix;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

// The text without blanks, up to its first character outside ASCII (which no number
// can contain), as plain bytes.
std::string compact(QStringView text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min<qsizetype>(text.size(), 64)));
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if (c.unicode() > 0x7F)
            break;
        bytes.push_back(static_cast<char>(c.unicode()));
    }
    return bytes;
}

// The hexadecimal digits of an octal number: three bits per octal digit regrouped into
// four, so that the value can be read, correctly rounded, as hexadecimal.
std::string octalAsHex(const std::string& octal)
{
    std::string bits;
    for (char digit : octal)
        for (int shift = 2; shift >= 0; --shift)
            bits.push_back(((digit - '0') >> shift) & 1 ? '1' : '0');
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t p = 0; p < bits.size(); p += 4) {
        const int nibble = (bits[p] - '0') * 8 + (bits[p + 1] - '0') * 4 + (bits[p + 2] - '0') * 2
            + (bits[p + 3] - '0');
        hex.push_back("0123456789abcdef"[nibble]);
    }
    return hex;
}

// The number that hexadecimal digits spell, rounded to the nearest double (ties to even),
// or infinity beyond the largest. Written out rather than left to the library, whose
// floating-point conversions some standard libraries lack (the browser's, libc++ 19).
double hexValue(const std::string& hex)
{
    const std::size_t first = hex.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const auto leading = static_cast<unsigned>(digitValue(hex[first], 16));
    const auto leadingBits = static_cast<long long>(std::bit_width(leading));
    const long long bits = leadingBits + 4 * static_cast<long long>(hex.size() - first - 1);
    if (bits > std::numeric_limits<double>::max_exponent)
        return std::numeric_limits<double>::infinity();
    // The top 64 bits, and whether any bit below them is set.
    std::uint64_t top = 0;
    int taken = 0;
    bool sticky = false;
    for (std::size_t d = first; d < hex.size(); ++d) {
        const auto digit = static_cast<unsigned>(digitValue(hex[d], 16));
        for (int b = (d == first ? static_cast<int>(leadingBits) : 4) - 1; b >= 0; --b) {
            const unsigned bit = (digit >> b) & 1U;
            if (taken < 64) {
                top = (top << 1U) | bit;
                ++taken;
            } else {
                sticky = sticky || bit != 0;
            }
        }
    }
    constexpr int mantissaBits = std::numeric_limits<double>::digits;
    if (taken <= mantissaBits)
        return std::ldexp(static_cast<double>(top), static_cast<int>(bits - taken));
    const int dropped = taken - mantissaBits;
    std::uint64_t mantissa = top >> dropped;
    const std::uint64_t rest = top & ((std::uint64_t {1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t {1} << (dropped - 1);
    if (rest > half || (rest == half && (sticky || (mantissa & 1U) != 0)))
        ++mantissa;
    return std::ldexp(static_cast<double>(mantissa), static_cast<int>(bits - mantissaBits));
}

double prefixed(const std::string& s)
{
    if (s.size() < 2)
        return 0.0;
    const char kind = s[1];
    const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (radix == 0)
        return 0.0;
    std::size_t end = 2;
    while (end < s.size() && digitValue(s[end], radix) >= 0)
        ++end;
    if (end == 2)
        return 0.0;
    std::string hex = s.substr(2, end - 2);
    if (radix == 8)
        hex = octalAsHex(hex);
    return hexValue(hex);
}

std::size_t skipDigits(const std::string& s, std::size_t p)
{
    while (p < s.size() && s[p] >= '0' && s[p] <= '9')
        ++p;
    return p;
}

double decimal(const std::string& s)
{
    std::size_t p = 0;
    const bool negative = p < s.size() && s[p] == '-';
    if (p < s.size() && (s[p] == '-' || s[p] == '+'))
        ++p;

    const std::size_t integerStart = p;
    p = skipDigits(s, p);
    const std::size_t integerEnd = p;
    std::size_t fractionStart = p;
    std::size_t fractionEnd = p;
    if (p + 1 < s.size() && s[p] == '.' && s[p + 1] >= '0' && s[p + 1] <= '9') {
        fractionStart = p + 1;
        fractionEnd = skipDigits(s, fractionStart);
        p = fractionEnd;
    }
    if (integerStart == integerEnd && fractionStart == fractionEnd)
        return 0.0;

    // The exponent counts only when at least one digit follows its letter and sign.
    long long exponent = 0;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E' || s[p] == 'd' || s[p] == 'D')) {
        std::size_t q = p + 1;
        const bool exponentNegative = q < s.size() && s[q] == '-';
        if (q < s.size() && (s[q] == '-' || s[q] == '+'))
            ++q;
        const std::size_t end = skipDigits(s, q);
        if (end > q) {
            // Far beyond any double's range, and small enough never to overflow here.
            constexpr long long saturation = 100000;
            for (std::size_t d = q; d < end && exponent < saturation; ++d)
                exponent = exponent * 10 + (s[d] - '0');
            if (exponentNegative)
                exponent = -exponent;
        }
    }

    std::string number(1, '0');
    number.append(s, integerStart, integerEnd - integerStart);
    if (fractionEnd > fractionStart) {
        number.push_back('.');
        number.append(s, fractionStart, fractionEnd - fractionStart);
    }
    number.push_back('e');
    number.append(std::to_string(exponent));

    // Qt's conversion reads the C locale's digits whatever the program's locale; it gives
    // infinity on overflow and zero on underflow, and keeps subnormal values.
    bool ok = false;
    double value = QByteArray::fromStdString(number).toDouble(&ok);
    if (!std::isfinite(value) || (value == 0.0 && !ok)) {
        // Too large or too small for a double: the place of the leading digit decides.
        const std::size_t firstNonZero = s.find_first_not_of('0', integerStart);
        long long leadingPlace = 0;
        if (firstNonZero < integerEnd)
            leadingPlace = static_cast<long long>(integerEnd - firstNonZero);
        else
            leadingPlace
                = -static_cast<long long>(s.find_first_not_of('0', fractionStart) - fractionStart);
        value = leadingPlace + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double NumericValue(QStringView text)
{
    const std::string s = compact(text);
    if (!s.empty() && s.front() == '&')
        return prefixed(s);
    return decimal(s);
}

int boundedInt(double value, int low, int high)
{
    if (std::isnan(value))
        return low;
    return static_cast<int>(std::clamp(value, static_cast<double>(low), static_cast<double>(high)));
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

} // namespace pizarrin
