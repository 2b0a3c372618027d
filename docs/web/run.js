// The running program and its window: owns the strip (Pause or Run, Step,
// Restart, the counts, "every device pixel"), the command line, the status
// line and the window's size on the page. Each start is a fresh instance of
// the runtime module (GlutRuntime, which runtime/glut_runtime.js defines)
// with the program's own module. The other parts of the page hear of the
// program through `events`: 'running' once it runs, 'capture' when a pass
// has been captured, 'stopped' when it is stopped for a fresh start.
const $ = (id) => document.getElementById(id);
const name = document.body.dataset.program;
const canvas = $('canvas'), client = $('client'), stage = document.querySelector('.stage');
const argsField = $('args'), pause = $('pause'), step = $('step'), restart = $('restart'), launch = $('start');
const full = $('full');

export const events = new EventTarget();
const tell = (what, program) => events.dispatchEvent(new CustomEvent(what, { detail: program }));

export const say = (text) => { $('status').textContent = text; };

// The canvas draws at most this many device pixels (the page's
// data-budget), unless the reader asks for every one: softpipe's work
// grows with them, and at a phone's ratio of 3 a window would cost nine
// times its standard pixels. Half a million keeps every moving program at
// 30 frames a second or more on a 2-core machine.
const pixelBudget = Number(full.dataset.budget);

// The program now running (its Emscripten module) and the device pixels
// per page pixel its window is drawn at.
let program = null;
let scale = 1;
export const current = () => program;
export const live = () => program !== null && program.running && !program.ended;
// For the benchmark (tools/web_bench.mjs): when the first frame was shown,
// and the running program's module.
window.glutPage = { firstFrame: null, get program() { return program; } };

// Device pixels per page pixel for a window of width by height page
// pixels: the screen's own, within the budget (never below one).
function pixelScale(width, height) {
    const ratio = window.devicePixelRatio || 1;
    if (full.checked)
        return ratio;
    return Math.min(ratio, Math.max(1, Math.sqrt(pixelBudget / (width * height))));
}

// The window a program asks for, in standard pixels, as the page shows it:
// no wider than the page has room for, keeping its aspect, as a desktop
// fits a window to its screen; in device pixels.
function windowSize(width, height) {
    const room = Math.max(32, Math.floor(stage.clientWidth) - 2); // less the window's border
    if (width > room) {
        height = Math.max(1, Math.round(height * room / width));
        width = room;
    }
    scale = pixelScale(width, height);
    return [Math.max(1, Math.round(width * scale)), Math.max(1, Math.round(height * scale))];
}

// The window drawn again at the scale its size and the screen call for,
// after the user resized it, the screen's ratio changed or the reader chose
// every device pixel: the program's reshape runs with the new size.
function rescale() {
    if (!live())
        return;
    const width = client.clientWidth, height = client.clientHeight;
    scale = pixelScale(width, height);
    const pixels = [Math.round(width * scale), Math.round(height * scale)];
    if (pixels[0] !== canvas.width || pixels[1] !== canvas.height)
        program._glut_web_resize(pixels[0], pixels[1]);
}

// Starts the program afresh with the command line in the field, held
// before its first idle call (with `steps` let through) when `paused`.
export function start(paused, steps) {
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
            client.classList.add('drawn');
        },
        onTitle: (title) => {
            $('title').textContent = title;
            document.title = title + ' (' + name + ')';
        },
        windowSize,
        // The window at the size the toolkit made it, in the page's pixels.
        onSize: (width, height) => {
            client.style.width = width / scale + 'px';
            client.style.height = height / scale + 'px';
        },
        onCapture: () => tell('capture', module),
        onRuntimeInitialized: () => {
            if (module.paused)
                module._glut_web_hold(steps);
            module.running = true;
            tell('running', module);
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
    program = module;
    showStrip();
    GlutRuntime(module);
}

function stop() {
    if (live())
        program._glut_web_stop();
    if (program)
        program.ended = true;
    tell('stopped', program);
}

// Holds the running program's idle calls, as Pause does.
export function hold() {
    if (live() && !program.paused) {
        program.paused = true;
        program._glut_web_hold(0);
        showStrip();
    }
}

// A program still loading cannot be stopped yet: Restart and Start wait for
// it to run or end. Step is for a held program that has idle calls to make.
export function showStrip() {
    const settled = program.running || program.ended;
    pause.textContent = program.paused ? 'Run' : 'Pause';
    pause.disabled = !live();
    step.disabled = !live() || !program.paused || !program._glut_web_idling();
    restart.disabled = launch.disabled = !settled;
    $('capture').disabled = !live();
    for (const control of document.querySelectorAll('[data-key]'))
        control.disabled = !live();
}

// The counts of idle calls and display passes, and the frames shown in the
// last second, at every animation frame while the program runs; the
// screen's ratio followed.
function showCounts() {
    followRatio();
    if (live()) {
        const now = performance.now();
        program.frames = program.frames.filter((time) => now - time < 1000);
        showStrip();
        $('counts').textContent = 'idle calls ' + program._glut_web_idle_calls() + ' · display passes ' +
            program._glut_web_display_passes() + ' · ' + program.frames.length + ' frames/s';
    }
    requestAnimationFrame(showCounts);
}

// The choice of every device pixel matters only where a page pixel has
// more than one. The screen's ratio is looked at every animation frame: not
// every browser tells a change of it to a media query on the resolution.
let ratio = null;
function followRatio() {
    if (window.devicePixelRatio !== ratio) {
        ratio = window.devicePixelRatio;
        $('full-choice').hidden = (ratio || 1) <= 1;
        rescale();
    }
}

// The strip's and the command line's controls, and the window's size
// followed: dragging its corner, a change of the screen's ratio or of the
// choice of every device pixel draws it again at the new scale. The
// address's command line is the field's to begin with.
export function listen(query) {
    argsField.value = query.get('args') || '';
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
    // the address, so that a link shows the same start.
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
    new ResizeObserver(rescale).observe(client);
    full.addEventListener('change', rescale);
    requestAnimationFrame(showCounts);
}
