// Solid models given as constant tables of vertices, triangles and one normal
// per triangle, and the routine that draws one.
#pragma once

#include "gl_headers.h"

#include <cstdint>

struct TriMesh {
    const GLfloat (*vertices)[3]; // (x, y, z) in model units
    const GLint (*triangles)[3];  // vertex indices, anticlockwise seen from the normal's side
    const GLfloat (*normals)[3];  // one per triangle, pointing out of the solid
    std::int32_t triangle_count;
    std::int32_t vertex_count;
};

// An outline extruded between z = 6 and z = -6: a bar on the left, a diagonal
// band, and a hollow frame on the right.
extern const TriMesh emblem_mesh;

// A box 12 wide, 6 high and 12 deep centred on the origin.
extern const TriMesh block_mesh;

// Draws the mesh with the current colour and matrices, faceted.
void draw_mesh(const TriMesh& mesh);
