#!/usr/bin/env node
// Plays the WebAssembly build of the game as a console program: on this
// process's standard input and output, through the same host as the page.
// The build's end-to-end tests run the program this way.
//
//   node konsola.mjs kwadrat11.wasm

import { read, readFileSync, writeSync } from 'node:fs';
import process from 'node:process';

import { StrumienWejscia, skompiluj, uruchomProgram } from './uruchamianie.mjs';

const [sciezka] = process.argv.slice(2);
if (sciezka === undefined) {
    process.stderr.write('usage: node konsola.mjs PROGRAM.wasm\n');
    process.exit(2);
}

let bajty;
try {
    bajty = readFileSync(sciezka);
} catch (blad) {
    process.stderr.write(`konsola.mjs: cannot read ${sciezka}: ${blad.message}\n`);
    process.exit(2);
}

// Whole writes, in order, before the program goes on: a prompt is out before
// the program waits for its answer.
function piszWszystko(fd, dane) {
    let zapisane = 0;
    while (zapisane < dane.length) {
        try {
            zapisane += writeSync(fd, dane, zapisane);
        } catch (blad) {
            if (blad.code === 'EPIPE') {
                // The reader has gone, as after "| head": end quietly, with the
                // status a shell shows for the native program killed by SIGPIPE.
                process.exit(128 + 13);
            }
            if (blad.code !== 'EAGAIN') {
                throw blad;
            }
        }
    }
}

// Standard input is read only while the program waits for it, so that nothing
// is left reading when it ends.
const bufor = Buffer.alloc(65536);
function czytajPorcje() {
    read(0, bufor, 0, bufor.length, null, (blad, ile) => {
        if (blad?.code === 'EAGAIN') {
            setTimeout(czytajPorcje, 10); // a terminal left non-blocking by another program
        } else if (blad || ile === 0) {
            wejscie.zamknij();
        } else {
            wejscie.dodaj(Uint8Array.from(bufor.subarray(0, ile)));
        }
    });
}
const wejscie = new StrumienWejscia(czytajPorcje);

const status = await uruchomProgram(await skompiluj(bajty), {
    wejscie,
    wyjscie: (dane) => piszWszystko(1, dane),
    bledy: (dane) => piszWszystko(2, dane),
});
process.exitCode = status;
