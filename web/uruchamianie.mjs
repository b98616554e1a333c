// Runs the WebAssembly build of the game (wasm32-wasi, passed through
// binaryen's asyncify) on standard streams that the caller provides: the page
// connects them to its transcript and text field, konsola.mjs to its own
// process.
//
// The WASI functions come from @bjorn3/browser_wasi_shim. Reading standard
// input is the one call that may have to wait; JavaScript cannot block for
// it, so when no input is there fd_read unwinds the program's stack
// (asyncify), the host waits for input, and then rewinds the program into the
// same fd_read, which now finds it.

import { ConsoleStdout, Fd, WASI, WASIProcExit, wasi } from '@bjorn3/browser_wasi_shim';

const STRONA_PAMIECI = 65536;

// Standard input: bytes come in (typed lines, chunks of a file) and are read
// out in order; after zamknij() the input has ended and a read returns nothing.
export class StrumienWejscia {
    #bajty = new Uint8Array(0);
    #koniec = false;
    #czekajacy = [];
    #naZadanie;

    // naZadanie, when given, is called whenever the program waits for input
    // and none is there: a source that is read only on demand (a process's
    // standard input) answers it with dodaj() or zamknij().
    constructor(naZadanie = null) {
        this.#naZadanie = naZadanie;
    }

    dodaj(bajty) {
        if (this.#koniec || bajty.length === 0) {
            return;
        }
        const razem = new Uint8Array(this.#bajty.length + bajty.length);
        razem.set(this.#bajty);
        razem.set(bajty, this.#bajty.length);
        this.#bajty = razem;
        this.#obudz();
    }

    zamknij() {
        this.#koniec = true;
        this.#obudz();
    }

    // True when a read would not have to wait: there are bytes, or the end.
    gotowe() {
        return this.#bajty.length > 0 || this.#koniec;
    }

    czekaj() {
        if (this.gotowe()) {
            return Promise.resolve();
        }
        const obietnica = new Promise((wznow) => this.#czekajacy.push(wznow));
        this.#naZadanie?.();
        return obietnica;
    }

    czytaj(ile) {
        const porcja = this.#bajty.slice(0, ile);
        this.#bajty = this.#bajty.slice(porcja.length);
        return porcja;
    }

    #obudz() {
        for (const wznow of this.#czekajacy.splice(0)) {
            wznow();
        }
    }
}

// File descriptor 0 as a character device, like a console's.
class DeskryptorWejscia extends Fd {
    #wejscie;

    constructor(wejscie) {
        super();
        this.#wejscie = wejscie;
    }

    fd_fdstat_get() {
        const fdstat = new wasi.Fdstat(wasi.FILETYPE_CHARACTER_DEVICE, 0);
        fdstat.fs_rights_base = BigInt(wasi.RIGHTS_FD_READ);
        return { ret: wasi.ERRNO_SUCCESS, fdstat };
    }

    fd_read(ile) {
        return { ret: wasi.ERRNO_SUCCESS, data: this.#wejscie.czytaj(ile) };
    }
}

// Compiles the program once; each uruchomProgram() is then a fresh start of it.
export function skompiluj(bajty) {
    return WebAssembly.compile(bajty);
}

// Runs the program to its end and returns its exit status. wyjscie and bledy
// receive what it writes to standard output and standard error, as bytes.
export async function uruchomProgram(modul, { wejscie, wyjscie, bledy, argumenty = ['kwadrat11'] }) {
    const host = new WASI(argumenty, [], [
        new DeskryptorWejscia(wejscie),
        new ConsoleStdout(wyjscie),
        new ConsoleStdout(bledy),
    ]);

    let eksporty = null;
    let dane = 0; // the asyncify data: current and end of the saved stack, then the stack
    let stan = 'dziala'; // or 'zatrzymuje' (unwinding) or 'wznawia' (rewinding)
    let oczekiwanie = null;

    const czytajOryginalnie = host.wasiImport.fd_read;
    const fd_read = (fd, iovs, ileIovs, przeczytane) => {
        if (stan === 'wznawia') {
            // Back in the call that waited: the input is there now.
            eksporty.asyncify_stop_rewind();
            stan = 'dziala';
        } else if (fd === 0 && !wejscie.gotowe()) {
            // The stack is saved from the start every time it unwinds; the
            // rewind reads back what this unwind wrote.
            const naglowek = new Uint32Array(eksporty.memory.buffer, dane, 2);
            naglowek[0] = dane + 8;
            naglowek[1] = dane + STRONA_PAMIECI;
            eksporty.asyncify_start_unwind(dane);
            stan = 'zatrzymuje';
            oczekiwanie = wejscie.czekaj();
            return 0; // ignored: the program is unwinding
        }
        return czytajOryginalnie(fd, iovs, ileIovs, przeczytane);
    };

    const instancja = await WebAssembly.instantiate(modul, {
        wasi_snapshot_preview1: { ...host.wasiImport, fd_read },
    });
    eksporty = instancja.exports;
    host.inst = instancja;
    // A page of its own past the program's memory: the program's allocator
    // only ever grows memory further, so it never hands this page out.
    dane = eksporty.memory.grow(1) * STRONA_PAMIECI;

    try {
        for (;;) {
            eksporty._start();
            if (stan !== 'zatrzymuje') {
                return 0; // returned without calling exit
            }
            eksporty.asyncify_stop_unwind();
            await oczekiwanie;
            stan = 'wznawia';
            eksporty.asyncify_start_rewind(dane);
        }
    } catch (blad) {
        if (blad instanceof WASIProcExit) {
            return blad.code;
        }
        throw blad;
    }
}
