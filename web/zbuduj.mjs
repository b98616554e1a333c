#!/usr/bin/env node
// Builds the page: one self-contained HTML file with the program (compressed,
// base64), the style and the bundled script inlined, and a
// Content-Security-Policy that allows nothing from the network and no script
// or style but these two. The same sources and lock file always give the same
// bytes, whichever Node.js runs this: the compressor is the one the lock file
// pins, not the zlib that Node.js happens to carry.
//
//   node zbuduj.mjs PROGRAM.wasm VERSION LICENSE OUTPUT.html

import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import process from 'node:process';
import { fileURLToPath } from 'node:url';

import { build } from 'esbuild';
import { deflateSync } from 'fflate';

// Small enough to load at once on a slow mobile connection.
const NAJWIEKSZA_STRONA = 192 * 1024;
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
    // A classic script runs as soon as it is parsed; a module waits until
    // the whole document is, often past the first layout: the program
    // starts sooner.
    format: 'iife',
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

const styl = readFileSync(join(katalog, 'strona.css'), 'utf8').trim();

const skrot = (tekst) => `'sha256-${createHash('sha256').update(tekst, 'utf8').digest('base64')}'`;
const csp = [
    "default-src 'none'",
    `script-src ${skrot(skrypt)} 'wasm-unsafe-eval'`,
    `style-src ${skrot(styl)}`,
    "base-uri 'none'",
    "form-action 'none'",
].join('; ');

// What the page ships, each under its own licence; "--" may not stand in an
// HTML comment.
const licencje = [
    ['kwadrat11', licencja],
    ['@bjorn3/browser_wasi_shim', modul('@bjorn3/browser_wasi_shim/LICENSE-MIT')],
]
    .map(([nazwa, plik]) => `${nazwa}:\n\n${readFileSync(plik, 'utf8').trim()}`)
    .join('\n\n\n')
    .replaceAll('--', '- -');

const podstawienia = {
    '@LICENCJE@': licencje,
    '@CSP@': csp,
    '@STYL@': styl,
    '@WERSJA@': wersja,
    // Raw deflate, which the browser's DecompressionStream inflates: no
    // header, so no timestamp either.
    '@PROGRAM@': Buffer.from(deflateSync(readFileSync(program), { level: 9, mem: 12 }))
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
