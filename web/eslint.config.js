// Lint for the browser version's JavaScript: the recommended rules, a few
// more that catch real faults, and no warning left standing.
import js from '@eslint/js';
import globals from 'globals';

export default [
    { ignores: ['node_modules/'] },
    js.configs.recommended,
    {
        files: ['**/*.mjs', '**/*.js'],
        languageOptions: {
            ecmaVersion: 2024,
            sourceType: 'module',
            globals: { ...globals.node },
        },
        linterOptions: { reportUnusedDisableDirectives: 'error' },
        rules: {
            eqeqeq: 'error',
            'no-var': 'error',
            'prefer-const': 'error',
            'no-shadow': 'error',
            'no-implicit-coercion': 'error',
            'no-unused-vars': ['error', { argsIgnorePattern: '^_' }],
        },
    },
    {
        // The page, and what the benchmark and the browser test run in it.
        files: ['strona.mjs', 'pomiar.mjs', 'testy/przegladarka.test.mjs'],
        languageOptions: { globals: { ...globals.browser } },
    },
];
