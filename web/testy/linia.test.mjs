// The page's line mode: what reaches the program and the screen for what is typed.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { TrybLiniowy } from '../linia.mjs';

function wpisz(...porcje) {
    const wynik = { ekran: '', wejscie: [], koniec: false };
    const linia = new TrybLiniowy({
        echo: (tekst) => {
            wynik.ekran += tekst;
        },
        wyslij: (tekst) => wynik.wejscie.push(tekst),
        zakoncz: () => {
            wynik.koniec = true;
        },
    });
    for (const porcja of porcje) {
        linia.wpisz(porcja);
    }
    return wynik;
}

const PRZYPADKI = [
    { nazwa: 'Enter sends the line with its line end', wpisane: ['4', '2', '\r'],
      ekran: '42\r\n', wejscie: ['42\n'] },
    { nazwa: 'an empty line is sent too', wpisane: ['\r'], ekran: '\r\n', wejscie: ['\n'] },
    { nazwa: 'Backspace takes back the last character', wpisane: ['7', '\x7f', '2', '\r'],
      ekran: '7\b \b2\r\n', wejscie: ['2\n'] },
    { nazwa: 'Backspace on an empty line does nothing', wpisane: ['\x7f', '\b', '5', '\r'],
      ekran: '5\r\n', wejscie: ['5\n'] },
    { nazwa: 'pasted text with several lines', wpisane: ['2 4\r4\r'],
      ekran: '2 4\r\n4\r\n', wejscie: ['2 4\n', '4\n'] },
    { nazwa: 'special keys are ignored', wpisane: ['1', '\x1b[D', '\x1b[A', '\r'],
      ekran: '1\r\n', wejscie: ['1\n'] },
    { nazwa: 'other control characters are ignored', wpisane: ['\x01', '3', '\t', '\r'],
      ekran: '3\r\n', wejscie: ['3\n'] },
    { nazwa: 'Ctrl-D after text sends it without a line end', wpisane: ['1', '2', '\x04'],
      ekran: '12', wejscie: ['12'] },
];

for (const p of PRZYPADKI) {
    test(p.nazwa, () => {
        const wynik = wpisz(...p.wpisane);
        assert.equal(wynik.ekran, p.ekran);
        assert.deepEqual(wynik.wejscie, p.wejscie);
        assert.equal(wynik.koniec, false);
    });
}

test('Ctrl-D on an empty line ends the input', () => {
    const wynik = wpisz('\x04');
    assert.equal(wynik.koniec, true);
    assert.deepEqual(wynik.wejscie, []);
});

test('a line begun is forgotten by wyczysc', () => {
    const wynik = { wejscie: [] };
    const linia = new TrybLiniowy({
        echo: () => {},
        wyslij: (tekst) => wynik.wejscie.push(tekst),
        zakoncz: () => {},
    });
    linia.wpisz('99');
    linia.wyczysc();
    linia.wpisz('1\r');
    assert.deepEqual(wynik.wejscie, ['1\n']);
});
