// The built page in headless Chromium, opened straight from disk and played
// as a player would: at desktop size with a keyboard, and as a phone (touch,
// 360 px wide) tapping its button and typing as on-screen keyboards and input
// methods do. Each test checks that the page made no network request and
// reported no error or warning, and keeps a screenshot when it fails
// (KWADRAT11_ZRZUTY).
//
//   KWADRAT11_STRONA=.../kwadrat11.html [KWADRAT11_CHROMIUM=/usr/bin/chromium] node --test

import assert from 'node:assert/strict';
import { mkdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import process from 'node:process';
import { after, afterEach, before, describe, test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { uruchomChromium } from '../chromium.mjs';

const require = createRequire(import.meta.url);
const AXE = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const TRANSKRYPTY = join(dirname(fileURLToPath(import.meta.url)), '..', '..', 'tests', 'transkrypty');

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
const KONIEC = '[Koniec gry. Naciśnij Enter, aby zagrać jeszcze raz.]';

const PROFILE = {
    komputer: { viewport: { width: 1280, height: 800 } },
    telefon: { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
};

let przegladarka;
before(async () => {
    assert.ok(STRONA, 'KWADRAT11_STRONA names the built page');
    przegladarka = await uruchomChromium(CHROMIUM);
});

after(async () => {
    await przegladarka?.close();
});

// The page of the test under way, with what it asked of the network and
// reported on its console.
let strona = null;
let kontekst = null;
let zadania = [];
let bledy = [];

async function otworz(profil) {
    kontekst = await przegladarka.newContext(PROFILE[profil]);
    strona = await kontekst.newPage();
    const adres = pathToFileURL(resolve(STRONA)).href;
    zadania = [];
    bledy = [];
    // A policy violation or a script error shows on the console.
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
    return strona;
}

afterEach(async (t) => {
    const nieudany = t.passed === false;
    if (nieudany && strona) {
        mkdirSync(ZRZUTY, { recursive: true });
        await strona.screenshot({ path: join(ZRZUTY, `${t.name.replace(/[^A-Za-z0-9]+/g, '_')}.png`) });
    }
    await kontekst?.close();
    strona = null;
    kontekst = null;
    if (!nieudany) {
        assert.deepEqual(zadania, [], 'the page made network requests');
        assert.deepEqual(bledy, [], 'the page reported errors or warnings');
    }
});

const transkrypt = () => strona.locator('#transkrypt').textContent();
const pole = () => strona.locator('#pole');

async function czekajNa(tekst, ile = 1) {
    const poczatek = Date.now();
    for (;;) {
        const teraz = await transkrypt();
        if (teraz.split(tekst).length - 1 >= ile) {
            return teraz;
        }
        if (Date.now() - poczatek > 10000) {
            assert.fail(`"${tekst}" (${ile}x) never came; the transcript:\n${teraz}`);
        }
        await strona.waitForTimeout(50);
    }
}

// Nothing new is written for a while: the program is waiting.
async function czeka() {
    const przed = await transkrypt();
    await strona.waitForTimeout(CISZA_MS);
    assert.equal(await transkrypt(), przed, 'the transcript changed while the program should wait');
    return przed;
}

async function odpowiedz(tekst) {
    await strona.keyboard.type(tekst);
    await strona.keyboard.press('Enter');
}

// The console session of a run: the program's output with what the player
// typed echoed after each prompt, and the page's end line.
function sesja(nazwa, odpowiedzi) {
    let tekst = readFileSync(join(TRANSKRYPTY, `${nazwa}.out`), 'utf8');
    for (const [i, wpisane] of odpowiedzi.entries()) {
        tekst = tekst.replace(PYTANIA[i], `${PYTANIA[i]}${wpisane}\n`);
    }
    return `${tekst}\n${KONIEC}\n`;
}

// Fails on anything axe-core finds against WCAG 2.2 A and AA, or its best practices.
async function axe() {
    await strona.evaluate(AXE);
    const wynik = await strona.evaluate(() => window.axe.run(document));
    const naruszenia = wynik.violations.map((n) => `${n.id}: ${n.nodes.map((w) => w.target).join(', ')}`);
    assert.deepEqual(naruszenia, []);
}

for (const profil of Object.keys(PROFILE)) {
    describe(profil, () => {
        test('a whole game reads as the console session, prompt by prompt', async () => {
            await otworz(profil);
            // Nothing in the transcript is ever changed or taken away, so that
            // a screen reader announces each line once, as it is added.
            await strona.evaluate(() => {
                window.zmiany = 0;
                new MutationObserver((zapisy) => {
                    for (const zapis of zapisy) {
                        if (zapis.type === 'characterData' || zapis.removedNodes.length > 0) {
                            window.zmiany += 1;
                        }
                    }
                }).observe(document.getElementById('transkrypt'), {
                    childList: true,
                    characterData: true,
                    subtree: true,
                });
            });
            const odpowiedzi = ['2', '4', '4', '3', '2'];
            for (const [i, tresc] of PYTANIA.entries()) {
                await czekajNa(tresc);
                const teraz = await czeka();
                assert.ok(teraz.endsWith(tresc), `not waiting at "${tresc}"`);
                // The field is named by the prompt, as a screen reader says it.
                await strona.getByRole('textbox', { name: tresc.trimEnd(), exact: true }).waitFor();
                await odpowiedz(odpowiedzi[i]);
            }
            await czekajNa(SUKCES);
            // The pause holds until Enter; then the end line.
            assert.ok(!(await czeka()).includes(KONIEC));
            await strona.keyboard.press('Enter');
            await czekajNa(KONIEC);
            assert.equal(await transkrypt(), sesja('sukces', odpowiedzi));
            assert.equal(await strona.evaluate(() => window.zmiany), 0, 'the transcript was rewritten');
            assert.equal(await strona.locator('#wyslij').textContent(), 'Nowa gra');

            // Enter after the end starts the program again, below the end line.
            await strona.keyboard.press('Enter');
            await czekajNa(PYTANIA[0], 2);
            const nowaGra = (await transkrypt()).split(KONIEC).at(-1);
            assert.ok(nowaGra.startsWith(`\n\n${BANER}\n`), nowaGra);
            assert.equal(await strona.locator('#wyslij').textContent(), 'Wyślij');
        });

        test('the accessibility tree holds the board, the prompt and the verdict; axe finds nothing', async () => {
            await otworz(profil);
            await czekajNa(PYTANIA[0]);
            await axe();
            const poczatek = await strona.locator('body').ariaSnapshot();
            assert.match(poczatek, /- log "Przebieg gry":.*W1 \| 4 \| \. \| 5 \|/);
            assert.ok(poczatek.includes(`- textbox "${PYTANIA[0].trimEnd()}"`), poczatek);
            await odpowiedz('2 4 4 3 2');
            await czekajNa(SUKCES);
            const koniec = await strona.locator('body').ariaSnapshot();
            assert.ok(koniec.includes(SUKCES), koniec);
            assert.match(koniec, /W3 \| 3 \| 6 \| 2 \|/);
            assert.ok(koniec.includes(`- textbox "${SUKCES}"`), koniec);
            assert.ok(koniec.includes('- button "Wyślij"'), koniec);
            await strona.keyboard.press('Enter');
            await czekajNa(KONIEC);
            await axe();
        });

        test('a word at the first prompt runs through to the end with no more typing', async () => {
            await otworz(profil);
            await czekajNa(PYTANIA[0]);
            await odpowiedz('abc');
            const koniec = await czekajNa(KONIEC);
            for (const tresc of PYTANIA) {
                assert.ok(koniec.includes(tresc), `missing prompt: ${tresc}`);
            }
            assert.ok(koniec.includes(PORAZKA));
            assert.ok(koniec.includes(`${PYTANIA[0]}abc\n`));
            assert.match(koniec, /W1 \| {2}4 \| {2}\. \| {2}5 \|/);
        });

        test('the line is edited in the field before Enter sends it', async () => {
            await otworz(profil);
            await czekajNa(PYTANIA[0]);
            await strona.keyboard.type('7');
            await strona.keyboard.press('Backspace');
            await strona.keyboard.type('98');
            await strona.keyboard.press('ArrowLeft');
            await strona.keyboard.press('Backspace');
            await strona.keyboard.press('Enter'); // sends "8"
            await czekajNa(PYTANIA[1]);
            await strona.keyboard.type('55');
            await strona.keyboard.press('ControlOrMeta+a');
            await strona.keyboard.type('4');
            await strona.keyboard.press('Enter');
            const teraz = await czekajNa(PYTANIA[2]);
            assert.ok(teraz.includes(`${PYTANIA[0]}8\n\n${PYTANIA[1]}4\n`), teraz);
            assert.equal(await pole().inputValue(), '');
        });

        test('Ctrl-D sends the typed text without a line end, and on an empty field ends the input', async () => {
            await otworz(profil);
            await czekajNa(PYTANIA[0]);
            await strona.keyboard.type('2');
            await strona.keyboard.press('Control+d');
            await czeka(); // "2" may go on: the program waits for the number's end
            await strona.keyboard.press('Enter');
            await czekajNa(PYTANIA[1]);
            await strona.keyboard.press('Control+d');
            const koniec = await czekajNa(KONIEC);
            assert.ok(koniec.includes(`${PYTANIA[0]}2\n\n${PYTANIA[1]}\n`), koniec);
            assert.ok(koniec.includes(PORAZKA));
            assert.match(koniec, /W1 \| {2}4 \| {2}2 \| {2}5 \|/);
            assert.match(koniec, /W2 \| {2}\. \| {2}3 \| {2}\. \|/);
        });

        test('pasted lines are sent as typed lines, the rest stays in the field', async () => {
            await otworz(profil);
            await czekajNa(PYTANIA[0]);
            await strona.evaluate(() => {
                const dane = new DataTransfer();
                dane.setData('text/plain', '2\r\n4\n4');
                document.getElementById('pole').dispatchEvent(
                    new ClipboardEvent('paste', { clipboardData: dane, bubbles: true, cancelable: true }),
                );
            });
            // Echoed at once, as a console echoes what is pasted into it.
            const teraz = await czekajNa(PYTANIA[2]);
            assert.ok(teraz.includes(`${PYTANIA[0]}2\n4\n\n${PYTANIA[1]}\n${PYTANIA[2]}`), teraz);
            assert.equal(await pole().inputValue(), '4');
            await strona.keyboard.press('End');
            await strona.keyboard.press('Enter');
            await czekajNa(PYTANIA[3]);
            await odpowiedz('3');
            await czekajNa(PYTANIA[4]);
            await odpowiedz('2');
            await czekajNa(SUKCES);
        });
    });
}

describe('komputer', () => {
    test('without a pointer: Tab reaches the button, which the keyboard presses; focus shows', async () => {
        await otworz('komputer');
        await czekajNa(PYTANIA[0]);
        const obrys = () =>
            strona.evaluate(() => {
                const styl = getComputedStyle(document.activeElement);
                return [document.activeElement.id, styl.outlineStyle, parseFloat(styl.outlineWidth)];
            });
        const [pierwszy, styl, grubosc] = await obrys();
        assert.equal(pierwszy, 'pole', 'the field has the focus from the start');
        assert.ok(styl !== 'none' && grubosc >= 2, `the field's focus is ${styl} ${grubosc}px`);
        await strona.keyboard.type('2');
        await strona.keyboard.press('Tab');
        const [drugi, styl2, grubosc2] = await obrys();
        assert.equal(drugi, 'wyslij');
        assert.ok(styl2 !== 'none' && grubosc2 >= 2, `the button's focus is ${styl2} ${grubosc2}px`);
        await strona.keyboard.press('Enter');
        await czekajNa(PYTANIA[1]);
        assert.equal(await strona.evaluate(() => document.activeElement.id), 'pole', 'back to the field');
        await strona.keyboard.type('4');
        await strona.keyboard.press('Tab');
        await strona.keyboard.press('Space');
        const teraz = await czekajNa(PYTANIA[2]);
        assert.ok(teraz.includes(`${PYTANIA[0]}2\n\n${PYTANIA[1]}4\n`), teraz);
    });
});

describe('telefon', () => {
    test('the button sends the line, and after the end starts a new game', async () => {
        await otworz('telefon');
        const przycisk = strona.locator('#wyslij');
        const { width, height } = await przycisk.boundingBox();
        assert.ok(width >= 44 && height >= 44, `the button is ${width} x ${height}`);
        for (const [i, liczba] of ['2', '4', '4', '3', '2'].entries()) {
            await czekajNa(PYTANIA[i]);
            await pole().fill(liczba);
            await przycisk.tap();
        }
        await czekajNa(SUKCES);
        await przycisk.tap();
        await czekajNa(KONIEC);
        await przycisk.tap();
        await czekajNa(BANER, 2);
    });

    test('a digit committed by an on-screen keyboard or an input method is sent once', async () => {
        await otworz('telefon');
        const cdp = await kontekst.newCDPSession(strona);
        await czekajNa(PYTANIA[0]);
        await cdp.send('Input.insertText', { text: '2' });
        await strona.keyboard.press('Enter');
        await czekajNa(PYTANIA[1]);
        await cdp.send('Input.imeSetComposition', { text: '4', selectionStart: 1, selectionEnd: 1 });
        await cdp.send('Input.insertText', { text: '4' });
        assert.equal(await pole().inputValue(), '4');
        await strona.keyboard.press('Enter');
        const teraz = await czekajNa(PYTANIA[2]);
        assert.ok(teraz.includes(`${PYTANIA[0]}2\n\n${PYTANIA[1]}4\n\n${PYTANIA[2]}`), teraz);
        assert.equal(await pole().inputValue(), '');
    });

    test('a tap anywhere on the console goes to the field, which stays in view', async () => {
        await otworz('telefon');
        await czekajNa(PYTANIA[0]);
        await strona.locator('h1').tap();
        assert.equal(await strona.evaluate(() => document.activeElement.id), '');
        await strona.locator('#transkrypt').tap({ position: { x: 10, y: 10 } });
        assert.equal(await strona.evaluate(() => document.activeElement.id), 'pole');
        for (const [i, liczba] of ['2', '4', '4', '3', '2'].entries()) {
            await czekajNa(PYTANIA[i]);
            await odpowiedz(liczba);
            await strona.waitForTimeout(100);
            const ramka = await pole().boundingBox();
            assert.ok(ramka.y >= 0 && ramka.y + ramka.height <= 640, `the field is at ${ramka.y}`);
        }
    });

    test('at 320 px nothing scrolls sideways, a board line stays whole, text is 14 px or more', async () => {
        await otworz('telefon');
        await strona.setViewportSize({ width: 320, height: 640 });
        await czekajNa(PYTANIA[0]);
        await odpowiedz('2 4 4 3 12345');
        await czekajNa(PORAZKA);
        const wymiary = await strona.evaluate(() => {
            const { documentElement: html } = document;
            // The lines of the board in the transcript, each drawn on how many lines.
            const linie = [];
            for (const wezel of document.getElementById('transkrypt').childNodes) {
                const tekst = wezel.textContent;
                let od = 0;
                for (const linia of tekst.split('\n')) {
                    if (/^(W\d \||---\+| {3}\|)/.test(linia)) {
                        const zakres = document.createRange();
                        zakres.setStart(wezel.firstChild, od);
                        zakres.setEnd(wezel.firstChild, od + linia.length);
                        const gory = new Set([...zakres.getClientRects()].map((r) => Math.round(r.top)));
                        linie.push([linia, gory.size]);
                    }
                    od += linia.length + 1;
                }
            }
            const czcionki = ['h1', 'p', '#transkrypt', '#pole', '#wyslij', 'footer'].map((s) => [
                s,
                parseFloat(getComputedStyle(document.querySelector(s)).fontSize),
            ]);
            return { szerokosc: html.scrollWidth, okno: window.innerWidth, linie, czcionki };
        });
        assert.ok(wymiary.szerokosc <= wymiary.okno, `${wymiary.szerokosc} px wide in ${wymiary.okno}`);
        assert.equal(wymiary.linie.length, 2 * 8, 'two boards of eight lines');
        for (const [linia, ile] of wymiary.linie) {
            assert.equal(ile, 1, `"${linia}" is drawn on ${ile} lines`);
        }
        for (const [element, rozmiar] of wymiary.czcionki) {
            assert.ok(rozmiar >= 14, `${element} is ${rozmiar} px`);
        }
    });
});
