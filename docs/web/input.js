// The program's input from the page itself, for a screen with no mouse
// buttons or keyboard to give it: owns the choice of which button a touch or
// pen presses, the button for each key the program takes (which gives the
// window that key as the keyboard does), and the line that says whether the
// window has the keys. The pointer and the keyboard on the window are the
// toolkit's own (runtime/).
import { current, events, live } from './run.js';

const canvas = document.getElementById('canvas');
let touchButton = 0; // the toolkit's button: 0 left, 1 middle, 2 right

export function listen() {
    for (const choice of document.querySelectorAll('[data-button]')) {
        choice.addEventListener('click', () => {
            touchButton = Number(choice.dataset.button);
            for (const other of document.querySelectorAll('[data-button]'))
                other.setAttribute('aria-pressed', String(other === choice));
            if (live())
                current()._glut_web_touch_button(touchButton);
        });
    }
    // Each fresh start of the program is told the button chosen.
    events.addEventListener('running', (event) => event.detail._glut_web_touch_button(touchButton));
    for (const key of document.querySelectorAll('[data-key]')) {
        key.addEventListener('click', () => {
            if (live())
                canvas.dispatchEvent(new KeyboardEvent('keydown', { key: key.dataset.key, bubbles: true, cancelable: true }));
        });
    }
    const focusHint = () => {
        document.getElementById('focus').textContent = document.activeElement === canvas
            ? 'The window has the keys; Tab moves on.'
            : 'To give the window the keys, click it or move to it with Tab.';
    };
    canvas.addEventListener('focus', focusHint);
    canvas.addEventListener('blur', focusHint);
    focusHint();
}
