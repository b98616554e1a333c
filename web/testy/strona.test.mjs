// The built page as a file (KWADRAT11_STRONA): small, self-contained, and
// forbidden by its own Content-Security-Policy to run or style anything but
// what it carries.

import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import process from 'node:process';
import { before, test } from 'node:test';
import { inflateRawSync } from 'node:zlib';

let bajty;
let strona;
before(() => {
    assert.ok(process.env.KWADRAT11_STRONA, 'KWADRAT11_STRONA names the built page');
    bajty = readFileSync(process.env.KWADRAT11_STRONA);
    strona = new TextDecoder('utf-8', { fatal: true }).decode(bajty);
});

const skrot = (tekst) => `'sha256-${createHash('sha256').update(tekst, 'utf8').digest('base64')}'`;

function zasady() {
    const csp = strona.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/)?.[1];
    assert.ok(csp, 'no Content-Security-Policy');
    return Object.fromEntries(
        csp.split(';').map((z) => {
            const [nazwa, ...wartosci] = z.trim().split(/\s+/);
            return [nazwa, wartosci];
        }),
    );
}

test('the page is at most 192 KiB', () => {
    assert.ok(bajty.length <= 192 * 1024, `${bajty.length} bytes`);
});

test('its policy allows exactly its own script, its own style and the program', () => {
    const csp = zasady();
    const skrypty = [...strona.matchAll(/<script>([\s\S]*?)<\/script>/g)].map((m) => m[1]);
    const style = [...strona.matchAll(/<style>([\s\S]*?)<\/style>/g)].map((m) => m[1]);
    assert.equal(skrypty.length, 1, 'one script to run');
    assert.equal(style.length, 1, 'one style');
    assert.deepEqual(csp['default-src'], ["'none'"]);
    assert.deepEqual(csp['script-src'], [skrot(skrypty[0]), "'wasm-unsafe-eval'"]);
    assert.deepEqual(csp['style-src'], [skrot(style[0])]);
    assert.deepEqual(csp['base-uri'], ["'none'"]);
    assert.deepEqual(csp['form-action'], ["'none'"]);
    for (const zasada of ['connect-src', 'img-src', 'font-src', 'frame-src', 'worker-src']) {
        assert.equal(csp[zasada], undefined, `${zasada} would override default-src`);
    }
    assert.doesNotMatch(strona, /\sstyle="|\son[a-z]+="/, 'inline attributes the policy blocks');
});

test('it fits the screen without stopping a pinch zoom', () => {
    const okno = strona.match(/<meta name="viewport" content="([^"]*)">/)?.[1];
    assert.ok(okno, 'no viewport');
    assert.match(okno, /width=device-width/);
    assert.doesNotMatch(okno, /user-scalable\s*=\s*(no|0)|maximum-scale/);
});

test('its field asks an on-screen keyboard for digits and an Enter key, and takes any text', () => {
    const pole = strona.match(/<input id="pole"[^>]*>/)?.[0];
    assert.ok(pole, 'no field');
    assert.match(pole, /\stype="text"/);
    assert.match(pole, /\sinputmode="numeric"/);
    assert.match(pole, /\senterkeyhint="send"/);
    assert.doesNotMatch(pole, /\s(pattern|maxlength)=/);
});

test('it loads nothing from elsewhere', () => {
    const bezKomentarzy = strona.replace(/<!--[\s\S]*?-->/, '');
    assert.doesNotMatch(bezKomentarzy, /<(script|link|img|iframe)[^>]*\s(src|href)=/i);
    assert.doesNotMatch(bezKomentarzy, /@import|url\(\s*["']?(https?:)?\/\//i);
});

test('its own texts are Polish, with diacritics, and it carries the licences', () => {
    assert.match(strona, /<html lang="pl">/);
    assert.match(strona, /<meta charset="utf-8">/);
    const tytul = strona.match(/<title>([^<]*)<\/title>/)?.[1] ?? '';
    const tekstStrony = strona
        .replace(/<!--[\s\S]*?-->/, '')
        .replace(/<script[\s\S]*?<\/script>/g, '')
        .replace(/<style[\s\S]*?<\/style>/g, '')
        .replace(/<[^>]*>/g, ' ');
    for (const [co, tekst] of [
        ['title', tytul],
        ['text', tekstStrony],
    ]) {
        assert.match(tekst, /[ąćęłńóśźż]/i, `the ${co} has no Polish letters: ${tekst}`);
    }
    assert.match(tekstStrony, /Wyślij/);
    assert.match(strona, /Permission is hereby granted, free of charge/);
});

test('it carries the program byte for byte', () => {
    assert.ok(process.env.KWADRAT11_PROGRAM, 'KWADRAT11_PROGRAM names the built program');
    const base64 = strona.match(/<script id="program" type="application\/octet-stream">([^<]*)<\/script>/)?.[1];
    assert.ok(base64, 'no program in the page');
    const program = inflateRawSync(Buffer.from(base64, 'base64'));
    assert.ok(program.equals(readFileSync(process.env.KWADRAT11_PROGRAM)), 'the page carries another program');
});
