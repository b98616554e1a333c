// The page: the game in a terminal on screen. The program is the same
// WebAssembly build that konsola.mjs runs; it arrives gzipped and in base64
// inside the page itself, so the page needs nothing from the network.

import { Terminal } from '@xterm/xterm';

import { TrybLiniowy } from './linia.mjs';
import { StrumienWejscia, skompiluj, uruchomProgram } from './uruchamianie.mjs';

const KONIEC_GRY = '[Koniec gry. Nacisnij Enter, aby zagrac jeszcze raz.]';

async function wczytajProgram() {
    const base64 = document.getElementById('program').textContent.trim();
    const spakowany = Uint8Array.from(atob(base64), (znak) => znak.charCodeAt(0));
    const strumien = new Blob([spakowany]).stream().pipeThrough(new DecompressionStream('gzip'));
    return skompiluj(await new Response(strumien).arrayBuffer());
}

const terminal = new Terminal({
    convertEol: true, // the program ends its lines with LF alone, as on Linux
    cols: 90, // the longest line of the game is 84 characters
    rows: 40,
    cursorBlink: true,
    fontFamily: 'DejaVu Sans Mono, Consolas, Menlo, monospace',
    fontSize: 16,
});
terminal.open(document.getElementById('terminal'));
terminal.focus();

const koder = new TextEncoder();
let naPoczatkuLinii = true;
let wejscie = null;
let graTrwa = false;

function pisz(dane) {
    if (dane.length === 0) {
        return;
    }
    terminal.write(dane);
    const ostatni = typeof dane === 'string' ? dane.at(-1) : String.fromCharCode(dane.at(-1));
    naPoczatkuLinii = ostatni === '\n';
}

const linia = new TrybLiniowy({
    echo: pisz,
    wyslij: (tekst) => wejscie.dodaj(koder.encode(tekst)),
    zakoncz: () => wejscie.zamknij(),
});

terminal.onData((dane) => {
    if (graTrwa) {
        linia.wpisz(dane);
    } else if (dane.includes('\r')) {
        pisz('\r\n');
        graj();
    }
});

let modul = null;

async function graj() {
    graTrwa = true;
    wejscie = new StrumienWejscia();
    linia.wyczysc();
    try {
        modul ??= await wczytajProgram();
        await uruchomProgram(modul, { wejscie, wyjscie: pisz, bledy: pisz });
    } catch (blad) {
        if (!naPoczatkuLinii) {
            pisz('\r\n');
        }
        pisz(`[Blad: ${blad.message}]\r\n`);
    }
    if (!naPoczatkuLinii) {
        pisz('\r\n');
    }
    pisz(`${KONIEC_GRY}\r\n`);
    graTrwa = false;
}

graj();
