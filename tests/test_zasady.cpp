#include "zasady.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <ostream>
#include <vector>

namespace {

constexpr int MAKS = std::numeric_limits<int>::max();
constexpr int MIN = std::numeric_limits<int>::min();

struct PrzypadekPlanszy {
    const char *nazwa;
    int plansza[ROZMIAR][ROZMIAR];
    bool oczekiwany;
};

void PrintTo(const PrzypadekPlanszy &przypadek, std::ostream *os)
{
    *os << przypadek.nazwa;
}

class SprawdzanieRozwiazania : public ::testing::TestWithParam<PrzypadekPlanszy> {};

TEST_P(SprawdzanieRozwiazania, ZwracaOczekiwanyWerdykt)
{
    const PrzypadekPlanszy &przypadek = GetParam();
    EXPECT_EQ(sprawdzRozwiazanie(przypadek.plansza), przypadek.oczekiwany);
}

const PrzypadekPlanszy PRZYPADKI[] = {
    {"Rozwiazanie1", {{4, 2, 5}, {3, 3, 5}, {4, 6, 1}}, true},
    {"Rozwiazanie2", {{4, 2, 5}, {4, 3, 4}, {3, 6, 2}}, true},
    {"Rozwiazanie3", {{4, 2, 5}, {5, 3, 3}, {2, 6, 3}}, true},
    {"Rozwiazanie4", {{4, 2, 5}, {6, 3, 2}, {1, 6, 4}}, true},
    // Repeats within rows and columns are allowed; diagonals do not count.
    {"PowtorzoneCyfry", {{5, 1, 5}, {1, 9, 1}, {5, 1, 5}}, true},
    {"UkladPoczatkowy", {{4, 0, 5}, {0, 3, 0}, {0, 6, 0}}, false},
    {"WierszeDobrePierwszaKolumnaZla", {{4, 2, 5}, {1, 3, 7}, {1, 6, 4}}, false},
    {"KolumnyDobreWierszeZle", {{4, 1, 1}, {2, 3, 6}, {5, 7, 4}}, false},
    {"TylkoOstatniaKomorkaZla", {{4, 2, 5}, {3, 3, 5}, {4, 6, 2}}, false},
    {"WszystkieSumyZle", {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, false},
    // Every row and column sums to 11, but some cell lies outside 1..9.
    {"ZeroJedynaZlaKomorka", {{0, 2, 9}, {5, 5, 1}, {6, 4, 1}}, false},
    {"ZeroPrzyDobrychSumach", {{10, 0, 1}, {0, 10, 1}, {1, 1, 9}}, false},
    {"UjemnaPrzyDobrychSumach", {{-1, 3, 9}, {3, 7, 1}, {9, 1, 1}}, false},
    {"PonadDziewiecPrzyDobrychSumach", {{12, -2, 1}, {-2, 4, 9}, {1, 9, 1}}, false},
    {"ZeroWOstatniejKomorce", {{4, 2, 5}, {3, 3, 5}, {4, 6, 0}}, false},
    {"NajwiekszaWartosc", {{4, MAKS, 5}, {3, 3, 5}, {4, 6, 1}}, false},
    {"NajmniejszaWartosc", {{4, 2, 5}, {3, 3, 5}, {4, 6, MIN}}, false},
    // The first column sum adds both extremes before their rows are tested.
    {"KolumnaSpotykaSkrajnosciPrzedTestemWiersza", {{4, 2, 5}, {MAKS, 3, 5}, {MAKS, 6, 1}}, false},
    {"KolumnaSpotykaMinimaPrzedTestemWiersza",
     {{4, 2, 5}, {MIN, MIN, MIN}, {MIN, MIN, MIN}},
     false},
};

INSTANTIATE_TEST_SUITE_P(Plansze, SprawdzanieRozwiazania, ::testing::ValuesIn(PRZYPADKI),
                         [](const ::testing::TestParamInfo<PrzypadekPlanszy> &opis) {
                             return std::string(opis.param.nazwa);
                         });

TEST(SprawdzanieRozwiazania, WsrodWszystkichWypelnienUkladuSaDokladnieCzteryRozwiazania)
{
    // Values of the five empty cells in row order, for every filling found.
    std::vector<std::array<int, 5>> znalezione;
    std::array<int, 5> wartosci{};
    for (wartosci[0] = 1; wartosci[0] <= 9; ++wartosci[0]) {
        for (wartosci[1] = 1; wartosci[1] <= 9; ++wartosci[1]) {
            for (wartosci[2] = 1; wartosci[2] <= 9; ++wartosci[2]) {
                for (wartosci[3] = 1; wartosci[3] <= 9; ++wartosci[3]) {
                    for (wartosci[4] = 1; wartosci[4] <= 9; ++wartosci[4]) {
                        int plansza[ROZMIAR][ROZMIAR] = {};
                        std::size_t k = 0;
                        for (int i = 0; i < ROZMIAR; ++i) {
                            for (int j = 0; j < ROZMIAR; ++j) {
                                plansza[i][j] = UKLAD_POCZATKOWY[i][j] != 0 ? UKLAD_POCZATKOWY[i][j]
                                                                            : wartosci[k++];
                            }
                        }
                        ASSERT_EQ(k, wartosci.size());
                        if (sprawdzRozwiazanie(plansza)) {
                            znalezione.push_back(wartosci);
                        }
                    }
                }
            }
        }
    }
    const std::vector<std::array<int, 5>> oczekiwane = {
        {2, 3, 5, 4, 1},
        {2, 4, 4, 3, 2},
        {2, 5, 3, 2, 3},
        {2, 6, 2, 1, 4},
    };
    EXPECT_EQ(znalezione, oczekiwane);
}

} // namespace
