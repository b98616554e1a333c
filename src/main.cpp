#include "wyswietlanie.h"
#include "zasady.h"

#include <iostream>

int main()
{
    int plansza[ROZMIAR][ROZMIAR] = {};
    for (int i = 0; i < ROZMIAR; ++i) {
        for (int j = 0; j < ROZMIAR; ++j) {
            plansza[i][j] = UKLAD_POCZATKOWY[i][j];
        }
    }

    std::cout << "=== LAMIGLOWKA C++: KWADRAT SUMY 11 ===\n";
    std::cout << "Uzupelnij puste pola (kropki) cyframi od 1 do 9.\n";
    std::cout << "Suma cyfr w kazdym wierszu i kazdej kolumnie musi wynosic 11!\n";
    wyswietlPlansze(plansza);

    for (int i = 0; i < ROZMIAR; ++i) {
        for (int j = 0; j < ROZMIAR; ++j) {
            if (plansza[i][j] != 0) {
                continue;
            }
            std::cout << "\nPodaj cyfre dla Wiersza " << i + 1 << ", Kolumny " << j + 1 << ": ";
            // A failed extraction writes 0 or the type's limit into its
            // target; reading into a local keeps the cell at 0 then.
            // std::cin is tied to std::cout, so the prompt is flushed first.
            int odpowiedz = 0;
            if (std::cin >> odpowiedz) {
                plansza[i][j] = odpowiedz;
            }
        }
    }

    std::cout << "\nTwoja uzupelniona plansza:";
    wyswietlPlansze(plansza);

    if (sprawdzRozwiazanie(plansza)) {
        std::cout << "\nBRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!\n";
    } else {
        std::cout << "\nNiestety, sumy sie nie zgadzaja lub uzyto cyfr spoza zakresu 1-9. "
                     "Sprobuj ponownie!\n";
    }

    // Drop the line end left after the last answer, then hold the console
    // until Enter. After a failed read or at end of input both return at once.
    std::cin.ignore(1, std::istream::traits_type::eof());
    std::cin.get();
    return 0;
}
