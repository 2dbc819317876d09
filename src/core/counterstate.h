#pragma once

#include <QtGlobal>

#include <array>

// Which count the odometer accumulates: today's, this month's or this year's.
enum class AccumulationMode { Dia = 0, Mes = 1, Ano = 2 };

// The hourly table filled from the active distribution: for each hour, the share (percent)
// of the interval that contains it. The interval count is kept with the table, so that a
// running count keeps the weighting it started with.
struct HourlyTable
{
    std::array<double, 13> percentualIntervalo{};
    std::array<double, 25> percentualHora{};
    int intervalCount = 1;

    // Hours by which an hourly share is divided to give the share of one hour
    // (the single interval's share is already divided by 24 when it is expanded).
    double hoursPerShare() const { return intervalCount <= 1 ? 1.0 : 24.0 / intervalCount; }
};

// The main window's own variables: the digits of the count, what the wheels last showed,
// the tick counters and the switches. Digits are 32-bit floats holding whole values 0 to 9.
struct CounterState
{
    float contaTiques = 0;
    int giroDecimal = 0;

    float DigitoDecimal1 = 0;
    float DigitoDecimal2 = 0;
    float DigitoDecimal3 = 0;
    float DigitoDecimal4 = 0;
    float DigitoUnidade = 0;
    float DigitoDezena = 0;
    float DigitoCentena = 0;
    float DigitoMilhar = 0;
    float DigitoDezenaMilhar = 0;

    // 99 means nothing drawn yet: the next odometer pass redraws the wheel.
    qint16 ExibidoUnidade = 0;
    qint16 ExibidoDezena = 0;
    qint16 ExibidoCentena = 0;
    qint16 ExibidoMilhar = 0;
    qint16 ExibidoDezenaMilhar = 0;

    qint16 TiltDesligado = 0;

    HourlyTable hourly;

    void forgetShownDigits()
    {
        ExibidoUnidade = ExibidoDezena = ExibidoCentena = ExibidoMilhar = ExibidoDezenaMilhar = 99;
    }

    // The nine digits of a count, from the ten thousands down to the fourth decimal (as a
    // recount gives them); what the wheels last showed is left as it is.
    void setDigits(const std::array<float, 9> &digits)
    {
        DigitoDezenaMilhar = digits[0];
        DigitoMilhar = digits[1];
        DigitoCentena = digits[2];
        DigitoDezena = digits[3];
        DigitoUnidade = digits[4];
        DigitoDecimal1 = digits[5];
        DigitoDecimal2 = digits[6];
        DigitoDecimal3 = digits[7];
        DigitoDecimal4 = digits[8];
    }
};
