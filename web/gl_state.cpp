// GL's state as it stands after a call of a captured pass, read from Mesa
// for the page (capture::state): the matrices, the current colour and
// normal, and the switches these programs use.
#include <GL/gl.h>

#include <string>

#include "capture.h"

namespace {

std::string json_floats(const float* values, int count)
{
    std::string text = "[";
    for (int i = 0; i < count; ++i)
        text += (i ? ", " : "") + capture::number(values[i]);
    return text + "]";
}

std::string json_name(GLenum value) { return "\"" + capture::enum_name(value) + "\""; }

} // namespace

std::string capture::state()
{
    auto integer = [](GLenum what) {
        GLint value = 0;
        glGetIntegerv(what, &value);
        return value;
    };
    auto vector = [](GLenum what, int count) {
        GLfloat values[16] = {};
        glGetFloatv(what, values);
        return json_floats(values, count);
    };
    auto flag = [](GLenum what) { return std::string(glIsEnabled(what) ? "true" : "false"); };
    auto plane = [](GLenum coord) {
        GLint mode = 0;
        glGetTexGeniv(coord, GL_TEXTURE_GEN_MODE, &mode);
        GLfloat values[4] = {};
        glGetTexGenfv(coord, mode == GL_EYE_LINEAR ? GL_EYE_PLANE : GL_OBJECT_PLANE, values);
        return "{\"mode\": " + json_name(static_cast<GLenum>(mode)) + ", \"plane\": " + json_floats(values, 4) + "}";
    };
    return "{\"matrixMode\": " + json_name(static_cast<GLenum>(integer(GL_MATRIX_MODE))) +
           ", \"modelview\": " + vector(GL_MODELVIEW_MATRIX, 16) +
           ", \"projection\": " + vector(GL_PROJECTION_MATRIX, 16) + ", \"color\": " + vector(GL_CURRENT_COLOR, 4) +
           ", \"normal\": " + vector(GL_CURRENT_NORMAL, 3) + ", \"lighting\": " + flag(GL_LIGHTING) +
           ", \"light0\": " + flag(GL_LIGHT0) + ", \"colorMaterial\": " + flag(GL_COLOR_MATERIAL) +
           ", \"colorMaterialFace\": " + json_name(static_cast<GLenum>(integer(GL_COLOR_MATERIAL_FACE))) +
           ", \"colorMaterialParameter\": " + json_name(static_cast<GLenum>(integer(GL_COLOR_MATERIAL_PARAMETER))) +
           ", \"depthTest\": " + flag(GL_DEPTH_TEST) + ", \"texture2D\": " + flag(GL_TEXTURE_2D) +
           ", \"texGenS\": " + flag(GL_TEXTURE_GEN_S) + ", \"texGenT\": " + flag(GL_TEXTURE_GEN_T) +
           ", \"s\": " + plane(GL_S) + ", \"t\": " + plane(GL_T) + ", \"lineStipple\": " + flag(GL_LINE_STIPPLE) +
           ", \"lineStippleFactor\": " + std::to_string(integer(GL_LINE_STIPPLE_REPEAT)) +
           ", \"lineStipplePattern\": " + std::to_string(integer(GL_LINE_STIPPLE_PATTERN)) +
           ", \"lineWidth\": " + vector(GL_LINE_WIDTH, 1) +
           ", \"texture\": " + std::to_string(integer(GL_TEXTURE_BINDING_2D)) + "}";
}
