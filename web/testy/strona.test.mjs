// The built page as a file (KWADRAT11_STRONA): small enough, self-contained,
// and forbidden by its own Content-Security-Policy to reach the network.

import assert from 'node:assert/strict';
import { readFileSync, statSync } from 'node:fs';
import process from 'node:process';
import { before, test } from 'node:test';

let strona;
before(() => {
    assert.ok(process.env.KWADRAT11_STRONA, 'KWADRAT11_STRONA names the built page');
    strona = readFileSync(process.env.KWADRAT11_STRONA, 'utf8');
});

test('the page is at most 1 MiB', () => {
    assert.ok(statSync(process.env.KWADRAT11_STRONA).size <= 1024 * 1024);
});

test('its policy allows no source but its own inline script and the program', () => {
    const csp = strona.match(/<meta http-equiv="Content-Security-Policy" content="([^"]*)">/)?.[1];
    assert.ok(csp, 'no Content-Security-Policy');
    const zasady = Object.fromEntries(
        csp.split(';').map((z) => {
            const [nazwa, ...wartosci] = z.trim().split(/\s+/);
            return [nazwa, wartosci];
        }),
    );
    assert.deepEqual(zasady['default-src'], ["'none'"]);
    assert.equal(zasady['script-src'].length, 2);
    assert.match(zasady['script-src'][0], /^'sha256-[A-Za-z0-9+/]+=*'$/);
    assert.equal(zasady['script-src'][1], "'wasm-unsafe-eval'");
    for (const zasada of ['connect-src', 'img-src', 'font-src', 'frame-src', 'worker-src']) {
        assert.equal(zasady[zasada], undefined, `${zasada} would override default-src`);
    }
});

test('it loads nothing from elsewhere', () => {
    const bezKomentarzy = strona.replace(/<!--[\s\S]*?-->/, '');
    assert.doesNotMatch(bezKomentarzy, /<(script|link|img|iframe)[^>]*\s(src|href)=/i);
    assert.doesNotMatch(bezKomentarzy, /@import|url\(\s*["']?(https?:)?\/\//i);
});

test('it says what it is in Polish without diacritics, and carries the licence', () => {
    assert.match(strona, /<html lang="pl">/);
    assert.match(strona, /<title>[ -~]+<\/title>/);
    assert.match(strona, /Permission is hereby granted, free of charge/);
    const tekstStrony = strona.replace(/<script[\s\S]*?<\/script>/g, '').replace(/<style[\s\S]*?<\/style>/g, '');
    assert.match(tekstStrony, /^[\t\n\r -~]*$/);
});
