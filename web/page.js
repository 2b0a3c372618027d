// Runs the program a page is for: loads the runtime module every page shares
// and the program's own module, hands the command line to it, and says in
// words when it cannot run or has ended. The URL may hold
//   ?args=...   the command line after the program's name, split at spaces
//   ?paused     no idle call before the first Step
//   ?steps=N    N idle calls, each with its display, then held
'use strict';
(function () {
    const name = document.body.dataset.program;
    const status = document.getElementById('status');
    const messages = document.getElementById('messages');
    const say = (text) => { status.textContent = text; };

    if (location.protocol === 'file:') {
        say('This page must be served over HTTP: browsers do not load WebAssembly modules from files. ' +
            'Run ./demo.sh --web and open the address it prints.');
        return;
    }
    if (typeof WebAssembly !== 'object') {
        say('This browser cannot run WebAssembly, which the program needs.');
        return;
    }

    const query = new URLSearchParams(location.search);
    const args = (query.get('args') || '').split(/\s+/).filter((word) => word !== '');
    const held = query.has('paused') || query.has('steps');
    const steps = Math.max(0, parseInt(query.get('steps') || '0', 10) || 0);
    const lines = [];
    const printErr = (text) => {
        lines.push(text);
        messages.textContent = lines.join('\n');
    };

    // The controls the page gives the toolkit's loop.
    function controls(module) {
        const strip = document.createElement('p');
        const pause = document.createElement('button');
        const step = document.createElement('button');
        step.textContent = 'Step';
        const show = () => { pause.textContent = module.paused ? 'Run' : 'Pause'; step.disabled = !module.paused; };
        pause.addEventListener('click', () => {
            module.paused = !module.paused;
            module.paused ? module._glut_web_hold(0) : module._glut_web_run();
            show();
        });
        step.addEventListener('click', () => module._glut_web_step());
        show();
        strip.append(pause, ' ', step);
        status.before(strip);
    }

    window.Module = {
        canvas: document.getElementById('canvas'),
        thisProgram: name,
        arguments: args,
        dynamicLibraries: [name + '.wasm'],
        paused: held,
        print: (text) => console.log(text),
        printErr,
        onFrame: () => {
            document.body.dataset.firstFrame ??= Math.round(performance.now());
        },
        onTitle: (title) => {
            document.getElementById('title').textContent = title;
            document.title = title + ' (' + name + ')';
        },
        onRuntimeInitialized: () => {
            if (held)
                Module._glut_web_hold(steps);
            controls(Module);
            say('Running. Click the picture to give it the keys.');
        },
        // Every way the program ends comes here, its exit status with it.
        onExit: (code) => {
            document.body.dataset.exitStatus = code;
            say(name + ' ended with status ' + code + '.');
        },
        onAbort: (what) => say(name + ' could not run: ' + what),
    };
    // The right button is a program's, not the browser's menu's.
    Module.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    say('Loading ' + name + '...');
    const runtime = document.createElement('script');
    runtime.src = 'glut_runtime.js';
    runtime.onerror = () => say('Could not load the GL runtime (glut_runtime.js).');
    document.body.append(runtime);
})();
