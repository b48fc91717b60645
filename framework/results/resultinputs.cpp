#include "resultinputs.h"

#include "resultformat.h"

#include "framework/reading/numberparse.h"

#include <array>

namespace kavel::ResultOptions {

namespace {

constexpr std::array kInputs { ResultInput::Orders, ResultInput::Operating, ResultInput::Stiffness, ResultInput::CurveKind, ResultInput::Markers };

QString usageOf(ResultInput input)
{
    switch (input) {
    case ResultInput::Orders:
        return QStringLiteral("orders=K[,K...]");
    case ResultInput::Operating:
        return QStringLiteral("operating=MIN,MAX");
    case ResultInput::Stiffness:
        return QStringLiteral("stiffness=K[,K...]");
    case ResultInput::CurveKind:
        return QStringLiteral("curve=0|1|2");
    case ResultInput::Markers:
        return QStringLiteral("markers=0|1");
    }
    return {};
}

// Every value a number above 0, one to kMaxValues of them; else why not.
QString positiveNumbers(const QStringList& values, std::vector<double>& out)
{
    if (values.size() > kMaxValues)
        return QStringLiteral("at most %1 values").arg(kMaxValues);
    std::vector<double> numbers;
    for (const QString& value : values) {
        const std::optional<double> number = NumberParse::strict(value);
        if (!number)
            return QStringLiteral("'%1' is not a number").arg(value);
        if (!(*number > 0))
            return QStringLiteral("'%1' is not above 0").arg(value);
        numbers.push_back(*number);
    }
    out = std::move(numbers);
    return {};
}

QString joined(const std::vector<double>& numbers)
{
    QStringList texts;
    for (double n : numbers)
        texts << ResultFormat::number(n);
    return texts.join(QLatin1Char(','));
}

QString why(ResultInput input, const QStringList& values, const QString& reason)
{
    return QStringLiteral("%1=%2: %3").arg(name(input), values.join(QLatin1Char(',')), reason);
}

} // namespace

QString name(ResultInput input)
{
    return usageOf(input).section(QLatin1Char('='), 0, 0);
}

std::optional<ResultInput> inputNamed(const QString& optionName, ResultInputKinds kinds)
{
    for (const ResultInput input : kInputs) {
        if (kinds.testFlag(input) && name(input) == optionName)
            return input;
    }
    return std::nullopt;
}

QString set(ResultInputs& inputs, ResultInput input, const QStringList& values)
{
    // An empty value takes back what was given, where the input may be left
    // out: no stiffness, no operating range, every curve kind.
    if (values == QStringList { QString() }) {
        switch (input) {
        case ResultInput::Stiffness:
            inputs.stiffness.clear();
            return {};
        case ResultInput::Operating:
            inputs.operating.reset();
            return {};
        case ResultInput::CurveKind:
            inputs.curve.reset();
            return {};
        case ResultInput::Orders:
        case ResultInput::Markers:
            break;
        }
    }
    switch (input) {
    case ResultInput::Orders:
    case ResultInput::Stiffness: {
        QString reason = positiveNumbers(values, input == ResultInput::Orders ? inputs.orders : inputs.stiffness);
        return reason.isEmpty() ? reason : why(input, values, reason);
    }
    case ResultInput::Operating: {
        std::vector<double> range;
        if (values.size() != 2)
            return why(input, values, QStringLiteral("takes two speeds, MIN and MAX"));
        if (QString reason = positiveNumbers(values, range); !reason.isEmpty())
            return why(input, values, reason);
        if (!(range[0] < range[1]))
            return why(input, values, QStringLiteral("MIN must be below MAX"));
        inputs.operating = OperatingRange { range[0], range[1] };
        return {};
    }
    case ResultInput::CurveKind:
        if (values.size() != 1 || !QStringList { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2") }.contains(values[0]))
            return why(input, values, QStringLiteral("takes one curve kind, 0, 1 or 2"));
        inputs.curve = values[0].toInt();
        return {};
    case ResultInput::Markers:
        if (values.size() != 1 || (values[0] != QLatin1String("0") && values[0] != QLatin1String("1")))
            return why(input, values, QStringLiteral("takes 0 or 1"));
        inputs.markers = values[0] == QLatin1String("1");
        return {};
    }
    return {};
}

QString values(const ResultInputs& inputs, ResultInput input)
{
    switch (input) {
    case ResultInput::Orders:
        return joined(inputs.orders);
    case ResultInput::Stiffness:
        return joined(inputs.stiffness);
    case ResultInput::Operating:
        return inputs.operating ? joined({ inputs.operating->min, inputs.operating->max }) : QString();
    case ResultInput::CurveKind:
        return inputs.curve ? QString::number(*inputs.curve) : QString();
    case ResultInput::Markers:
        return inputs.markers ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

QStringList usage(ResultInputKinds kinds)
{
    QStringList list;
    for (const ResultInput input : kInputs) {
        if (kinds.testFlag(input))
            list << usageOf(input);
    }
    return list;
}

} // namespace kavel::ResultOptions
