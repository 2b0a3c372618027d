/* The toolkit state and messages the shape code reads through the shim's
 * fg_internal.h. */
#include "fg_internal.h"
#include "fg_gl2.h"

#include <stdarg.h>
#include <stdio.h>

SFG_Structure fgStructure = {NULL};
SFG_State fgState = {GL_FALSE};

/* The OpenGL 2 buffer calls of the path that is never taken. */
FGH_PFNGLGENBUFFERSPROC fghGenBuffers;
FGH_PFNGLDELETEBUFFERSPROC fghDeleteBuffers;
FGH_PFNGLBINDBUFFERPROC fghBindBuffer;
FGH_PFNGLBUFFERDATAPROC fghBufferData;
FGH_PFNGLENABLEVERTEXATTRIBARRAYPROC fghEnableVertexAttribArray;
FGH_PFNGLDISABLEVERTEXATTRIBARRAYPROC fghDisableVertexAttribArray;
FGH_PFNGLVERTEXATTRIBPOINTERPROC fghVertexAttribPointer;

static void say(const char* format, va_list arguments)
{
    fputs("freeglut: ", stderr);
    vfprintf(stderr, format, arguments);
    fputc('\n', stderr);
}

void fgError(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    say(format, arguments);
    va_end(arguments);
    exit(1);
}

void fgWarning(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    say(format, arguments);
    va_end(arguments);
}
