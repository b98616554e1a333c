// konsola.mjs as another program uses it, through pipes: each prompt comes
// out before the program waits for its answer, and a wrong call says why.

import assert from 'node:assert/strict';
import { spawn, spawnSync } from 'node:child_process';
import { dirname, join } from 'node:path';
import process from 'node:process';
import { test } from 'node:test';
import { setTimeout as poczekaj } from 'node:timers/promises';
import { fileURLToPath } from 'node:url';

const KONSOLA = join(dirname(fileURLToPath(import.meta.url)), '..', 'konsola.mjs');
const PROGRAM = process.env.KWADRAT11_PROGRAM;
const pytanie = (w, k) => `Podaj cyfre dla Wiersza ${w}, Kolumny ${k}: `;

test('without a program it prints its usage and exits with 2', () => {
    const wynik = spawnSync(process.execPath, [KONSOLA], { encoding: 'utf8' });
    assert.equal(wynik.status, 2);
    assert.match(wynik.stderr, /^usage: node konsola\.mjs PROGRAM\.wasm\n$/);
    assert.equal(wynik.stdout, '');
});

test('a program that cannot be read is named, with exit 2', () => {
    const wynik = spawnSync(process.execPath, [KONSOLA, 'nie-ma-takiego.wasm'], {
        encoding: 'utf8',
    });
    assert.equal(wynik.status, 2);
    assert.match(wynik.stderr, /cannot read nie-ma-takiego\.wasm/);
});

test("the program's exit status is the process's, whether it reads input or its end", () => {
    const program = process.env.KWADRAT11_PROGRAM_ZE_STATUSEM;
    assert.ok(program, 'KWADRAT11_PROGRAM_ZE_STATUSEM names a program that ends with 3');
    for (const wejscie of ['x\n', '']) {
        const wynik = spawnSync(process.execPath, [KONSOLA, program], { input: wejscie, encoding: 'utf8' });
        assert.equal(wynik.status, 3, JSON.stringify(wejscie));
        assert.equal(wynik.stderr, '');
    }
});

test('a reader that goes away ends it quietly, as SIGPIPE ends the native program', async () => {
    assert.ok(PROGRAM, 'KWADRAT11_PROGRAM names the built program');
    const proces = spawn(process.execPath, [KONSOLA, PROGRAM], { stdio: 'pipe' });
    let bledy = '';
    proces.stderr.setEncoding('utf8');
    proces.stderr.on('data', (dane) => {
        bledy += dane;
    });
    const koniec = new Promise((gotowe) => proces.on('exit', (status) => gotowe(status)));
    await new Promise((gotowe) => proces.stdout.once('data', gotowe));
    proces.stdout.destroy();
    proces.stdin.end('2\n4\n4\n3\n2\n\n');
    assert.equal(await koniec, 141);
    assert.equal(bledy, '');
});

test('through pipes each prompt arrives before the program waits', async () => {
    assert.ok(PROGRAM, 'KWADRAT11_PROGRAM names the built program');
    const proces = spawn(process.execPath, [KONSOLA, PROGRAM], { stdio: 'pipe' });
    let wyjscie = '';
    proces.stdout.setEncoding('utf8');
    proces.stdout.on('data', (dane) => {
        wyjscie += dane;
    });
    const koniec = new Promise((gotowe) => proces.on('exit', (status) => gotowe(status)));

    async function czekajNa(tekst) {
        const poczatek = Date.now();
        while (!wyjscie.endsWith(tekst)) {
            assert.ok(Date.now() - poczatek < 10000, `"${tekst}" never came:\n${wyjscie}`);
            await poczekaj(20);
        }
        await poczekaj(200);
        assert.ok(wyjscie.endsWith(tekst), 'more came before the answer was given');
    }

    const pytania = [pytanie(1, 2), pytanie(2, 1), pytanie(2, 3), pytanie(3, 1), pytanie(3, 3)];
    for (const [i, odpowiedz] of ['2', '4', '4', '3', '2'].entries()) {
        await czekajNa(pytania[i]);
        proces.stdin.write(`${odpowiedz}\n`);
    }
    await czekajNa('BRAWO! Wszystkie sumy w poziomie i w pionie wynosza 11!\n');
    assert.equal(proces.exitCode, null, 'it did not wait for Enter');
    proces.stdin.write('\n');
    assert.equal(await koniec, 0);
});
