// Plays the built program live, on a pseudo-terminal as a person at a console
// would and through pipes as another program would: answers only once a
// prompt has arrived, and watches whether the program waits or finishes by
// itself.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <ostream>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Zegar = std::chrono::steady_clock;

constexpr int LIMIT_MS = 15000; // generous: sanitizer builds start slowly
constexpr int CISZA_MS = 400;   // how long a waiting program must stay silent

const char *const PYTANIA[] = {
    "Podaj cyfre dla Wiersza 1, Kolumny 2: ", "Podaj cyfre dla Wiersza 2, Kolumny 1: ",
    "Podaj cyfre dla Wiersza 2, Kolumny 3: ", "Podaj cyfre dla Wiersza 3, Kolumny 1: ",
    "Podaj cyfre dla Wiersza 3, Kolumny 3: "};

enum class Polaczenie { Terminal, Potoki };

void PrintTo(Polaczenie polaczenie, std::ostream *os)
{
    *os << (polaczenie == Polaczenie::Terminal ? "pseudo-terminal" : "pipes");
}

class GraNaZywo : public ::testing::TestWithParam<Polaczenie> {
  protected:
    void SetUp() override
    {
        if (GetParam() == Polaczenie::Terminal) {
            uruchomNaTerminalu();
        } else {
            uruchomPrzezPotoki();
        }
    }

    void uruchomNaTerminalu()
    {
        int terminal = -1;
        proces = forkpty(&terminal, nullptr, nullptr, nullptr);
        ASSERT_GE(proces, 0) << "forkpty failed";
        if (proces == 0) {
            // No echo: everything read back from the terminal is the program's.
            termios ustawienia{};
            if (tcgetattr(STDIN_FILENO, &ustawienia) == 0) {
                ustawienia.c_lflag &= ~static_cast<tcflag_t>(ECHO);
                tcsetattr(STDIN_FILENO, TCSANOW, &ustawienia);
            }
            uruchomProgram();
        }
        doProgramu = terminal;
        odProgramu = terminal;
    }

    // Through pipes standard output is fully buffered, so a prompt only
    // arrives before the read if the program flushes it.
    void uruchomPrzezPotoki()
    {
        int wejscie[2];
        int wyjscie[2];
        ASSERT_EQ(pipe(wejscie), 0);
        ASSERT_EQ(pipe(wyjscie), 0);
        proces = fork();
        ASSERT_GE(proces, 0) << "fork failed";
        if (proces == 0) {
            dup2(wejscie[0], STDIN_FILENO);
            dup2(wyjscie[1], STDOUT_FILENO);
            close(wejscie[0]);
            close(wejscie[1]);
            close(wyjscie[0]);
            close(wyjscie[1]);
            uruchomProgram();
        }
        close(wejscie[0]);
        close(wyjscie[1]);
        doProgramu = wejscie[1];
        odProgramu = wyjscie[0];
    }

    [[noreturn]] static void uruchomProgram()
    {
        execl(KWADRAT11_PROGRAM, KWADRAT11_PROGRAM, static_cast<char *>(nullptr));
        _exit(127);
    }

    void TearDown() override
    {
        if (proces > 0 && !zakonczony) {
            kill(proces, SIGKILL);
            waitpid(proces, nullptr, 0);
        }
        if (doProgramu >= 0 && doProgramu != odProgramu) {
            close(doProgramu);
        }
        if (odProgramu >= 0) {
            close(odProgramu);
        }
    }

    // Reads whatever arrives within czasMs; false once the program's output is closed.
    bool czytaj(int czasMs)
    {
        pollfd pfd{odProgramu, POLLIN, 0};
        const int gotowe = poll(&pfd, 1, czasMs);
        if (gotowe <= 0) {
            return gotowe == 0;
        }
        char bufor[4096];
        const ssize_t n = read(odProgramu, bufor, sizeof bufor);
        if (n <= 0) {
            return false; // end of file, or EIO once the terminal is closed
        }
        for (ssize_t k = 0; k < n; ++k) {
            if (bufor[k] != '\r') { // the terminal turns line ends into CR LF
                ekran += bufor[k];
            }
        }
        return true;
    }

    ::testing::AssertionResult czekajNa(const std::string &tekst)
    {
        const auto koniec = Zegar::now() + std::chrono::milliseconds(LIMIT_MS);
        while (ekran.find(tekst, przeczytane) == std::string::npos) {
            if (Zegar::now() > koniec || !czytaj(50)) {
                return ::testing::AssertionFailure()
                       << "never appeared: \"" << tekst << "\"\nscreen so far:\n"
                       << ekran;
            }
        }
        przeczytane = ekran.find(tekst, przeczytane) + tekst.size();
        return ::testing::AssertionSuccess();
    }

    // The program is blocked on a read: alive, and writing nothing more.
    ::testing::AssertionResult czeka()
    {
        const std::size_t przed = ekran.size();
        const auto koniec = Zegar::now() + std::chrono::milliseconds(CISZA_MS);
        while (Zegar::now() < koniec) {
            if (!czytaj(20)) {
                break;
            }
        }
        if (waitpid(proces, &status, WNOHANG) != 0) {
            zakonczony = true;
            return ::testing::AssertionFailure() << "the program ended instead of waiting";
        }
        if (ekran.size() != przed) {
            return ::testing::AssertionFailure()
                   << "the program went on writing: \"" << ekran.substr(przed) << "\"";
        }
        return ::testing::AssertionSuccess();
    }

    // Prompts 2 to 5, which need no further typing once the first answer
    // line holds them all or the input has failed.
    ::testing::AssertionResult czekajNaPozostalePytania()
    {
        for (const char *pytanie : {PYTANIA[1], PYTANIA[2], PYTANIA[3], PYTANIA[4]}) {
            const ::testing::AssertionResult wynik = czekajNa(pytanie);
            if (!wynik) {
                return wynik;
            }
        }
        return ::testing::AssertionSuccess();
    }

    void pisz(const std::string &tekst)
    {
        ASSERT_EQ(write(doProgramu, tekst.data(), tekst.size()),
                  static_cast<ssize_t>(tekst.size()));
    }

    // Waits for the program to end by itself, draining its output meanwhile.
    ::testing::AssertionResult konczySieZeStatusemZero()
    {
        const auto koniec = Zegar::now() + std::chrono::milliseconds(LIMIT_MS);
        while (!zakonczony) {
            const pid_t wynik = waitpid(proces, &status, WNOHANG);
            if (wynik == proces) {
                zakonczony = true;
                break;
            }
            if (Zegar::now() > koniec) {
                return ::testing::AssertionFailure() << "the program did not end by itself";
            }
            czytaj(20);
        }
        while (czytaj(0) && Zegar::now() < koniec) {
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            return ::testing::AssertionFailure() << "status " << status;
        }
        return ::testing::AssertionSuccess();
    }

    int doProgramu = -1;
    int odProgramu = -1;
    pid_t proces = -1;
    int status = 0;
    bool zakonczony = false;
    std::string ekran;
    std::size_t przeczytane = 0;
};

const char *const SUKCES = "BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!\n";
const char *const PORAZKA =
    "Niestety, sumy sie nie zgadzaja lub uzyto cyfr spoza zakresu 1-9. Sprobuj ponownie!\n";

TEST_P(GraNaZywo, KazdePytanieJestNaEkranieZanimProgramCzeka)
{
    ASSERT_TRUE(czekajNa("W3 |  . |  6 |  . | \n---+----+----+----+\n"));
    const char *const odpowiedzi[] = {"2\n", "4\n", "4\n", "3\n", "2\n"};
    for (int k = 0; k < 5; ++k) {
        ASSERT_TRUE(czekajNa(PYTANIA[k]));
        ASSERT_TRUE(czeka()) << "at prompt " << k + 1;
        pisz(odpowiedzi[k]);
    }
    ASSERT_TRUE(czekajNa("W3 |  3 |  6 |  2 | \n"));
    ASSERT_TRUE(czekajNa(SUKCES));
    ASSERT_TRUE(czeka()) << "after the verdict the program must wait for Enter";
    pisz("\n");
    EXPECT_TRUE(konczySieZeStatusemZero());
}

TEST_P(GraNaZywo, PustaLiniaNieJestOdpowiedzia)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    pisz("\n\n");
    ASSERT_TRUE(czeka());
    EXPECT_EQ(ekran.find(PYTANIA[1]), std::string::npos);
}

TEST_P(GraNaZywo, WszystkieOdpowiedziWJednejLinii)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    ASSERT_TRUE(czeka());
    pisz("1 2 3 4 5\n");
    ASSERT_TRUE(czekajNaPozostalePytania());
    ASSERT_TRUE(czekajNa(PORAZKA));
    ASSERT_TRUE(czeka()) << "after the verdict the program must wait for Enter";
    pisz("\n");
    EXPECT_TRUE(konczySieZeStatusemZero());
}

TEST_P(GraNaZywo, SlowoKonczyGreBezDalszegoCzekania)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    ASSERT_TRUE(czeka());
    pisz("abc\n");
    ASSERT_TRUE(czekajNaPozostalePytania());
    ASSERT_TRUE(czekajNa("W1 |  4 |  . |  5 | \n"));
    ASSERT_TRUE(czekajNa(PORAZKA));
    EXPECT_TRUE(konczySieZeStatusemZero());
}

TEST_P(GraNaZywo, PauzaBierzeZnakPoOstatniejOdpowiedzi)
{
    // The pause drops one character after the fifth answer and takes the
    // next; text typed on the same line therefore ends the game at once.
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    pisz("2 4 4 3 2 7\n");
    ASSERT_TRUE(czekajNa(SUKCES));
    EXPECT_TRUE(konczySieZeStatusemZero());
}

INSTANTIATE_TEST_SUITE_P(Polaczenia, GraNaZywo,
                         ::testing::Values(Polaczenie::Terminal, Polaczenie::Potoki),
                         [](const ::testing::TestParamInfo<Polaczenie> &opis) {
                             return opis.param == Polaczenie::Terminal ? "Terminal" : "Potoki";
                         });

} // namespace
