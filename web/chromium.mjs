// Headless Chromium for the browser test and the benchmark: Debian's own
// (playwright-core downloads none), with nothing started in the background
// that would reach for the network.

import { chromium } from 'playwright-core';

export function uruchomChromium(sciezka = '/usr/bin/chromium') {
    return chromium.launch({
        executablePath: sciezka,
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-quic',
            '--no-first-run',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
        ],
    });
}
