#include "framework/results/resultinputs.h"

#include "support/qtprint.h"

#include <gtest/gtest.h>

namespace kavel::test {
namespace {

QStringList values(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

TEST(ResultOptions, EachInputFromItsOptionAndBackToTheSameText)
{
    ResultInputs inputs;
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Orders, values("1,0.5,2")), "");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Operating, values("3000,4500.5")), "");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Stiffness, values("1e3,2500")), "");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::CurveKind, values("2")), "");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Markers, values("1")), "");
    EXPECT_EQ(inputs.orders, (std::vector<double> { 1, 0.5, 2 }));
    EXPECT_EQ(inputs.operating, (OperatingRange { 3000, 4500.5 }));
    EXPECT_EQ(inputs.curve, 2);
    EXPECT_TRUE(inputs.markers);
    EXPECT_EQ(ResultOptions::values(inputs, ResultInput::Stiffness), "1000,2500");
    EXPECT_EQ(ResultOptions::values(inputs, ResultInput::Operating), "3000,4500.5");

    ResultInputs back;
    for (ResultInput input : { ResultInput::Orders, ResultInput::Operating, ResultInput::Stiffness, ResultInput::CurveKind, ResultInput::Markers })
        EXPECT_EQ(ResultOptions::set(back, input, ResultOptions::values(inputs, input).split(QLatin1Char(','))), "");
    EXPECT_EQ(back, inputs);
}

TEST(ResultOptions, ValuesThatDoNotFitAreRefusedNamingTheOptionAndChangeNothing)
{
    ResultInputs inputs;
    inputs.operating = OperatingRange { 1, 2 };
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Operating, values("5,3")), "operating=5,3: MIN must be below MAX");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Operating, values("5,5")), "operating=5,5: MIN must be below MAX");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Operating, values("x,5")), "operating=x,5: 'x' is not a number");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Operating, values("5")), "operating=5: takes two speeds, MIN and MAX");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Orders, values("1,0")), "orders=1,0: '0' is not above 0");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Orders, values("")), "orders=: '' is not a number");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Stiffness, values("-5")), "stiffness=-5: '-5' is not above 0");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::CurveKind, values("3")), "curve=3: takes one curve kind, 0, 1 or 2");
    EXPECT_EQ(ResultOptions::set(inputs, ResultInput::Markers, values("yes")), "markers=yes: takes 0 or 1");
    EXPECT_EQ(inputs, (ResultInputs { { 1 }, OperatingRange { 1, 2 }, {}, std::nullopt, false }));
}

TEST(ResultOptions, AnEmptyValueTakesBackAnInputThatMayBeLeftOut)
{
    ResultInputs inputs { { 2 }, OperatingRange { 1, 2 }, { 5 }, 1, true };
    for (ResultInput input : { ResultInput::Operating, ResultInput::Stiffness, ResultInput::CurveKind })
        EXPECT_EQ(ResultOptions::set(inputs, input, { QString() }), "");
    EXPECT_EQ(inputs, (ResultInputs { { 2 }, std::nullopt, {}, std::nullopt, true }));
}

TEST(ResultOptions, NamesAndUsageOfTheInputsAViewerTakes)
{
    const ResultInputKinds kinds = ResultInput::Stiffness | ResultInput::CurveKind;
    EXPECT_EQ(ResultOptions::usage(kinds), (QStringList { "stiffness=K[,K...]", "curve=0|1|2" }));
    EXPECT_EQ(ResultOptions::inputNamed(QStringLiteral("curve"), kinds), ResultInput::CurveKind);
    EXPECT_FALSE(ResultOptions::inputNamed(QStringLiteral("orders"), kinds));
}

} // namespace
} // namespace kavel::test
