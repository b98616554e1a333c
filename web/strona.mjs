// The page: the game in a console made of the browser's own elements. What
// the program writes goes into a transcript (a live region, so a screen reader
// reads it out); the player types a line into a text field and sends it with
// Enter or the button, and it is echoed into the transcript, as a console
// shows what was typed. The program is the same WebAssembly build that
// konsola.mjs runs; it arrives deflated and in base64 inside the page
// itself, so the page needs nothing from the network.

import { ostatniaLinia, wklej } from './transkrypt.mjs';
import { StrumienWejscia, uruchomProgram } from './uruchamianie.mjs';

const KONIEC_GRY = '[Koniec gry. Naciśnij Enter, aby zagrać jeszcze raz.]';
const WYSLIJ = 'Wyślij';
const NOWA_GRA = 'Nowa gra';

const konsola = document.getElementById('konsola');
const transkrypt = document.getElementById('transkrypt');
const formularz = document.getElementById('wiersz');
const pole = document.getElementById('pole');
const przycisk = document.getElementById('wyslij');

// The browser inflates the program and compiles it as the bytes come. (A
// Blob's stream would be read through the browser's blob store: slower.)
async function wczytajProgram() {
    const tekst = document.getElementById('program').textContent;
    let spakowany = Uint8Array.fromBase64?.(tekst);
    if (!spakowany) {
        const bajty = atob(tekst);
        spakowany = new Uint8Array(bajty.length);
        for (let i = 0; i < bajty.length; i++) {
            spakowany[i] = bajty.charCodeAt(i);
        }
    }
    const strumien = new ReadableStream({
        start(kontroler) {
            kontroler.enqueue(spakowany);
            kontroler.close();
        },
    }).pipeThrough(new DecompressionStream('deflate-raw'));
    return WebAssembly.compileStreaming(new Response(strumien, { headers: { 'Content-Type': 'application/wasm' } }));
}
// Loading starts at once, while the page is still being laid out.
const modul = wczytajProgram();

// The transcript only ever grows: each piece of text is added once as a node
// of its own, so that a screen reader announces it once. What the program
// writes in one go (up to its next wait for input) is one piece.
let doDopisania = '';
let naPoczatkuLinii = true;

function dopisz(tekst, klasa = null) {
    if (tekst === '') {
        return;
    }
    const kawalek = document.createElement('span');
    if (klasa) {
        kawalek.className = klasa;
    }
    kawalek.textContent = tekst;
    transkrypt.append(kawalek);
    naPoczatkuLinii = tekst.endsWith('\n');
    // The field follows the last line, above an on-screen keyboard too.
    pole.scrollIntoView({ block: 'nearest' });
}

function dopiszWyjscie() {
    const tekst = doDopisania;
    doDopisania = '';
    dopisz(tekst);
}

// The field is named by the program's last line: the prompt it waits at.
let ostatnieWyjscie = '';
function nazwijPole(nazwa) {
    if (nazwa !== '') {
        pole.setAttribute('aria-label', nazwa);
    }
}

const dekoder = new TextDecoder();
function wyjscieProgramu(bajty) {
    const tekst = dekoder.decode(bajty, { stream: true });
    if (doDopisania === '') {
        queueMicrotask(dopiszWyjscie);
    }
    doDopisania += tekst;
    ostatnieWyjscie = (ostatnieWyjscie + tekst).slice(-1000);
    nazwijPole(ostatniaLinia(ostatnieWyjscie));
}

const koder = new TextEncoder();
let wejscie = null;
let graTrwa = false;

function wyslij(tekst) {
    dopisz(tekst, 'wpisane');
    wejscie.dodaj(koder.encode(tekst));
}

async function graj() {
    graTrwa = true;
    wejscie = new StrumienWejscia();
    ostatnieWyjscie = '';
    przycisk.textContent = WYSLIJ;
    try {
        await uruchomProgram(await modul, { wejscie, wyjscie: wyjscieProgramu, bledy: wyjscieProgramu });
    } catch (blad) {
        dopiszWyjscie();
        dopisz(`${naPoczatkuLinii ? '' : '\n'}[Błąd: ${blad.message}]\n`);
    }
    dopiszWyjscie();
    dopisz(`${naPoczatkuLinii ? '' : '\n'}${KONIEC_GRY}\n`);
    nazwijPole(KONIEC_GRY);
    przycisk.textContent = NOWA_GRA;
    graTrwa = false;
}

// Enter in the field and the button both submit the form.
let skladanie = false;
pole.addEventListener('compositionstart', () => {
    skladanie = true;
});
pole.addEventListener('compositionend', () => {
    skladanie = false;
});
formularz.addEventListener('submit', (zdarzenie) => {
    zdarzenie.preventDefault();
    if (skladanie) {
        return; // this Enter only ends a composition of the input method
    }
    const tekst = pole.value;
    pole.value = '';
    pole.focus();
    if (graTrwa) {
        wyslij(`${tekst}\n`);
    } else {
        dopisz('\n', 'wpisane');
        graj();
    }
});

// Ctrl-D as on a console: on an empty line it ends the input, otherwise it
// sends what has been typed without a line end.
pole.addEventListener('keydown', (zdarzenie) => {
    const ctrlD =
        zdarzenie.ctrlKey && !zdarzenie.altKey && !zdarzenie.metaKey && zdarzenie.key.toLowerCase() === 'd';
    if (!ctrlD || zdarzenie.isComposing) {
        return;
    }
    zdarzenie.preventDefault(); // not the browser's bookmark
    if (!graTrwa) {
        return;
    }
    if (pole.value === '') {
        wejscie.zamknij();
    } else {
        const tekst = pole.value;
        pole.value = '';
        wyslij(tekst);
    }
});

// A text field holds one line: pasted lines are sent as typed lines would be.
pole.addEventListener('paste', (zdarzenie) => {
    const wklejony = zdarzenie.clipboardData?.getData('text/plain') ?? '';
    if (!/[\r\n]/.test(wklejony)) {
        return; // one line: the browser's own paste, with its undo
    }
    zdarzenie.preventDefault();
    const { linie, reszta } = wklej(pole.value, pole.selectionStart, pole.selectionEnd, wklejony);
    pole.value = reszta;
    for (const linia of linie) {
        if (graTrwa) {
            wyslij(`${linia}\n`);
        }
    }
});

// A tap anywhere on the console goes to the field, unless it selects text.
konsola.addEventListener('click', (zdarzenie) => {
    if (zdarzenie.target === przycisk || zdarzenie.target === pole) {
        return;
    }
    if (document.getSelection()?.isCollapsed !== false) {
        pole.focus({ preventScroll: true });
    }
});

// An on-screen keyboard that opens shrinks the view: keep the field in it.
window.visualViewport?.addEventListener('resize', () => {
    if (document.activeElement === pole) {
        pole.scrollIntoView({ block: 'nearest' });
    }
});

graj();
