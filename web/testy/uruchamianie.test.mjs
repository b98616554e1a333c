// The host that the page and konsola.mjs share, with the built program
// (KWADRAT11_PROGRAM): the program stops when it needs input that is not
// there, goes on when it comes, and runs again from the start each time.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import process from 'node:process';
import { before, test } from 'node:test';
import { setTimeout as poczekaj } from 'node:timers/promises';

import { StrumienWejscia, skompiluj, uruchomProgram } from '../uruchamianie.mjs';

const pytanie = (w, k) => `Podaj cyfre dla Wiersza ${w}, Kolumny ${k}: `;
const SUKCES = 'BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!\n';
const PORAZKA =
    'Niestety, sumy sie nie zgadzaja lub uzyto cyfr spoza zakresu 1-9. Sprobuj ponownie!\n';

let modul;
before(async () => {
    assert.ok(process.env.KWADRAT11_PROGRAM, 'KWADRAT11_PROGRAM names the built program');
    modul = await skompiluj(readFileSync(process.env.KWADRAT11_PROGRAM));
});

const koder = new TextEncoder();
const dekoder = new TextDecoder();

// Starts the program; the returned object shows what it has written so far.
function uruchom(wejscie = new StrumienWejscia()) {
    const gra = { wyjscie: '', bledy: '', wejscie, status: undefined };
    gra.koniec = uruchomProgram(modul, {
        wejscie,
        wyjscie: (dane) => {
            gra.wyjscie += dekoder.decode(dane);
        },
        bledy: (dane) => {
            gra.bledy += dekoder.decode(dane);
        },
    }).then((status) => {
        gra.status = status;
    });
    return gra;
}

// Lets the program run as far as it can; it must then be waiting at the end of
// what it wrote.
async function ustalSie(gra) {
    let przed;
    do {
        przed = gra.wyjscie;
        await poczekaj(20);
    } while (gra.wyjscie !== przed);
    return gra.wyjscie;
}

test('StrumienWejscia hands out bytes in order, then the end', async () => {
    const wejscie = new StrumienWejscia();
    assert.equal(wejscie.gotowe(), false);
    let obudzony = false;
    const czekanie = wejscie.czekaj().then(() => {
        obudzony = true;
    });
    await poczekaj(10);
    assert.equal(obudzony, false);
    wejscie.dodaj(koder.encode('12\n'));
    await czekanie;
    assert.equal(dekoder.decode(wejscie.czytaj(2)), '12');
    wejscie.dodaj(koder.encode('3'));
    assert.equal(dekoder.decode(wejscie.czytaj(10)), '\n3');
    assert.equal(wejscie.gotowe(), false);
    wejscie.zamknij();
    assert.equal(wejscie.gotowe(), true);
    assert.equal(wejscie.czytaj(10).length, 0);
    wejscie.dodaj(koder.encode('4')); // after the end nothing more comes in
    assert.equal(wejscie.czytaj(10).length, 0);
});

test('StrumienWejscia asks its source only when a reader waits', async () => {
    let zapytania = 0;
    const wejscie = new StrumienWejscia(() => {
        zapytania += 1;
    });
    wejscie.dodaj(koder.encode('1'));
    await wejscie.czekaj();
    assert.equal(zapytania, 0);
    wejscie.czytaj(1);
    const czekanie = wejscie.czekaj();
    assert.equal(zapytania, 1);
    wejscie.zamknij();
    await czekanie;
});

test('the program waits at each prompt and goes on with each answer', async () => {
    const gra = uruchom();
    const odpowiedzi = ['2', '4', '4', '3', '2'];
    const pytania = [pytanie(1, 2), pytanie(2, 1), pytanie(2, 3), pytanie(3, 1), pytanie(3, 3)];
    for (const [i, odpowiedz] of odpowiedzi.entries()) {
        const teraz = await ustalSie(gra);
        assert.ok(teraz.endsWith(pytania[i]), `not waiting at "${pytania[i]}":\n${teraz}`);
        assert.equal(gra.status, undefined);
        gra.wejscie.dodaj(koder.encode(`${odpowiedz}\n`));
    }
    const poOdpowiedziach = await ustalSie(gra);
    assert.ok(poOdpowiedziach.endsWith(SUKCES));
    assert.equal(gra.status, undefined, 'the pause did not wait for Enter');
    gra.wejscie.dodaj(koder.encode('\n'));
    await gra.koniec;
    assert.equal(gra.status, 0);
    assert.equal(gra.bledy, '');
});

test('the end of input at the first prompt runs the game to its end', async () => {
    const gra = uruchom();
    await ustalSie(gra);
    gra.wejscie.zamknij();
    await gra.koniec;
    assert.equal(gra.status, 0);
    assert.ok(gra.wyjscie.endsWith(PORAZKA));
    assert.equal(gra.wyjscie.split('Podaj cyfre').length - 1, 5);
});

test('every run starts afresh from the same compiled program', async () => {
    const wyniki = [];
    for (const odpowiedzi of ['1 2 3 4 5\n\n', '2 4 4 3 2\n\n']) {
        const wejscie = new StrumienWejscia();
        wejscie.dodaj(koder.encode(odpowiedzi));
        wejscie.zamknij();
        const gra = uruchom(wejscie);
        await gra.koniec;
        wyniki.push(gra.wyjscie.endsWith(SUKCES));
    }
    assert.deepEqual(wyniki, [false, true]);
});

test('input that arrives a byte at a time is read as a whole', async () => {
    const gra = uruchom();
    for (const znak of '2\n4\n4\n3\n2\n\n') {
        await ustalSie(gra);
        gra.wejscie.dodaj(koder.encode(znak));
    }
    await gra.koniec;
    assert.ok(gra.wyjscie.endsWith(SUKCES));
});

test("the program's own exit status is returned, also after a wait for input", async () => {
    assert.ok(process.env.KWADRAT11_PROGRAM_ZE_STATUSEM, 'KWADRAT11_PROGRAM_ZE_STATUSEM names it');
    const zeStatusem = await skompiluj(readFileSync(process.env.KWADRAT11_PROGRAM_ZE_STATUSEM));
    const wejscie = new StrumienWejscia();
    const koniec = uruchomProgram(zeStatusem, { wejscie, wyjscie: () => {}, bledy: () => {} });
    await poczekaj(50);
    wejscie.dodaj(koder.encode('x'));
    assert.equal(await koniec, 3);
});
