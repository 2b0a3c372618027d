// A frame, call by call: owns the capture view (the list of the captured
// pass's calls, GL's state after the chosen one, the download) and the mark
// on the source line that made the chosen call. Capture records the next
// display pass (the address's ?capture=N the one after N idle calls, and
// &call=K its call K) and the program holds there; choosing a call draws the
// window as it stood right after it, from the memory kept before the pass
// (the runtime's showCall), and shows GL's state then, what that call
// changed marked. The address keeps the call chosen, so a link shows it.
import { current, events, hold, live, say, showStrip } from './run.js';

const $ = (id) => document.getElementById(id);
const name = document.body.dataset.program;
const list = $('calls'), source = document.querySelector('pre.source');
const sourcePath = source.dataset.path;
const drawCalls = new Set(['glClear', 'glEnd', 'glDrawArrays', 'glDrawElements']);
let capture = null; // { module, calls, chosen, states: GL's state after each call drawn so far }

function show(module, callAsked) {
    const at = module._glut_web_captured();
    let end = at;
    while (module.HEAPU8[end])
        ++end;
    const text = new TextDecoder().decode(module.HEAPU8.subarray(at, end));
    const calls = text.split('\n').filter((line) => line !== '').map((line) => {
        const found = /^( *)(\w+)\((.*)\)(?:  (\S+):(\d+))?$/.exec(line);
        return { depth: found[1].length / 2, name: found[2], text: `${found[2]}(${found[3]})`,
                 file: found[4] || '', line: Number(found[5] || 0) };
    });
    capture = { module, calls, chosen: 0, states: new Map() };
    module.paused = true;
    showStrip();
    say('Held at the captured frame: Run or Step goes on from it.');
    list.replaceChildren(...calls.map((call, i) => {
        const row = document.createElement('li');
        row.id = `call-${i + 1}`;
        row.setAttribute('role', 'option');
        row.textContent = '  '.repeat(call.depth) + call.text;
        const place = document.createElement('span');
        place.className = 'place';
        place.textContent = call.file ? `${call.file}:${call.line}` : '';
        row.append(place);
        row.addEventListener('click', () => choose(i + 1));
        return row;
    }));
    const download = $('download');
    if (download.href)
        URL.revokeObjectURL(download.href);
    download.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    download.download = name + '-capture.txt';
    $('capture-view').hidden = false;
    document.body.classList.add('capturing');
    choose(callAsked >= 1 && callAsked <= calls.length ? callAsked : calls.length);
}

function forget() {
    capture = null;
    $('capture-view').hidden = true;
    document.body.classList.remove('capturing');
    for (const marked of document.querySelectorAll('.line.called'))
        marked.classList.remove('called');
}

// GL's state after call k, drawn again to read it; the window then shows
// the picture after it.
function stateAfter(k) {
    if (!capture.states.has(k))
        capture.states.set(k, capture.module.showCall(k));
    return capture.states.get(k);
}

// Scrolls a box, not the page, so that an element in it is in view.
function scrollWithin(box, element) {
    const [outer, inner] = [box.getBoundingClientRect(), element.getBoundingClientRect()];
    if (inner.top < outer.top || inner.bottom > outer.bottom)
        box.scrollTop += inner.top - outer.top - (box.clientHeight - inner.height) / 2;
}

function choose(k) {
    if (!capture || capture.module.ended || k < 1 || k > capture.calls.length)
        return;
    hold(); // the program holds while its captured frame is read
    const before = k > 1 ? stateAfter(k - 1) : null;
    capture.states.delete(k); // drawn again last, so that the window shows it
    const after = stateAfter(k);
    capture.chosen = k;
    [...list.children].forEach((row, i) => row.setAttribute('aria-selected', String(i + 1 === k)));
    list.setAttribute('aria-activedescendant', `call-${k}`);
    scrollWithin(list, list.children[k - 1]);
    showState(after, before);
    const call = capture.calls[k - 1];
    for (const marked of document.querySelectorAll('.line.called'))
        marked.classList.remove('called');
    const line = call.file === sourcePath && $('source').querySelectorAll('.line')[call.line - 1];
    if (line) {
        line.classList.add('called');
        scrollWithin(source, line);
    }
    const url = new URL(location.href);
    url.searchParams.set('call', String(k));
    history.replaceState(null, '', url);
}

// GL's state after the chosen call, what it changed marked.
function showState(after, before) {
    const view = $('state');
    view.replaceChildren();
    const changed = (key) => before && JSON.stringify(before[key]) !== JSON.stringify(after[key]);
    for (const [label, key] of [['Modelview', 'modelview'], ['Projection', 'projection']]) {
        const table = document.createElement('table');
        table.className = changed(key) ? 'changed' : '';
        table.createCaption().textContent = label;
        for (let row = 0; row < 4; ++row) {
            const tr = table.insertRow();
            for (let column = 0; column < 4; ++column)
                tr.insertCell().textContent = String(after[key][column * 4 + row]);
        }
        view.append(table);
    }
    const rows = document.createElement('table');
    rows.createCaption().textContent = 'State';
    for (const key of Object.keys(after).filter((key) => key !== 'modelview' && key !== 'projection')) {
        const tr = rows.insertRow();
        tr.className = changed(key) ? 'changed' : '';
        tr.insertCell().textContent = key;
        tr.insertCell().textContent = JSON.stringify(after[key]);
    }
    view.append(rows);
}

// The address's capture is asked of the first start only, and its call
// chosen once; Capture asks for the next pass of the program running.
export function listen(query) {
    const number = (key) => Math.max(0, parseInt(query.get(key) || '0', 10) || 0);
    let captureAt = query.has('capture') ? number('capture') : -1;
    let callAsked = query.has('call') ? number('call') : 0;
    events.addEventListener('running', (event) => {
        if (captureAt >= 0)
            event.detail._glut_web_capture(captureAt);
        captureAt = -1;
    });
    events.addEventListener('capture', (event) => {
        show(event.detail, callAsked);
        callAsked = 0;
    });
    events.addEventListener('stopped', forget);
    $('capture').addEventListener('click', () => live() && current()._glut_web_capture(-1));
    list.addEventListener('keydown', (event) => {
        if (!capture)
            return;
        let k = capture.chosen;
        if (event.key === 'ArrowDown')
            k += 1;
        else if (event.key === 'ArrowUp')
            k -= 1;
        else if (event.key === 'd')
            k = capture.calls.findIndex((call, i) => i >= capture.chosen && drawCalls.has(call.name)) + 1;
        else
            return;
        event.preventDefault();
        choose(k);
    });
}
