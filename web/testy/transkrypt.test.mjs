// What the page's console works out from text: the prompt that names the
// field, and what a paste sends.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { ostatniaLinia, wklej } from '../transkrypt.mjs';

const PYTANIE = 'Podaj cyfre dla Wiersza 1, Kolumny 2: ';

test('the field is named by the last line with text, without trailing spaces', () => {
    const przypadki = [
        ['', ''],
        ['\n\n', ''],
        [`---+\n\n${PYTANIE}`, PYTANIE.trimEnd()],
        ['BRAWO!\n', 'BRAWO!'],
        ['W1 |  4 |  . |  5 | \n', 'W1 |  4 |  . |  5 |'],
        ['a\n   \n\t\n', 'a'],
        ['  wciecie', '  wciecie'],
    ];
    for (const [tekst, oczekiwana] of przypadki) {
        assert.equal(ostatniaLinia(tekst), oczekiwana, JSON.stringify(tekst));
    }
});

test('a paste sends every line it completes and leaves the rest typed', () => {
    // [field, selection start, selection end, pasted] -> [lines sent, left in the field]
    const przypadki = [
        ['', 0, 0, '2\n4\n', ['2', '4'], ''],
        ['', 0, 0, '2\r\n4\r\n4', ['2', '4'], '4'],
        ['', 0, 0, '2\r4', ['2'], '4'],
        ['1', 1, 1, '2\n3', ['12'], '3'],
        ['15', 1, 1, '\n', ['1'], '5'],
        ['abc', 0, 3, '7\n', ['7'], ''],
        ['ab', 1, 2, '\n\n', ['a', ''], ''],
    ];
    for (const [wartosc, poczatek, koniec, wklejony, linie, reszta] of przypadki) {
        assert.deepEqual(
            wklej(wartosc, poczatek, koniec, wklejony),
            { linie, reszta },
            JSON.stringify([wartosc, poczatek, koniec, wklejony]),
        );
    }
});
