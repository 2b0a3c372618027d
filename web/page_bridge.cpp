// The page's side of the toolkit, in the page's script: each function here
// is a call into JavaScript, where `Module` is the page's settings for the
// running program (page.js) and its canvas.
#include "page_bridge.h"

#include <emscripten.h>

// The page fits the window to its room and chooses its device pixels
// (page.js's windowSize).
EM_JS(void, js_window_size, (int* width, int* height), {
    var shown = Module.windowSize(HEAP32[width >> 2], HEAP32[height >> 2]);
    HEAP32[width >> 2] = shown[0];
    HEAP32[height >> 2] = shown[1];
});
EM_JS(void, js_set_size, (int width, int height), {
    Module.canvas.width = width;
    Module.canvas.height = height;
    if (Module.onSize)
        Module.onSize(width, height);
});
EM_JS(void, js_set_title, (const char* title), {
    if (Module.onTitle)
        Module.onTitle(UTF8ToString(title));
});
// Through an image kept from frame to frame; GL's alpha is not the
// window's, which is opaque as on the desktop.
EM_JS(void, js_show, (const unsigned char* pixels, int width, int height), {
    var image = Module.shownImage;
    if (!image || image.width != width || image.height != height)
        image = Module.shownImage = new ImageData(width, height);
    image.data.set(HEAPU8.subarray(pixels, pixels + width * height * 4));
    var words = new Uint32Array(image.data.buffer);
    for (var i = 0; i < words.length; ++i)
        words[i] |= 0xff000000;
    Module.canvas.getContext('2d').putImageData(image, 0, 0);
    if (Module.onFrame)
        Module.onFrame();
});
EM_JS(int, js_screen_width, (), { return screen.width; });
EM_JS(int, js_screen_height, (), { return screen.height; });
// Pointer events serve mouse, touch and pen alike. The pointer that
// presses on the canvas is captured, so its motion and release come to the
// canvas wherever they happen; a second finger is not a second pointer to
// the program. Cancelling the press keeps the browser from making mouse
// events of a touch, selecting text or starting a drag; the focus, which
// the press would have moved, moves to the canvas.
EM_JS(void, js_listen_to_pointer, (), {
    var canvas = Module.canvas;
    function give(kind, event)
    {
        if (!event.isPrimary)
            return;
        var box = canvas.getBoundingClientRect();
        var x = Math.floor((event.clientX - box.left) * canvas.width / (box.width || 1));
        var y = Math.floor((event.clientY - box.top) * canvas.height / (box.height || 1));
        Module._glut_web_pointer(kind, event.pointerType == 'mouse' ? 1 : 0, event.buttons, x, y);
    }
    var handlers = {pointerdown : function(event){if (!event.isPrimary) return;
    event.preventDefault();
    canvas.focus({preventScroll : true});
    canvas.setPointerCapture(event.pointerId);
    give(0, event);
        },
        pointermove: function(event) {
    give(1, event); },
        pointerup: function(event) {
    give(2, event); },
        pointercancel: function(event) {
    give(2, event); },
        // The right button is the program's, not the browser's menu's.
        contextmenu: function(event) {
    event.preventDefault(); },
}
;
for (var type in handlers)
    canvas.addEventListener(type, handlers[type]);
Module.pointerHandlers = handlers;
});
EM_JS(void, js_forget_pointer, (), {
    var handlers = Module.pointerHandlers || {};
    for (var type in handlers)
        Module.canvas.removeEventListener(type, handlers[type]);
    Module.pointerHandlers = null;
});
// The memory in use (below the allocator's break: the data, the stack and
// the heap) is kept before a captured pass, at the top of the loop where no
// call is under way, so that any call's picture can be drawn again from the
// start of the pass; the memory as it stands is put back after, and the
// program goes on from where it was. What lies above the break is free, and
// the allocator takes it as it finds it.
EM_JS(void, js_keep_captures, (), {
    Module.keepMemory = function(kept)
    {
        var used = Module._glut_web_memory_in_use();
        if (!kept || kept.buffer.byteLength < used)
            kept = new Uint8Array(used);
        kept = new Uint8Array(kept.buffer, 0, used);
        kept.set(HEAPU8.subarray(0, used));
        return kept;
    };
    Module.showCall = function(call)
    {
        var begin = Module._glut_web_open_primitive(call);
        var now = Module.memoryNow = Module.keepMemory(Module.memoryNow);
        HEAPU8.set(Module.captureBefore);
        var state = JSON.parse(UTF8ToString(Module._glut_web_draw_until(call, begin)));
        HEAPU8.set(now);
        return state;
    };
});
// Ends when the program has (an exit ends the runtime: ABORT) or the page
// has stopped it; leaves main as Emscripten's "unwind" does.
EM_JS(void, js_run_loop, (), {
    function pass()
    {
        if (ABORT)
            return;
        try {
            if (!Module._glut_web_loop_pass())
                return;
            if (Module._glut_web_capture_ready()) {
                Module.captureBefore = Module.keepMemory(Module.captureBefore);
                Module._glut_web_capture_pass();
                if (Module.onCapture)
                    Module.onCapture();
            }
        } catch (e) {
            if (e instanceof ExitStatus)
                return;
            throw e;
        }
        requestAnimationFrame(pass);
    }
    requestAnimationFrame(pass);
    throw "unwind";
});

namespace page {

void window_size(int& width, int& height) { js_window_size(&width, &height); }
void set_size(int width, int height) { js_set_size(width, height); }
void set_title(const char* title) { js_set_title(title); }
void show(const unsigned char* pixels, int width, int height) { js_show(pixels, width, height); }
int screen_width() { return js_screen_width(); }
int screen_height() { return js_screen_height(); }
void listen_to_pointer() { js_listen_to_pointer(); }
void forget_pointer() { js_forget_pointer(); }
void keep_captures() { js_keep_captures(); }
void run_loop() { js_run_loop(); }

} // namespace page
