#include "wyswietlanie.h"

#include <gtest/gtest.h>

#include <iostream>
#include <limits>
#include <sstream>
#include <string>

namespace {

// Standard output's buffer, counting flushes: the display leaves flushing
// to the next read of standard input.
class BuforZLicznikiem : public std::stringbuf {
  public:
    int oproznienia = 0;

  protected:
    int sync() override
    {
        ++oproznienia;
        return std::stringbuf::sync();
    }
};

// Catches what the display writes to standard output.
class Wyswietlanie : public ::testing::Test {
  protected:
    void SetUp() override
    {
        poprzedni = std::cout.rdbuf(&wyjscie);
    }
    void TearDown() override
    {
        std::cout.rdbuf(poprzedni);
    }

    std::string wyswietl(const int plansza[][ROZMIAR])
    {
        wyjscie.str("");
        wyswietlPlansze(plansza);
        return wyjscie.str();
    }

    BuforZLicznikiem wyjscie;
    std::streambuf *poprzedni = nullptr;
};

const std::string NAGLOWEK = "\n   | K1 | K2 | K3 |\n---+----+----+----+\n";
const std::string SEPARATOR = "\n---+----+----+----+\n";

TEST_F(Wyswietlanie, UkladPoczatkowyZKropkamiWPustychPolach)
{
    const int plansza[ROZMIAR][ROZMIAR] = {{4, 0, 5}, {0, 3, 0}, {0, 6, 0}};
    EXPECT_EQ(wyswietl(plansza), "\n"
                                 "   | K1 | K2 | K3 |\n"
                                 "---+----+----+----+\n"
                                 "W1 |  4 |  . |  5 | \n"
                                 "---+----+----+----+\n"
                                 "W2 |  . |  3 |  . | \n"
                                 "---+----+----+----+\n"
                                 "W3 |  . |  6 |  . | \n"
                                 "---+----+----+----+\n");
}

TEST_F(Wyswietlanie, NieOproznaWyjscia)
{
    const int plansza[ROZMIAR][ROZMIAR] = {{4, 2, 5}, {4, 3, 4}, {3, 6, 2}};
    wyswietl(plansza);
    EXPECT_EQ(wyjscie.oproznienia, 0);
}

TEST_F(Wyswietlanie, PelnaPlanszaBezKropek)
{
    const int plansza[ROZMIAR][ROZMIAR] = {{4, 2, 5}, {4, 3, 4}, {3, 6, 2}};
    EXPECT_EQ(wyswietl(plansza), NAGLOWEK + "W1 |  4 |  2 |  5 | " + SEPARATOR +
                                     "W2 |  4 |  3 |  4 | " + SEPARATOR + "W3 |  3 |  6 |  2 | " +
                                     SEPARATOR);
}

struct PrzypadekSzerokosci {
    const char *nazwa;
    int wartosc;
    const char *wierszW1;
};

void PrintTo(const PrzypadekSzerokosci &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class SzerokoscPola : public Wyswietlanie,
                      public ::testing::WithParamInterface<PrzypadekSzerokosci> {};

// Only row 1 column 1 changes; the rest of the rendering must stay put.
TEST_P(SzerokoscPola, WartoscWPierwszejKomorce)
{
    const PrzypadekSzerokosci &przypadek = GetParam();
    const int plansza[ROZMIAR][ROZMIAR] = {{przypadek.wartosc, 0, 5}, {0, 3, 0}, {0, 6, 0}};
    EXPECT_EQ(wyswietl(plansza), NAGLOWEK + przypadek.wierszW1 + SEPARATOR +
                                     "W2 |  . |  3 |  . | " + SEPARATOR + "W3 |  . |  6 |  . | " +
                                     SEPARATOR);
}

const PrzypadekSzerokosci SZEROKOSCI[] = {
    {"Zero", 0, "W1 |  . |  . |  5 | "},
    {"Cyfra", 9, "W1 |  9 |  . |  5 | "},
    {"MinusPiec", -5, "W1 | -5 |  . |  5 | "},
    {"Dziesiec", 10, "W1 | 10 |  . |  5 | "},
    {"StoDwadziesciaTrzy", 123, "W1 | 123 |  . |  5 | "},
    {"MinusDwanascie", -12, "W1 | -12 |  . |  5 | "},
    {"Najmniejsza", std::numeric_limits<int>::min(), "W1 | -2147483648 |  . |  5 | "},
    {"Najwieksza", std::numeric_limits<int>::max(), "W1 | 2147483647 |  . |  5 | "},
};

INSTANTIATE_TEST_SUITE_P(Wartosci, SzerokoscPola, ::testing::ValuesIn(SZEROKOSCI),
                         [](const ::testing::TestParamInfo<PrzypadekSzerokosci> &opis) {
                             return std::string(opis.param.nazwa);
                         });

} // namespace
