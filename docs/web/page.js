// Runs the program a page is for and gives the learner its controls: loads
// the runtime module every page shares with the program's own module, hands
// it the command line, and starts it afresh on Restart or a new command
// line. The window fits the page's width and can be resized by its corner;
// the strip pauses, steps and counts; the page's own buttons give the
// program's mouse buttons and keys to a touch screen; the program's source
// is highlighted with its idea marked. The URL may hold
//   ?args=...   the command line after the program's name, split at spaces
//   ?paused     no idle call before the first Step
//   ?steps=N    N idle calls, each with its display, then held
//   ?capture=N  the display pass after N idle calls captured, call by call,
//               and held there; &call=K chooses its call K
// Whatever the URL holds reaches the program as argument strings and the
// page as text, never as markup.
'use strict';
(function () {
    const name = document.body.dataset.program;
    const $ = (id) => document.getElementById(id);
    const say = (text) => { $('status').textContent = text; };

    highlightSource();
    if (location.protocol === 'file:') {
        say('This page must be served over HTTP: browsers do not load WebAssembly modules from files. ' +
            'Run ./demo.sh --web and open the address it prints.');
        return;
    }
    if (typeof WebAssembly !== 'object' || typeof GlutRuntime !== 'function') {
        say(typeof WebAssembly !== 'object' ? 'This browser cannot run WebAssembly, which the program needs.'
                                            : 'Could not load the GL runtime (runtime/glut_runtime.js).');
        return;
    }

    const query = new URLSearchParams(location.search);
    const held = query.has('paused') || query.has('steps');
    const steps = Math.max(0, parseInt(query.get('steps') || '0', 10) || 0);
    const number = (key) => Math.max(0, parseInt(query.get(key) || '0', 10) || 0);
    const captureAt = query.has('capture') ? number('capture') : -1;
    const callAsked = query.has('call') ? number('call') : 0;
    const canvas = $('canvas'), client = $('client'), stage = document.querySelector('.stage');
    const argsField = $('args'), pause = $('pause'), step = $('step'), restart = $('restart'), launch = $('start');
    const full = $('full');
    argsField.value = query.get('args') || '';

    // The canvas draws at most this many device pixels (the page's
    // data-budget), unless the reader asks for every one: softpipe's work
    // grows with them, and at a phone's ratio of 3 a window would cost nine
    // times its standard pixels. Half a million keeps every moving program
    // at 30 frames a second or more on a 2-core machine.
    const pixelBudget = Number(full.dataset.budget);

    // The page's state: the program now running (its Emscripten module),
    // the device pixels per page pixel the window is drawn at, and the
    // button a touch or pen gives.
    const state = { program: null, scale: 1, touchButton: 0, captured: false, callChosen: false };
    // For the benchmark (tools/web_bench.mjs): when the first frame was shown,
    // and the running program's module.
    window.glutPage = { firstFrame: null, get program() { return state.program; } };

    const live = () => state.program && state.program.running && !state.program.ended;

    // Device pixels per page pixel for a window of width by height page
    // pixels: the screen's own, within the budget (never below one).
    function pixelScale(width, height) {
        const ratio = window.devicePixelRatio || 1;
        if (full.checked)
            return ratio;
        return Math.min(ratio, Math.max(1, Math.sqrt(pixelBudget / (width * height))));
    }

    // The window a program asks for, in standard pixels, as the page shows
    // it: no wider than the page has room for, keeping its aspect, as a
    // desktop fits a window to its screen; in device pixels.
    function windowSize(width, height) {
        const room = Math.max(32, Math.floor(stage.clientWidth) - 2); // less the window's border
        if (width > room) {
            height = Math.max(1, Math.round(height * room / width));
            width = room;
        }
        state.scale = pixelScale(width, height);
        return [Math.max(1, Math.round(width * state.scale)), Math.max(1, Math.round(height * state.scale))];
    }

    // The window drawn again at the scale its size and the screen call for,
    // after the user resized it, the screen's ratio changed or the reader
    // chose every device pixel: the program's reshape runs with the new size.
    function rescale() {
        if (!live())
            return;
        const width = client.clientWidth, height = client.clientHeight;
        state.scale = pixelScale(width, height);
        const pixels = [Math.round(width * state.scale), Math.round(height * state.scale)];
        if (pixels[0] !== canvas.width || pixels[1] !== canvas.height)
            state.program._glut_web_resize(pixels[0], pixels[1]);
    }

    function start(paused, steps) {
        const lines = [];
        const args = argsField.value.split(/\s+/).filter((word) => word !== '');
        const module = {
            canvas,
            thisProgram: name,
            arguments: args,
            dynamicLibraries: [name + '.wasm'],
            // The runtime's own module lives in runtime/, the program's beside the page.
            locateFile: (file) => (file.startsWith('glut_runtime') ? 'runtime/' : '') + file,
            paused,
            running: false,
            ended: false,
            frames: [],
            print: (text) => console.log(text),
            printErr: (text) => {
                lines.push(text);
                $('messages').textContent = lines.join('\n');
            },
            onFrame: () => {
                window.glutPage.firstFrame ??= Math.round(performance.now());
                module.frames.push(performance.now());
            },
            onTitle: (title) => {
                $('title').textContent = title;
                document.title = title + ' (' + name + ')';
            },
            windowSize,
            // The window at the size the toolkit made it, in the page's pixels.
            onSize: (width, height) => {
                client.style.width = width / state.scale + 'px';
                client.style.height = height / state.scale + 'px';
            },
            onCapture: () => showCapture(module),
            onRuntimeInitialized: () => {
                if (module.paused)
                    module._glut_web_hold(steps);
                if (captureAt >= 0 && !state.captured) {
                    state.captured = true; // the address's capture, once
                    module._glut_web_capture(captureAt);
                }
                module._glut_web_touch_button(state.touchButton);
                module.running = true;
                say('Running.');
                showStrip();
            },
            // Every way the program ends comes here, its exit status with it.
            onExit: (code) => {
                module.ended = true;
                say(name + ' ended with status ' + code + '.');
                showStrip();
            },
            onAbort: (what) => {
                module.ended = true;
                say(name + ' could not run: ' + what);
                showStrip();
            },
        };
        $('messages').textContent = '';
        say('Loading ' + name + '...');
        state.program = module;
        showStrip();
        GlutRuntime(module);
    }

    function stop() {
        if (live())
            state.program._glut_web_stop();
        if (state.program)
            state.program.ended = true;
        forgetCapture();
    }

    // A program still loading cannot be stopped yet: Restart and Start
    // wait for it to run or end. Step is for a held program that has idle
    // calls to make.
    function showStrip() {
        const program = state.program;
        const settled = program.running || program.ended;
        pause.textContent = program.paused ? 'Run' : 'Pause';
        pause.disabled = !live();
        step.disabled = !live() || !program.paused || !program._glut_web_idling();
        restart.disabled = launch.disabled = !settled;
        $('capture').disabled = !live();
        for (const control of document.querySelectorAll('[data-key]'))
            control.disabled = !live();
    }

    // The counts of idle calls and display passes, and the frames shown in
    // the last second, at every animation frame while the program runs; the
    // screen's ratio followed.
    function showCounts() {
        followRatio();
        if (live()) {
            const program = state.program;
            const now = performance.now();
            program.frames = program.frames.filter((time) => now - time < 1000);
            showStrip();
            $('counts').textContent = 'idle calls ' + program._glut_web_idle_calls() + ' · display passes ' +
                program._glut_web_display_passes() + ' · ' + program.frames.length + ' frames/s';
        }
        requestAnimationFrame(showCounts);
    }

    pause.addEventListener('click', () => {
        const program = state.program;
        program.paused = !program.paused;
        program.paused ? program._glut_web_hold(0) : program._glut_web_run();
        showStrip();
    });
    step.addEventListener('click', () => state.program._glut_web_step());
    // A restart keeps the hold: a paused program starts afresh held.
    restart.addEventListener('click', () => {
        stop();
        start(state.program.paused, 0);
    });
    // A new command line starts the program afresh with it, and goes into
    // the URL, so that a link shows the same start.
    $('command').addEventListener('submit', (event) => {
        event.preventDefault();
        if (launch.disabled)
            return;
        const url = new URL(location.href);
        argsField.value.trim() === '' ? url.searchParams.delete('args')
                                      : url.searchParams.set('args', argsField.value.trim());
        history.replaceState(null, '', url);
        stop();
        start(state.program.paused, 0);
    });

    // A frame, call by call. Capture records the next display pass (the
    // address's ?capture=N the one after N idle calls) and holds the
    // program there; each row of the list is a call, and choosing one draws
    // the window as it stood right after it, shows GL's state then (what
    // that call changed marked) and marks the line of the source that made
    // it. The address keeps the call chosen, so that a link shows it.
    const list = $('calls'), source = document.querySelector('pre.source');
    const sourcePath = document.querySelector('body > h2').textContent.replace('The source: ', '');
    const drawCalls = new Set(['glClear', 'glEnd', 'glDrawArrays', 'glDrawElements']);
    let capture = null; // { module, calls, chosen, states: GL's state after each call drawn so far }

    function showCapture(module) {
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
        // The address's call, for the address's capture; else the last.
        choose(callAsked >= 1 && callAsked <= calls.length && !state.callChosen ? callAsked : calls.length);
        state.callChosen = true;
    }

    function forgetCapture() {
        capture = null;
        $('capture-view').hidden = true;
        document.body.classList.remove('capturing');
        for (const marked of document.querySelectorAll('.line.called'))
            marked.classList.remove('called');
    }

    // GL's state after call k, drawn again to read it; the window then
    // shows the picture after it.
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
        const module = capture.module;
        // The program holds while its captured frame is read.
        if (!module.paused) {
            module.paused = true;
            module._glut_web_hold(0);
            showStrip();
        }
        const before = k > 1 ? stateAfter(k - 1) : null;
        capture.states.delete(k); // drawn again last, so that the window shows it
        const after = stateAfter(k);
        capture.chosen = k;
        [...list.children].forEach((row, i) => row.setAttribute('aria-selected', String(i + 1 === k)));
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
        for (const key of Object.keys(after).filter((key) => key !== 'modelview' && key !== 'projection')) {
            const tr = rows.insertRow();
            tr.className = changed(key) ? 'changed' : '';
            tr.insertCell().textContent = key;
            tr.insertCell().textContent = JSON.stringify(after[key]);
        }
        view.append(rows);
    }

    $('capture').addEventListener('click', () => live() && state.program._glut_web_capture(-1));
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

    // The program's input from the page's own buttons, for a screen with no
    // mouse buttons or keyboard to give it: which button a touch or pen
    // presses, and each key the program takes, given to the window as the
    // keyboard gives it.
    for (const choice of document.querySelectorAll('[data-button]')) {
        choice.addEventListener('click', () => {
            state.touchButton = Number(choice.dataset.button);
            for (const other of document.querySelectorAll('[data-button]'))
                other.setAttribute('aria-pressed', String(other === choice));
            if (live())
                state.program._glut_web_touch_button(state.touchButton);
        });
    }
    for (const key of document.querySelectorAll('[data-key]')) {
        key.addEventListener('click', () => {
            if (live())
                canvas.dispatchEvent(new KeyboardEvent('keydown', { key: key.dataset.key, bubbles: true, cancelable: true }));
        });
    }

    // Dragging the window's corner resizes the canvas; a change of the
    // screen's ratio (a zoom, another screen: followRatio) or of the choice
    // of every device pixel draws it again at the new scale.
    new ResizeObserver(rescale).observe(client);
    full.addEventListener('change', rescale);
    // The choice matters only where a page pixel has more than one device
    // pixel. The screen's ratio is looked at every animation frame: not every
    // browser tells a change of it to a media query on the resolution.
    let ratio = null;
    function followRatio() {
        if (window.devicePixelRatio !== ratio) {
            ratio = window.devicePixelRatio;
            $('full-choice').hidden = (ratio || 1) <= 1;
            rescale();
        }
    }

    const focusHint = () => {
        $('focus').textContent = document.activeElement === canvas
            ? 'The window has the keys; Tab moves on.'
            : 'To give the window the keys, click it or move to it with Tab.';
    };
    canvas.addEventListener('focus', focusHint);
    canvas.addEventListener('blur', focusHint);
    focusHint();

    start(held, steps);
    requestAnimationFrame(showCounts);

    // The source, highlighted as a whole and then cut back into its lines,
    // each keeping its mark; the text stays the file's.
    function highlightSource() {
        const code = $('source');
        if (typeof hljs !== 'object' || !code)
            return;
        const marked = [...code.children].map((line) => line.classList.contains('idea'));
        const html = hljs.highlight(code.textContent, { language: 'cpp', ignoreIllegals: true }).value;
        let open = [];
        const lines = html.split('\n').map((line) => {
            const text = open.join('') + line;
            for (const tag of line.match(/<span[^>]*>|<\/span>/g) || [])
                tag === '</span>' ? open.pop() : open.push(tag);
            return text + '</span>'.repeat(open.length);
        });
        code.innerHTML = lines.map((line, i) => i < marked.length
            ? '<span class="line' + (marked[i] ? ' idea' : '') + '">' + line + '</span>' : line).join('\n');
        code.classList.add('hljs');
    }
})();
