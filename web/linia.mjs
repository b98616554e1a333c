// A console's line mode, as a terminal driver keeps it: what is typed is
// echoed and collected into a line; Backspace takes back the last character;
// Enter sends the line with its line end; Ctrl-D sends what has been typed
// without a line end or, on an empty line, ends the input.

const ENTER = new Set(['\r', '\n']);
const BACKSPACE = new Set(['\x7f', '\b']);
const CTRL_D = '\x04';

export class TrybLiniowy {
    #linia = [];
    #echo;
    #wyslij;
    #zakoncz;

    // echo(tekst) writes to the screen, wyslij(tekst) hands text to the
    // program's input, zakoncz() ends that input.
    constructor({ echo, wyslij, zakoncz }) {
        this.#echo = echo;
        this.#wyslij = wyslij;
        this.#zakoncz = zakoncz;
    }

    // Takes what the terminal reports as typed: one key, an escape sequence
    // of a special key, or pasted text.
    wpisz(dane) {
        if (dane.startsWith('\x1b')) {
            return; // arrows, function keys: a line-mode console ignores them
        }
        for (const znak of dane) {
            if (ENTER.has(znak)) {
                this.#echo('\r\n');
                this.#wyslij(`${this.#linia.join('')}\n`);
                this.#linia = [];
            } else if (BACKSPACE.has(znak)) {
                if (this.#linia.length > 0) {
                    this.#linia.pop();
                    this.#echo('\b \b');
                }
            } else if (znak === CTRL_D) {
                if (this.#linia.length === 0) {
                    this.#zakoncz();
                } else {
                    this.#wyslij(this.#linia.join(''));
                    this.#linia = [];
                }
            } else if (znak >= ' ') {
                this.#linia.push(znak);
                this.#echo(znak);
            }
        }
    }

    // Forgets a line begun but not sent, as a new program start does.
    wyczysc() {
        this.#linia = [];
    }
}
