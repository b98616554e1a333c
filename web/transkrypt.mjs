// What the page's console works out from text alone, apart from the page so
// that it can be tested without a browser.

// The last line that holds more than white space, without its trailing
// spaces: the prompt the program waits at, or its last message. '' if none.
export function ostatniaLinia(tekst) {
    const linie = tekst.split('\n');
    for (let i = linie.length - 1; i >= 0; i--) {
        const linia = linie[i].trimEnd();
        if (linia.trim() !== '') {
            return linia;
        }
    }
    return '';
}

// Text pasted into the field over its selection [poczatek, koniec): a text
// field keeps one line, so every line the result completes is sent, as a
// console sends what is pasted into it, and only the rest stays typed.
// Returns { linie, reszta }: the lines to send (without line ends) and what
// stays in the field.
export function wklej(wartosc, poczatek, koniec, wklejony) {
    const razem = wartosc.slice(0, poczatek) + wklejony + wartosc.slice(koniec);
    const linie = razem.split(/\r\n|\r|\n/);
    const reszta = linie.pop();
    return { linie, reszta };
}
