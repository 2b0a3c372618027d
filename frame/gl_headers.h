// The OpenGL, GLU and GLUT headers, in the order each platform needs them.
// Every program includes this rather than the headers themselves.
#pragma once

#if defined(_WIN32)
// Windows' GL headers use declarations from windows.h, which must come first;
// without these two it also defines min and max as macros and drags in most
// of the Windows API.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#if defined(__APPLE__)
#include <GLUT/glut.h>
#include <OpenGL/gl.h>
#include <OpenGL/glu.h>
#else
#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>
#endif
