#include "core/numbermask.h"

#include <cmath>

namespace {

struct MaskShape
{
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool hasPoint = false;
};

MaskShape parseMask(QStringView mask)
{
    MaskShape shape;
    const qsizetype point = mask.indexOf(u'.');
    const QStringView integerPart = point < 0 ? mask : mask.left(point);
    shape.minIntegerDigits = int(integerPart.count(u'0'));
    if (point >= 0) {
        shape.hasPoint = true;
        const QStringView fraction = mask.mid(point + 1);
        shape.minDecimals = int(fraction.count(u'0'));
        shape.maxDecimals = int(fraction.count(u'0') + fraction.count(u'#'));
    }
    return shape;
}

// Decimal digits of |value| at 15 significant digits, split at the decimal point.
void decimalDigits(double magnitude, QString &integerDigits, QString &fractionDigits)
{
    const QString scientific = QString::number(magnitude, 'e', 14); // d.dddddddddddddde±XX
    const qsizetype e = scientific.indexOf(u'e');
    QString mantissa = scientific.left(e);
    mantissa.remove(u'.');
    const int exponent = scientific.mid(e + 1).toInt();
    if (exponent >= 0) {
        if (mantissa.size() <= exponent + 1)
            mantissa += QString(exponent + 1 - mantissa.size(), u'0');
        integerDigits = mantissa.left(exponent + 1);
        fractionDigits = mantissa.mid(exponent + 1);
    } else {
        integerDigits = QStringLiteral("0");
        fractionDigits = QString(-exponent - 1, u'0') + mantissa;
    }
}

// Adds one unit at the last place of integer.fraction, carrying leftwards.
void incrementLastPlace(QString &integerDigits, QString &fractionDigits)
{
    for (qsizetype i = fractionDigits.size() - 1; i >= 0; --i) {
        if (fractionDigits[i] == u'9') {
            fractionDigits[i] = u'0';
        } else {
            fractionDigits[i] = QChar(fractionDigits[i].unicode() + 1);
            return;
        }
    }
    for (qsizetype i = integerDigits.size() - 1; i >= 0; --i) {
        if (integerDigits[i] == u'9') {
            integerDigits[i] = u'0';
        } else {
            integerDigits[i] = QChar(integerDigits[i].unicode() + 1);
            return;
        }
    }
    integerDigits.prepend(u'1');
}

bool allZero(const QString &digits)
{
    for (QChar c : digits) {
        if (c != u'0')
            return false;
    }
    return true;
}

} // namespace

QString formatMask(double value, QStringView mask, const QLocale &locale)
{
    if (!std::isfinite(value))
        value = 0.0;
    const MaskShape shape = parseMask(mask);

    QString integerDigits;
    QString fractionDigits;
    decimalDigits(std::fabs(value), integerDigits, fractionDigits);

    // Round half away from zero at the mask's last place.
    const bool roundUp =
        fractionDigits.size() > shape.maxDecimals && fractionDigits[shape.maxDecimals] >= u'5';
    fractionDigits.truncate(shape.maxDecimals);
    if (fractionDigits.size() < shape.maxDecimals)
        fractionDigits += QString(shape.maxDecimals - fractionDigits.size(), u'0');
    if (roundUp)
        incrementLastPlace(integerDigits, fractionDigits);

    while (fractionDigits.size() > shape.minDecimals && fractionDigits.endsWith(u'0'))
        fractionDigits.chop(1);
    while (integerDigits.size() > 1 && integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    if (integerDigits == u"0" && shape.minIntegerDigits == 0)
        integerDigits.clear();
    if (integerDigits.size() < shape.minIntegerDigits)
        integerDigits.prepend(QString(shape.minIntegerDigits - integerDigits.size(), u'0'));

    QString text;
    if (value < 0 && !(allZero(integerDigits) && allZero(fractionDigits)))
        text += locale.negativeSign();
    text += integerDigits;
    if (shape.hasPoint && !fractionDigits.isEmpty())
        text += locale.decimalPoint() + fractionDigits;
    return text;
}

QString formatGeneral(float value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(double(value), 'g', 7);
}

QString formatPanelNumber(float value)
{
    const QString number = QString::number(double(value), 'g', 7);
    return value < 0 ? number : u' ' + number;
}

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double readLeadingPointNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    return QLocale::c().toDouble(text.mid(start, i - start));
}

double roundTo15Digits(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return value;
    return QString::number(value, 'e', 14).toDouble();
}

bool isDigitsOnly(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}
