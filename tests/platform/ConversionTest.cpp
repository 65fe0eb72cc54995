#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <utility>

#include "platform/Afx.h"

TEST(Conversions, TakeTheDecimalPrefixOnlyAndIntegersSaturate)
{
    const std::pair<const wchar_t*, int> integers[] = {
        {L"  10", 10}, {L"\t-42abc", -42}, {L"+7", 7}, {L"", 0}, {L"x1", 0}, {nullptr, 0},
        {L"2147483647", INT_MAX}, {L"2147483648", INT_MAX}, {L"99999999999", INT_MAX},
        {L"-2147483648", INT_MIN}, {L"-99999999999", INT_MIN}};
    for (const auto& [text, value] : integers)
        EXPECT_EQ(_wtoi(text), value) << (text ? text : L"(null)");
    // The real corners strtod reads otherwise or the generated numbers below do not reach.
    const std::pair<const wchar_t*, double> reals[] = {
        {L" \t1.5", 1.5}, {L"+2.5", 2.5}, {L"2E-2x", 0.02}, {L"1E+2", 100.0}, {L"1e", 1.0},
        {L"1e+", 1.0}, {L"1,5", 1.0}, {L".", 0.0}, {L"-", 0.0}, {L"0x10", 0.0}, {L"inf", 0.0},
        {L"nan", 0.0}, {nullptr, 0.0}, {L"1e99999999999", HUGE_VAL}, {L"-1e999999", -HUGE_VAL}};
    for (const auto& [text, value] : reals)
        EXPECT_EQ(_wtof(text), value) << (text ? text : L"(null)");
    EXPECT_TRUE(std::signbit(_wtof(L"-0e999")));
    EXPECT_TRUE(std::signbit(_wtof(L"-0.0")));
}

// Seeded texts of a sign, whole and fraction parts of up to five zeros and 24 digits, and an
// exponent: wherever the exact shortcut is taken, it must give the bits strtod gives.
TEST(Conversions, RealGivesTheBitsOfStrtodForGeneratedNumbers)
{
#ifdef _WIN32
    GTEST_SKIP() << "_wtof is the C runtime's own on Windows, with no shortcut of its own to check";
#endif
    std::mt19937 rng(20261206);
    std::string text;
    auto part = [&](const char* lead)
    {
        text.append(lead).append(rng() % 6, '0');
        for (unsigned count = rng() % 25; count > 0; --count)
            text += static_cast<char>('0' + rng() % 10);
    };
    for (int i = 0; i < 50000; ++i)
    {
        text.clear();
        part(rng() % 4 ? "" : "-");
        if (rng() % 3)
            part(".");
        if (rng() % 4 == 0)
            text += "e" + std::to_string(static_cast<int>(rng() % 700) - 350);
        const double got = _wtof(std::wstring(text.begin(), text.end()).c_str());
        const double want = std::strtod(text.c_str(), nullptr);
        ASSERT_TRUE(got == want && std::signbit(got) == std::signbit(want)) << text << ": " << got;
    }
}

namespace
{
// Sets LC_NUMERIC to a locale with a decimal comma; false when none is installed.
bool SetCommaLocale()
{
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") ||
           std::setlocale(LC_NUMERIC, "German_Germany.1252");
}
} // namespace

TEST(Conversions, RealFollowsTheDecimalPointOfTheCurrentLocale)
{
    if (!SetCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(_wtof(L"1,5"), 1.5);
    EXPECT_EQ(_wtof(L"1.5"), 1.0);
    EXPECT_EQ(_wtof(L"-12.25"), -12.0);
    std::setlocale(LC_NUMERIC, "C"); // what every other test reads in
}

#ifndef _WIN32
// A read holds the decimal point it began with, through inner holds, and lets go at its end.
TEST(Conversions, RealReadsByTheDecimalPointHeldWhileAReadLasts)
{
    if (!SetCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    std::setlocale(LC_NUMERIC, "C");
    {
        const RvzDecimalPointHeld read;
        SetCommaLocale();
        EXPECT_EQ(_wtof(L"1.5"), 1.5);
        {
            const RvzDecimalPointHeld inner;
            EXPECT_EQ(_wtof(L"1,5"), 1.0);
        }
        EXPECT_EQ(_wtof(L"-12.25"), -12.25);
    }
    EXPECT_EQ(_wtof(L"1.5"), 1.0);
    {
        const RvzDecimalPointHeld comma;
        std::setlocale(LC_NUMERIC, "C");
        EXPECT_EQ(_wtof(L"1.5"), 1.0);
        EXPECT_EQ(_wtof(L"1,5"), 1.5);
    }
    std::setlocale(LC_NUMERIC, "C");
}
#endif
