#!/usr/bin/env node
// Benchmark: how long the page takes to show the first prompt, against a
// static page that holds the same text from the start (the same file without
// its scripts, the text written in). Both are loaded side by side in one run
// of headless Chromium, in alternating order, each in a fresh browser context;
// the time is taken in the page, from the start of navigation to the second
// animation frame after the prompt is in the document, when it has been
// painted. Prints the median of each and their ratio.
//
//   node pomiar.mjs PAGE.html [LOADS] [CHROMIUM]

import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import process from 'node:process';
import { pathToFileURL } from 'node:url';

import { uruchomChromium } from './chromium.mjs';

const [sciezka, ileArg = '15', przegladarkaArg = '/usr/bin/chromium'] = process.argv.slice(2);
if (sciezka === undefined) {
    process.stderr.write('usage: node pomiar.mjs PAGE.html [LOADS] [CHROMIUM]\n');
    process.exit(2);
}
const ILE = Number(ileArg);
const PYTANIE = 'Podaj cyfre dla Wiersza 1, Kolumny 2:';

// Runs in the page before anything else: notes when the prompt is first in
// the document (a terminal emulator, as in earlier versions of the page, may
// put non-breaking spaces in it), waits two frames for it to be painted, and
// reports the time on the console. Nothing is asked of the page while it
// loads, so that the measuring takes none of its time.
function obserwuj(pytanie, znacznik) {
    const obserwator = new MutationObserver(() => {
        const tekst = document.body?.textContent.replaceAll('\u00a0', ' ') ?? '';
        if (tekst.includes(pytanie)) {
            obserwator.disconnect();
            requestAnimationFrame(() =>
                requestAnimationFrame(() => {
                    console.debug(znacznik, performance.now());
                }),
            );
        }
    });
    obserwator.observe(document, { childList: true, subtree: true, characterData: true });
}
const ZNACZNIK = 'kwadrat11-pomiar';

const mediana = (liczby) => {
    const posortowane = [...liczby].sort((a, b) => a - b);
    const srodek = Math.floor(posortowane.length / 2);
    return posortowane.length % 2 ? posortowane[srodek] : (posortowane[srodek - 1] + posortowane[srodek]) / 2;
};

const przegladarka = await uruchomChromium(przegladarkaArg);
const katalog = mkdtempSync(join(tmpdir(), 'kwadrat11-pomiar-'));
try {
    async function zmierz(adres) {
        const kontekst = await przegladarka.newContext({ viewport: { width: 1280, height: 900 } });
        await kontekst.addInitScript(`(${obserwuj})(${JSON.stringify(PYTANIE)}, ${JSON.stringify(ZNACZNIK)})`);
        const strona = await kontekst.newPage();
        const czas = new Promise((gotowe) =>
            strona.on('console', (wiadomosc) => {
                if (wiadomosc.text().startsWith(ZNACZNIK)) {
                    gotowe(Number(wiadomosc.text().split(' ')[1]));
                }
            }),
        );
        await strona.goto(adres, { waitUntil: 'commit' });
        const wynik = { czas: await czas };
        // Then, unmeasured, what the console shows (a terminal emulator, as in
        // earlier versions of the page, keeps it in rows).
        const konsola = strona.locator('#transkrypt, .xterm-rows');
        if ((await konsola.count()) > 0) {
            await konsola.filter({ hasText: PYTANIE }).waitFor();
            wynik.tekst = await konsola.innerText();
        }
        await kontekst.close();
        return wynik;
    }

    const adresStrony = pathToFileURL(resolve(sciezka)).href;
    // The same page without its scripts, its console holding from the start the
    // text that the program writes up to the first prompt.
    const { tekst } = await zmierz(adresStrony);
    const doPytania = tekst.replaceAll('\u00a0', ' ');
    const naHtml = (t) => t.replaceAll('&', '&amp;').replaceAll('<', '&lt;').replaceAll('>', '&gt;');
    const wKonsoli = naHtml(doPytania.slice(0, doPytania.indexOf(PYTANIE) + PYTANIE.length));
    const statyczna = readFileSync(sciezka, 'utf8')
        .replace(/<script[\s\S]*?<\/script>\s*/g, '')
        .replace(/<pre id="transkrypt"[^>]*>|<div id="terminal"[^>]*>/, (znacznik) =>
            znacznik.startsWith('<pre') ? `${znacznik}${wKonsoli} ` : `${znacznik}<pre>${wKonsoli} </pre>`,
        );
    const plikStatyczny = join(katalog, 'statyczna.html');
    writeFileSync(plikStatyczny, statyczna);
    const adresStatycznej = pathToFileURL(plikStatyczny).href;

    const czasy = { strona: [], statyczna: [] };
    for (let i = 0; i < ILE; i++) {
        const kolejnosc = i % 2 === 0 ? ['strona', 'statyczna'] : ['statyczna', 'strona'];
        for (const ktora of kolejnosc) {
            const { czas } = await zmierz(ktora === 'strona' ? adresStrony : adresStatycznej);
            czasy[ktora].push(czas);
        }
    }
    const czasStrony = mediana(czasy.strona);
    const czasStatycznej = mediana(czasy.statyczna);
    process.stdout.write(
        `first prompt on screen, median of ${ILE} loads each:\n` +
            `  the page       ${czasStrony.toFixed(1)} ms\n` +
            `  a static page  ${czasStatycznej.toFixed(1)} ms\n` +
            `  ratio          ${(czasStrony / czasStatycznej).toFixed(2)}\n`,
    );
} finally {
    await przegladarka.close();
    rmSync(katalog, { recursive: true, force: true });
}
