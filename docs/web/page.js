// The page of one program, the module the page loads: highlights the
// program's source, then starts the program with the parts of the page
// that drive it, each a module of its own:
//   run.js           the running program, its strip, command line and window
//   input.js         the page's buttons for the mouse's buttons and the keys
//   capture_view.js  a frame, call by call
// The address may hold
//   ?args=...   the command line after the program's name, split at spaces
//   ?paused     no idle call before the first Step
//   ?steps=N    N idle calls, each with its display, then held
//   ?capture=N  the display pass after N idle calls captured, call by call,
//               and held there; &call=K chooses its call K
// Whatever the address holds reaches the program as argument strings and
// the page as text, never as markup.
import * as captureView from './capture_view.js';
import * as input from './input.js';
import * as run from './run.js';
import { highlightSource } from './source.js';

highlightSource();
if (location.protocol === 'file:') {
    run.say('This page must be served over HTTP: browsers do not load WebAssembly modules from files. ' +
            'Run ./demo.sh --web and open the address it prints.');
} else if (typeof WebAssembly !== 'object' || typeof GlutRuntime !== 'function') {
    run.say(typeof WebAssembly !== 'object' ? 'This browser cannot run WebAssembly, which the program needs.'
                                            : 'Could not load the GL runtime (runtime/glut_runtime.js).');
} else {
    const query = new URLSearchParams(location.search);
    run.listen(query);
    input.listen();
    captureView.listen(query);
    run.start(query.has('paused') || query.has('steps'), Math.max(0, parseInt(query.get('steps') || '0', 10) || 0));
}
