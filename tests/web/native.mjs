// The desktop's side of the pages' tests: the frame the native program
// draws for the same input, by its recorder with Mesa's softpipe on a
// private X server, and the comparison of a page's picture with it.
// DEMO_RECORDERS names the recorders' folder; DEMO_PIXEL_TOLERANCE is the
// suite's tolerance of a channel, as the C++ tests have it.
import assert from 'node:assert/strict';
import { execFile, execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { PNG } from 'pngjs';

const recorders = process.env.DEMO_RECORDERS;
const tolerance = Number(process.env.DEMO_PIXEL_TOLERANCE);
if (!recorders || !(tolerance >= 0))
    throw new Error('DEMO_RECORDERS and DEMO_PIXEL_TOLERANCE are unset: ctest sets them (ctest -L web)');

// Each frame once per run, kept by what makes it.
const natives = new Map();
let work;

// The native frame of the program after the input (the catalogue's
// notation, lines separated by ";") and `count` idle calls, with toolkit
// options, at a size; with the GL's version, to tell whether the page's Mesa
// is the same, and the input's cues, as the recorder read them. A promise,
// so that the recorder draws while the browser opens the page.
export function native(program, input, count, options = [], size = null) {
    const id = `${program} ${input} ${count} ${options.join(' ')} ${size}`;
    if (!natives.has(id)) {
        work ??= mkdtempSync(path.join(tmpdir(), 'glut-demos-web-'));
        const file = path.join(work, `${natives.size}.png`);
        const args = ['--frame', file, '--steps', String(count)];
        if (size)
            args.push('--size', size.join('x'));
        if (input)
            args.push('--input', input);
        args.push('--', ...options);
        natives.set(id, new Promise((resolve, reject) => {
            execFile(path.join(recorders, `${program}_record`), args,
                { encoding: 'utf8', env: { ...process.env, GALLIUM_DRIVER: 'softpipe' } }, (error, out, messages) => {
                    if (error)
                        return reject(new Error(`${program}_record ${args.join(' ')}: ${messages || error.message}`));
                    const { version, cues } = JSON.parse(out);
                    const png = PNG.sync.read(readFileSync(file));
                    resolve({ version, cues, width: png.width, height: png.height, data: png.data });
                });
        }));
    }
    return natives.get(id);
}

export function removeNatives() {
    if (work)
        rmSync(work, { recursive: true, force: true });
}

// Equal to the byte where the desktop's Mesa is the page's own series
// (22.3); against another Mesa, at most 0.5% of the pixels off by more than
// the tolerance in a channel.
export function assertSamePicture(seen, expected, what) {
    assert.deepEqual([seen.width, seen.height], [expected.width, expected.height], `${what}: size`);
    let off = 0, first = null;
    for (let i = 0; i < seen.data.length; i += 4) {
        const differs = [0, 1, 2].some((c) => Math.abs(seen.data[i + c] - expected.data[i + c]) > 0);
        const far = [0, 1, 2].some((c) => Math.abs(seen.data[i + c] - expected.data[i + c]) > tolerance);
        if (differs && first === null) {
            const p = i / 4;
            first = `at (${p % seen.width}, ${Math.floor(p / seen.width)}) the page shows ` +
                `${[...seen.data.slice(i, i + 3)]}, the desktop ${[...expected.data.slice(i, i + 3)]}`;
        }
        if (expected.version.includes('Mesa 22.3') ? differs : far)
            ++off;
    }
    const pixels = seen.width * seen.height;
    if (expected.version.includes('Mesa 22.3'))
        assert.equal(off, 0, `${what}: ${off} of ${pixels} pixels differ from the desktop's softpipe; first ${first}`);
    else
        assert.ok(off <= pixels * 0.005, `${what}: ${off} of ${pixels} pixels differ by more than ${tolerance} ` +
            `from the desktop's softpipe (${expected.version}, not the page's Mesa 22.3); first ${first}`);
}

// The native program's display pass after `count` idle calls, traced by
// apitrace from its recorder: the trace's file, once per run.
const traces = new Map();
function traceOf(program, count) {
    const id = `${program}-${count}`;
    if (!traces.has(id)) {
        work ??= mkdtempSync(path.join(tmpdir(), 'glut-demos-web-'));
        const trace = path.join(work, `${id}.trace`);
        execFileSync('apitrace', ['trace', '--output', trace, path.join(recorders, `${program}_record`),
            '--frame', path.join(work, 'traced.png'), '--steps', String(count)],
            { env: { ...process.env, GALLIUM_DRIVER: 'softpipe' }, stdio: 'ignore' });
        traces.set(id, trace);
    }
    return traces.get(id);
}

// The calls of that pass: one { no, name, args } a call, `no` the trace's
// number of the call, the arguments as apitrace writes them without their
// names. The pass is the last before the recorder reads the frame back; the
// window system's calls, the toolkit's flush before its swap and the
// recorder's own finish and read-back are left out.
export function nativeCalls(program, count) {
    // apitrace keeps no array pointer into the program's memory where it is
    // set: it writes one, with the data as a blob, before each draw that
    // reads it, marked fake (-v). Those are left out, so the capture's
    // pointer calls have nothing to meet here: a comparison leaves them out.
    const lines = execFileSync('apitrace', ['dump', '--color=never', '-v', traceOf(program, count)],
        { encoding: 'utf8', maxBuffer: 1 << 28 })
        .split('\n').filter((line) => !line.endsWith(' // fake'))
        .map((line) => /^(\d+) (\w+)\((.*)\)/.exec(line)).filter(Boolean)
        .map(([, no, name, args]) => ({ no: Number(no), name, args: args.replace(/\b\w+ = /g, '') }));
    const read = lines.findLastIndex((call) => call.name === 'glReadPixels');
    const end = lines.slice(0, read).findLastIndex((call) => call.name === 'glFinish');
    const start = lines.slice(0, end).findLastIndex((call) => call.name === 'glFinish') + 1;
    const pass = lines.slice(start, end).filter((call) => !call.name.startsWith('glX') && call.name !== 'glGetError');
    // The toolkit's flush before its swap.
    const swap = lines.slice(start, end).findLastIndex((call) => call.name === 'glXSwapBuffers');
    if (swap >= 0 && pass.at(-1)?.name === 'glFlush')
        pass.pop();
    return pass;
}

// apitrace's replay of that trace with the desktop's softpipe, on a private
// X server, into a buffer of its own (softpipe, reading a window's front
// buffer for a single-buffered program, crashes in Xlib): the picture right after each of the calls numbered `nos` (the
// buffer the program draws into), and the modelview matrix right after the
// call numbered `stateAt`, from GL's own state.
export function nativeReplay(program, count, nos, stateAt) {
    const trace = traceOf(program, count);
    const prefix = path.join(work, `${program}-${count}-`);
    const replay = (args) => execFileSync('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24', 'glretrace', '--headless', ...args, trace],
        { encoding: 'utf8', maxBuffer: 1 << 28, env: { ...process.env, GALLIUM_DRIVER: 'softpipe' },
          stdio: ['ignore', 'pipe', 'ignore'] });
    replay(['--call-nos', '-S', nos.join(','), '-s', prefix]);
    const pictures = nos.map((no) => {
        const png = PNG.sync.read(readFileSync(`${prefix}${String(no).padStart(10, '0')}.png`));
        return { width: png.width, height: png.height, data: png.data };
    });
    // The state's JSON carries images whose text runs over lines, which
    // JSON does not allow; the matrix is one line of it.
    const matrix = /"GL_MODELVIEW_MATRIX": (\[[^\]]*\])/.exec(replay(['-D', String(stateAt)]));
    return { pictures, modelview: JSON.parse(matrix[1]) };
}
