// Runs the program a page is for and gives the learner its controls: loads
// the runtime module every page shares with the program's own module, hands
// it the command line, and starts it afresh on Restart or a new command
// line. The window can be resized by its corner; the strip pauses, steps and
// counts; the program's source is highlighted with its idea marked. The URL
// may hold
//   ?args=...   the command line after the program's name, split at spaces
//   ?paused     no idle call before the first Step
//   ?steps=N    N idle calls, each with its display, then held
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
    const canvas = $('canvas'), client = $('client');
    const argsField = $('args'), pause = $('pause'), step = $('step'), restart = $('restart'), launch = $('start');
    argsField.value = query.get('args') || '';

    // The program now running: its module, and what the strip shows of it.
    let program = null;

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
                document.body.dataset.firstFrame ??= Math.round(performance.now());
                module.frames.push(performance.now());
            },
            onTitle: (title) => {
                $('title').textContent = title;
                document.title = title + ' (' + name + ')';
            },
            // The window at the size the toolkit made it, in the page's pixels.
            onSize: (width, height) => {
                const scale = window.devicePixelRatio || 1;
                client.style.width = width / scale + 'px';
                client.style.height = height / scale + 'px';
            },
            onRuntimeInitialized: () => {
                if (module.paused)
                    module._glut_web_hold(steps);
                module.running = true;
                say('Running.');
                showStrip();
            },
            // Every way the program ends comes here, its exit status with it.
            onExit: (code) => {
                module.ended = true;
                document.body.dataset.exitStatus = code;
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
        delete document.body.dataset.exitStatus;
        say('Loading ' + name + '...');
        program = window.Module = module;
        showStrip();
        GlutRuntime(module);
    }

    function stop() {
        if (program && program.running && !program.ended)
            program._glut_web_stop();
        if (program)
            program.ended = true;
    }

    // A program still loading cannot be stopped yet: Restart and Start
    // wait for it to run or end.
    function showStrip() {
        const live = program.running && !program.ended;
        const settled = program.running || program.ended;
        pause.textContent = program.paused ? 'Run' : 'Pause';
        pause.disabled = !live;
        step.disabled = !live || !program.paused;
        restart.disabled = launch.disabled = !settled;
    }

    // The counts of idle calls and display passes, and the frames shown in
    // the last second, at every animation frame while the program runs.
    function showCounts() {
        if (program && program.running && !program.ended) {
            const now = performance.now();
            program.frames = program.frames.filter((time) => now - time < 1000);
            $('counts').textContent = 'idle calls ' + program._glut_web_idle_calls() + ' · display passes ' +
                program._glut_web_display_passes() + ' · ' + program.frames.length + ' frames/s';
        }
        requestAnimationFrame(showCounts);
    }

    pause.addEventListener('click', () => {
        program.paused = !program.paused;
        program.paused ? program._glut_web_hold(0) : program._glut_web_run();
        showStrip();
    });
    step.addEventListener('click', () => program._glut_web_step());
    // A restart keeps the hold: a paused program starts afresh held.
    restart.addEventListener('click', () => {
        stop();
        start(program.paused, 0);
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
        start(program.paused, 0);
    });

    // Dragging the window's corner resizes the canvas: the program's reshape
    // runs with the new size in device pixels.
    new ResizeObserver(() => {
        if (!program || !program.running || program.ended)
            return;
        const scale = window.devicePixelRatio || 1;
        const width = Math.round(client.clientWidth * scale), height = Math.round(client.clientHeight * scale);
        if (width !== canvas.width || height !== canvas.height)
            program._glut_web_resize(width, height);
    }).observe(client);

    // The right button is a program's, not the browser's menu's.
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    const focusHint = () => {
        $('focus').textContent = document.activeElement === canvas
            ? 'The window has the keys; Tab moves on.'
            : 'To give the window the keys, click it or move to it with Tab.';
    };
    // The toolkit takes a press on the window and cancels what the browser
    // would do with it, the focus included; a press gives the window the
    // keys here, as a click on a desktop's window does.
    canvas.addEventListener('mousedown', () => canvas.focus({ preventScroll: true }));
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
