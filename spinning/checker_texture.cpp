// The checkerboard texture shared by the textured spheres.
#include "checker_texture.h"

void build_checker_image(GLubyte image[checker_size][checker_size][3])
{
    for (int i = 0; i < checker_size; ++i)
        for (int j = 0; j < checker_size; ++j) {
            const GLubyte v = ((i & 8) != (j & 8)) ? 255 : 0;
            image[i][j][0] = image[i][j][1] = image[i][j][2] = v;
        }
}

void upload_checker_image(const GLubyte image[checker_size][checker_size][3])
{
    glTexImage2D(GL_TEXTURE_2D, 0, 3, checker_size, checker_size, 0, GL_RGB, GL_UNSIGNED_BYTE, image);
}

void set_checker_parameters()
{
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}
