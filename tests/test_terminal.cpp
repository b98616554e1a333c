// Plays the built program on a pseudo-terminal, as a person at a console
// would: answers only once a prompt is on the screen, and watches whether
// the program waits or finishes by itself.
#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <string>

namespace {

using Zegar = std::chrono::steady_clock;

constexpr int LIMIT_MS = 15000; // generous: sanitizer builds start slowly
constexpr int CISZA_MS = 400;   // how long a waiting program must stay silent

class GraNaTerminalu : public ::testing::Test {
protected:
    void SetUp() override
    {
        proces = forkpty(&terminal, nullptr, nullptr, nullptr);
        ASSERT_GE(proces, 0) << "forkpty failed";
        if (proces == 0) {
            // No echo: everything read back from the terminal is the program's.
            termios ustawienia{};
            if (tcgetattr(STDIN_FILENO, &ustawienia) == 0) {
                ustawienia.c_lflag &= ~static_cast<tcflag_t>(ECHO);
                tcsetattr(STDIN_FILENO, TCSANOW, &ustawienia);
            }
            execl(KWADRAT11_PROGRAM, KWADRAT11_PROGRAM, static_cast<char *>(nullptr));
            _exit(127);
        }
    }

    void TearDown() override
    {
        if (proces > 0 && !zakonczony) {
            kill(proces, SIGKILL);
            waitpid(proces, nullptr, 0);
        }
        if (terminal >= 0) {
            close(terminal);
        }
    }

    // Reads whatever arrives within czasMs; false once the terminal is closed.
    bool czytaj(int czasMs)
    {
        pollfd pfd{terminal, POLLIN, 0};
        const int gotowe = poll(&pfd, 1, czasMs);
        if (gotowe <= 0) {
            return gotowe == 0;
        }
        char bufor[4096];
        const ssize_t n = read(terminal, bufor, sizeof bufor);
        if (n <= 0) {
            return false; // EIO: the program has closed the terminal
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

    void pisz(const std::string &tekst)
    {
        ASSERT_EQ(write(terminal, tekst.data(), tekst.size()),
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

    int terminal = -1;
    pid_t proces = -1;
    int status = 0;
    bool zakonczony = false;
    std::string ekran;
    std::size_t przeczytane = 0;
};

const char *const PYTANIA[] = {
    "Podaj cyfre dla Wiersza 1, Kolumny 2: ", "Podaj cyfre dla Wiersza 2, Kolumny 1: ",
    "Podaj cyfre dla Wiersza 2, Kolumny 3: ", "Podaj cyfre dla Wiersza 3, Kolumny 1: ",
    "Podaj cyfre dla Wiersza 3, Kolumny 3: "};

const char *const SUKCES = "BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!\n";
const char *const PORAZKA =
    "Niestety, sumy sie nie zgadzaja lub uzyto cyfr spoza zakresu 1-9. Sprobuj ponownie!\n";

TEST_F(GraNaTerminalu, KazdePytanieJestNaEkranieZanimProgramCzeka)
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

TEST_F(GraNaTerminalu, PustaLiniaNieJestOdpowiedzia)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    pisz("\n\n");
    ASSERT_TRUE(czeka());
    EXPECT_EQ(ekran.find(PYTANIA[1]), std::string::npos);
}

TEST_F(GraNaTerminalu, WszystkieOdpowiedziWJednejLinii)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    ASSERT_TRUE(czeka());
    pisz("1 2 3 4 5\n");
    for (int k = 1; k < 5; ++k) {
        ASSERT_TRUE(czekajNa(PYTANIA[k]));
    }
    ASSERT_TRUE(czekajNa(PORAZKA));
    ASSERT_TRUE(czeka()) << "after the verdict the program must wait for Enter";
    pisz("\n");
    EXPECT_TRUE(konczySieZeStatusemZero());
}

TEST_F(GraNaTerminalu, SlowoKonczyGreBezDalszegoCzekania)
{
    ASSERT_TRUE(czekajNa(PYTANIA[0]));
    ASSERT_TRUE(czeka());
    pisz("abc\n");
    for (int k = 1; k < 5; ++k) {
        ASSERT_TRUE(czekajNa(PYTANIA[k]));
    }
    ASSERT_TRUE(czekajNa("W1 |  4 |  . |  5 | \n"));
    ASSERT_TRUE(czekajNa(PORAZKA));
    EXPECT_TRUE(konczySieZeStatusemZero());
}

} // namespace
