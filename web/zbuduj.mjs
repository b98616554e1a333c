#!/usr/bin/env node
// Builds the page: one self-contained HTML file with the program (gzipped,
// base64), the terminal's style and the bundled script inlined, and a
// Content-Security-Policy that allows nothing from the network. The same
// inputs always give the same bytes.
//
//   node zbuduj.mjs PROGRAM.wasm VERSION LICENSE OUTPUT.html

import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import process from 'node:process';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

import { build } from 'esbuild';

const NAJWIEKSZA_STRONA = 1024 * 1024;
const katalog = dirname(fileURLToPath(import.meta.url));
const modul = (sciezka) => join(katalog, 'node_modules', sciezka);

const [program, wersja, licencja, wynik] = process.argv.slice(2);
if (wynik === undefined) {
    process.stderr.write('usage: node zbuduj.mjs PROGRAM.wasm VERSION LICENSE OUTPUT.html\n');
    process.exit(2);
}

const { outputFiles } = await build({
    entryPoints: [join(katalog, 'strona.mjs')],
    bundle: true,
    format: 'esm',
    minify: true,
    write: false,
    legalComments: 'none', // the licences stand at the top of the page instead
    target: ['chrome111', 'firefox113', 'safari16.4'],
    logLevel: 'warning',
});
const skrypt = outputFiles[0].text.trim();
if (skrypt.toLowerCase().includes('</script')) {
    throw new Error('the bundled script contains </script and cannot be inlined');
}

const skrot = createHash('sha256').update(skrypt, 'utf8').digest('base64');
const csp = [
    "default-src 'none'",
    `script-src 'sha256-${skrot}' 'wasm-unsafe-eval'`,
    // the terminal styles its own elements
    "style-src 'unsafe-inline'",
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

// What the page ships, each under its own licence; "--" may not stand in an
// HTML comment.
const licencje = [
    ['kwadrat11', licencja],
    ['@xterm/xterm', modul('@xterm/xterm/LICENSE')],
    ['@bjorn3/browser_wasi_shim', modul('@bjorn3/browser_wasi_shim/LICENSE-MIT')],
]
    .map(([nazwa, plik]) => `${nazwa}:\n\n${readFileSync(plik, 'utf8').trim()}`)
    .join('\n\n\n')
    .replaceAll('--', '- -');

const podstawienia = {
    '@LICENCJE@': licencje,
    '@CSP@': csp,
    '@STYL_XTERM@': readFileSync(modul('@xterm/xterm/css/xterm.css'), 'utf8').trim(),
    '@WERSJA@': wersja,
    '@PROGRAM@': gzipSync(readFileSync(program), { level: 9 })
        .toString('base64')
        .replace(/.{1,100}/g, '$&\n')
        .trim(),
    '@SKRYPT@': skrypt,
};
let strona = readFileSync(join(katalog, 'kwadrat11.html'), 'utf8');
for (const [znacznik, tresc] of Object.entries(podstawienia)) {
    strona = strona.replace(znacznik, () => tresc);
}

const rozmiar = Buffer.byteLength(strona);
if (rozmiar > NAJWIEKSZA_STRONA) {
    throw new Error(`the page would be ${rozmiar} bytes, more than ${NAJWIEKSZA_STRONA}`);
}
writeFileSync(wynik, strona);
