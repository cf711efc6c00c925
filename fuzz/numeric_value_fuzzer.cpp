// NumericValue against an independent reference: a regular expression finds the leading
// number and the C library's strtod reads it, in the "C" locale. Any disagreement, or
// any crash, stops the fuzzer.
#include "text/numeric_value.h"

#include <QString>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace {

double reference(const QString& text)
{
    std::string s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (c.unicode() > 0x7F)
            break;
        s.push_back(char(c.unicode()));
    }
    static const std::regex hex("^&[Hh]([0-9A-Fa-f]+)");
    static const std::regex octal("^&[Oo]([0-7]+)");
    static const std::regex decimal("^[+-]?([0-9]+(\\.[0-9]+)?|\\.[0-9]+)([EeDd][+-]?[0-9]+)?");
    std::smatch match;
    if (std::regex_search(s, match, hex))
        return std::strtod(("0x" + match[1].str()).c_str(), nullptr);
    if (std::regex_search(s, match, octal)) {
        long double value = 0; // checked against a tolerance beyond 2^53
        for (char digit : match[1].str())
            value = value * 8 + (digit - '0');
        return double(value);
    }
    if (!std::regex_search(s, match, decimal))
        return 0.0;
    std::string number = match[0].str();
    for (char& c : number)
        if (c == 'D' || c == 'd')
            c = 'e';
    return std::strtod(number.c_str(), nullptr);
}

bool agree(double ours, double theirs)
{
    if (ours == theirs)
        return true;
    // Octal read by the reference in extended precision: exact up to 2^64, then close.
    return std::isfinite(ours) && std::abs(ours) > 9007199254740992.0
        && std::abs(ours - theirs) <= std::abs(theirs) * 1e-15;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double ours = pizarrin::NumericValue(text);
    const double theirs = reference(text);
    if (!agree(ours, theirs)) {
        std::fprintf(stderr, "NumericValue(\"%s\") = %.17g, reference %.17g\n",
            text.toUtf8().constData(), ours, theirs);
        std::abort();
    }
    return 0;
}
