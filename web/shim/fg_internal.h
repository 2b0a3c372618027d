/* Stands in for the toolkit's internal header when its shape code is built
 * for the web: the shapes ask the toolkit for the current window's OpenGL 2
 * attributes and whether to draw normals, and the web's toolkit has neither,
 * so they draw with OpenGL 1.1 client arrays, as the desktop toolkit does
 * for these programs. */
#ifndef FG_INTERNAL_H
#define FG_INTERNAL_H

#include <GL/freeglut.h>
#include <stdlib.h>

typedef struct {
    struct {
        GLint attribute_v_coord, attribute_v_normal, attribute_v_texture;
    } Window;
    struct {
        GLboolean VisualizeNormals;
    } State;
} SFG_Window;

typedef struct {
    SFG_Window* CurrentWindow; /* always none: no OpenGL 2 attributes */
} SFG_Structure;

typedef struct {
    GLboolean HasOpenGL20; /* never: the shapes use client arrays */
} SFG_State;

extern SFG_Structure fgStructure;
extern SFG_State fgState;

/* The toolkit's messages: an error ends the program, as the toolkit's does. */
void fgError(const char* format, ...);
void fgWarning(const char* format, ...);

/* Drawing a shape before glutInit is the program's own affair here. */
#define FREEGLUT_EXIT_IF_NOT_INITIALISED(name)

#endif
