// The built page in headless Chromium, opened straight from disk and played
// by typing, as a player would. Each test fails with a screenshot kept beside
// the page (KWADRAT11_ZRZUTY) and checks that the page made no network request
// and reported no error or warning.
//
//   KWADRAT11_STRONA=.../kwadrat11.html [KWADRAT11_CHROMIUM=/usr/bin/chromium] node --test

import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import process from 'node:process';
import { after, before, beforeEach, afterEach, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

const STRONA = process.env.KWADRAT11_STRONA;
const CHROMIUM = process.env.KWADRAT11_CHROMIUM ?? '/usr/bin/chromium';
const ZRZUTY = process.env.KWADRAT11_ZRZUTY ?? (STRONA && join(dirname(resolve(STRONA)), 'zrzuty'));
const CISZA_MS = 500; // how long a waiting program must stay silent

const pytanie = (w, k) => `Podaj cyfre dla Wiersza ${w}, Kolumny ${k}: `;
const PYTANIA = [pytanie(1, 2), pytanie(2, 1), pytanie(2, 3), pytanie(3, 1), pytanie(3, 3)];
const BANER = '=== LAMIGLOWKA C++: KWADRAT SUMY 11 ===';
const SUKCES = 'BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!';
const PORAZKA =
    'Niestety, sumy sie nie zgadzaja lub uzyto cyfr spoza zakresu 1-9. Sprobuj ponownie!';
const KONIEC = '[Koniec gry. Nacisnij Enter, aby zagrac jeszcze raz.]';

let przegladarka;
let strona;
let zadania;
let bledy;

before(async () => {
    assert.ok(STRONA, 'KWADRAT11_STRONA names the built page');
    przegladarka = await chromium.launch({
        executablePath: CHROMIUM,
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-quic',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
    });
});

after(async () => {
    await przegladarka?.close();
});

beforeEach(async () => {
    strona = await przegladarka.newPage();
    const adres = pathToFileURL(resolve(STRONA)).href;
    zadania = [];
    bledy = [];
    // A policy violation or a script error shows in the console.
    strona.on('console', (wiadomosc) => {
        if (['error', 'warning'].includes(wiadomosc.type())) {
            bledy.push(wiadomosc.text());
        }
    });
    strona.on('pageerror', (blad) => bledy.push(String(blad)));
    strona.on('request', (zadanie) => {
        if (zadanie.url() !== adres) {
            zadania.push(zadanie.url());
        }
    });
    await strona.goto(adres);
    await strona.click('#terminal');
});

afterEach(async (t) => {
    const nieudany = t.passed === false;
    if (nieudany && strona) {
        mkdirSync(ZRZUTY, { recursive: true });
        const nazwa = t.name.replace(/[^A-Za-z0-9]+/g, '_');
        await strona.screenshot({ path: join(ZRZUTY, `${nazwa}.png`) });
    }
    await strona?.close();
    if (!nieudany) {
        assert.deepEqual(zadania, [], 'the page made network requests');
        assert.deepEqual(bledy, [], 'the page reported errors or warnings');
    }
});

// The screen as text, one line per terminal row, without trailing spaces.
async function ekran() {
    const wiersze = await strona.$$eval('.xterm-rows > div', (divy) =>
        divy.map((div) => div.textContent),
    );
    return wiersze.map((w) => w.replaceAll('\u00a0', ' ').trimEnd()).join('\n');
}

async function czekajNa(tekst, ile = 1) {
    const poczatek = Date.now();
    for (;;) {
        const teraz = await ekran();
        if (teraz.split(tekst.trimEnd()).length - 1 >= ile) {
            return teraz;
        }
        if (Date.now() - poczatek > 10000) {
            assert.fail(`"${tekst}" (${ile}x) never came on screen; the screen:\n${teraz}`);
        }
        await strona.waitForTimeout(50);
    }
}

// Nothing new comes on screen for a while: the program is waiting.
async function czeka() {
    const przed = await ekran();
    await strona.waitForTimeout(CISZA_MS);
    assert.equal(await ekran(), przed, 'the screen changed while the program should wait');
    return przed;
}

async function odpowiedz(tekst) {
    await strona.keyboard.type(tekst);
    await strona.keyboard.press('Enter');
}

test('each prompt is on screen before the answer, and 2 4 4 3 2 solves it', async () => {
    const odpowiedzi = ['2', '4', '4', '3', '2'];
    for (const [i, tresc] of PYTANIA.entries()) {
        await czekajNa(tresc);
        const teraz = await czeka();
        if (i + 1 < PYTANIA.length) {
            assert.ok(!teraz.includes(PYTANIA[i + 1].trimEnd()), 'the next prompt came unasked');
        }
        await odpowiedz(odpowiedzi[i]);
    }
    const koniec = await czekajNa(SUKCES);
    assert.match(koniec, /W1 \| {2}4 \| {2}2 \| {2}5 \|/);
    assert.match(koniec, /W2 \| {2}4 \| {2}3 \| {2}4 \|/);
    assert.match(koniec, /W3 \| {2}3 \| {2}6 \| {2}2 \|/);
    assert.ok(koniec.includes(`${pytanie(1, 2)}2`.trimEnd()), 'the answer was not echoed');

    // The pause holds until Enter; then the end line, on a line of its own.
    assert.ok(!(await czeka()).includes(KONIEC));
    await strona.keyboard.press('Enter');
    const poPauzie = await czekajNa(KONIEC);
    assert.ok(poPauzie.split('\n').includes(KONIEC));

    // Enter after the end starts the program again, below the end line.
    await strona.waitForTimeout(CISZA_MS);
    await strona.keyboard.press('Enter');
    await czekajNa(pytanie(1, 2), 2);
    const nowaGra = (await ekran()).split(KONIEC).at(-1);
    assert.ok(nowaGra.includes(BANER) && nowaGra.includes(pytanie(1, 2).trimEnd()));
});

test('a word at the first prompt runs through to the end with no more typing', async () => {
    await czekajNa(PYTANIA[0]);
    await odpowiedz('abc');
    const koniec = await czekajNa(KONIEC);
    for (const tresc of PYTANIA) {
        assert.ok(koniec.includes(tresc.trimEnd()), `missing prompt: ${tresc}`);
    }
    assert.ok(koniec.includes(PORAZKA));
    assert.match(koniec, /W1 \| {2}4 \| {2}\. \| {2}5 \|/);
});

test('Backspace takes back a typed character', async () => {
    await czekajNa(PYTANIA[0]);
    await strona.keyboard.type('7');
    await strona.keyboard.press('Backspace');
    await odpowiedz('2');
    for (const [i, tresc] of ['4', '4', '3', '2'].entries()) {
        await czekajNa(PYTANIA[i + 1]);
        await odpowiedz(tresc);
    }
    const koniec = await czekajNa(SUKCES);
    assert.ok(koniec.includes(`${pytanie(1, 2)}2`.trimEnd()));
});

test('Ctrl-D on an empty line ends the input', async () => {
    await czekajNa(PYTANIA[0]);
    await odpowiedz('2');
    await czekajNa(PYTANIA[1]);
    await strona.keyboard.press('Control+d');
    const koniec = await czekajNa(KONIEC);
    assert.ok(koniec.includes(PORAZKA));
    assert.match(koniec, /W1 \| {2}4 \| {2}2 \| {2}5 \|/);
    assert.match(koniec, /W2 \| {2}\. \| {2}3 \| {2}\. \|/);
});
