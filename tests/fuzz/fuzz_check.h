#pragma once

#include "field_encoding.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets check.

// A property every input must keep: when it does not, the fuzzer stops and
// keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: does not hold: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)

// What the unit reads from a number field holding these digits: the first
// sixteen, in upper case, without the trailing F digits (F is the padding).
inline QString NumberAsRead(const QString &digits)
{
    QString read = digits.left(kPhoneNumberDigits).toUpper();
    while (read.endsWith(u'F'))
        read.chop(1);
    return read;
}
