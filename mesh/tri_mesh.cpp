// Drawing an indexed triangle mesh, one normal per triangle.
#include "tri_mesh.h"

void draw_mesh(const TriMesh& mesh)
{
    glBegin(GL_TRIANGLES);
    for (std::int32_t i = 0; i < mesh.triangle_count; ++i) {
        glNormal3fv(mesh.normals[i]);
        for (GLint corner : mesh.triangles[i])
            glVertex3fv(mesh.vertices[corner]);
    }
    glEnd();
}
