#pragma once

#include "core/counterstate.h"

#include <QString>

#include <array>

// Sets the nine digits of a count written as the recount writes it, "00105.0372"; what the
// wheels last showed is left as it is.
inline void setCountDigits(CounterState &s, const QString &masked)
{
    float *digits[] = {&s.DigitoDezenaMilhar, &s.DigitoMilhar,   &s.DigitoCentena,
                       &s.DigitoDezena,       &s.DigitoUnidade,  nullptr,
                       &s.DigitoDecimal1,     &s.DigitoDecimal2, &s.DigitoDecimal3,
                       &s.DigitoDecimal4};
    for (int i = 0; i < 10; ++i) {
        if (digits[i])
            *digits[i] = float(masked.at(i).digitValue());
    }
}

// The nine digits of the count, from the ten thousands down to the fourth decimal.
inline std::array<float, 9> countDigits(const CounterState &s)
{
    return {s.DigitoDezenaMilhar, s.DigitoMilhar,   s.DigitoCentena,
            s.DigitoDezena,       s.DigitoUnidade,  s.DigitoDecimal1,
            s.DigitoDecimal2,     s.DigitoDecimal3, s.DigitoDecimal4};
}
